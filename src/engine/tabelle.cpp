/*
 * tabelle.cpp - the size/colour table of the current article: built from
 * the rows of a catalogue article, from a branch preset or a series table,
 * stored through the host, and the marks the host keeps on tables that an
 * import is changing.
 */
#include "engine/engine.h"
#include "engine/protokoll.h"

#include <math.h>
#include <string.h>

#include "kontext/einstellungen.h"
#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxtexdefs.h"
#include "pricechange/aenderungssatz.h"
#include "resources/resource.h"

namespace {

/* Preset codes of HostFunktion07. */
const int32_t kVorgabeWaagrecht = 4101;
const int32_t kVorgabeSenkrecht = 4102;
const int32_t kVorgabeAchsen = 4103;

const int32_t kArtFarbe = 6;
const int32_t kArtFiliale = 9;

/* The price block with a seventh price of 0, as the change record takes it. */
void PreiseAufzeichnen(const TAB_PREISE* p)
{
    if (p == nullptr)
        return;
    int32_t sieben[7] = { p->Ek1, p->Ek2, p->Ek1Umgerechnet, p->Vk1, p->Vk2, p->Vk1Umgerechnet, 0 };
    AenderungVorbereiten(0, sieben, nullptr, nullptr);
}

bool FarbeGleich(const OXTABELLE* t, int32_t index, const char* text)
{
    char vorhanden[TAB_FARBTEXT];
    TAB_GetWaagrechtFarbText(t, index, vorhanden);
    return strcmp(vorhanden, text != nullptr ? text : "") == 0;
}

/* A colour entry is the same only with the same text. The library keeps
 * one colour text per entry index; a colour axis uses the text at its
 * entry's index on either axis. */
int32_t EintragSuchen(const OXTABELLE* t, int senkrecht, int32_t art, int32_t nummer, const char* text)
{
    const int32_t* liste = senkrecht ? t->Senkrecht : t->Waagrecht;
    int32_t kapazitaet = senkrecht ? TAB_MAX_SENKRECHT : TAB_MAX_WAAGRECHT;
    for (int32_t i = 0; i < kapazitaet; i++) {
        if (liste[i] == 0 || liste[i] != nummer)
            continue;
        if (art == kArtFarbe && !FarbeGleich(t, i, text))
            continue;
        return i;
    }
    return -1;
}

void TabelleGeaendert(OXTABELLE* t)
{
    t->Geaendert = 1;
}

/* The scratch table of reads that must not touch the work table. */
OXTABELLE* LadeTabelle(void)
{
    return &g_Kontext->LadeTabelle;
}

int32_t Vorgabe(OXTABELLE* t, int32_t code)
{
    EDI_KONTEXT* k = g_Kontext;
    k->VorgabeErfolg = k->HostFunktion07 != nullptr && k->HostFunktion07(t, code) == 1 ? 1 : 0;
    return k->VorgabeErfolg;
}

bool Pruefen(const OXTABELLE* t)
{
    return SeiteTabellePruefen(t, 0) == 1;
}

int32_t AuftragsAenderungAus(void)
{
    if (!g_Kontext->EngineEinstellungenGelesen)
        EngineEinstellungenLesen();
    return g_Kontext->KeineAuftragsaenderung;
}

/* The empty table of a new article, or the host's branch preset for an
 * axis of kind Filiale. */
void LeereTabelleAnlegen(int32_t vArt, int32_t hArt)
{
    EDI_KONTEXT* k = g_Kontext;
    OXTABELLE* arbeit = &k->DialogWerte.Tabelle;
    OXTABELLE* vorgabe = &k->VorgabeTabelle;
    TAB_ClearTabelle(arbeit, 0);
    TAB_ClearTabelle(vorgabe, 0);
    arbeit->MerkmalSenkrecht = vArt;
    arbeit->MerkmalWaagrecht = hArt;
    arbeit->Kopf = TAB_KOPF_LEER;

    Vorgabe(vorgabe, kVorgabeAchsen);
    int32_t vorgabeSenkrecht = TAB_MerkmalSenkrecht(vorgabe);
    int32_t vorgabeWaagrecht = TAB_MerkmalWaagrecht(vorgabe);
    TAB_ClearTabelle(vorgabe, 0);
    int32_t letzte = 0;
    bool angefragt = false;
    if (vArt == kArtFiliale && vorgabeSenkrecht == kArtFiliale) {
        letzte = Vorgabe(vorgabe, kVorgabeSenkrecht);
        vorgabe->MerkmalWaagrecht = hArt;
        angefragt = true;
    }
    if (hArt == kArtFiliale && vorgabeWaagrecht == kArtFiliale) {
        letzte = Vorgabe(vorgabe, kVorgabeWaagrecht);
        vorgabe->MerkmalSenkrecht = vArt;
        angefragt = true;
    }
    if (angefragt && letzte == 1)
        memcpy(arbeit, vorgabe, sizeof *arbeit);
}

} // namespace

