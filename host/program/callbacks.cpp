/*
 * callbacks.cpp - the 26 functions the stand-in host hands to the module.
 *
 * A function that this host does not offer says so in a message box and
 * answers "not found"; it never makes up data. The others work on the
 * host's stores: characteristics, articles and suppliers in DBADLL, the
 * tables of articles and series in OXTABELLE's table store.
 */
#include "standin.h"
#include "callbacks.h"
#include "common/dlgvorlage.h"
#include "etiketten.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

long g_StandinRufe[27];
int g_StandinStill;

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

/* ---- 02, 15: characteristics of the store ---------------------------------- */

int32_t WINAPI Host02(int32_t art, const char* code)
{
    g_StandinRufe[2]++;
    if (code == nullptr || code[0] == '\0')
        return 0;
    int32_t nummer = MMLIB_SucheCode(art, code, nullptr);
    return nummer > 0 ? nummer : 0;
}

/* ---- 03, 06: tables of articles and series ------------------------------------ */

static int32_t TabelleLesen(int32_t besitzer, int32_t nummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit)
{
    if (tabelle == nullptr)
        return 0;
    TAB_ZEIT z{};
    int32_t r = nummer > 0 ? TAB_LeseTabelle(besitzer, nummer, tabelle, &z) : 0;
    if (r != 1)
        memset(tabelle, 0, sizeof *tabelle);
    if (zeit != nullptr) {
        zeit->Low = r == 1 ? z.Low : 0;
        zeit->High = r == 1 ? z.High : 0;
    }
    return r == 1 ? 1 : 0;
}

int32_t WINAPI Host03(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit)
{
    g_StandinRufe[3]++;
    return TabelleLesen(TAB_BESITZER_ARTIKEL, artikelNummer, tabelle, zeit);
}

/* This host keeps exactly the tables it stores: 04 reads the same as 03. */
int32_t WINAPI Host04(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit)
{
    g_StandinRufe[4]++;
    return TabelleLesen(TAB_BESITZER_ARTIKEL, artikelNummer, tabelle, zeit);
}

int32_t WINAPI Host05(int32_t artikelNummer, const OXTABELLE* tabelle)
{
    g_StandinRufe[5]++;
    if (artikelNummer < 1 || tabelle == nullptr)
        return 0;
    return TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, artikelNummer, tabelle) == 1 ? 1 : 0;
}

int32_t WINAPI Host06(int32_t serienNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit)
{
    g_StandinRufe[6]++;
    return TabelleLesen(TAB_BESITZER_SERIE, serienNummer, tabelle, zeit);
}

/* ---- 07: preset tables, the branches of the store on an axis ------------- */

int32_t WINAPI Host07(OXTABELLE* tabelle, int32_t code)
{
    g_StandinRufe[7]++;
    if (tabelle == nullptr || (code != STANDIN_VORGABE_WAAGRECHT && code != STANDIN_VORGABE_SENKRECHT &&
                               code != STANDIN_VORGABE_ACHSEN))
        return 0;
    std::vector<int32_t> filialen;
    MERKMAL_SATZ m;
    for (int32_t n = MMLIB_NaechstesMerkmal(9, 0, &m); n > 0; n = MMLIB_NaechstesMerkmal(9, n, &m))
        filialen.push_back(n);
    if (filialen.empty())
        return 0;
    TAB_ClearTabelle(tabelle, 0);
    tabelle->Kopf = TAB_KOPF_LEER;
    if (code == STANDIN_VORGABE_ACHSEN) {
        tabelle->MerkmalSenkrecht = 9;
        tabelle->MerkmalWaagrecht = 9;
    } else {
        int senkrecht = code == STANDIN_VORGABE_SENKRECHT;
        int32_t platz = senkrecht ? TAB_MAX_SENKRECHT : TAB_MAX_WAAGRECHT;
        if (senkrecht)
            tabelle->MerkmalSenkrecht = 9;
        else
            tabelle->MerkmalWaagrecht = 9;
        for (int32_t i = 0; i < static_cast<int32_t>(filialen.size()) && i < platz; i++)
            TAB_SetMerkmalCR(tabelle, senkrecht, i, filialen[static_cast<size_t>(i)]);
    }
    return 1;
}

/* ---- 08 to 11: marks on the tables of an import ------------------------------ */

namespace {
std::set<std::pair<int32_t, int32_t>> g_Markiert;   /* (owner kind, number) */

int32_t Markieren(int32_t besitzer, int32_t nummer, int32_t flag)
{
    if (flag == 0)
        g_Markiert.insert({ besitzer, nummer });
    else
        g_Markiert.erase({ besitzer, nummer });
    return 1;
}
}

int Standin_TabelleMarkiert(int32_t besitzer, int32_t nummer)
{
    return g_Markiert.count({ besitzer, nummer }) ? 1 : 0;
}

int32_t WINAPI Host08(int32_t artikelNummer, int32_t flag)
{
    g_StandinRufe[8]++;
    return Markieren(TAB_BESITZER_ARTIKEL, artikelNummer, flag);
}

int32_t WINAPI Host09(int32_t serienNummer, int32_t flag)
{
    g_StandinRufe[9]++;
    return Markieren(TAB_BESITZER_SERIE, serienNummer, flag);
}

int32_t WINAPI Host10(int32_t artikelNummer)
{
    g_StandinRufe[10]++;
    return Markieren(TAB_BESITZER_ARTIKEL, artikelNummer, 1);
}

int32_t WINAPI Host11(int32_t serienNummer)
{
    g_StandinRufe[11]++;
    return Markieren(TAB_BESITZER_SERIE, serienNummer, 1);
}

/* ---- 12, 13, 14: the host's own names of kinds 3, 4 and 5 ----------------- */

