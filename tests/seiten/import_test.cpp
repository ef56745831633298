/*
 * The "Importieren" page used as a person would: the first catalogue of a
 * new supplier, a second one that comes up green, the stop settings, the
 * article identification, the values taken over and the colours.
 */
#include <gtest/gtest.h>

#include "seiten/import_hilfen.h"
#include "seiten/seiten.h"
#include "seiten/importseite_intern.h"
#include "DBADLL/dbadll_host.h"

using namespace importtest;

namespace {

constexpr int ARTIKEL = ERSTE_ARTIKEL;
constexpr int VARIANTEN = ERSTE_VARIANTEN;

/* The rows at which the run stops from the start to its end. */
std::vector<int> Haltezeilen(Person& p, HWND s, int knopf = IDC_IP_ZUWEISEN)
{
    std::vector<int> zeilen;
    for (int i = 0; i < 40; i++) {
        if (Laufen(p, s, i == 0 ? IDC_IP_ZUWEISEN : knopf, IDNO))
            return zeilen;
        zeilen.push_back(Zeilenindex());
        /* the page shows the row it stopped at, not one the run passed */
        const PRICAT_DATEN& d = g_Kontext->AktuelleZeile->PricatDaten;
        EXPECT_EQ(std::to_string(Zeilenindex() + 1), p.Text(s, IDC_IP_SATZNR));
        EXPECT_EQ(std::string(d.Ean, strnlen(d.Ean, sizeof d.Ean)), p.Text(s, IDC_IP_GTIN));
        EXPECT_EQ(std::string(g_Kontext->EdiWerte.Farbtext), p.Text(s, IDC_IP_EDI_LFARBE));
    }
    ADD_FAILURE() << "the run did not end";
    return zeilen;
}

}  // namespace

TEST(ImportSeite, ErsterKatalogEinesNeuenLieferantenWirdGelerntUndGesichert)
{
    ImportHost h("import_erster");
    std::string pfad = h.importOrdner + "NEU.INH";
    h.Katalog("NEU.INH", ARTIKEL, VARIANTEN);
    std::string inhalt = DateiLesen(pfad);
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "NEU.INH", &w);
        ASSERT_NE(nullptr, s);
        EXPECT_TRUE(p.IsChecked(s, IDC_IP_STOP_WECHSEL)) << "a fresh INI file stops at every article change";
        EXPECT_FALSE(p.IsChecked(s, IDC_IP_STOP_VARIATION));
        EXPECT_EQ("Import starten", p.Text(s, IDC_IP_ZUWEISEN));

        /* The first row stops: nothing of the new supplier is known. */
        ASSERT_FALSE(Laufen(p, s));
        EXPECT_EQ(0, Zeilenindex());
        EXPECT_EQ("1", p.Text(s, IDC_IP_SATZNR));
        EXPECT_EQ("Zuweisen", p.Text(s, IDC_IP_ZUWEISEN));
        PRICAT_DATEN d = h.Zeile(0, VARIANTEN, 0);
        EXPECT_EQ(std::string(d.Ean), p.Text(s, IDC_IP_GTIN));
        EXPECT_EQ(TextTeil(d.Hauptgruppe), p.Text(s, IDC_IP_EDI_HG));
        for (int32_t art : { 1, 2, 5, 6 })
            EXPECT_EQ(STATUS_OFFEN, g_Kontext->DialogWerte.Art[art].Status) << "kind " << art;
        EXPECT_GE(BisZumEnde(p, s), ARTIKEL - 1);
        Beenden(p, w);
    });

    /* Every article with its EANs, the keywords learnt, the file moved
     * byte for byte. */
    std::vector<int32_t> artikel = Artikelnummern();
    ASSERT_EQ((size_t)ARTIKEL, artikel.size());
    for (int i = 0; i < ARTIKEL; i++) {
        GEN_ARTIKEL a = h.Artikel(i, VARIANTEN);
        PRICAT_DATEN d = h.Zeile(i, VARIANTEN, 0);
        int32_t nummer = Gelernt(h.lieferant.Iln, TextTeil(d.Artikel), 0);
        ASSERT_GT(nummer, 0) << "article " << i << " learnt";
        ARTIKEL_SATZ satz;
        ASSERT_EQ(1, ARTLIB_LeseArtikel(nummer, &satz));
        for (int v = 0; v < a.AnzahlVarianten; v++) {
            int32_t muster = 0;
            EXPECT_EQ(nummer, EANDATA_GetArtikelNummer(a.Variante[v].Ean, &muster)) << "EAN of variation " << v;
        }
        EXPECT_GT(Gelernt(h.lieferant.Iln, TextTeil(d.Hauptgruppe), 1), 0);
        EXPECT_GT(Gelernt(h.lieferant.Iln, TextTeil(d.Material), 5), 0);
    }
    EXPECT_FALSE(Existiert(pfad));
    EXPECT_EQ(inhalt, DateiLesen(h.importOrdner + "SICHERUNG\\NEU.INH"));
}

