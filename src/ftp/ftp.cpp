/*
 * ftp.cpp - the exchange dialogs: dialog 1008 lists the catalogue file
 * sets of the server (download) or of the export folder (upload) and moves
 * the marked ones to the other side.
 */
#include "ftp/ftp.h"
#include "grund/anzeige.h"

#include "grund/plattform.h"
#include "grund/text.h"
#include "ftp/dateisatz.h"
#include "ftp/verbindung.h"
#include "hostapi/fileio.h"
#include "hostapi/ktlisten.h"
#include "hostapi/oxlistvw.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <string.h>

enum { SPALTEN = 4 };

static const int32_t s_SpaltenBreiten[SPALTEN] = { 80, 150, 150, 150 };

/* One transfer run: the session (opened again after a file that ran out
 * of time) and the report of the files that did not move. */
typedef struct FTP_LAUF {
    FTP_SITZUNG Sitzung;
    int32_t Verbunden;          /* 1 = the session is ready */
    int32_t ServerWeg;          /* 1 = no new session could be opened: nothing more is tried */
    char Bericht[2048];         /* one line per file that did not move */
} FTP_LAUF;

/* One showing of the exchange dialog, kept with the dialog window. */
typedef struct FTP_DIALOG {
    HINSTANCE Instanz;
    int32_t Hochladen;                      /* 0 = download dialog, 1 = upload dialog */
    char IniDatei[260];
    char Ordner[260];                       /* import folder (download) or export folder (upload) */
    char Server[260];
    char Benutzer[260];
    char Passwort[260];
    HOSTHANDLE Saetze;
    HWND Liste;
    FTP_LAUF Lauf;                          /* the transfer run of "Ausfuehren" */
} FTP_DIALOG;

/* Sort direction of a column click, shared by both dialogs for as long as
 * the module is loaded: every click turns it, the first one to ascending. */
static int32_t s_Aufsteigend;

static const char* Sektion(const FTP_DIALOG* d)
{
    return d->Hochladen ? "EDIFTPEXPORTLISTE" : "EDIFTPLISTE";
}

/* --- building the set list ------------------------------------------------ */

