/*
 * werkzeug.h - helpers of the native build: a private working folder, file
 * writing, and the state of the native stand-ins (supplier store, field
 * map folder, counters), so fuzz targets and seed writers can set the
 * scene.
 */
#ifndef OX_NATIV_WERKZEUG_H
#define OX_NATIV_WERKZEUG_H

#include <stddef.h>
#include <stdint.h>
#include <string>

#include "hostapi/dbadll.h"

/* Makes a private folder under /dev/shm (or /tmp) the working folder, once
 * per process; it is removed when the process ends normally. Catalogue paths are then relative and in upper case, as the
 * readers' upper-casing of paths needs on a case-sensitive file system. */
void NativArbeitsordner(void);

/* Writes `groesse` bytes into the file `name` (replacing it). */
void NativDateiSchreiben(const std::string& name, const void* daten, size_t groesse);

/* The supplier store of the stand-in: empties it / sets record `nummer`. */
void NativLieferantenLeeren(void);
void NativLieferantSetzen(int32_t nummer, const LIEFERANTEN_SATZ& satz);
/* Record `nummer` as stored (zero-filled when empty). */
LIEFERANTEN_SATZ NativLieferant(int32_t nummer);
/* Number of writes accepted by LieferantenDBA_SchreibeRecord. */
extern long g_NativLieferantGeschrieben;
/* Balance of MMLIB_OeffneDatenbank / MMLIB_SchliesseDatenbank calls and of
 * supplier store handles (both must come back to 0). */
extern long g_NativMerkmalOffen;
extern long g_NativLieferantenOffen;

/* Folder (relative, with trailing "/") in which EDIMapDBA_CreateFeldMapFileName
 * puts "<iln>.INI". */
extern std::string g_NativFeldMapOrdner;

/* Depth of the INI file stack of the stand-in (must come back to 0). */
int NativIniStapel(void);

/* Reads the bytes of a fuzz input one after the other (0 when used up). */
struct NativQuelle {
    const uint8_t* p;
    size_t rest;
    uint8_t Byte()
    {
        if (rest == 0)
            return 0;
        rest--;
        return *p++;
    }
};

/* Aborts with a message when `bedingung` is false (fuzz targets' checks). */
void NativPruefen(bool bedingung, const char* was);

#endif
