/*
 * importseite_bench - the import run of the "Importieren" page over a
 * generated catalogue whose keywords are all learnt, stop settings off:
 * one press on "Import starten" runs through every row without a stop
 * (table, article, EAN and learnt mappings of each row written as the page
 * does), until the backup question comes.
 *
 * The catalogue has 2,000 articles x 16 variations (32,000 rows) of one
 * supplier of the data generator. Its characteristics are made in the
 * store and learnt for the supplier first; the articles are not, so the
 * first pass creates them, the second pass (the same catalogue again)
 * finds and corrects them. For each pass: rows, seconds, rows per second.
 *
 *   importseite_bench [articles]     (under wine: tests/wine/run)
 */
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "pricat_in/stichwort.h"
#include "seiten/import_hilfen.h"
#include "seiten/importseite_intern.h"
#include "engine/engine.h"
#include "stichprobe.h"
#include "DBADLL/dbadll_host.h"

using Uhr = std::chrono::steady_clock;

namespace {

constexpr int VARIANTEN = 16;

/* Every keyword of kinds 1..7 and 11 of the catalogue's rows made a
 * characteristic of the store and learnt for the supplier. */
void MerkmaleLernen(const GEN_LIEFERANT& l, int artikel)
{
    std::map<std::pair<int, std::string>, int32_t> bekannt;
    static const int32_t arten[] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    EDIMapDBA_MakeEDIMAPMem(l.Iln);
    for (int i = 0; i < artikel; i++) {
        GEN_ARTIKEL a;
        GenArtikel(7, &l, i, VARIANTEN, 0, &a);
        for (int v = 0; v < a.AnzahlVarianten; v++) {
            PRICAT_DATEN d;
            GenPricatDaten(&l, &a, v, true, &d);
            for (int32_t art : arten) {
                char wort[STICHWORT_GROESSE], code[5] = "", text[36] = "";
                StichwortStandard(art, &d, wort, sizeof wort);
                StichwortZerlegen(wort, code, sizeof code, text, sizeof text);
                auto schluessel = std::make_pair((int)art, std::string(text));
                if (text[0] == '\0' || bekannt.count(schluessel))
                    continue;
                MERKMAL_SATZ m{};
                snprintf(m.Code, sizeof m.Code, "%s", code);
                snprintf(m.Text, sizeof m.Text, "%s", text);
                int32_t nummer = MMLIB_SucheCode(art, code, nullptr);
                if (nummer <= 0)
                    nummer = MMLIB_MerkmalAnlegen(art, &m);
                MMLIB_LeseMerkmal(art, nummer, &m);
                bekannt[schluessel] = nummer;
                EDIMAP_SATZ e{};
                snprintf(e.Schluesselwort, sizeof e.Schluesselwort, "%s", text);
                e.Art = art;
                e.Merkmal = m;
                e.Nummer = nummer;
                EDIMapDBA_EDIMAPEintragenMem(&e, l.Iln, art);
            }
        }
    }
    EDIMapDBA_WriteEDIMAPMem(l.Iln);
    EDIMapDBA_FreeEDIMAPMem();
}

/* CPU seconds this process has used so far (on a shared machine the wall
 * time also holds the waits for the processor). */
double Prozesszeit()
{
    FILETIME a, b, kern, nutzer;
    GetProcessTimes(GetCurrentProcess(), &a, &b, &kern, &nutzer);
    auto s = [](const FILETIME& f) { return ((double)f.dwHighDateTime * 4294967296.0 + f.dwLowDateTime) / 1e7; };
    return s(kern) + s(nutzer);
}

/* One pass: the catalogue chosen, the import page entered with both stops
 * off, one press; the seconds until the backup question (wall and CPU). */
double Durchgang(StandinHost& host, const std::string& datei, int32_t* zeilen, double* cpu)
{
    double sekunden = -1;
    Standin_Parameter(host, 1);
    RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&host.parameter); },
                  [&](Person& p) {
                      HWND w = p.WaitWindow("EDI Import");
                      HWND auswahl = seiten::Seite(w, "Auswahl");
                      p.SelectTab(w, IDC_HW_TAB, 0);
                      p.ListViewClick(auswahl, IDC_AW_LISTE, p.ListViewFind(auswahl, IDC_AW_LISTE, 4, datei));
                      p.SelectTab(w, IDC_HW_TAB, 1);
                      /* 32,000 rows fill the row table: the reader says so. */
                      MessageBoxInfo voll;
                      if (p.MessageBoxAppears(2000, &voll))
                          p.Answer(voll, IDOK);
                      p.SelectTab(w, IDC_HW_TAB, 3);
                      HWND s = seiten::Seite(w, "Importieren");
                      p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
                      p.SetCheck(s, IDC_IP_STOP_VARIATION, false);
                      Uhr::time_point t0 = Uhr::now();
                      double c0 = Prozesszeit();
                      stichprobe::Messen(true);
                      PostMessageA(p.Control(s, IDC_IP_ZUWEISEN), BM_CLICK, 0, 0);
                      MessageBoxInfo box;
                      if (p.MessageBoxAppears(3600 * 1000, &box)) {
                          stichprobe::Messen(false);
                          sekunden = std::chrono::duration<double>(Uhr::now() - t0).count();
                          *cpu = Prozesszeit() - c0;
                          *zeilen = g_Kontext->ImportLauf.Zaehler;
                          p.Answer(box, IDNO);
                      }
                      p.Click(w, IDC_HW_BEENDEN);
                      for (int i = 0; i < 500 && IsWindow(w) && IsWindowVisible(w); i++) {
                          for (HWND h : VisibleWindows(p.UiThread()))
                              if (p.WindowText(h) == "Einzelteil\xe4nderungen und Etiketten") {
                                  p.SetCheck(h, IDC_EA_DURCHFUEHREN, false);
                                  p.Click(h, IDOK);
                              }
                          Sleep(20);
                      }
                  },
                  4 * 3600 * 1000);
    return sekunden;
}

}  // namespace

