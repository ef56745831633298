/*
 * dbadll.h - the host's master-data store (DBADLL.DLL).
 *
 * One library holds ORDANEX's master data, each family of calls with its own
 * record file in the host data folder (DBA_SetDatenPfad):
 *
 *   ARTLIB_            articles, keyed by article number
 *   MMLIB_             characteristics (Merkmale), keyed by kind and number;
 *                      also found by kind and code, and by kind and text
 *   LieferantenDBA_    suppliers, record numbers 1 to 1000
 *   EANDATA_           the EAN index: EAN -> article number
 *   EANARTIKEL_        per-article EAN files (one entry per variation)
 *   EDIMapDBA_         learnt keyword mappings per supplier ILN
 *   EDI_AENDERUNG_DBA_ the EDI change store (price changes of an import)
 *   BEZLIB_            item descriptions (characteristic numbers of an item)
 *   DATABASE_          stock items (Einzelteile), by position
 *   TeileZusatz_       item extras, by position (same numbering)
 *   AUFTRAGDBA_        purchase orders: head and positions
 *   MindbestDBA_       minimum stocks, keyed by article number
 *
 * Common rules:
 *  - results: 1 = success / found, 0 = not found, -1 = invalid argument or
 *    store not open; numbers and counts greater than 0;
 *  - records are copied whole in and out of the caller's buffers; no call
 *    keeps a pointer to a caller's record after it returns;
 *  - every record write is durable as a whole: a process that dies in the
 *    middle of a write leaves the old or the new record, never a mix, and
 *    the next user of the store repairs an interrupted write on its own;
 *  - every handle, and every process, sees the writes of every other at its
 *    next call;
 *  - texts are ANSI in the fixed buffers of the records; longer texts passed
 *    in are cut to the buffer (always terminated);
 *  - no call raises an exception or shows a window.
 *
 * Characteristic kinds: 0 article, 1 Hauptgruppe, 2 Warengruppe, 3 Serie,
 * 4 Label, 5 Material, 6 Farbe, 7 Groesse, 8 Lieferant, 9 Filiale,
 * 11 Saison (10 unused). The store accepts kinds 0 to 31.
 *
 * Articles are characteristics of kind 0 as well: their code is the
 * supplier's number text, their text the article number text, and their
 * "article name" is the code padded with "_" to exactly five characters
 * followed by the text ("12___4711"). The article record (ARTLIB_) holds
 * the article's master data under the same number.
 */
#ifndef OX_HOSTAPI_DBADLL_H
#define OX_HOSTAPI_DBADLL_H

#include "hostapi/hostdefs.h"
#include "hostapi/oxtabelle.h"

#if defined(BUILD_DBADLL)
#  define DBADLL_API OX_DLLEXPORT
#else
#  define DBADLL_API OX_DLLIMPORT
#endif

enum {
    DBA_MAX_ART = 31,                 /* highest characteristic kind accepted */
    DBA_MAX_LIEFERANTEN = 1000,       /* supplier records 1..1000 */
    DBA_ILN_SLOTS = 10,               /* ILN slots per supplier record */
    DBA_ARTIKELNAME = 64              /* buffer for an article name */
};

#pragma pack(push, 1)

/* ------------------------------------------------------------------------
 * Records
 * ------------------------------------------------------------------------ */

/* Characteristic record, 54 bytes: code from byte 8 (4 characters), text
 * from byte 13 (24 characters). For kind 0 the code is the supplier number
 * text and the text the article number text; for kind 8 the code is the
 * supplier number text and the text the supplier's name. Bytes 0 to 7 and
 * 38 to 53 are this store's own. */
typedef struct MERKMAL_SATZ {
    int32_t Nummer;                  /*  0: characteristic number, > 0 */
    int32_t Art;                     /*  4: kind */
    char Code[OX_TXT_CODE];          /*  8 */
    char Text[OX_TXT_25];            /* 13 */
    int32_t Sortierung;              /* 38: free for the host (sort key) */
    unsigned char Reserve[12];       /* 42 */
} MERKMAL_SATZ;

/* Article record, 512 bytes. Offsets 12 to 36, 48, 50, 52 (codes), 110,
 * 142, 144 and 146 are the host's fixed fields; the rest is placed by this
 * store. Codes: Codes[0..8] are kinds 1, 2, 3, 4, 5, 6, 7, 8 (supplier) and
 * 11, i.e. kind k (1..8) at byte 52 + 5 (k - 1), kind 11 at byte 92. */
typedef struct ARTIKEL_SATZ {
    int32_t ArtikelNummer;           /*   0: set by the store on every write */
    int32_t SerienNummer;            /*   4: series characteristic number (kind 3), 0 = none */
    int32_t LieferantNummer;         /*   8: supplier number */
    int32_t Ek1;                     /*  12: hundredths */
    int32_t Vk1;                     /*  16 */
    int32_t Ek2;                     /*  20 */
    int32_t Vk2;                     /*  24 */
    int32_t Ek1Umgerechnet;          /*  28 */
    int32_t Vk1Umgerechnet;          /*  32 */
    int32_t Filiale;                 /*  36: branch number */
    int16_t SerienKennzeichen;       /*  40: 0 = the article may take its series' table */
    int16_t Pflegekennzeichen;       /*  42: 0 = not maintained (left out of exports) */
    int32_t AnlageDatum;             /*  44: host date integer */
    char Kennzeichen;                /*  48: identification character, 'A' = discontinued */
    char Reserve1;                   /*  49 */
    int16_t Standard;                /*  50: standard-article flag */
    char Codes[9][OX_TXT_CODE];      /*  52: characteristic codes, see above */
    unsigned char Reserve2[13];      /*  97 */
    char Zusatztext[OX_TXT_32];      /* 110: additional text (also the identification
                                                text of a change record) */
    int16_t EanKennzeichen;          /* 142: 1 = the EAN came with a checked supplier */
    int16_t EdiAngelegt;             /* 144: 1 = written by an EDI import */
    int16_t MwstSatz;                /* 146: VAT rate number 0..5 (the change store hands it
                                                on as the label kind) */
    char Text[OX_TXT_64];            /* 148: long article text */
    unsigned char Reserve3[300];     /* 212 */
} ARTIKEL_SATZ;

