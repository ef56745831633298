/*
 * ini_test.cpp - the INI library on real files: round trips, defaults,
 * the file stack, hostile content and the bounds of every text result.
 */
#include "OXINIFILE/oxinifile_host.h"
#include "hostlibs/hostlibs_util.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using hostlibs::ReadAll;
using hostlibs::ScratchFolder;
using hostlibs::WriteAll;

namespace {

struct IniTest : ::testing::Test {
    ScratchFolder folder{"ini"};
    std::string host = folder / "ORDANEX.INI";
    void SetUp() override { ASSERT_EQ(1, INI_SetIniFilename(host.c_str())); }
};

TEST_F(IniTest, IntegersAndTextsRoundTripThroughTheFile)
{
    EXPECT_EQ(1, INI_PutInteger("EDIIMPORTER", "stopbeiartikelwechsel", 1));
    EXPECT_EQ(1, INI_PutLong("BERECHNUNGEN", "mindbest_loeschverhalten", -2));
    EXPECT_EQ(1, INI_PutString("BERECHNUNGEN", "artikelkennzeichen_action_string", "ABX"));
    EXPECT_EQ(1, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7));
    EXPECT_EQ(-2, INI_GetLong("BERECHNUNGEN", "mindbest_loeschverhalten", 0));
    char text[64];
    EXPECT_EQ(3, INI_GetString("BERECHNUNGEN", "artikelkennzeichen_action_string", text, sizeof(text)));
    EXPECT_STREQ("ABX", text);
    /* overwrite keeps one line per key */
    EXPECT_EQ(1, INI_PutInteger("EDIIMPORTER", "stopbeiartikelwechsel", 0));
    EXPECT_EQ(0, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7));
    EXPECT_EQ("[EDIIMPORTER]\r\nstopbeiartikelwechsel=0\r\n[BERECHNUNGEN]\r\nmindbest_loeschverhalten=-2\r\n"
              "artikelkennzeichen_action_string=ABX\r\n",
              ReadAll(host));
    EXPECT_EQ(INT32_MIN, (INI_PutInteger("S", "k", INT32_MIN), INI_GetInt("S", "k", 0)));
}

TEST_F(IniTest, Cp1252UmlautsRoundTripByteIdentical)
{
    const char* value = "Gr\xF6\xDF" "e \xDC" "bergr\xF6\xDF" "e \x80 \xE4\xF6\xFC\xC4\xD6\xDC\xDF";
    EXPECT_EQ(1, INI_PutString("M\xC4RZ", "Schl\xFC" "ssel", value));
    char text[256];
    EXPECT_EQ(static_cast<int32_t>(std::strlen(value)), INI_GetString("M\xC4RZ", "Schl\xFC" "ssel", text, sizeof(text)));
    EXPECT_STREQ(value, text);
    /* names compare without regard to case, cp1252 letters included */
    EXPECT_GT(INI_GetString("m\xE4rz", "SCHL\xDC" "SSEL", text, sizeof(text)), 0);
    EXPECT_STREQ(value, text);
    EXPECT_NE(std::string::npos, ReadAll(host).find(value));
}

TEST_F(IniTest, MissingFileSectionKeyOrNumberGiveTheDefault)
{
    char text[16] = "junk";
    EXPECT_EQ(1, INI_GetInt("EDIIMPORTER", "adressimportsuchen", 1));
    EXPECT_EQ(0, INI_GetInteger("EIGNER", "GLNUMMERAKTUELL"));
    EXPECT_EQ(0, INI_GetString("EIGNER", "GLNNUMMER01", text, sizeof(text)));
    EXPECT_STREQ("", text);
    WriteAll(host, "[A]\nzahl=  42abc\nleer=\ntext=x1\nriesig=99999999999\nneg=-17\n[B]\nnur=1\n");
    EXPECT_EQ(42, INI_GetInt("A", "zahl", 5));
    EXPECT_EQ(5, INI_GetInt("A", "leer", 5));
    EXPECT_EQ(5, INI_GetInt("A", "text", 5));
    EXPECT_EQ(5, INI_GetInt("A", "riesig", 5));
    EXPECT_EQ(-17, INI_GetInt("A", "neg", 5));
    EXPECT_EQ(5, INI_GetInt("A", "nur", 5)); /* key of another section */
    EXPECT_EQ(5, INI_GetInt("C", "nur", 5));
    EXPECT_EQ(0, INI_GetString("A", "leer", text, sizeof(text)));
    char dflt[32];
    EXPECT_EQ(4, INI_LoadStringINI("RETOURENDATEI", "file", "none", dflt, sizeof(dflt), 1));
    EXPECT_STREQ("none", dflt);
}

