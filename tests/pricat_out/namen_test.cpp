/*
 * Names of the export's files: the rules for the name part, partner files,
 * temporary names that nobody picks up, and the dialog's preview.
 */
#include <gtest/gtest.h>

#include "pricat_out/exportnamen.h"

#include <cstring>
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

TEST(ExportNamen, ArbeitsnamenPassenAufKeinMusterUndLassenSichLesen)
{
    char pfad[260], name[260], kennung[EXPORT_KENNUNG_GROESSE];
    const char* k = "6B1C203F2A91";
    ASSERT_EQ(1, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\EDI_EXPORT\\PRICAT-A.INH", k, ARBEIT_NEU));
    EXPECT_STREQ("C:\\EDI_EXPORT\\~PRICAT-A.INH.6B1C203F2A91.TMP", pfad);
    ASSERT_EQ(1, ExportArbeitsPfad(pfad, sizeof pfad, "PRICAT-A.ADR", k, ARBEIT_ALT));
    EXPECT_STREQ("~PRICAT-A.ADR.6B1C203F2A91.ALT", pfad);
    EXPECT_EQ(ARBEIT_ALT, ExportArbeitsname(pfad, name, sizeof name, kennung));
    EXPECT_STREQ("PRICAT-A.ADR", name);
    EXPECT_STREQ(k, kennung);

    /* What no run writes: no tag, a tag of the wrong form, another ending,
     * a folder, a name that does not fit, a null. */
    std::string lang = "C:\\" + std::string(240, 'x') + ".INH";
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, lang.c_str(), k, ARBEIT_NEU));
    EXPECT_STREQ("", pfad);
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\E\\A.INH", "6b1c203f2a91", ARBEIT_NEU));
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\E\\A.INH", "6B1C", ARBEIT_NEU));
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\E\\A.INH", nullptr, ARBEIT_NEU));
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\E\\A.INH", k, ARBEIT_KEINE));
    EXPECT_EQ(0, ExportArbeitsPfad(pfad, sizeof pfad, "C:\\E\\", k, ARBEIT_NEU));
    for (const char* fremd : { "~PRICAT-A.INH.TMP", "PRICAT-A.INH.6B1C203F2A91.TMP", "~.6B1C203F2A91.TMP",
                               "~PRICAT-A.INH.6B1C203F2A9G.TMP", "~PRICAT-A.INH.6B1C203F2A91.BAK",
                               "~PRICAT-A.INH_6B1C203F2A91.TMP", "~PRICAT-A.INH.16B1C203F2A91.TM", "~..\\A.INH.6B1C203F2A91.TMP",
                               "~C:A.INH.6B1C203F2A91.ALT", "~/A.INH.6B1C203F2A91.TMP", "~", "" }) {
        strcpy(name, "x");
        EXPECT_EQ(ARBEIT_KEINE, ExportArbeitsname(fremd, name, sizeof name, kennung)) << fremd;
        EXPECT_STREQ("", name) << fremd;
    }
    EXPECT_EQ(ARBEIT_KEINE, ExportArbeitsname(nullptr, name, sizeof name, nullptr));
    /* The final name must fit the caller's buffer. */
    EXPECT_EQ(ARBEIT_KEINE, ExportArbeitsname("~PRICAT-A.INH.6B1C203F2A91.TMP", name, 12, nullptr));
    EXPECT_EQ(ARBEIT_NEU, ExportArbeitsname("~PRICAT-A.INH.6B1C203F2A91.TMP", name, 13, nullptr));
}

TEST(ExportNamen, KennungZaehltMinutenUeberDenUmlaufHinweg)
{
    char kennung[EXPORT_KENNUNG_GROESSE];
    ExportKennungBilden(kennung, 0x123456, 0xFFABCDEF);
    EXPECT_STREQ("123456ABCDEF", kennung);
    EXPECT_EQ(0, ExportKennungAlter(kennung, 0x123456));
    EXPECT_EQ(721, ExportKennungAlter(kennung, 0x123456 + 721));
    /* The minute count runs over 24 bits every 31 years. */
    ExportKennungBilden(kennung, 0xFFFFFE, 1);
    EXPECT_EQ(3, ExportKennungAlter(kennung, 0x1000001));
    EXPECT_EQ(-1, ExportKennungAlter("12345", 0));
    EXPECT_EQ(-1, ExportKennungAlter(nullptr, 0));
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
    /* the extension box ticked with nothing typed */
    ExportVorschau(text, sizeof text, "M\xfcller", "", 0);
    EXPECT_STREQ("PRICAT-M\xdcLLER-(INH,ADR)", text);
}

