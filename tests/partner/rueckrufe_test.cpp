/*
 * The stand-in host's master-data callbacks for the import side: tables of
 * articles (04, 05), branch presets (07), table marks (08 to 11), refresh
 * (16) and characteristics by text (20), all on the host's stores.
 */
#include <gtest/gtest.h>

#include "callbacks.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "partner_hilfen.h"

#include <memory>
#include <string.h>

namespace {

class Rueckrufe : public ::testing::Test {
protected:
    Rueckrufe() : p("rueckrufe"), t(std::make_unique<OXTABELLE>()), u(std::make_unique<OXTABELLE>()) {}
    int32_t Merkmal(int32_t art, const char* code, const char* text)
    {
        MERKMAL_SATZ m;
        memset(&m, 0, sizeof m);
        strncpy(m.Code, code, sizeof m.Code - 1);
        strncpy(m.Text, text, sizeof m.Text - 1);
        return MMLIB_MerkmalAnlegen(art, &m);
    }
    PartnerHost p;
    std::unique_ptr<OXTABELLE> t, u;
};

TEST_F(Rueckrufe, ArtikeltabelleSchreibenUndLesen)
{
    HOST_ZEITSTEMPEL zeit = { 7, 7 };
    memset(t.get(), 0x5A, sizeof *t);
    EXPECT_EQ(0, Host04(12, t.get(), &zeit)) << "no table stored";
    EXPECT_EQ(0u, zeit.Low | zeit.High);
    EXPECT_EQ(0, TAB_MerkmalSenkrecht(t.get())) << "the buffer is emptied";

    TAB_ClearTabelle(t.get(), 0);
    t->Kopf = TAB_KOPF_LEER;
    t->MerkmalSenkrecht = 7;
    t->MerkmalWaagrecht = 6;
    TAB_SetMerkmalCR(t.get(), 1, 0, 3);
    TAB_SetMerkmalCR(t.get(), 0, 0, 9);
    TAB_SetStueckzahl(t.get(), 0, 0, 4);
    long vorher = g_StandinRufe[5];
    EXPECT_EQ(1, Host05(12, t.get()));
    EXPECT_EQ(vorher + 1, g_StandinRufe[5]);
    EXPECT_EQ(0, Host05(0, t.get()));
    EXPECT_EQ(0, Host05(12, nullptr));

    EXPECT_NE(0, Host04(12, u.get(), &zeit));
    EXPECT_EQ(0, memcmp(t.get(), u.get(), sizeof *t));
    EXPECT_NE(0u, zeit.Low | zeit.High) << "the time of the write";
    memset(u.get(), 0, sizeof *u);
    EXPECT_NE(0, Host03(12, u.get(), nullptr)) << "03 reads the same table";
    EXPECT_EQ(4, TAB_GetStueckzahl(u.get(), 0, 0));
    EXPECT_EQ(0, Host04(13, u.get(), nullptr));
}

TEST_F(Rueckrufe, VorgabenAusDenFilialen)
{
    EXPECT_EQ(0, Host07(t.get(), STANDIN_VORGABE_ACHSEN)) << "no branch in the store";
    int32_t f1 = Merkmal(9, "1", "Zentrale");
    int32_t f2 = Merkmal(9, "2", "Nord");
    int32_t f3 = Merkmal(9, "3", "S\xfc" "d");
    ASSERT_GT(f3, 0);

    memset(t.get(), 0x11, sizeof *t);
    EXPECT_EQ(1, Host07(t.get(), STANDIN_VORGABE_ACHSEN));
    EXPECT_EQ(TAB_KOPF_LEER, t->Kopf);
    EXPECT_EQ(9, TAB_MerkmalSenkrecht(t.get()));
    EXPECT_EQ(9, TAB_MerkmalWaagrecht(t.get()));
    EXPECT_EQ(0, TAB_AnzahlSenkrechtMerkmale(t.get()));
    EXPECT_EQ(0, TAB_AnzahlWaagrechtMerkmale(t.get()));

    EXPECT_EQ(1, Host07(t.get(), STANDIN_VORGABE_SENKRECHT));
    EXPECT_EQ(9, TAB_MerkmalSenkrecht(t.get()));
    EXPECT_EQ(0, TAB_MerkmalWaagrecht(t.get()));
    ASSERT_EQ(3, TAB_AnzahlSenkrechtMerkmale(t.get()));
    EXPECT_EQ(f1, t->Senkrecht[0]);
    EXPECT_EQ(f2, t->Senkrecht[1]);
    EXPECT_EQ(f3, t->Senkrecht[2]);

    EXPECT_EQ(1, Host07(t.get(), STANDIN_VORGABE_WAAGRECHT));
    EXPECT_EQ(0, TAB_MerkmalSenkrecht(t.get()));
    EXPECT_EQ(9, TAB_MerkmalWaagrecht(t.get()));
    EXPECT_EQ(3, TAB_AnzahlWaagrechtMerkmale(t.get()));
    EXPECT_EQ(0, TAB_AnzahlSenkrechtMerkmale(t.get()));

    EXPECT_EQ(0, Host07(t.get(), 0x1004));
    EXPECT_EQ(0, Host07(nullptr, STANDIN_VORGABE_ACHSEN));
}

TEST_F(Rueckrufe, MarkenAufTabellen)
{
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, 5));
    Host08(5, 0);
    Host09(5, 0);
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, 5));
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, 5));
    Host08(5, 1);
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, 5)) << "released";
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, 5)) << "the series keeps its mark";
    Host11(5);
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, 5)) << "discarded";
    Host08(6, 0);
    Host10(6);
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, 6));
}

TEST_F(Rueckrufe, MerkmalNachTextUndAktualisieren)
{
    int32_t strick = Merkmal(2, "STR", "Strick");
    int32_t blusen = Merkmal(2, "BLU", "Blusen");
    ASSERT_GT(blusen, 0);
    EXPECT_EQ(strick, Host20(2, "Strick"));
    EXPECT_EQ(blusen, Host20(2, "Blusen"));
    EXPECT_EQ(0, Host20(2, "strick")) << "the text is compared exactly";
    EXPECT_EQ(0, Host20(3, "Strick")) << "another kind";
    EXPECT_EQ(0, Host20(2, ""));
    EXPECT_EQ(0, Host20(2, nullptr));
    EXPECT_EQ(strick, Host02(2, "str")) << "02 finds the code";

    MERKMAL_SATZ m;
    memset(&m, 0, sizeof m);
    m.Nummer = 4711;
    strcpy(m.Code, "12");
    strcpy(m.Text, "SM-10001");
    ASSERT_EQ(1, MMLIB_SchreibeMerkmal(0, &m));
    EXPECT_EQ(4711, Host20(0, "SM-10001")) << "kind 0: the article number text";

    long vorher = g_StandinRufe[16];
    EXPECT_EQ(1, Host16(0));
    EXPECT_EQ(vorher + 1, g_StandinRufe[16]);
}

} // namespace
