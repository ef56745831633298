/*
 * fileio.h - the host's file library (FILEIO.DLL).
 *
 * Paths are ANSI texts (the system's ANSI code page, cp1252) in Windows
 * form; "\" and "/" both separate folders. Paths of 260 characters or more
 * are refused.
 *
 * Open files are named by handles: positive 32-bit numbers that are valid in
 * the whole process until FileIO_Close (every host library that works on a
 * file the module reads - the stock item store, the DESADV error report -
 * hands out such a handle). -1 is never a valid handle and is what the open
 * calls return on failure. A handle number is not given out twice in one
 * process, so a stale handle is recognised (-1 results) rather than reaching
 * another file.
 *
 * Positions and sizes are 32-bit: files of 2 GiB and more are not supported.
 * All calls may be made from any thread; one handle should be used by one
 * thread at a time.
 */
#ifndef OX_HOSTAPI_FILEIO_H
#define OX_HOSTAPI_FILEIO_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_FILEIO)
#  define FILEIO_API OX_DLLEXPORT
#else
#  define FILEIO_API OX_DLLIMPORT
#endif

#pragma pack(push, 1)
/* A time stamp as the file system keeps it: 100-ns intervals since
 * 1.1.1601 UTC, low word first (the layout of the Win32 FILETIME). */
typedef struct FILEIO_ZEIT {
    uint32_t Low;
    uint32_t High;
} FILEIO_ZEIT;

/* One match of a file search. */
typedef struct FILEIO_FUNDSTELLE {
    uint32_t Attribute;          /* FILEIO_ATTR_... bits */
    FILEIO_ZEIT Geschrieben;     /* last write, UTC */
    uint32_t GroesseLow;         /* size in bytes, low and high word */
    uint32_t GroesseHigh;
    char Name[OX_TXT_PATH];      /* name without folder */
} FILEIO_FUNDSTELLE;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(FILEIO_ZEIT) == 8, "FILEIO_ZEIT has the layout of a FILETIME");
static_assert(sizeof(FILEIO_FUNDSTELLE) == 280, "FILEIO_FUNDSTELLE is byte-packed");
#endif

enum {
    FILEIO_ATTR_SCHREIBGESCHUETZT = 0x01,
    FILEIO_ATTR_VERSTECKT = 0x02,
    FILEIO_ATTR_ORDNER = 0x10
};

/* --- folders and whole files -------------------------------------------- */

/* 1 when `path` names an existing folder (a trailing separator is allowed),
 * 0 when not, -1 for a null, empty or overlong path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_PathExist(const char* path);

/* Creates the folder `path` together with every missing folder above it.
 * Returns 1 when the folder exists afterwards (also when it existed before),
 * 0 when it could not be created (a file of that name, no access, no drive),
 * -1 for a null, empty or overlong path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_PathCreate(const char* path);

/* 1 when `path` names an existing file (not a folder), 0 when not, -1 for a
 * null, empty or overlong path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_Exist(const char* path);

/* Deletes the file `path` (a write-protected file as well). 1 = deleted,
 * 0 = not there or not deletable, -1 = invalid path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_DeleteFile(const char* path);

/* Copies file `source` to `target`. With `failIfExists` non-zero an existing
 * target is kept and the result is 0; with 0 it is overwritten. The target's
 * folder must exist. 1 = copied, 0 = failed, -1 = invalid path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_CopyFile(const char* source, const char* target,
                                                     int32_t failIfExists);

/* Renames or moves file `source` to `target`, replacing an existing target
 * (also across drives, by copy and delete). 1 = moved, 0 = failed,
 * -1 = invalid path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_MoveFile(const char* source, const char* target);

/* Time stamps of the file or folder `path`: creation, last access and last
 * write, each in UTC; any pointer may be null. 1 = filled, 0 = no such
 * file (the stamps are zeroed), -1 = invalid path. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_TimeInfo(const char* path, FILEIO_ZEIT* created,
                                                     FILEIO_ZEIT* accessed, FILEIO_ZEIT* written);

/*
 * Splits `path` behind its last "\", "/" or ":" into the folder part (with
 * that separator, e.g. "C:\EDI\") and the name part ("A.INH"). A path
 * without separator has an empty folder part. Either output may be null;
 * each is written with at most size-1 characters and always terminated.
 * Returns 1, or 0 when a part had to be cut, -1 for a null path.
 */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_Separate(const char* path, char* folder, int32_t folderSize,
                                                     char* name, int32_t nameSize);

/* --- open files ---------------------------------------------------------- */

/* Opens an existing file for reading; others may read and write it
 * meanwhile. The position is 0. Returns the handle or -1. */
OX_EXTERN_C FILEIO_API HOSTHANDLE OXCALL FileIO_OpenROS(const char* path);

/* Opens an existing file for reading and writing, shared with other
 * readers and writers. The position is 0. Returns the handle or -1. */
OX_EXTERN_C FILEIO_API HOSTHANDLE OXCALL FileIO_OpenRWS(const char* path);

/* Creates the file (an existing one is emptied) for reading and writing,
 * shared. The folder must exist. Returns the handle or -1. */
OX_EXTERN_C FILEIO_API HOSTHANDLE OXCALL FileIO_CreateRWS(const char* path);

/* Closes the file. 1 = closed, -1 = not an open handle. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_Close(HOSTHANDLE file);

/* Reads up to `size` bytes at the position into `buffer` and moves the
 * position on. Returns the number of bytes read (0 at the end of the file),
 * -1 for an invalid handle, buffer or size, or a read error. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_Read(HOSTHANDLE file, void* buffer, int32_t size);

/* Writes `size` bytes from `buffer` at the position, extending the file as
 * needed, and moves the position on. Returns the number of bytes written
 * (less than `size` only on a write error such as a full disk), -1 for an
 * invalid handle or a file opened for reading only. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_Write(HOSTHANDLE file, const void* buffer, int32_t size);

/* Moves the position to byte `position` from the start (0 or more; beyond
 * the end is allowed, a later write fills the gap with zeros). Returns the
 * new position or -1. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_SetPos(HOSTHANDLE file, int32_t position);

/* Moves the position to `distance` bytes before the end (0 = the end, for
 * appending). Returns the new position or -1 (also when `distance` is
 * negative or larger than the file). */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_SetPosFromEnd(HOSTHANDLE file, int32_t distance);

/* Size of the open file in bytes, or -1. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_GetSize(HOSTHANDLE file);

/* --- file search ---------------------------------------------------------- */

/*
 * Starts a search for `pattern` (a folder and a name with "*" and "?",
 * e.g. "C:\EDI_IMPORT\*.INH") and fills `found` with the first match, in
 * the order the file system gives. The entries "." and ".." are never
 * reported; folders are (attribute FILEIO_ATTR_ORDNER). Returns a search
 * handle (positive) to pass to FileIO_FindNextFile and FileIO_FindClose, or
 * -1 when nothing matches or the pattern is invalid (nothing to close then).
 */
OX_EXTERN_C FILEIO_API HOSTHANDLE OXCALL FileIO_FindFirstFile(const char* pattern, FILEIO_FUNDSTELLE* found);

/* Next match: 1 = `found` filled, 0 = no further match, -1 = invalid handle. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_FindNextFile(HOSTHANDLE search, FILEIO_FUNDSTELLE* found);

/* Ends a search. 1 = ended, -1 = invalid handle. */
OX_EXTERN_C FILEIO_API int32_t OXCALL FileIO_FindClose(HOSTHANDLE search);

#endif
