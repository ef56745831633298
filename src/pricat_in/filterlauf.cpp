/*
 * filterlauf.cpp - filter run, value index, line index and sorting of the
 * filter page (see filterlauf.h).
 */
#include "pricat_in/filterlauf.h"
#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/ktstorage.h"
#include "pricat_in/katalogtext.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

/* The row field that criterion `k` (1..5) reads when no field map is in
 * force; criterion 2 takes the first of Warengruppe, WarengruppeErsatz1
 * that is not empty and does not begin with a blank, else
 * WarengruppeErsatz2. */
static const char* KriteriumFeld(const PRICAT_DATEN* d, int32_t k, size_t* breite)
{
    switch (k) {
    case 1: *breite = sizeof d->Hauptgruppe; return d->Hauptgruppe;
    case 2:
        if (d->Warengruppe[0] != '\0' && d->Warengruppe[0] != ' ') {
            *breite = sizeof d->Warengruppe;
            return d->Warengruppe;
        }
        if (d->WarengruppeErsatz1[0] != '\0' && d->WarengruppeErsatz1[0] != ' ') {
            *breite = sizeof d->WarengruppeErsatz1;
            return d->WarengruppeErsatz1;
        }
        *breite = sizeof d->WarengruppeErsatz2;
        return d->WarengruppeErsatz2;
    case 3: *breite = sizeof d->Serie; return d->Serie;
    case 4: *breite = sizeof d->Label; return d->Label;
    case 5: *breite = sizeof d->Material; return d->Material;
    default: *breite = 0; return nullptr;
    }
}

static int FeldMapInKraft(const FILTER_STAND* f)
{
    return f->Regeln != nullptr && f->Regeln->FeldMap != nullptr && f->Regeln->FeldMap->Vorhanden == 1;
}

int FilterRegelPasst(const FILTER_STAND* f, const PRICAT_DATEN* daten, int32_t kriterium, const char* wahl)
{
    char wert[FILTERWERT_LAENGE + 1];
    FilterwertText(f->Regeln, daten, kriterium, wert);
    return strcmp(wert, wahl) == 0;
}

/* FilterRegelPasst for a choice of `laenge` characters. Without field map
 * the row field is compared in place: the text after its first "@", cut
 * to the 40 characters of a value. */
static int KriteriumPasst(const FILTER_STAND* f, const PRICAT_DATEN* d, int32_t k, const char* wahl, size_t laenge)
{
    if (FeldMapInKraft(f))
        return FilterRegelPasst(f, d, k, wahl);
    size_t breite = 0;
    const char* feld = KriteriumFeld(d, k, &breite);
    size_t n = TextLaenge(feld, breite);
    const char* at = (const char*)memchr(feld, '@', n);
    if (at != nullptr) {
        n -= (size_t)(at + 1 - feld);
        feld = at + 1;
    }
    if (n > FILTERWERT_LAENGE)
        n = FILTERWERT_LAENGE;
    return n == laenge && memcmp(feld, wahl, n) == 0;
}

static int32_t ZeilenGesamt(const FILTER_STAND* f)
{
    int32_t gesamt = *f->Zeilen.AnzahlSaetzeGesamt;
    if (gesamt < 0)
        gesamt = 0;
    if (gesamt > f->Zeilen.Kapazitaet)
        gesamt = f->Zeilen.Kapazitaet;
    return gesamt;
}

enum { INDEX_PLAETZE = 2048 };   /* hash slots per criterion, more than twice FILTERWERTE_MAX */

