/*
 * oxgen.h - the demo and test data generator (OXGEN.EXE and the static
 * library oxgen_core that test programs and benchmarks link).
 *
 * Everything it makes is derived from a seed: the same seed and options give
 * the same suppliers, articles, EANs, prices and records. Files are written
 * through the host libraries (EDI for catalogue and DESADV records, FILEIO
 * for plain files, DBADLL and OXTABELLE for the master data, OXINIFILE for
 * the INI file), so they are exactly what the host and the module read.
 * The one exception to byte-identical output is the header line of a
 * catalogue or DESADV file: the EDI library stamps it with the date and time
 * of writing.
 *
 * The assortment is a fashion retailer's: main groups (DOB, HAKA, KIKO,
 * ACC), product groups, series, brands, materials, seasons, size runs and
 * colours. A supplier has a number (1..1000), a 13-digit ILN with a valid
 * check digit and a block of EANs of its own. An article of a supplier is
 * fixed by (seed, supplier, article index): its supplier article number,
 * name, characteristics, three prices, VAT rate and its variations (size x
 * colour, each with its EAN-13). The demo store, the catalogues and the
 * DESADV files all use this one model, so a catalogue of a supplier names
 * the store's articles by the same EANs and texts.
 *
 * Results: 1 = done, 0 = failed (a file or store could not be written);
 * the result records say what was written.
 */
#ifndef OXGEN_H
#define OXGEN_H

#include <stdint.h>

#include <string>
#include <vector>

#include "hostapi/dbadll.h"
#include "hostapi/edi.h"

/* ---- random numbers -------------------------------------------------------- */

/* splitmix64: the same sequence on every platform and word size. */
typedef struct GEN_ZUFALL {
    uint64_t Zustand;
} GEN_ZUFALL;

void GenZufallStart(GEN_ZUFALL* z, uint64_t saat);
uint64_t GenZufall64(GEN_ZUFALL* z);
/* A number 0 .. n-1 (0 for n 0). */
uint32_t GenZufallBis(GEN_ZUFALL* z, uint32_t n);
/* True with a chance of `prozent` in 100. */
bool GenZufallProzent(GEN_ZUFALL* z, int prozent);
/* Mixes several values into one seed (order matters). */
uint64_t GenSaat(uint64_t a, uint64_t b, uint64_t c = 0);

/* ---- EAN-13 / GLN ---------------------------------------------------------- */

/* The GS1 check digit ('0'..'9') of the first `n` digits of `ziffern`
 * (12 for an EAN-13 or GLN); 0 when a character is not a digit. */
char GenPruefziffer(const char* ziffern, int n);
/* The EAN-13 (or GLN) whose first twelve digits are `nummer` (taken modulo
 * 10^12, zero-padded) into `ean` (at least 14 bytes). */
void GenEan13(char* ean, uint64_t nummer);

/* ---- suppliers and articles ------------------------------------------------ */

enum { GEN_MAX_VARIANTEN = 240 };

/* A supplier of the model. */
typedef struct GEN_LIEFERANT {
    int32_t Nummer;          /* 1..1000: supplier record, characteristic kind 8 */
    char Kuerzel[5];         /* the supplier's number text, "12" */
    char Name[65];
    char KurzName[25];       /* characteristic text (24 characters) */
    char Iln[14];            /* 13 digits, valid check digit */
    char Praefix[4];         /* of its article numbers, "NL" */
    int32_t Hauptgruppe;     /* its main assortment: index into the main groups */
    uint64_t EanBasis;       /* first twelve digits of its EANs, variation 0 */
} GEN_LIEFERANT;

/* One variation: a size of a size run and a colour. */
typedef struct GEN_VARIANTE {
    int32_t Groesse;         /* index of the size in the article's size run */
    int32_t Farbe;           /* index into the colour table */
    char Ean[14];
} GEN_VARIANTE;

/* An article of a supplier. The indexes refer to the tables below
 * (GenHauptgruppe(), GenWarengruppe(), ...). */
typedef struct GEN_ARTIKEL {
    int32_t Index;                /* 0-based, per supplier */
    int32_t HostNummer;           /* the ORDANEX article number of the demo store */
    char Nummer[24];              /* supplier article number, "NL-20417" (kind-0 text) */
    char Name[61];                /* "Strickjacke Rundhals" */
    char Zusatztext[33];
    int32_t Typ;                  /* product type (names, product group, size run) */
    int32_t Hauptgruppe, Warengruppe, Serie, Label, Material, Saison;
    int32_t Groessenlauf;
    int32_t Ek, Vk, Preis3;       /* hundredths; Preis3 0 = none */
    int32_t Mwst;                 /* percent: 19 or 7 */
    int32_t MwstSatz;             /* the host's rate number: 2 (19 %) or 1 (7 %) */
    bool Auslauf;                 /* discontinued */
    int32_t AnzahlVarianten;
    GEN_VARIANTE Variante[GEN_MAX_VARIANTEN];
} GEN_ARTIKEL;

