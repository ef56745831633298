/*
 * exportdialog.cpp - the export dialog: export folder, options, the choice
 * of the supplier, the name extension and info text, the export run and
 * the upload offer (see exportdialog.h).
 */
#include "pricat_out/exportdialog.h"
#include "grund/anzeige.h"
#include "pricat_out/exportnamen.h"
#include "kontext/einstellungen.h"
#include "kontext/ktoxedi.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "ftp/ftp.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxinifile.h"
#include "resources/resource.h"

#include <string.h>

enum {
    INFOTEXT_GROESSE = 30000,        /* buffer of the info text */
    ERWEITERUNG_MAX = 254            /* characters of the name extension taken at OK */
};

static const char ALLE[] = "ALLE";

static void InfotextFreigeben(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->ZusatzinfoText != nullptr)
        Storage_Deallocate(k->ZusatzinfoText);
    k->ZusatzinfoText = nullptr;
}

static int Angehakt(HWND fenster, int id)
{
    return IsDlgButtonChecked(fenster, id) == BST_CHECKED;
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

/* The first line of the text file `pfad` (at most groesse-1 characters);
 * 1 when the file could be read. */
static int ErsteZeileLesen(const char* pfad, char* zeile, size_t groesse)
{
    int ergebnis = 0;
    zeile[0] = '\0';
    HOSTHANDLE h = FileIO_OpenROS(pfad);
    if (h != -1) {
        int32_t n = FileIO_Read(h, zeile, (int32_t)groesse - 1);
        FileIO_Close(h);
        if (n >= 0) {
            zeile[n] = '\0';
            zeile[strcspn(zeile, "\r\n")] = '\0';
            ergebnis = 1;
        }
    }
    return ergebnis;
}

/* The whole text file `pfad` into `text` (INFOTEXT_GROESSE bytes) with the
 * line ends an edit control shows (CR LF); a longer file is cut. */
static void InfotextLesen(const char* pfad, char* text)
{
    char puffer[4096];
    size_t laenge = 0;
    char vorher = '\0';
    HOSTHANDLE h = FileIO_OpenROS(pfad);
    text[0] = '\0';
    if (h == -1)
        return;
    int32_t n;
    while ((n = FileIO_Read(h, puffer, (int32_t)sizeof puffer)) > 0 && laenge + 1 < INFOTEXT_GROESSE) {
        for (int32_t i = 0; i < n && laenge + 1 < INFOTEXT_GROESSE; i++) {
            char c = puffer[i];
            if (c == '\0')
                continue;
            if (c == '\n' && vorher != '\r') {
                if (laenge + 2 >= INFOTEXT_GROESSE)
                    break;
                text[laenge++] = '\r';
            }
            text[laenge++] = c;
            vorher = c;
        }
    }
    text[laenge] = '\0';
    FileIO_Close(h);
}

/* The export folder as the dialog shows it (control 5004), with trailing
 * backslash. */
static void AngezeigterOrdner(HWND fenster, char* ordner, size_t groesse)
{
    GetDlgItemTextA(fenster, IDC_EX_ORDNER, ordner, (int)groesse - 1);
    size_t n = strlen(ordner);
    if (n > 0 && ordner[n - 1] != '\\')
        TextAnhaengen(ordner, groesse, "\\");
}

/* Updates the extension and info controls and the preview of the file
 * names for the current supplier. */
static void NamenAktualisieren(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    int erweiterung = Angehakt(fenster, IDC_EX_NAMENSERW_CHK);
    int info = Angehakt(fenster, IDC_EX_INFO_CHK);
    char text[260];
    GetDlgItemTextA(fenster, IDC_EX_NAMENSERW, text, sizeof text);

    if (k->AktuellerLieferant != k->ExportNamenLieferant) {
        SetDlgItemTextA(fenster, IDC_EX_NAMENSERW, "");
        text[0] = '\0';
        InfotextFreigeben();
    }
    if (k->AktuellerLieferant < 0) {
        ZusatzSteuerelemente(fenster, 0, 0, 0);
        return;
    }
    k->ExportNamenLieferant = k->AktuellerLieferant;
    char vorschau[300];
    if (strcmp(k->ExportLieferantText, ALLE) == 0) {
        ZusatzSteuerelemente(fenster, 0, 0, 0);
        ExportVorschau(vorschau, sizeof vorschau, "<*******>", nullptr, 0);
        SetDlgItemTextA(fenster, IDC_EX_VORSCHAU, vorschau);
        return;
    }

    ZusatzSteuerelemente(fenster, 1, erweiterung, info);
    char ordner[260], pfad[260];
    AngezeigterOrdner(fenster, ordner, sizeof ordner);
    if (text[0] == '\0' && ZusatzinfoPfad(pfad, sizeof pfad, ordner, "NAM", k->ExportLieferantText, 1) &&
        FileIO_Exist(pfad) == 1 && ErsteZeileLesen(pfad, text, sizeof text))
        SetDlgItemTextA(fenster, IDC_EX_NAMENSERW, text);
    if (k->ZusatzinfoText == nullptr && ZusatzinfoPfad(pfad, sizeof pfad, ordner, "INFO", k->ExportLieferantText, 1) &&
        FileIO_Exist(pfad) == 1) {
        k->ZusatzinfoText = (char*)Storage_Allocate(INFOTEXT_GROESSE);
        if (k->ZusatzinfoText != nullptr)
            InfotextLesen(pfad, k->ZusatzinfoText);
    }

    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    char name[OX_TXT_25] = "";
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(8, k->AktuellerLieferant, &satz) == 1) {
        memcpy(name, satz.Text, sizeof name - 1);
        name[sizeof name - 1] = '\0';
    }
    ExportVorschau(vorschau, sizeof vorschau, name, erweiterung ? text : nullptr, info);
    SetDlgItemTextA(fenster, IDC_EX_VORSCHAU, vorschau);
}

