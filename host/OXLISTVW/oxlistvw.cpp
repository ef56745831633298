/*
 * oxlistvw.cpp - helpers around report-style list views: columns whose
 * widths live in an INI file, item data, selections, double clicks and a
 * short flash of an item.
 */
#include <windows.h>
#include <commctrl.h>
#include "OXLISTVW/oxlistvw_host.h"
#include "OXINIFILE/oxinifile_host.h"

#include <cstdio>
#include <map>

namespace {

constexpr int kGroessteBreite = 4000;
constexpr UINT_PTR kBlinkTimer = 0x4F58;   /* "OX" */
constexpr int kBlinkSchritte = 6;
constexpr UINT kBlinkTakt = 90;

/* Items being flashed: list window -> (item, steps left). */
struct Blinken {
    int index;
    int schritte;
};
std::map<HWND, Blinken> g_blinken;

void SpaltenSchluessel(char* schluessel, size_t groesse, int32_t spalte)
{
    std::snprintf(schluessel, groesse, "SPALTE%02d", (int)spalte);
}

int32_t SpalteEinfuegen(HWND liste, int32_t spalte, const char* titel, int32_t breite, const char* iniDatei,
                        const char* sektion)
{
    if (liste == nullptr || spalte < 0)
        return -1;
    int32_t b = breite;
    if (iniDatei != nullptr && sektion != nullptr) {
        char schluessel[16];
        SpaltenSchluessel(schluessel, sizeof schluessel, spalte);
        int32_t gelesen = INI2_GetInt(iniDatei, sektion, schluessel, breite);
        if (gelesen >= 0 && gelesen <= kGroessteBreite)
            b = gelesen;
    }
    if (b < 0 || b > kGroessteBreite)
        b = 0;
    LVCOLUMNA spalteInfo = {};
    spalteInfo.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    spalteInfo.fmt = LVCFMT_LEFT;
    spalteInfo.cx = b;
    spalteInfo.pszText = const_cast<char*>(titel != nullptr ? titel : "");
    spalteInfo.iSubItem = spalte;
    return (int32_t)SendMessageA(liste, LVM_INSERTCOLUMNA, (WPARAM)spalte, (LPARAM)&spalteInfo);
}

void ZustandSetzen(HWND liste, int index, UINT zustand, UINT maske)
{
    LVITEMA item = {};
    item.stateMask = maske;
    item.state = zustand;
    SendMessageA(liste, LVM_SETITEMSTATE, (WPARAM)index, (LPARAM)&item);
}

void CALLBACK BlinkTakt(HWND liste, UINT, UINT_PTR id, DWORD)
{
    auto it = g_blinken.find(liste);
    if (it == g_blinken.end() || !IsWindow(liste)) {
        KillTimer(liste, id);
        if (it != g_blinken.end())
            g_blinken.erase(it);
        return;
    }
    Blinken& b = it->second;
    b.schritte--;
    /* Odd steps light the item, even ones put it back; the last step always
     * leaves it unlit. */
    UINT an = (b.schritte > 0 && (b.schritte % 2) == 1) ? LVIS_DROPHILITED : 0;
    ZustandSetzen(liste, b.index, an, LVIS_DROPHILITED);
    if (b.schritte <= 0) {
        KillTimer(liste, id);
        g_blinken.erase(it);
    }
}

}  // namespace

OX_EXTERN_C int32_t OXCALL OXListView_AddColWidthText(HWND liste, int32_t spalte, const char* titel,
                                                     int32_t breite, const char* iniDatei, const char* sektion)
{
    return SpalteEinfuegen(liste, spalte, titel, breite, iniDatei, sektion);
}

OX_EXTERN_C int32_t OXCALL OXListView_AddColWidthString(HWND liste, int32_t spalte, HINSTANCE instanz,
                                                       int32_t stringId, int32_t breite, const char* iniDatei,
                                                       const char* sektion)
{
    char titel[256] = "";
    if (LoadStringA(instanz, (UINT)stringId, titel, (int)sizeof titel) <= 0)
        titel[0] = '\0';
    return SpalteEinfuegen(liste, spalte, titel, breite, iniDatei, sektion);
}

