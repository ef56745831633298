/*
 * speichertabelle.h - tables of fixed-size entries in a block of the
 * host's memory library that doubles when full.
 */
#ifndef KTOXEDI_SPEICHERTABELLE_H
#define KTOXEDI_SPEICHERTABELLE_H

#include <stddef.h>
#include <stdint.h>

/*
 * Grows the table `tabelle` (a storage block or null) of `*raum` entries of
 * `groesse` bytes, of which the first `anzahl` are in use: a new block of
 * twice the room (at least `erster` entries, at most `hoechstens`; 0 = no
 * bound), the used entries copied into it, the old block given back, and
 * `*raum` set. Returns the new block, or null when the table cannot grow
 * (the bound is reached, the size overflows or there is no memory); the
 * table and `*raum` are then unchanged.
 */
void* SpeichertabelleWachsen(void* tabelle, int32_t anzahl, int32_t* raum, size_t groesse, int32_t erster,
                             int32_t hoechstens);

#endif