/* Article code index helpers: kind -> index into ARTIKEL_SATZ.Codes, -1 for
 * a kind without a code there. */
#ifdef __cplusplus
static inline int ArtikelCodeIndex(int art) { return (art >= 1 && art <= 8) ? art - 1 : (art == 11 ? 8 : -1); }
#endif

/* Supplier record, 2048 bytes. The 16-bit flag at 1750 and the ten ILN
 * slots from 1752 are the host's fixed fields; the address fields are
 * placed by this store (widths as the address file gives them). */
typedef struct LIEFERANTEN_SATZ {
    int32_t Nummer;                         /*    0: supplier number (1..1000), set on write */
    char Name[65];                          /*    4 */
    char Ansprechpartner[65];               /*   69 */
    char Strasse[65];                       /*  134 */
    char Land[4];                           /*  199 */
    char Plz[9];                            /*  203 */
    char Ort[65];                           /*  212 */
    char Tel1[21];                          /*  277 */
    char Tel2[21];                          /*  298 */
    char Fax1[21];                          /*  319 */
    char Fax2[21];                          /*  340 */
    char BestellAnsprechpartner[65];        /*  361 */
    char BestellAdresse[256];               /*  426: multi-line */
    char BestellTel[21];                    /*  682 */
    char BestellFax[21];                    /*  703 */
    char ReklamAnsprechpartner[65];         /*  724 */
    char ReklamAdresse[252];                /*  789: multi-line */
    char ReklamTel[21];                     /* 1041 */
    char ReklamFax[21];                     /* 1062 */
    int16_t RmaErforderlich;                /* 1083 */
    char FesteRmaNummer[12];                /* 1085 */
    int16_t UnfreiOk;                       /* 1097 */
    char Blz[9];                            /* 1099 */
    char Kto[11];                           /* 1108 */
    char UstId[16];                         /* 1119 */
    int32_t Frachtfrei;                     /* 1135 */
    char Bankname[26];                      /* 1139 */
    int16_t UstFrei;                        /* 1165 */
    unsigned char Reserve1[583];            /* 1167 */
    int16_t EanPruefung;                    /* 1750: non-0 = EANs of this supplier are checked */
    char Iln[DBA_ILN_SLOTS][OX_TXT_ILN];    /* 1752: ILN/GLN slots, 13 characters each */
    unsigned char Reserve2[156];            /* 1892 */
} LIEFERANTEN_SATZ;

/* EAN entry of an article's EAN file, 2560 bytes. Merkmal[k] is the code of
 * kind k for k = 1..8 (at byte 8 + 5k); Merkmal[0] is unused. */
typedef struct EANARTIKEL_SATZ {
    int32_t LaufNummer;              /*   0: entry index in its file, set by the store */
    int32_t ArtikelNummer;           /*   4 */
    char Merkmal[9][OX_TXT_CODE];    /*   8: codes of kinds 0..8 */
    unsigned char Reserve1[10];      /*  53 */
    char FarbText[33];               /*  63: supplier colour text */
    char Ean[OX_TXT_ILN];            /*  96: 13 digits, empty = none */
    char Text[OX_TXT_25];            /* 110: article text, 24 characters */
    unsigned char Reserve2[2425];    /* 135 */
} EANARTIKEL_SATZ;

/* Learnt mapping record, 202 bytes. Stored as given; the supplier ILN is
 * the store's key beside it, not part of the record. */
typedef struct EDIMAP_SATZ {
    char Schluesselwort[OX_TXT_36];  /*   0: the catalogue keyword (35 characters) */
    int32_t Art;                     /*  36: characteristic kind */
    MERKMAL_SATZ Merkmal;            /*  40: the host's characteristic record */
    int32_t Nummer;                  /*  94: characteristic number */
    int32_t Standard;                /*  98: 1 = a supplier's standard characteristic */
    unsigned char Reserve[100];      /* 102 */
} EDIMAP_SATZ;

/* EDI change record, 155 bytes. */
typedef struct EDIAENDERUNG_SATZ {
    int32_t ArtikelNummer;           /*   0 */
    int32_t Reserve1;                /*   4 */
    int32_t Merkmal[11];             /*   8: number of kind k at Merkmal[k - 1], k = 1..11 */
    char Text1[33];                  /*  52: the item's additional text */
    int32_t Ek1;                     /*  85 */
    int32_t Ek2;                     /*  89 */
    int32_t Preis3;                  /*  93 */
    int32_t Vk1;                     /*  97 */
    int32_t Vk2;                     /* 101 */
    int32_t Preis6;                  /* 105 */
    int32_t Preis7;                  /* 109 */
    char Text2[33];                  /* 113: the article's identification text */
    int16_t EtikettenArt;            /* 146: 0..5, -1 = none */
    unsigned char Reserve2[7];       /* 148 */
} EDIAENDERUNG_SATZ;

/* Stock item (Einzelteil), 142 bytes. The item file is a plain sequence of
 * these records from DATABASE_FilePos(1) on, so it can be read in blocks
 * through the FILEIO handle that DATABASE_OeffneDatenbank gives. */
