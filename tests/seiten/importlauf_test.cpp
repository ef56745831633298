/*
 * Import runs a person can always finish, into the right article: the
 * "Importieren" page driven as a person would against the stand-in store,
 * at the rows where a run used to stand for ever or write into the wrong
 * article.
 */
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "seiten/import_hilfen.h"
#include "seiten/importseite_intern.h"

using namespace importtest;

namespace {

/* A catalogue file `datei` of the supplier with the given rows. */
void KatalogAus(ImportHost& h, const std::string& datei, const std::vector<PRICAT_DATEN>& zeilen)
{
    std::string text = edihilfe::PricatKopfzeile(h.lieferant.Iln, ILN_PARTNER, "Lauf");
    for (const PRICAT_DATEN& d : zeilen)
        text += edihilfe::PricatZeile(d);
    edihilfe::Schreiben(h.importOrdner + datei, text);
}

int32_t OXCALL EanSammeln(void* liste, const EANARTIKEL_SATZ* e)
{
    std::string ean(e->Ean, strnlen(e->Ean, sizeof e->Ean));
    if (!ean.empty())
        static_cast<std::set<std::string>*>(liste)->insert(ean);
    return 1;
}

/* The EANs in the EAN list of `artikel`. */
std::set<std::string> EanListe(int32_t artikel)
{
    std::set<std::string> eans;
    EANARTIKEL_LoadArtikelEANs_EX(artikel, &eans, EanSammeln);
    return eans;
}

/* The picker line "code<tab>text" of characteristic (kind, number). */
std::string PickerZeile(int32_t art, int32_t nummer)
{
    MERKMAL_SATZ m{};
    EXPECT_EQ(1, MMLIB_LeseMerkmal(art, nummer, &m));
    return std::string(m.Code, strnlen(m.Code, sizeof m.Code)) + "\t" + std::string(m.Text, strnlen(m.Text, sizeof m.Text));
}

/* Picks `zeile` in the picker that the click on `knopf` opens. */
void Waehlen(Person& p, HWND s, int knopf, const char* titel, const std::string& zeile)
{
    p.Click(s, knopf);
    HWND wahl = p.WaitWindow(titel);
    ASSERT_NE(nullptr, wahl);
    p.PickList(wahl, OXGLOBDLG_AUSWAHL_LISTE, zeile);
    p.Click(wahl, IDOK);
    p.WaitClosed(wahl);
}

/* The article the EAN index names for `ean`, 0 = none. */
int32_t EanArtikel(const char* ean)
{
    int32_t muster = 0;
    return EANDATA_GetArtikelNummer(ean, &muster);
}

/* The learnt article of the row's article keyword. */
int32_t ArtikelDerZeile(ImportHost& h, const PRICAT_DATEN& d)
{
    return Gelernt(h.lieferant.Iln, TextTeil(d.Artikel), 0);
}

}  // namespace

/* A kind the supplier leaves empty, with no standard characteristic for it:
 * the person assigns one at the first row, "Zuweisen" learns it for the
 * empty keyword, and the run goes on to the end instead of standing red. */
TEST(ImportLauf, LeererKatalogbegriffWirdMitDerZuweisungGelernt)
{
    ImportHost h("lauf_leer");
    Merkmal(5, 77, "77", "Leinen");
    std::vector<PRICAT_DATEN> zeilen;
    for (int a = 0; a < 2; a++)
        for (int v = 0; v < 2; v++) {
            PRICAT_DATEN d = h.Zeile(a, 2, v);
            EDI_SETZEN(d, Material, "");
            zeilen.push_back(d);
        }
    KatalogAus(h, "LEER.INH", zeilen);
    bool ende = false;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "LEER.INH", &w);
        ASSERT_NE(nullptr, s);
        for (int stopp = 0; stopp < 8 && !ende; stopp++) {
            ende = Laufen(p, s);
            if (ende)
                break;
            FehlendeAnlegen(p, s);
            if (g_Kontext->DialogWerte.Art[5].Nummer <= 0)
                Waehlen(p, s, IDC_IP_BTN_MATERIAL, OXGLOBDLG_AUSWAHL_MERKMAL, PickerZeile(5, 77));
            EXPECT_EQ(77, g_Kontext->DialogWerte.Art[5].Nummer);
        }
        Beenden(p, w);
    });
    EXPECT_TRUE(ende) << "the run reaches the end";
    EXPECT_EQ(77, Gelernt(h.lieferant.Iln, "", 5)) << "the empty keyword learnt";
    for (int a = 0; a < 2; a++) {
        ARTIKEL_SATZ satz;
        ASSERT_EQ(1, ARTLIB_LeseArtikel(ArtikelDerZeile(h, zeilen[a * 2]), &satz)) << "article " << a;
        EXPECT_EQ("77", std::string(satz.Codes[4], strnlen(satz.Codes[4], sizeof satz.Codes[4]))) << "article " << a;
    }
}

