/*
 * eancom_bench.cpp - speed of the native EANCOM converter on a generated
 * EANCOM PRICAT D.01B of about 25 MB with 32,000 LIN groups (built with
 * host/EANCOM/nativ, run by bench/eancom, which sets the figures beside
 * those of the npm package "edifact" on the same file).
 *
 *   eancom_bench FILE OUTFOLDER    writes FILE when it does not exist, then
 *                                  prints one line per measurement
 */
#include "eancom_lauf.h"
#include "eancom_muster.h"

#include <stdio.h>
#include <sys/stat.h>
#include <time.h>

#include <chrono>
#include <string>
#include <vector>

using namespace eancom;

namespace {

double Jetzt()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

/* processor time of this process: on a loaded machine the wall time also
 * holds the time spent waiting for a core */
double Rechenzeit()
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: eancom_bench FILE OUTFOLDER\n");
        return 2;
    }
    std::string datei = argv[1], ziel = argv[2];
    if (ziel.back() != '/')
        ziel += '/';
    struct stat st;
    if (stat(datei.c_str(), &st) != 0) {
        Schreibweise w;
        MusterPricat p = muster_katalog(7, 2000, 16, 402000000000ull);
        std::string text = muster_interchange({ muster_pricat(p, w) }, w);
        FILE* f = fopen(datei.c_str(), "wb");
        if (f == nullptr || fwrite(text.data(), 1, text.size(), f) != text.size()) {
            fprintf(stderr, "cannot write %s\n", datei.c_str());
            return 1;
        }
        fclose(f);
        stat(datei.c_str(), &st);
    }
    double mb = static_cast<double>(st.st_size) / 1e6;

    /* reading the bytes alone, in blocks as the converter reads them */
    std::vector<char> block(1 << 20);
    double lesen = 1e9;
    unsigned long summe = 0;
    for (int lauf = 0; lauf < 5; lauf++) {
        double t0 = Jetzt();
        FILE* f = fopen(datei.c_str(), "rb");
        size_t n;
        while (f && (n = fread(block.data(), 1, block.size(), f)) > 0)
            summe += static_cast<unsigned char>(block[n - 1]);
        if (f)
            fclose(f);
        lesen = std::min(lesen, Jetzt() - t0);
    }

    /* the whole conversion: parse, map, encipher, write */
    double umsetzen = 1e9, rechnen = 1e9;
    Ergebnis e;
    for (int lauf = 0; lauf < 5; lauf++) {
        double t0 = Jetzt(), c0 = Rechenzeit();
        int r = eancom_datei_umsetzen(datei.c_str(), ziel, e);
        umsetzen = std::min(umsetzen, Jetzt() - t0);
        rechnen = std::min(rechnen, Rechenzeit() - c0);
        if (r != 0) {
            fprintf(stderr, "conversion failed (%d)\n", r);
            for (const std::string& m : e.meldungen)
                fprintf(stderr, "  %s\n", m.c_str());
            return 1;
        }
    }
    printf("file            %.1f MB, %ld LIN groups (checksum %lu)\n", mb, e.variationen, summe % 10);
    printf("read bytes      %8.1f ms  %8.0f MB/s\n", lesen * 1e3, mb / lesen);
    printf("convert         %8.1f ms  %8.0f MB/s  %10.0f LIN groups/s\n", umsetzen * 1e3, mb / umsetzen,
           static_cast<double>(e.variationen) / umsetzen);
    printf("convert (CPU)   %8.1f ms  %8.0f MB/s  %10.0f LIN groups/s\n", rechnen * 1e3, mb / rechnen,
           static_cast<double>(e.variationen) / rechnen);
    printf("convert/read    %8.2f x\n", umsetzen / lesen);
    printf("RESULT convert_ms=%.3f read_ms=%.3f lin=%ld mb=%.3f\n", umsetzen * 1e3, lesen * 1e3, e.variationen, mb);
    return 0;
}
