/*
 * etiketten.cpp - label file, label printing and the price-change list
 * print of the stand-in host (see etiketten.h).
 */
#include "etiketten.h"
#include "callbacks.h"
#include "DBADLL/dbadll_host.h"
#include "FILEIO/fileio_host.h"
#include "hostapi/ktlisten.h"
#include "hostapi/oxinifile.h"
#include "REPORT/report_host.h"
#include "hostapi/viewdll.h"

#include <stdio.h>
#include <string.h>

#include <mutex>
#include <set>
#include <string>
#include <vector>

long g_StandinEtikettenGedruckt;

namespace {

std::mutex g_Sperre;
std::set<int32_t> g_OffeneDateien;
std::string g_LetzteDatei;

std::string Preis(int32_t hundertstel)
{
    char text[32];
    long long wert = hundertstel;
    const char* vorzeichen = wert < 0 ? "-" : "";
    if (wert < 0)
        wert = -wert;
    snprintf(text, sizeof text, "%s%lld,%02lld", vorzeichen, wert / 100, wert % 100);
    return text;
}

bool Offen(int32_t handle)
{
    std::lock_guard<std::mutex> lock(g_Sperre);
    return g_OffeneDateien.count(handle) != 0;
}

int32_t WINAPI ZeileAnhaengen(void* element, void* parameter)
{
    B_DOC* dokument = static_cast<B_DOC*>(parameter);
    const PREISAENDERUNG_ELEMENT* e = static_cast<const PREISAENDERUNG_ELEMENT*>(element);
    if (e != nullptr)
        B_DOC_AddZeile(dokument, Etiketten_PreislisteZeile(*e).c_str());
    return 1;
}

/* One label line split into its numbers; false for a line of another kind. */
bool EtikettLesen(const std::string& zeile, ETIKETT_ANFORDERUNG& a)
{
    long teil, ek1, filiale, filiale2, wert, wert2;
    if (sscanf(zeile.c_str(), "ETIKETT;%ld;%ld;%ld;%ld;%ld;%ld", &teil, &ek1, &filiale, &filiale2, &wert, &wert2) != 6)
        return false;
    memset(&a, 0, sizeof a);
    a.TeilNummer = (int32_t)teil;
    a.Ek1 = (int32_t)ek1;
    a.Filiale = (int32_t)filiale;
    a.Filiale2 = (int32_t)filiale2;
    a.Wert = (int32_t)wert;
    a.Wert2 = (int32_t)wert2;
    return true;
}

LRESULT CALLBACK HauptfensterProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    if (nachricht == WM_COMMAND && LOWORD(wParam) == STANDIN_BEFEHL_ETIKETTEN) {
        Etiketten_Drucken(fenster);
        return 0;
    }
    return DefWindowProcA(fenster, nachricht, wParam, lParam);
}

}  // namespace

std::string Etiketten_DateiName(const char* datei)
{
    if (datei != nullptr && datei[0] != '\0')
        return datei;
    char ordner[OX_TXT_PATH] = "";
    DBA_GetDatenPfad(ordner, sizeof ordner);
    std::string name = ordner;
    if (!name.empty() && name.back() != '\\' && name.back() != '/')
        name += '\\';
    return name + STANDIN_ETIKETTENDATEI;
}

int32_t Etiketten_DateiOeffnen(const char* datei, int32_t modus)
{
    std::string name = Etiketten_DateiName(datei);
    HOSTHANDLE h = -1;
    if (modus == 1 && FileIO_Exist(name.c_str()))
        h = FileIO_OpenRWS(name.c_str());
    else
        h = FileIO_CreateRWS(name.c_str());
    if (h <= 0)
        return 0;
    FileIO_SetPosFromEnd(h, 0);
    std::lock_guard<std::mutex> lock(g_Sperre);
    g_OffeneDateien.insert(h);
    g_LetzteDatei = name;
    return h;
}

int32_t Etiketten_DateiSchliessen(int32_t handle)
{
    {
        std::lock_guard<std::mutex> lock(g_Sperre);
        if (g_OffeneDateien.erase(handle) == 0)
            return 0;
    }
    FileIO_Close(handle);
    return 1;
}

int32_t Etiketten_Schreiben(int32_t handle, const ETIKETT_ANFORDERUNG* a)
{
    if (a == nullptr || !Offen(handle))
        return 0;
    char zeile[160];
    int n = snprintf(zeile, sizeof zeile, "ETIKETT;%ld;%ld;%ld;%ld;%ld;%ld\r\n", (long)a->TeilNummer, (long)a->Ek1,
                     (long)a->Filiale, (long)a->Filiale2, (long)a->Wert, (long)a->Wert2);
    return FileIO_Write(handle, zeile, n) == n ? 1 : 0;
}

