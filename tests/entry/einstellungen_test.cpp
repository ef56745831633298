/*
 * The module's options in the host's INI file: defaults, round trips,
 * key names, and the article-mark filter.
 */
#include <gtest/gtest.h>

#include "kontext/einstellungen.h"
#include "kontext/ktoxedi.h"
#include "harness/testordner.h"
#include "standin.h"
#include "hostapi/oxinifile.h"

#include <string>

class Einstellungen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = NeuerTestordner("einstellungen");
        ASSERT_EQ(1, Standin_Init(host, ordner));
        g_Kontext = nullptr;
    }
    std::string Ini() { return DateiLesen(host.iniDatei); }
    std::string ordner;
    StandinHost host;
};

TEST_F(Einstellungen, EdiImporterStandardwerteUndRundlauf)
{
    struct { const char* key; int32_t standard; } keys[] = {
        { "adressimportsuchen", 1 }, { "bleexport", 1 }, { "insicherungsordnerverschieben", 1 },
        { "stopbeiartikelwechsel", 1 }, { "stopbeiartikelvariation", 0 }, { "externautomapping", 0 },
        { "preisanpassung_ek1", 0 }, { "preisanpassung_ek2", 0 }, { "preisanpassung_vk1", 0 },
        { "preisanpassung_vk2", 0 },
    };
    for (auto& k : keys) {
        EXPECT_EQ(k.standard, EdiOptionStandard(k.key)) << k.key;
        EXPECT_EQ(k.standard, EdiOptionLesen(k.key, EdiOptionStandard(k.key))) << k.key;
        EdiOptionSchreiben(k.key, 1 - k.standard);
        /* Written at once: a fresh read of the file shows it. */
        EXPECT_NE(std::string::npos, Ini().find(std::string(k.key) + "=" + std::to_string(1 - k.standard))) << k.key;
        EXPECT_EQ(1 - k.standard, EdiOptionLesen(k.key, k.standard)) << k.key;
    }
    EXPECT_NE(std::string::npos, Ini().find("[EDIIMPORTER]"));
}

TEST_F(Einstellungen, BerechnungenJederSchluesselEinzeln)
{
    struct {
        const char* key;
        int32_t (*get)(void);
        void (*put)(int32_t);
        int32_t wert;
    } regeln[] = {
        { "tabellen_loeschen", Berechnung_GetTabellenLoeschen, Berechnung_PutTabellenLoeschen, 1 },
        { "bei_gelb_stoppen", Berechnung_GetBeiGelbStoppen, Berechnung_PutBeiGelbStoppen, 1 },
        { "druckenNurBeiVK", Berechnung_GetDruckenNurBeiVk, Berechnung_PutDruckenNurBeiVk, 1 },
        { "VK2AusVK1", Berechnung_GetVk2AusVk1, Berechnung_PutVk2AusVk1, 1 },
        { "et_aenderung_mit_saison", Berechnung_GetEtAenderungMitSaison, Berechnung_PutEtAenderungMitSaison, 1 },
        { "serie_label_vorblendung", Berechnung_GetSerieLabelVorblendung, Berechnung_PutSerieLabelVorblendung, 1 },
        { "mindbest_loeschverhalten", Berechnung_GetMindbestLoeschverhalten, Berechnung_PutMindbestLoeschverhalten, 2 },
        { "bte_edi_farbtexte", Berechnung_GetEdiFarbtexte, Berechnung_PutEdiFarbtexte, 2 },
        { "bte_edi_nurgemappte", Berechnung_GetNurGemappte, Berechnung_PutNurGemappte, 1 },
        { "bte_edi_keine_auftragsaenderung", Berechnung_GetKeineAuftragsaenderung,
          Berechnung_PutKeineAuftragsaenderung, 1 },
    };
    for (auto& r : regeln)
        EXPECT_EQ(0, r.get()) << r.key << " must default to 0";
    for (auto& r : regeln) {
        r.put(r.wert);
        EXPECT_EQ(r.wert, r.get()) << r.key;
        EXPECT_EQ(r.wert, INI_GetLong("BERECHNUNGEN", r.key, -5)) << r.key << " under its own name";
    }
    /* Each setter wrote only its own key. */
    for (auto& r : regeln)
        EXPECT_EQ(r.wert, r.get()) << r.key;
}

