/*
 * callbacks_fenster.cpp - the stand-in host's callbacks that show a window
 * or reach the page's controls (the pickers of 01, the captions of 12 and
 * 13, the new characteristic of 21), the price calculation of 22 (the INI
 * file through the system), the label and price-list calls 23 to 26, and
 * the ones this host does not offer: those say so in a message box and
 * answer "not found"; they never make up data. Windows only.
 */
#include "standin.h"
#include "callbacks.h"
#include "common/dlgvorlage.h"
#include "etiketten.h"
#include "DBADLL/dbadll_host.h"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

static int32_t NichtVerfuegbar(int nummer)
{
    g_StandinRufe[nummer]++;
    if (!g_StandinStill) {
        char text[160];
        snprintf(text, sizeof text, "Die Host-Funktion %02d ist in diesem Programm nicht verf\xfc" "gbar.", nummer);
        MessageBoxA(nullptr, text, "ORDANEX", MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}

/* ---- 01: the characteristic picker ------------------------------------- */

namespace {

struct Auswahl {
    int32_t art;
    int32_t gewaehlt;
};

INT_PTR CALLBACK AuswahlProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    Auswahl* a = reinterpret_cast<Auswahl*>(GetWindowLongPtrA(fenster, DWLP_USER));
    switch (nachricht) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(fenster, DWLP_USER, lParam);
        a = reinterpret_cast<Auswahl*>(lParam);
        HWND liste = GetDlgItem(fenster, STANDIN_AUSWAHL_LISTE);
        MERKMAL_SATZ satz;
        for (int32_t nummer = MMLIB_NaechstesMerkmal(a->art, 0, &satz); nummer > 0;
             nummer = MMLIB_NaechstesMerkmal(a->art, nummer, &satz)) {
            char code[OX_TXT_CODE], text[OX_TXT_25], zeile[64];
            memcpy(code, satz.Code, sizeof code);
            code[sizeof code - 1] = '\0';
            memcpy(text, satz.Text, sizeof text);
            text[sizeof text - 1] = '\0';
            snprintf(zeile, sizeof zeile, "%s %s", code, text);
            LRESULT i = SendMessageA(liste, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zeile));
            if (i >= 0)
                SendMessageA(liste, LB_SETITEMDATA, static_cast<WPARAM>(i), nummer);
        }
        return TRUE;
    }
    case WM_COMMAND:
        return AuswahlBefehl(fenster, wParam, STANDIN_AUSWAHL_LISTE, &a->gewaehlt);
    default:
        return FALSE;
    }
}

} // namespace

int32_t WINAPI Host01(int32_t art, HWND fenster, int32_t)
{
    g_StandinRufe[1]++;
    if (art < 0 || art > DBA_MAX_ART)
        return 0;
    std::vector<WORD> t;
    VorlageKopf(t, DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 3, 200, 160,
                art == 8 ? STANDIN_AUSWAHL_LIEFERANT_W : STANDIN_AUSWAHL_MERKMAL_W, 8, L"MS Sans Serif");
    VorlageSteuerelement(t, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 7, 186, 124, STANDIN_AUSWAHL_LISTE,
                         VORLAGE_LISTE, L"");
    VorlageSteuerelement(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 138, 50, 14, IDOK, VORLAGE_KNOPF, L"OK");
    VorlageSteuerelement(t, BS_PUSHBUTTON | WS_TABSTOP, 143, 138, 50, 14, IDCANCEL, VORLAGE_KNOPF, L"Abbrechen");
    Auswahl a{ art, 0 };
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), fenster,
                            AuswahlProc, reinterpret_cast<LPARAM>(&a));
    return a.gewaehlt;
}

/* ---- 12, 13: the host's own names of kinds 3, 4 and 5 in a page's captions -- */

int32_t WINAPI Host12(HWND seite, int32_t id, int32_t art, const char* text)
{
    g_StandinRufe[12]++;
    std::string name = Standin_ArtNameVon(art);
    std::string beschriftung = name.empty() ? std::string(text != nullptr ? text : "") : "&" + name;
    SetDlgItemTextA(seite, id, beschriftung.c_str());
    return 1;
}

int32_t WINAPI Host13(HWND seite, int32_t id, int32_t art, const char* text)
{
    g_StandinRufe[13]++;
    std::string name = Standin_ArtNameVon(art);
    SetDlgItemTextA(seite, id, name.empty() ? (text != nullptr ? text : "") : name.c_str());
    return 1;
}

int32_t WINAPI Host19(void)
{
    return NichtVerfuegbar(19);
}

/* ---- 21: a new characteristic ---------------------------------------------- */

