/*
 * oxlistvw_host.h - calls of OXLISTVW.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxlistvw.h.
 */
#ifndef OX_OXLISTVW_HOST_H
#define OX_OXLISTVW_HOST_H

#include "hostapi/oxlistvw.h"

/* For an NM_DBLCLK notification of the list: the item data of the item
 * that was double-clicked, or -1 (click beside the items, null arguments,
 * another notification). */
OX_EXTERN_C OXLISTVW_API LPARAM OXCALL OXListView_GetDoubleClickedItem(HWND liste, const NMHDR* nachricht);

#endif
