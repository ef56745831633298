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

#endif
