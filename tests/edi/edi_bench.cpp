/*
 * edi_bench - reading speed of a full catalogue.
 *
 * Writes a catalogue of 32000 variations, then compares
 *   plain:  reading the whole file into memory and first touch of a fresh
 *           row table of 32000 x 2889 bytes (92 MB);
 *   edi:    reading it record by record through the library, decoding each
 *           record and copying it into a fresh row table, as the catalogue
 *           reader of the module does.
 * Prints the best of several runs of each and their ratio.
 *
 *   edi_bench [rows] [runs]
 */
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "edi_hilfen.h"

using namespace edihilfe;
using Uhr = std::chrono::steady_clock;

namespace {

void* (*volatile g_memset)(void*, int, size_t) = std::memset;

double ms_seit(Uhr::time_point t)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

/* Plain read of the file plus first touch of the table. */
double plain(const std::string& pfad, size_t zeilen, long* pruef)
{
    Uhr::time_point t = Uhr::now();
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f)
        return -1;
    std::vector<char> inhalt;
    char puffer[256 * 1024];
    size_t n;
    std::setvbuf(f, nullptr, _IONBF, 0);
    while ((n = std::fread(puffer, 1, sizeof(puffer), f)) > 0)
        inhalt.insert(inhalt.end(), puffer, puffer + n);
    std::fclose(f);
    PRICAT_SATZ* tabelle = static_cast<PRICAT_SATZ*>(std::malloc(zeilen * sizeof(PRICAT_SATZ)));
    /* through a pointer the compiler cannot see through, so that the
     * allocation and the clearing are not merged into a calloc */
    g_memset(tabelle, 0, zeilen * sizeof(PRICAT_SATZ));
    double ms = ms_seit(t);
    *pruef += static_cast<long>(inhalt.size()) + tabelle[zeilen / 2].SatzNummer;
    std::free(tabelle);
    return ms;
}

double edi(const std::string& pfad, size_t zeilen, long* pruef, size_t* gelesen)
{
    Uhr::time_point t = Uhr::now();
    PRICAT_SATZ* tabelle = static_cast<PRICAT_SATZ*>(std::malloc(zeilen * sizeof(PRICAT_SATZ)));
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (!h || !tabelle)
        return -1;
    char satz[EDI_SATZ_GROESSE];
    int32_t sa = 0, na = 0, extra = 0;
    size_t anzahl = 0;
    PRICAT_DATEN d;
    while (anzahl < zeilen &&
           EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof(satz), &sa, &na, &extra,
                                                        "4000000000001") == 1) {
        if (sa != EDI_SATZART_PRICAT || na != EDI_NACHRICHT_PRICAT)
            continue;
        int32_t info = 0;
        if (EDIPRICAT_VerarbeitePRICAT_Satz(satz, na, &info, &d) != 1)
            continue;
        tabelle[anzahl].SatzNummer = static_cast<int32_t>(anzahl);
        tabelle[anzahl].Ausgewaehlt = 1;
        std::memcpy(&tabelle[anzahl].PricatDaten, &d, sizeof(d));
        anzahl++;
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    double ms = ms_seit(t);
    *pruef += tabelle[anzahl / 2].PricatDaten.Ean[3];
    *gelesen = anzahl;
    std::free(tabelle);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    size_t zeilen = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 32000;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 5;
    if (zeilen == 0 || laeufe <= 0)
        return 1;

    std::string pfad = TempDatei("bench.inh");
    {
        std::string d = PricatKopfzeile("4000000000001", "4012345000009");
        for (size_t i = 0; i < zeilen; i++) {
            PRICAT_DATEN v = Variation(static_cast<int>(i));
            EDI_SETZEN(v, Artikelbeschreibung, "Feinstrick-Cardigan mit Perlmuttkn\xF6pfen");
            EDI_SETZEN(v, Groessentext, "Gr\xF6\xDF" "e 40/42");
            d += PricatZeile(v);
        }
        Schreiben(pfad, d);
        std::printf("catalogue: %zu rows, %zu bytes (%.0f bytes per line)\n", zeilen, d.size(),
                    static_cast<double>(d.size()) / static_cast<double>(zeilen + 1));
    }

    long pruef = 0;
    size_t gelesen = 0;
    double bestPlain = 1e30, bestEdi = 1e30;
    for (int i = 0; i < laeufe; i++) {
        double p = plain(pfad, zeilen, &pruef);
        double e = edi(pfad, zeilen, &pruef, &gelesen);
        if (p >= 0 && p < bestPlain)
            bestPlain = p;
        if (e >= 0 && e < bestEdi)
            bestEdi = e;
    }
    std::remove(pfad.c_str());
    if (gelesen != zeilen) {
        std::printf("error: %zu of %zu rows read\n", gelesen, zeilen);
        return 1;
    }
    std::printf("plain read + first touch of %.1f MB rows: %8.2f ms\n",
                static_cast<double>(zeilen * sizeof(PRICAT_SATZ)) / 1e6, bestPlain);
    std::printf("read + decode + store through EDI:       %8.2f ms\n", bestEdi);
    std::printf("ratio: %.2f (goal: 1.50 or less)   [%ld]\n", bestEdi / bestPlain, pruef % 10);
    return 0;
}
