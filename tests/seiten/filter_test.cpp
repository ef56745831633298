/*
 * The "Filter" page used as a person would: reading the chosen catalogue,
 * the five criteria, filter on and off, rows taken out by hand, sorting;
 * and the filter run itself against the row table's own value rule.
 */
#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "seiten/filterseite.h"
#include "pricat_in/katalog.h"
#include "pricat_in/katalog_hilfen.h"
#include "resources/resource.h"

#include <algorithm>

using namespace seiten;

namespace {

constexpr int LISTE = IDC_FI_LISTE;

/* Chooses `datei` on the selection page and switches to the filter page;
 * returns the filter page. */
HWND FilterMit(Person& p, HWND w, const std::string& datei)
{
    HWND auswahl = Seite(w, "Auswahl");
    p.SelectTab(w, IDC_HW_TAB, 0);
    p.Click(auswahl, IDC_AW_ALLE);
    p.ListViewClick(auswahl, IDC_AW_LISTE, p.ListViewFind(auswahl, IDC_AW_LISTE, 4, datei));
    p.SelectTab(w, IDC_HW_TAB, 1);
    return Seite(w, "Filter");
}

/* Picks the entry that is exactly `text` in combo `kombi`. */
void Waehlen(Person& p, HWND s, int kombi, const std::string& text)
{
    int i = KombiIndex(p, s, kombi, text);
    ASSERT_GE(i, 0) << "no entry " << text;
    p.PickComboIndex(s, kombi, i);
}

}  // namespace

