/*
 * dba_bench.cpp - figures of the master-data store: filling, loading and
 * keyed lookups at the sizes a large host has.
 *
 *   dba_bench [articles] [suppliers] [eans] [mappings]
 *   (defaults 100000, 1000, 1000000, 50000)
 *
 * Prints the time per write, the time to load each store into memory
 * (a fresh process's first call) and the time per lookup.
 */
#include "DBADLL/dbadll_host.h"
#include "hilfe.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::time_point seit)
{
    return std::chrono::duration<double>(Uhr::now() - seit).count();
}

void Zeile(const char* was, long n, double sekunden)
{
    std::printf("%-44s %9ld  %9.3f s  %9.2f us each\n", was, n, sekunden, n ? sekunden * 1e6 / n : 0.0);
}

/* A valid EAN-13 for number i. */
std::string Ean(long i)
{
    char s[14];
    std::snprintf(s, sizeof s, "40%010ld", i);
    int summe = 0;
    for (int k = 0; k < 12; ++k) summe += (s[k] - '0') * ((k % 2) ? 3 : 1);
    s[12] = static_cast<char>('0' + (10 - summe % 10) % 10);
    s[13] = 0;
    return s;
}

/* Switches the data folder away and back: the next calls load the stores
 * from disk as a fresh process would. */
