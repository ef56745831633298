/*
 * hostdefs.h - common ground of every host library declaration.
 *
 * The module reaches the ORDANEX host only through the host's libraries
 * (one DLL each) and through the callbacks of the parameter block. Every
 * header in this folder declares the calls of one library, with the
 * record layouts the module relies on.
 *
 * Rules shared by all of them:
 *  - calls use the host's calling convention, OXCALL (stdcall on Windows);
 *  - host handles are 32-bit integers (HOSTHANDLE), -1 marks a closed store;
 *  - results are integers: 1 = success/found, 0 = not found, -1 = invalid
 *    or not open, counts and numbers greater than 0;
 *  - records are byte-packed (#pragma pack(push, 1)) where the host fixes
 *    offsets, and their sizes are checked with static_assert;
 *  - texts are ANSI (cp1252) in fixed buffers; the size is always passed
 *    or fixed by the record, and no call writes past it.
 *
 * Each library's header defines <LIB>_API: dllexport while that library is
 * built (BUILD_<LIB>), dllimport everywhere else. Off Windows (the native
 * build used for sanitizers and fuzzing) both are empty.
 */
#ifndef OX_HOSTDEFS_H
#define OX_HOSTDEFS_H

#include <stdint.h>
#include <stddef.h>

#if defined(_WIN32)
#  define OXCALL __stdcall
#  define OX_DLLEXPORT __declspec(dllexport)
#  define OX_DLLIMPORT __declspec(dllimport)
#else
#  define OXCALL
#  define OX_DLLEXPORT __attribute__((visibility("default")))
#  define OX_DLLIMPORT
#endif

#ifdef __cplusplus
#  define OX_EXTERN_C extern "C"
#else
#  define OX_EXTERN_C
#endif

typedef int32_t HOSTHANDLE;      /* store/file/list handle of the host, -1 = closed */
typedef int32_t OXBOOL;          /* 0 / non-0 */

/* Text buffer sizes used throughout the host's records. */
enum {
    OX_TXT_CODE = 5,     /* characteristic code, 4 characters */
    OX_TXT_ILN = 14,     /* ILN/GLN, 13 characters */
    OX_TXT_25 = 25,
    OX_TXT_32 = 32,
    OX_TXT_36 = 36,
    OX_TXT_64 = 64,
    OX_TXT_256 = 256,
    OX_TXT_PATH = 260
};

#endif
