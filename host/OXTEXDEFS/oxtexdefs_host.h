/*
 * oxtexdefs_host.h - calls of OXTEXDEFS.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxtexdefs.h.
 */
#ifndef OX_OXTEXDEFS_HOST_H
#define OX_OXTEXDEFS_HOST_H

#include "hostapi/oxtexdefs.h"

/* Today's local date as a day number (0 outside the range). */
OX_EXTERN_C OXTEXDEFS_API int32_t OXCALL TEXDEFS_Heute(void);

#endif
