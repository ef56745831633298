/*
 * oxlistvw.h - the host's list-view library (OXLISTVW.DLL).
 *
 * Helpers around report-style list-view controls: columns whose widths are
 * kept in an INI file (one key per column, "SPALTE%02d", in the section the
 * caller names), and access to the selected, focused or double-clicked
 * item. Items carry the caller's value as item data (LPARAM).
 */
#ifndef OX_HOSTAPI_OXLISTVW_H
#define OX_HOSTAPI_OXLISTVW_H

#include <windows.h>
#include <commctrl.h>
#include "hostapi/hostdefs.h"

#if defined(BUILD_OXLISTVW)
#  define OXLISTVW_API OX_DLLEXPORT
#else
#  define OXLISTVW_API OX_DLLIMPORT
#endif

/* Inserts column `spalte` with title `titel` (left-aligned). Its width is
 * read from INI file `iniDatei`, section `sektion`, key "SPALTE%02d"; when
 * absent, not a number or outside 0 .. 4000 (or when `iniDatei` / `sektion`
 * is null) `breite` is used. Returns the column index or -1. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_AddColWidthText(HWND liste, int32_t spalte, const char* titel,
                                                                  int32_t breite, const char* iniDatei,
                                                                  const char* sektion);

/* The same with the title taken from string resource `stringId` of
 * `instanz`. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_AddColWidthString(HWND liste, int32_t spalte, HINSTANCE instanz,
                                                                    int32_t stringId, int32_t breite,
                                                                    const char* iniDatei, const char* sektion);

/* Writes the widths of columns 0..anzahl-1 into the INI file (keys as
 * above). Returns the number written, -1 for null arguments. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_WriteColWidths(HWND liste, int32_t anzahl, const char* iniDatei,
                                                                 const char* sektion);

/* Item data of the first selected item, or -1 when none is selected. */
OX_EXTERN_C OXLISTVW_API LPARAM OXCALL OXListView_GetSelectedITEM(HWND liste);

/* Index of the first selected item, or -1. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_GetSelectedIndex(HWND liste);

/* Deselects every item. 1. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_RemoveSelection(HWND liste);

/* Selects and focuses item `index`, scrolls it into view and flashes it
 * briefly. 1, or 0 for an index outside the list. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListview_Select_Show_FlashItem(HWND liste, int32_t index);

/* --- further helpers (items with their texts on demand, selections) ----- */

/* Adds the extended styles `stile` (LVS_EX_...) to those the list has.
 * Returns the extended styles it had before, -1 for a null list. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_SetExtendedStyle(HWND liste, DWORD stile);

/* Inserts an item at `index` (beyond the end: appended) whose texts the
 * list asks its parent for (LVN_GETDISPINFO, every column), with `daten`
 * as item data. Returns the index it got, -1 on failure. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_InsertItemCallback(HWND liste, int32_t index, LPARAM daten);

/* Item data of item `index`, or -1 for an index outside the list. */
OX_EXTERN_C OXLISTVW_API LPARAM OXCALL OXListView_GetItemData(HWND liste, int32_t index);

/* Number of selected items, -1 for a null list. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_GetSelectedCount(HWND liste);

/* Index of the first selected item behind `nach` (-1 = from the first
 * item), or -1 when there is none. A loop from -1 visits every selected
 * item in the order of the rows. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_GetNextSelected(HWND liste, int32_t nach);

/* Removes every item (their item data is the caller's and is not
 * touched). 1, or -1 for a null list. */
OX_EXTERN_C OXLISTVW_API int32_t OXCALL OXListView_DeleteAllItems(HWND liste);

#endif
