/*
 * kopfspeicher.h - the header bytes of the catalogue files read during one
 * call, so that a folder listed again (another supplier chosen, the page
 * entered again) opens only the files written since.
 *
 * A file is known by its path (upper case), its last write and its size as
 * the folder search gives them; when any of them differs the file is read
 * anew. Only the bytes are kept: the supplier of the header and its name
 * are asked of the stores on every listing.
 */
#ifndef KTOXEDI_KOPFSPEICHER_H
#define KTOXEDI_KOPFSPEICHER_H

#include "hostapi/fileio.h"
#include "pricat_in/kopf.h"

#include <stdint.h>

enum {
    KOPF_SPEICHER_MAX = 8192    /* files kept; further ones are read every time */
};

typedef struct KOPF_GELESEN {
    unsigned Streuwert;         /* of Pfad */
    FILEIO_ZEIT Geschrieben;
    uint32_t GroesseLow;
    uint32_t GroesseHigh;
    int32_t Gelesen;            /* bytes in Kopf; -1 = not read yet */
    char Pfad[OX_TXT_PATH];
    char Kopf[KOPF_LESELAENGE];
} KOPF_GELESEN;

/*
 * The slot of the file `pfad` as the folder search `fund` describes it.
 * When the file was read before with the same last write and size, the
 * slot holds its bytes (Gelesen >= 0); otherwise the slot (the file's own,
 * or a new one) has Gelesen = -1 and the caller fills Kopf and Gelesen
 * once it has read the file. Files are looked for in the order of the last
 * listing first, so a folder listed again costs one comparison a file.
 * Returns null when no slot can be had (KOPF_SPEICHER_MAX files kept, no
 * memory, path too long): the file is then read without keeping. The slot
 * stays valid until the next call of KopfSpeicherSlot or KopfSpeicherLeeren.
 */
KOPF_GELESEN* KopfSpeicherSlot(const char* pfad, const FILEIO_FUNDSTELLE* fund);

/* Forgets every file and frees the table (end of the call). */
void KopfSpeicherLeeren(void);

/* Number of files kept (tests). */
int32_t KopfSpeicherAnzahl(void);

#endif
