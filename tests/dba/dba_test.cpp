/*
 * dba_test.cpp - the master-data store through its calls: lookups of every
 * family, persistence across handles and data folders, the memory copy of
 * the learnt mappings, the change store, items, orders.
 */
#include "DBADLL/dbadll_host.h"
#include "hostapi/fileio.h"
#include "hilfe.h"
#include "../../host/DBADLL/satzdatei.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class DbaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = NeuerTestOrdner("api");
        ASSERT_EQ(DBA_SetDatenPfad(ordner.c_str()), 1);
    }
    std::string ordner;
};

MERKMAL_SATZ Merkmal(const char* code, const char* text)
{
    MERKMAL_SATZ m{};
    std::strncpy(m.Code, code, sizeof m.Code - 1);
    std::strncpy(m.Text, text, sizeof m.Text - 1);
    return m;
}

/* ---- data folder -------------------------------------------------------- */

TEST_F(DbaTest, EachDataFolderHasItsOwnStoresAndKeepsThem)
{
    ARTIKEL_SATZ a{};
    a.Ek1 = 111;
    ASSERT_EQ(ARTLIB_SchreibeArtikel(5, &a), 1);
    std::string zweiter = NeuerTestOrdner("api2");
    ASSERT_EQ(DBA_SetDatenPfad(zweiter.c_str()), 1);
    ARTIKEL_SATZ b;
    EXPECT_EQ(ARTLIB_LeseArtikel(5, &b), 0);
    ASSERT_EQ(DBA_SetDatenPfad(ordner.c_str()), 1);
    ASSERT_EQ(ARTLIB_LeseArtikel(5, &b), 1);
    EXPECT_EQ(b.Ek1, 111);
}

/* ---- articles ------------------------------------------------------------- */

TEST_F(DbaTest, ArticlesByNumberAcrossHandles)
{
    HOSTHANDLE h1 = ARTLIB_OeffneDatenbank();
    HOSTHANDLE h2 = ARTLIB_OeffneDatenbank();
    ASSERT_GT(h1, 0);
    ASSERT_GT(h2, 0);
    EXPECT_NE(h1, h2);
    ARTIKEL_SATZ a{};
    a.ArtikelNummer = 999;   /* the store sets the number */
    a.Ek1 = 1234;
    a.Kennzeichen = 'B';
    std::strcpy(a.Zusatztext, "Baumwolle");
    ASSERT_EQ(ARTLIB_WriteArtikel(h1, 42, &a), 1);
    ARTIKEL_SATZ b;
    ASSERT_EQ(ARTLIB_ReadArtikel(h2, 42, &b), 1);
    EXPECT_EQ(b.ArtikelNummer, 42);
    EXPECT_EQ(b.Ek1, 1234);
    EXPECT_EQ(b.Kennzeichen, 'B');
    EXPECT_STREQ(b.Zusatztext, "Baumwolle");
    a.Ek1 = 2000;
    ASSERT_EQ(ARTLIB_WriteArtikel(h2, 42, &a), 1);
    ASSERT_EQ(ARTLIB_LeseArtikel(42, &b), 1);
    EXPECT_EQ(b.Ek1, 2000);
    EXPECT_EQ(ARTLIB_AnzahlArtikel(), 1) << "rewriting does not add";

    b.Ek1 = 77;
    EXPECT_EQ(ARTLIB_ReadArtikel(h1, 43, &b), 0);
    EXPECT_EQ(b.Ek1, 0) << "a miss zero-fills";
    EXPECT_EQ(ARTLIB_ReadArtikel(h1, 0, &b), -1);
    EXPECT_EQ(ARTLIB_ReadArtikel(h1, 42, nullptr), -1);
    EXPECT_EQ(ARTLIB_SchliesseDatenbank(h1), 1);
    EXPECT_EQ(ARTLIB_SchliesseDatenbank(h1), -1);
    EXPECT_EQ(ARTLIB_ReadArtikel(h1, 42, &b), -1) << "closed handle";
    EXPECT_EQ(ARTLIB_ReadArtikel(h2, 42, &b), 1);
    ARTLIB_SchliesseDatenbank(h2);
}

TEST_F(DbaTest, ArticlesAreWalkedInNumberOrder)
{
    ARTIKEL_SATZ a{};
    for (int32_t n : {30, 10, 20}) {
        a.Ek1 = n * 10;
        ASSERT_EQ(ARTLIB_SchreibeArtikel(n, &a), 1);
    }
    std::vector<int32_t> folge;
    ARTIKEL_SATZ b;
    for (int32_t n = ARTLIB_NaechsterArtikel(0, &b); n > 0; n = ARTLIB_NaechsterArtikel(n, &b)) {
        EXPECT_EQ(b.Ek1, n * 10);
        folge.push_back(n);
    }
    EXPECT_EQ(folge, (std::vector<int32_t>{10, 20, 30}));
}

/* ---- characteristics ------------------------------------------------------ */

TEST_F(DbaTest, CharacteristicsFoundByNumberCodeAndText)
{
    MERKMAL_SATZ rot = Merkmal("r1", "Rot");
    MERKMAL_SATZ blau = Merkmal("B1", "Blau");
    int32_t nRot = MMLIB_MerkmalAnlegen(6, &rot);
    int32_t nBlau = MMLIB_MerkmalAnlegen(6, &blau);
    ASSERT_GT(nRot, 0);
    EXPECT_EQ(nBlau, nRot + 1);
    EXPECT_EQ(rot.Nummer, nRot);
    EXPECT_EQ(rot.Art, 6);
    MERKMAL_SATZ gleich = Merkmal("R1", "Anders");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(6, &gleich), 0) << "code taken (letter case does not count)";
    MERKMAL_SATZ andereArt = Merkmal("R1", "Rund");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(5, &andereArt), 1) << "numbers count per kind";
    MERKMAL_SATZ leer = Merkmal("", "Ohne");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(6, &leer), 0);

    MERKMAL_SATZ m;
    ASSERT_EQ(MMLIB_LeseMerkmal(6, nBlau, &m), 1);
    EXPECT_STREQ(m.Code, "B1");
    EXPECT_STREQ(m.Text, "Blau");
    EXPECT_EQ(MMLIB_LeseMerkmal(7, nBlau, &m), 0);
    EXPECT_EQ(MMLIB_SucheCode(6, "R1", &m), nRot);
    EXPECT_STREQ(m.Text, "Rot");
    EXPECT_EQ(MMLIB_SucheCode(6, "b1", nullptr), nBlau);
    EXPECT_EQ(MMLIB_SucheCode(6, "X9", nullptr), 0);
    EXPECT_EQ(MMLIB_SucheText(6, "Blau", nullptr), nBlau);
    EXPECT_EQ(MMLIB_SucheText(6, "blau", nullptr), 0) << "texts compare exactly";
    EXPECT_EQ(MMLIB_SucheText(5, "Rund", nullptr), 1);
    EXPECT_EQ(MMLIB_SucheCode(32, "R1", nullptr), -1);
    EXPECT_EQ(MMLIB_LeseMerkmal(-1, 1, &m), -1);
}

