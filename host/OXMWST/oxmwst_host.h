/*
 * oxmwst_host.h - calls of OXMWST.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxmwst.h.
 */
#ifndef OX_OXMWST_HOST_H
#define OX_OXMWST_HOST_H

#include "hostapi/oxmwst.h"

/* Stores the percentage of rate `satz` (hundredths of a percent, 0 to
 * 10000). 1 = stored, -1 for a number or value out of range. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_SetMWST_Wert(int32_t satz, int32_t hundertstel);

#endif
