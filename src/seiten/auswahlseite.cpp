/*
 * auswahlseite.cpp - the tab page "Auswahl" (dialog 109).
 */
#include "seiten/auswahlseite.h"
#include "grund/anzeige.h"
#include "seiten/seiten.h"
#include "seiten/listenseite.h"
#include "kontext/einstellungen.h"
#include "kontext/kopfzeile.h"
#include "kontext/ktoxedi.h"
#include "kontext/seitenhilfe.h"
#include "grund/speichertabelle.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxlistvw.h"
#include "hostapi/oxtabctl.h"
#include "hostapi/oxtexdefs.h"
#include "pricat_in/katalog.h"
#include "pricat_in/katalogtext.h"
#include "pricat_in/kopfspeicher.h"
#include "partner/eancom_eingang.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <string.h>

enum {
    AUSWAHL_SPALTEN = 5,
    AUSWAHL_SORTIEREN = WM_APP + 31     /* posted sort request, wParam = column */
};

/* Colours of the rows (0x00BBGGRR). */
static const COLORREF FARBE_ZEILE = 0x00FFFFFF;
static const COLORREF FARBE_ZEILE_GEWAEHLT = 0x00E0E0E0;
static const COLORREF FARBE_UNBEKANNT = 0x008080FF;
static const COLORREF FARBE_UNBEKANNT_GEWAEHLT = 0x00C0C0FF;

/* A list entry and what reading its header later needs: listing all
 * suppliers reads a file's header only when the list shows the row, sorts
 * by a header column or the entry is chosen. The list holds the address of
 * `Eintrag`, the first member. */
typedef struct AUSWAHL_EINTRAG {
    KATALOGDATEI_EINTRAG Eintrag;
    int32_t KopfOffen;              /* 1 = the header is still to be read */
    FILEIO_FUNDSTELLE Fund;         /* the file as the folder search gave it */
    char Pfad[OX_TXT_PATH];         /* as found (Eintrag.Pfad is upper case) */
} AUSWAHL_EINTRAG;

/* Reads the header of `e` when that is still to be done. */
static void KopfNachholen(KATALOGDATEI_EINTRAG* e)
{
    if (e == nullptr || e == (KATALOGDATEI_EINTRAG*)-1)
        return;
    AUSWAHL_EINTRAG* a = (AUSWAHL_EINTRAG*)e;
    if (!a->KopfOffen)
        return;
    a->KopfOffen = 0;
    KatalogKopfLesen(a->Pfad, e, &a->Fund.Geschrieben, nullptr, KopfSpeicherSlot(a->Pfad, &a->Fund));
}

static KATALOGDATEI_EINTRAG* GewaehlterEintrag(void)
{
    return AuswahlEintragGewaehlt() ? g_Kontext->AuswahlEintrag : nullptr;
}

/* Makes the list's item data `gewaehlt` (0 = none) the chosen entry, its
 * header read. */
static void EintragWaehlen(LPARAM gewaehlt)
{
    g_Kontext->AuswahlEintrag = (KATALOGDATEI_EINTRAG*)(gewaehlt == 0 ? -1 : gewaehlt);
    KopfNachholen(GewaehlterEintrag());
}

/* Releases the entries of the current filling. With `alle` 0 the chosen
 * entry survives (kept as Auswahl.Behalten); with `alle` 1 everything goes. */
static void EintraegeLoslassen(int alle)
{
    if (g_Kontext == nullptr)
        return;
    KATALOGDATEI_EINTRAG* gewaehlt = alle ? nullptr : GewaehlterEintrag();
    KATALOGDATEI_EINTRAG* behalten = nullptr;
    for (int32_t i = 0; i < g_Kontext->Auswahl.EintraegeAnzahl; i++) {
        if (g_Kontext->Auswahl.Eintraege[i] == gewaehlt)
            behalten = g_Kontext->Auswahl.Eintraege[i];
        else
            Storage_Deallocate(g_Kontext->Auswahl.Eintraege[i]);
    }
    g_Kontext->Auswahl.EintraegeAnzahl = 0;
    if (g_Kontext->Auswahl.Behalten != nullptr) {
        if (g_Kontext->Auswahl.Behalten == gewaehlt)
            behalten = g_Kontext->Auswahl.Behalten;
        else
            Storage_Deallocate(g_Kontext->Auswahl.Behalten);
    }
    g_Kontext->Auswahl.Behalten = behalten;
    if (alle && g_Kontext->Auswahl.Eintraege != nullptr) {
        Storage_Deallocate(g_Kontext->Auswahl.Eintraege);
        g_Kontext->Auswahl.Eintraege = nullptr;
        g_Kontext->Auswahl.EintraegeRaum = 0;
    }
}

