/*
 * dateisatz.h - catalogue file sets of the FTP exchange.
 *
 * A file set groups the files whose names agree up to the first "."
 * (without regard to case): the contents file (".INH"), a description file
 * (".TXT" or ".PDF") and the supplier address file (".ADR"). The sets of
 * one list are elements of a host list (KTLISTEN), each a block of the host
 * memory library (KTSTORAGE), held in the order of their date texts.
 *
 * Names come from a server that may lie. A name is taken only when it is a
 * plain file name that fits the buffers and, put behind the local folder,
 * still names a file inside that folder (FtpNameZulaessig); anything else
 * is skipped without a word.
 *
 * Nothing here needs the window system; the only platform call is the
 * system's text comparison for the list order (plain byte order elsewhere).
 */
#ifndef KTOXEDI_FTP_DATEISATZ_H
#define KTOXEDI_FTP_DATEISATZ_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/hostdefs.h"

enum {
    FTP_NAME_GROESSE = 261,         /* name fields of a set, with terminator */
    FTP_DATUM_GROESSE = 32
};

/* Kind of a file of a set, from its extension. */
enum {
    FTP_ART_KEINE = 0,              /* not part of a set: skipped */
    FTP_ART_INHALT = 1,             /* .INH */
    FTP_ART_BESCHREIBUNG = 2,       /* .TXT or .PDF */
    FTP_ART_ADRESSE = 3             /* .ADR */
};

#pragma pack(push, 1)
/* One file set, one element of the set list. The first five fields are the
 * set as the list shows it; the fields behind them are the module's own
 * bookkeeping for the transfer. */
typedef struct FTP_DATEISATZ {
    char DatumText[FTP_DATUM_GROESSE];              /* date of the .INH file, "dd.mm.yyyy" */
    char InhaltDatei[FTP_NAME_GROESSE];             /* .INH name, capitals */
    char BeschreibungDatei[FTP_NAME_GROESSE];       /* .TXT or .PDF name, capitals */
    char AdressDatei[FTP_NAME_GROESSE];             /* .ADR name, capitals */
    int32_t AndereSeite;                            /* 1 = the set exists on the other side */
    int32_t Tag;                                    /* day number of DatumText, 0 = none */
    char InhaltQuelle[FTP_NAME_GROESSE];            /* the names exactly as the source listed them */
    char BeschreibungQuelle[FTP_NAME_GROESSE];
    char AdressQuelle[FTP_NAME_GROESSE];
    uint32_t InhaltGroesse;                         /* sizes as listed, 0 = not known */
    uint32_t BeschreibungGroesse;
    uint32_t AdressGroesse;
} FTP_DATEISATZ;
#pragma pack(pop)

static_assert(offsetof(FTP_DATEISATZ, InhaltDatei) == 32, "date text of 32 bytes first");
static_assert(offsetof(FTP_DATEISATZ, AndereSeite) == 815, "three names of 261 bytes behind it");
static_assert(sizeof(FTP_DATEISATZ) == 1618, "the set and the module's bookkeeping");

/* 1 when `name` may be used as a file name inside a local folder whose path
 * is `ordnerLaenge` characters long (with its trailing separator): not
 * empty, at most 260 characters, folder and name together at most 259; no
 * "\", "/", ":", no "..", no control character and none of * ? " < > |;
 * not beginning with a blank, not ending in "." or a blank; and not a device
 * name (CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, CLOCK$, with or
 * without an extension). 0 otherwise (also for a null name). */
int FtpNameZulaessig(const char* name, size_t ordnerLaenge);

/* 1 when `name` matches the exchange pattern "PRICAT*.*": it begins with
 * "PRICAT" (any case) and has a "." behind that. 0 otherwise. */
int FtpMusterPasst(const char* name);

/* Kind of the file `name` by the extension behind its last ".": INH, TXT,
 * PDF or ADR in any case; anything else (also a missing or shorter
 * extension) is FTP_ART_KEINE. */
int FtpDateiArt(const char* name);

/* `name` in capitals (ASCII and the cp1252 letters) into `ziel` of
 * `groesse` bytes. Returns 1 when the whole name fit, 0 when it was cut,
 * -1 for a null or empty buffer. */
int FtpGrossschreiben(char* ziel, size_t groesse, const char* name);

/* The set name of `name`: the part before the first ".", in capitals.
 * Results as FtpGrossschreiben. */
int FtpSatzName(char* ziel, size_t groesse, const char* name);

/* Adds the file `name` (as listed) to its set in `*liste` (0 = an empty
 * list, created on the first set). `datumText` and `tag` (day number, 0 =
 * none) are the file's date; they are kept only for the .INH file. `groesse`
 * is the listed size (0 = not known). Checks the name first: a name that is
 * not plain (FtpNameZulaessig with `ordnerLaenge`), does not match the
 * pattern or has no set extension is skipped.
 * Returns 1 = added, 0 = skipped, -1 = null argument or no memory. */
int32_t FtpDateiEintragen(HOSTHANDLE* liste, const char* name, const char* datumText, int32_t tag,
                          uint32_t groesse, size_t ordnerLaenge);

/* Sets the "present on the other side" flag of the set that `name` belongs
 * to (same set name). 1 = a set was marked, 0 = none has that name,
 * -1 = null name. */
int32_t FtpSatzMarkieren(HOSTHANDLE liste, const char* name);

/* Destroys the set list and releases every set; `*liste` becomes 0. */
void FtpSatzlisteFreigeben(HOSTHANDLE* liste);

/* Text of column `spalte` of a set row: 0 the date text, 1 the .INH name,
 * 2 the description name, 3 the address name; an empty name reads "----",
 * any other column "". Never null. */
const char* FtpSpaltenText(const FTP_DATEISATZ* satz, int spalte);

/* Order of two set rows by column `spalte` (0 by day number, 1 to 3 by the
 * system's text comparison of the names): below 0, 0 or above 0. */
int FtpSaetzeVergleichen(const FTP_DATEISATZ* a, const FTP_DATEISATZ* b, int spalte);

/* Colours of a set row (COLORREF values, 0x00BBGGRR): text black;
 * background white, 0xE0E0E0 when selected; for a set present on the other
 * side 0xC0FFC0, 0x80FF80 when selected. */
void FtpZeilenFarben(int32_t andereSeite, int32_t ausgewaehlt, uint32_t* text, uint32_t* hintergrund);

#endif