TEST(ImportSeite, ZweiterKatalogKommtGruenUndLaeuftOhneHalt)
{
    ImportHost h("import_zweiter");
    ASSERT_GT(ErsterImport(h), 0);
    std::vector<int32_t> vorher = Artikelnummern();
    int32_t eans = EANDATA_Anzahl();
    h.Katalog("NOCHMAL.INH", ARTIKEL, VARIANTEN);
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "NOCHMAL.INH", &w);
        ASSERT_NE(nullptr, s);
        /* Stopped at the first row by the variation stop: all green. */
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
        p.SetCheck(s, IDC_IP_STOP_VARIATION, true);
        ASSERT_FALSE(Laufen(p, s));
        for (int32_t art : { 1, 2, 3, 4, 5, 6, 7, 11 })
            EXPECT_EQ(STATUS_GELERNT, g_Kontext->DialogWerte.Art[art].Status) << "kind " << art;
        EXPECT_GT(g_Kontext->AktuelleArtikelNummer, 0) << "the article is known";
        p.SetCheck(s, IDC_IP_STOP_VARIATION, false);
        EXPECT_TRUE(Laufen(p, s)) << "no further stop";
        Beenden(p, w);
    });
    EXPECT_EQ(vorher, Artikelnummern());
    EXPECT_EQ(eans, EANDATA_Anzahl());
    EXPECT_EQ(0, h.IniLong("EDIIMPORTER", "stopbeiartikelwechsel"));
    EXPECT_EQ(0, h.IniLong("EDIIMPORTER", "stopbeiartikelvariation"));
}

TEST(ImportSeite, HalteregelnUeberspringenUndNurGemappte)
{
    ImportHost h("import_halt");
    ASSERT_GT(ErsterImport(h), 0);
    h.Katalog("HALT.INH", ARTIKEL, VARIANTEN);
    h.Katalog("FREMDE.INH", 2, 3, 50);
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "HALT.INH", &w);
        ASSERT_NE(nullptr, s);
        struct Fall {
            const char* name;
            bool wechsel, variation;
            int knopf;
            std::vector<int> zeilen;
        };
        const Fall faelle[] = {
            { "article change", true, false, IDC_IP_ZUWEISEN, { 0, 4, 8 } },
            { "every variation", false, true, IDC_IP_ZUWEISEN, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
            { "skip the article", true, true, IDC_IP_UEBERSPRINGEN, { 0, 4, 8 } },
        };
        for (const Fall& f : faelle) {
            s = ImportSeite(p, w, "HALT.INH");   /* each run from the start */
            p.SetCheck(s, IDC_IP_STOP_WECHSEL, f.wechsel);
            p.SetCheck(s, IDC_IP_STOP_VARIATION, f.variation);
            EXPECT_EQ(f.zeilen, Haltezeilen(p, s, f.knopf)) << f.name;
        }
        /* Unmapped continuation rows are passed over: only each article's
         * first row is shown. */
        Berechnung_PutNurGemappte(1);
        s = ImportSeite(p, w, "FREMDE.INH");
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
        p.SetCheck(s, IDC_IP_STOP_VARIATION, true);
        std::vector<int> gezeigt;
        for (int i = 0; i < 10 && !Laufen(p, s, IDC_IP_ZUWEISEN, IDNO); i++) {
            gezeigt.push_back(Zeilenindex());
            FehlendeAnlegen(p, s);
        }
        EXPECT_EQ((std::vector<int>{ 0, 3 }), gezeigt);
        Beenden(p, w);
    });
}

