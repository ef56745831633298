/*
 * oxtabelle.h - the host's size/colour table library (OXTABELLE.DLL).
 *
 * Every article carries one two-axis table: a vertical axis of up to 120
 * characteristics and a horizontal axis of up to 200, each bound to one
 * characteristic kind (sizes down and colours across, for example). Each
 * vertical row carries a six-price block, each cell a piece count, each
 * horizontal entry a colour text. The record is always handled whole
 * (206,402 bytes); callers allocate it or keep it in a larger block.
 *
 * Calls that take a table pointer return -1 for a null pointer and do
 * nothing else. Indexes are 0-based.
 */
#ifndef OX_HOSTAPI_OXTABELLE_H
#define OX_HOSTAPI_OXTABELLE_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_OXTABELLE)
#  define OXTABELLE_API OX_DLLEXPORT
#else
#  define OXTABELLE_API OX_DLLIMPORT
#endif

enum {
    TAB_MAX_SENKRECHT = 120,        /* vertical axis entries (rows) */
    TAB_MAX_WAAGRECHT = 200,        /* horizontal axis entries (columns) */
    TAB_FARBTEXT = 33,              /* colour text of a horizontal entry, 32 characters */
    TAB_KOPF_LEER = 0x0FFF          /* header word of a freshly made empty table */
};

#pragma pack(push, 1)

/* The six-price block of one vertical row, hundredths of the currency unit.
 * The "converted" prices are the same price in the second currency. */
typedef struct TAB_PREISE {
    int32_t Ek1;
    int32_t Ek2;
    int32_t Ek1Umgerechnet;
    int32_t Vk1;
    int32_t Vk2;
    int32_t Vk1Umgerechnet;
} TAB_PREISE;

/* Sums of one vertical row (TAB_GetZSUMME): the row's pieces valued at EK1
 * and at EK2, then the piece count and further sums. 28 bytes. */
typedef struct TAB_ZSUMME {
    int32_t WertEk1;        /* sum of pieces x EK1 */
    int32_t WertEk2;        /* sum of pieces x EK2 */
    int32_t Stueck;         /* sum of pieces */
    int32_t WertVk1;        /* sum of pieces x VK1 */
    int32_t WertVk2;        /* sum of pieces x VK2 */
    int32_t Reserve[2];
} TAB_ZSUMME;

/*
 * The table record. Offsets 0, 6, 10, 14, 6734, 199786 and 199794 are the
 * host's and read or written directly by the module; the placement of the
 * row prices, row sums, cells and colour texts is this library's own.
 */
typedef struct OXTABELLE {
    uint16_t Kopf;                                   /*      0: header word, TAB_KOPF_LEER when new */
    int32_t ArtikelNummer;                           /*      2: owner (article or series number) */
    int32_t MerkmalSenkrecht;                        /*      6: characteristic kind of the vertical axis */
    int32_t MerkmalWaagrecht;                        /*     10: characteristic kind of the horizontal axis */
    int32_t Senkrecht[TAB_MAX_SENKRECHT];            /*     14: vertical characteristic numbers, 0 = free */
    TAB_PREISE Preise[TAB_MAX_SENKRECHT];            /*    494: prices per vertical row */
    TAB_ZSUMME Summen[TAB_MAX_SENKRECHT];            /*   3374: sums per vertical row */
    int32_t Waagrecht[TAB_MAX_WAAGRECHT];            /*   6734: horizontal characteristic numbers, 0 = free */
    int32_t Stueck[TAB_MAX_SENKRECHT][TAB_MAX_WAAGRECHT];   /* 7534: piece count per cell */
    int32_t Mindest[TAB_MAX_SENKRECHT][TAB_MAX_WAAGRECHT];  /* 103534: minimum count per cell */
    unsigned char Reserve1[252];                     /* 199534 */
    int32_t Geaendert;                               /* 199786: 1 = changed, set before every store */
    int32_t Reserve2;                                /* 199790 */
    int16_t FillerSperre;                            /* 199794: saved, zeroed and restored around
                                                                the host's filler call */
    int32_t Reserve3;                                /* 199796 */
    char FarbText[TAB_MAX_WAAGRECHT][TAB_FARBTEXT];  /* 199800: colour text per horizontal entry */
    unsigned char Reserve4[2];                       /* 206400 */
} OXTABELLE;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(TAB_PREISE) == 24, "TAB_PREISE");
static_assert(sizeof(TAB_ZSUMME) == 28, "TAB_ZSUMME");
static_assert(sizeof(OXTABELLE) == 206402, "OXTABELLE");
static_assert(offsetof(OXTABELLE, MerkmalSenkrecht) == 6, "OXTABELLE.MerkmalSenkrecht");
static_assert(offsetof(OXTABELLE, MerkmalWaagrecht) == 10, "OXTABELLE.MerkmalWaagrecht");
static_assert(offsetof(OXTABELLE, Senkrecht) == 14, "OXTABELLE.Senkrecht");
static_assert(offsetof(OXTABELLE, Waagrecht) == 6734, "OXTABELLE.Waagrecht");
static_assert(offsetof(OXTABELLE, Geaendert) == 199786, "OXTABELLE.Geaendert");
static_assert(offsetof(OXTABELLE, FillerSperre) == 199794, "OXTABELLE.FillerSperre");
#endif

