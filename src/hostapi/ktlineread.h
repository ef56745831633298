/*
 * ktlineread.h - the host's line reader (KTLINEREAD.DLL).
 *
 * A reader hands out the tokens of a text one after the other. A token ends
 * at any one of the reader's separator characters; separators are not
 * merged, so "a;;b" gives "a", "" and "b", and a separator at the very end
 * ends the last token without starting another ("a;b;" gives "a" and "b").
 * Tokens are given as they stand (no blanks removed).
 *
 * A reader works either on a text (LR_New: the text is copied, the caller's
 * buffer is not needed afterwards) or on a file (LR_OpenFile: the file is
 * read line by line). On a text, LR_NextLine takes the rest of the current
 * line and tokens go on behind it; on a file, LR_NextLine reads the next
 * line of the file and the tokens come from that line.
 *
 * Every text result is cut to the caller's buffer; a token or line of any
 * length is consumed whole even when only its beginning fits. Readers are
 * named by positive 32-bit handles; 0 means "no reader". A handle may be
 * used by one thread at a time.
 */
#ifndef OX_HOSTAPI_KTLINEREAD_H
#define OX_HOSTAPI_KTLINEREAD_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_KTLINEREAD)
#  define KTLINEREAD_API OX_DLLEXPORT
#else
#  define KTLINEREAD_API OX_DLLIMPORT
#endif

/* Reader over the zero-terminated `text` with the separator characters of
 * the zero-terminated `separators` (empty: the whole text is one token).
 * Returns the handle, or 0 when either is null or memory is short. */
OX_EXTERN_C KTLINEREAD_API HOSTHANDLE OXCALL LR_New(const char* text, const char* separators);

/* Reader over the file `path`, line by line (lines end at CR LF, LF or CR;
 * a line is kept up to 1 MiB, the rest of a longer one is skipped). No
 * line is current until the first LR_NextLine. Returns the handle, or 0 when
 * the file cannot be opened. */
OX_EXTERN_C KTLINEREAD_API HOSTHANDLE OXCALL LR_OpenFile(const char* path, const char* separators);

/* Next line into `buffer` of `size` bytes (at most size-1 characters, the
 * line end left out). Returns 1 when a line was there (also an empty one),
 * 0 at the end, -1 for an invalid handle, buffer or size. */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_NextLine(HOSTHANDLE reader, char* buffer, int32_t size);

/* Next token into `buffer`, which must hold OX_TXT_256 (256) bytes: at most
 * 255 characters are stored. 1 = a token (possibly empty), 0 = no token
 * left, -1 = invalid handle or null buffer. */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_NextString(HOSTHANDLE reader, char* buffer);

/* Next token into `buffer` of `size` bytes (at most size-1 characters).
 * Results as LR_NextString; -1 also for a size below 1. */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_NextStringSized(HOSTHANDLE reader, char* buffer, int32_t size);

/* Next token as a number: blanks, optional sign, at least one decimal
 * digit, anything behind the digits ignored. Returns 1 with `*value` set,
 * 0 when no token is left or the token is not a number in the 32-bit range
 * (`*value` = 0; the token is consumed all the same), -1 for an invalid
 * handle or a null `value`. */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_NextLong(HOSTHANDLE reader, int32_t* value);

/* Releases the reader (and closes its file). 1 = done, -1 = invalid handle. */
OX_EXTERN_C KTLINEREAD_API int32_t OXCALL LR_Destroy(HOSTHANDLE reader);

#endif
