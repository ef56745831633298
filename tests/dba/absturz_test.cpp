/*
 * absturz_test.cpp - a writer process killed at random moments never
 * leaves a torn record: after every kill each record of every store the
 * writer uses holds exactly one of its versions, the stores take new
 * writes, and this process (which kept the stores open all along) sees the
 * writer's last versions.
 */
#include "DBADLL/dbadll_host.h"
#include "hilfe.h"
#include "muster.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

struct EanListe {
    std::vector<EANARTIKEL_SATZ> eintraege;
    size_t lesen = 0;
};
int32_t OXCALL Hinzu(void* liste, const EANARTIKEL_SATZ* e)
{
    static_cast<EanListe*>(liste)->eintraege.push_back(*e);
    return 1;
}
const EANARTIKEL_SATZ* OXCALL Naechster(void* liste)
{
    EanListe* l = static_cast<EanListe*>(liste);
    return l->lesen < l->eintraege.size() ? &l->eintraege[l->lesen++] : nullptr;
}

/* Number of journals in `ordner` left by a write the writer did not finish
 * (their first word is not 0; applied only when the write was marked). */
int OffeneJournale(const std::string& ordner)
{
    int offen = 0;
    for (const char* name : {"ARTIKEL.DBA.JNL", "MERKMAL.DBA.JNL", "AUFTRAG/A0000001.DBA.JNL", "EANARTIKEL.DBA.JNL"}) {
        std::ifstream f(ordner + name, std::ios::binary);
        uint32_t wort = 0;
        if (f.read(reinterpret_cast<char*>(&wort), 4) && wort != 0) ++offen;
    }
    return offen;
}

/* Every record checked; returns the highest version seen. */
uint32_t AllesPruefen()
{
    uint32_t hoechste = 0;
    auto a = std::make_unique<ARTIKEL_SATZ>();
    for (int32_t n = 1; n <= MUSTER_ARTIKEL; ++n) {
        uint32_t v = 0;
        EXPECT_EQ(ARTLIB_LeseArtikel(n, a.get()), 1) << "article " << n;
        EXPECT_TRUE(ArtikelPasst(a.get(), n, &v)) << "article " << n << " torn";
        if (v > hoechste) hoechste = v;
    }
    HOSTHANDLE h = AUFTRAGDBA_Open(1);
    EXPECT_GT(h, 0);
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    EXPECT_EQ(AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get()), 1);
    EXPECT_EQ(kopf->AnzahlPositionen, MUSTER_POSITIONEN);
    std::vector<AUFTRAG_POSITION> pos(MUSTER_POSITIONEN);
    EXPECT_EQ(AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(h, MUSTER_POSITIONEN, pos.data()), MUSTER_POSITIONEN);
    for (int32_t p = 1; p <= MUSTER_POSITIONEN; ++p) {
        uint32_t v = 0;
        EXPECT_TRUE(PositionPasst(&pos[static_cast<size_t>(p - 1)], p, &v)) << "position " << p << " torn";
        if (v > hoechste) hoechste = v;
    }
    AUFTRAGDBA_Close(h);
    for (int32_t n = 1; n <= MUSTER_MERKMALE; ++n) {
        MERKMAL_SATZ m;
        uint32_t v = 0;
        EXPECT_EQ(MMLIB_LeseMerkmal(6, n, &m), 1);
        EXPECT_TRUE(MerkmalPasst(&m, n, &v)) << "characteristic " << n << " torn";
        char code[8];
        std::snprintf(code, sizeof code, "%04u", v % 10000);
        EXPECT_GT(MMLIB_SucheCode(6, code, nullptr), 0) << "code index follows the records";
    }
    EanListe liste;
    EXPECT_GT(EANARTIKEL_LoadArtikelEANs_EX(MUSTER_EAN_ARTIKEL, &liste, Hinzu), 0);
    if (!liste.eintraege.empty()) {
        uint32_t v;
        std::memcpy(&v, reinterpret_cast<const char*>(&liste.eintraege[0]) + 8, 4);
        EXPECT_EQ(static_cast<int>(liste.eintraege.size()), EanListenLaenge(v)) << "list length of one version";
        for (size_t i = 0; i < liste.eintraege.size(); ++i) {
            EXPECT_EQ(liste.eintraege[i].LaufNummer, static_cast<int32_t>(i + 1));
            EXPECT_TRUE(MusterPasst(&liste.eintraege[i], 12, sizeof(EANARTIKEL_SATZ), static_cast<uint32_t>(i), v))
                << "EAN entry " << i << " not of the list's version";
        }
    }
    return hoechste;
}

/* Version 0 of every record the writer writes, in data folder `ordner`. */
void Grundstand(const std::string& ordner)
{
    ASSERT_EQ(DBA_SetDatenPfad(ordner.c_str()), 1);
    auto a = std::make_unique<ARTIKEL_SATZ>();
    for (int32_t n = 1; n <= MUSTER_ARTIKEL; ++n) {
        ArtikelMuster(a.get(), n, 0);
        ASSERT_EQ(ARTLIB_SchreibeArtikel(n, a.get()), 1);
    }
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    std::memset(kopf.get(), 0, sizeof *kopf);
    ASSERT_EQ(AUFTRAGDBA_NeuerAuftrag(kopf.get()), 1);
    HOSTHANDLE h = AUFTRAGDBA_Open(1);
    auto pos = std::make_unique<AUFTRAG_POSITION>();
    for (int32_t p = 1; p <= MUSTER_POSITIONEN; ++p) {
        PositionMuster(pos.get(), p, 0);
        ASSERT_EQ(AUFTRAGDBA_WritePosition(h, p, 0, pos.get()), 1);
    }
    AUFTRAGDBA_Close(h);
    for (int32_t n = 1; n <= MUSTER_MERKMALE; ++n) {
        MERKMAL_SATZ m;
        MerkmalMuster(&m, n, 0);
        ASSERT_EQ(MMLIB_SchreibeMerkmal(6, &m), 1);
    }
    EanListe start;
    start.eintraege.resize(1);
    EanMuster(&start.eintraege[0], 0, 0);
    ASSERT_EQ(EANARTIKEL_SaveArtikelEANs_EX(MUSTER_EAN_ARTIKEL, &start, Naechster), 1);
}

