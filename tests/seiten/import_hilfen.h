/*
 * import_hilfen.h - a host with one supplier of the data generator's model
 * and its catalogues, and the steps a person takes to reach and run the
 * "Importieren" page.
 */
#ifndef OX_TEST_IMPORT_HILFEN_H
#define OX_TEST_IMPORT_HILFEN_H

#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "kontext/einstellungen.h"
#include "oxgen.h"
#include "resources/resource.h"
#include "DBADLL/dbadll_host.h"


namespace importtest {

using namespace seiten;

/* The host with supplier 5 of the model for seed 7 (record, ILN, its
 * characteristic of kind 8). */
struct ImportHost : Host {
    GEN_LIEFERANT lieferant{};

    explicit ImportHost(const std::string& name) : Host(name, false)
    {
        GenLieferant(7, 5, &lieferant);
        LIEFERANTEN_SATZ s;
        GenLieferantenSatz(&lieferant, &s);
        LieferantenDBA_SchreibeRecord(lieferant.Nummer, &s);
        Merkmal(8, lieferant.Nummer, lieferant.Kuerzel, lieferant.KurzName);
        /* Catalogues name no branch: the branch comes from the standard
         * characteristic, as the "Standard" page sets it. */
        Merkmal(9, 1, "1", "Zentrale");
        StandardMerkmal_PutGenerell(9, 1);
    }

    /* A catalogue `datei` of `artikel` articles x `varianten` from article
     * `erster` on, fields as "code@text". Returns its path. */
    std::string Katalog(const std::string& datei, int artikel, int varianten, int erster = 0)
    {
        GEN_KATALOG k;
        k.Pfad = importOrdner + datei;
        k.Saat = 7;
        k.Lieferant = lieferant.Nummer;
        k.Artikel = artikel;
        k.Varianten = varianten;
        k.ErsterArtikel = erster;
        k.AuslaufProzent = 0;
        k.MitNummern = true;
        k.Adresse = false;
        GEN_KATALOG_ERGEBNIS e;
        EXPECT_EQ(1, GenKatalogSchreiben(&k, &e));
        return k.Pfad;
    }

    /* The generator's article `index` with `varianten` variations. */
    GEN_ARTIKEL Artikel(int index, int varianten) const
    {
        GEN_ARTIKEL a;
        GenArtikel(7, &lieferant, index, varianten, 0, &a);
        return a;
    }

