/*
 * katalogtext.h - small text rules of catalogue data, shared by the
 * catalogue reading, the address file and the keyword engine.
 *
 * Catalogue record fields are fixed-width: a field filled to its full width
 * carries no terminator, so every field is read bounded by its width. All
 * results go to buffers of a given size and are always terminated (for a
 * size of at least 1). No windows.h: these build natively as well.
 */
#ifndef KTOXEDI_KATALOGTEXT_H
#define KTOXEDI_KATALOGTEXT_H

#include "grund/text.h"   /* FeldKopieren and the bounded copies */

#include <stddef.h>
#include <stdint.h>

/* Copies the text behind the first "@" of `text` into `aus` (`groesse`
 * bytes), or the whole text when it holds no "@". A null text counts as
 * empty. "12@Jacke" gives "Jacke", "Jacke" gives "Jacke", "12@" gives "". */
void TextNachAt(const char* text, char* aus, size_t groesse);

/* The decimal number at the start of `text` as the host reads numbers from
 * settings: blanks, an optional sign, digits; it ends at the first other
 * character. No digits give 0; values beyond the 32-bit range are held at
 * its limits. A null text gives 0. */
int32_t ZahlAusText(const char* text);

/* Removes the blanks at both ends of `text` in place. */
void TextTrimmen(char* text);

#endif
