/*
 * wareneingang.cpp - the stand-in host's goods receipt of DESADV positions,
 * booked into the store: stock items and the piece counts of the article's
 * size table.
 */
#include "wareneingang.h"
#include "DBADLL/dbadll_host.h"
#include "hostapi/fileio.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "hostapi/oxtexdefs.h"

#include <stdio.h>
#include <string.h>

#include <memory>
#include <string>

long g_StandinGebucht, g_StandinAbgelehnt;

namespace {

struct Suche {
    const char* gtin;
    EANARTIKEL_SATZ eintrag;
    bool gefunden;
};

int32_t OXCALL EintragPruefen(void* liste, const EANARTIKEL_SATZ* e)
{
    Suche* s = static_cast<Suche*>(liste);
    if (strncmp(e->Ean, s->gtin, sizeof e->Ean) == 0) {
        s->eintrag = *e;
        s->gefunden = true;
        return 0;
    }
    return 1;
}

/* The characteristic number of kind `art` for a code of the EAN entry. */
int32_t Nummer(int32_t art, const EANARTIKEL_SATZ& e)
{
    if (art < 1 || art > 8)
        return 0;
    char code[OX_TXT_CODE + 1] = {};
    memcpy(code, e.Merkmal[art], OX_TXT_CODE);
    return code[0] != '\0' ? MMLIB_SucheCode(art, code, nullptr) : 0;
}

int32_t Heute()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    TEXDEFS_DATUM d = { st.wDay, st.wMonth, st.wYear };
    return TEXDEFS_DatumToInteger(&d);
}

int32_t Abgelehnt(int32_t fehlerDatei, const char* gtin, const char* text, const char* grund)
{
    char zeile[256];
    int n = snprintf(zeile, sizeof zeile, "GTIN %.20s (%.40s): %s\r\n", gtin, text, grund);
    if (fehlerDatei > 0 && n > 0)
        FileIO_Write(fehlerDatei, zeile, n < (int)sizeof zeile ? n : (int)sizeof zeile - 1);
    g_StandinAbgelehnt++;
    return 0;
}

} // namespace

int32_t WINAPI Standin_DesadvBuchen(int32_t fehlerDatei, const char* gtin, const char* text, int32_t lieferant,
                                    int32_t menge, int32_t filiale)
{
    try {
        if (gtin == nullptr)
            gtin = "";
        if (text == nullptr)
            text = "";
        if (menge < 1 || menge > 100000) {
            char grund[64];
            snprintf(grund, sizeof grund, "Menge %ld ung\xfcltig", (long)menge);
            return Abgelehnt(fehlerDatei, gtin, text, grund);
        }
        int32_t artikel = EANDATA_GetArtikelNummer(gtin, nullptr);
        ARTIKEL_SATZ a;
        if (artikel < 1 || ARTLIB_LeseArtikel(artikel, &a) != 1)
            return Abgelehnt(fehlerDatei, gtin, text, "kein Artikel zu dieser GTIN");

        /* The variation: the article's EAN entry that carries the GTIN. */
        Suche suche{ gtin, {}, false };
        EANARTIKEL_LoadArtikelEANs_EX(artikel, &suche, EintragPruefen);

        /* One stock item per piece. */
        int32_t teile = DATABASE_GetSizeAndName(nullptr);
        if (teile < 0)
            return Abgelehnt(fehlerDatei, gtin, text, "Lagerbuchung fehlgeschlagen");
        EINZELTEIL_SATZ t;
        DATABASE_ClearEinzelteil(&t);
        t.ArtikelNummer = artikel;
        t.LieferantNummer = lieferant > 0 ? lieferant : a.LieferantNummer;
        t.EingangsDatum = Heute();
        t.Groesse = suche.gefunden ? Nummer(7, suche.eintrag) : 0;
        t.Filiale = t.Filiale2 = filiale > 0 ? filiale : a.Filiale;
        t.Ek1 = t.Preis3 = a.Ek1;
        t.Vk1 = t.Preis6 = a.Vk1;
        t.Ek2 = a.Ek2;
        t.Vk2 = a.Vk2;
        t.MwstSatz = a.MwstSatz;
        t.Flags = EINZELTEIL_VORHANDEN;
        for (int32_t i = 1; i <= menge; i++) {
            t.TeilNummer = teile + i;
            if (DATABASE_WriteEinzelteil(teile + i, &t) != 1)
                return Abgelehnt(fehlerDatei, gtin, text, "Lagerbuchung fehlgeschlagen");
        }

        /* The pieces in the variation's cell of the size table. */
        auto tabelle = std::make_unique<OXTABELLE>();
        if (suche.gefunden && TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, artikel, tabelle.get(), nullptr) == 1) {
            int32_t senkrecht = Nummer(tabelle->MerkmalSenkrecht, suche.eintrag);
            int32_t waagrecht = Nummer(tabelle->MerkmalWaagrecht, suche.eintrag);
            int32_t zeile = -1, spalte = -1;
            for (int32_t i = 0; i < TAB_MAX_SENKRECHT && zeile < 0 && senkrecht > 0; i++)
                if (tabelle->Senkrecht[i] == senkrecht)
                    zeile = i;
            for (int32_t j = 0; j < TAB_MAX_WAAGRECHT && spalte < 0 && waagrecht > 0; j++)
                if (tabelle->Waagrecht[j] == waagrecht)
                    spalte = j;
            if (zeile >= 0 && spalte >= 0) {
                TAB_SetStueckzahl(tabelle.get(), zeile, spalte,
                                  TAB_GetStueckzahl(tabelle.get(), zeile, spalte) + menge);
                tabelle->Geaendert = 1;
                if (TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, artikel, tabelle.get()) != 1)
                    return Abgelehnt(fehlerDatei, gtin, text, "Lagerbuchung fehlgeschlagen");
            }
        }
        g_StandinGebucht++;
        return 1;
    } catch (...) {
        return Abgelehnt(fehlerDatei, gtin ? gtin : "", text ? text : "", "Lagerbuchung fehlgeschlagen");
    }
}