TEST_F(Einstellungen, ArtikelkennzeichenTextMitUmlautenUndAktion)
{
    char text[64] = "?";
    EXPECT_EQ(0, Berechnung_GetArtikelkennzeichen(text, sizeof text));
    EXPECT_STREQ("", text);

    Berechnung_PutArtikelkennzeichen(1, "AB\xc4\xd6\xdc");
    EXPECT_EQ(1, Berechnung_GetArtikelkennzeichen(text, sizeof text));
    EXPECT_STREQ("AB\xc4\xd6\xdc", text);
    std::string ini = Ini();
    EXPECT_NE(std::string::npos, ini.find("artikelkennzeichen_action_string=AB\xc4\xd6\xdc"));
    EXPECT_NE(std::string::npos, ini.find("artikelkennzeichen_action=1"));

    /* A longer text than the 63 characters the setting holds is cut. */
    Berechnung_PutArtikelkennzeichen(0, std::string(100, 'X').c_str());
    EXPECT_EQ(0, Berechnung_GetArtikelkennzeichen(text, sizeof text));
    EXPECT_EQ(std::string(63, 'X'), text);
    char klein[4];
    Berechnung_GetArtikelkennzeichen(klein, sizeof klein);
    EXPECT_STREQ("XXX", klein);
}

TEST_F(Einstellungen, StandardmerkmalGenerellMitZweistelligemSchluessel)
{
    for (int32_t art = 1; art <= 11; art++)
        EXPECT_EQ(0, StandardMerkmal_GetGenerell(art));
    StandardMerkmal_PutGenerell(7, 4711);
    StandardMerkmal_PutGenerell(11, 12);
    EXPECT_EQ(4711, StandardMerkmal_GetGenerell(7));
    EXPECT_EQ(12, StandardMerkmal_GetGenerell(11));
    std::string ini = Ini();
    EXPECT_NE(std::string::npos, ini.find("[STANDARD_MERKMALE]"));
    EXPECT_NE(std::string::npos, ini.find("MERKMALKEY07=4711"));
    EXPECT_NE(std::string::npos, ini.find("MERKMALKEY11=12"));
    /* Without a chosen file the lookup is the general value. */
    EXPECT_EQ(4711, StandardMerkmal_Suchen(7));
    EXPECT_EQ(4711, StandardMerkmal_SuchenMem(7));
    EXPECT_EQ(0, StandardMerkmal_PutLieferant(7, 5)) << "nothing is stored for a supplier without a chosen file";
    EXPECT_EQ(4711, StandardMerkmal_Suchen(7));
}

TEST(Artikelkennzeichen, FilterRegeln)
{
    /* Action 0: listed marks are ignored, an empty list accepts all. */
    EXPECT_EQ(1, ArtikelkennzeichenPruefen('A', 0, ""));
    EXPECT_EQ(0, ArtikelkennzeichenPruefen('A', 0, "XAY"));
    EXPECT_EQ(1, ArtikelkennzeichenPruefen('B', 0, "XAY"));
    /* Action 1: only listed marks, an empty list accepts none. */
    EXPECT_EQ(0, ArtikelkennzeichenPruefen('A', 1, ""));
    EXPECT_EQ(1, ArtikelkennzeichenPruefen('A', 1, "XAY"));
    EXPECT_EQ(0, ArtikelkennzeichenPruefen('B', 1, "XAY"));
    /* Case matters; no mark at all is never listed. */
    EXPECT_EQ(0, ArtikelkennzeichenPruefen('a', 1, "A"));
    EXPECT_EQ(1, ArtikelkennzeichenPruefen('\0', 0, "A"));
    EXPECT_EQ(0, ArtikelkennzeichenPruefen('\0', 1, "A"));
}