void EngineEinstellungenLesen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    k->KeineAuftragsaenderung = Berechnung_GetKeineAuftragsaenderung();
    k->EdiFarbtexte = Berechnung_GetEdiFarbtexte();
    k->EngineEinstellungenGelesen = 1;
}

int32_t PreisUmrechnen(int32_t preis, float faktor)
{
    if (!(faktor > 0.0f) || !isfinite(faktor))
        return 0;
    double wert = (static_cast<double>(preis) / 100.0 / static_cast<double>(faktor) + 0.005) * 100.0;
    if (!(wert > -2147483648.0 && wert < 2147483648.0))
        return 0;
    return static_cast<int32_t>(wert);
}

void PreisBlockVonSeite(TAB_PREISE* preise)
{
    if (preise == nullptr)
        return;
    float faktor;
    memcpy(&faktor, g_Kontext->HostDaten + HD_FAKTOR, sizeof faktor);
    preise->Ek1 = SlotZahl(IDC_IP_EK1);
    preise->Ek2 = SlotZahl(IDC_IP_EK2);
    preise->Vk1 = SlotZahl(IDC_IP_VK1);
    preise->Vk2 = SlotZahl(IDC_IP_VK2);
    preise->Ek1Umgerechnet = PreisUmrechnen(preise->Ek1, faktor);
    preise->Vk1Umgerechnet = PreisUmrechnen(preise->Vk1, faktor);
}

void BezugszeitMerken(void)
{
    EDI_KONTEXT* k = g_Kontext;
    ORTSZEIT jetzt;
    JetztOrtszeit(&jetzt);
    TEXDEFS_DATUM d = { jetzt.Tag, jetzt.Monat, jetzt.Jahr };
    int32_t tag = TEXDEFS_DatumToInteger(&d);
    if (tag <= 0) {
        /* no usable local date: 1.1.1980, midnight */
        k->BezugsDatum = TEXDEFS_ERSTER_TAG;
        k->BezugsZeit = 0;
        return;
    }
    k->BezugsDatum = tag;
    k->BezugsZeit = jetzt.Stunde * 10000 + jetzt.Minute * 100 + jetzt.Sekunde;
}

int ZeitstempelAelterAlsBezug(const HOST_ZEITSTEMPEL* zeit)
{
    if (zeit == nullptr)
        return 0;
    ORTSZEIT s;
    if (!DateizeitOrtszeit(zeit->Low, zeit->High, &s))
        return 0;
    TEXDEFS_DATUM d = { s.Tag, s.Monat, s.Jahr };
    int16_t tag = static_cast<int16_t>(TEXDEFS_DatumToInteger(&d));
    int16_t bezug = static_cast<int16_t>(g_Kontext->BezugsDatum);
    if (tag != bezug)
        return tag < bezug ? 1 : 0;
    return s.Stunde * 10000 + s.Minute * 100 + s.Sekunde < g_Kontext->BezugsZeit ? 1 : 0;
}

int AchseErgaenzen(int senkrecht, OXTABELLE* tabelle, int32_t art, int32_t nummer, const char* farbText,
                   const TAB_PREISE* preise, int vorher, int aufzeichnen)
{
    if (tabelle == nullptr)
        return 0;
    int32_t kapazitaet = senkrecht ? TAB_MAX_SENKRECHT : TAB_MAX_WAAGRECHT;
    int32_t n = senkrecht ? TAB_AnzahlSenkrechtMerkmale(tabelle) : TAB_AnzahlWaagrechtMerkmale(tabelle);
    int32_t i = art > 0 ? EintragSuchen(tabelle, senkrecht, art, nummer, farbText) : -1;
    if (i < 0) {
        if (n >= kapazitaet)
            return 0;
        if (nummer <= 0)
            return vorher;
        i = n;
        TAB_SetMerkmalCR(tabelle, senkrecht, i, nummer);
    } else if (nummer <= 0 && senkrecht) {
        return vorher;
    }
    if (senkrecht && preise != nullptr) {
        TAB_SetPreiseToRow(tabelle, i, preise);
        if (aufzeichnen == 1)
            PreiseAufzeichnen(preise);
    }
    if (art == kArtFarbe)
        TAB_SetWaagrechtFarbText(tabelle, i, farbText != nullptr ? farbText : "");
    return vorher;
}

