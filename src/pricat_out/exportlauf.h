/*
 * exportlauf.h - the record of one export run, shared by the files of the
 * article export writer (pricatexport.h is its outside):
 *
 *   exportvorrat.cpp   what a run keeps of the host's answers (codes,
 *                      characteristics, VAT rates, the article's EANs)
 *   exportdateien.cpp  the run's working files, their placement and the
 *                      clearing of files a stopped run left behind
 *   exportsaetze.cpp   the records: template per article, one per cell
 *   pricatexport.cpp   the run: list walk, progress and the message
 *
 * Everything of a run is one block of the host's storage (EXPORT_SPEICHER),
 * handed out as fresh pages, so the parts a run does not use cost nothing.
 * The functions below need a running call (g_Kontext).
 */
#ifndef KTOXEDI_EXPORTLAUF_H
#define KTOXEDI_EXPORTLAUF_H

#include "pricat_out/exportnamen.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/oxmwst.h"
#include "hostapi/oxtabelle.h"

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

enum {
    SCHREIBPUFFER = 256 * 1024,      /* bytes collected before a file write */
    EAN_VORRAT = 4096,               /* EAN entries of one article kept in memory */
    MERKMALTEXT = 72,                /* "%s@%s" of a characteristic, Label width */
    MERKMAL_VORRAT = 4096,           /* characteristics kept per run (power of two) */
    CODE_VORRAT = 4096,              /* codes kept per run (power of two) */
    ZAHLTEXT = 22                    /* a price as text, width of the price fields */
};

/* A characteristic record the host gave in this run. */
typedef struct EXPORT_MERKMAL {
    int32_t Belegt;
    int32_t Art;
    int32_t Nummer;
    int32_t Gefunden;                /* the host has the record */
    char Code[OX_TXT_CODE];
    char Text[MERKMALTEXT];          /* field text: "code@name" with the numbers, else the name */
    int32_t CodeLaenge;
    int32_t TextLaenge;
} EXPORT_MERKMAL;

/* The characteristic number the host gave for a code in this run. */
typedef struct EXPORT_CODE {
    int32_t Belegt;
    int32_t Art;
    int32_t Nummer;
    const EXPORT_MERKMAL* Merkmal;   /* its characteristic record once looked up, null = not yet */
    char Code[OX_TXT_32];
} EXPORT_CODE;

/* One file set started in the run. */
typedef struct EXPORT_DATEISATZ {
    int32_t Fehler;                  /* 1 = a file of the set failed: the set is skipped */
    char FehlerDatei[260];           /* the first file of the set that failed, as the user knows it */
    int32_t Geschrieben;             /* records written into the set */
    int32_t MitAdresse;              /* a temporary ".ADR" exists */
    int32_t MitText;                 /* a temporary ".TXT" exists */
    char Katalog[260];               /* final path of the ".INH" */
    /* While the set is placed, per partner (".ADR", ".TXT", ".INH"): */
    int32_t Gesichert[3];            /* the earlier file was moved to its ".ALT" name */
    int32_t Platziert[3];            /* the new file has its final name */
} EXPORT_DATEISATZ;

/* One variation of the article's EAN file, as far as the lookup needs it. */
typedef struct EXPORT_EAN {
    char Codes[9][OX_TXT_CODE];      /* kind k at [k], k = 1..8 */
    char Ean[OX_TXT_ILN];
    int32_t KanonS;                  /* its code of the vertical kind as the first vertical */
    int32_t KanonW;                  /* entry with that code, else -1; horizontal alike */
} EXPORT_EAN;

/* An axis entry of the current table, looked up once per article. */
typedef struct EXPORT_ACHSWERT {
    char Text[MERKMALTEXT];          /* field text ("number@name" or name) */
    char Code[OX_TXT_CODE];          /* characteristic code for the EAN lookup */
    char Farbe[TAB_FARBTEXT];        /* colour text of the entry (colour axes only) */
    char Preis[3][ZAHLTEXT];         /* vertical entries: EK1, VK1, VK2 as texts */
    int32_t TextLaenge;
    int32_t CodeLaenge;
    int32_t FarbeLaenge;
    int32_t PreisLaenge[3];
    int32_t Kanon;                   /* first used entry of the axis with the same code */
    int32_t Art;                     /* characteristic whose text and code are here */
    int32_t Nummer;
    uint64_t CodeSchluessel;         /* the code as a number, see CodeSchluessel */
} EXPORT_ACHSWERT;