int main(int argc, char** argv)
{
    int artikel = argc > 1 ? atoi(argv[1]) : 2000;
    if (artikel < 1)
        artikel = 1;
    /* The host, supplier and branch standard of the page's tests. */
    importtest::ImportHost h("importseite_bench");
    const GEN_LIEFERANT& l = h.lieferant;
    h.Katalog("BENCH.INH", artikel, VARIANTEN);
    MerkmaleLernen(l, artikel);
    printf("import page run: %d articles x %d variations = %d rows, all keywords learnt, stops off\n", artikel,
           VARIANTEN, artikel * VARIANTEN);
    const char* namen[] = { "first pass (articles created)", "second pass (articles exist)" };
    /* The split of each pass: what of the run's time lies in the engine's
     * calls (the engine pass over the same rows) and what is the page's
     * own (display, identification, mappings, run control). */
    stichprobe::Aufteilen((DWORD64)(void*)&LaufBefehl,
                          { (DWORD64)(void*)&TabelleFuerZeileBauen, (DWORD64)(void*)&ArtikelAnlegen,
                            (DWORD64)(void*)&EanRegistrieren, (DWORD64)(void*)&EanZuordnen,
                            (DWORD64)(void*)&MerkmalLernen, (DWORD64)(void*)&TabellenMarkieren,
                            (DWORD64)(void*)&MarkierungenFreigeben, (DWORD64)(void*)&MarkierungenVerwerfen,
                            (DWORD64)(void*)&ArtikelAnzeigen, (DWORD64)(void*)&AuftraegeAktualisieren });
    stichprobe::Starten(true);
    for (int pass = 0; pass < 2; pass++) {
        int32_t zeilen = 0;
        double cpu = 0;
        double s = Durchgang(h.host, "BENCH.INH", &zeilen, &cpu);
        if (s < 0) {
            printf("%-32s did not end\n", namen[pass]);
            return 1;
        }
        printf("%-32s %6d rows  %8.2f s  %8.0f rows/s  (CPU %.2f s, %.0f rows per CPU second)\n", namen[pass], zeilen, s,
               zeilen / (s > 0 ? s : 1e-9), cpu, zeilen / (cpu > 0 ? cpu : 1e-9));
        const stichprobe::Zustand& z = stichprobe::G();
        if (z.fensterProben > 0 && z.gruppeProben > 0 && zeilen > 0) {
            double je = s / (double)z.fensterProben;
            double engine = z.gruppeProben * je, seite = (z.laufProben - z.gruppeProben) * je;
            printf("  in one run: engine pass %.2f s, the page's own part %.2f s = %.0f %% of the engine pass "
                   "(goal: at most 30 %%); outside the run %.2f s\n",
                   engine, seite, 100.0 * seite / engine, (z.fensterProben - z.laufProben) * je);
            printf("  module's own code (KTOXEDI, without host libraries): %.2f s = %.0f us per row; "
                   "process CPU %.0f us per row\n",
                   z.eigeneProben * je, 1e6 * z.eigeneProben * je / zeilen, 1e6 * cpu / zeilen);
        }
    }
    stichprobe::Beenden();
    printf("goal: 32,000 rows in under 15 s\n");
    return 0;
}