/* An entry added to the current article's table, into the import record:
 * the characteristic's text and code (a colour with its colour text). */
static void TabelleneintragProtokollieren(int32_t art, int32_t nummer, const char* farbText)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->Protokoll.Offen != 1)
        return;
    char text[96] = "";
    char bezeichnung[sizeof(MERKMAL_SATZ::Text) + 1] = "";
    MERKMAL_SATZ m;
    memset(&m, 0, sizeof m);
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(art, nummer, &m) == 1) {
        char code[sizeof m.Code + 1];
        FeldKopieren(m.Code, sizeof m.Code, code, sizeof code);
        FeldKopieren(m.Text, sizeof m.Text, bezeichnung, sizeof bezeichnung);
        TextFormat(text, sizeof text, "%s (%s)", bezeichnung, code);
    } else {
        TextFormat(text, sizeof text, "%ld", (long)nummer);
    }
    if (art == 6 && farbText != nullptr && farbText[0] != '\0' && strcmp(farbText, bezeichnung) != 0) {
        TextAnhaengen(text, sizeof text, " ");
        TextAnhaengen(text, sizeof text, farbText);
    }
    ProtokollZeile(PROT_TABELLE, IDS_PROT_TABELLE, (long)k->AktuelleArtikelNummer, text);
}

int ZeilenMerkmaleErgaenzen(OXTABELLE* tabelle, const TAB_PREISE* preise, int32_t vArt, int32_t vNummer,
                            const char* vText, int32_t hArt, int32_t hNummer, const char* hText, int aufzeichnen)
{
    if (tabelle == nullptr || TAB_MerkmalSenkrecht(tabelle) != vArt || TAB_MerkmalWaagrecht(tabelle) != hArt)
        return 0;
    int32_t senkrecht = TAB_AnzahlSenkrechtMerkmale(tabelle), waagrecht = TAB_AnzahlWaagrechtMerkmale(tabelle);
    int r = AchseErgaenzen(1, tabelle, vArt, vNummer, vText, preise, 1, aufzeichnen);
    AchseErgaenzen(0, tabelle, hArt, hNummer, hText, preise, r, aufzeichnen);
    if (aufzeichnen == 1) {
        if (TAB_AnzahlSenkrechtMerkmale(tabelle) > senkrecht)
            TabelleneintragProtokollieren(vArt, vNummer, vText);
        if (TAB_AnzahlWaagrechtMerkmale(tabelle) > waagrecht)
            TabelleneintragProtokollieren(hArt, hNummer, hText);
    }
    return Pruefen(&g_Kontext->DialogWerte.Tabelle) ? 1 : 0;
}

int GespeicherteTabelleLaden(int32_t artikelNummer, OXTABELLE* aus)
{
    EDI_KONTEXT* k = g_Kontext;
    if (aus == nullptr || k->HostFunktion04 == nullptr)
        return 0;
    OXTABELLE* t = LadeTabelle();
    HOST_ZEITSTEMPEL zeit = { 0, 0 };
    if (k->HostFunktion04(artikelNummer, t, &zeit) == 0 || TAB_TesteAufGueltigeTabelle(t) != 1)
        return 0;
    if (aus != t)
        memcpy(aus, t, sizeof *aus);
    return 1;
}

void TabelleSpeichern(int modus, int32_t serie, int32_t artikelNummer)
{
    EDI_KONTEXT* k = g_Kontext;
    OXTABELLE* arbeit = &k->DialogWerte.Tabelle;
    if (artikelNummer <= 0 || TAB_TesteAufGueltigeTabelle(arbeit) != 1)
        return;
    if ((modus == 0 || modus == 1) && k->HostFunktion05 != nullptr) {
        TabelleGeaendert(arbeit);
        k->HostFunktion05(artikelNummer, arbeit);
    }
    if (modus != 0 && modus != 2)
        return;
    if (modus == 0 && serie > 0 && k->HostFunktion06 != nullptr) {
        if (k->HostFunktion06(serie, LadeTabelle(), nullptr) == 1)
            return;
    }
    int16_t gemerkt = arbeit->FillerSperre;
    arbeit->FillerSperre = 0;
    TabelleGeaendert(arbeit);
    SeiteZellenBeschreiben(arbeit, 1);
    arbeit->FillerSperre = gemerkt;
}

