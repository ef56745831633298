/*
 * seitenhilfe.cpp - services shared by the tab pages.
 */
#include "kontext/seitenhilfe.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/oxinifile.h"

#include <commctrl.h>
#include <stdint.h>
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

HBRUSH SeitenFarbe(HDC dc, HWND steuerelement, const SEITEN_FARBREGEL* regeln, int anzahl)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return nullptr;
    int id = GetDlgCtrlID(steuerelement);
    for (int i = 0; i < anzahl; i++) {
        if (id < regeln[i].Von || id > regeln[i].Bis)
            continue;
        switch (regeln[i].Farbe) {
        case SEITENFARBE_GRAU:
            return (HBRUSH)FarbenSetzen(dc, k->FarbeSchwarz, k->FarbeHellgrau, k->PinselHellgrau);
        case SEITENFARBE_GELB:
            return (HBRUSH)FarbenSetzen(dc, k->FarbeSchwarz, k->FarbeHellgelb, k->PinselHellgelb);
        case SEITENFARBE_ROT_AUF_GELB:
            return (HBRUSH)FarbenSetzen(dc, k->FarbeRot, k->FarbeHellgelb, k->PinselHellgelb);
        case SEITENFARBE_ROT_AUF_TUERKIS:
            return (HBRUSH)FarbenSetzen(dc, k->FarbeRot, k->FarbeHelltuerkis, k->PinselHelltuerkis);
        case SEITENFARBE_WEISS_AUF_ROT:
            return (HBRUSH)FarbenSetzen(dc, k->FarbeWeiss, k->FarbeSignalrot, k->PinselSignalrot);
        default:
            return nullptr;
        }
    }
    return nullptr;
}

/* Open addressing over dialog and control id; a miss that finds no
 * control is kept as well (null), so asking again costs nothing. Emptied
 * when half full. */
enum { STEUERELEMENTE_PLAETZE = 512 };
static int s_SteuerBelegt;
static struct {
    HWND seite;
    int id;
    HWND h;
} s_Steuer[STEUERELEMENTE_PLAETZE];

void SeitenSteuerelementeVergessen(void)
{
    memset(s_Steuer, 0, sizeof s_Steuer);
    s_SteuerBelegt = 0;
}

HWND SeitenSteuerelement(HWND seite, int id)
{
    if (seite == nullptr)
        return nullptr;
    if (s_SteuerBelegt >= STEUERELEMENTE_PLAETZE / 2)
        SeitenSteuerelementeVergessen();
    unsigned platz = (((unsigned)id * 2654435761u) ^ (unsigned)(uintptr_t)seite) % STEUERELEMENTE_PLAETZE;
    while (s_Steuer[platz].seite != nullptr) {
        if (s_Steuer[platz].seite == seite && s_Steuer[platz].id == id)
            return s_Steuer[platz].h;
        platz = (platz + 1) % STEUERELEMENTE_PLAETZE;
    }
    HWND h = GetDlgItem(seite, id);
    s_Steuer[platz].seite = seite;
    s_Steuer[platz].id = id;
    s_Steuer[platz].h = h;
    s_SteuerBelegt++;
    return h;
}

void SteuerelementeFreigeben(HWND fenster, const int* ids, int anzahl, int an)
{
    for (int i = 0; i < anzahl; i++) {
        HWND steuerelement = SeitenSteuerelement(fenster, ids[i]);
        if (steuerelement != nullptr && (IsWindowEnabled(steuerelement) != FALSE) != (an != 0))
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

void ListeSpaltenEinpassen(HWND liste, int anzahl, const char* iniDatei, const char* sektion)
{
    if (liste == nullptr || iniDatei == nullptr || sektion == nullptr)
        return;
    int zeilen = (int)SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0);
    if (zeilen > 200)
        zeilen = 200;
    for (int spalte = 0; spalte < anzahl; spalte++) {
        char schluessel[16];
        TextFormat(schluessel, sizeof schluessel, "SPALTE%02d", spalte);
        if (INI2_GetInt(iniDatei, sektion, schluessel, -1) >= 0)
            continue;
        char text[256] = "";
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        if (!SendMessageA(liste, LVM_GETCOLUMNA, (WPARAM)spalte, (LPARAM)&info))
            continue;
        int noetig = (int)SendMessageA(liste, LVM_GETSTRINGWIDTHA, 0, (LPARAM)text);
        for (int z = 0; z < zeilen; z++) {
            LVITEMA item = {};
            item.iSubItem = spalte;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            text[0] = '\0';
            SendMessageA(liste, LVM_GETITEMTEXTA, (WPARAM)z, (LPARAM)&item);
            int breite = (int)SendMessageA(liste, LVM_GETSTRINGWIDTHA, 0, (LPARAM)text);
            if (breite > noetig)
                noetig = breite;
        }
        noetig += 14;   /* the cell's margins */
        if (noetig > (int)SendMessageA(liste, LVM_GETCOLUMNWIDTH, (WPARAM)spalte, 0))
            SendMessageA(liste, LVM_SETCOLUMNWIDTH, (WPARAM)spalte, MAKELPARAM(noetig, 0));
    }
}

INT_PTR DialogErgebnis(HWND fenster, LRESULT ergebnis)
{
    SetWindowLongPtrA(fenster, DWLP_MSGRESULT, (LONG_PTR)ergebnis);
    return TRUE;
}

HFONT SchriftAnlegen(HDC dc, int punkte, int gewicht, const char* name)
{
    int hoehe = -MulDiv(punkte, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(hoehe, 0, 0, 0, gewicht, 0, 0, 0, 0, 4, 0x20, 0, 4, name);
}
