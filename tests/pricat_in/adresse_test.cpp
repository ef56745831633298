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

TEST_F(Adresse, AlleSpaltenNachPositionUndDateiWirdGeloescht)
{
    LIEFERANTEN_SATZ s = Importieren(
        KOPF + "12;  Neu GmbH  ;Frau Bunt;Weg 3;D;12345;Neustadt;1;2;3;4;Herr B;Postfach~^9;5;6;Herr R;"
               "Halle 2~^Tor 1;7;8;1;R-77;1;10020030;123456;DE999;99;Bank AG;0;4000000000011;4000000000022;"
               "400000000003;4000000000004;;;;;;4000000000100;\n");
    std::vector<std::pair<const char*, const char*>> felder = {
        { s.Name, "Neu GmbH" }, { s.Ansprechpartner, "Frau Bunt" }, { s.Strasse, "Weg 3" }, { s.Land, "D" },
        { s.Plz, "12345" }, { s.Ort, "Neustadt" }, { s.Tel1, "1" }, { s.Tel2, "2" }, { s.Fax1, "3" },
        { s.Fax2, "4" }, { s.BestellAnsprechpartner, "Herr B" }, { s.BestellAdresse, "Postfach\r\n9" },
        { s.BestellTel, "5" }, { s.BestellFax, "6" }, { s.ReklamAnsprechpartner, "Herr R" },
        { s.ReklamAdresse, "Halle 2\r\nTor 1" }, { s.ReklamTel, "7" }, { s.ReklamFax, "8" },
        { s.FesteRmaNummer, "R-77" }, { s.Blz, "10020030" }, { s.Kto, "123456" }, { s.UstId, "DE999" },
        { s.Bankname, "Bank AG" },
        /* ILN slots: 13 characters replace, anything else keeps the slot */
        { s.Iln[0], "4000000000011" }, { s.Iln[1], "4000000000022" }, { s.Iln[2], "4000000000033" },
        { s.Iln[3], "4000000000004" }, { s.Iln[4], "" }, { s.Iln[9], "4000000000100" },
    };
    for (auto& f : felder)
        EXPECT_STREQ(f.second, f.first);
    EXPECT_EQ(1, s.RmaErforderlich);
    EXPECT_EQ(1, s.UnfreiOk);
    /* Frachtfrei and USTfrei are read and dropped; fields outside the file stay */
    EXPECT_EQ(7, s.Frachtfrei);
    EXPECT_EQ(1, s.UstFrei);
    EXPECT_EQ(1, s.EanPruefung);
    EXPECT_FALSE(Existiert(adr));
}

TEST_F(Adresse, TabsFehlendeSpaltenUeberlangeWerteUndZusammengesetzteAdressen)
{
    LIEFERANTEN_SATZ s = Importieren(KOPF + "12\tNeu\tHans\tWeg 3\tNL\t1234 AB\tAmsterdam\t\r\n");
    EXPECT_STREQ("Hans", s.Ansprechpartner);
    EXPECT_STREQ("Amsterdam", s.Ort);
    EXPECT_STREQ("0815", s.Tel1);
    EXPECT_STREQ("4000000000005", s.Iln[0]);
    EXPECT_STREQ("Neu\r\nWeg 3\r\nNL 1234 AB Amsterdam\r\n", s.BestellAdresse);
    EXPECT_STREQ(s.BestellAdresse, s.ReklamAdresse);

    s = Importieren(KOPF + "12;" + std::string(80, 'N') + ";x;y;DEUTSCH;" + std::string(20, '9') + ";\n");
    EXPECT_EQ(std::string(64, 'N'), s.Name);
    EXPECT_STREQ("DEU", s.Land);
    EXPECT_EQ(std::string(8, '9'), s.Plz);

    /* Line 2 is read up to 1023 characters: here the limit falls inside
     * Reklam-Adresse. That value is dropped whole, and it and the columns
     * after it keep the stored values. */
    std::string reklamVorher = s.ReklamAdresse;
    std::string lang = "12;Neu;x;y;D;1;o;1;2;3;4;b;" + std::string(900, 'B') + ";5;6;r;" + std::string(200, 'R') +
                       ";7;8;1;;1;;;;;;0;4000000000099;\n";
    s = Importieren(KOPF + lang);
    EXPECT_STREQ("5", s.BestellTel);
    EXPECT_EQ(reklamVorher, s.ReklamAdresse);
    EXPECT_STREQ("4000000000005", s.Iln[0]);
    EXPECT_STREQ("", s.ReklamTel);
}

