/*
 * oxlanguage_host.h - calls of OXLANGUAGE.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxlanguage.h.
 */
#ifndef OX_OXLANGUAGE_HOST_H
#define OX_OXLANGUAGE_HOST_H

#include "hostapi/oxlanguage.h"

/* Sets the user language (OXSPRACHE_...). Returns the previous one, -1 for
 * an unknown value (nothing changes). */
OX_EXTERN_C OXLANGUAGE_API int32_t OXCALL OXLANGUAGE_SetSprache(int32_t sprache);

#endif
