/*
 * edi_lager_bench - figures of the EDI record library and of the
 * master-data store at a large host's sizes (prints figures; not a test).
 *
 * 1. A catalogue of 32,000 rows of the generator's model (realistic texts,
 *    every field filled as a supplier fills it), in one run each, best of
 *    several runs:
 *      write    every record enciphered through the library and the file
 *               written (the records themselves are made beforehand);
 *      raw      the same bytes written plainly, for comparison;
 *      plain    the file's bytes read into memory;
 *      plain+t  the same plus the first touch of a fresh 32,000-row table
 *               (32,000 x 2,889 bytes = 92 MB), which any reader must fill;
 *      decode   the file read record by record through the library, every
 *               record decoded and copied into a fresh row table, as the
 *               module's catalogue reader does;
 *    with MB/s of the file's bytes, and the ratios decode / plain+t (the
 *    goal: 1.5 or less) and decode / plain.
 * 2. (Windows build) A store of 100,000 articles and 1,000,000 EANs, made
 *    once with the store's block writes in the temp folder
 *    (oxbench_lager_<articles>_<eans>) and reused by later runs: the time
 *    to make it (when made), to load each index (a fresh process's first
 *    call), and 100,000 article lookups by number and 100,000 EAN lookups
 *    (90 % assigned EANs, 10 % unknown ones).
 *
 *   edi_lager_bench [rows] [runs] [articles] [eans]
 *   under wine:  WINEPREFIX=... tests/wine/run build/<dir>/bin/edi_lager_bench.exe
 *   natively (part 1 only):
 *     g++ -O2 -std=c++20 -Isrc -Itools -Ihost/EDI bench/edi_lager_bench.cpp \
 *         tools/gen_modell.cpp host/EDI/edi_zeile.cpp host/EDI/edi_saetze.cpp \
 *         host/EDI/edi_leser.cpp host/EDI/edi_api.cpp -o /tmp/edi_lager_bench
 */
#include "hostapi/edi.h"
#include "oxgen.h"

#if defined(_WIN32)
#include <windows.h>
#include "DBADLL/dbadll_host.h"
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::time_point seit)
{
    return std::chrono::duration<double>(Uhr::now() - seit).count();
}

/* Clearing through a pointer the compiler cannot see through, so that the
 * first touch is not turned into a calloc. */
void* (*volatile g_Fuellen)(void*, int, size_t) = std::memset;

std::string TempOrdner()
{
#if defined(_WIN32)
    char pfad[MAX_PATH];
    DWORD n = GetTempPathA(sizeof pfad, pfad);
    return n > 0 && n < sizeof pfad ? std::string(pfad) : std::string(".\\");
#else
    const char* t = std::getenv("TMPDIR");
    return std::string(t && *t ? t : "/tmp") + "/";
#endif
}

/* ---- 1. the catalogue ------------------------------------------------------ */

struct Katalog {
    std::vector<PRICAT_DATEN> saetze;
    std::string kopf;
};

Katalog Machen(size_t zeilen)
{
    Katalog k;
    GEN_LIEFERANT l;
    GenLieferant(1, 1, &l);
    GEN_ARTIKEL* a = new GEN_ARTIKEL;
    k.saetze.resize(zeilen);
    int32_t index = -1, v = 0;
    a->AnzahlVarianten = 0;
    for (size_t i = 0; i < zeilen; i++) {
        if (v >= a->AnzahlVarianten) {
            GenArtikel(1, &l, ++index, 12, 5, a);
            v = 0;
        }
        GenPricatDaten(&l, a, v++, false, &k.saetze[i]);
    }
    delete a;
    EDI_KOPFSATZ kopf;
    std::memset(&kopf, 0, sizeof kopf);
    std::strcpy(kopf.Nachricht, "PRICAT");
    std::strcpy(kopf.AbsenderIln, l.Iln);
    std::strcpy(kopf.PartnerIln, l.Iln);
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_BTEPRI_SatzErstellen(aus, &kopf);
    k.kopf.assign(aus, n > 0 ? static_cast<size_t>(n) : 0);
    return k;
}

