/*
 * feldaktionen.cpp - what the user does on the "Importieren" page between
 * two steps of the run: assigning and creating characteristics, choosing
 * or typing the article, correcting prices and VAT, the page's settings,
 * and learning the supplier's keywords when a row is written.
 *
 * Every correction sets the change bit, so the next run step keeps the
 * user's values instead of taking the catalogue's again.
 */
#include "seiten/importseite_intern.h"

#include "engine/engine.h"
#include "kontext/einstellungen.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/oxmwst.h"
#include "resources/resource.h"

#include <string.h>

static void Geaendert(void)
{
    g_Kontext->ImportLauf.Aenderungen |= IMPORT_AENDERUNG;
}

/* The pending supplier colour text formed again from the current row. */
static void FarbTextNeu(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->AktuelleZeile == nullptr)
        return;
    ZeilenFarbText(k->AktuelleZeile, k->DialogWerte.Farbtext, sizeof k->DialogWerte.Farbtext);
    TextKopieren(k->OxOut.Farbtext, sizeof k->OxOut.Farbtext, k->DialogWerte.Farbtext);
}

/* Size table and status block of the pending article cleared (another
 * article was chosen). */
static void ArtikelwahlZuruecksetzen(void)
{
    DIALOG_WERTE& d = g_Kontext->DialogWerte;
    TAB_ClearTabelle(&d.Tabelle, 0);
    d.TabelleGueltig = 0;
    for (DIALOG_WERTE_ART& art : d.Art)
        art.Status = 0;
    d.GleichEk1 = d.GleichEk2 = d.GleichVk1 = d.GleichVk2 = d.GleichMwst = d.GleichZusatztext = d.GleichFarbe = 0;
}

static void Zuweisen(HWND seite, int32_t art, int ausKnopf)
{
    Geaendert();
    int32_t nummer = ausKnopf ? OXGLOBAL_DLGHELP_OnButtonMerkmalOxOut(seite, art, ImportOxOutBindung)
                              : OXGLOBAL_DLGHELP_OnEditMerkmalOxOut(seite, art, ImportOxOutBindung);
    ArtVonSeite(seite, art, nummer > 0 ? nummer : 0);
    if (art == 6)
        FarbTextNeu();
}

/*
 * Create new. A key longer than 4 characters or a text longer than 24 does
 * not fit a characteristic record; such a keyword is not cut into a
 * different characteristic but sent to the host's dialog, which lets the
 * user decide.
 */
static void NeuAnlegen(HWND seite, int32_t art, int schlicht, int ohneVorgabe)
{
    EDI_KONTEXT* k = g_Kontext;
        if (k->AktuelleZeile == nullptr)
        return;
    char schluessel[STICHWORT_GROESSE] = "";
    char text[STICHWORT_GROESSE] = "";
    int hatSchluessel = StichwortUndSchluesselDerArt(KontextStichwortRegeln(), art, &k->AktuelleZeile->PricatDaten,
                                                     schluessel, sizeof schluessel, text, sizeof text);
    int passt = strlen(schluessel) <= 4 && strlen(text) <= 24 && schluessel[0] != '\0';
    int32_t nummer = 0;
    if (!schlicht && hatSchluessel == 1 && passt) {
        MERKMAL_SATZ satz;
        memset(&satz, 0, sizeof satz);
        TextKopieren(satz.Code, sizeof satz.Code, schluessel);
        TextKopieren(satz.Text, sizeof satz.Text, text);
        MMLIB_OeffneDatenbank(art);
        nummer = MMLIB_MerkmalAnlegen(art, &satz);
        MMLIB_SchliesseDatenbank(art);
    } else if (k->HostFunktion21 != nullptr) {
        KatalogAnzeigeNachholen(seite);
        int vorgeben = hatSchluessel == 1 && (schlicht ? !ohneVorgabe : 1);
        nummer = k->HostFunktion21(seite, art, vorgeben ? schluessel : nullptr, vorgeben ? text : nullptr);
    }
    if (nummer <= 0)
        return;
    Geaendert();
    OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, art, nummer, ImportOxOutBindung);
    ArtVonSeite(seite, art, nummer);
    if (art == 6)
        FarbTextNeu();
}