void AuswahlEintraegeFreigeben(void)
{
    EintraegeLoslassen(1);
    KopfSpeicherLeeren();
    if (g_Kontext != nullptr)
        g_Kontext->AuswahlEintrag = (KATALOGDATEI_EINTRAG*)-1;
}

/* Keeps `eintrag` in the table of the current filling. 0 when the table
 * cannot grow (the entry is then not listed). */
static int EintragMerken(KATALOGDATEI_EINTRAG* eintrag)
{
    if (g_Kontext->Auswahl.EintraegeAnzahl >= g_Kontext->Auswahl.EintraegeRaum) {
        void* neu = SpeichertabelleWachsen(g_Kontext->Auswahl.Eintraege, g_Kontext->Auswahl.EintraegeAnzahl, &g_Kontext->Auswahl.EintraegeRaum,
                                           sizeof(KATALOGDATEI_EINTRAG*), 64, 0);
        if (neu == nullptr)
            return 0;
        g_Kontext->Auswahl.Eintraege = (KATALOGDATEI_EINTRAG**)neu;
    }
    g_Kontext->Auswahl.Eintraege[g_Kontext->Auswahl.EintraegeAnzahl++] = eintrag;
    return 1;
}

/* 1 when `name` ends in `endung` (".INH"), letters compared without case. */
static int EndetAuf(const char* name, const char* endung)
{
    size_t n = strlen(name), e = strlen(endung);
    return n > e && lstrcmpiA(name + n - e, endung) == 0;
}

/* ---- texts of the list ------------------------------------------------- */

static void DatumText(int32_t tag, char* aus, size_t groesse)
{
    TEXDEFS_DATUM datum;
    aus[0] = '\0';
    if (TEXDEFS_IntegerToDatum(tag, &datum) == 1)
        TEXDEFS_DatumToString(&datum, aus, (int32_t)groesse);
}

static void ZellText(KATALOGDATEI_EINTRAG* e, int spalte, char* aus, size_t groesse)
{
    aus[0] = '\0';
    if (e == nullptr)
        return;
    if (spalte >= 1 && spalte <= 3)
        KopfNachholen(e);
    switch (spalte) {
    case 0: DatumText(e->Datum, aus, groesse); break;
    case 1: TextKopieren(aus, groesse, e->Iln); break;
    case 2: TextNachAt(e->LieferantName, aus, groesse); break;
    case 3: TextKopieren(aus, groesse, e->Beschreibung); break;
    case 4: TextKopieren(aus, groesse, e->Dateiname); break;
    default: break;
    }
}

static int CALLBACK EintraegeVergleichen(LPARAM a, LPARAM b, LPARAM spalte)
{
    KATALOGDATEI_EINTRAG* x = (KATALOGDATEI_EINTRAG*)a;
    KATALOGDATEI_EINTRAG* y = (KATALOGDATEI_EINTRAG*)b;
    if (spalte == 0)
        return x->Datum < y->Datum ? -1 : (x->Datum > y->Datum ? 1 : 0);
    if (spalte == 2) {
        KopfNachholen(x);
        KopfNachholen(y);
        char tx[64], ty[64];
        TextNachAt(x->LieferantName, tx, sizeof tx);
        TextNachAt(y->LieferantName, ty, sizeof ty);
        return lstrcmpA(tx, ty);
    }
    char tx[260], ty[260];
    ZellText(x, (int)spalte, tx, sizeof tx);
    ZellText(y, (int)spalte, ty, sizeof ty);
    return lstrcmpA(tx, ty);
}