/* Takes supplier `nummer` when the host knows it. */
static void LieferantUebernehmen(HWND fenster, int32_t nummer)
{
    EDI_KONTEXT* k = g_Kontext;
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (nummer <= 0 || k->HostFunktion15 == nullptr || k->HostFunktion15(8, nummer, &satz) != 1)
        return;
    char code[OX_TXT_CODE];
    memcpy(code, satz.Code, sizeof code - 1);
    code[sizeof code - 1] = '\0';
    SetDlgItemTextA(fenster, IDC_EX_LIEFERANT, code);
    TextKopieren(k->ExportLieferantText, sizeof k->ExportLieferantText, code);
    k->AktuellerLieferant = nummer;
    NamenAktualisieren(fenster);
}

/* Resolves a typed supplier text: "ALLE" (exactly so) is every supplier,
 * anything else a supplier number text. An unknown text leaves the
 * previous supplier (and shows its text again). */
static void LieferantTextAufloesen(HWND fenster, const char* text)
{
    EDI_KONTEXT* k = g_Kontext;
    if (strcmp(text, ALLE) == 0) {
        k->AktuellerLieferant = 0;
        TextKopieren(k->ExportLieferantText, sizeof k->ExportLieferantText, ALLE);
        NamenAktualisieren(fenster);
        return;
    }
    int32_t nummer = k->HostFunktion02 != nullptr ? k->HostFunktion02(8, text) : 0;
    if (nummer > 0)
        LieferantUebernehmen(fenster, nummer);
    else
        SetDlgItemTextA(fenster, IDC_EX_LIEFERANT, k->ExportLieferantText);
}

/* The Dutch layout chooses the supplier in combo box 5002 instead of the
 * picker button and the edit: "ALLE", then every supplier the host knows,
 * as number text and name. */
static void LieferantenKombiFuellen(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    HWND kombi = GetDlgItem(fenster, IDC_EX_LIEFERANT_KOMBI);
    if (kombi == nullptr)
        return;
    SendMessageA(kombi, CB_RESETCONTENT, 0, 0);
    LRESULT index = SendMessageA(kombi, CB_ADDSTRING, 0, (LPARAM)ALLE);
    if (index >= 0)
        SendMessageA(kombi, CB_SETITEMDATA, (WPARAM)index, 0);
    for (int32_t nummer = 1; k->HostFunktion15 != nullptr && nummer <= DBA_MAX_LIEFERANTEN; nummer++) {
        MERKMAL_SATZ satz;
        memset(&satz, 0, sizeof satz);
        if (k->HostFunktion15(8, nummer, &satz) != 1)
            continue;
        char code[OX_TXT_CODE], name[OX_TXT_25], text[OX_TXT_CODE + OX_TXT_25 + 2];
        FeldKopieren(satz.Code, sizeof satz.Code, code, sizeof code);
        FeldKopieren(satz.Text, sizeof satz.Text, name, sizeof name);
        TextFormat(text, sizeof text, "%s %s", code, name);
        index = SendMessageA(kombi, CB_ADDSTRING, 0, (LPARAM)text);
        if (index >= 0)
            SendMessageA(kombi, CB_SETITEMDATA, (WPARAM)index, (LPARAM)nummer);
    }
}

