/*
 * seitendienst.h - the "Importieren" page's service to the engine on a
 * real window: questions as message boxes, the table-kind and VAT combos
 * and the Standard box read and set through their messages, the host's
 * slot calls made with the page's window.
 */
#ifndef KTOXEDI_SEITENDIENST_H
#define KTOXEDI_SEITENDIENST_H

#include "kontext/seitenstand.h"

/* The service over a dialog window (a window that does not hold a control
 * answers -1, so the engine falls back to the mirrors). The call context
 * gets a copy when it is filled, without window (questions then have no
 * owner); the import page puts its window and its refresh calls into the
 * copy when it opens. */
extern const SEITEN_DIENST g_FensterSeitenDienst;

#endif
