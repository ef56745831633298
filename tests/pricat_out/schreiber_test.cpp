/*
 * The export writer against a real store: what each record carries, which
 * articles and variations go out, the file sets per supplier, and that a
 * run never leaves a half-written catalogue behind.
 */
#include <gtest/gtest.h>

#include "exportlager.h"
#include "harness/testordner.h"
#include "FILEIO/fileio_host.h"
#include "hostapi/oxinifile.h"
#include "hostapi/oxmwst.h"
#include "pricat_out/exportnamen.h"
#include "pricat_out/pricatexport.h"
#include "callbacks.h"

#include <climits>
#include <cstring>

class Schreiber : public ::testing::Test {
protected:
    void SetUp() override
    {
        LagerAnlegen(lager, "schreiber");
        groesse36 = MerkmalNeu(7, "36", "Gr\xf6\xdf" "e 36");
        groesse38 = MerkmalNeu(7, "38", "Gr\xf6\xdf" "e 38");
        schwarz = MerkmalNeu(6, "SW", "schwarz");
        rot = MerkmalNeu(6, "RT", "rot");
        blau = MerkmalNeu(6, "BL", "blau");
        MerkmalNeu(1, "H1", "Oberteile");
        MerkmalNeu(2, "W1", "Hemden");
        MerkmalNeu(4, "LB", "Marke Nord");
        MerkmalNeu(5, "BW", "Baumwolle");
        MerkmalNeu(11, "SO", "Sommer 2026");
        mueller = LieferantNeu("0001", "M\xfcller Textil", "4000000000017");
    }
    void TearDown() override { LagerFreigeben(lager); }

    /* An article of `lieferant` with characteristics and the usual prices. */
    int32_t Artikel(int32_t lieferant, const std::string& text, int32_t ek1 = 1995, int32_t vk1 = 3995,
                    int32_t vk2 = 3495)
    {
        ArtikelDaten d;
        d.lieferant = lieferant;
        d.nummerText = text;
        d.kennzeichen = 'N';
        d.ek1 = ek1;
        d.vk1 = vk1;
        d.ek2 = ek1;
        d.vk2 = vk2;
        d.mwst = 2;
        d.zusatztext = "Leinen";
        d.codes = { { 1, "H1" }, { 2, "W1" }, { 4, "LB" }, { 5, "BW" }, { 11, "SO" } };
        return ArtikelNeu(d);
    }
    /* Sizes 36/38 down (with prices), black/red/blue across. */
    void GroessenFarben(int32_t artikel)
    {
        Achse s, w;
        s.art = 7;
        s.nummern = { groesse36, groesse38 };
        s.preise = { TAB_PREISE{ 1000, 1000, 0, 2000, 1900, 0 }, TAB_PREISE{ 1100, 1100, 0, 2200, 2100, 0 } };
        w.art = 6;
        w.nummern = { schwarz, rot, blau };
        w.farbtexte = { "jet black", "cherry", "navy" };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, artikel, s, w);
    }
    std::string Katalog(const std::string& name) { return lager.exportOrdner + name + ".INH"; }

    ExportLager lager;
    int32_t groesse36 = 0, groesse38 = 0, schwarz = 0, rot = 0, blau = 0, mueller = 0;
};

static const std::string FEHLGESCHLAGEN = "Nicht alle Dateis\xe4tze konnten geschrieben werden.\n"
                                          "F\xfcr diese Dateien bleiben die bisherigen Exportdateien unver\xe4ndert:\n\n";

/* A path as the export names it: upper case. */
static std::string Gross(std::string pfad)
{
    CharUpperBuffA(pfad.data(), (DWORD)pfad.size());
    return pfad;
}

static const PRICAT_DATEN* Zelle(const std::vector<PRICAT_DATEN>& saetze, const std::string& groesse,
                                 const std::string& farbe)
{
    for (const PRICAT_DATEN& d : saetze)
        if (FELD(d, Merkmal7) == groesse && FELD(d, BleFarbe) == farbe)
            return &d;
    return nullptr;
}

