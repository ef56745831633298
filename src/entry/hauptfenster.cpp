/*
 * hauptfenster.cpp - dialog 107 "EDI Import": display resources, header,
 * counters, the four tab pages and the close sequence.
 */
#include "entry/hauptfenster.h"
#include "entry/seiten.h"
#include "entry/seitenhilfe.h"
#include "entry/text.h"
#include "pricechange/preisaenderung.h"
#include "resources/resource.h"
#include "hostapi/oxinifile.h"
#include "hostapi/oxtabctl.h"
#include "hostapi/oxtexdefs.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

/* The tab control and the tab-control library's handle of the open window. */
static HWND s_TabFenster;
static HOSTHANDLE s_TabBibliothek;

static void DarstellungAnlegen(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    k->FarbeGruen = 0x0000FF00;
    k->FarbeRot = 0x000000FF;
    k->FarbeBlau = 0x00FF0000;
    k->FarbeSchwarz = 0x00000000;
    k->FarbeWeiss = 0x00FFFFFF;
    k->FarbeHellgelb = 0x00C0FFFF;
    k->PinselHellgelb = CreateSolidBrush(k->FarbeHellgelb);
    k->FarbeHellrot = 0x00C0C0FF;
    k->PinselHellrot = CreateSolidBrush(k->FarbeHellrot);
    k->FarbeHellgruen = 0x00C0FFC0;
    k->PinselHellgruen = CreateSolidBrush(k->FarbeHellgruen);
    k->FarbeHelltuerkis = 0x00FFFFC0;
    k->PinselHelltuerkis = CreateSolidBrush(k->FarbeHelltuerkis);
    k->FarbeHellgrau = 0x00E8E8E8;
    k->PinselHellgrau = CreateSolidBrush(k->FarbeHellgrau);
    k->FarbeSignalrot = 0x000000FF;
    k->PinselSignalrot = CreateSolidBrush(k->FarbeSignalrot);

    HDC dc = GetDC(fenster);
    k->SchriftCourier8 = SchriftAnlegen(dc, 8, 400, "Courier New");
    k->SchriftCourier9Fett = SchriftAnlegen(dc, 9, 700, "Courier New");
    k->SchriftArial8Fett = SchriftAnlegen(dc, 8, 700, "Arial");
    k->SchriftArial9Fett = SchriftAnlegen(dc, 9, 700, "Arial");
    k->SchriftArial10Fett = SchriftAnlegen(dc, 10, 700, "Arial");
    k->SchriftArial12Fett = SchriftAnlegen(dc, 12, 700, "Arial");
    k->SchriftArial16Fett = SchriftAnlegen(dc, 16, 700, "Arial");
    ReleaseDC(fenster, dc);
}

static void Freigeben(HGDIOBJ* objekt)
{
    if (*objekt != nullptr) {
        DeleteObject(*objekt);
        *objekt = nullptr;
    }
}

static void DarstellungFreigeben(void)
{
    EDI_KONTEXT* k = g_Kontext;
    HGDIOBJ* schriften[] = {
        (HGDIOBJ*)&k->SchriftCourier8, (HGDIOBJ*)&k->SchriftCourier9Fett, (HGDIOBJ*)&k->SchriftArial8Fett,
        (HGDIOBJ*)&k->SchriftArial9Fett, (HGDIOBJ*)&k->SchriftArial10Fett, (HGDIOBJ*)&k->SchriftArial12Fett,
        (HGDIOBJ*)&k->SchriftArial16Fett,
        (HGDIOBJ*)&k->PinselHellgelb, (HGDIOBJ*)&k->PinselHellrot, (HGDIOBJ*)&k->PinselHellgruen,
        (HGDIOBJ*)&k->PinselHelltuerkis, (HGDIOBJ*)&k->PinselHellgrau, (HGDIOBJ*)&k->PinselSignalrot,
    };
    for (HGDIOBJ* objekt : schriften)
        Freigeben(objekt);
}

