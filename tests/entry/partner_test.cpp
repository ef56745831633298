/*
 * Services the host calls outside an import: own ILN/GLN, EDI folders and
 * the article assignment dialog.
 */
#include <gtest/gtest.h>

#include "kontext/ktoxedi.h"
#include "harness/person.h"
#include "harness/testordner.h"
#include "kontext/artikeldialog.h"
#include "partner/partner.h"
#include "standin.h"
#include "hostapi/oxinifile.h"

#include <string.h>
#include <string>
#include <vector>

class EigeneIln : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = NeuerTestordner("eigeneiln");
        ASSERT_EQ(1, Standin_Init(host, ordner));
    }
    std::string Ermitteln(int32_t* ergebnis)
    {
        char iln[14];
        strcpy(iln, "unveraendert");
        *ergebnis = EDI_ErmittleEigeneILN(iln);
        return iln;
    }
    std::string ordner;
    StandinHost host;
};

TEST_F(EigeneIln, GlnDesAktuellenEintrags)
{
    INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 2);
    INI_PutString("EIGNER", "GLNNUMMER01", "4000000000017");
    INI_PutString("EIGNER", "GLNNUMMER02", "4000000000024");
    int32_t r;
    EXPECT_EQ("4000000000024", Ermitteln(&r));
    EXPECT_EQ(1, r);
}

TEST_F(EigeneIln, GlnFalscherLaengeFaelltAufIlnZurueck)
{
    INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 0);
    INI_PutInteger("EIGNER", "ILNUMMERAKTUELL", 1);
    INI_PutString("EIGNER", "GLNNUMMER01", "400000000001");
    INI_PutString("EIGNER", "ILNNUMMER01", "4000000000031");
    int32_t r;
    EXPECT_EQ("4000000000031", Ermitteln(&r));
    EXPECT_EQ(1, r);
}

TEST_F(EigeneIln, OhneGlnEintragKeinBlickAufDieIln)
{
    int32_t r;
    EXPECT_EQ("unveraendert", Ermitteln(&r));
    EXPECT_EQ(0, r);
    INI_PutInteger("EIGNER", "ILNUMMERAKTUELL", 1);
    INI_PutString("EIGNER", "ILNNUMMER01", "4000000000031");
    EXPECT_EQ("unveraendert", Ermitteln(&r)) << "an empty GLN entry gives 0";
    EXPECT_EQ(0, r);
    INI_PutString("EIGNER", "GLNNUMMER01", "40000000000480");
    INI_PutString("EIGNER", "ILNNUMMER01", "400000000003");
    EXPECT_EQ("unveraendert", Ermitteln(&r)) << "both of the wrong length";
    EXPECT_EQ(0, r);
}

TEST(EdiOrdner, ImportUndSicherungWerdenAngelegt)
{
    std::string wurzel = NeuerTestordner("ediordner");
    std::string hostPfad = wurzel + "DATEN\\";
    char ordner[260];
    EXPECT_EQ(ordner, EDILieferung_HoleEDI_ImportPfad(ordner, hostPfad.c_str()));
    EXPECT_EQ(wurzel + "EDI_IMPORT\\", std::string(ordner));
    EXPECT_TRUE(Existiert(wurzel + "EDI_IMPORT"));
    EXPECT_EQ(ordner, EDILieferung_HoleSicherungsPfad(ordner, (hostPfad + "START.EXE").c_str()));
    EXPECT_EQ(wurzel + "EDI_IMPORT\\SICHERUNG\\", std::string(ordner));
    EXPECT_TRUE(Existiert(wurzel + "EDI_IMPORT\\SICHERUNG"));
}

/* A program-data path so long that the folder names no longer fit: both
 * folders get the "PathCreate Error" box, and no folder of a cut name is
 * made. */
TEST(EdiOrdner, ZuLangerOrdnernameMeldetPathCreateError)
{
    std::string wurzel = NeuerTestordner("ediordner");
    std::string eltern = wurzel + std::string(250 - wurzel.size() - 1, 'A') + "\\";
    char ordner[260];
    std::vector<std::string> texte;
    RunWithPerson([&] { return (INT_PTR)(EDILieferung_HoleSicherungsPfad(ordner, (eltern + "DATEN\\").c_str()) != nullptr); },
                  [&](Person& p) {
                      MessageBoxInfo box;
                      while (p.WaitMessageBoxOr([&] { return p.CallReturned(); }, &box)) {
                          texte.push_back(box.caption + "|" + box.text);
                          p.Answer(box, IDOK);
                      }
                  });
    std::string import = (eltern + "EDI_IMPORT").substr(0, 259);
    EXPECT_EQ((std::vector<std::string>{ "ORDANEX|PathCreate Error:" + import, "ORDANEX|PathCreate Error:" + import }),
              texte);
    EXPECT_FALSE(Existiert(import));
}

