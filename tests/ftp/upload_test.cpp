/*
 * The upload dialog: the export folder's sets, green for sets on the
 * server, sending marked sets, and what stops it (and what does not).
 */
#include "ftptest.h"

#include "ftp/ftp.h"
#include "ftp/verbindung.h"
#include "hostapi/oxinifile.h"

class Hochladen : public FtpDialogTest {};

TEST_F(Hochladen, ExportsaetzeSendenUeberschreibtServerkopie)
{
    std::string inhalt("UNH+1+PRICAT\r\n\x00\x1a\xff", 18);
    Datei(exportOrdner + "PRICAT_X.INH", inhalt, 10, 5, 2024);
    Datei(exportOrdner + "PRICAT_X.TXT", "Text");
    Datei(exportOrdner + "PRICAT_X.ADR", "Adresse");
    Datei(exportOrdner + "PRICAT_Y.INH", "y", 11, 5, 2024);
    Datei(exportOrdner + "PRICAT_Z.TXT", "ohne Inhalt");
    Fern("PRICAT_X.INH", "alte Fassung auf dem Server");
    FtpTestServer server(wurzel + "server\\");
    FTP_SERVER_BEREIT(server);
    Dialog(1, server, [&](Person& p, HWND w) {
        EXPECT_EQ("EDI Export Dateien", p.WindowText(w));
        EXPECT_EQ("Markierte Dateien senden", p.Text(w, 3));
        EXPECT_FALSE(p.IsEnabled(w, 3));
        std::vector<Zeile> z = Zeilen(p, w);
        ASSERT_EQ(2u, z.size());
        EXPECT_EQ((Zeile{ "11.05.2024", "PRICAT_Y.INH", "----", "----" }), z[0]);
        EXPECT_EQ((Zeile{ "10.05.2024", "PRICAT_X.INH", "PRICAT_X.TXT", "PRICAT_X.ADR" }), z[1]);
        EXPECT_EQ(0xFFFFFFu, Hintergrund(w, 0));
        EXPECT_EQ(0xC0FFC0u, Hintergrund(w, 1)) << "PRICAT_X is on the server";
        p.ListViewSelect(w, 1171, 1);
        MessageBoxInfo box = Uebertragen(p, w);
        EXPECT_EQ("EDI FTP", box.caption);
        EXPECT_EQ("Daten hochladen war erfolgreich", box.text);
        p.Answer(box, IDOK);
    });
    for (const char* name : { "PRICAT_X.INH", "PRICAT_X.TXT", "PRICAT_X.ADR" })
        EXPECT_EQ(DateiLesen(exportOrdner + name), DateiLesen(fernOrdner + name)) << name;
    EXPECT_FALSE(Existiert(fernOrdner + "PRICAT_Y.INH"));
    std::vector<std::string> log = server.Protokoll();
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "STOR PRICAT_X.INH"));
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "TYPE I"));
    EXPECT_EQ(150, INI2_GetInt(ini.c_str(), "EDIFTPEXPORTLISTE", "SPALTE03", -1));
    EXPECT_EQ(-1, INI2_GetInt(ini.c_str(), "EDIFTPLISTE", "SPALTE03", -1));
}

TEST_F(Hochladen, AbgelehntesOderUnmoeglichesSendenMeldet1036)
{
    Datei(exportOrdner + "PRICAT_X.INH", "x");
    FtpServerOptionen verbot;
    verbot.art = "sendeverbot";
    FtpTestServer server(wurzel + "server\\", verbot);
    FTP_SERVER_BEREIT(server);
    /* A refused file is named; without a connection or a mark there is no
     * file to name. */
    auto fehlschlag = [&](bool markieren, const std::string& passwort, const std::string& zeile) {
        Dialog(1, server, [&](Person& p, HWND w) {
            ASSERT_EQ(1, p.ListViewCount(w, 1171)) << "the local list does not need the server";
            if (markieren)
                p.ListViewSelect(w, 1171, 0);
            MessageBoxInfo box = Uebertragen(p, w);
            EXPECT_EQ("Daten konnten nicht hochgeladen werden!" + zeile, box.text);
            p.Answer(box, IDOK);
        }, passwort);
    };
    fehlschlag(true, "geheim", "\n\nPRICAT_X.INH: nicht \xfc" "bertragen");
    fehlschlag(false, "geheim", "");
    fehlschlag(true, "falsch", "");
    EXPECT_FALSE(Existiert(fernOrdner + "PRICAT_X.INH"));
}

TEST_F(Hochladen, LeereTexteHaltenNichtAufFehlendeSchon)
{
    FtpTestServer server(wurzel + "server\\");
    FTP_SERVER_BEREIT(server);
    bool offen = false;
    Dialog(1, server, [&](Person&, HWND) { offen = true; }, "geheim", "");
    EXPECT_TRUE(offen);
    /* Any of the eleven missing: nothing happens at all (no dialog, which
     * would hold the test, and no word to the server). */
    size_t vorher = server.Protokoll().size();
    HINSTANCE i = GetModuleHandleA(nullptr);
    const char* t = "x";
    const char* s = server.Adresse().c_str();
    FtpHochladen(i, nullptr, t, t, t, s, "edi", "geheim", t, t, nullptr);
    FtpHochladen(i, nullptr, nullptr, t, t, s, "edi", "geheim", t, t, t);
    FtpHochladen(i, nullptr, t, t, t, s, "edi", "geheim", nullptr, t, t);
    FtpHerunterladen(i, nullptr, t, t, t, s, "edi", nullptr);
    FtpHerunterladen(i, nullptr, t, nullptr, t, s, "edi", "geheim");
    EXPECT_EQ(vorher, server.Protokoll().size());
}
