/*
 * oxhost.cpp - OXHOST.EXE, the stand-in host program.
 *
 *   OXHOST --daten DIR [--modus 1|0] [--ftp SERVER USER PASSWORD]
 *          [--sprache de|nl] [--screenshot DIR] [--importseite]
 *
 * Prepares the host data folder DIR and calls the EDI module as the host
 * does: mode 1 opens the import window, any other mode the export dialog.
 * With --screenshot the program saves a picture of the window (and of each
 * of its tab pages; before the pages after the first, it chooses the first
 * catalogue of a known supplier on the selection page; on the import page
 * it starts the import, which stops at the first row) as BMP files into
 * DIR and closes the window itself. With --importseite the window is left
 * open on the import page, stopped at the first row of that catalogue.
 */
#include "standin.h"
#include "eancom_eingang.h"
#include "etiketten.h"
#include "OXLANGUAGE/oxlanguage_host.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <thread>

static DWORD s_UiThread;

static BOOL CALLBACK SichtbaresFenster(HWND h, LPARAM lp)
{
    if (IsWindowVisible(h)) {
        *(int*)lp = 1;
        return FALSE;
    }
    return TRUE;
}

/* After the call: delivers what the module left for the host (the label
 * printing command) and keeps the viewer windows it opened alive until
 * the user closes them. */
static void FensterOffenHalten(void)
{
    MSG m;
    for (;;) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        int offen = 0;
        EnumThreadWindows(GetCurrentThreadId(), SichtbaresFenster, (LPARAM)&offen);
        if (!offen)
            return;
        WaitMessage();
    }
}

static BOOL CALLBACK ErsterDialog(HWND h, LPARAM lp)
{
    char klasse[32] = "";
    GetClassNameA(h, klasse, sizeof klasse);
    if (IsWindowVisible(h) && strcmp(klasse, "#32770") == 0) {
        *(HWND*)lp = h;
        return FALSE;
    }
    return TRUE;
}

static HWND WarteAufDialog(int ms)
{
    for (int t = 0; t < ms; t += 50) {
        HWND h = nullptr;
        EnumThreadWindows(s_UiThread, ErsterDialog, (LPARAM)&h);
        if (h != nullptr)
            return h;
        Sleep(50);
    }
    return nullptr;
}

