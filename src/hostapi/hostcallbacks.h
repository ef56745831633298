/*
 * hostcallbacks.h - the 26 callbacks the host passes in the parameter block.
 *
 * The host calls the module with a table of its own functions. Arguments
 * are 32-bit values (addresses of output records are pointers, windows are
 * window handles); the calling convention is the host's (WINAPI). What each
 * one does inside the host is the host's business; the comments say what
 * the module relies on.
 */
#ifndef OX_HOSTCALLBACKS_H
#define OX_HOSTCALLBACKS_H

#include <windows.h>
#include "hostapi/hostdefs.h"

/* Supplier picker: (kind 8, calling window, 0 from the selection page or -1
 * from the export) -> chosen supplier number, 0 or less = none. */
typedef int32_t (WINAPI *HOSTFUNKTION01)(int32_t art, HWND fenster, int32_t herkunft);
/* Characteristic number for (kind, code text); 0 = none. */
typedef int32_t (WINAPI *HOSTFUNKTION02)(int32_t art, const char* code);
/* (value, value, output record) -> non-zero = found. */
typedef int32_t (WINAPI *HOSTFUNKTION03)(int32_t wert1, int32_t wert2, void* ausgabe);
typedef int32_t (WINAPI *HOSTFUNKTION04)(int32_t wert1, int32_t wert2, void* ausgabe);
/* (value, value) -> read by one caller. */
typedef int32_t (WINAPI *HOSTFUNKTION05)(int32_t wert1, int32_t wert2);
/* (value, value, output record) -> 1 = found. */
typedef int32_t (WINAPI *HOSTFUNKTION06)(int32_t wert1, int32_t wert2, void* ausgabe);
/* (value, code 0x1005/0x1006/0x1007) -> stored by the caller. */
typedef int32_t (WINAPI *HOSTFUNKTION07)(int32_t wert, int32_t code);
/* (number, flag 0 taken / 1 released). */
typedef int32_t (WINAPI *HOSTFUNKTION08)(int32_t nummer, int32_t flag);
typedef int32_t (WINAPI *HOSTFUNKTION09)(int32_t nummer, int32_t flag);
/* (number). */
typedef int32_t (WINAPI *HOSTFUNKTION10)(int32_t nummer);
typedef int32_t (WINAPI *HOSTFUNKTION11)(int32_t nummer);
/* Caption a characteristic button: (page, control id, kind 3/4/5, default caption). */
typedef int32_t (WINAPI *HOSTFUNKTION12)(HWND seite, int32_t id, int32_t art, const char* text);
typedef int32_t (WINAPI *HOSTFUNKTION13)(HWND seite, int32_t id, int32_t art, const char* text);
/* (value, kind 3/4/5). */
typedef int32_t (WINAPI *HOSTFUNKTION14)(int32_t wert, int32_t art);
/* Characteristic record for (kind, number) into a 54-byte record: code text
 * from byte 8, description from byte 13. 1 = found. */
typedef int32_t (WINAPI *HOSTFUNKTION15)(int32_t art, int32_t nummer, void* ausgabe);
typedef int32_t (WINAPI *HOSTFUNKTION16)(int32_t wert);
typedef int32_t (WINAPI *HOSTFUNKTION17)(int32_t wert);
typedef int32_t (WINAPI *HOSTFUNKTION18)(int32_t wert);
/* Kept, never called. */
typedef int32_t (WINAPI *HOSTFUNKTION19)(void);
/* Characteristic number for (kind, text). */
typedef int32_t (WINAPI *HOSTFUNKTION20)(int32_t art, const char* text);
typedef int32_t (WINAPI *HOSTFUNKTION21)(int32_t wert1, int32_t wert2, int32_t wert3, int32_t wert4);
typedef int32_t (WINAPI *HOSTFUNKTION22)(int32_t wert1, int32_t wert2, int32_t wert3,
                                         int32_t wert4, int32_t wert5, int32_t wert6);
/* (value, 1) -> a handle kept by the caller. */
typedef int32_t (WINAPI *HOSTFUNKTION23)(int32_t wert, int32_t eins);
typedef int32_t (WINAPI *HOSTFUNKTION24)(int32_t handle);
typedef int32_t (WINAPI *HOSTFUNKTION25)(int32_t handle, void* ausgabe);
/* (host window, print document, list) -> read. */
typedef int32_t (WINAPI *HOSTFUNKTION26)(HWND fenster, void* dokument, int32_t liste);

#endif
