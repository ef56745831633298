/*
 * texdefs_core.h - calendar arithmetic and amount texts, without any
 * system call.
 */
#ifndef OX_TEXDEFS_CORE_H
#define OX_TEXDEFS_CORE_H

#include <stdint.h>

/* 1 when day/month/year is an existing Gregorian date (years 1 .. 9999). */
int32_t texdefs_date_valid(int32_t day, int32_t month, int32_t year);

/* Days since 01.01.1970 of an existing date (any sign). */
int64_t texdefs_days_from_civil(int32_t day, int32_t month, int32_t year);

/* Inverse of texdefs_days_from_civil. */
void texdefs_civil_from_days(int64_t days, int32_t* day, int32_t* month, int32_t* year);

/* Host day number (1 = 01.01.1980) of a date, 0 when not a date or out of
 * range. */
int32_t texdefs_day_number(int32_t day, int32_t month, int32_t year);

/* Date of a host day number; 0 when out of range. */
int32_t texdefs_date_of(int32_t dayNumber, int32_t* day, int32_t* month, int32_t* year);

/* Formats hundredths as "-1234.56" into `text` (at least 13 bytes). */
void texdefs_format_amount(int32_t value, char* text);

/* Parses an amount text into hundredths; 1 = done. */
int32_t texdefs_parse_amount(const char* text, int32_t* value);

#endif
