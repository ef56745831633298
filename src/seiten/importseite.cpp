/*
 * importseite.cpp - the tab page "Importieren" (dialog 110): its controls
 * and slots, entering and leaving the page, showing a catalogue row beside
 * the pending article, the colour code and the enabling of controls.
 *
 * The commands live in feldaktionen.cpp (corrections by the user) and
 * importlauf.cpp (the run); the article identification in
 * identifikation.cpp.
 */
#include "seiten/seiten.h"
#include "grund/anzeige.h"
#include "seiten/importseite_intern.h"
#include "seiten/seitendienst.h"

#include "engine/protokoll.h"
#include "engine/engine.h"
#include "kontext/einstellungen.h"
#include "kontext/kopfzeile.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/oxmwst.h"
#include "hostapi/oxtexdefs.h"
#include "pricechange/preisaenderung.h"
#include "resources/resource.h"

#include <stdlib.h>
#include <string.h>

const SEITEN_ART g_ImportArten[] = {
    { 0, IDC_IP_EDI_ARTIKEL, IDC_IP_BTN_ARTIKEL, IDC_IP_EDIT_ARTIKEL, 0, IDC_IP_NEU_ARTIKEL },
    { 1, IDC_IP_EDI_HG, IDC_IP_BTN_HG, IDC_IP_EDIT_HG, IDC_IP_TEXT_HG, IDC_IP_NEU_HG },
    { 2, IDC_IP_EDI_WG, IDC_IP_BTN_WG, IDC_IP_EDIT_WG, IDC_IP_TEXT_WG, IDC_IP_NEU_WG },
    { 3, IDC_IP_EDI_SERIE, IDC_IP_BTN_SERIE, IDC_IP_EDIT_SERIE, IDC_IP_TEXT_SERIE, IDC_IP_NEU_SERIE },
    { 4, IDC_IP_EDI_LABEL, IDC_IP_BTN_LABEL, IDC_IP_EDIT_LABEL, IDC_IP_TEXT_LABEL, IDC_IP_NEU_LABEL },
    { 5, IDC_IP_EDI_MATERIAL, IDC_IP_BTN_MATERIAL, IDC_IP_EDIT_MATERIAL, IDC_IP_TEXT_MATERIAL, IDC_IP_NEU_MATERIAL },
    { 6, IDC_IP_EDI_FARBE, IDC_IP_BTN_FARBE, IDC_IP_EDIT_FARBE, IDC_IP_TEXT_FARBE, IDC_IP_NEU_FARBE },
    { 7, IDC_IP_EDI_GROESSE, IDC_IP_BTN_GROESSE, IDC_IP_EDIT_GROESSE, IDC_IP_TEXT_GROESSE, IDC_IP_NEU_GROESSE },
    { 9, IDC_IP_EDI_FILIALE, IDC_IP_BTN_FILIALE, IDC_IP_EDIT_FILIALE, IDC_IP_TEXT_FILIALE, 0 },
    { 11, IDC_IP_EDI_SAISON, IDC_IP_BTN_SAISON, IDC_IP_EDIT_SAISON, IDC_IP_TEXT_SAISON, IDC_IP_NEU_SAISON },
    { 8, 0, 0, IDC_IP_EDIT_LIEFERANT, IDC_IP_TEXT_LIEFERANT, 0 },
};
const int g_ImportArtenAnzahl = (int)(sizeof g_ImportArten / sizeof g_ImportArten[0]);

#define ANZAHL(a) ((int)(sizeof(a) / sizeof((a)[0])))

const SEITEN_ART* ImportSeitenArt(int32_t art)
{
    for (int i = 0; i < g_ImportArtenAnzahl; i++)
        if (g_ImportArten[i].Art == art)
            return &g_ImportArten[i];
    return nullptr;
}

int32_t ImportArtVonSteuerelement(int id)
{
    if (id == 0)
        return -1;
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.Art != 8 && (id == a.Knopf || id == a.Code || id == a.Neu))
            return a.Art;
    }
    return -1;
}

void ArtikelPerEanSetzen(int32_t an)
{
    if (an)
        g_Kontext->SeitenZustand |= SEITE_ARTIKEL_PER_EAN;
    else
        g_Kontext->SeitenZustand &= ~SEITE_ARTIKEL_PER_EAN;
}

void SerieLesen(int32_t serie)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->HostFunktion06 == nullptr || k->HostFunktion06(serie, &k->SerienTabelle, nullptr) != 1)
        memset(&k->SerienTabelle, 0, sizeof k->SerienTabelle);
}