int TabelleBauen(int32_t artikelNummer, int32_t vArt, int32_t vNummer, const char* vText, int32_t hArt,
                 int32_t hNummer, const char* hText)
{
    EDI_KONTEXT* k = g_Kontext;
    if (artikelNummer == 0)
        return 1;
    if (artikelNummer < 0)
        return 0;
    OXTABELLE* arbeit = &k->DialogWerte.Tabelle;
    ARTIKEL_SATZ artikel;
    bool gefunden = false;
    int32_t serie = 0, serieFehler = 1;
    if (k->ArtikelHandle > 0 && ARTLIB_ReadArtikel(k->ArtikelHandle, artikelNummer, &artikel) == 1) {
        gefunden = true;
        serie = OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(&artikel, &serieFehler);
    }
    TAB_PREISE preise;
    PreisBlockVonSeite(&preise);

    bool neu = false;
    if (GespeicherteTabelleLaden(artikelNummer, arbeit) != 1) {
        LeereTabelleAnlegen(vArt, hArt);
        TabelleSpeichern(0, serie, artikelNummer);
        neu = true;
    }
    int ergebnis = 1;
    if (gefunden) {
        if (neu && k->HostFunktion03 != nullptr)
            k->HostFunktion03(artikelNummer, arbeit, nullptr);
        Pruefen(arbeit);
        TAB_PreiseVorbesetzen(arbeit, &preise);
        if (AuftragsAenderungAus() == 0)
            AuftragswerteMerken(1, &preise, 0, nullptr, vArt, vNummer, vText, hArt, hNummer, hText);
        ergebnis = ZeilenMerkmaleErgaenzen(arbeit, &preise, vArt, vNummer, vText, hArt, hNummer, hText, 1);
        if (ergebnis == 1)
            TabelleSpeichern(1, serie, artikelNummer);

        /* The series flag of the article record; the series number as the
         * dialog library determined it. */
        if (artikel.SerienKennzeichen == 0 && serieFehler == 0 && serie > 0 && k->HostFunktion06 != nullptr) {
            OXTABELLE* s = &k->SerienTabelle;
            HOST_ZEITSTEMPEL zeit = { 0, 0 };
            if (k->HostFunktion06(serie, s, &zeit) == 1 && Pruefen(s)) {
                bool gleicheArten = TAB_MerkmalSenkrecht(s) == vArt && TAB_MerkmalWaagrecht(s) == hArt;
                if (gleicheArten || !ZeitstempelAelterAlsBezug(&zeit)) {
                    memcpy(arbeit, s, sizeof *arbeit);
                    TAB_PreiseVorbesetzen(arbeit, &preise);
                    ergebnis = ZeilenMerkmaleErgaenzen(arbeit, &preise, vArt, vNummer, vText, hArt, hNummer,
                                                       hText, 0);
                    if (ergebnis == 1)
                        TabelleSpeichern(2, serie, artikelNummer);
                }
            }
        }
    }
    if (ergebnis == 0)
        TAB_ClearTabelle(arbeit, 0);
    return ergebnis;
}

int TabelleFuerZeileBauen(const PRICAT_SATZ* zeile, int32_t artikelNummer)
{
    EDI_KONTEXT* k = g_Kontext;
    if (artikelNummer == 0)
        return 1;
    if (artikelNummer < 0 || zeile == nullptr)
        return 0;
    int32_t art[2] = { SeiteTabellenArt(1), SeiteTabellenArt(0) };
    int32_t nummer[2] = { 0, 0 };
    char text[2][TAB_FARBTEXT] = { "", "" };
    for (int a = 0; a < 2; a++) {
        if (art[a] >= 0 && art[a] < SEITE_ARTEN)
            nummer[a] = k->DialogWerte.Art[art[a]].Nummer;
        if (art[a] == kArtFarbe) {
            if (k->SeitenZustand & SEITE_ARTIKEL_PER_EAN)
                SlotText(IDC_IP_LFARBE, text[a], sizeof text[a]);
            else
                TextKopieren(text[a], sizeof text[a], k->EdiWerte.Farbtext);
            AenderungVorbereiten(0, nullptr, text[a], nullptr);
        } else if (art[a] == kArtFiliale) {
            char filiale[SEITE_CODE];
            SlotText(IDC_IP_EDIT_FILIALE, filiale, sizeof filiale);
            nummer[a] = k->HostFunktion02 != nullptr ? k->HostFunktion02(kArtFiliale, filiale) : 0;
        }
    }
    return TabelleBauen(artikelNummer, art[0], nummer[0], text[0], art[1], nummer[1], text[1]);
}

