/*
 * After an export the upload is offered when FTP access data are given:
 * the exported set goes to a real FTP server through the upload dialog.
 */
#include <gtest/gtest.h>

#include <algorithm>

/* winsock2.h before windows.h */
#include "ftptestserver.h"
#include "exportlager.h"
#include "harness/testordner.h"
#include "resources/resource.h"

static const char* const TITEL = "Artikelstammdaten Export";
static const char* const UPLOADTITEL = "EDI Export Dateien";

class ExportHochladen : public ::testing::Test {
protected:
    void SetUp() override
    {
        LagerAnlegen(lager, "exporthochladen");
        mueller = LieferantNeu("0001", "Mueller Textil", "4000000000017");
        LieferantNeu("0002", "Ohne Artikel", "4000000000024");
        ArtikelDaten d;
        d.lieferant = mueller;
        d.nummerText = "4711";
        ArtikelNeu(d);
        fern = lager.wurzel + "server\\KIVOLA\\EDI\\DOWNLOAD\\";
        for (const char* teil : { "server", "server\\KIVOLA", "server\\KIVOLA\\EDI", "server\\KIVOLA\\EDI\\DOWNLOAD" })
            CreateDirectoryA((lager.wurzel + teil).c_str(), nullptr);
    }
    void TearDown() override { LagerFreigeben(lager); }

    void Zugang(const std::string& server, const std::string& passwort)
    {
        lager.host.ftpServer = server;
        lager.host.ftpBenutzer = "edi";
        lager.host.ftpPasswort = passwort;
        lager.host.uploadBasisPfad = "";
        lager.host.uploadZusatz = "";
        lager.host.benutzerKennung = "";
    }
    /* Exports supplier `text` with OK; `danach` sees the export dialog
     * afterwards (and closes it). */
    void Exportieren(const std::string& text, const std::function<void(Person&, HWND)>& danach)
    {
        Standin_Parameter(lager.host, 0);
        RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&lager.host.parameter); },
                      [&](Person& p) {
                          HWND w = p.WaitWindow(TITEL);
                          ASSERT_NE(nullptr, w);
                          p.Type(w, IDC_EX_LIEFERANT, text);
                          p.Focus(w, IDC_EX_PFLEGEKZ);
                          PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(w, IDOK));
                          danach(p, w);
                      },
                      120000);
    }

    ExportLager lager;
    int32_t mueller = 0;
    std::string fern;
};

TEST_F(ExportHochladen, ExportierterSatzGehtAufDenServer)
{
    FtpTestServer server(lager.wurzel + "server\\");
    FTP_SERVER_BEREIT(server);
    Zugang(server.Adresse(), "geheim");
    Exportieren("0001", [&](Person& p, HWND w) {
        HWND hoch = p.WaitWindow(UPLOADTITEL, 60000);
        ASSERT_NE(nullptr, hoch);
        ASSERT_EQ(1, p.ListViewCount(hoch, 1171));
        EXPECT_EQ("PRICAT-MUELLER_TEXTIL.INH", p.ListViewText(hoch, 1171, 0, 1));
        EXPECT_EQ("PRICAT-MUELLER_TEXTIL.ADR", p.ListViewText(hoch, 1171, 0, 3));
        p.ListViewSelect(hoch, 1171, 0);
        PostMessageA(hoch, WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), (LPARAM)GetDlgItem(hoch, 3));
        MessageBoxInfo box = p.WaitMessageBox(60000);
        EXPECT_EQ("Daten hochladen war erfolgreich", box.text);
        p.Answer(box, IDOK);
        p.Click(hoch, IDC_FTP_BEENDEN);
        p.WaitClosed(hoch);
        EXPECT_EQ("100 %", p.Text(w, IDC_EX_FORTSCHRITT));
        p.Click(w, IDCANCEL);
    });
    for (const char* name : { "PRICAT-MUELLER_TEXTIL.INH", "PRICAT-MUELLER_TEXTIL.ADR" }) {
        std::string hier = DateiLesen(lager.exportOrdner + name);
        EXPECT_FALSE(hier.empty()) << name;
        EXPECT_EQ(hier, DateiLesen(fern + name)) << name;
    }
}

