/*
 * standardseite.cpp - the tab page "Standard" (dialog 108).
 */
#include "seiten/seiten.h"
#include "grund/anzeige.h"
#include "kontext/einstellungen.h"
#include "kontext/ktoxedi.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "hostapi/oxglobdlg.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <string.h>

/* One characteristic kind of the page: its button, edit and description. */
typedef struct STANDARD_ART {
    int32_t Art;
    int Knopf;
    int Eingabe;
    int Text;
} STANDARD_ART;

static const STANDARD_ART s_Arten[] = {
    { 1, IDC_ST_BTN_HG, IDC_ST_EDIT_HG, IDC_ST_TEXT_HG },
    { 2, IDC_ST_BTN_WG, IDC_ST_EDIT_WG, IDC_ST_TEXT_WG },
    { 3, IDC_ST_BTN_SERIE, IDC_ST_EDIT_SERIE, IDC_ST_TEXT_SERIE },
    { 4, IDC_ST_BTN_LABEL, IDC_ST_EDIT_LABEL, IDC_ST_TEXT_LABEL },
    { 5, IDC_ST_BTN_MATERIAL, IDC_ST_EDIT_MATERIAL, IDC_ST_TEXT_MATERIAL },
    { 6, IDC_ST_BTN_FARBE, IDC_ST_EDIT_FARBE, IDC_ST_TEXT_FARBE },
    { 7, IDC_ST_BTN_GROESSE, IDC_ST_EDIT_GROESSE, IDC_ST_TEXT_GROESSE },
    { 9, IDC_ST_BTN_FILIALE, IDC_ST_EDIT_FILIALE, IDC_ST_TEXT_FILIALE },
    { 11, IDC_ST_BTN_SAISON, IDC_ST_EDIT_SAISON, IDC_ST_TEXT_SAISON },
};
enum { STANDARD_ARTEN = sizeof s_Arten / sizeof s_Arten[0] };

/* The controls that change settings: disabled while no catalogue is read,
 * no supplier set or no file chosen. */
static const int s_Einstellungen[] = {
    1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053,
    IDC_ST_GENERELL, IDC_ST_LIEFERANT, IDC_ST_FARBE0, IDC_ST_FARBE1, IDC_ST_FARBE2, IDC_ST_MINDBEST0,
    IDC_ST_MINDBEST1, IDC_ST_MINDBEST2, IDC_ST_VORBLENDUNG, IDC_ST_ET_SAISON, IDC_ST_NURGEMAPPTE,
    IDC_ST_KEINE_AUFTRAEGE, IDC_ST_GELB, IDC_ST_KENNZEICHEN, IDC_ST_KENNZEICHEN_TEXT, IDC_ST_TABELLEN,
    IDC_ST_DRUCKEN_VK, IDC_ST_VK2_AUS_VK1,
};

static int Angekreuzt(HWND seite, int id)
{
    return IsDlgButtonChecked(seite, id) == BST_CHECKED ? 1 : 0;
}

static void Ankreuzen(HWND seite, int id, int32_t wert)
{
    CheckDlgButton(seite, id, wert ? BST_CHECKED : BST_UNCHECKED);
}

/* A radio group of three: the button for `wert` (0..2; others count as 0). */
static void RadioSetzen(HWND seite, int erster, int32_t wert)
{
    if (wert < 0 || wert > 2)
        wert = 0;
    CheckRadioButton(seite, erster, erster + 2, erster + wert);
}

static int32_t RadioWert(HWND seite, int erster, int zweiter)
{
    if (Angekreuzt(seite, erster))
        return 0;
    return Angekreuzt(seite, zweiter) ? 1 : 2;
}

/* Caption of 1067 for the article-mark action. */
static void KennzeichenBeschriften(HWND seite, int32_t aktion)
{
    char text[256];
    StringLaden(aktion == 0 ? IDS_KZ_IGNORIERT : IDS_KZ_NUR_DIESE, text, sizeof text);
    SetDlgItemTextA(seite, IDC_ST_KENNZEICHEN, text);
}