TEST_F(Schreiber, JedeZelleEinSatzMitAllenFeldern)
{
    int32_t hemd = Artikel(mueller, "4711");
    GroessenFarben(hemd);
    EansSpeichern(hemd, { { { { 7, "36" }, { 6, "SW" } }, Ean13("400000000101") },
                          { { { 7, "36" }, { 6, "RT" } }, Ean13("400000000102") },
                          { { { 7, "38" }, { 6, "SW" } }, Ean13("400000000201") },
                          { { { 7, "38" }, { 6, "RT" } }, Ean13("400000000202") },
                          { { { 7, "38" }, { 6, "BL" } }, Ean13("400000000203") } });

    EXPECT_EQ(1, ExportLaufen(lager, "0001"));
    int kopfzeilen = 0;
    std::string kopf;
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"), &kopfzeilen, &kopf);
    ASSERT_EQ(6u, saetze.size());
    EXPECT_EQ(1, kopfzeilen);
    EXPECT_NE(std::string::npos, kopf.find(EIGENE_ILN)) << kopf;
    EXPECT_NE(std::string::npos, kopf.find("4000000000017")) << kopf;

    const PRICAT_DATEN* z = Zelle(saetze, "38@Gr\xf6\xdf" "e 38", "RT@rot");
    ASSERT_NE(nullptr, z);
    EXPECT_EQ("PRICAT", FELD(*z, Nachrichtentyp));
    EXPECT_EQ("02", FELD(*z, Nachrichtenfunktion));
    EXPECT_EQ("0001@M\xfcller Textil", FELD(*z, Lieferant));
    EXPECT_EQ("4000000000017", FELD(*z, LieferantenIln));
    EXPECT_EQ("N" + std::to_string(hemd) + "@4711", FELD(*z, Artikel));
    EXPECT_EQ("Leinen", FELD(*z, Zusatztext));
    EXPECT_EQ("H1@Oberteile", FELD(*z, Hauptgruppe));
    EXPECT_EQ("W1@Hemden", FELD(*z, Warengruppe));
    EXPECT_EQ("LB@Marke Nord", FELD(*z, Label));
    EXPECT_EQ("BW@Baumwolle", FELD(*z, Material));
    EXPECT_EQ("SO@Sommer 2026", FELD(*z, Saison));
    EXPECT_EQ("", FELD(*z, Serie));
    EXPECT_EQ("cherry", FELD(*z, Lieferantenfarbe));
    /* Prices of the size row: EK1, VK1, VK2. */
    EXPECT_EQ("1100", FELD(*z, Preis1));
    EXPECT_EQ("2200", FELD(*z, Preis2));
    EXPECT_EQ("2100", FELD(*z, Preis3));
    EXPECT_EQ(std::to_string(OX_MWST_GetMWST_FromMwstSatz(2)), FELD(*z, MwstSatz));
    EXPECT_EQ(Ean13("400000000202"), FELD(*z, Ean));

    z = Zelle(saetze, "36@Gr\xf6\xdf" "e 36", "SW@schwarz");
    ASSERT_NE(nullptr, z);
    EXPECT_EQ("1000", FELD(*z, Preis1));
    EXPECT_EQ(Ean13("400000000101"), FELD(*z, Ean));
    EXPECT_EQ("jet black", FELD(*z, Lieferantenfarbe));

    /* The one cell without an EAN carries 14 zero bytes. */
    z = Zelle(saetze, "36@Gr\xf6\xdf" "e 36", "BL@blau");
    ASSERT_NE(nullptr, z);
    static const char nullen[14] = {};
    EXPECT_EQ(0, memcmp(nullen, z->Ean, 14));
}

TEST_F(Schreiber, OhneNummernNurDieTexte)
{
    lager.kontext->BleExport = 0;
    int32_t hemd = Artikel(mueller, "4711");
    GroessenFarben(hemd);
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(6u, saetze.size());
    for (const PRICAT_DATEN& d : saetze) {
        EXPECT_EQ("M\xfcller Textil", FELD(d, Lieferant));
        EXPECT_EQ("4711", FELD(d, Artikel));
        EXPECT_EQ("Oberteile", FELD(d, Hauptgruppe));
        EXPECT_EQ("Sommer 2026", FELD(d, Saison));
        EXPECT_EQ(std::string::npos, FELD(d, Merkmal7).find('@'));
        EXPECT_EQ(std::string::npos, FELD(d, BleFarbe).find('@'));
    }
    EXPECT_NE(nullptr, Zelle(saetze, "Gr\xf6\xdf" "e 38", "blau"));
}

