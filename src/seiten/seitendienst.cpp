/*
 * seitendienst.cpp - the page's service to the engine over its dialog
 * window (see seitendienst.h).
 */
#include "seiten/seitendienst.h"

#include <windows.h>

#include "kontext/seitenhilfe.h"
#include "kontext/ktoxedi.h"
#include "engine/seitenwerte.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxmwst.h"
#include "resources/resource.h"

namespace {

HWND Fenster(void* seite)
{
    return static_cast<HWND>(seite);
}

int32_t FensterFragen(void* seite, const char* frage)
{
    return MessageBoxA(Fenster(seite), frage, "ORDANEX", MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

int32_t FensterLesen(void* seite, int32_t id, int32_t* wert)
{
    HWND element = SeitenSteuerelement(Fenster(seite), id);
    if (element == nullptr)
        return -1;
    if (id == IDC_IP_STANDARD) {
        *wert = SendMessageA(element, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else if (id == IDC_IP_MWST) {
        *wert = OX_MWST_GetSatzNr_FromComboBox(element);
    } else {
        LRESULT i = SendMessageA(element, CB_GETCURSEL, 0, 0);
        *wert = i == CB_ERR ? 0
                            : static_cast<int32_t>(SendMessageA(element, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    }
    return 1;
}

int32_t FensterSetzen(void* seite, int32_t id, int32_t wert)
{
    HWND element = SeitenSteuerelement(Fenster(seite), id);
    if (element == nullptr)
        return -1;
    if (id == IDC_IP_STANDARD) {
        SendMessageA(element, BM_SETCHECK, wert ? BST_CHECKED : BST_UNCHECKED, 0);
        return 1;
    }
    LRESULT n = SendMessageA(element, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; i++)
        if (SendMessageA(element, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == wert) {
            SendMessageA(element, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return 1;
        }
    return 0;
}

/* The host's slot calls with the page's window. */

int32_t FensterSlotText(void* seite, int32_t id, char* aus, int32_t groesse)
{
    return OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(Fenster(seite), id, aus, groesse, ImportOxOutBindung);
}

int32_t FensterSlotTextSetzen(void* seite, int32_t id, const char* text)
{
    return OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(Fenster(seite), id, text, ImportOxOutBindung);
}

int32_t FensterSlotZahl(void* seite, int32_t id)
{
    return OXGLOBAL_DLGHELP_GetOx_OutItemLong(Fenster(seite), id, ImportOxOutBindung);
}

int32_t FensterSlotZahlSetzen(void* seite, int32_t id, int32_t wert)
{
    return OXGLOBAL_DLGHELP_SetOx_OutItemLong(Fenster(seite), id, wert, ImportOxOutBindung);
}

int32_t FensterMerkmalZeigen(void* seite, int32_t art, int32_t nummer)
{
    return OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(Fenster(seite), art, nummer, ImportOxOutBindung);
}

int32_t FensterRestZeigen(void* seite, int32_t serie, OXTABELLE* tabelle)
{
    return OXGLOBAL_DLGHELP_FillRestDialogFromMMOxOut(Fenster(seite), serie, tabelle, ImportOxOutBindung);
}

int32_t FensterZellenBeschreiben(void* seite, OXTABELLE* tabelle, int32_t modus)
{
    return OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut(Fenster(seite), tabelle, modus, ImportOxOutBindung);
}

int32_t FensterArtikelText(void* seite, char* puffer)
{
    return OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable(Fenster(seite), puffer, ImportOxOutBindung);
}

int32_t FensterTabellePruefen(void* seite, const OXTABELLE* tabelle, int32_t hauptfenster)
{
    HWND fenster = Fenster(seite);
    if (hauptfenster && g_Kontext != nullptr)
        fenster = g_Kontext->HauptFenster;
    return OXGLOBAL_DLGHELP_PruefeTabelle(fenster, tabelle);
}

} // namespace

const SEITEN_DIENST g_FensterSeitenDienst = {
    nullptr,
    FensterFragen,
    FensterLesen,
    FensterSetzen,
    FensterSlotText,
    FensterSlotTextSetzen,
    FensterSlotZahl,
    FensterSlotZahlSetzen,
    FensterMerkmalZeigen,
    FensterRestZeigen,
    FensterZellenBeschreiben,
    FensterArtikelText,
    FensterTabellePruefen,
    nullptr,
    nullptr,
};