TEST_F(DbaTest, RewrittenCharacteristicLeavesNoStaleIndexEntry)
{
    MERKMAL_SATZ s = Merkmal("S1", "Sommer");
    int32_t n = MMLIB_MerkmalAnlegen(11, &s);
    ASSERT_GT(n, 0);
    s = Merkmal("W1", "Winter");
    s.Nummer = n;
    ASSERT_EQ(MMLIB_SchreibeMerkmal(11, &s), 1);
    EXPECT_EQ(MMLIB_SucheCode(11, "S1", nullptr), 0);
    EXPECT_EQ(MMLIB_SucheText(11, "Sommer", nullptr), 0);
    EXPECT_EQ(MMLIB_SucheCode(11, "W1", nullptr), n);
    /* two with one code: the smaller number wins, also after the first goes */
    MERKMAL_SATZ zweit = Merkmal("W1", "Winter 2");
    zweit.Nummer = n + 10;
    ASSERT_EQ(MMLIB_SchreibeMerkmal(11, &zweit), 1);
    EXPECT_EQ(MMLIB_SucheCode(11, "W1", nullptr), n);
    s = Merkmal("X1", "Weg");
    s.Nummer = n;
    ASSERT_EQ(MMLIB_SchreibeMerkmal(11, &s), 1);
    EXPECT_EQ(MMLIB_SucheCode(11, "W1", nullptr), n + 10);
    EXPECT_EQ(MMLIB_MerkmalAnlegen(11, &s), 0) << "X1 taken";
    MERKMAL_SATZ neu = Merkmal("N1", "Neu");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(11, &neu), n + 11) << "numbers follow the highest";
}

TEST_F(DbaTest, ArticlesAreKindZeroCharacteristicsFoundByTheirName)
{
    char name[DBA_ARTIKELNAME];
    EXPECT_EQ(MMLIB_CopyKurzUndLangtext(name, "12", "4711"), 9);
    EXPECT_STREQ(name, "12___4711");
    MMLIB_CopyKurzUndLangtext(name, "", "A1");
    EXPECT_STREQ(name, "_____A1");
    MMLIB_CopyKurzUndLangtext(name, "123456", "X");
    EXPECT_STREQ(name, "12345X");

    MERKMAL_SATZ art = Merkmal("12", "4711");
    int32_t n = MMLIB_MerkmalAnlegen(0, &art);
    ASSERT_GT(n, 0);
    MERKMAL_SATZ m;
    EXPECT_EQ(MMLIB_SucheCode(0, "12___4711", &m), n);
    EXPECT_STREQ(m.Code, "12");
    EXPECT_EQ(MMLIB_SucheCode(0, "12", nullptr), 0) << "the supplier code alone is no article";
    MERKMAL_SATZ gleicherLieferant = Merkmal("12", "4712");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(0, &gleicherLieferant), n + 1);
    MERKMAL_SATZ doppelt = Merkmal("12", "4711");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(0, &doppelt), 0);
    MERKMAL_SATZ ohneText = Merkmal("12", "");
    EXPECT_EQ(MMLIB_MerkmalAnlegen(0, &ohneText), 0);

    std::vector<int32_t> folge;
    for (int32_t k = MMLIB_NaechstesMerkmal(0, 0, &m); k > 0; k = MMLIB_NaechstesMerkmal(0, k, &m)) folge.push_back(k);
    EXPECT_EQ(folge, (std::vector<int32_t>{n, n + 1}));
    EXPECT_EQ(MMLIB_NaechstesMerkmal(1, 0, &m), 0) << "kind 1 is empty";
}

/* ---- suppliers --------------------------------------------------------------- */

TEST_F(DbaTest, SupplierFoundByAnyOfItsTenIlnSlotsFirstRecordWins)
{
    auto l = std::make_unique<LIEFERANTEN_SATZ>();
    LieferantenDBA_ClearRecord(l.get());
    std::strcpy(l->Name, "Muster GmbH");
    for (int i = 0; i < DBA_ILN_SLOTS; ++i) std::snprintf(l->Iln[i], sizeof l->Iln[i], "40000000001%02d", i);
    ASSERT_EQ(LieferantenDBA_SchreibeRecord(12, l.get()), 1);
    LieferantenDBA_ClearRecord(l.get());
    std::strcpy(l->Iln[9], "4000000000105");   /* also in record 12's slot 5 */
    std::strcpy(l->Iln[0], "4000000000999");
    ASSERT_EQ(LieferantenDBA_SchreibeRecord(7, l.get()), 1);

    for (int i = 0; i < DBA_ILN_SLOTS; ++i) {
        char iln[16];
        std::snprintf(iln, sizeof iln, "40000000001%02d", i);
        EXPECT_EQ(LieferantenDBA_SucheIln(iln), i == 5 ? 7 : 12) << iln;
    }
    EXPECT_EQ(LieferantenDBA_SucheIln("4000000000999"), 7);
    EXPECT_EQ(LieferantenDBA_SucheIln("400000000010"), 0) << "12 characters";
    EXPECT_EQ(LieferantenDBA_SucheIln("40000000001000"), 0) << "14 characters";
    EXPECT_EQ(LieferantenDBA_SucheIln("4000000000777"), 0);
    EXPECT_EQ(LieferantenDBA_SucheIln(nullptr), -1);

    /* the way the module walks them: records 1..1000 through a handle */
    HOSTHANDLE h = LieferantenDBA_OpenDBA();
    ASSERT_GT(h, 0);
    int gefunden = 0;
    for (int32_t n = 1; n <= DBA_MAX_LIEFERANTEN; ++n)
        if (LieferantenDBA_ReadRecord(h, n, l.get()) == 1) {
            ++gefunden;
            EXPECT_EQ(l->Nummer, n);
        }
    EXPECT_EQ(gefunden, 2);
    EXPECT_EQ(LieferantenDBA_ReadRecord(h, 1001, l.get()), -1);
    EXPECT_EQ(LieferantenDBA_ReadRecord(h, 0, l.get()), -1);
    EXPECT_EQ(LieferantenDBA_CloseDBA(h), 1);

    /* an ILN leaves record 7: record 12 now answers for it */
    ASSERT_EQ(LieferantenDBA_LeseRecord(7, l.get()), 1);
    l->Iln[9][0] = 0;
    ASSERT_EQ(LieferantenDBA_SchreibeRecord(7, l.get()), 1);
    EXPECT_EQ(LieferantenDBA_SucheIln("4000000000105"), 12);
}

