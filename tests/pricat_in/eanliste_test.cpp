/*
 * The EAN file of an article: one open file at a time, lookup, addition,
 * change, and the cleaning before an EAN is registered.
 */
#include <gtest/gtest.h>

#include "KTLISTEN/ktlisten_host.h"
#include "katalog_hilfen.h"
#include "pricat_in/eanliste.h"
#include "KTSTORAGE/ktstorage_host.h"

namespace {

/* An entry of article `artikel` for the variation colour/size with `ean`. */
EANARTIKEL_SATZ Eintrag(int32_t artikel, const char* farbe, const char* groesse, const char* ean,
                        const char* text = "")
{
    EANARTIKEL_SATZ e;
    memset(&e, 0, sizeof e);
    e.ArtikelNummer = artikel;
    strcpy(e.Merkmal[1], "DOB");
    strcpy(e.Merkmal[6], farbe);
    strcpy(e.Merkmal[7], groesse);
    strcpy(e.FarbText, text);
    strcpy(e.Ean, ean);
    return e;
}

/* Adds an entry to its article's file; the new entry number. */
int32_t Neu(const EANARTIKEL_SATZ& e)
{
    return EanEintragNeu(e.ArtikelNummer, &e);
}

class EanListe : public ::testing::Test {
protected:
    EanListe() : t("eanliste") {}
    ~EanListe() override { EanDateiSchliessen(); }

