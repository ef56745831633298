/*
 * adresse.h - the supplier address file (".ADR") beside a catalogue: its
 * columns, the reader that copies it into the supplier record, and the
 * writer of its two lines for the export.
 *
 * The file is plain ANSI text: line 1 names the columns, line 2 holds the
 * values, each followed by ";" (the reader also takes a tab); further lines
 * are ignored. Values are read by position (ADR_SPALTEN below, one
 * description for reader and writer). Multi-line values carry "~" for a
 * carriage return and "^" for a line feed.
 *
 * Choices made where the format leaves room:
 *  - A value longer than its field is cut to the field (the import goes
 *    on), after its outer blanks are removed.
 *  - Lines 1 and 2 are read with up to ADR_LESE_MAX (1023) characters;
 *    the rest of a longer line is ignored. A value that the limit cuts
 *    off (the last one, without its ";") is dropped whole, so its field
 *    keeps the stored value like the fields after it. The writer's lines
 *    stay below the limit unless nearly every field is full.
 *  - The writer replaces ";" and tabs inside a value by blanks (and line
 *    breaks inside a one-line value), so every line it writes reads back
 *    into the same columns.
 *
 * No windows.h: this builds natively as well.
 */
#ifndef KTOXEDI_ADRESSE_H
#define KTOXEDI_ADRESSE_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/dbadll.h"

enum {
    ADR_SPALTEN_ANZAHL = 38,
    ADR_ZEILE_MAX = 2047,          /* characters of a line written, or of one handed to the reader */
    ADR_LESE_MAX = 1023,           /* characters of a line read from the file */
    ADR_KUERZEL_LAENGE = 4
};

/* Kinds of columns. */
enum {
    ADR_KUERZEL = 1,   /* the supplier's number text: must not be empty, not stored */
    ADR_TEXT,          /* text field of the record */
    ADR_MEHRZEILIG,    /* text field with line breaks as "~" and "^" */
    ADR_SCHALTER,      /* 16-bit flag of the record, written "0"/"1", read as a number */
    ADR_FRACHTFREI,    /* 32-bit value, written as a number, read but not stored */
    ADR_USTFREI,       /* 16-bit flag, written "0"/"1", read but not stored */
    ADR_ILN            /* ILN slot, taken only with exactly 13 characters */
};

/* One column: its name in line 1, kind, place and size of the record
 * field (buffer bytes, terminator included; 0 for the Kuerzel), and the
 * ILN slot (0..9) for ADR_ILN. */
typedef struct ADR_SPALTE {
    const char* Name;
    int32_t Art;
    int32_t Offset;
    int32_t Groesse;
    int32_t Slot;
} ADR_SPALTE;

/* The 38 columns in file order. */
extern const ADR_SPALTE ADR_SPALTEN[ADR_SPALTEN_ANZAHL];

/* Line breaks of a multi-line value for the one-line file and back:
 * carriage return <-> "~", line feed <-> "^", in place. */
void AdressTextKodieren(char* text);
void AdressTextDekodieren(char* text);

/* Line 1 as the export writes it: the 38 column names, each followed by
 * ";", then a line feed. Returns its length, or -1 when `aus` is too
 * small (ADR_ZEILE_MAX + 1 bytes always suffice; `aus` then empty). */
int32_t AdressKopfzeileBilden(char* aus, size_t groesse);

/* Line 2 for the supplier `satz` with the Kuerzel `kuerzel` (the number
 * text of the supplier characteristic): every value followed by ";", then
 * a line feed. Returns its length, or -1 as above. */
int32_t AdressDatenzeileBilden(const LIEFERANTEN_SATZ* satz, const char* kuerzel, char* aus, size_t groesse);

/*
 * Fills `satz` from the data line `zeile` (line 2). `satz` holds a cleared
 * record when called. An empty Kuerzel stops at once with result 0 (the
 * record stays cleared). Otherwise the name is read, the supplier is found
 * by `iln` (LieferantZuIln); when found, its stored record is read into
 * `satz` and the name from the file put back; then columns 3 to 38 replace
 * their fields (a column missing at the end of the line leaves its field
 * as it is). Returns the supplier number found (0 = unknown).
 */
int32_t AdressZeileUebernehmen(const char* zeile, const char* iln, LIEFERANTEN_SATZ* satz);

/* Fills an empty order address with name, street, country, postcode and
 * town (lines ending in CR LF), and an empty complaint address with the
 * order address, each cut to its field. */
void AdressenVervollstaendigen(LIEFERANTEN_SATZ* satz);

/*
 * Imports the address file of the catalogue `katalogPfad` into the
 * supplier that lists `iln`: nothing when the catalogue is missing, the
 * path has no ".INH"/".PRI" or the address file cannot be read; a file
 * whose first line contains "Vertretername" is deleted without import; a
 * file without a second line is kept unread. Otherwise the record built by
 * AdressZeileUebernehmen and AdressenVervollstaendigen is written under the
 * supplier's number (0 when unknown, which the store refuses), with the
 * characteristic store of kind 8 open meanwhile, and the address file is
 * deleted when the supplier was known. Returns the supplier number the
 * record was written for, 0 when none.
 */
int32_t AdressDateiImportieren(const char* katalogPfad, const char* iln);

#endif