TEST_F(DbaTest, SupplierNumberZeroIsNotWritten)
{
    auto l = std::make_unique<LIEFERANTEN_SATZ>();
    LieferantenDBA_ClearRecord(l.get());
    std::strcpy(l->Iln[0], "4000000000001");
    EXPECT_EQ(LieferantenDBA_SchreibeRecord(0, l.get()), -1);
    EXPECT_EQ(LieferantenDBA_SchreibeRecord(1001, l.get()), -1);
    EXPECT_EQ(LieferantenDBA_SucheIln("4000000000001"), 0);
    EXPECT_EQ(LieferantenDBA_LeseRecord(1, l.get()), 0);
}

/* ---- EAN index ------------------------------------------------------------------ */

TEST_F(DbaTest, EanCheckDigitAndLengths)
{
    EXPECT_EQ(EANDATA_EAN_Ist_OK("4006381333931"), 1);
    EXPECT_EQ(EANDATA_EAN_Ist_OK("4006381333932"), 0);
    EXPECT_EQ(EANDATA_EAN_Ist_OK("96385074"), 1);          /* EAN-8 */
    EXPECT_EQ(EANDATA_EAN_Ist_OK("036000291452"), 1);      /* UPC-A */
    EXPECT_EQ(EANDATA_EAN_Ist_OK("14006381333938"), 1);    /* GTIN-14 */
    EXPECT_EQ(EANDATA_EAN_Ist_OK("400638133393"), 0);
    EXPECT_EQ(EANDATA_EAN_Ist_OK("40063813339 1"), 0);
    EXPECT_EQ(EANDATA_EAN_Ist_OK(""), 0);
    EXPECT_EQ(EANDATA_EAN_Ist_OK(nullptr), 0);
}

TEST_F(DbaTest, EanAssignmentKeptOrReplacedAndSlotsReused)
{
    int32_t muster = 5;
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", &muster), 0);
    EXPECT_EQ(muster, 0);
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333931", 17, 1), 1);
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", nullptr), 17);
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333931", 18, 0), 0) << "kept";
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", nullptr), 17);
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333931", 17, 0), 1) << "already so";
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333931", 18, 1), 1);
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", nullptr), 18);
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333932", 18, 1), 0) << "bad check digit";
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("4006381333931", 0, 1), -1);
    EXPECT_EQ(EANDATA_Anzahl(), 1);

    /* same digits, other length: a different code */
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("04006381333931", 19, 1), 1);
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", nullptr), 18);
    EXPECT_EQ(EANDATA_GetArtikelNummer("04006381333931", nullptr), 19);

    EXPECT_EQ(EANDATA_Loeschen("4006381333931"), 1);
    EXPECT_EQ(EANDATA_Loeschen("4006381333931"), 0);
    EXPECT_EQ(EANDATA_GetArtikelNummer("4006381333931", nullptr), 0);
    EXPECT_EQ(EANDATA_SetArtikelNummerOhneMusterID("96385074", 20, 1), 1);
    char name[OX_TXT_PATH];
    DBA_GetDatenPfad(name, sizeof name);
    HOSTHANDLE f = FileIO_OpenROS((std::string(name) + "EANDATA.DBA").c_str());
    ASSERT_GT(f, 0);
    EXPECT_EQ(FileIO_GetSize(f), 512 + 2 * 32) << "the freed slot was reused";
    FileIO_Close(f);
}

/* ---- EAN files ---------------------------------------------------------------------- */

EANARTIKEL_SATZ Eintrag(int32_t artikel, const char* groesse, const char* farbe, const char* ean)
{
    EANARTIKEL_SATZ e{};
    e.ArtikelNummer = artikel;
    for (int k = 1; k <= 8; ++k) std::snprintf(e.Merkmal[k], sizeof e.Merkmal[k], "K%d", k);
    std::strncpy(e.Merkmal[7], groesse, 4);
    std::strncpy(e.Merkmal[6], farbe, 4);
    std::strncpy(e.Ean, ean, 13);
    return e;
}

struct Liste {
    std::vector<EANARTIKEL_SATZ> eintraege;
    size_t lesen = 0;
};
int32_t OXCALL Hinzu(void* liste, const EANARTIKEL_SATZ* e)
{
    static_cast<Liste*>(liste)->eintraege.push_back(*e);
    return 1;
}
const EANARTIKEL_SATZ* OXCALL Naechster(void* liste)
{
    Liste* l = static_cast<Liste*>(liste);
    return l->lesen < l->eintraege.size() ? &l->eintraege[l->lesen++] : nullptr;
}

