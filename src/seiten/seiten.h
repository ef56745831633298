/*
 * seiten.h - the tab pages of the main import window, in one table.
 *
 * Pages are registered with the tab-control library in a fixed order that
 * gives their tab index: "Auswahl" (109), "Filter" (102), "Standard" (108),
 * "Importieren" (110). Each page is one SEITE record: its template and four
 * functions, initialise (run each time the page is entered), leave (each
 * time it is left), its dialog procedure and its colour function. What a
 * page does beyond that is in its own header (auswahlseite.h,
 * filterseite.h, importseite_intern.h).
 */
#ifndef KTOXEDI_SEITEN_H
#define KTOXEDI_SEITEN_H

#include <windows.h>
#include "hostapi/hostdefs.h"
#include "hostapi/oxtabctl.h"

typedef struct SEITE {
    int DialogId;
    OXTAB_SEITE_INIT Initialisieren;
    OXTAB_SEITE_EXIT Verlassen;
    DLGPROC Prozedur;
    OXTAB_SEITE_FARBE Farbe;
} SEITE;

/* "Auswahl": the catalogue files of the EDI import folder (auswahlseite.h). */
extern const SEITE g_AuswahlSeite;
/* "Filter": the rows of the chosen catalogue, narrowed (filterseite.h). */
extern const SEITE g_FilterSeite;
/* "Standard" (dialog 108): the default
 * characteristic per kind for keywords the import cannot map, and the
 * import rules of section "BERECHNUNGEN".
 *
 * Every rule is written to the INI file the moment its control changes.
 * The defaults are stored on "Standardmerkmale zuweisen", for the supplier
 * of the chosen catalogue (1058 ticked), for all imports (1057 ticked), or
 * both. Without a read catalogue, a supplier and a chosen file the page
 * shows the stored values but lets nothing be changed. */
extern const SEITE g_StandardSeite;
/* "Importieren": the row-by-row import of the chosen catalogue
 * (importseite_intern.h). */
extern const SEITE g_ImportSeite;

/* Adds the pages that this build of the module carries, in tab order, to
 * the tab-control library's handle. Returns the number of pages added. */
int SeitenAnmelden(HOSTHANDLE tabBibliothek);

#endif
