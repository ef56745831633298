/*
 * standardseite.h - the tab page "Standard" (dialog 108): the default
 * characteristic per kind for keywords the import cannot map, and the
 * import rules of section "BERECHNUNGEN".
 *
 * Every rule is written to the INI file the moment its control changes.
 * The defaults are stored on "Standardmerkmale zuweisen", for the supplier
 * of the chosen catalogue (1058 ticked), for all imports (1057 ticked), or
 * both. Without a read catalogue, a supplier and a chosen file the page
 * shows the stored values but lets nothing be changed.
 */
#ifndef KTOXEDI_STANDARDSEITE_H
#define KTOXEDI_STANDARDSEITE_H

#include <windows.h>
#include "hostapi/hostdefs.h"

/* The four page functions registered with the tab-control library. */
int32_t OXCALL StandardSeiteInit(HWND seite, HWND hauptfenster, int32_t index, LPARAM wert);
int32_t OXCALL StandardSeiteExit(HWND seite);
INT_PTR CALLBACK StandardSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam);
HBRUSH OXCALL StandardSeiteFarbe(HWND seite, UINT nachricht, HDC dc, HWND steuerelement);

#endif
