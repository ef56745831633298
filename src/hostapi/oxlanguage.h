/*
 * oxlanguage.h - OXLANGUAGE, the host's dialog-language loader.
 *
 * Dialog templates may exist in several languages inside a module. The
 * loader hands out the template of a dialog id in the user's language.
 */
#ifndef OX_OXLANGUAGE_H
#define OX_OXLANGUAGE_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_OXLANGUAGE)
#  define OXLANGUAGE_API OX_DLLEXPORT
#else
#  define OXLANGUAGE_API OX_DLLIMPORT
#endif

/* Returns the dialog template `dialogId` of module `instanz` in the user's
 * language: the calling thread's UI language first, then German, then any
 * language the module carries. The template stays valid as long as the
 * module is loaded. Null when the module has no such dialog. */
OX_EXTERN_C OXLANGUAGE_API const void* OXCALL LoadDialogResource(void* instanz, int32_t dialogId);

/* The language the loader prefers: the thread's UI language. */
OX_EXTERN_C OXLANGUAGE_API uint16_t OXCALL OXLanguage_UserLanguage(void);

#endif
