/*
 * importseite_intern.h - what the files of the "Importieren" page share:
 * the kinds' controls, the binding function, the display operations, the
 * field actions, the article identification and the run.
 *
 * Every function works on the page state of the running call
 * (g_Kontext: the page's value stores OxOut, EdiWerte and DialogWerte and
 * its run ImportLauf) and does nothing without a context.
 */
#ifndef KTOXEDI_IMPORTSEITE_INTERN_H
#define KTOXEDI_IMPORTSEITE_INTERN_H

#include <windows.h>

#include "kontext/ktoxedi.h"
#include "engine/engine.h"
#include "pricat_in/stichwort.h"
#include "hostapi/oxglobdlg.h"

/* The controls of one kind on the page (0 = none). */
typedef struct SEITEN_ART {
    int32_t Art;
    int EdiText;      /* catalogue side */
    int Knopf;        /* selection button */
    int Code;         /* code edit (kind 0: the article number edit) */
    int Text;         /* description text */
    int Neu;          /* create button */
} SEITEN_ART;

/* Kinds with controls, in the order 0..7, 9, 11, 8. */
extern const SEITEN_ART g_ImportArten[];
extern const int g_ImportArtenAnzahl;

/* The kind whose selection button, code edit or create button is `id`;
 * -1 for any other control. */
int32_t ImportArtVonSteuerelement(int id);
/* The controls of kind `art`, null for kinds without any. */
const SEITEN_ART* ImportSeitenArt(int32_t art);

/* ---- display (importseite.cpp) ---- */

/* Sets or clears the page state bit "found by its EAN" (any non-zero
 * `an` sets it). */
void ArtikelPerEanSetzen(int32_t an);
/* The series' table (host series callback) into the context's series
 * table; emptied when the host has none. */
void SerieLesen(int32_t serie);

/* Price texts: shows hundredths formatted; reads an edit with at most 10
 * characters: empty = 0, unreadable or outside 0..999999999 = -1 (the
 * checked reading); unless -1 the edit shows the value formatted again. */
void PreisZeigen(HWND seite, int id, int32_t wert);
int32_t PreisLesen(HWND seite, int id);

/* The row's number and EAN and the import counter, and (KatalogwerteZeigen)
 * the catalogue values: a run that goes on past a row without stopping
 * only keeps them while AnzeigeRuht is set (the window shows every 64th
 * row anyway); KatalogAnzeigeNachholen shows the row's values and ends the
 * rest, before anything asks the person or the run stops. */
void ZeilenNummerZeigen(HWND seite);
void KatalogAnzeigeNachholen(HWND seite);
/* Fills the catalogue values of `zeile` (cuts its additional text to 31
 * characters in the row itself). */
void KatalogwerteLaden(PRICAT_SATZ* zeile);
void KatalogwerteZeigen(HWND seite);
void ArtikelZeigen(HWND seite);
/* Takes kind `art` (not 8; -1 = none) from the page with `nummer`, and the
 * page's texts, flags and prices in any case. */
void ArtVonSeite(HWND seite, int32_t art, int32_t nummer);
/* Copies every bound slot into its control. */
void SeiteAuffrischen(HWND seite);
/* All texts of the page empty, 1072 unticked (slots untouched). */
void SeiteLeeren(HWND seite);
void SeiteFreigeben(HWND seite, int an);
void PreisfelderFreigeben(HWND seite);
void LaufknoepfeFreigeben(HWND seite, int an);
void EingabenFreigeben(HWND seite, int an);
/* Selects the entry of kind `art` in combo 1074 / 1075; none = unchanged. */
void TabellenmerkmalWaehlen(HWND seite, int kombi, int32_t art);
/* The colour pairs of the page (importfarben.cpp): made when the page is
 * entered, freed when it is left. */
void FarbenAnlegen(void);
void FarbenFreigeben(void);
/* WM_CTLCOLOR* answer of the page: the brush for `steuerelement`, or
 * nullptr for the dialog's default. */
HBRUSH OXCALL ImportSeiteFarbe(HWND seite, UINT nachricht, HDC dc, HWND steuerelement);
/* Flashes check box `id` red, yellow, green. */
void KontrollkaestchenBlinken(HWND seite, int id);
/* The page drawn again at once. */
void SeiteNeuZeichnen(HWND seite);

/* ---- field actions (feldaktionen.cpp) ---- */

/* WM_COMMAND of every control but the run commands; 1 = handled. */
int FeldaktionBefehl(HWND seite, int id, int code);
/* Learns the pending article's mappings of the current row; with
 * `folge` 1 the row's EAN is registered afterwards. */
void MappingsLernen(HWND seite, int32_t artikel, int folge);
/* "Neu (EDI) autom." after a row was shown. */
void AutomatischeArtikelnummer(HWND seite);
/* The supplier colour text of the current row by the colour text setting. */
void ZeilenFarbText(const PRICAT_SATZ* zeile, char* aus, size_t groesse);
/* The learnt characteristic of (catalogue supplier, keyword, kind), 0 =
 * none. */
int32_t GelerntesMerkmal(const char* stichwort, int32_t art);
/* The learnt article of the row's own article keyword (as a fresh
 * identification would look it up), 0 = none. */
int32_t GelernterArtikelDerZeile(const PRICAT_SATZ* zeile);
/* The article name "supplier code, padded, article number text" of
 * `nummerText` with the supplier number text of the call. */
void ArtikelnameBilden(char* aus, size_t groesse, const char* nummerText);

/* ---- identification (identifikation.cpp) ---- */

int32_t ArtikelIdentifizieren(HWND seite, int32_t* gewaehlt, PRICAT_SATZ* zeile);
int32_t ArtikelAbstimmen(HWND seite, int32_t nummer);
void ArtikelLaden(int32_t nummer);
void KatalogwerteUebernehmen(PRICAT_SATZ* zeile, int32_t nummer, int32_t modus);
void ArtSetzen(int32_t art, const char* code, int32_t nummer);

/* ---- run (importlauf.cpp) ---- */

/* The run commands 1073, 1090 (after the picker) and 1076. */
void LaufBefehl(HWND seite, int id, int32_t gewaehlt);
/* Moves catalogue file `quelle` into `sicherungsOrdner` (trailing
 * separator): copied under a working name, the copy's size compared with
 * the original's, then put in place of a file of the same name there, and
 * only then the original deleted. 1 = moved; 0 = nothing moved (the
 * original and an earlier backup of that name stay as they were). */
int KatalogSichern(const char* quelle, const char* sicherungsOrdner);
/* Commands 2024 / 2025 posted by the stop check. */
void StopAnzeigen(HWND seite, int id);
/* Mapping status of kind `art` for the current row into the pending
 * article; returns 1 when the kind needs attention. */
int MappingStatus(int32_t art);

#endif