static void KennzeichenSpeichern(void)
{
    Berechnung_PutArtikelkennzeichen(g_Kontext->KennzeichenAktion, g_Kontext->KennzeichenText);
}

/* 1139 is enabled for the supplier (1058) when a chosen file names an ILN,
 * else for all imports (1057). */
static void ZuweisenFreigeben(HWND seite)
{
    int an = 0;
    if (Angekreuzt(seite, IDC_ST_LIEFERANT) && AuswahlEintragGewaehlt() && g_Kontext->AuswahlEintrag->Iln[0] != '\0')
        an = 1;
    else if (Angekreuzt(seite, IDC_ST_GENERELL))
        an = 1;
    EnableWindow(GetDlgItem(seite, IDC_ST_ZUWEISEN), an);
}

static void StandardmerkmaleZuweisen(HWND seite)
{
    int lieferant = Angekreuzt(seite, IDC_ST_LIEFERANT);
    int generell = Angekreuzt(seite, IDC_ST_GENERELL);
    for (const STANDARD_ART& a : s_Arten) {
        int32_t nummer = OXGLOBAL_DLGHELP_PruefeEingabe(seite, a.Art, 0);
        if (lieferant)
            StandardMerkmal_PutLieferant(a.Art, nummer);
        if (generell)
            StandardMerkmal_PutGenerell(a.Art, nummer > 0 ? nummer : 0);
    }
}

static int32_t OXCALL StandardSeiteInit(HWND seite, HWND /* hauptfenster */, int32_t /* index */, LPARAM /* wert */)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    void* vorher = AnzeigeSanduhr();
    k->StandardAnzeigen = 1;

    OXGLOBAL_DLGHELP_LoescheDlgElemente();
    for (const STANDARD_ART& a : s_Arten)
        OXGLOBAL_DLGHELP_FuelleDlgElemente(a.Art, a.Knopf, a.Eingabe, a.Text);
    if (k->HostFunktion12 != nullptr) {
        static const int knoepfe[3] = { IDC_ST_BTN_SERIE, IDC_ST_BTN_LABEL, IDC_ST_BTN_MATERIAL };
        for (int i = 0; i < 3; i++) {
            char titel[64];
            StringLaden(IDS_KNOPF_ART3 + i, titel, sizeof titel);
            k->HostFunktion12(seite, knoepfe[i], 3 + i, titel);
        }
    }
    EnableWindow(GetDlgItem(seite, IDC_ST_ZUWEISEN), FALSE);
    static const int fett[] = { IDC_ST_TEXT, IDC_ST_KENNZEICHEN, IDC_ST_NURGEMAPPTE, IDC_ST_KEINE_AUFTRAEGE };
    for (int id : fett)
        SchriftSetzen(seite, id, k->SchriftArial8Fett);
    for (const STANDARD_ART& a : s_Arten)
        SendDlgItemMessageA(seite, a.Eingabe, EM_LIMITTEXT, 4, 0);

    char text[1024];
    static const int erklaerung[] = { IDS_TEXT2_TEIL1, IDS_TEXT2_TEIL2, IDS_TEXT2_TEIL3 };
    StringsVerbinden(erklaerung, 3, text, sizeof text);
    SetDlgItemTextA(seite, IDC_ST_TEXT, text);

    RadioSetzen(seite, IDC_ST_FARBE0, Berechnung_GetEdiFarbtexte());
    RadioSetzen(seite, IDC_ST_MINDBEST0, Berechnung_GetMindbestLoeschverhalten());
    Ankreuzen(seite, IDC_ST_VORBLENDUNG, Berechnung_GetSerieLabelVorblendung());
    k->EtAenderungMitSaison = Berechnung_GetEtAenderungMitSaison();
    Ankreuzen(seite, IDC_ST_ET_SAISON, k->EtAenderungMitSaison);
    Ankreuzen(seite, IDC_ST_NURGEMAPPTE, Berechnung_GetNurGemappte());
    Ankreuzen(seite, IDC_ST_KEINE_AUFTRAEGE, Berechnung_GetKeineAuftragsaenderung());
    k->BeiGelbStoppen = Berechnung_GetBeiGelbStoppen();
    Ankreuzen(seite, IDC_ST_GELB, k->BeiGelbStoppen);
    k->DruckenNurBeiVk = Berechnung_GetDruckenNurBeiVk();
    Ankreuzen(seite, IDC_ST_DRUCKEN_VK, k->DruckenNurBeiVk);
    k->Vk2AusVk1 = Berechnung_GetVk2AusVk1();
    Ankreuzen(seite, IDC_ST_VK2_AUS_VK1, k->Vk2AusVk1);
    k->TabellenLoeschen = Berechnung_GetTabellenLoeschen();
    Ankreuzen(seite, IDC_ST_TABELLEN, k->TabellenLoeschen);

    HWND marken = GetDlgItem(seite, IDC_ST_KENNZEICHEN_TEXT);
    SendMessageA(marken, EM_LIMITTEXT, sizeof k->KennzeichenText - 1, 0);
    LONG_PTR stil = GetWindowLongPtrA(marken, GWL_STYLE);
    SetWindowLongPtrA(marken, GWL_STYLE, (stil | ES_UPPERCASE) & ~(LONG_PTR)ES_LOWERCASE);
    k->KennzeichenAktion = Berechnung_GetArtikelkennzeichen(k->KennzeichenText, sizeof k->KennzeichenText);
    SetWindowTextA(marken, k->KennzeichenText);
    Ankreuzen(seite, IDC_ST_KENNZEICHEN, k->KennzeichenAktion != 0);
    KennzeichenBeschriften(seite, k->KennzeichenAktion);

    for (const STANDARD_ART& a : s_Arten) {
        OXGLOBAL_DLGHELP_MerkmalToDialog(seite, a.Art, -1);
        int32_t nummer = StandardMerkmal_Suchen(a.Art);
        if (nummer > 0)
            OXGLOBAL_DLGHELP_MerkmalToDialog(seite, a.Art, nummer);
    }
    SetFocus(GetDlgItem(seite, IDC_ST_EDIT_HG));

    int an = k->DateiGelesen != 0 && k->AktuellerLieferant != 0 && k->AusgewaehlteDatei[0] != '\0';
    SteuerelementeFreigeben(seite, s_Einstellungen, (int)(sizeof s_Einstellungen / sizeof s_Einstellungen[0]), an);
    k->StandardAnzeigen = 0;
    AnzeigeCursorZurueck(vorher);
    return 1;
}

