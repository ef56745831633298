/*
 * ktstorage.h - the host's memory library (KTSTORAGE.DLL).
 *
 * Blocks handed out here are zero-filled and stay valid until they are
 * given back with Storage_Deallocate. The library keeps count of the blocks
 * and bytes that are out, so a test can prove that a call released what it
 * took. Large blocks (the call context, size/colour tables) are taken
 * straight from the system's page allocator, so they cost no copy and no
 * explicit clearing.
 *
 * All calls may be made from any thread.
 */
#ifndef OX_HOSTAPI_KTSTORAGE_H
#define OX_HOSTAPI_KTSTORAGE_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_KTSTORAGE)
#  define KTSTORAGE_API OX_DLLEXPORT
#else
#  define KTSTORAGE_API OX_DLLIMPORT
#endif

/*
 * Allocates a block of `size` bytes (1 .. 2^31-1), every byte zero.
 * Returns the block, or null when `size` is 0 or negative or the memory is
 * not available. Nothing is counted for a failed request.
 */
OX_EXTERN_C KTSTORAGE_API void* OXCALL Storage_Allocate(int32_t size);

/*
 * Gives a block back. Returns 1 when `block` was a block of this library
 * and is now released, 0 for a null block, -1 for an address this library
 * did not hand out or that was already given back (nothing is done then).
 */
OX_EXTERN_C KTSTORAGE_API int32_t OXCALL Storage_Deallocate(void* block);

#endif
