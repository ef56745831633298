/*
 * seitenwerte.cpp - the slots of the import page and the controls without
 * slot, read through the page's service when the page holds them, else
 * from the context's mirrors.
 */
#include "engine/seitenwerte.h"

#include "kontext/ktoxedi.h"
#include "hostapi/oxglobdlg.h"
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

/* A copy of the page's service (the context is byte-packed, so the record
 * is read whole, never through a pointer into it); all null without
 * context or page. */
SEITEN_DIENST Dienst(void)
{
    SEITEN_DIENST d = {};
    if (g_Kontext != nullptr)
        d = g_Kontext->SeitenDienst;
    return d;
}

/* The page's answer for control `id`, -1 when there is no page service or
 * the page does not hold the control. */
int32_t DienstLesen(int32_t id, int32_t* wert)
{
    const SEITEN_DIENST d = Dienst();
    return d.Lesen != nullptr ? d.Lesen(d.Seite, id, wert) : -1;
}

void DienstSetzen(int32_t id, int32_t wert)
{
    const SEITEN_DIENST d = Dienst();
    if (d.Setzen != nullptr)
        d.Setzen(d.Seite, id, wert);
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

int32_t SeiteTabellenArt(int senkrecht)
{
    int32_t art = 0;
    if (DienstLesen(senkrecht ? IDC_IP_SENKRECHT : IDC_IP_WAAGRECHT, &art) == 1)
        return art;
    if (g_Kontext == nullptr)
        return 0;
    return senkrecht ? g_Kontext->SeiteSenkrechtArt : g_Kontext->SeiteWaagrechtArt;
}

void SeiteTabellenArtenSetzen(int32_t senkrecht, int32_t waagrecht)
{
    DienstSetzen(IDC_IP_SENKRECHT, senkrecht);
    DienstSetzen(IDC_IP_WAAGRECHT, waagrecht);
    if (g_Kontext != nullptr) {
        g_Kontext->SeiteSenkrechtArt = senkrecht;
        g_Kontext->SeiteWaagrechtArt = waagrecht;
    }
}

int32_t SeiteStandard(void)
{
    int32_t an = 0;
    if (DienstLesen(IDC_IP_STANDARD, &an) == 1)
        return an ? 1 : 0;
    return g_Kontext != nullptr && g_Kontext->SeiteStandard != 0 ? 1 : 0;
}

void SeiteStandardSetzen(int32_t an)
{
    DienstSetzen(IDC_IP_STANDARD, an ? 1 : 0);
    if (g_Kontext != nullptr)
        g_Kontext->SeiteStandard = an ? 1 : 0;
}

int32_t SeiteMwstKombiSatz(void)
{
    int32_t satz = -1;
    if (DienstLesen(IDC_IP_MWST, &satz) == 1)
        return satz;
    return g_Kontext != nullptr ? g_Kontext->SeiteMwstKombiSatz : -1;
}

int32_t SeiteFragen(const char* frage)
{
    const SEITEN_DIENST d = Dienst();
    if (d.Fragen == nullptr)
        return 0;
    if (d.VorRueckfrage != nullptr)
        d.VorRueckfrage(d.Seite);
    return d.Fragen(d.Seite, frage) == 1 ? 1 : 0;
}

void SeiteNachNeuemArtikel(void)
{
    const SEITEN_DIENST d = Dienst();
    if (d.Auffrischen != nullptr)
        d.Auffrischen(d.Seite);
}

/* The slot calls: through the page's service, else the host's call
 * without a page window. */

int32_t SlotText(int32_t id, char* aus, int32_t groesse)
{
    if (aus == nullptr || groesse < 1)
        return 0;
    aus[0] = '\0';
    const SEITEN_DIENST d = Dienst();
    if (d.SlotText != nullptr)
        return d.SlotText(d.Seite, id, aus, groesse);
    return OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(nullptr, id, aus, groesse, ImportOxOutBindung);
}

int32_t SlotTextSetzen(int32_t id, const char* text)
{
    const SEITEN_DIENST d = Dienst();
    if (d.SlotTextSetzen != nullptr)
        return d.SlotTextSetzen(d.Seite, id, text);
    return OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(nullptr, id, text, ImportOxOutBindung);
}

int32_t SlotZahl(int32_t id)
{
    const SEITEN_DIENST d = Dienst();
    if (d.SlotZahl != nullptr)
        return d.SlotZahl(d.Seite, id);
    return OXGLOBAL_DLGHELP_GetOx_OutItemLong(nullptr, id, ImportOxOutBindung);
}

int32_t SlotZahlSetzen(int32_t id, int32_t wert)
{
    const SEITEN_DIENST d = Dienst();
    if (d.SlotZahlSetzen != nullptr)
        return d.SlotZahlSetzen(d.Seite, id, wert);
    return OXGLOBAL_DLGHELP_SetOx_OutItemLong(nullptr, id, wert, ImportOxOutBindung);
}

int32_t SeiteMerkmalZeigen(int32_t art, int32_t nummer)
{
    const SEITEN_DIENST d = Dienst();
    if (d.MerkmalZeigen != nullptr)
        return d.MerkmalZeigen(d.Seite, art, nummer);
    return OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(nullptr, art, nummer, ImportOxOutBindung);
}

int32_t SeiteRestZeigen(int32_t serie, OXTABELLE* tabelle)
{
    const SEITEN_DIENST d = Dienst();
    if (d.RestZeigen != nullptr)
        return d.RestZeigen(d.Seite, serie, tabelle);
    return OXGLOBAL_DLGHELP_FillRestDialogFromMMOxOut(nullptr, serie, tabelle, ImportOxOutBindung);
}

int32_t SeiteZellenBeschreiben(OXTABELLE* tabelle, int32_t modus)
{
    const SEITEN_DIENST d = Dienst();
    if (d.ZellenBeschreiben != nullptr)
        return d.ZellenBeschreiben(d.Seite, tabelle, modus);
    return OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut(nullptr, tabelle, modus, ImportOxOutBindung);
}

int32_t SeiteArtikelText(char* puffer)
{
    const SEITEN_DIENST d = Dienst();
    if (d.ArtikelText != nullptr)
        return d.ArtikelText(d.Seite, puffer);
    return OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable(nullptr, puffer, ImportOxOutBindung);
}

int32_t SeiteTabellePruefen(const OXTABELLE* tabelle, int32_t hauptfenster)
{
    const SEITEN_DIENST d = Dienst();
    if (d.TabellePruefen != nullptr)
        return d.TabellePruefen(d.Seite, tabelle, hauptfenster);
    return OXGLOBAL_DLGHELP_PruefeTabelle(nullptr, tabelle);
}
