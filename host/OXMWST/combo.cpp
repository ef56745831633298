/*
 * combo.cpp - the VAT rate combo box of the article dialogs: the six rates
 * of the table (oxmwst.cpp) listed with their percentages. Windows only.
 */
#include "OXMWST/oxmwst_host.h"

#include <cstdio>

namespace {

/* "19,00" from 1900. */
void PreisText(char* text, size_t groesse, int32_t hundertstel)
{
    std::snprintf(text, groesse, "%d,%02d", static_cast<int>(hundertstel / 100), static_cast<int>(hundertstel % 100));
}

} // namespace

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