/* Empties the table: every byte 0. With `modus` 1 the two axis kinds are
 * kept. Returns 1. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_ClearTabelle(OXTABELLE* tabelle, int32_t modus);

/* Sets every piece count (and minimum count) to 0; axes, prices and colour
 * texts stay. Returns 1. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_ClearStueckzahlen(OXTABELLE* tabelle);

/* 1 when the record is a usable table: both axis kinds set (1 to 11),
 * every used axis entry positive, no number twice on the vertical axis.
 * 0 otherwise (also for an all-zero record), -1 for a null pointer. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_TesteAufGueltigeTabelle(const OXTABELLE* tabelle);

/* Characteristic kind of the vertical / horizontal axis (0 = none). */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_MerkmalSenkrecht(const OXTABELLE* tabelle);
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_MerkmalWaagrecht(const OXTABELLE* tabelle);

/* Number of used entries of the vertical / horizontal axis: the index
 * behind the last non-zero entry. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_AnzahlSenkrechtMerkmale(const OXTABELLE* tabelle);
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_AnzahlWaagrechtMerkmale(const OXTABELLE* tabelle);

/* Sets entry `index` of the vertical axis (`senkrecht` non-zero) or of the
 * horizontal axis (`senkrecht` 0) to characteristic `nummer`. Returns 1,
 * 0 for an index outside the axis. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SetMerkmalCR(OXTABELLE* tabelle, int32_t senkrecht,
                                                         int32_t index, int32_t nummer);

/* Copies the six prices into vertical row `zeile`. 1, or 0 for a row
 * outside 0..119. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SetPreiseToRow(OXTABELLE* tabelle, int32_t zeile,
                                                           const TAB_PREISE* preise);

/* Gives every used vertical row whose EK1 is still 0 the price block.
 * Returns the number of rows set. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_PreiseVorbesetzen(OXTABELLE* tabelle, const TAB_PREISE* preise);

/* Computes the sums of vertical row `zeile` from its piece counts and
 * prices into `summe` (28 bytes). 1, or 0 for a row outside 0..119 (the
 * sum record is then left alone). */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_GetZSUMME(const OXTABELLE* tabelle, int32_t zeile,
                                                      TAB_ZSUMME* summe);

/* Colour text of horizontal entry `index`: copied into `text` (at least 33
 * bytes, always terminated). 1, or 0 for an index outside 0..199 (text
 * emptied). */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_GetWaagrechtFarbText(const OXTABELLE* tabelle, int32_t index,
                                                                 char* text);

/* Sets the colour text of horizontal entry `index` (cut to 32 characters).
 * 1, or 0 for an index outside 0..199. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SetWaagrechtFarbText(OXTABELLE* tabelle, int32_t index,
                                                                 const char* text);

/* Copies the horizontal axis (kind, entries and colour texts) of `quelle`
 * into `ziel`; the cells of `ziel` are kept. Returns 1. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_CopyWaagrechtMerkmale(OXTABELLE* ziel, const OXTABELLE* quelle);

/* The six prices of vertical row `zeile` into `preise`. 1, or 0 for a row
 * outside 0..119 (`preise` zeroed). */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_GetPreiseFromRow(const OXTABELLE* tabelle, int32_t zeile,
                                                             TAB_PREISE* preise);

/* ------------------------------------------------------------------------
 * The table store: the host's tables of articles and of series, kept in
 * the file "OXTABELLEN.DAT" of the master-data store's data folder
 * (DBA_GetDatenPfad; a change of that folder is followed at the next call).
 *
 *  - Every table is stored whole under (owner kind, number) together with
 *    the time of its last write; a write replaces the stored table.
 *  - A write is durable as a whole: a process that dies while writing
 *    leaves the previous table readable, and the next write repairs the
 *    file. Writes of other processes are seen at the next call.
 *  - Only the used part of a table takes room on the disk (runs of zero
 *    bytes are not stored), so tables of many articles stay small.
 *  - Calls may come from any thread.
 * ------------------------------------------------------------------------ */

enum {
    TAB_BESITZER_ARTIKEL = 0,       /* the table of an article (article number) */
    TAB_BESITZER_SERIE = 1          /* the table of a series (series characteristic number) */
};

/* Time of a table's last write: 100-ns intervals since 1.1.1601 UTC, low
 * word first (FILETIME layout, the host's time stamp). */
typedef struct TAB_ZEIT {
    uint32_t Low;
    uint32_t High;
} TAB_ZEIT;

#endif
