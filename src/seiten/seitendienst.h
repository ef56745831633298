/*
 * seitendienst.h - the "Importieren" page's service to the engine on a
 * real window: questions as message boxes, the table-kind and VAT combos
 * and the Standard box read and set through their messages.
 */
#ifndef KTOXEDI_SEITENDIENST_H
#define KTOXEDI_SEITENDIENST_H

#include "kontext/seitenstand.h"

/* The service over the page's dialog window (a page window that does not
 * hold a control answers -1, so the engine falls back to the mirrors). The
 * call context gets it when it is filled. */
extern const SEITEN_DIENST g_FensterSeitenDienst;

#endif