TEST_F(DbaTest, EanFileLookupTellsSameEanSameVariationOrNew)
{
    char name[OX_TXT_PATH];
    ASSERT_EQ(EANARTIKEL_CreateFileName(77, name, 0), 1);
    EXPECT_EQ(EANARTIKEL_OpenFile(name, 0), -1) << "mode 0 does not create";
    HOSTHANDLE h = EANARTIKEL_OpenFile(name, 1);
    ASSERT_GT(h, 0);
    auto e38 = std::make_unique<EANARTIKEL_SATZ>(Eintrag(77, "38", "ROT", "4006381333931"));
    auto e40 = std::make_unique<EANARTIKEL_SATZ>(Eintrag(77, "40", "ROT", "96385074"));
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 77, e38.get()), 1);
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 77, e40.get()), 2);

    int32_t index = -1;
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 8, 77, "96385074", "x", e40.get(), &index), 1);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 8, 77, "036000291452", "x", e40.get(), &index), 0);
    EXPECT_EQ(index, 2) << "same variation, other EAN";
    auto e42 = std::make_unique<EANARTIKEL_SATZ>(Eintrag(77, "42", "ROT", ""));
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 8, 77, "036000291452", "x", e42.get(), &index), 0);
    EXPECT_EQ(index, 0) << "new variation";
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 8, 78, "96385074", "x", e40.get(), &index), 0);
    EXPECT_EQ(index, 0) << "another article";
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 6, 77, "036000291452", "x", e42.get(), &index), 0)
        << "only the first six codes compared: 38, 40 and 42 agree there";
    EXPECT_EQ(index, 1) << "the first entry of the variation";
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 6, 77, "96385074", "x", e42.get(), &index), 1);
    EXPECT_EQ(index, 2);

    auto neu = std::make_unique<EANARTIKEL_SATZ>(Eintrag(77, "40", "ROT", "036000291452"));
    EXPECT_EQ(EANARTIKEL_Aendern_WithOpenFile(h, 77, neu.get(), 2), 1);
    EXPECT_EQ(EANARTIKEL_Aendern_WithOpenFile(h, 77, neu.get(), 3), 0);
    EXPECT_EQ(EANARTIKEL_Aendern_WithOpenFile(h, 77, neu.get(), 0), 0);
    EXPECT_EQ(EANARTIKEL_HoleEAN_Artikel_From_Open_File(h, 8, 77, "036000291452", "x", neu.get(), &index), 1);

    char ean[OX_TXT_ILN];
    EXPECT_EQ(EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(77, "", e38.get(), ean), 1);
    EXPECT_STREQ(ean, "4006381333931");
    EANARTIKEL_SATZ nurGroesse{};
    std::strcpy(nurGroesse.Merkmal[7], "40");
    EXPECT_EQ(EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(77, "", &nurGroesse, ean), 1) << "empty codes match all";
    EXPECT_STREQ(ean, "036000291452");
    EXPECT_EQ(EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(77, "", e42.get(), ean), 0);
    EXPECT_EQ(ean[0], 0);
    EXPECT_EQ(EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(5, "", nullptr, ean), 0) << "no file";
    EXPECT_EQ(EANARTIKEL_CloseFile(h), 1);
    EXPECT_EQ(EANARTIKEL_CloseFile(h), -1);
}

TEST_F(DbaTest, EanListLoadedAndSavedWhole)
{
    Liste start;
    for (const char* g : {"36", "38", "40"}) start.eintraege.push_back(Eintrag(0, g, "BL", "96385074"));
    ASSERT_EQ(EANARTIKEL_SaveArtikelEANs_EX(9, &start, Naechster), 3);
    Liste geladen;
    ASSERT_EQ(EANARTIKEL_LoadArtikelEANs_EX(9, &geladen, Hinzu), 3);
    ASSERT_EQ(geladen.eintraege.size(), 3u);
    EXPECT_EQ(geladen.eintraege[2].ArtikelNummer, 9);
    EXPECT_EQ(geladen.eintraege[2].LaufNummer, 3);
    EXPECT_STREQ(geladen.eintraege[1].Merkmal[7], "38");

    /* a shorter list replaces the longer one */
    char name[OX_TXT_PATH];
    EANARTIKEL_CreateFileName(9, name, 0);
    HOSTHANDLE h = EANARTIKEL_OpenFile(name, 0);
    ASSERT_GT(h, 0);
    Liste kurz;
    kurz.eintraege.push_back(geladen.eintraege[1]);
    ASSERT_EQ(EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile(h, &kurz, 9, Naechster), 1);
    Liste danach;
    ASSERT_EQ(EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(h, &danach, 9, Hinzu), 1);
    EXPECT_STREQ(danach.eintraege[0].Merkmal[7], "38");
    EXPECT_EQ(danach.eintraege[0].LaufNummer, 1);
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 9, &start.eintraege[0]), 2) << "numbering goes on from the new end";
    EANARTIKEL_CloseFile(h);
    EXPECT_EQ(EANARTIKEL_LoadArtikelEANs_EX(10, &danach, Hinzu), 0) << "article without file";
}

/* An entry whose reserve carries bytes as well (it takes several slots). */
EANARTIKEL_SATZ VollerEintrag(int32_t artikel, const char* groesse, unsigned saat)
{
    EANARTIKEL_SATZ e = Eintrag(artikel, groesse, "GR", "96385074");
    for (size_t i = 0; i < sizeof e.Reserve2; ++i) e.Reserve2[i] = static_cast<unsigned char>(saat + i * 7);
    return e;
}

std::vector<EANARTIKEL_SATZ> Geladen(int32_t artikel)
{
    Liste l;
    EXPECT_GE(EANARTIKEL_LoadArtikelEANs_EX(artikel, &l, Hinzu), 0);
    return l.eintraege;
}

/* `v` as the store hands it back for `artikel`: numbered 1, 2, ... */
std::vector<EANARTIKEL_SATZ> Nummeriert(std::vector<EANARTIKEL_SATZ> v, int32_t artikel)
{
    for (size_t i = 0; i < v.size(); ++i) {
        v[i].ArtikelNummer = artikel;
        v[i].LaufNummer = static_cast<int32_t>(i + 1);
    }
    return v;
}

void ErwarteGleich(const std::vector<EANARTIKEL_SATZ>& ist, const std::vector<EANARTIKEL_SATZ>& soll)
{
    ASSERT_EQ(ist.size(), soll.size());
    for (size_t i = 0; i < ist.size(); ++i)
        EXPECT_EQ(std::memcmp(&ist[i], &soll[i], sizeof ist[i]), 0) << "entry " << i + 1 << " differs";
}

int32_t Speichern(int32_t artikel, const std::vector<EANARTIKEL_SATZ>& v)
{
    Liste l;
    l.eintraege = v;
    return EANARTIKEL_SaveArtikelEANs_EX(artikel, &l, Naechster);
}

long long DateiGroesse(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary | std::ios::ate);
    return f ? static_cast<long long>(f.tellg()) : -1;
}