/* Everything of one run; one block of the host's storage. */
typedef struct EXPORT_LAUF {
    /* Call */
    HWND Dialog;
    char LieferantText[32];
    int32_t LieferantGesucht;        /* number of LieferantText, 0 = unknown or all */
    int32_t AlleLieferanten;
    char Erweiterung[256];
    const char* InfoText;
    char Ordner[260];                /* export folder, trailing backslash */
    char EigeneIln[36];
    char Kennung[EXPORT_KENNUNG_GROESSE];  /* the run's tag in its working file names */

    /* Stores */
    EXPORT_MERKMAL* Merkmale;        /* MERKMAL_VORRAT slots */
    EXPORT_CODE* Codes;              /* CODE_VORRAT slots */
    int32_t MwstProzent[OX_MWST_ANZAHL];
    int32_t MwstBekannt[OX_MWST_ANZAHL];   /* asked the host for the rate */
    HOSTHANDLE Artikelspeicher;
    HOSTHANDLE Bezeichnungsspeicher;
    HOSTHANDLE Lieferantenspeicher;

    /* File sets */
    EXPORT_DATEISATZ* Saetze;
    int32_t SatzAnzahl;
    int32_t SatzKapazitaet;
    int32_t OffenerSatz;             /* -1 = none */
    HOSTHANDLE Datei;                /* temporary catalogue of OffenerSatz, -1 = none */
    char* Puffer;
    int32_t Fuellung;
    int32_t OrdnerFehlt;             /* the export folder could not be made (reported then) */
    char Bericht[2048];              /* lines of the sets that were skipped, for the message */
    int32_t Geschrieben;             /* records written into sets that were placed */

    /* Supplier of the current article */
    char Schluessel[OX_TXT_32];
    char ListenSchluessel[OX_TXT_32];  /* key of the list entry before, and its number */
    int32_t ListenNummer;
    int32_t LieferantNummer;
    MERKMAL_SATZ LieferantMerkmal;
    int32_t LieferantGefunden;       /* characteristic record found */
    char LieferantFeld[36];          /* its field text (Lieferant of the records) */
    char LieferantIln[OX_TXT_ILN];   /* its ILN when that has 13 characters, else empty */
    LIEFERANTEN_SATZ Lieferant;
    EDI_KOPFSATZ Kopf;

    /* Current article */
    ARTIKEL_SATZ Artikel;
    char ArtikelText[OX_TXT_32];     /* text after "@" of the Artikel field */
    PRICAT_DATEN Satz;               /* the article's template, then each record */
    int32_t SatzZugelassen;          /* the article's records may go out (supplier ILN rule) */
    OXTABELLE* Tabelle;
    OXTABELLE* Serientabelle;
    EXPORT_ACHSWERT Senkrecht[TAB_MAX_SENKRECHT];
    EXPORT_ACHSWERT Waagrecht[TAB_MAX_WAAGRECHT];
    int32_t SenkrechtBelegt[TAB_MAX_SENKRECHT];    /* indexes of the used entries, in order */
    int32_t WaagrechtBelegt[TAB_MAX_WAAGRECHT];
    int32_t SenkrechtAnzahl;
    int32_t WaagrechtAnzahl;
    EXPORT_EAN* Eans;
    int32_t EanAnzahl;
    int32_t EanUeberlauf;            /* more entries than EAN_VORRAT: ask the store per cell */
    char Ausgabe[EDI_AUSGABE_GROESSE];
} EXPORT_LAUF;

/* The one block of a run. */
typedef struct EXPORT_SPEICHER {
    EXPORT_LAUF Lauf;
    OXTABELLE Tabelle;
    OXTABELLE Serientabelle;
    EXPORT_EAN Eans[EAN_VORRAT];
    EXPORT_MERKMAL Merkmale[MERKMAL_VORRAT];
    EXPORT_CODE Codes[CODE_VORRAT];
    char Puffer[SCHREIBPUFFER];
} EXPORT_SPEICHER;
static_assert(offsetof(EXPORT_SPEICHER, Lauf) == 0, "the block is freed through its run");

/* ---- exportvorrat.cpp ---- */

/* The characteristic number of (art, code) into `*nummer`: HostFunktion02,
 * asked once per run; 0 = none. Returns the run's entry for the code, null
 * when the code is empty or longer than an entry holds, or the run's table
 * has no room for it. */
