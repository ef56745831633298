/*
 * filterlauf.h - the rules behind the filter page (filterseite.h): the
 * filter run over the row table, the value index that makes it fast, the
 * list's line index and its sorting.
 *
 * They work on a FILTER_STAND view of the rows (FilterKontextStand in
 * filterseite.h builds the view of the running call) and need no
 * windows.h, so they build natively for the fuzz target that holds the
 * fast path to the plain rule (FilterRegelPasst).
 */
#ifndef KTOXEDI_FILTERLAUF_H
#define KTOXEDI_FILTERLAUF_H

#include <stddef.h>
#include <stdint.h>

#include "pricat_in/stichwort.h"
#include "pricat_in/zeilen.h"

enum {
    FILTER_SPALTEN = 10
};

/* The rows, value lists and counters of one call, and the filter's own
 * tables (pointers into the context). */
typedef struct FILTER_STAND {
    PRICAT_ZEILEN Zeilen;
    const STICHWORT_REGELN* Regeln;          /* field map rules of the rows' supplier */
    int16_t (*Index)[FILTER_KRITERIEN];      /* value index, Zeilen.Kapazitaet rows */
    int32_t* IndexGueltig;                   /* 1 = Index belongs to the rows and lists */
    int32_t* Anzeige;                        /* list line -> row, Zeilen.Kapazitaet lines */
    int32_t* AnzeigeAnzahl;
} FILTER_STAND;

/* The plain rule of a choice: 1 when the value of criterion `kriterium`
 * (1..5) of the row, as the value lists hold it (FilterwertText), is
 * `wahl` exactly and with case. */
int FilterRegelPasst(const FILTER_STAND* f, const PRICAT_DATEN* daten, int32_t kriterium, const char* wahl);

/* Builds the value index: for every row and criterion the place of the
 * row's value in that criterion's value list, -1 for a value the list
 * does not hold; sets *IndexGueltig to 1. */
void FilterIndexBilden(const FILTER_STAND* f);

/*
 * One filter run with the chosen values of the five criteria (Werte[k].
 * Auswahl; empty = no choice): every selected row for which a choice does
 * not pass FilterRegelPasst is deselected. A chosen value held by its list
 * is decided through the value index (built first when *IndexGueltig is
 * not 1), any other by comparing the row's field. *AnzahlGefiltert starts
 * at *AnzahlSaetze and is counted down per deselected row; *AnzahlSaetze
 * becomes it. Returns *AnzahlGefiltert.
 */
int32_t FilterLauf(const FILTER_STAND* f);

/* Puts the selected rows, in table order, into the line index. Returns
 * their number. */
int32_t FilterAnzeigeBilden(const FILTER_STAND* f);

/* The text of column `spalte` (0..9) of a row as the list shows it, cut to
 * `groesse` bytes; empty for a null row or another column. */
void FilterZelle(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* zeile, int32_t spalte, char* aus,
                 size_t groesse);

/* Sorts the line index by the texts of column `spalte` (compared with
 * TextVergleichen; lines whose texts compare equal keep table order),
 * descending when `absteigend`. 1, or 0 when the work memory cannot be had
 * (order kept). */
int FilterAnzeigeOrdnen(const FILTER_STAND* f, int32_t spalte, int absteigend);

#endif
