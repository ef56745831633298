/*
 * dba_lese_bench.cpp - per-call figures of the master-data reads the article
 * export makes for every article: the article record, its characteristic
 * (the host record), its size/colour table and its EAN list, plus the EAN
 * lookup for one variation.
 *
 *   dba_lese_bench [articles] [rounds]     (defaults 2000, 5)
 *
 * Fills a fresh data folder with `articles` articles of 16 variations
 * each (a 4 x 4 table, 16 EAN entries). Then per kind of read:
 *   cold: the first call after the stores were let go (as the first call
 *         of a fresh process: the store is opened and loaded);
 *   warm: the time per call cycling through all articles, best round of
 *         `rounds`, every call on another article than the one before.
 * Also the EAN read of an article that has no EAN entries.
 */
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "hilfe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Us(Uhr::time_point seit)
{
    return std::chrono::duration<double, std::micro>(Uhr::now() - seit).count();
}

std::string Ean(long i)
{
    char s[14];
    std::snprintf(s, sizeof s, "41%010ld", i);
    int summe = 0;
    for (int k = 0; k < 12; ++k) summe += (s[k] - '0') * ((k % 2) ? 3 : 1);
    s[12] = static_cast<char>('0' + (10 - summe % 10) % 10);
    s[13] = 0;
    return s;
}

struct EanListe {
    std::vector<EANARTIKEL_SATZ> eintraege;
    size_t lesen = 0;
    long gezaehlt = 0;
};

const EANARTIKEL_SATZ* OXCALL Naechster(void* liste)
{
    EanListe* l = static_cast<EanListe*>(liste);
    return l->lesen < l->eintraege.size() ? &l->eintraege[l->lesen++] : nullptr;
}

int32_t OXCALL Zaehlen(void* liste, const EANARTIKEL_SATZ*)
{
    ++static_cast<EanListe*>(liste)->gezaehlt;
    return 1;
}

const char* kGroessen[4] = {"36", "38", "40", "42"};
const char* kFarben[4] = {"ROT", "BLAU", "GRUE", "GELB"};

void Fuellen(long artikel)
{
    std::vector<ARTIKEL_SATZ> block(static_cast<size_t>(artikel));
    for (long n = 1; n <= artikel; ++n) {
        ARTIKEL_SATZ& a = block[static_cast<size_t>(n - 1)];
        std::memset(&a, 0, sizeof a);
        a.ArtikelNummer = static_cast<int32_t>(n);
        a.Ek1 = static_cast<int32_t>(n);
        MERKMAL_SATZ m{};
        std::snprintf(m.Code, sizeof m.Code, "12");
        std::snprintf(m.Text, sizeof m.Text, "%ld", n);
        MMLIB_MerkmalAnlegen(0, &m);
    }
    ARTLIB_SchreibeArtikelBlock(block.data(), static_cast<int32_t>(artikel));

    auto t = std::make_unique<OXTABELLE>();
    EanListe liste;
    liste.eintraege.resize(16);
    for (long n = 1; n <= artikel; ++n) {
        TAB_ClearTabelle(t.get(), 0);
        t->Kopf = TAB_KOPF_LEER;
        t->ArtikelNummer = static_cast<int32_t>(n);
        t->MerkmalSenkrecht = 7;
        t->MerkmalWaagrecht = 6;
        for (int i = 0; i < 4; ++i) {
            TAB_SetMerkmalCR(t.get(), 1, i, 100 + i);
            TAB_SetMerkmalCR(t.get(), 0, i, 200 + i);
            TAB_SetWaagrechtFarbText(t.get(), i, kFarben[i]);
            TAB_PREISE p{1000 + i, 900, 0, 2000 + i, 1900, 0};
            TAB_SetPreiseToRow(t.get(), i, &p);
        }
        TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, static_cast<int32_t>(n), t.get());
        for (int i = 0; i < 16; ++i) {
            EANARTIKEL_SATZ& e = liste.eintraege[static_cast<size_t>(i)];
            std::memset(&e, 0, sizeof e);
            std::snprintf(e.Merkmal[7], sizeof e.Merkmal[7], "%s", kGroessen[i / 4]);
            std::snprintf(e.Merkmal[6], sizeof e.Merkmal[6], "%s", kFarben[i % 4]);
            std::snprintf(e.Ean, sizeof e.Ean, "%s", Ean(n * 16 + i).c_str());
            std::snprintf(e.Text, sizeof e.Text, "Artikel %ld", n);
        }
        liste.lesen = 0;
        EANARTIKEL_SaveArtikelEANs_EX(static_cast<int32_t>(n), &liste, Naechster);
    }
}

