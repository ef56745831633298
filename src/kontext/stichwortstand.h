/*
 * stichwortstand.h - what the keyword rules of a call keep in the call
 * context: the field map of the chosen catalogue's supplier and the view
 * the rules read. The functions on them: pricat_in/stichwort.h.
 */
#ifndef KTOXEDI_STICHWORTSTAND_H
#define KTOXEDI_STICHWORTSTAND_H

#include <stddef.h>
#include <stdint.h>

enum {
    STICHWORT_ARTEN = 12,       /* kinds 0..11 index the field map tables */
    FELDMAP_SLOTS = 10,         /* slots 1..9 are used; 0 stays empty */
    FELDMAP_TEILE = 10,         /* parts of one slot */
    STICHWORT_GROESSE = 256,    /* buffer for a keyword */
    STICHWORT_KURZ = 23,        /* longest keyword without "@" */
    STICHWORT_KURZ_AT = 28,     /* longest keyword with "@" */
    FARBTEXT_LAENGE = 31        /* longest supplier colour text */
};

#pragma pack(push, 1)

/* The field map of one supplier as loaded from its file, with the state
 * kept beside it in the call context. Zero-filled = nothing loaded and no
 * field map in force. */
typedef struct FELDMAP_STAND {
    /* [kind][slot][part]: catalogue field number (0 ends the slot's list),
     * 1-based start and length of the part */
    int32_t Feld[STICHWORT_ARTEN][FELDMAP_SLOTS][FELDMAP_TEILE];
    int32_t Start[STICHWORT_ARTEN][FELDMAP_SLOTS][FELDMAP_TEILE];
    int32_t Laenge[STICHWORT_ARTEN][FELDMAP_SLOTS][FELDMAP_TEILE];
    char GeladenIln[14];        /* supplier ILN the tables were last loaded for */
    int32_t Vorhanden;          /* 1 = a field map file exists for the supplier */
} FELDMAP_STAND;

#pragma pack(pop)

static_assert(sizeof(((FELDMAP_STAND*)0)->Feld) == 4800, "field map table is 4800 bytes");

/* What the keyword rules of a call read: the field map state, the ILN of
 * the chosen catalogue's supplier, and the host's capitals switch for
 * article numbers. Built from the call context by KontextStichwortRegeln. */
typedef struct STICHWORT_REGELN {
    FELDMAP_STAND* FeldMap;
    const char* KatalogIln;     /* 13 characters, empty = none */
    int32_t Grossschreibung;    /* 1 = article numbers in capitals */
} STICHWORT_REGELN;

#endif
