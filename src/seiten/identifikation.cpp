/*
 * identifikation.cpp - which ORDANEX article a catalogue row belongs to,
 * and what of the catalogue goes into the pending article.
 *
 * Up to four sources propose an article (the row's EAN, the learnt mapping
 * of the article keyword, the article number on the page, the catalogue's
 * article number); each proposal must name an article of the catalogue's
 * supplier. The catalogue's values are taken whole for a new article (or
 * when "EDI-Daten haben Vorrang" is set: the EDI rule); an existing
 * article keeps its own values where it has them (the article rule).
 */
#include "seiten/importseite_intern.h"

#include "engine/engine.h"
#include "kontext/einstellungen.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "partner/partner.h"

#include <string.h>

enum { ARTIKEL_HOECHSTE = 256000 };

static int TexteGleich(const char* a, const char* b, size_t groesse)
{
    return strncmp(a, b, groesse) == 0;
}

/* The candidate check: the proposal must name the supplier and the
 * article text, and the article must be readable and of that supplier. */
static int KandidatPrueft(int32_t nummer, const MERKMAL_SATZ* satz, const char* lieferant, const char* artikel)
{
    const EDI_KONTEXT* k = g_Kontext;
    const IMPORT_LAUF& l = k->ImportLauf;
    if (nummer < 1)
        return 0;
    int frei = l.StopGrund == 0 && l.ArtikelGewechselt && !l.ArtikelGefunden;
    int lieferantGleich = lieferant[0] != '\0' && (frei || TexteGleich(lieferant, satz->Code, sizeof satz->Code));
    int artikelGleich = artikel[0] != '\0' && (frei || TexteGleich(artikel, satz->Text, sizeof satz->Text));
    if (!lieferantGleich || !artikelGleich || k->ArtikelHandle <= 0)
        return 0;
    ARTIKEL_SATZ a;
    memset(&a, 0, sizeof a);
    if (ARTLIB_ReadArtikel(k->ArtikelHandle, nummer, &a) != 1)
        return 0;
    if (!TexteGleich(a.Codes[ArtikelCodeIndex(8)], lieferant, OX_TXT_CODE))
        return 0;
    static const int32_t leer[9] = {};
    return memcmp(&a, leer, sizeof leer) != 0;
}

/* The host record of candidate `nummer` into `satz` (zero outside the
 * host's number range), then the check; the number or 0. */
static int32_t Kandidat(int32_t nummer, unsigned char satzFeld[54], const char* artikel)
{
    EDI_KONTEXT* k = g_Kontext;
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (nummer >= 1 && nummer <= ARTIKEL_HOECHSTE && k->HostFunktion15 != nullptr)
        k->HostFunktion15(0, nummer, &satz);
    memcpy(satzFeld, &satz, sizeof satz);
    return KandidatPrueft(nummer, &satz, k->LieferantNummerText, artikel) ? nummer : 0;
}

int32_t ArtikelIdentifizieren(HWND seite, int32_t* gewaehlt, PRICAT_SATZ* zeile)
{
    (void)seite;
    EDI_KONTEXT* k = g_Kontext;
        KANDIDATEN_BLOCK& b = k->ImportLauf.Kandidaten;
    const PRICAT_DATEN& d = zeile->PricatDaten;
    memset(&b, 0, sizeof b);
    TextKopieren(b.Gtin, sizeof b.Gtin, d.Ean);
    TextKopieren(b.Gln, sizeof b.Gln, d.LieferantenIln);
    TextKopieren(b.LieferantNummerText, sizeof b.LieferantNummerText, k->LieferantNummerText);
    TextKopieren(b.Artikel, sizeof b.Artikel, d.Artikel);
    const char* katalogArtikel = k->EdiWerte.Art[0].Text;
    int32_t ergebnis = 0;
    /* An article the person picked for this row holds for it: the EAN and
     * the learnt mapping are not asked again when the row is taken up
     * once more. */
    const IMPORT_LAUF& l = k->ImportLauf;
    int gewaehltHier = (gewaehlt != nullptr && *gewaehlt != 0) || (l.GewaehltFuer == zeile && l.GewaehlterArtikel > 0);
    if (gewaehltHier)
        ArtikelPerEanSetzen(0);
    if (!gewaehltHier) {
        int32_t muster = 0;
        int32_t ean = EANDATA_GetArtikelNummer(b.Gtin, &muster);
        if (ean >= 1)
            ArtikelPerEanSetzen(1);
        b.GtinArtikel = Kandidat(ean, b.GtinKandidat, katalogArtikel);
        ergebnis = b.GtinArtikel;
        b.MappingArtikel = Kandidat(GelerntesMerkmal(katalogArtikel, 0), b.MappingKandidat, katalogArtikel);
        if (ergebnis == 0)
            ergebnis = b.MappingArtikel;
    }
    if (gewaehlt != nullptr)
        *gewaehlt = 0;
    char name[DBA_ARTIKELNAME];
    ArtikelnameBilden(name, sizeof name, k->DialogWerte.Art[0].Bezeichnung);
    int32_t pending = k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
    b.DialogArtikel = Kandidat(pending, b.DialogKandidat, k->DialogWerte.Art[0].Bezeichnung);
    if (ergebnis == 0)
        ergebnis = b.DialogArtikel;
    if (ergebnis < 1) {
        ArtikelnameBilden(name, sizeof name, katalogArtikel);
        int32_t katalog = k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
        b.KatalogArtikel = Kandidat(katalog, b.KatalogKandidat, katalogArtikel);
    }
    return ergebnis;
}