/* Supplier `nummer` (1..1000) of the model for `saat`. */
void GenLieferant(uint64_t saat, int32_t nummer, GEN_LIEFERANT* l);

/* Article `index` of supplier `l` with `varianten` variations (1 ..
 * GEN_MAX_VARIANTEN; more are cut): sizes of its size run across colours,
 * `auslaufProzent` the chance that it is discontinued. */
void GenArtikel(uint64_t saat, const GEN_LIEFERANT* l, int32_t index, int32_t varianten, int auslaufProzent,
                GEN_ARTIKEL* a);

/* Tables of the assortment: code (kind's characteristic code, at most 4
 * characters) and text. Each Gen...Anzahl() gives the table's length; an
 * index outside gives an empty entry. */
typedef struct GEN_EINTRAG {
    const char* Code;
    const char* Text;
} GEN_EINTRAG;

int32_t GenAnzahl(int32_t art);                 /* entries of characteristic kind `art` */
GEN_EINTRAG GenEintrag(int32_t art, int32_t i); /* kinds 1..7, 9, 11 */
/* The size run of an article: its sizes are GenEintrag(7, GenGroesse(lauf, i)). */
int32_t GenGroessenAnzahl(int32_t lauf);
int32_t GenGroesse(int32_t lauf, int32_t i);
/* The supplier's colour text of a variation ("marine meliert"). */
void GenLieferantenfarbe(const GEN_ARTIKEL* a, int32_t variante, char* text, size_t groesse);

/* The catalogue record of variation `v` of article `a`. `mitNummern`:
 * characteristic fields as "code@text" and the article as letter, host
 * article number, "@" and the supplier article number (the form of an own
 * export); otherwise the texts alone. */
void GenPricatDaten(const GEN_LIEFERANT* l, const GEN_ARTIKEL* a, int32_t v, bool mitNummern, PRICAT_DATEN* d);

/* The supplier master record of `l` (address, bank, ILN slot 1 = its ILN). */
void GenLieferantenSatz(const GEN_LIEFERANT* l, LIEFERANTEN_SATZ* s);

/* ---- catalogue file sets -------------------------------------------------- */

typedef struct GEN_KATALOG {
    std::string Pfad;             /* catalogue file: ".INH" (or ".PRI"), full path */
    uint64_t Saat = 1;
    int32_t Lieferant = 1;        /* supplier number of the model */
    int32_t Artikel = 100;        /* articles ... */
    int32_t Varianten = 6;        /* ... x variations each */
    int32_t ErsterArtikel = 0;    /* index of the first article */
    int32_t Zeilen = 0;           /* > 0: exactly this many PRICAT records (articles as needed) */
    std::string EmpfaengerIln;    /* the receiver (own GLN) for the header line; empty = 4000000000000 + check */
    std::string Beschreibung;     /* token 2; empty = "PRICAT <supplier ILN>" */
    int AuslaufProzent = 5;       /* discontinued articles: message function "AU" (148) */
    bool MitNummern = false;      /* "code@text" fields, see GenPricatDaten */
    /* edge cases */
    int32_t DoppelteEans = 0;     /* records that repeat an earlier record's EAN */
    int32_t FremdeIln = 0;        /* records with another supplier's (13-digit) ILN */
    int32_t FalscheIln = 0;       /* records whose supplier ILN has 12 or 14 characters */
    int32_t Beschaedigt = 0;      /* damaged lines between the records (flipped byte, cut
                                     line, lost line end, line over 2000 bytes, a DESADV
                                     record) */
    bool Ueberlang = false;       /* texts filled to the full width of their fields and
                                     keywords longer than 40 characters */
    /* family members */
    bool Adresse = true;          /* ".ADR" beside it */
    std::string InfoText;         /* non-empty: ".TXT" beside it and ZUSATZINFOS\INFO<k>.TXT */
} GEN_KATALOG;

typedef struct GEN_KATALOG_ERGEBNIS {
    int32_t Saetze = 0;           /* PRICAT record lines written (damaged ones not counted) */
    int32_t Lesbar = 0;           /* of them: those the catalogue reader takes (13-char ILN) */
    int32_t Auslauf = 0;          /* of them: discontinued */
    int32_t Artikel = 0;          /* articles used */
    int32_t Beschaedigt = 0;      /* damaged lines */
    int64_t Bytes = 0;            /* size of the catalogue file */
    std::vector<std::string> Dateien;   /* every file written */
} GEN_KATALOG_ERGEBNIS;

int GenKatalogSchreiben(const GEN_KATALOG* k, GEN_KATALOG_ERGEBNIS* e);

