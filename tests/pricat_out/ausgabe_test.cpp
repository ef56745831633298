/*
 * The export's bytes stay the same: a fixed store exported three ways (all
 * suppliers; one supplier without numbers, with name extension, info text
 * and the maintenance flag; the marked mode) gives exactly the files kept
 * in erwartet/. Every file the run leaves in the export folder and its
 * ZUSATZINFOS folder is compared; of a header line only the date, the
 * time and its check value may differ.
 *
 * The store covers what the writer treats apart: tables of sizes and
 * colours, an article without a table, a table with one axis only, a
 * branch axis, a series lending its colour axis, both axes of one kind,
 * an axis holding a characteristic twice and one the host does not know,
 * EAN entries that name only some of a cell's codes or none, an article
 * without EANs, one with more EAN entries than the writer keeps in memory,
 * texts that fill or overflow their fields, extreme prices, every VAT
 * rate, an unmaintained article and a supplier met again after another.
 *
 * With OX_ERWARTET_NEU=1 in the environment the test writes the files of
 * erwartet/ instead of comparing (after a deliberate change of the format).
 */
#include <gtest/gtest.h>

#include "exportlager.h"
#include "harness/testordner.h"
#include "hostapi/oxinifile.h"
#include "callbacks.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#ifndef OX_ERWARTET_ORDNER
#error OX_ERWARTET_ORDNER names the folder of the expected files
#endif

namespace {

/* The folder of the expected files as a path wine opens. */
std::string ErwartetPfad(const std::string& name)
{
    std::string pfad = OX_ERWARTET_ORDNER;
    for (char& c : pfad)
        if (c == '/')
            c = '\\';
    if (!pfad.empty() && pfad[0] == '\\')
        pfad = "Z:" + pfad;
    return pfad + "\\" + name;
}

/* A header line ("BTE...;" tokens) with date, time and check value starred. */
std::string KopfzeileOhneZeit(const std::string& zeile)
{
    std::string aus;
    int token = 1;
    for (char c : zeile) {
        if (c == ';') {
            token++;
            aus += c;
        } else if (c == '\r' || c == '\n') {
            aus += c;
        } else if (token == 5 || token == 7 || token == 11) {
            if (aus.empty() || aus.back() != '*')
                aus += '*';
        } else {
            aus += c;
        }
    }
    return aus;
}

/* Every file of `ordner` and its sub-folders (one level), sorted, each as
 * "== name ==\n" and its bytes, header lines without their time. */
std::string Buendel(const std::string& ordner)
{
    std::string aus;
    std::vector<std::string> namen = Dateien(ordner);
    for (const std::string& n : Dateien(ordner + "ZUSATZINFOS\\"))
        namen.push_back("ZUSATZINFOS\\" + n);
    for (const std::string& name : namen) {
        std::string inhalt = DateiLesen(ordner + name);
        aus += "== " + name + " ==\n";
        size_t zeilenende = inhalt.find('\n');
        if (inhalt.compare(0, 3, "BTE") == 0 && zeilenende != std::string::npos)
            inhalt = KopfzeileOhneZeit(inhalt.substr(0, zeilenende + 1)) + inhalt.substr(zeilenende + 1);
        aus += inhalt;
    }
    return aus;
}

/* Where two bundles part: offset and the line of each around it. */
std::string Unterschied(const std::string& a, const std::string& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        i++;
    auto zeile = [i](const std::string& s) {
        size_t anfang = s.rfind('\n', i == 0 ? 0 : i - 1);
        anfang = anfang == std::string::npos ? 0 : anfang + 1;
        size_t ende = s.find('\n', i);
        return s.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
    };
    return "first difference at byte " + std::to_string(i) + "\nexpected: " + zeile(a) + "\nwritten:  " + zeile(b);
}

void Vergleichen(const std::string& ordner, const std::string& name)
{
    std::string geschrieben = Buendel(ordner);
    ASSERT_FALSE(geschrieben.empty());
    const char* neu = std::getenv("OX_ERWARTET_NEU");
    if (neu != nullptr && neu[0] == '1') {
        DateiSchreiben(ErwartetPfad(name), geschrieben);
        return;
    }
    std::string erwartet = DateiLesen(ErwartetPfad(name));
    ASSERT_FALSE(erwartet.empty()) << "no expected file " << ErwartetPfad(name);
    EXPECT_TRUE(erwartet == geschrieben) << name << ": " << Unterschied(erwartet, geschrieben);
}

class Ausgabe : public ::testing::Test {
protected:
    void SetUp() override
    {
        LagerAnlegen(lager, "ausgabe");
        demo = DemoLagerErzeugen(2, 3, 3, 2, 4711);
        int32_t erster = demo.lieferanten[0];
        int32_t g1 = MerkmalNeu(7, "XS", "Gr\xf6\xdf" "e XS");
        int32_t g2 = MerkmalNeu(7, std::string(15, '9'), std::string(24, 'L'));
        int32_t f1 = MerkmalNeu(6, "K1", std::string(24, '\xe4'));
        int32_t f2 = MerkmalNeu(6, "K2", "t\xfcrkis");
        int32_t filiale1 = MerkmalNeu(9, "1", "Zentrale");
        int32_t filiale2 = MerkmalNeu(9, "2", "Filiale Ost");
        int32_t serie = MerkmalNeu(3, "S9", "Serie Nord");
        Achse leer;

        /* Without a table, extreme prices, long texts, its own EAN. */
        ArtikelDaten d;
        d.lieferant = erster;
        d.nummerText = std::string(40, 'T');
        d.kennzeichen = 0;
        d.ek1 = INT32_MIN;
        d.vk1 = INT32_MAX;
        d.vk2 = -1;
        d.mwst = 0;
        d.zusatztext = std::string(40, 'z');
        d.codes = { { 1, "H1" }, { 4, "L2" } };
        int32_t ohneTabelle = ArtikelNeu(d);
        EansSpeichern(ohneTabelle, { { {}, "" }, { {}, Ean13("400000000111") } });

        /* One axis only: no record. */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "einachsig";
        d.mwst = 3;
        int32_t einachsig = ArtikelNeu(d);
        Achse s1;
        s1.art = 7;
        s1.nummern = { g1 };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, einachsig, s1, leer);

