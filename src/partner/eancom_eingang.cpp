/*
 * eancom_eingang.cpp - EANCOM interchanges of the EDI import folder
 * converted by the module (see eancom_eingang.h).
 */
#include "partner/eancom_eingang.h"
#include "eancom/eancom.h"
#include "grund/anzeige.h"
#include "grund/text.h"
#include "hostapi/fileio.h"
#include "hostapi/oxinifile.h"
#include "kontext/stringtabelle.h"
#include "resources/resource.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

EANCOM_MELDUNG_FN g_EancomMeldungAnzeigen = nullptr;
void* g_EancomMeldungDaten = nullptr;

namespace {

enum { KURZ_ZEILEN = 6, KURZ_LAENGE = 240 };

/* What one call gathers: the report file (opened at the first line worth
 * keeping), the first lines for the message box, the progress window. */
struct EINGANG {
    FILE* bericht;
    char berichtPfad[EANCOM_PFAD];
    char ordner[EANCOM_PFAD];
    char kurz[KURZ_ZEILEN * KURZ_LAENGE];
    int32_t zeilen;
    int32_t probleme;
    HWND fortschritt;
    char datei[EANCOM_PFAD];
    EancomDesFn desFn;
    void* desDaten;
};

void Berichten(EINGANG* g, const char* zeile)
{
    if (g->bericht == nullptr) {
        g->bericht = EancomBerichtOeffnen(g->ordner, g->berichtPfad, sizeof g->berichtPfad);
        if (g->bericht == nullptr)
            return;
    }
    fprintf(g->bericht, "%s\r\n", zeile);
}

void Melden(void* daten, int art, const char* zeile)
{
    EINGANG* g = static_cast<EINGANG*>(daten);
    Berichten(g, zeile);
    /* the message names what could not be converted; values not carried
     * are in the report file only */
    if (art != EANCOM_ABGELEHNT && art != EANCOM_VERWORFEN)
        return;
    g->probleme++;
    if (g->zeilen < KURZ_ZEILEN) {
        /* the file by its name: the folder is the import folder */
        size_t n = strlen(g->ordner);
        if (n > 0 && _strnicmp(zeile, g->ordner, n) == 0)
            zeile += n;
        char kurz[KURZ_LAENGE];
        TextKopieren(kurz, sizeof kurz, zeile);
        TextAnhaengen(g->kurz, sizeof g->kurz, kurz);
        TextAnhaengen(g->kurz, sizeof g->kurz, "\n");
        g->zeilen++;
    }
}

void Datei(void* daten, const char* name, const char* /* bytes */, size_t /* n */, int ende)
{
    EINGANG* g = static_cast<EINGANG*>(daten);
    size_t n = strlen(name);
    if (ende == 1 && g->desFn != nullptr && n > 4 && _stricmp(name + n - 4, ".DES") == 0)
        g->desFn(g->desDaten, name);
}

void Fortschritt(void* daten, uint64_t gelesen, uint64_t groesse)
{
    EINGANG* g = static_cast<EINGANG*>(daten);
    if (g->fortschritt == nullptr || groesse == 0)
        return;
    char text[EANCOM_PFAD + 40];
    snprintf(text, sizeof text, "EANCOM %s: %d %%", g->datei, (int)(gelesen * 100 / groesse));
    SetWindowTextA(g->fortschritt, text);
    UpdateWindow(g->fortschritt);
}

/* The supplier GLN of a sender id from the settings ([EANCOM_ABSENDER]). */
int Sender(void* /* daten */, const char* sender, char gln[14])
{
    char wert[32] = "";
    if (INI_GetString("EANCOM_ABSENDER", sender, wert, (int32_t)sizeof wert) != 13)
        return 0;
    memcpy(gln, wert, 14);
    return 1;
}

bool ModulDatei(const char* name)
{
    size_t n = strlen(name);
    if (n == 0 || name[0] == '~')
        return true;
    static const char* const endungen[] = { ".INH", ".PRI", ".ADR", ".DES", ".TMP", ".KOPIE" };
    for (const char* e : endungen) {
        size_t m = strlen(e);
        if (n > m && _stricmp(name + n - m, e) == 0)
            return true;
    }
    return false;
}

/* Moves `pfad` into `sicherung` under its name, or with ".1", ".2", ...
 * added when that name is taken there. */
int Sichern(const char* pfad, const char* sicherung)
{
    char ordner[260] = "", name[260] = "";
    FileIO_Separate(pfad, ordner, sizeof ordner, name, sizeof name);
    FileIO_PathCreate(sicherung);
    char ziel[EANCOM_PFAD];
    TextFormat(ziel, sizeof ziel, "%s%s", sicherung, name);
    for (int i = 1; FileIO_Exist(ziel) && i < 1000; i++)
        TextFormat(ziel, sizeof ziel, "%s%s.%d", sicherung, name, i);
    return FileIO_MoveFile(pfad, ziel) == 1;
}

void Vorbereiten(EINGANG* g, EANCOM_ERGEBNIS* e, EANCOM_LAUFDATEIEN* lauf)
{
    memset(e, 0, sizeof *e);
    e->Melden = Melden;
    e->Datei = Datei;
    e->Fortschritt = Fortschritt;
    e->Sender = Sender;
    e->Daten = g;
    e->Lauf = lauf;
}

void Abschliessen(EINGANG* g, HWND besitzer)
{
    if (g->bericht == nullptr)
        return;
    fclose(g->bericht);
    g->bericht = nullptr;
    if (g->probleme == 0)
        return;
    char vorlage[256] = "", text[KURZ_ZEILEN * KURZ_LAENGE + EANCOM_PFAD + 256];
    StringLaden(IDS_EANCOM_NICHT_UMGESETZT, vorlage, sizeof vorlage);
    snprintf(text, sizeof text, vorlage, g->kurz, g->berichtPfad);
    if (g_EancomMeldungAnzeigen != nullptr)
        g_EancomMeldungAnzeigen(besitzer, text, g_EancomMeldungDaten);
    else
        MessageBoxA(besitzer, text, "ORDANEX", MB_OK | MB_ICONWARNING);
}

struct SAMMLUNG {
    char (*namen)[260];
    int32_t anzahl;
    int32_t raum;
};

void Sammeln(void* daten, const char* name)
{
    SAMMLUNG* s = static_cast<SAMMLUNG*>(daten);
    if (s->anzahl < s->raum)
        TextKopieren(s->namen[s->anzahl++], 260, name);
}

} // namespace

