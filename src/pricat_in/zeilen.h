/*
 * zeilen.h - the catalogue row table: reading a catalogue file into rows,
 * the value lists of the five filter criteria, the filter reset and the
 * row iterator.
 *
 * The rows and counters live in the call context; these functions work on
 * them through a PRICAT_ZEILEN view (KontextZeilen in katalog.h builds the
 * view of the running call), so they need no windows.h and build natively.
 *
 * Choices made where the catalogue format leaves room:
 *  - A value list holds 1000 values of at most 40 characters. A longer
 *    criterion text is cut to 40 characters before it is compared and
 *    entered, so two texts that differ only behind character 40 give one
 *    value; FilterwertText gives every row's text in exactly that form, so
 *    the filter compares like with like. A further distinct value when the
 *    list is full is not entered (its rows are kept all the same).
 *  - The value lists are emptied each time a catalogue file is read, so
 *    they hold the values of that file only (values of an earlier file
 *    would offer choices that match no row).
 */
#ifndef KTOXEDI_ZEILEN_H
#define KTOXEDI_ZEILEN_H

#include <stddef.h>
#include <stdint.h>

#include "pricat_in/stichwort.h"
#include "hostapi/edi.h"
#include "kontext/zeilenstand.h"

/* The text of criterion `kriterium` (0..7, 11) of a row, uncut: through
 * the supplier's field map when one is in force, else the row field (2:
 * the first non-blank of Warengruppe, WarengruppeErsatz1, else
 * WarengruppeErsatz2). */
void KriteriumText(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* daten, int32_t kriterium, char* aus,
                   size_t groesse);

/* The value of criterion `kriterium` of a row as the value lists hold it:
 * the criterion text after its first "@", cut to 40 characters. `aus`
 * must hold FILTERWERT_LAENGE + 1 bytes. */
void FilterwertText(const STICHWORT_REGELN* regeln, const PRICAT_DATEN* daten, int32_t kriterium,
                    char aus[FILTERWERT_LAENGE + 1]);

/* Enters `text` (cut to 40 characters) at the end of `liste` unless an
 * equal text (case-sensitive) is there. 1 = entered, 0 = already there,
 * -1 = the list is full or null (not entered). */
int FilterwertEintragen(FILTERWERTE* liste, const char* text);

/* Index of `text` in `liste` (exact comparison), -1 when absent. */
int32_t FilterwertSuchen(const FILTERWERTE* liste, const char* text);

/* Empties a value list (values, count and choice). */
void FilterwerteLeeren(FILTERWERTE* liste);

/* "Filter off": the five choices emptied, every row of the table selected,
 * AnzahlGefiltert 0, AnzahlSaetze = AnzahlSaetzeGesamt. */
void ZeilenFilterAus(const PRICAT_ZEILEN* zeilen);

/*
 * Reads the catalogue file `datei` into the table from row 0: the counters
 * AnzahlSaetze and AnzahlGefiltert start at 0, the value lists are emptied;
 * every PRICAT record (record kind 5, message kind 14) that the EDI library
 * decodes and whose supplier ILN has exactly 13 characters becomes a
 * selected row, until the file ends or the table is full; the values of
 * criteria 1..5 of each row are entered in the value lists. `eigeneIln`
 * (may be empty) is handed to the record reader. AnzahlSaetzeGesamt is not
 * touched. Returns 1 when the file was opened, 0 when it could not be.
 */
int ZeilenEinlesen(const PRICAT_ZEILEN* zeilen, const char* datei, const char* eigeneIln,
                   const STICHWORT_REGELN* regeln);

/* Restarts the iterator: LeseZeiger = 0. Returns 1 when AnzahlSaetze is
 * not 0, else 0. */
int ZeilenErster(const PRICAT_ZEILEN* zeilen);

/* The record of the next selected row from LeseZeiger on (below
 * AnzahlSaetzeGesamt), LeseZeiger then behind it; null when none is left. */
PRICAT_DATEN* ZeilenNaechster(const PRICAT_ZEILEN* zeilen);

#endif
