/*
 * kopfzeile.h - the header of the main import window (dialog 107), which
 * the pages and the catalogue reading keep current: the chosen catalogue
 * and the three counters. Every call works on the running call's context
 * and does nothing to the window when there is none.
 */
#ifndef KTOXEDI_KOPFZEILE_H
#define KTOXEDI_KOPFZEILE_H

#include "kontext/ktoxedi.h"

/* Shows the chosen catalogue in the header: supplier text after its first
 * "@", description and file date in 1004, the ILN in 1013, and copies the
 * entry's path into AusgewaehlteDatei. With no entry (null or -1): 1004
 * shows "Kein Lieferant ausgewählt", the ILN and the counters are emptied
 * and AusgewaehlteDatei becomes empty. */
void KopfzeileAnzeigen(const KATALOGDATEI_EINTRAG* eintrag);

/* Counter services: rows read (1007), rows passing the filter (1009),
 * rows imported (1011), written with "%ld". Do nothing without a window. */
void ZaehlerSaetzeAnzeigen(int32_t anzahl);
void ZaehlerGefiltertAnzeigen(int32_t anzahl);
void ZaehlerImportiertAnzeigen(int32_t anzahl);

/* The window's hint line (1300): what the next step of an import will do,
 * why a run stands, where its record lies. Null or "" empties it. */
void HinweisAnzeigen(const char* text);

#endif
