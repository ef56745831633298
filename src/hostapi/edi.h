/*
 * edi.h - the host's EDI record library (EDI.DLL).
 *
 * Catalogue (PRICAT) and despatch advice (DESADV) files are text files: one
 * plain message header line, then one enciphered line per record. This
 * library is the only one that knows the encoding (docs/file-format.md):
 * it writes header lines and records, opens and reads such files record by
 * record, and turns record lines back into fixed-layout records.
 *
 * The enciphering keeps the records unreadable to the eye and lets a damaged
 * line be recognised (each line carries a check value); it is NOT a
 * protection of the data.
 *
 * Reading:
 *   h = EDIGlobal_OpenROS_INH_Datei(path);              0 = failure
 *   while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, buffer, 2000,
 *              &recordKind, &messageKind, &extra, ownIln) == 1) {
 *       recordKind 5 / messageKind 14: EDIPRICAT_VerarbeitePRICAT_Satz
 *       recordKind 6 / messageKind 16: EDIDESADV_VerarbeiteDESADV_Satz
 *   }
 *   EDIGLOBAL_Schliesse_INH_InputDatei(h);
 * The record text handed out still carries its line end, so records written
 * back to back form a file the same reader reads again.
 *
 * Writing: a header line from EDIPRICAT_BTEPRI_SatzErstellen (or
 * EDIDESADV_BTEDES_SatzErstellen), then one line per record from
 * EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen (EDIDESADV_KopfSatzErstellen,
 * EDIDESADV_PositionsSatzErstellen). Each writer hands back a complete line
 * with its line end, NUL-terminated, and its length; the caller writes those
 * bytes as they are. No line is longer than EDI_SATZ_GROESSE - 1 bytes, so
 * everything written fits the 2000-byte read buffer.
 *
 * Text fields of the records are NUL-terminated ANSI (cp1252) texts. A field
 * filled to its full width carries no terminator; readers bound every field
 * by its width. Bytes of a text field behind its terminator, and the areas
 * named Reserve..., are not carried by a record line: they come back zero.
 *
 * The library is meant for one thread at a time (the module's dialog thread).
 */
#ifndef OX_HOSTAPI_EDI_H
#define OX_HOSTAPI_EDI_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_EDI)
#  define EDI_API OX_DLLEXPORT
#else
#  define EDI_API OX_DLLIMPORT
#endif

enum {
    /* Read buffer of one record line (line end and terminator included). */
    EDI_SATZ_GROESSE = 2000,
    /* The output buffer the module hands to the writers; any buffer of at
     * least EDI_SATZ_GROESSE bytes serves. */
    EDI_AUSGABE_GROESSE = 4006,
    /* Text buffer of EDIPRICAT_PRICAT_FeldVonSatzLesen. */
    EDI_FELDTEXT_GROESSE = 255
};

/* Record kinds (recordKind of the reader). */
enum {
    EDI_SATZART_KOPFZEILE = 1,        /* plain message header line */
    EDI_SATZART_DESADV_KOPF = 2,      /* DESADV: delivery note head */
    EDI_SATZART_PRICAT = 5,           /* PRICAT: one catalogue variation */
    EDI_SATZART_DESADV_POSITION = 6   /* DESADV: one delivered position */
};

/* Message kinds (messageKind of the reader). A header line whose message is
 * neither of these has message kind 0. */
enum {
    EDI_NACHRICHT_PRICAT = 14,
    EDI_NACHRICHT_DESADV = 16
};

/* Message function id of a discontinued article, see
 * EDIPRICAT_HolePRICAT_NachrichtenfunktionsID. */
enum { EDI_NACHRICHTENFUNKTION_AUSLAUF = 148 };

#pragma pack(push, 1)

/*
 * Message header record given to the header line writers (86 bytes).
 * The writers read the message name, the two ILNs and the description; the
 * identifier at byte 0 is the writer's own ("BTEPRI" / "BTEDES") whatever
 * the record holds.
 */