static int32_t ServerdateiEintragen(const FTP_FUND* fund, void* dialog)
{
    FTP_DIALOG* d = (FTP_DIALOG*)dialog;
    if ((fund->Attribute & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        char datum[FTP_DATUM_GROESSE];
        int32_t tag = DateizeitTag(fund->Geschrieben.dwLowDateTime, fund->Geschrieben.dwHighDateTime, datum,
                                   sizeof datum);
        FtpDateiEintragen(&d->Saetze, fund->Name, datum, tag, fund->Groesse, strlen(d->Ordner));
    }
    return 1;
}

static int32_t ServerdateiMarkieren(const FTP_FUND* fund, void* dialog)
{
    FTP_DIALOG* d = (FTP_DIALOG*)dialog;
    if ((fund->Attribute & FILE_ATTRIBUTE_DIRECTORY) == 0)
        FtpSatzMarkieren(d->Saetze, fund->Name);
    return 1;
}

/* Calls `tun` for every file (not folder) of `ordner` matching the
 * exchange pattern. */
static void OrtsdateienDurchgehen(FTP_DIALOG* d, const char* ordner,
                                  void (*tun)(FTP_DIALOG* d, const char* ordner, const FILEIO_FUNDSTELLE*))
{
    char muster[MAX_PATH];
    if (TextFormat(muster, sizeof muster, "%s%s", ordner, FTP_MUSTER) != 1)
        return;
    FILEIO_FUNDSTELLE fund;
    HOSTHANDLE suche = FileIO_FindFirstFile(muster, &fund);
    if (suche == -1)
        return;
    do {
        if ((fund.Attribute & FILEIO_ATTR_ORDNER) == 0)
            tun(d, ordner, &fund);
    } while (FileIO_FindNextFile(suche, &fund) == 1);
    FileIO_FindClose(suche);
}

static void OrtsdateiMarkieren(FTP_DIALOG* d, const char*, const FILEIO_FUNDSTELLE* fund)
{
    FtpSatzMarkieren(d->Saetze, fund->Name);
}

static void OrtsdateiEintragen(FTP_DIALOG* d, const char* ordner, const FILEIO_FUNDSTELLE* fund)
{
    char pfad[MAX_PATH];
    FILEIO_ZEIT geschrieben;
    char datum[FTP_DATUM_GROESSE] = "";
    int32_t tag = 0;
    if (TextFormat(pfad, sizeof pfad, "%s%s", ordner, fund->Name) == 1
        && FileIO_TimeInfo(pfad, nullptr, nullptr, &geschrieben) == 1) {
        tag = DateizeitTag(geschrieben.Low, geschrieben.High, datum, sizeof datum);
    }
    uint32_t groesse = fund->GroesseHigh != 0 ? 0 : fund->GroesseLow;
    FtpDateiEintragen(&d->Saetze, fund->Name, datum, tag, groesse, strlen(ordner));
}

/* The list and the number of rows shown so far. */
typedef struct FTP_ZEILEN {
    HWND Liste;
    int32_t Anzahl;
} FTP_ZEILEN;

static int32_t OXCALL ZeileAnzeigen(void* element, void* parameter)
{
    const FTP_DATEISATZ* satz = (const FTP_DATEISATZ*)element;
    FTP_ZEILEN* zeilen = (FTP_ZEILEN*)parameter;
    if (satz->InhaltDatei[0] != '\0' && OXListView_InsertItemCallback(zeilen->Liste, zeilen->Anzahl, (LPARAM)satz) >= 0)
        zeilen->Anzahl++;
    return 1;
}

/* --- sorting and drawing ---------------------------------------------------- */

/* lParamSort: the column in the low word, bit 16 set for descending. */
static int CALLBACK ZeilenVergleichen(LPARAM a, LPARAM b, LPARAM art)
{
    int rc = FtpSaetzeVergleichen((const FTP_DATEISATZ*)a, (const FTP_DATEISATZ*)b, (int)(art & 0xFFFF));
    return (art & 0x10000) ? -rc : rc;
}

static void Sortieren(HWND liste, int spalte, int32_t aufsteigend)
{
    LPARAM art = (LPARAM)(spalte & 0xFFFF) | (aufsteigend ? 0 : 0x10000);
    SendMessageA(liste, LVM_SORTITEMS, (WPARAM)art, (LPARAM)ZeilenVergleichen);
}

static LRESULT Zeichnen(NMLVCUSTOMDRAW* zeichnung)
{
    LRESULT rc = CDRF_DODEFAULT;
    switch (zeichnung->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        rc = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        rc = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const FTP_DATEISATZ* satz = (const FTP_DATEISATZ*)zeichnung->nmcd.lItemlParam;
        int index = (int)zeichnung->nmcd.dwItemSpec;
        int32_t gewaehlt = SendMessageA(zeichnung->nmcd.hdr.hwndFrom, LVM_GETITEMSTATE, (WPARAM)index,
                                        LVIS_SELECTED) != 0;
        uint32_t text;
        uint32_t grund;
        FtpZeilenFarben(satz != nullptr ? satz->AndereSeite : 0, gewaehlt, &text, &grund);
        zeichnung->clrText = text;
        zeichnung->clrTextBk = grund;
        /* The row's own colours instead of the system's selection colours. */
        zeichnung->nmcd.uItemState &= ~(UINT)(CDIS_SELECTED | CDIS_FOCUS);
        rc = CDRF_NEWFONT;
        break;
    }
    default:
        break;
    }
    return rc;
}

