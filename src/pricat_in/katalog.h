/*
 * katalog.h - the catalogue of the running call: reading the chosen file
 * into the row table of the call context, the row iterator of the import,
 * the filter reset, the header of a catalogue file for the selection list,
 * and the supplier address import.
 *
 * The work itself is done by the readers in zeilen.h, kopf.h and
 * adresse.h (free of windows.h); this file ties them to the call context,
 * the main window's counters and the message boxes.
 */
#ifndef KTOXEDI_KATALOG_H
#define KTOXEDI_KATALOG_H

#include <windows.h>

#include "kontext/ktoxedi.h"
#include "pricat_in/kopf.h"
#include "pricat_in/kopfspeicher.h"
#include "hostapi/fileio.h"
#include "pricat_in/zeilen.h"

/* The row table of the running call (g_Kontext must be set). */
PRICAT_ZEILEN KontextZeilen(void);

/*
 * Reads AusgewaehlteDatei into the row table, under the hourglass: the
 * filter is switched off first ("Gefiltert:" shows 0); when a file is
 * named, its PRICAT rows replace the table (at most 32000; the value lists
 * are rebuilt from them). When the file just read filled the table the
 * message 1043 is shown over `besitzer` with caption 1044: once per read,
 * so a full table kept from an earlier read (no file named now) does not
 * show it again. AnzahlSaetzeGesamt becomes the number of rows and
 * "Datensaetze:" shows it. A file that cannot be opened gives 0 rows.
 * Returns 1 (0 when there is no call context).
 */
int PricatDateiEinlesen(HWND besitzer);

/* Restarts the row iterator; 1 when rows are selected (AnzahlSaetze not 0). */
int ErsterPricatSatz(void);

/* The record of the next selected row in table order, or null at the end. */
PRICAT_DATEN* NaechsterPricatSatz(void);

/* Switches the filter off: choices emptied, every row selected,
 * AnzahlGefiltert 0 ("Gefiltert:" shows 0), AnzahlSaetze = all rows. */
void FilterAusschalten(void);

/* The text of criterion `kriterium` of a row and its value-list form (see
 * zeilen.h), by the rules of the running call (field map of the chosen
 * catalogue's supplier). */
void KriteriumTextDerZeile(const PRICAT_DATEN* daten, int32_t kriterium, char* aus, size_t groesse);
void FilterwertDerZeile(const PRICAT_DATEN* daten, int32_t kriterium, char aus[FILTERWERT_LAENGE + 1]);

/* The suppliers found for header ILNs during one pass over a folder, so
 * that the files of one supplier ask the stores once (zero-filled before
 * the pass; KOPF_MERK_MAX ILNs are kept, further ones are looked up every
 * time). */
enum { KOPF_MERK_MAX = 64 };
typedef struct KOPF_MERK_EINTRAG {
    char Iln[16];
    int32_t Nummer;
    int32_t NameGeholt;        /* 1 = Name holds the supplier's name */
    char Name[64];
} KOPF_MERK_EINTRAG;
typedef struct KOPF_MERK {
    int32_t Anzahl;
    KOPF_MERK_EINTRAG Eintrag[KOPF_MERK_MAX];
} KOPF_MERK;

/*
 * Fills the list entry of the catalogue file `pfad`: the local date of its
 * last write, the path in upper case and the file name, the description
 * and sender ILN of its header line, the supplier of that ILN (see
 * KatalogKopfAuswerten) and, when one is found, the supplier's name.
 * `geschrieben` (or null: asked of the file) is the file's last write
 * (UTC) as a folder search gives it; `merk` (or null) keeps the suppliers
 * found for the next files of the same pass; `gelesen` (or null) is the
 * file's slot of the header store: its bytes are taken when it holds them,
 * otherwise the file is read and, when it could be opened, its bytes are
 * put there.
 * Returns 1, or 0 when `pfad` or `eintrag` is null.
 */
int KatalogKopfLesen(const char* pfad, KATALOGDATEI_EINTRAG* eintrag, const FILEIO_ZEIT* geschrieben = nullptr,
                     KOPF_MERK* merk = nullptr, KOPF_GELESEN* gelesen = nullptr);

/* What KatalogKopfLesen fills without opening the file: the date of
 * `geschrieben` (or asked of the file), the upper-case path and the file
 * name; the header's fields stay empty. Returns 1, or 0 when `pfad` or
 * `eintrag` is null. */
int KatalogEintragOhneKopf(const char* pfad, KATALOGDATEI_EINTRAG* eintrag, const FILEIO_ZEIT* geschrieben);

/* Imports the address file beside the catalogue `pfad` into the supplier
 * of the entry's ILN, when the option "Nach Adressdaten suchen"
 * (AdressimportSuchen) is set. See AdressDateiImportieren. */
void LieferantenAdresseImportieren(const char* pfad, const KATALOGDATEI_EINTRAG* eintrag);

#endif