/* An entry of 5002 chosen: as the picker (a supplier) or the typed "ALLE". */
static void LieferantAusKombi(HWND fenster)
{
    HWND kombi = GetDlgItem(fenster, IDC_EX_LIEFERANT_KOMBI);
    LRESULT index = SendMessageA(kombi, CB_GETCURSEL, 0, 0);
    if (index < 0)
        return;
    int32_t nummer = (int32_t)SendMessageA(kombi, CB_GETITEMDATA, (WPARAM)index, 0);
    if (nummer > 0)
        LieferantUebernehmen(fenster, nummer);
    else
        LieferantTextAufloesen(fenster, ALLE);
}

static void Initialisieren(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    k->PflegekennzeichenBeruecksichtigen = 1;
    k->BleExport = EdiOptionLesen(k->IniKeyBleExport, 1);
    k->AdressimportSuchen = EdiOptionLesen(k->IniKeyAdressimportSuchen, 1);
    CheckDlgButton(fenster, IDC_EX_PFLEGEKZ, BST_CHECKED);
    CheckDlgButton(fenster, IDC_EX_ADRESSEN, k->AdressimportSuchen ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(fenster, IDC_EX_BLE, k->BleExport ? BST_CHECKED : BST_UNCHECKED);
    ZusatzSteuerelemente(fenster, 0, 0, 0);
    SetDlgItemTextA(fenster, IDC_EX_NAMENSERW, "");
    SendDlgItemMessageA(fenster, IDC_EX_LIEFERANT, EM_LIMITTEXT, 31, 0);
    SendDlgItemMessageA(fenster, IDC_EX_NAMENSERW, EM_LIMITTEXT, ERWEITERUNG_MAX, 0);
    k->ExportNamenLieferant = k->AktuellerLieferant;
    char ordner[260];
    ExportOrdnerErmitteln(ordner, sizeof ordner, 0);
    SetDlgItemTextA(fenster, IDC_EX_ORDNER, ordner);
    /* Export mode never opens the main window, which makes the fonts: the
     * dialog makes the one it shows and frees it when it closes. */
    k->ExportEigeneSchrift = nullptr;
    if (k->SchriftArial9Fett == nullptr) {
        HDC dc = GetDC(fenster);
        k->ExportEigeneSchrift = dc != nullptr ? SchriftAnlegen(dc, 9, 700, "Arial") : nullptr;
        if (dc != nullptr)
            ReleaseDC(fenster, dc);
    }
    HFONT schrift = k->SchriftArial9Fett != nullptr ? k->SchriftArial9Fett : k->ExportEigeneSchrift;
    if (schrift != nullptr)
        SendDlgItemMessageA(fenster, IDC_EX_ORDNER, WM_SETFONT, (WPARAM)schrift, TRUE);
    LieferantenKombiFuellen(fenster);
}

/* OK: export the chosen supplier (or all), then offer the upload. */
static void Exportieren(HWND fenster)
{
    EDI_KONTEXT* k = g_Kontext;
    k->PflegekennzeichenBeruecksichtigen = Angehakt(fenster, IDC_EX_PFLEGEKZ);
    char text[5] = "";
    if (GetDlgItem(fenster, IDC_EX_LIEFERANT) != nullptr)   /* the German layout's edit */
        GetDlgItemTextA(fenster, IDC_EX_LIEFERANT, text, sizeof text);
    if (text[0] != '\0')
        LieferantTextAufloesen(fenster, text);
    if (k->ExportLieferantText[0] == '\0')
        return;

    char erweiterung[ERWEITERUNG_MAX + 1] = "";
    if (Angehakt(fenster, IDC_EX_NAMENSERW_CHK))
        GetDlgItemTextA(fenster, IDC_EX_NAMENSERW, erweiterung, sizeof erweiterung);
    if (!Angehakt(fenster, IDC_EX_INFO_CHK))
        InfotextFreigeben();
    /* "ALLE" is the writer's all-suppliers run (an empty supplier text). */
    const char* lieferant = strcmp(k->ExportLieferantText, ALLE) == 0 ? "" : k->ExportLieferantText;

    void* vorher = AnzeigeSanduhr();
    int32_t ergebnis = PricatExportieren(fenster, lieferant, erweiterung, k->ZusatzinfoText);
    AnzeigeCursorZurueck(vorher);

    char ordner[260];
    ExportOrdnerErmitteln(ordner, sizeof ordner, 1);
    if (ergebnis == 1 && FileIO_PathExist(ordner) == 1 && k->FtpServer[0] != '\0' && k->FtpBenutzer[0] != '\0' &&
        k->FtpPasswort[0] != '\0') {
        INI_GetIniFilename(k->IniDatei);
        FtpHochladen(g_ModulInstanz, fenster, k->IniDatei, ordner, k->EdiImportPfad, k->FtpServer, k->FtpBenutzer,
                     k->FtpPasswort, k->UploadBasisPfad, k->UploadZusatz, k->BenutzerKennung);
    }
}

INT_PTR CALLBACK ExportDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    EDI_KONTEXT* k = g_Kontext;
    INT_PTR ergebnis = 0;
    switch (nachricht) {
    case WM_INITDIALOG:
        Initialisieren(fenster);
        ergebnis = 1;
        break;
    case WM_DESTROY:
        if (k != nullptr && k->ExportEigeneSchrift != nullptr) {
            SendDlgItemMessageA(fenster, IDC_EX_ORDNER, WM_SETFONT, 0, FALSE);
            DeleteObject(k->ExportEigeneSchrift);
            k->ExportEigeneSchrift = nullptr;
        }
        break;
    case WM_COMMAND:
        ergebnis = 1;
        switch (LOWORD(wParam)) {
        case IDC_EX_ADRESSEN:
            k->AdressimportSuchen = Angehakt(fenster, IDC_EX_ADRESSEN);
            EdiOptionSchreiben(k->IniKeyAdressimportSuchen, k->AdressimportSuchen);
            break;
        case IDC_EX_BLE:
            k->BleExport = Angehakt(fenster, IDC_EX_BLE);
            EdiOptionSchreiben(k->IniKeyBleExport, k->BleExport);
            break;
        case IDC_EX_NAMENSERW_CHK:
        case IDC_EX_INFO_CHK:
            NamenAktualisieren(fenster);
            break;
        case IDC_EX_NAMENSERW:
            if (HIWORD(wParam) == EN_KILLFOCUS)
                NamenAktualisieren(fenster);
            break;
        case IDC_EX_LIEFERANT:
            if (HIWORD(wParam) == EN_KILLFOCUS) {
                char text[32];
                GetDlgItemTextA(fenster, IDC_EX_LIEFERANT, text, sizeof text);
                if (text[0] != '\0')
                    LieferantTextAufloesen(fenster, text);
            }
            break;
        case IDC_EX_LIEFERANT_KOMBI:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                LieferantAusKombi(fenster);
            break;
        case IDC_EX_LIEFERANT_BTN:
            if (k->HostFunktion01 != nullptr)
                LieferantUebernehmen(fenster, k->HostFunktion01(8, fenster, -1));
            break;
        case IDC_EX_INFO_BTN:
            DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EXPORT_INFOTEXT), fenster, InfotextDialogProc, 0);
            break;
        case IDOK:
            Exportieren(fenster);
            break;
        case IDCANCEL:
            InfotextFreigeben();
            EndDialog(fenster, 1);
            break;
        default:
            ergebnis = 0;
            break;
        }
        break;
    default:
        break;
    }
    return ergebnis;
}

INT_PTR CALLBACK InfotextDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    EDI_KONTEXT* k = g_Kontext;
    INT_PTR ergebnis = 0;
    switch (nachricht) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(fenster, IDC_INFO_TEXT, EM_LIMITTEXT, INFOTEXT_GROESSE - 1, 0);
        if (k->ZusatzinfoText != nullptr)
            SetDlgItemTextA(fenster, IDC_INFO_TEXT, k->ZusatzinfoText);
        ergebnis = 1;
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (k->ZusatzinfoText == nullptr)
                k->ZusatzinfoText = (char*)Storage_Allocate(INFOTEXT_GROESSE);
            if (k->ZusatzinfoText != nullptr)
                GetDlgItemTextA(fenster, IDC_INFO_TEXT, k->ZusatzinfoText, INFOTEXT_GROESSE);
            EndDialog(fenster, 1);
            ergebnis = 1;
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(fenster, 0);
            ergebnis = 1;
        }
        break;
    default:
        break;
    }
    return ergebnis;
}
