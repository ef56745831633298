/*
 * Round trip: a demo store exported, for one supplier and for all, and read
 * back with the import's own reader. Every variation of every exported
 * article comes back as one row with the same EAN, characteristics, prices
 * and VAT; the supplier's address comes back into a fresh supplier record.
 */
#include <gtest/gtest.h>

#include "exportlager.h"
#include "harness/testordner.h"
#include "hostapi/oxmwst.h"
#include "pricat_in/adresse.h"
#include "pricat_in/katalog.h"
#include "pricat_out/exportnamen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

namespace {

/* What the import makes of one variation. */
struct Variation {
    std::string ean, artikel, lieferant, iln;
    std::string merkmale[12];      /* by kind: "code@text" */
    std::string lieferantenfarbe, zusatztext;
    int32_t ek1 = 0, vk1 = 0, vk2 = 0, mwstSatz = -1;

    std::string Text() const
    {
        std::string t = ean + "|" + artikel + "|" + lieferant + "|" + iln + "|" + lieferantenfarbe + "|" + zusatztext;
        for (int art : { 1, 2, 3, 4, 5, 6, 7, 11 })
            t += "|" + std::to_string(art) + "=" + merkmale[art];
        return t + "|" + std::to_string(ek1) + "/" + std::to_string(vk1) + "/" + std::to_string(vk2) + "|" +
               std::to_string(mwstSatz);
    }
};

std::string MerkmalText(int32_t art, int32_t nummer)
{
    MERKMAL_SATZ m{};
    if (nummer <= 0 || MMLIB_LeseMerkmal(art, nummer, &m) != 1)
        return "";
    return FELD(m, Code) + "@" + FELD(m, Text);
}

std::string MerkmalDesCodes(int32_t art, const std::string& code)
{
    return code.empty() ? "" : MerkmalText(art, MMLIB_SucheCode(art, code.c_str(), nullptr));
}

struct EanSammlung {
    std::vector<EANARTIKEL_SATZ> eintraege;
};
int32_t OXCALL EanNehmen(void* liste, const EANARTIKEL_SATZ* e)
{
    static_cast<EanSammlung*>(liste)->eintraege.push_back(*e);
    return 1;
}

/* The variations of an article as the store holds them. */
std::vector<std::string> Erwartet(int32_t artikelNummer)
{
    std::vector<std::string> aus;
    ARTIKEL_SATZ a{};
    EXPECT_EQ(1, ARTLIB_LeseArtikel(artikelNummer, &a));
    MERKMAL_SATZ art0{};
    MMLIB_LeseMerkmal(0, artikelNummer, &art0);
    LIEFERANTEN_SATZ l{};
    LieferantenDBA_LeseRecord(a.LieferantNummer, &l);
    Variation v;
    v.artikel = std::string(1, a.Kennzeichen ? a.Kennzeichen : ' ') + std::to_string(artikelNummer) + "@" +
                FELD(art0, Text);
    v.lieferant = MerkmalText(8, a.LieferantNummer);
    v.iln = FELD(l, Iln[0]);
    v.zusatztext = FELD(a, Zusatztext);
    v.mwstSatz = a.MwstSatz;
    for (int art : { 1, 2, 3, 4, 5, 11 })
        v.merkmale[art] = MerkmalDesCodes(art, Feld(a.Codes[ArtikelCodeIndex(art)], OX_TXT_CODE));
    std::unique_ptr<OXTABELLE> t(new OXTABELLE);
    EXPECT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, artikelNummer, t.get(), nullptr));
    EanSammlung eans;
    EANARTIKEL_LoadArtikelEANs_EX(artikelNummer, &eans, EanNehmen);
    for (int s = 0; s < TAB_MAX_SENKRECHT; ++s) {
        if (t->Senkrecht[s] == 0)
            continue;
        for (int w = 0; w < TAB_MAX_WAAGRECHT; ++w) {
            if (t->Waagrecht[w] == 0)
                continue;
            Variation z = v;
            z.merkmale[t->MerkmalSenkrecht] = MerkmalText(t->MerkmalSenkrecht, t->Senkrecht[s]);
            z.merkmale[t->MerkmalWaagrecht] = MerkmalText(t->MerkmalWaagrecht, t->Waagrecht[w]);
            z.ek1 = t->Preise[s].Ek1;
            z.vk1 = t->Preise[s].Vk1;
            z.vk2 = t->Preise[s].Vk2;
            char farbe[TAB_FARBTEXT];
            TAB_GetWaagrechtFarbText(t.get(), w, farbe);
            z.lieferantenfarbe = farbe;
            std::string code7 = z.merkmale[7].substr(0, z.merkmale[7].find('@'));
            std::string code6 = z.merkmale[6].substr(0, z.merkmale[6].find('@'));
            for (const EANARTIKEL_SATZ& e : eans.eintraege)
                if (Feld(e.Merkmal[7], OX_TXT_CODE) == code7 && Feld(e.Merkmal[6], OX_TXT_CODE) == code6) {
                    z.ean = FELD(e, Ean);
                    break;
                }
            aus.push_back(z.Text());
        }
    }
    return aus;
}

