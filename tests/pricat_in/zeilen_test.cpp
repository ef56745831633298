/*
 * Reading a catalogue into the row table: row limit and its message,
 * skipped records, value lists, filter reset, counters and the iterator.
 */
#include <gtest/gtest.h>

#include "harness/person.h"
#include "katalog_hilfen.h"
#include "pricat_in/katalog.h"

#include <set>

namespace {

class Zeilentabelle : public ::testing::Test {
protected:
    Zeilentabelle() : t("zeilen") {}

    /* Reads `pfad` with no message box expected. */
    void Einlesen(const std::string& pfad, HWND besitzer = nullptr)
    {
        TextKopieren(t.k->AusgewaehlteDatei, sizeof t.k->AusgewaehlteDatei, pfad.c_str());
        RunWithPerson([&] { return (INT_PTR)PricatDateiEinlesen(besitzer); },
                      [&](Person& p) { EXPECT_FALSE(p.MessageBoxAppears(300)); });
    }
    std::vector<std::string> Werte(int kriterium)
    {
        std::vector<std::string> v;
        const FILTERWERTE& l = t.k->FilterWerte[kriterium - 1];
        for (int32_t i = 0; i < l.Anzahl; i++)
            v.push_back(l.Wert[i].Text);
        return v;
    }
    std::string Ean(int32_t zeile) { return std::string(t.k->PricatTabelle[zeile].PricatDaten.Ean, 13); }

    TestKontext t;
};

/* The two big catalogues: 32,000 and 32,001 variations. */
class Zeilenlimit : public Zeilentabelle {
protected:
    static void SetUpTestSuite()
    {
        ordner = new std::string(NeuerTestordner("zeilenlimit"));
        std::string inhalt = edihilfe::PricatKopfzeile("4012345000009", "4000000000001", "Gross");
        size_t vorLetzter = 0;
        for (int i = 0; i < 32001; i++) {
            if (i == 32000)
                vorLetzter = inhalt.size();
            inhalt += edihilfe::PricatZeile(Zeile(i));
        }
        edihilfe::Schreiben(*ordner + "MAX.INH", inhalt.substr(0, vorLetzter));
        edihilfe::Schreiben(*ordner + "MEHR.INH", inhalt);
    }
    static void TearDownTestSuite() { delete ordner; }

