/*
 * The "Standard" page used as a person would: locked without a catalogue,
 * every rule in the INI file the moment it is clicked, the default
 * characteristics typed, picked and assigned.
 */
#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "resources/resource.h"

using namespace seiten;

namespace {

/* Chooses HERBST.INH, lets the filter page read it, then shows the
 * standard page; returns it. */
HWND StandardMitKatalog(Person& p, HWND w)
{
    HWND auswahl = Seite(w, "Auswahl");
    p.ListViewClick(auswahl, IDC_AW_LISTE, p.ListViewFind(auswahl, IDC_AW_LISTE, 4, "HERBST.INH"));
    p.SelectTab(w, IDC_HW_TAB, 1);
    p.SelectTab(w, IDC_HW_TAB, 2);
    return Seite(w, "Standard");
}

}  // namespace

TEST(StandardSeite, OhneKatalogZeigtSieAllesAberGesperrt)
{
    Host h("standard_gesperrt");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        p.SelectTab(w, IDC_HW_TAB, 2);
        HWND s = Seite(w, "Standard");
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(0u, p.Text(s, IDC_ST_TEXT).find("Mit den folgenden Einstellungen legen Sie fest"));
        /* A fresh INI: every box clear, the first radio button of each group. */
        EXPECT_TRUE(p.IsChecked(s, IDC_ST_FARBE0));
        EXPECT_TRUE(p.IsChecked(s, IDC_ST_MINDBEST0));
        for (int id : { IDC_ST_VORBLENDUNG, IDC_ST_ET_SAISON, IDC_ST_GELB, IDC_ST_TABELLEN, IDC_ST_DRUCKEN_VK,
                        IDC_ST_VK2_AUS_VK1, IDC_ST_KENNZEICHEN, IDC_ST_NURGEMAPPTE, IDC_ST_KEINE_AUFTRAEGE }) {
            EXPECT_FALSE(p.IsChecked(s, id)) << id;
            EXPECT_FALSE(p.IsEnabled(s, id)) << id;
        }
        EXPECT_EQ("", p.Text(s, IDC_ST_KENNZEICHEN_TEXT));
        EXPECT_EQ("Nebenstehende Artikelkennzeichen werden ignoriert :", p.Text(s, IDC_ST_KENNZEICHEN));
        for (int id : { IDC_ST_BTN_HG, IDC_ST_EDIT_HG, IDC_ST_EDIT_SAISON, IDC_ST_GENERELL, IDC_ST_LIEFERANT,
                        IDC_ST_ZUWEISEN })
            EXPECT_FALSE(p.IsEnabled(s, id)) << id;
        /* The host captions the buttons of kinds 3 to 5. */
        EXPECT_EQ("&Serie", p.Text(s, IDC_ST_BTN_SERIE));
        EXPECT_EQ("&Material", p.Text(s, IDC_ST_BTN_MATERIAL));
        p.Click(w, IDC_HW_BEENDEN);
    });
    EXPECT_EQ(-1, h.IniLong("BERECHNUNGEN", "artikelkennzeichen_action")) << "showing writes nothing";
}