/* Sets the text of control `id` only when it changes: a run shows
 * thousands of rows, most of whose texts repeat the row before. */
static void TextZeigen(HWND seite, int id, const char* text)
{
    HWND h = SeitenSteuerelement(seite, id);
    char alt[512] = "";
    GetWindowTextA(h, alt, (int)sizeof alt);
    if (strcmp(alt, text) != 0)
        SetWindowTextA(h, text);
}

/* ---- price texts ------------------------------------------------------- */

void PreisZeigen(HWND seite, int id, int32_t wert)
{
    char text[16] = "";
    TEXDEFS_LongToKommaString(wert, text, (int32_t)sizeof text);
    TextZeigen(seite, id, text);
}

int32_t PreisLesen(HWND seite, int id)
{
    char text[11] = "";
    GetWindowTextA(SeitenSteuerelement(seite, id), text, (int)sizeof text);
    if (text[0] == '\0')
        return 0;
    int32_t wert = 0;
    if (TEXDEFS_KommaStringToLong(text, &wert) != 1 || wert < 0 || wert > IMPORT_PREIS_MAX)
        return -1;
    PreisZeigen(seite, id, wert);
    return wert;
}

void SeiteNeuZeichnen(HWND seite)
{
    InvalidateRect(seite, nullptr, TRUE);
    UpdateWindow(seite);
}

/* ---- enabling ---------------------------------------------------------- */

void SeiteFreigeben(HWND seite, int an)
{
    g_Kontext->ImportLauf.EingabenAn = 0;
    static const int ids[] = {
        1096, 1095, 1102, 1101, 1089, 1088, 1087, 1086, 1085, 1084, 1083, 1082, 1081, 1080, 1079, 1078, 1070, 1069,
        1097, 1099, 1098, 1100, 1159, 1166, 1160, 1167, 1092, 1093, 1103, 1072, 1091, 1090, 1106, 1148, 1149, 1152,
        1153, 1150, 1151, 1154, 1155, 1156, 1161, 1163, 1162, 1164, 1074, 1075, 1076, 1073, 1140, 1145, 1107, 1146,
        1165, 14081,
    };
    SteuerelementeFreigeben(seite, ids, ANZAHL(ids), an);
}

void PreisfelderFreigeben(HWND seite)
{
    const EDI_KONTEXT* k = g_Kontext;
    static const int ek1[] = { IDC_IP_VORSCHLAG_EK1, IDC_IP_EK1 };
    static const int ek2[] = { IDC_IP_VORSCHLAG_EK2, IDC_IP_EK2 };
    static const int vk1[] = { IDC_IP_VORSCHLAG_VK1, IDC_IP_VK1, IDC_IP_KALKULIEREN };
    static const int vk2[] = { IDC_IP_VORSCHLAG_VK2, IDC_IP_VK2 };
    SteuerelementeFreigeben(seite, ek1, ANZAHL(ek1), k->PreisanpassungEk1 != 0);
    SteuerelementeFreigeben(seite, ek2, ANZAHL(ek2), k->PreisanpassungEk2 != 0);
    SteuerelementeFreigeben(seite, vk1, ANZAHL(vk1), k->PreisanpassungVk1 != 0);
    SteuerelementeFreigeben(seite, vk2, ANZAHL(vk2), k->PreisanpassungVk2 != 0);
}

void LaufknoepfeFreigeben(HWND seite, int an)
{
    static const int knopf[] = { IDC_IP_ZUWEISEN };
    SteuerelementeFreigeben(seite, knopf, ANZAHL(knopf), an);
}

void EingabenFreigeben(HWND seite, int an)
{
    /* The run enables the input set for every row it shows; once it is
     * on, nothing else turns it off but this function or the page set. */
    IMPORT_LAUF& l = g_Kontext->ImportLauf;
    if (an && l.EingabenAn)
        return;
    l.EingabenAn = an ? 1 : 0;
    static const int ids[] = {
        1095, 1096, 1069, 1070, 1078, 1079, 1080, 1081, 1082, 1083, 1084, 1085, 1086, 1087, 1088, 1089, 1101,
        1102, 1097, 1099, 1098, 1100, 1159, 1166, 1160, 1167, 1103, 1072, 1093, 1092, 1090, 1091, 1106, 1156,
        1076, 1073, 1145, 1107, 1146, 1165, 14081,
    };
    static const int neu[] = { 1148, 1149, 1152, 1153, 1150, 1151, 1154, 1155 };
    SteuerelementeFreigeben(seite, ids, ANZAHL(ids), an);
    SteuerelementeFreigeben(seite, neu, ANZAHL(neu), 0);
}