        /* Branch axis across: the first branch only; no EANs at all. */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "filiale";
        d.kennzeichen = 'B';
        d.mwst = 4;
        d.codes = { { 2, "W3" }, { 5, "M1" }, { 11, "Z2" } };
        int32_t filialArtikel = ArtikelNeu(d);
        Achse s2, w2;
        s2.art = 7;
        s2.nummern = { g1, g2 };
        s2.preise = { TAB_PREISE{ 100, 100, 0, 200, 190, 0 }, TAB_PREISE{ 0, 0, 0, 0, 0, 0 } };
        w2.art = 9;
        w2.nummern = { filiale1, filiale2 };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, filialArtikel, s2, w2);

        /* Colours down, sizes across, texts filling their fields, more EAN
         * entries than kept in memory (the store is asked per cell). */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "farben";
        d.kennzeichen = 'N';
        d.mwst = 5;
        d.ek1 = 995;
        d.vk1 = 1995;
        d.vk2 = 1895;
        int32_t farbArtikel = ArtikelNeu(d);
        Achse s3, w3;
        s3.art = 6;
        s3.nummern = { f1, f2 };
        s3.preise = { TAB_PREISE{ 995, 995, 0, 1995, 1895, 0 }, TAB_PREISE{ -5, 0, 0, 7, 0, 0 } };
        s3.farbtexte = { std::string(32, 'c'), "kurz" };
        w3.art = 7;
        w3.nummern = { g1, g2 };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, farbArtikel, s3, w3);
        std::vector<EanEintrag> viele;
        for (int i = 0; i < 4100; ++i) {
            EanEintrag e;
            e.codes[6] = i == 4099 ? "K2" : "ZZ";
            e.codes[7] = "XS";
            char zwoelf[16];
            std::snprintf(zwoelf, sizeof zwoelf, "41%010d", i);
            e.ean = Ean13(zwoelf);
            viele.push_back(e);
        }
        EansSpeichern(farbArtikel, viele);

        /* A series lends its colour axis. */
        Achse ws;
        ws.art = 6;
        ws.nummern = { f2, f1 };
        ws.farbtexte = { "ink", "ocean" };
        TabelleSpeichern(TAB_BESITZER_SERIE, serie, leer, ws);
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "serie";
        d.serie = serie;
        d.codes = { { 3, "S9" } };
        int32_t serienArtikel = ArtikelNeu(d);
        Achse s4;
        s4.art = 7;
        s4.nummern = { g2 };
        s4.preise = { TAB_PREISE{ 1, 2, 3, 4, 5, 6 } };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, serienArtikel, s4, leer);
        EansSpeichern(serienArtikel, { { { { 7, std::string(15, '9') }, { 6, "K1" } }, Ean13("400000000222") } });

        /* Sizes down and across: the horizontal entry's text and code are
         * the cell's; a size twice and one the host does not know. */
        const int32_t unbekannt = 99999;
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "groessen";
        d.mwst = 2;
        int32_t groessen = ArtikelNeu(d);
        Achse s5, w5;
        s5.art = 7;
        s5.nummern = { g1, unbekannt, g1 };
        s5.preise = { TAB_PREISE{ 10, 0, 0, 20, 0, 0 }, TAB_PREISE{ 11, 0, 0, 21, 0, 0 },
                      TAB_PREISE{ 12, 0, 0, 22, 0, 0 } };
        w5.art = 7;
        w5.nummern = { g2, g1 };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, groessen, s5, w5);
        EansSpeichern(groessen, { { { { 7, "XS" } }, Ean13("400000000301") },
                                  { { { 7, std::string(15, '9') } }, Ean13("400000000302") },
                                  { {}, Ean13("400000000303") } });

        /* Colours down and across: the colour text of the horizontal entry
         * (the table keeps colour texts for horizontal entries only). */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "zweifarbig";
        int32_t zweifarbig = ArtikelNeu(d);
        Achse s6, w6;
        s6.art = 6;
        s6.nummern = { f1, f2 };
        s6.farbtexte = { "senkrecht 1", "senkrecht 2" };
        w6.art = 6;
        w6.nummern = { f2 };
        w6.farbtexte = { "waagrecht" };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, zweifarbig, s6, w6);
        EansSpeichern(zweifarbig, { { { { 6, "K2" }, { 7, "XS" } }, Ean13("400000000401") },
                                    { { { 6, "K1" } }, Ean13("400000000402") } });

        /* EAN entries naming only some codes, an unknown size. */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "teilcodes";
        int32_t teilcodes = ArtikelNeu(d);
        Achse s7, w7;
        s7.art = 7;
        s7.nummern = { g1, unbekannt, g2 };
        w7.art = 6;
        w7.nummern = { f1, f2 };
        w7.farbtexte = { "eins", "zwei" };
        TabelleSpeichern(TAB_BESITZER_ARTIKEL, teilcodes, s7, w7);
        EansSpeichern(teilcodes, { { { { 6, "K1" } }, Ean13("400000000501") },
                                   { { { 7, "XS" }, { 6, "K1" } }, Ean13("400000000502") },
                                   { { { 7, "XS" } }, Ean13("400000000503") },
                                   { { { 7, std::string(15, '9') }, { 6, "K2" } }, Ean13("400000000504") },
                                   { {}, Ean13("400000000505") } });

        /* Not maintained. */
        d = ArtikelDaten{};
        d.lieferant = erster;
        d.nummerText = "ungepflegt";
        d.pflege = 0;
        int32_t ungepflegt = ArtikelNeu(d);

        /* The list: the first supplier's articles, the second's, then the
         * first's new ones (appended to its set). */
        std::vector<int32_t> liste = demo.artikel[0];
        liste.insert(liste.end(), demo.artikel[1].begin(), demo.artikel[1].end());
        for (int32_t a : { ohneTabelle, einachsig, filialArtikel, farbArtikel, serienArtikel, groessen, zweifarbig,
                           teilcodes, ungepflegt })
            liste.push_back(a);
        Standin_ExportAuswahl(liste);
    }
    void TearDown() override
    {
        Standin_ExportAuswahlAlle();
        LagerFreigeben(lager);
    }

    ExportLager lager;
    DemoLager demo;
};

} // namespace

