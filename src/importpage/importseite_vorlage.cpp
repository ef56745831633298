/*
 * importseite_vorlage.cpp - the "Importieren" page as a bare template:
 * its controls are shown, nothing is done with them. Replaced as a whole
 * by the import page (delete this file when importseite.cpp defines the
 * four functions of importseite.h).
 */
#include "importpage/importseite.h"

int32_t OXCALL ImportSeiteInit(HWND seite, HWND hauptfenster, int32_t index, LPARAM wert)
{
    (void)seite;
    (void)hauptfenster;
    (void)index;
    (void)wert;
    return 1;
}

int32_t OXCALL ImportSeiteExit(HWND seite)
{
    (void)seite;
    return 1;
}

HBRUSH OXCALL ImportSeiteFarbe(HWND seite, UINT nachricht, HDC dc, HWND steuerelement)
{
    (void)seite;
    (void)nachricht;
    (void)dc;
    (void)steuerelement;
    return nullptr;
}

INT_PTR CALLBACK ImportSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    (void)seite;
    (void)wParam;
    (void)lParam;
    switch (nachricht) {
    case WM_INITDIALOG:
        return 1;
    case WM_COMMAND:
        return 1;
    default:
        return 0;
    }
}
