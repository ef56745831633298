/*
 * Field map files: loading per supplier, composing keywords from catalogue
 * fields, the slot fall-through, missing keys and capitals.
 */
#include <gtest/gtest.h>

#include "pricat_in/stichwort.h"
#include "katalog_hilfen.h"

namespace {

class FeldMap : public ::testing::Test {
protected:
    FeldMap() : t("feldmap")
    {
        strcpy(t.k->KatalogLieferantIln, "4012345000009");
        t.k->FeldMap.Vorhanden = 1;
        d = Zeile(0);
        EDI_SETZEN(d, Artikel, "a4711@jacke");
        EDI_SETZEN(d, Lieferantenartikelnummer, "LA-99");
        EDI_SETZEN(d, Serie, "Basic");
        EDI_SETZEN(d, Hauptgruppe, "DOB");
    }
    /* Writes the field map file of `iln`. */
    void Schreiben(const std::string& inhalt, const char* iln = "4012345000009")
    {
        char pfad[OX_TXT_PATH], ordner[OX_TXT_PATH];
        ASSERT_EQ(1, EDIMapDBA_CreateFeldMapFileName(iln, pfad));
        FileIO_Separate(pfad, ordner, sizeof ordner, nullptr, 0);
        FileIO_PathCreate(ordner);
        DateiSchreiben(pfad, "[PRICAT]\r\n" + inhalt);
    }
    std::string Gemappt(int32_t art)
    {
        char aus[STICHWORT_GROESSE] = "unberuehrt";
        EXPECT_EQ(1, FeldMapStichwort(KontextStichwortRegeln(), art, &d, aus, sizeof aus));
        return aus;
    }
    std::string Stichwort(int32_t art)
    {
        char aus[STICHWORT_GROESSE];
        StichwortDerArt(KontextStichwortRegeln(), art, &d, aus, sizeof aus);
        return aus;
    }
    TestKontext t;
    PRICAT_DATEN d;
};

TEST_F(FeldMap, EinTeilMitStartUndLaenge)
{
    Schreiben("M3_1=13\r\nM3_1_P=2;4\r\nM1_1=10\r\n");
    EXPECT_EQ("4711", Gemappt(3));
    /* no "_P" key: start and length 0, the whole field */
    EXPECT_EQ("DOB", Gemappt(1));
    /* a kind without keys gives an empty keyword, not the row field */
    EXPECT_EQ("", Gemappt(4));
    EXPECT_EQ("", Stichwort(5));
}

TEST_F(FeldMap, PlusTeileWerdenVerkettet)
{
    Schreiben("M3_1=9+28+10\r\nM3_1_P=1;2+1;3\r\n");
    /* the third part has no position: whole field */
    EXPECT_EQ("LABasDOB", Gemappt(3));
    Schreiben("M2_1=1+2+3+4+5+6+7+8+9+10+13+13\r\nM2_1_P=1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1\r\n",
              "4000000000002");
    strcpy(t.k->KatalogLieferantIln, "4000000000002");
    /* ten parts at most: the 11th and 12th field are not read */
    EXPECT_EQ("P104LD", Gemappt(2));
}

TEST_F(FeldMap, Arten8Bis10SindLeer)
{
    Schreiben("M8_1=13\r\nM9_1=13\r\nM10_1=13\r\nM11_1=13\r\n");
    for (int32_t art : { 8, 9, 10, 12 })
        EXPECT_EQ("", Gemappt(art)) << art;
    EXPECT_EQ("a4711@jacke", Gemappt(11));
}

TEST_F(FeldMap, LeererOderBlankerSlotFaelltAufDenNaechsten)
{
    EDI_SETZEN(d, Zusatztext, "   ");
    Schreiben("M5_1=18\r\nM5_2=28\r\nM6_1=22\r\nM6_2=28\r\nM6_3=10\r\n");
    /* slot 1 gives blanks, slot 2 is appended behind them */
    EXPECT_EQ("   Basic", Gemappt(5));
    /* an empty slot 1 falls through; a text without leading blank ends the search */
    EDI_SETZEN(d, Preis3, "");
    EXPECT_EQ("Basic", Gemappt(6));
}

TEST_F(FeldMap, FehlenderSlotBeendetDieArt)
{
    /* slot 2 of kind 3 is missing: slot 3 is never read */
    EDI_SETZEN(d, Serie, "");
    Schreiben("M3_1=28\r\nM3_3=10\r\nM4_1=28\r\nM4_2=10\r\n");
    EXPECT_EQ("", Gemappt(3));
    EXPECT_EQ("DOB", Gemappt(4));
    EXPECT_EQ(0, t.k->FeldMap.Feld[3][3][0]);
    EXPECT_EQ(10, t.k->FeldMap.Feld[4][2][0]);
}

TEST_F(FeldMap, FeindlicheWerte)
{
    Schreiben("M3_1=65541+-3+31+99999999999+abc\r\nM3_1_P=-5;99999999999+1;1+1;1+1;1\r\n"
              "M4_1=13\r\nM4_1_P=999;5\r\nM5_1=13\r\nM5_1_P=3\r\nM6_1=0+13\r\n");
    /* 65541 is field 5 by its low 16 bits; negative and unknown fields give nothing */
    EXPECT_EQ("4012345000009", Gemappt(3));
    EXPECT_EQ("", Gemappt(4));
    /* a position without ";" reads the whole field */
    EXPECT_EQ("a4711@jacke", Gemappt(5));
    /* field 0 ends the slot's list */
    EXPECT_EQ("", Gemappt(6));
}

TEST_F(FeldMap, GrossschreibungNurFuerArt0AusDerMap)
{
    Schreiben("M0_1=13\r\nM3_1=13\r\n");
    EXPECT_EQ("A4711@JACKE", Gemappt(0));
    EXPECT_EQ("a4711@jacke", Gemappt(3));
    memcpy(t.k->HostDaten + HD_CODES_GROSS, "\0\0\0\0", 4);
    EXPECT_EQ("a4711@jacke", Gemappt(0));
    /* without a field map in force the row field stands as it is */
    memcpy(t.k->HostDaten + HD_CODES_GROSS, "\1\0\0\0", 4);
    t.k->FeldMap.Vorhanden = 0;
    char aus[STICHWORT_GROESSE] = "unberuehrt";
    EXPECT_EQ(0, FeldMapStichwort(KontextStichwortRegeln(), 0, &d, aus, sizeof aus));
    EXPECT_STREQ("unberuehrt", aus);
    EXPECT_EQ("a4711@jacke", Stichwort(0));
}

TEST_F(FeldMap, GeladenWirdNurBeiAndererIln)
{
    Schreiben("M3_1=10\r\n");
    EXPECT_EQ("DOB", Gemappt(3));
    Schreiben("M3_1=28\r\n");
    EXPECT_EQ("DOB", Gemappt(3));
    EXPECT_STREQ("4012345000009", t.k->FeldMap.GeladenIln);
    strcpy(t.k->KatalogLieferantIln, "4000000000004");
    /* no file for that supplier: every kind empty */
    EXPECT_EQ("", Gemappt(3));
    EXPECT_EQ("", Stichwort(1));
    strcpy(t.k->KatalogLieferantIln, "4012345000009");
    EXPECT_EQ("Basic", Gemappt(3));
}

} // namespace