/* A row of a new catalogue article carrying the EAN of an existing one:
 * the person picks another article with "Artikel". The row, its EAN and
 * its article keyword go to the picked article - not to the one shown
 * before, not to a new one - and the EAN leaves the first article's list. */
TEST(ImportLauf, GewaehlterArtikelBekommtZeileEanUndMapping)
{
    ImportHost h("lauf_wahl");
    ASSERT_GT(ErsterImport(h), 0);
    PRICAT_DATEN erster = h.Zeile(0, ERSTE_VARIANTEN, 0);
    int32_t a0 = EanArtikel(erster.Ean);
    int32_t a1 = ArtikelDerZeile(h, h.Zeile(1, ERSTE_VARIANTEN, 0));
    ASSERT_GT(a0, 0);
    ASSERT_GT(a1, 0);
    ASSERT_EQ(1u, EanListe(a0).count(erster.Ean));
    std::vector<int32_t> vorher = Artikelnummern();

    PRICAT_DATEN d = h.Zeile(60, 1, 0);
    EDI_SETZEN(d, Ean, std::string(erster.Ean));
    KatalogAus(h, "WAHL.INH", { d });
    bool ende = false;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "WAHL.INH", &w);
        ASSERT_NE(nullptr, s);
        ASSERT_FALSE(Laufen(p, s)) << "stops at the new article";
        EXPECT_EQ(a0, g_Kontext->AktuelleArtikelNummer) << "found by its EAN";
        Waehlen(p, s, IDC_IP_BTN_ARTIKEL, OXGLOBDLG_AUSWAHL_ARTIKEL, PickerZeile(0, a1));
        ende = Laufausgang(p, IDNO);
        for (int stopp = 0; stopp < 6 && !ende; stopp++) {
            EXPECT_EQ(a1, g_Kontext->AktuelleArtikelNummer) << "the picked article holds for the row";
            FehlendeAnlegen(p, s);
            ende = Laufen(p, s, IDC_IP_ZUWEISEN, IDNO);
        }
        Beenden(p, w);
    });
    EXPECT_TRUE(ende);
    EXPECT_EQ(vorher, Artikelnummern()) << "no new article";
    EXPECT_EQ(a1, EanArtikel(erster.Ean)) << "the EAN names the picked article";
    EXPECT_EQ(a1, ArtikelDerZeile(h, d)) << "the keyword learnt for the picked article";
    EXPECT_EQ(1u, EanListe(a1).count(erster.Ean));
    EXPECT_EQ(0u, EanListe(a0).count(erster.Ean)) << "no EAN stands at two articles";
}

/* "bei_gelb_stoppen" with two kinds whose learnt characteristic differs
 * from the one the host finds for the keyword: the row stops once, and
 * "Zuweisen" passes it. */
