/*
 * Reading a catalogue into the row table: row limit and its message,
 * skipped records, value lists, filter reset, counters and the iterator.
 */
#include <gtest/gtest.h>

#include "harness/person.h"
#include "katalog_hilfen.h"
#include "pricat_in/katalog.h"

namespace {

class Zeilentabelle : public ::testing::Test {
protected:
    Zeilentabelle() : t("zeilen") { t.k->HauptFenster = z.fenster; }

    /* Reads `pfad`; returns the message box the reading shows (empty
     * caption: none, the reading returned without); its owner goes to
     * `besitzer`. `warten` only guards against a reading that never ends. */
    MessageBoxInfo Einlesen(const std::string& pfad, int warten = 20000)
    {
        TextKopieren(t.k->AusgewaehlteDatei, sizeof t.k->AusgewaehlteDatei, pfad.c_str());
        SetDlgItemTextA(z.fenster, 1009, "7");
        MessageBoxInfo box;
        RunWithPerson([&] { return (INT_PTR)PricatDateiEinlesen(z.fenster); },
                      [&](Person& p) {
                          if (p.WaitMessageBoxOr([&] { return p.CallReturned(); }, &box, warten)) {
                              besitzer = GetWindow(box.fenster, GW_OWNER);
                              p.Answer(box, IDOK);
                          }
                      },
                      120000);
        return box;
    }
    std::vector<std::string> Werte(int kriterium)
    {
        const FILTERWERTE& l = t.k->FilterWerte[kriterium - 1];
        std::vector<std::string> v;
        for (int32_t i = 0; i < l.Anzahl; i++)
            v.push_back(l.Wert[i].Text);
        return v;
    }
    std::string Ean(int32_t zeile) { return std::string(t.k->PricatTabelle[zeile].PricatDaten.Ean, 13); }
    std::string E(int nummer) { return std::string(Zeile(nummer).Ean, 13); }

