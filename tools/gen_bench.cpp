/*
 * gen_bench.cpp - the store at bulk sizes for benchmarks: many articles
 * and EANs written in blocks.
 */
#include "oxgen.h"
#include "DBADLL/dbadll_host.h"

#include <string.h>

#include <algorithm>
#include <vector>

void GenBenchEan(char* ean, int64_t i)
{
    /* "43" and ten digits of the number: far from the model's EANs */
    GenEan13(ean, 430000000000ull + static_cast<uint64_t>(i) % 10000000000ull);
}

int GenBenchLager(int32_t artikel, int32_t eans, int32_t lieferanten)
{
    if (artikel < 1 || eans < 0 || lieferanten < 1)
        return 0;
    const int32_t BLOCK = 50000;
    std::vector<ARTIKEL_SATZ> saetze;
    for (int32_t erster = 1; erster <= artikel; erster += BLOCK) {
        int32_t n = std::min(BLOCK, artikel - erster + 1);
        saetze.assign(static_cast<size_t>(n), ARTIKEL_SATZ{});
        for (int32_t i = 0; i < n; i++) {
            ARTIKEL_SATZ& s = saetze[static_cast<size_t>(i)];
            s.ArtikelNummer = erster + i;
            s.LieferantNummer = 1 + (erster + i) % lieferanten;
            s.Ek1 = s.Ek2 = 1000 + (erster + i) % 5000;
            s.Vk1 = s.Vk2 = 2 * s.Ek1 + 95;
            s.Pflegekennzeichen = 1;
            s.MwstSatz = 2;
        }
        if (ARTLIB_SchreibeArtikelBlock(saetze.data(), n) != n)
            return 0;
    }
    std::vector<EANDATA_ZUORDNUNG> block;
    for (int64_t erster = 0; erster < eans; erster += BLOCK) {
        int32_t n = static_cast<int32_t>(std::min<int64_t>(BLOCK, eans - erster));
        block.assign(static_cast<size_t>(n), EANDATA_ZUORDNUNG{});
        for (int32_t i = 0; i < n; i++) {
            char ean[14];
            GenBenchEan(ean, erster + i);
            memcpy(block[static_cast<size_t>(i)].Ean, ean, sizeof block[0].Ean);
            block[static_cast<size_t>(i)].ArtikelNummer = static_cast<int32_t>(1 + (erster + i) % artikel);
        }
        if (EANDATA_SetArtikelNummernBlock(block.data(), n, 1) != n)
            return 0;
    }
    return 1;
}