TEST_F(IniTest, WritesKeepEveryOtherByteOfTheFile)
{
    const std::string before = "; Kopf\n[EINS]\n  a = 1 \n# Kommentar\nb=2\n\n\n[ZWEI]\nc=3";
    WriteAll(host, before);
    EXPECT_EQ(1, INI_PutInteger("EINS", "a", 5));
    EXPECT_EQ("; Kopf\n[EINS]\n  a = 5\n# Kommentar\nb=2\n\n\n[ZWEI]\nc=3", ReadAll(host));
    EXPECT_EQ(1, INI_PutInteger("EINS", "neu", 9)); /* behind the last line of its section */
    EXPECT_EQ("; Kopf\n[EINS]\n  a = 5\n# Kommentar\nb=2\nneu=9\n\n\n[ZWEI]\nc=3", ReadAll(host));
    EXPECT_EQ(1, INI_PutInteger("ZWEI", "d", 4)); /* last line without line end */
    EXPECT_EQ("; Kopf\n[EINS]\n  a = 5\n# Kommentar\nb=2\nneu=9\n\n\n[ZWEI]\nc=3\nd=4\n", ReadAll(host));
    EXPECT_EQ(1, INI_PutString("DREI", "e", "x"));
    EXPECT_EQ("; Kopf\n[EINS]\n  a = 5\n# Kommentar\nb=2\nneu=9\n\n\n[ZWEI]\nc=3\nd=4\n[DREI]\ne=x\n",
              ReadAll(host));
    /* no temporary file is left behind */
    EXPECT_EQ(0, hostlibs::CountFiles(folder / "*.tmp"));
    EXPECT_EQ(1, hostlibs::CountFiles(folder / "ORDANEX.INI*"));
}

TEST_F(IniTest, BlanksAndQuotesAtTheEndsOfAValueSurvive)
{
    const char* values[] = {"  vorn", "hinten  ", "\"zitiert\"", "\"", "a=b;c#d", ""};
    char text[64];
    for (const char* v : values) {
        ASSERT_EQ(1, INI_PutString("Q", "wert", v)) << v;
        EXPECT_EQ(static_cast<int32_t>(std::strlen(v)), INI_GetString("Q", "wert", text, sizeof(text))) << v;
        EXPECT_STREQ(v, text);
    }
}

TEST_F(IniTest, InvalidNamesAndValuesAreRefusedWithoutTouchingTheFile)
{
    WriteAll(host, "[S]\nk=1\n");
    EXPECT_EQ(-1, INI_PutString("S", "k", "zwei\r\nzeilen"));
    EXPECT_EQ(-1, INI_PutString("S]", "k", "x"));
    EXPECT_EQ(-1, INI_PutString("S", "k=v", "x"));
    EXPECT_EQ(-1, INI_PutString("S", "[k", "x"));
    EXPECT_EQ(-1, INI_PutString("", "k", "x"));
    EXPECT_EQ(-1, INI_PutString(nullptr, "k", "x"));
    EXPECT_EQ(-1, INI_PutString("S", nullptr, "x"));
    EXPECT_EQ(-1, INI_PutString("S", "k", nullptr));
    EXPECT_EQ(-1, INI_PutInteger("S", std::string(300, 'k').c_str(), 1));
    EXPECT_EQ("[S]\nk=1\n", ReadAll(host));
    char text[8];
    EXPECT_EQ(-1, INI_GetString("S", "k", nullptr, 8));
    EXPECT_EQ(-1, INI_GetString("S", "k", text, 0));
    EXPECT_EQ(3, INI_GetInt(nullptr, "k", 3));
}