typedef struct EINZELTEIL_SATZ {
    int32_t TeilNummer;              /*   0: item number (its position) */
    int32_t Reserve1;                /*   4 */
    int32_t ArtikelNummer;           /*   8 */
    int32_t LieferantNummer;         /*  12 */
    int32_t EingangsDatum;           /*  16: host date integer */
    int32_t BezeichnungNummer;       /*  20: key of the description store */
    int32_t Reserve2[3];             /*  24 */
    int32_t Groesse;                 /*  36: kind 7 */
    int32_t Reserve3;                /*  40 */
    int32_t Saison;                  /*  44: kind 11 */
    int32_t Filiale;                 /*  48: kind 9 */
    int32_t Reserve4;                /*  52 */
    int32_t Filiale2;                /*  56: branch again */
    int32_t Ek1;                     /*  60 */
    int32_t Vk1;                     /*  64 */
    int32_t Reserve5;                /*  68 */
    int32_t Wert72;                  /*  72: 0 on a new item */
    int32_t Ek2;                     /*  76 */
    int32_t Vk2;                     /*  80 */
    int32_t Reserve6;                /*  84 */
    int32_t Preis3;                  /*  88: EK1 converted */
    int32_t Preis6;                  /*  92: VK1 converted */
    int32_t Reserve7;                /*  96 */
    int32_t Wert100;                 /* 100: 0 on a new item */
    int32_t EtikettWert;             /* 104: handed to a label request */
    unsigned char Reserve8[18];      /* 108 */
    int16_t MwstSatz;                /* 126: VAT rate number; label kind of a price change */
    int16_t EtikettWert2;            /* 128: handed to a label request */
    unsigned char Reserve9[10];      /* 130 */
    uint16_t Flags;                  /* 140: EINZELTEIL_VORHANDEN, EINZELTEIL_VERKAUFT */
} EINZELTEIL_SATZ;

enum { EINZELTEIL_VORHANDEN = 0x0001, EINZELTEIL_VERKAUFT = 0x0002 };

/* Item extra record (TeileZusatz), 170 bytes, numbered like the items. */
typedef struct TEILEZUSATZ_SATZ {
    char Text1[OX_TXT_32];           /*   0 */
    char Text2[OX_TXT_32];           /*  32 */
    unsigned char Reserve[106];      /*  64 */
} TEILEZUSATZ_SATZ;

/* Item description, 128 bytes: the characteristic numbers of kinds 1..8. */
typedef struct BEZEICHNUNG_SATZ {
    int32_t Nummer;                  /*   0: description number, > 0 */
    int32_t ArtikelNummer;           /*   4 */
    int32_t Merkmal[8];              /*   8: number of kind k at Merkmal[k - 1] */
    char Text[OX_TXT_64];            /*  40 */
    unsigned char Reserve[24];       /* 104 */
} BEZEICHNUNG_SATZ;

/* Minimum stock of an article, 128 bytes. */
typedef struct MINDBEST_SATZ {
    int32_t ArtikelNummer;           /*   0: key, > 0 */
    int32_t Filiale;                 /*   4 */
    int32_t Menge[30];               /*   8: minimum per size row */
} MINDBEST_SATZ;

/* Order head, 207,108 bytes. Offsets 72, 76, 80, 962 and 1046 are the
 * host's fixed fields. */
typedef struct AUFTRAG_KOPF {
    int32_t AuftragsNummer;          /*    0 */
    int32_t Datum;                   /*    4: host date integer */
    char Text[OX_TXT_64];            /*    8 */
    int32_t MengenSumme;             /*   72 */
    int32_t WertSumme;               /*   76 */
    int32_t LieferantNummer;         /*   80 */
    unsigned char Reserve1[878];     /*   84 */
    uint16_t Status;                 /*  962: bit 0 kept on recomputation, bit 1 = no updates,
                                                 exactly 2 = not loaded */
    unsigned char Reserve2[82];      /*  964 */
    int32_t AnzahlPositionen;        /* 1046: kept by the store */
    unsigned char Reserve3[206058];  /* 1050 */
} AUFTRAG_KOPF;

/* Order position, 207,108 bytes, carrying the position's size table. */
typedef struct AUFTRAG_POSITION {
    int32_t AuftragsNummer;          /*      0 */
    int16_t PositionsNummer;         /*      4: 1-based, set by the store */
    int32_t TabellenMenge;           /*      6: pieces in the table */
    int32_t Wert;                    /*     10: position value */
    unsigned char Reserve1[64];      /*     14 */
    char Langtext[101];              /*     78: article number text */
    char Kurztext[53];               /*    179: supplier number text */
    int32_t LieferantNummer;         /*    232 */
    unsigned char Reserve2[16];      /*    236 */
    int32_t Ek1;                     /*    252 */
    int32_t Vk1;                     /*    256 */
    int32_t Ek2;                     /*    260 */
    int32_t Vk2;                     /*    264 */
    int32_t Ek1Umgerechnet;          /*    268 */
    int32_t Vk1Umgerechnet;          /*    272 */
    unsigned char Reserve3[66];      /*    276 */
    int32_t Menge;                   /*    342: quantity entered without a table */
    char Zusatztext[OX_TXT_32];      /*    346 */
    unsigned char Reserve4[120];     /*    378 */
    char Kennzeichen;                /*    498: identification character */
    unsigned char Reserve5[7];       /*    499 */
    OXTABELLE Tabelle;               /*    506 */
    uint16_t Flags;                  /* 206908: bit 0 and bit 1, the order store's */
    unsigned char Reserve6[198];     /* 206910 */
} AUFTRAG_POSITION;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(MERKMAL_SATZ) == 54, "MERKMAL_SATZ");
static_assert(offsetof(MERKMAL_SATZ, Code) == 8 && offsetof(MERKMAL_SATZ, Text) == 13, "MERKMAL_SATZ fields");
static_assert(sizeof(ARTIKEL_SATZ) == 512, "ARTIKEL_SATZ");
static_assert(offsetof(ARTIKEL_SATZ, Ek1) == 12 && offsetof(ARTIKEL_SATZ, Vk1) == 16 &&
              offsetof(ARTIKEL_SATZ, Ek2) == 20 && offsetof(ARTIKEL_SATZ, Vk2) == 24, "ARTIKEL_SATZ prices");
