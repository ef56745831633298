/*
 * oxglobdlg_host.h - calls of OXGLOBDLG.DLL beyond those the module makes: the
 * stand-in host, the other host libraries and the tests use them. The
 * calls the module makes, and the records, are in hostapi/oxglobdlg.h.
 */
#ifndef OX_OXGLOBDLG_HOST_H
#define OX_OXGLOBDLG_HOST_H

#include "hostapi/oxglobdlg.h"

/* Short and long text of a characteristic record joined ("code text") into
 * `ausgabe` (64 bytes). Returns the length. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_Concat_KurzUndLangtext(const MERKMAL_SATZ* satz, char* ausgabe);

#endif
