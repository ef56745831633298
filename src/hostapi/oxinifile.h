/*
 * oxinifile.h - the host's INI library (OXINIFILE.DLL).
 *
 * Settings files in the classic INI form: "[section]" lines, "key=value"
 * lines, ";" or "#" comment lines. Section and key names are compared
 * without regard to case (ASCII and the cp1252 letters); the first of two
 * equal keys counts. Values are cp1252 text and are kept byte for byte; a
 * value with blanks at either end is written in double quotes, which are
 * removed again when it is read.
 *
 * The current file. The INI_ calls work on the library's current file; the
 * INI2_ calls name their file. The host's own file is chosen, in this order:
 *   1. the name the host program set with INI_SetIniFilename;
 *   2. the name in the environment variable ORDANEX_INI;
 *   3. "ORDANEX.INI" in the folder of the running program.
 * INI_Init makes the host's own file current again (emptying the stack).
 * Until the first INI_Init or INI_SetIniFilename the host's own file is
 * current as well, so a library user that never calls INI_Init still works
 * on it. INI_StackIniFileName makes another file current for a while (a
 * supplier's field map) and INI_UnstackIniFileName returns to the one
 * before. The current file is one for the whole process.
 *
 * Reading. Every read opens the file anew, so a write by another process is
 * seen at once. A missing file reads as an empty file. Lines may end in
 * CR LF, LF or CR, the last line needs no line end; lines of any length and
 * bytes of any value are read without harm (a NUL byte inside a value ends
 * the value's text). Every text result is cut to the caller's buffer.
 *
 * Writing. A write reads the file, changes the one line (or adds the key at
 * the end of its section, or the section at the end of the file) and
 * replaces the file as a whole: the new content goes to a temporary file in
 * the same folder, is flushed to the disk and then takes the file's place
 * in one step, so a crash leaves either the old or the new file, never a
 * half-written one. Everything else in the file is kept byte for byte; new
 * lines take the line end the file already uses (CR LF for a new file). A
 * missing folder is not created. Section names must not contain "]" or a
 * line break, keys no "=" or line break and must not begin with "[", ";" or
 * "#", values no line break: such writes are refused (-1).
 *
 * Names: section, key and file name texts are bounded: sections and keys at
 * 255 characters, file names at 259.
 */
#ifndef OX_HOSTAPI_OXINIFILE_H
#define OX_HOSTAPI_OXINIFILE_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_OXINIFILE)
#  define OXINIFILE_API OX_DLLEXPORT
#else
#  define OXINIFILE_API OX_DLLIMPORT
#endif

/* --- choosing the file --------------------------------------------------- */

/* Makes the host's own file current and empties the stack (see above).
 * `instance` is the caller's module instance and `reserved` must be 0;
 * neither changes the choice. Returns 1. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_Init(void* instance, int32_t reserved);

/* Writes the full name of the current file into `buffer`, which must hold
 * OX_TXT_PATH (260) bytes; at most 259 characters and the terminator are
 * written. Returns the length, -1 for a null buffer. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_GetIniFilename(char* buffer);

/* Makes `fileName` the current file until INI_UnstackIniFileName; the
 * file before it is kept on a stack (at most 16 deep). Returns 1 when the
 * file exists and is now current, 0 when it does not exist (nothing
 * changes), -1 for a null, empty or overlong name or a full stack. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_StackIniFileName(const char* fileName);

/* Returns to the file that was current before the last successful
 * INI_StackIniFileName. 1 = done, -1 = the stack is empty. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_UnstackIniFileName(void);

/* Splits `path` into folder (with its last "\", "/" or ":") and name, like
 * FileIO_Separate: each output (may be null) written with at most size-1
 * characters. 1 = done, 0 = a part was cut, -1 = null path. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_SeparateFile(const char* path, char* folder, int32_t folderSize,
                                                         char* name, int32_t nameSize);

/* --- the current file ----------------------------------------------------- */

/* Integer value of `key` in `section`: an optional sign and decimal digits,
 * blanks around them allowed, anything after the digits ignored. The
 * default is returned when the key is missing, its value empty, not a
 * number or outside the 32-bit range. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_GetInt(const char* section, const char* key, int32_t defaultValue);

/* INI_GetInt with default 0. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_GetInteger(const char* section, const char* key);

/* Same as INI_GetInt (the host's "long" is 32 bits). */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_GetLong(const char* section, const char* key, int32_t defaultValue);

/* Writes `value` in decimal. 1 = written, 0 = the file could not be
 * written, -1 = invalid section or key. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_PutInteger(const char* section, const char* key, int32_t value);
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_PutLong(const char* section, const char* key, int32_t value);

/* Text value of `key` into `buffer` of `size` bytes (at most size-1
 * characters, always terminated). Returns the number of characters stored
 * (0 when the key is missing or empty: the buffer is then empty), -1 for a
 * null buffer or a size below 1. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_GetString(const char* section, const char* key, char* buffer,
                                                      int32_t size);

/* Writes a text value. 1 = written, 0 = the file could not be written,
 * -1 = invalid section, key or value. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_PutString(const char* section, const char* key, const char* value);

/* Text value with a default: `defaultValue` (may be null = empty) is stored
 * when the key is missing. With `hostFile` 1 the host's own file is read
 * even while another file is stacked; with 0 the current file. Returns the
 * number of characters stored, -1 for a null buffer or a size below 1. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_LoadStringINI(const char* section, const char* key,
                                                          const char* defaultValue, char* buffer, int32_t size,
                                                          int32_t hostFile);

/* --- a named file ---------------------------------------------------------- */

/* GetInt on the file `fileName` instead of the current file; the current
 * file and the stack are not touched. An invalid file name gives the
 * default. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI2_GetInt(const char* fileName, const char* section, const char* key,
                                                    int32_t defaultValue);

#endif