TEST_F(DbaTest, EanEntriesKeepEveryByteWhateverTheirSizeAndFreedRoomIsTakenAgain)
{
    std::vector<EANARTIKEL_SATZ> a3 = {Eintrag(0, "36", "ROT", "96385074"), VollerEintrag(0, "38", 1),
                                       Eintrag(0, "40", "BL", "")};
    std::vector<EANARTIKEL_SATZ> a4 = {Eintrag(0, "36", "ROT", "4006381333931")};
    ASSERT_EQ(Speichern(4, a4), 1);
    ASSERT_EQ(Speichern(3, a3), 3);
    ErwarteGleich(Geladen(3), Nummeriert(a3, 3));

    /* through a handle: the long entry becomes short, a short one long, a long one is added */
    char name[OX_TXT_PATH];
    ASSERT_EQ(EANARTIKEL_CreateFileName(3, name, 0), 1);
    HOSTHANDLE h = EANARTIKEL_OpenFile(name, 0);
    ASSERT_GT(h, 0);
    std::vector<EANARTIKEL_SATZ> soll = {VollerEintrag(0, "36", 2), Eintrag(0, "38", "GE", "036000291452"), a3[2],
                                         VollerEintrag(0, "42", 3)};
    EXPECT_EQ(EANARTIKEL_Aendern_WithOpenFile(h, 3, &soll[1], 2), 1);
    EXPECT_EQ(EANARTIKEL_Aendern_WithOpenFile(h, 3, &soll[0], 1), 1);
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 3, &soll[3]), 4);
    Liste mitHandle;
    EXPECT_EQ(EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(h, &mitHandle, 3, Hinzu), 4);
    EANARTIKEL_CloseFile(h);
    ErwarteGleich(mitHandle.eintraege, Nummeriert(soll, 3));
    ErwarteGleich(Geladen(3), Nummeriert(soll, 3));
    ErwarteGleich(Geladen(4), Nummeriert(a4, 4));

    /* Lists of changing sizes written again and again take no more room
     * than the largest of them: freed slots are taken again. */
    std::vector<EANARTIKEL_SATZ> kurz = {Eintrag(0, "36", "ROT", "96385074"), Eintrag(0, "38", "ROT", "")};
    std::string datei = ordner + "EANARTIKEL.DBA";
    long long nachZwei = 0;
    for (int runde = 0; runde < 10; ++runde) {
        ASSERT_EQ(Speichern(3, runde % 2 ? kurz : soll), static_cast<int32_t>(runde % 2 ? kurz.size() : soll.size()));
        if (runde == 1) nachZwei = DateiGroesse(datei);
    }
    EXPECT_GT(nachZwei, 0);
    EXPECT_EQ(DateiGroesse(datei), nachZwei);
    ErwarteGleich(Geladen(3), Nummeriert(kurz, 3));
    ErwarteGleich(Geladen(4), Nummeriert(a4, 4));

    /* an emptied list leaves no file */
    ASSERT_EQ(Speichern(3, {}), 0);
    EXPECT_EQ(EANARTIKEL_OpenFile(name, 0), -1);
    EXPECT_EQ(Geladen(3).size(), 0u);
}

TEST_F(DbaTest, EanFileNamesStayWithTheirDataFolder)
{
    std::vector<EANARTIKEL_SATZ> liste = {Eintrag(0, "36", "ROT", "96385074"), Eintrag(0, "38", "ROT", "")};
    ASSERT_EQ(Speichern(5, liste), 2);
    char nameA[OX_TXT_PATH], nameB[OX_TXT_PATH];
    ASSERT_EQ(EANARTIKEL_CreateFileName(5, nameA, 0), 1);
    EXPECT_EQ(std::string(nameA), ordner + "EANART\\0\\E5.EAN");

    std::string zweiter = NeuerTestOrdner("api_ean");
    ASSERT_EQ(DBA_SetDatenPfad(zweiter.c_str()), 1);
    EXPECT_EQ(Geladen(5).size(), 0u) << "another folder, other files";
    ASSERT_EQ(EANARTIKEL_CreateFileName(5, nameB, 0), 1);
    EXPECT_EQ(EANARTIKEL_OpenFile(nameB, 0), -1);
    HOSTHANDLE h = EANARTIKEL_OpenFile(nameA, 0);
    ASSERT_GT(h, 0) << "the first folder's file";
    Liste gelesen;
    EXPECT_EQ(EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(h, &gelesen, 5, Hinzu), 2);
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 5, &liste[0]), 3);
    EANARTIKEL_CloseFile(h);
    EXPECT_EQ(Geladen(5).size(), 0u);

    /* a name of another form is a file of its own */
    std::string eigen = zweiter + "LISTE.EAN";
    EXPECT_EQ(EANARTIKEL_OpenFile(eigen.c_str(), 0), -1);
    h = EANARTIKEL_OpenFile(eigen.c_str(), 1);
    ASSERT_GT(h, 0);
    EXPECT_EQ(EANARTIKEL_NeuEintragen_WithOpenFile(h, 8, &liste[1]), 1);
    EANARTIKEL_CloseFile(h);
    h = EANARTIKEL_OpenFile(eigen.c_str(), 0);
    ASSERT_GT(h, 0);
    Liste eigene;
    EXPECT_EQ(EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(h, &eigene, 8, Hinzu), 1);
    EANARTIKEL_CloseFile(h);
    EXPECT_EQ(Geladen(8).size(), 0u);

    ASSERT_EQ(DBA_SetDatenPfad(ordner.c_str()), 1);
    EXPECT_EQ(Geladen(5).size(), 3u);
}

/* ---- learnt mappings ---------------------------------------------------------------- */

EDIMAP_SATZ Mapping(const char* wort, int32_t art, int32_t nummer)
{
    EDIMAP_SATZ e{};
    std::strncpy(e.Schluesselwort, wort, sizeof e.Schluesselwort - 1);
    e.Art = art;
    e.Nummer = nummer;
    e.Merkmal.Nummer = nummer;
    std::snprintf(e.Merkmal.Code, sizeof e.Merkmal.Code, "C%d", nummer % 1000);
    return e;
}

