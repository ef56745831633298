/*
 * One call of the module as the host makes it: the mode picks the dialog,
 * the import folder is made, the context is fresh each time and freed.
 */
#include <gtest/gtest.h>

#include "kontext/ktoxedi.h"
#include "harness/person.h"
#include "harness/testordner.h"
#include "standin.h"
#include "KTSTORAGE/ktstorage_host.h"
#include "hostapi/fileio.h"

#include <string>

class Aufruf : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_ModulInstanz = GetModuleHandleA(nullptr);
        wurzel = NeuerTestordner("aufruf");
        ASSERT_EQ(1, Standin_Init(host, wurzel + "DATEN\\"));
        g_StandinStill = 1;
    }
    INT_PTR Rufen(int modus, const std::function<void(Person&)>& person)
    {
        Standin_Parameter(host, modus);
        return RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&host.parameter); }, person);
    }
    std::string wurzel;
    StandinHost host;
};

TEST_F(Aufruf, JederModusAusserEinsOeffnetDenExport)
{
    for (int modus : { 0, 2, -1 }) {
        INT_PTR r = Rufen(modus, [&](Person& p) {
            HWND w = p.WaitWindow("Artikelstammdaten Export");
            ASSERT_NE(nullptr, w);
            EXPECT_EQ(wurzel + "EDI_EXPORT", p.Text(w, 5004));
            p.Click(w, IDCANCEL);
        });
        EXPECT_EQ(1, r) << "mode " << modus;
    }
}

TEST_F(Aufruf, ModusEinsOeffnetDasImportfensterOhneLieferant)
{
    INT_PTR r = Rufen(1, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ("Kein Lieferant ausgew\xe4hlt", p.Text(w, 1004));
        for (int id : { 1013, 1007, 1009, 1011 })
            EXPECT_EQ("", p.Text(w, id)) << "control " << id;
        EXPECT_EQ("&Beenden", p.Text(w, 1012));
        p.Click(w, 1012);
    });
    EXPECT_EQ(1, r);
    EXPECT_TRUE(Existiert(wurzel + "EDI_IMPORT"));
}

TEST_F(Aufruf, ZweiterAufrufBeginntMitFrischemKontextUndGibtAllesFrei)
{
    int32_t bloecke = Storage_OutstandingBlocks();
    HFONT schrift = nullptr;
    HBRUSH pinsel = nullptr;
    Rufen(1, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ(bloecke + 1, Storage_OutstandingBlocks());
        schrift = g_Kontext->SchriftArial12Fett;
        pinsel = g_Kontext->PinselHelltuerkis;
        EXPECT_NE(0u, GetObjectType(schrift));
        EXPECT_NE(0u, GetObjectType(pinsel));
        /* Leave traces that must not survive into the next call. */
        g_Kontext->DateiGelesen = 7;
        g_Kontext->AnzahlSaetze = 99;
        strcpy(g_Kontext->KatalogLieferantIln, "4000000000001");
        p.CloseBox(w);
    });
    EXPECT_EQ(bloecke, Storage_OutstandingBlocks());
    EXPECT_EQ(0u, GetObjectType(schrift)) << "font still alive after closing";
    EXPECT_EQ(0u, GetObjectType(pinsel)) << "brush still alive after closing";

    Rufen(1, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_NE(7, g_Kontext->DateiGelesen);
        EXPECT_EQ(0, g_Kontext->AnzahlSaetze);
        EXPECT_STREQ("", g_Kontext->KatalogLieferantIln);
        p.Click(w, 1012);
    });
    EXPECT_EQ(bloecke, Storage_OutstandingBlocks());
    /* After the call, the pages' services see no context instead of freed memory. */
    EXPECT_EQ(nullptr, g_Kontext);
    EXPECT_EQ(0, AuswahlEintragGewaehlt());
    EXPECT_STREQ("", HostDatenText(HD_HOSTVERZEICHNIS));
}

