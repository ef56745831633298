/*
 * protokoll.h - the import record: what one catalogue run did to the
 * master data, written into a dated text file in the EDI import folder
 * ("IMPORTPROTOKOLL_YYYYMMDD_HHMMSS.TXT", the name in the string tables'
 * language), so that the next morning shows what the import changed.
 *
 * A run that starts at the first row begins a record; the engine and the
 * page add a line for every article created or corrected, every entry
 * added to a size/colour table, every EAN registered or moved from another
 * article, every price changed (old -> new), every row passed over and why,
 * and every open order changed. The record is written whenever the run
 * stands at a row, and ended (with its sums) when the run reaches the end
 * of the catalogue, when a new run starts or when the page is left. Every
 * call does nothing while no record is open.
 */
#ifndef KTOXEDI_PROTOKOLL_H
#define KTOXEDI_PROTOKOLL_H

#include <stdint.h>

#include "kontext/ktoxedi.h"

/* Begins the record of a run of catalogue `katalog` (an open record is
 * ended first). 1 = begun. The file is created with the first write. */
int ProtokollBeginnen(const char* katalog);

/* One line: string `id` of the string table as the format, then the
 * values; `zaehler` (PROT_...) is counted, -1 = none. */
void ProtokollZeile(int32_t zaehler, int id, ...);

/* Writes what is collected to the file (the run stands at a row). */
void ProtokollSchreiben(void);

/* Ends the record: with `zeile` > 0 the run stood at that row, else it
 * ended with `zeilen` rows; the sums follow, the file is closed and the
 * window's hint line shows where it lies. */
void ProtokollBeenden(int32_t zeile, int32_t zeilen);

/* The path of the last record ("" = none). */
const char* ProtokollPfad(void);

/* Records a price change of article `artikel`: each of EK1, VK1, EK2,
 * VK2 whose old and new value differ. */
void ProtokollPreise(int32_t artikel, const int32_t alt[4], const int32_t neu[4]);

#endif