static_assert(offsetof(ARTIKEL_SATZ, Filiale) == 36 && offsetof(ARTIKEL_SATZ, Kennzeichen) == 48 &&
              offsetof(ARTIKEL_SATZ, Standard) == 50 && offsetof(ARTIKEL_SATZ, Codes) == 52, "ARTIKEL_SATZ 36-52");
static_assert(offsetof(ARTIKEL_SATZ, Codes) + 7 * OX_TXT_CODE == 87, "ARTIKEL_SATZ supplier code");
static_assert(offsetof(ARTIKEL_SATZ, Codes) + 8 * OX_TXT_CODE == 92, "ARTIKEL_SATZ season code");
static_assert(offsetof(ARTIKEL_SATZ, Zusatztext) == 110 && offsetof(ARTIKEL_SATZ, EanKennzeichen) == 142 &&
              offsetof(ARTIKEL_SATZ, EdiAngelegt) == 144 && offsetof(ARTIKEL_SATZ, MwstSatz) == 146,
              "ARTIKEL_SATZ 110-146");
static_assert(sizeof(LIEFERANTEN_SATZ) == 2048, "LIEFERANTEN_SATZ");
static_assert(offsetof(LIEFERANTEN_SATZ, EanPruefung) == 1750 && offsetof(LIEFERANTEN_SATZ, Iln) == 1752,
              "LIEFERANTEN_SATZ ILN slots");
static_assert(sizeof(EANARTIKEL_SATZ) == 2560, "EANARTIKEL_SATZ");
static_assert(offsetof(EANARTIKEL_SATZ, ArtikelNummer) == 4 && offsetof(EANARTIKEL_SATZ, Merkmal) == 8 &&
              offsetof(EANARTIKEL_SATZ, FarbText) == 63 && offsetof(EANARTIKEL_SATZ, Ean) == 96 &&
              offsetof(EANARTIKEL_SATZ, Text) == 110, "EANARTIKEL_SATZ fields");
static_assert(sizeof(EDIMAP_SATZ) == 202, "EDIMAP_SATZ");
static_assert(offsetof(EDIMAP_SATZ, Art) == 36 && offsetof(EDIMAP_SATZ, Merkmal) == 40 &&
              offsetof(EDIMAP_SATZ, Nummer) == 94 && offsetof(EDIMAP_SATZ, Standard) == 98, "EDIMAP_SATZ fields");
static_assert(sizeof(EDIAENDERUNG_SATZ) == 155, "EDIAENDERUNG_SATZ");
static_assert(offsetof(EDIAENDERUNG_SATZ, Merkmal) == 8 && offsetof(EDIAENDERUNG_SATZ, Text1) == 52 &&
              offsetof(EDIAENDERUNG_SATZ, Ek1) == 85 && offsetof(EDIAENDERUNG_SATZ, Ek2) == 89 &&
              offsetof(EDIAENDERUNG_SATZ, Preis3) == 93 && offsetof(EDIAENDERUNG_SATZ, Vk1) == 97 &&
              offsetof(EDIAENDERUNG_SATZ, Vk2) == 101 && offsetof(EDIAENDERUNG_SATZ, Preis6) == 105 &&
              offsetof(EDIAENDERUNG_SATZ, Preis7) == 109 && offsetof(EDIAENDERUNG_SATZ, Text2) == 113 &&
              offsetof(EDIAENDERUNG_SATZ, EtikettenArt) == 146, "EDIAENDERUNG_SATZ fields");
static_assert(sizeof(EINZELTEIL_SATZ) == 142, "EINZELTEIL_SATZ");
static_assert(offsetof(EINZELTEIL_SATZ, ArtikelNummer) == 8 && offsetof(EINZELTEIL_SATZ, BezeichnungNummer) == 20 &&
              offsetof(EINZELTEIL_SATZ, Groesse) == 36 && offsetof(EINZELTEIL_SATZ, Saison) == 44 &&
              offsetof(EINZELTEIL_SATZ, Filiale) == 48 && offsetof(EINZELTEIL_SATZ, Filiale2) == 56 &&
              offsetof(EINZELTEIL_SATZ, Ek1) == 60 && offsetof(EINZELTEIL_SATZ, Vk1) == 64 &&
              offsetof(EINZELTEIL_SATZ, Wert72) == 72 && offsetof(EINZELTEIL_SATZ, Ek2) == 76 &&
              offsetof(EINZELTEIL_SATZ, Vk2) == 80 && offsetof(EINZELTEIL_SATZ, Preis3) == 88 &&
              offsetof(EINZELTEIL_SATZ, Preis6) == 92 && offsetof(EINZELTEIL_SATZ, Wert100) == 100 &&
              offsetof(EINZELTEIL_SATZ, EtikettWert) == 104 && offsetof(EINZELTEIL_SATZ, MwstSatz) == 126 &&
              offsetof(EINZELTEIL_SATZ, EtikettWert2) == 128 && offsetof(EINZELTEIL_SATZ, Flags) == 140,
              "EINZELTEIL_SATZ fields");