/* Lets every store go, so that the next call of each kind opens and loads
 * its store as a fresh process would. */
void Loslassen(const std::string& ordner, const std::string& leer)
{
    TAB_SpeicherSchliessen();
    DBA_SetDatenPfad(leer.c_str());
    DBA_SetDatenPfad(ordner.c_str());
}

enum Art { ARTIKEL, MERKMAL, TABELLE, EANLISTE, EANSUCHE, EANLEER, ARTEN };
const char* kNamen[ARTEN] = {
    "ARTLIB_ReadArtikel",
    "MMLIB_LeseMerkmal (host record, 15)",
    "TAB_LeseTabelle (table, 03)",
    "EANARTIKEL_LoadArtikelEANs_EX",
    "EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden",
    "EANARTIKEL_LoadArtikelEANs_EX, no entries",
};

struct Lauf {
    HOSTHANDLE artikel = -1;
    std::unique_ptr<ARTIKEL_SATZ> a = std::make_unique<ARTIKEL_SATZ>();
    std::unique_ptr<OXTABELLE> t = std::make_unique<OXTABELLE>();
    EanListe liste;
    EANARTIKEL_SATZ muster{};
    long pruef = 0;
};

/* One read of kind `art` for article `n` (of `artikel`). */
void Lesen(Lauf& l, int art, long n, long artikel)
{
    int32_t nr = static_cast<int32_t>(n);
    switch (art) {
    case ARTIKEL:
        l.pruef += ARTLIB_ReadArtikel(l.artikel, nr, l.a.get());
        break;
    case MERKMAL: {
        MERKMAL_SATZ m;
        l.pruef += MMLIB_LeseMerkmal(0, nr, &m);
        break;
    }
    case TABELLE:
        l.pruef += TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, nr, l.t.get(), nullptr);
        break;
    case EANLISTE:
        l.pruef += EANARTIKEL_LoadArtikelEANs_EX(nr, &l.liste, Zaehlen);
        break;
    case EANSUCHE: {
        char ean[OX_TXT_ILN];
        std::snprintf(l.muster.Merkmal[7], sizeof l.muster.Merkmal[7], "%s", kGroessen[n % 4]);
        std::snprintf(l.muster.Merkmal[6], sizeof l.muster.Merkmal[6], "%s", kFarben[(n / 4) % 4]);
        l.pruef += EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(nr, "", &l.muster, ean);
        break;
    }
    case EANLEER:
        l.pruef += EANARTIKEL_LoadArtikelEANs_EX(nr + static_cast<int32_t>(artikel), &l.liste, Zaehlen);
        break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    long artikel = argc > 1 ? std::atol(argv[1]) : 2000;
    int runden = argc > 2 ? std::atoi(argv[2]) : 5;
    if (artikel < 2) artikel = 2;
    if (runden < 1) runden = 1;
    std::string ordner = NeuerTestOrdner("lesen");
    std::string leer = NeuerTestOrdner("lesen_leer");
    DBA_SetDatenPfad(ordner.c_str());
    Uhr::time_point t = Uhr::now();
    Fuellen(artikel);
    std::printf("data folder %s\n%ld articles x 16 variations filled in %.0f ms\n\n", ordner.c_str(), artikel,
                Us(t) / 1000);

    Lauf l;
    std::printf("%-46s %12s %12s\n", "call", "cold (us)", "warm (us)");
    for (int art = 0; art < ARTEN; ++art) {
        Loslassen(ordner, leer);
        t = Uhr::now();
        if (art == ARTIKEL) l.artikel = ARTLIB_OeffneDatenbank();
        Lesen(l, art, 1, artikel);
        double kalt = Us(t);
        double warm = 1e30;
        for (int r = 0; r < runden; ++r) {
            t = Uhr::now();
            /* a stride through the articles: no two calls in a row on neighbours */
            for (long i = 0; i < artikel; ++i) Lesen(l, art, 1 + (i * 7919) % artikel, artikel);
            double us = Us(t) / static_cast<double>(artikel);
            if (us < warm) warm = us;
        }
        std::printf("%-46s %12.1f %12.2f\n", kNamen[art], kalt, warm);
        if (art == ARTIKEL) ARTLIB_SchliesseDatenbank(l.artikel);
    }
    std::printf("\n(check %ld, entries handed out %ld)\n", l.pruef, l.liste.gezaehlt);
    return 0;
}
