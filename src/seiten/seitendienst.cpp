/*
 * seitendienst.cpp - the page's service to the engine over its dialog
 * window (see seitendienst.h).
 */
#include "seiten/seitendienst.h"

#include <windows.h>

#include "kontext/seitenhilfe.h"
#include "hostapi/oxmwst.h"
#include "resources/resource.h"

namespace {

int32_t FensterFragen(void* kontext, HWND seite, const char* frage)
{
    (void)kontext;
    return MessageBoxA(seite, frage, "ORDANEX", MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

int32_t FensterLesen(void* kontext, HWND seite, int32_t id, int32_t* wert)
{
    (void)kontext;
    HWND element = SeitenSteuerelement(seite, id);
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

int32_t FensterSetzen(void* kontext, HWND seite, int32_t id, int32_t wert)
{
    (void)kontext;
    HWND element = SeitenSteuerelement(seite, id);
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

} // namespace

const SEITEN_DIENST g_FensterSeitenDienst = { nullptr, FensterFragen, FensterLesen, FensterSetzen };