typedef struct EDI_KOPFSATZ {
    char Kennung[7];        /*  0 "BTEPRI" (not read by the writers) */
    char Nachricht[7];      /*  7 message name, "PRICAT"; empty = the writer's */
    char AbsenderIln[36];   /* 14 sender's ILN, possibly followed by "XXX" */
    char PartnerIln[14];    /* 50 the supplier's ILN */
    char Beschreibung[22];  /* 64 description of the file; empty = message
                                  name and partner ILN */
} EDI_KOPFSATZ;

/*
 * One PRICAT record, decoded (2881 bytes). The comment gives the byte
 * offset and, in brackets, the field number used by field map files and by
 * EDIPRICAT_PRICAT_FeldVonSatzLesen.
 */
typedef struct PRICAT_DATEN {
    char Nachrichtentyp[7];             /*    0 [1]  "PRICAT" */
    char Lieferant[36];                 /*    7 [2]  supplier: number "@" name, or name */
    char Nachrichtenfunktion[3];        /*   43 [3]  message function code, "02" */
    char Waehrung[4];                   /*   46 [4]  currency code, "EUR" */
    char Reserve1[5];                   /*   50 */
    char LieferantenIln[14];            /*   55 [5]  supplier's ILN, 13 digits */
    char Nachrichtennummer[15];         /*   69 [6]  message reference */
    char Nachrichtendatum[9];           /*   84 [7]  message date YYYYMMDD */
    char GueltigAb[9];                  /*   93 [8]  prices valid from YYYYMMDD */
    char Lieferantenartikelnummer[36];  /*  102 [9]  supplier's article number */
    char Reserve2[25];                  /*  138 */
    char Hauptgruppe[36];               /*  163 [10] main group (characteristic 1) */
    char Mengeneinheit[4];              /*  199 [11] unit of quantity, "PCE" */
    char Reserve3[11];                  /*  203 */
    char Ean[14];                       /*  214 [12] EAN of the variation */
    char Artikel[72];                   /*  228 [13] letter, number "@" name; or name */
    char Merkmal7[36];                  /*  300 [14] size (characteristic 7) */
    char Groessentext[36];              /*  336 [15] supplier's size text */
    char BleFarbe[36];                  /*  372 [16] colour (characteristic 6) */
    char Material[36];                  /*  408 [17] material (characteristic 5) */
    char Reserve4[48];                  /*  444 */
    char Zusatztext[33];                /*  492 [18] additional text */
    char Artikelbeschreibung[60];       /*  525 [19] supplier's article description */
    char Preis1[22];                    /*  585 [20] first price, decimal text */
    char Preis2[22];                    /*  607 [21] second price */
    char Preis3[22];                    /*  629 [22] third price, may be empty or blank */
    char Reserve5[96];                  /*  651 */
    char Lieferantenfarbe[72];          /*  747 [23] supplier's colour text */
    char WarengruppeErsatz2[36];        /*  819 [24] product group, third choice */
    char Warengruppe[36];               /*  855 [25] product group (characteristic 2) */
    char Reserve6[196];                 /*  891 */
    char Saison[36];                    /* 1087 [26] season (characteristic 11) */
    char Reserve7[71];                  /* 1123 */
    char Label[71];                     /* 1194 [27] label / brand (characteristic 4) */
    char Reserve8[274];                 /* 1265 */
    char Serie[36];                     /* 1539 [28] series (characteristic 3) */
    char Reserve9[108];                 /* 1575 */
    char WarengruppeErsatz1[36];        /* 1683 [29] product group, second choice */
    char Reserve10[262];                /* 1719 */
    char MwstSatz[22];                  /* 1981 [30] VAT percentage, decimal text */
    char Reserve11[878];                /* 2003 */
} PRICAT_DATEN;

