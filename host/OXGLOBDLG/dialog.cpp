/*
 * dialog.cpp - the calls that reach a page's controls themselves: showing
 * a characteristic in them and reading a typed code back, and the picker
 * dialog that lists the characteristics of a kind from the master-data
 * store. Windows only; the rest of the library works on the master data
 * and the page's binding alone and builds everywhere.
 */
#include "OXGLOBDLG/oxglobdlg_host.h"
#include "DBADLL/dbadll_host.h"
#include "oxglobdlg_intern.h"
#include "common/dlgvorlage.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

void Setzen(HWND seite, int32_t id, const char* text)
{
    if (seite != nullptr && id != 0)
        SetDlgItemTextA(seite, id, text);
}

}  // namespace

/* ---- the picker dialog ----------------------------------------------------- */

namespace {

struct Auswahl {
    int32_t art;
    std::string lieferantCode;   /* kind 0: only articles of this supplier code */
    std::string vorwahl;         /* code (kind 0: article number text) shown first */
    int32_t gewaehlt;
};

void ListeFuellen(HWND fenster, const Auswahl& a)
{
    HWND liste = GetDlgItem(fenster, OXGLOBDLG_AUSWAHL_LISTE);
    int tabulator = 40;
    SendMessageA(liste, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabulator));
    MERKMAL_SATZ satz;
    LRESULT vorwahl = LB_ERR;
    for (int32_t nummer = MMLIB_NaechstesMerkmal(a.art, 0, &satz); nummer > 0;
         nummer = MMLIB_NaechstesMerkmal(a.art, nummer, &satz)) {
        std::string code = FeldText(satz.Code, sizeof satz.Code);
        std::string text = FeldText(satz.Text, sizeof satz.Text);
        if (a.art == 0 && !a.lieferantCode.empty() && code != a.lieferantCode)
            continue;
        std::string zeile = code + "\t" + text;
        LRESULT i = SendMessageA(liste, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zeile.c_str()));
        if (i < 0)
            continue;
        SendMessageA(liste, LB_SETITEMDATA, static_cast<WPARAM>(i), nummer);
        if (vorwahl == LB_ERR && !a.vorwahl.empty() && lstrcmpiA(AnzeigeCode(a.art, satz).c_str(), a.vorwahl.c_str()) == 0)
            vorwahl = i;
    }
    SendMessageA(liste, LB_SETCURSEL, vorwahl == LB_ERR ? 0 : static_cast<WPARAM>(vorwahl), 0);
}

INT_PTR CALLBACK AuswahlProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    Auswahl* a = reinterpret_cast<Auswahl*>(GetWindowLongPtrA(fenster, DWLP_USER));
    switch (nachricht) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(fenster, DWLP_USER, lParam);
        ListeFuellen(fenster, *reinterpret_cast<Auswahl*>(lParam));
        return TRUE;
    case WM_COMMAND:
        return AuswahlBefehl(fenster, wParam, OXGLOBDLG_AUSWAHL_LISTE, &a->gewaehlt);
    default:
        return FALSE;
    }
}

HINSTANCE EigeneInstanz()
{
    HMODULE modul = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&AuswahlProc), &modul);
    return modul;
}

}  // namespace