static int32_t OXCALL StandardSeiteExit(HWND seite)
{
    (void)seite;
    return 1;
}

static void Befehl(HWND seite, int id, int code)
{
    EDI_KONTEXT* k = g_Kontext;
    for (const STANDARD_ART& a : s_Arten) {
        if (id == a.Knopf) {
            OXGLOBAL_DLGHELP_OnButtonMerkmal(seite, a.Art);
            return;
        }
        if (id == a.Eingabe) {
            if (code == EN_KILLFOCUS)
                OXGLOBAL_DLGHELP_OnEditMerkmal(seite, a.Art);
            return;
        }
    }
    switch (id) {
    case IDC_ST_KENNZEICHEN_TEXT:
        if (code == EN_CHANGE && !k->StandardAnzeigen) {
            GetDlgItemTextA(seite, IDC_ST_KENNZEICHEN_TEXT, k->KennzeichenText, (int)sizeof k->KennzeichenText);
            KennzeichenSpeichern();
        }
        break;
    case IDC_ST_KENNZEICHEN:
        k->KennzeichenAktion = Angekreuzt(seite, IDC_ST_KENNZEICHEN);
        KennzeichenBeschriften(seite, k->KennzeichenAktion);
        KennzeichenSpeichern();
        break;
    case IDC_ST_GENERELL:
    case IDC_ST_LIEFERANT:
        ZuweisenFreigeben(seite);
        break;
    case IDC_ST_FARBE0:
    case IDC_ST_FARBE1:
    case IDC_ST_FARBE2:
        Berechnung_PutEdiFarbtexte(RadioWert(seite, IDC_ST_FARBE0, IDC_ST_FARBE1));
        break;
    case IDC_ST_MINDBEST0:
    case IDC_ST_MINDBEST1:
    case IDC_ST_MINDBEST2:
        Berechnung_PutMindbestLoeschverhalten(RadioWert(seite, IDC_ST_MINDBEST0, IDC_ST_MINDBEST1));
        break;
    case IDC_ST_VORBLENDUNG:
        Berechnung_PutSerieLabelVorblendung(Angekreuzt(seite, id));
        break;
    case IDC_ST_ET_SAISON:
        k->EtAenderungMitSaison = Angekreuzt(seite, id);
        Berechnung_PutEtAenderungMitSaison(k->EtAenderungMitSaison);
        break;
    case IDC_ST_GELB:
        Berechnung_PutBeiGelbStoppen(Angekreuzt(seite, id));
        break;
    case IDC_ST_TABELLEN:
        k->TabellenLoeschen = Angekreuzt(seite, id);
        Berechnung_PutTabellenLoeschen(k->TabellenLoeschen);
        break;
    case IDC_ST_DRUCKEN_VK:
        k->DruckenNurBeiVk = Angekreuzt(seite, id);
        Berechnung_PutDruckenNurBeiVk(k->DruckenNurBeiVk);
        break;
    case IDC_ST_VK2_AUS_VK1:
        k->Vk2AusVk1 = Angekreuzt(seite, id);
        Berechnung_PutVk2AusVk1(k->Vk2AusVk1);
        break;
    case IDC_ST_NURGEMAPPTE:
        Berechnung_PutNurGemappte(Angekreuzt(seite, id));
        break;
    case IDC_ST_KEINE_AUFTRAEGE:
        Berechnung_PutKeineAuftragsaenderung(Angekreuzt(seite, id));
        break;
    case IDC_ST_ZUWEISEN:
        StandardmerkmaleZuweisen(seite);
        break;
    default:
        break;
    }
}