    void MitMeldungEinlesen(const std::string& pfad)
    {
        Zaehlerfenster z;
        SetWindowTextA(GetDlgItem(z.fenster, 1009), "7");
        TextKopieren(t.k->AusgewaehlteDatei, sizeof t.k->AusgewaehlteDatei, pfad.c_str());
        t.k->HauptFenster = z.fenster;
        MessageBoxInfo box;
        HWND besitzer = nullptr;
        RunWithPerson([&] { return (INT_PTR)PricatDateiEinlesen(z.fenster); },
                      [&](Person& p) {
                          box = p.WaitMessageBox(60000);
                          besitzer = GetWindow(box.fenster, GW_OWNER);
                          p.Answer(box, IDOK);
                      },
                      120000);
        EXPECT_EQ("EDI IMPORT Meldung", box.caption);
        EXPECT_EQ("Bitte die PRICAT- Datei kleiner machen!\nDie PRICAT- Datei ist zu gross, sie darf nur Max. "
                  "32000 Zeilen enthalten!\nEs werden nur die ersten 32000 Variationen eingelesen!",
                  box.text);
        EXPECT_EQ(std::vector<std::string>{ "OK" }, box.buttons);
        EXPECT_EQ(z.fenster, besitzer);
        EXPECT_EQ("32000", z.Text(1007));
        EXPECT_EQ("0", z.Text(1009));
        t.k->HauptFenster = nullptr;
    }
    static std::string* ordner;
};
std::string* Zeilenlimit::ordner = nullptr;

TEST_F(Zeilenlimit, GenauZweiunddreissigtausendZeilenMitMeldung)
{
    MitMeldungEinlesen(*ordner + "MAX.INH");
    EXPECT_EQ(32000, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(32000, t.k->AnzahlSaetze);
    EXPECT_EQ(31999, t.k->PricatTabelle[31999].SatzNummer);
    EXPECT_EQ(Ean(31999), std::string(Zeile(31999).Ean, 13));
}

TEST_F(Zeilenlimit, EinSatzZuvielBehaeltDieErstenZweiunddreissigtausend)
{
    MitMeldungEinlesen(*ordner + "MEHR.INH");
    EXPECT_EQ(32000, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(Ean(0), std::string(Zeile(0).Ean, 13));
    EXPECT_EQ(Ean(31999), std::string(Zeile(31999).Ean, 13));
}

TEST_F(Zeilentabelle, NurAndereSatzartenGebenKeineZeile)
{
    std::string pfad = t.wurzel + "DESADV.INH";
    KatalogSchreiben(pfad, {}, DesadvZeile() + DesadvZeile() + "kaputte Zeile\r\n");
    Zaehlerfenster z;
    t.k->HauptFenster = z.fenster;
    t.k->AnzahlSaetzeGesamt = 5;   /* rows of an earlier file */
    Einlesen(pfad);
    EXPECT_EQ(0, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(0, t.k->AnzahlSaetze);
    EXPECT_EQ("0", z.Text(1007));
    EXPECT_EQ("0", z.Text(1009));
    EXPECT_EQ(0, ErsterPricatSatz());
    EXPECT_EQ(nullptr, NaechsterPricatSatz());
}

TEST_F(Zeilentabelle, IlnMitZwoelfOderVierzehnZeichenWirdUebersprungen)
{
    std::string pfad = t.wurzel + "ILN.INH";
    KatalogSchreiben(pfad, { Zeile(0), Zeile(1, "401234500000"), Zeile(2), Zeile(3, "40123450000091"), Zeile(4) },
                     DesadvZeile());
    Einlesen(pfad);
    ASSERT_EQ(3, t.k->AnzahlSaetzeGesamt);
    for (int32_t i = 0; i < 3; i++) {
        EXPECT_EQ(i, t.k->PricatTabelle[i].SatzNummer);
        EXPECT_EQ(1, t.k->PricatTabelle[i].Ausgewaehlt);
    }
    EXPECT_EQ(Ean(1), std::string(Zeile(2).Ean, 13));
    EXPECT_EQ(Ean(2), std::string(Zeile(4).Ean, 13));
}

TEST_F(Zeilentabelle, WertelistenInErstauftrittsreihenfolgeEinmalUndOhneSchluessel)
{
    std::vector<PRICAT_DATEN> z = Zeilen(6);
    EDI_SETZEN(z[0], Hauptgruppe, "3@DOB");
    EDI_SETZEN(z[1], Hauptgruppe, "9@HAKA");
    EDI_SETZEN(z[2], Hauptgruppe, "4@DOB");        /* other key, same text */
    EDI_SETZEN(z[3], Hauptgruppe, "Kinder");
    EDI_SETZEN(z[4], Hauptgruppe, "dob");          /* case counts */
    EDI_SETZEN(z[5], Hauptgruppe, "9@HAKA");
    /* criterion 2: Warengruppe, else WarengruppeErsatz1, else ...Ersatz2 */
    EDI_SETZEN(z[0], Warengruppe, "31@Strick");
    EDI_SETZEN(z[1], Warengruppe, " ");
    EDI_SETZEN(z[1], WarengruppeErsatz1, "Ersatz eins");
    EDI_SETZEN(z[2], Warengruppe, "");
    EDI_SETZEN(z[2], WarengruppeErsatz1, " blank vorn");
    EDI_SETZEN(z[2], WarengruppeErsatz2, "Ersatz zwei");
    EDI_SETZEN(z[3], Label, "7@Label mit einem Namen von mehr als vierzig Zeichen Laenge");
    std::string pfad = t.wurzel + "WERTE.INH";
    KatalogSchreiben(pfad, z);
    Einlesen(pfad);

    EXPECT_EQ((std::vector<std::string>{ "DOB", "HAKA", "Kinder", "dob" }), Werte(1));
    EXPECT_EQ((std::vector<std::string>{ "Strick", "Ersatz eins", "Ersatz zwei" }), Werte(2));
    EXPECT_EQ((std::vector<std::string>{ "Basic" }), Werte(3));
    EXPECT_EQ((std::vector<std::string>{ "Nordlicht", "Label mit einem Namen von mehr als vierz" }), Werte(4));
    EXPECT_EQ((std::vector<std::string>{ "Baumwolle" }), Werte(5));

    /* the filter compares a row's value in the same cut form */
    char wert[FILTERWERT_LAENGE + 1];
    FilterwertDerZeile(&t.k->PricatTabelle[3].PricatDaten, 4, wert);
    EXPECT_STREQ("Label mit einem Namen von mehr als vierz", wert);
}

TEST_F(Zeilentabelle, WertelisteHaeltTausendWerteUndAlleZeilenBleiben)
{
    std::vector<PRICAT_DATEN> z = Zeilen(1002);
    for (int i = 0; i < 1002; i++)
        EDI_SETZEN(z[i], Hauptgruppe, "HG " + std::to_string(i));
    std::string pfad = t.wurzel + "TAUSEND.INH";
    KatalogSchreiben(pfad, z);
    Einlesen(pfad);
    EXPECT_EQ(1002, t.k->AnzahlSaetzeGesamt);
    std::vector<std::string> w = Werte(1);
    ASSERT_EQ(1000u, w.size());
    EXPECT_EQ("HG 0", w.front());
    EXPECT_EQ("HG 999", w.back());
}

TEST_F(Zeilentabelle, NeuesEinlesenSetztFilterUndWertelistenZurueck)
{
    std::vector<PRICAT_DATEN> erste = Zeilen(4);
    for (PRICAT_DATEN& d : erste)
        EDI_SETZEN(d, Material, "Wolle");
    KatalogSchreiben(t.wurzel + "A.INH", erste);
    KatalogSchreiben(t.wurzel + "B.INH", Zeilen(3));
    Einlesen(t.wurzel + "A.INH");
    EXPECT_EQ(std::vector<std::string>{ "Wolle" }, Werte(5));

    /* a filter: rows 1 and 3 out, a chosen value */
    t.k->PricatTabelle[1].Ausgewaehlt = 0;
    t.k->PricatTabelle[3].Ausgewaehlt = 0;
    t.k->AnzahlSaetze = t.k->AnzahlGefiltert = 2;
    TextKopieren(t.k->FilterWerte[4].Auswahl.Text, sizeof t.k->FilterWerte[4].Auswahl.Text, "Wolle");

    Zaehlerfenster z;
    t.k->HauptFenster = z.fenster;
    Einlesen(t.wurzel + "B.INH");
    EXPECT_EQ(3, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(3, t.k->AnzahlSaetze);
    EXPECT_EQ(0, t.k->AnzahlGefiltert);
    EXPECT_EQ(1, t.k->PricatTabelle[1].Ausgewaehlt);
    EXPECT_STREQ("", t.k->FilterWerte[4].Auswahl.Text);
    EXPECT_EQ(std::vector<std::string>{ "Baumwolle" }, Werte(5));
    EXPECT_EQ("3", z.Text(1007));
    EXPECT_EQ("0", z.Text(1009));
}

TEST_F(Zeilentabelle, OhneDateiNurFilterAusUndMitFehlenderDateiNull)
{
    KatalogSchreiben(t.wurzel + "A.INH", Zeilen(4));
    Einlesen(t.wurzel + "A.INH");
    t.k->PricatTabelle[2].Ausgewaehlt = 0;
    t.k->AnzahlSaetze = t.k->AnzahlGefiltert = 3;

    Einlesen("");
    EXPECT_EQ(4, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(4, t.k->AnzahlSaetze);
    EXPECT_EQ(0, t.k->AnzahlGefiltert);
    EXPECT_EQ(1, t.k->PricatTabelle[2].Ausgewaehlt);

    Einlesen(t.wurzel + "FEHLT.INH");
    EXPECT_EQ(0, t.k->AnzahlSaetzeGesamt);
    EXPECT_EQ(0, t.k->AnzahlSaetze);
}

TEST_F(Zeilentabelle, IteratorLiefertNachFilterNurAusgewaehlteInDateireihenfolge)
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
    /* rows beyond the table's count are never handed out */
    t.k->AnzahlSaetzeGesamt = 4;
    ErsterPricatSatz();
    EXPECT_EQ(&t.k->PricatTabelle[1].PricatDaten, NaechsterPricatSatz());
    EXPECT_EQ(nullptr, NaechsterPricatSatz());

    FilterAusschalten();
    EXPECT_EQ(4, t.k->AnzahlSaetze);
    ErsterPricatSatz();
    EXPECT_EQ(&t.k->PricatTabelle[0].PricatDaten, NaechsterPricatSatz());
}

TEST_F(Zeilentabelle, MitFeldMapKommenDieKriterienAusDerMap)
{
    strcpy(t.k->KatalogLieferantIln, "4012345000009");
    char pfad[OX_TXT_PATH];
    ASSERT_EQ(1, EDIMapDBA_CreateFeldMapFileName("4012345000009", pfad));
    char ordner[OX_TXT_PATH];
    FileIO_Separate(pfad, ordner, sizeof ordner, nullptr, 0);
    FileIO_PathCreate(ordner);
    /* Hauptgruppe from the first 3 characters of the colour text */
    edihilfe::Schreiben(pfad, "[PRICAT]\r\nM1_1=23\r\nM1_1_P=1;3\r\n");
    t.k->FeldMap.Vorhanden = 1;
    std::vector<PRICAT_DATEN> z = Zeilen(3);
    EDI_SETZEN(z[2], Lieferantenfarbe, "gelb");
    KatalogSchreiben(t.wurzel + "MAP.INH", z);
    Einlesen(t.wurzel + "MAP.INH");
    EXPECT_EQ((std::vector<std::string>{ "mar", "rot", "gel" }), Werte(1));
    /* a criterion without a map entry gives an empty text with a map in force */
    EXPECT_EQ(std::vector<std::string>{ "" }, Werte(2));
}

} // namespace