/* ---- DESADV files ---------------------------------------------------------- */

/* One position of a DESADV file as written. */
typedef struct GEN_DESADV_POSITION {
    std::string Gtin;
    std::string ZweiterText;      /* supplier's article number */
    std::string Iln;              /* the ILN the position is addressed to */
    int32_t Menge = 1;
} GEN_DESADV_POSITION;

typedef struct GEN_DESADV {
    std::string Pfad;             /* ".DES" file, full path */
    uint64_t Saat = 1;
    int32_t Lieferant = 1;        /* sender, supplier of the model */
    std::string EmpfaengerIln;    /* the positions' ILN (own GLN); empty = as GEN_KATALOG */
    /* Explicit positions; when empty, `Positionen` positions are made from
     * the supplier's articles ErsterArtikel.. with `Varianten` variations. */
    std::vector<GEN_DESADV_POSITION> Liste;
    int32_t Positionen = 20;
    int32_t ErsterArtikel = 0;
    int32_t Artikel = 10;
    int32_t Varianten = 6;
    /* edge cases of the generated positions */
    int32_t FremdeIln = 0;        /* addressed to another 13-digit ILN */
    int32_t FalscheIln = 0;       /* addressed to a 12-character ILN */
    int32_t UnbekannteGtin = 0;   /* GTINs no article of the model has */
    int32_t Beschaedigt = 0;      /* damaged lines between the records */
} GEN_DESADV;

typedef struct GEN_DESADV_ERGEBNIS {
    int32_t Positionen = 0;       /* position lines written */
    int32_t Saetze = 0;           /* every line the reader hands out: header, head, positions */
    int32_t Fremd = 0;            /* positions not addressed to EmpfaengerIln (or not 13 characters) */
    std::vector<GEN_DESADV_POSITION> Liste;   /* the positions as written */
} GEN_DESADV_ERGEBNIS;

int GenDesadvSchreiben(const GEN_DESADV* d, GEN_DESADV_ERGEBNIS* e);

/* ---- the demo host data folder ------------------------------------------- */

typedef struct GEN_DEMO {
    std::string DatenOrdner;      /* host data folder, with trailing backslash */
    uint64_t Saat = 1;
    int32_t Lieferanten = 3;
    int32_t ArtikelJeLieferant = 80;
    int32_t Varianten = 12;
    int32_t Kataloge = 4;         /* catalogue files in EDI_IMPORT beside the data folder */
    int32_t KatalogArtikel = 60;  /* articles per catalogue (half known to the store) */
    int32_t Auftraege = 4;        /* open orders (of the suppliers in turn; the last one held
                                     back from updates by status bit 1) */
    bool Desadv = true;           /* a DESADV file in EDI_IMPORT */
    bool Eancom = false;          /* and an EANCOM PRICAT and DESADV (GenEancomDemo) */
    std::string EigeneIln;        /* empty = GenEigeneIln(Saat): 4012345000009 for seed 1 */
} GEN_DEMO;

typedef struct GEN_DEMO_ERGEBNIS {
    int32_t Lieferanten = 0, Artikel = 0, Eans = 0, Merkmale = 0, Auftraege = 0, Teile = 0;
    int32_t Mindestbestaende = 0;
    std::string EigeneIln;
    std::string ImportOrdner;
    std::vector<std::string> Dateien;   /* catalogue and DESADV files made */
} GEN_DEMO_ERGEBNIS;

/* Fills the host data folder (created when missing; the stores in it are
 * extended, existing INI keys outside "EIGNER" kept) and the EDI import
 * folder beside it. Selects the folder in DBADLL and OXINIFILE. */
int GenDemoAnlegen(const GEN_DEMO* d, GEN_DEMO_ERGEBNIS* e);

/* The demo's EANCOM files in e->ImportOrdner (gen_eancom.cpp): a PRICAT
 * of supplier 2 (or 1) naming store articles, and a DESADV of store
 * articles and one unknown GTIN addressed to e->EigeneIln. 1 = written. */
int GenEancomDemo(const GEN_DEMO* d, GEN_DEMO_ERGEBNIS* e);

/* The own GLN the demo and the generated files use for `saat` (13 digits). */
std::string GenEigeneIln(uint64_t saat);

/* ---- the store at bulk sizes (benchmarks) --------------------------------- */

/* Writes `artikel` articles (numbers 1..artikel, supplier 1..lieferanten)
 * and `eans` EANs (EAN i belongs to article 1 + i % artikel, the EAN
 * itself is GenBenchEan(i)) into the store of the current data folder, in
 * blocks. Returns 1, 0 when a write failed. */
int GenBenchLager(int32_t artikel, int32_t eans, int32_t lieferanten);
void GenBenchEan(char* ean, int64_t i);

#endif
