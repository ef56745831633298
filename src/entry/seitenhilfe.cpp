/*
 * seitenhilfe.cpp - services shared by the tab pages.
 */
#include "entry/seitenhilfe.h"
#include "entry/ktoxedi.h"
#include "entry/text.h"

#include <commctrl.h>
#include <string.h>

int StringLaden(int id, char* ziel, size_t groesse)
{
    int laenge = 0;
    if (ziel == nullptr || groesse == 0)
        return laenge;
    ziel[0] = '\0';
    laenge = LoadStringA(g_ModulInstanz, (UINT)id, ziel, (int)groesse);
    if (laenge < 0)
        laenge = 0;
    ziel[laenge < (int)groesse ? laenge : (int)groesse - 1] = '\0';
    return laenge;
}

void StringsVerbinden(const int* ids, int anzahl, char* ziel, size_t groesse)
{
    if (ziel == nullptr || groesse == 0)
        return;
    ziel[0] = '\0';
    for (int i = 0; ids != nullptr && i < anzahl; i++) {
        char teil[256];
        StringLaden(ids[i], teil, sizeof teil);
        if (teil[0] == '\0')
            continue;
        size_t laenge = strlen(ziel);
        if (laenge > 0 && ziel[laenge - 1] != ' ' && teil[0] != ' ')
            TextAnhaengen(ziel, groesse, " ");
        TextAnhaengen(ziel, groesse, teil);
    }
}

void SchriftSetzen(HWND fenster, int id, HFONT schrift)
{
    if (schrift != nullptr)
        SendDlgItemMessageA(fenster, id, WM_SETFONT, (WPARAM)schrift, TRUE);
}

INT_PTR FarbenSetzen(HDC dc, COLORREF text, COLORREF hintergrund, HBRUSH pinsel)
{
    SetTextColor(dc, text);
    SetBkColor(dc, hintergrund);
    return (INT_PTR)pinsel;
}

void SteuerelementeFreigeben(HWND fenster, const int* ids, int anzahl, int an)
{
    for (int i = 0; i < anzahl; i++) {
        HWND steuerelement = GetDlgItem(fenster, ids[i]);
        if (steuerelement != nullptr)
            EnableWindow(steuerelement, an ? TRUE : FALSE);
    }
}

void ListeSpaltenLoeschen(HWND liste)
{
    if (liste == nullptr)
        return;
    while (SendMessageA(liste, LVM_DELETECOLUMN, 0, 0))
        ;
}

INT_PTR DialogErgebnis(HWND fenster, LRESULT ergebnis)
{
    SetWindowLongPtrA(fenster, DWLP_MSGRESULT, (LONG_PTR)ergebnis);
    return TRUE;
}