TEST_F(Ausgabe, DieDateienBleibenByteFuerByte)
{
    ASSERT_EQ(1, ExportLaufen(lager, ""));
    Vergleichen(lager.exportOrdner, "alle.txt");

    /* One supplier, names without numbers, extension and info text, only
     * maintained articles. */
    lager.kontext->BleExport = 0;
    lager.kontext->PflegekennzeichenBeruecksichtigen = 1;
    lager.kontext->AdressimportSuchen = 0;
    INI_PutString("EIGNER", "GLNNUMMER01", "4012345000016");
    std::string vorher = lager.exportOrdner;
    for (const std::string& n : Dateien(vorher))
        DeleteFileA((vorher + n).c_str());
    ASSERT_EQ(1, ExportLaufen(lager, "0001", "Herbst", "Neue Preise\nab M\xe4rz\r\nGru\xdf"));
    Vergleichen(lager.exportOrdner, "einer.txt");

    /* The marked mode, the second supplier. */
    for (const std::string& n : Dateien(vorher))
        DeleteFileA((vorher + n).c_str());
    for (const std::string& n : Dateien(vorher + "ZUSATZINFOS\\"))
        DeleteFileA((vorher + "ZUSATZINFOS\\" + n).c_str());
    lager.kontext->BleExport = 1;
    lager.kontext->PflegekennzeichenBeruecksichtigen = 0;
    lager.kontext->AdressimportSuchen = 1;
    lager.kontext->ExportModus = 1;
    ASSERT_EQ(1, ExportLaufen(lager, "0002"));
    Vergleichen(lager.exportOrdner, "modus1.txt");
}