/* ---- table characteristics --------------------------------------------- */

static void TabellenmerkmaleFuellen(HWND seite)
{
    static const int32_t arten[] = { 1, 2, 3, 4, 5, 6, 7, 9, 11 };
    static const int kombis[] = { IDC_IP_SENKRECHT, IDC_IP_WAAGRECHT };
    for (int kombi : kombis) {
        HWND h = SeitenSteuerelement(seite, kombi);
        SendMessageA(h, CB_RESETCONTENT, 0, 0);
        for (int32_t art : arten) {
            char name[32] = "";
            TextKopieren(name, sizeof name, HostDatenText(HD_TEXTTABELLE + 32 * art));
            LRESULT i = SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)name);
            if (i >= 0)
                SendMessageA(h, CB_SETITEMDATA, (WPARAM)i, (LPARAM)art);
        }
    }
}

void TabellenmerkmalWaehlen(HWND seite, int kombi, int32_t art)
{
    HWND h = SeitenSteuerelement(seite, kombi);
    LRESULT gewaehlt = SendMessageA(h, CB_GETCURSEL, 0, 0);
    if (gewaehlt != CB_ERR && (int32_t)SendMessageA(h, CB_GETITEMDATA, (WPARAM)gewaehlt, 0) == art)
        return;
    LRESULT n = SendMessageA(h, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; i++)
        if ((int32_t)SendMessageA(h, CB_GETITEMDATA, (WPARAM)i, 0) == art) {
            SendMessageA(h, CB_SETCURSEL, (WPARAM)i, 0);
            return;
        }
}

/* ---- catalogue values and the pending article -------------------------- */

void ZeilenNummerZeigen(HWND seite)
{
    const EDI_KONTEXT* k = g_Kontext;
    const IMPORT_LAUF& l = k->ImportLauf;
    if (l.AnzeigeRuht)
        return;
    if (k->AktuelleZeile != nullptr) {
        char nummer[16] = "";
        TextFormat(nummer, sizeof nummer, "%u", (unsigned)(k->AktuelleZeile->SatzNummer + 1));
        TextZeigen(seite, IDC_IP_SATZNR, nummer);
        char ean[sizeof k->AktuelleZeile->PricatDaten.Ean] = "";
        TextKopieren(ean, sizeof ean, k->AktuelleZeile->PricatDaten.Ean);
        TextZeigen(seite, IDC_IP_GTIN, ean);
    }
    ZaehlerImportiertAnzeigen(l.Zaehler);
}

void ArtikelnameBilden(char* aus, size_t groesse, const char* nummerText)
{
    char name[DBA_ARTIKELNAME] = "";
    MMLIB_CopyKurzUndLangtext(name, g_Kontext->LieferantNummerText, nummerText);
    TextKopieren(aus, groesse, name);
}

void ZeilenFarbText(const PRICAT_SATZ* zeile, char* aus, size_t groesse)
{
    /* the setting as read when the page was entered */
    LieferantenFarbTextDerZeile(g_Kontext->EdiFarbtexte, &zeile->PricatDaten, aus, groesse);
}

static int32_t Hundertstel(const char* text, size_t groesse)
{
    char kopie[32] = "";
    size_t n = TextLaenge(text, groesse);
    if (n >= sizeof kopie)
        n = sizeof kopie - 1;
    memcpy(kopie, text, n);
    long wert = strtol(kopie, nullptr, 10);
    if (wert < 0 || wert > IMPORT_PREIS_MAX)
        return 0;
    return (int32_t)wert;
}

