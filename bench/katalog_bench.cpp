/*
 * katalog_bench - reading a full catalogue into the row table, and the
 * supplier of an ILN.
 *
 * Writes a catalogue of 32000 variations (about 300 articles, realistic
 * value counts per criterion), then measures in the same run
 *   plain:   reading it record by record through the EDI library and
 *            decoding every record into a row table (what any reader of the
 *            file must do at least);
 *   module:  PricatDateiEinlesen into the call context's row table, with the
 *            filter reset, the row checks and the five value lists (no main
 *            window; the size message that 32000 rows bring is closed at
 *            once by a hook);
 * and prints the best of several runs of each and their ratio (goal 1.5 or
 * less). Then LieferantZuIln against a store of 1000 suppliers with ten ILN
 * slots each: a hit in the last slot of the last record, and a miss.
 *
 *   katalog_bench [rows] [runs]       (under wine: tests/wine/run)
 */
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "edi/edi_hilfen.h"
#include "kontext/ktoxedi.h"
#include "hostapi/dbadll.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "pricat_in/katalog.h"
#include "standin.h"

using namespace edihilfe;
using Uhr = std::chrono::steady_clock;

namespace {

int g_Meldungen = 0;
Uhr::time_point g_MeldungAb;

double ms_seit(Uhr::time_point t)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

/* Closes every message box of this thread as soon as it is activated. */
LRESULT CALLBACK MeldungSchliessen(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        char klasse[16] = "";
        GetClassNameA((HWND)wParam, klasse, sizeof klasse);
        if (std::strcmp(klasse, "#32770") == 0) {
            g_Meldungen++;
            g_MeldungAb = Uhr::now();
        }
    } else if (code == HCBT_ACTIVATE) {
        PostMessageA((HWND)wParam, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

/* Read + decode into `tabelle`, the least any reader of the file does. */
double Schlicht(const std::string& pfad, PRICAT_SATZ* tabelle, size_t zeilen, size_t* gelesen)
{
    Uhr::time_point t = Uhr::now();
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (!h)
        return -1;
    char satz[EDI_SATZ_GROESSE];
    int32_t sa = 0, na = 0, extra = 0;
    size_t anzahl = 0;
    while (anzahl < zeilen &&
           EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof satz, &sa, &na, &extra, "") == 1) {
        if (sa != EDI_SATZART_PRICAT || na != EDI_NACHRICHT_PRICAT)
            continue;
        int32_t info = 0;
        if (EDIPRICAT_VerarbeitePRICAT_Satz(satz, na, &info, &tabelle[anzahl].PricatDaten) != 1)
            continue;
        tabelle[anzahl].SatzNummer = static_cast<int32_t>(anzahl);
        tabelle[anzahl].Ausgewaehlt = 1;
        anzahl++;
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    *gelesen = anzahl;
    return ms_seit(t);
}

/* PricatDateiEinlesen; `meldung` gets the part spent from the size
 * message's window on (0 without one). */
double Modul(int32_t* gelesen, double* meldung)
{
    int vorher = g_Meldungen;
    Uhr::time_point t = Uhr::now();
    PricatDateiEinlesen(nullptr);
    double ms = ms_seit(t);
    *meldung = g_Meldungen != vorher ? ms_seit(g_MeldungAb) : 0;
    *gelesen = g_Kontext->AnzahlSaetzeGesamt;
    return ms;
}

/* A catalogue variation: ~300 articles of 108 variations, 12 main
 * groups, 40 product groups, 25 series, 30 labels, 15 materials. */
PRICAT_DATEN Variation(size_t i)
{
    PRICAT_DATEN v = edihilfe::Variation(static_cast<int>(i));
    size_t artikel = i / 108;
    char t[80];
    std::snprintf(t, sizeof t, "%zu@Hauptgruppe %zu", artikel % 12, artikel % 12);
    EDI_SETZEN(v, Hauptgruppe, t);
    std::snprintf(t, sizeof t, "%zu@Warengruppe %zu", artikel % 40, artikel % 40);
    EDI_SETZEN(v, Warengruppe, t);
    std::snprintf(t, sizeof t, "Serie %zu", artikel % 25);
    EDI_SETZEN(v, Serie, t);
    std::snprintf(t, sizeof t, "%zu@Label %zu", artikel % 30, artikel % 30);
    EDI_SETZEN(v, Label, t);
    std::snprintf(t, sizeof t, "Material %zu", artikel % 15);
    EDI_SETZEN(v, Material, t);
    EDI_SETZEN(v, Artikelbeschreibung, "Feinstrick-Cardigan mit Perlmuttkn\xF6pfen");
    return v;
}

void Lieferanten(int anzahl)
{
    for (int n = 1; n <= anzahl; n++) {
        LIEFERANTEN_SATZ s;
        LieferantenDBA_ClearRecord(&s);
        std::snprintf(s.Name, sizeof s.Name, "Lieferant %d", n);
        for (int slot = 0; slot < DBA_ILN_SLOTS; slot++)
            std::snprintf(s.Iln[slot], sizeof s.Iln[slot], "40%05d%06d", n, slot);
        LieferantenDBA_SchreibeRecord(n, &s);
    }
}

} // namespace

int main(int argc, char** argv)
{
    size_t zeilen = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 32000;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 5;
    if (zeilen == 0 || laeufe <= 0)
        return 1;

    g_ModulInstanz = GetModuleHandleA(nullptr);
    std::string ordner = TempDatei("katalog_bench") + "\\";
    StandinHost host;
    if (Standin_Init(host, ordner + "DATEN\\") != 1)
        return 1;
    Standin_Parameter(host, 1);
    EDI_KONTEXT* k = static_cast<EDI_KONTEXT*>(Storage_Allocate(sizeof(EDI_KONTEXT)));
    if (k == nullptr)
        return 1;
    KontextAusParameterFuellen(k, &host.parameter);
    g_Kontext = k;
    HHOOK haken = SetWindowsHookExA(WH_CBT, MeldungSchliessen, nullptr, GetCurrentThreadId());

    std::string pfad = ordner + "BENCH.INH";
    {
        std::string d = PricatKopfzeile("4012345000009", "4000000000001", "Bench");
        for (size_t i = 0; i < zeilen; i++)
            d += PricatZeile(Variation(i));
        Schreiben(pfad, d);
        std::printf("catalogue: %zu rows, %zu bytes\n", zeilen, d.size());
    }
    std::strcpy(k->AusgewaehlteDatei, pfad.c_str());

    std::vector<PRICAT_SATZ> tabelle(zeilen);
    size_t schlichtGelesen = 0;
    int32_t modulGelesen = 0;
    double bestSchlicht = 1e30, bestModul = 1e30, ersterModul = -1, meldung = 0;
    for (int i = 0; i < laeufe; i++) {
        double s = Schlicht(pfad, tabelle.data(), zeilen, &schlichtGelesen);
        double mMeldung = 0;
        double m = Modul(&modulGelesen, &mMeldung);
        if (ersterModul < 0)
            ersterModul = m;
        if (s >= 0 && s < bestSchlicht)
            bestSchlicht = s;
        if (m < bestModul) {
            bestModul = m;
            meldung = mMeldung;
        }
    }
    size_t erwartet = zeilen < (size_t)PRICAT_ZEILEN_MAX ? zeilen : (size_t)PRICAT_ZEILEN_MAX;
    if (schlichtGelesen != zeilen || static_cast<size_t>(modulGelesen) != erwartet) {
        std::printf("error: %zu / %d of %zu rows read\n", schlichtGelesen, modulGelesen, zeilen);
        return 1;
    }
    std::printf("values listed: %d %d %d %d %d; size messages shown: %d of %d runs\n", k->FilterWerte[0].Anzahl,
                k->FilterWerte[1].Anzahl, k->FilterWerte[2].Anzahl, k->FilterWerte[3].Anzahl,
                k->FilterWerte[4].Anzahl, g_Meldungen, laeufe);
    std::printf("read + decode into a row table:      %8.2f ms\n", bestSchlicht);
    std::printf("PricatDateiEinlesen:                 %8.2f ms (of which the size message %.2f ms;"
                " first run, fresh table: %.2f ms)\n", bestModul, meldung, ersterModul);
    std::printf("ratio: %.2f (goal: 1.50 or less); without the size message on screen: %.2f\n",
                bestModul / bestSchlicht, (bestModul - meldung) / bestSchlicht);

    Lieferanten(DBA_MAX_LIEFERANTEN);
    const char* treffer = "4001000000009";   /* last slot of supplier 1000 */
    const char* fehlt = "4099999999999";
    int32_t nummer = 0;
    double bestTreffer = 1e30, bestFehlt = 1e30;
    for (int i = 0; i < laeufe; i++) {
        Uhr::time_point t = Uhr::now();
        nummer = LieferantZuIln(treffer);
        bestTreffer = std::min(bestTreffer, ms_seit(t));
        t = Uhr::now();
        if (LieferantZuIln(fehlt) != 0)
            return 1;
        bestFehlt = std::min(bestFehlt, ms_seit(t));
    }
    if (nummer != DBA_MAX_LIEFERANTEN) {
        std::printf("error: supplier %d found\n", nummer);
        return 1;
    }
    std::printf("LieferantZuIln, 1000 suppliers: hit in the last slot %.2f ms, miss %.2f ms\n", bestTreffer,
                bestFehlt);

    UnhookWindowsHookEx(haken);
    g_Kontext = nullptr;
    Storage_Deallocate(k);
    DeleteFileA(pfad.c_str());
    return 0;
}
