/*
 * dbadll_host.h - calls of DBADLL.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/dbadll.h.
 */
#ifndef OX_DBADLL_HOST_H
#define OX_DBADLL_HOST_H

#include "hostapi/dbadll.h"

/* Makes `pfad` the host data folder: every store opened afterwards lives
 * in it (created when missing, with the store files created empty). Stores
 * already open keep their files; the implicit stores of the calls without
 * handle switch at once. Until the first call the folder is the value of
 * the environment variable OX_DATENPFAD, else "DATEN\" in the current
 * directory. 1 = set, 0 = the folder cannot be made, -1 = null, empty or
 * longer than 240 characters.
 * Built natively (POSIX) the folder is a POSIX folder ("/srv/daten"); the
 * stores' names written the Windows way work there: "\" is taken as "/",
 * and a part of a name that exists in another case is found (see
 * host/common/posixpfad.h). The table store (OXTABELLE) lives in the same
 * folder. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DBA_SetDatenPfad(const char* pfad);

/* Copies the current data folder (with trailing "\") into `puffer`
 * (`groesse` bytes, always terminated). 1, or -1 for a null buffer. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DBA_GetDatenPfad(char* puffer, int32_t groesse);

/* With `sicher` 1 every write is forced to the disk before it counts
 * (survives a power failure, much slower); with 0 (the default) a write
 * survives the death of the writing process only. Returns the old value. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DBA_SetSicheresSchreiben(int32_t sicher);

/* ARTLIB_WriteArtikel without a handle. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_SchreibeArtikel(int32_t artikelNummer, const ARTIKEL_SATZ* satz);

/* Writes `anzahl` article records at once, each under its own
 * ArtikelNummer (> 0; a later record of the block with the same number
 * wins), as one durable write: afterwards all or none of them are stored.
 * Returns the number written, -1 for a null block, a negative count, a
 * record with a number below 1 (nothing is written) or a failed write. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_SchreibeArtikelBlock(const ARTIKEL_SATZ* saetze, int32_t anzahl);

/* Number of stored articles (0 or more), -1 when the store cannot be opened. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_AnzahlArtikel(void);

/* The smallest stored article number greater than `nachNummer` (0 for the
 * first), copied into `satz` when it is not null; 0 when there is none. */
OX_EXTERN_C DBADLL_API int32_t OXCALL ARTLIB_NaechsterArtikel(int32_t nachNummer, ARTIKEL_SATZ* satz);

/* Writes `satz` as characteristic (art, satz->Nummer), new or replacing.
 * 1 = written, 0 = write failed, -1 = invalid kind, number below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_SchreibeMerkmal(int32_t art, const MERKMAL_SATZ* satz);

/* Finds the characteristic of kind `art` whose code equals `code` (compared
 * without regard to the case of ASCII letters; for kind 0 `code` is the
 * article name, see above). With several, the smallest number wins.
 * Returns its number and fills `satz` when not null; 0 when none, -1 for an
 * invalid kind or a null code. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_SucheCode(int32_t art, const char* code, MERKMAL_SATZ* satz);

/* As MMLIB_SucheCode with the text (exact comparison, cut to 24
 * characters). */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_SucheText(int32_t art, const char* text, MERKMAL_SATZ* satz);

/* The smallest number of kind `art` greater than `nachNummer`, its record
 * into `satz` when not null; 0 when there is none, -1 for an invalid kind. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MMLIB_NaechstesMerkmal(int32_t art, int32_t nachNummer, MERKMAL_SATZ* satz);

/* The number of the first (smallest-numbered) supplier that holds `iln` in
 * one of its ten ILN slots (exact comparison), 0 when none or when `iln`
 * is not exactly 13 characters long, -1 for null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL LieferantenDBA_SucheIln(const char* iln);

/* Assigns `anzahl` EANs at once, in order, each as a call of
 * SetArtikelNummerOhneMusterID would (so with `ueberschreiben` set a later
 * entry for the same EAN wins, without it the first), as one durable
 * write: afterwards all or none of them are stored. Entries with an invalid
 * EAN or an article number below 1, and assignments to another article
 * that `ueberschreiben` 0 keeps, are passed over. Returns the number of
 * entries that belong to their article afterwards (0 or more), -1 for a
 * null block, a negative count or a failed write. For filling a store
 * (import of master data, benchmarks); much faster than one call per EAN. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_SetArtikelNummernBlock(const EANDATA_ZUORDNUNG* zuordnungen,
                                                                     int32_t anzahl, int32_t ueberschreiben);

/* Removes the assignment of `ean`. 1 = removed, 0 = there was none. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_Loeschen(const char* ean);

/* Number of assigned EANs, -1 when the store cannot be opened. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANDATA_Anzahl(void);

/* EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile without an open file: the
 * article's file is opened (created when missing) and closed again. */
OX_EXTERN_C DBADLL_API int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX(int32_t artikelNummer, void* liste,
                                                                    EAN_NAECHSTER naechster);

/* Writes the whole description record of `nummer`. 1 / 0 / -1 as above. */
OX_EXTERN_C DBADLL_API int32_t OXCALL BEZLIB_WriteBezeichnung(HOSTHANDLE handle, int32_t nummer,
                                                             const BEZEICHNUNG_SATZ* satz);

/* Reads item `position` (1..count). 1 = read, 0 = beyond the last,
 * -1 = below 1 or null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL DATABASE_ReadEinzelteil(int32_t position, EINZELTEIL_SATZ* satz);

/* Reads extra record `position`: 1 = read, 0 = beyond the last (`satz`
 * zero-filled), -1 invalid. The handle may be 0 (no open handle needed). */
OX_EXTERN_C DBADLL_API int32_t OXCALL TeileZusatz_Read(HOSTHANDLE handle, int32_t position, TEILEZUSATZ_SATZ* satz);

/* Reads the head of the open order (the counterpart of
 * AUFTRAGDBA_WriteAuftragsKopf). 1 / 0 / -1. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_ReadAuftragsKopf(HOSTHANDLE handle, AUFTRAG_KOPF* kopf);

/* Creates a new order with `kopf` (no positions) under the next free
 * number and returns that number (> 0); 0 when it could not be written,
 * -1 for null. */
OX_EXTERN_C DBADLL_API int32_t OXCALL AUFTRAGDBA_NeuerAuftrag(const AUFTRAG_KOPF* kopf);

/* Reads / writes the minimum stock of satz->ArtikelNummer (> 0). Read: 1 =
 * found, 0 = none. Write: 1 = written, 0 = failed. -1 for invalid. */
OX_EXTERN_C DBADLL_API int32_t OXCALL MindbestDBA_Lese(int32_t artikelNummer, MINDBEST_SATZ* satz);
OX_EXTERN_C DBADLL_API int32_t OXCALL MindbestDBA_Schreibe(const MINDBEST_SATZ* satz);

#endif