void KatalogwerteLaden(PRICAT_SATZ* zeile)
{
    EDI_KONTEXT* k = g_Kontext;
    EDI_WERTE& e = k->EdiWerte;
    memset(&e, 0, sizeof e);
    PRICAT_DATEN& d = zeile->PricatDaten;
    static const int32_t arten[] = { 0, 1, 2, 3, 4, 5, 6, 7, 11 };
    for (int32_t art : arten) {
        e.Art[art].HatSchluessel = StichwortUndSchluesselDerArt(KontextStichwortRegeln(), art, &d, e.Art[art].Schluessel,
                                                            SEITE_CODE, e.Art[art].Text, SEITE_EDI_TEXT);
        int32_t nummer = 0;
        if (art == 0) {
            char name[DBA_ARTIKELNAME];
            ArtikelnameBilden(name, sizeof name, e.Art[0].Text);
            nummer = k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
        } else if (k->HostFunktion20 != nullptr) {
            nummer = k->HostFunktion20(art, e.Art[art].Text);
        }
        if (nummer < 1 && e.Art[art].HatSchluessel == 1 && k->HostFunktion02 != nullptr)
            nummer = k->HostFunktion02(art, e.Art[art].Schluessel);
        e.Art[art].Nummer = nummer > 0 ? nummer : 0;
    }
    d.Zusatztext[FARBTEXT_LAENGE] = '\0';
    TextKopieren(e.Zusatztext, sizeof e.Zusatztext, d.Zusatztext);
    ZeilenFarbText(zeile, e.Farbtext, sizeof e.Farbtext);
    e.Ek1 = e.Ek2 = Hundertstel(d.Preis1, sizeof d.Preis1);
    e.Vk1 = e.Vk2 = Hundertstel(d.Preis2, sizeof d.Preis2);
    if (d.Preis3[0] != '\0' && d.Preis3[0] != ' ')
        e.Vk2 = Hundertstel(d.Preis3, sizeof d.Preis3);
    int32_t endung = HostDatenInt(HD_ANZAHL);
    if (endung > 0) {
        if (endung > 99)
            endung = 99;
        if (e.Vk1 != 0)
            e.Vk1 = e.Vk1 / 100 * 100 + endung;
        if (e.Vk2 != 0)
            e.Vk2 = e.Vk2 / 100 * 100 + endung;
    }
    e.Mwst = ZeilenMwstSatz(zeile);
}

/* The catalogue values of the row as KatalogwerteZeigen took them. */
static void KatalogwerteAnzeigen(HWND seite)
{
    const EDI_KONTEXT* k = g_Kontext;
    const EDI_WERTE& e = k->EdiWerte;
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.EdiText != 0)
            TextZeigen(seite, a.EdiText, k->OxOut.EdiText[a.Art]);
    }
    TextZeigen(seite, IDC_IP_EDI_ZUSATZ, e.Zusatztext);
    TextZeigen(seite, IDC_IP_EDI_LFARBE, e.Farbtext);
    PreisZeigen(seite, IDC_IP_EDI_EK1, e.Ek1);
    PreisZeigen(seite, IDC_IP_EDI_EK2, e.Ek2);
    PreisZeigen(seite, IDC_IP_EDI_VK1, e.Vk1);
    PreisZeigen(seite, IDC_IP_EDI_VK2, e.Vk2);
}

void KatalogwerteZeigen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    const EDI_WERTE& e = k->EdiWerte;
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.EdiText != 0)
            TextKopieren(k->OxOut.EdiText[a.Art], SEITE_EDI_TEXT, e.Art[a.Art].Text);
    }
    TextKopieren(k->OxOut.EdiZusatztext, SEITE_EDI_TEXT, e.Zusatztext);
    TextKopieren(k->OxOut.EdiFarbtext, SEITE_EDI_TEXT, e.Farbtext);
    k->OxOut.EdiEk1 = e.Ek1;
    k->OxOut.EdiEk2 = e.Ek2;
    k->OxOut.EdiVk1 = e.Vk1;
    k->OxOut.EdiVk2 = e.Vk2;
    if (e.Mwst >= 0 && e.Mwst <= 5)
        k->OxOut.Mwst = e.Mwst;
    if (!k->ImportLauf.AnzeigeRuht)
        KatalogwerteAnzeigen(seite);
}

void KatalogAnzeigeNachholen(HWND seite)
{
    IMPORT_LAUF& l = g_Kontext->ImportLauf;
    if (l.AnzeigeRuht) {
        l.AnzeigeRuht = 0;
        ZeilenNummerZeigen(seite);
        KatalogwerteAnzeigen(seite);
    }
    if (l.AuffrischenOffen)
        SeiteAuffrischen(seite);
}

static void MwstAuffrischen(HWND seite);

/* The engine's refresh after it wrote an article: left for later while the
 * display rests (the page's own readers of its fields refresh first). */
static void SeiteNachArtikelAuffrischen(HWND seite)
{
    IMPORT_LAUF& l = g_Kontext->ImportLauf;
    if (l.AnzeigeRuht) {
        l.AuffrischenOffen = 1;
        /* the VAT combo is read back as the rate of last resort */
        MwstAuffrischen(seite);
    } else {
        SeiteAuffrischen(seite);
    }
}

