/*
 * filterseite.cpp - the tab page "Filter" (dialog 102).
 */
#include "seiten/filterseite.h"
#include "grund/anzeige.h"
#include "seiten/seiten.h"
#include "seiten/listenseite.h"
#include "kontext/kopfzeile.h"
#include "kontext/ktoxedi.h"
#include "kontext/seitenhilfe.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxlistvw.h"
#include "pricat_in/filterlauf.h"
#include "pricat_in/katalog.h"
#include "pricat_in/katalogtext.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <string.h>

/* Combo, count control and name string of criteria 1 to 5. */
static const int s_Kombis[FILTER_KRITERIEN] = { IDC_FI_KOMBI1, IDC_FI_KOMBI2, IDC_FI_KOMBI3, IDC_FI_KOMBI4,
                                                IDC_FI_KOMBI5 };
static const int s_Anzahlen[FILTER_KRITERIEN] = { IDC_FI_ANZAHL1, IDC_FI_ANZAHL2, IDC_FI_ANZAHL3, IDC_FI_ANZAHL4,
                                                  IDC_FI_ANZAHL5 };
static const int s_Namen[FILTER_KRITERIEN] = { IDS_FI_HAUPTGRUPPE, IDS_FI_WARENGRUPPE, IDS_FI_SERIE, IDS_FI_LABEL,
                                               IDS_FI_MATERIAL };

/* Direction of the next header click: one switch for all columns, kept
 * from call to call. */
static int s_SortAbsteigend;

/* ---- the filter ---------------------------------------------------------- */

FILTER_STAND FilterKontextStand(void)
{
    EDI_KONTEXT* k = g_Kontext;
    FILTER_STAND f;
    f.Zeilen = KontextZeilen();
    f.Regeln = KontextStichwortRegeln();
    f.Index = k->FilterWertIndex;
    f.IndexGueltig = &k->FilterIndexGueltig;
    f.Anzeige = k->FilterAnzeige;
    f.AnzeigeAnzahl = &k->FilterAnzeigeAnzahl;
    return f;
}

void FilterIndexAufbauen(void)
{
    if (g_Kontext == nullptr)
        return;
    FILTER_STAND f = FilterKontextStand();
    FilterIndexBilden(&f);
}

int32_t FilterAnwenden(void)
{
    if (g_Kontext == nullptr)
        return 0;
    FILTER_STAND f = FilterKontextStand();
    int32_t gefiltert = FilterLauf(&f);
    ZaehlerGefiltertAnzeigen(gefiltert);
    return gefiltert;
}

/* ---- the list ------------------------------------------------------------ */

int32_t FilterAnzeigeFuellen(void)
{
    if (g_Kontext == nullptr)
        return 0;
    FILTER_STAND f = FilterKontextStand();
    return FilterAnzeigeBilden(&f);
}

void FilterZellText(const PRICAT_DATEN* zeile, int32_t spalte, char* aus, size_t groesse)
{
    FilterZelle(KontextStichwortRegeln(), zeile, spalte, aus, groesse);
}

int FilterAnzeigeSortieren(int32_t spalte, int absteigend)
{
    if (g_Kontext == nullptr)
        return 0;
    FILTER_STAND f = FilterKontextStand();
    return FilterAnzeigeOrdnen(&f, spalte, absteigend);
}