/* Saves the window's area of the screen as a 24-bit BMP. */
static int BildSpeichern(HWND fenster, const std::string& datei)
{
    RedrawWindow(fenster, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(400);
    RECT r;
    GetWindowRect(fenster, &r);
    int b = r.right - r.left, h = r.bottom - r.top;
    if (b <= 0 || h <= 0)
        return 0;
    HDC schirm = GetDC(nullptr);
    HDC speicher = CreateCompatibleDC(schirm);
    HBITMAP bild = CreateCompatibleBitmap(schirm, b, h);
    HGDIOBJ alt = SelectObject(speicher, bild);
    BitBlt(speicher, 0, 0, b, h, schirm, r.left, r.top, SRCCOPY);
    SelectObject(speicher, alt);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = b;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    int zeile = ((b * 3 + 3) / 4) * 4;
    std::string pixel((size_t)zeile * h, '\0');
    GetDIBits(speicher, bild, 0, h, pixel.data(), (BITMAPINFO*)&info, DIB_RGB_COLORS);
    DeleteObject(bild);
    DeleteDC(speicher);
    ReleaseDC(nullptr, schirm);

    BITMAPFILEHEADER kopf = {};
    kopf.bfType = 0x4D42;
    kopf.bfOffBits = sizeof kopf + sizeof info;
    kopf.bfSize = kopf.bfOffBits + (DWORD)pixel.size();
    FILE* f = fopen(datei.c_str(), "wb");
    if (f == nullptr)
        return 0;
    fwrite(&kopf, sizeof kopf, 1, f);
    fwrite(&info, sizeof info, 1, f);
    fwrite(pixel.data(), 1, pixel.size(), f);
    fclose(f);
    printf("saved %s\n", datei.c_str());
    return 1;
}

static BOOL CALLBACK AuswahlListeFinden(HWND h, LPARAM lp)
{
    char klasse[32] = "";
    GetClassNameA(h, klasse, sizeof klasse);
    if (GetDlgCtrlID(h) == 1067 && strcmp(klasse, "SysListView32") == 0) {
        *(HWND*)lp = h;
        return FALSE;
    }
    return TRUE;
}

/* Chooses the first catalogue of a known supplier on the selection page,
 * as a click on it would, so that the other pages have rows to show. */
static void KatalogWaehlen(HWND fenster)
{
    HWND liste = nullptr;
    EnumChildWindows(fenster, AuswahlListeFinden, (LPARAM)&liste);
    if (liste == nullptr)
        return;
    int anzahl = (int)SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < anzahl; i++) {
        char lieferant[128] = "";
        LVITEMA item = {};
        item.iSubItem = 2;
        item.pszText = lieferant;
        item.cchTextMax = sizeof lieferant;
        SendMessageA(liste, LVM_GETITEMTEXTA, i, (LPARAM)&item);
        if (lieferant[0] == '\0')
            continue;
        LVITEMA zustand = {};
        zustand.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        zustand.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(liste, LVM_SETITEMSTATE, i, (LPARAM)&zustand);
        NMITEMACTIVATE klick = {};
        klick.hdr.hwndFrom = liste;
        klick.hdr.idFrom = 1067;
        klick.hdr.code = NM_CLICK;
        klick.iItem = i;
        SendMessageA(GetParent(liste), WM_NOTIFY, 1067, (LPARAM)&klick);
        return;
    }
}

static BOOL CALLBACK StartknopfFinden(HWND h, LPARAM lp)
{
    if (GetDlgCtrlID(h) == 1073 && IsWindowVisible(h) && IsWindowVisible(GetParent(h))) {
        *(HWND*)lp = h;
        return FALSE;
    }
    return TRUE;
}

/* On the import page: presses its start button ("Import starten") as a
 * click would, and waits until the run has stopped. */
static void ImportStarten(HWND fenster)
{
    HWND knopf = nullptr;
    EnumChildWindows(fenster, StartknopfFinden, (LPARAM)&knopf);
    if (knopf == nullptr)
        return;
    PostMessageA(knopf, BM_CLICK, 0, 0);
    Sleep(1500);
}

/* Switches the window's tab control to page `seite`, as a click would. */
static void SeiteWaehlen(HWND fenster, int seite)
{
    HWND tab = GetDlgItem(fenster, 1005);
    NMHDR kopf = { tab, 1005, (UINT)TCN_SELCHANGING };
    SendMessageA(fenster, WM_NOTIFY, 1005, (LPARAM)&kopf);
    SendMessageA(tab, TCM_SETCURSEL, seite, 0);
    kopf.code = TCN_SELCHANGE;
    SendMessageA(fenster, WM_NOTIFY, 1005, (LPARAM)&kopf);
}

/* --importseite: the first catalogue of a known supplier read, the import
 * page entered and its run started. */
static void ZurImportseite(void)
{
    HWND fenster = WarteAufDialog(20000);
    if (fenster == nullptr)
        return;
    Sleep(500);
    KatalogWaehlen(fenster);
    SeiteWaehlen(fenster, 1);
    Sleep(300);
    SeiteWaehlen(fenster, 3);
    Sleep(300);
    ImportStarten(fenster);
}

