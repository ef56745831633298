/*
 * artikeldialog.cpp - dialog 1013 "EDI-Artikelzuweisung": the user decides
 * which ORDANEX article a catalogue article belongs to.
 */
#include "partner/partner.h"
#include "kontext/artikeldialog.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "resources/resource.h"
#include "hostapi/oxlanguage.h"

/* One showing of the dialog: the candidates it shows and its result, kept
 * with the dialog window until KTOXEDIARTDIALOG_Dialog returns it. */
struct ARTIKELDIALOG_LAUF {
    const KANDIDATEN_BLOCK* Kandidaten;
    int32_t Ergebnis;
};

struct ZEILE {
    int Lieferant, Artikel, Nummer, Wahl;
};

/* In the order in which a matching number ticks its row: a later match
 * replaces an earlier one. */
static const ZEILE s_Zeilen[] = {
    { IDC_AZ_PRICAT_LIEFERANT, IDC_AZ_PRICAT_ARTIKEL, IDC_AZ_PRICAT_NUMMER, IDC_AZ_PRICAT_WAHL },
    { IDC_AZ_GTIN_LIEFERANT, IDC_AZ_GTIN_ARTIKEL, IDC_AZ_GTIN_NUMMER, IDC_AZ_GTIN_WAHL },
    { IDC_AZ_MAP_LIEFERANT, IDC_AZ_MAP_ARTIKEL, IDC_AZ_MAP_NUMMER, IDC_AZ_MAP_WAHL },
    { IDC_AZ_DIALOG_LIEFERANT, IDC_AZ_DIALOG_ARTIKEL, IDC_AZ_DIALOG_NUMMER, IDC_AZ_DIALOG_WAHL },
};

static void FeldText(HWND fenster, int id, const char* feld, size_t breite)
{
    char text[64];
    size_t n = TextLaenge(feld, breite);
    if (n >= sizeof text)
        n = sizeof text - 1;
    for (size_t i = 0; i < n; i++)
        text[i] = feld[i];
    text[n] = '\0';
    SetDlgItemTextA(fenster, id, text);
}

static void Kandidat(HWND fenster, const ZEILE& zeile, const unsigned char* satz, int32_t nummer)
{
    FeldText(fenster, zeile.Lieferant, (const char*)satz + 8, 5);
    FeldText(fenster, zeile.Artikel, (const char*)satz + 13, 25);
    SetDlgItemInt(fenster, zeile.Nummer, (UINT)nummer, TRUE);
}

static void Oeffnen(HWND fenster, const KANDIDATEN_BLOCK* k)
{
    Kandidat(fenster, s_Zeilen[0], k->KatalogKandidat, k->KatalogArtikel);
    Kandidat(fenster, s_Zeilen[1], k->GtinKandidat, k->GtinArtikel);
    Kandidat(fenster, s_Zeilen[2], k->MappingKandidat, k->MappingArtikel);
    Kandidat(fenster, s_Zeilen[3], k->DialogKandidat, k->DialogArtikel);
    FeldText(fenster, IDC_AZ_GTIN, k->Gtin, sizeof k->Gtin);
    FeldText(fenster, IDC_AZ_GLN, k->Gln, sizeof k->Gln);
    FeldText(fenster, IDC_AZ_ORIG_LIEFERANT, k->LieferantNummerText, sizeof k->LieferantNummerText);
    FeldText(fenster, IDC_AZ_ORIG_ARTIKEL, k->Artikel, sizeof k->Artikel);
    SetDlgItemInt(fenster, IDC_AZ_NULLER, (UINT)k->AnzahlLeere, TRUE);
    SetDlgItemInt(fenster, IDC_AZ_GLEICHE, (UINT)k->AnzahlGleiche, TRUE);

    const int32_t nummern[] = { k->KatalogArtikel, k->GtinArtikel, k->MappingArtikel, k->DialogArtikel };
    int gewaehlt = 0;
    for (int i = 0; i < 4; i++)
        if (nummern[i] == k->VorgeschlagenerArtikel)
            gewaehlt = s_Zeilen[i].Wahl;
    if (gewaehlt != 0)
        CheckRadioButton(fenster, IDC_AZ_PRICAT_WAHL, IDC_AZ_DIALOG_WAHL, gewaehlt);
}

static int32_t Uebernehmen(HWND fenster)
{
    int32_t ergebnis = 0;
    for (const ZEILE& zeile : s_Zeilen) {
        if (IsDlgButtonChecked(fenster, zeile.Wahl) == BST_CHECKED) {
            BOOL ok = FALSE;
            int wert = (int)GetDlgItemInt(fenster, zeile.Nummer, &ok, TRUE);
            ergebnis = ok ? wert : 0;
        }
    }
    return ergebnis;
}

static INT_PTR CALLBACK ArtikelDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    switch (nachricht) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(fenster, GWLP_USERDATA, lParam);
        Oeffnen(fenster, ((const ARTIKELDIALOG_LAUF*)lParam)->Kandidaten);
        return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) != 0)
            return 0;
        switch (LOWORD(wParam)) {
        case IDC_AZ_PRICAT_WAHL:
        case IDC_AZ_GTIN_WAHL:
        case IDC_AZ_MAP_WAHL:
        case IDC_AZ_DIALOG_WAHL:
            CheckRadioButton(fenster, IDC_AZ_PRICAT_WAHL, IDC_AZ_DIALOG_WAHL, LOWORD(wParam));
            break;
        case IDOK:
            ((ARTIKELDIALOG_LAUF*)GetWindowLongPtrA(fenster, GWLP_USERDATA))->Ergebnis = Uebernehmen(fenster);
            EndDialog(fenster, 1);
            break;
        case IDCANCEL:
            ((ARTIKELDIALOG_LAUF*)GetWindowLongPtrA(fenster, GWLP_USERDATA))->Ergebnis = 0;
            EndDialog(fenster, 0);
            break;
        }
        return 0;
    default:
        return 0;
    }
}

extern "C" int32_t WINAPI KTOXEDIARTDIALOG_Dialog(HWND besitzer, const void* kandidaten)
{
    if (kandidaten == nullptr)
        return 0;
    const DLGTEMPLATE* vorlage = (const DLGTEMPLATE*)LoadDialogResource(g_ModulInstanz, IDD_ARTIKELZUWEISUNG);
    if (vorlage == nullptr)
        return 0;
    ARTIKELDIALOG_LAUF lauf = { (const KANDIDATEN_BLOCK*)kandidaten, 0 };
    if (DialogBoxIndirectParamA(g_ModulInstanz, vorlage, besitzer, ArtikelDialogProc, (LPARAM)&lauf) == -1)
        return 0;
    return lauf.Ergebnis;
}