TEST_F(DbaTest, MappingsEnteredInMemoryReachTheStoreOnlyWhenWritten)
{
    const char* iln = "4012345000009";
    EXPECT_EQ(EDIMapDBA_MakeEDIMAPMem(iln), 0);
    EDIMAP_SATZ rot = Mapping("ROT", 6, 101);
    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&rot, iln, 6), 1);
    EDIMAP_SATZ gefunden{};
    ASSERT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "ROT", 6), 1);
    EXPECT_EQ(std::memcmp(&gefunden, &rot, sizeof rot), 0) << "all 202 bytes come back";
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "ROT", 5), 0) << "other kind";
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "rot", 6), 0) << "keywords compare exactly";

    /* dropped without writing: gone */
    EDIMapDBA_FreeEDIMAPMem();
    EXPECT_EQ(EDIMapDBA_MakeEDIMAPMem(iln), 0);
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "ROT", 6), 0);

    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&rot, iln, 6), 1);
    EDIMAP_SATZ blau = Mapping("BLAU", 6, 102);
    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&blau, iln, 6), 1);
    EXPECT_EQ(EDIMapDBA_WriteEDIMAPMem("4012345000010"), -1) << "no copy for that supplier";
    EXPECT_EQ(EDIMapDBA_WriteEDIMAPMem(iln), 2);
    EXPECT_EQ(EDIMapDBA_WriteEDIMAPMem(iln), 0) << "nothing changed since";
    EDIMapDBA_FreeEDIMAPMem();

    /* without a copy the search goes to the store */
    ASSERT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "BLAU", 6), 1);
    EXPECT_EQ(gefunden.Nummer, 102);
    EXPECT_EQ(EDIMapDBA_MakeEDIMAPMem(iln), 2);
    EDIMAP_SATZ rotNeu = Mapping("ROT", 6, 199);
    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&rotNeu, iln, 6), 1);
    EXPECT_EQ(EDIMapDBA_WriteEDIMAPMem(iln), 1);
    EDIMapDBA_FreeEDIMAPMem();
    ASSERT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "ROT", 6), 1);
    EXPECT_EQ(gefunden.Nummer, 199) << "replaced, not added";
    EXPECT_EQ(EDIMapDBA_MakeEDIMAPMem(iln), 2);
    EXPECT_EQ(EDIMapDBA_MakeEDIMAPMem("4099999999999"), 0) << "another supplier has none";
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, "4099999999999", "ROT", 6), 0);
    EDIMapDBA_FreeEDIMAPMem();
}

TEST_F(DbaTest, MappingKeywordCountsWithItsFirst35Characters)
{
    const char* iln = "4012345000009";
    std::string lang(50, 'K');
    EDIMAP_SATZ e = Mapping(lang.c_str(), 3, 55);
    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&e, iln, 3), 1);   /* no copy: into the store */
    EDIMAP_SATZ gefunden{};
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, lang.c_str(), 3), 1);
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, (lang + "XYZ").c_str(), 3), 1);
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, std::string(34, 'K').c_str(), 3), 0);
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, "40123450000091", "K", 3), -1) << "ILN over 13 characters";
    EXPECT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, "", "K", 3), -1);
}

TEST_F(DbaTest, StandardCharacteristicsLiveBesideLearntMappings)
{
    const char* iln = "4012345000009";
    EDIMAP_SATZ leerWort = Mapping("", 2, 7);
    ASSERT_EQ(EDIMapDBA_EDIMAPEintragenMem(&leerWort, iln, 2), 1);
    EDIMAP_SATZ standard = Mapping("", 2, 8);
    standard.Standard = 1;
    EDIMAP_SATZ gefunden{};
    EXPECT_EQ(EDIMapDBA_SuchStandardEDIMAP(&gefunden, iln, 2), 0) << "a learnt entry is no standard";
    ASSERT_EQ(EDIMapDBA_StandardEDIMAPEintragen(&standard, iln, 2), 1);
    ASSERT_EQ(EDIMapDBA_SuchStandardEDIMAP(&gefunden, iln, 2), 1);
    EXPECT_EQ(gefunden.Nummer, 8);
    EXPECT_EQ(gefunden.Standard, 1);
    ASSERT_EQ(EDIMapDBA_SuchEDIMAPMem(&gefunden, iln, "", 2), 1);
    EXPECT_EQ(gefunden.Nummer, 7);
    EXPECT_EQ(EDIMapDBA_SuchStandardEDIMAP(&gefunden, iln, 3), 0);

    /* the memory copy carries the standard too, and follows a new one */
    ASSERT_EQ(EDIMapDBA_MakeEDIMAPMem(iln), 2);
    ASSERT_EQ(EDIMapDBA_SuchStandardEDIMAPMem(&gefunden, iln, 2), 1);
    EXPECT_EQ(gefunden.Nummer, 8);
    standard.Nummer = 9;
    ASSERT_EQ(EDIMapDBA_StandardEDIMAPEintragen(&standard, iln, 2), 1);
    ASSERT_EQ(EDIMapDBA_SuchStandardEDIMAPMem(&gefunden, iln, 2), 1);
    EXPECT_EQ(gefunden.Nummer, 9);
    EDIMapDBA_FreeEDIMAPMem();
    ASSERT_EQ(EDIMapDBA_SuchStandardEDIMAP(&gefunden, iln, 2), 1);
    EXPECT_EQ(gefunden.Nummer, 9);
}

TEST_F(DbaTest, FieldMapFileNameAndExistence)
{
    char pfad[OX_TXT_PATH];
    ASSERT_EQ(EDIMapDBA_CreateFeldMapFileName("4012345000009", pfad), 1);
    EXPECT_NE(std::string(pfad).find("4012345000009.INI"), std::string::npos);
    EXPECT_EQ(EDIMapDBA_EDIFeldMapExists("4012345000009"), 0);
    HOSTHANDLE f = FileIO_CreateRWS(pfad);
    ASSERT_GT(f, 0);
    FileIO_Write(f, "[PRICAT]\r\nM1_1=4\r\n", 18);
    FileIO_Close(f);
    EXPECT_EQ(EDIMapDBA_EDIFeldMapExists("4012345000009"), 1);
    EXPECT_EQ(EDIMapDBA_EDIFeldMapExists("4012345000010"), 0);
    EXPECT_EQ(EDIMapDBA_CreateFeldMapFileName(nullptr, pfad), -1);
}

/* ---- change store --------------------------------------------------------------------- */

