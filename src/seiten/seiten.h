/*
 * seiten.h - the tab pages of the main import window.
 *
 * Pages are registered with the tab-control library in a fixed order that
 * gives their tab index: "Auswahl" (109), "Filter" (102), "Standard" (108),
 * "Importieren" (110). Each page brings its template and four functions:
 * initialise (run each time the page is entered), leave (each time it is
 * left), its dialog procedure and its colour function.
 */
#ifndef KTOXEDI_SEITEN_H
#define KTOXEDI_SEITEN_H

#include <windows.h>
#include "hostapi/hostdefs.h"

/* Adds the pages that this build of the module carries, in tab order, to
 * the tab-control library's handle. Returns the number of pages added. */
int SeitenAnmelden(HOSTHANDLE tabBibliothek);

#endif