void NeuLaden(const std::string& ordner, const std::string& leer)
{
    DBA_SetDatenPfad(leer.c_str());
    DBA_SetDatenPfad(ordner.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    long artikel = argc > 1 ? std::atol(argv[1]) : 100000;
    long lieferanten = argc > 2 ? std::atol(argv[2]) : 1000;
    long eans = argc > 3 ? std::atol(argv[3]) : 1000000;
    long mappings = argc > 4 ? std::atol(argv[4]) : 50000;
    if (lieferanten > DBA_MAX_LIEFERANTEN) lieferanten = DBA_MAX_LIEFERANTEN;
    std::string ordner = NeuerTestOrdner("bench");
    std::string leer = NeuerTestOrdner("bench_leer");
    DBA_SetDatenPfad(ordner.c_str());
    std::printf("data folder %s\n", ordner.c_str());
    std::mt19937 zufall(4711);

    /* ---- filling ---- */
    auto a = std::make_unique<ARTIKEL_SATZ>();
    std::memset(a.get(), 0, sizeof *a);
    Uhr::time_point t = Uhr::now();
    for (long n = 1; n <= artikel; ++n) {
        a->Ek1 = static_cast<int32_t>(n);
        ARTLIB_SchreibeArtikel(static_cast<int32_t>(n), a.get());
    }
    Zeile("write article", artikel, Sekunden(t));

    t = Uhr::now();
    MERKMAL_SATZ m{};
    for (long n = 1; n <= artikel; ++n) {
        std::snprintf(m.Code, sizeof m.Code, "%ld", 1 + n % 999);
        std::snprintf(m.Text, sizeof m.Text, "A%07ld", n);
        MMLIB_MerkmalAnlegen(0, &m);
    }
    Zeile("create article characteristic (kind 0)", artikel, Sekunden(t));

    auto l = std::make_unique<LIEFERANTEN_SATZ>();
    t = Uhr::now();
    for (long n = 1; n <= lieferanten; ++n) {
        LieferantenDBA_ClearRecord(l.get());
        for (int s = 0; s < DBA_ILN_SLOTS; ++s) std::snprintf(l->Iln[s], sizeof l->Iln[s], "4%06ld%06d", n, s);
        LieferantenDBA_SchreibeRecord(static_cast<int32_t>(n), l.get());
    }
    Zeile("write supplier", lieferanten, Sekunden(t));

    t = Uhr::now();
    for (long i = 0; i < eans; ++i)
        EANDATA_SetArtikelNummerOhneMusterID(Ean(i).c_str(), static_cast<int32_t>(1 + i % (artikel ? artikel : 1)), 1);
    Zeile("assign EAN", eans, Sekunden(t));

    const char* iln = "4012345000009";
    EDIMapDBA_MakeEDIMAPMem(iln);
    EDIMAP_SATZ e{};
    t = Uhr::now();
    for (long i = 0; i < mappings; ++i) {
        std::snprintf(e.Schluesselwort, sizeof e.Schluesselwort, "WORT%ld", i);
        e.Nummer = static_cast<int32_t>(i + 1);
        EDIMapDBA_EDIMAPEintragenMem(&e, iln, static_cast<int32_t>(1 + i % 11));
    }
    EDIMapDBA_WriteEDIMAPMem(iln);
    EDIMapDBA_FreeEDIMAPMem();
    Zeile("learn mapping (memory copy, one write)", mappings, Sekunden(t));

    /* ---- loading ---- */
    NeuLaden(ordner, leer);
    t = Uhr::now();
    ARTLIB_LeseArtikel(1, a.get());
    Zeile("load article store", 1, Sekunden(t));
    t = Uhr::now();
    MMLIB_LeseMerkmal(0, 1, &m);
    Zeile("load characteristic store", 1, Sekunden(t));
    t = Uhr::now();
    EANDATA_GetArtikelNummer(Ean(0).c_str(), nullptr);
    Zeile("load EAN index", 1, Sekunden(t));
    t = Uhr::now();
    LieferantenDBA_SucheIln("4000001000000");
    Zeile("load supplier store", 1, Sekunden(t));
    t = Uhr::now();
    EDIMapDBA_MakeEDIMAPMem(iln);
    Zeile("load mapping store + memory copy", 1, Sekunden(t));
    EDIMapDBA_FreeEDIMAPMem();

    /* ---- lookups ---- */
    const long runden = 200000;
    long treffer = 0;
    t = Uhr::now();
    for (long i = 0; i < runden; ++i)
        treffer += ARTLIB_LeseArtikel(static_cast<int32_t>(1 + zufall() % artikel), a.get()) == 1;
    Zeile("read article by number", runden, Sekunden(t));
    std::printf("  found %ld of %ld\n", treffer, runden);

    treffer = 0;
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) treffer += EANDATA_GetArtikelNummer(Ean(static_cast<long>(zufall() % eans)).c_str(), nullptr) > 0;
    Zeile("article of an EAN", runden, Sekunden(t));
    std::printf("  found %ld of %ld\n", treffer, runden);

    treffer = 0;
    char ilnText[16];
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) {
        std::snprintf(ilnText, sizeof ilnText, "4%06ld%06d", static_cast<long>(1 + zufall() % lieferanten), static_cast<int>(zufall() % 10));
        treffer += LieferantenDBA_SucheIln(ilnText) > 0;
    }
    Zeile("supplier of an ILN", runden, Sekunden(t));
    std::printf("  found %ld of %ld\n", treffer, runden);

    HOSTHANDLE h = LieferantenDBA_OpenDBA();
    t = Uhr::now();
    for (int32_t n = 1; n <= DBA_MAX_LIEFERANTEN; ++n) LieferantenDBA_ReadRecord(h, n, l.get());
    Zeile("read supplier records 1..1000 (one scan)", DBA_MAX_LIEFERANTEN, Sekunden(t));
    LieferantenDBA_CloseDBA(h);

    treffer = 0;
    char name[DBA_ARTIKELNAME];
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) {
        long n = 1 + static_cast<long>(zufall() % artikel);
        char code[8], text[16];
        std::snprintf(code, sizeof code, "%ld", 1 + n % 999);
        std::snprintf(text, sizeof text, "A%07ld", n);
        MMLIB_CopyKurzUndLangtext(name, code, text);
        treffer += MMLIB_SucheCode(0, name, nullptr) > 0;
    }
    Zeile("article number of an article name", runden, Sekunden(t));
    std::printf("  found %ld of %ld\n", treffer, runden);

    treffer = 0;
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "A%07ld", static_cast<long>(1 + zufall() % artikel));
        treffer += MMLIB_SucheText(0, text, nullptr) > 0;
    }
    Zeile("characteristic by text", runden, Sekunden(t));

    t = Uhr::now();
    for (long i = 0; i < runden; ++i) MMLIB_LeseMerkmal(0, static_cast<int32_t>(1 + zufall() % artikel), &m);
    Zeile("characteristic by number", runden, Sekunden(t));

    EDIMAP_SATZ gefunden;
    treffer = 0;
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) {
        long k = static_cast<long>(zufall() % mappings);
        char wort[36];
        std::snprintf(wort, sizeof wort, "WORT%ld", k);
        treffer += EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, wort, static_cast<int32_t>(1 + k % 11)) > 0;
    }
    Zeile("mapping search (store, no memory copy)", runden, Sekunden(t));
    std::printf("  found %ld of %ld\n", treffer, runden);
    EDIMapDBA_MakeEDIMAPMem(iln);
    t = Uhr::now();
    for (long i = 0; i < runden; ++i) {
        long k = static_cast<long>(zufall() % mappings);
        char wort[36];
        std::snprintf(wort, sizeof wort, "WORT%ld", k);
        EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, wort, static_cast<int32_t>(1 + k % 11));
    }
    Zeile("mapping search (memory copy)", runden, Sekunden(t));
    return 0;
}