void ArtikelZeigen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    const DIALOG_WERTE& d = k->DialogWerte;
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.Art == 8)
            continue;
        if (d.Art[a.Art].Nummer < 1) {
            if (a.Art == 0) {
                TextKopieren(k->OxOut.ArtikelText, sizeof k->OxOut.ArtikelText, d.Art[0].Bezeichnung);
            } else {
                TextKopieren(k->OxOut.Code[a.Art], SEITE_CODE, d.Art[a.Art].Code);
                TextKopieren(k->OxOut.Bezeichnung[a.Art], SEITE_BEZEICHNUNG, d.Art[a.Art].Bezeichnung);
            }
        } else {
            OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, a.Art, d.Art[a.Art].Nummer, ImportOxOutBindung);
        }
    }
    if ((k->ImportLauf.Aenderungen & IMPORT_AENDERUNG) == 0 && d.TabelleGueltig) {
        TabellenmerkmalWaehlen(seite, IDC_IP_SENKRECHT, d.Tabelle.MerkmalSenkrecht);
        TabellenmerkmalWaehlen(seite, IDC_IP_WAAGRECHT, d.Tabelle.MerkmalWaagrecht);
    }
    SeiteStandardSetzen(d.Standard);
    k->OxOut.Kennung[0] = d.Kennung;
    k->OxOut.Kennung[1] = '\0';
    TextKopieren(k->OxOut.Zusatztext, sizeof k->OxOut.Zusatztext, d.Zusatztext);
    TextKopieren(k->OxOut.Farbtext, sizeof k->OxOut.Farbtext, d.Farbtext);
    k->OxOut.VorschlagEk1 = d.VorschlagEk1;
    k->OxOut.VorschlagVk1 = d.VorschlagVk1;
    k->OxOut.VorschlagEk2 = d.VorschlagEk2;
    k->OxOut.VorschlagVk2 = d.VorschlagVk2;
    k->OxOut.Ek1 = d.Ek1;
    k->OxOut.Vk1 = d.Vk1;
    k->OxOut.Ek2 = d.Ek2;
    k->OxOut.Vk2 = d.Vk2;
    k->OxOut.Mwst = d.Mwst;
}

void ArtVonSeite(HWND seite, int32_t art, int32_t nummer)
{
    EDI_KONTEXT* k = g_Kontext;
        DIALOG_WERTE& d = k->DialogWerte;
    if (art >= 0 && art < SEITE_ARTEN && art != 8) {
        if (art == 0) {
            TextKopieren(d.Art[0].Code, SEITE_CODE, k->LieferantNummerText);
            TextKopieren(d.Art[0].Bezeichnung, SEITE_BEZEICHNUNG, k->OxOut.ArtikelText);
        } else {
            TextKopieren(d.Art[art].Code, SEITE_CODE, k->OxOut.Code[art]);
            TextKopieren(d.Art[art].Bezeichnung, SEITE_BEZEICHNUNG, k->OxOut.Bezeichnung[art]);
        }
        d.Art[art].Nummer = nummer;
        d.Art[art].Status = STATUS_OFFEN;
    }
    d.Standard = SeiteStandard();
    d.Kennung = k->OxOut.Kennung[0];
    TextKopieren(d.Zusatztext, sizeof d.Zusatztext, k->OxOut.Zusatztext);
    TextKopieren(d.Farbtext, sizeof d.Farbtext, k->OxOut.Farbtext);
    d.Ek1 = d.VorschlagEk1 = k->OxOut.Ek1;
    d.Vk1 = d.VorschlagVk1 = k->OxOut.Vk1;
    d.Ek2 = d.VorschlagEk2 = k->OxOut.Ek2;
    d.Vk2 = d.VorschlagVk2 = k->OxOut.Vk2;
    d.Mwst = k->OxOut.Mwst;
}

/* The text controls in the order the page fills them. */
static const int s_Texte[] = {
    1091, 1077, 1102, 1135, 1142, 1096, 1134, 1114, 1070, 1127, 1104, 1079, 1128, 1108, 1081, 1129, 1109,
    1083, 1130, 1110, 1085, 1131, 1111, 1087, 1132, 1112, 1089, 1133, 1113, 1093, 1119, 1092, 1118, 1103,
};

/* 1 when the VAT combo already has rate `satz` selected and the percentage
 * beside it reads as the host writes that rate ("19,00"): the run refreshes
 * the page for every row, and refilling the combo reads all six rates from
 * the host's settings file each time. 0 otherwise. */
