/*
 * A DESADV file of the generator imported into the stand-in host's store:
 * the host's goods receipt books known GTINs as stock, refuses unknown ones
 * with a line in the error report.
 */
#include <gtest/gtest.h>

#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "partner/partner.h"
#include "partner_hilfen.h"
#include "wareneingang.h"

#include <map>
#include <memory>
#include <string>

namespace {

int32_t Stueck(int32_t artikel)
{
    auto t = std::make_unique<OXTABELLE>();
    if (TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, artikel, t.get(), nullptr) != 1)
        return -1;
    int32_t summe = 0;
    for (int32_t z = 0; z < TAB_MAX_SENKRECHT; z++)
        for (int32_t s = 0; s < TAB_MAX_WAAGRECHT; s++)
            summe += t->Stueck[z][s];
    return summe;
}

class Wareneingang : public ::testing::Test {
protected:
    Wareneingang() : p("wareneingang")
    {
        GEN_DEMO d;
        d.DatenOrdner = p.host.datenOrdner;
        d.Lieferanten = 1;
        d.ArtikelJeLieferant = 6;
        d.Varianten = 4;
        d.Kataloge = 0;
        d.Auftraege = 0;
        d.Desadv = false;
        d.EigeneIln = EIGENE_GLN;
        GEN_DEMO_ERGEBNIS e;
        demoOk = GenDemoAnlegen(&d, &e) == 1;
        ordner = p.wurzel + "EDI_IMPORT\\";
    }
    PartnerHost p;
    bool demoOk;
    std::string ordner;
};

TEST_F(Wareneingang, BekannteGtinsWerdenLagerbestandUnbekannteStehenImBericht)
{
    ASSERT_TRUE(demoOk);
    GEN_DESADV d;
    d.Pfad = ordner + "LIEFERUNG.DES";
    d.Lieferant = 1;
    d.EmpfaengerIln = EIGENE_GLN;
    d.Positionen = 10;
    d.Artikel = 6;
    d.Varianten = 4;
    d.UnbekannteGtin = 1;
    d.FremdeIln = 1;
    GEN_DESADV_ERGEBNIS e;
    ASSERT_EQ(1, GenDesadvSchreiben(&d, &e));
    ASSERT_EQ(10, e.Positionen);
    EXPECT_EQ(1, e.Fremd);

    /* What should be booked, per article. */
    std::map<int32_t, int32_t> erwartet, vorher;
    std::string unbekannt;
    int32_t gebucht = 0;
    for (const GEN_DESADV_POSITION& pos : e.Liste) {
        int32_t artikel = EANDATA_GetArtikelNummer(pos.Gtin.c_str(), nullptr);
        if (artikel < 1)
            unbekannt = pos.Gtin;
        else if (pos.Iln == EIGENE_GLN) {
            erwartet[artikel] += pos.Menge;
            gebucht += pos.Menge;
        }
    }
    ASSERT_FALSE(unbekannt.empty());
    for (const auto& [artikel, menge] : erwartet)
        vorher[artikel] = Stueck(artikel);
    int32_t teileVorher = DATABASE_GetSizeAndName(nullptr);

    long abgelehntVorher = g_StandinAbgelehnt;
    int32_t anzahl = 0;
    int32_t r = EDILieferung_GetAllDesadvSet(d.Pfad.c_str(), 1, EIGENE_GLN, 0, Standin_DesadvBuchen,
                                             p.host.datenOrdner.c_str(), &anzahl);
    EXPECT_EQ(2, r) << "one foreign ILN, one unknown GTIN";
    EXPECT_EQ(12, anzahl);
    EXPECT_EQ(1, g_StandinAbgelehnt - abgelehntVorher);
    ASSERT_EQ(1u, g_Starts.size());
    EXPECT_EQ("notepad " + p.host.datenOrdner + "DESADVERR.TXT", g_Starts[0].befehl);

    std::string bericht = DateiLesen(p.host.datenOrdner + "DESADVERR.TXT");
    EXPECT_NE(std::string::npos, bericht.find("GTIN " + unbekannt + " (")) << bericht;
    EXPECT_NE(std::string::npos, bericht.find("kein Artikel zu dieser GTIN\r\n")) << bericht;
    EXPECT_EQ(unbekannt + "\r\n", DateiLesen(ordner + "NOTIMPORTED_GTIN.DAT"));

    EXPECT_EQ(teileVorher + gebucht, DATABASE_GetSizeAndName(nullptr)) << "one stock item per piece";
    for (const auto& [artikel, menge] : erwartet)
        EXPECT_EQ(vorher[artikel] + menge, Stueck(artikel)) << "article " << artikel;
    EINZELTEIL_SATZ t;
    ASSERT_EQ(1, DATABASE_ReadEinzelteil(teileVorher + 1, &t));
    EXPECT_EQ(1, t.LieferantNummer);
    EXPECT_EQ(EINZELTEIL_VORHANDEN, t.Flags);
    EXPECT_GT(t.Groesse, 0) << "the size of the delivered variation";
}

TEST_F(Wareneingang, UngueltigeMengeWirdAbgelehnt)
{
    ASSERT_TRUE(demoOk);
    GEN_LIEFERANT l;
    GenLieferant(1, 1, &l);
    GEN_ARTIKEL a;
    GenArtikel(1, &l, 0, 4, 5, &a);
    std::string datei = DesadvDatei(ordner + "NULL.DES", { Position(a.Variante[0].Ean, EIGENE_GLN, 0, "X-1"),
                                                           Position(a.Variante[1].Ean, EIGENE_GLN, 2, "X-2") });
    int32_t teile = DATABASE_GetSizeAndName(nullptr);
    EXPECT_EQ(1, EDILieferung_GetAllDesadvSet(datei.c_str(), 0, EIGENE_GLN, 0, Standin_DesadvBuchen,
                                              ordner.c_str(), nullptr));
    EXPECT_NE(std::string::npos, DateiLesen(ordner + "DESADVERR.TXT").find("(X-1): Menge 0 ung\xfcltig\r\n"));
    EXPECT_EQ(teile + 2, DATABASE_GetSizeAndName(nullptr));
}

} // namespace