static void Kandidat(unsigned char* satz, const char* lieferant, const char* artikel)
{
    memset(satz, 0, 54);
    strncpy((char*)satz + 8, lieferant, 4);
    strncpy((char*)satz + 13, artikel, 24);
}

class ArtikelZuweisung : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_ModulInstanz = GetModuleHandleA(nullptr);
        memset(&k, 0, sizeof k);
        Kandidat(k.KatalogKandidat, "12", "Katalog");
        Kandidat(k.GtinKandidat, "13", "Gtin");
        Kandidat(k.MappingKandidat, "14", "Mapper");
        Kandidat(k.DialogKandidat, "15", "Dialog");
        k.KatalogArtikel = 4711;
        k.GtinArtikel = 100;
        k.MappingArtikel = -3;
        k.DialogArtikel = 4711;
        strcpy(k.Gtin, "4012345678901");
        strcpy(k.Gln, "4000000000017");
        strcpy(k.LieferantNummerText, "12");
        strcpy(k.Artikel, "Sneaker Gr\xfcn");
        k.VorgeschlagenerArtikel = 4711;
        k.AnzahlLeere = 1;
        k.AnzahlGleiche = 2;
    }
    KANDIDATEN_BLOCK k;
};

TEST_F(ArtikelZuweisung, ZeigtKandidatenUndLetzteGleicheZeileGewinnt)
{
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)KTOXEDIARTDIALOG_Dialog(nullptr, &k); }, [&](Person& p) {
        HWND w = p.WaitWindow("EDI-Artikelzuweisung");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ("4012345678901", p.Text(w, 1173));
        EXPECT_EQ("4000000000017", p.Text(w, 1189));
        EXPECT_EQ("Sneaker Gr\xfcn", p.Text(w, 1193));
        EXPECT_EQ("Katalog", p.Text(w, 1175));
        EXPECT_EQ("13", p.Text(w, 1190));
        EXPECT_EQ("-3", p.Text(w, 1196));
        EXPECT_EQ("1", p.Text(w, 1204));
        EXPECT_EQ("2", p.Text(w, 1205));
        EXPECT_FALSE(p.IsChecked(w, 1177));
        EXPECT_TRUE(p.IsChecked(w, 1203)) << "the DIALOG row wins over PRICAT";
        p.Click(w, IDOK);
    });
    EXPECT_EQ(4711, r);
}

TEST_F(ArtikelZuweisung, EingetippteNummerDerGewaehltenZeile)
{
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)KTOXEDIARTDIALOG_Dialog(nullptr, &k); }, [&](Person& p) {
        HWND w = p.WaitWindow("EDI-Artikelzuweisung");
        ASSERT_NE(nullptr, w);
        p.Type(w, 1192, "815");
        p.Click(w, 1201);
        EXPECT_TRUE(p.IsChecked(w, 1201));
        EXPECT_FALSE(p.IsChecked(w, 1203));
        p.Click(w, IDOK);
    });
    EXPECT_EQ(815, r);
}

TEST_F(ArtikelZuweisung, AbbrechenUndKeinTrefferGebenNull)
{
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)KTOXEDIARTDIALOG_Dialog(nullptr, &k); }, [&](Person& p) {
        HWND w = p.WaitWindow("EDI-Artikelzuweisung");
        ASSERT_NE(nullptr, w);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ(0, r);

    k.VorgeschlagenerArtikel = 999;
    r = RunWithPerson([&] { return (INT_PTR)KTOXEDIARTDIALOG_Dialog(nullptr, &k); }, [&](Person& p) {
        HWND w = p.WaitWindow("EDI-Artikelzuweisung");
        ASSERT_NE(nullptr, w);
        for (int id : { 1177, 1201, 1202, 1203 })
            EXPECT_FALSE(p.IsChecked(w, id)) << id;
        p.Click(w, IDOK);
    });
    EXPECT_EQ(0, r) << "no row ticked gives 0";
    EXPECT_EQ(0, KTOXEDIARTDIALOG_Dialog(nullptr, nullptr));
}