/* The rows of a catalogue as the import's reader gives them. */
std::vector<std::string> Eingelesen(const std::string& katalog)
{
    EDI_KONTEXT* k = g_Kontext;
    std::memset(k->AusgewaehlteDatei, 0, sizeof k->AusgewaehlteDatei);
    std::strncpy(k->AusgewaehlteDatei, katalog.c_str(), sizeof k->AusgewaehlteDatei - 1);
    EXPECT_EQ(1, PricatDateiEinlesen(nullptr));
    std::vector<std::string> aus;
    if (!ErsterPricatSatz())
        return aus;
    for (const PRICAT_DATEN* d = NaechsterPricatSatz(); d != nullptr; d = NaechsterPricatSatz()) {
        Variation v;
        v.ean = FELD(*d, Ean);
        v.artikel = FELD(*d, Artikel);
        v.lieferant = FELD(*d, Lieferant);
        v.iln = FELD(*d, LieferantenIln);
        v.lieferantenfarbe = FELD(*d, Lieferantenfarbe);
        v.zusatztext = FELD(*d, Zusatztext);
        v.merkmale[1] = FELD(*d, Hauptgruppe);
        v.merkmale[2] = FELD(*d, Warengruppe);
        v.merkmale[3] = FELD(*d, Serie);
        v.merkmale[4] = FELD(*d, Label);
        v.merkmale[5] = FELD(*d, Material);
        v.merkmale[6] = FELD(*d, BleFarbe);
        v.merkmale[7] = FELD(*d, Merkmal7);
        v.merkmale[11] = FELD(*d, Saison);
        /* The import's reading of the prices and the VAT percentage. */
        v.ek1 = std::atoi(FELD(*d, Preis1).c_str());
        v.vk1 = std::atoi(FELD(*d, Preis2).c_str());
        v.vk2 = std::atoi(FELD(*d, Preis3).c_str());
        v.mwstSatz = OX_MWST_GetMWSTSatz(std::atoi(FELD(*d, MwstSatz).c_str()));
        aus.push_back(v.Text());
    }
    return aus;
}

std::string KatalogDes(const std::string& ordner, int32_t lieferant)
{
    MERKMAL_SATZ m{};
    MMLIB_LeseMerkmal(8, lieferant, &m);
    char pfad[260];
    ExportKatalogPfad(pfad, sizeof pfad, ordner.c_str(), FELD(m, Text).c_str(), "");
    return pfad;
}

class Rundreise : public ::testing::Test {
protected:
    void SetUp() override
    {
        LagerAnlegen(lager, "rundreise");
        demo = DemoLagerErzeugen(3, 5, 4, 4, 11);
    }
    void TearDown() override { LagerFreigeben(lager); }
    std::vector<std::string> ErwartetFuer(size_t lieferant)
    {
        std::vector<std::string> e;
        for (int32_t a : demo.artikel[lieferant]) {
            std::vector<std::string> v = Erwartet(a);
            e.insert(e.end(), v.begin(), v.end());
        }
        std::sort(e.begin(), e.end());
        return e;
    }
    ExportLager lager;
    DemoLager demo;
};

} // namespace