/* One row of the module's catalogue row table (2889 bytes). */
typedef struct PRICAT_SATZ {
    int32_t SatzNummer;        /* 0-based position in the table */
    int32_t Ausgewaehlt;       /* 1 = passes the filter */
    PRICAT_DATEN PricatDaten;  /* as EDIPRICAT_VerarbeitePRICAT_Satz returns it */
} PRICAT_SATZ;

/* Field numbers of PRICAT_DATEN (field map files, FeldVonSatzLesen). */
enum {
    EDI_PRICAT_FELD_NACHRICHTENTYP = 1,
    EDI_PRICAT_FELD_LIEFERANT = 2,
    EDI_PRICAT_FELD_NACHRICHTENFUNKTION = 3,
    EDI_PRICAT_FELD_WAEHRUNG = 4,
    EDI_PRICAT_FELD_LIEFERANTENILN = 5,
    EDI_PRICAT_FELD_NACHRICHTENNUMMER = 6,
    EDI_PRICAT_FELD_NACHRICHTENDATUM = 7,
    EDI_PRICAT_FELD_GUELTIGAB = 8,
    EDI_PRICAT_FELD_LIEFERANTENARTIKELNUMMER = 9,
    EDI_PRICAT_FELD_HAUPTGRUPPE = 10,
    EDI_PRICAT_FELD_MENGENEINHEIT = 11,
    EDI_PRICAT_FELD_EAN = 12,
    EDI_PRICAT_FELD_ARTIKEL = 13,
    EDI_PRICAT_FELD_MERKMAL7 = 14,
    EDI_PRICAT_FELD_GROESSENTEXT = 15,
    EDI_PRICAT_FELD_BLEFARBE = 16,
    EDI_PRICAT_FELD_MATERIAL = 17,
    EDI_PRICAT_FELD_ZUSATZTEXT = 18,
    EDI_PRICAT_FELD_ARTIKELBESCHREIBUNG = 19,
    EDI_PRICAT_FELD_PREIS1 = 20,
    EDI_PRICAT_FELD_PREIS2 = 21,
    EDI_PRICAT_FELD_PREIS3 = 22,
    EDI_PRICAT_FELD_LIEFERANTENFARBE = 23,
    EDI_PRICAT_FELD_WARENGRUPPEERSATZ2 = 24,
    EDI_PRICAT_FELD_WARENGRUPPE = 25,
    EDI_PRICAT_FELD_SAISON = 26,
    EDI_PRICAT_FELD_LABEL = 27,
    EDI_PRICAT_FELD_SERIE = 28,
    EDI_PRICAT_FELD_WARENGRUPPEERSATZ1 = 29,
    EDI_PRICAT_FELD_MWSTSATZ = 30,
    EDI_PRICAT_FELDER = 30
};

/* DESADV: the delivery note head (128 bytes). */
typedef struct DESADV_KOPF {
    char Nachrichtentyp[7];       /*   0 "DESADV" */
    char Nachrichtenfunktion[3];  /*   7 message function code */
    char Nachrichtennummer[15];   /*  10 message reference */
    char Lieferscheinnummer[36];  /*  25 delivery note number */
    char Lieferdatum[9];          /*  61 delivery date YYYYMMDD */
    char Versanddatum[9];         /*  70 despatch date YYYYMMDD */
    char LieferantenIln[14];      /*  79 supplier (sender) */
    char KaeuferIln[14];          /*  93 buyer */
    char LieferortIln[14];        /* 107 delivery point */
    char Reserve[7];              /* 121 */
} DESADV_KOPF;

/* DESADV: the order reference of a position (128 bytes). */
typedef struct DESADV_REFERENZ {
    char Bestellnummer[36];       /*   0 buyer's order number */
    char Bestelldatum[9];         /*  36 order date YYYYMMDD */
    char Bestellposition[7];      /*  45 line number in the order */
    char Auftragsnummer[36];      /*  52 supplier's order number */
    char Reserve[40];             /*  88 */
} DESADV_REFERENZ;