static void TextAnfrage(NMHDR* kopf)
{
    if (kopf->code == LVN_GETDISPINFOA) {
        LVITEMA* item = &((NMLVDISPINFOA*)kopf)->item;
        if ((item->mask & LVIF_TEXT) && item->pszText != nullptr && item->cchTextMax > 0)
            TextKopieren(item->pszText, (size_t)item->cchTextMax,
                         FtpSpaltenText((const FTP_DATEISATZ*)item->lParam, item->iSubItem));
    } else {
        LVITEMW* item = &((NMLVDISPINFOW*)kopf)->item;
        if ((item->mask & LVIF_TEXT) && item->pszText != nullptr && item->cchTextMax > 0) {
            const char* text = FtpSpaltenText((const FTP_DATEISATZ*)item->lParam, item->iSubItem);
            if (MultiByteToWideChar(CP_ACP, 0, text, -1, item->pszText, item->cchTextMax) == 0)
                item->pszText[item->cchTextMax - 1] = L'\0';
        }
    }
}

/* --- opening, transfer, closing --------------------------------------------- */

static void Oeffnen(HWND dialog, FTP_DIALOG* d)
{
    d->Liste = GetDlgItem(dialog, IDC_FTP_LISTE);
    d->Saetze = 0;
    if (d->Hochladen) {
        char text[256];
        if (LoadStringA(d->Instanz, IDS_FTP_EXPORT_TITEL, text, sizeof text) > 0)
            SetWindowTextA(dialog, text);
        if (LoadStringA(d->Instanz, IDS_FTP_SENDEN, text, sizeof text) > 0)
            SetDlgItemTextA(dialog, IDC_FTP_AUSFUEHREN, text);
    }
    EnableWindow(GetDlgItem(dialog, IDC_FTP_AUSFUEHREN), FALSE);
    OXListView_SetExtendedStyle(d->Liste, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int32_t i = 0; i < SPALTEN; i++)
        OXListView_AddColWidthString(d->Liste, i, d->Instanz, IDS_FTP_SPALTE_DATUM + i, s_SpaltenBreiten[i],
                                     d->IniDatei, Sektion(d));

    void* vorher = AnzeigeSanduhr();
    FTP_SITZUNG sitzung;
    if (d->Hochladen) {
        OrtsdateienDurchgehen(d, d->Ordner, OrtsdateiEintragen);
        if (FtpVerbinden(&sitzung, d->Server, d->Benutzer, d->Passwort, 0) == 1)
            FtpServerlisteLesen(&sitzung, ServerdateiMarkieren, d);
    } else {
        if (FtpVerbinden(&sitzung, d->Server, d->Benutzer, d->Passwort, 0) == 1)
            FtpServerlisteLesen(&sitzung, ServerdateiEintragen, d);
        OrtsdateienDurchgehen(d, d->Ordner, OrtsdateiMarkieren);
    }
    FtpTrennen(&sitzung);
    AnzeigeCursorZurueck(vorher);

    FTP_ZEILEN zeilen = { d->Liste, 0 };
    List_WithAllElements(d->Saetze, ZeileAnzeigen, &zeilen);
    Sortieren(d->Liste, 0, 0);   /* newest first */
}


/* Appends the line of a file that did not move; a report that is full ends
 * with "...". */
static void BerichtZeile(const FTP_DIALOG* d, FTP_LAUF* lauf, const char* name, int32_t grund)
{
    int32_t textId = grund == FTP_GRUND_ZEIT      ? IDS_FTP_DATEI_ZEIT
                     : grund == FTP_GRUND_GROESSE ? IDS_FTP_DATEI_GROESSE
                                                  : IDS_FTP_DATEI_FEHLER;
    char format[128] = "%s";
    char zeile[MAX_PATH + 128];
    LoadStringA(d->Instanz, (UINT)textId, format, sizeof format);
    TextFormat(zeile, sizeof zeile, format, name);
    size_t laenge = strlen(lauf->Bericht);
    if (laenge + strlen(zeile) + 2 >= sizeof lauf->Bericht - 4) {
        if (laenge < 4 || strcmp(lauf->Bericht + laenge - 3, "...") != 0)
            TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, "\n...");
        return;
    }
    TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, "\n");
    TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, zeile);
}

/* Moves one file of a set; an unnamed file counts as not moved and is not
 * reported. A session given up by the file before is replaced first. */