static int MwstGezeigt(HWND seite, int32_t satz)
{
    HWND kombi = SeitenSteuerelement(seite, IDC_IP_MWST);
    LRESULT i = SendMessageA(kombi, CB_GETCURSEL, 0, 0);
    if (i == CB_ERR || SendMessageA(kombi, CB_GETCOUNT, 0, 0) != OX_MWST_ANZAHL ||
        SendMessageA(kombi, CB_GETITEMDATA, (WPARAM)i, 0) != (LRESULT)satz)
        return 0;
    /* the host's rates are asked once per run */
    IMPORT_LAUF& l = g_Kontext->ImportLauf;
    if (!(l.MwstWerteBekannt & (1 << satz))) {
        l.MwstWerte[satz] = OX_MWST_GetMWST_Wert(satz);
        l.MwstWerteBekannt |= 1 << satz;
    }
    int32_t wert = l.MwstWerte[satz];
    char soll[16] = "", ist[16] = "";
    TextFormat(soll, sizeof soll, "%d,%02d", (int)(wert / 100), (int)(wert % 100));
    GetWindowTextA(SeitenSteuerelement(seite, IDC_IP_MWST_PROZENT), ist, (int)sizeof ist);
    return strcmp(soll, ist) == 0 ? 1 : 0;
}

static void MwstAuffrischen(HWND seite)
{
    int32_t mwst = g_Kontext->OxOut.Mwst;
    if (mwst >= 0 && mwst <= 5 && !MwstGezeigt(seite, mwst))
        OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(seite, IDC_IP_MWST, IDC_IP_MWST_PROZENT, mwst);
}

void SeiteAuffrischen(HWND seite)
{
    g_Kontext->ImportLauf.AuffrischenOffen = 0;
    for (int id : s_Texte) {
        void* ort = nullptr;
        if (ImportOxOutBindung(id, &ort) > 0)
            TextZeigen(seite, id, (const char*)ort);
    }
    static const int preise[] = { 1097, 1098, 1099, 1100, 1115, 1117, 1116, 1138, 1159, 1160, 1166, 1167 };
    for (int id : preise) {
        void* ort = nullptr;
        if (ImportOxOutBindung(id, &ort) == 4)
            PreisZeigen(seite, id, *(const int32_t*)ort);
    }
    MwstAuffrischen(seite);
}

void SeiteLeeren(HWND seite)
{
    for (int id : s_Texte)
        SetDlgItemTextA(seite, id, "");
    static const int preise[] = { 1097, 1098, 1099, 1100, 1115, 1117, 1116, 1138 };
    for (int id : preise)
        SetDlgItemTextA(seite, id, "");
    SeiteStandardSetzen(0);
}

/* ---- entering and leaving ---------------------------------------------- */

static int Angekreuzt(int32_t wert)
{
    return wert ? BST_CHECKED : BST_UNCHECKED;
}

static void ArtikelspeicherSchliessen(EDI_KONTEXT* k)
{
    if (k->ArtikelHandle > 0)
        ARTLIB_SchliesseDatenbank(k->ArtikelHandle);
    k->ArtikelHandle = -1;
}

/* The page's own calls in its service to the engine. */
static void DienstAuffrischen(void* seite)
{
    SeiteNachArtikelAuffrischen(static_cast<HWND>(seite));
}

static void DienstVorRueckfrage(void* seite)
{
    KatalogAnzeigeNachholen(static_cast<HWND>(seite));
}