int32_t EancomOrdnerUmsetzen(HWND besitzer, HWND fortschritt, const char* ordner, const char* sicherung)
{
    EINGANG* g = static_cast<EINGANG*>(calloc(1, sizeof(EINGANG)));
    EANCOM_LAUFDATEIEN* lauf = static_cast<EANCOM_LAUFDATEIEN*>(calloc(1, sizeof(EANCOM_LAUFDATEIEN)));
    SAMMLUNG s = { static_cast<char(*)[260]>(calloc(1000, 260)), 0, 1000 };
    if (g == nullptr || lauf == nullptr || s.namen == nullptr) {
        free(g);
        free(lauf);
        free(s.namen);
        return 0;
    }
    TextKopieren(g->ordner, sizeof g->ordner, ordner);
    g->fortschritt = fortschritt;
    char vorherText[256] = "";
    if (fortschritt != nullptr)
        GetWindowTextA(fortschritt, vorherText, sizeof vorherText);
    OrdnerDateien(ordner, s.raum, Sammeln, &s);
    /* the sources first, so that no output of the run replaces one of them */
    int32_t quellen = 0;
    for (int32_t i = 0; i < s.anzahl; i++) {
        char pfad[EANCOM_PFAD];
        TextFormat(pfad, sizeof pfad, "%s%s", ordner, s.namen[i]);
        if (ModulDatei(s.namen[i]) || !EancomDateiErkennen(pfad)) {
            s.namen[i][0] = '\0';
            continue;
        }
        EancomLaufDatei(lauf, pfad);
        quellen++;
    }
    int32_t umgesetzt = 0;
    if (quellen > 0) {
        void* cursor = AnzeigeSanduhr();
        for (int32_t i = 0; i < s.anzahl; i++) {
            if (!s.namen[i][0])
                continue;
            char pfad[EANCOM_PFAD];
            TextFormat(pfad, sizeof pfad, "%s%s", ordner, s.namen[i]);
            TextKopieren(g->datei, sizeof g->datei, s.namen[i]);
            EANCOM_ERGEBNIS e;
            Vorbereiten(g, &e, lauf);
            int r = EancomDateiUmsetzen(pfad, ordner, &e);
            char zeile[EANCOM_ZEILE];
            snprintf(zeile, sizeof zeile, "%s: %d of %d messages converted (%d catalogue records, %d despatch "
                     "positions, %d lines dropped)", pfad, e.Umgesetzt, e.Nachrichten, e.Variationen,
                     e.Positionen, e.Verworfen);
            Berichten(g, zeile);
            if (r == 2)
                continue;
            umgesetzt++;
            if (!Sichern(pfad, sicherung)) {
                snprintf(zeile, sizeof zeile, "%s: could not be moved into %s", pfad, sicherung);
                Melden(g, EANCOM_ABGELEHNT, zeile);
            }
        }
        AnzeigeCursorZurueck(cursor);
        if (fortschritt != nullptr)
            SetWindowTextA(fortschritt, vorherText);
    }
    Abschliessen(g, besitzer);
    free(s.namen);
    free(lauf);
    free(g);
    return umgesetzt;
}

int32_t EancomDesadvUmsetzen(HWND besitzer, const char* pfad, const char* sicherung, EancomDesFn jede, void* daten)
{
    EINGANG* g = static_cast<EINGANG*>(calloc(1, sizeof(EINGANG)));
    EANCOM_LAUFDATEIEN* lauf = static_cast<EANCOM_LAUFDATEIEN*>(calloc(1, sizeof(EANCOM_LAUFDATEIEN)));
    if (g == nullptr || lauf == nullptr) {
        free(g);
        free(lauf);
        return 0;
    }
    char name[260] = "";
    FileIO_Separate(pfad, g->ordner, sizeof g->ordner, name, sizeof name);
    g->desFn = jede;
    g->desDaten = daten;
    EancomLaufDatei(lauf, pfad);
    EANCOM_ERGEBNIS e;
    Vorbereiten(g, &e, lauf);
    void* cursor = AnzeigeSanduhr();
    int r = EancomDateiUmsetzen(pfad, g->ordner, &e);
    AnzeigeCursorZurueck(cursor);
    if (r != 2 && !Sichern(pfad, sicherung)) {
        char zeile[EANCOM_ZEILE];
        snprintf(zeile, sizeof zeile, "%s: could not be moved into %s", pfad, sicherung);
        Melden(g, EANCOM_ABGELEHNT, zeile);
    }
    Abschliessen(g, besitzer);
    free(lauf);
    free(g);
    return r == 2 ? 0 : e.Dateien;
}
