/*
 * oxinifile_host.h - calls of OXINIFILE.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxinifile.h.
 */
#ifndef OX_OXINIFILE_HOST_H
#define OX_OXINIFILE_HOST_H

#include "hostapi/oxinifile.h"

/* Sets the host's own INI file (the host program calls it once at start;
 * a relative name is made absolute). Makes it current and empties the stack.
 * 1 = set, -1 = null, empty or overlong name. */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI_SetIniFilename(const char* fileName);

/* The calls of hostapi/oxinifile.h on the file `fileName` instead of the
 * current file (as INI2_GetInt); the current file and the stack are not touched. An invalid file name gives
 * the default (reads) or -1 (writes). */
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI2_GetLong(const char* fileName, const char* section, const char* key,
                                                     int32_t defaultValue);
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI2_PutInteger(const char* fileName, const char* section,
                                                        const char* key, int32_t value);
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI2_GetString(const char* fileName, const char* section,
                                                       const char* key, char* buffer, int32_t size);
OX_EXTERN_C OXINIFILE_API int32_t OXCALL INI2_PutString(const char* fileName, const char* section,
                                                       const char* key, const char* value);

#endif