static int32_t OXCALL ImportSeiteInit(HWND seite, HWND hauptfenster, int32_t index, LPARAM wert)
{
    (void)hauptfenster;
    (void)index;
    (void)wert;
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    IMPORT_LAUF& l = k->ImportLauf;
    void* vorher = AnzeigeSanduhr();

    SeitenMerkmaleAnmelden();
    k->SeitenDienst = g_FensterSeitenDienst;
    k->SeitenDienst.Seite = seite;
    k->SeitenDienst.Auffrischen = DienstAuffrischen;
    k->SeitenDienst.VorRueckfrage = DienstVorRueckfrage;
    k->MwstMerkProzent = 0;
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.Art != 0 && a.Art != 8)
            SendDlgItemMessageA(seite, a.Code, EM_LIMITTEXT, 4, 0);
    }
    SendDlgItemMessageA(seite, IDC_IP_EDIT_ARTIKEL, EM_LIMITTEXT, IMPORT_ARTIKEL_MAX, 0);
    SendDlgItemMessageA(seite, IDC_IP_LFARBE, EM_LIMITTEXT, 31, 0);
    SendDlgItemMessageA(seite, IDC_IP_ZUSATZ, EM_LIMITTEXT, 31, 0);
    SendDlgItemMessageA(seite, IDC_IP_KENNUNG, EM_LIMITTEXT, 1, 0);
    if (k->HostFunktion12 != nullptr) {
        k->HostFunktion12(seite, IDC_IP_BTN_SERIE, 3, "&Material");
        k->HostFunktion12(seite, IDC_IP_BTN_LABEL, 4, "A&ussehen");
        k->HostFunktion12(seite, IDC_IP_BTN_MATERIAL, 5, "F&orm");
    }

    ArtikelspeicherSchliessen(k);
    k->ArtikelHandle = ARTLIB_OeffneDatenbank();
    if (k->ArtikelHandle == 0)
        k->ArtikelHandle = -1;
    if (HostDatenInt(HD_CODES_GROSS) == 1) {
        HWND artikel = SeitenSteuerelement(seite, IDC_IP_EDIT_ARTIKEL);
        LONG_PTR stil = GetWindowLongPtrA(artikel, GWL_STYLE);
        SetWindowLongPtrA(artikel, GWL_STYLE, (stil | ES_UPPERCASE) & ~(LONG_PTR)ES_LOWERCASE);
    }
    OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(seite, IDC_IP_MWST, IDC_IP_MWST_PROZENT, OX_MWST_STANDARD);
    FarbenAnlegen();

    SeiteLeeren(seite);
    OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, 8, k->AktuellerLieferant, ImportOxOutBindung);
    OXGLOBAL_DLGHELP_MerkmalToDialog(seite, 8, k->AktuellerLieferant);
    k->AktuelleZeile = nullptr;
    l.LaufAktiv = 0;

    TabellenmerkmaleFuellen(seite);
    TabellenmerkmalWaehlen(seite, IDC_IP_SENKRECHT, HostDatenInt(HD_ANZEIGE_WERT1));
    TabellenmerkmalWaehlen(seite, IDC_IP_WAAGRECHT, HostDatenInt(HD_ANZEIGE_WERT2));

    EnableWindow(SeitenSteuerelement(seite, IDC_IP_EDIT_LIEFERANT), FALSE);
    SetFocus(SeitenSteuerelement(seite, IDC_IP_ZUWEISEN));
    char text[64] = "";
    StringLaden(IDS_IMPORT_STARTEN, text, sizeof text);
    SetDlgItemTextA(seite, IDC_IP_ZUWEISEN, text);

    k->StopBeiArtikelwechsel = EdiOptionLesen(k->IniKeyStopBeiArtikelwechsel, 1);
    k->StopBeiArtikelvariation = EdiOptionLesen(k->IniKeyStopBeiArtikelvariation, 0);
    k->BeiGelbStoppen = Berechnung_GetBeiGelbStoppen();
    k->DruckenNurBeiVk = Berechnung_GetDruckenNurBeiVk();
    k->Vk2AusVk1 = Berechnung_GetVk2AusVk1();
    k->LieferantGeprueft = 0;
    if (k->AktuellerLieferant > 0) {
        LIEFERANTEN_SATZ lieferant;
        memset(&lieferant, 0, sizeof lieferant);
        if (LieferantenDBA_LeseRecord(k->AktuellerLieferant, &lieferant) == 1) {
            int16_t flag;
            memcpy(&flag, (const unsigned char*)&lieferant + 1750, sizeof flag);
            k->LieferantGeprueft = flag != 0 ? 1 : 0;
        }
    }
    k->TabellenLoeschen = Berechnung_GetTabellenLoeschen();
    k->KennzeichenAktion = Berechnung_GetArtikelkennzeichen(k->KennzeichenText, sizeof k->KennzeichenText);
    k->ExternAutomapping = EdiOptionLesen(k->IniKeyExternAutomapping, 0);
    k->PreisanpassungEk1 = EdiOptionLesen(k->IniKeyPreisanpassungEk1, 0);
    k->PreisanpassungEk2 = EdiOptionLesen(k->IniKeyPreisanpassungEk2, 0);
    k->PreisanpassungVk1 = EdiOptionLesen(k->IniKeyPreisanpassungVk1, 0);
    k->PreisanpassungVk2 = EdiOptionLesen(k->IniKeyPreisanpassungVk2, 0);
    CheckDlgButton(seite, IDC_IP_STOP_WECHSEL, Angekreuzt(k->StopBeiArtikelwechsel));
    CheckDlgButton(seite, IDC_IP_STOP_VARIATION, Angekreuzt(k->StopBeiArtikelvariation));
    CheckDlgButton(seite, IDC_IP_VORRANG, Angekreuzt(k->ExternAutomapping));
    CheckDlgButton(seite, IDC_IP_UEBERNAHME_EK1, Angekreuzt(k->PreisanpassungEk1));
    CheckDlgButton(seite, IDC_IP_UEBERNAHME_EK2, Angekreuzt(k->PreisanpassungEk2));
    CheckDlgButton(seite, IDC_IP_UEBERNAHME_VK1, Angekreuzt(k->PreisanpassungVk1));
    CheckDlgButton(seite, IDC_IP_UEBERNAHME_VK2, Angekreuzt(k->PreisanpassungVk2));

    l.VariationsStop = 0;
    l.AngehaltenWechsel = 0;
    l.AngehaltenVariation = 0;
    l.Zaehler = 0;
    l.NeuAutom = 0;
    CheckDlgButton(seite, IDC_IP_NEU_AUTOM, BST_UNCHECKED);

    SeiteFreigeben(seite, k->DateiGelesen != 0 && k->AktuellerLieferant != 0 && k->AusgewaehlteDatei[0] != '\0');
    PreisfelderFreigeben(seite);

    AenderungsspeicherOeffnen();
    EngineEinstellungenLesen();
    if (!k->KeineAuftragsaenderung) {
        AuftraegeVerwerfen();
        AuftraegeLaden();
    }
    BezugszeitMerken();
    EDIMapDBA_MakeEDIMAPMem(k->KatalogLieferantIln);
    k->FeldMap.Vorhanden = EDIMapDBA_EDIFeldMapExists(k->KatalogLieferantIln) == 1 ? 1 : 0;
    for (int32_t art = 0; art < SEITE_ARTEN; art++)
        l.Standard[art] = StandardMerkmal_SuchenMem(art);
    AnzeigeCursorZurueck(vorher);
    return 1;
}