static int32_t DateiUebertragen(const FTP_DIALOG* d, FTP_LAUF* lauf, const char* name, const char* quelle, uint32_t groesse)
{
    if (name[0] == '\0')
        return 0;
    int32_t grund = FTP_GRUND_FEHLER;
    int32_t rc = 0;
    char pfad[MAX_PATH];
    if (!lauf->Verbunden && !lauf->ServerWeg) {
        FtpTrennen(&lauf->Sitzung);
        lauf->Verbunden = FtpVerbinden(&lauf->Sitzung, d->Server, d->Benutzer, d->Passwort, 1) == 1;
        lauf->ServerWeg = !lauf->Verbunden;
    }
    if (lauf->Verbunden && TextFormat(pfad, sizeof pfad, "%s%s", d->Ordner, name) == 1) {
        if (d->Hochladen)
            rc = FtpDateiSenden(&lauf->Sitzung, pfad, name, &grund);
        else
            rc = FtpDateiHolen(&lauf->Sitzung, quelle[0] != '\0' ? quelle : name, pfad, groesse, &grund);
        if (lauf->Sitzung.Aufgegeben)
            lauf->Verbunden = 0;
    }
    if (rc != 1)
        BerichtZeile(d, lauf, name, grund);
    return rc == 1 ? 1 : 0;
}

static void Uebertragen(HWND dialog, FTP_DIALOG* d)
{
    int32_t erfolg = 0;
    FTP_LAUF& lauf = d->Lauf;
    memset(&lauf, 0, sizeof lauf);
    if (OXListView_GetSelectedCount(d->Liste) > 0) {
        void* vorher = AnzeigeSanduhr();
        lauf.Verbunden = FtpVerbinden(&lauf.Sitzung, d->Server, d->Benutzer, d->Passwort, 1) == 1;
        lauf.ServerWeg = !lauf.Verbunden;
        if (lauf.Verbunden) {
            for (int32_t zeile = OXListView_GetNextSelected(d->Liste, -1); zeile >= 0;
                 zeile = OXListView_GetNextSelected(d->Liste, zeile)) {
                FTP_DATEISATZ* satz = (FTP_DATEISATZ*)OXListView_GetItemData(d->Liste, zeile);
                if (satz == nullptr || (LPARAM)satz == -1)
                    continue;
                if (DateiUebertragen(d, &lauf, satz->InhaltDatei, satz->InhaltQuelle, satz->InhaltGroesse)) {
                    satz->AndereSeite = 1;
                    erfolg = 1;
                }
                if (DateiUebertragen(d, &lauf, satz->BeschreibungDatei, satz->BeschreibungQuelle,
                                     satz->BeschreibungGroesse))
                    erfolg = 1;
                if (DateiUebertragen(d, &lauf, satz->AdressDatei, satz->AdressQuelle, satz->AdressGroesse))
                    erfolg = 1;
            }
        }
        FtpTrennen(&lauf.Sitzung);
        AnzeigeCursorZurueck(vorher);
        InvalidateRect(d->Liste, nullptr, FALSE);
    }

    int32_t textId = d->Hochladen ? (erfolg ? IDS_FTP_UPLOAD_OK : IDS_FTP_UPLOAD_FEHLER)
                                 : (erfolg ? IDS_FTP_DOWNLOAD_OK : IDS_FTP_DOWNLOAD_FEHLER);
    char text[sizeof lauf.Bericht + 256] = "";
    char titel[64] = "";
    LoadStringA(d->Instanz, (UINT)textId, text, 256);
    if (lauf.Bericht[0] != '\0') {
        TextAnhaengen(text, sizeof text, "\n");
        TextAnhaengen(text, sizeof text, lauf.Bericht);
    }
    LoadStringA(d->Instanz, IDS_FTP_TITEL, titel, sizeof titel);
    MessageBoxA(dialog, text, titel, MB_OK | (erfolg ? MB_ICONINFORMATION : MB_ICONERROR));
}