/* Another workstation holds one supplier's earlier catalogue open: that
 * set is skipped and named, its earlier file stays, the other supplier's
 * set is written and the upload is still offered. */
TEST_F(ExportHochladen, GehaltenerSatzHaeltDieAnderenUndDasHochladenNichtAuf)
{
    ArtikelDaten d;
    d.lieferant = LieferantNeu("0003", "Bauer", "4000000000031");
    d.nummerText = "815";
    ArtikelNeu(d);
    CreateDirectoryA(lager.exportOrdner.c_str(), nullptr);
    std::string bauer = lager.exportOrdner + "PRICAT-BAUER.INH";
    DateiSchreiben(bauer, "alt");
    HANDLE offen = CreateFileA(bauer.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, offen);
    FtpTestServer server(lager.wurzel + "server\\");
    FTP_SERVER_BEREIT(server);
    Zugang(server.Adresse(), "geheim");
    Exportieren("ALLE", [&](Person& p, HWND w) {
        MessageBoxInfo box = p.WaitMessageBox(60000);
        EXPECT_EQ("ORDANEX", box.caption);
        EXPECT_NE(std::string::npos, box.text.find("\\EDI_EXPORT\\PRICAT-BAUER.INH")) << box.text;
        EXPECT_EQ(std::string::npos, box.text.find("MUELLER")) << box.text;
        p.Answer(box, IDOK);
        HWND hoch = p.WaitWindow(UPLOADTITEL, 60000);
        ASSERT_NE(nullptr, hoch);
        std::vector<std::string> namen;
        for (int i = 0; i < p.ListViewCount(hoch, 1171); i++)
            namen.push_back(p.ListViewText(hoch, 1171, i, 1));
        EXPECT_NE(namen.end(), std::find(namen.begin(), namen.end(), "PRICAT-MUELLER_TEXTIL.INH"));
        p.Click(hoch, IDC_FTP_BEENDEN);
        p.WaitClosed(hoch);
        p.Click(w, IDCANCEL);
    });
    CloseHandle(offen);
    EXPECT_EQ("alt", DateiLesen(bauer));
    EXPECT_FALSE(DateiLesen(lager.exportOrdner + "PRICAT-MUELLER_TEXTIL.INH").empty());
}

TEST_F(ExportHochladen, KeinAngebotOhneZugangOderOhneSaetze)
{
    /* No password: no upload dialog. */
    Zugang("127.0.0.1", "");
    Exportieren("0001", [&](Person& p, HWND w) {
        /* OK was posted: the export runs after this point. */
        p.WaitText(w, IDC_EX_FORTSCHRITT, "100 %", 60000);
        /* "Abbrechen" closes the dialog only once the export's OK has
         * returned; an upload dialog offered in between would keep it open. */
        p.Click(w, IDCANCEL);
        EXPECT_TRUE(p.WaitClosed(w));
        for (HWND h : VisibleWindows(p.UiThread()))
            EXPECT_NE(UPLOADTITEL, p.WindowText(h));
    });
    EXPECT_TRUE(Existiert(lager.exportOrdner + "PRICAT-MUELLER_TEXTIL.INH"));

    /* Access given, but the export wrote no record. */
    Zugang("127.0.0.1", "geheim");
    Exportieren("0002", [&](Person& p, HWND w) {
        p.WaitText(w, IDC_EX_FORTSCHRITT, "100 %", 60000);
        /* "Abbrechen" closes the dialog only once the export's OK has
         * returned; an upload dialog offered in between would keep it open. */
        p.Click(w, IDCANCEL);
        EXPECT_TRUE(p.WaitClosed(w));
        for (HWND h : VisibleWindows(p.UiThread()))
            EXPECT_NE(UPLOADTITEL, p.WindowText(h));
    });
}