/* Enciphers and writes the catalogue; returns the seconds, -1 on failure. */
double Schreiben(const Katalog& k, const std::string& pfad, size_t* bytes)
{
    Uhr::time_point t = Uhr::now();
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f)
        return -1;
    std::vector<char> puffer(1 << 20);
    size_t voll = 0;
    *bytes = 0;
    auto ablegen = [&](const char* daten, size_t n) {
        if (voll + n > puffer.size()) {
            std::fwrite(puffer.data(), 1, voll, f);
            voll = 0;
        }
        std::memcpy(puffer.data() + voll, daten, n);
        voll += n;
        *bytes += n;
    };
    ablegen(k.kopf.data(), k.kopf.size());
    char aus[EDI_AUSGABE_GROESSE];
    for (const PRICAT_DATEN& d : k.saetze) {
        int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(aus, &d, 0, nullptr);
        if (n <= 0) {
            std::fclose(f);
            return -1;
        }
        ablegen(aus, static_cast<size_t>(n));
    }
    std::fwrite(puffer.data(), 1, voll, f);
    std::fclose(f);
    return Sekunden(t);
}

double RohSchreiben(const std::vector<char>& inhalt, const std::string& pfad)
{
    Uhr::time_point t = Uhr::now();
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f)
        return -1;
    for (size_t p = 0; p < inhalt.size(); p += 1 << 20)
        std::fwrite(inhalt.data() + p, 1, std::min<size_t>(1 << 20, inhalt.size() - p), f);
    std::fclose(f);
    return Sekunden(t);
}

/* The file's bytes into memory. */
double Lesen(const std::string& pfad, std::vector<char>* inhalt)
{
    Uhr::time_point t = Uhr::now();
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f)
        return -1;
    std::setvbuf(f, nullptr, _IONBF, 0);
    std::fseek(f, 0, SEEK_END);
    long groesse = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    inhalt->resize(groesse > 0 ? static_cast<size_t>(groesse) : 0);
    size_t gelesen = 0, n;
    while (gelesen < inhalt->size() &&
           (n = std::fread(inhalt->data() + gelesen, 1, std::min<size_t>(1 << 20, inhalt->size() - gelesen), f)) > 0)
        gelesen += n;
    std::fclose(f);
    return gelesen == inhalt->size() ? Sekunden(t) : -1;
}

double LesenUndBeruehren(const std::string& pfad, size_t zeilen, long* pruef)
{
    Uhr::time_point t = Uhr::now();
    std::vector<char> inhalt;
    if (Lesen(pfad, &inhalt) < 0)
        return -1;
    PRICAT_SATZ* tabelle = static_cast<PRICAT_SATZ*>(std::malloc(zeilen * sizeof(PRICAT_SATZ)));
    if (!tabelle)
        return -1;
    g_Fuellen(tabelle, 0, zeilen * sizeof(PRICAT_SATZ));
    double s = Sekunden(t);
    *pruef += tabelle[zeilen / 2].SatzNummer + static_cast<long>(inhalt.size() % 7);
    std::free(tabelle);
    return s;
}

