/*
 * fileio_host.h - calls of FILEIO.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/fileio.h.
 */
#ifndef OX_FILEIO_HOST_H
#define OX_FILEIO_HOST_H

#include "hostapi/fileio.h"

/* Cuts the file at the position (everything behind it is dropped).
 * 1 = done, -1 = invalid handle or failure. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_SetEnd(HOSTHANDLE file);

/* Number of handles currently open (for tests that prove files are closed). */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_OpenHandles(void);

#endif