int FarbTextDerNummer(const OXTABELLE* tabelle, int32_t nummer, char* aus, size_t groesse)
{
    if (aus == nullptr || groesse == 0)
        return 0;
    aus[0] = '\0';
    if (tabelle == nullptr)
        return 0;
    int senkrecht;
    if (TAB_MerkmalSenkrecht(tabelle) == kArtFarbe)
        senkrecht = 1;
    else if (TAB_MerkmalWaagrecht(tabelle) == kArtFarbe)
        senkrecht = 0;
    else
        return 0;
    const int32_t* liste = senkrecht ? tabelle->Senkrecht : tabelle->Waagrecht;
    int32_t kapazitaet = senkrecht ? TAB_MAX_SENKRECHT : TAB_MAX_WAAGRECHT;
    for (int32_t i = 0; i < kapazitaet; i++) {
        if (liste[i] == 0 || liste[i] != nummer)
            continue;
        char text[TAB_FARBTEXT];
        TAB_GetWaagrechtFarbText(tabelle, i, text);
        TextKopieren(aus, groesse, text);
        return 1;
    }
    return 0;
}

void SerienTabelleUebernehmen(int32_t artikelNummer, const ARTIKEL_SATZ* artikel)
{
    EDI_KONTEXT* k = g_Kontext;
    if (artikel == nullptr || artikel->SerienKennzeichen != 0 || artikel->SerienNummer <= 0 ||
        k->HostFunktion06 == nullptr)
        return;
    OXTABELLE* s = &k->SerienTabelle;
    OXTABELLE* arbeit = &k->DialogWerte.Tabelle;
    if (k->HostFunktion06(artikel->SerienNummer, s, nullptr) != 1 || !Pruefen(s))
        return;
    int32_t vArt = TAB_MerkmalSenkrecht(s), hArt = TAB_MerkmalWaagrecht(s);
    if (vArt == SeiteTabellenArt(1) && hArt == SeiteTabellenArt(0))
        return;
    memcpy(arbeit, s, sizeof *arbeit);
    TAB_ClearStueckzahlen(arbeit);
    TabelleGeaendert(arbeit);
    if (k->HostFunktion05 != nullptr && artikelNummer > 0)
        k->HostFunktion05(artikelNummer, arbeit);
    SeiteTabellenArtenSetzen(vArt, hArt);
    TAB_ClearTabelle(arbeit, 0);
    TAB_ClearTabelle(s, 0);
}

void TabellenMarkieren(int32_t artikelNummer)
{
    EDI_KONTEXT* k = g_Kontext;
    ARTIKEL_SATZ artikel;
    if (artikelNummer <= 0 || k->ArtikelHandle <= 0 ||
        ARTLIB_ReadArtikel(k->ArtikelHandle, artikelNummer, &artikel) != 1 || k->HostFunktion04 == nullptr)
        return;
    OXTABELLE* t = LadeTabelle();
    if (k->HostFunktion04(artikelNummer, t, nullptr) != 0) {
        if (k->HostFunktion08 != nullptr)
            k->HostFunktion08(artikelNummer, 0);
        k->MarkierterArtikel = artikelNummer;
        int32_t fehler = 1;
        int32_t serie = OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(&artikel, &fehler);
        HOST_ZEITSTEMPEL zeit = { 0, 0 };
        if (serie > 0 && k->HostFunktion06 != nullptr && k->HostFunktion06(serie, t, &zeit) == 1 &&
            ZeitstempelAelterAlsBezug(&zeit)) {
            if (k->HostFunktion09 != nullptr)
                k->HostFunktion09(serie, 0);
            k->MarkierteSerie = serie;
        }
    }
}

void MarkierungenFreigeben(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->MarkierterArtikel > 0 && k->HostFunktion08 != nullptr)
        k->HostFunktion08(k->MarkierterArtikel, 1);
    if (k->MarkierteSerie > 0 && k->HostFunktion09 != nullptr)
        k->HostFunktion09(k->MarkierteSerie, 1);
    k->MarkierterArtikel = 0;
    k->MarkierteSerie = 0;
}

void MarkierungenVerwerfen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->MarkierterArtikel > 0 && k->HostFunktion10 != nullptr)
        k->HostFunktion10(k->MarkierterArtikel);
    if (k->MarkierteSerie > 0 && k->HostFunktion11 != nullptr)
        k->HostFunktion11(k->MarkierteSerie);
    k->MarkierterArtikel = 0;
    k->MarkierteSerie = 0;
}
