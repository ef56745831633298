/*
 * Keywords of a row by kind without a field map: row sources, the 23/28
 * cut, key and text, the supplier colour text.
 */
#include <gtest/gtest.h>

#include "pricat_in/stichwort.h"
#include "katalog_hilfen.h"

namespace {

std::string Stichwort(int32_t art, const PRICAT_DATEN& d)
{
    char aus[STICHWORT_GROESSE];
    StichwortDerArt(KontextStichwortRegeln(), art, &d, aus, sizeof aus);
    return aus;
}

class Stichworte : public ::testing::Test {
protected:
    Stichworte() : t("stichwort") {}
    TestKontext t;
};

TEST_F(Stichworte, StandardquellenJeArt)
{
    PRICAT_DATEN d = Zeile(5);
    EDI_SETZEN(d, Hauptgruppe, "1@HG");
    EDI_SETZEN(d, Warengruppe, "2@WG");
    EDI_SETZEN(d, Serie, "3@SE");
    EDI_SETZEN(d, Label, "4@LA");
    EDI_SETZEN(d, Material, "5@MA");
    EDI_SETZEN(d, BleFarbe, "6@FA");
    EDI_SETZEN(d, Merkmal7, "40");
    EDI_SETZEN(d, Saison, "11@SA");
    EDI_SETZEN(d, Artikel, "a1@jacke");
    const char* erwartet[] = { "a1@jacke", "1@HG", "2@WG", "3@SE", "4@LA", "5@MA", "6@FA", "40", "", "", "", "11@SA" };
    for (int32_t art = 0; art <= 11; art++)
        EXPECT_EQ(erwartet[art], Stichwort(art, d)) << art;
    /* kinds without controls have no keyword */
    EXPECT_EQ(nullptr, StichwortArtBeschreibung(8));
    EXPECT_EQ(nullptr, StichwortArtBeschreibung(10));
    /* kind 0 from the row is never upper-cased, whatever the switch */
    EXPECT_EQ(1, KontextStichwortRegeln()->Grossschreibung);

    /* Warengruppe: the first field that is not empty and not led by a blank */
    EDI_SETZEN(d, Warengruppe, " 2@WG");
    EDI_SETZEN(d, WarengruppeErsatz1, "E1");
    EXPECT_EQ("E1", Stichwort(2, d));
    EDI_SETZEN(d, WarengruppeErsatz1, "");
    EDI_SETZEN(d, WarengruppeErsatz2, " E2");
    EXPECT_EQ(" E2", Stichwort(2, d));
    /* a field filled to its width has no terminator */
    EDI_SETZEN(d, Hauptgruppe, std::string(36, 'H'));
    EDI_SETZEN(d, Artikel, "X");
    char aus[STICHWORT_GROESSE];
    StichwortStandard(1, &d, aus, sizeof aus);
    EXPECT_EQ(std::string(36, 'H'), aus);
}

TEST_F(Stichworte, LangeStichworteWerdenAuf23Oder28Gekuerzt)
{
    PRICAT_DATEN d = Zeile(1);
    EDI_SETZEN(d, Serie, std::string(30, 's'));
    EXPECT_EQ(std::string(23, 's'), Stichwort(3, d));
    EDI_SETZEN(d, Serie, "12@" + std::string(27, 's'));
    EXPECT_EQ("12@" + std::string(25, 's'), Stichwort(3, d));
    EDI_SETZEN(d, Serie, std::string(23, 's'));
    EXPECT_EQ(std::string(23, 's'), Stichwort(3, d));
    EDI_SETZEN(d, Serie, std::string(22, 's') + "@x");
    EXPECT_EQ(std::string(22, 's') + "@x", Stichwort(3, d));
    /* the "@" may lie behind the cut */
    EDI_SETZEN(d, Serie, std::string(30, 's') + "@x");
    EXPECT_EQ(std::string(28, 's'), Stichwort(3, d));
}

TEST_F(Stichworte, SchluesselUndText)
{
    char schluessel[STICHWORT_GROESSE], text[STICHWORT_GROESSE];
    EXPECT_EQ(1, StichwortZerlegen("12@Jacke@rot", schluessel, sizeof schluessel, text, sizeof text));
    EXPECT_STREQ("12", schluessel);
    EXPECT_STREQ("Jacke@rot", text);
    EXPECT_EQ(0, StichwortZerlegen("Jacke", schluessel, sizeof schluessel, text, sizeof text));
    EXPECT_STREQ("", schluessel);
    EXPECT_STREQ("Jacke", text);
    char kurz[4];
    EXPECT_EQ(1, StichwortZerlegen("123456@x", kurz, sizeof kurz, nullptr, 0));
    EXPECT_STREQ("123", kurz);
    StichwortAnzeigeText("7@Blau", text, sizeof text);
    EXPECT_STREQ("Blau", text);

    PRICAT_DATEN d = Zeile(1);
    EDI_SETZEN(d, Material, "5@Baumwolle");
    EXPECT_EQ(1, StichwortUndSchluesselDerArt(KontextStichwortRegeln(), 5, &d, schluessel, sizeof schluessel, text,
                                             sizeof text));
    EXPECT_STREQ("5", schluessel);
    EXPECT_STREQ("Baumwolle", text);
}

TEST_F(Stichworte, LieferantenfarbtextDreiModi)
{
    char aus[64];
    LieferantenFarbText(0, aus, sizeof aus, "11@rot", "dunkelrot");
    EXPECT_STREQ("rot", aus);
    LieferantenFarbText(1, aus, sizeof aus, "11@rot", "dunkelrot");
    EXPECT_STREQ("dunkelrot rot", aus);
    LieferantenFarbText(2, aus, sizeof aus, "11@rot", "dunkelrot");
    EXPECT_STREQ("dunkelrot", aus);
    LieferantenFarbText(1, aus, sizeof aus, "rot", std::string(40, 'f').c_str());
    EXPECT_EQ(std::string(31, 'f'), aus);

    PRICAT_DATEN d = Zeile(1);   /* BleFarbe "11@rot", Lieferantenfarbe "rot meliert" */
    LieferantenFarbTextDerZeile(1, &d, aus, sizeof aus);
    EXPECT_STREQ("rot meliert rot", aus);
}

} // namespace
