/*
 * zeilen.cpp - the catalogue row table.
 */
#include "pricat_in/zeilen.h"
#include "grund/text.h"
#include "pricat_in/katalogtext.h"

#include <string.h>

void KriteriumText(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* daten, int32_t kriterium, char* aus,
                   size_t groesse)
{
    StichwortUngekuerzt(regeln, kriterium, daten, aus, groesse);
}

void FilterwertText(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* daten, int32_t kriterium,
                    char aus[FILTERWERT_LAENGE + 1])
{
    char text[STICHWORT_GROESSE];
    KriteriumText(regeln, daten, kriterium, text, sizeof text);
    TextNachAt(text, aus, FILTERWERT_LAENGE + 1);
}

int32_t FilterwertSuchen(const FILTERWERTE* liste, const char* text)
{
    if (liste == nullptr || text == nullptr)
        return -1;
    int32_t anzahl = liste->Anzahl < FILTERWERTE_MAX ? liste->Anzahl : FILTERWERTE_MAX;
    for (int32_t i = 0; i < anzahl; i++)
        if (strncmp(liste->Wert[i].Text, text, sizeof liste->Wert[i].Text) == 0)
            return i;
    return -1;
}

int FilterwertEintragen(FILTERWERTE* liste, const char* text)
{
    char wert[FILTERWERT_LAENGE + 1];
    if (liste == nullptr)
        return -1;
    TextKopieren(wert, sizeof wert, text);
    if (FilterwertSuchen(liste, wert) >= 0)
        return 0;
    if (liste->Anzahl < 0 || liste->Anzahl >= FILTERWERTE_MAX)
        return -1;
    FILTERWERT* neu = &liste->Wert[liste->Anzahl];
    memset(neu, 0, sizeof *neu);
    TextKopieren(neu->Text, sizeof neu->Text, wert);
    liste->Anzahl++;
    return 1;
}

void FilterwerteLeeren(FILTERWERTE* liste)
{
    if (liste == nullptr)
        return;
    /* The entries beyond the count are zero already (an entry is cleared
     * when it is made): clearing the used ones leaves the list as new. */
    int32_t anzahl = liste->Anzahl;
    if (anzahl < 0 || anzahl > FILTERWERTE_MAX)
        anzahl = FILTERWERTE_MAX;
    memset(liste->Wert, 0, sizeof liste->Wert[0] * (size_t)anzahl);
    liste->Anzahl = 0;
    memset(&liste->Auswahl, 0, sizeof liste->Auswahl);
}

/* The number of rows that may be looked at: AnzahlSaetzeGesamt within the
 * table. */
static int32_t Gesamt(const PRICAT_ZEILEN* zeilen)
{
    int32_t gesamt = *zeilen->AnzahlSaetzeGesamt;
    if (gesamt > zeilen->Kapazitaet)
        gesamt = zeilen->Kapazitaet;
    return gesamt < 0 ? 0 : gesamt;
}

void ZeilenFilterAus(const PRICAT_ZEILEN* zeilen)
{
    for (int k = 0; k < FILTER_KRITERIEN; k++)
        memset(&zeilen->Werte[k].Auswahl, 0, sizeof zeilen->Werte[k].Auswahl);
    int32_t gesamt = Gesamt(zeilen);
    for (int32_t i = 0; i < gesamt; i++)
        zeilen->Tabelle[i].Ausgewaehlt = 1;
    *zeilen->AnzahlGefiltert = 0;
    *zeilen->AnzahlSaetze = *zeilen->AnzahlSaetzeGesamt;
}

int ZeilenEinlesen(const PRICAT_ZEILEN* zeilen, const char* datei, const char* eigeneIln,
                   const STICHWORT_REGELN* regeln)
{
    *zeilen->AnzahlSaetze = 0;
    *zeilen->AnzahlGefiltert = 0;
    for (int k = 0; k < FILTER_KRITERIEN; k++)
        FilterwerteLeeren(&zeilen->Werte[k]);

    HOSTHANDLE datei_ = EDIGlobal_OpenROS_INH_Datei(datei);
    if (datei_ == 0)
        return 0;

    /* Rows of one article follow each other and mostly repeat their
     * values; the index found last per list is tried before the scan. */
    int32_t zuletzt[FILTER_KRITERIEN] = { -1, -1, -1, -1, -1 };
    char satz[EDI_SATZ_GROESSE];
    while (*zeilen->AnzahlSaetze < zeilen->Kapazitaet) {
        int32_t satzart = 0, nachrichtenart = 0, zusatz = 0;
        if (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(datei_, satz, EDI_SATZ_GROESSE, &satzart,
                                                         &nachrichtenart, &zusatz, eigeneIln) != 1)
            break;
        if (satzart != EDI_SATZART_PRICAT || nachrichtenart != EDI_NACHRICHT_PRICAT)
            continue;
        PRICAT_SATZ* zeile = &zeilen->Tabelle[*zeilen->AnzahlSaetze];
        int32_t info = 0;
        if (EDIPRICAT_VerarbeitePRICAT_Satz(satz, nachrichtenart, &info, &zeile->PricatDaten) != 1)
            continue;
        if (TextLaenge(zeile->PricatDaten.LieferantenIln, sizeof zeile->PricatDaten.LieferantenIln) != 13)
            continue;
        zeile->SatzNummer = *zeilen->AnzahlSaetze;
        zeile->Ausgewaehlt = 1;
        (*zeilen->AnzahlSaetze)++;

        for (int k = 0; k < FILTER_KRITERIEN; k++) {
            FILTERWERTE* liste = &zeilen->Werte[k];
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertText(regeln, &zeile->PricatDaten, k + 1, wert);
            if (zuletzt[k] >= 0 && strcmp(liste->Wert[zuletzt[k]].Text, wert) == 0)
                continue;
            int32_t index = FilterwertSuchen(liste, wert);
            if (index < 0 && FilterwertEintragen(liste, wert) == 1)
                index = liste->Anzahl - 1;
            if (index >= 0)
                zuletzt[k] = index;
        }
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(datei_);
    return 1;
}

int ZeilenErster(const PRICAT_ZEILEN* zeilen)
{
    *zeilen->LeseZeiger = 0;
    return *zeilen->AnzahlSaetze != 0 ? 1 : 0;
}

PRICAT_DATEN* ZeilenNaechster(const PRICAT_ZEILEN* zeilen)
{
    int32_t gesamt = Gesamt(zeilen);
    int32_t i = *zeilen->LeseZeiger < 0 ? 0 : *zeilen->LeseZeiger;
    for (; i < gesamt; i++) {
        if (zeilen->Tabelle[i].Ausgewaehlt != 0) {
            *zeilen->LeseZeiger = i + 1;
            return &zeilen->Tabelle[i].PricatDaten;
        }
    }
    return nullptr;
}