static void ListeSortieren(HWND liste)
{
    int32_t spalte = g_Kontext->Auswahl.SortNach - 1;
    if (spalte >= 1 && spalte <= 3)
        for (int32_t i = 0; i < g_Kontext->Auswahl.EintraegeAnzahl; i++)
            KopfNachholen(g_Kontext->Auswahl.Eintraege[i]);
    if (spalte >= 0 && spalte < AUSWAHL_SPALTEN)
        SendMessageA(liste, LVM_SORTITEMS, (WPARAM)spalte, (LPARAM)EintraegeVergleichen);
}

/* ---- filling ------------------------------------------------------------ */

int32_t AuswahlListeFuellen(HWND liste, int32_t lieferant)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t anzahl = 0;
    if (k == nullptr || liste == nullptr)
        return anzahl;
    SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
    OXListView_DeleteAllItems(liste);
    EintraegeLoslassen(0);

    /* Files of one supplier: its lookup and name come from the stores once. */
    static KOPF_MERK merk;
    memset(&merk, 0, sizeof merk);
    static const char* const endungen[] = { ".INH", ".PRI" };
    for (const char* endung : endungen) {
        char muster[OX_TXT_PATH];
        TextFormat(muster, sizeof muster, "%s*%s", k->EdiImportPfad, endung);
        FILEIO_FUNDSTELLE fund;
        HOSTHANDLE suche = FileIO_FindFirstFile(muster, &fund);
        if (suche == -1)
            continue;
        do {
            /* The system also matches longer endings by their short names. */
            if ((fund.Attribute & FILEIO_ATTR_ORDNER) != 0 || !EndetAuf(fund.Name, endung))
                continue;
            char pfad[OX_TXT_PATH];
            if (TextFormat(pfad, sizeof pfad, "%s%s", k->EdiImportPfad, fund.Name) != 1)
                continue;
            AUSWAHL_EINTRAG* a = (AUSWAHL_EINTRAG*)Storage_Allocate((int32_t)sizeof *a);
            if (a == nullptr)
                break;
            KATALOGDATEI_EINTRAG* e = &a->Eintrag;
            a->Fund = fund;
            TextKopieren(a->Pfad, sizeof a->Pfad, pfad);
            /* The supplier filter and a sort by a header column need every
             * header now; otherwise a row's header is read when it is shown. */
            if (lieferant >= 1 || (k->Auswahl.SortNach >= 2 && k->Auswahl.SortNach <= 4)) {
                a->KopfOffen = 0;
                KatalogKopfLesen(pfad, e, &fund.Geschrieben, &merk, KopfSpeicherSlot(pfad, &fund));
            } else {
                a->KopfOffen = 1;
                KatalogEintragOhneKopf(pfad, e, &fund.Geschrieben);
            }
            /* the supplier of the header's ILN, as the header reading found it */
            if ((lieferant >= 1 && e->LieferantNummer != lieferant) || !EintragMerken(e)) {
                Storage_Deallocate(e);
                continue;
            }
            if (OXListView_InsertItemCallback(liste, anzahl, (LPARAM)e) >= 0)
                anzahl++;
        } while (FileIO_FindNextFile(suche, &fund) == 1);
        FileIO_FindClose(suche);
    }
    ListeSortieren(liste);
    if (anzahl > 0)
        SendMessageA(liste, LVM_ENSUREVISIBLE, (WPARAM)(anzahl - 1), FALSE);
    SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(liste, nullptr, TRUE);
    return anzahl;
}

static void ListeAktualisieren(HWND seite)
{
    AuswahlListeFuellen(GetDlgItem(seite, IDC_AW_LISTE), g_Kontext->AktuellerLieferant);
}

/* Index of the item of the file `pfad`, -1 when it is not listed. */
static int32_t DateiIndex(HWND liste, const char* pfad)
{
    int32_t anzahl = (int32_t)SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0);
    for (int32_t i = 0; i < anzahl; i++) {
        const KATALOGDATEI_EINTRAG* e = (const KATALOGDATEI_EINTRAG*)OXListView_GetItemData(liste, i);
        if (e != nullptr && e != (const KATALOGDATEI_EINTRAG*)-1 && strcmp(e->Pfad, pfad) == 0)
            return i;
    }
    return -1;
}

