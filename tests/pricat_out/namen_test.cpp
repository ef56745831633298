/*
 * Names of the export's files: the rules for the name part, partner files,
 * temporary names that nobody picks up, and the dialog's preview.
 */
#include <gtest/gtest.h>

#include "pricat_out/exportnamen.h"

#include <string>

static std::string Katalog(const char* ordner, const char* name, const char* erweiterung)
{
    char pfad[260];
    int r = ExportKatalogPfad(pfad, sizeof pfad, ordner, name, erweiterung);
    return r == 1 ? std::string(pfad) : "<" + std::to_string(r) + ">";
}

TEST(ExportNamen, BlankUndPunktImNamensteilGrossgeschrieben)
{
    EXPECT_EQ("C:\\EDI_EXPORT\\PRICAT-SCHUH_HAUS_NORD.INH", Katalog("C:\\EDI_EXPORT\\", "Schuh.Haus Nord", ""));
    EXPECT_EQ("C:\\EDI_EXPORT\\PRICAT-M\xdcLLER-HERBST_2026_V2.INH",
              Katalog("C:\\EDI_EXPORT\\", "M\xfcller", "Herbst 2026.v2"));
    /* A null extension is no extension. */
    EXPECT_EQ("C:\\X\\PRICAT-A.INH", Katalog("C:\\X\\", "a", nullptr));
}

TEST(ExportNamen, OrdnerBleibtBisAufDieSchreibweise)
{
    /* Blanks and dots of the folder name an existing folder: they stay. */
    EXPECT_EQ("C:\\MEINE DATEN.2026\\EDI_EXPORT\\PRICAT-A_B.INH",
              Katalog("C:\\Meine Daten.2026\\EDI_EXPORT\\", "a b", ""));
}

TEST(ExportNamen, ZuLangWirdNichtAbgeschnitten)
{
    std::string ordner = "C:\\" + std::string(240, 'x') + "\\";
    EXPECT_EQ("<0>", Katalog(ordner.c_str(), "Ein langer Lieferantenname", ""));
    char kurz[16];
    EXPECT_EQ(0, ExportKatalogPfad(kurz, sizeof kurz, "C:\\", "abc", ""));
    EXPECT_STREQ("", kurz);
}

TEST(ExportNamen, PartnerDateien)
{
    char pfad[260];
    ASSERT_EQ(1, ExportPartnerPfad(pfad, sizeof pfad, "c:\\edi_export\\pricat-a.inh", ".ADR"));
    EXPECT_STREQ("C:\\EDI_EXPORT\\PRICAT-A.ADR", pfad);
    ASSERT_EQ(1, ExportPartnerPfad(pfad, sizeof pfad, "C:\\X.INH\\PRICAT-A.INH", ".TXT"));
    EXPECT_STREQ("C:\\X.INH\\PRICAT-A.TXT", pfad);
    EXPECT_EQ(0, ExportPartnerPfad(pfad, sizeof pfad, "C:\\X\\PRICAT-A.PRI", ".ADR"));
    EXPECT_STREQ("", pfad);
}

TEST(ExportNamen, TemporaereNamenPassenAufKeinMuster)
{
    char pfad[260];
    ASSERT_EQ(1, ExportTempPfad(pfad, sizeof pfad, "C:\\EDI_EXPORT\\PRICAT-A.INH"));
    EXPECT_STREQ("C:\\EDI_EXPORT\\~PRICAT-A.INH.TMP", pfad);
    ASSERT_EQ(1, ExportTempPfad(pfad, sizeof pfad, "PRICAT-A.ADR"));
    EXPECT_STREQ("~PRICAT-A.ADR.TMP", pfad);
    std::string lang = "C:\\" + std::string(250, 'x') + ".INH";
    EXPECT_EQ(0, ExportTempPfad(pfad, sizeof pfad, lang.c_str()));
}

TEST(ExportNamen, Zusatzinfos)
{
    char pfad[260];
    ASSERT_EQ(1, ZusatzinfoPfad(pfad, sizeof pfad, "C:\\E\\", "NAM", "0001", 1));
    EXPECT_STREQ("C:\\E\\ZUSATZINFOS\\NAM0001.TXT", pfad);
    ASSERT_EQ(1, ZusatzinfoPfad(pfad, sizeof pfad, "C:\\E\\", "INFO", "0001", 0));
    EXPECT_STREQ("C:\\E\\ZUSATZINFOS\\", pfad);
}

TEST(ExportNamen, Vorschau)
{
    char text[300];
    ExportVorschau(text, sizeof text, "Schuh.Haus Nord", nullptr, 0);
    EXPECT_STREQ("PRICAT-SCHUH_HAUS_NORD(INH,ADR)", text);
    ExportVorschau(text, sizeof text, "M\xfcller", "herbst 26", 1);
    EXPECT_STREQ("PRICAT-M\xdcLLER-HERBST_26(INH,ADR,TXT)", text);
    ExportVorschau(text, sizeof text, "<*******>", "", 0);
    EXPECT_STREQ("PRICAT-<*******>(INH,ADR)", text);
}

TEST(ExportNamen, GrossschreibungCp1252)
{
    char text[] = "\xe4\xf6\xfc\xdf\xe9\xff\x9a abc";
    TextGross1252(text);
    EXPECT_STREQ("\xc4\xd6\xdc\xdf\xc9\x9f\x8a ABC", text);
}
