/*
 * oxtabelle_host.h - calls of OXTABELLE.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxtabelle.h.
 */
#ifndef OX_OXTABELLE_HOST_H
#define OX_OXTABELLE_HOST_H

#include "hostapi/oxtabelle.h"

/* Piece count of cell (vertical `zeile`, horizontal `spalte`); 0 for a cell
 * outside the table. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_GetStueckzahl(const OXTABELLE* tabelle, int32_t zeile,
                                                          int32_t spalte);

/* Sets the piece count of a cell. 1, or 0 for a cell outside the table. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SetStueckzahl(OXTABELLE* tabelle, int32_t zeile, int32_t spalte,
                                                          int32_t stueck);

/* Reads the stored table of (besitzer, nummer) into `tabelle` and its write
 * time into `zeit` (may be null). 1 = read; 0 = no table stored (`tabelle`
 * zero-filled, `zeit` zeroed); -1 = unknown owner kind, number below 1,
 * null `tabelle`, or the store cannot be opened. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_LeseTabelle(int32_t besitzer, int32_t nummer, OXTABELLE* tabelle,
                                                        TAB_ZEIT* zeit);

/* Stores `tabelle` as the table of (besitzer, nummer), stamped with the
 * current time. A table equal to the stored one is not written again (its
 * write time stays). 1 = written (or equal); 0 = the write failed (the
 * previous table stays); -1 = invalid argument as above. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SchreibeTabelle(int32_t besitzer, int32_t nummer,
                                                            const OXTABELLE* tabelle);

/* Removes the stored table of (besitzer, nummer). 1 = removed, 0 = there
 * was none (or the write failed), -1 = invalid argument. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_LoescheTabelle(int32_t besitzer, int32_t nummer);

/* 1 when a table of (besitzer, nummer) is stored, 0 when not, -1 invalid. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_TabelleVorhanden(int32_t besitzer, int32_t nummer);

/* Forgets what this process knows of the store file (the next call reads
 * it afresh, as after a restart) and closes it. 1. */
OX_EXTERN_C OXTABELLE_API int32_t OXCALL TAB_SpeicherSchliessen(void);

#endif