static void ArtikelWaehlen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
        int32_t nummer = OXGLOBAL_DLGHELP_OnButtonArtikelOxOut(seite, k->AktuellerLieferant, ImportOxOutBindung);
    if (nummer > 0) {
        ArtikelwahlZuruecksetzen();
        Geaendert();
        k->AktuelleArtikelNummer = nummer;
        k->ImportLauf.GewaehlterArtikel = nummer;
        k->ImportLauf.GewaehltFuer = k->AktuelleZeile;
        OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, 0, nummer, ImportOxOutBindung);
        /* The pending article is the picked one: the run identifies the row
         * by it, not by the article shown before. */
        ArtVonSeite(seite, 0, nummer);
        SeiteAuffrischen(seite);
    }
    LaufBefehl(seite, IDC_IP_BTN_ARTIKEL, 1);
}

static void ArtikelnummerGetippt(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
        OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(seite, IDC_IP_EDIT_ARTIKEL, ImportOxOutBindung);
    char name[DBA_ARTIKELNAME] = "";
    OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(seite, name, ImportOxOutBindung);
    ArtikelwahlZuruecksetzen();
    int32_t bekannt = strlen(name) >= 6 && k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
    if (bekannt < 1) {
        k->AktuelleArtikelNummer = 0;
    } else {
        k->AktuelleArtikelNummer = OXGLOBAL_DLGHELP_OnEditArtikelOxOut(seite, ImportOxOutBindung);
        OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, 0, k->AktuelleArtikelNummer, ImportOxOutBindung);
    }
    k->ImportLauf.StopGrund = 0;
    ArtVonSeite(seite, 0, k->AktuelleArtikelNummer);
    SeiteAuffrischen(seite);
}

static void NeueEdiNummer(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(seite, IDC_IP_EDIT_ARTIKEL, ImportOxOutBindung);
    char text[64] = "";
    OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(seite, IDC_IP_EDIT_ARTIKEL, text, (int32_t)sizeof text, ImportOxOutBindung);
    if (strlen(text) > IMPORT_ARTIKEL_MAX - 5) {
        SeiteAuffrischen(seite);
        SetFocus(GetDlgItem(seite, IDC_IP_EDIT_ARTIKEL));
        return;
    }
    k->AktuelleArtikelNummer = 0;
    k->ImportLauf.StopGrund = 0;
    ArtikelwahlZuruecksetzen();
    TextAnhaengen(text, sizeof text, "(EDI)");
    OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(seite, IDC_IP_EDIT_ARTIKEL, text, ImportOxOutBindung);
    k->DialogWerte.Art[0].Nummer = 0;
    TextAnhaengen(k->DialogWerte.Art[0].Bezeichnung, sizeof k->DialogWerte.Art[0].Bezeichnung, "(EDI)");
    SeiteAuffrischen(seite);
}

void AutomatischeArtikelnummer(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    if (!l.NeuAutom)
        return;
    SeiteAuffrischen(seite);
    if (k->AktuelleArtikelNummer < 1) {
        SendMessageA(seite, WM_COMMAND, MAKEWPARAM(IDC_IP_NEU_ARTIKEL, BN_CLICKED), 0);
        l.AutoNummerMarke = 1;
    } else if (l.ArtikelGewechselt) {
        SendMessageA(seite, WM_COMMAND, MAKEWPARAM(IDC_IP_NEU_ARTIKEL, BN_CLICKED), 0);
        g_Kontext->DialogWerte.Art[0].Status = STATUS_OFFEN;
        l.AutoNummerMarke = 1;
        k->AktuelleArtikelNummer = 0;
    }
}

static void PreisBearbeitet(HWND seite, int id)
{
    int32_t wert = PreisLesen(seite, id);
    OXGLOBAL_DLGHELP_SetOx_OutItemLong(seite, id, wert, ImportOxOutBindung);
    Geaendert();
}

static void VorschlagUebernehmen(HWND seite, int knopf)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_OXOUT& o = k->OxOut;
    DIALOG_WERTE& d = k->DialogWerte;
    switch (knopf) {
    case IDC_IP_VORSCHLAG_EK1: o.Ek1 = o.VorschlagEk1; d.GleichEk1 = o.Ek1 == o.EdiEk1; break;
    case IDC_IP_VORSCHLAG_EK2: o.Ek2 = o.VorschlagEk2; d.GleichEk2 = o.Ek2 == o.EdiEk2; break;
    case IDC_IP_VORSCHLAG_VK1: o.Vk1 = o.VorschlagVk1; d.GleichVk1 = o.Vk1 == o.EdiVk1; break;
    case IDC_IP_VORSCHLAG_VK2: o.Vk2 = o.VorschlagVk2; d.GleichVk2 = o.Vk2 == o.EdiVk2; break;
    default: return;
    }
    Geaendert();
    SeiteAuffrischen(seite);
    SeiteNeuZeichnen(seite);
}

