/*
 * The generator: the same seed gives the same data, catalogues read back
 * through the EDI library with every edge case as asked, and the demo
 * folder holds a consistent host.
 */
#include <gtest/gtest.h>

#include "kontext/ktoxedi.h"
#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "hostapi/edi.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "oxgen.h"
#include "partner/partner.h"
#include "pricat_in/adresse.h"
#include "standin.h"

#include <map>
#include <memory>
#include <set>
#include <string.h>
#include <string>
#include <vector>

namespace {

std::string Feld(const char* f, size_t n)
{
    return std::string(f, strnlen(f, n));
}
#define FELD(d, f) Feld((d).f, sizeof((d).f))

/* Every record of a catalogue, decoded, and the kinds of all records. */
struct Gelesen {
    std::vector<PRICAT_DATEN> pricat;
    int32_t andere = 0;          /* records of another kind (header line included) */
};

Gelesen Lesen(const std::string& pfad)
{
    Gelesen g;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (h == 0)
        return g;
    char satz[EDI_SATZ_GROESSE];
    int32_t sa = 0, na = 0, zusatz = 0;
    PRICAT_DATEN d;
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof satz, &sa, &na, &zusatz, nullptr) == 1) {
        if (sa == EDI_SATZART_PRICAT && na == EDI_NACHRICHT_PRICAT && EDIPRICAT_VerarbeitePRICAT_Satz(satz, na, nullptr, &d) == 1)
            g.pricat.push_back(d);
        else
            g.andere++;
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    return g;
}

class GenKatalog : public ::testing::Test {
protected:
    void SetUp() override { ordner = NeuerTestordner("genkatalog"); }
    std::string ordner;
};

TEST_F(GenKatalog, SaetzeKommenVollstaendigZurueck)
{
    GEN_KATALOG k;
    k.Pfad = ordner + "PRICAT-TEST.INH";
    k.Artikel = 30;
    k.Varianten = 8;
    k.Lieferant = 2;
    k.AuslaufProzent = 20;
    k.Beschreibung = "Kollektion HW25";
    GEN_KATALOG_ERGEBNIS e;
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e));
    EXPECT_EQ(240, e.Saetze);
    EXPECT_EQ(240, e.Lesbar);
    EXPECT_EQ(30, e.Artikel);
    Gelesen g = Lesen(k.Pfad);
    ASSERT_EQ(240u, g.pricat.size());
    EXPECT_EQ(1, g.andere) << "the header line";

    GEN_LIEFERANT l;
    GenLieferant(k.Saat, 2, &l);
    int32_t auslauf = 0;
    std::set<std::string> eans;
    for (const PRICAT_DATEN& d : g.pricat) {
        EXPECT_EQ("PRICAT", FELD(d, Nachrichtentyp));
        EXPECT_EQ(l.Iln, FELD(d, LieferantenIln));
        EXPECT_EQ(l.KurzName, FELD(d, Lieferant));
        EXPECT_EQ(1, EANDATA_EAN_Ist_OK(FELD(d, Ean).c_str()));
        eans.insert(FELD(d, Ean));
        int32_t id = EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(d.Nachrichtenfunktion);
        EXPECT_TRUE(id == 2 || id == EDI_NACHRICHTENFUNKTION_AUSLAUF) << id;
        auslauf += id == EDI_NACHRICHTENFUNKTION_AUSLAUF;
        EXPECT_GT(atoi(d.Preis2), atoi(d.Preis1));
        EXPECT_TRUE(FELD(d, MwstSatz) == "19" || FELD(d, MwstSatz) == "7");
        EXPECT_FALSE(FELD(d, Warengruppe).empty());
        EXPECT_FALSE(FELD(d, Merkmal7).empty());
        EXPECT_FALSE(FELD(d, BleFarbe).empty());
        EXPECT_EQ(std::string::npos, FELD(d, Artikel).find('@')) << "texts alone without --nummern";
    }
    EXPECT_EQ(e.Auslauf, auslauf);
    EXPECT_GT(auslauf, 0);
    EXPECT_LT(auslauf, 240);
    EXPECT_EQ(240u, eans.size());

    /* header line tokens as the selection page reads them */
    std::string kopf = DateiLesen(k.Pfad).substr(0, 250);
    EXPECT_EQ(0u, kopf.find("BTEPRI;Kollektion HW25;1;" + std::string(l.Iln) + ";"));

    /* the address file reads back into the supplier record */
    std::string adr = DateiLesen(ordner + "PRICAT-TEST.ADR");
    size_t zeile2 = adr.find("\r\n");
    ASSERT_NE(std::string::npos, zeile2);
    auto satz = std::make_unique<LIEFERANTEN_SATZ>();
    auto soll = std::make_unique<LIEFERANTEN_SATZ>();
    LieferantenDBA_ClearRecord(satz.get());
    StandinHost host;
    ASSERT_EQ(1, Standin_Init(host, ordner + "DATEN\\"));
    EXPECT_EQ(0, AdressZeileUebernehmen(adr.substr(zeile2 + 2).c_str(), l.Iln, satz.get())) << "unknown supplier";
    GenLieferantenSatz(&l, soll.get());
    EXPECT_STREQ(soll->Name, satz->Name);
    EXPECT_STREQ(soll->BestellAdresse, satz->BestellAdresse) << "line breaks survive the file";
    EXPECT_STREQ(soll->Kto, satz->Kto);
    EXPECT_STREQ(l.Iln, satz->Iln[0]);
}

