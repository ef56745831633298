/*
 * viewdll_host.h - calls of VIEWDLL.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/viewdll.h.
 */
#ifndef OX_VIEWDLL_HOST_H
#define OX_VIEWDLL_HOST_H

#include "hostapi/viewdll.h"

/* Number of document lines a viewer window shows (0 or more), -1 when
 * `fenster` is not a viewer window. */
OX_EXTERN_C VIEWDLL_API int32_t OXCALL Viewer_AnzahlZeilen(HWND fenster);

/* Copies line `index` (0-based) of the viewer's document into `puffer`
 * (`groesse` bytes, always terminated). 1, 0 for an index outside, -1 when
 * `fenster` is not a viewer window or the buffer is null. */
OX_EXTERN_C VIEWDLL_API int32_t OXCALL Viewer_GetZeile(HWND fenster, int32_t index, char* puffer, int32_t groesse);

#endif