TEST(FilterSeite, LiestDieGewaehlteDateiFiltertUndSchaltetAus)
{
    Host h("filter_lauf");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = FilterMit(p, w, "HERBST.INH");
        ASSERT_NE(nullptr, s);
        EXPECT_EQ("48", p.Text(w, IDC_HW_SAETZE));
        EXPECT_EQ("0", p.Text(w, IDC_HW_GEFILTERT));
        ASSERT_EQ(48, p.ListViewCount(s, LISTE));
        EXPECT_EQ("Jacke 0", p.ListViewText(s, LISTE, 0, 0));
        EXPECT_EQ("DOB", p.ListViewText(s, LISTE, 0, 2));
        EXPECT_EQ("Webware", p.ListViewText(s, LISTE, 20, 3)) << "Warengruppe falls back to its replacement";
        EXPECT_EQ("Wolle", p.ListViewText(s, LISTE, 0, 6));
        EXPECT_TRUE(p.IsEnabled(s, IDC_FI_FILTERN));

        /* The values of each criterion, once each. */
        std::vector<std::string> hg = p.ComboEntries(s, IDC_FI_KOMBI1);
        std::sort(hg.begin(), hg.end());
        EXPECT_EQ((std::vector<std::string>{ "DOB", "HAKA", "dob" }), hg);
        EXPECT_EQ(3u, p.ComboEntries(s, IDC_FI_KOMBI2).size());
        EXPECT_EQ("3 Hauptgruppe(n)", p.Text(s, IDC_FI_ANZAHL1));
        EXPECT_EQ("2 Material(n)", p.Text(s, IDC_FI_ANZAHL5));
        /* The host names kinds 3 to 5 in captions and column titles. */
        EXPECT_EQ("Serie", p.Text(s, IDC_FI_TITEL3));

        /* "DOB" exactly: the "dob" rows go too. */
        Waehlen(p, s, IDC_FI_KOMBI1, "DOB");
        p.Click(s, IDC_FI_FILTERN);
        EXPECT_EQ(16, p.ListViewCount(s, LISTE));
        EXPECT_EQ("16", p.Text(w, IDC_HW_GEFILTERT));
        EXPECT_EQ("1 von 3 Hauptgruppe(n)", p.Text(s, IDC_FI_ANZAHL1));
        for (const std::string& t : Spalte(p, s, LISTE, 2))
            EXPECT_EQ("DOB", t);

        /* A second run narrows what the first left. */
        Waehlen(p, s, IDC_FI_KOMBI2, "Strick");
        p.Click(s, IDC_FI_FILTERN);
        EXPECT_EQ(8, p.ListViewCount(s, LISTE));
        EXPECT_EQ("8", p.Text(w, IDC_HW_GEFILTERT));
        EXPECT_EQ(8, g_Kontext->AnzahlSaetze);

        /* Text typed into a combo without picking is no choice. */
        p.Click(s, IDC_FI_AUS);
        EXPECT_EQ(48, p.ListViewCount(s, LISTE));
        EXPECT_EQ("0", p.Text(w, IDC_HW_GEFILTERT));
        EXPECT_EQ("3 Hauptgruppe(n)", p.Text(s, IDC_FI_ANZAHL1));
        p.SetText(s, IDC_FI_KOMBI1, "HAKA");
        p.Click(s, IDC_FI_FILTERN);
        EXPECT_EQ(48, p.ListViewCount(s, LISTE));

        /* A choice stays chosen across tab changes. */
        Waehlen(p, s, IDC_FI_KOMBI5, "Wolle");
        p.Click(s, IDC_FI_FILTERN);
        EXPECT_EQ(12, p.ListViewCount(s, LISTE));
        p.SelectTab(w, IDC_HW_TAB, 2);
        p.SelectTab(w, IDC_HW_TAB, 1);
        EXPECT_EQ(12, p.ListViewCount(s, LISTE));
        EXPECT_EQ("Wolle", p.Text(s, IDC_FI_KOMBI5));

        /* Coming back from the selection page reads the file again. */
        s = FilterMit(p, w, "SCHUHE.PRI");
        EXPECT_EQ("20", p.Text(w, IDC_HW_SAETZE));
        EXPECT_EQ(20, p.ListViewCount(s, LISTE));
        EXPECT_EQ("", p.Text(s, IDC_FI_KOMBI5));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(FilterSeite, EntfTasteNimmtZeilenHerausDoppelklickMarkiertDenArtikel)
{
    Host h("filter_hand");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = FilterMit(p, w, "HERBST.INH");
        ASSERT_EQ(48, p.ListViewCount(s, LISTE));
        p.ListViewSelect(s, LISTE, 0);
        p.ListViewAddSelect(s, LISTE, 5);
        p.ListViewAddSelect(s, LISTE, 47);
        p.Key(s, LISTE, VK_DELETE);
        EXPECT_EQ(45, p.ListViewCount(s, LISTE));
        EXPECT_EQ("45", p.Text(w, IDC_HW_GEFILTERT));
        EXPECT_EQ(0, g_Kontext->PricatTabelle[5].Ausgewaehlt);
        EXPECT_EQ(1, g_Kontext->PricatTabelle[6].Ausgewaehlt);

        /* A double click marks every variation of the focused line's article. */
        p.ListViewDoubleClick(s, LISTE, 8);
        std::string artikel = p.ListViewText(s, LISTE, 8, 0);
        HWND liste = p.Control(s, LISTE);
        int markiert = (int)SendMessageA(liste, LVM_GETSELECTEDCOUNT, 0, 0);
        EXPECT_EQ(4, markiert) << artikel;
        p.Key(s, LISTE, VK_DELETE);
        EXPECT_EQ(41, p.ListViewCount(s, LISTE));
        EXPECT_EQ(-1, p.ListViewFind(s, LISTE, 0, artikel));

        /* The iterator of the import sees only what is left. */
        int zeilen = 0;
        for (bool weiter = ErsterPricatSatz() != 0; weiter && NaechsterPricatSatz() != nullptr;)
            zeilen++;
        EXPECT_EQ(41, zeilen);
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(FilterSeite, KopfklickSortiertAbwechselndAufUndAb)
{
    Host h("filter_sortieren");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = FilterMit(p, w, "HERBST.INH");
        /* The switch is module-wide; find where it stands. */
        p.ListViewColumnClick(s, LISTE, 2);
        std::vector<std::string> erst = Spalte(p, s, LISTE, 2);
        p.ListViewColumnClick(s, LISTE, 0);
        std::vector<std::string> dann = Spalte(p, s, LISTE, 0);
        bool aufsteigend = lstrcmpA(erst.front().c_str(), erst.back().c_str()) < 0;
        EXPECT_NE(aufsteigend, lstrcmpA(dann.front().c_str(), dann.back().c_str()) < 0)
            << "the second click sorts the other way";
        std::vector<std::string> sortiert = dann;
        std::stable_sort(sortiert.begin(), sortiert.end(), [&](const std::string& a, const std::string& b) {
            int c = lstrcmpA(a.c_str(), b.c_str());
            return aufsteigend ? c > 0 : c < 0;
        });
        EXPECT_EQ(sortiert, dann);
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(FilterSeite, OhneDateiBleibtAllesGesperrt)
{
    Host h("filter_ohne");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        p.SelectTab(w, IDC_HW_TAB, 1);
        HWND s = Seite(w, "Filter");
        EXPECT_EQ(0, p.ListViewCount(s, LISTE));
        for (int id : { IDC_FI_KOMBI1, IDC_FI_KOMBI5, IDC_FI_FILTERN, IDC_FI_AUS, LISTE })
            EXPECT_FALSE(p.IsEnabled(s, id)) << id;
        /* A file of an unknown sender is read, but not to be filtered. */
        s = FilterMit(p, w, "FREMD.INH");
        EXPECT_EQ("4", p.Text(w, IDC_HW_SAETZE));
        EXPECT_FALSE(p.IsEnabled(s, IDC_FI_FILTERN));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

/* The filter run compares each row field in place; it must decide exactly
 * as the row table's value rule (FilterwertDerZeile) does, field map or
 * not: "@" anywhere, texts filling their field, 40-character cuts, the
 * Warengruppe replacements, blanks at the start. */
TEST(FilterLauf, MitFeldMapGiltDieFeldMap)
{
    TestKontext t("filter_feldmap");
    EDI_KONTEXT* k = t.k;
    /* The supplier's field map takes Hauptgruppe from the Material field. */
    FeldMapSchreiben(ILN_STRICK, "M1_1=17\r\nM1_1_P=1;20\r\n");
    std::strcpy(k->KatalogLieferantIln, ILN_STRICK);
    k->FeldMap.Vorhanden = EDIMapDBA_EDIFeldMapExists(ILN_STRICK) == 1;
    ASSERT_EQ(1, k->FeldMap.Vorhanden);
    for (int i = 0; i < 8; i++) {
        PRICAT_DATEN& d = k->PricatTabelle[i].PricatDaten;
        d = edihilfe::Variation(i);
        EDI_SETZEN(d, Hauptgruppe, "3@DOB");
        EDI_SETZEN(d, Material, i < 3 ? "5@Wolle" : "6@Seide");
        k->PricatTabelle[i].Ausgewaehlt = 1;
    }
    k->AnzahlSaetzeGesamt = k->AnzahlSaetze = 8;
    FilterwertEintragen(&k->FilterWerte[0], "Wolle");
    FilterwertEintragen(&k->FilterWerte[0], "Seide");
    std::strcpy(k->FilterWerte[0].Auswahl.Text, "Wolle");
    EXPECT_EQ(3, FilterAnwenden());
    EXPECT_EQ(1, k->FilterWertIndex[7][0]) << "row 7 holds the second value";
    char text[64];
    FilterZellText(&k->PricatTabelle[0].PricatDaten, 2, text, sizeof text);
    EXPECT_STREQ("Wolle", text);
}

/* Sorting numbers the distinct texts once; the order must be the platform
 * comparison's, equal texts in table order, in both directions. */
TEST(FilterLauf, SortiertWieDerPlattformvergleichGleicheInTabellenfolge)
{
    TestKontext t("filter_sortieren_regel");
    EDI_KONTEXT* k = t.k;
    const char* texte[] = { "b", "B", "a", "\xe4rmel", "Zebra", "", "a-b", "ab", "10", "9", "\xc4rmel" };
    edihilfe::Zufall z{ 11 };
    const int zeilen = 2000;
    for (int i = 0; i < zeilen; i++) {
        PRICAT_DATEN& d = k->PricatTabelle[i].PricatDaten;
        d = edihilfe::Variation(i);
        EDI_SETZEN(d, Zusatztext, texte[z.bis(sizeof texte / sizeof texte[0])]);
        k->PricatTabelle[i].Ausgewaehlt = z.bis(4) != 0;
    }
    k->AnzahlSaetzeGesamt = zeilen;
    for (int absteigend = 0; absteigend < 2; absteigend++) {
        int32_t n = FilterAnzeigeFuellen();
        std::vector<int32_t> erwartet(k->FilterAnzeige, k->FilterAnzeige + n);
        auto text = [&](int32_t zeile) {
            char t[64];
            FilterZellText(&k->PricatTabelle[zeile].PricatDaten, 1, t, sizeof t);
            return std::string(t);
        };
        std::stable_sort(erwartet.begin(), erwartet.end(), [&](int32_t a, int32_t b) {
            int c = lstrcmpA(text(a).c_str(), text(b).c_str());
            return absteigend ? c > 0 : c < 0;
        });
        ASSERT_EQ(1, FilterAnzeigeSortieren(1, absteigend));
        EXPECT_EQ(erwartet, std::vector<int32_t>(k->FilterAnzeige, k->FilterAnzeige + n)) << "descending "
                                                                                           << absteigend;
    }
}