EXPORT_CODE* CodeNachschlagen(EXPORT_LAUF* lauf, int32_t art, const char* code, int32_t* nummer);

/* The characteristic number of (art, code) alone; 0 = none. */
int32_t NummerZumCode(EXPORT_LAUF* lauf, int32_t art, const char* code);

/* The run's entry for characteristic (art, nummer), filled through
 * HostFunktion15 when it is new; `ersatz` (Belegt 0) when the run's table
 * has no room for it. Null for a number below 1 or without the host call. */
const EXPORT_MERKMAL* MerkmalEintrag(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, EXPORT_MERKMAL* ersatz);

/* The text of a characteristic record into a field of `groesse` bytes, cut
 * to the field. */
void MerkmalInsFeld(const EXPORT_MERKMAL* m, char* feld, size_t groesse);

/* The field text of characteristic (art, nummer): "code@name" with the
 * numbers exported, else the name; empty when the host has no record.
 * Returns its length. The code goes to `code` (OX_TXT_CODE bytes) and its
 * length to `*codeLaenge` when `code` is not null. */
int32_t MerkmalText(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, char* text, size_t groesse, char* code,
                    int32_t* codeLaenge);

/* The percentage of VAT rate index `satz` (0 for an index outside the
 * host's table), asked once per run. */
int32_t MwstProzent(EXPORT_LAUF* lauf, int32_t satz);

/* Reads the EANs of the current article into the run (at most EAN_VORRAT;
 * beyond that EanUeberlauf is set and the cells ask the store). */
void EansLaden(EXPORT_LAUF* lauf);

/* The EAN of the cell whose codes of kinds 1..8 are in `codes` (empty =
 * any) into `ean` (14 bytes, zero-filled when there is none): the first
 * entry of the article's EANs whose codes are the cell's. */
void EanSuchen(EXPORT_LAUF* lauf, const char codes[9][OX_TXT_CODE], char* ean);

/* ---- exportdateien.cpp ---- */

/* Set `satz` failed on `datei` (its final name, not the working one; null:
 * the catalogue): it is skipped, its earlier files stay. The first file
 * named is the one the message shows. An open set's file is closed. */
void SatzFehlschlag(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz, const char* datei);

/* The open set failed on its catalogue (nothing when no set is open). */
void KatalogFehlschlag(EXPORT_LAUF* lauf);

/* Adds a line to the message of the skipped sets (once; a full message
 * ends with "..."). */
void Vermerken(EXPORT_LAUF* lauf, const char* zeile);

/* Writes the collected bytes of the write buffer into the open catalogue. */
void PufferLeeren(EXPORT_LAUF* lauf);

/* Makes the catalogue of the current supplier the open file: appends to a
 * set started earlier in the run, or starts a new set (header line,
 * address file, info text). A failure marks the set failed: it is skipped. */
void KatalogOeffnen(EXPORT_LAUF* lauf);

/* Writes what is collected and closes the open catalogue. */
void KatalogSchliessen(EXPORT_LAUF* lauf);

/* Gives the working files of each set their names, set by set: a set that
 * failed, or that cannot be placed whole, is removed and its earlier files
 * stay. Counts the records of the sets placed into lauf->Geschrieben. */
void DateienUebernehmen(EXPORT_LAUF* lauf);

/* Remembers the name extension (also an empty one) of a single-supplier
 * run that formed a file name, and the info text of one that was written,
 * in "ZUSATZINFOS". */
void ZusatzinfosMerken(EXPORT_LAUF* lauf);

/* The run's tag into lauf->Kennung. */
void KennungBilden(EXPORT_LAUF* lauf);

/* Clears the working files of runs that never ended in `ordner`. */
void VergesseneArbeitsdateien(const char* ordner);

/* ---- exportsaetze.cpp ---- */

/* Header and supplier part of the template for the supplier of the current
 * article (lauf->LieferantNummer). */
void LieferantVorbereiten(EXPORT_LAUF* lauf);

/* The record template of the current article, in lauf->Satz. */
void VorlageBilden(EXPORT_LAUF* lauf);

/* Fetches the article's table (completed from its series) and writes its
 * records; a record the host cannot build fails the supplier's set. */
void ArtikelSchreiben(EXPORT_LAUF* lauf);

#endif
