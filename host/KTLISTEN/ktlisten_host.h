/*
 * ktlisten_host.h - calls of KTLISTEN.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/ktlisten.h.
 */
#ifndef OX_KTLISTEN_HOST_H
#define OX_KTLISTEN_HOST_H

#include "hostapi/ktlisten.h"

/* Number of lists not yet destroyed (for tests that prove release). */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_OpenLists(void);

#endif
