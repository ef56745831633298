/*
 * oxlanguage.h - the host's dialog-language loader (OXLANGUAGE.DLL).
 *
 * The host runs in one user language (German or Dutch). Dialog templates
 * are looked up in that language first and in German (then any language)
 * when the module has no template for it.
 */
#ifndef OX_HOSTAPI_OXLANGUAGE_H
#define OX_HOSTAPI_OXLANGUAGE_H

#include <windows.h>
#include "hostapi/hostdefs.h"

#if defined(BUILD_OXLANGUAGE)
#  define OXLANGUAGE_API OX_DLLEXPORT
#else
#  define OXLANGUAGE_API OX_DLLIMPORT
#endif

enum { OXSPRACHE_DEUTSCH = 0, OXSPRACHE_NIEDERLAENDISCH = 1 };

/* The dialog template `dialogId` of module `instanz` in the user language
 * (see above), ready for DialogBoxIndirectParamA; null when the module
 * has no such template. The template stays valid while the module is
 * loaded; the caller does not free it. */
OX_EXTERN_C OXLANGUAGE_API const DLGTEMPLATE* OXCALL LoadDialogResource(HINSTANCE instanz, int32_t dialogId);

#endif