static void ListeNeuZeigen(HWND liste)
{
    SendMessageA(liste, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(liste, LVM_SETITEMCOUNT, (WPARAM)g_Kontext->FilterAnzeigeAnzahl, 0);
    InvalidateRect(liste, nullptr, TRUE);
}

static void SpaltenAnlegen(HWND seite, HWND liste)
{
    EDI_KONTEXT* k = g_Kontext;
    static const int titel[FILTER_SPALTEN] = { IDS_FI_ARTIKEL, IDS_FI_ZUSATZTEXT, IDS_FI_HAUPTGRUPPE,
                                               IDS_FI_WARENGRUPPE, 0, 0, 0, IDS_FI_BLEFARBE,
                                               IDS_FI_LIEFERANTENFARBE, IDS_FI_SAISON };
    static const int ersatz[3] = { IDS_FI_SERIE, IDS_FI_LABEL, IDS_FI_MATERIAL };
    (void)seite;
    OXListView_SetExtendedStyle(liste, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ListeSpaltenLoeschen(liste);
    for (int32_t i = 0; i < FILTER_SPALTEN; i++) {
        if (titel[i] != 0) {
            OXListView_AddColWidthString(liste, i, g_ModulInstanz, titel[i], 60, k->IniDatei, k->IniSektionFilter);
            continue;
        }
        /* Columns 4 to 6: the host's names of the kinds 3, 4 and 5. */
        char name[256] = "";
        if (k->HostFunktion14 != nullptr)
            k->HostFunktion14(name, 3 + (i - 4));
        name[sizeof name - 1] = '\0';
        if (name[0] == '\0')
            StringLaden(ersatz[i - 4], name, sizeof name);
        OXListView_AddColWidthText(liste, i, name, 60, k->IniDatei, k->IniSektionFilter);
    }
}

/* ---- init, exit ------------------------------------------------------------ */

/* Selects the chosen value `text` in `kombi` again: the item that is
 * exactly that text; only when none is, the combo's own search for the
 * first item beginning with it (which ignores letter case). So "DOB" stays
 * "DOB" beside "dob", and "Strick" stays "Strick" beside "Strickjacke". */
static void KombiWaehlen(HWND kombi, const char* text)
{
    LRESULT anzahl = SendMessageA(kombi, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < anzahl; i++) {
        char eintrag[FILTERWERT_LAENGE + 1];
        if (SendMessageA(kombi, CB_GETLBTEXTLEN, (WPARAM)i, 0) >= (LRESULT)sizeof eintrag)
            continue;
        SendMessageA(kombi, CB_GETLBTEXT, (WPARAM)i, (LPARAM)eintrag);
        if (strcmp(eintrag, text) == 0) {
            SendMessageA(kombi, CB_SETCURSEL, (WPARAM)i, 0);
            return;
        }
    }
    SendMessageA(kombi, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)text);
}

static void KombisFuellen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    for (int32_t i = 0; i < FILTER_KRITERIEN; i++) {
        HWND kombi = GetDlgItem(seite, s_Kombis[i]);
        const FILTERWERTE* werte = &k->FilterWerte[i];
        SendMessageA(kombi, WM_SETREDRAW, FALSE, 0);
        SendMessageA(kombi, CB_RESETCONTENT, 0, 0);
        int32_t anzahl = werte->Anzahl < FILTERWERTE_MAX ? werte->Anzahl : FILTERWERTE_MAX;
        for (int32_t w = 0; w < anzahl; w++) {
            char text[FILTERWERT_LAENGE + 1];
            FeldKopieren(werte->Wert[w].Text, sizeof werte->Wert[w].Text, text, sizeof text);
            LRESULT stelle = SendMessageA(kombi, CB_ADDSTRING, 0, (LPARAM)text);
            if (stelle >= 0)
                SendMessageA(kombi, CB_SETITEMDATA, (WPARAM)stelle, (LPARAM)w);
        }
        char gewaehlt[FILTERWERT_LAENGE + 1];
        FeldKopieren(werte->Auswahl.Text, sizeof werte->Auswahl.Text, gewaehlt, sizeof gewaehlt);
        if (gewaehlt[0] != '\0')
            KombiWaehlen(kombi, gewaehlt);
        SendMessageA(kombi, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(kombi, nullptr, TRUE);

        char name[64], format[64], text[160];
        StringLaden(s_Namen[i], name, sizeof name);
        StringLaden(gewaehlt[0] == '\0' ? IDS_FI_ANZAHL_ALLE : IDS_FI_ANZAHL_EINS, format, sizeof format);
        TextFormat(text, sizeof text, format, (long)anzahl, name);
        SetDlgItemTextA(seite, s_Anzahlen[i], text);
    }
}

static int32_t OXCALL FilterSeiteInit(HWND seite, HWND /* hauptfenster */, int32_t /* index */, LPARAM /* wert */)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    k->FilterSeite = seite;
    void* vorher = AnzeigeSanduhr();
    TextKopieren(k->IniSektionFilter, sizeof k->IniSektionFilter, "KTOXEDI_FILTER");

    SchriftSetzen(seite, IDC_FI_TEXT, k->SchriftArial8Fett);
    for (int32_t i = 0; i < FILTER_KRITERIEN; i++) {
        SchriftSetzen(seite, s_Kombis[i], k->SchriftCourier9Fett);
        SchriftSetzen(seite, s_Anzahlen[i], k->SchriftArial10Fett);
    }
    if (k->HostFunktion13 != nullptr) {
        static const int titel[3] = { IDC_FI_TITEL3, IDC_FI_TITEL4, IDC_FI_TITEL5 };
        for (int i = 0; i < 3; i++) {
            char text[64];
            StringLaden(IDS_TITEL_ART3 + i, text, sizeof text);
            k->HostFunktion13(seite, titel[i], 3 + i, text);
        }
    }
    SetFocus(GetDlgItem(seite, IDC_FI_KOMBI1));
    char text[1024];
    static const int erklaerung[] = { IDS_FI_TEXT1, IDS_FI_TEXT2, IDS_FI_TEXT3, IDS_FI_TEXT4 };
    StringsVerbinden(erklaerung, 4, text, sizeof text);
    SetDlgItemTextA(seite, IDC_FI_TEXT, text);

    HWND liste = GetDlgItem(seite, IDC_FI_LISTE);
    k->FilterListe = liste;
    for (int32_t i = 0; i < FILTER_KRITERIEN; i++)
        k->FilterKombi[i] = GetDlgItem(seite, s_Kombis[i]);

    if (k->DateiGelesen == 0) {
        k->FeldMap.Vorhanden = EDIMapDBA_EDIFeldMapExists(k->KatalogLieferantIln) == 1 ? 1 : 0;
        PricatDateiEinlesen(seite);
        k->DateiGelesen = 1;
        k->FilterIndexGueltig = 0;
        FilterIndexAufbauen();
    }
    if (k->FilterSpaltenAngelegt == 0) {
        SpaltenAnlegen(seite, liste);
        k->FilterSpaltenAngelegt = 1;
    }
    FilterAnzeigeFuellen();
    ListeNeuZeigen(liste);
    ListeSpaltenEinpassen(liste, FILTER_SPALTEN, k->IniDatei, k->IniSektionFilter);
    KombisFuellen(seite);

    int an = k->AktuellerLieferant != 0 && k->AusgewaehlteDatei[0] != '\0';
    static const int steuerelemente[] = { IDC_FI_KOMBI1, IDC_FI_KOMBI2, IDC_FI_KOMBI3, IDC_FI_KOMBI4,
                                          IDC_FI_KOMBI5, IDC_FI_FILTERN, IDC_FI_AUS, IDC_FI_LISTE };
    SteuerelementeFreigeben(seite, steuerelemente, (int)(sizeof steuerelemente / sizeof steuerelemente[0]), an);
    AnzeigeCursorZurueck(vorher);
    return 1;
}

