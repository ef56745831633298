/*
 * listenseite.cpp - the shared message handling of the list pages (see
 * listenseite.h).
 */
#include "seiten/listenseite.h"

#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/hostdefs.h"

HBRUSH ListenSeiteFarbe(const LISTENSEITE* art, HDC dc, HWND steuerelement)
{
    return SeitenFarbe(dc, steuerelement, art->Farben, art->FarbenAnzahl);
}

int ListenSeiteNachricht(const LISTENSEITE* art, HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam,
                         INT_PTR* ergebnis)
{
    if (nachricht == WM_CTLCOLORSTATIC) {
        *ergebnis = (INT_PTR)ListenSeiteFarbe(art, (HDC)wParam, (HWND)lParam);
        return 1;
    }
    if (nachricht != WM_NOTIFY)
        return 0;
    NMHDR* kopf = (NMHDR*)lParam;
    if (g_Kontext == nullptr || kopf == nullptr || kopf->idFrom != (UINT_PTR)art->ListeId) {
        *ergebnis = FALSE;
        return 1;
    }
    switch (kopf->code) {
    case LVN_GETDISPINFOA: {
        NMLVDISPINFOA* info = (NMLVDISPINFOA*)kopf;
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText != nullptr && info->item.cchTextMax > 0) {
            char text[OX_TXT_PATH];
            art->ZellText(&info->item, text, sizeof text);
            TextKopieren(info->item.pszText, (size_t)info->item.cchTextMax, text);
        }
        *ergebnis = DialogErgebnis(seite, 0);
        return 1;
    }
    case LVN_COLUMNCLICK:
        PostMessageA(seite, art->SortNachricht, (WPARAM)((NMLISTVIEW*)kopf)->iSubItem, 0);
        *ergebnis = DialogErgebnis(seite, 0);
        return 1;
    default:
        *ergebnis = DialogErgebnis(seite, art->Nachricht(seite, kopf));
        return 1;
    }
}
