/*
 * OXTABELLE: the calls on a table record and the table store (whole
 * tables, write time, durability of a cut-off write, other data folders).
 */
#include <gtest/gtest.h>

#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

/* Now as a FILETIME value (100 ns since 1601-01-01, UTC). */
uint64_t JetztAlsFiletime()
{
    using namespace std::chrono;
    auto us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<uint64_t>(us) * 10 + 116444736000000000ull;
}

std::unique_ptr<OXTABELLE> NeueTabelle()
{
    std::unique_ptr<OXTABELLE> t(new OXTABELLE);
    std::memset(t.get(), 0, sizeof *t);
    return t;
}

class TabellenSpeicher : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = NeuerTestordner("tabellen");
        ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    }
    void TearDown() override { TAB_SpeicherSchliessen(); }
    std::string ordner;
};

} // namespace

TEST(Tabelle, GueltigkeitVorbesetzenUndFarbachse)
{
    auto t = NeueTabelle();
    EXPECT_EQ(0, TAB_TesteAufGueltigeTabelle(t.get())) << "an all-zero record is no table";
    t->MerkmalSenkrecht = 7;
    t->MerkmalWaagrecht = 6;
    TAB_SetMerkmalCR(t.get(), 1, 0, 11);
    TAB_SetMerkmalCR(t.get(), 1, 3, 12);
    EXPECT_EQ(0, TAB_SetMerkmalCR(t.get(), 1, 120, 13));
    EXPECT_EQ(0, TAB_SetMerkmalCR(t.get(), 0, 200, 22));
    TAB_SetMerkmalCR(t.get(), 0, 199, 21);
    EXPECT_EQ(4, TAB_AnzahlSenkrechtMerkmale(t.get()));
    EXPECT_EQ(200, TAB_AnzahlWaagrechtMerkmale(t.get()));
    EXPECT_EQ(1, TAB_TesteAufGueltigeTabelle(t.get()));
    TAB_SetMerkmalCR(t.get(), 1, 5, 11);
    EXPECT_EQ(0, TAB_TesteAufGueltigeTabelle(t.get())) << "a number twice down the table";
    TAB_SetMerkmalCR(t.get(), 1, 5, 0);
    TAB_SetMerkmalCR(t.get(), 0, 4, -3);
    EXPECT_EQ(0, TAB_TesteAufGueltigeTabelle(t.get())) << "a negative entry";

    /* Presetting reaches only used rows whose EK1 is still 0. */
    TAB_PREISE p{ 1000, 1100, 0, 2000, 1900, 0 }, v{ 500, 500, 0, 900, 900, 0 }, aus{};
    TAB_SetPreiseToRow(t.get(), 3, &p);
    EXPECT_EQ(1, TAB_PreiseVorbesetzen(t.get(), &v));
    TAB_GetPreiseFromRow(t.get(), 0, &aus);
    EXPECT_EQ(500, aus.Ek1);
    TAB_GetPreiseFromRow(t.get(), 3, &aus);
    EXPECT_EQ(1000, aus.Ek1);

    /* Sums; clearing the counts keeps prices. */
    TAB_SetStueckzahl(t.get(), 3, 0, 3);
    TAB_SetStueckzahl(t.get(), 3, 199, 4);
    TAB_ZSUMME s{};
    EXPECT_EQ(1, TAB_GetZSUMME(t.get(), 3, &s));
    EXPECT_EQ(7, s.Stueck);
    EXPECT_EQ(7700, s.WertEk2);
    TAB_ClearStueckzahlen(t.get());
    EXPECT_EQ(0, TAB_GetStueckzahl(t.get(), 3, 0));
    TAB_GetPreiseFromRow(t.get(), 3, &aus);
    EXPECT_EQ(1000, aus.Ek1);

    /* Colour texts are cut to 32; the horizontal axis goes over with its
     * texts, the cells of the target stay. */
    char text[TAB_FARBTEXT];
    TAB_SetWaagrechtFarbText(t.get(), 7, std::string(40, 'f').c_str());
    auto z = NeueTabelle();
    z->MerkmalSenkrecht = 5;
    TAB_SetStueckzahl(z.get(), 0, 0, 9);
    EXPECT_EQ(1, TAB_CopyWaagrechtMerkmale(z.get(), t.get()));
    EXPECT_EQ(6, z->MerkmalWaagrecht);
    EXPECT_EQ(21, z->Waagrecht[199]);
    EXPECT_EQ(1, TAB_GetWaagrechtFarbText(z.get(), 7, text));
    EXPECT_EQ(std::string(32, 'f'), text);
    EXPECT_EQ(9, TAB_GetStueckzahl(z.get(), 0, 0));
    EXPECT_EQ(5, z->MerkmalSenkrecht);
    TAB_ClearTabelle(z.get(), 1);
    EXPECT_EQ(5, z->MerkmalSenkrecht) << "mode 1 keeps the axis kinds";
    EXPECT_EQ(0, z->Waagrecht[199]);
}

