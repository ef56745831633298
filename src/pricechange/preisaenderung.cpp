/*
 * preisaenderung.cpp - the run of dialog 1005: the stock items take the
 * recorded price changes over (aenderungssatz.cpp records them),
 * block by block, label requests are written and the price-change list is
 * collected and printed.
 */
#include "pricechange/preisaenderung.h"
#include "grund/anzeige.h"
#include "pricechange/einzelteile.h"
#include "kontext/ktoxedi.h"
#include "kontext/einstellungen.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/fileio.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxinifile.h"
#include "hostapi/report.h"
#include "hostapi/viewdll.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <string.h>

enum {
    TEILE_JE_BLOCK = 4096,
    BEFEHL_ETIKETTEN_DRUCKEN = 548    /* host window: print the labels */
};

static int Offen(HOSTHANDLE handle)
{
    return handle > 0;
}

/* ---- the run of dialog 1005 ------------------------------------------- */

static void Fortschritt(HWND dialog, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    HWND balken = dialog ? GetDlgItem(dialog, IDC_EA_FORTSCHRITT) : nullptr;
    if (balken != nullptr)
        SendMessageA(balken, nachricht, wParam, lParam);
}

/* Opens the description, item and extra stores and, when labels are
 * wanted, the label file named under "RETOURENDATEI". */
static void StoresOeffnen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    k->BezeichnungHandle = BEZLIB_OeffneDatenbank();
    k->EinzelteilHandle = DATABASE_OeffneDatenbank();
    k->TeileZusatzHandle = TeileZusatz_OpenDBA();
    k->EtikettenHandle = -1;
    if (k->EtikettenDrucken == 1 && k->HostFunktion23 != nullptr) {
        char datei[OX_TXT_PATH] = "";
        INI_LoadStringINI("RETOURENDATEI", "file", "", datei, OX_TXT_PATH - 1, 1);
        k->EtikettenHandle = k->HostFunktion23(datei, 1);
    }
}

static void StoresSchliessen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (Offen(k->EtikettenHandle) && k->HostFunktion24 != nullptr)
        k->HostFunktion24(k->EtikettenHandle);
    if (Offen(k->BezeichnungHandle))
        BEZLIB_SchliesseDatenbank(k->BezeichnungHandle);
    if (Offen(k->EinzelteilHandle))
        DATABASE_SchliesseDatenbank(k->EinzelteilHandle);
    if (Offen(k->TeileZusatzHandle))
        TeileZusatz_CloseDBA(k->TeileZusatzHandle);
    k->EtikettenHandle = -1;
    k->BezeichnungHandle = -1;
    k->EinzelteilHandle = -1;
    k->TeileZusatzHandle = -1;
}

/* Reads up to TEILE_JE_BLOCK items and extras from position p; returns
 * how many positions both blocks hold. */
static int32_t BlockLesen(int32_t p, EINZELTEIL_SATZ* teile, TEILEZUSATZ_SATZ* zusaetze)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t nTeile = 0, nZusaetze = 0, gelesen;
    if (FileIO_SetPos(k->EinzelteilHandle, DATABASE_FilePos(p)) >= 0) {
        gelesen = FileIO_Read(k->EinzelteilHandle, teile, (int32_t)(TEILE_JE_BLOCK * sizeof(EINZELTEIL_SATZ)));
        nTeile = gelesen > 0 ? gelesen / (int32_t)sizeof(EINZELTEIL_SATZ) : 0;
    }
    if (TeileZusatz_SetPos(k->TeileZusatzHandle, p) >= 0) {
        gelesen = FileIO_Read(k->TeileZusatzHandle, zusaetze, (int32_t)(TEILE_JE_BLOCK * sizeof(TEILEZUSATZ_SATZ)));
        nZusaetze = gelesen > 0 ? gelesen / (int32_t)sizeof(TEILEZUSATZ_SATZ) : 0;
    }
    return nTeile < nZusaetze ? nTeile : nZusaetze;
}

/* Takes the changes over for positions 1 .. n; returns the number of
 * changed items and sets *etiketten when a label request was sent. */
