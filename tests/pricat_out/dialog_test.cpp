/*
 * The export dialog as a person uses it: opening, options that are stored
 * at once, choosing the supplier by picker or by typing, the name
 * extension and the info text that belong to one supplier, OK and
 * "Abbrechen".
 */
#include <gtest/gtest.h>

#include <algorithm>

#include "callbacks.h"
#include "exportlager.h"
#include "ftp/ftp.h"
#include "harness/testordner.h"
#include "hostapi/oxinifile.h"
#include "resources/resource.h"

static const char* const TITEL = "Artikelstammdaten Export";
static const char* const INFOTITEL = "EDI Export Text f\xfcr Infodatei eingeben";

class ExportDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        LagerAnlegen(lager, "exportdialog");
        mueller = LieferantNeu("0001", "M\xfcller Textil", "4000000000017");
        bauer = LieferantNeu("0002", "Bauer.Mode", "4000000000024");
        ArtikelDaten d;
        d.lieferant = mueller;
        d.nummerText = "4711";
        ArtikelNeu(d);
        d.lieferant = bauer;
        d.nummerText = "815";
        ArtikelNeu(d);
    }
    void TearDown() override { LagerFreigeben(lager); }

    /* One call of the module in export mode with `person` at the dialog. */
    INT_PTR Aufruf(const std::function<void(Person&, HWND)>& person)
    {
        Standin_Parameter(lager.host, 0);
        return RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&lager.host.parameter); },
                             [&](Person& p) {
                                 HWND w = p.WaitWindow(TITEL);
                                 ASSERT_NE(nullptr, w);
                                 person(p, w);
                             });
    }
    /* Types a supplier text and leaves the field as a tab key would. */
    static void LieferantTippen(Person& p, HWND w, const std::string& text)
    {
        p.Type(w, IDC_EX_LIEFERANT, text);
        p.Focus(w, IDC_EX_PFLEGEKZ);
    }
    static void LieferantPicken(Person& p, HWND w, const std::string& eintrag)
    {
        p.Click(w, IDC_EX_LIEFERANT_BTN);
        HWND picker = p.WaitWindow(STANDIN_AUSWAHL_LIEFERANT);
        ASSERT_NE(nullptr, picker);
        ASSERT_TRUE(p.PickList(picker, STANDIN_AUSWAHL_LISTE, eintrag));
        p.Click(picker, IDOK);
        p.WaitClosed(picker);
    }
    /* Pastes `text` over the whole content of edit `id`, as a person does
     * with a text of several lines. */
    static void Einfuegen(Person& p, HWND w, int id, const std::string& text)
    {
        HWND edit = p.Control(w, id);
        ASSERT_NE(nullptr, edit);
        p.Focus(w, id);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)text.c_str());
    }
    std::string Datei(const std::string& name) { return lager.exportOrdner + name; }

    ExportLager lager;
    int32_t mueller = 0, bauer = 0;
};