double Dekodieren(const std::string& pfad, size_t zeilen, size_t* anzahl, long* pruef)
{
    Uhr::time_point t = Uhr::now();
    PRICAT_SATZ* tabelle = static_cast<PRICAT_SATZ*>(std::malloc(zeilen * sizeof(PRICAT_SATZ)));
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (!tabelle || h == 0) {
        std::free(tabelle);
        return -1;
    }
    char satz[EDI_SATZ_GROESSE];
    int32_t sa = 0, na = 0, zusatz = 0, info = 0;
    PRICAT_DATEN d;
    size_t n = 0;
    while (n < zeilen && EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof satz, &sa, &na, &zusatz,
                                                                     nullptr) == 1) {
        if (sa != EDI_SATZART_PRICAT || na != EDI_NACHRICHT_PRICAT ||
            EDIPRICAT_VerarbeitePRICAT_Satz(satz, na, &info, &d) != 1 || std::strlen(d.LieferantenIln) != 13)
            continue;
        tabelle[n].SatzNummer = static_cast<int32_t>(n);
        tabelle[n].Ausgewaehlt = 1;
        std::memcpy(&tabelle[n].PricatDaten, &d, sizeof d);
        n++;
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    double s = Sekunden(t);
    *anzahl = n;
    *pruef += n ? tabelle[n / 2].PricatDaten.Ean[5] : 0;
    std::free(tabelle);
    return s;
}

void Bestes(double* bestes, double s)
{
    if (s >= 0 && (*bestes < 0 || s < *bestes))
        *bestes = s;
}

int KatalogTeil(size_t zeilen, int laeufe)
{
    std::printf("== catalogue of %zu rows, best of %d runs\n", zeilen, laeufe);
    Katalog k = Machen(zeilen);
    std::string pfad = TempOrdner() + "edi_lager_bench.inh";
    std::string roh = TempOrdner() + "edi_lager_bench.roh";
    double schreiben = -1, rohSchreiben = -1, plain = -1, plainT = -1, dekodieren = -1;
    size_t bytes = 0, gelesen = 0;
    long pruef = 0;
    std::vector<char> inhalt;
    for (int i = 0; i < laeufe; i++) {
        Bestes(&schreiben, Schreiben(k, pfad, &bytes));
        if (i == 0 && Lesen(pfad, &inhalt) < 0)
            return 1;
        Bestes(&rohSchreiben, RohSchreiben(inhalt, roh));
        std::vector<char> wieder;
        Bestes(&plain, Lesen(pfad, &wieder));
        Bestes(&plainT, LesenUndBeruehren(pfad, zeilen, &pruef));
        Bestes(&dekodieren, Dekodieren(pfad, zeilen, &gelesen, &pruef));
    }
    std::remove(pfad.c_str());
    std::remove(roh.c_str());
    if (gelesen != zeilen || schreiben < 0 || plain < 0 || plainT < 0 || dekodieren < 0) {
        std::printf("error: %zu of %zu rows read back\n", gelesen, zeilen);
        return 1;
    }
    double mb = static_cast<double>(bytes) / 1e6;
    std::printf("file: %.1f MB, %.0f bytes per line; row table %.1f MB\n", mb,
                static_cast<double>(bytes) / static_cast<double>(zeilen + 1),
                static_cast<double>(zeilen * sizeof(PRICAT_SATZ)) / 1e6);
    auto zeile = [&](const char* was, double s) {
        std::printf("  %-52s %9.1f ms  %8.1f MB/s\n", was, s * 1e3, mb / s);
    };
    zeile("write: encipher every record + write the file", schreiben);
    zeile("raw write of the same bytes", rohSchreiben);
    zeile("plain read of the bytes", plain);
    zeile("plain read + first touch of the row table", plainT);
    zeile("read + decode every record into the row table", dekodieren);
    std::printf("  ratio decode / (plain read + first touch): %.2f  (goal 1.50 or less)\n", dekodieren / plainT);
    std::printf("  ratio decode / plain read:                 %.2f   [%ld]\n", dekodieren / plain, pruef % 10);
    return 0;
}

/* ---- 2. the store ------------------------------------------------------------ */