/* DESADV: one delivered position (512 bytes). */
typedef struct DESADV_POSITION {
    char Positionsnummer[7];           /*   0 position number, decimal text */
    char Artikelbeschreibung[72];      /*   7 article description */
    char Farbe[36];                    /*  79 colour text */
    char Groesse[36];                  /* 115 size text */
    char Mengeneinheit[4];             /* 151 unit of quantity, "PCE" */
    char Reserve1[15];                 /* 155 */
    char EmpfaengerIln[14];            /* 170 ILN the position is addressed to */
    char Reserve2[14];                 /* 184 */
    char Gtin[14];                     /* 198 article number (GTIN / EAN) */
    char Lieferantenartikelnummer[36]; /* 212 second article text: supplier's number */
    char Kaeuferartikelnummer[36];     /* 248 buyer's article number */
    char Packstueck[21];               /* 284 package number (SSCC) */
    char Charge[36];                   /* 305 batch */
    char Reserve3[86];                 /* 341 */
    char Menge[16];                    /* 427 delivered quantity, decimal text */
    char Reserve4[69];                 /* 443 */
} DESADV_POSITION;

#pragma pack(pop)

#ifdef __cplusplus
#include <cstddef>
#define OX_EDI_OFFSET(T, f, o) static_assert(offsetof(T, f) == (o), #T "." #f)
static_assert(sizeof(EDI_KOPFSATZ) == 86, "EDI_KOPFSATZ");
OX_EDI_OFFSET(EDI_KOPFSATZ, Nachricht, 7);
OX_EDI_OFFSET(EDI_KOPFSATZ, AbsenderIln, 14);
OX_EDI_OFFSET(EDI_KOPFSATZ, PartnerIln, 50);
static_assert(sizeof(PRICAT_DATEN) == 2881, "PRICAT_DATEN");
static_assert(sizeof(PRICAT_SATZ) == 2889, "PRICAT_SATZ");
OX_EDI_OFFSET(PRICAT_SATZ, Ausgewaehlt, 4);
OX_EDI_OFFSET(PRICAT_SATZ, PricatDaten, 8);
OX_EDI_OFFSET(PRICAT_DATEN, Nachrichtentyp, 0);
OX_EDI_OFFSET(PRICAT_DATEN, Lieferant, 7);
OX_EDI_OFFSET(PRICAT_DATEN, Nachrichtenfunktion, 43);
OX_EDI_OFFSET(PRICAT_DATEN, LieferantenIln, 55);
OX_EDI_OFFSET(PRICAT_DATEN, Hauptgruppe, 163);
OX_EDI_OFFSET(PRICAT_DATEN, Ean, 214);
OX_EDI_OFFSET(PRICAT_DATEN, Artikel, 228);
OX_EDI_OFFSET(PRICAT_DATEN, Merkmal7, 300);
OX_EDI_OFFSET(PRICAT_DATEN, BleFarbe, 372);
OX_EDI_OFFSET(PRICAT_DATEN, Material, 408);
OX_EDI_OFFSET(PRICAT_DATEN, Zusatztext, 492);
OX_EDI_OFFSET(PRICAT_DATEN, Preis1, 585);
OX_EDI_OFFSET(PRICAT_DATEN, Preis2, 607);
OX_EDI_OFFSET(PRICAT_DATEN, Preis3, 629);
OX_EDI_OFFSET(PRICAT_DATEN, Lieferantenfarbe, 747);
OX_EDI_OFFSET(PRICAT_DATEN, WarengruppeErsatz2, 819);
OX_EDI_OFFSET(PRICAT_DATEN, Warengruppe, 855);
OX_EDI_OFFSET(PRICAT_DATEN, Saison, 1087);
OX_EDI_OFFSET(PRICAT_DATEN, Label, 1194);
OX_EDI_OFFSET(PRICAT_DATEN, Serie, 1539);
OX_EDI_OFFSET(PRICAT_DATEN, WarengruppeErsatz1, 1683);
OX_EDI_OFFSET(PRICAT_DATEN, MwstSatz, 1981);
static_assert(sizeof(DESADV_KOPF) == 128, "DESADV_KOPF");
static_assert(sizeof(DESADV_REFERENZ) == 128, "DESADV_REFERENZ");
static_assert(sizeof(DESADV_POSITION) == 512, "DESADV_POSITION");
OX_EDI_OFFSET(DESADV_POSITION, EmpfaengerIln, 170);
OX_EDI_OFFSET(DESADV_POSITION, Gtin, 198);
OX_EDI_OFFSET(DESADV_POSITION, Lieferantenartikelnummer, 212);
OX_EDI_OFFSET(DESADV_POSITION, Menge, 427);
#undef OX_EDI_OFFSET
#endif