int32_t MerkmalAuswaehlen(HWND eltern, int32_t art, const std::string& vorwahl, const std::string& lieferantCode)
{
    if (art < 0 || art > DBA_MAX_ART)
        return 0;
    try {
        std::vector<WORD> t;
        VorlageKopf(t, DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 3, 220, 170,
                    art == 8 ? OXGLOBDLG_AUSWAHL_LIEFERANT_W
                             : (art == 0 ? OXGLOBDLG_AUSWAHL_ARTIKEL_W : OXGLOBDLG_AUSWAHL_MERKMAL_W),
                    8, L"MS Sans Serif");
        VorlageSteuerelement(t, LBS_NOTIFY | LBS_USETABSTOPS | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 7, 206, 134,
                             OXGLOBDLG_AUSWAHL_LISTE, VORLAGE_LISTE, L"");
        VorlageSteuerelement(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 104, 148, 52, 15, IDOK, VORLAGE_KNOPF, L"OK");
        VorlageSteuerelement(t, BS_PUSHBUTTON | WS_TABSTOP, 161, 148, 52, 15, IDCANCEL, VORLAGE_KNOPF, L"Abbrechen");
        Auswahl a{ art, lieferantCode, Getrimmt(vorwahl), 0 };
        DialogBoxIndirectParamA(EigeneInstanz(), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), eltern, AuswahlProc,
                                reinterpret_cast<LPARAM>(&a));
        return a.gewaehlt > 0 ? a.gewaehlt : 0;
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_MerkmalToDialog(HWND seite, int32_t art, int32_t nummer)
{
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    MERKMAL_SATZ satz;
    if (nummer > 0 && MMLIB_LeseMerkmal(art, nummer, &satz) == 1) {
        Setzen(seite, f->edit, AnzeigeCode(art, satz).c_str());
        Setzen(seite, f->text, FeldText(satz.Text, sizeof satz.Text).c_str());
        return 1;
    }
    Setzen(seite, f->edit, "");
    Setzen(seite, f->text, "");
    return 0;
}

static std::string EingabeLesen(HWND seite, const Felder* f)
{
    char text[OX_TXT_256] = "";
    if (seite != nullptr && f != nullptr && f->edit != 0)
        GetDlgItemTextA(seite, f->edit, text, sizeof text);
    return text;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_PruefeEingabe(HWND seite, int32_t art, int32_t modus)
{
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    int32_t nummer = CodeSuchen(art, EingabeLesen(seite, f));
    if (modus != 0) {
        if (nummer > 0)
            OXGLOBAL_DLGHELP_MerkmalToDialog(seite, art, nummer);
        else
            Setzen(seite, f->text, "");
    }
    return nummer;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnEditMerkmal(HWND seite, int32_t art)
{
    return OXGLOBAL_DLGHELP_PruefeEingabe(seite, art, 1);
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonMerkmal(HWND seite, int32_t art)
{
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    int32_t nummer = MerkmalAuswaehlen(seite, art, EingabeLesen(seite, f), std::string());
    if (nummer > 0)
        OXGLOBAL_DLGHELP_MerkmalToDialog(seite, art, nummer);
    return nummer;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(HWND seite, int32_t id, OXOUT_BINDUNG bindung)
{
    Slot s = SlotVon(bindung, id);
    if (s.adresse == nullptr || seite == nullptr)
        return 0;
    char text[OX_TXT_256] = "";
    GetDlgItemTextA(seite, id, text, sizeof text);
    return SlotSchreiben(s, text);
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonMerkmalOxOut(HWND seite, int32_t art, OXOUT_BINDUNG bindung)
{
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    int32_t nummer = MerkmalAuswaehlen(seite, art, SlotLesen(SlotVon(bindung, f->edit)), std::string());
    if (nummer > 0)
        OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, art, nummer, bindung);
    return nummer;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonArtikelOxOut(HWND seite, int32_t lieferant, OXOUT_BINDUNG bindung)
{
    std::string code;
    MERKMAL_SATZ satz;
    if (lieferant > 0 && MMLIB_LeseMerkmal(8, lieferant, &satz) == 1)
        code = FeldText(satz.Code, sizeof satz.Code);
    const Felder* f = FelderDerArt(0);
    std::string vorwahl = f ? SlotLesen(SlotVon(bindung, f->edit)) : std::string();
    int32_t nummer = MerkmalAuswaehlen(seite, 0, vorwahl, code);
    if (nummer > 0 && f != nullptr && MMLIB_LeseMerkmal(0, nummer, &satz) == 1)
        SlotSchreiben(SlotVon(bindung, f->edit), FeldText(satz.Text, sizeof satz.Text));
    return nummer;
}
