/*
 * File sets of the exchange: which listed names are taken, how files make
 * sets, the order of the set list and the texts and order of a row.
 */
#include <gtest/gtest.h>

#include "ftp/dateisatz.h"
#include "hostapi/ktlisten.h"
#include "KTSTORAGE/ktstorage_host.h"

#include <string>
#include <vector>

TEST(Dateiname, NurSchlichteNamenDieInDenOrdnerPassen)
{
    for (const char* gut : { "PRICAT_1.INH", "pricat_a.txt", "PRICAT \xc4\xd6.ADR", "PRICAT_CON.INH",
                             "PRICAT.X.INH", "CONSOLE.TXT" })
        EXPECT_EQ(1, FtpNameZulaessig(gut, 40)) << gut;
    for (const char* schlecht : { "", "PRICAT_..\\X.INH", "..\\PRICAT.INH", "PRICAT/X.INH", "C:PRICAT.INH",
                                  "PRICAT_..X.INH", "PRICAT\x01.INH", "PRICAT\x7f.INH", "PRICAT\t.INH",
                                  "PRICAT?.INH", "PRICAT*.INH", "PRICAT|.INH", "PRICAT<.INH", "PRICAT\".INH",
                                  "PRICAT.INH.", "PRICAT.INH ", " PRICAT.INH", "CON", "con.inh", "NUL.TXT",
                                  "COM1.ADR", "lpt9.inh", "AUX .TXT", "CONOUT$.INH", "COM\xb9.INH" })
        EXPECT_EQ(0, FtpNameZulaessig(schlecht, 40)) << schlecht;
    EXPECT_EQ(0, FtpNameZulaessig(nullptr, 0));

    /* The name fits its 261-byte field and, behind the folder, a 260-byte path. */
    std::string lang = "PRICAT_" + std::string(248, 'A') + ".INH";
    EXPECT_EQ(1, FtpNameZulaessig(lang.c_str(), 0));
    EXPECT_EQ(0, FtpNameZulaessig(lang.c_str(), 1));
    EXPECT_EQ(0, FtpNameZulaessig((lang + "X").c_str(), 0));
    EXPECT_EQ(1, FtpNameZulaessig("PRICAT.INH", 249));
    EXPECT_EQ(0, FtpNameZulaessig("PRICAT.INH", 250));
}

TEST(Dateiname, MusterArtUndSatzname)
{
    EXPECT_EQ(1, FtpMusterPasst("pricat_1.inh"));
    EXPECT_EQ(1, FtpMusterPasst("PRICAT.X"));
    EXPECT_EQ(0, FtpMusterPasst("PRICAT"));
    EXPECT_EQ(0, FtpMusterPasst("XPRICAT.INH"));
    EXPECT_EQ(FTP_ART_INHALT, FtpDateiArt("P.X.inh"));
    EXPECT_EQ(FTP_ART_BESCHREIBUNG, FtpDateiArt("P.Txt"));
    EXPECT_EQ(FTP_ART_BESCHREIBUNG, FtpDateiArt("P.PDF"));
    EXPECT_EQ(FTP_ART_ADRESSE, FtpDateiArt("P.ADR"));
    for (const char* keine : std::initializer_list<const char*>{ "P.IN", "P.INHX", "P", "P.INH.BAK", "P.", nullptr })
        EXPECT_EQ(FTP_ART_KEINE, FtpDateiArt(keine)) << (keine ? keine : "null");
    char satz[16];
    EXPECT_EQ(1, FtpSatzName(satz, sizeof satz, "pricat_\xe4\xff.x.inh"));
    EXPECT_STREQ("PRICAT_\xc4\x9f", satz);
    EXPECT_EQ(0, FtpSatzName(satz, 4, "pricat.inh"));
    EXPECT_STREQ("PRI", satz);
}