/* --- reading files --------------------------------------------------------- */

/*
 * Opens the PRICAT or DESADV file `path` (".INH", ".PRI", ".DES" - the name
 * does not matter) for reading record by record. Returns a handle (> 0) for
 * the two calls below, or 0 when the file cannot be opened or `path` is
 * null. Every handle must be closed with EDIGLOBAL_Schliesse_INH_InputDatei.
 */
OX_EXTERN_C EDI_API HOSTHANDLE OXCALL EDIGlobal_OpenROS_INH_Datei(const char* path);

/*
 * Reads the next record of the file into `satz` (at most `groesse` bytes,
 * the module passes 2000): the record line exactly as it stands in the file
 * including its line end ("\r\n" is added to a last line that has none),
 * NUL-terminated. `satzart` receives the record kind, `nachrichtenart` the
 * message kind (EDI_SATZART_..., EDI_NACHRICHT_...), `zusatz` the line's
 * number in the file (1-based); any of the three may be null.
 *
 * The message header line is a record too (kind 1, message kind from its
 * message name). Lines that are empty, damaged (the check value does not
 * match), of no known form, or too long for `groesse` are skipped silently
 * and reading goes on with the next line; nothing is ever written behind
 * `satz` + `groesse`.
 *
 * `eigeneIln` (the caller's own ILN) may be null; the encoding does not
 * depend on it.
 *
 * Returns 1 when a record was read, 0 at the end of the file (`satz` is then
 * empty), -1 for an invalid handle, a null `satz` or `groesse` below 3.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(
    HOSTHANDLE handle, char* satz, int32_t groesse, int32_t* satzart, int32_t* nachrichtenart,
    int32_t* zusatz, const char* eigeneIln);

/* Closes a file opened by EDIGlobal_OpenROS_INH_Datei. 1 = closed,
 * -1 = not an open handle. */
OX_EXTERN_C EDI_API int32_t OXCALL EDIGLOBAL_Schliesse_INH_InputDatei(HOSTHANDLE handle);

/* --- PRICAT ------------------------------------------------------------------ */