    /* The catalogue record of variation `v` of article `index`. */
    PRICAT_DATEN Zeile(int index, int varianten, int v) const
    {
        GEN_ARTIKEL a = Artikel(index, varianten);
        PRICAT_DATEN d;
        GenPricatDaten(&lieferant, &a, v, true, &d);
        return d;
    }
};

/* Chooses `datei` on "Auswahl", reads it on "Filter" and enters
 * "Importieren"; returns that page. */
inline HWND ImportSeite(Person& p, HWND w, const std::string& datei)
{
    HWND auswahl = Seite(w, "Auswahl");
    p.SelectTab(w, IDC_HW_TAB, 0);
    p.Click(auswahl, IDC_AW_ALLE);
    p.ListViewClick(auswahl, IDC_AW_LISTE, p.ListViewFind(auswahl, IDC_AW_LISTE, 4, datei));
    p.SelectTab(w, IDC_HW_TAB, 1);
    p.SelectTab(w, IDC_HW_TAB, 3);
    return Seite(w, "Importieren");
}

/* Waits for the import window and enters its import page with `datei`;
 * the window into *fenster. Null when either is missing. */
inline HWND Oeffnen(Person& p, const std::string& datei, HWND* fenster)
{
    *fenster = p.WaitWindow("EDI Import");
    return *fenster != nullptr ? ImportSeite(p, *fenster, datei) : nullptr;
}

/* How the run the person's last action set going came out: true when it
 * ended and asked whether the file goes to the backup folder (answered
 * with `antwort`), false when it stands at a row. The action returns once
 * the window has handled it; then the run has either stopped at a row,
 * keeping the reason it stopped for, or reached the end, which leaves no
 * reason and asks (a call already over counts as standing). */
inline bool Laufausgang(Person& p, int antwort = IDYES)
{
    MessageBoxInfo box;
    auto steht = [] {
        const EDI_KONTEXT* k = g_Kontext;
        return k == nullptr || k->ImportLauf.StopGrund != 0;
    };
    if (!p.WaitMessageBoxOr(steht, &box))
        return false;
    EXPECT_EQ("ORDANEX", box.caption);
    EXPECT_EQ("Importierte PRICAT-Datei in das Sicherungsverzeichnis verschieben (J/N)?", box.text);
    p.Answer(box, antwort);
    p.WaitClosed(box.fenster);
    return true;
}

/* Presses `knopf` (a run command); see Laufausgang. */
inline bool Laufen(Person& p, HWND s, int knopf = IDC_IP_ZUWEISEN, int antwort = IDYES)
{
    p.Click(s, knopf);
    return Laufausgang(p, antwort);
}

/* The current row's 0-based index, -1 = none. */
inline int Zeilenindex()
{
    const PRICAT_SATZ* z = g_Kontext->AktuelleZeile;
    return z == nullptr ? -1 : z->SatzNummer;
}

/* What a person does at a row with red kinds: every kind that has no
 * characteristic yet is created with its create button (the host's dialog
 * is confirmed, filled with the catalogue's key and text where it comes
 * empty). */
inline void FehlendeAnlegen(Person& p, HWND s)
{
    static const int32_t arten[] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    static const int knoepfe[] = { IDC_IP_NEU_HG, IDC_IP_NEU_WG, IDC_IP_NEU_SERIE, IDC_IP_NEU_LABEL,
                                   IDC_IP_NEU_MATERIAL, IDC_IP_NEU_FARBE, IDC_IP_NEU_GROESSE, IDC_IP_NEU_SAISON };
    for (int i = 0; i < 8; i++) {
        int32_t art = arten[i];
        const EDI_KONTEXT& st = *g_Kontext;
        if (st.DialogWerte.Art[art].Nummer > 0 || st.EdiWerte.Art[art].Text[0] == '\0')
            continue;
        std::string schluessel = st.EdiWerte.Art[art].Schluessel, text = st.EdiWerte.Art[art].Text;
        /* The colour rule enables the button when the page is painted. */
        for (int t = 0; t < 1000 && !p.IsEnabled(s, knoepfe[i]); t++)
            Sleep(10);
        p.Click(s, knoepfe[i]);
        HWND d = nullptr;
        if (art == 3 || art == 4 || art == 7 || art == 11) {
            d = p.WaitWindow(STANDIN_NEU_TITEL);
            if (d == nullptr)
                return;
            if (p.Text(d, STANDIN_NEU_CODE).empty()) {
                p.SetText(d, STANDIN_NEU_CODE, schluessel);
                p.SetText(d, STANDIN_NEU_TEXT, text);
            }
            p.Click(d, IDOK);
            p.WaitClosed(d);
        }
        EXPECT_GT(g_Kontext->DialogWerte.Art[art].Nummer, 0) << "kind " << art << " " << schluessel << "@" << text;
    }
}

/* Creates what is missing and presses "Zuweisen" until the run ends
 * (at most `runden` times). Returns the number of stops. */
inline int BisZumEnde(Person& p, HWND s, int runden = 200, int antwort = IDYES)
{
    for (int stopps = 0; stopps < runden; stopps++) {
        if (stopps > 0)
            FehlendeAnlegen(p, s);
        if (Laufen(p, s, IDC_IP_ZUWEISEN, antwort))
            return stopps;
    }
    ADD_FAILURE() << "the run did not end";
    return runden;
}

/* Every article number of the store. */
inline std::vector<int32_t> Artikelnummern()
{
    std::vector<int32_t> nummern;
    ARTIKEL_SATZ a;
    for (int32_t n = ARTLIB_NaechsterArtikel(0, &a); n > 0; n = ARTLIB_NaechsterArtikel(n, &a))
        nummern.push_back(n);
    return nummern;
}

/* The learnt characteristic of (supplier ILN, keyword text, kind) in the
 * store, 0 = none. */
inline int32_t Gelernt(const char* iln, const std::string& stichwort, int32_t art)
{
    EDIMapDBA_MakeEDIMAPMem(iln);
    EDIMAP_SATZ satz{};
    int32_t r = EDIMapDBA_SuchEDIMAPMem(&satz, iln, stichwort.c_str(), art) > 0 ? satz.Nummer : 0;
    EDIMapDBA_FreeEDIMAPMem();
    return r;
}

/* The shown text of a "code@text" field. */
inline std::string TextTeil(const char* feld)
{
    std::string f(feld);
    size_t at = f.find('@');
    return at == std::string::npos ? f : f.substr(at + 1);
}

constexpr int ERSTE_ARTIKEL = 3;
constexpr int ERSTE_VARIANTEN = 4;

/* Leaves the window; the item changes offered then are not carried out. */
inline void Beenden(Person& p, HWND w)
{
    p.Click(w, IDC_HW_BEENDEN);
    for (int i = 0; i < 200 && IsWindow(w) && IsWindowVisible(w); i++) {
        for (HWND h : VisibleWindows(p.UiThread())) {
            if (p.WindowText(h) == "Einzelteil\xe4nderungen und Etiketten") {
                p.SetCheck(h, IDC_EA_DURCHFUEHREN, false);
                p.Click(h, IDOK);
            }
        }
        Sleep(25);
    }
}

/* The first import of the test catalogue "NEU.INH" (ERSTE_ARTIKEL articles
 * x ERSTE_VARIANTEN), all stops answered by
 * creating what is missing. Returns the number of stops. */
inline int ErsterImport(ImportHost& h, int antwort = IDYES)
{
    h.Katalog("NEU.INH", ERSTE_ARTIKEL, ERSTE_VARIANTEN);
    int stopps = -1;
    h.Rufen([&](Person& p) {
        HWND w = nullptr;
        HWND s = Oeffnen(p, "NEU.INH", &w);
        ASSERT_NE(nullptr, s);
        stopps = BisZumEnde(p, s, 200, antwort);
        Beenden(p, w);
    });
    return stopps;
}

}  // namespace importtest

#endif
