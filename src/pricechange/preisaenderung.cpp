/*
 * preisaenderung.cpp - offering the item changes of an import.
 */
#include "pricechange/preisaenderung.h"
#include "entry/ktoxedi.h"
#include "hostapi/dbadll.h"

#define IDD_EINZELTEILAENDERUNGEN 1005

static INT_PTR CALLBACK EinzelteilAenderungenProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM)
{
    if (nachricht == WM_INITDIALOG)
        return 1;
    if (nachricht == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(fenster, LOWORD(wParam) == IDOK);
        return 1;
    }
    return 0;
}

void PreisaenderungenAnbieten(HWND besitzer)
{
    if (EDI_AENDERUNG_DBA_EDIAenderungExists() != 1)
        return;
    DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EINZELTEILAENDERUNGEN), besitzer,
                    EinzelteilAenderungenProc, 0);
}
