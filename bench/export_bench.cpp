/*
 * export_bench - speed of the article export.
 *
 * Builds a store of one supplier with 2,000 articles x 16 variations
 * (4 sizes x 4 colours, EANs for every cell), then in one run:
 *   export: PricatExportieren for that supplier (32,000 records written,
 *           the whole run: export list, article, table and EAN reads,
 *           record building, enciphering, writing, renaming);
 *   reads:  the host reads the export cannot do without, alone: the export
 *           list (callbacks 17/18) and per article its record, its host
 *           record (15), its table (03) and its EANs, through the same calls;
 *   raw:    writing the same bytes (the catalogue the export made) into a
 *           new file of the same folder through the same file library in
 *           256 KB pieces (as the export's write buffer does), and the same
 *           bytes one record line per write.
 * Prints the best of several runs of each, the ratio export/raw, and the
 * ratio of the export's own part (export minus reads) to raw. Then the same
 * once more after the articles' EAN files are removed, which shows the
 * writer apart from the cost of opening one EAN file per article.
 *
 *   export_bench [articles] [runs]
 */
#include "exportlager.h"

#include "harness/testordner.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "pricat_out/exportnamen.h"
#include "pricat_out/pricatexport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using Uhr = std::chrono::steady_clock;

static double MsSeit(Uhr::time_point t)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

static int32_t OXCALL EanZaehlen(void* liste, const EANARTIKEL_SATZ*)
{
    ++*static_cast<long*>(liste);
    return 1;
}

/* Time per kind of host read, summed over all rounds: article record,
 * host record (15), table (03), EAN file. */
static double gAnteil[4];
static int gArtikel = 2000;

/* The reads of the host's data that the export makes, without building or
 * writing anything. */
static double HostLesen(EDI_KONTEXT* k, long* pruef)
{
    static OXTABELLE tabelle;
    Uhr::time_point t = Uhr::now();
    const HOST_EXPORTLISTE* liste = k->HostFunktion17(0);
    HOSTHANDLE h = ARTLIB_OeffneDatenbank();
    for (int32_t i = 0; liste != nullptr && i < liste->Anzahl; ++i) {
        ARTIKEL_SATZ a;
        MERKMAL_SATZ m;
        int32_t nr = liste->Eintrag[i].ArtikelNummer;
        Uhr::time_point t0 = Uhr::now();
        *pruef += ARTLIB_ReadArtikel(h, nr, &a);
        Uhr::time_point t1 = Uhr::now();
        *pruef += k->HostFunktion15(0, nr, &m);
        Uhr::time_point t2 = Uhr::now();
        *pruef += k->HostFunktion03(nr, &tabelle, nullptr);
        Uhr::time_point t3 = Uhr::now();
        EANARTIKEL_LoadArtikelEANs_EX(nr, pruef, EanZaehlen);
        gAnteil[0] += std::chrono::duration<double, std::milli>(t1 - t0).count();
        gAnteil[1] += std::chrono::duration<double, std::milli>(t2 - t1).count();
        gAnteil[2] += std::chrono::duration<double, std::milli>(t3 - t2).count();
        gAnteil[3] += MsSeit(t3);
    }
    ARTLIB_SchliesseDatenbank(h);
    k->HostFunktion18(0);
    return MsSeit(t);
}

static double RohSchreiben(const std::string& pfad, const std::string& inhalt, const std::vector<size_t>& zeilen)
{
    Uhr::time_point t = Uhr::now();
    HOSTHANDLE h = FileIO_CreateRWS(pfad.c_str());
    if (zeilen.empty()) {
        const size_t stueck = 256 * 1024;
        for (size_t i = 0; i < inhalt.size(); i += stueck) {
            size_t n = std::min(stueck, inhalt.size() - i);
            FileIO_Write(h, inhalt.data() + i, (int32_t)n);
        }
    } else {
        size_t i = 0;
        for (size_t n : zeilen) {
            FileIO_Write(h, inhalt.data() + i, (int32_t)n);
            i += n;
        }
    }
    FileIO_Close(h);
    return MsSeit(t);
}

/* The four measurements alternate, so that a change of the machine's load
 * during the run hits them alike; the best of each is kept. */
