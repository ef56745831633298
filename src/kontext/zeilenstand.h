/*
 * zeilenstand.h - the catalogue row table as the call context keeps it:
 * its size, the value lists of the five filter criteria and the view the
 * row functions work through. The functions on them: pricat_in/zeilen.h.
 */
#ifndef KTOXEDI_ZEILENSTAND_H
#define KTOXEDI_ZEILENSTAND_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/edi.h"

enum {
    PRICAT_ZEILEN_MAX = 32000,     /* rows of the row table */
    FILTER_KRITERIEN = 5,          /* criteria 1..5 */
    FILTERWERTE_MAX = 1000,        /* values per criterion */
    FILTERWERT_LAENGE = 40         /* characters of one value */
};

#pragma pack(push, 1)

/* One value of a value list (54 bytes); the text starts at byte 13. */
typedef struct FILTERWERT {
    unsigned char Reserve[13];
    char Text[FILTERWERT_LAENGE + 1];
} FILTERWERT;

/* The value list of one criterion: the values in first-seen order, their
 * count, and the value chosen on the filter page (empty = no choice). */
typedef struct FILTERWERTE {
    FILTERWERT Wert[FILTERWERTE_MAX];
    int32_t Anzahl;
    FILTERWERT Auswahl;
} FILTERWERTE;

#pragma pack(pop)

static_assert(sizeof(FILTERWERT) == 54, "a value entry is 54 bytes");
static_assert(sizeof(FILTERWERTE) == 1000 * 54 + 4 + 54, "value list layout");

/* The row table of a call and its counters (pointers into the context). */
typedef struct PRICAT_ZEILEN {
    PRICAT_SATZ* Tabelle;          /* `Kapazitaet` rows */
    int32_t Kapazitaet;            /* PRICAT_ZEILEN_MAX in the module */
    FILTERWERTE* Werte;            /* FILTER_KRITERIEN lists, criterion k at [k - 1] */
    int32_t* AnzahlSaetze;         /* rows currently selected */
    int32_t* AnzahlGefiltert;      /* rows left by the last filter run, 0 = no filter */
    int32_t* AnzahlSaetzeGesamt;   /* rows in the table */
    int32_t* LeseZeiger;           /* next row index of the iterator */
} PRICAT_ZEILEN;

#endif