int32_t ArtikelAbstimmen(HWND seite, int32_t nummer)
{
    KANDIDATEN_BLOCK& b = g_Kontext->ImportLauf.Kandidaten;
    const int32_t kandidaten[4] = { b.GtinArtikel, b.KatalogArtikel, b.MappingArtikel, b.DialogArtikel };
    int32_t nummern[4] = {};
    int zahl[4] = {};
    int verschieden = 0;
    b.VorgeschlagenerArtikel = nummer;
    for (int32_t kandidat : kandidaten) {
        if (kandidat < 1) {
            b.AnzahlLeere++;
            continue;
        }
        int i = 0;
        while (i < verschieden && nummern[i] != kandidat)
            i++;
        if (i == verschieden)
            nummern[verschieden++] = kandidat;
        zahl[i]++;
        b.VorgeschlagenerArtikel = kandidat;
    }
    int bester = -1;
    for (int i = 0; i < verschieden; i++)
        if (bester < 0 || zahl[i] > zahl[bester])
            bester = i;
    if (bester >= 0 && zahl[bester] >= 3)
        return nummern[bester];
    g_Kontext->ImportLauf.AbstimmungGefragt = 1;
    KatalogAnzeigeNachholen(seite);
    return KTOXEDIARTDIALOG_Dialog(seite, &b);
}

/* ---- the pending article ------------------------------------------------ */

void ArtSetzen(int32_t art, const char* code, int32_t nummer)
{
    EDI_KONTEXT* k = g_Kontext;
    DIALOG_WERTE& d = k->DialogWerte;
    if (art < 0 || art >= SEITE_ARTEN)
        return;
    if (nummer == 0 && k->HostFunktion02 != nullptr && code != nullptr && code[0] != '\0')
        nummer = k->HostFunktion02(art, code);
    if (nummer < 0)
        nummer = 0;
    d.Art[art].Nummer = nummer;
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (nummer > 0 && k->HostFunktion15 != nullptr && k->HostFunktion15(art, nummer, &satz) == 1) {
        TextKopieren(d.Art[art].Code, SEITE_CODE, satz.Code);
        TextKopieren(d.Art[art].Bezeichnung, SEITE_BEZEICHNUNG, satz.Text);
    }
    d.Art[art].Status = STATUS_OFFEN;
}