static void Messen(ExportLager& lager, const char* katalog, int laeufe)
{
    double besterExport = 1e30, besteReads = 1e30, besterRoh = 1e30, besterRohZeilen = 1e30;
    long pruef = 0;
    std::string inhalt;
    std::vector<size_t> zeilen;
    std::string roh = lager.exportOrdner + "ROH.DAT";
    for (int i = 0; i < laeufe + 1; ++i) {
        Uhr::time_point t = Uhr::now();
        int32_t r = PricatExportieren(nullptr, "0001", "", nullptr);
        double ms = MsSeit(t);
        if (r != 1) {
            std::printf("export failed\n");
            return;
        }
        if (i == 0) {
            /* The first round warms the caches and gives the bytes. */
            inhalt = DateiLesen(katalog);
            for (size_t j = 0, start = 0; j < inhalt.size(); ++j)
                if (inhalt[j] == '\n') {
                    zeilen.push_back(j + 1 - start);
                    start = j + 1;
                }
        }
        double reads = HostLesen(lager.kontext, &pruef);
        double a = RohSchreiben(roh, inhalt, {});
        double b = RohSchreiben(roh, inhalt, zeilen);
        if (i > 0) {
            besterExport = std::min(besterExport, ms);
            besteReads = std::min(besteReads, reads);
            besterRoh = std::min(besterRoh, a);
            besterRohZeilen = std::min(besterRohZeilen, b);
        }
    }
    std::printf("host reads per article over %d rounds: article %.3f ms, host record %.3f ms, table %.3f ms, EANs %.3f ms\n",
                laeufe + 1, gAnteil[0] / (laeufe + 1) / gArtikel, gAnteil[1] / (laeufe + 1) / gArtikel,
                gAnteil[2] / (laeufe + 1) / gArtikel, gAnteil[3] / (laeufe + 1) / gArtikel);
    for (double& a : gAnteil) a = 0;
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(katalog);
    std::printf("catalogue: %zu records, %zu lines, %.1f MB\n", saetze.size(), zeilen.size(),
                inhalt.size() / 1048576.0);
    std::printf("export (best of %d):                 %8.1f ms  %6.1f MB/s\n", laeufe, besterExport,
                inhalt.size() / 1048576.0 / (besterExport / 1000));
    std::printf("host reads alone (best):             %8.1f ms  (check %ld)\n", besteReads, pruef);
    std::printf("raw write, 256 KB pieces (best):     %8.1f ms  ratio export/raw %.2f, own part/raw %.2f\n",
                besterRoh, besterExport / besterRoh, (besterExport - besteReads) / besterRoh);
    std::printf("raw write, one line per write (best): %7.1f ms  ratio export/raw %.2f, own part/raw %.2f\n",
                besterRohZeilen, besterExport / besterRohZeilen, (besterExport - besteReads) / besterRohZeilen);
}

int main(int argc, char** argv)
{
    int artikel = argc > 1 ? std::atoi(argv[1]) : 2000;
    gArtikel = artikel > 0 ? artikel : 1;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 5;
    ExportLager lager;
    LagerAnlegen(lager, "export_bench");
    Uhr::time_point t = Uhr::now();
    DemoLager demo = DemoLagerErzeugen(1, artikel, 4, 4, 2026);
    std::printf("store: 1 supplier, %d articles x 16 variations, made in %.0f ms\n", artikel, MsSeit(t));

    MERKMAL_SATZ m{};
    MMLIB_LeseMerkmal(8, demo.lieferanten[0], &m);
    char katalog[260];
    ExportKatalogPfad(katalog, sizeof katalog, lager.exportOrdner.c_str(), Feld(m.Text, sizeof m.Text).c_str(), "");

    Messen(lager, katalog, laeufe);
    for (int32_t nr : demo.artikel[0]) {
        char name[260];
        if (EANARTIKEL_CreateFileName(nr, name, 0) == 1)
            FileIO_DeleteFile(name);
    }
    std::printf("\nthe same store without EAN files:\n");
    Messen(lager, katalog, laeufe);
    LagerFreigeben(lager);
    return 0;
}