static int32_t OXCALL FilterSeiteExit(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    OXListView_WriteColWidths(GetDlgItem(seite, IDC_FI_LISTE), FILTER_SPALTEN, k->IniDatei, k->IniSektionFilter);
    k->FilterSpaltenAngelegt = 0;
    return 1;
}

/* ---- commands and the list's notifications --------------------------------- */

/* The choices of the combos: the value behind each combo's selected item. */
static void AuswahlUebernehmen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    for (int32_t i = 0; i < FILTER_KRITERIEN; i++) {
        FILTERWERTE* werte = &k->FilterWerte[i];
        memset(&werte->Auswahl, 0, sizeof werte->Auswahl);
        HWND kombi = GetDlgItem(seite, s_Kombis[i]);
        LRESULT stelle = SendMessageA(kombi, CB_GETCURSEL, 0, 0);
        if (stelle == CB_ERR)
            continue;
        LRESULT w = SendMessageA(kombi, CB_GETITEMDATA, (WPARAM)stelle, 0);
        if (w >= 0 && w < werte->Anzahl && w < FILTERWERTE_MAX)
            TextKopieren(werte->Auswahl.Text, sizeof werte->Auswahl.Text, werte->Wert[w].Text);
    }
}

/* The Delete key: the selected lines leave the list and their rows the
 * selection. */
static void ZeilenEntfernen(HWND liste)
{
    EDI_KONTEXT* k = g_Kontext;
    k->AnzahlGefiltert = k->AnzahlSaetze;
    int32_t n = k->FilterAnzeigeAnzahl;
    int32_t behalten = 0;
    int32_t zeile = -1;
    int32_t naechste = (int32_t)SendMessageA(liste, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_SELECTED, 0));
    for (int32_t i = 0; i < n; i++) {
        if (i != naechste) {
            k->FilterAnzeige[behalten++] = k->FilterAnzeige[i];
            continue;
        }
        zeile = k->FilterAnzeige[i];
        if (k->PricatTabelle[zeile].Ausgewaehlt == 1) {
            k->PricatTabelle[zeile].Ausgewaehlt = 0;
            k->AnzahlGefiltert--;
        }
        naechste = (int32_t)SendMessageA(liste, LVM_GETNEXTITEM, (WPARAM)i, MAKELPARAM(LVNI_SELECTED, 0));
        if (naechste <= i)
            naechste = -1;
    }
    if (zeile < 0)
        return;
    k->FilterAnzeigeAnzahl = behalten;
    ZaehlerGefiltertAnzeigen(k->AnzahlGefiltert);
    k->AnzahlSaetze = k->AnzahlGefiltert;
    ListeNeuZeigen(liste);
}