/* Selects the item of the file `pfad` again after a refill, when listed. */
static void DateiWiederWaehlen(HWND liste, const char* pfad)
{
    int32_t i = DateiIndex(liste, pfad);
    if (i >= 0)
        OXListview_Select_Show_FlashItem(liste, i);
}

/* ---- supplier ------------------------------------------------------------ */

/* Shows supplier `nummer` in 1001 and 1004; with no supplier 1004 says
 * "Alle Lieferanten". */
static void LieferantZeigen(HWND seite, int32_t nummer)
{
    SetDlgItemTextA(seite, IDC_AW_LIEFERANT, "");
    SetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, "");
    if (nummer < 1) {
        char alle[64];
        StringLaden(IDS_ALLE_LIEFERANTEN, alle, sizeof alle);
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, alle);
        return;
    }
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (MMLIB_LeseMerkmal(8, nummer, &satz) == 1) {
        char text[OX_TXT_25];
        FeldKopieren(satz.Code, sizeof satz.Code, text, sizeof text);
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT, text);
        FeldKopieren(satz.Text, sizeof satz.Text, text, sizeof text);
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, text);
    }
}

/* A new supplier from the picker or the typed number: shown, current, and
 * the list refilled for it. Nothing happens for `nummer` below 1. */
static void LieferantUebernehmen(HWND seite, int32_t nummer)
{
    if (nummer <= 0)
        return;
    LieferantZeigen(seite, nummer);
    g_Kontext->AktuellerLieferant = nummer;
    ListeAktualisieren(seite);
}

/* ---- init, exit ------------------------------------------------------------ */

/* Once per call: the import folder beside the host's folder, and the two
 * options of the page. */
static void OrdnerEinrichten(void)
{
    EDI_KONTEXT* k = g_Kontext;
    void* vorher = AnzeigeSanduhr();
    EdiImportPfadAnlegen(k);
    k->AdressimportSuchen = EdiOptionLesen(k->IniKeyAdressimportSuchen, 1);
    k->InSicherungsordnerVerschieben = EdiOptionLesen(k->IniKeyInSicherungsordnerVerschieben, 1);
    k->Auswahl.SortNach = 0;
    g_Kontext->Auswahl.VerlassenPfad[0] = '\0';
    AnzeigeCursorZurueck(vorher);
}

static void SpaltenAnlegen(HWND liste)
{
    static const int titel[AUSWAHL_SPALTEN] = { IDS_AW_SPALTE_DATUM, IDS_AW_SPALTE_ILN, IDS_AW_SPALTE_NAME,
                                                IDS_AW_SPALTE_BESCHR, IDS_AW_SPALTE_DATEI };
    static const int breite[AUSWAHL_SPALTEN] = { 60, 45, 60, 125, 125 };
    ListeSpaltenLoeschen(liste);
    for (int i = 0; i < AUSWAHL_SPALTEN; i++)
        OXListView_AddColWidthString(liste, i, g_ModulInstanz, titel[i], breite[i], g_Kontext->IniDatei,
                                     g_Kontext->IniSektionAuswahl);
}

