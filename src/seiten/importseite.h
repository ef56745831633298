/*
 * importseite.h - the tab page "Importieren" (dialog 110): the row-by-row
 * import of the chosen catalogue.
 *
 * The four page functions registered with the tab-control library. The
 * import page's own file defines them; until the import run is part of
 * the module, importseite_vorlage.cpp stands in for it and only shows the
 * page's template.
 */
#ifndef KTOXEDI_IMPORTSEITE_H
#define KTOXEDI_IMPORTSEITE_H

#include <windows.h>
#include "hostapi/hostdefs.h"

int32_t OXCALL ImportSeiteInit(HWND seite, HWND hauptfenster, int32_t index, LPARAM wert);
int32_t OXCALL ImportSeiteExit(HWND seite);
INT_PTR CALLBACK ImportSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam);
HBRUSH OXCALL ImportSeiteFarbe(HWND seite, UINT nachricht, HDC dc, HWND steuerelement);

#endif