TEST(ImportLauf, GelbStopptEinmalAuchBeiZweiGelbenArten)
{
    ImportHost h("lauf_gelb");
    ASSERT_GT(ErsterImport(h), 0);
    PRICAT_DATEN d = h.Zeile(0, ERSTE_VARIANTEN, 0);
    Merkmal(1, 901, "X1", "Anders eins");
    Merkmal(2, 902, "X2", "Anders zwei");
    EDIMapDBA_MakeEDIMAPMem(h.lieferant.Iln);
    const std::pair<int32_t, int32_t> umgelernt[] = { { 1, 901 }, { 2, 902 } };
    for (const auto& [art, nummer] : umgelernt) {
        EDIMAP_SATZ satz{};
        std::string stichwort = TextTeil(art == 1 ? d.Hauptgruppe : d.Warengruppe);
        EDI_SETZEN(satz, Schluesselwort, stichwort);
        satz.Art = art;
        satz.Nummer = nummer;
        MMLIB_LeseMerkmal(art, nummer, &satz.Merkmal);
        EDIMapDBA_EDIMAPEintragenMem(&satz, h.lieferant.Iln, art);
    }
    EDIMapDBA_WriteEDIMAPMem(h.lieferant.Iln);
    EDIMapDBA_FreeEDIMAPMem();
    KatalogAus(h, "GELB.INH", { d });
    int stopps = 0;
    bool ende = false;
    h.Rufen([&](Person& p) {
        Berechnung_PutBeiGelbStoppen(1);
        HWND w = nullptr;
        HWND s = Oeffnen(p, "GELB.INH", &w);
        ASSERT_NE(nullptr, s);
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
        p.SetCheck(s, IDC_IP_VORRANG, true);
        for (; stopps < 5 && !(ende = Laufen(p, s, IDC_IP_ZUWEISEN, IDNO)); stopps++) {
            EXPECT_EQ(STATUS_ABWEICHEND, g_Kontext->DialogWerte.Art[1].Status);
            EXPECT_EQ(STATUS_ABWEICHEND, g_Kontext->DialogWerte.Art[2].Status);
        }
        Beenden(p, w);
    });
    EXPECT_TRUE(ende);
    EXPECT_EQ(1, stopps) << "one stop for the yellow row, then it passes";
}

/* A discontinued row whose EAN names no article, behind a row that was
 * written: the run stands at it showing that row and saying why, nothing
 * pending; "Zuweisen" writes nothing into the article before;
 * "Diesen Artikel überspringen" passes it and ends the run. */
TEST(ImportLauf, AuslaufzeileOhneArtikelSagtWarumUndSchreibtNichtsFremdes)
{
    ImportHost h("lauf_auslauf");
    ASSERT_GT(ErsterImport(h), 0);
    PRICAT_DATEN bekannt = h.Zeile(0, ERSTE_VARIANTEN, 0), fremd = h.Zeile(60, 1, 0);
    EDI_SETZEN(fremd, Nachrichtenfunktion, "AU");
    KatalogAus(h, "AUSLAUF.INH", { bekannt, fremd });
    int32_t a0 = ArtikelDerZeile(h, bekannt);
    ARTIKEL_SATZ vorher;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(a0, &vorher));
    bool ende = false;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "AUSLAUF.INH", &w);
        ASSERT_NE(nullptr, s);
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
        ASSERT_FALSE(Laufen(p, s));
        EXPECT_EQ(1, Zeilenindex());
        EXPECT_EQ("2", p.Text(s, IDC_IP_SATZNR)) << "the page shows the row it stands at";
        EXPECT_EQ(std::string(fremd.Ean), p.Text(s, IDC_IP_GTIN));
        EXPECT_EQ(0, g_Kontext->AktuelleArtikelNummer) << "nothing pending";
        std::string hinweis = p.Text(w, IDC_HW_HINWEIS);
        EXPECT_NE(std::string::npos, hinweis.find(fremd.Ean)) << hinweis;
        EXPECT_NE(std::string::npos, hinweis.find("Diesen Artikel \xfc" "berspringen")) << hinweis;

        EXPECT_FALSE(Laufen(p, s)) << "Zuweisen: the run still stands at the row";
        EXPECT_EQ(1, Zeilenindex());
        ende = Laufen(p, s, IDC_IP_UEBERSPRINGEN, IDNO);
        Beenden(p, w);
    });
    EXPECT_TRUE(ende) << "skipping passes the row";
    EXPECT_EQ(0, ArtikelDerZeile(h, fremd)) << "its keyword is not learnt for the article before";
    ARTIKEL_SATZ nachher;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(a0, &nachher));
    EXPECT_NE('A', nachher.Kennzeichen);
    EXPECT_EQ(0, EanArtikel(fremd.Ean));
}

/* Field 142 of the article record tells of the article's own row: a row
 * without EAN after one with an EAN does not carry the flag over. */
TEST(ImportLauf, EanKennzeichenGehtNichtAufDenNaechstenArtikelUeber)
{
    ImportHost h("lauf_eanflag");
    LIEFERANTEN_SATZ lieferant;
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(h.lieferant.Nummer, &lieferant));
    lieferant.EanPruefung = 1;
    LieferantenDBA_SchreibeRecord(h.lieferant.Nummer, &lieferant);
    PRICAT_DATEN mit = h.Zeile(0, 1, 0), ohne = h.Zeile(1, 1, 0);
    EDI_SETZEN(ohne, Ean, "");
    KatalogAus(h, "FLAG.INH", { mit, ohne });
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "FLAG.INH", &w);
        ASSERT_NE(nullptr, s);
        BisZumEnde(p, s, 10, IDNO);
        Beenden(p, w);
    });
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(ArtikelDerZeile(h, mit), &a));
    EXPECT_EQ(1, a.EanKennzeichen) << "the article of the row with its EAN";
    ASSERT_EQ(1, ARTLIB_LeseArtikel(ArtikelDerZeile(h, ohne), &a));
    EXPECT_EQ(0, a.EanKennzeichen) << "the article of the row without EAN";
}