TEST_F(Rundreise, EinLieferantJedeVariationEineZeile)
{
    ASSERT_EQ(1, ExportLaufen(lager, "0002"));
    std::vector<std::string> gelesen = Eingelesen(KatalogDes(lager.exportOrdner, demo.lieferanten[1]));
    std::sort(gelesen.begin(), gelesen.end());
    std::vector<std::string> erwartet = ErwartetFuer(1);
    ASSERT_EQ(5u * 16u, erwartet.size());
    EXPECT_EQ(erwartet, gelesen);
    EXPECT_EQ((int32_t)erwartet.size(), lager.kontext->AnzahlSaetzeGesamt);
    /* Only that supplier's set was written. */
    EXPECT_EQ(2u, Dateien(lager.exportOrdner).size());
}

TEST_F(Rundreise, AlleLieferanten)
{
    ASSERT_EQ(1, ExportLaufen(lager, ""));
    EXPECT_EQ(6u, Dateien(lager.exportOrdner).size());
    for (size_t l = 0; l < demo.lieferanten.size(); ++l) {
        std::vector<std::string> gelesen = Eingelesen(KatalogDes(lager.exportOrdner, demo.lieferanten[l]));
        std::sort(gelesen.begin(), gelesen.end());
        EXPECT_EQ(ErwartetFuer(l), gelesen) << "supplier " << l + 1;
    }
}

TEST_F(Rundreise, AdresseKommtInEinenFrischenLieferantensatz)
{
    ASSERT_EQ(1, ExportLaufen(lager, "0003"));
    int32_t nummer = demo.lieferanten[2];
    LIEFERANTEN_SATZ original{};
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(nummer, &original));
    std::string katalog = KatalogDes(lager.exportOrdner, nummer);
    std::string iln = FELD(original, Iln[0]);

    /* Another host whose supplier record holds nothing but the ILN. */
    std::string frisch = NeuerTestordner("rundreise_frisch");
    ASSERT_EQ(1, DBA_SetDatenPfad(frisch.c_str()));
    LIEFERANTEN_SATZ leer{};
    std::strncpy(leer.Iln[0], iln.c_str(), sizeof leer.Iln[0] - 1);
    ASSERT_EQ(1, LieferantenDBA_SchreibeRecord(nummer, &leer));

    EXPECT_EQ(nummer, AdressDateiImportieren(katalog.c_str(), iln.c_str()));
    LIEFERANTEN_SATZ zurueck{};
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(nummer, &zurueck));
    /* Every column the import takes over is as it was. */
    for (const ADR_SPALTE& s : ADR_SPALTEN) {
        if (s.Art == ADR_KUERZEL || s.Art == ADR_FRACHTFREI || s.Art == ADR_USTFREI)
            continue;
        const char* a = reinterpret_cast<const char*>(&original) + s.Offset;
        const char* b = reinterpret_cast<const char*>(&zurueck) + s.Offset;
        if (s.Art == ADR_SCHALTER)
            EXPECT_EQ(0, std::memcmp(a, b, 2)) << s.Name;
        else
            EXPECT_EQ(Feld(a, (size_t)s.Groesse), Feld(b, (size_t)s.Groesse)) << s.Name;
    }
    EXPECT_EQ(FELD(original, BestellAdresse), FELD(zurueck, BestellAdresse));
    EXPECT_NE(std::string::npos, FELD(zurueck, BestellAdresse).find("\r\n"));
    EXPECT_NE(std::string::npos, FELD(zurueck, Name).find('\xdf')) << FELD(zurueck, Name);
    for (int i = 0; i < DBA_ILN_SLOTS; ++i)
        EXPECT_EQ(FELD(original, Iln[i]), FELD(zurueck, Iln[i])) << "slot " << i + 1;
}