void ArtikelLaden(int32_t nummer)
{
    EDI_KONTEXT* k = g_Kontext;
        DIALOG_WERTE& d = k->DialogWerte;
    if (!k->ImportLauf.ArtikelGewechselt && !(nummer > 0 && nummer != k->ImportLauf.ZuletztGeladen))
        return;
    memset(&d, 0, sizeof d);
    d.Mwst = 2;
    if (nummer <= 0)
        return;
    k->ImportLauf.ZuletztGeladen = nummer;
    ARTIKEL_SATZ& a = d.Artikel;
    if (k->ArtikelHandle <= 0 || ARTLIB_ReadArtikel(k->ArtikelHandle, nummer, &a) != 1) {
        memset(&a, 0, sizeof a);
        return;
    }
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(0, nummer, &satz) == 1) {
        TextKopieren(d.Art[0].Code, SEITE_CODE, satz.Code);
        TextKopieren(d.Art[0].Bezeichnung, SEITE_BEZEICHNUNG, satz.Text);
    }
    d.Art[0].Nummer = nummer;
    d.Art[0].Status = STATUS_OFFEN;
    if (k->HostFunktion04 != nullptr && k->HostFunktion04(nummer, &d.Tabelle, nullptr) != 0 &&
        TAB_TesteAufGueltigeTabelle(&d.Tabelle) == 1) {
        memcpy(&d.TabelleSicherung, &d.Tabelle, sizeof d.Tabelle);
        d.TabelleGueltig = 1;
    }
    int32_t fehler = 1;
    d.SerienNummer = OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(&a, &fehler);
    if (fehler == 0 && d.SerienNummer > 0)
        SerieLesen(d.SerienNummer);
    static const int32_t arten[] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    for (int32_t art : arten) {
        char code[SEITE_CODE] = "";
        TextKopieren(code, sizeof code, a.Codes[ArtikelCodeIndex(art)]);
        ArtSetzen(art, code, 0);
    }
    ArtSetzen(9, "", a.Filiale > 0 ? a.Filiale : 0);
    d.Kennung = a.Kennzeichen;
    d.Standard = a.Standard;
    TextKopieren(d.Zusatztext, sizeof d.Zusatztext, a.Zusatztext);
    if (d.TabelleGueltig)
        FarbTextDerNummer(&d.Tabelle, d.Art[6].Nummer, d.Farbtext, sizeof d.Farbtext);
    d.Ek1 = d.VorschlagEk1 = a.Ek1;
    d.Ek2 = d.VorschlagEk2 = a.Ek2;
    d.Vk1 = d.VorschlagVk1 = a.Vk1;
    d.Vk2 = d.VorschlagVk2 = a.Vk2;
    d.Mwst = a.MwstSatz;
}

/* Resolving a kind: by the catalogue (full rule) or by the article's own
 * description (`eigene` 1). 0 = nothing found. */
static int32_t ArtAufloesen(int32_t art, int eigene)
{
    EDI_KONTEXT* k = g_Kontext;
        const EDI_WERTE& e = k->EdiWerte;
    int32_t nummer = 0;
    if (!eigene && k->AktuelleZeile != nullptr) {
        nummer = GelerntesMerkmal(e.Art[art].Text, art);
        if (art == 0 && nummer > 0) {
            MERKMAL_SATZ satz;
            memset(&satz, 0, sizeof satz);
            if (k->HostFunktion15 == nullptr || k->HostFunktion15(0, nummer, &satz) != 1 || satz.Code[0] == '\0' ||
                satz.Text[0] == '\0')
                nummer = 0;
        }
    }
    if (nummer < 1) {
        char text[SEITE_EDI_TEXT] = "";
        TextKopieren(text, sizeof text, eigene ? k->DialogWerte.Art[art].Bezeichnung : e.Art[art].Text);
        if (eigene) {
            size_t n = strlen(text);
            while (n > 0 && text[n - 1] == ' ')
                text[--n] = '\0';
            size_t v = 0;
            while (text[v] == ' ')
                v++;
            memmove(text, text + v, n - v + 1);
        }
        if (art == 0) {
            char name[DBA_ARTIKELNAME];
            ArtikelnameBilden(name, sizeof name, text);
            nummer = k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
        } else if (k->HostFunktion20 != nullptr) {
            nummer = k->HostFunktion20(art, text);
        }
    }
    if (nummer < 1 && !eigene && k->HostFunktion02 != nullptr && e.Art[art].Schluessel[0] != '\0')
        nummer = k->HostFunktion02(art, e.Art[art].Schluessel);
    if (nummer < 1 && e.Art[art].Text[0] == '\0')
        nummer = k->ImportLauf.Standard[art];
    return nummer > 0 ? nummer : 0;
}

/* The catalogue's price `edi` over `pending` when `nehmen`; `ersatz` for a
 * resulting 0 (0 = none). The agreement flag is cleared when taken. */
static void PreisNehmen(int32_t* pending, int32_t edi, int nehmen, int32_t ersatz, int32_t* gleich)
{
    if (!nehmen)
        return;
    *pending = edi;
    if (*pending == 0 && ersatz != 0)
        *pending = ersatz;
    *gleich = 0;
}

