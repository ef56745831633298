/*
 * The exchange as the host meets it: KTOXEDI.DLL called in import mode
 * with FTP access shows the download dialog before the main window, and
 * what the person fetches there is in the import folder when the main
 * window opens.
 */
#include "ftptest.h"

#include "hostapi/oxinifile.h"
#include "standin.h"

TEST(Einstieg, HerunterladenVorDemHauptfenster)
{
    std::string wurzel = NeuerTestordner("ftp_einstieg");
    std::string fern = wurzel + "server\\KIVOLA\\EDI\\DOWNLOAD\\";
    std::string import = wurzel + "EDI_IMPORT\\";
    OrdnerAnlegen(fern);
    DateiSchreiben(fern + "PRICAT_4711.INH", "UNA:+.? 'UNB+UNOC:3'");
    DateiSchreiben(fern + "PRICAT_4711.ADR", "Adresse");
    FtpServerOptionen o;
    o.passwort = "Sesam-0815";
    FtpTestServer server(wurzel + "server\\", o);
    FTP_SERVER_BEREIT(server);

    StandinHost host;
    ASSERT_EQ(1, Standin_Init(host, wurzel + "DATEN\\"));
    g_StandinStill = 1;
    host.ftpServer = server.Adresse();
    host.ftpBenutzer = "edi";
    host.ftpPasswort = o.passwort;
    Standin_Parameter(host, 1);
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)Standin_Bearbeiten(host); }, [&](Person& p) {
        HWND w = p.WaitWindow("", 30000);
        ASSERT_NE(nullptr, w);
        EXPECT_EQ("EDI Import Dateien ", p.WindowText(w)) << "the exchange comes first";
        ASSERT_EQ(1, p.ListViewCount(w, 1171));
        EXPECT_EQ("PRICAT_4711.ADR", p.ListViewText(w, 1171, 0, 3));
        p.ListViewSelect(w, 1171, 0);
        MessageBoxInfo box = Uebertragen(p, w);
        EXPECT_EQ("Daten herunterladen war erfolgreich", box.text);
        p.Answer(box, IDOK);
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), (LPARAM)GetDlgItem(w, 1));
        HWND haupt = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, haupt);
        EXPECT_EQ((std::vector<std::string>{ "PRICAT_4711.ADR", "PRICAT_4711.INH" }), Dateien(import));
        p.Click(haupt, 1012);
    }, 60000);
    EXPECT_EQ(1, r);
    EXPECT_EQ(80, INI2_GetInt(host.iniDatei.c_str(), "EDIFTPLISTE", "SPALTE00", -1));
    EXPECT_EQ(std::string::npos, DateiLesen(host.iniDatei).find("Sesam"));
}