std::string Etiketten_PreislisteZeile(const PREISAENDERUNG_ELEMENT& e)
{
    char zeile[256];
    snprintf(zeile, sizeof zeile, "%8ld %8ld %4ld %10s %10s %10s %10s %10s %10s %10s %10s", (long)e.TeilNummer,
             (long)e.Nachher.ArtikelNummer, (long)e.Nachher.Filiale, Preis(e.Vorher.Ek1).c_str(),
             Preis(e.Nachher.Ek1).c_str(), Preis(e.Vorher.Ek2).c_str(), Preis(e.Nachher.Ek2).c_str(),
             Preis(e.Vorher.Vk1).c_str(), Preis(e.Nachher.Vk1).c_str(), Preis(e.Vorher.Vk2).c_str(),
             Preis(e.Nachher.Vk2).c_str());
    return zeile;
}

int32_t Etiketten_PreislisteFuellen(HWND, B_DOC* dokument, HOSTHANDLE liste)
{
    if (dokument == nullptr)
        return -1;
    int32_t anzahl = List_Count(liste);
    if (anzahl < 0)
        return -1;
    B_DOC_AddZeile(dokument, "Preis\xe4nderungsliste");
    B_DOC_AddZeile(dokument, "");
    char kopf[256];
    snprintf(kopf, sizeof kopf, "%8s %8s %4s %10s %10s %10s %10s %10s %10s %10s %10s", "Teil", "Artikel", "Fil.",
             "EK1 alt", "EK1 neu", "EK2 alt", "EK2 neu", "VK1 alt", "VK1 neu", "VK2 alt", "VK2 neu");
    B_DOC_AddZeile(dokument, kopf);
    if (anzahl > 0)
        List_WithAllElements(liste, ZeileAnhaengen, dokument);
    char schluss[64];
    snprintf(schluss, sizeof schluss, "%ld Einzelteile", (long)anzahl);
    B_DOC_AddZeile(dokument, "");
    B_DOC_AddZeile(dokument, schluss);
    return anzahl;
}

int32_t Etiketten_Drucken(HWND besitzer)
{
    std::string name;
    {
        std::lock_guard<std::mutex> lock(g_Sperre);
        name = g_LetzteDatei;
    }
    if (name.empty())
        name = Etiketten_DateiName(nullptr);
    HOSTHANDLE h = FileIO_OpenRWS(name.c_str());
    if (h <= 0)
        return 0;
    std::string inhalt;
    char block[4096];
    int32_t n;
    while ((n = FileIO_Read(h, block, sizeof block)) > 0)
        inhalt.append(block, (size_t)n);
    std::vector<ETIKETT_ANFORDERUNG> etiketten;
    size_t start = 0;
    while (start < inhalt.size()) {
        size_t ende = inhalt.find('\n', start);
        if (ende == std::string::npos)
            ende = inhalt.size();
        ETIKETT_ANFORDERUNG a;
        if (EtikettLesen(inhalt.substr(start, ende - start), a))
            etiketten.push_back(a);
        start = ende + 1;
    }
    if (!etiketten.empty()) {
        B_DOC* dokument = B_DOC_NewDocument("ETIKETTEN", besitzer);
        for (const ETIKETT_ANFORDERUNG& a : etiketten) {
            EINZELTEIL_SATZ teil;
            int32_t vk1 = DATABASE_ReadEinzelteil(a.TeilNummer, &teil) == 1 ? teil.Vk1 : 0;
            char zeile[160];
            snprintf(zeile, sizeof zeile, "Teil %ld  Filiale %ld  EK1 %s  VK1 %s", (long)a.TeilNummer, (long)a.Filiale,
                     Preis(a.Ek1).c_str(), Preis(vk1).c_str());
            B_DOC_AddZeile(dokument, zeile);
        }
        HWND ansicht = Viewer_CreatePrinterWindow(STANDIN_ETIKETTEN_TITEL, dokument, besitzer);
        B_DOC_DestroyDocument(dokument);
        if (ansicht != nullptr) {
            ShowWindow(ansicht, SW_SHOWNORMAL);
            UpdateWindow(ansicht);
        }
        /* Printed: the file starts empty for the next labels. */
        FileIO_SetPos(h, 0);
        FileIO_SetEnd(h);
        g_StandinEtikettenGedruckt += (long)etiketten.size();
    }
    FileIO_Close(h);
    return (int32_t)etiketten.size();
}

HWND Standin_HauptfensterAnlegen(void)
{
    static const char KLASSE[] = "OXHOST_HAUPTFENSTER";
    HINSTANCE instanz = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instanz, KLASSE, &wc)) {
        wc.lpfnWndProc = HauptfensterProc;
        wc.hInstance = instanz;
        wc.lpszClassName = KLASSE;
        if (!RegisterClassA(&wc))
            return nullptr;
    }
    return CreateWindowExA(0, KLASSE, "ORDANEX", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr,
                           nullptr, instanz, nullptr);
}