OX_EXTERN_C int32_t OXCALL OXListView_WriteColWidths(HWND liste, int32_t anzahl, const char* iniDatei,
                                                    const char* sektion)
{
    if (liste == nullptr || iniDatei == nullptr || sektion == nullptr || anzahl < 0)
        return -1;
    HWND kopf = (HWND)SendMessageA(liste, LVM_GETHEADER, 0, 0);
    int32_t vorhanden = kopf != nullptr ? (int32_t)SendMessageA(kopf, HDM_GETITEMCOUNT, 0, 0) : anzahl;
    int32_t geschrieben = 0;
    for (int32_t i = 0; i < anzahl && i < vorhanden; i++) {
        char schluessel[16];
        SpaltenSchluessel(schluessel, sizeof schluessel, i);
        int32_t breite = (int32_t)SendMessageA(liste, LVM_GETCOLUMNWIDTH, (WPARAM)i, 0);
        if (INI2_PutInteger(iniDatei, sektion, schluessel, breite) == 1)
            geschrieben++;
    }
    return geschrieben;
}

OX_EXTERN_C LPARAM OXCALL OXListView_GetSelectedITEM(HWND liste)
{
    return OXListView_GetItemData(liste, OXListView_GetSelectedIndex(liste));
}

OX_EXTERN_C int32_t OXCALL OXListView_GetSelectedIndex(HWND liste)
{
    return OXListView_GetNextSelected(liste, -1);
}

OX_EXTERN_C LPARAM OXCALL OXListView_GetDoubleClickedItem(HWND liste, const NMHDR* nachricht)
{
    if (liste == nullptr || nachricht == nullptr || nachricht->code != (UINT)NM_DBLCLK
        || nachricht->hwndFrom != liste)
        return -1;
    const NMITEMACTIVATE* aktivierung = (const NMITEMACTIVATE*)nachricht;
    return OXListView_GetItemData(liste, aktivierung->iItem);
}

OX_EXTERN_C int32_t OXCALL OXListView_RemoveSelection(HWND liste)
{
    if (liste != nullptr)
        ZustandSetzen(liste, -1, 0, LVIS_SELECTED);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXListview_Select_Show_FlashItem(HWND liste, int32_t index)
{
    if (liste == nullptr || index < 0 || index >= (int32_t)SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0))
        return 0;
    ZustandSetzen(liste, -1, 0, LVIS_SELECTED);
    ZustandSetzen(liste, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(liste, LVM_SETSELECTIONMARK, 0, (LPARAM)index);
    SendMessageA(liste, LVM_ENSUREVISIBLE, (WPARAM)index, FALSE);
    /* A flash still running on another item ends unlit first. */
    auto alt = g_blinken.find(liste);
    if (alt != g_blinken.end())
        ZustandSetzen(liste, alt->second.index, 0, LVIS_DROPHILITED);
    g_blinken[liste] = Blinken{ (int)index, kBlinkSchritte };
    if (SetTimer(liste, kBlinkTimer, kBlinkTakt, BlinkTakt) == 0)
        g_blinken.erase(liste);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXListView_SetExtendedStyle(HWND liste, DWORD stile)
{
    if (liste == nullptr)
        return -1;
    return (int32_t)SendMessageA(liste, LVM_SETEXTENDEDLISTVIEWSTYLE, (WPARAM)stile, (LPARAM)stile);
}

OX_EXTERN_C int32_t OXCALL OXListView_InsertItemCallback(HWND liste, int32_t index, LPARAM daten)
{
    if (liste == nullptr || index < 0)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = daten;
    return (int32_t)SendMessageA(liste, LVM_INSERTITEMA, 0, (LPARAM)&item);
}

OX_EXTERN_C LPARAM OXCALL OXListView_GetItemData(HWND liste, int32_t index)
{
    if (liste == nullptr || index < 0)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(liste, LVM_GETITEMA, 0, (LPARAM)&item))
        return -1;
    return item.lParam;
}

OX_EXTERN_C int32_t OXCALL OXListView_GetSelectedCount(HWND liste)
{
    if (liste == nullptr)
        return -1;
    return (int32_t)SendMessageA(liste, LVM_GETSELECTEDCOUNT, 0, 0);
}

OX_EXTERN_C int32_t OXCALL OXListView_GetNextSelected(HWND liste, int32_t nach)
{
    if (liste == nullptr)
        return -1;
    if (nach < -1)
        nach = -1;
    return (int32_t)SendMessageA(liste, LVM_GETNEXTITEM, (WPARAM)nach, MAKELPARAM(LVNI_SELECTED, 0));
}

OX_EXTERN_C int32_t OXCALL OXListView_DeleteAllItems(HWND liste)
{
    if (liste == nullptr)
        return -1;
    g_blinken.erase(liste);
    KillTimer(liste, kBlinkTimer);
    SendMessageA(liste, LVM_DELETEALLITEMS, 0, 0);
    return 1;
}