namespace {
std::string g_ArtNamen[DBA_MAX_ART + 1] = { "", "", "", "Serie", "Label", "Material" };

std::string ArtName(int32_t art)
{
    return art >= 0 && art <= DBA_MAX_ART ? g_ArtNamen[art] : std::string();
}
}

void Standin_ArtName(int32_t art, const char* name)
{
    if (art >= 0 && art <= DBA_MAX_ART)
        g_ArtNamen[art] = name != nullptr ? name : "";
}

int32_t WINAPI Host12(HWND seite, int32_t id, int32_t art, const char* text)
{
    g_StandinRufe[12]++;
    std::string name = ArtName(art);
    std::string beschriftung = name.empty() ? std::string(text != nullptr ? text : "") : "&" + name;
    SetDlgItemTextA(seite, id, beschriftung.c_str());
    return 1;
}

int32_t WINAPI Host13(HWND seite, int32_t id, int32_t art, const char* text)
{
    g_StandinRufe[13]++;
    std::string name = ArtName(art);
    SetDlgItemTextA(seite, id, name.empty() ? (text != nullptr ? text : "") : name.c_str());
    return 1;
}

int32_t WINAPI Host14(char* puffer, int32_t art)
{
    g_StandinRufe[14]++;
    if (puffer == nullptr)
        return 0;
    snprintf(puffer, 256, "%s", ArtName(art).c_str());
    return 1;
}

int32_t WINAPI Host15(int32_t art, int32_t nummer, MERKMAL_SATZ* satz)
{
    g_StandinRufe[15]++;
    if (satz == nullptr)
        return 0;
    return MMLIB_LeseMerkmal(art, nummer, satz) == 1 ? 1 : 0;
}

/* New articles: this host reads its stores afresh at every call, so there
 * is nothing to refresh; the call is counted. */
int32_t WINAPI Host16(int32_t)
{
    g_StandinRufe[16]++;
    return 1;
}

/* ---- 17, 18: the export list ------------------------------------------------ */

namespace {
std::vector<int32_t> g_ExportAuswahl;
bool g_ExportAuswahlGesetzt;
std::vector<HOST_EXPORTEINTRAG> g_ExportEintraege;
HOST_EXPORTLISTE g_ExportListe;
}

void Standin_ExportAuswahl(const std::vector<int32_t>& artikel)
{
    g_ExportAuswahl = artikel;
    g_ExportAuswahlGesetzt = true;
}

void Standin_ExportAuswahlAlle(void)
{
    g_ExportAuswahl.clear();
    g_ExportAuswahlGesetzt = false;
}

const HOST_EXPORTLISTE* WINAPI Host17(int32_t)
{
    g_StandinRufe[17]++;
    try {
        g_ExportEintraege.clear();
        std::map<int32_t, std::string> schluessel;   /* supplier number -> number text */
        auto eintragen = [&](int32_t nummer, const ARTIKEL_SATZ* a) {
            HOST_EXPORTEINTRAG e{};
            e.ArtikelNummer = nummer;
            if (a != nullptr) {
                /* The key an article is filed under: its supplier's number text. */
                auto it = schluessel.find(a->LieferantNummer);
                if (it == schluessel.end()) {
                    MERKMAL_SATZ lieferant;
                    std::string code;
                    if (a->LieferantNummer > 0 && MMLIB_LeseMerkmal(8, a->LieferantNummer, &lieferant) == 1)
                        code.assign(lieferant.Code, strnlen(lieferant.Code, sizeof lieferant.Code));
                    it = schluessel.emplace(a->LieferantNummer, code).first;
                }
                std::string code = it->second;
                if (code.empty())
                    code.assign(a->Codes[ArtikelCodeIndex(8)], strnlen(a->Codes[ArtikelCodeIndex(8)], OX_TXT_CODE));
                memcpy(e.LieferantSchluessel, code.data(), std::min(code.size(), sizeof e.LieferantSchluessel - 1));
            }
            g_ExportEintraege.push_back(e);
        };
        ARTIKEL_SATZ a;
        if (!g_ExportAuswahlGesetzt) {
            for (int32_t n = ARTLIB_NaechsterArtikel(0, &a); n > 0; n = ARTLIB_NaechsterArtikel(n, &a))
                eintragen(n, &a);
        } else {
            HOSTHANDLE artikel = ARTLIB_OeffneDatenbank();
            for (int32_t n : g_ExportAuswahl)
                eintragen(n, ARTLIB_ReadArtikel(artikel, n, &a) == 1 ? &a : nullptr);
            if (artikel > 0)
                ARTLIB_SchliesseDatenbank(artikel);
        }
        g_ExportListe.Anzahl = static_cast<int32_t>(g_ExportEintraege.size());
        g_ExportEintraege.push_back(HOST_EXPORTEINTRAG{});   /* the empty entry at Anzahl */
        g_ExportListe.Eintrag = g_ExportEintraege.data();
        return &g_ExportListe;
    } catch (...) {
        return nullptr;
    }
}

int32_t WINAPI Host18(int32_t)
{
    g_StandinRufe[18]++;
    g_ExportEintraege.clear();
    g_ExportEintraege.shrink_to_fit();
    g_ExportListe = HOST_EXPORTLISTE{};
    return 1;
}

int32_t WINAPI Host19(void)
{
    return NichtVerfuegbar(19);
}

int32_t WINAPI Host20(int32_t art, const char* text)
{
    g_StandinRufe[20]++;
    if (text == nullptr || text[0] == '\0')
        return 0;
    int32_t nummer = MMLIB_SucheText(art, text, nullptr);
    return nummer > 0 ? nummer : 0;
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
