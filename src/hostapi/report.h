/*
 * report.h - the host's print-document library (REPORT.DLL).
 *
 * A print document is a named list of text lines made by the host (the
 * module only creates it and hands it on); the print viewer (VIEWDLL)
 * shows and prints it. Documents are opaque to the caller.
 */
#ifndef OX_HOSTAPI_REPORT_H
#define OX_HOSTAPI_REPORT_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"

#if defined(BUILD_REPORT)
#  define REPORT_API OX_DLLEXPORT
#else
#  define REPORT_API OX_DLLIMPORT
#endif

typedef struct B_DOC B_DOC;

/* A new empty document named `name` (the report's layout name, cut to 63
 * characters) owned by window `besitzer` (may be null). Null when memory is
 * short or the name is null. */
OX_EXTERN_C REPORT_API B_DOC* OXCALL B_DOC_NewDocument(const char* name, HWND besitzer);

/* Releases the document (null is allowed). A viewer showing it keeps its
 * own copy. 1. */
OX_EXTERN_C REPORT_API int32_t OXCALL B_DOC_DestroyDocument(B_DOC* dokument);

#endif