static HBRUSH OXCALL StandardSeiteFarbe(HWND /* seite */, UINT /* nachricht */, HDC dc, HWND steuerelement)
{
    static const SEITEN_FARBREGEL farben[] = {
        { IDC_ST_TEXT, IDC_ST_TEXT, SEITENFARBE_GRAU },
        { IDC_ST_KENNZEICHEN, IDC_ST_KENNZEICHEN, SEITENFARBE_ROT_AUF_TUERKIS },
        { IDC_ST_NURGEMAPPTE, IDC_ST_KEINE_AUFTRAEGE, SEITENFARBE_WEISS_AUF_ROT },
        /* the host's texts of the standard characteristics */
        { IDC_ST_TEXT_FARBE, IDC_ST_TEXT_GROESSE, SEITENFARBE_GELB },
        { IDC_ST_TEXT_HG, IDC_ST_TEXT_SAISON, SEITENFARBE_GELB },
    };
    return SeitenFarbe(dc, steuerelement, farben, sizeof farben / sizeof farben[0]);
}

static INT_PTR CALLBACK StandardSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    switch (nachricht) {
    case WM_INITDIALOG:
        StandardSeiteInit(seite, GetParent(seite), 2, 0);
        return 1;
    case WM_NOTIFY: {
        const NMHDR* kopf = (const NMHDR*)lParam;
        if (kopf != nullptr && (kopf->code == LVN_BEGINLABELEDITA || kopf->code == LVN_ENDLABELEDITA))
            return 0;
        return 1;
    }
    case WM_COMMAND:
        if (g_Kontext != nullptr && LOWORD(wParam) != IDCANCEL)
            Befehl(seite, LOWORD(wParam), HIWORD(wParam));
        return 1;
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)StandardSeiteFarbe(seite, nachricht, (HDC)wParam, (HWND)lParam);
    default:
        return 0;
    }
}

const SEITE g_StandardSeite = { IDD_SEITE_STANDARD, StandardSeiteInit, StandardSeiteExit, StandardSeiteProc, StandardSeiteFarbe };