void KatalogwerteUebernehmen(PRICAT_SATZ* zeile, int32_t nummer, int32_t modus)
{
    EDI_KONTEXT* k = g_Kontext;
        DIALOG_WERTE& d = k->DialogWerte;
    const EDI_WERTE& e = k->EdiWerte;
    (void)zeile;
    if (k->ImportLauf.Aenderungen & IMPORT_AENDERUNG)
        return;
    int vorrang = k->ExternAutomapping != 0;
    int ediRegel = nummer == 0 || vorrang;
    /* The run empties the work table for every row; the table kinds are
     * those of the article's table as it was loaded. */
    int32_t senkrecht = d.TabelleGueltig ? d.TabelleSicherung.MerkmalSenkrecht : -1;
    int32_t waagrecht = d.TabelleGueltig ? d.TabelleSicherung.MerkmalWaagrecht : -1;
    static const int32_t arten[] = { 0, 1, 2, 3, 4, 5, 6, 7, 9, 11 };
    for (int32_t art : arten) {
        int eigene = !ediRegel && art != senkrecht && art != waagrecht;
        int32_t gefunden = ArtAufloesen(art, eigene);
        if (gefunden > 0) {
            ArtSetzen(art, nullptr, gefunden);
            continue;
        }
        d.Art[art].Nummer = 0;
        d.Art[art].Status = STATUS_OFFEN;
        if (ediRegel) {
            TextKopieren(d.Art[art].Code, SEITE_CODE, art == 0 ? k->LieferantNummerText : e.Art[art].Schluessel);
            TextKopieren(d.Art[art].Bezeichnung, SEITE_BEZEICHNUNG, e.Art[art].Text);
        }
    }
    if (ediRegel) {
        if (e.Art[0].HatSchluessel == 1) {
            if (ArtikelkennzeichenAkzeptiert(e.Art[0].Schluessel[0]))
                d.Kennung = e.Art[0].Schluessel[0];
            d.Standard = e.Art[0].Schluessel[1] == '1' ? 1 : 0;
        }
        TextKopieren(d.Zusatztext, sizeof d.Zusatztext, e.Zusatztext);
        TextKopieren(d.Farbtext, sizeof d.Farbtext, e.Farbtext);
        d.GleichZusatztext = d.GleichFarbe = 0;
        int ek1 = vorrang && k->PreisanpassungEk1, ek2 = vorrang && k->PreisanpassungEk2;
        int vk1 = vorrang && k->PreisanpassungVk1, vk2 = vorrang && k->PreisanpassungVk2;
        PreisNehmen(&d.Ek1, e.Ek1, d.Ek1 == 0 || (ek1 && e.Ek1 != 0), 100, &d.GleichEk1);
        PreisNehmen(&d.Ek2, e.Ek2, d.Ek2 == 0 || ek2, 0, &d.GleichEk2);
        PreisNehmen(&d.Vk1, e.Vk1, d.Vk1 == 0 || (vk1 && e.Vk1 != 0), 200, &d.GleichVk1);
        PreisNehmen(&d.Vk2, e.Vk2, d.Vk2 == 0 || vk2, 0, &d.GleichVk2);
    } else {
        if (d.Kennung == '\0' && e.Art[0].HatSchluessel == 1 && ArtikelkennzeichenAkzeptiert(e.Art[0].Schluessel[0]))
            d.Kennung = e.Art[0].Schluessel[0];
        if (d.Zusatztext[0] == '\0')
            TextKopieren(d.Zusatztext, sizeof d.Zusatztext, e.Zusatztext);
        if (d.Farbtext[0] == '\0' || senkrecht == 6 || waagrecht == 6)
            TextKopieren(d.Farbtext, sizeof d.Farbtext, e.Farbtext);
        PreisNehmen(&d.Ek1, e.Ek1, d.Ek1 == 0, 100, &d.GleichEk1);
        PreisNehmen(&d.Ek2, e.Ek2, d.Ek2 == 0, 0, &d.GleichEk2);
        PreisNehmen(&d.Vk1, e.Vk1, d.Vk1 == 0, 200, &d.GleichVk1);
        PreisNehmen(&d.Vk2, e.Vk2, d.Vk2 == 0, 0, &d.GleichVk2);
    }
    if (k->Vk2AusVk1 == 1 && e.Vk2 == 0 && k->PreisanpassungVk2 && vorrang)
        d.Vk2 = e.Vk1;
    if (d.GleichMwst != 1 && !(!ediRegel && modus == LAUF_WEITER)) {
        if (e.Mwst != d.Mwst && vorrang && e.Mwst >= 0)
            d.Mwst = e.Mwst;
        int untergrenze = ediRegel ? 1 : 0;
        if (d.Mwst < untergrenze || d.Mwst > 5)
            d.Mwst = 2;
    }
}
