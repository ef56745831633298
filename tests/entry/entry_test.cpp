/*
 * Folder derivation, bounded copies and the parameter copy into the
 * call context.
 */
#include <gtest/gtest.h>

#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "standin.h"
#include "callbacks.h"

#include <string.h>
#include <string>

static std::string Eltern(const char* pfad)
{
    char ziel[260];
    EdiElternordner(ziel, sizeof ziel, pfad);
    return ziel;
}

TEST(Ordner, ElternordnerMitUndOhneDateiname)
{
    EXPECT_EQ("C:\\PROG\\", Eltern("C:\\PROG\\DATEN\\"));
    EXPECT_EQ("C:\\PROG\\", Eltern("C:\\PROG\\DATEN\\START.EXE"));
    EXPECT_EQ("C:\\A\\", Eltern("C:\\A\\B\\x.dat"));
    EXPECT_EQ("C:/A/", Eltern("C:/A/B/"));
    EXPECT_EQ("C:\\", Eltern("C:\\DATEN\\"));
    EXPECT_EQ("C:", Eltern("C:\\"));
    EXPECT_EQ("", Eltern(""));
}

TEST(Ordner, KuerzenLaesstDasErsteZeichenStehen)
{
    char pfad[32] = "ABC";
    PfadAufOrdnerKuerzen(pfad);
    EXPECT_STREQ("A", pfad);
    strcpy(pfad, "X:");
    PfadAufOrdnerKuerzen(pfad);
    EXPECT_STREQ("X:", pfad);
    strcpy(pfad, "\\\\server\\teil\\");
    PfadAufOrdnerKuerzen(pfad);
    EXPECT_STREQ("\\\\server\\teil\\", pfad);
}

TEST(Ordner, UeberlangerHostpfadWirdBeiDerKopieGeschnitten)
{
    std::string lang = "C:\\" + std::string(400, 'x') + "\\DATEN\\";
    char ziel[260];
    memset(ziel, 0x7E, sizeof ziel);
    EdiElternordner(ziel, sizeof ziel, lang.c_str());
    /* 259 characters are kept, ending inside the long name: its folder is
     * the drive's root, whose parent is the drive itself. */
    EXPECT_EQ("C:", std::string(ziel));
}

TEST(Text, KopierenBleibtImPuffer)
{
    char puffer[8];
    memset(puffer, 'Z', sizeof puffer);
    EXPECT_EQ(0, TextKopieren(puffer, 5, "123456789"));
    EXPECT_STREQ("1234", puffer);
    EXPECT_EQ('Z', puffer[5]);
    EXPECT_EQ(1, TextKopieren(puffer, sizeof puffer, "1234567"));
    EXPECT_EQ(1, TextKopieren(puffer, sizeof puffer, nullptr));
    EXPECT_STREQ("", puffer);
    EXPECT_EQ(-1, TextKopieren(puffer, 0, "x"));

    strcpy(puffer, "ab");
    EXPECT_EQ(0, TextAnhaengen(puffer, sizeof puffer, "cdefghij"));
    EXPECT_STREQ("abcdefg", puffer);
    char voll[4] = { 'a', 'b', 'c', 'd' };   /* no terminator */
    EXPECT_EQ(1, TextAnhaengen(voll, sizeof voll, ""));
    EXPECT_STREQ("abc", voll);
    EXPECT_EQ(0, TextFormat(puffer, 4, "%d", 123456));
    EXPECT_STREQ("123", puffer);
}

class Kontext : public ::testing::Test {
protected:
    void SetUp() override
    {
        kontext = (EDI_KONTEXT*)calloc(1, sizeof(EDI_KONTEXT));
        host.hostDaten.assign(HOSTDATEN_GROESSE, 0);
        for (size_t i = 0; i < host.hostDaten.size(); i++)
            host.hostDaten[i] = (unsigned char)(i * 7 + 1);
    }
    void TearDown() override { free(kontext); }
    EDI_KONTEXT* kontext = nullptr;
    StandinHost host;
};

TEST_F(Kontext, ParameterKopieSchneidetUeberlangeTexte)
{
    host.ftpServer = std::string(300, 's');
    host.ftpBenutzer = std::string(300, 'b');
    host.ftpPasswort = std::string(300, 'p');
    host.uploadBasisPfad = std::string(300, 'u');
    host.uploadZusatz = std::string(300, 'z');
    host.benutzerKennung = std::string(300, 'k');
    Standin_Parameter(host, 1);
    KontextAusParameterFuellen(kontext, &host.parameter);

    EXPECT_EQ(std::string(255, 's'), kontext->FtpServer);
    EXPECT_EQ(std::string(255, 'b'), kontext->FtpBenutzer);
    EXPECT_EQ(std::string(255, 'p'), kontext->FtpPasswort);
    EXPECT_EQ(std::string(259, 'u'), kontext->UploadBasisPfad);
    EXPECT_EQ(std::string(259, 'z'), kontext->UploadZusatz);
    EXPECT_EQ(std::string(31, 'k'), kontext->BenutzerKennung);
    /* The fields after the last text are untouched. */
    EXPECT_EQ(0, kontext->AdressimportSuchen);
    EXPECT_EQ(0, kontext->BleExport);
}

TEST_F(Kontext, RueckrufeUndHostdaten)
{
    host.fenster = (HWND)(INT_PTR)0x1234;
    Standin_Parameter(host, 0);
    KontextAusParameterFuellen(kontext, &host.parameter);

    EXPECT_EQ((HOSTFUNKTION01)Host01, kontext->HostFunktion01);
    EXPECT_EQ((HOSTFUNKTION11)Host11, kontext->HostFunktion11);
    EXPECT_EQ((HOSTFUNKTION12)Host12, kontext->HostFunktion12);
    EXPECT_EQ((HOSTFUNKTION15)Host15, kontext->HostFunktion15);
    EXPECT_EQ((HOSTFUNKTION19)Host19, kontext->HostFunktion19);
    EXPECT_EQ((HOSTFUNKTION26)Host26, kontext->HostFunktion26);
    EXPECT_EQ(host.fenster, kontext->HostFenster);
    EXPECT_EQ(0, memcmp(kontext->HostDaten, host.hostDaten.data(), HOSTDATEN_GROESSE - 1));
    EXPECT_EQ(-1, kontext->AuswahlIndex);
    EXPECT_EQ((KATALOGDATEI_EINTRAG*)-1, kontext->AuswahlEintrag);
}