/* A running writer, ended however the test ends. */
struct LaufenderSchreiber {
    intptr_t prozess = 0;
    bool laeuft = false;
    LaufenderSchreiber(const std::string& ordner, uint32_t version)
    {
        prozess = ProzessStarten("dba_schreiber", ordner, version);
        laeuft = prozess != 0;
    }
    ~LaufenderSchreiber()
    {
        if (laeuft) ProzessToeten(prozess);
    }
};

TEST(Absturz, KilledWriterNeverLeavesATornRecord)
{
    std::string ordner = NeuerTestOrdner("absturz");
    Grundstand(ordner);
    if (HasFatalFailure()) return;
    AllesPruefen();
    auto a = std::make_unique<ARTIKEL_SATZ>();

    std::mt19937 zufall(12345);
    uint32_t bisher = 0;
    int mitFortschritt = 0;
    int unterbrochen = 0;   /* kills that hit a write after its journal was complete */
    const int runden = 14;
    for (int runde = 0; runde < runden; ++runde) {
        SCOPED_TRACE(runde);
        intptr_t schreiber = ProzessStarten("dba_schreiber", ordner, static_cast<uint32_t>((runde + 1) * 1000000));
        ASSERT_NE(schreiber, 0) << "dba_schreiber";
        std::this_thread::sleep_for(std::chrono::milliseconds(400 + zufall() % 900));
        EXPECT_TRUE(ProzessLaeuft(schreiber)) << "the writer ended on its own";
        ProzessToeten(schreiber);

        if (OffeneJournale(ordner) > 0) ++unterbrochen;
        uint32_t hoechste = AllesPruefen();
        if (hoechste > bisher) ++mitFortschritt;
        if (hoechste > bisher) bisher = hoechste;
        if (HasFailure()) break;

        /* the stores go on taking writes */
        ArtikelMuster(a.get(), 1, 7);
        ASSERT_EQ(ARTLIB_SchreibeArtikel(1, a.get()), 1);
    }
    std::printf("writer runs with progress: %d of %d, killed in the middle of a write: %d\n", mitFortschritt, runden,
                unterbrochen);
    EXPECT_GE(mitFortschritt, runden / 2) << "the writer hardly wrote: the test proves little";
}

/* This process reads while the writer process writes: every record and
 * every EAN list it gets is one whole version, and it sees the writer's
 * versions come in. */
TEST(Absturz, ReadsWhileAnotherProcessWritesGetWholeRecords)
{
    std::string ordner = NeuerTestOrdner("nebenlaeufig");
    Grundstand(ordner);
    if (HasFatalFailure()) return;
    LaufenderSchreiber schreiber(ordner, 1);
    ASSERT_TRUE(schreiber.laeuft) << "dba_schreiber";
    HOSTHANDLE h = ARTLIB_OeffneDatenbank();
    auto a = std::make_unique<ARTIKEL_SATZ>();
    uint32_t hoechste = 0;
    long lesungen = 0;
    auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
    while (std::chrono::steady_clock::now() < ende && !HasFailure()) {
        for (int32_t n = 1; n <= MUSTER_ARTIKEL; ++n) {
            uint32_t v = 0;
            ASSERT_EQ(ARTLIB_ReadArtikel(h, n, a.get()), 1);
            EXPECT_TRUE(ArtikelPasst(a.get(), n, &v)) << "article " << n << " torn";
            if (v > hoechste) hoechste = v;
        }
        for (int32_t n = 1; n <= MUSTER_MERKMALE; ++n) {
            MERKMAL_SATZ m;
            uint32_t v = 0;
            ASSERT_EQ(MMLIB_LeseMerkmal(6, n, &m), 1);
            EXPECT_TRUE(MerkmalPasst(&m, n, &v)) << "characteristic " << n << " torn";
        }
        EanListe liste;
        ASSERT_GT(EANARTIKEL_LoadArtikelEANs_EX(MUSTER_EAN_ARTIKEL, &liste, Hinzu), 0);
        uint32_t v;
        std::memcpy(&v, reinterpret_cast<const char*>(&liste.eintraege[0]) + 8, 4);
        EXPECT_EQ(static_cast<int>(liste.eintraege.size()), EanListenLaenge(v)) << "list length of one version";
        for (size_t i = 0; i < liste.eintraege.size(); ++i)
            EXPECT_TRUE(MusterPasst(&liste.eintraege[i], 12, sizeof(EANARTIKEL_SATZ), static_cast<uint32_t>(i), v))
                << "EAN entry " << i << " not of the list's version";
        ++lesungen;
    }
    ARTLIB_SchliesseDatenbank(h);
    std::printf("read rounds while writing: %ld, highest article version seen %u\n", lesungen, hoechste);
    EXPECT_GT(hoechste, 0u) << "the writer's articles were never seen";
}

} // namespace