    /* The entries of the article's file in entry order. */
    std::vector<EANARTIKEL_SATZ> Datei(int32_t artikel)
    {
        std::vector<EANARTIKEL_SATZ> v;
        EANARTIKEL_LoadArtikelEANs_EX(artikel, &v, Sammeln);
        return v;
    }
    static int32_t OXCALL Sammeln(void* liste, const EANARTIKEL_SATZ* e)
    {
        static_cast<std::vector<EANARTIKEL_SATZ>*>(liste)->push_back(*e);
        return 1;
    }
    TestKontext t;
};

TEST_F(EanListe, EanAnAndererVariationWirdGeloescht)
{
    ASSERT_EQ(1, Neu(Eintrag(7, "rot", "38", "4000000000017")));
    ASSERT_EQ(2, Neu(Eintrag(7, "blau", "38", "4000000000024")));
    int32_t bloecke = Storage_OutstandingBlocks();
    int32_t listen = List_OpenLists();

    /* 4000000000017 is registered for blau/38 */
    EANARTIKEL_SATZ neu = Eintrag(7, "blau", "38", "4000000000017");
    EXPECT_EQ(1, EanListePflegen(7, &neu));
    EanDateiSchliessen();
    std::vector<EANARTIKEL_SATZ> d = Datei(7);
    ASSERT_EQ(2u, d.size());
    /* saved in sort order: blau before rot; blau's own EAN is untouched */
    EXPECT_STREQ("blau", d[0].Merkmal[6]);
    EXPECT_STREQ("4000000000024", d[0].Ean);
    EXPECT_STREQ("rot", d[1].Merkmal[6]);
    EXPECT_STREQ("", d[1].Ean);
    EXPECT_EQ(bloecke, Storage_OutstandingBlocks());
    EXPECT_EQ(listen, List_OpenLists());
}

TEST_F(EanListe, DoppelteEanInGleicherVariation)
{
    Neu(Eintrag(4, "rot", "40", "4000000000055"));
    Neu(Eintrag(4, "rot", "40", "4000000000055"));
    EANARTIKEL_SATZ neu = Eintrag(4, "rot", "40", "4000000000055");
    EanListePflegen(4, &neu);
    EanDateiSchliessen();
    std::vector<EANARTIKEL_SATZ> d = Datei(4);
    ASSERT_EQ(2u, d.size());
    EXPECT_STREQ("4000000000055", d[0].Ean);
    EXPECT_STREQ("", d[1].Ean);
}

TEST_F(EanListe, OhneAenderungWirdNichtGeschrieben)
{
    /* entries out of sort order: a write would reorder them */
    Neu(Eintrag(5, "rot", "38", "4000000000062"));
    Neu(Eintrag(5, "blau", "38", "4000000000079"));
    EANARTIKEL_SATZ neu = Eintrag(5, "gruen", "38", "4000000000086");
    EXPECT_EQ(1, EanListePflegen(5, &neu));
    EanDateiSchliessen();
    std::vector<EANARTIKEL_SATZ> d = Datei(5);
    ASSERT_EQ(2u, d.size());
    EXPECT_STREQ("rot", d[0].Merkmal[6]);
    EXPECT_STREQ("4000000000062", d[0].Ean);
}

TEST_F(EanListe, NeuregistrierungBehaeltEineEanAnEinerVariation)
{
    /* EAN X stands at rot/38; the catalogue now gives X for rot/40 */
    Neu(Eintrag(8, "rot", "38", "4000000000093"));
    EANARTIKEL_SATZ neu = Eintrag(8, "rot", "40", "4000000000093");
    EanListePflegen(8, &neu);
    int32_t index = -1;
    EXPECT_EQ(0, EanEintragSuchen(8, neu.Ean, "", &neu, &index));
    EXPECT_EQ(0, index);
    EXPECT_EQ(2, EanEintragNeu(8, &neu));
    EXPECT_EQ(1, EanEintragSuchen(8, neu.Ean, "", &neu, &index));
    EXPECT_EQ(2, index);
    EanDateiSchliessen();
    int mitX = 0;
    for (const EANARTIKEL_SATZ& e : Datei(8))
        mitX += strcmp(e.Ean, "4000000000093") == 0;
    EXPECT_EQ(1, mitX);
}

TEST_F(EanListe, SuchenAendernUndOffeneDatei)
{
    EANARTIKEL_SATZ rot = Eintrag(9, "rot", "38", "4000000000109");
    EXPECT_EQ(1, EanEintragNeu(9, &rot));
    int32_t index = 0;
    EXPECT_EQ(1, EanEintragSuchen(9, "4000000000109", "", &rot, &index));
    EXPECT_EQ(1, index);
    EXPECT_EQ(0, EanEintragSuchen(9, "4000000000116", "", &rot, &index));
    EXPECT_EQ(1, index);
    EANARTIKEL_SATZ geaendert = Eintrag(9, "rot", "38", "4000000000116");
    EXPECT_EQ(1, EanEintragAendern(9, &geaendert, 1));
    EXPECT_EQ(1, EanEintragSuchen(9, "4000000000116", "", &rot, &index));
    EXPECT_EQ(0, EanEintragAendern(9, &geaendert, 5));
    /* the library's answers come through as they are: -1 for a null entry */
    EXPECT_EQ(-1, EanEintragAendern(9, nullptr, 1));
    EXPECT_EQ(-1, EanEintragNeu(9, nullptr));
    EXPECT_EQ(-1, EanEintragSuchen(9, nullptr, "", &rot, &index));

    /* mode 1 asked while the same article's file is open keeps it */
    HOSTHANDLE offen = t.k->EanDateiHandle;
    EXPECT_EQ(1, EanDateiOeffnen(9, 1));
    EXPECT_EQ(offen, t.k->EanDateiHandle);
    /* another article's file replaces it; a missing one in mode 0 gives none */
    EXPECT_EQ(0, EanDateiOeffnen(10, 0));
    EXPECT_EQ(0, t.k->EanDateiArtikel);
    EXPECT_EQ(0, EanEintragSuchen(10, "4000000000116", "", &rot, &index));

    /* article numbers below 1 */
    EXPECT_EQ(0, EanDateiOeffnen(0, 1));
    EXPECT_EQ(0, EanEintragNeu(0, &rot));
    EXPECT_EQ(0, EanEintragAendern(-1, &rot, 1));
    EXPECT_EQ(0, EanListePflegen(0, &rot));
    EXPECT_EQ(0, EanListePflegen(9, nullptr));
}

} // namespace
