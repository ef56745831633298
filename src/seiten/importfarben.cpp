/*
 * importfarben.cpp - the colours of the "Importieren" page: the pairs of
 * text colour, background and brush it draws with, the colour of each
 * control by the mapping status of its kind and by the agreement of a
 * pending value with the catalogue's, and the flash of a stop check box.
 */
#include "seiten/seiten.h"
#include "seiten/importseite_intern.h"

#include "kontext/seitenhilfe.h"
#include "resources/resource.h"

/* ---- colours ----------------------------------------------------------- */

/* Pairs in ImportFarben: text colour, background, brush. */
enum { PAAR_STATUS1, PAAR_GRUEN, PAAR_GELB, PAAR_ROT, PAAR_ABWEICHEND, PAAR_NEUTRAL, PAARE };

static void PaarSetzen(int paar, COLORREF text, COLORREF hintergrund, HBRUSH pinsel)
{
    INT_PTR* f = g_Kontext->ImportFarben;
    f[3 * paar] = (INT_PTR)text;
    f[3 * paar + 1] = (INT_PTR)hintergrund;
    f[3 * paar + 2] = (INT_PTR)pinsel;
}

void FarbenAnlegen(void)
{
    static const COLORREF farben[PAARE - 1][2] = {
        { RGB(255, 255, 255), RGB(192, 192, 255) },
        { RGB(0, 0, 0), RGB(192, 255, 192) },
        { RGB(0, 0, 0), RGB(255, 255, 128) },
        { RGB(0, 0, 0), RGB(255, 128, 128) },
        { RGB(0, 0, 0), RGB(255, 192, 192) },
    };
    for (int p = 0; p < PAARE - 1; p++)
        if (g_Kontext->ImportFarben[3 * p + 2] == 0)
            PaarSetzen(p, farben[p][0], farben[p][1], CreateSolidBrush(farben[p][1]));
    /* The neutral pair uses the system's own brush, which is never deleted. */
    PaarSetzen(PAAR_NEUTRAL, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), GetSysColorBrush(COLOR_WINDOW));
}

void FarbenFreigeben(void)
{
    for (int p = 0; p < PAARE; p++) {
        HBRUSH pinsel = (HBRUSH)g_Kontext->ImportFarben[3 * p + 2];
        if (pinsel != nullptr && p != PAAR_NEUTRAL)
            DeleteObject(pinsel);
        g_Kontext->ImportFarben[3 * p + 2] = 0;
    }
}

static HBRUSH Paar(HDC dc, int paar)
{
    const INT_PTR* f = g_Kontext->ImportFarben;
    if (f[3 * paar + 2] == 0)
        return nullptr;
    return (HBRUSH)FarbenSetzen(dc, (COLORREF)f[3 * paar], (COLORREF)f[3 * paar + 1], (HBRUSH)f[3 * paar + 2]);
}

static int PaarDesStatus(int32_t status)
{
    switch (status) {
    case STATUS_OFFEN: return PAAR_ROT;
    case STATUS_STANDARD: return PAAR_STATUS1;
    case STATUS_ABWEICHEND: return PAAR_GELB;
    case 4:
    case STATUS_GELERNT: return PAAR_GRUEN;
    default: return PAAR_NEUTRAL;
    }
}

/* Colours of the catalogue side and the three check boxes, the same with
 * and without a row. 1 = the control is one of them. */
static int EdiSeiteFarbe(int id, HDC dc, HBRUSH* ergebnis)
{
    EDI_KONTEXT* k = g_Kontext;
    const IMPORT_LAUF& l = k->ImportLauf;
    int edi = id == IDC_IP_EDI_ARTIKEL || id == IDC_IP_EDI_HG || (id >= IDC_IP_EDI_WG && id <= IDC_IP_EDI_ZUSATZ) ||
              id == IDC_IP_EDI_VK2 || id == IDC_IP_EDI_FILIALE || id == IDC_IP_SATZNR_LABEL || id == IDC_IP_SATZNR;
    if (edi) {
        *ergebnis = k->ExternAutomapping ? (HBRUSH)FarbenSetzen(dc, k->FarbeSchwarz, k->FarbeHellrot, k->PinselHellrot)
                                         : (HBRUSH)FarbenSetzen(dc, k->FarbeRot, k->FarbeHelltuerkis, k->PinselHelltuerkis);
        return 1;
    }
    if (id == IDC_IP_STOP_VARIATION || id == IDC_IP_STOP_WECHSEL) {
        int angehalten = id == IDC_IP_STOP_WECHSEL ? l.AngehaltenWechsel : l.AngehaltenVariation;
        *ergebnis = Paar(dc, angehalten ? PAAR_ABWEICHEND : PAAR_NEUTRAL);
        return 1;
    }
    if (id == IDC_IP_VORRANG) {
        *ergebnis = k->ExternAutomapping ? (HBRUSH)FarbenSetzen(dc, k->FarbeWeiss, k->FarbeSignalrot, k->PinselSignalrot)
                                         : (HBRUSH)FarbenSetzen(dc, k->FarbeRot, k->FarbeHelltuerkis, k->PinselHelltuerkis);
        return 1;
    }
    return 0;
}