static void Vk1Kalkulieren(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
        IMPORT_OXOUT& o = k->OxOut;
    int32_t ek1 = o.Ek1, ek2 = o.Ek2, ediVk1 = o.EdiVk1, vk1 = o.Vk1;
    if (k->DialogWerte.Art[2].Nummer > 0 && k->HostFunktion22 != nullptr) {
        int32_t vk = vk1;
        if (k->HostFunktion22(seite, k->DialogWerte.Art[2].Nummer, k->AktuellerLieferant, ek1, ek2, &vk) == 1) {
            if (vk == 0)
                vk = vk1;
            if (vk != ediVk1)
                k->DialogWerte.GleichVk1 = 0;
            o.Vk1 = vk;
            Geaendert();
        }
    }
    SeiteAuffrischen(seite);
    SeiteNeuZeichnen(seite);
}

static void MwstGewaehlt(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    HWND kombi = SeitenSteuerelement(seite, IDC_IP_MWST);
    int32_t satz = OX_MWST_GetSatzNr_FromComboBox(kombi);
    int32_t prozent = OX_MWST_GetMWST_WertFromComboBox(kombi);
    PreisZeigen(seite, IDC_IP_MWST_PROZENT, prozent);
    k->OxOut.Mwst = satz;
    k->DialogWerte.GleichMwst = satz == k->EdiWerte.Mwst;
    SeiteAuffrischen(seite);
    SeiteNeuZeichnen(seite);
}

static void Einstellung(HWND seite, int id)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t wert = IsDlgButtonChecked(seite, id) == BST_CHECKED ? 1 : 0;
    const char* schluessel = nullptr;
    int32_t* spiegel = nullptr;
    switch (id) {
    case IDC_IP_STOP_VARIATION: schluessel = k->IniKeyStopBeiArtikelvariation; spiegel = &k->StopBeiArtikelvariation; break;
    case IDC_IP_STOP_WECHSEL: schluessel = k->IniKeyStopBeiArtikelwechsel; spiegel = &k->StopBeiArtikelwechsel; break;
    case IDC_IP_VORRANG: schluessel = k->IniKeyExternAutomapping; spiegel = &k->ExternAutomapping; break;
    case IDC_IP_UEBERNAHME_EK1: schluessel = k->IniKeyPreisanpassungEk1; spiegel = &k->PreisanpassungEk1; break;
    case IDC_IP_UEBERNAHME_VK1: schluessel = k->IniKeyPreisanpassungVk1; spiegel = &k->PreisanpassungVk1; break;
    case IDC_IP_UEBERNAHME_EK2: schluessel = k->IniKeyPreisanpassungEk2; spiegel = &k->PreisanpassungEk2; break;
    case IDC_IP_UEBERNAHME_VK2: schluessel = k->IniKeyPreisanpassungVk2; spiegel = &k->PreisanpassungVk2; break;
    default: return;
    }
    *spiegel = wert;
    EdiOptionSchreiben(schluessel, wert);
    if (id == IDC_IP_VORRANG) {
        SeiteNeuZeichnen(seite);
    } else if (id != IDC_IP_STOP_VARIATION && id != IDC_IP_STOP_WECHSEL) {
        PreisfelderFreigeben(seite);
        SeiteAuffrischen(seite);
        if (id == IDC_IP_UEBERNAHME_EK1)
            SeiteNeuZeichnen(seite);
    }
}