/*
 * Writes the message header line of a catalogue file into `ausgabe` (at least
 * EDI_SATZ_GROESSE bytes): plain text, tokens separated by ";", ending with
 * "\r\n" and NUL-terminated. Token 1 "BTEPRI", 2 the description, 4 the
 * sender's ILN, 6 the message name ("PRICAT"), 10 the partner ILN; the
 * creation date and time are today's (docs/file-format.md has all tokens).
 * No token is empty and none contains a separator (";", tab, line breaks
 * become blanks). Returns the length of the line in bytes, -1 for a null
 * argument.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_BTEPRI_SatzErstellen(char* ausgabe,
                                                                 const EDI_KOPFSATZ* kopf);

/*
 * Enciphers the record `daten` into one catalogue line (record kind 5,
 * message kind 14) in `ausgabe` (at least EDI_SATZ_GROESSE bytes), with its
 * line end, NUL-terminated. Every numbered field is carried, each up to its
 * full width. `exportModus` and `eigeneIln` (may be null) are accepted from
 * the exporting caller; the line does not depend on them. Returns the length
 * of the line in bytes, -1 for a null `ausgabe` or `daten`.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(
    char* ausgabe, const PRICAT_DATEN* daten, int32_t exportModus, const char* eigeneIln);

/*
 * Deciphers the catalogue record text `satz` (as the reader returned it: one
 * line, ended by its line end or by NUL within EDI_SATZ_GROESSE bytes) into
 * `daten`. `nachrichtenart` is the message kind the reader reported. The
 * whole of `daten` is written: the carried fields, zeros elsewhere.
 * `info` (may be null) receives the record kind of the line.
 *
 * Returns 1 on success; 0 when the text is no PRICAT record of message kind
 * `nachrichtenart` (14), is damaged or holds a field longer than its width
 * (then `daten` is zeroed); -1 for a null `satz` or `daten`.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_VerarbeitePRICAT_Satz(const char* satz,
                                                                  int32_t nachrichtenart,
                                                                  int32_t* info,
                                                                  PRICAT_DATEN* daten);

/*
 * Reads field `feldNummer` (the numbering of PRICAT_DATEN above; only the
 * low 16 bits count) of record `daten` into `text` (at least
 * EDI_FELDTEXT_GROESSE bytes, always terminated). `start` is the 1-based
 * position of the first character taken (0 or less = 1), `laenge` the number
 * of characters (0 or less = up to the end of the field's text); a start
 * behind the text gives an empty text.
 *
 * Returns 1 when the field exists (also for an empty result), 0 for an
 * unknown field number (`text` emptied), -1 for a null `text` or `daten`.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_PRICAT_FeldVonSatzLesen(int32_t feldNummer,
                                                                    int32_t start,
                                                                    int32_t laenge, char* text,
                                                                    const PRICAT_DATEN* daten);

/*
 * Converts a message function code (the field Nachrichtenfunktion; at most
 * its 3 bytes are read) into its id: a code of decimal digits gives its
 * value ("02" -> 2, "9" -> 9), the letter code "AU" (Auslaufartikel, a
 * discontinued article, either case) gives EDI_NACHRICHTENFUNKTION_AUSLAUF
 * (148); blanks are ignored. Empty and unknown codes give 0, a null `code`
 * -1.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(const char* code);

/* --- DESADV ------------------------------------------------------------------ */

/*
 * Splits a DESADV record text `satz` (as the reader returned it) into its
 * parts. A position record (kind 6) fills `kopf`, `referenz` and `position`;
 * a head record (kind 2) fills `kopf` and zeroes the other two. Each output
 * record is written whole (carried fields, zeros elsewhere).
 * `nachrichtenart` is the message kind the reader reported.
 *
 * Returns 1 on success; 0 when the text is no DESADV record of message kind
 * `nachrichtenart` (16), or is damaged (the outputs are zeroed); -1 for a
 * null argument.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_VerarbeiteDESADV_Satz(const char* satz,
                                                                  int32_t nachrichtenart,
                                                                  DESADV_KOPF* kopf,
                                                                  DESADV_REFERENZ* referenz,
                                                                  DESADV_POSITION* position);

/*
 * Writes the message header line of a DESADV file, as
 * EDIPRICAT_BTEPRI_SatzErstellen does, with token 1 "BTEDES" and the message
 * name "DESADV" when `kopf` gives none. Returns the length or -1.
 */
OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_BTEDES_SatzErstellen(char* ausgabe,
                                                                 const EDI_KOPFSATZ* kopf);

/* Enciphers a delivery note head (record kind 2, message kind 16) into
 * `ausgabe` (at least EDI_SATZ_GROESSE bytes). Returns the length or -1. */
OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_KopfSatzErstellen(char* ausgabe,
                                                              const DESADV_KOPF* kopf);

/* Enciphers one position with its head and order reference (record kind 6,
 * message kind 16) into `ausgabe` (at least EDI_SATZ_GROESSE bytes); the
 * line stands on its own. Returns the length or -1. */
OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_PositionsSatzErstellen(
    char* ausgabe, const DESADV_KOPF* kopf, const DESADV_REFERENZ* referenz,
    const DESADV_POSITION* position);

#endif
