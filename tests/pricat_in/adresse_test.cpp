/*
 * The supplier address file beside a catalogue: read into the supplier
 * record (separators, line breaks, missing columns, ILN slots, unknown
 * supplier, files that are not imported) and written by the export.
 */
#include <gtest/gtest.h>

#include "katalog_hilfen.h"
#include "pricat_in/adresse.h"
#include "pricat_in/katalog.h"

namespace {

const std::string KOPF =
    "K\xfcrzel;Name;Ansprechpartner;Strasse;Land;PLZ;Ort;Tel1;Tel2;Fax1;Fax2;Bestell-AP;Bestell-Adresse;"
    "Bestell-Tel;Bestell-Fax;Reklam-AP;Reklam-Adresse;Reklam-Tel;Reklam-Fax;RMA-erf;Feste RAM-Nr;UnfreiOK;"
    "BLZ;KTO;USTID;Frachtfrei;Bankname;USTfrei;ILN-Nr.1;ILN-Nr.2;ILN-Nr.3;ILN-Nr.4;ILN-Nr.5;ILN-Nr.6;"
    "ILN-Nr.7;ILN-Nr.8;ILN-Nr.9;ILN-Nr.10;\n";

class Adresse : public ::testing::Test {
protected:
    Adresse() : t("adresse")
    {
        t.k->AdressimportSuchen = 1;
        katalog = t.wurzel + "kat.inh";
        adr = t.wurzel + "KAT.ADR";
        edihilfe::Schreiben(katalog, "BTEPRI;\r\n");
        LIEFERANTEN_SATZ s;
        LieferantenDBA_ClearRecord(&s);
        strcpy(s.Name, "Alt");
        strcpy(s.Ort, "Altstadt");
        strcpy(s.Tel1, "0815");
        s.Frachtfrei = 7;
        s.UstFrei = 1;
        s.EanPruefung = 1;
        strcpy(s.Iln[0], "4000000000005");
        strcpy(s.Iln[2], "4000000000033");
        strcpy(s.Iln[3], "4000000000044");
        LieferantenDBA_SchreibeRecord(5, &s);
        memset(&eintrag, 0, sizeof eintrag);
        strcpy(eintrag.Iln, "4000000000005");
    }
    LIEFERANTEN_SATZ Importieren(const std::string& inhalt)
    {
        edihilfe::Schreiben(adr, inhalt);
        LieferantenAdresseImportieren(katalog.c_str(), &eintrag);
        LIEFERANTEN_SATZ s;
        LieferantenDBA_LeseRecord(5, &s);
        return s;
    }
    TestKontext t;
    std::string katalog, adr;
    KATALOGDATEI_EINTRAG eintrag;
};

TEST_F(Adresse, AlleSpaltenMitSemikolonUndDateiWirdGeloescht)
{
    LIEFERANTEN_SATZ s = Importieren(
        KOPF + "12;  Neu GmbH  ;Frau Bunt;Weg 3;D;12345;Neustadt;1;2;3;4;Herr Bestell;Postfach~^9;5;6;Herr Rekla;"
               "Halle 2~^Tor 1;7;8;1;R-77;1;10020030;123456;DE999;99;Bank AG;0;4000000000011;4000000000022;"
               "400000000003;4000000000004;4000000000055;;;;;4000000000100;\n");
    EXPECT_STREQ("Neu GmbH", s.Name);
    EXPECT_STREQ("Frau Bunt", s.Ansprechpartner);
    EXPECT_STREQ("Weg 3", s.Strasse);
    EXPECT_STREQ("D", s.Land);
    EXPECT_STREQ("12345", s.Plz);
    EXPECT_STREQ("Neustadt", s.Ort);
    EXPECT_STREQ("1", s.Tel1);
    EXPECT_STREQ("4", s.Fax2);
    EXPECT_STREQ("Herr Bestell", s.BestellAnsprechpartner);
    EXPECT_STREQ("Postfach\r\n9", s.BestellAdresse);
    EXPECT_STREQ("6", s.BestellFax);
    EXPECT_STREQ("Halle 2\r\nTor 1", s.ReklamAdresse);
    EXPECT_STREQ("8", s.ReklamFax);
    EXPECT_EQ(1, s.RmaErforderlich);
    EXPECT_STREQ("R-77", s.FesteRmaNummer);
    EXPECT_EQ(1, s.UnfreiOk);
    EXPECT_STREQ("10020030", s.Blz);
    EXPECT_STREQ("123456", s.Kto);
    EXPECT_STREQ("DE999", s.UstId);
    EXPECT_STREQ("Bank AG", s.Bankname);
    /* Frachtfrei and USTfrei are read and dropped; fields outside the file stay */
    EXPECT_EQ(7, s.Frachtfrei);
    EXPECT_EQ(1, s.UstFrei);
    EXPECT_EQ(1, s.EanPruefung);
    /* ILN slots: 13 characters replace, anything else keeps the slot */
    EXPECT_STREQ("4000000000011", s.Iln[0]);
    EXPECT_STREQ("4000000000022", s.Iln[1]);
    EXPECT_STREQ("4000000000033", s.Iln[2]);
    EXPECT_STREQ("4000000000004", s.Iln[3]);
    EXPECT_STREQ("4000000000055", s.Iln[4]);
    EXPECT_STREQ("", s.Iln[5]);
    EXPECT_STREQ("4000000000100", s.Iln[9]);
    EXPECT_FALSE(Existiert(adr));
}

TEST_F(Adresse, TabsFehlendeSpaltenUndZusammengesetzteAdressen)
{
    LIEFERANTEN_SATZ s = Importieren(KOPF + "12\tNeu\tHans\tWeg 3\tNL\t1234 AB\tAmsterdam\t\r\n");
    EXPECT_STREQ("Neu", s.Name);
    EXPECT_STREQ("Hans", s.Ansprechpartner);
    EXPECT_STREQ("Amsterdam", s.Ort);
    /* missing columns keep the stored values */
    EXPECT_STREQ("0815", s.Tel1);
    EXPECT_STREQ("4000000000005", s.Iln[0]);
    EXPECT_STREQ("Neu\r\nWeg 3\r\nNL 1234 AB Amsterdam\r\n", s.BestellAdresse);
    EXPECT_STREQ(s.BestellAdresse, s.ReklamAdresse);
}

TEST_F(Adresse, UeberlangeWerteWerdenGekuerzt)
{
    LIEFERANTEN_SATZ s = Importieren(KOPF + "12;" + std::string(80, 'N') + ";x;y;DEUTSCH;" + std::string(20, '9') +
                                     ";\n");
    EXPECT_EQ(std::string(64, 'N'), s.Name);
    EXPECT_STREQ("DEU", s.Land);
    EXPECT_EQ(std::string(8, '9'), s.Plz);
}

TEST_F(Adresse, UnbekannterLieferantSchreibtNichtsUndBehaeltDatei)
{
    strcpy(eintrag.Iln, "4000000000099");
    LIEFERANTEN_SATZ s = Importieren(KOPF + "12;Fremd;\n");
    EXPECT_STREQ("Alt", s.Name);
    for (int32_t n = 1; n <= 10; n++) {
        LIEFERANTEN_SATZ andere;
        EXPECT_EQ(n == 5 ? 1 : 0, LieferantenDBA_LeseRecord(n, &andere)) << n;
    }
    EXPECT_TRUE(Existiert(adr));
}

TEST_F(Adresse, DateienDieNichtImportiertWerden)
{
    /* a representative's file is deleted unread */
    LIEFERANTEN_SATZ s = Importieren("Vertretername;Name;\n12;Vertreter;\n");
    EXPECT_STREQ("Alt", s.Name);
    EXPECT_FALSE(Existiert(adr));
    /* no data line: kept */
    s = Importieren(KOPF);
    EXPECT_STREQ("Alt", s.Name);
    EXPECT_TRUE(Existiert(adr));
    /* empty Kuerzel: nothing stored for the supplier, file kept */
    s = Importieren(KOPF + "  ;Neu;\n");
    EXPECT_STREQ("Alt", s.Name);
    EXPECT_TRUE(Existiert(adr));
    /* option off */
    t.k->AdressimportSuchen = 0;
    s = Importieren(KOPF + "12;Neu;\n");
    EXPECT_STREQ("Alt", s.Name);
    EXPECT_TRUE(Existiert(adr));
    /* catalogue missing */
    t.k->AdressimportSuchen = 1;
    DeleteFileA(katalog.c_str());
    s = Importieren(KOPF + "12;Neu;\n");
    EXPECT_STREQ("Alt", s.Name);
}

TEST_F(Adresse, ExportZeilenLesenSichZurueck)
{
    char kopf[ADR_ZEILE_MAX + 1];
    ASSERT_GT(AdressKopfzeileBilden(kopf, sizeof kopf), 0);
    EXPECT_EQ(KOPF, kopf);

    LIEFERANTEN_SATZ quelle;
    LieferantenDBA_ClearRecord(&quelle);
    strcpy(quelle.Name, "Semi;kolon\tGmbH");
    strcpy(quelle.Strasse, "Zeile\r\numbrochen");
    strcpy(quelle.BestellAdresse, "A\r\nB\r\n");
    strcpy(quelle.ReklamAdresse, "R");
    quelle.RmaErforderlich = 5;
    quelle.Frachtfrei = -250;
    quelle.UstFrei = 1;
    strcpy(quelle.Iln[0], "4000000000005");
    strcpy(quelle.Iln[9], "4000000000010");
    char daten[ADR_ZEILE_MAX + 1];
    ASSERT_GT(AdressDatenzeileBilden(&quelle, "12", daten, sizeof daten), 0);
    EXPECT_EQ(0u, std::string(daten).find("12;Semi kolon GmbH;;Zeile  umbrochen;"));
    EXPECT_NE(std::string::npos, std::string(daten).find(";A~^B~^;"));
    EXPECT_NE(std::string::npos, std::string(daten).find(";1;;0;;;;-250;;1;4000000000005;"));

    LIEFERANTEN_SATZ s = Importieren(std::string(kopf) + daten);
    EXPECT_STREQ("Semi kolon GmbH", s.Name);
    EXPECT_STREQ("Zeile  umbrochen", s.Strasse);
    EXPECT_STREQ("A\r\nB\r\n", s.BestellAdresse);
    EXPECT_STREQ("R", s.ReklamAdresse);
    EXPECT_EQ(1, s.RmaErforderlich);
    EXPECT_STREQ("", s.Tel1);
    EXPECT_STREQ("4000000000010", s.Iln[9]);
    EXPECT_STREQ("4000000000033", s.Iln[2]);
    EXPECT_EQ(7, s.Frachtfrei);

    /* too small a buffer gives -1 and an empty text */
    char klein[20];
    EXPECT_EQ(-1, AdressDatenzeileBilden(&quelle, "12", klein, sizeof klein));
    EXPECT_STREQ("", klein);
}

} // namespace