TEST_F(Adresse, DateienDieNichtImportiertWerden)
{
    struct {
        const char* iln;
        std::string inhalt;
        bool bleibt;
    } faelle[] = {
        { "4000000000099", KOPF + "12;Fremd;\n", true },          /* unknown supplier */
        { "4000000000005", "Vertretername;Name;\n12;V;\n", false }, /* a representative's file */
        { "4000000000005", KOPF, true },                           /* no data line */
        { "4000000000005", KOPF + "  ;Neu;\n", true },             /* empty Kuerzel */
    };
    for (auto& f : faelle) {
        strcpy(eintrag.Iln, f.iln);
        EXPECT_STREQ("Alt", Importieren(f.inhalt).Name) << f.inhalt;
        EXPECT_EQ(f.bleibt, Existiert(adr)) << f.inhalt;
    }
    LIEFERANTEN_SATZ andere;
    for (int32_t n = 1; n <= 10; n++)
        EXPECT_EQ(n == 5 ? 1 : 0, LieferantenDBA_LeseRecord(n, &andere)) << n;
    /* option off, catalogue missing */
    t.k->AdressimportSuchen = 0;
    EXPECT_STREQ("Alt", Importieren(KOPF + "12;Neu;\n").Name);
    t.k->AdressimportSuchen = 1;
    DeleteFileA(katalog.c_str());
    EXPECT_STREQ("Alt", Importieren(KOPF + "12;Neu;\n").Name);
}

TEST_F(Adresse, ExportZeilenLesenSichZurueck)
{
    char kopf[ADR_ZEILE_MAX + 1], daten[ADR_ZEILE_MAX + 1];
    ASSERT_GT(AdressKopfzeileBilden(kopf, sizeof kopf), 0);
    EXPECT_EQ(KOPF, kopf);

    LIEFERANTEN_SATZ q;
    LieferantenDBA_ClearRecord(&q);
    strcpy(q.Name, "Semi;kolon\tGmbH");
    strcpy(q.Strasse, "Zeile\r\numbrochen");
    strcpy(q.BestellAdresse, "A\r\nB\r\n");
    strcpy(q.ReklamAdresse, "R");
    q.RmaErforderlich = 5;
    q.Frachtfrei = -250;
    q.UstFrei = 1;
    strcpy(q.Iln[0], "4000000000005");
    strcpy(q.Iln[9], "4000000000010");
    ASSERT_GT(AdressDatenzeileBilden(&q, "12", daten, sizeof daten), 0);
    std::string zeile = daten;
    EXPECT_EQ(0u, zeile.find("12;Semi kolon GmbH;;Zeile  umbrochen;"));
    EXPECT_NE(std::string::npos, zeile.find(";A~^B~^;"));
    EXPECT_NE(std::string::npos, zeile.find(";R;;;1;;0;;;;-250;;1;4000000000005;;;;;;;;;4000000000010;\n"));

    LIEFERANTEN_SATZ s = Importieren(std::string(kopf) + daten);
    EXPECT_STREQ("Semi kolon GmbH", s.Name);
    EXPECT_STREQ("A\r\nB\r\n", s.BestellAdresse);
    EXPECT_STREQ("R", s.ReklamAdresse);
    EXPECT_EQ(1, s.RmaErforderlich);
    EXPECT_STREQ("", s.Tel1);
    EXPECT_STREQ("4000000000010", s.Iln[9]);
    EXPECT_EQ(7, s.Frachtfrei);

    char klein[20];
    EXPECT_EQ(-1, AdressDatenzeileBilden(&q, "12", klein, sizeof klein));
    EXPECT_STREQ("", klein);
}

} // namespace
