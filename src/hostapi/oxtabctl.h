/*
 * oxtabctl.h - the host's tab-control library (OXTABCTL.DLL).
 *
 * Runs the pages of a tab control as child dialogs. The owner creates one
 * library handle per tab control and stores it as the main window's user
 * data (SetWindowLongPtr GWLP_USERDATA); the calls that take the main
 * window find the handle there. Each page has four functions: initialise
 * (runs every time the page is entered), leave (every time it is left),
 * its dialog procedure and a colour function. The library always runs the
 * current page's leave function before the next page's initialise
 * function, and on exit.
 */
#ifndef OX_HOSTAPI_OXTABCTL_H
#define OX_HOSTAPI_OXTABCTL_H

#include <windows.h>
#include "hostapi/hostdefs.h"

#if defined(BUILD_OXTABCTL)
#  define OXTABCTL_API OX_DLLEXPORT
#else
#  define OXTABCTL_API OX_DLLIMPORT
#endif

/* Page initialise: the page window, the main window, the page's tab index
 * and the value given to OXTabCtl_AddChild. Result 1 (not used further). */
typedef int32_t (OXCALL *OXTAB_SEITE_INIT)(HWND seite, HWND hauptfenster, int32_t index, LPARAM wert);
/* Page leave: the page window. Result 1 (not used further). */
typedef int32_t (OXCALL *OXTAB_SEITE_EXIT)(HWND seite);
/* Page colour function for WM_CTLCOLOR... messages: (page, message, device
 * context, control window) -> a brush after setting the colours, or null
 * for the system default. */
typedef HBRUSH (OXCALL *OXTAB_SEITE_FARBE)(HWND seite, UINT nachricht, HDC dc, HWND steuerelement);

/* Makes a library handle for tab control `tabFenster` (a child of the main
 * window); the pages' templates are taken from `instanz`. Returns the
 * handle (> 0) or 0. */
OX_EXTERN_C OXTABCTL_API HOSTHANDLE OXCALL OXTabCtl_Create(HINSTANCE instanz, HWND tabFenster);

/* Creates the page from dialog template `dialogId` (hidden) and adds its tab
 * with the template's caption as title; tabs are numbered 0, 1, ... in
 * the order of the calls. `init`, `exit` and `farbe` may be null. Returns
 * the tab index, -1 for an unknown handle or a template that cannot be
 * created. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_AddChild(HOSTHANDLE handle, int32_t dialogId, OXTAB_SEITE_INIT init,
                                                         OXTAB_SEITE_EXIT exit, DLGPROC prozedur, OXTAB_SEITE_FARBE farbe);

/* Shows page 0 and runs its initialise function. 1, or -1 when the main
 * window carries no handle. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_OnTabDlgInit(HWND hauptfenster);

/* After the tab control's selection changed (TCN_SELCHANGE): leaves the
 * current page (its leave function), shows the selected one and runs its
 * initialise function. 1, or -1 without handle. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_OnSelChanged(HWND hauptfenster);

/* Leaves the current page (its leave function); the page stays as it is.
 * Call it before the main window ends. 1, or -1 without handle. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_OnTabDlgExit(HWND hauptfenster);

/* Switches to page `index` from code: selects the tab of control
 * `tabId` and proceeds as OXTabCtl_OnSelChanged. 1, 0 for an index
 * without page, -1 without handle. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_SetTabIndex(HWND hauptfenster, int32_t tabId, int32_t index);

/* Releases the handle and destroys its page windows. 1, or -1. */
OX_EXTERN_C OXTABCTL_API int32_t OXCALL OXTabCtl_Destroy(HOSTHANDLE handle);

#endif