HBRUSH OXCALL ImportSeiteFarbe(HWND seite, UINT nachricht, HDC dc, HWND steuerelement)
{
    (void)nachricht;
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return nullptr;
    const     int id = GetDlgCtrlID(steuerelement);
    HBRUSH ergebnis = nullptr;
    if (EdiSeiteFarbe(id, dc, &ergebnis))
        return ergebnis;
    if (k->AktuelleZeile == nullptr) {
        if (id == IDC_IP_HOST_GRUPPE)
            return (HBRUSH)FarbenSetzen(dc, k->FarbeBlau, k->FarbeHellrot, k->PinselHellrot);
        for (int i = 0; i < g_ImportArtenAnzahl; i++) {
            const SEITEN_ART& a = g_ImportArten[i];
            if (a.Art != 8 && a.Text != 0 && id == a.Text) {
                if (a.Neu != 0)
                    EnableWindow(SeitenSteuerelement(seite, a.Neu), FALSE);
                return (HBRUSH)FarbenSetzen(dc, k->FarbeSchwarz, k->FarbeHellgelb, k->PinselHellgelb);
            }
        }
        return nullptr;
    }
    for (int i = 0; i < g_ImportArtenAnzahl; i++) {
        const SEITEN_ART& a = g_ImportArten[i];
        if (a.Art == 8 || (id != a.Text && !(a.Art == 0 && id == a.Code)))
            continue;
        int32_t status = k->DialogWerte.Art[a.Art].Status;
        if (a.Neu != 0 && a.Art != 0)
            EnableWindow(SeitenSteuerelement(seite, a.Neu), status == STATUS_OFFEN || status == STATUS_STANDARD ||
                                                       status == STATUS_ABWEICHEND);
        return Paar(dc, PaarDesStatus(status));
    }
    const DIALOG_WERTE& d = k->DialogWerte;
    int32_t gleich = -1;
    switch (id) {
    case IDC_IP_LFARBE: gleich = d.GleichFarbe; break;
    case IDC_IP_ZUSATZ: gleich = d.GleichZusatztext; break;
    case IDC_IP_EK1: gleich = d.GleichEk1; break;
    case IDC_IP_EK2: gleich = d.GleichEk2; break;
    case IDC_IP_VK1: gleich = d.GleichVk1; break;
    case IDC_IP_VK2: gleich = d.GleichVk2; break;
    case IDC_IP_MWST_PROZENT: gleich = d.GleichMwst; break;
    default: return nullptr;
    }
    return Paar(dc, gleich == 1 ? PAAR_NEUTRAL : PAAR_ABWEICHEND);
}

void KontrollkaestchenBlinken(HWND seite, int id)
{
    HWND feld = SeitenSteuerelement(seite, id);
    if (feld == nullptr)
        return;
    HDC dc = GetWindowDC(feld);
    if (dc == nullptr)
        return;
    RECT r;
    GetClientRect(feld, &r);
    static const COLORREF farben[] = { RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 0) };
    for (COLORREF farbe : farben) {
        HPEN stift = CreatePen(PS_SOLID, 1, farbe);
        HBRUSH pinsel = CreateSolidBrush(farbe);
        HGDIOBJ alterStift = SelectObject(dc, stift);
        HGDIOBJ alterPinsel = SelectObject(dc, pinsel);
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        SelectObject(dc, alterStift);
        SelectObject(dc, alterPinsel);
        DeleteObject(stift);
        DeleteObject(pinsel);
        GdiFlush();
        Sleep(100);
    }
    ReleaseDC(feld, dc);
    UpdateWindow(feld);
}