TEST_F(TabellenSpeicher, GanzeTabelleZurueckUndNachNeustart)
{
    auto t = NeueTabelle();
    t->Kopf = TAB_KOPF_LEER;
    t->MerkmalSenkrecht = 7;
    t->MerkmalWaagrecht = 6;
    for (int i = 0; i < TAB_MAX_SENKRECHT; ++i)
        t->Senkrecht[i] = 1000 + i;
    TAB_SetStueckzahl(t.get(), 119, 199, -5);
    TAB_SetWaagrechtFarbText(t.get(), 3, "mitternachtsblau \xe4");
    t->Reserve1[17] = 0x5A;
    t->FillerSperre = 3;

    EXPECT_EQ(0, TAB_TabelleVorhanden(TAB_BESITZER_ARTIKEL, 42));
    auto aus = NeueTabelle();
    TAB_ZEIT zeit{ 1, 1 };
    EXPECT_EQ(0, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 42, aus.get(), &zeit));
    EXPECT_EQ(0u, zeit.Low | zeit.High);

    uint64_t vorher = JetztAlsFiletime();
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 42, t.get()));
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 42, aus.get(), &zeit));
    EXPECT_EQ(0, std::memcmp(t.get(), aus.get(), sizeof *t));
    uint64_t geschrieben = (static_cast<uint64_t>(zeit.High) << 32) | zeit.Low;
    /* the store's clock may tick more coarsely than this one: 20 ms */
    EXPECT_GE(geschrieben + 200000, vorher);
    EXPECT_LT(geschrieben, vorher + 600000000ull) << "within a minute";
    /* The same number of a series is another table. */
    EXPECT_EQ(0, TAB_TabelleVorhanden(TAB_BESITZER_SERIE, 42));

    TAB_SpeicherSchliessen();
    std::memset(aus.get(), 0, sizeof *aus);
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 42, aus.get(), nullptr));
    EXPECT_EQ(0, std::memcmp(t.get(), aus.get(), sizeof *t));
}

TEST_F(TabellenSpeicher, UeberschreibenLoeschenUndUngueltigeArgumente)
{
    auto t = NeueTabelle();
    auto aus = NeueTabelle();
    t->MerkmalSenkrecht = 1;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, 7, t.get()));
    t->MerkmalSenkrecht = 2;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, 7, t.get()));
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_SERIE, 7, aus.get(), nullptr));
    EXPECT_EQ(2, aus->MerkmalSenkrecht);
    EXPECT_EQ(1, TAB_LoescheTabelle(TAB_BESITZER_SERIE, 7));
    EXPECT_EQ(0, TAB_LoescheTabelle(TAB_BESITZER_SERIE, 7));
    aus->MerkmalSenkrecht = 9;
    EXPECT_EQ(0, TAB_LeseTabelle(TAB_BESITZER_SERIE, 7, aus.get(), nullptr));
    EXPECT_EQ(0, aus->MerkmalSenkrecht) << "zero-filled when none is stored";
    TAB_SpeicherSchliessen();
    EXPECT_EQ(0, TAB_TabelleVorhanden(TAB_BESITZER_SERIE, 7)) << "the removal is stored";

    EXPECT_EQ(-1, TAB_SchreibeTabelle(2, 7, t.get()));
    EXPECT_EQ(-1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 0, t.get()));
    EXPECT_EQ(-1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 1, nullptr));
    EXPECT_EQ(-1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, -4, aus.get(), nullptr));
}

