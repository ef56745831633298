/*
 * ktstorage_host.h - calls of KTSTORAGE.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/ktstorage.h.
 */
#ifndef OX_KTSTORAGE_HOST_H
#define OX_KTSTORAGE_HOST_H

#include "hostapi/ktstorage.h"

/* Number of blocks handed out and not yet given back. */
OX_EXTERN_C KTSTORAGE_API int32_t OXCALL Storage_OutstandingBlocks(void);

/* Sum of the sizes of the blocks handed out and not yet given back. */
OX_EXTERN_C KTSTORAGE_API int64_t OXCALL Storage_OutstandingBytes(void);

/*
 * Size of a block handed out by Storage_Allocate and not yet given back,
 * or -1 for any other address.
 */
OX_EXTERN_C KTSTORAGE_API int32_t OXCALL Storage_BlockSize(const void* block);

#endif
