/*
 * seitenhilfe.h - small services the tab pages of the main import window
 * share: fonts and colours on controls, the columns of a list view (and,
 * through stringtabelle.h, the texts of the string table).
 */
#ifndef KTOXEDI_SEITENHILFE_H
#define KTOXEDI_SEITENHILFE_H

#include <windows.h>
#include <stddef.h>

#include "kontext/stringtabelle.h"

/* Control `id` of the dialog `seite` (null when it has none), from a table
 * of handles kept per dialog and id: looking a control up by its id asks
 * the window server for the dialog's whole child list, and a page shows
 * dozens of texts for every row of a run. A dialog's controls live as long
 * as the dialog; a dialog being destroyed calls
 * SeitenSteuerelementeVergessen. */
HWND SeitenSteuerelement(HWND seite, int id);

/* Empties the table of SeitenSteuerelement (a dialog being destroyed). */
void SeitenSteuerelementeVergessen(void);

/* Sets `schrift` on control `id` of `fenster` (redrawn). A null font
 * leaves the control's font alone. */
void SchriftSetzen(HWND fenster, int id, HFONT schrift);

/* A font of `punkte` points and weight `gewicht` (400 normal, 700 bold) of
 * family `name` for the device `dc`; the caller deletes it. */
HFONT SchriftAnlegen(HDC dc, int punkte, int gewicht, const char* name);

/* For a colour function: text colour and background colour into `dc`;
 * returns `pinsel` as the message result. */
INT_PTR FarbenSetzen(HDC dc, COLORREF text, COLORREF hintergrund, HBRUSH pinsel);

/* The colour pairs of the pages' controls (display resources of the main
 * window: text colour, background and its brush). */
enum {
    SEITENFARBE_GRAU = 1,          /* black on light grey: explanations */
    SEITENFARBE_GELB,              /* black on light yellow */
    SEITENFARBE_ROT_AUF_GELB,      /* red on light yellow */
    SEITENFARBE_ROT_AUF_TUERKIS,   /* red on light turquoise */
    SEITENFARBE_WEISS_AUF_ROT      /* white on signal red */
};

/* Controls `Von` to `Bis` (ids) of a page take colour pair `Farbe`. */
typedef struct SEITEN_FARBREGEL {
    int Von;
    int Bis;
    int Farbe;
} SEITEN_FARBREGEL;

/* A page's colour function: sets the pair of the first of `regeln` whose
 * id range holds the control's id and returns its brush; null when no rule
 * holds it or no call runs. */
HBRUSH SeitenFarbe(HDC dc, HWND steuerelement, const SEITEN_FARBREGEL* regeln, int anzahl);

/* Enables or disables the controls `ids[0..anzahl-1]` of `fenster` (those
 * already in that state are left alone). */
void SteuerelementeFreigeben(HWND fenster, const int* ids, int anzahl, int an);

/* Removes every column of a report list view. */
void ListeSpaltenLoeschen(HWND liste);

/* Columns 0..anzahl-1 of a report list view whose width is not stored yet
 * (no key "SPALTE%02d" in section `sektion` of `iniDatei`, where the list
 * view library keeps widths) are widened so that their title and the texts
 * of the first 200 lines fit; a column is never made narrower. Once the
 * user's widths are stored they stay as they are. */
void ListeSpaltenEinpassen(HWND liste, int anzahl, const char* iniDatei, const char* sektion);

/* The result of a WM_NOTIFY handled in a dialog procedure: stored as the
 * dialog's message result; returns TRUE for the dialog procedure. */
INT_PTR DialogErgebnis(HWND fenster, LRESULT ergebnis);

#endif
