/*
 * hauptfenster.h - the main import window "EDI Import" (dialog 107) and the
 * services its pages call: the header with the chosen catalogue and the
 * three counters.
 */
#ifndef KTOXEDI_HAUPTFENSTER_H
#define KTOXEDI_HAUPTFENSTER_H

#include <windows.h>
#include "entry/ktoxedi.h"

/* Dialog procedure of dialog 107. */
INT_PTR CALLBACK HauptfensterProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

/* Shows the chosen catalogue in the header: supplier text after its first
 * "@", description and file date in 1004, the ILN in 1013, and copies the
 * entry's path into AusgewaehlteDatei. With no entry (null or -1): 1004
 * shows "Kein Lieferant ausgewählt", the ILN and the counters are emptied
 * and AusgewaehlteDatei becomes empty. */
void KopfzeileAnzeigen(const KATALOGDATEI_EINTRAG* eintrag);

/* Counter services: rows read (1007), rows passing the filter (1009),
 * rows imported (1011), written with "%ld". Do nothing without a window. */
void ZaehlerSaetzeAnzeigen(int32_t anzahl);
void ZaehlerGefiltertAnzeigen(int32_t anzahl);
void ZaehlerImportiertAnzeigen(int32_t anzahl);

/* Colour function of dialog 107 (WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC). */
INT_PTR HauptfensterFarbe(HWND fenster, UINT nachricht, HDC dc, HWND steuerelement);

#endif
