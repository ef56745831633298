/*
 * The supplier of a GLN, and the partner services through the loaded
 * KTOXEDI.DLL as the host reaches them.
 */
#include <gtest/gtest.h>

#include "harness/testordner.h"
#include "hostapi/dbadll.h"
#include "partner/partner.h"
#include "partner_hilfen.h"

#include <memory>
#include <string.h>
#include <string>

namespace {

void Lieferant(int32_t nummer, std::initializer_list<std::pair<int, const char*>> slots)
{
    auto s = std::make_unique<LIEFERANTEN_SATZ>();
    LieferantenDBA_ClearRecord(s.get());
    snprintf(s->Name, sizeof s->Name, "Lieferant %d", nummer);
    for (const auto& [slot, iln] : slots)
        strncpy(s->Iln[slot], iln, sizeof s->Iln[slot] - 1);
    ASSERT_EQ(1, LieferantenDBA_SchreibeRecord(nummer, s.get()));
}

class LieferantZuGln : public ::testing::Test {
protected:
    LieferantZuGln() : p("lieferantgln") {}
    PartnerHost p;
};

TEST_F(LieferantZuGln, ErsterSatzGewinntInJedemSlot)
{
    Lieferant(12, { { 0, "4000000000123" } });
    Lieferant(7, { { 3, "4000000000123" }, { 0, "4000000000703" } });
    Lieferant(3, { { 9, "4000000000994" } });
    Lieferant(1000, { { 5, "4000000010003" } });
    EXPECT_EQ(7, EDI_ErmittleLieferant("4000000000123")) << "records 7 and 12 list it";
    EXPECT_EQ(7, EDI_ErmittleLieferant("4000000000703"));
    EXPECT_EQ(3, EDI_ErmittleLieferant("4000000000994")) << "the tenth slot";
    EXPECT_EQ(1000, EDI_ErmittleLieferant("4000000010003")) << "the last record";

    /* supplier 7 gives the GLN up: 12 is next */
    auto s = std::make_unique<LIEFERANTEN_SATZ>();
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(7, s.get()));
    memset(s->Iln[3], 0, sizeof s->Iln[3]);
    ASSERT_EQ(1, LieferantenDBA_SchreibeRecord(7, s.get()));
    EXPECT_EQ(12, EDI_ErmittleLieferant("4000000000123"));
}

TEST_F(LieferantZuGln, FalscheLaengeUnbekanntOderLeerGibtNull)
{
    Lieferant(4, { { 0, "4000000000123" }, { 1, "400000000012" } });
    EXPECT_EQ(0, EDI_ErmittleLieferant("400000000012")) << "12 characters, even though a slot holds them";
    EXPECT_EQ(0, EDI_ErmittleLieferant("40000000001234")) << "14 characters";
    EXPECT_EQ(0, EDI_ErmittleLieferant("4000000000124"));
    EXPECT_EQ(0, EDI_ErmittleLieferant(""));
    EXPECT_EQ(0, EDI_ErmittleLieferant(nullptr));
    EXPECT_EQ(4, EDI_ErmittleLieferant("4000000000123"));
}

TEST_F(LieferantZuGln, DerGeneratorLegtSeineLieferantenAuffindbarAn)
{
    GEN_DEMO d;
    d.DatenOrdner = p.host.datenOrdner;
    d.Lieferanten = 3;
    d.ArtikelJeLieferant = 2;
    d.Varianten = 2;
    d.Kataloge = 0;
    d.Auftraege = 0;
    d.Desadv = false;
    GEN_DEMO_ERGEBNIS e;
    ASSERT_EQ(1, GenDemoAnlegen(&d, &e));
    for (int32_t n = 1; n <= 3; n++) {
        GEN_LIEFERANT l;
        GenLieferant(d.Saat, n, &l);
        EXPECT_EQ(n, EDI_ErmittleLieferant(l.Iln)) << l.Iln;
    }
    char iln[14] = "";
    EXPECT_EQ(1, EDI_ErmittleEigeneILN(iln));
    EXPECT_EQ(e.EigeneIln, iln);
}

/* ---- through KTOXEDI.DLL ------------------------------------------------ */

template <typename F>
F Export(const char* name)
{
    HMODULE modul = Standin_ModulLaden();
    return modul ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(modul, name))) : nullptr;
}

int32_t WINAPI AllesBuchen(int32_t, const char*, const char*, int32_t, int32_t, int32_t)
{
    return 1;
}

TEST(PartnerDll, DieExporteArbeitenAufDemStoreDesHosts)
{
    PartnerHost p("partnerdll");
    auto ermittleLieferant = Export<int32_t(WINAPI*)(const char*)>("EDI_ErmittleLieferant");
    auto eigeneIln = Export<int32_t(WINAPI*)(char*)>("EDI_ErmittleEigeneILN");
    auto desadv = Export<int32_t(WINAPI*)(const char*, int32_t, const char*, int32_t, DESADV_BUCHUNG, const char*,
                                          int32_t*)>("EDILieferung_GetAllDesadvSet");
    ASSERT_NE(nullptr, ermittleLieferant);
    ASSERT_NE(nullptr, eigeneIln);
    ASSERT_NE(nullptr, desadv);

    Lieferant(9, { { 2, "4000000000901" } });
    Lieferant(5, { { 7, "4000000000901" } });
    EXPECT_EQ(5, ermittleLieferant("4000000000901"));
    EXPECT_EQ(0, ermittleLieferant("400000000090"));
    char iln[14] = "";
    EXPECT_EQ(1, eigeneIln(iln));
    EXPECT_STREQ(EIGENE_GLN, iln);

    /* Cases that never start Notepad, so the DLL's own starter may stay. */
    std::string ordner = p.wurzel + "EDI_IMPORT\\";
    std::string datei = DesadvDatei(ordner + "DLL.DES", { Position("4012345100006", EIGENE_GLN, 2),
                                                          Position("4012345100013", FREMDE_GLN, 1) });
    int32_t anzahl = 0;
    EXPECT_EQ(1, desadv(datei.c_str(), 0, EIGENE_GLN, 0, AllesBuchen, ordner.c_str(), &anzahl));
    EXPECT_EQ(4, anzahl);
    EXPECT_EQ(ErsteZeile(datei), DateiLesen(ordner + "NOTIMPORTED.DES"));
    EXPECT_EQ("", DateiLesen(ordner + "NOTIMPORTED_GTIN.DAT"));
    EXPECT_EQ("Fehler aus DESADV Import DLL.DES\n", DateiLesen(ordner + "DESADVERR.TXT"));
}

} // namespace
