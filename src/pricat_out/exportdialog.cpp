/*
 * exportdialog.cpp - the export dialog: export folder, options and the
 * choice of the supplier.
 */
#include "pricat_out/exportdialog.h"
#include "entry/einstellungen.h"
#include "entry/ktoxedi.h"
#include "entry/text.h"
#include "resources/resource.h"

void ExportOrdnerErmitteln(char* ziel, size_t groesse, int mitTrenner)
{
    char eltern[260];
    EdiElternordner(eltern, sizeof eltern, HostDatenText(HD_HOSTVERZEICHNIS));
    TextFormat(ziel, groesse, mitTrenner ? "%sEDI_EXPORT\\" : "%sEDI_EXPORT", eltern);
}

/* Enables the name extension and info controls (given: enabled at all,
 * extension wanted, info file wanted). */
static void ZusatzSteuerelemente(HWND fenster, int aktiv, int erweiterung, int info)
{
    if (!aktiv) {
        CheckDlgButton(fenster, IDC_EX_NAMENSERW_CHK, BST_UNCHECKED);
        CheckDlgButton(fenster, IDC_EX_INFO_CHK, BST_UNCHECKED);
    }
    EnableWindow(GetDlgItem(fenster, IDC_EX_NAMENSERW_CHK), aktiv);
    EnableWindow(GetDlgItem(fenster, IDC_EX_INFO_CHK), aktiv);
    EnableWindow(GetDlgItem(fenster, IDC_EX_NAMENSERW), aktiv && erweiterung);
    EnableWindow(GetDlgItem(fenster, IDC_EX_INFO_BTN), aktiv && info);
}

static void Initialisieren(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    k->BleExport = EdiOptionLesen(k->IniKeyBleExport, 1);
    k->AdressimportSuchen = EdiOptionLesen(k->IniKeyAdressimportSuchen, 1);
    CheckDlgButton(fenster, IDC_EX_PFLEGEKZ, BST_CHECKED);
    CheckDlgButton(fenster, IDC_EX_ADRESSEN, k->AdressimportSuchen ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(fenster, IDC_EX_BLE, k->BleExport ? BST_CHECKED : BST_UNCHECKED);
    ZusatzSteuerelemente(fenster, 0, 0, 0);
    SetDlgItemTextA(fenster, IDC_EX_NAMENSERW, "");
    char ordner[260];
    ExportOrdnerErmitteln(ordner, sizeof ordner, 0);
    SetDlgItemTextA(fenster, IDC_EX_ORDNER, ordner);
    if (k->SchriftArial9Fett != nullptr)
        SendDlgItemMessageA(fenster, IDC_EX_ORDNER, WM_SETFONT, (WPARAM)k->SchriftArial9Fett, TRUE);
}

INT_PTR CALLBACK ExportDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    EDI_KONTEXT* k = g_Kontext;
    switch (nachricht) {
    case WM_INITDIALOG:
        Initialisieren(fenster);
        return 1;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_EX_ADRESSEN:
            k->AdressimportSuchen = IsDlgButtonChecked(fenster, IDC_EX_ADRESSEN) == BST_CHECKED;
            EdiOptionSchreiben(k->IniKeyAdressimportSuchen, k->AdressimportSuchen);
            return 1;
        case IDC_EX_BLE:
            k->BleExport = IsDlgButtonChecked(fenster, IDC_EX_BLE) == BST_CHECKED;
            EdiOptionSchreiben(k->IniKeyBleExport, k->BleExport);
            return 1;
        case IDCANCEL:
            EndDialog(fenster, 1);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
