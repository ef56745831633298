/*
 * hauptfenster.cpp - dialog 107 "EDI Import": display resources, the four
 * tab pages and the close sequence (header and counters: kontext/kopfzeile).
 */
#include "entry/hauptfenster.h"
#include "kontext/kopfzeile.h"
#include "seiten/seiten.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "pricechange/preisaenderung.h"
#include "resources/resource.h"
#include "hostapi/oxinifile.h"
#include "hostapi/oxtabctl.h"
#include "hostapi/oxtexdefs.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

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

    k->TabFenster = GetDlgItem(fenster, IDC_HW_TAB);
    k->TabBibliothek = OXTabCtl_Create(g_ModulInstanz, k->TabFenster);
    if (k->TabBibliothek == 0)
        return;
    SetWindowLongPtrA(fenster, GWLP_USERDATA, (LONG_PTR)k->TabBibliothek);
    SeitenAnmelden(k->TabBibliothek);
    OXTabCtl_OnTabDlgInit(fenster);
}

static void Schliessen(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->TabBibliothek != 0)
        OXTabCtl_OnTabDlgExit(fenster);
    PreisaenderungenAnbieten(fenster);
    EndDialog(fenster, 1);
    DarstellungFreigeben();
    if (k->TabBibliothek != 0) {
        OXTabCtl_Destroy(k->TabBibliothek);
        k->TabBibliothek = 0;
    }
    k->TabFenster = nullptr;
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