class Satzliste : public ::testing::Test {
protected:
    void TearDown() override
    {
        FtpSatzlisteFreigeben(&liste);
        EXPECT_EQ(0, liste);
        EXPECT_EQ(bloecke, Storage_OutstandingBlocks());
    }
    int32_t Eintragen(const char* name, const char* datum = "", int32_t tag = 0, uint32_t groesse = 0)
    {
        return FtpDateiEintragen(&liste, name, datum, tag, groesse, 20);
    }
    std::vector<const FTP_DATEISATZ*> Saetze()
    {
        std::vector<const FTP_DATEISATZ*> rc;
        for (int32_t i = 0; i < List_Count(liste); i++)
            rc.push_back((const FTP_DATEISATZ*)List_GetElement(liste, i));
        return rc;
    }
    int32_t bloecke = Storage_OutstandingBlocks();
    HOSTHANDLE liste = 0;
};

TEST_F(Satzliste, DateienGleichenNamensBildenEinenSatz)
{
    EXPECT_EQ(1, Eintragen("pricat_a.adr", "", 0, 7));
    EXPECT_EQ(1, Eintragen("PRICAT_A.TXT"));
    EXPECT_EQ(1, Eintragen("Pricat_A.Inh", "15.03.2023", 15780, 99));
    EXPECT_EQ(1, Eintragen("PRICAT_A.PDF"));
    EXPECT_EQ(0, Eintragen("PRICAT_A.BAK"));
    EXPECT_EQ(0, Eintragen("PRICAT_..\\A.INH"));
    EXPECT_EQ(0, Eintragen("KATALOG.INH"));
    EXPECT_EQ(-1, FtpDateiEintragen(nullptr, "PRICAT.INH", "", 0, 0, 0));
    std::vector<const FTP_DATEISATZ*> s = Saetze();
    ASSERT_EQ(1u, s.size());
    EXPECT_STREQ("15.03.2023", s[0]->DatumText);
    EXPECT_EQ(15780, s[0]->Tag);
    EXPECT_STREQ("PRICAT_A.INH", s[0]->InhaltDatei);
    EXPECT_STREQ("Pricat_A.Inh", s[0]->InhaltQuelle);
    EXPECT_STREQ("PRICAT_A.PDF", s[0]->BeschreibungDatei) << "the later description file wins";
    EXPECT_STREQ("PRICAT_A.ADR", s[0]->AdressDatei);
    EXPECT_EQ(99u, s[0]->InhaltGroesse);
    EXPECT_EQ(7u, s[0]->AdressGroesse);
    EXPECT_EQ(0, s[0]->AndereSeite);
}

TEST_F(Satzliste, OrdnungNachDatumtextAuchWennDasDatumSpaeterKommt)
{
    Eintragen("PRICAT_C.INH", "03.01.2024");
    Eintragen("PRICAT_B.TXT");
    Eintragen("PRICAT_A.INH", "01.02.2024");
    Eintragen("PRICAT_B.INH", "02.01.2024");
    std::vector<std::string> namen;
    for (const FTP_DATEISATZ* s : Saetze())
        namen.push_back(s->InhaltDatei);
    EXPECT_EQ((std::vector<std::string>{ "PRICAT_A.INH", "PRICAT_B.INH", "PRICAT_C.INH" }), namen);
}

TEST(Satzzeile, TexteUndVergleich)
{
    FTP_DATEISATZ a = {};
    FTP_DATEISATZ b = {};
    strcpy(a.DatumText, "31.12.2023");
    a.Tag = 16071;
    strcpy(a.InhaltDatei, "PRICAT_B.INH");
    strcpy(b.DatumText, "01.01.2024");
    b.Tag = 16072;
    strcpy(b.InhaltDatei, "PRICAT_A.INH");
    strcpy(b.AdressDatei, "PRICAT_A.ADR");
    EXPECT_STREQ("31.12.2023", FtpSpaltenText(&a, 0));
    EXPECT_STREQ("----", FtpSpaltenText(&a, 2));
    EXPECT_STREQ("PRICAT_A.ADR", FtpSpaltenText(&b, 3));
    EXPECT_STREQ("", FtpSpaltenText(&b, 4));
    EXPECT_STREQ("", FtpSpaltenText(nullptr, 1));
    EXPECT_LT(FtpSaetzeVergleichen(&a, &b, 0), 0) << "by day number, not by the text";
    EXPECT_GT(FtpSaetzeVergleichen(&a, &b, 1), 0);
    EXPECT_EQ(0, FtpSaetzeVergleichen(&a, &a, 3));
}