void KopfzeileAnzeigen(const KATALOGDATEI_EINTRAG* eintrag)
{
    if (g_Kontext == nullptr)
        return;
    HWND fenster = g_Kontext->HauptFenster;
    if (eintrag == nullptr || eintrag == (const KATALOGDATEI_EINTRAG*)-1) {
        char text[256] = "";
        LoadStringA(g_ModulInstanz, IDS_KEIN_LIEFERANT, text, sizeof text);
        if (fenster != nullptr) {
            SetDlgItemTextA(fenster, IDC_HW_LIEFERANT, text);
            SetDlgItemTextA(fenster, IDC_HW_ILN, "");
            SetDlgItemTextA(fenster, IDC_HW_SAETZE, "");
            SetDlgItemTextA(fenster, IDC_HW_GEFILTERT, "");
            SetDlgItemTextA(fenster, IDC_HW_IMPORTIERT, "");
        }
        g_Kontext->AusgewaehlteDatei[0] = '\0';
        return;
    }

    char datumText[32] = "";
    TEXDEFS_DATUM datum;
    TEXDEFS_IntegerToDatum(eintrag->Datum, &datum);
    TEXDEFS_DatumToString(&datum, datumText, (int32_t)sizeof datumText);

    char lieferant[64];
    TextKopieren(lieferant, sizeof lieferant, eintrag->LieferantName);
    const char* at = strchr(lieferant, '@');
    char beschreibung[64];
    TextKopieren(beschreibung, sizeof beschreibung, eintrag->Beschreibung);

    char format[64], kopf[256];
    StringLaden(IDS_KOPFZEILE, format, sizeof format);
    TextFormat(kopf, sizeof kopf, format, at ? at + 1 : lieferant, beschreibung, datumText);
    char iln[16];
    TextKopieren(iln, sizeof iln, eintrag->Iln);
    if (fenster != nullptr) {
        SetDlgItemTextA(fenster, IDC_HW_LIEFERANT, kopf);
        SetDlgItemTextA(fenster, IDC_HW_ILN, iln);
    }
    TextKopieren(g_Kontext->AusgewaehlteDatei, sizeof g_Kontext->AusgewaehlteDatei, eintrag->Pfad);
}

static void ZaehlerAnzeigen(int id, int32_t anzahl)
{
    if (g_Kontext == nullptr || g_Kontext->HauptFenster == nullptr)
        return;
    char text[16];
    TextFormat(text, sizeof text, "%ld", (long)anzahl);
    SetDlgItemTextA(g_Kontext->HauptFenster, id, text);
}

void ZaehlerSaetzeAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_SAETZE, anzahl); }
void ZaehlerGefiltertAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_GEFILTERT, anzahl); }
void ZaehlerImportiertAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_IMPORTIERT, anzahl); }

INT_PTR HauptfensterFarbe(HWND fenster, UINT nachricht, HDC dc, HWND steuerelement)
{
    (void)fenster;
    (void)nachricht;
    switch (GetDlgCtrlID(steuerelement)) {
    case IDC_HW_LIEFERANT:
    case IDC_HW_SAETZE:
    case IDC_HW_GEFILTERT:
    case IDC_HW_IMPORTIERT:
    case IDC_HW_ILN:
        SetTextColor(dc, g_Kontext->FarbeRot);
        SetBkColor(dc, g_Kontext->FarbeHelltuerkis);
        return (INT_PTR)g_Kontext->PinselHelltuerkis;
    default:
        return 0;
    }
}

static void Oeffnen(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    k->HauptFenster = fenster;
    DarstellungAnlegen(fenster);
    const int gross[] = { IDC_HW_LIEFERANT, IDC_HW_SAETZE, IDC_HW_IMPORTIERT, IDC_HW_GEFILTERT, IDC_HW_ILN };
    for (int id : gross)
        SchriftSetzen(fenster, id, k->SchriftArial12Fett);
    SchriftSetzen(fenster, IDC_HW_TAB, k->SchriftArial8Fett);
    k->AuswahlEintrag = (KATALOGDATEI_EINTRAG*)-1;
    INI_Init(g_ModulInstanz, 0);
    INI_GetIniFilename(k->IniDatei);
    KopfzeileAnzeigen(nullptr);

    s_TabFenster = GetDlgItem(fenster, IDC_HW_TAB);
    s_TabBibliothek = OXTabCtl_Create(g_ModulInstanz, s_TabFenster);
    if (s_TabBibliothek == 0)
        return;
    SetWindowLongPtrA(fenster, GWLP_USERDATA, (LONG_PTR)s_TabBibliothek);
    SeitenAnmelden(s_TabBibliothek);
    OXTabCtl_OnTabDlgInit(fenster);
}

static void Schliessen(HWND fenster)
{
    if (s_TabBibliothek != 0)
        OXTabCtl_OnTabDlgExit(fenster);
    PreisaenderungenAnbieten(fenster);
    EndDialog(fenster, 1);
    DarstellungFreigeben();
    if (s_TabBibliothek != 0) {
        OXTabCtl_Destroy(s_TabBibliothek);
        s_TabBibliothek = 0;
    }
    s_TabFenster = nullptr;
}

static INT_PTR TabBenachrichtigung(HWND fenster, const NMHDR* kopf)
{
    if (kopf->code == (UINT)TCN_SELCHANGE) {
        if (kopf->idFrom == IDC_HW_TAB)
            OXTabCtl_OnSelChanged(fenster);
        return 1;
    }
    if (kopf->code == LVN_BEGINLABELEDITA || kopf->code == LVN_ENDLABELEDITA)
        return 0;
    return 1;
}

INT_PTR CALLBACK HauptfensterProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    switch (nachricht) {
    case WM_INITDIALOG:
        Oeffnen(fenster);
        return 1;
    case WM_NOTIFY:
        return TabBenachrichtigung(fenster, (const NMHDR*)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDC_HW_BEENDEN)
            Schliessen(fenster);
        return 1;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return HauptfensterFarbe(fenster, nachricht, (HDC)wParam, (HWND)lParam);
    default:
        return 0;
    }
}