/* With the vote on, a cancelled assignment dialog does not let the row go
 * on without a word: the run stands at the row and says what "Zuweisen"
 * will do (here: the article the row's article name already names); the
 * dialog is not asked again for that row, and "Zuweisen" does just that. */
TEST(ImportLauf, AbgebrocheneZuweisungHaeltUndSagtWasGeschieht)
{
    ImportHost h("lauf_abstimmung");
    ASSERT_GT(ErsterImport(h), 0);
    Standin_HostDatenInt(h.host, HD_IMPORTSCHALTER, 1);
    PRICAT_DATEN zeile = h.Zeile(0, ERSTE_VARIANTEN, 0);
    int32_t a0 = ArtikelDerZeile(h, zeile);
    KatalogAus(h, "ABST.INH", { zeile });
    std::vector<int32_t> vorher = Artikelnummern();
    size_t waehrend = 0;
    bool ende = false;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "ABST.INH", &w);
        ASSERT_NE(nullptr, s);
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, false);
        p.Click(s, IDC_IP_ZUWEISEN);
        HWND d = p.WaitWindow("EDI-Artikelzuweisung");
        ASSERT_NE(nullptr, d);
        p.Click(d, IDCANCEL);
        p.WaitClosed(d);
        MessageBoxInfo box;
        if (Laufausgang(p, IDNO)) {
            ADD_FAILURE() << "the run went on to the end";
        } else {
            EXPECT_EQ(0, Zeilenindex());
            waehrend = Artikelnummern().size();
            EXPECT_EQ(0, g_Kontext->AktuelleArtikelNummer);
            std::string erwartet = "Artikelzuweisung abgebrochen (\"Artikel\" w\xe4hlt einen bestehenden Artikel). "
                                   "Zuweisen schreibt die Zeile in Artikel " +
                                   TextTeil(zeile.Artikel) + " (Nr. " + std::to_string(a0) + ")";
            EXPECT_EQ(erwartet, p.Text(w, IDC_HW_HINWEIS));
            p.Click(s, IDC_IP_ZUWEISEN);
            EXPECT_TRUE(p.MessageBoxAppears(3000, &box)) << "no second dialog for the row";
            EXPECT_EQ(nullptr, FindWindowA(nullptr, "EDI-Artikelzuweisung"));
            p.Answer(box, IDNO);
            ende = true;
        }
        Beenden(p, w);
    });
    EXPECT_TRUE(ende);
    EXPECT_EQ(vorher.size(), waehrend) << "nothing written while the run stands";
    EXPECT_EQ(vorher, Artikelnummern()) << "Zuweisen wrote into the article the page named";
    EXPECT_EQ(a0, ArtikelDerZeile(h, zeile));
}

namespace {

/* The import records in the import folder, oldest first. */
std::vector<std::string> Protokolle(ImportHost& h)
{
    std::vector<std::string> namen;
    WIN32_FIND_DATAA f;
    HANDLE suche = FindFirstFileA((h.importOrdner + "IMPORTPROTOKOLL_*.TXT").c_str(), &f);
    if (suche == INVALID_HANDLE_VALUE)
        return namen;
    do
        namen.push_back(h.importOrdner + f.cFileName);
    while (FindNextFileA(suche, &f));
    FindClose(suche);
    std::sort(namen.begin(), namen.end());
    return namen;
}

/* The lines of `text` that begin with `anfang`. */
std::vector<std::string> Zeilen(const std::string& text, const std::string& anfang)
{
    std::vector<std::string> zeilen;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find("\r\n", pos);
        if (ende == std::string::npos)
            ende = text.size();
        std::string zeile = text.substr(pos, ende - pos);
        if (zeile.compare(0, anfang.size(), anfang) == 0)
            zeilen.push_back(zeile);
        pos = ende + 2;
    }
    return zeilen;
}

}  // namespace

