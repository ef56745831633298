/*
 * seitenwerte.cpp - the slots of the import page and the controls without
 * slot, read from the page window when it has them, else from the
 * context's mirrors.
 */
#include "engine/seitenwerte.h"
#include "kontext/seitenhilfe.h"

#include "kontext/ktoxedi.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxmwst.h"
#include "resources/resource.h"

namespace {

/* Control ids of the per-kind slots, by kind (0 = none). */
const int32_t kEdiText[SEITE_ARTEN] = { 1077, 1104, 1108, 1109, 1110, 1111, 1112, 1113, 0, 1142, 0, 1114 };
const int32_t kCode[SEITE_ARTEN] = { 0, 1070, 1079, 1081, 1083, 1085, 1087, 1089, 1140, 1102, 0, 1096 };
const int32_t kBezeichnung[SEITE_ARTEN] = { 0, 1127, 1128, 1129, 1130, 1131, 1132, 1133, 1141, 1135, 0, 1134 };

int32_t Slot(void** adresse, void* wo, int32_t laenge)
{
    *adresse = wo;
    return laenge;
}

int32_t ArtSlot(const int32_t* ids, int32_t id)
{
    for (int32_t art = 0; art < SEITE_ARTEN; art++)
        if (ids[art] != 0 && ids[art] == id)
            return art;
    return -1;
}

void KombiWaehlen(HWND kombi, int32_t art)
{
    if (kombi == nullptr)
        return;
    LRESULT n = SendMessageA(kombi, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; i++)
        if (SendMessageA(kombi, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == art) {
            SendMessageA(kombi, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
}

} // namespace

int32_t OXCALL ImportOxOutBindung(int32_t id, void** adresse)
{
    if (adresse == nullptr)
        return 0;
    *adresse = nullptr;
    if (g_Kontext == nullptr)
        return 0;
    IMPORT_OXOUT& o = g_Kontext->OxOut;
    int32_t art = ArtSlot(kEdiText, id);
    if (art >= 0)
        return Slot(adresse, o.EdiText[art], SEITE_EDI_TEXT);
    if ((art = ArtSlot(kCode, id)) >= 0)
        return Slot(adresse, o.Code[art], SEITE_CODE);
    if ((art = ArtSlot(kBezeichnung, id)) >= 0)
        return Slot(adresse, o.Bezeichnung[art], SEITE_BEZEICHNUNG);
    switch (id) {
    case IDC_IP_EDI_EK1: return Slot(adresse, &o.EdiEk1, 4);
    case IDC_IP_EDI_EK2: return Slot(adresse, &o.EdiEk2, 4);
    case IDC_IP_EDI_VK1: return Slot(adresse, &o.EdiVk1, 4);
    case IDC_IP_EDI_VK2: return Slot(adresse, &o.EdiVk2, 4);
    case IDC_IP_EDI_LFARBE: return Slot(adresse, o.EdiFarbtext, SEITE_EDI_TEXT);
    case IDC_IP_EDI_ZUSATZ: return Slot(adresse, o.EdiZusatztext, SEITE_EDI_TEXT);
    case IDC_IP_EDIT_ARTIKEL: return Slot(adresse, o.ArtikelText, SEITE_ARTIKEL_TEXT);
    case IDC_IP_EK1: return Slot(adresse, &o.Ek1, 4);
    case IDC_IP_EK2: return Slot(adresse, &o.Ek2, 4);
    case IDC_IP_VK1: return Slot(adresse, &o.Vk1, 4);
    case IDC_IP_VK2: return Slot(adresse, &o.Vk2, 4);
    case IDC_IP_VORSCHLAG_EK1: return Slot(adresse, &o.VorschlagEk1, 4);
    case IDC_IP_VORSCHLAG_EK2: return Slot(adresse, &o.VorschlagEk2, 4);
    case IDC_IP_VORSCHLAG_VK1: return Slot(adresse, &o.VorschlagVk1, 4);
    case IDC_IP_VORSCHLAG_VK2: return Slot(adresse, &o.VorschlagVk2, 4);
    case IDC_IP_LFARBE: return Slot(adresse, o.Farbtext, SEITE_TEXT33);
    case IDC_IP_ZUSATZ: return Slot(adresse, o.Zusatztext, SEITE_TEXT33);
    case IDC_IP_KENNUNG: return Slot(adresse, o.Kennung, SEITE_KENNUNG);
    case IDC_IP_MWST_PROZENT: return Slot(adresse, &o.Mwst, 4);
    default: return 0;
    }
}

void SeitenMerkmaleAnmelden(void)
{
    static const int32_t felder[][4] = {
        { 0, IDC_IP_BTN_ARTIKEL, IDC_IP_EDIT_ARTIKEL, 0 }, { 1, 1069, 1070, 1127 }, { 2, 1078, 1079, 1128 },
        { 3, 1080, 1081, 1129 }, { 4, 1082, 1083, 1130 }, { 5, 1084, 1085, 1131 }, { 6, 1086, 1087, 1132 },
        { 7, 1088, 1089, 1133 }, { 9, 1101, 1102, 1135 }, { 11, 1095, 1096, 1134 }, { 8, 0, 1140, 1141 },
    };
    OXGLOBAL_DLGHELP_LoescheDlgElemente();
    for (const auto& f : felder)
        OXGLOBAL_DLGHELP_FuelleDlgElemente(f[0], f[1], f[2], f[3]);
}

int32_t SeiteTabellenArt(HWND seite, int senkrecht)
{
    HWND kombi = SeitenSteuerelement(seite, senkrecht ? IDC_IP_SENKRECHT : IDC_IP_WAAGRECHT);
    if (kombi != nullptr) {
        LRESULT i = SendMessageA(kombi, CB_GETCURSEL, 0, 0);
        return i == CB_ERR ? 0 : static_cast<int32_t>(SendMessageA(kombi, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    }
    if (g_Kontext == nullptr)
        return 0;
    return senkrecht ? g_Kontext->SeiteSenkrechtArt : g_Kontext->SeiteWaagrechtArt;
}

void SeiteTabellenArtenSetzen(HWND seite, int32_t senkrecht, int32_t waagrecht)
{
    KombiWaehlen(SeitenSteuerelement(seite, IDC_IP_SENKRECHT), senkrecht);
    KombiWaehlen(SeitenSteuerelement(seite, IDC_IP_WAAGRECHT), waagrecht);
    if (g_Kontext != nullptr) {
        g_Kontext->SeiteSenkrechtArt = senkrecht;
        g_Kontext->SeiteWaagrechtArt = waagrecht;
    }
}

int32_t SeiteStandard(HWND seite)
{
    HWND kasten = SeitenSteuerelement(seite, IDC_IP_STANDARD);
    if (kasten != nullptr)
        return SendMessageA(kasten, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    return g_Kontext != nullptr && g_Kontext->SeiteStandard != 0 ? 1 : 0;
}

void SeiteStandardSetzen(HWND seite, int32_t an)
{
    HWND kasten = SeitenSteuerelement(seite, IDC_IP_STANDARD);
    if (kasten != nullptr)
        SendMessageA(kasten, BM_SETCHECK, an ? BST_CHECKED : BST_UNCHECKED, 0);
    if (g_Kontext != nullptr)
        g_Kontext->SeiteStandard = an ? 1 : 0;
}

int32_t SeiteMwstKombiSatz(HWND seite)
{
    HWND kombi = SeitenSteuerelement(seite, IDC_IP_MWST);
    if (kombi != nullptr)
        return OX_MWST_GetSatzNr_FromComboBox(kombi);
    return g_Kontext != nullptr ? g_Kontext->SeiteMwstKombiSatz : -1;
}