TEST(ImportSeite, PreiseKennungUndFarben)
{
    ImportHost h("import_werte");
    Standin_HostDatenInt(h.host, HD_ANZAHL, 99);
    /* Row 0: prices 0; row 1: VK1 123.45, no VK2. */
    std::string text = edihilfe::PricatKopfzeile(h.lieferant.Iln, ILN_PARTNER, "Werte");
    PRICAT_DATEN d0 = h.Zeile(0, 2, 0), d1 = h.Zeile(1, 2, 0);
    EDI_SETZEN(d0, Preis1, "0");
    EDI_SETZEN(d0, Preis2, "0");
    EDI_SETZEN(d1, Preis2, "12345");
    EDI_SETZEN(d1, Preis3, "0");
    text += edihilfe::PricatZeile(d0) + edihilfe::PricatZeile(d1);
    edihilfe::Schreiben(h.importOrdner + "WERTE.INH", text);
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "WERTE.INH", &w);
        ASSERT_NE(nullptr, s);
        ASSERT_FALSE(Laufen(p, s));
        EXPECT_EQ("1.00", p.Text(s, IDC_IP_EK1)) << "a new article's EK1 of 0";
        EXPECT_EQ("2.00", p.Text(s, IDC_IP_VK1)) << "a new article's VK1 of 0";

        /* The description texts follow the mapping status. */
        HWND text1 = p.Control(s, IDC_IP_TEXT_HG);
        HDC dc = GetDC(text1);
        struct { int32_t status; COLORREF farbe; BOOL knopf; } farben[] = {
            { STATUS_OFFEN, RGB(255, 128, 128), TRUE },
            { STATUS_ABWEICHEND, RGB(255, 255, 128), TRUE },
            { STATUS_GELERNT, RGB(192, 255, 192), FALSE },
            { STATUS_STANDARD, RGB(192, 192, 255), TRUE },
        };
        for (const auto& f : farben) {
            g_Kontext->DialogWerte.Art[1].Status = f.status;
            ASSERT_NE(nullptr, g_ImportSeite.Farbe(s, WM_CTLCOLORSTATIC, dc, text1));
            EXPECT_EQ(f.farbe, GetBkColor(dc)) << "status " << f.status;
            EXPECT_EQ(f.knopf, IsWindowEnabled(p.Control(s, IDC_IP_NEU_HG))) << "status " << f.status;
        }
        ReleaseDC(text1, dc);

        /* "(EDI)" only while the number stays within 24 characters. */
        p.SetText(s, IDC_IP_EDIT_ARTIKEL, "1234567890123456789");
        p.Click(s, IDC_IP_NEU_ARTIKEL);
        EXPECT_EQ("1234567890123456789(EDI)", p.Text(s, IDC_IP_EDIT_ARTIKEL));
        EXPECT_EQ(0, g_Kontext->AktuelleArtikelNummer);
        p.SetText(s, IDC_IP_EDIT_ARTIKEL, "12345678901234567890");
        p.Click(s, IDC_IP_NEU_ARTIKEL);
        EXPECT_EQ("12345678901234567890", p.Text(s, IDC_IP_EDIT_ARTIKEL));

        /* The price ending replaces the cents of a VK, a VK of 0 stays. */
        FehlendeAnlegen(p, s);
        ASSERT_FALSE(Laufen(p, s));
        EXPECT_EQ(1, Zeilenindex());
        EXPECT_EQ("123.99", p.Text(s, IDC_IP_EDI_VK1));
        EXPECT_EQ("0.00", p.Text(s, IDC_IP_EDI_VK2));

        /* Unticking "VK1" takes the VK1 fields away at once; the settings
         * are written at once. */
        p.SetCheck(s, IDC_IP_UEBERNAHME_VK1, true);
        EXPECT_TRUE(p.IsEnabled(s, IDC_IP_VK1));
        p.SetCheck(s, IDC_IP_UEBERNAHME_VK1, false);
        for (int id : { IDC_IP_VORSCHLAG_VK1, IDC_IP_VK1, IDC_IP_KALKULIEREN })
            EXPECT_FALSE(p.IsEnabled(s, id)) << id;
        p.SetCheck(s, IDC_IP_VORRANG, true);
        EXPECT_EQ(1, h.IniLong("EDIIMPORTER", "externautomapping"));
        EXPECT_EQ(0, h.IniLong("EDIIMPORTER", "preisanpassung_vk1"));
        Beenden(p, w);
    });
}