EDIAENDERUNG_SATZ Aenderung(int32_t artikel, int32_t groesse, int32_t saison, int32_t vk1)
{
    EDIAENDERUNG_SATZ a{};
    a.ArtikelNummer = artikel;
    a.Merkmal[7 - 1] = groesse;
    a.Merkmal[11 - 1] = saison;
    a.Vk1 = vk1;
    a.EtikettenArt = -1;
    return a;
}

TEST_F(DbaTest, ChangeStoreAppendsSearchesAndEmpties)
{
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAenderungExists(), 0);
    HOSTHANDLE h = EDI_AENDERUNG_DBA_RW_Open();
    HOSTHANDLE anderer = EDI_AENDERUNG_DBA_RW_Open();
    ASSERT_GT(h, 0);
    EDIAENDERUNG_SATZ s1 = Aenderung(5, 0, 0, 1000);    /* every size and season */
    EDIAENDERUNG_SATZ s2 = Aenderung(5, 38, 11, 2000);
    EDIAENDERUNG_SATZ s3 = Aenderung(5, 38, 0, 3000);
    ASSERT_EQ(EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(h, &s1), 1);
    ASSERT_EQ(EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(h, &s2), 1);
    ASSERT_EQ(EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(h, &s3), 1);
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAenderungExists(), 1);
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(anderer), 3);

    int32_t n = 0;
    EDIAENDERUNG_SATZ* alle = EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(anderer, &n);
    ASSERT_NE(alle, nullptr);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(alle[1].Vk1, 2000);

    EDIAENDERUNG_SATZ key = Aenderung(5, 38, 12, 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(alle, &key, n), 3) << "the last that applies";
    EXPECT_EQ(key.Vk1, 3000);
    key = Aenderung(5, 38, 12, 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG_Ohne_Saison(alle, &key, n), 3);
    key = Aenderung(5, 40, 11, 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(alle, &key, n), 1) << "size 40 only by the wildcard record";
    key = Aenderung(6, 38, 11, 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(alle, &key, n), 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(alle, &key, 0), 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(nullptr, &key, n), -1);
    EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG(alle);

    EXPECT_EQ(EDI_AENDERUNG_DBA_Delete(), 1);
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAenderungExists(), 0);
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(h), 0) << "open handles see the empty store";
    EXPECT_EQ(EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(h, &n), nullptr);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(anderer, &s2), 1);
    EXPECT_EQ(EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(h), 1);
    EDI_AENDERUNG_DBA_Close(h);
    EDI_AENDERUNG_DBA_Close(anderer);
    EXPECT_EQ(EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(h, &s2), -1);
}

/* ---- items, extras, descriptions -------------------------------------------------------- */

TEST_F(DbaTest, ItemsReadInBlocksThroughTheFileHandle)
{
    EINZELTEIL_SATZ t;
    for (int32_t p = 1; p <= 5; ++p) {
        DATABASE_ClearEinzelteil(&t);
        t.TeilNummer = p;
        t.Ek1 = p * 100;
        t.Flags = EINZELTEIL_VORHANDEN;
        ASSERT_EQ(DATABASE_WriteEinzelteil(p, &t), 1);
    }
    EXPECT_EQ(DATABASE_WriteEinzelteil(7, &t), 0) << "no gap in the items";
    char name[OX_TXT_PATH];
    EXPECT_EQ(DATABASE_GetSizeAndName(name), 5);
    EXPECT_NE(std::string(name).find("TEILE.DBA"), std::string::npos);

    HOSTHANDLE h = DATABASE_OeffneDatenbank();
    ASSERT_GT(h, 0);
    EINZELTEIL_SATZ block[8];
    ASSERT_EQ(FileIO_SetPos(h, DATABASE_FilePos(2)), DATABASE_FilePos(2));
    int32_t gelesen = FileIO_Read(h, block, sizeof block);
    ASSERT_EQ(gelesen, 4 * static_cast<int32_t>(sizeof(EINZELTEIL_SATZ))) << "items 2..5";
    EXPECT_EQ(block[0].Ek1, 200);
    EXPECT_EQ(block[3].Ek1, 500);
    EXPECT_EQ(block[3].TeilNummer, 5);

    t.Ek1 = 999;
    ASSERT_EQ(DATABASE_WriteEinzelteil(3, &t), 1);
    FileIO_SetPos(h, DATABASE_FilePos(3));
    ASSERT_EQ(FileIO_Read(h, block, sizeof(EINZELTEIL_SATZ)), static_cast<int32_t>(sizeof(EINZELTEIL_SATZ)));
    EXPECT_EQ(block[0].Ek1, 999);
    ASSERT_EQ(DATABASE_ReadEinzelteil(3, &t), 1);
    EXPECT_EQ(t.Ek1, 999);
    EXPECT_EQ(DATABASE_ReadEinzelteil(6, &t), 0);
    EXPECT_EQ(DATABASE_SchliesseDatenbank(h), 1);
    EXPECT_EQ(DATABASE_SchliesseDatenbank(h), -1);
    EXPECT_EQ(DATABASE_FilePos(0), -1);
}

TEST_F(DbaTest, ItemExtrasByPositionAndDescriptions)
{
    TEILEZUSATZ_SATZ z{};
    std::strcpy(z.Text2, "vier");
    ASSERT_EQ(TeileZusatz_Write(0, 4, &z), 1) << "positions before it are filled empty";
    HOSTHANDLE h = TeileZusatz_OpenDBA();
    ASSERT_GT(h, 0);
    TEILEZUSATZ_SATZ block[4];
    ASSERT_GT(TeileZusatz_SetPos(h, 1), 0);
    ASSERT_EQ(FileIO_Read(h, block, sizeof block), static_cast<int32_t>(sizeof block));
    EXPECT_EQ(block[0].Text2[0], 0);
    EXPECT_STREQ(block[3].Text2, "vier");
    ASSERT_EQ(TeileZusatz_Read(h, 4, &z), 1);
    EXPECT_STREQ(z.Text2, "vier");
    EXPECT_EQ(TeileZusatz_Read(h, 5, &z), 0);
    EXPECT_EQ(TeileZusatz_Read(12345, 1, &z), -1) << "not a handle of ours";
    TeileZusatz_CloseDBA(h);

    HOSTHANDLE b = BEZLIB_OeffneDatenbank();
    ASSERT_GT(b, 0);
    BEZEICHNUNG_SATZ s{};
    for (int k = 0; k < 8; ++k) s.Merkmal[k] = 10 + k;
    ASSERT_EQ(BEZLIB_WriteBezeichnung(b, 3, &s), 1);
    int32_t nummern[8] = {};
    ASSERT_EQ(BEZLIB_ReadBezeichnung(b, 3, nummern), 1);
    EXPECT_EQ(nummern[0], 10);
    EXPECT_EQ(nummern[7], 17);
    EXPECT_EQ(BEZLIB_ReadBezeichnung(b, 2, nummern), 0) << "an empty slot below";
    EXPECT_EQ(nummern[0], 0);
    EXPECT_EQ(BEZLIB_ReadBezeichnung(b, 4, nummern), 0);
    BEZLIB_SchliesseDatenbank(b);
    EXPECT_EQ(BEZLIB_ReadBezeichnung(b, 3, nummern), -1);
}