/* Each catalogue run leaves a dated record in the import folder: what it
 * created, added, registered and changed, and what it passed over; the
 * hint line names the file while the end question is asked. */
TEST(ImportLauf, ImportprotokollSagtWasDerImportGeaendertHat)
{
    ImportHost h("lauf_protokoll");
    ASSERT_GT(ErsterImport(h), 0);
    std::vector<std::string> protokolle = Protokolle(h);
    ASSERT_EQ(1u, protokolle.size()) << "one record for the first run";
    std::string erstes = DateiLesen(protokolle[0]);
    EXPECT_EQ(1u, Zeilen(erstes, "Importprotokoll vom ").size());
    EXPECT_EQ((size_t)ERSTE_ARTIKEL, Zeilen(erstes, "Artikel angelegt: ").size()) << erstes;
    EXPECT_EQ((size_t)(ERSTE_ARTIKEL * ERSTE_VARIANTEN), Zeilen(erstes, "EAN ").size()) << erstes;
    /* every variation adds a size or a colour to its article's table */
    EXPECT_GE(Zeilen(erstes, "Gr\xf6\xdf" "en-/Farbtabelle von Artikel Nr. ").size(), (size_t)ERSTE_VARIANTEN);
    EXPECT_EQ(1u, Zeilen(erstes, "Import zu Ende gef\xfchrt: 12 Zeilen").size()) << erstes;
    EXPECT_EQ(1u, Zeilen(erstes, "Summe: 3 Artikel angelegt, 0 korrigiert, ").size()) << erstes;

    /* The next catalogue: article 0 at a new EK1 taken over, article 1
     * passed over with "Diesen Artikel überspringen". */
    PRICAT_DATEN teurer = h.Zeile(0, ERSTE_VARIANTEN, 0);
    int32_t alt = atoi(teurer.Preis1);
    EDI_SETZEN(teurer, Preis1, std::to_string(alt + 1000));
    KatalogAus(h, "ZWEITER.INH", { teurer, h.Zeile(1, ERSTE_VARIANTEN, 0), h.Zeile(1, ERSTE_VARIANTEN, 1) });
    int32_t a0 = ArtikelDerZeile(h, teurer);
    std::string hinweis;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "ZWEITER.INH", &w);
        ASSERT_NE(nullptr, s);
        p.SetCheck(s, IDC_IP_STOP_WECHSEL, true);
        p.SetCheck(s, IDC_IP_VORRANG, true);
        p.SetCheck(s, IDC_IP_UEBERNAHME_EK1, true);
        ASSERT_FALSE(Laufen(p, s));
        ASSERT_FALSE(Laufen(p, s));
        EXPECT_EQ(1, Zeilenindex());
        p.Click(s, IDC_IP_UEBERSPRINGEN);
        MessageBoxInfo box;
        ASSERT_TRUE(p.MessageBoxAppears(3000, &box));
        hinweis = p.Text(w, IDC_HW_HINWEIS);
        p.Answer(box, IDNO);
        p.WaitClosed(box.fenster);
        Beenden(p, w);
    });
    protokolle = Protokolle(h);
    ASSERT_EQ(2u, protokolle.size()) << "one record per run";
    EXPECT_EQ("Importprotokoll: " + protokolle[1], hinweis);
    std::string zweites = DateiLesen(protokolle[1]);
    char vorher[16], nachher[16];
    TEXDEFS_LongToKommaString(alt, vorher, sizeof vorher);
    TEXDEFS_LongToKommaString(alt + 1000, nachher, sizeof nachher);
    EXPECT_EQ(1u, Zeilen(zweites, "Preis ge\xe4ndert: Artikel Nr. " + std::to_string(a0) + ", EK1 " + vorher + " -> " +
                                      nachher)
                      .size())
        << zweites;
    EXPECT_EQ(1u, Zeilen(zweites, "Artikel korrigiert: ").size()) << zweites;
    EXPECT_EQ(0u, Zeilen(zweites, "Artikel angelegt: ").size()) << zweites;
    EXPECT_EQ(1u, Zeilen(zweites, "Zeile 2 \xfc" "bergangen: Artikel \xfc" "bersprungen").size()) << zweites;
    EXPECT_EQ(1u, Zeilen(zweites, "Zeile 3 \xfc" "bergangen: Artikel \xfc" "bersprungen").size()) << zweites;
}