static int32_t OXCALL AuswahlSeiteInit(HWND seite, HWND /* hauptfenster */, int32_t /* index */, LPARAM /* wert */)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    k->AuswahlSeite = seite;
    TextKopieren(k->IniSektionAuswahl, sizeof k->IniSektionAuswahl, "KTOXEDI_AUSWAHL");

    SchriftSetzen(seite, IDC_AW_LIEFERANT_NAME, k->SchriftArial16Fett);
    SchriftSetzen(seite, IDC_AW_LIEFERANT, k->SchriftArial16Fett);
    SchriftSetzen(seite, IDC_AW_LIEFERANT_BTN, k->SchriftArial9Fett);
    SchriftSetzen(seite, IDC_AW_ORDNER, k->SchriftArial9Fett);
    SchriftSetzen(seite, IDC_AW_TEXT, k->SchriftArial8Fett);
    SendDlgItemMessageA(seite, IDC_AW_LIEFERANT, EM_LIMITTEXT, 5, 0);

    OXGLOBAL_DLGHELP_LoescheDlgElemente();
    OXGLOBAL_DLGHELP_FuelleDlgElemente(8, IDC_AW_LIEFERANT_BTN, IDC_AW_LIEFERANT, IDC_AW_LIEFERANT_NAME);

    if (k->ImportOrdnerGeprueft == 0) {
        OrdnerEinrichten();
        k->ImportOrdnerGeprueft = 1;
        /* suppliers' EANCOM interchanges become catalogues before the list
         * is filled (the backup folder inside the import folder is made
         * when the first original moves there) */
        char sicherung[300] = "";
        if (FileIO_PathExist(k->EdiImportPfad) == 1 &&
            TextFormat(sicherung, sizeof sicherung, "%sSICHERUNG\\", k->EdiImportPfad) == 1)
            EancomOrdnerUmsetzen(seite, GetDlgItem(seite, IDC_AW_TEXT), k->EdiImportPfad, sicherung);
    }
    SetFocus(GetDlgItem(seite, IDC_AW_LIEFERANT));

    char text[1024];
    static const int erklaerung[] = { IDS_AW_TEXT1, IDS_AW_TEXT2, IDS_AW_TEXT3 };
    StringsVerbinden(erklaerung, 3, text, sizeof text);
    SetDlgItemTextA(seite, IDC_AW_TEXT, text);
    SetDlgItemTextA(seite, IDC_AW_ORDNER, k->EdiImportPfad);

    if (k->LieferantNummerText[0] == '\0') {
        StringLaden(IDS_ALLE_LIEFERANTEN, text, sizeof text);
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, text);
    } else {
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT, k->LieferantNummerText);
        SetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, k->LieferantNameText);
    }
    CheckDlgButton(seite, IDC_AW_ADRESSEN, k->AdressimportSuchen ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(seite, IDC_AW_SICHERUNG, k->InSicherungsordnerVerschieben ? BST_CHECKED : BST_UNCHECKED);

    HWND liste = GetDlgItem(seite, IDC_AW_LISTE);
    k->AuswahlListe = liste;
    OXListView_SetExtendedStyle(liste, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    SpaltenAnlegen(liste);
    AuswahlListeFuellen(liste, k->AktuellerLieferant);
    ListeSpaltenEinpassen(liste, AUSWAHL_SPALTEN, k->IniDatei, k->IniSektionAuswahl);

    /* The item chosen when the page was left. The list may now hold fewer
     * files (the click made that file's supplier current), so the item is
     * found by its file; its index only stands in when no file is known. */
    int32_t wieder = k->AuswahlIndex;
    if (wieder != -1 && g_Kontext->Auswahl.VerlassenPfad[0] != '\0')
        wieder = DateiIndex(liste, g_Kontext->Auswahl.VerlassenPfad);
    if (wieder == -1)
        OXListView_RemoveSelection(liste);
    else
        OXListview_Select_Show_FlashItem(liste, wieder);
    EintragWaehlen(OXListView_GetSelectedITEM(liste));
    KATALOGDATEI_EINTRAG* e = GewaehlterEintrag();
    if (e != nullptr) {
        k->AktuellerLieferant = LieferantZuIln(e->Iln);
        TextKopieren(k->KatalogLieferantIln, sizeof k->KatalogLieferantIln, e->Iln);
    }
    KopfzeileAnzeigen(k->AuswahlEintrag);
    LieferantZeigen(seite, k->AktuellerLieferant);
    return 1;
}

static int32_t OXCALL AuswahlSeiteExit(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    GetDlgItemTextA(seite, IDC_AW_LIEFERANT, k->LieferantNummerText, (int)sizeof k->LieferantNummerText);
    GetDlgItemTextA(seite, IDC_AW_LIEFERANT_NAME, k->LieferantNameText, (int)sizeof k->LieferantNameText);
    k->AdressimportSuchen = IsDlgButtonChecked(seite, IDC_AW_ADRESSEN) == BST_CHECKED;
    k->InSicherungsordnerVerschieben = IsDlgButtonChecked(seite, IDC_AW_SICHERUNG) == BST_CHECKED;
    EdiOptionSchreiben(k->IniKeyAdressimportSuchen, k->AdressimportSuchen);
    EdiOptionSchreiben(k->IniKeyInSicherungsordnerVerschieben, k->InSicherungsordnerVerschieben);
    HWND liste = GetDlgItem(seite, IDC_AW_LISTE);
    OXListView_WriteColWidths(liste, AUSWAHL_SPALTEN, k->IniDatei, k->IniSektionAuswahl);
    k->AuswahlIndex = OXListView_GetSelectedIndex(liste);
    LPARAM gewaehlt = OXListView_GetItemData(liste, k->AuswahlIndex);
    const KATALOGDATEI_EINTRAG* e = (const KATALOGDATEI_EINTRAG*)gewaehlt;
    TextKopieren(g_Kontext->Auswahl.VerlassenPfad, sizeof g_Kontext->Auswahl.VerlassenPfad,
                 (gewaehlt != -1 && e != nullptr) ? e->Pfad : "");
    k->DateiGelesen = 0;
    return 1;
}

/* ---- the list's notifications --------------------------------------------- */

/* The file of the chosen item takes over: supplier, catalogue ILN, and the
 * supplier's address file when that option is set. Returns the entry when
 * it names a known supplier, else null. */
static KATALOGDATEI_EINTRAG* DateiUebernehmen(HWND liste)
{
    EDI_KONTEXT* k = g_Kontext;
    EintragWaehlen(OXListView_GetSelectedITEM(liste));
    KATALOGDATEI_EINTRAG* e = GewaehlterEintrag();
    if (e == nullptr)
        return nullptr;
    if (e->LieferantNummer < 1) {
        k->AktuellerLieferant = 0;
        return nullptr;
    }
    LieferantenAdresseImportieren(e->Pfad, e);
    k->AktuellerLieferant = LieferantZuIln(e->Iln);
    TextKopieren(k->KatalogLieferantIln, sizeof k->KatalogLieferantIln, e->Iln);
    return e;
}

static LRESULT ZeilenFarbe(HWND liste, NMLVCUSTOMDRAW* zeichnen)
{
    if (zeichnen->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (zeichnen->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    KATALOGDATEI_EINTRAG* e = (KATALOGDATEI_EINTRAG*)zeichnen->nmcd.lItemlParam;
    KopfNachholen(e);
    int gewaehlt = (SendMessageA(liste, LVM_GETITEMSTATE, zeichnen->nmcd.dwItemSpec, LVIS_SELECTED) &
                    LVIS_SELECTED) != 0;
    int unbekannt = e != nullptr && e->LieferantNummer < 1;
    zeichnen->clrText = 0x00000000;
    if (unbekannt)
        zeichnen->clrTextBk = gewaehlt ? FARBE_UNBEKANNT_GEWAEHLT : FARBE_UNBEKANNT;
    else
        zeichnen->clrTextBk = gewaehlt ? FARBE_ZEILE_GEWAEHLT : FARBE_ZEILE;
    /* The row is drawn in the colours above, not in the system's highlight. */
    zeichnen->nmcd.uItemState &= ~(UINT)(CDIS_SELECTED | CDIS_FOCUS);
    return CDRF_NEWFONT;
}

static void AuswahlZelle(const LVITEMA* item, char* aus, size_t groesse)
{
    ZellText((KATALOGDATEI_EINTRAG*)item->lParam, item->iSubItem, aus, groesse);
}

static LRESULT ListenNachricht(HWND seite, NMHDR* kopf)
{
    EDI_KONTEXT* k = g_Kontext;
    HWND liste = kopf->hwndFrom;
    switch (kopf->code) {
    case LVN_ITEMCHANGED: {
        NMLISTVIEW* n = (NMLISTVIEW*)kopf;
        if ((n->uChanged & LVIF_STATE) && (n->uNewState & LVIS_SELECTED) && !(n->uOldState & LVIS_SELECTED)) {
            EintragWaehlen(OXListView_GetSelectedITEM(liste));
            KopfzeileAnzeigen(k->AuswahlEintrag);
        }
        return 0;
    }
    case NM_CLICK: {
        KATALOGDATEI_EINTRAG* e = DateiUebernehmen(liste);
        if (e != nullptr) {
            KopfzeileAnzeigen(e);
            LieferantZeigen(seite, k->AktuellerLieferant);
        }
        return 0;
    }
    case NM_DBLCLK: {
        KATALOGDATEI_EINTRAG* e = DateiUebernehmen(liste);
        if (e != nullptr) {
            char pfad[OX_TXT_PATH];
            TextKopieren(pfad, sizeof pfad, e->Pfad);
            ListeAktualisieren(seite);
            DateiWiederWaehlen(liste, pfad);
            LieferantZeigen(seite, k->AktuellerLieferant);
            OXTabCtl_SetTabIndex(GetParent(seite), IDC_HW_TAB, 1);
        }
        return 0;
    }
    case NM_CUSTOMDRAW:
        return ZeilenFarbe(liste, (NMLVCUSTOMDRAW*)kopf);
    default:
        return 0;
    }
}

static const SEITEN_FARBREGEL s_Farben[] = {
    { IDC_AW_LIEFERANT_NAME, IDC_AW_LIEFERANT_NAME, SEITENFARBE_GELB },
    { IDC_AW_TEXT, IDC_AW_TEXT, SEITENFARBE_GRAU },
};

static const LISTENSEITE s_Liste = {
    IDC_AW_LISTE, AUSWAHL_SORTIEREN, s_Farben, sizeof s_Farben / sizeof s_Farben[0], AuswahlZelle, ListenNachricht,
};

/* ---- commands --------------------------------------------------------------- */

static void Befehl(HWND seite, int id, int code)
{
    EDI_KONTEXT* k = g_Kontext;
    switch (id) {
    case IDC_AW_ALLE:
        k->AktuellerLieferant = 0;
        k->AusgewaehlteDatei[0] = '\0';
        LieferantZeigen(seite, 0);
        ListeAktualisieren(seite);
        KopfzeileAnzeigen(nullptr);
        break;
    case IDC_AW_LIEFERANT_BTN:
        k->AktuellerLieferant = 0;
        k->AusgewaehlteDatei[0] = '\0';
        if (k->HostFunktion01 != nullptr)
            LieferantUebernehmen(seite, k->HostFunktion01(8, seite, 0));
        break;
    case IDC_AW_LIEFERANT:
        /* Not while the page is being hidden or closed: leaving the page
         * takes the focus away too, and must not forget the chosen file.
         * Nor when the person turns to another program (the focus leaves
         * this window altogether and comes back to the field later). */
        if (code == EN_KILLFOCUS && IsWindowVisible(seite) && GetFocus() != nullptr) {
            k->AktuellerLieferant = 0;
            k->AusgewaehlteDatei[0] = '\0';
            LieferantUebernehmen(seite, OXGLOBAL_DLGHELP_OnEditMerkmal(seite, 8));
        }
        break;
    case IDC_AW_ADRESSEN:
        k->AdressimportSuchen = IsDlgButtonChecked(seite, IDC_AW_ADRESSEN) == BST_CHECKED;
        break;
    case IDC_AW_SICHERUNG:
        k->InSicherungsordnerVerschieben = IsDlgButtonChecked(seite, IDC_AW_SICHERUNG) == BST_CHECKED;
        break;
    default:
        break;
    }
}

static HBRUSH OXCALL AuswahlSeiteFarbe(HWND /* seite */, UINT /* nachricht */, HDC dc, HWND steuerelement)
{
    return ListenSeiteFarbe(&s_Liste, dc, steuerelement);
}

static INT_PTR CALLBACK AuswahlSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    INT_PTR ergebnis;
    if (ListenSeiteNachricht(&s_Liste, seite, nachricht, wParam, lParam, &ergebnis))
        return ergebnis;
    switch (nachricht) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (g_Kontext != nullptr)
            Befehl(seite, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case AUSWAHL_SORTIEREN:
        if (g_Kontext == nullptr)
            return TRUE;
        g_Kontext->Auswahl.SortNach = (int32_t)wParam + 1;
        ListeSortieren(GetDlgItem(seite, IDC_AW_LISTE));
        return TRUE;
    case WM_DESTROY:
        AuswahlEintraegeFreigeben();
        return FALSE;
    default:
        return FALSE;
    }
}

const SEITE g_AuswahlSeite = { IDD_SEITE_AUSWAHL, AuswahlSeiteInit, AuswahlSeiteExit, AuswahlSeiteProc, AuswahlSeiteFarbe };