int FeldaktionBefehl(HWND seite, int id, int code)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t art = ImportArtVonSteuerelement(id);
    const SEITEN_ART* a = art >= 0 ? ImportSeitenArt(art) : nullptr;
    if (a != nullptr && art != 0) {
        if (id == a->Knopf) {
            Zuweisen(seite, art, 1);
        } else if (id == a->Code) {
            if (code != EN_KILLFOCUS)
                return 1;
            OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(seite, id, ImportOxOutBindung);
            Zuweisen(seite, art, 0);
        } else if (code == BN_CLICKED) {
            int schlicht = id == IDC_IP_NEU_SERIE || id == IDC_IP_NEU_LABEL || id == IDC_IP_NEU_GROESSE ||
                           id == IDC_IP_NEU_SAISON;
            int ohneVorgabe = (id == IDC_IP_NEU_SERIE || id == IDC_IP_NEU_LABEL) && Berechnung_GetSerieLabelVorblendung() == 0;
            NeuAnlegen(seite, art, schlicht, ohneVorgabe);
        } else {
            return 1;
        }
        SeiteAuffrischen(seite);
        return 1;
    }
    switch (id) {
    case IDC_IP_BTN_ARTIKEL:
        if (code == BN_CLICKED)
            ArtikelWaehlen(seite);
        return 1;
    case IDC_IP_EDIT_ARTIKEL:
        if (code == EN_KILLFOCUS)
            ArtikelnummerGetippt(seite);
        return 1;
    case IDC_IP_NEU_ARTIKEL:
        if (code == BN_CLICKED)
            NeueEdiNummer(seite);
        return 1;
    case IDC_IP_LFARBE:
    case IDC_IP_ZUSATZ:
    case IDC_IP_KENNUNG:
        if (code == EN_KILLFOCUS) {
            OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(seite, id, ImportOxOutBindung);
            Geaendert();
            SeiteAuffrischen(seite);
        }
        return 1;
    case IDC_IP_EK1:
    case IDC_IP_EK2:
    case IDC_IP_VK1:
    case IDC_IP_VK2:
        if (code == EN_KILLFOCUS) {
            PreisBearbeitet(seite, id);
            SeiteAuffrischen(seite);
        }
        return 1;
    case IDC_IP_VORSCHLAG_EK1:
    case IDC_IP_VORSCHLAG_EK2:
    case IDC_IP_VORSCHLAG_VK1:
    case IDC_IP_VORSCHLAG_VK2:
        VorschlagUebernehmen(seite, id);
        return 1;
    case IDC_IP_KALKULIEREN:
        if (code == BN_CLICKED)
            Vk1Kalkulieren(seite);
        return 1;
    case IDC_IP_MWST:
        if (code == CBN_SELCHANGE)
            MwstGewaehlt(seite);
        return 1;
    case IDC_IP_SENKRECHT:
    case IDC_IP_WAAGRECHT:
        if (k->AktuelleArtikelNummer != 0)
            Geaendert();
        return 1;
    case IDC_IP_STOP_VARIATION:
    case IDC_IP_STOP_WECHSEL:
    case IDC_IP_VORRANG:
        Einstellung(seite, id);
        return 1;
    case IDC_IP_UEBERNAHME_EK1:
    case IDC_IP_UEBERNAHME_VK1:
    case IDC_IP_UEBERNAHME_EK2:
    case IDC_IP_UEBERNAHME_VK2:
        if (code == BN_CLICKED)
            Einstellung(seite, id);
        return 1;
    case IDC_IP_NEU_AUTOM:
        if (code == BN_CLICKED)
            k->ImportLauf.NeuAutom = IsDlgButtonChecked(seite, id) == BST_CHECKED ? 1 : 0;
        return 1;
    default:
        return 0;
    }
}

/* ---- learnt mappings ---------------------------------------------------- */

int32_t GelerntesMerkmal(const char* stichwort, int32_t art)
{
    EDIMAP_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (EDIMapDBA_SuchEDIMAPMem(&satz, g_Kontext->KatalogLieferantIln, stichwort, art) > 0)
        return satz.Nummer;
    return 0;
}

int32_t GelernterArtikelDerZeile(const PRICAT_SATZ* zeile)
{
    char text[SEITE_EDI_TEXT] = "";
    StichwortUndSchluesselDerArt(KontextStichwortRegeln(), 0, &zeile->PricatDaten, nullptr, 0, text, sizeof text);
    EDIMAP_SATZ satz;
    memset(&satz, 0, sizeof satz);
    char iln[14] = "";
    TextKopieren(iln, sizeof iln, zeile->PricatDaten.LieferantenIln);
    if (EDIMapDBA_SuchEDIMAPMem(&satz, iln, text, 0) > 0 && satz.Nummer > 0)
        return satz.Nummer;
    return 0;
}

void MappingsLernen(HWND seite, int32_t artikel, int folge)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->AktuelleZeile == nullptr)
        return;
    static const int32_t arten[] = { 0, 1, 2, 3, 4, 5, 6, 7, 9, 11 };
    for (int32_t art : arten)
        if (k->DialogWerte.Art[art].Status == STATUS_OFFEN || k->DialogWerte.Art[art].Status == STATUS_ABWEICHEND)
            MerkmalLernen(art, k->DialogWerte.Art[art].Nummer, k->EdiWerte.Art[art].Text);
    if (folge == 1)
        EanRegistrieren(artikel, k->AktuelleZeile);
}