namespace {

struct NeuesMerkmal {
    int32_t art;
    std::string code, text;
    int32_t nummer;
};

std::string EditText(HWND fenster, int id)
{
    char puffer[64];
    GetDlgItemTextA(fenster, id, puffer, sizeof puffer);
    std::string t(puffer);
    size_t a = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : t.substr(a, e - a + 1);
}

INT_PTR CALLBACK NeuesMerkmalProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam)
{
    NeuesMerkmal* m = reinterpret_cast<NeuesMerkmal*>(GetWindowLongPtrA(fenster, DWLP_USER));
    switch (nachricht) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(fenster, DWLP_USER, lParam);
        m = reinterpret_cast<NeuesMerkmal*>(lParam);
        SendDlgItemMessageA(fenster, STANDIN_NEU_CODE, EM_LIMITTEXT, OX_TXT_CODE - 1, 0);
        SendDlgItemMessageA(fenster, STANDIN_NEU_TEXT, EM_LIMITTEXT, OX_TXT_25 - 1, 0);
        SetDlgItemTextA(fenster, STANDIN_NEU_CODE, m->code.c_str());
        SetDlgItemTextA(fenster, STANDIN_NEU_TEXT, m->text.c_str());
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(fenster, IDCANCEL);
            return TRUE;
        }
        if (LOWORD(wParam) == IDOK) {
            MERKMAL_SATZ satz;
            memset(&satz, 0, sizeof satz);
            std::string code = EditText(fenster, STANDIN_NEU_CODE), text = EditText(fenster, STANDIN_NEU_TEXT);
            snprintf(satz.Code, sizeof satz.Code, "%s", code.c_str());
            snprintf(satz.Text, sizeof satz.Text, "%s", text.c_str());
            int32_t nummer = code.empty() ? 0 : MMLIB_MerkmalAnlegen(m->art, &satz);
            if (nummer <= 0) {
                /* an empty or used code: the dialog stays */
                MessageBoxA(fenster, "Der Code ist leer oder schon vergeben.", "ORDANEX", MB_OK | MB_ICONINFORMATION);
                return TRUE;
            }
            m->nummer = nummer;
            EndDialog(fenster, IDOK);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int32_t WINAPI Host21(HWND seite, int32_t art, const char* code, const char* text)
{
    g_StandinRufe[21]++;
    if (art < 1 || art > DBA_MAX_ART)
        return 0;
    std::vector<WORD> t;
    VorlageKopf(t, DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 6, 200, 70,
                STANDIN_NEU_TITEL_W, 8, L"MS Sans Serif");
    VorlageSteuerelement(t, 0, 7, 9, 40, 8, STANDIN_NEU_CODE + 10, VORLAGE_STATISCH, L"Code:");
    VorlageSteuerelement(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7, 40, 12, STANDIN_NEU_CODE, VORLAGE_EDIT, L"");
    VorlageSteuerelement(t, 0, 7, 27, 40, 8, STANDIN_NEU_TEXT + 10, VORLAGE_STATISCH, L"Text:");
    VorlageSteuerelement(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 25, 143, 12, STANDIN_NEU_TEXT, VORLAGE_EDIT,
                         L"");
    VorlageSteuerelement(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 48, 50, 14, IDOK, VORLAGE_KNOPF, L"OK");
    VorlageSteuerelement(t, BS_PUSHBUTTON | WS_TABSTOP, 143, 48, 50, 14, IDCANCEL, VORLAGE_KNOPF, L"Abbrechen");
    NeuesMerkmal m{ art, code != nullptr ? code : "", text != nullptr ? text : "", 0 };
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), seite,
                            NeuesMerkmalProc, reinterpret_cast<LPARAM>(&m));
    return m.nummer;
}

/* ---- 22: the price calculation ---------------------------------------------- */

int32_t WINAPI Host22(HWND, int32_t warengruppe, int32_t, int32_t ek1, int32_t ek2, int32_t* vk)
{
    g_StandinRufe[22]++;
    MERKMAL_SATZ wg;
    if (vk == nullptr || warengruppe <= 0 || MMLIB_LeseMerkmal(2, warengruppe, &wg) != 1)
        return 0;
    int32_t ek = ek2 > 0 ? ek2 : ek1;
    if (ek <= 0)
        return 0;
    char pfad[MAX_PATH];
    if (DBA_GetDatenPfad(pfad, sizeof pfad) <= 0)
        return 0;
    std::string ini = std::string(pfad) + "ORDANEX.INI";
    char code[OX_TXT_CODE];
    memcpy(code, wg.Code, sizeof code);
    code[sizeof code - 1] = '\0';
    UINT standard = GetPrivateProfileIntA(STANDIN_KALKULATION, "standard", STANDIN_AUFSCHLAG_STANDARD, ini.c_str());
    UINT prozent = GetPrivateProfileIntA(STANDIN_KALKULATION, code, standard, ini.c_str());
    long long wert = (static_cast<long long>(ek) * prozent + 50) / 100;
    if (wert <= 0 || wert > 999999999)
        return 0;
    *vk = static_cast<int32_t>(wert);
    return 1;
}

int32_t WINAPI Host23(const char* datei, int32_t modus)
{
    g_StandinRufe[23]++;
    return Etiketten_DateiOeffnen(datei, modus);
}

int32_t WINAPI Host24(int32_t handle)
{
    g_StandinRufe[24]++;
    return Etiketten_DateiSchliessen(handle);
}

int32_t WINAPI Host25(int32_t handle, const ETIKETT_ANFORDERUNG* anforderung)
{
    g_StandinRufe[25]++;
    return Etiketten_Schreiben(handle, anforderung);
}

int32_t WINAPI Host26(HWND fenster, B_DOC* dokument, HOSTHANDLE liste)
{
    g_StandinRufe[26]++;
    return Etiketten_PreislisteFuellen(fenster, dokument, liste);
}
