/*
 * aenderungsdialog.cpp - dialog 1005 "Einzelteiländerungen und Etiketten":
 * the options of a run over the stock items, and the run itself on OK or
 * on closing.
 */
#include "pricechange/preisaenderung.h"
#include "kontext/ktoxedi.h"
#include "hostapi/dbadll.h"
#include "resources/resource.h"

/* Ticks or clears every option, sets the four option fields and enables
 * or disables the dependent controls (the master box 1158 stays usable). */
static void OptionenSetzen(HWND dialog, int zustand)
{
    EDI_KONTEXT* k = g_Kontext;
    static const int kaestchen[] = { IDC_EA_KEINE_VERKAUFTEN, IDC_EA_ETIKETTEN, IDC_EA_PREISAENDERUNGEN,
                                     IDC_EA_DURCHFUEHREN, IDC_EA_KEINE_EK1 };
    static const int abhaengig[] = { IDC_EA_KEINE_VERKAUFTEN, IDC_EA_ETIKETTEN, IDC_EA_PREISAENDERUNGEN,
                                     IDC_EA_FORTSCHRITT, IDC_EA_KEINE_EK1 };
    for (int id : kaestchen)
        CheckDlgButton(dialog, id, zustand ? BST_CHECKED : BST_UNCHECKED);
    k->KeineVerkauftenAendern = zustand;
    k->KeineEk1Aenderung = zustand;
    k->EtikettenDrucken = zustand;
    k->PreisaenderungenDrucken = zustand;
    for (int id : abhaengig) {
        HWND steuerelement = GetDlgItem(dialog, id);
        if (steuerelement != nullptr)
            EnableWindow(steuerelement, zustand ? TRUE : FALSE);
    }
}

static int Angekreuzt(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

INT_PTR CALLBACK EinzelteilAenderungenProc(HWND dialog, UINT nachricht, WPARAM wParam, LPARAM)
{
    EDI_KONTEXT* k = g_Kontext;
    if (nachricht == WM_INITDIALOG) {
        OptionenSetzen(dialog, 1);
        return 1;
    }
    if (nachricht != WM_COMMAND)
        return 0;
    switch (LOWORD(wParam)) {
    case IDC_EA_DURCHFUEHREN:
        OptionenSetzen(dialog, Angekreuzt(dialog, IDC_EA_DURCHFUEHREN));
        return 1;
    case IDC_EA_ETIKETTEN:
        k->EtikettenDrucken = Angekreuzt(dialog, IDC_EA_ETIKETTEN);
        return 1;
    case IDC_EA_PREISAENDERUNGEN:
        k->PreisaenderungenDrucken = Angekreuzt(dialog, IDC_EA_PREISAENDERUNGEN);
        return 1;
    case IDC_EA_KEINE_EK1:
        k->KeineEk1Aenderung = Angekreuzt(dialog, IDC_EA_KEINE_EK1);
        return 1;
    case IDC_EA_KEINE_VERKAUFTEN:
        k->KeineVerkauftenAendern = Angekreuzt(dialog, IDC_EA_KEINE_VERKAUFTEN);
        return 1;
    case IDOK:
    case IDCANCEL:
        if (Angekreuzt(dialog, IDC_EA_DURCHFUEHREN))
            EinzelteileAendern(dialog);
        PreisaenderungslisteDrucken();
        EndDialog(dialog, 1);
        return 1;
    }
    return 0;
}

INT_PTR PreisaenderungenAnbieten(HWND besitzer)
{
    if (EDI_AENDERUNG_DBA_EDIAenderungExists() != 1)
        return 0;
    return DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EINZELTEILAENDERUNGEN), besitzer,
                           EinzelteilAenderungenProc, 0);
}
