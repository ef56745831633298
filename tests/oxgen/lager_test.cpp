/*
 * The store's block writes (EANDATA_SetArtikelNummernBlock,
 * ARTLIB_SchreibeArtikelBlock) that the generator and the benchmarks fill
 * large stores with, and OXGEN.EXE's command line.
 */
#include <gtest/gtest.h>

#include <windows.h>

#include "harness/testordner.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "oxgen.h"

#include <string.h>
#include <string>
#include <vector>

namespace {

EANDATA_ZUORDNUNG Zuordnung(const char* ean, int32_t artikel)
{
    EANDATA_ZUORDNUNG z;
    memset(&z, 0, sizeof z);
    memcpy(z.Ean, ean, strnlen(ean, sizeof z.Ean));
    z.ArtikelNummer = artikel;
    return z;
}

/* Switches the store to another folder and back: the next calls read the
 * files afresh. */
void NeuLaden(const std::string& ordner)
{
    std::string leer = NeuerTestordner("leer");
    ASSERT_EQ(1, DBA_SetDatenPfad(leer.c_str()));
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
}

TEST(LagerBlock, EansImBlockWieEinzeln)
{
    std::string ordner = NeuerTestordner("eanblock");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100006", 5, 1));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100013", 6, 1));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100020", 7, 1));

    std::vector<EANDATA_ZUORDNUNG> block = {
        Zuordnung("4012345100006", 5),    /* already so */
        Zuordnung("4012345100013", 9),    /* another article, kept (no overwrite) */
        Zuordnung("4012345100037", 10),   /* new */
        Zuordnung("4012345100037", 11),   /* the same again: kept, as a second call would */
        Zuordnung("4012345100038", 12),   /* wrong check digit */
        Zuordnung("4012345100044", 0),    /* no article */
        Zuordnung("96385074", 13),        /* EAN-8 */
        Zuordnung("40123451000516", 14),  /* 14 digits, no terminator in the field */
    };
    EXPECT_EQ(4, EANDATA_SetArtikelNummernBlock(block.data(), static_cast<int32_t>(block.size()), 0))
        << "already so, the first of the two, the EAN-8 and the 14 digits";
    EXPECT_EQ(5, EANDATA_GetArtikelNummer("4012345100006", nullptr));
    EXPECT_EQ(6, EANDATA_GetArtikelNummer("4012345100013", nullptr));
    EXPECT_EQ(10, EANDATA_GetArtikelNummer("4012345100037", nullptr));
    EXPECT_EQ(13, EANDATA_GetArtikelNummer("96385074", nullptr));
    EXPECT_EQ(14, EANDATA_GetArtikelNummer("40123451000516", nullptr));
    EXPECT_EQ(0, EANDATA_GetArtikelNummer("4012345100044", nullptr));
    EXPECT_EQ(6, EANDATA_Anzahl());

    block = { Zuordnung("4012345100013", 9), Zuordnung("4012345100020", 7), Zuordnung("4012345100037", 12),
              Zuordnung("4012345100037", 11) };
    EXPECT_EQ(3, EANDATA_SetArtikelNummernBlock(block.data(), 4, 1));
    EXPECT_EQ(9, EANDATA_GetArtikelNummer("4012345100013", nullptr)) << "overwritten now";
    EXPECT_EQ(11, EANDATA_GetArtikelNummer("4012345100037", nullptr)) << "the later of the two";

    NeuLaden(ordner);
    EXPECT_EQ(9, EANDATA_GetArtikelNummer("4012345100013", nullptr));
    EXPECT_EQ(11, EANDATA_GetArtikelNummer("4012345100037", nullptr));
    EXPECT_EQ(6, EANDATA_Anzahl());
    EXPECT_EQ(1, EANDATA_Loeschen("4012345100037"));
    EXPECT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100037", 3, 0)) << "single calls go on as before";

    EXPECT_EQ(-1, EANDATA_SetArtikelNummernBlock(nullptr, 1, 1));
    EXPECT_EQ(-1, EANDATA_SetArtikelNummernBlock(block.data(), -1, 1));
    EXPECT_EQ(0, EANDATA_SetArtikelNummernBlock(block.data(), 0, 1));
}

TEST(LagerBlock, ArtikelImBlock)
{
    std::string ordner = NeuerTestordner("artikelblock");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ARTIKEL_SATZ einzeln;
    memset(&einzeln, 0, sizeof einzeln);
    einzeln.Ek1 = 111;
    ASSERT_EQ(1, ARTLIB_SchreibeArtikel(500, &einzeln));

    std::vector<ARTIKEL_SATZ> block(1000);
    for (int32_t i = 0; i < 1000; i++) {
        memset(&block[i], 0, sizeof block[i]);
        block[i].ArtikelNummer = i + 1;
        block[i].Ek1 = 1000 + i;
    }
    block[999].ArtikelNummer = 7;   /* 7 twice: the later record */
    EXPECT_EQ(999, ARTLIB_SchreibeArtikelBlock(block.data(), 1000));
    EXPECT_EQ(999, ARTLIB_AnzahlArtikel()) << "1..999; 500 replaced";
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(500, &a));
    EXPECT_EQ(1499, a.Ek1);
    ASSERT_EQ(1, ARTLIB_LeseArtikel(7, &a));
    EXPECT_EQ(1999, a.Ek1);
    EXPECT_EQ(0, ARTLIB_LeseArtikel(1000, &a));

    block[3].ArtikelNummer = 0;
    block[4].Ek1 = -5;
    EXPECT_EQ(-1, ARTLIB_SchreibeArtikelBlock(block.data(), 1000)) << "a record without number";
    ASSERT_EQ(1, ARTLIB_LeseArtikel(5, &a));
    EXPECT_EQ(1004, a.Ek1) << "nothing of the refused block was written";
    EXPECT_EQ(-1, ARTLIB_SchreibeArtikelBlock(nullptr, 3));

    NeuLaden(ordner);
    EXPECT_EQ(999, ARTLIB_AnzahlArtikel());
    EXPECT_EQ(20, ARTLIB_NaechsterArtikel(19, &a));
    EXPECT_EQ(1019, a.Ek1);
}

} // namespace
