/*
 * viewdll.cpp - the host's print viewer: a top-level window with a copy of
 * a print document, laid out in pages of VIEWER_ZEILEN_JE_SEITE lines and
 * drawn as plain text with a fixed-pitch font; the vertical scroll bar, the
 * wheel and the cursor keys move through it.
 */
#include "VIEWDLL/viewdll_host.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "REPORT/report_host.h"

namespace {

const char KLASSE[] = "OXVIEWER";
HINSTANCE g_Instanz;

struct Ansicht {
    std::vector<std::string> zeilen;    /* the document's lines */
    std::vector<std::string> bild;      /* laid out: page heads, lines, gaps */
    HFONT schrift = nullptr;
    int zeilenHoehe = 16;
    int oben = 0;                       /* first laid-out line on screen */
};

Ansicht* AnsichtVon(HWND fenster)
{
    char klasse[32] = "";
    if (fenster == nullptr || !GetClassNameA(fenster, klasse, sizeof klasse) || std::strcmp(klasse, KLASSE) != 0)
        return nullptr;
    return reinterpret_cast<Ansicht*>(GetWindowLongPtrA(fenster, GWLP_USERDATA));
}

void Auslegen(Ansicht& a)
{
    size_t seiten = (a.zeilen.size() + VIEWER_ZEILEN_JE_SEITE - 1) / VIEWER_ZEILEN_JE_SEITE;
    if (seiten == 0)
        seiten = 1;
    for (size_t s = 0; s < seiten; s++) {
        char kopf[64];
        std::snprintf(kopf, sizeof kopf, "Seite %u von %u", static_cast<unsigned>(s + 1), static_cast<unsigned>(seiten));
        a.bild.push_back(kopf);
        a.bild.push_back(std::string());
        for (size_t i = s * VIEWER_ZEILEN_JE_SEITE; i < a.zeilen.size() && i < (s + 1) * VIEWER_ZEILEN_JE_SEITE; i++)
            a.bild.push_back(a.zeilen[i]);
        a.bild.push_back(std::string());
        a.bild.push_back(std::string(72, '-'));
    }
}

int SichtbareZeilen(HWND fenster, const Ansicht& a)
{
    RECT r;
    GetClientRect(fenster, &r);
    int n = (r.bottom - r.top) / a.zeilenHoehe;
    return n > 1 ? n : 1;
}

void Rollen(HWND fenster, Ansicht& a, int ziel)
{
    int max = static_cast<int>(a.bild.size()) - SichtbareZeilen(fenster, a);
    if (ziel > max)
        ziel = max;
    if (ziel < 0)
        ziel = 0;
    if (ziel != a.oben) {
        a.oben = ziel;
        InvalidateRect(fenster, nullptr, TRUE);
    }
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = static_cast<int>(a.bild.size()) - 1;
    si.nPage = static_cast<UINT>(SichtbareZeilen(fenster, a));
    si.nPos = a.oben;
    SetScrollInfo(fenster, SB_VERT, &si, TRUE);
}

void Zeichnen(HWND fenster, Ansicht& a)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(fenster, &ps);
    HGDIOBJ alt = SelectObject(dc, a.schrift);
    SetBkMode(dc, TRANSPARENT);
    int sichtbar = SichtbareZeilen(fenster, a) + 1;
    for (int i = 0; i < sichtbar && a.oben + i < static_cast<int>(a.bild.size()); i++) {
        const std::string& z = a.bild[static_cast<size_t>(a.oben + i)];
        TextOutA(dc, 8, i * a.zeilenHoehe, z.c_str(), static_cast<int>(z.size()));
    }
    SelectObject(dc, alt);
    EndPaint(fenster, &ps);
}