static int32_t OXCALL ImportSeiteExit(HWND seite)
{
    (void)seite;
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 1;
    IMPORT_LAUF& l = k->ImportLauf;
    l.Aenderungen = 0;
    l.AutoNummerMarke = 0;
    ProtokollBeenden(k->AktuelleZeile != nullptr ? k->AktuelleZeile->SatzNummer + 1 : 0, l.Zaehler);
    l.Zaehler = 0;
    AenderungsspeicherSchliessen();
    if (!k->KeineAuftragsaenderung)
        AuftraegeVerwerfen();
    EDIMapDBA_WriteEDIMAPMem(k->KatalogLieferantIln);
    EDIMapDBA_FreeEDIMAPMem();
    ZaehlerImportiertAnzeigen(0);
    FarbenFreigeben();
    ArtikelspeicherSchliessen(k);
    /* The engine's questions keep their service, without the page. */
    k->SeitenDienst = g_FensterSeitenDienst;
    return 1;
}

static INT_PTR CALLBACK ImportSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    switch (nachricht) {
    case WM_INITDIALOG:
        /* The page is made when the window opens; its state is set up
         * each time the page is entered (ImportSeiteInit). */
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(seite, &ps);
        EndPaint(seite, &ps);
        return 0;
    }
    case WM_NOTIFY: {
        const NMHDR* kopf = (const NMHDR*)lParam;
        if (kopf != nullptr && ((int)kopf->code == -105 || (int)kopf->code == -106))
            return 0;
        return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (g_Kontext == nullptr)
            return 0;
        return (INT_PTR)ImportSeiteFarbe(seite, nachricht, (HDC)wParam, (HWND)lParam);
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        if (g_Kontext == nullptr || id == IDCANCEL)
            return 1;
        if (id == IDC_IP_ZUWEISEN || id == IDC_IP_UEBERSPRINGEN) {
            if (code == 0)
                LaufBefehl(seite, id, 0);
        } else if (id == 2024 || id == 2025) {
            StopAnzeigen(seite, id == 2024 ? IDC_IP_STOP_WECHSEL : IDC_IP_STOP_VARIATION);
        } else {
            FeldaktionBefehl(seite, id, code);
        }
        return 1;
    }
    default:
        return 0;
    }
}

const SEITE g_ImportSeite = { IDD_SEITE_IMPORT, ImportSeiteInit, ImportSeiteExit, ImportSeiteProc, ImportSeiteFarbe };