TEST(StandardSeite, JedeRegelLandetSofortImIniUndKommtWieder)
{
    Host h("standard_regeln");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = StandardMitKatalog(p, w);
        ASSERT_TRUE(p.IsEnabled(s, IDC_ST_GELB));
        p.Click(s, IDC_ST_GELB);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "bei_gelb_stoppen"));
        p.Click(s, IDC_ST_TABELLEN);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "tabellen_loeschen"));
        EXPECT_EQ(1, g_Kontext->TabellenLoeschen);
        p.Click(s, IDC_ST_ET_SAISON);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "et_aenderung_mit_saison"));
        p.Click(s, IDC_ST_VK2_AUS_VK1);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "VK2AusVK1"));
        p.Click(s, IDC_ST_KEINE_AUFTRAEGE);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "bte_edi_keine_auftragsaenderung"));
        p.Click(s, IDC_ST_FARBE1);
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "bte_edi_farbtexte"));
        p.Click(s, IDC_ST_MINDBEST2);
        EXPECT_EQ(2, h.IniLong("BERECHNUNGEN", "mindbest_loeschverhalten"));

        /* Article marks: capitals, both keys on every keystroke. */
        p.Type(s, IDC_ST_KENNZEICHEN_TEXT, "ab");
        EXPECT_EQ("AB", p.Text(s, IDC_ST_KENNZEICHEN_TEXT));
        EXPECT_EQ("AB", h.IniText("BERECHNUNGEN", "artikelkennzeichen_action_string"));
        EXPECT_EQ(0, h.IniLong("BERECHNUNGEN", "artikelkennzeichen_action"));
        p.Click(s, IDC_ST_KENNZEICHEN);
        EXPECT_EQ("Nur nebenstehende Artikelkennzeichen werden importiert :", p.Text(s, IDC_ST_KENNZEICHEN));
        EXPECT_EQ(1, h.IniLong("BERECHNUNGEN", "artikelkennzeichen_action"));
        EXPECT_EQ("AB", h.IniText("BERECHNUNGEN", "artikelkennzeichen_action_string"));

        /* Unticking writes 0 again. */
        p.Click(s, IDC_ST_VK2_AUS_VK1);
        EXPECT_EQ(0, h.IniLong("BERECHNUNGEN", "VK2AusVK1"));
        p.Click(w, IDC_HW_BEENDEN);
    });

    /* The next call shows them. */
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        p.SelectTab(w, IDC_HW_TAB, 2);
        HWND s = Seite(w, "Standard");
        for (int id : { IDC_ST_GELB, IDC_ST_TABELLEN, IDC_ST_ET_SAISON, IDC_ST_KEINE_AUFTRAEGE, IDC_ST_FARBE1,
                        IDC_ST_MINDBEST2, IDC_ST_KENNZEICHEN })
            EXPECT_TRUE(p.IsChecked(s, id)) << id;
        EXPECT_FALSE(p.IsChecked(s, IDC_ST_VK2_AUS_VK1));
        EXPECT_FALSE(p.IsChecked(s, IDC_ST_FARBE0));
        EXPECT_EQ("AB", p.Text(s, IDC_ST_KENNZEICHEN_TEXT));
        EXPECT_EQ(1, g_Kontext->BeiGelbStoppen);
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(StandardSeite, StandardmerkmaleGetipptGewaehltUndZugewiesen)
{
    Host h("standard_merkmale");
    Merkmal(1, 5, "DOB", "Damenoberbekleidung");
    Merkmal(1, 6, "HAKA", "Herrenbekleidung");
    Merkmal(6, 8, "RT", "Rot");
    Merkmal(6, 9, "BL", "Blau");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = StandardMitKatalog(p, w);
        EXPECT_FALSE(p.IsEnabled(s, IDC_ST_ZUWEISEN));
        p.Click(s, IDC_ST_LIEFERANT);
        EXPECT_TRUE(p.IsEnabled(s, IDC_ST_ZUWEISEN)) << "the chosen file names an ILN";
        p.Click(s, IDC_ST_LIEFERANT);
        EXPECT_FALSE(p.IsEnabled(s, IDC_ST_ZUWEISEN));
        p.Click(s, IDC_ST_GENERELL);
        EXPECT_TRUE(p.IsEnabled(s, IDC_ST_ZUWEISEN));

        /* A typed code, looked up without regard to case when the edit is left. */
        p.Type(s, IDC_ST_EDIT_HG, "dob");
        p.Focus(s, IDC_ST_EDIT_WG);
        EXPECT_EQ("DOB", p.Text(s, IDC_ST_EDIT_HG));
        EXPECT_EQ("Damenoberbekleidung", p.Text(s, IDC_ST_TEXT_HG));
        /* An unknown code leaves no description. */
        p.Type(s, IDC_ST_EDIT_WG, "XX");
        p.Focus(s, IDC_ST_EDIT_HG);
        EXPECT_EQ("", p.Text(s, IDC_ST_TEXT_WG));

        /* The picker lists the colours of the store. */
        p.Click(s, IDC_ST_BTN_FARBE);
        HWND wahl = p.WaitWindow(OXGLOBDLG_AUSWAHL_MERKMAL);
        ASSERT_NE(nullptr, wahl);
        EXPECT_TRUE(p.PickList(wahl, OXGLOBDLG_AUSWAHL_LISTE, "BL\tBlau"));
        p.Click(wahl, IDOK);
        p.WaitClosed(wahl);
        EXPECT_EQ("BL", p.Text(s, IDC_ST_EDIT_FARBE));
        EXPECT_EQ("Blau", p.Text(s, IDC_ST_TEXT_FARBE));

        p.Click(s, IDC_ST_ZUWEISEN);
        EXPECT_EQ(5, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY01"));
        EXPECT_EQ(9, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY06"));
        EXPECT_EQ(0, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY02")) << "an unknown code clears the default";
        EXPECT_EQ(0, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY11"));
        EXPECT_EQ(-1, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY08"));
        EXPECT_EQ(-1, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY10"));

        /* For the supplier: only numbers above 0 are stored. */
        p.Type(s, IDC_ST_EDIT_HG, "HAKA");
        p.Focus(s, IDC_ST_EDIT_WG);
        p.Click(s, IDC_ST_GENERELL);
        p.Click(s, IDC_ST_LIEFERANT);
        p.Click(s, IDC_ST_ZUWEISEN);
        EXPECT_EQ(5, h.IniLong("STANDARD_MERKMALE", "MERKMALKEY01")) << "the general default stays";
        EDIMAP_SATZ satz;
        ASSERT_GT(EDIMapDBA_SuchStandardEDIMAP(&satz, ILN_STRICK, 1), 0);
        EXPECT_EQ(6, satz.Nummer);
        EXPECT_LE(EDIMapDBA_SuchStandardEDIMAP(&satz, ILN_STRICK, 2), 0);
        p.Click(w, IDC_HW_BEENDEN);
    });

    /* Next time: the supplier's default wins over the general one. */
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = StandardMitKatalog(p, w);
        EXPECT_EQ("HAKA", p.Text(s, IDC_ST_EDIT_HG));
        EXPECT_EQ("BL", p.Text(s, IDC_ST_EDIT_FARBE));
        EXPECT_EQ("", p.Text(s, IDC_ST_EDIT_WG));
        p.Click(w, IDC_HW_BEENDEN);
    });
}