#if defined(_WIN32)
int LagerTeil(int32_t artikel, int32_t eans)
{
    std::printf("== store of %d articles and %d EANs\n", artikel, eans);
    char name[64];
    std::snprintf(name, sizeof name, "oxbench_lager_%d_%d\\", artikel, eans);
    std::string ordner = TempOrdner() + name;
    std::string leer = TempOrdner() + "oxbench_lager_leer\\";
    if (DBA_SetDatenPfad(ordner.c_str()) != 1) {
        std::printf("error: no store in %s\n", ordner.c_str());
        return 1;
    }
    std::printf("store folder %s\n", ordner.c_str());
    if (ARTLIB_AnzahlArtikel() != artikel || EANDATA_Anzahl() != eans) {
        Uhr::time_point t = Uhr::now();
        if (!GenBenchLager(artikel, eans, 1000)) {
            std::printf("error: the store could not be filled\n");
            return 1;
        }
        std::printf("  made it with block writes:                %9.2f s\n", Sekunden(t));
    } else {
        std::printf("  reused the store of an earlier run\n");
    }
    /* away and back: the next calls load the indexes from the files */
    DBA_SetDatenPfad(leer.c_str());
    DBA_SetDatenPfad(ordner.c_str());
    ARTIKEL_SATZ a;
    Uhr::time_point t = Uhr::now();
    ARTLIB_LeseArtikel(1, &a);
    std::printf("  load the article index (first call):     %9.1f ms\n", Sekunden(t) * 1e3);
    char ean[14];
    GenBenchEan(ean, 0);
    t = Uhr::now();
    EANDATA_GetArtikelNummer(ean, nullptr);
    std::printf("  load the EAN index (first call):         %9.1f ms\n", Sekunden(t) * 1e3);

    const int32_t runden = 100000;
    GEN_ZUFALL z;
    GenZufallStart(&z, 4711);
    std::vector<int32_t> nummern(runden);
    for (int32_t& n : nummern)
        n = 1 + static_cast<int32_t>(GenZufallBis(&z, static_cast<uint32_t>(artikel)));
    int32_t treffer = 0;
    t = Uhr::now();
    for (int32_t n : nummern)
        treffer += ARTLIB_LeseArtikel(n, &a) == 1 && a.ArtikelNummer == n;
    double s = Sekunden(t);
    std::printf("  %d article lookups by number:        %9.1f ms  %6.2f us each  (%d found)\n", runden, s * 1e3,
                s * 1e6 / runden, treffer);

    /* 90 % assigned EANs, 10 % unknown */
    std::vector<std::string> texte(runden);
    std::vector<int32_t> soll(runden);
    for (int32_t i = 0; i < runden; i++) {
        int64_t k = static_cast<int64_t>(GenZufallBis(&z, static_cast<uint32_t>(eans)));
        bool bekannt = i % 10 != 0;
        GenBenchEan(ean, bekannt ? k : eans + k);
        texte[i] = ean;
        soll[i] = bekannt ? static_cast<int32_t>(1 + k % artikel) : 0;
    }
    treffer = 0;
    int32_t richtig = 0;
    t = Uhr::now();
    for (int32_t i = 0; i < runden; i++) {
        int32_t n = EANDATA_GetArtikelNummer(texte[i].c_str(), nullptr);
        treffer += n > 0;
        richtig += n == soll[i];
    }
    s = Sekunden(t);
    std::printf("  %d EAN lookups:                      %9.1f ms  %6.2f us each  (%d found, %d as expected)\n",
                runden, s * 1e3, s * 1e6 / runden, treffer, richtig);
    return richtig == runden ? 0 : 1;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    size_t zeilen = argc > 1 ? static_cast<size_t>(std::atol(argv[1])) : 32000;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 5;
    if (zeilen == 0 || laeufe < 1)
        return 2;
    int r = KatalogTeil(zeilen, laeufe);
#if defined(_WIN32)
    int32_t artikel = argc > 3 ? std::atoi(argv[3]) : 100000;
    int32_t eans = argc > 4 ? std::atoi(argv[4]) : 1000000;
    if (artikel > 0 && eans >= 0)
        r |= LagerTeil(artikel, eans);
#endif
    return r;
}
