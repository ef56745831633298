/*
 * listenseite.h - what the two list pages ("Auswahl", "Filter") share:
 * the routing of their list view's notifications, the cell texts asked
 * for by the list, the header click that sorts, and the static colours.
 */
#ifndef KTOXEDI_LISTENSEITE_H
#define KTOXEDI_LISTENSEITE_H

#include <windows.h>
#include <commctrl.h>
#include <stddef.h>

#include "kontext/seitenhilfe.h"

typedef struct LISTENSEITE {
    int ListeId;                        /* the page's report list view */
    UINT SortNachricht;                 /* posted to the page on a header click, wParam = column */
    const SEITEN_FARBREGEL* Farben;     /* the page's static colours */
    int FarbenAnzahl;
    /* The text of the cell `item` asks for into `aus` (cut to `groesse`). */
    void (*ZellText)(const LVITEMA* item, char* aus, size_t groesse);
    /* Every other notification of the list: the dialog result. */
    LRESULT (*Nachricht)(HWND seite, NMHDR* kopf);
} LISTENSEITE;

/* The page's colour function over its rules (SeitenFarbe). */
HBRUSH ListenSeiteFarbe(const LISTENSEITE* art, HDC dc, HWND steuerelement);

/* Answers the messages both list pages answer alike: WM_NOTIFY of the list
 * (nothing without a call context or from another control) and
 * WM_CTLCOLORSTATIC. 1 with the dialog result in *ergebnis, or 0 when the
 * page handles the message itself. */
int ListenSeiteNachricht(const LISTENSEITE* art, HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam,
                         INT_PTR* ergebnis);

#endif