/* ---- orders ------------------------------------------------------------------------------- */

struct Besuche {
    std::vector<int32_t> nummern;
    std::vector<int32_t> lieferanten;
};
Besuche gBesuche;
int32_t OXCALL Besucher(HOSTHANDLE h, int32_t nummer, AUFTRAG_KOPF* kopf)
{
    gBesuche.nummern.push_back(nummer);
    gBesuche.lieferanten.push_back(h > 0 ? kopf->LieferantNummer : -1);
    return 1;
}

TEST_F(DbaTest, OrdersWithPositionsInMemory)
{
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    std::memset(kopf.get(), 0, sizeof *kopf);
    kopf->LieferantNummer = 12;
    int32_t a1 = AUFTRAGDBA_NeuerAuftrag(kopf.get());
    kopf->LieferantNummer = 13;
    int32_t a2 = AUFTRAGDBA_NeuerAuftrag(kopf.get());
    ASSERT_EQ(a1, 1);
    ASSERT_EQ(a2, 2);
    EXPECT_EQ(AUFTRAGDBA_Open(3), -1);

    HOSTHANDLE h = AUFTRAGDBA_Open(a1);
    ASSERT_GT(h, 0);
    auto pos = std::make_unique<AUFTRAG_POSITION>();
    std::memset(pos.get(), 0, sizeof *pos);
    for (int p = 1; p <= 3; ++p) {
        pos->Ek1 = p * 100;
        pos->Tabelle.Senkrecht[119] = p;
        ASSERT_EQ(AUFTRAGDBA_WritePosition(h, p, 0, pos.get()), 1);
    }
    EXPECT_EQ(AUFTRAGDBA_WritePosition(h, 5, 0, pos.get()), 0) << "no gap";
    ASSERT_EQ(AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get()), 1);
    EXPECT_EQ(kopf->AnzahlPositionen, 3);
    EXPECT_EQ(kopf->AuftragsNummer, a1);
    EXPECT_EQ(kopf->LieferantNummer, 12);

    std::vector<AUFTRAG_POSITION> speicher(2 * 3 + 1);
    int32_t n = AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(h, kopf->AnzahlPositionen, speicher.data());
    ASSERT_EQ(n, 3);
    int32_t cursor = 0;
    AUFTRAG_POSITION* p = nullptr;
    std::vector<int32_t> preise;
    while (AUFTRAGDBA_NextPOSITIONSADR_VomSpeicher(speicher.data(), n, &cursor, &p)) {
        EXPECT_EQ(p->PositionsNummer, cursor);
        EXPECT_EQ(p->Tabelle.Senkrecht[119], cursor);
        preise.push_back(p->Ek1);
        if (cursor == 2) {
            p->Ek1 = 222;
            ASSERT_EQ(AUFTRAGDBA_WritePosition(h, cursor, 0, p), 1);
        }
    }
    EXPECT_EQ(preise, (std::vector<int32_t>{100, 200, 300}));
    kopf->WertSumme = 5555;
    kopf->AnzahlPositionen = 99;   /* the store keeps its own count */
    ASSERT_EQ(AUFTRAGDBA_WriteAuftragsKopf(h, kopf.get()), 1);
    AUFTRAGDBA_Close(h);

    h = AUFTRAGDBA_Open(a1);
    ASSERT_EQ(AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get()), 1);
    EXPECT_EQ(kopf->WertSumme, 5555);
    EXPECT_EQ(kopf->AnzahlPositionen, 3);
    n = AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(h, 2, speicher.data());
    EXPECT_EQ(n, 2) << "no more than asked";
    EXPECT_EQ(speicher[1].Ek1, 222);
    AUFTRAGDBA_Close(h);

    gBesuche = Besuche{};
    EXPECT_EQ(AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige(Besucher), 2);
    EXPECT_EQ(gBesuche.nummern, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(gBesuche.lieferanten, (std::vector<int32_t>{12, 13}));
}

/* ---- minimum stocks ------------------------------------------------------------------------ */

TEST_F(DbaTest, MinimumStockExistsUntilDeleted)
{
    EXPECT_EQ(MindbestDBA_MindbestExists(8), 0);
    MINDBEST_SATZ m{};
    m.ArtikelNummer = 8;
    m.Menge[0] = 3;
    ASSERT_EQ(MindbestDBA_Schreibe(&m), 1);
    m.ArtikelNummer = 9;
    ASSERT_EQ(MindbestDBA_Schreibe(&m), 1);
    EXPECT_NE(MindbestDBA_MindbestExists(8), 0);
    EXPECT_EQ(MindbestDBA_Delete(8), 1);
    EXPECT_EQ(MindbestDBA_Delete(8), 0);
    EXPECT_EQ(MindbestDBA_MindbestExists(8), 0);
    EXPECT_NE(MindbestDBA_MindbestExists(9), 0);
    MINDBEST_SATZ gelesen;
    ASSERT_EQ(MindbestDBA_Lese(9, &gelesen), 1);
    EXPECT_EQ(gelesen.Menge[0], 3);
    m.ArtikelNummer = 10;
    ASSERT_EQ(MindbestDBA_Schreibe(&m), 1);   /* takes the freed slot */
    EXPECT_NE(MindbestDBA_MindbestExists(10), 0);
    EXPECT_NE(MindbestDBA_MindbestExists(9), 0);
}

} // namespace
