/*
 * seiten_bench - the pages of the main import window under load.
 *
 *   filter:  one filter run of the "Filter" page over 32,000 rows with a
 *            value chosen for all five criteria that every row has (the
 *            worst case: every row is compared on every criterion), against
 *            the same run through the row table's value rule per row and
 *            criterion (goal: below 5 ms per run);
 *   list:    entering the "Filter" page with 32,000 rows read (its list,
 *            combos and counts filled) and drawing it once, against filling
 *            an ordinary list view with 32,000 items the way a page would
 *            without the virtual list;
 *   files:   filling the "Auswahl" list from an import folder of 200
 *            catalogue files of 50 suppliers, the list drawn: the first
 *            listing of a call, listed again and for one supplier (the
 *            headers kept since) (goal: below 20 ms).
 * Prints the best and the median of several runs.
 *
 *   seiten_bench [runs]       (under wine: tests/wine/run)
 */
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "edi/edi_hilfen.h"
#include "kontext/ktoxedi.h"
#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxlistvw.h"
#include "seiten/auswahlseite.h"
#include "seiten/filterseite.h"
#include "seiten/seiten.h"
#include "pricat_in/katalog.h"
#include "pricat_in/kopfspeicher.h"
#include "resources/resource.h"
#include "standin.h"

using Uhr = std::chrono::steady_clock;

