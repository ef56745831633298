/*
 * The header line of a catalogue file for the selection list, the supplier
 * of an ILN, and the address file's path.
 */
#include <gtest/gtest.h>

#include "OXTEXDEFS/oxtexdefs_host.h"
#include "katalog_hilfen.h"
#include "pricat_in/katalog.h"
#include "pricat_in/katalogtext.h"

namespace {

class Kopf : public ::testing::Test {
protected:
    Kopf() : t("kopf") {}
    KATALOGDATEI_EINTRAG Lesen(const std::string& name, const std::string& inhalt)
    {
        edihilfe::Schreiben(t.wurzel + name, inhalt);
        KATALOGDATEI_EINTRAG e;
        memset(&e, 0x55, sizeof e);
        EXPECT_EQ(1, KatalogKopfLesen((t.wurzel + name).c_str(), &e));
        return e;
    }
    TestKontext t;
};

TEST_F(Kopf, KopfzeileGibtBeschreibungIlnLieferantDatumUndPfad)
{
    LieferantAnlegen(17, "4012345000009", 3, "17@Strickwaren M\xfcller");
    KATALOGDATEI_EINTRAG e = Lesen("herbst.inh", edihilfe::PricatKopfzeile("4012345000009", "4000000000001",
                                                                          "Herbstkatalog") +
                                                     edihilfe::PricatZeile(Zeile(0)));
    EXPECT_STREQ("Herbstkatalog", e.Beschreibung);
    EXPECT_STREQ("4012345000009", e.Iln);
    EXPECT_EQ(17, e.LieferantNummer);
    EXPECT_STREQ("17@Strickwaren M\xfcller", e.LieferantName);
    EXPECT_EQ(TEXDEFS_Heute(), e.Datum);
    std::string gross = t.wurzel + "HERBST.INH";
    CharUpperA(gross.data());
    EXPECT_EQ(gross, e.Pfad);
    EXPECT_STREQ("herbst.inh", e.Dateiname);
}

TEST_F(Kopf, UnbekannteIlnNimmtToken10HinterPricatSonstToken11)
{
    LieferantAnlegen(4, "4000000000001");
    LieferantAnlegen(5, "4000000000005");
    /* the writer puts "PRICAT" in token 6 and the partner ILN in token 10 */
    KATALOGDATEI_EINTRAG e = Lesen("A.INH", edihilfe::PricatKopfzeile("4099999999999", "4000000000001"));
    EXPECT_STREQ("4000000000001", e.Iln);
    EXPECT_EQ(4, e.LieferantNummer);
    EXPECT_STREQ("Strickwaren", e.LieferantName);
    e = Lesen("B.PRI", "BTEPRI;K;x;4099999999999;5;ORDERS;7;8;9;4000000000001;4000000000005;12\r\n");
    EXPECT_STREQ("4000000000005", e.Iln);
    EXPECT_EQ(5, e.LieferantNummer);
    /* a header that ends before that token keeps token 4 */
    e = Lesen("C.PRI", "BTEPRI;K;x;4099999999999;5;PRICAT;7\r\n");
    EXPECT_STREQ("4099999999999", e.Iln);
    EXPECT_EQ(0, e.LieferantNummer);
}

TEST_F(Kopf, UeberlangeTokensWerdenGekuerztUndNur250BytesGelesen)
{
    LieferantAnlegen(6, "4000000000006");
    std::string iln = "4000000000006" + std::string(20, '7');
    KATALOGDATEI_EINTRAG e = Lesen("L.INH", "BTEPRI;" + std::string(100, 'B') + ";x;" + iln + "\r\n");
    EXPECT_EQ(std::string(63, 'B'), e.Beschreibung);
    EXPECT_EQ(iln.substr(0, 15), e.Iln);
    EXPECT_EQ(0, e.LieferantNummer);
    e = Lesen("W.INH", "BTEPRI;" + std::string(240, 'x') + ";x;4000000000006\r\n");
    EXPECT_STREQ("", e.Iln);
}

TEST(KopfPfad, AdressPfadInGrossbuchstabenMitAdr)
{
    char pfad[OX_TXT_PATH];
    EXPECT_EQ(1, AdressPfadBilden("c:\\edi_import\\katalog.inh", pfad, sizeof pfad));
    EXPECT_STREQ("C:\\EDI_IMPORT\\KATALOG.ADR", pfad);
    EXPECT_EQ(1, AdressPfadBilden("C:\\x\\Katalog.Pri", pfad, sizeof pfad));
    EXPECT_STREQ("C:\\X\\KATALOG.ADR", pfad);
    /* the first ".INH" counts, wherever it stands */
    EXPECT_EQ(1, AdressPfadBilden("C:\\a.inhalt\\b.pri", pfad, sizeof pfad));
    EXPECT_STREQ("C:\\A.ADR", pfad);
    EXPECT_EQ(0, AdressPfadBilden("C:\\a\\b.txt", pfad, sizeof pfad));
    EXPECT_STREQ("", pfad);
    /* code page 1252 capitals, as the system makes them */
    char g[] = "a\xe4\xdf\xff\xf7z\xe9\x9a ";
    TextGross(g);
    EXPECT_STREQ("A\xc4\xdf\x9f\xf7Z\xc9\x8a ", g);
}

TEST_F(Kopf, LieferantZuIlnNurMitDreizehnZeichenUndErsterTreffer)
{
    LieferantAnlegen(9, "4000000000009", 9);
    LieferantAnlegen(3, "4000000000009", 0);
    LieferantAnlegen(12, "4000000000012", 9);
    EXPECT_EQ(3, LieferantZuIln("4000000000009"));
    EXPECT_EQ(12, LieferantZuIln("4000000000012"));
    EXPECT_EQ(0, LieferantZuIln("400000000000"));
    EXPECT_EQ(0, LieferantZuIln("40000000000090"));
    EXPECT_EQ(0, LieferantZuIln("4000000000013"));
}

} // namespace
