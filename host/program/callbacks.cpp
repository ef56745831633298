/*
 * callbacks.cpp - the functions the stand-in host hands to the module that
 * work on the host's stores alone: characteristics, articles and suppliers
 * in DBADLL, the tables of articles and series in OXTABELLE's table store,
 * the marks of an import, the kinds' own names and the export list. They
 * build everywhere; the callbacks that show a window, and those this host
 * does not offer, are in callbacks_fenster.cpp.
 */
#include "callbacks.h"
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

/* ---- 14: the host's own names of kinds 3, 4 and 5 (12 and 13 show them) --- */

namespace {
std::string g_ArtNamen[DBA_MAX_ART + 1] = { "", "", "", "Serie", "Label", "Material" };
}

std::string Standin_ArtNameVon(int32_t art)
{
    return art >= 0 && art <= DBA_MAX_ART ? g_ArtNamen[art] : std::string();
}

void Standin_ArtName(int32_t art, const char* name)
{
    if (art >= 0 && art <= DBA_MAX_ART)
        g_ArtNamen[art] = name != nullptr ? name : "";
}

int32_t WINAPI Host14(char* puffer, int32_t art)
{
    g_StandinRufe[14]++;
    if (puffer == nullptr)
        return 0;
    snprintf(puffer, 256, "%s", Standin_ArtNameVon(art).c_str());
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

int32_t WINAPI Host20(int32_t art, const char* text)
{
    g_StandinRufe[20]++;
    if (text == nullptr || text[0] == '\0')
        return 0;
    int32_t nummer = MMLIB_SucheText(art, text, nullptr);
    return nummer > 0 ? nummer : 0;
}