static_assert(sizeof(TEILEZUSATZ_SATZ) == 170 && offsetof(TEILEZUSATZ_SATZ, Text2) == 32, "TEILEZUSATZ_SATZ");
static_assert(sizeof(BEZEICHNUNG_SATZ) == 128, "BEZEICHNUNG_SATZ");
static_assert(sizeof(MINDBEST_SATZ) == 128, "MINDBEST_SATZ");
static_assert(sizeof(AUFTRAG_KOPF) == 207108, "AUFTRAG_KOPF");
static_assert(offsetof(AUFTRAG_KOPF, MengenSumme) == 72 && offsetof(AUFTRAG_KOPF, WertSumme) == 76 &&
              offsetof(AUFTRAG_KOPF, LieferantNummer) == 80 && offsetof(AUFTRAG_KOPF, Status) == 962 &&
              offsetof(AUFTRAG_KOPF, AnzahlPositionen) == 1046, "AUFTRAG_KOPF fields");
static_assert(sizeof(AUFTRAG_POSITION) == 207108, "AUFTRAG_POSITION");
static_assert(offsetof(AUFTRAG_POSITION, TabellenMenge) == 6 && offsetof(AUFTRAG_POSITION, Wert) == 10 &&
              offsetof(AUFTRAG_POSITION, Langtext) == 78 && offsetof(AUFTRAG_POSITION, Kurztext) == 179 &&
              offsetof(AUFTRAG_POSITION, LieferantNummer) == 232 && offsetof(AUFTRAG_POSITION, Ek1) == 252 &&
              offsetof(AUFTRAG_POSITION, Vk1) == 256 && offsetof(AUFTRAG_POSITION, Ek2) == 260 &&
              offsetof(AUFTRAG_POSITION, Vk2) == 264 && offsetof(AUFTRAG_POSITION, Ek1Umgerechnet) == 268 &&
              offsetof(AUFTRAG_POSITION, Vk1Umgerechnet) == 272 && offsetof(AUFTRAG_POSITION, Menge) == 342 &&
              offsetof(AUFTRAG_POSITION, Zusatztext) == 346 && offsetof(AUFTRAG_POSITION, Kennzeichen) == 498 &&
              offsetof(AUFTRAG_POSITION, Tabelle) == 506 && offsetof(AUFTRAG_POSITION, Flags) == 206908,
              "AUFTRAG_POSITION fields");
#endif

/* Callbacks handed to the store (host calling convention). */

/* Order visitor of AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige: the open
 * order (handle, -1 when it could not be opened), its number and its head.
 * Return non-0 to go on, 0 to stop. */
typedef int32_t (OXCALL *AUFTRAG_BESUCHER)(HOSTHANDLE handle, int32_t auftragsNummer, AUFTRAG_KOPF* kopf);
/* Receives one EAN entry on loading an article's EAN list; `liste` is the
 * caller's value passed through. Return non-0 to go on, 0 to stop. */
typedef int32_t (OXCALL *EAN_HINZU)(void* liste, const EANARTIKEL_SATZ* eintrag);
/* Hands out the next EAN entry to save, null when there is none left. */
typedef const EANARTIKEL_SATZ* (OXCALL *EAN_NAECHSTER)(void* liste);

/* ------------------------------------------------------------------------
 * Data folder and store-wide settings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * ARTLIB_: articles
 * ------------------------------------------------------------------------ */

/* Opens the article store. Returns a handle (> 0) or -1 when the store
 * cannot be opened. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL ARTLIB_OeffneDatenbank(void);

/* Closes a handle of ARTLIB_OeffneDatenbank. 1, or -1 for a handle that is
 * not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_SchliesseDatenbank(HOSTHANDLE handle);

/* Reads article `artikelNummer` into `satz`. 1 = found, 0 = no such article
 * (`satz` zero-filled), -1 = handle not open, number below 1 or null
 * record. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_ReadArtikel(HOSTHANDLE handle, int32_t artikelNummer, ARTIKEL_SATZ* satz);

/* Writes `satz` as article `artikelNummer` (new or replacing the stored
 * one; ArtikelNummer in the stored copy is set to the number; a record
 * equal to the stored one is not written again). 1 = written (or equal),
 * 0 = write failed, -1 = handle not open, number below 1 or null record. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_WriteArtikel(HOSTHANDLE handle, int32_t artikelNummer,
                                                          const ARTIKEL_SATZ* satz);

/* ARTLIB_ReadArtikel without a handle (the store is opened as needed). */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_LeseArtikel(int32_t artikelNummer, ARTIKEL_SATZ* satz);

/* ------------------------------------------------------------------------
 * MMLIB_: characteristics
 * ------------------------------------------------------------------------ */

/* Opens the characteristic store for kind `art` (0..31). The store is also
 * opened on demand by every other MMLIB_ call; opening only keeps it
 * open until the matching close. 1, or -1 for an invalid kind or a store
 * that cannot be opened. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_OeffneDatenbank(int32_t art);

/* Ends one MMLIB_OeffneDatenbank of kind `art`. 1, or -1 for an invalid kind. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_SchliesseDatenbank(int32_t art);

/* Reads characteristic (art, nummer) into `satz`. 1 = found, 0 = not
 * found (`satz` zero-filled), -1 = invalid kind, number below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_LeseMerkmal(int32_t art, int32_t nummer, MERKMAL_SATZ* satz);

/* Creates a characteristic of kind `art` from `satz` (code and text; the
 * other fields are ignored) under the next free number, which is written
 * back into satz->Nummer together with satz->Art. Returns the new number
 * (> 0); 0 when the code is empty or already used in that kind (for kind 0:
 * when the article name is already used); -1 for an invalid kind or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_MerkmalAnlegen(int32_t art, MERKMAL_SATZ* satz);

/* Forms an article name: `kurztext` (the supplier number text) padded with
 * "_" or cut to exactly five characters, followed by `langtext` (the article
 * number text), into `ziel` (at least DBA_ARTIKELNAME bytes; at most 63
 * characters are written). Null texts count as empty. Returns the length,
 * -1 for a null target. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_CopyKurzUndLangtext(char* ziel, const char* kurztext,
                                                                const char* langtext);

/* ------------------------------------------------------------------------
 * LieferantenDBA_: suppliers (record number = supplier number, 1..1000)
 * ------------------------------------------------------------------------ */

