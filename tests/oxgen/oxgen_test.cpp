/*
 * The generator: the same seed gives the same data, catalogues read back
 * through the EDI library with every edge case as asked, and the demo
 * folder holds a consistent host.
 */
#include <gtest/gtest.h>

#include "entry/ktoxedi.h"
#include "harness/testordner.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/oxtabelle.h"
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

/* The file without its first line (the header carries the time of writing). */
std::string OhneKopf(const std::string& pfad)
{
    std::string s = DateiLesen(pfad);
    size_t n = s.find('\n');
    return n == std::string::npos ? std::string() : s.substr(n + 1);
}

TEST(GenModell, PruefzifferUndZufallSindFest)
{
    EXPECT_EQ('9', GenPruefziffer("401234500000", 12));
    EXPECT_EQ('1', GenPruefziffer("400638133393", 12));
    EXPECT_EQ(0, GenPruefziffer("40123450000x", 12));
    char ean[14], nochmal[14];
    GenEan13(ean, 1234);
    EXPECT_STREQ("0000000012348", ean);
    GenEan13(nochmal, 7000000001234ull);   /* only the last twelve digits count */
    EXPECT_STREQ(ean, nochmal);
    EXPECT_EQ(1, EANDATA_EAN_Ist_OK(ean));

    GEN_ZUFALL a, b;
    GenZufallStart(&a, 42);
    GenZufallStart(&b, 42);
    for (int i = 0; i < 100; i++)
        ASSERT_EQ(GenZufall64(&a), GenZufall64(&b));
    /* splitmix64's published first value for seed 0 */
    GenZufallStart(&a, 0);
    EXPECT_EQ(0xE220A8397B1DCDAFull, GenZufall64(&a));
    int treffer = 0;
    for (int i = 0; i < 10000; i++) {
        uint32_t z = GenZufallBis(&a, 7);
        ASSERT_LT(z, 7u);
        treffer += GenZufallProzent(&a, 30);
    }
    EXPECT_NEAR(3000, treffer, 300);
}

TEST(GenModell, ArtikelUndVariationenSindEindeutigUndGueltig)
{
    GEN_LIEFERANT l;
    GenLieferant(7, 3, &l);
    EXPECT_EQ(13u, strlen(l.Iln));
    EXPECT_EQ(1, EANDATA_EAN_Ist_OK(l.Iln)) << "a GLN with a valid check digit";
    EXPECT_STREQ("3", l.Kuerzel);
    std::set<std::string> eans, nummern;
    auto a = std::make_unique<GEN_ARTIKEL>();
    for (int32_t i = 0; i < 300; i++) {
        GenArtikel(7, &l, i, 20, 10, a.get());
        EXPECT_TRUE(nummern.insert(a->Nummer).second) << a->Nummer;
        EXPECT_GT(a->Vk, a->Ek);
        EXPECT_TRUE(a->Mwst == 19 || a->Mwst == 7);
        ASSERT_GT(a->AnzahlVarianten, 0);
        std::set<std::pair<int, int>> zellen;
        for (int32_t v = 0; v < a->AnzahlVarianten; v++) {
            const GEN_VARIANTE& var = a->Variante[v];
            ASSERT_EQ(1, EANDATA_EAN_Ist_OK(var.Ean)) << var.Ean;
            EXPECT_TRUE(eans.insert(var.Ean).second) << "EAN twice: " << var.Ean;
            EXPECT_TRUE(zellen.insert({ var.Groesse, var.Farbe }).second);
            EXPECT_GE(GenGroesse(a->Groessenlauf, var.Groesse), 0);
        }
    }
    /* the same article with fewer variations keeps its EANs */
    GenArtikel(7, &l, 5, 20, 10, a.get());
    std::string ean3 = a->Variante[3].Ean;
    GenArtikel(7, &l, 5, 4, 10, a.get());
    EXPECT_EQ(ean3, a->Variante[3].Ean);
}

class GenKatalog : public ::testing::Test {
protected:
    void SetUp() override { ordner = NeuerTestordner("genkatalog"); }
    std::string ordner;
};

TEST_F(GenKatalog, GleicheSaatGleicheSaetzeAndereSaatAndere)
{
    GEN_KATALOG k;
    k.Artikel = 20;
    k.Varianten = 5;
    k.Saat = 11;
    k.Pfad = ordner + "A.INH";
    GEN_KATALOG_ERGEBNIS e1, e2, e3;
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e1));
    k.Pfad = ordner + "B.INH";
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e2));
    k.Saat = 12;
    k.Pfad = ordner + "C.INH";
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e3));
    EXPECT_EQ(100, e1.Saetze);
    EXPECT_EQ(e1.Bytes, e2.Bytes);
    EXPECT_EQ(OhneKopf(ordner + "A.INH"), OhneKopf(ordner + "B.INH"));
    EXPECT_EQ(DateiLesen(ordner + "A.ADR"), DateiLesen(ordner + "B.ADR"));
    EXPECT_NE(OhneKopf(ordner + "A.INH"), OhneKopf(ordner + "C.INH"));
}

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