void FilterIndexBilden(const FILTER_STAND* f)
{
    int32_t gesamt = ZeilenGesamt(f);
    static int16_t plaetze[INDEX_PLAETZE];
    for (int32_t kr = 0; kr < FILTER_KRITERIEN; kr++) {
        const FILTERWERTE* liste = &f->Zeilen.Werte[kr];
        for (int32_t i = 0; i < INDEX_PLAETZE; i++)
            plaetze[i] = -1;
        int32_t anzahl = liste->Anzahl < FILTERWERTE_MAX ? liste->Anzahl : FILTERWERTE_MAX;
        for (int32_t w = 0; w < anzahl; w++) {
            uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG, liste->Wert[w].Text) & (INDEX_PLAETZE - 1);
            while (plaetze[h] != -1 && strcmp(liste->Wert[plaetze[h]].Text, liste->Wert[w].Text) != 0)
                h = (h + 1) & (INDEX_PLAETZE - 1);
            if (plaetze[h] == -1)
                plaetze[h] = (int16_t)w;   /* a repeated text keeps its first place */
        }
        for (int32_t z = 0; z < gesamt; z++) {
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertText(f->Regeln, &f->Zeilen.Tabelle[z].PricatDaten, kr + 1, wert);
            uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG, wert) & (INDEX_PLAETZE - 1);
            while (plaetze[h] != -1 && strcmp(liste->Wert[plaetze[h]].Text, wert) != 0)
                h = (h + 1) & (INDEX_PLAETZE - 1);
            f->Index[z][kr] = plaetze[h];
        }
    }
    *f->IndexGueltig = 1;
}

int32_t FilterLauf(const FILTER_STAND* f)
{
    const char* wahl[FILTER_KRITERIEN];
    size_t laenge[FILTER_KRITERIEN];
    int32_t kriterium[FILTER_KRITERIEN];
    int16_t index[FILTER_KRITERIEN];     /* the choice's place in its value list, -1 = not there */
    int anzahl = 0;
    for (int32_t i = 0; i < FILTER_KRITERIEN; i++) {
        const char* text = f->Zeilen.Werte[i].Auswahl.Text;
        size_t n = TextLaenge(text, sizeof f->Zeilen.Werte[i].Auswahl.Text);
        if (n == 0 || n > FILTERWERT_LAENGE)
            continue;
        wahl[anzahl] = text;
        laenge[anzahl] = n;
        kriterium[anzahl] = i + 1;
        index[anzahl] = (int16_t)FilterwertSuchen(&f->Zeilen.Werte[i], text);
        anzahl++;
    }
    if (anzahl > 0 && *f->IndexGueltig != 1)
        FilterIndexBilden(f);

    int32_t gefiltert = *f->Zeilen.AnzahlSaetze;
    int32_t gesamt = ZeilenGesamt(f);
    for (int32_t z = 0; z < gesamt && anzahl > 0; z++) {
        PRICAT_SATZ* zeile = &f->Zeilen.Tabelle[z];
        if (zeile->Ausgewaehlt != 1)
            continue;
        const int16_t* werte = f->Index[z];
        for (int i = 0; i < anzahl; i++) {
            int passt = index[i] >= 0 ? werte[kriterium[i] - 1] == index[i]
                                      : KriteriumPasst(f, &zeile->PricatDaten, kriterium[i], wahl[i], laenge[i]);
            if (!passt) {
                zeile->Ausgewaehlt = 0;
                gefiltert--;
                break;
            }
        }
    }
    *f->Zeilen.AnzahlGefiltert = gefiltert;
    *f->Zeilen.AnzahlSaetze = gefiltert;
    return gefiltert;
}

int32_t FilterAnzeigeBilden(const FILTER_STAND* f)
{
    int32_t n = 0;
    int32_t gesamt = ZeilenGesamt(f);
    for (int32_t z = 0; z < gesamt; z++)
        if (f->Zeilen.Tabelle[z].Ausgewaehlt == 1)
            f->Anzeige[n++] = z;
    *f->AnzeigeAnzahl = n;
    return n;
}

void FilterZelle(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* zeile, int32_t spalte, char* aus,
                 size_t groesse)
{
    static const int32_t kriterien[FILTER_SPALTEN] = { 0, -1, 1, 2, 3, 4, 5, 6, -1, 11 };
    if (aus == nullptr || groesse == 0)
        return;
    aus[0] = '\0';
    if (zeile == nullptr || spalte < 0 || spalte >= FILTER_SPALTEN)
        return;
    if (spalte == 1) {
        FeldKopieren(zeile->Zusatztext, sizeof zeile->Zusatztext, aus, groesse);
    } else if (spalte == 8) {
        FeldKopieren(zeile->Lieferantenfarbe, sizeof zeile->Lieferantenfarbe, aus, groesse);
    } else {
        /* the criterion's text after its "@" */
        char text[STICHWORT_GROESSE];
        KriteriumText(regeln, zeile, kriterien[spalte], text, sizeof text);
        TextNachAt(text, aus, groesse);
    }
}

