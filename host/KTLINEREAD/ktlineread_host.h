/*
 * ktlineread_host.h - calls of KTLINEREAD.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/ktlineread.h.
 */
#ifndef OX_KTLINEREAD_HOST_H
#define OX_KTLINEREAD_HOST_H

#include "hostapi/ktlineread.h"

/* Reader over the first `length` bytes of `text` (a NUL byte among them is
 * an ordinary character that ends no token, but the texts handed out end
 * at it). Returns the handle or 0. */
OX_EXTERN_C KTLINEREAD_API HOSTHANDLE OXCALL LR_NewSized(const char* text, int32_t length, const char* separators);

/* Number of readers not yet destroyed (for tests that prove release). */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_OpenReaders(void);

#endif