static int32_t AlleEinzelteile(HWND dialog, const EDIAENDERUNG_SATZ* saetze, int32_t anzahl,
                               EINZELTEIL_SATZ* teile, TEILEZUSATZ_SATZ* zusaetze, int* etiketten)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t geaendert = 0;
    int32_t n = DATABASE_GetSizeAndName(nullptr);
    Fortschritt(dialog, PBM_SETRANGE32, 0, n > 0 ? n : 0);
    k->EtAenderungMitSaison = Berechnung_GetEtAenderungMitSaison();
    /* The mirror of the setting is filled by the pages; a run after a call
     * that never showed them still follows the stored setting. */
    k->DruckenNurBeiVk = Berechnung_GetDruckenNurBeiVk();

    AENDERUNG_OPTIONEN o;
    memset(&o, 0, sizeof o);
    o.KeineEk1Aenderung = k->KeineEk1Aenderung;
    o.KeineVerkauftenAendern = k->KeineVerkauftenAendern;
    o.EtikettenDrucken = k->EtikettenDrucken;
    o.PreisaenderungenDrucken = k->PreisaenderungenDrucken;
    o.DruckenNurBeiVk = k->DruckenNurBeiVk;
    o.MitSaison = k->EtAenderungMitSaison;
    o.EtikettenArt = k->AenderungSatzVorbereitet ? k->AenderungSatz.EtikettenArt : (int16_t)-1;

    for (int32_t p = 1; p <= n;) {
        Fortschritt(dialog, PBM_SETPOS, (WPARAM)p, 0);
        int32_t block = BlockLesen(p, teile, zusaetze);
        for (int32_t i = 0; i < block; i++) {
            int32_t position = p + i;
            EINZELTEIL_SATZ vorher = teile[i];
            int32_t bezeichnung[8];
            if (BEZLIB_ReadBezeichnung(k->BezeichnungHandle, teile[i].BezeichnungNummer, bezeichnung) != 1)
                memset(bezeichnung, 0, sizeof bezeichnung);
            TEIL_ERGEBNIS e;
            if (EinzelteilAbgleichen(&teile[i], &zusaetze[i], bezeichnung, saetze, anzahl, &o, k->HostDaten, &e) != 1)
                continue;
            geaendert++;
            if (e.InListe)
                PreisaenderungAufnehmen(&k->PreisaenderungsListe, &k->ListenSuchNummer, position, &teile[i], &vorher,
                                        k->HostDaten);
            DATABASE_WriteEinzelteil(position, &teile[i]);
            TeileZusatz_Write(k->TeileZusatzHandle, position, &zusaetze[i]);
            if (e.Etikett && Offen(k->EtikettenHandle) && k->HostFunktion25 != nullptr) {
                ETIKETT_ANFORDERUNG anforderung;
                EtikettAnforderungBilden(&anforderung, position, &teile[i]);
                k->HostFunktion25(k->EtikettenHandle, &anforderung);
                *etiketten = 1;
            }
        }
        p += block > 0 ? block : 1;
    }
    return geaendert;
}

int32_t EinzelteileAendern(HWND dialog)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t ergebnis = -1;
    void* cursor = AnzeigeSanduhr();
    EINZELTEIL_SATZ* teile = (EINZELTEIL_SATZ*)Storage_Allocate((int32_t)(TEILE_JE_BLOCK * sizeof(EINZELTEIL_SATZ)));
    TEILEZUSATZ_SATZ* zusaetze =
        (TEILEZUSATZ_SATZ*)Storage_Allocate((int32_t)(TEILE_JE_BLOCK * sizeof(TEILEZUSATZ_SATZ)));
    EDIAENDERUNG_SATZ* saetze = nullptr;
    int32_t anzahl = 0;

    if (AenderungsspeicherOeffnen() == 1) {
        EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(k->AenderungHandle);
        saetze = EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(k->AenderungHandle, &anzahl);
        AenderungsspeicherSchliessen();
    }
    if (teile != nullptr && zusaetze != nullptr && saetze != nullptr) {
        int etiketten = 0;
        ergebnis = 0;
        StoresOeffnen();
        if (Offen(k->BezeichnungHandle) && Offen(k->EinzelteilHandle) && Offen(k->TeileZusatzHandle))
            ergebnis = AlleEinzelteile(dialog, saetze, anzahl, teile, zusaetze, &etiketten);
        Fortschritt(dialog, PBM_SETPOS, 0, 0);
        AnzeigeCursorZurueck(cursor);
        StoresSchliessen();
        EDI_AENDERUNG_DBA_Delete();
        if (etiketten && k->EtikettenDrucken == 1)
            PostMessageA(k->HostFenster, WM_COMMAND, BEFEHL_ETIKETTEN_DRUCKEN, 1);
    } else {
        AnzeigeCursorZurueck(cursor);
    }
    EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG(saetze);
    if (teile != nullptr)
        Storage_Deallocate(teile);
    if (zusaetze != nullptr)
        Storage_Deallocate(zusaetze);
    return ergebnis;
}

void PreisaenderungslisteDrucken(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->PreisaenderungenDrucken == 1 && k->PreisaenderungsListe != 0 && List_Count(k->PreisaenderungsListe) > 0) {
        B_DOC* dokument = B_DOC_NewDocument("EDIPREISAENDERUNG", k->HostFenster);
        if (dokument != nullptr) {
            if (k->HostFunktion26 != nullptr)
                k->HostFunktion26(k->HostFenster, dokument, k->PreisaenderungsListe);
            char titel[OX_TXT_256];
            size_t n = TextLaenge(HostDatenText(HD_DRUCKTITEL), sizeof titel - 1);
            memcpy(titel, HostDatenText(HD_DRUCKTITEL), n);
            titel[n] = '\0';
            HWND ansicht = Viewer_CreatePrinterWindow(titel, dokument, k->HostFenster);
            if (ansicht != nullptr) {
                ShowWindow(ansicht, SW_SHOWNORMAL);
                UpdateWindow(ansicht);
            }
            B_DOC_DestroyDocument(dokument);
        }
    }
    PreisaenderungslisteFreigeben(&k->PreisaenderungsListe);
}
