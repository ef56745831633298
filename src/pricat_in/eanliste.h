/*
 * eanliste.h - the EAN file of an article (one entry per variation: the
 * codes of kinds 1 to 8, a text and the EAN) as the import keeps it.
 *
 * One article's EAN file is open at a time (in the call context); it stays
 * open between calls for the same article and is closed when another
 * article's file is wanted, or by EanDateiSchliessen at the end of an
 * import. Article numbers below 1 are refused by every call (result 0).
 *
 * Before a new EAN is registered for a variation, EanListePflegen cleans
 * the article's list so that one EAN does not stand at two variations.
 */
#ifndef KTOXEDI_EANLISTE_H
#define KTOXEDI_EANLISTE_H

#include <stdint.h>

#include "hostapi/dbadll.h"

/* Makes the EAN file of `artikel` the open one: nothing happens when it is
 * already open (in whatever mode); otherwise the open file is closed and
 * the article's file opened with `modus` (0 = only an existing file, 1 =
 * created when missing). Returns 1 when the article's file is open
 * afterwards, 0 when not (no file is open then). */
int EanDateiOeffnen(int32_t artikel, int32_t modus);

/* Closes the open EAN file, if any, and forgets it. */
void EanDateiSchliessen(void);

/* The three file operations below return the EAN library's result as it
 * comes (-1 included: a null argument); 0 without asking it when the
 * article is below 1 or its file cannot be opened. */

/* Looks up the variation of `eintrag` (codes of kinds 1 to 8) in the
 * article's file (opened in mode 0): 1 when it carries `ean` (*index = its
 * entry number), 0 when the variation is there with another EAN (*index =
 * its number) or not there (*index = 0). */
int32_t EanEintragSuchen(int32_t artikel, const char* ean, const char* text, const EANARTIKEL_SATZ* eintrag,
                         int32_t* index);

/* Adds `eintrag` to the article's file (created when missing). Returns the
 * new entry number (>= 1), 0 when it could not be written. */
int32_t EanEintragNeu(int32_t artikel, const EANARTIKEL_SATZ* eintrag);

/* Replaces entry `index` (>= 1) of the article's file. 1 = replaced, 0 =
 * no such entry. */
int32_t EanEintragAendern(int32_t artikel, const EANARTIKEL_SATZ* eintrag, int32_t index);

/*
 * Cleans the article's EAN list before `neu` is registered: the entries of
 * the article are taken in the order of their codes of kinds 1 to 8 and
 * then their colour text; an entry with `neu`'s EAN at another variation
 * loses its EAN, and of several entries with `neu`'s EAN at `neu`'s
 * variation only the first keeps it. When anything was cleared, the list
 * is saved back in that order (entry numbers change); otherwise the file
 * is not written. Returns 1; 0 when the article is below 1 or `neu` is null.
 */
int32_t EanListePflegen(int32_t artikel, const EANARTIKEL_SATZ* neu);

/* Takes `ean` out of the article's EAN list: every entry that carries it
 * loses it (the variation stays), and the list is saved when anything was
 * cleared. Returns the number of entries cleared; 0 also when the article
 * is below 1, `ean` is empty or the article has no EAN file. */
int32_t EanAusListeNehmen(int32_t artikel, const char* ean);

#endif