TEST(ImportSeite, AbstimmungDreiGleicheOhneDialogZweiGegenZweiMitDialog)
{
    ImportHost h("import_abstimmung");
    EDI_KONTEXT* k = (EDI_KONTEXT*)calloc(1, sizeof(EDI_KONTEXT));
    ASSERT_NE(nullptr, k);
    g_Kontext = k;
    KANDIDATEN_BLOCK& b = k->ImportLauf.Kandidaten;
    b.GtinArtikel = 5;
    b.MappingArtikel = 5;
    b.DialogArtikel = 5;
    b.KatalogArtikel = 0;
    EXPECT_EQ(5, ArtikelAbstimmen(nullptr, 0));
    EXPECT_EQ(1, b.AnzahlLeere);

    memset(&b, 0, sizeof b);
    b.GtinArtikel = 5;
    b.KatalogArtikel = 6;
    b.MappingArtikel = 5;
    b.DialogArtikel = 6;
    int32_t ergebnis = -1;
    RunWithPerson([&] { return (INT_PTR)(ergebnis = ArtikelAbstimmen(nullptr, 0)); },
                  [&](Person& p) {
                      HWND d = p.WaitWindow("EDI-Artikelzuweisung");
                      ASSERT_NE(nullptr, d);
                      p.Click(d, IDC_AZ_PRICAT_WAHL);
                      p.Click(d, IDOK);
                  });
    EXPECT_EQ(6, ergebnis) << "the dialog decides";
    g_Kontext = nullptr;
    free(k);
}

TEST(ImportSeite, GewaehlterArtikelFragtWederEanNochMapping)
{
    ImportHost h("import_gewaehlt");
    ASSERT_GT(ErsterImport(h), 0);
    h.Katalog("WAHL.INH", 1, 1, 1);
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "WAHL.INH", &w);
        ASSERT_NE(nullptr, s);
        p.SetCheck(s, IDC_IP_STOP_VARIATION, true);
        ASSERT_FALSE(Laufen(p, s));
        const KANDIDATEN_BLOCK& b = g_Kontext->ImportLauf.Kandidaten;
        EXPECT_GT(b.GtinArtikel, 0) << "found by its EAN";
        EXPECT_GT(b.MappingArtikel, 0) << "and by its learnt mapping";
        /* The article picked by hand: the row is identified again without
         * EAN and mapping, written, and the run ends. */
        p.Click(s, IDC_IP_BTN_ARTIKEL);
        HWND wahl = p.WaitWindow(OXGLOBDLG_AUSWAHL_ARTIKEL);
        ASSERT_NE(nullptr, wahl);
        p.PickComboIndex(wahl, OXGLOBDLG_AUSWAHL_LISTE, 0);
        p.Click(wahl, IDOK);
        p.WaitClosed(wahl);
        MessageBoxInfo box;
        ASSERT_TRUE(p.MessageBoxAppears(5000, &box));
        EXPECT_EQ(0, b.GtinArtikel);
        EXPECT_EQ(0, b.MappingArtikel);
        EXPECT_GT(b.DialogArtikel, 0) << "the picked article";
        p.Answer(box, IDNO);
        Beenden(p, w);
    });
}

TEST(ImportSeite, AuslaufzeileMarkiertIhrenArtikelUnbekannteEanHaelt)
{
    ImportHost h("import_auslauf");
    ASSERT_GT(ErsterImport(h), 0);
    PRICAT_DATEN bekannt = h.Zeile(0, VARIANTEN, 0), fremd = h.Zeile(60, VARIANTEN, 0);
    EDI_SETZEN(bekannt, Nachrichtenfunktion, "AU");
    EDI_SETZEN(fremd, Nachrichtenfunktion, "AU");
    std::string kopf = edihilfe::PricatKopfzeile(h.lieferant.Iln, ILN_PARTNER, "Auslauf");
    edihilfe::Schreiben(h.importOrdner + "AUS.INH", kopf + edihilfe::PricatZeile(bekannt));
    edihilfe::Schreiben(h.importOrdner + "UNBEKANNT.INH", kopf + edihilfe::PricatZeile(fremd));
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "AUS.INH", &w);
        ASSERT_NE(nullptr, s);
        EXPECT_TRUE(Laufen(p, s, IDC_IP_ZUWEISEN, IDNO));
        s = ImportSeite(p, w, "UNBEKANNT.INH");
        EXPECT_FALSE(Laufen(p, s, IDC_IP_ZUWEISEN, IDNO));
        EXPECT_EQ(0, Zeilenindex()) << "the run stays at the row";
        Beenden(p, w);
    });
    int32_t muster = 0;
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(EANDATA_GetArtikelNummer(bekannt.Ean, &muster), &a));
    EXPECT_EQ('A', a.Kennzeichen);
}