int g_GesperrteAuftraege;

int32_t OXCALL AuftragPruefen(HOSTHANDLE h, int32_t, AUFTRAG_KOPF* k)
{
    EXPECT_EQ(3, k->AnzahlPositionen);
    EXPECT_GT(k->MengenSumme, 0);
    EXPECT_GT(h, 0);
    g_GesperrteAuftraege += (k->Status & 2) != 0;
    return 1;
}

TEST(GenDemo, EinStimmigerHost)
{
    std::string wurzel = NeuerTestordner("gendemo");
    GEN_DEMO d;
    d.DatenOrdner = wurzel + "ORDANEX\\DATEN\\";
    d.Lieferanten = 2;
    d.ArtikelJeLieferant = 12;
    d.Varianten = 6;
    d.Kataloge = 3;
    d.KatalogArtikel = 8;
    d.Auftraege = 2;
    GEN_DEMO_ERGEBNIS e;
    ASSERT_EQ(1, GenDemoAnlegen(&d, &e));
    EXPECT_EQ(2, e.Lieferanten);
    EXPECT_EQ(24, e.Artikel);
    EXPECT_EQ(2, e.Auftraege);
    EXPECT_EQ(wurzel + "ORDANEX\\EDI_IMPORT\\", e.ImportOrdner);
    EXPECT_EQ(4u, e.Dateien.size()) << "three catalogues and a DESADV file";
    EXPECT_TRUE(Existiert(e.ImportOrdner + "SICHERUNG"));

    char iln[14] = "";
    EXPECT_EQ(1, EDI_ErmittleEigeneILN(iln));
    EXPECT_EQ(e.EigeneIln, iln);

    /* characteristics of every kind the model has */
    for (int32_t art : { 1, 2, 3, 4, 5, 6, 7, 9, 11 })
        EXPECT_GT(MMLIB_SucheCode(art, GenEintrag(art, 0).Code, nullptr), 0) << "kind " << art;

    /* each article: record, kind-0 characteristic, valid table, EANs */
    GEN_LIEFERANT l;
    GenLieferant(d.Saat, 2, &l);
    auto a = std::make_unique<GEN_ARTIKEL>();
    auto t = std::make_unique<OXTABELLE>();
    for (int32_t i = 0; i < d.ArtikelJeLieferant; i++) {
        GenArtikel(d.Saat, &l, i, d.Varianten, 5, a.get());
        ARTIKEL_SATZ s;
        ASSERT_EQ(1, ARTLIB_LeseArtikel(a->HostNummer, &s));
        EXPECT_EQ(2, s.LieferantNummer);
        EXPECT_EQ(a->Ek, s.Ek1);
        EXPECT_STREQ("2", s.Codes[ArtikelCodeIndex(8)]);
        char name[DBA_ARTIKELNAME];
        MMLIB_CopyKurzUndLangtext(name, l.Kuerzel, a->Nummer);
        EXPECT_EQ(a->HostNummer, MMLIB_SucheCode(0, name, nullptr)) << name;
        ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, a->HostNummer, t.get(), nullptr));
        EXPECT_EQ(1, TAB_TesteAufGueltigeTabelle(t.get()));
        EXPECT_EQ(7, TAB_MerkmalSenkrecht(t.get()));
        EXPECT_EQ(6, TAB_MerkmalWaagrecht(t.get()));
        for (int32_t v = 0; v < a->AnzahlVarianten; v++)
            EXPECT_EQ(a->HostNummer, EANDATA_GetArtikelNummer(a->Variante[v].Ean, nullptr));
        char ean[14];
        EXPECT_EQ(1, EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(a->HostNummer, nullptr, nullptr, ean));
    }

    /* the catalogues name half their articles by the store's EANs */
    GEN_LIEFERANT l1;
    GenLieferant(d.Saat, 1, &l1);
    Gelesen g = Lesen(e.Dateien[0]);
    ASSERT_EQ(48u, g.pricat.size());
    int bekannt = 0;
    for (const PRICAT_DATEN& p : g.pricat)
        bekannt += EANDATA_GetArtikelNummer(FELD(p, Ean).c_str(), nullptr) > 0;
    EXPECT_EQ(24, bekannt);
    EXPECT_EQ(1, EDI_ErmittleLieferant(l1.Iln));
    EXPECT_TRUE(Existiert(e.ImportOrdner + "ZUSATZINFOS"));

    /* the orders: three positions each, for the supplier's articles */
    int32_t auftraege = AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige(AuftragPruefen);
    EXPECT_EQ(2, auftraege);
    EXPECT_EQ(1, g_GesperrteAuftraege) << "the last order is held back from updates";
    EXPECT_EQ(e.Teile, DATABASE_GetSizeAndName(nullptr));

    /* minimum stocks of every fifth article, among them catalogue articles */
    EXPECT_EQ(2 * 3, e.Mindestbestaende);
    GEN_ARTIKEL* katalogArtikel = new GEN_ARTIKEL;
    GenArtikel(d.Saat, &l1, 10, d.Varianten, 5, katalogArtikel);
    EXPECT_EQ(1, MindbestDBA_MindbestExists(katalogArtikel->HostNummer));
    delete katalogArtikel;
}

} // namespace