TEST_F(IniTest, HostileContentIsReadWithinTheBuffer)
{
    std::string junk = "[S]\nvorher=1\n";
    junk += "lang=" + std::string(1 << 20, 'X') + "\n";           /* 1 MiB line */
    for (int i = 0; i < 4096; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 256));    /* binary junk with NUL, CR, LF, [ */
    junk += "\n[S2\nnull=a";
    junk.push_back('\0');
    junk += "b\r\r[T]\rcr=5\r[S]\nspaet=2";                       /* CR line ends, no final line end */
    WriteAll(host, junk);

    char text[64];
    std::memset(text, '#', sizeof(text));
    EXPECT_EQ(15, INI_GetString("S", "lang", text, 16));
    EXPECT_EQ(std::string(15, 'X'), std::string(text));
    EXPECT_EQ('#', text[16]);
    EXPECT_EQ(1, INI_GetInt("S", "vorher", 0));
    EXPECT_EQ(5, INI_GetInt("T", "cr", 0));
    EXPECT_EQ(0, INI_GetInt("S", "spaet", 0)); /* a second [S] section does not count */
    /* a write changes its line and keeps the junk byte for byte */
    EXPECT_EQ(1, INI_PutInteger("T", "cr", 6));
    std::string after = ReadAll(host);
    ASSERT_EQ(junk.size(), after.size());
    size_t diff = junk.find("cr=5");
    EXPECT_EQ(junk.substr(0, diff), after.substr(0, diff));
    EXPECT_EQ("cr=6", after.substr(diff, 4));
    EXPECT_EQ(junk.substr(diff + 4), after.substr(diff + 4));
}

TEST_F(IniTest, FileNameIsBoundedTo260Bytes)
{
#if defined(_WIN32)
    const std::string wurzel = "C:\\";
#else
    const std::string wurzel = "/";
#endif
    std::string name = wurzel + std::string(255 - wurzel.size(), 'n') + ".INI"; /* 259 characters */
    ASSERT_EQ(259u, name.size());
    ASSERT_EQ(1, INI_SetIniFilename(name.c_str()));
    char buffer[300];
    std::memset(buffer, '#', sizeof(buffer));
    EXPECT_EQ(259, INI_GetIniFilename(buffer));
    EXPECT_EQ(name, std::string(buffer));
    EXPECT_EQ('#', buffer[260]);
    EXPECT_EQ(-1, INI_SetIniFilename((name + "x").c_str()));
    EXPECT_EQ(-1, INI_SetIniFilename(""));
    EXPECT_EQ(-1, INI_GetIniFilename(nullptr));
}

TEST_F(IniTest, InitSelectsTheHostFileAndGivesItsFullName)
{
    char buffer[OX_TXT_PATH];
    ASSERT_EQ(1, INI_Init(nullptr, 0));
    EXPECT_GT(INI_GetIniFilename(buffer), 0);
    EXPECT_STREQ(host.c_str(), buffer);
}

TEST_F(IniTest, StackSwitchesToAFieldMapAndBack)
{
    std::string map = folder / "LIEF.MAP";
    WriteAll(map, "[PRICAT]\nM1_1=12+13\nM1_1_P=1;4+2;3\n");
    INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 2);

    EXPECT_EQ(0, INI_StackIniFileName((folder / "FEHLT.MAP").c_str()));
    EXPECT_EQ(-1, INI_UnstackIniFileName());
    ASSERT_EQ(1, INI_StackIniFileName(map.c_str()));
    char buffer[OX_TXT_PATH];
    INI_GetIniFilename(buffer);
    EXPECT_STREQ(map.c_str(), buffer);
    char text[64];
    EXPECT_EQ(5, INI_GetString("PRICAT", "M1_1", text, sizeof(text)));
    EXPECT_STREQ("12+13", text);
    EXPECT_EQ(0, INI_GetInteger("EIGNER", "GLNUMMERAKTUELL")); /* not in the map */
    char fromHost[8];
    EXPECT_EQ(1, INI_LoadStringINI("EIGNER", "GLNUMMERAKTUELL", "", fromHost, sizeof(fromHost), 1));
    EXPECT_STREQ("2", fromHost);
    EXPECT_EQ(1, INI_UnstackIniFileName());
    EXPECT_EQ(2, INI_GetInteger("EIGNER", "GLNUMMERAKTUELL"));
    EXPECT_EQ(-1, INI_UnstackIniFileName());

    /* INI_Init empties the stack */
    ASSERT_EQ(1, INI_StackIniFileName(map.c_str()));
    INI_Init(nullptr, 0);
    EXPECT_EQ(-1, INI_UnstackIniFileName());
    EXPECT_EQ(2, INI_GetInteger("EIGNER", "GLNUMMERAKTUELL"));

    /* at most 16 deep */
    int pushed = 0;
    while (INI_StackIniFileName(map.c_str()) == 1 && pushed < 100)
        ++pushed;
    EXPECT_EQ(16, pushed);
    INI_Init(nullptr, 0);
}