LRESULT CALLBACK ViewerProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    Ansicht* a = reinterpret_cast<Ansicht*>(GetWindowLongPtrA(fenster, GWLP_USERDATA));
    switch (nachricht) {
    case WM_NCCREATE: {
        const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(fenster, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        break;
    }
    case WM_SIZE:
        if (a)
            Rollen(fenster, *a, a->oben);
        return 0;
    case WM_PAINT:
        if (a) {
            Zeichnen(fenster, *a);
            return 0;
        }
        break;
    case WM_VSCROLL:
        if (a) {
            int ziel = a->oben;
            switch (LOWORD(wParam)) {
            case SB_LINEUP: ziel--; break;
            case SB_LINEDOWN: ziel++; break;
            case SB_PAGEUP: ziel -= SichtbareZeilen(fenster, *a); break;
            case SB_PAGEDOWN: ziel += SichtbareZeilen(fenster, *a); break;
            case SB_TOP: ziel = 0; break;
            case SB_BOTTOM: ziel = static_cast<int>(a->bild.size()); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: ziel = HIWORD(wParam); break;
            }
            Rollen(fenster, *a, ziel);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        if (a) {
            Rollen(fenster, *a, a->oben - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (a) {
            int ziel = a->oben;
            if (wParam == VK_UP) ziel--;
            else if (wParam == VK_DOWN) ziel++;
            else if (wParam == VK_PRIOR) ziel -= SichtbareZeilen(fenster, *a);
            else if (wParam == VK_NEXT) ziel += SichtbareZeilen(fenster, *a);
            else if (wParam == VK_ESCAPE) {
                DestroyWindow(fenster);
                return 0;
            }
            Rollen(fenster, *a, ziel);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (a) {
            if (a->schrift)
                DeleteObject(a->schrift);
            delete a;
            SetWindowLongPtrA(fenster, GWLP_USERDATA, 0);
        }
        break;
    }
    return DefWindowProcA(fenster, nachricht, wParam, lParam);
}

bool KlasseAnmelden()
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(g_Instanz, KLASSE, &wc))
        return true;
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = g_Instanz;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = KLASSE;
    return RegisterClassA(&wc) != 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, LPVOID)
{
    if (grund == DLL_PROCESS_ATTACH)
        g_Instanz = instanz;
    return TRUE;
}

OX_EXTERN_C HWND OXCALL Viewer_CreatePrinterWindow(const char* titel, const B_DOC* dokument, HWND besitzer)
{
    if (dokument == nullptr || !KlasseAnmelden())
        return nullptr;
    Ansicht* a = nullptr;
    try {
        a = new Ansicht;
        int32_t n = B_DOC_AnzahlZeilen(dokument);
        char zeile[256];
        for (int32_t i = 0; i < n; i++)
            if (B_DOC_GetZeile(dokument, i, zeile, sizeof zeile) == 1)
                a->zeilen.push_back(zeile);
        Auslegen(*a);
    } catch (...) {
        delete a;
        return nullptr;
    }
    a->schrift = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    HDC dc = GetDC(nullptr);
    HGDIOBJ alt = SelectObject(dc, a->schrift ? a->schrift : GetStockObject(ANSI_FIXED_FONT));
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm) && tm.tmHeight > 0)
        a->zeilenHoehe = tm.tmHeight + tm.tmExternalLeading;
    SelectObject(dc, alt);
    ReleaseDC(nullptr, dc);
    if (a->schrift == nullptr)
        a->schrift = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    HWND fenster = CreateWindowExA(0, KLASSE, titel ? titel : "", WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                                   CW_USEDEFAULT, 760, 560, besitzer, nullptr, g_Instanz, a);
    if (fenster == nullptr) {
        if (a->schrift)
            DeleteObject(a->schrift);
        delete a;
        return nullptr;
    }
    Rollen(fenster, *a, 0);
    return fenster;
}

OX_EXTERN_C int32_t OXCALL Viewer_AnzahlZeilen(HWND fenster)
{
    Ansicht* a = AnsichtVon(fenster);
    return a ? static_cast<int32_t>(a->zeilen.size()) : -1;
}

OX_EXTERN_C int32_t OXCALL Viewer_GetZeile(HWND fenster, int32_t index, char* puffer, int32_t groesse)
{
    Ansicht* a = AnsichtVon(fenster);
    if (a == nullptr || puffer == nullptr || groesse < 1)
        return -1;
    if (index < 0 || static_cast<size_t>(index) >= a->zeilen.size()) {
        puffer[0] = '\0';
        return 0;
    }
    const std::string& z = a->zeilen[static_cast<size_t>(index)];
    size_t n = z.size() < static_cast<size_t>(groesse - 1) ? z.size() : static_cast<size_t>(groesse - 1);
    std::memcpy(puffer, z.data(), n);
    puffer[n] = '\0';
    return 1;
}