/* Sorting. The lines of one column repeat few texts (an article's
 * variations share its name), so each distinct text is compared once: the
 * distinct texts are sorted with the platform's comparison and numbered by
 * rank (texts it calls equal share a rank), then the lines are sorted by
 * rank and, within a rank, in table order. */
enum { SCHLUESSEL_LAENGE = 76, RANG_PLAETZE = 65536 };

/* The key text of line `i` in the run's key block. */
static const char* Schluessel(const char* schluessel, int32_t i)
{
    return schluessel + (size_t)i * SCHLUESSEL_LAENGE;
}

int FilterAnzeigeOrdnen(const FILTER_STAND* f, int32_t spalte, int absteigend)
{
    int rc = 0;
    int32_t n = *f->AnzeigeAnzahl;
    if (n <= 1)
        return 1;
    char* schluessel = (char*)Storage_Allocate((int32_t)((size_t)n * SCHLUESSEL_LAENGE));
    int32_t* folge = (int32_t*)Storage_Allocate((int32_t)((size_t)n * sizeof(int32_t)));
    int32_t* zeilen = (int32_t*)Storage_Allocate((int32_t)((size_t)n * sizeof(int32_t)));
    int32_t* rang = (int32_t*)Storage_Allocate((int32_t)((size_t)n * sizeof(int32_t)));
    int32_t* eigene = (int32_t*)Storage_Allocate((int32_t)((size_t)n * sizeof(int32_t)));
    int32_t* plaetze = (int32_t*)Storage_Allocate((int32_t)(RANG_PLAETZE * sizeof(int32_t)));
    if (schluessel != nullptr && folge != nullptr && zeilen != nullptr && rang != nullptr && eigene != nullptr &&
        plaetze != nullptr) {
        /* The distinct texts: `eigene` holds the first line of each, `rang`
         * of every line first the number of its distinct text. */
        for (int32_t i = 0; i < RANG_PLAETZE; i++)
            plaetze[i] = -1;
        int32_t verschieden = 0;
        for (int32_t i = 0; i < n; i++) {
            zeilen[i] = f->Anzeige[i];
            folge[i] = i;
            char* text = schluessel + (size_t)i * SCHLUESSEL_LAENGE;
            FilterZelle(f->Regeln, &f->Zeilen.Tabelle[zeilen[i]].PricatDaten, spalte, text, SCHLUESSEL_LAENGE);
            uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG, text) & (RANG_PLAETZE - 1);
            while (plaetze[h] != -1 && strcmp(Schluessel(schluessel, eigene[plaetze[h]]), text) != 0)
                h = (h + 1) & (RANG_PLAETZE - 1);
            if (plaetze[h] == -1) {
                plaetze[h] = verschieden;
                eigene[verschieden++] = i;
            }
            rang[i] = plaetze[h];
        }
        std::sort(eigene, eigene + verschieden, [schluessel](int32_t a, int32_t b) {
            return TextVergleichen(Schluessel(schluessel, a), Schluessel(schluessel, b)) < 0;
        });
        /* plaetze: number of a distinct text -> its rank. */
        int32_t stufe = 0;
        for (int32_t u = 0; u < verschieden; u++) {
            if (u > 0 &&
                TextVergleichen(Schluessel(schluessel, eigene[u - 1]), Schluessel(schluessel, eigene[u])) != 0)
                stufe++;
            plaetze[rang[eigene[u]]] = stufe;
        }
        for (int32_t i = 0; i < n; i++)
            rang[i] = plaetze[rang[i]];
        /* By rank (turned round when descending), then in table order. */
        std::sort(folge, folge + n, [rang, zeilen, absteigend](int32_t x, int32_t y) {
            if (rang[x] != rang[y])
                return absteigend ? rang[x] > rang[y] : rang[x] < rang[y];
            return zeilen[x] < zeilen[y];
        });
        for (int32_t i = 0; i < n; i++)
            f->Anzeige[i] = zeilen[folge[i]];
        rc = 1;
    }
    Storage_Deallocate(schluessel);
    Storage_Deallocate(folge);
    Storage_Deallocate(zeilen);
    Storage_Deallocate(rang);
    Storage_Deallocate(eigene);
    Storage_Deallocate(plaetze);
    return rc;
}
