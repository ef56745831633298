/*
 * kopf.h - the plain header line of a catalogue file (".INH" / ".PRI"),
 * the supplier of an ILN, and the address file beside a catalogue.
 *
 * No windows.h: these build natively as well.
 *
 * Header fields longer than their room are cut (not rejected): the
 * description to 63 characters, the ILN to 15; the file is listed all the
 * same, and a cut ILN simply finds no supplier.
 */
#ifndef KTOXEDI_KOPF_H
#define KTOXEDI_KOPF_H

#include <stddef.h>
#include <stdint.h>

enum {
    KOPF_LESELAENGE = 250       /* bytes of a catalogue file read for its header */
};

/* What the header line gives. */
typedef struct KATALOG_KOPF {
    char Beschreibung[64];      /* token 2 */
    char Iln[16];               /* token 4, or the fallback token */
    int32_t LieferantNummer;    /* supplier found for Iln, below 1 = unknown */
} KATALOG_KOPF;

/* Finds the supplier number of an ILN (below 1 = none). */
typedef int32_t (*KOPF_LIEFERANTSUCHE)(const char* iln);

/*
 * Splits the first `laenge` bytes of a catalogue file (at most 250 are
 * looked at, a NUL byte ends the text) into tokens at carriage return, line
 * feed, tab and ";" with the host line reader, and fills `kopf`: token 2 is
 * the description, token 4 the ILN, looked up with `suche`. When that finds
 * no supplier: if token 6 is "PRICAT" the ILN is token 10, otherwise token
 * 11, and it is looked up again (when the file has no such token, the
 * token-4 ILN and its result stay). Returns 1, or 0 when the reader could
 * not be made (`kopf` then empty).
 */
int KatalogKopfAuswerten(const char* daten, size_t laenge, KOPF_LIEFERANTSUCHE suche, KATALOG_KOPF* kopf);

/* The address file of a catalogue: `katalogPfad` in upper case, cut at the
 * first ".INH" or, failing that, the first ".PRI", with ".ADR" appended,
 * into `aus` (`groesse` bytes). Returns 1, or 0 when the path holds neither
 * (`aus` empty). */
int AdressPfadBilden(const char* katalogPfad, char* aus, size_t groesse);

/*
 * The supplier whose record lists `iln` in one of its ten ILN slots: only
 * for an ILN of exactly 13 characters, the supplier store is opened, the
 * records 1 to 1000 are read in order until one holds the ILN, and the
 * store is closed. The hourglass is shown meanwhile. Returns the supplier
 * number, or 0.
 */
int32_t LieferantZuIln(const char* iln);

#endif