TEST(ImportSeite, SicherungVerliertDenKatalogNie)
{
    std::string ordner = NeuerTestordner("import_sicherung");
    std::string quelle = ordner + "KAT.INH", sicherung = ordner + "SICHERUNG\\";
    const std::string inhalt(70000, 'x');
    struct Fall {
        const char* name;
        const char* frueher;       /* backup of the same name before, null = none */
        std::string ziel;          /* backup folder */
        int ergebnis;
    };
    const Fall faelle[] = {
        { "into a new backup folder", nullptr, sicherung, 1 },
        { "an earlier backup is replaced by the whole copy", "alt", sicherung, 1 },
        { "a backup folder that cannot exist (a file is in the way)", nullptr, ordner + "KAT.INH\\", 0 },
    };
    for (const Fall& f : faelle) {
        edihilfe::Schreiben(quelle, inhalt);
        if (f.frueher != nullptr) {
            CreateDirectoryA(f.ziel.c_str(), nullptr);
            edihilfe::Schreiben(f.ziel + "KAT.INH", f.frueher);
        }
        EXPECT_EQ(f.ergebnis, KatalogSichern(quelle.c_str(), f.ziel.c_str())) << f.name;
        if (f.ergebnis == 1) {
            EXPECT_FALSE(Existiert(quelle)) << f.name;
            EXPECT_EQ(inhalt, DateiLesen(f.ziel + "KAT.INH")) << f.name;
        } else {
            EXPECT_EQ(inhalt, DateiLesen(quelle)) << f.name << ": the original stays";
        }
        EXPECT_FALSE(Existiert(f.ziel + "KAT.INH.KOPIE")) << f.name << ": no working copy left";
    }
    /* A source that is gone moves nothing and keeps the earlier backup. */
    DeleteFileA(quelle.c_str());
    EXPECT_EQ(0, KatalogSichern(quelle.c_str(), sicherung.c_str()));
    EXPECT_EQ(inhalt, DateiLesen(sicherung + "KAT.INH"));
}

TEST(ImportSeite, PreiseEinesBestehendenArtikelsBleibenOhneVorrang)
{
    ImportHost h("import_vorrang");
    ASSERT_GT(ErsterImport(h), 0);
    PRICAT_DATEN d = h.Zeile(0, VARIANTEN, 0);
    int32_t alt = atoi(d.Preis1);
    EDI_SETZEN(d, Preis1, std::to_string(alt + 1000));
    std::string kopf = edihilfe::PricatKopfzeile(h.lieferant.Iln, ILN_PARTNER, "Preise");
    edihilfe::Schreiben(h.importOrdner + "PREIS.INH", kopf + edihilfe::PricatZeile(d));
    char text[16];
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "PREIS.INH", &w);
        ASSERT_NE(nullptr, s);
        struct Fall {
            bool vorrang;
            int32_t ek1;
        };
        for (const Fall& f : { Fall{ false, alt }, Fall{ true, alt + 1000 } }) {
            s = ImportSeite(p, w, "PREIS.INH");
            p.SetCheck(s, IDC_IP_STOP_VARIATION, true);
            p.SetCheck(s, IDC_IP_VORRANG, f.vorrang);
            p.SetCheck(s, IDC_IP_UEBERNAHME_EK1, f.vorrang);
            ASSERT_FALSE(Laufen(p, s));
            EXPECT_GT(g_Kontext->AktuelleArtikelNummer, 0);
            TEXDEFS_LongToKommaString(f.ek1, text, sizeof text);
            EXPECT_EQ(text, p.Text(s, IDC_IP_EK1)) << (f.vorrang ? "catalogue first" : "the article's own price");
            /* the EK1 edit is pink while it differs from the catalogue */
            EXPECT_EQ(f.vorrang ? 1 : 0, g_Kontext->DialogWerte.GleichEk1);
        }
        Beenden(p, w);
    });
}
