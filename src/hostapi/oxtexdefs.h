/*
 * oxtexdefs.h - the host's date and number texts (OXTEXDEFS.DLL).
 *
 * Date integers. The host keeps a date as a day number that fits a signed
 * 16-bit field: day 1 is 01.01.1980, day 32767 is 16.09.2069; the numbers
 * count days without gaps, so comparing two day numbers compares the dates.
 * 0 (and any number outside 1 .. 32767) is "no date".
 *
 * Date texts are German: "dd.mm.yyyy", e.g. "12.03.2004".
 *
 * Amounts are whole numbers of hundredths; their text has a decimal point
 * and two decimals ("1234.50", "-0.05"), no thousands separators.
 */
#ifndef OX_HOSTAPI_OXTEXDEFS_H
#define OX_HOSTAPI_OXTEXDEFS_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_OXTEXDEFS)
#  define OXTEXDEFS_API OX_DLLEXPORT
#else
#  define OXTEXDEFS_API OX_DLLIMPORT
#endif

/* A calendar date (Gregorian). */
typedef struct TEXDEFS_DATUM {
    int32_t Tag;     /* 1 .. 31 */
    int32_t Monat;   /* 1 .. 12 */
    int32_t Jahr;    /* four digits, e.g. 2004 */
} TEXDEFS_DATUM;
#ifdef __cplusplus
static_assert(sizeof(TEXDEFS_DATUM) == 12, "three 32-bit fields");
#endif

enum {
    TEXDEFS_ERSTER_TAG = 1,       /* 01.01.1980 */
    TEXDEFS_LETZTER_TAG = 32767   /* 16.09.2069 */
};

/* Day number of `datum`: 1 .. 32767, or 0 when the date does not exist
 * (31.02., month 13), lies outside 01.01.1980 .. 16.09.2069 or `datum` is
 * null. */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_DatumToInteger(const TEXDEFS_DATUM* datum);

/* The date of day number `tag` into `datum`. 1 = done; 0 when `tag` is no
 * date (outside 1 .. 32767: `datum` is zeroed); -1 for a null `datum`. */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_IntegerToDatum(int32_t tag, TEXDEFS_DATUM* datum);

/* "dd.mm.yyyy" of `datum` into `text` of `size` bytes (11 bytes hold the
 * whole text; a smaller buffer gets its beginning). Returns the number of
 * characters stored; a date that does not exist gives an empty text and 0;
 * -1 for a null argument or a size below 1. */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_DatumToString(const TEXDEFS_DATUM* datum, char* text,
                                                              int32_t size);

/* Text of an amount of hundredths, e.g. 123450 -> "1234.50", -5 -> "-0.05",
 * into `text` of `size` bytes (13 bytes hold every value). Returns the
 * number of characters stored, -1 for a null text or a size below 1. */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_LongToKommaString(int32_t value, char* text, int32_t size);

/* Amount of hundredths of a text: blanks around it, an optional sign,
 * digits, optionally a decimal point or comma and further digits ("12",
 * "12,5", "12.50", ".5", "-3.999"). Beyond two decimals the amount is
 * rounded half away from zero. 1 = `*value` set; 0 = not an amount (empty,
 * other characters, out of the 32-bit range; `*value` = 0); -1 = null
 * argument. */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_KommaStringToLong(const char* text, int32_t* value);

#endif