TEST_F(TabellenSpeicher, AbgebrochenesSchreibenLaesstDieAlteTabelle)
{
    auto t = NeueTabelle();
    auto aus = NeueTabelle();
    t->MerkmalSenkrecht = 1;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 5, t.get()));
    t->MerkmalSenkrecht = 2;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 5, t.get()));
    TAB_SpeicherSchliessen();

    /* A writer died in the middle of its second entry: cut the file there. */
    std::string datei = ordner + "OXTABELLEN.DAT";
    std::string inhalt = DateiLesen(datei);
    ASSERT_GT(inhalt.size(), 64u);
    size_t zweiter = inhalt.find("OXT1", 4);
    ASSERT_NE(std::string::npos, zweiter);
    DateiSchreiben(datei, inhalt.substr(0, zweiter + 20));
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 5, aus.get(), nullptr));
    EXPECT_EQ(1, aus->MerkmalSenkrecht) << "the entry before the torn one";

    /* A damaged byte in a complete entry is not taken either. */
    t->MerkmalSenkrecht = 3;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 5, t.get()));
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 6, t.get()));
    TAB_SpeicherSchliessen();
    inhalt = DateiLesen(datei);
    EXPECT_EQ(zweiter, inhalt.find("OXT1", 4)) << "the next write cut the torn entry off";
    inhalt[inhalt.size() - 3] ^= 0x40;
    DateiSchreiben(datei, inhalt);
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 5, aus.get(), nullptr));
    EXPECT_EQ(3, aus->MerkmalSenkrecht);
    EXPECT_EQ(0, TAB_TabelleVorhanden(TAB_BESITZER_ARTIKEL, 6));
}

TEST_F(TabellenSpeicher, FolgtDemDatenordner)
{
    auto t = NeueTabelle();
    t->MerkmalSenkrecht = 4;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 1, t.get()));
    std::string anderer = NeuerTestordner("tabellen2");
    ASSERT_EQ(1, DBA_SetDatenPfad(anderer.c_str()));
    EXPECT_EQ(0, TAB_TabelleVorhanden(TAB_BESITZER_ARTIKEL, 1));
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    EXPECT_EQ(1, TAB_TabelleVorhanden(TAB_BESITZER_ARTIKEL, 1));
}

/* Tables are read from a view of the file: what another process appends
 * behind the view, and what this process writes, is read all the same. */
TEST_F(TabellenSpeicher, AngehaengtesHinterDerAnsichtWirdGelesen)
{
    auto t = NeueTabelle();
    auto aus = NeueTabelle();
    std::string datei = ordner + "OXTABELLEN.DAT";
    t->MerkmalSenkrecht = 1;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 1, t.get()));
    TAB_SpeicherSchliessen();
    std::string erst = DateiLesen(datei);
    t->MerkmalSenkrecht = 2;
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 1, t.get()));
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, 9, t.get()));
    TAB_SpeicherSchliessen();
    std::string spaeter = DateiLesen(datei);
    ASSERT_GT(spaeter.size(), erst.size());

    /* back to the first state; read often enough that a view is made */
    DateiSchreiben(datei, erst);
    for (int i = 0; i < 40; ++i) {
        ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 1, aus.get(), nullptr));
        ASSERT_EQ(1, aus->MerkmalSenkrecht);
    }
    /* another process appends its two entries */
    {
        std::ofstream f(datei, std::ios::binary | std::ios::app);
        f << spaeter.substr(erst.size());
    }
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 1, aus.get(), nullptr));
    EXPECT_EQ(2, aus->MerkmalSenkrecht);
    EXPECT_EQ(1, TAB_TabelleVorhanden(TAB_BESITZER_SERIE, 9));

    /* this process's own writes, each read back at once and all at the end */
    for (int32_t n = 1; n <= 300; ++n) {
        TAB_ClearTabelle(t.get(), 0);
        t->MerkmalSenkrecht = n;
        TAB_SetStueckzahl(t.get(), n % TAB_MAX_SENKRECHT, n % TAB_MAX_WAAGRECHT, n);
        ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, n, t.get()));
        ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, n, aus.get(), nullptr));
        ASSERT_EQ(0, std::memcmp(t.get(), aus.get(), sizeof *t)) << "table " << n;
    }
    for (int32_t n = 1; n <= 300; ++n) {
        ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, n, aus.get(), nullptr));
        EXPECT_EQ(n, aus->MerkmalSenkrecht);
        EXPECT_EQ(n, TAB_GetStueckzahl(aus.get(), n % TAB_MAX_SENKRECHT, n % TAB_MAX_WAAGRECHT));
    }
}
