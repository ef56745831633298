/*
 * oxtabctl.cpp - tab pages as child dialogs over a tab control.
 */
#include <windows.h>
#include <commctrl.h>
#include "hostapi/oxtabctl.h"

#include <map>
#include <vector>

namespace {

struct Seite {
    HWND fenster = nullptr;
    OXTAB_SEITE_INIT init = nullptr;
    OXTAB_SEITE_EXIT exit = nullptr;
    OXTAB_SEITE_FARBE farbe = nullptr;
};

struct Reiter {
    HINSTANCE instanz = nullptr;
    HWND tab = nullptr;
    HWND haupt = nullptr;
    std::vector<Seite> seiten;
    int aktuell = -1;
};

std::map<HOSTHANDLE, Reiter> g_reiter;
HOSTHANDLE g_naechster = 1;

Reiter* Finden(HOSTHANDLE handle)
{
    auto it = g_reiter.find(handle);
    return it == g_reiter.end() ? nullptr : &it->second;
}

Reiter* VonHauptfenster(HWND haupt)
{
    if (haupt == nullptr)
        return nullptr;
    return Finden((HOSTHANDLE)GetWindowLongPtrA(haupt, GWLP_USERDATA));
}

/* The tab control's display area in the main window's client coordinates. */
RECT Anzeigeflaeche(const Reiter& r)
{
    RECT rect;
    GetWindowRect(r.tab, &rect);
    MapWindowPoints(nullptr, r.haupt, (POINT*)&rect, 2);
    SendMessageA(r.tab, TCM_ADJUSTRECT, FALSE, (LPARAM)&rect);
    return rect;
}

void Verlassen(Reiter& r)
{
    if (r.aktuell < 0 || r.aktuell >= (int)r.seiten.size())
        return;
    Seite& s = r.seiten[r.aktuell];
    if (s.exit != nullptr)
        s.exit(s.fenster);
}

void Betreten(Reiter& r, int index)
{
    if (index < 0 || index >= (int)r.seiten.size())
        return;
    for (int i = 0; i < (int)r.seiten.size(); i++)
        if (i != index)
            ShowWindow(r.seiten[i].fenster, SW_HIDE);
    r.aktuell = index;
    Seite& s = r.seiten[index];
    RECT rect = Anzeigeflaeche(r);
    SetWindowPos(s.fenster, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW);
    if (s.init != nullptr)
        s.init(s.fenster, r.haupt, index, 0);
}

void Wechseln(Reiter& r)
{
    int neu = (int)SendMessageA(r.tab, TCM_GETCURSEL, 0, 0);
    if (neu < 0 || neu >= (int)r.seiten.size())
        return;
    Verlassen(r);
    Betreten(r, neu);
}

}  // namespace

OX_EXTERN_C HOSTHANDLE OXCALL OXTabCtl_Create(HINSTANCE instanz, HWND tabFenster)
{
    if (tabFenster == nullptr || !IsWindow(tabFenster))
        return 0;
    HOSTHANDLE handle = g_naechster++;
    Reiter& r = g_reiter[handle];
    r.instanz = instanz;
    r.tab = tabFenster;
    r.haupt = GetParent(tabFenster);
    return handle;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_AddChild(HOSTHANDLE handle, int32_t dialogId, OXTAB_SEITE_INIT init,
                                            OXTAB_SEITE_EXIT exit, DLGPROC prozedur, OXTAB_SEITE_FARBE farbe)
{
    Reiter* r = Finden(handle);
    if (r == nullptr || prozedur == nullptr)
        return -1;
    HWND fenster = CreateDialogParamA(r->instanz, MAKEINTRESOURCEA(dialogId), r->haupt, prozedur, 0);
    if (fenster == nullptr)
        return -1;
    ShowWindow(fenster, SW_HIDE);
    char titel[128] = "";
    GetWindowTextA(fenster, titel, sizeof titel);
    int index = (int)r->seiten.size();
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = titel;
    SendMessageA(r->tab, TCM_INSERTITEMA, index, (LPARAM)&item);
    Seite s;
    s.fenster = fenster;
    s.init = init;
    s.exit = exit;
    s.farbe = farbe;
    r->seiten.push_back(s);
    return index;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_OnTabDlgInit(HWND hauptfenster)
{
    Reiter* r = VonHauptfenster(hauptfenster);
    if (r == nullptr)
        return -1;
    SendMessageA(r->tab, TCM_SETCURSEL, 0, 0);
    Betreten(*r, 0);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_OnSelChanged(HWND hauptfenster)
{
    Reiter* r = VonHauptfenster(hauptfenster);
    if (r == nullptr)
        return -1;
    Wechseln(*r);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_OnTabDlgExit(HWND hauptfenster)
{
    Reiter* r = VonHauptfenster(hauptfenster);
    if (r == nullptr)
        return -1;
    Verlassen(*r);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_SetTabIndex(HWND hauptfenster, int32_t tabId, int32_t index)
{
    Reiter* r = VonHauptfenster(hauptfenster);
    if (r == nullptr)
        return -1;
    if (index < 0 || index >= (int)r->seiten.size())
        return 0;
    HWND tab = GetDlgItem(hauptfenster, tabId);
    if (tab == nullptr)
        tab = r->tab;
    SendMessageA(tab, TCM_SETCURSEL, index, 0);
    Wechseln(*r);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXTabCtl_Destroy(HOSTHANDLE handle)
{
    Reiter* r = Finden(handle);
    if (r == nullptr)
        return -1;
    for (Seite& s : r->seiten)
        if (IsWindow(s.fenster))
            DestroyWindow(s.fenster);
    g_reiter.erase(handle);
    return 1;
}