TEST_F(Aufruf, VorhandenerImportordnerOhneMeldung)
{
    ASSERT_TRUE(CreateDirectoryA((wurzel + "EDI_IMPORT").c_str(), nullptr));
    Rufen(1, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_FALSE(p.MessageBoxAppears(0));
        p.Click(w, 1012);
    });
}

TEST_F(Aufruf, NichtAnlegbarerImportordnerMeldetUndOeffnetTrotzdem)
{
    /* The parent of the program-data folder is a file: nothing can be made in it. */
    std::string datei = wurzel + "BLOCK";
    DateiSchreiben(datei, "x");
    Standin_HostDatenText(host, HD_HOSTVERZEICHNIS, datei + "\\DATEN\\", 260);
    /* FTP access given: without an import folder the exchange is skipped. */
    host.ftpServer = "127.0.0.1";
    host.ftpBenutzer = "edi";
    host.ftpPasswort = "geheim";
    INT_PTR r = Rufen(1, [&](Person& p) {
        MessageBoxInfo box = p.WaitMessageBox();
        EXPECT_EQ("ORDANEX", box.caption);
        EXPECT_EQ("PathCreate Error:" + datei + "\\EDI_IMPORT", box.text);
        EXPECT_EQ(1u, box.buttons.size());
        p.Answer(box, IDOK);
        /* The selection page sets the folder up once more when it opens. */
        box = p.WaitMessageBox();
        EXPECT_EQ("PathCreate Error:" + datei + "\\EDI_IMPORT", box.text);
        p.Answer(box, IDOK);
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        p.Click(w, 1012);
    });
    EXPECT_EQ(1, r);
}

TEST_F(Aufruf, FtpSchrittNurMitServerBenutzerUndPasswort)
{
    /* Returns the caption of the first window the call shows. */
    auto lauf = [&](const char* server, const char* benutzer, const char* passwort) {
        host.ftpServer = server;
        host.ftpBenutzer = benutzer;
        host.ftpPasswort = passwort;
        std::string erstes;
        Rufen(1, [&](Person& p) {
            HWND w = p.WaitWindow("");
            ASSERT_NE(nullptr, w);
            erstes = p.WindowText(w);
            /* The exchange dialog may report the unreachable server first. */
            while (erstes != "EDI Import") {
                MessageBoxInfo box;
                if (p.Settle() && p.MessageBoxAppears(0, &box))
                    p.Answer(box, box.buttonIds.front());
                else
                    p.CloseBox(w);
                w = p.WaitWindow("EDI Import");
                ASSERT_NE(nullptr, w);
                break;
            }
            p.Click(w, 1012);
        });
        return erstes;
    };
    /* The import folder is made by the first call; from then on it exists. */
    EXPECT_EQ("EDI Import", lauf("", "", ""));
    EXPECT_EQ("EDI Import", lauf("127.0.0.1", "edi", ""));
    EXPECT_EQ("EDI Import", lauf("127.0.0.1", "", "geheim"));
    EXPECT_EQ("EDI Import", lauf("", "edi", "geheim"));
    EXPECT_EQ("EDI Import Dateien ", lauf("127.0.0.1", "edi", "geheim")) << "the exchange comes before the main window";
}

TEST_F(Aufruf, NiederlaendischeTexteUnterDenselbenIds)
{
    LANGID alt = GetThreadUILanguage();
    LCID altLocale = GetThreadLocale();
    SetThreadUILanguage(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH));
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH), SORT_DEFAULT));
    Rufen(1, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ("Geen leverancier gekozen", p.Text(w, 1004));
        EXPECT_EQ("&Afsluiten", p.Text(w, 1012));
        p.Click(w, 1012);
    });
    Rufen(0, [&](Person& p) {
        HWND w = p.WaitWindow("Export artikelstamgegevens");
        ASSERT_NE(nullptr, w);
        p.Click(w, IDCANCEL);
    });
    SetThreadUILanguage(alt);
    SetThreadLocale(altLocale);
}