namespace {

double ms_seit(Uhr::time_point t)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

struct Zeiten {
    double best, median;
};

Zeiten Messen(int laeufe, const std::function<void()>& vorher, const std::function<void()>& lauf)
{
    std::vector<double> ms;
    for (int i = 0; i < laeufe; i++) {
        vorher();
        Uhr::time_point t = Uhr::now();
        lauf();
        ms.push_back(ms_seit(t));
    }
    std::sort(ms.begin(), ms.end());
    return Zeiten{ ms.front(), ms[ms.size() / 2] };
}

void Zeigen(const char* was, const Zeiten& z)
{
    std::printf("  %-58s best %9.3f ms   median %9.3f ms\n", was, z.best, z.median);
}

/* 32,000 rows of about 300 articles; the five criteria hold one common
 * value each (keys before "@" differ, texts after it are equal). */
void ZeilenFuellen(EDI_KONTEXT* k)
{
    for (int i = 0; i < PRICAT_ZEILEN_MAX; i++) {
        PRICAT_SATZ& z = k->PricatTabelle[i];
        z.SatzNummer = i;
        z.Ausgewaehlt = 1;
        z.PricatDaten = edihilfe::Variation(i);
        char t[40];
        std::snprintf(t, sizeof t, "%d@DOB", 1 + i % 7);
        EDI_SETZEN(z.PricatDaten, Hauptgruppe, t);
        if (i % 3 == 0) {
            EDI_SETZEN(z.PricatDaten, Warengruppe, "");
            EDI_SETZEN(z.PricatDaten, WarengruppeErsatz1, "31@Strick");
        }
    }
    k->AnzahlSaetzeGesamt = k->AnzahlSaetze = PRICAT_ZEILEN_MAX;
    k->AnzahlGefiltert = 0;
    /* The value lists and the value index as reading the file makes them. */
    for (int i = 0; i < FILTER_KRITERIEN; i++)
        std::memset(&k->FilterWerte[i], 0, sizeof k->FilterWerte[i]);
    for (int z = 0; z < PRICAT_ZEILEN_MAX; z++)
        for (int kr = 1; kr <= FILTER_KRITERIEN; kr++) {
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertDerZeile(&k->PricatTabelle[z].PricatDaten, kr, wert);
            FilterwertEintragen(&k->FilterWerte[kr - 1], wert);
        }
    const char* wahl[FILTER_KRITERIEN] = { "DOB", "Strick", "Basic", "Nordlicht", "Baumwolle" };
    for (int i = 0; i < FILTER_KRITERIEN; i++)
        std::strcpy(k->FilterWerte[i].Auswahl.Text, wahl[i]);
    k->FilterIndexGueltig = 0;
}

void AlleWaehlen(EDI_KONTEXT* k)
{
    for (int i = 0; i < PRICAT_ZEILEN_MAX; i++)
        k->PricatTabelle[i].Ausgewaehlt = 1;
    k->AnzahlSaetze = PRICAT_ZEILEN_MAX;
}

/* The same filter run through the value rule of the row table. */
int32_t FilterUeberWertregel(EDI_KONTEXT* k)
{
    int32_t bleiben = 0;
    for (int i = 0; i < PRICAT_ZEILEN_MAX; i++) {
        PRICAT_SATZ& z = k->PricatTabelle[i];
        for (int kr = 1; kr <= FILTER_KRITERIEN && z.Ausgewaehlt; kr++) {
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertDerZeile(&z.PricatDaten, kr, wert);
            if (std::strcmp(wert, k->FilterWerte[kr - 1].Auswahl.Text) != 0)
                z.Ausgewaehlt = 0;
        }
        bleiben += z.Ausgewaehlt;
    }
    return bleiben;
}

HWND Elternfenster()
{
    return CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

/* Page `vorlage` of the module with `proc` as a shown child of `eltern`;
 * null (and a message) when it cannot be made. */
HWND SeiteMachen(int vorlage, DLGPROC proc, HWND eltern, const char* name)
{
    HWND seite = CreateDialogParamA(g_ModulInstanz, MAKEINTRESOURCEA(vorlage), eltern, proc, 0);
    if (seite == nullptr)
        std::fprintf(stderr, "the %s page cannot be made\n", name);
    else
        ShowWindow(seite, SW_SHOW);
    return seite;
}

void Pumpen()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

/* An ordinary report list view in a window that answers its text requests
 * from the row table. */
LRESULT CALLBACK TexteGeben(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    if (nachricht == WM_NOTIFY && ((NMHDR*)lParam)->code == LVN_GETDISPINFOA) {
        NMLVDISPINFOA* info = (NMLVDISPINFOA*)lParam;
        if (info->item.mask & LVIF_TEXT)
            FilterZellText(&g_Kontext->PricatTabelle[info->item.lParam].PricatDaten, info->item.iSubItem,
                           info->item.pszText, (size_t)info->item.cchTextMax);
        return 0;
    }
    return DefWindowProcA(fenster, nachricht, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    int laeufe = argc > 1 ? std::atoi(argv[1]) : 15;
    if (laeufe < 3)
        laeufe = 3;
    InitCommonControls();
    g_ModulInstanz = GetModuleHandleA(nullptr);
    g_StandinStill = 1;
    std::string wurzel = NeuerTestordner("seiten_bench");
    StandinHost host;
    Standin_Init(host, wurzel + "DATEN\\");
    Standin_Parameter(host, 1);
    EDI_KONTEXT* k = (EDI_KONTEXT*)Storage_Allocate((int32_t)sizeof(EDI_KONTEXT));
    if (k == nullptr) {
        std::fprintf(stderr, "no memory for the call context\n");
        return 1;
    }
    KontextAusParameterFuellen(k, &host.parameter);
    g_Kontext = k;

    std::printf("filter: 32,000 rows, a value chosen for all five criteria, every row passes\n");
    ZeilenFuellen(k);
    Uhr::time_point t = Uhr::now();
    FilterIndexAufbauen();
    std::printf("  value index of the rows (made once after reading): %.3f ms\n", ms_seit(t));
    int32_t bleiben = 0;
    Zeiten seite = Messen(laeufe * 4, [&] { AlleWaehlen(k); }, [&] { bleiben = FilterAnwenden(); });
    Zeigen("filter page run (places in the value lists compared)", seite);
    int32_t vergleich = 0;
    Zeiten regel = Messen(laeufe, [&] { AlleWaehlen(k); }, [&] { vergleich = FilterUeberWertregel(k); });
    Zeigen("the same through the value rule per row and criterion", regel);
    std::printf("  rows left: %ld / %ld%s\n", (long)bleiben, (long)vergleich,
                bleiben == vergleich ? "" : "   MISMATCH");
    /* Half the rows go on the first criterion. */
    for (int i = 0; i < PRICAT_ZEILEN_MAX; i += 2)
        EDI_SETZEN(k->PricatTabelle[i].PricatDaten, Hauptgruppe, "2@HAKA");
    FilterwertEintragen(&k->FilterWerte[0], "HAKA");
    FilterIndexAufbauen();
    Zeiten haelfte = Messen(laeufe * 4, [&] { AlleWaehlen(k); }, [&] { bleiben = FilterAnwenden(); });
    Zeigen("filter page run, half the rows fail the first criterion", haelfte);

    std::printf("list: entering the filter page with 32,000 rows\n");
    /* The page is made on an empty table (its first init reads nothing). */
    k->AnzahlSaetzeGesamt = k->AnzahlSaetze = 0;
    HWND eltern = Elternfenster();
    k->HauptFenster = eltern;
    HWND seiteFenster = SeiteMachen(IDD_SEITE_FILTER, g_FilterSeite.Prozedur, eltern, "filter");
    if (seiteFenster == nullptr)
        return 1;
    Pumpen();
    ZeilenFuellen(k);
    k->DateiGelesen = 1;
    k->AktuellerLieferant = 17;
    std::strcpy(k->AusgewaehlteDatei, "X.INH");
    Zeiten init = Messen(laeufe, [&] { Pumpen(); }, [&] { g_FilterSeite.Initialisieren(seiteFenster, eltern, 1, 0); });
    Zeigen("page init: list of 32,000 lines, combos, counts", init);
    Zeiten malen = Messen(laeufe, [&] { InvalidateRect(seiteFenster, nullptr, TRUE); },
                          [&] { UpdateWindow(seiteFenster); RedrawWindow(seiteFenster, nullptr, nullptr,
                                                                         RDW_UPDATENOW | RDW_ALLCHILDREN); });
    Zeigen("drawing the page once", malen);
    Zeiten sortieren = Messen(3, [] {}, [&] { FilterAnzeigeSortieren(0, 0); });
    Zeigen("sorting the 32,000 lines by article", sortieren);
    DestroyWindow(seiteFenster);

    WNDCLASSA klasse = {};
    klasse.lpfnWndProc = TexteGeben;
    klasse.hInstance = GetModuleHandleA(nullptr);
    klasse.lpszClassName = "SeitenBench";
    RegisterClassA(&klasse);
    HWND halter = CreateWindowExA(0, "SeitenBench", "", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND liste = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 880, 580, halter,
                                 (HMENU)1, GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < FILTER_SPALTEN; i++)
        OXListView_AddColWidthText(liste, i, "Spalte", 60, nullptr, nullptr);
    int eigene = laeufe < 5 ? laeufe : 5;
    Zeiten gewoehnlich = Messen(
        eigene, [&] { SendMessageA(liste, LVM_DELETEALLITEMS, 0, 0); Pumpen(); },
        [&] {
            SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
            for (int i = 0; i < PRICAT_ZEILEN_MAX; i++)
                OXListView_InsertItemCallback(liste, i, (LPARAM)i);
            SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
            UpdateWindow(liste);
        });
    Zeigen("ordinary list view: 32,000 items inserted", gewoehnlich);
    DestroyWindow(halter);

    std::printf("files: the selection list of 200 catalogue files of 50 suppliers\n");
    std::string ordner = wurzel + "EDI_IMPORT\\";
    CreateDirectoryA(ordner.c_str(), nullptr);
    for (int l = 1; l <= 50; l++) {
        LIEFERANTEN_SATZ s;
        LieferantenDBA_ClearRecord(&s);
        char iln[16], name[32];
        std::snprintf(iln, sizeof iln, "40100000%05d", l);
        std::snprintf(name, sizeof name, "Lieferant %d", l);
        EDI_SETZEN(s, Name, name);
        edihilfe::Setzen(s.Iln[9], sizeof s.Iln[9], iln);
        LieferantenDBA_SchreibeRecord(l, &s);
        MERKMAL_SATZ m;
        std::memset(&m, 0, sizeof m);
        m.Nummer = l;
        m.Art = 8;
        EDI_SETZEN(m, Code, std::to_string(l));
        EDI_SETZEN(m, Text, name);
        MMLIB_SchreibeMerkmal(8, &m);
    }
    for (int d = 0; d < 200; d++) {
        char iln[16], datei[64], beschreibung[32];
        std::snprintf(iln, sizeof iln, "40100000%05d", 1 + d % 50);
        std::snprintf(datei, sizeof datei, "KATALOG%03d.%s", d, d % 4 == 3 ? "PRI" : "INH");
        std::snprintf(beschreibung, sizeof beschreibung, "Kollektion %d", d);
        PRICAT_DATEN z = edihilfe::Variation(d);
        EDI_SETZEN(z, LieferantenIln, iln);
        edihilfe::Schreiben(ordner + datei, edihilfe::PricatKopfzeile(iln, "4000000000001", beschreibung) +
                                                edihilfe::PricatZeile(z));
    }
    std::strcpy(k->EdiImportPfad, ordner.c_str());
    /* The page's own dialog, so that drawing the list asks the page for
     * the shown rows' texts (a row's header is read when it is shown). */
    halter = Elternfenster();
    HWND auswahl = SeiteMachen(IDD_SEITE_AUSWAHL, g_AuswahlSeite.Prozedur, halter, "selection");
    if (auswahl == nullptr)
        return 1;
    liste = GetDlgItem(auswahl, IDC_AW_LISTE);
    for (int i = 0; i < 5; i++)
        OXListView_AddColWidthText(liste, i, "Spalte", 100, nullptr, nullptr);
    Pumpen();
    int32_t anzahl = 0;
    auto fuellenUndZeichnen = [&](int32_t lieferant) {
        anzahl = AuswahlListeFuellen(liste, lieferant);
        UpdateWindow(liste);
    };
    Zeiten erste = Messen(laeufe, [] { KopfSpeicherLeeren(); }, [&] { fuellenUndZeichnen(0); });
    std::printf("  (%ld files listed, the list drawn)\n", (long)anzahl);
    Zeigen("all suppliers, first listing of the call", erste);
    Zeiten alle = Messen(laeufe, [] {}, [&] { fuellenUndZeichnen(0); });
    Zeigen("all suppliers, listed again (headers kept)", alle);
    Zeiten einer = Messen(laeufe, [] {}, [&] { fuellenUndZeichnen(50); });
    std::printf("  (%ld files listed)\n", (long)anzahl);
    Zeigen("supplier 50 (ILN in the last slot of the last record)", einer);
    DestroyWindow(auswahl);
    DestroyWindow(halter);

    g_Kontext = nullptr;
    Storage_Deallocate(k);
    return 0;
}