TEST_F(Schreiber, ArtikelOhneTabelleEinSatzMitArtikelpreisen)
{
    int32_t guertel = Artikel(mueller, "900", 0, INT32_MAX, INT32_MIN);
    EansSpeichern(guertel, { { {}, "" }, { { { 7, "36" } }, Ean13("400000000900") } });
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(1u, saetze.size());
    const PRICAT_DATEN& d = saetze[0];
    EXPECT_EQ("0", FELD(d, Preis1));
    EXPECT_EQ("2147483647", FELD(d, Preis2));
    EXPECT_EQ("-2147483648", FELD(d, Preis3));
    EXPECT_EQ("", FELD(d, Merkmal7));
    /* The first entry with an EAN, for the article text alone. */
    EXPECT_EQ(Ean13("400000000900"), FELD(d, Ean));
}

TEST_F(Schreiber, TabelleMitNurEinerAchseGibtKeineSaetze)
{
    int32_t einachsig = Artikel(mueller, "100");
    Achse s, w;
    s.art = 7;
    s.nummern = { groesse36, groesse38 };
    TabelleSpeichern(TAB_BESITZER_ARTIKEL, einachsig, s, w);
    int32_t normal = Artikel(mueller, "200");
    GroessenFarben(normal);
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(6u, saetze.size());
    for (const PRICAT_DATEN& d : saetze)
        EXPECT_EQ("N" + std::to_string(normal) + "@200", FELD(d, Artikel));
}