/* A double click: every line of the focused line's article is selected. */
static void ArtikelMarkieren(HWND liste)
{
    EDI_KONTEXT* k = g_Kontext;
    if (SendMessageA(liste, LVM_GETSELECTEDCOUNT, 0, 0) < 1)
        return;
    int32_t fokus = (int32_t)SendMessageA(liste, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_FOCUSED, 0));
    if (fokus < 0 || fokus >= k->FilterAnzeigeAnzahl)
        return;
    char artikel[STICHWORT_GROESSE];
    FilterZellText(&k->PricatTabelle[k->FilterAnzeige[fokus]].PricatDaten, 0, artikel, sizeof artikel);
    LVITEMA zustand = {};
    zustand.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    zustand.state = LVIS_SELECTED | LVIS_FOCUSED;
    for (int32_t i = 0; i < k->FilterAnzeigeAnzahl; i++) {
        char text[STICHWORT_GROESSE];
        FilterZellText(&k->PricatTabelle[k->FilterAnzeige[i]].PricatDaten, 0, text, sizeof text);
        if (strcmp(text, artikel) == 0)
            SendMessageA(liste, LVM_SETITEMSTATE, (WPARAM)i, (LPARAM)&zustand);
    }
}

static void FilterZelle(const LVITEMA* item, char* aus, size_t groesse)
{
    EDI_KONTEXT* k = g_Kontext;
    aus[0] = '\0';
    if (item->iItem >= 0 && item->iItem < k->FilterAnzeigeAnzahl)
        FilterZellText(&k->PricatTabelle[k->FilterAnzeige[item->iItem]].PricatDaten, item->iSubItem, aus, groesse);
}

static LRESULT ListenNachricht(HWND /* seite */, NMHDR* kopf)
{
    HWND liste = kopf->hwndFrom;
    switch (kopf->code) {
    case LVN_ODFINDITEMA:
        return -1;
    case LVN_KEYDOWN:
        if (((NMLVKEYDOWN*)kopf)->wVKey == VK_DELETE)
            ZeilenEntfernen(liste);
        return 0;
    case NM_DBLCLK:
        ArtikelMarkieren(liste);
        return 0;
    default:
        return 0;
    }
}

enum { FILTER_SORTIEREN = WM_APP + 32 };   /* posted sort request, wParam = column */

static const SEITEN_FARBREGEL s_Farben[] = {
    { IDC_FI_TEXT, IDC_FI_TEXT, SEITENFARBE_GRAU },
    { IDC_FI_ANZAHL1, IDC_FI_ANZAHL4, SEITENFARBE_ROT_AUF_GELB },   /* the five counts, 1024 to 1028 */
};

static const LISTENSEITE s_Liste = {
    IDC_FI_LISTE, FILTER_SORTIEREN, s_Farben, sizeof s_Farben / sizeof s_Farben[0], FilterZelle, ListenNachricht,
};

static HBRUSH OXCALL FilterSeiteFarbe(HWND /* seite */, UINT /* nachricht */, HDC dc, HWND steuerelement)
{
    return ListenSeiteFarbe(&s_Liste, dc, steuerelement);
}

static INT_PTR CALLBACK FilterSeiteProc(HWND seite, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    EDI_KONTEXT* k = g_Kontext;
    INT_PTR ergebnis;
    if (ListenSeiteNachricht(&s_Liste, seite, nachricht, wParam, lParam, &ergebnis))
        return ergebnis;
    switch (nachricht) {
    case WM_INITDIALOG:
        if (k != nullptr) {
            k->DateiGelesen = 0;
            k->FilterSpaltenAngelegt = 0;
            FilterSeiteInit(seite, GetParent(seite), 1, 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (k == nullptr || HIWORD(wParam) != BN_CLICKED)
            return TRUE;
        if (LOWORD(wParam) == IDC_FI_FILTERN) {
            AuswahlUebernehmen(seite);
            FilterAnwenden();
            k->DateiGelesen = 1;
            FilterSeiteInit(seite, GetParent(seite), 1, 0);
        } else if (LOWORD(wParam) == IDC_FI_AUS) {
            FilterAusschalten();
            k->DateiGelesen = 1;
            FilterSeiteInit(seite, GetParent(seite), 1, 0);
        }
        return TRUE;
    case FILTER_SORTIEREN:
        /* A header click, after its notification returned. */
        if (k != nullptr) {
            FilterAnzeigeSortieren((int32_t)wParam, s_SortAbsteigend);
            s_SortAbsteigend = !s_SortAbsteigend;
            HWND liste = GetDlgItem(seite, IDC_FI_LISTE);
            LVITEMA zustand = {};
            zustand.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(liste, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&zustand);
            InvalidateRect(liste, nullptr, TRUE);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

const SEITE g_FilterSeite = { IDD_SEITE_FILTER, FilterSeiteInit, FilterSeiteExit, FilterSeiteProc, FilterSeiteFarbe };
