/*
 * viewdll.h - the host's print viewer (VIEWDLL.DLL).
 */
#ifndef OX_HOSTAPI_VIEWDLL_H
#define OX_HOSTAPI_VIEWDLL_H

#include <windows.h>
#include "hostapi/hostdefs.h"
#include "hostapi/report.h"

#if defined(BUILD_VIEWDLL)
#  define VIEWDLL_API OX_DLLEXPORT
#else
#  define VIEWDLL_API OX_DLLIMPORT
#endif

/* Creates a top-level viewer window titled `titel` (null = empty) showing a
 * copy of `dokument`, owned by `besitzer` (may be null). The window is
 * created hidden; the caller shows and updates it. The window frees its copy
 * when it is closed. Returns the window or null. */
OX_EXTERN_C VIEWDLL_API HWND OXCALL Viewer_CreatePrinterWindow(const char* titel, const B_DOC* dokument, HWND besitzer);

/* The viewer lays its copy out in pages of VIEWER_ZEILEN_JE_SEITE lines,
 * each page headed by its number ("Seite n von m"). */
#define VIEWER_ZEILEN_JE_SEITE 60

/* Number of document lines a viewer window shows (0 or more), -1 when
 * `fenster` is not a viewer window. */
OX_EXTERN_C VIEWDLL_API int32_t OXCALL Viewer_AnzahlZeilen(HWND fenster);

/* Copies line `index` (0-based) of the viewer's document into `puffer`
 * (`groesse` bytes, always terminated). 1, 0 for an index outside, -1 when
 * `fenster` is not a viewer window or the buffer is null. */
OX_EXTERN_C VIEWDLL_API int32_t OXCALL Viewer_GetZeile(HWND fenster, int32_t index, char* puffer, int32_t groesse);

#endif
