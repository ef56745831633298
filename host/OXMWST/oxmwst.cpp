/*
 * oxmwst.cpp - the host's VAT rate table: six rates in the host's INI file,
 * and the rate combo box of the article dialogs.
 */
#include "OXMWST/oxmwst_host.h"
#include "hostapi/oxinifile.h"

#include <cstdio>

namespace {

const char SEKTION[] = "MWST";
const int32_t STANDARD[OX_MWST_ANZAHL] = { 0, 700, 1900, 1600, 500, 1070 };

void Schluessel(char* key, size_t groesse, int32_t satz)
{
    std::snprintf(key, groesse, "satz%d", static_cast<int>(satz));
}

int32_t GanzeProzent(int32_t hundertstel)
{
    return (hundertstel + 50) / 100;
}

/* "19,00" from 1900. */
void PreisText(char* text, size_t groesse, int32_t hundertstel)
{
    std::snprintf(text, groesse, "%d,%02d", static_cast<int>(hundertstel / 100), static_cast<int>(hundertstel % 100));
}

} // namespace

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWST_Wert(int32_t satz)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        return -1;
    char key[16];
    Schluessel(key, sizeof key, satz);
    int32_t wert = INI_GetInt(SEKTION, key, STANDARD[satz]);
    if (wert < 0 || wert > 10000)
        wert = STANDARD[satz];
    return wert;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_SetMWST_Wert(int32_t satz, int32_t hundertstel)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL || hundertstel < 0 || hundertstel > 10000)
        return -1;
    char key[16];
    Schluessel(key, sizeof key, satz);
    INI_PutInteger(SEKTION, key, hundertstel);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWSTSatz(int32_t prozent)
{
    for (int32_t satz = 0; satz < OX_MWST_ANZAHL; ++satz)
        if (GanzeProzent(OX_MWST_GetMWST_Wert(satz)) == prozent)
            return satz;
    return 0;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWST_FromMwstSatz(int32_t satz)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        return 0;
    return GanzeProzent(OX_MWST_GetMWST_Wert(satz));
}

OX_EXTERN_C int32_t OXCALL OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(HWND dialog, int32_t comboId, int32_t editId,
                                                                   int32_t satz)
{
    HWND combo = GetDlgItem(dialog, comboId);
    if (combo == nullptr)
        return -1;
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        satz = OX_MWST_STANDARD;
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int auswahl = -1;
    for (int32_t s = 0; s < OX_MWST_ANZAHL; ++s) {
        char text[32], zahl[16];
        PreisText(zahl, sizeof zahl, OX_MWST_GetMWST_Wert(s));
        std::snprintf(text, sizeof text, "%s %%", zahl);
        LRESULT i = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (i >= 0) {
            SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(i), s);
            if (s == satz)
                auswahl = static_cast<int>(i);
        }
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(auswahl), 0);
    if (editId != 0) {
        char zahl[16];
        PreisText(zahl, sizeof zahl, OX_MWST_GetMWST_Wert(satz));
        SetDlgItemTextA(dialog, editId, zahl);
    }
    return 1;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetSatzNr_FromComboBox(HWND combo)
{
    if (combo == nullptr)
        return -1;
    LRESULT i = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (i == CB_ERR)
        return -1;
    LRESULT satz = SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
    if (satz == CB_ERR || satz < 0 || satz >= OX_MWST_ANZAHL)
        return -1;
    return static_cast<int32_t>(satz);
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWST_WertFromComboBox(HWND combo)
{
    int32_t satz = OX_MWST_GetSatzNr_FromComboBox(combo);
    return satz < 0 ? -1 : OX_MWST_GetMWST_Wert(satz);
}