/* Opens the supplier store. Returns a handle (> 0), or 0 on failure. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL LieferantenDBA_OpenDBA(void);

/* Closes a handle of LieferantenDBA_OpenDBA. 1, or -1 when not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_CloseDBA(HOSTHANDLE handle);

/* Reads record `nummer` (1..1000). 1 = a supplier is stored there, 0 = the
 * record is empty (`satz` zero-filled), -1 = handle not open, number
 * outside 1..1000 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_ReadRecord(HOSTHANDLE handle, int32_t nummer,
                                                                LIEFERANTEN_SATZ* satz);

/* LieferantenDBA_ReadRecord without a handle. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_LeseRecord(int32_t nummer, LIEFERANTEN_SATZ* satz);

/* Writes `satz` as supplier `nummer` (1..1000; satz->Nummer is set to it in
 * the stored copy). 1 = written, 0 = write failed, -1 = number outside
 * 1..1000 (0 included: nothing is written) or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_SchreibeRecord(int32_t nummer, const LIEFERANTEN_SATZ* satz);

/* Zero-fills `satz`. 1, or -1 for null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_ClearRecord(LIEFERANTEN_SATZ* satz);

/* ------------------------------------------------------------------------
 * EANDATA_: the EAN index
 * ------------------------------------------------------------------------ */

/* 1 when `ean` is a valid article code: 8, 12, 13 or 14 digits with a
 * correct check digit (GS1 modulo 10); 0 otherwise (also null). */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_EAN_Ist_OK(const char* ean);

/* The article number the EAN is assigned to (>= 1), 0 when none or the EAN
 * is not valid. `musterId` (may be null) receives the pattern id stored
 * with the EAN (0 when none). */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_GetArtikelNummer(const char* ean, int32_t* musterId);

/* Assigns `ean` to article `artikelNummer` without pattern id. With
 * `ueberschreiben` non-0 an assignment to another article is replaced;
 * with 0 it is kept. Returns 1 when the EAN belongs to the article
 * afterwards, 0 when not (invalid EAN, kept assignment, write failed),
 * -1 for null or an article number below 1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_SetArtikelNummerOhneMusterID(const char* ean, int32_t artikelNummer,
                                                                           int32_t ueberschreiben);

/* One assignment of EANDATA_SetArtikelNummernBlock (18 bytes). */
#pragma pack(push, 1)
typedef struct EANDATA_ZUORDNUNG {
    char Ean[OX_TXT_ILN];            /*  0: 8, 12, 13 or 14 digits */
    int32_t ArtikelNummer;           /* 14 */
} EANDATA_ZUORDNUNG;
#pragma pack(pop)
#ifdef __cplusplus
static_assert(sizeof(EANDATA_ZUORDNUNG) == 18, "EANDATA_ZUORDNUNG");
#endif

/* ------------------------------------------------------------------------
 * EANARTIKEL_: per-article EAN files. Entries are numbered 1, 2, ... in the
 * order they were added.
 * ------------------------------------------------------------------------ */

/* Builds the file name of article `artikelNummer`'s EAN file into `name`
 * (260 bytes). `modus` is accepted for the call shape (0 or 1) and does
 * not change the name. 1, or -1 for an article below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_CreateFileName(int32_t artikelNummer, char* name, int32_t modus);

/* Opens an EAN file: `modus` 0 only an existing file, 1 creates a missing
 * one. Returns a handle (> 0) or -1. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL EANARTIKEL_OpenFile(const char* name, int32_t modus);

/* Closes an EAN file handle. 1, or -1 when not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_CloseFile(HOSTHANDLE datei);

/*
 * Looks up the variation of `muster` in the open file: the entries of
 * `artikelNummer` whose codes of kinds 1..`anzahlMerkmale` (1..8) equal
 * muster's. Returns 1 when such an entry also carries `ean` (*index = its
 * number); 0 with *index = the first such entry's number when the variation
 * is there with another EAN; 0 with *index = 0 when the variation is not
 * there. `text` (the article text) is not compared. `muster` is not
 * changed. -1 for an invalid handle or a null argument.
 */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_HoleEAN_Artikel_From_Open_File(HOSTHANDLE datei, int32_t anzahlMerkmale,
    int32_t artikelNummer, const char* ean, const char* text, const EANARTIKEL_SATZ* muster, int32_t* index);

/* Adds `eintrag` as a new entry for `artikelNummer`. Returns the new entry
 * number (>= 1), 0 when the write failed, -1 for an invalid handle or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_NeuEintragen_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                                           const EANARTIKEL_SATZ* eintrag);

/* Replaces entry `index` (>= 1) by `eintrag`. 1 = replaced, 0 = no such
 * entry, -1 for an invalid handle or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_Aendern_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                                      const EANARTIKEL_SATZ* eintrag, int32_t index);

/* Hands every entry of `artikelNummer` in the open file, in entry order, to
 * `hinzu(liste, entry)` until it returns 0. Returns the number handed out,
 * -1 for an invalid handle or a null callback. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                                 int32_t artikelNummer, EAN_HINZU hinzu);

/* Replaces all entries of the open file by the entries `naechster(liste)`
 * hands out until it gives null (entry numbers become 1, 2, ...), as one
 * write: afterwards the file holds either the old or the new list. Returns
 * the number of entries written, -1 for an invalid handle or null callback
 * (also more than 100000 entries: nothing is written). */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                                 int32_t artikelNummer, EAN_NAECHSTER naechster);

/* EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile without an open file: the
 * article's file is opened and closed again. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX(int32_t artikelNummer, void* liste, EAN_HINZU hinzu);

/* Finds an EAN for a variation of article `artikelNummer`: the first entry
 * with a non-empty EAN whose codes of kinds 1..8 equal those of `muster`,
 * where an empty code in `muster` matches any (null `muster`: any entry).
 * `kurztext` (the article text) is not compared. Copies the EAN into `ean`
 * (14 bytes) and returns 1; 0 when there is none (`ean` gets 14 zero
 * bytes), -1 for an article below 1 or a null `ean`. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(int32_t artikelNummer, const char* kurztext,
                                                                                  const EANARTIKEL_SATZ* muster, char* ean);

/* ------------------------------------------------------------------------
 * EDIMapDBA_: learnt keyword mappings, keyed by supplier ILN (1 to 13
 * characters), keyword (its first 35 characters, exact comparison) and
 * kind. A supplier's standard characteristics live beside them, keyed by
 * ILN and kind only.
 *
 * The memory copy: MakeEDIMAPMem loads one supplier's entries; the ...Mem
 * calls read and change that copy only (for another ILN they fall back to
 * the store); WriteEDIMAPMem writes the changes to the store;
 * FreeEDIMAPMem drops the copy and any unwritten change.
 * ------------------------------------------------------------------------ */

/* Loads the memory copy for `iln` (replacing an earlier copy, unwritten
 * changes of which are lost). Returns the number of entries loaded, -1 for
 * an invalid ILN. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_MakeEDIMAPMem(const char* iln);

/* Searches the learnt entry (iln, keyword, art): copies it into `satz` and
 * returns 1 (> 0 = found); 0 when there is none (`satz` untouched),
 * -1 for an invalid ILN, a null keyword or null record. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_SuchEDIMAPMem(EDIMAP_SATZ* satz, const char* iln,
                                                             const char* schluesselwort, int32_t art);

/* Enters `satz` as the learnt entry (iln, satz->Schluesselwort, art) in the
 * memory copy, replacing an entry of the same key. 1, -1 for invalid
 * arguments. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_EDIMAPEintragenMem(const EDIMAP_SATZ* satz, const char* iln, int32_t art);

/* Writes the changes of the memory copy for `iln` to the store as one
 * write. Returns the number of entries written (0 when nothing changed),
 * -1 when there is no copy for `iln` or the write failed. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_WriteEDIMAPMem(const char* iln);

/* Drops the memory copy. 1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_FreeEDIMAPMem(void);

/* The standard characteristic of (iln, art) from the store / from the
 * memory copy: copied into `satz`, 1 = found, 0 = none, -1 invalid. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_SuchStandardEDIMAP(EDIMAP_SATZ* satz, const char* iln, int32_t art);
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_SuchStandardEDIMAPMem(EDIMAP_SATZ* satz, const char* iln, int32_t art);

/* Writes `satz` as the standard characteristic of (iln, art) into the store
 * at once (and into the memory copy when it is that supplier's). 1 =
 * written, 0 = write failed, -1 invalid. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_StandardEDIMAPEintragen(const EDIMAP_SATZ* satz, const char* iln, int32_t art);

/* Builds the path of the supplier's field map file ("EDIFELDMAP\<iln>.INI"
 * in the data folder) into `pfad` (260 bytes). 1, -1 for an invalid ILN or
 * null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_CreateFeldMapFileName(const char* iln, char* pfad);

/* 1 when the supplier's field map file exists, 0 when not, -1 invalid. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDIMapDBA_EDIFeldMapExists(const char* iln);

/* ------------------------------------------------------------------------
 * EDI_AENDERUNG_DBA_: the EDI change store, a sequence of change records
 * ------------------------------------------------------------------------ */

/* Opens the change store for reading and appending. Handle (> 0) or -1. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL EDI_AENDERUNG_DBA_RW_Open(void);

/* Closes a handle of RW_Open. 1, or -1 when not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_Close(HOSTHANDLE handle);

/* Appends `satz`. 1 = appended, 0 = write failed, -1 = not open or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(HOSTHANDLE handle,
                                                                               const EDIAENDERUNG_SATZ* satz);

/* Number of records in the store (0 or more), -1 when not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(HOSTHANDLE handle);

/* 1 when the change store holds records, 0 when it is empty or missing. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_EDIAenderungExists(void);

/* Loads all records into one new memory block and returns it (null when the
 * store is empty, not open or memory is short); *anzahl gets the count (0
 * on null). Release the block with EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG. */
OX_EXTERN_C DBADLL_API EDIAENDERUNG_SATZ* OXCALL EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(HOSTHANDLE handle, int32_t* anzahl);

/* Releases a block of MakeMemEDIAENDERUNG (null is allowed). 1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG(EDIAENDERUNG_SATZ* saetze);

/*
 * Searches the loaded records for the one that applies to `schluessel` (an
 * item's key: article number and characteristic numbers): the last record
 * whose article number equals the key's (non-0) and whose characteristic
 * numbers of kinds 1..8 and 11 each are 0 (any) or equal to the key's. The
 * _Ohne_Saison variant does not compare kind 11. Returns the found record's
 * position (1-based, > 0) and copies it into `schluessel`; 0 when none,
 * -1 for null arguments.
 */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(const EDIAENDERUNG_SATZ* saetze,
                                                                           EDIAENDERUNG_SATZ* schluessel, int32_t anzahl);
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG_Ohne_Saison(const EDIAENDERUNG_SATZ* saetze,
                                                                                       EDIAENDERUNG_SATZ* schluessel,
                                                                                       int32_t anzahl);

/* Empties the change store (open handles then see 0 records). 1, 0 when
 * the store could not be emptied. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EDI_AENDERUNG_DBA_Delete(void);

/* ------------------------------------------------------------------------
 * BEZLIB_: item descriptions
 * ------------------------------------------------------------------------ */

