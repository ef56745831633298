/*
 * filterseite.h - the tab page "Filter" (dialog 102): the rows of the
 * chosen catalogue, five criteria to narrow them, filter on and off.
 *
 * Entering the page after a new catalogue was chosen (DateiGelesen 0)
 * reads it into the row table. The list shows the rows that are currently
 * selected (Ausgewaehlt 1); each filter run narrows that selection further,
 * the Delete key takes single rows out, "Filter ausschalten und alle
 * Datensaetze anzeigen" selects every row again. The main window's counters
 * "Datensaetze:" and "Gefiltert:" follow.
 *
 * The list is a virtual list view: it holds no items of its own but asks
 * the page for the texts of the lines it draws; the page keeps the row
 * index of every line, in display order, in the call context
 * (FilterAnzeige). So 32,000 rows are listed at once, and sorting sorts
 * that index only.
 *
 * A chosen value is shown again in its combo by the item that is exactly
 * that text; the combo's own prefix search (which ignores letter case)
 * only stands in when no item is. Otherwise "DOB" would come back as "dob"
 * and the next filter run would take the wrong value.
 */
#ifndef KTOXEDI_FILTERSEITE_H
#define KTOXEDI_FILTERSEITE_H

#include <windows.h>
#include <stddef.h>
#include "hostapi/hostdefs.h"
#include "hostapi/edi.h"
#include "pricat_in/filterlauf.h"

/* The filter view (filterlauf.h) of the running call's rows and tables. */
FILTER_STAND FilterKontextStand(void);

/*
 * One filter run over the row table of the running call with the chosen
 * values of the five criteria (FilterWerte[k].Auswahl; empty = no choice):
 * AnzahlGefiltert starts at AnzahlSaetze; every selected row whose
 * criterion text (after its "@", as the value lists hold it) differs from
 * a choice, exactly and with case, is deselected and counted off.
 * AnzahlSaetze becomes AnzahlGefiltert, which "Gefiltert:" shows. Rows
 * that were deselected before stay so. Returns AnzahlGefiltert.
 */
int32_t FilterAnwenden(void);

/*
 * The value index of the row table: for every row and criterion the place
 * of its value (as the value lists hold it) in that criterion's value
 * list, -1 for a value the list does not hold. A filter run then compares
 * places instead of texts: a chosen value that is in its list matches
 * exactly the rows with its place. Built when the page has read a
 * catalogue, and by FilterAnwenden whenever FilterIndexGueltig is not 1;
 * whoever changes the rows' criterion texts or the value lists otherwise
 * sets FilterIndexGueltig to 0. A choice that is not in its list is
 * compared by text, row by row.
 */
void FilterIndexAufbauen(void);

/* Puts the selected rows of the table, in table order, into the list's
 * line index (FilterAnzeige). Returns their number. */
int32_t FilterAnzeigeFuellen(void);

/* The text of column `spalte` (0..9) of row `zeile` as the list shows it. */
void FilterZellText(const PRICAT_DATEN* zeile, int32_t spalte, char* aus, size_t groesse);

/* Sorts the line index by the texts of column `spalte` (platform ANSI
 * comparison; equal texts keep table order), descending when
 * `absteigend`. 1, or 0 when the work memory cannot be had (order kept). */
int FilterAnzeigeSortieren(int32_t spalte, int absteigend);

#endif