TEST_F(GenKatalog, RandfaelleAlsOptionen)
{
    GEN_KATALOG k;
    k.Pfad = ordner + "rand.pri";
    k.Artikel = 50;
    k.Varianten = 4;
    k.DoppelteEans = 6;
    k.FremdeIln = 5;
    k.FalscheIln = 4;
    k.Beschaedigt = 10;
    k.Ueberlang = true;
    k.MitNummern = true;
    k.InfoText = "Nachorder bis 30.10.\nLieferung KW 38";
    GEN_KATALOG_ERGEBNIS e;
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e));
    EXPECT_EQ(200, e.Saetze);
    EXPECT_EQ(196, e.Lesbar);
    EXPECT_EQ(10, e.Beschaedigt);

    Gelesen g = Lesen(k.Pfad);
    ASSERT_EQ(200u, g.pricat.size()) << "every damaged line skipped, every record read";
    EXPECT_EQ(1 + 2, g.andere) << "header line and the two records of another kind";
    GEN_LIEFERANT l, fremd;
    GenLieferant(k.Saat, 1, &l);
    GenLieferant(k.Saat, 2, &fremd);
    std::map<std::string, int> ilns;
    std::set<std::string> eans;
    int voll = 0;
    for (const PRICAT_DATEN& d : g.pricat) {
        ilns[FELD(d, LieferantenIln)]++;
        eans.insert(FELD(d, Ean));
        if (strnlen(d.Label, sizeof d.Label) == sizeof d.Label) {
            voll++;
            EXPECT_EQ(sizeof d.Artikel, strnlen(d.Artikel, sizeof d.Artikel));
            EXPECT_EQ(sizeof d.Hauptgruppe, strnlen(d.Hauptgruppe, sizeof d.Hauptgruppe));
        }
        EXPECT_NE(std::string::npos, FELD(d, Artikel).find('@')) << "letter, number, @, text";
        EXPECT_NE(std::string::npos, FELD(d, Hauptgruppe).find('@'));
    }
    EXPECT_EQ(5, ilns[fremd.Iln]);
    EXPECT_EQ(2, ilns[std::string(l.Iln).substr(0, 12)]);
    EXPECT_EQ(2, ilns[std::string(l.Iln) + "0"]);
    EXPECT_EQ(191, ilns[l.Iln]);
    EXPECT_EQ(40, voll) << "every fifth record filled to the full width";
    EXPECT_EQ(194u, eans.size()) << "six EANs repeat an earlier one";

    EXPECT_TRUE(Existiert(ordner + "RAND.ADR")) << "named as the reader finds it";
    EXPECT_EQ("Nachorder bis 30.10.\r\nLieferung KW 38\r\n", DateiLesen(ordner + "RAND.TXT"));
    EXPECT_EQ(DateiLesen(ordner + "RAND.TXT"), DateiLesen(ordner + "ZUSATZINFOS\\INFO1.TXT"));
}

TEST_F(GenKatalog, GenauDieVerlangtenZeilen)
{
    GEN_KATALOG k;
    k.Pfad = ordner + "GROSS.INH";
    k.Zeilen = 32001;
    k.Varianten = 7;
    k.Adresse = false;
    GEN_KATALOG_ERGEBNIS e;
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e));
    EXPECT_EQ(32001, e.Saetze);
    EXPECT_EQ(4572, e.Artikel);
    EXPECT_FALSE(Existiert(ordner + "GROSS.ADR"));
    Gelesen g = Lesen(k.Pfad);
    EXPECT_EQ(32001u, g.pricat.size());
    std::set<std::string> eans;
    for (const PRICAT_DATEN& d : g.pricat)
        eans.insert(FELD(d, Ean));
    EXPECT_EQ(32001u, eans.size());
}

TEST(GenDesadv, PositionenMitFremdenUndUnbekannten)
{
    std::string ordner = NeuerTestordner("gendesadv");
    GEN_DESADV d;
    d.Pfad = ordner + "LS.DES";
    d.Positionen = 20;
    d.Artikel = 5;
    d.FremdeIln = 2;
    d.FalscheIln = 1;
    d.UnbekannteGtin = 3;
    d.Beschaedigt = 2;
    d.EmpfaengerIln = "4012345000009";
    GEN_DESADV_ERGEBNIS e;
    ASSERT_EQ(1, GenDesadvSchreiben(&d, &e));
    EXPECT_EQ(20, e.Positionen);
    EXPECT_EQ(22, e.Saetze);
    EXPECT_EQ(3, e.Fremd);

    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(d.Pfad.c_str());
    ASSERT_NE(0, h);
    char satz[EDI_SATZ_GROESSE];
    int32_t sa, na, zusatz;
    std::vector<int32_t> arten;
    int fremd = 0, unbekannt = 0;
    GEN_LIEFERANT l;
    GenLieferant(d.Saat, 1, &l);
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof satz, &sa, &na, &zusatz, nullptr) == 1) {
        arten.push_back(sa);
        EXPECT_EQ(EDI_NACHRICHT_DESADV, na);
        DESADV_KOPF k;
        DESADV_REFERENZ r;
        DESADV_POSITION p;
        if (sa != EDI_SATZART_DESADV_POSITION)
            continue;
        ASSERT_EQ(1, EDIDESADV_VerarbeiteDESADV_Satz(satz, na, &k, &r, &p));
        EXPECT_EQ(l.Iln, FELD(k, LieferantenIln));
        fremd += FELD(p, EmpfaengerIln) != d.EmpfaengerIln;
        unbekannt += FELD(p, Gtin).compare(0, 1, "2") == 0;
        EXPECT_GE(atoi(p.Menge), 1);
        EXPECT_FALSE(FELD(p, Lieferantenartikelnummer).empty());
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    ASSERT_EQ(22u, arten.size());
    EXPECT_EQ(EDI_SATZART_KOPFZEILE, arten[0]);
    EXPECT_EQ(EDI_SATZART_DESADV_KOPF, arten[1]);
    EXPECT_EQ(3, fremd);
    EXPECT_EQ(3, unbekannt);
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