TEST_F(Schreiber, FilialachseNurErsterEintrag)
{
    int32_t f1 = MerkmalNeu(9, "1", "Zentrale");
    int32_t f2 = MerkmalNeu(9, "2", "Filiale Ost");
    int32_t artikel = Artikel(mueller, "300");
    Achse s, w;
    s.art = 7;
    s.nummern = { groesse36, groesse38 };
    w.art = 9;
    w.nummern = { f1, f2 };
    TabelleSpeichern(TAB_BESITZER_ARTIKEL, artikel, s, w);
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    EXPECT_EQ(2u, KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL")).size()) << "one record per size, first branch only";
}

/* Colours down, sizes across: the table keeps colour texts for horizontal
 * entries only, so a vertical colour axis gives none - never the text the
 * size entry of the same index carries. */
TEST_F(Schreiber, SenkrechteFarbachseLiehKeinenFremdenFarbtext)
{
    int32_t artikel = Artikel(mueller, "600");
    Achse s, w;
    s.art = 6;
    s.nummern = { schwarz, rot };
    w.art = 7;
    w.nummern = { groesse36, groesse38 };
    w.farbtexte = { "fremd 0", "fremd 1" };
    TabelleSpeichern(TAB_BESITZER_ARTIKEL, artikel, s, w);
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(4u, saetze.size());
    for (const PRICAT_DATEN& z : saetze)
        EXPECT_EQ("", FELD(z, Lieferantenfarbe)) << FELD(z, BleFarbe) << " " << FELD(z, Merkmal7);
}

TEST_F(Schreiber, SerieLeihtIhreFarbachse)
{
    int32_t serie = MerkmalNeu(3, "S1", "Serie Nord");
    Achse s, w, leer;
    w.art = 6;
    w.nummern = { schwarz, blau };
    w.farbtexte = { "ink", "ocean" };
    TabelleSpeichern(TAB_BESITZER_SERIE, serie, leer, w);
    ArtikelDaten d;
    d.lieferant = mueller;
    d.nummerText = "500";
    d.serie = serie;
    d.codes = { { 3, "S1" } };
    int32_t artikel = ArtikelNeu(d);
    s.art = 7;
    s.nummern = { groesse36 };
    TabelleSpeichern(TAB_BESITZER_ARTIKEL, artikel, s, leer);
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(2u, saetze.size());
    const PRICAT_DATEN* z = Zelle(saetze, "36@Gr\xf6\xdf" "e 36", "BL@blau");
    ASSERT_NE(nullptr, z);
    EXPECT_EQ("ocean", FELD(*z, Lieferantenfarbe));
    EXPECT_EQ("S1@Serie Nord", FELD(*z, Serie));
}

TEST_F(Schreiber, PflegekennzeichenUndLieferantOhneIln)
{
    int32_t ohneIln = LieferantNeu("0002", "Ohne GLN", "");
    int32_t gepflegt = Artikel(mueller, "1");
    ArtikelDaten d;
    d.lieferant = mueller;
    d.nummerText = "2";
    d.pflege = 0;
    ArtikelNeu(d);
    Artikel(ohneIln, "3");
    (void)gepflegt;

    lager.kontext->PflegekennzeichenBeruecksichtigen = 1;
    EXPECT_EQ(1, ExportLaufen(lager, "0001"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    ASSERT_EQ(1u, saetze.size()) << "the unmaintained article stays out";
    EXPECT_EQ("N" + std::to_string(gepflegt) + "@1", FELD(saetze[0], Artikel));

    /* A supplier without ILN: the file is made, no record goes out. */
    EXPECT_EQ(0, ExportLaufen(lager, "0002"));
    int kopfzeilen = 0;
    EXPECT_TRUE(KatalogLesen(Katalog("PRICAT-OHNE_GLN"), &kopfzeilen).empty());
    EXPECT_EQ(1, kopfzeilen);

    lager.kontext->PflegekennzeichenBeruecksichtigen = 0;
    EXPECT_EQ(1, ExportLaufen(lager, "0001"));
    EXPECT_EQ(2u, KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL")).size());
    EXPECT_EQ(1, ExportLaufen(lager, "0002"));
    saetze = KatalogLesen(Katalog("PRICAT-OHNE_GLN"));
    ASSERT_EQ(1u, saetze.size());
    EXPECT_EQ("", FELD(saetze[0], LieferantenIln));
}

TEST_F(Schreiber, LieferantWiederkehrendWirdAngehaengt)
{
    int32_t bauer = LieferantNeu("0002", "Bauer", "4000000000024");
    int32_t a1 = Artikel(mueller, "A1");
    int32_t a2 = Artikel(mueller, "A2");
    int32_t b1 = Artikel(bauer, "B1");
    int32_t a3 = Artikel(mueller, "A3");
    Standin_ExportAuswahl({ a1, a2, b1, a3 });
    ASSERT_EQ(1, ExportLaufen(lager, ""));
    int kopfzeilen = 0;
    std::vector<PRICAT_DATEN> m = KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"), &kopfzeilen);
    ASSERT_EQ(3u, m.size());
    EXPECT_EQ(1, kopfzeilen);
    EXPECT_EQ("N" + std::to_string(a1) + "@A1", FELD(m[0], Artikel));
    EXPECT_EQ("N" + std::to_string(a2) + "@A2", FELD(m[1], Artikel));
    EXPECT_EQ("N" + std::to_string(a3) + "@A3", FELD(m[2], Artikel));
    std::vector<PRICAT_DATEN> b = KatalogLesen(Katalog("PRICAT-BAUER"));
    ASSERT_EQ(1u, b.size());
    EXPECT_EQ("N" + std::to_string(b1) + "@B1", FELD(b[0], Artikel));

    /* A second run starts the files afresh. */
    ASSERT_EQ(1, ExportLaufen(lager, ""));
    EXPECT_EQ(3u, KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"), &kopfzeilen).size());
    EXPECT_EQ(1, kopfzeilen);
}

TEST_F(Schreiber, LieferantEinsNimmtNichtDieArtikelVonZwoelf)
{
    int32_t eins = LieferantNeu("1", "Eins", "4000000000031");
    int32_t zwoelf = LieferantNeu("12", "Zw\xf6lf", "4000000000048");
    Artikel(eins, "E");
    Artikel(zwoelf, "Z");
    ASSERT_EQ(1, ExportLaufen(lager, "1"));
    std::vector<PRICAT_DATEN> saetze = KatalogLesen(Katalog("PRICAT-EINS"));
    ASSERT_EQ(1u, saetze.size());
    EXPECT_EQ("1@Eins", FELD(saetze[0], Lieferant));
    EXPECT_FALSE(Existiert(Katalog("PRICAT-ZW\xd6LF")));
}

TEST_F(Schreiber, AlleLieferantenJeEinDateisatzOhneErweiterung)
{
    int32_t punkt = LieferantNeu("0003", "Schuh.Haus Nord", "4000000000055");
    Artikel(mueller, "1");
    Artikel(punkt, "2");
    LieferantNeu("0004", "Ohne Artikel", "4000000000062");
    lager.kontext->AdressimportSuchen = 0;
    ASSERT_EQ(1, ExportLaufen(lager, "", "Herbst 2026", "Info"));
    EXPECT_EQ((std::vector<std::string>{ "PRICAT-M\xdcLLER_TEXTIL.INH", "PRICAT-SCHUH_HAUS_NORD.INH" }),
              Dateien(lager.exportOrdner));
}

TEST_F(Schreiber, ErweiterungAdresseUndInfotextEinesLieferanten)
{
    Artikel(mueller, "1");
    ASSERT_EQ(1, ExportLaufen(lager, "0001", "Herbst 2026.v2", "Zeile 1\r\nZeile 2\nZeile 3"));
    std::string basis = lager.exportOrdner + "PRICAT-M\xdcLLER_TEXTIL-HERBST_2026_V2";
    EXPECT_EQ((std::vector<std::string>{ "PRICAT-M\xdcLLER_TEXTIL-HERBST_2026_V2.ADR",
                                         "PRICAT-M\xdcLLER_TEXTIL-HERBST_2026_V2.INH",
                                         "PRICAT-M\xdcLLER_TEXTIL-HERBST_2026_V2.TXT" }),
              Dateien(lager.exportOrdner));
    EXPECT_EQ("Zeile 1\r\nZeile 2\r\nZeile 3", DateiLesen(basis + ".TXT"));
    std::string adresse = DateiLesen(basis + ".ADR");
    EXPECT_EQ(0u, adresse.find("K\xfcrzel;Name;")) << adresse;
    EXPECT_NE(std::string::npos, adresse.find("\r\n0001;M\xfcller Textil;")) << adresse;
    EXPECT_EQ("\r\n", adresse.substr(adresse.size() - 2));
    /* The extension and the text are remembered for the dialog. */
    std::string zusatz = lager.exportOrdner + "ZUSATZINFOS\\";
    EXPECT_EQ("Herbst 2026.v2\r\n", DateiLesen(zusatz + "NAM0001.TXT"));
    EXPECT_EQ("Zeile 1\r\nZeile 2\r\nZeile 3", DateiLesen(zusatz + "INFO0001.TXT"));
    /* The next run without an extension: the dialog offers none next time. */
    ASSERT_EQ(1, ExportLaufen(lager, "0001", ""));
    EXPECT_EQ("\r\n", DateiLesen(zusatz + "NAM0001.TXT"));
}

TEST_F(Schreiber, FehlenderExportordnerWirdAngelegt)
{
    Artikel(mueller, "1");
    ASSERT_FALSE(Existiert(lager.exportOrdner));
    EXPECT_EQ(1, ExportLaufen(lager, "0001"));
    EXPECT_TRUE(Existiert(lager.exportOrdner + "PRICAT-M\xdcLLER_TEXTIL.INH"));
}

TEST_F(Schreiber, NichtAnlegbarerOrdnerMeldetEinmalUndSchreibtNichts)
{
    Artikel(mueller, "1");
    /* A file where the export folder belongs: its message alone. */
    DateiSchreiben(lager.wurzel + "EDI_EXPORT", "x");
    std::vector<MessageBoxInfo> boxen;
    EXPECT_EQ(0, ExportLaufen(lager, "0001", "", nullptr, &boxen));
    ASSERT_EQ(1u, boxen.size());
    EXPECT_EQ("ORDANEX", boxen[0].caption);
    EXPECT_EQ("PathCreate Error:" + lager.wurzel + "EDI_EXPORT", boxen[0].text);
    EXPECT_EQ("x", DateiLesen(lager.wurzel + "EDI_EXPORT"));
}

TEST_F(Schreiber, GehaltenerSatzBleibtStehenDieAnderenWerdenGeschrieben)
{
    int32_t bauer = LieferantNeu("0002", "Bauer", "4000000000024");
    Artikel(mueller, "1");
    Artikel(bauer, "2");
    ASSERT_EQ(1, ExportLaufen(lager, ""));
    std::string altM = DateiLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));
    std::string altB = DateiLesen(Katalog("PRICAT-BAUER"));
    std::string altAdr = DateiLesen(lager.exportOrdner + "PRICAT-BAUER.ADR");
    ASSERT_FALSE(altM.empty());

    /* More articles; another workstation reads the second supplier's
     * catalogue and holds it open: that set cannot be replaced and stays
     * as it was, the first supplier's set is written. */
    Artikel(mueller, "3");
    Artikel(bauer, "4");
    HANDLE offen = CreateFileA(Katalog("PRICAT-BAUER").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, offen);
    std::vector<MessageBoxInfo> boxen;
    EXPECT_EQ(1, ExportLaufen(lager, "", "", nullptr, &boxen));
    CloseHandle(offen);
    ASSERT_EQ(1u, boxen.size());
    EXPECT_EQ("ORDANEX", boxen[0].caption);
    EXPECT_EQ(FEHLGESCHLAGEN + Gross(Katalog("PRICAT-BAUER")), boxen[0].text);
    EXPECT_EQ(2u, KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL")).size());
    EXPECT_EQ(altB, DateiLesen(Katalog("PRICAT-BAUER")));
    EXPECT_EQ(altAdr, DateiLesen(lager.exportOrdner + "PRICAT-BAUER.ADR"));
    for (const std::string& name : Dateien(lager.exportOrdner))
        EXPECT_NE('~', name[0]) << name << " left behind";

    ASSERT_EQ(1, ExportLaufen(lager, ""));
    EXPECT_EQ(2u, KatalogLesen(Katalog("PRICAT-BAUER")).size());
}

TEST_F(Schreiber, ExportModus)
{
    Artikel(mueller, "1");
    lager.kontext->ExportModus = 2;
    EXPECT_EQ(0, ExportLaufen(lager, "0001"));
    EXPECT_FALSE(Existiert(Katalog("PRICAT-M\xdcLLER_TEXTIL")));

    lager.kontext->ExportModus = 1;
    std::string kopf;
    EXPECT_EQ(1, ExportLaufen(lager, "0001"));
    KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"), nullptr, &kopf);
    EXPECT_NE(std::string::npos, kopf.find(std::string(EIGENE_ILN) + "XXX")) << kopf;

    /* Without the own ILN the marked mode exports nothing. */
    INI_PutString("EIGNER", "GLNNUMMER01", "");
    FileIO_DeleteFile(Katalog("PRICAT-M\xdcLLER_TEXTIL").c_str());
    EXPECT_EQ(0, ExportLaufen(lager, "0001"));
    EXPECT_FALSE(Existiert(Katalog("PRICAT-M\xdcLLER_TEXTIL")));
}

TEST_F(Schreiber, FortschrittUndListeWerdenFreigegeben)
{
    for (int i = 0; i < 5; ++i)
        Artikel(mueller, std::to_string(i));
    long vorher17 = g_StandinRufe[17], vorher18 = g_StandinRufe[18];
    int32_t handles = FileIO_OpenHandles();
    ExportLaufen(lager, "0001");
    EXPECT_EQ(vorher17 + 1, g_StandinRufe[17]);
    EXPECT_EQ(vorher18 + 1, g_StandinRufe[18]);
    EXPECT_EQ(handles, FileIO_OpenHandles()) << "a file left open";
}

/* Texts as long as the dialog lets through, and longer: the run stays
 * within its buffers. A name the file system cannot take fails the run
 * with its message and leaves the earlier set as it was. */
TEST_F(Schreiber, UeberlangeTexteBleibenInIhrenPuffern)
{
    Artikel(mueller, "1");
    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    std::string alt = DateiLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL"));

    std::vector<MessageBoxInfo> boxen;
    /* A supplier text no key begins with: nothing is written. */
    EXPECT_EQ(0, ExportLaufen(lager, ("0001" + std::string(5000, 'x')).c_str(), "", nullptr, &boxen));
    EXPECT_TRUE(boxen.empty());

    std::string info(100000, 'i');
    for (size_t laenge : { (size_t)254, (size_t)5000 }) {
        boxen.clear();
        EXPECT_EQ(0, ExportLaufen(lager, "0001", std::string(laenge, 'e').c_str(), info.c_str(), &boxen)) << laenge;
        ASSERT_EQ(1u, boxen.size()) << laenge;
        std::string name = lager.exportOrdner + "PRICAT-M\xfcller Textil-" + std::string(laenge, 'e');
        EXPECT_EQ(FEHLGESCHLAGEN + "Der Dateiname ist zu lang:\n" + name.substr(0, 200) + "...", boxen[0].text);
        EXPECT_EQ((std::vector<std::string>{ "PRICAT-M\xdcLLER_TEXTIL.ADR", "PRICAT-M\xdcLLER_TEXTIL.INH" }),
                  Dateien(lager.exportOrdner)) << laenge;
        EXPECT_EQ(alt, DateiLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL")));
    }

    /* A long extension the path still holds, with a long info text. */
    boxen.clear();
    std::string erweiterung(120, 'e');
    ASSERT_EQ(1, ExportLaufen(lager, "0001", erweiterung.c_str(), info.c_str(), &boxen));
    EXPECT_TRUE(boxen.empty());
    std::string basis = lager.exportOrdner + "PRICAT-M\xdcLLER_TEXTIL-" + std::string(120, 'E');
    EXPECT_EQ(1u, KatalogLesen(basis + ".INH").size());
    EXPECT_EQ(info, DateiLesen(basis + ".TXT"));
}

/* A run tag `zurueck` minutes old, as another run would have made it. */
static std::string FremdeKennung(unsigned long zurueck)
{
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    unsigned long minuten = ExportMinuten(((uint64_t)jetzt.dwHighDateTime << 32) | jetzt.dwLowDateTime);
    char kennung[EXPORT_KENNUNG_GROESSE];
    ExportKennungBilden(kennung, minuten - zurueck, 0xABCDEF);
    return kennung;
}

/* Working files of other runs. One that is still going (another
 * workstation writes the same supplier's catalogue right now) is left
 * alone. What a run stopped more than 12 hours ago left behind goes, and
 * an earlier file it had moved aside comes back when its name is free. */
TEST_F(Schreiber, ArbeitsdateienAndererLaeufe)
{
    Artikel(mueller, "1");
    const std::string o = lager.exportOrdner, z = o + "ZUSATZINFOS\\";
    ASSERT_EQ(1, FileIO_PathCreate(z.c_str()));
    const std::string laufend = o + "~PRICAT-M\xdcLLER_TEXTIL.INH." + FremdeKennung(5) + ".TMP";
    const std::string vergessen = FremdeKennung(13 * 60);
    const std::string neuVergessen = o + "~PRICAT-ALT.INH." + vergessen + ".TMP";
    const std::string altFrei = o + "~PRICAT-WEG.INH." + vergessen + ".ALT";
    const std::string altBesetzt = o + "~PRICAT-DA.INH." + vergessen + ".ALT";
    const std::string zusatzVergessen = z + "~NAM0001.TXT." + vergessen + ".TMP";
    const std::string notiz = o + "~notiz.txt";
    DateiSchreiben(laufend, "fremd");
    DateiSchreiben(neuVergessen, "halb");
    DateiSchreiben(altFrei, "gesichert");
    DateiSchreiben(altBesetzt, "vorher");
    DateiSchreiben(o + "PRICAT-DA.INH", "nachher");
    DateiSchreiben(zusatzVergessen, "x");
    DateiSchreiben(notiz, "meins");

    ASSERT_EQ(1, ExportLaufen(lager, "0001"));
    EXPECT_EQ(1u, KatalogLesen(Katalog("PRICAT-M\xdcLLER_TEXTIL")).size());
    EXPECT_EQ("fremd", DateiLesen(laufend));
    EXPECT_FALSE(Existiert(neuVergessen));
    EXPECT_FALSE(Existiert(altFrei));
    EXPECT_EQ("gesichert", DateiLesen(o + "PRICAT-WEG.INH"));
    EXPECT_FALSE(Existiert(altBesetzt));
    EXPECT_EQ("nachher", DateiLesen(o + "PRICAT-DA.INH"));
    EXPECT_FALSE(Existiert(zusatzVergessen));
    EXPECT_EQ("meins", DateiLesen(notiz));
}