TEST_F(IniTest, NamedFileCallsLeaveTheCurrentFileAlone)
{
    std::string widths = folder / "LISTE.INI";
    EXPECT_EQ(1, INI2_PutInteger(widths.c_str(), "KTOXEDI_AUSWAHL", "col0", 60));
    EXPECT_EQ(1, INI2_PutInteger(widths.c_str(), "KTOXEDI_AUSWAHL", "col1", 45));
    EXPECT_EQ(1, INI2_PutString(widths.c_str(), "KTOXEDI_AUSWAHL", "name", "Auswahl"));
    EXPECT_EQ(60, INI2_GetInt(widths.c_str(), "KTOXEDI_AUSWAHL", "col0", 0));
    EXPECT_EQ(45, INI2_GetLong(widths.c_str(), "ktoxedi_auswahl", "COL1", 0));
    char text[16];
    EXPECT_EQ(7, INI2_GetString(widths.c_str(), "KTOXEDI_AUSWAHL", "name", text, sizeof(text)));
    EXPECT_EQ(-7, INI_GetInt("KTOXEDI_AUSWAHL", "col0", -7));
    EXPECT_EQ(-1, INI2_PutInteger(nullptr, "S", "k", 1));
    EXPECT_EQ(9, INI2_GetInt(nullptr, "S", "k", 9));
}

TEST(IniSeparate, SplitsBehindTheLastSeparatorWithinTheBuffers)
{
    char folder[OX_TXT_PATH];
    char name[OX_TXT_PATH];
    EXPECT_EQ(1, INI_SeparateFile("C:\\EDI_IMPORT\\PRICAT-A.INH", folder, sizeof(folder), name, sizeof(name)));
    EXPECT_STREQ("C:\\EDI_IMPORT\\", folder);
    EXPECT_STREQ("PRICAT-A.INH", name);
    EXPECT_EQ(1, INI_SeparateFile("NUR.INH", folder, sizeof(folder), name, sizeof(name)));
    EXPECT_STREQ("", folder);
    EXPECT_STREQ("NUR.INH", name);
    char small[5];
    EXPECT_EQ(0, INI_SeparateFile("C:\\LANG\\X", small, sizeof(small), name, sizeof(name)));
    EXPECT_STREQ("C:\\L", small);
    EXPECT_STREQ("X", name);
}

} // namespace

/* Values read again come from the file as it is now: a file changed in
 * place by someone else (same size, a later write; or another size at the
 * same write time) is read anew. */
TEST_F(IniTest, ChangeByAnotherWriterIsSeenAtTheNextRead)
{
    WriteAll(host, "[EDIIMPORTER]\r\nstopbeiartikelwechsel=1\r\n");
    EXPECT_EQ(1, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7));

    uint64_t t = hostlibs::WriteTime(host);
    ASSERT_NE(0u, t);
    WriteAll(host, "[EDIIMPORTER]\r\nstopbeiartikelwechsel=2\r\n");
    t += 20000000ull;
    ASSERT_TRUE(hostlibs::SetWriteTime(host, t));
    EXPECT_EQ(2, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7)) << "same size, later write";

    WriteAll(host, "[EDIIMPORTER]\r\nstopbeiartikelwechsel=33\r\n");
    ASSERT_TRUE(hostlibs::SetWriteTime(host, t));
    EXPECT_EQ(33, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7)) << "same write time, other size";

    hostlibs::RemoveFile(host);
    EXPECT_EQ(7, INI_GetInt("EDIIMPORTER", "stopbeiartikelwechsel", 7)) << "file gone";
}