TEST_F(ExportDialog, OeffnetMitOrdnerUndGespeichertenOptionen)
{
    INT_PTR r = Aufruf([&](Person& p, HWND w) {
        EXPECT_EQ(lager.wurzel + "EDI_EXPORT", p.Text(w, IDC_EX_ORDNER));
        /* bold Arial 9 also without the main window's fonts */
        LOGFONTA schrift = {};
        HFONT h = (HFONT)SendMessageA(p.Control(w, IDC_EX_ORDNER), WM_GETFONT, 0, 0);
        ASSERT_NE(nullptr, h);
        GetObjectA(h, sizeof schrift, &schrift);
        EXPECT_STREQ("Arial", schrift.lfFaceName);
        EXPECT_EQ(700, schrift.lfWeight);
        EXPECT_TRUE(p.IsChecked(w, IDC_EX_PFLEGEKZ));
        EXPECT_TRUE(p.IsChecked(w, IDC_EX_ADRESSEN));
        EXPECT_TRUE(p.IsChecked(w, IDC_EX_BLE));
        for (int id : { IDC_EX_NAMENSERW_CHK, IDC_EX_NAMENSERW, IDC_EX_INFO_CHK, IDC_EX_INFO_BTN })
            EXPECT_FALSE(p.IsEnabled(w, id)) << "control " << id;
        EXPECT_EQ("", p.Text(w, IDC_EX_LIEFERANT));
        EXPECT_EQ("", p.Text(w, IDC_EX_FORTSCHRITT));

        /* Options go to the INI file the moment they change. */
        p.SetCheck(w, IDC_EX_ADRESSEN, false);
        p.SetCheck(w, IDC_EX_BLE, false);
        EXPECT_EQ(0, INI_GetInt("EDIIMPORTER", "adressimportsuchen", 1));
        EXPECT_EQ(0, INI_GetInt("EDIIMPORTER", "bleexport", 1));
        p.SetCheck(w, IDC_EX_PFLEGEKZ, false);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ(1, r);

    /* After a restart the two options are as left; the maintenance flag is
     * ticked again. */
    Aufruf([&](Person& p, HWND w) {
        EXPECT_FALSE(p.IsChecked(w, IDC_EX_ADRESSEN));
        EXPECT_FALSE(p.IsChecked(w, IDC_EX_BLE));
        EXPECT_TRUE(p.IsChecked(w, IDC_EX_PFLEGEKZ));
        p.SetCheck(w, IDC_EX_BLE, true);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ(1, INI_GetInt("EDIIMPORTER", "bleexport", 0));
}

TEST_F(ExportDialog, LieferantAusDerAuswahlDesHosts)
{
    Aufruf([&](Person& p, HWND w) {
        /* The picker closed without a choice changes nothing. */
        p.Click(w, IDC_EX_LIEFERANT_BTN);
        HWND picker = p.WaitWindow(STANDIN_AUSWAHL_LIEFERANT);
        ASSERT_NE(nullptr, picker);
        p.Click(picker, IDCANCEL);
        p.WaitClosed(picker);
        EXPECT_EQ("", p.Text(w, IDC_EX_LIEFERANT));

        LieferantPicken(p, w, "0002 Bauer.Mode");
        EXPECT_EQ("0002", p.Text(w, IDC_EX_LIEFERANT));
        EXPECT_EQ("PRICAT-BAUER_MODE(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
        EXPECT_TRUE(p.IsEnabled(w, IDC_EX_NAMENSERW_CHK));
        EXPECT_TRUE(p.IsEnabled(w, IDC_EX_INFO_CHK));
        EXPECT_FALSE(p.IsEnabled(w, IDC_EX_NAMENSERW)) << "until the extension is wanted";
        EXPECT_FALSE(p.IsEnabled(w, IDC_EX_INFO_BTN));
        p.SetCheck(w, IDC_EX_INFO_CHK, true);
        EXPECT_TRUE(p.IsEnabled(w, IDC_EX_INFO_BTN));
        EXPECT_EQ("PRICAT-BAUER_MODE(INH,ADR,TXT)", p.Text(w, IDC_EX_VORSCHAU));
        p.Click(w, IDCANCEL);
    });
}

TEST_F(ExportDialog, LieferantGetipptUndAlle)
{
    Aufruf([&](Person& p, HWND w) {
        LieferantTippen(p, w, "0001");
        EXPECT_EQ("PRICAT-M\xdcLLER_TEXTIL(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
        /* Lower case is not the all-suppliers word: no supplier of that
         * number, the previous one stays. */
        LieferantTippen(p, w, "alle");
        EXPECT_EQ("0001", p.Text(w, IDC_EX_LIEFERANT));
        EXPECT_EQ("PRICAT-M\xdcLLER_TEXTIL(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
        LieferantTippen(p, w, "9999");
        EXPECT_EQ("0001", p.Text(w, IDC_EX_LIEFERANT));

        p.SetCheck(w, IDC_EX_NAMENSERW_CHK, true);
        EXPECT_EQ("PRICAT-M\xdcLLER_TEXTIL-(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU)) << "ticked, nothing typed yet";
        LieferantTippen(p, w, "ALLE");
        EXPECT_EQ("PRICAT-<*******>(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
        EXPECT_FALSE(p.IsChecked(w, IDC_EX_NAMENSERW_CHK));
        for (int id : { IDC_EX_NAMENSERW_CHK, IDC_EX_NAMENSERW, IDC_EX_INFO_CHK, IDC_EX_INFO_BTN })
            EXPECT_FALSE(p.IsEnabled(w, id)) << "control " << id;

        p.Click(w, IDOK);
        EXPECT_EQ("100 %", p.Text(w, IDC_EX_FORTSCHRITT));
        EXPECT_TRUE(IsWindowVisible(w)) << "the dialog stays open after OK";
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{ "PRICAT-BAUER_MODE.ADR", "PRICAT-BAUER_MODE.INH", "PRICAT-M\xdcLLER_TEXTIL.ADR",
                                         "PRICAT-M\xdcLLER_TEXTIL.INH" }),
              Dateien(lager.exportOrdner));
}

/* The Dutch layout has combo box 5002 in place of the picker and the edit:
 * every supplier of the host and "ALLE"; an entry chosen exports that
 * supplier. */
TEST_F(ExportDialog, NiederlaendischLieferantAusDerKombi)
{
    LANGID alt = GetThreadUILanguage();
    LCID altLocale = GetThreadLocale();
    SetThreadUILanguage(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH));
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH), SORT_DEFAULT));
    Standin_Parameter(lager.host, 0);
    RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&lager.host.parameter); },
                  [&](Person& p) {
                      HWND w = p.WaitWindow("Export artikelstamgegevens");
                      ASSERT_NE(nullptr, w);
                      EXPECT_EQ(nullptr, GetDlgItem(w, IDC_EX_LIEFERANT));
                      std::vector<std::string> eintraege = p.ComboEntries(w, IDC_EX_LIEFERANT_KOMBI);
                      for (const char* e : { "ALLE", "0001 M\xfcller Textil", "0002 Bauer.Mode" })
                          EXPECT_NE(eintraege.end(), std::find(eintraege.begin(), eintraege.end(), e)) << e;
                      ASSERT_TRUE(p.PickCombo(w, IDC_EX_LIEFERANT_KOMBI, "0002 Bauer.Mode"));
                      EXPECT_EQ("PRICAT-BAUER_MODE(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
                      EXPECT_TRUE(p.IsEnabled(w, IDC_EX_NAMENSERW_CHK));
                      p.Click(w, IDOK);
                      EXPECT_EQ("100 %", p.Text(w, IDC_EX_FORTSCHRITT));
                      p.Click(w, IDCANCEL);
                  });
    SetThreadUILanguage(alt);
    SetThreadLocale(altLocale);
    EXPECT_EQ((std::vector<std::string>{ "PRICAT-BAUER_MODE.ADR", "PRICAT-BAUER_MODE.INH" }),
              Dateien(lager.exportOrdner));
}

TEST_F(ExportDialog, OkOhneLieferantTutNichts)
{
    Aufruf([&](Person& p, HWND w) {
        p.Click(w, IDOK);
        /* The click returns once OK is handled: a message would be open. */
        EXPECT_FALSE(p.MessageBoxAppears(0));
        EXPECT_EQ("", p.Text(w, IDC_EX_FORTSCHRITT));
        p.Click(w, IDCANCEL);
    });
    EXPECT_FALSE(Existiert(lager.exportOrdner));
}

TEST_F(ExportDialog, OptionenWirkenAufDenExport)
{
    Aufruf([&](Person& p, HWND w) {
        LieferantTippen(p, w, "0001");
        p.SetCheck(w, IDC_EX_ADRESSEN, false);
        p.SetCheck(w, IDC_EX_BLE, false);
        p.Click(w, IDOK);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{ "PRICAT-M\xdcLLER_TEXTIL.INH" }), Dateien(lager.exportOrdner));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(lager.exportOrdner + "PRICAT-M\xdcLLER_TEXTIL.INH");
    ASSERT_EQ(1u, saetze.size());
    EXPECT_EQ("4711", FELD(saetze[0], Artikel));
}

TEST_F(ExportDialog, NamenserweiterungGehoertZumLieferanten)
{
    Aufruf([&](Person& p, HWND w) {
        LieferantTippen(p, w, "0001");
        p.SetCheck(w, IDC_EX_NAMENSERW_CHK, true);
        EXPECT_TRUE(p.IsEnabled(w, IDC_EX_NAMENSERW));
        p.Type(w, IDC_EX_NAMENSERW, "Herbst 26");
        p.Focus(w, IDC_EX_PFLEGEKZ);
        EXPECT_EQ("PRICAT-M\xdcLLER_TEXTIL-HERBST_26(INH,ADR)", p.Text(w, IDC_EX_VORSCHAU));
        p.Click(w, IDOK);
        EXPECT_TRUE(Existiert(Datei("PRICAT-M\xdcLLER_TEXTIL-HERBST_26.INH")));

        /* Another supplier empties the extension ... */
        LieferantTippen(p, w, "0002");
        EXPECT_EQ("", p.Text(w, IDC_EX_NAMENSERW));
        /* ... and going back offers it again from the export folder. */
        LieferantTippen(p, w, "0001");
        EXPECT_EQ("Herbst 26", p.Text(w, IDC_EX_NAMENSERW));
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ("Herbst 26\r\n", DateiLesen(lager.exportOrdner + "ZUSATZINFOS\\NAM0001.TXT"));
}

TEST_F(ExportDialog, InfotextNurMitHaken)
{
    Aufruf([&](Person& p, HWND w) {
        LieferantTippen(p, w, "0001");
        p.SetCheck(w, IDC_EX_INFO_CHK, true);
        p.Click(w, IDC_EX_INFO_BTN);
        HWND info = p.WaitWindow(INFOTITEL);
        ASSERT_NE(nullptr, info);
        EXPECT_EQ("", p.Text(info, IDC_INFO_TEXT));
        Einfuegen(p, info, IDC_INFO_TEXT, "Neue Kollektion\r\nab M\xe4rz");
        p.Click(info, IDOK);
        p.WaitClosed(info);

        /* Unticked at OK: the text is dropped, no ".TXT". */
        p.SetCheck(w, IDC_EX_INFO_CHK, false);
        p.Click(w, IDOK);
        EXPECT_FALSE(Existiert(Datei("PRICAT-M\xdcLLER_TEXTIL.TXT")));
        p.SetCheck(w, IDC_EX_INFO_CHK, true);
        p.Click(w, IDC_EX_INFO_BTN);
        info = p.WaitWindow(INFOTITEL);
        ASSERT_NE(nullptr, info);
        EXPECT_EQ("", p.Text(info, IDC_INFO_TEXT));
        Einfuegen(p, info, IDC_INFO_TEXT, "Neue Kollektion\r\nab M\xe4rz");
        p.Click(info, IDOK);
        p.WaitClosed(info);

        /* "Abbrechen" in the info dialog keeps the text as it was. */
        p.Click(w, IDC_EX_INFO_BTN);
        info = p.WaitWindow(INFOTITEL);
        ASSERT_NE(nullptr, info);
        EXPECT_EQ("Neue Kollektion\r\nab M\xe4rz", p.Text(info, IDC_INFO_TEXT));
        Einfuegen(p, info, IDC_INFO_TEXT, "verworfen");
        p.Click(info, IDCANCEL);
        p.WaitClosed(info);

        p.Click(w, IDOK);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ("Neue Kollektion\r\nab M\xe4rz", DateiLesen(Datei("PRICAT-M\xdcLLER_TEXTIL.TXT")));
    EXPECT_EQ("Neue Kollektion\r\nab M\xe4rz", DateiLesen(lager.exportOrdner + "ZUSATZINFOS\\INFO0001.TXT"));

    /* The next time the text is offered again for that supplier. */
    Aufruf([&](Person& p, HWND w) {
        LieferantPicken(p, w, "0001 M\xfcller Textil");
        p.SetCheck(w, IDC_EX_INFO_CHK, true);
        p.Click(w, IDC_EX_INFO_BTN);
        HWND info = p.WaitWindow(INFOTITEL);
        ASSERT_NE(nullptr, info);
        EXPECT_EQ("Neue Kollektion\r\nab M\xe4rz", p.Text(info, IDC_INFO_TEXT));
        p.Click(info, IDCANCEL);
        p.WaitClosed(info);
        p.Click(w, IDCANCEL);
    });
}