/* Opens the description store: handle (> 0) or -1. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL BEZLIB_OeffneDatenbank(void);
/* Closes it: 1, or -1 when not open. */
OX_EXTERN_C DBADLL_API int32_t OXCALL BEZLIB_SchliesseDatenbank(HOSTHANDLE handle);

/* The characteristic numbers of kinds 1..8 of description `nummer` into
 * `nummern` (8 values, kind k at nummern[k - 1]). 1 = found, 0 = not found
 * (the 8 values are 0), -1 = not open, number below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL BEZLIB_ReadBezeichnung(HOSTHANDLE handle, int32_t nummer, int32_t* nummern);

/* ------------------------------------------------------------------------
 * DATABASE_: stock items. The item file is a header followed by the items
 * as plain 142-byte records; item p (1-based) lies at DATABASE_FilePos(p).
 * ------------------------------------------------------------------------ */

/* Opens the item file (created empty when missing) through the host's file
 * library and returns its FILEIO handle, or -1. The caller may position and
 * read it with FileIO_SetPos / FileIO_Read; it must not write through it
 * (use DATABASE_WriteEinzelteil). */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL DATABASE_OeffneDatenbank(void);

/* Closes a handle of DATABASE_OeffneDatenbank. 1, or -1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_SchliesseDatenbank(HOSTHANDLE handle);

/* Number of item positions in the store (0 or more; -1 when it cannot be
 * opened); the item file's full path into `name` (260 bytes) when not null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_GetSizeAndName(char* name);

/* Byte position of item `position` (>= 1) in the item file; -1 below 1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_FilePos(int32_t position);

/* Zero-fills `satz`. 1, or -1 for null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_ClearEinzelteil(EINZELTEIL_SATZ* satz);

/* Writes item `position` (1..count + 1; count + 1 appends). 1 = written,
 * 0 = write failed or position further out, -1 = below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_WriteEinzelteil(int32_t position, const EINZELTEIL_SATZ* satz);

/* ------------------------------------------------------------------------
 * TeileZusatz_: item extras, position p belongs to item p. The file is a
 * header followed by plain 170-byte records.
 * ------------------------------------------------------------------------ */

/* Opens the extras file (created empty when missing) and returns its
 * FILEIO handle, or -1. Read through it with FileIO_Read after
 * TeileZusatz_SetPos. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL TeileZusatz_OpenDBA(void);

/* Closes a handle of TeileZusatz_OpenDBA. 1, or -1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL TeileZusatz_CloseDBA(HOSTHANDLE handle);

/* Moves the handle's position to extra record `position` (>= 1). Returns
 * the byte position, -1 for an invalid handle or position. */
OX_EXTERN_C DBADLL_API int32_t OXCALL TeileZusatz_SetPos(HOSTHANDLE handle, int32_t position);

/* Writes extra record `position` (positions beyond the last are filled with
 * empty records). 1 = written, 0 = write failed, -1 invalid. The handle may
 * be 0. */
OX_EXTERN_C DBADLL_API int32_t OXCALL TeileZusatz_Write(HOSTHANDLE handle, int32_t position, const TEILEZUSATZ_SATZ* satz);

/* ------------------------------------------------------------------------
 * AUFTRAGDBA_: purchase orders
 * ------------------------------------------------------------------------ */

/* Visits every order in ascending number: opens it, calls `besucher`
 * (handle, number, head) and closes it again; stops when `besucher`
 * returns 0. (The host shows a progress display meanwhile; this store
 * shows none.) Returns the number of orders visited, -1 for null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige(AUFTRAG_BESUCHER besucher);

/* Opens order `auftragsNummer`: handle (> 0) or -1 when there is no such
 * order. */
OX_EXTERN_C DBADLL_API HOSTHANDLE OXCALL AUFTRAGDBA_Open(int32_t auftragsNummer);

/* Closes an order handle. 1, or -1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_Close(HOSTHANDLE handle);

/* Reads the first `anzahl` positions (at most the order's count) into
 * `speicher`, one after the other. Returns the number read (0 for an order
 * without positions), -1 for an invalid handle or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(HOSTHANDLE handle,
                                                                                         int32_t anzahl,
                                                                                         AUFTRAG_POSITION* speicher);

/* Walks positions read into memory: with *cursor 0 it gives the first, then
 * each following one (*cursor becomes the position number, 1-based, and
 * *position points into `speicher`). Returns 1, or 0 after the last
 * (`anzahl` reached) or for null arguments. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_NextPOSITIONSADR_VomSpeicher(AUFTRAG_POSITION* speicher, int32_t anzahl,
                                                                             int32_t* cursor, AUFTRAG_POSITION** position);

/* Writes position `positionsNummer` (1..count) of the open order; `modus`
 * 0 replaces it. With `positionsNummer` count + 1 the position is appended
 * and the head's count raised. 1 = written, 0 = failed, -1 invalid. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_WritePosition(HOSTHANDLE handle, int32_t positionsNummer, int32_t modus,
                                                              const AUFTRAG_POSITION* position);

/* Writes the head of the open order. The stored order number and position
 * count are the store's: the written head's values are replaced by them.
 * 1 / 0 / -1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_WriteAuftragsKopf(HOSTHANDLE handle, const AUFTRAG_KOPF* kopf);

/* ------------------------------------------------------------------------
 * MindbestDBA_: minimum stocks
 * ------------------------------------------------------------------------ */

/* 1 when article `artikelNummer` has a minimum stock, 0 when not. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MindbestDBA_MindbestExists(int32_t artikelNummer);

/* Deletes the article's minimum stock. 1 = deleted, 0 = there was none. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MindbestDBA_Delete(int32_t artikelNummer);

#endif
