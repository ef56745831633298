/*
 * report_host.h - calls of REPORT.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/report.h.
 */
#ifndef OX_REPORT_HOST_H
#define OX_REPORT_HOST_H

#include "hostapi/report.h"

/* Appends one line (cut to 255 characters). 1, or -1 for null. */
OX_EXTERN_C REPORT_API int32_t OXCALL B_DOC_AddZeile(B_DOC* dokument, const char* zeile);

/* Number of lines (0 or more), -1 for null. */
OX_EXTERN_C REPORT_API int32_t OXCALL B_DOC_AnzahlZeilen(const B_DOC* dokument);

/* Copies line `index` (0-based) into `puffer` (`groesse` bytes, always
 * terminated). 1, 0 for an index outside, -1 for null. */
OX_EXTERN_C REPORT_API int32_t OXCALL B_DOC_GetZeile(const B_DOC* dokument, int32_t index, char* puffer, int32_t groesse);

#endif