static void Bilder(const std::string& ordner)
{
    HWND fenster = WarteAufDialog(20000);
    if (fenster == nullptr) {
        fprintf(stderr, "no window to take a picture of\n");
        return;
    }
    Sleep(800);
    std::string basis = ordner;
    if (!basis.empty() && basis.back() != '\\' && basis.back() != '/')
        basis += '\\';
    HWND tab = GetDlgItem(fenster, 1005);
    int seiten = tab ? (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0) : 0;
    if (seiten <= 0) {
        BildSpeichern(fenster, basis + "fenster.bmp");
    } else {
        for (int i = 0; i < seiten; i++) {
            /* The selection page is taken with every file listed; then a
             * catalogue is chosen for the pages after it. */
            if (i == 1)
                KatalogWaehlen(fenster);
            SeiteWaehlen(fenster, i);
            Sleep(500);
            if (i == 3)
                ImportStarten(fenster);
            char name[32];
            snprintf(name, sizeof name, "seite%d.bmp", i);
            BildSpeichern(fenster, basis + name);
        }
    }
    /* Close as the user would, answering what the closing may ask. */
    PostMessageA(fenster, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    for (int t = 0; t < 100 && IsWindow(fenster); t++) {
        Sleep(100);
        HWND oben = WarteAufDialog(50);
        if (oben != nullptr && oben != fenster)
            PostMessageA(oben, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

/* Besides the options above: --wareneingang runs the host's goods receipt
 * of the DESADV files in the EDI import folder (Standin_Wareneingang)
 * instead of the module's window. EANCOM files in the import folder are
 * converted by the module itself when its import window opens. */
int main(int argc, char** argv)
{
    bool wareneingang = false;
    std::string daten, bilder, sprache = "de";
    int modus = 1;
    bool importseite = false;
    StandinHost host;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--daten" && i + 1 < argc)
            daten = argv[++i];
        else if (a == "--modus" && i + 1 < argc)
            modus = atoi(argv[++i]);
        else if (a == "--sprache" && i + 1 < argc)
            sprache = argv[++i];
        else if (a == "--wareneingang")
            wareneingang = true;
        else if (a == "--screenshot" && i + 1 < argc)
            bilder = argv[++i];
        else if (a == "--importseite")
            importseite = true;
        else if (a == "--ftp" && i + 3 < argc) {
            host.ftpServer = argv[++i];
            host.ftpBenutzer = argv[++i];
            host.ftpPasswort = argv[++i];
        } else {
            fprintf(stderr, "usage: OXHOST --daten DIR [--modus N] [--ftp SERVER USER PASSWORD]"
                            " [--sprache de|nl] [--screenshot DIR] [--importseite]\n");
            return 2;
        }
    }
    if (daten.empty()) {
        fprintf(stderr, "OXHOST: --daten DIR is required\n");
        return 2;
    }
    if (sprache == "nl") {
        LANGID nl = MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH);
        SetThreadUILanguage(nl);
        SetThreadLocale(MAKELCID(nl, SORT_DEFAULT));
        OXLANGUAGE_SetSprache(OXSPRACHE_NIEDERLAENDISCH);
    }
    InitCommonControls();
    if (!Standin_Init(host, daten)) {
        fprintf(stderr, "OXHOST: cannot use the data folder %s\n", daten.c_str());
        return 1;
    }
    host.uploadBasisPfad = "KIVOLA/EDI/UPLOAD";
    host.uploadZusatz = "ORDANEX";
    host.benutzerKennung = "DEMO";
    host.fenster = Standin_HauptfensterAnlegen();
    Standin_Parameter(host, modus);
    if (wareneingang)
        return Standin_Wareneingang(host) < 0 ? 1 : 0;
    s_UiThread = GetCurrentThreadId();
    std::thread fotograf;
    if (!bilder.empty())
        fotograf = std::thread(Bilder, bilder);
    else if (importseite && modus == 1)
        fotograf = std::thread(ZurImportseite);
    int32_t ergebnis = Standin_Bearbeiten(host);
    if (fotograf.joinable())
        fotograf.join();
    if (bilder.empty())
        FensterOffenHalten();
    printf("KTOXEDI_Bearbeiten returned %ld\n", (long)ergebnis);
    return ergebnis == -2 ? 1 : 0;
}
