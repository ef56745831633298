/*
 * wareneingang.h - the stand-in host's goods receipt for DESADV positions:
 * the booking function it hands to EDILieferung_GetAllDesadvSet.
 */
#ifndef OX_STANDIN_WARENEINGANG_H
#define OX_STANDIN_WARENEINGANG_H

#include <windows.h>
#include <stdint.h>

/*
 * Books one delivered position into the store: the article of `gtin` is
 * found through the EAN index, the variation through the article's EAN
 * file; `menge` pieces are added to the variation's cell of the article's
 * size table and appended as stock items (supplier `lieferant`, or the
 * article's supplier when 0; branch `filiale`, or the article's when 0).
 * Returns 1 when booked.
 *
 * Returns 0 and writes one line into the open FILEIO file `fehlerDatei`
 * (the DESADV import's error report) when the position cannot be booked:
 *   "GTIN <gtin> (<text>): kein Artikel zu dieser GTIN"
 *   "GTIN <gtin> (<text>): Menge <n> ungueltig"
 *   "GTIN <gtin> (<text>): Lagerbuchung fehlgeschlagen"
 * each ended by carriage return and line feed.
 */
int32_t WINAPI Standin_DesadvBuchen(int32_t fehlerDatei, const char* gtin, const char* text, int32_t lieferant,
                                    int32_t menge, int32_t filiale);

/* Positions booked and refused by Standin_DesadvBuchen since the start. */
extern long g_StandinGebucht, g_StandinAbgelehnt;

#endif