static void Schliessen(HWND dialog, FTP_DIALOG* d)
{
    OXListView_WriteColWidths(d->Liste, SPALTEN, d->IniDatei, Sektion(d));
    /* The rows point into the sets: empty the list before the sets go. */
    OXListView_DeleteAllItems(d->Liste);
    FtpSatzlisteFreigeben(&d->Saetze);
    EndDialog(dialog, 1);
}

static INT_PTR CALLBACK FtpDialogProc(HWND dialog, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    if (nachricht == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Oeffnen(dialog, (FTP_DIALOG*)lParam);
        return TRUE;
    }
    FTP_DIALOG* d = (FTP_DIALOG*)GetWindowLongPtrA(dialog, DWLP_USER);
    if (d == nullptr)
        return FALSE;
    switch (nachricht) {
    case WM_NOTIFY: {
        NMHDR* kopf = (NMHDR*)lParam;
        if (kopf == nullptr || kopf->hwndFrom != d->Liste)
            return FALSE;
        switch (kopf->code) {
        case LVN_GETDISPINFOA:
        case LVN_GETDISPINFOW:
            TextAnfrage(kopf);
            return TRUE;
        case LVN_COLUMNCLICK:
            s_Aufsteigend = !s_Aufsteigend;
            Sortieren(d->Liste, ((NMLISTVIEW*)lParam)->iSubItem, s_Aufsteigend);
            return TRUE;
        case LVN_ITEMCHANGED:
            EnableWindow(GetDlgItem(dialog, IDC_FTP_AUSFUEHREN), OXListView_GetSelectedCount(d->Liste) > 0);
            return TRUE;
        case NM_CUSTOMDRAW:
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, Zeichnen((NMLVCUSTOMDRAW*)lParam));
            return TRUE;
        default:
            return FALSE;
        }
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            Schliessen(dialog, d);
            return TRUE;
        case IDC_FTP_AUSFUEHREN:
            Uebertragen(dialog, d);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

/* Copies the texts and runs the dialog; the password copy is wiped after. */
static void DialogAusfuehren(HINSTANCE instanz, HWND besitzer, int32_t hochladen, const char* iniDatei,
                             const char* ordner, const char* server, const char* benutzer,
                             const char* passwort)
{
    FTP_DIALOG dialog = {};
    FTP_DIALOG* d = &dialog;
    d->Instanz = instanz;
    d->Hochladen = hochladen;
    TextKopieren(d->IniDatei, sizeof d->IniDatei, iniDatei);
    TextKopieren(d->Ordner, sizeof d->Ordner, ordner);
    TextKopieren(d->Server, sizeof d->Server, server);
    TextKopieren(d->Benutzer, sizeof d->Benutzer, benutzer);
    TextKopieren(d->Passwort, sizeof d->Passwort, passwort);
    DialogBoxParamA(instanz, MAKEINTRESOURCEA(IDD_FTP_DATEIEN), besitzer, FtpDialogProc, (LPARAM)d);
    SecureZeroMemory(d->Passwort, sizeof d->Passwort);
    FtpSatzlisteFreigeben(&d->Saetze);
}

void FtpHerunterladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei, const char* importOrdner,
                      const char* exportOrdner, const char* server, const char* benutzer, const char* passwort)
{
    if (!iniDatei || !importOrdner || !exportOrdner || !server || !benutzer || !passwort)
        return;
    DialogAusfuehren(instanz, besitzer, 0, iniDatei, importOrdner, server, benutzer, passwort);
}

void FtpHochladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei, const char* exportOrdner,
                  const char* importOrdner, const char* server, const char* benutzer, const char* passwort,
                  const char* uploadBasisPfad, const char* uploadZusatz, const char* benutzerKennung)
{
    if (!iniDatei || !exportOrdner || !importOrdner || !server || !benutzer || !passwort || !uploadBasisPfad
        || !uploadZusatz || !benutzerKennung)
        return;
    DialogAusfuehren(instanz, besitzer, 1, iniDatei, exportOrdner, server, benutzer, passwort);
}