    TestKontext t;
    Zaehlerfenster z;
    HWND besitzer = nullptr;
};

TEST_F(Zeilentabelle, ZweiunddreissigtausendZeilenUndMeldung)
{
    std::string ordner = NeuerTestordner("zeilenlimit");
    std::string inhalt = edihilfe::PricatKopfzeile("4012345000009", "4000000000001", "Gross");
    size_t genau = 0;
    for (int i = 0; i <= 32000; i++) {
        genau = inhalt.size();
        inhalt += edihilfe::PricatZeile(Zeile(i));
    }
    edihilfe::Schreiben(ordner + "32000.INH", inhalt.substr(0, genau));
    edihilfe::Schreiben(ordner + "32001.INH", inhalt);
    for (const char* name : { "32000.INH", "32001.INH" }) {
        MessageBoxInfo box = Einlesen(ordner + name, 60000);
        EXPECT_EQ("EDI IMPORT Meldung", box.caption) << name;
        EXPECT_EQ("Bitte die PRICAT- Datei kleiner machen!\nDie PRICAT- Datei ist zu gross, sie darf nur Max. "
                  "32000 Zeilen enthalten!\nEs werden nur die ersten 32000 Variationen eingelesen!",
                  box.text);
        EXPECT_EQ(std::vector<std::string>{ "OK" }, box.buttons);
        EXPECT_EQ(z.fenster, besitzer);
        EXPECT_EQ(32000, t.k->AnzahlSaetzeGesamt);
        EXPECT_EQ(E(31999), Ean(31999));
        EXPECT_EQ("32000", z.Text(1007));
        EXPECT_EQ("0", z.Text(1009));
    }
}

TEST_F(Zeilentabelle, NurPricatSaetzeMitDreizehnstelligerIln)
{
    KatalogSchreiben(t.wurzel + "D.INH", {}, DesadvZeile() + "kaputte Zeile\r\n");
    t.k->AnzahlSaetzeGesamt = 5;
    EXPECT_EQ("", Einlesen(t.wurzel + "D.INH").caption);
    EXPECT_EQ(0, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ("0", z.Text(1007));
    EXPECT_EQ(0, ErsterPricatSatz());
    EXPECT_EQ(nullptr, NaechsterPricatSatz());

    KatalogSchreiben(t.wurzel + "I.INH",
                     { Zeile(0), Zeile(1, "401234500000"), Zeile(2), Zeile(3, "40123450000091"), Zeile(4) },
                     DesadvZeile());
    Einlesen(t.wurzel + "I.INH");
    ASSERT_EQ(3, t.k->AnzahlSaetzeGesamt);
    for (int32_t i = 0; i < 3; i++)
        EXPECT_TRUE(t.k->PricatTabelle[i].SatzNummer == i && t.k->PricatTabelle[i].Ausgewaehlt == 1);
    EXPECT_EQ(E(2), Ean(1));
    EXPECT_EQ(E(4), Ean(2));
}

TEST_F(Zeilentabelle, WertelistenInErstauftrittsreihenfolgeEinmalUndOhneSchluessel)
{
    std::vector<PRICAT_DATEN> v = Zeilen(6);
    const char* hg[] = { "3@DOB", "9@HAKA", "4@DOB", "Kinder", "dob", "9@HAKA" };
    for (int i = 0; i < 6; i++)
        EDI_SETZEN(v[i], Hauptgruppe, hg[i]);
    /* criterion 2: Warengruppe, else WarengruppeErsatz1, else ...Ersatz2 */
    EDI_SETZEN(v[1], Warengruppe, " ");
    EDI_SETZEN(v[1], WarengruppeErsatz1, "Ersatz eins");
    EDI_SETZEN(v[2], Warengruppe, "");
    EDI_SETZEN(v[2], WarengruppeErsatz1, " blank vorn");
    EDI_SETZEN(v[2], WarengruppeErsatz2, "Ersatz zwei");
    EDI_SETZEN(v[3], Label, "7@Label mit einem Namen von mehr als vierzig Zeichen Laenge");
    KatalogSchreiben(t.wurzel + "W.INH", v);
    Einlesen(t.wurzel + "W.INH");
    EXPECT_EQ((std::vector<std::string>{ "DOB", "HAKA", "Kinder", "dob" }), Werte(1));
    EXPECT_EQ((std::vector<std::string>{ "Strick", "Ersatz eins", "Ersatz zwei" }), Werte(2));
    EXPECT_EQ((std::vector<std::string>{ "Nordlicht", "Label mit einem Namen von mehr als vierz" }), Werte(4));
    /* the filter gets a row's value in the same cut form */
    char wert[FILTERWERT_LAENGE + 1];
    FilterwertDerZeile(&t.k->PricatTabelle[3].PricatDaten, 4, wert);
    EXPECT_STREQ("Label mit einem Namen von mehr als vierz", wert);

    /* 1000 values at most; every row is kept */
    v = Zeilen(1002);
    for (int i = 0; i < 1002; i++)
        EDI_SETZEN(v[i], Hauptgruppe, "HG " + std::to_string(i));
    KatalogSchreiben(t.wurzel + "T.INH", v);
    Einlesen(t.wurzel + "T.INH");
    EXPECT_EQ(1002, t.k->AnzahlSaetzeGesamt);
    ASSERT_EQ(1000u, Werte(1).size());
    EXPECT_EQ("HG 999", Werte(1).back());
    /* a new reading holds the values of that file only */
    EXPECT_EQ(std::vector<std::string>{ "Strick" }, Werte(2));
}

TEST_F(Zeilentabelle, EinlesenSchaltetDenFilterAus)
{
    KatalogSchreiben(t.wurzel + "A.INH", Zeilen(4));
    KatalogSchreiben(t.wurzel + "B.INH", Zeilen(3));
    Einlesen(t.wurzel + "A.INH");
    auto filtern = [&] {
        t.k->PricatTabelle[1].Ausgewaehlt = 0;
        t.k->AnzahlSaetze = t.k->AnzahlGefiltert = 3;
        TextKopieren(t.k->FilterWerte[4].Auswahl.Text, sizeof t.k->FilterWerte[4].Auswahl.Text, "Baumwolle");
    };
    auto ungefiltert = [&](int32_t zeilen) {
        EXPECT_EQ(zeilen, t.k->AnzahlSaetzeGesamt);
        EXPECT_EQ(zeilen, t.k->AnzahlSaetze);
        EXPECT_EQ(0, t.k->AnzahlGefiltert);
        EXPECT_EQ(1, t.k->PricatTabelle[1].Ausgewaehlt);
        EXPECT_STREQ("", t.k->FilterWerte[4].Auswahl.Text);
        EXPECT_EQ(std::to_string(zeilen), z.Text(1007));
        EXPECT_EQ("0", z.Text(1009));
    };
    filtern();
    Einlesen(t.wurzel + "B.INH");
    ungefiltert(3);
    /* no file chosen: only the filter is switched off */
    filtern();
    Einlesen("");
    ungefiltert(3);
    /* a file that cannot be opened gives no rows */
    Einlesen(t.wurzel + "FEHLT.INH");
    EXPECT_EQ(0, t.k->AnzahlSaetzeGesamt);
}

TEST_F(Zeilentabelle, IteratorLiefertNurAusgewaehlteInDateireihenfolge)
{
    KatalogSchreiben(t.wurzel + "A.INH", Zeilen(6));
    Einlesen(t.wurzel + "A.INH");
    for (int i : { 0, 2, 3 })
        t.k->PricatTabelle[i].Ausgewaehlt = 0;
    t.k->AnzahlSaetze = 3;
    for (int runde = 0; runde < 2; runde++) {
        ASSERT_EQ(1, ErsterPricatSatz());
        for (int i : { 1, 4, 5 })
            EXPECT_EQ(&t.k->PricatTabelle[i].PricatDaten, NaechsterPricatSatz());
        EXPECT_EQ(nullptr, NaechsterPricatSatz());
        EXPECT_EQ(nullptr, NaechsterPricatSatz());
    }
    FilterAusschalten();
    EXPECT_EQ(6, t.k->AnzahlSaetze);
    ErsterPricatSatz();
    EXPECT_EQ(&t.k->PricatTabelle[0].PricatDaten, NaechsterPricatSatz());
}

TEST_F(Zeilentabelle, MitFeldMapKommenDieKriterienAusDerMap)
{
    strcpy(t.k->KatalogLieferantIln, "4012345000009");
    FeldMapSchreiben("4012345000009", "M1_1=23\r\nM1_1_P=1;3\r\n");
    t.k->FeldMap.Vorhanden = 1;
    std::vector<PRICAT_DATEN> v = Zeilen(3);
    EDI_SETZEN(v[2], Lieferantenfarbe, "gelb");
    KatalogSchreiben(t.wurzel + "M.INH", v);
    Einlesen(t.wurzel + "M.INH");
    EXPECT_EQ((std::vector<std::string>{ "mar", "rot", "gel" }), Werte(1));
    /* with a map in force a criterion it does not name is empty */
    EXPECT_EQ(std::vector<std::string>{ "" }, Werte(2));
}

} // namespace
