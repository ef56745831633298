/*
 * The "Auswahl" page used as a person would: the catalogue files of the
 * import folder, the supplier choice, sorting, choosing a file, the
 * address file of a catalogue, leaving the page and coming back.
 */
#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "hostapi/fileio.h"
#include "resources/resource.h"
#include "OXINIFILE/oxinifile_host.h"

using namespace seiten;

namespace {

constexpr int LISTE = IDC_AW_LISTE;

/* The selection page of the open window. */
HWND Auswahl(Person&, HWND w)
{
    return Seite(w, "Auswahl");
}

}  // namespace

TEST(AuswahlSeite, ListetJedeKatalogdateiMitLieferantDatumUndBeschreibung)
{
    Host h("auswahl_liste");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(0, p.CurrentTab(w, IDC_HW_TAB));
        EXPECT_EQ("Alle Lieferanten", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ(h.importOrdner, p.Text(s, IDC_AW_ORDNER));
        /* The explanation reads as one text across its three strings. */
        EXPECT_NE(std::string::npos, p.Text(s, IDC_AW_TEXT).find("zus\xe4tzlich festlegen ob"));
        EXPECT_TRUE(p.IsChecked(s, IDC_AW_ADRESSEN)) << "fresh INI: option on";
        EXPECT_TRUE(p.IsChecked(s, IDC_AW_SICHERUNG));

        ASSERT_EQ(3, p.ListViewCount(s, LISTE));
        /* ".INH" files before ".PRI" files. */
        EXPECT_EQ("SCHUHE.PRI", p.ListViewText(s, LISTE, 2, 4));
        int herbst = p.ListViewFind(s, LISTE, 4, "HERBST.INH");
        int fremd = p.ListViewFind(s, LISTE, 4, "FREMD.INH");
        ASSERT_GE(herbst, 0);
        ASSERT_GE(fremd, 0);
        EXPECT_EQ(Heute(), p.ListViewText(s, LISTE, herbst, 0));
        EXPECT_EQ(ILN_STRICK, p.ListViewText(s, LISTE, herbst, 1));
        EXPECT_EQ("Strickwaren M\xfcller", p.ListViewText(s, LISTE, herbst, 2));
        EXPECT_EQ("Herbst", p.ListViewText(s, LISTE, herbst, 3));
        EXPECT_EQ("Schuhhaus Nord", p.ListViewText(s, LISTE, 2, 2));
        /* A file of an unknown sender is listed with an empty supplier name
         * (and the receiver's ILN of its header, the second try). */
        EXPECT_EQ(ILN_PARTNER, p.ListViewText(s, LISTE, fremd, 1));
        EXPECT_EQ("", p.ListViewText(s, LISTE, fremd, 2));
        EXPECT_EQ("Unbekannt", p.ListViewText(s, LISTE, fremd, 3));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(AuswahlSeite, LeererImportordnerGibtLeereListeUndAlleLieferanten)
{
    Host h("auswahl_leer", false);
    /* Files that only look like catalogues are not listed. */
    DateiSchreiben(h.importOrdner + "NOTIZ.TXT", "x");
    DateiSchreiben(h.importOrdner + "ALT.INHALT", "x");
    CreateDirectoryA((h.importOrdner + "ORDNER.INH").c_str(), nullptr);
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        EXPECT_EQ(0, p.ListViewCount(s, LISTE));
        EXPECT_EQ("Alle Lieferanten", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ("Kein Lieferant ausgew\xe4hlt", p.Text(w, IDC_HW_LIEFERANT));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(AuswahlSeite, DateiWaehlenSetztKopfLieferantUndIln)
{
    Host h("auswahl_waehlen");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        int herbst = p.ListViewFind(s, LISTE, 4, "HERBST.INH");
        p.ListViewClick(s, LISTE, herbst);
        EXPECT_EQ("Strickwaren M\xfcller  (Herbst vom " + Heute() + ")", p.Text(w, IDC_HW_LIEFERANT));
        EXPECT_EQ(ILN_STRICK, p.Text(w, IDC_HW_ILN));
        EXPECT_EQ("17", p.Text(s, IDC_AW_LIEFERANT));
        EXPECT_EQ("Strickwaren M\xfcller", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ(17, g_Kontext->AktuellerLieferant);
        EXPECT_STREQ(ILN_STRICK, g_Kontext->KatalogLieferantIln);
        std::string pfad = h.importOrdner + "HERBST.INH";
        CharUpperA(pfad.data());
        EXPECT_STREQ(pfad.c_str(), g_Kontext->AusgewaehlteDatei);

        /* A file of an unknown sender: the header shows it, no supplier. */
        p.ListViewClick(s, LISTE, p.ListViewFind(s, LISTE, 4, "FREMD.INH"));
        EXPECT_EQ(0, g_Kontext->AktuellerLieferant);
        EXPECT_EQ(ILN_PARTNER, p.Text(w, IDC_HW_ILN));

        /* "Alle Importdateien" forgets the chosen file. */
        p.Click(s, IDC_AW_ALLE);
        EXPECT_STREQ("", g_Kontext->AusgewaehlteDatei);
        EXPECT_EQ("Kein Lieferant ausgew\xe4hlt", p.Text(w, IDC_HW_LIEFERANT));
        EXPECT_EQ(3, p.ListViewCount(s, LISTE));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(AuswahlSeite, LieferantAusDerAuswahlOderGetipptEngtDieListeEin)
{
    Host h("auswahl_lieferant");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        /* The host's supplier picker. */
        p.Click(s, IDC_AW_LIEFERANT_BTN);
        HWND wahl = p.WaitWindow(STANDIN_AUSWAHL_LIEFERANT);
        ASSERT_NE(nullptr, wahl);
        ASSERT_TRUE(p.PickList(wahl, STANDIN_AUSWAHL_LISTE, "23 Schuhhaus Nord"));
        p.Click(wahl, IDOK);
        p.WaitClosed(wahl);
        EXPECT_EQ(23, g_Kontext->AktuellerLieferant);
        EXPECT_EQ("Schuhhaus Nord", p.Text(s, IDC_AW_LIEFERANT_NAME));
        ASSERT_EQ(1, p.ListViewCount(s, LISTE));
        EXPECT_EQ("SCHUHE.PRI", p.ListViewText(s, LISTE, 0, 4));

        /* Cancelling the picker keeps the list, but no supplier is current. */
        p.Click(s, IDC_AW_LIEFERANT_BTN);
        wahl = p.WaitWindow(STANDIN_AUSWAHL_LIEFERANT);
        ASSERT_NE(nullptr, wahl);
        p.Click(wahl, IDCANCEL);
        p.WaitClosed(wahl);
        EXPECT_EQ(0, g_Kontext->AktuellerLieferant);
        EXPECT_EQ(1, p.ListViewCount(s, LISTE));

        /* A typed supplier number, resolved when the edit loses the focus. */
        p.Type(s, IDC_AW_LIEFERANT, "17");
        p.Focus(s, LISTE);
        EXPECT_EQ(17, g_Kontext->AktuellerLieferant);
        EXPECT_EQ("Strickwaren M\xfcller", p.Text(s, IDC_AW_LIEFERANT_NAME));
        ASSERT_EQ(1, p.ListViewCount(s, LISTE));
        EXPECT_EQ("HERBST.INH", p.ListViewText(s, LISTE, 0, 4));

        /* An unknown number: no supplier, the list stays. */
        p.Type(s, IDC_AW_LIEFERANT, "99");
        p.Focus(s, LISTE);
        EXPECT_EQ(0, g_Kontext->AktuellerLieferant);
        EXPECT_EQ("", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ(1, p.ListViewCount(s, LISTE));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(AuswahlSeite, SpaltenkopfSortiertAufsteigendUndAuswahlUeberlebtDenSeitenwechsel)
{
    Host h("auswahl_sortieren");
    Katalog(h.importOrdner + "ARCHIV.INH", ILN_SCHUH, "Archiv", 4);
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        ASSERT_EQ(4, p.ListViewCount(s, LISTE));
        p.ListViewColumnClick(s, LISTE, 3);
        EXPECT_EQ((std::vector<std::string>{ "Archiv", "Herbst", "Schuhe Sommer", "Unbekannt" }),
                  Spalte(p, s, LISTE, 3));
        /* Every click sorts ascending. */
        p.ListViewColumnClick(s, LISTE, 3);
        EXPECT_EQ("Archiv", p.ListViewText(s, LISTE, 0, 3));
        p.ListViewColumnClick(s, LISTE, 2);
        EXPECT_EQ((std::vector<std::string>{ "", "Schuhhaus Nord", "Schuhhaus Nord", "Strickwaren M\xfcller" }),
                  Spalte(p, s, LISTE, 2));

        int herbst = p.ListViewFind(s, LISTE, 3, "Herbst");
        p.ListViewClick(s, LISTE, herbst);
        p.SelectTab(w, IDC_HW_TAB, 2);
        p.SelectTab(w, IDC_HW_TAB, 0);
        /* The click made supplier 17 current: its file alone is listed, and
         * chosen again; the supplier texts come back. */
        ASSERT_EQ(1, p.ListViewCount(s, LISTE));
        LPARAM gewaehlt = (LPARAM)SendMessageA(p.Control(s, LISTE), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
        EXPECT_EQ(0, (int)gewaehlt);
        EXPECT_EQ("17", p.Text(s, IDC_AW_LIEFERANT));
        EXPECT_EQ("Strickwaren M\xfcller", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ(ILN_STRICK, p.Text(w, IDC_HW_ILN));
        EXPECT_EQ(0, g_Kontext->DateiGelesen) << "leaving the page makes the filter page read again";
        /* A refill keeps the chosen order. */
        p.Click(s, IDC_AW_ALLE);
        EXPECT_EQ((std::vector<std::string>{ "", "Schuhhaus Nord", "Schuhhaus Nord", "Strickwaren M\xfcller" }),
                  Spalte(p, s, LISTE, 2));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(AuswahlSeite, DoppelklickImportiertAdressdateiUndWechseltZumFilter)
{
    Host h("auswahl_adresse");
    std::string adr = h.importOrdner + "HERBST.ADR";
    DateiSchreiben(adr, "K\xfcrzel;Name;Ansprechpartner;Strasse;\n17;Strickwaren M\xfcller KG;Frau Berg;Hafenweg 3;\n");
    DateiSchreiben(h.importOrdner + "SCHUHE.ADR", "K\xfcrzel;Name;\n23;Schuhhaus S\xfc" "d;\n");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        /* Option off: the address file of the clicked catalogue stays. */
        p.SetCheck(s, IDC_AW_ADRESSEN, false);
        p.ListViewClick(s, LISTE, p.ListViewFind(s, LISTE, 4, "SCHUHE.PRI"));
        EXPECT_TRUE(Existiert(h.importOrdner + "SCHUHE.ADR"));

        p.SetCheck(s, IDC_AW_ADRESSEN, true);
        p.ListViewDoubleClick(s, LISTE, p.ListViewFind(s, LISTE, 4, "HERBST.INH"));
        EXPECT_FALSE(Existiert(adr)) << "the address file is consumed";
        EXPECT_EQ(1, p.CurrentTab(w, IDC_HW_TAB));
        EXPECT_EQ("48", p.Text(w, IDC_HW_SAETZE));
        p.Click(w, IDC_HW_BEENDEN);
    });
    LIEFERANTEN_SATZ satz;
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(17, &satz));
    EXPECT_STREQ("Strickwaren M\xfcller KG", satz.Name);
    EXPECT_STREQ("Hafenweg 3", satz.Strasse);
    EXPECT_STREQ(ILN_STRICK, satz.Iln[0]) << "the ILN slots the file leaves out stay";
    /* The options were stored when the page was left. */
    EXPECT_EQ(1, h.IniLong("EDIIMPORTER", "adressimportsuchen"));
}

namespace {

FILETIME Geschrieben(const std::string& pfad)
{
    FILETIME t = {};
    HANDLE d = CreateFileA(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    GetFileTime(d, nullptr, nullptr, &t);
    CloseHandle(d);
    return t;
}

void GeschriebenSetzen(const std::string& pfad, FILETIME t)
{
    HANDLE d = CreateFileA(pfad.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    SetFileTime(d, nullptr, nullptr, &t);
    CloseHandle(d);
}

}  // namespace

/* Listing the folder again reads a file anew whenever its last write or
 * its size changed, and a file that could not be read is tried again. */
TEST(AuswahlSeite, NeuGeschriebenerOderGesperrterKatalogZeigtBeimNaechstenListenSeinenKopf)
{
    Host h("auswahl_neu_gelesen");
    std::string herbst = h.importOrdner + "HERBST.INH";
    std::string schuhe = h.importOrdner + "SCHUHE.PRI";
    /* held by a writer while the page is made */
    HANDLE gesperrt = CreateFileA(schuhe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, gesperrt);
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        ASSERT_EQ(3, p.ListViewCount(s, LISTE));
        EXPECT_EQ("Herbst", p.ListViewText(s, LISTE, p.ListViewFind(s, LISTE, 4, "HERBST.INH"), 3));
        EXPECT_EQ("", p.ListViewText(s, LISTE, p.ListViewFind(s, LISTE, 4, "SCHUHE.PRI"), 3));
        CloseHandle(gesperrt);

        /* same size, a later write */
        FILETIME t = Geschrieben(herbst);
        Katalog(herbst, ILN_STRICK, "Winter", 48);
        ULARGE_INTEGER spaeter;
        spaeter.LowPart = t.dwLowDateTime;
        spaeter.HighPart = t.dwHighDateTime;
        spaeter.QuadPart += 10ull * 10000000ull;
        t.dwLowDateTime = spaeter.LowPart;
        t.dwHighDateTime = spaeter.HighPart;
        GeschriebenSetzen(herbst, t);
        p.Click(s, IDC_AW_ALLE);
        EXPECT_EQ("Winter", p.ListViewText(s, LISTE, p.ListViewFind(s, LISTE, 4, "HERBST.INH"), 3));
        EXPECT_EQ("Schuhe Sommer", p.ListViewText(s, LISTE, p.ListViewFind(s, LISTE, 4, "SCHUHE.PRI"), 3))
            << "a file that could not be read is read next time";

        /* the same last write, another size */
        Katalog(herbst, ILN_STRICK, "Winterware", 48);
        GeschriebenSetzen(herbst, t);
        p.Click(s, IDC_AW_ALLE);
        EXPECT_EQ("Winterware", p.ListViewText(s, LISTE, p.ListViewFind(s, LISTE, 4, "HERBST.INH"), 3));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

/* A row the list has not shown yet gets its file's header when it is drawn
 * or its text is asked for: its colour and texts are those of its supplier,
 * as for a row read at once. */
TEST(AuswahlSeite, ZeileAusserSichtLiestIhrenKopfBeimZeichnen)
{
    Host h("auswahl_spaeter");
    for (int i = 0; i < 60; i++) {
        char name[32];
        std::snprintf(name, sizeof name, "K%03d.INH", i);
        Katalog(h.importOrdner + name, ILN_STRICK, "Teil " + std::to_string(i), 1);
    }
    /* column widths of an earlier call: the columns are not fitted to
     * every row's text */
    for (int spalte = 0; spalte < 5; spalte++)
        INI2_PutInteger(h.host.iniDatei.c_str(), "KTOXEDI_AUSWAHL", ("SPALTE0" + std::to_string(spalte)).c_str(), 120);
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND s = Auswahl(p, w);
        ASSERT_EQ(63, p.ListViewCount(s, LISTE));
        /* a row in the middle: the list shows its first rows, then its last */
        int zeile = 31;
        if (p.ListViewText(s, LISTE, zeile, 4) == "FREMD.INH")
            zeile = 32;
        std::string datei = p.ListViewText(s, LISTE, zeile, 4);
        EXPECT_EQ(0x00FFFFFFu, p.ListViewRowColour(s, LISTE, zeile, CDDS_ITEMPREPAINT))
            << "a known supplier's row, not the unknown colour";
        if (datei != "HERBST.INH") {
            EXPECT_EQ("Teil " + std::to_string(std::atoi(datei.c_str() + 1)), p.ListViewText(s, LISTE, zeile, 3));
        }
        EXPECT_EQ("Strickwaren M\xfcller", p.ListViewText(s, LISTE, zeile, 2));
        EXPECT_EQ(ILN_STRICK, p.ListViewText(s, LISTE, zeile, 1));
        /* the unknown sender's file still gets the unknown colour */
        int fremd = p.ListViewFind(s, LISTE, 4, "FREMD.INH");
        EXPECT_EQ(0x008080FFu, p.ListViewRowColour(s, LISTE, fremd, CDDS_ITEMPREPAINT));
        p.Click(w, IDC_HW_BEENDEN);
    });
}
