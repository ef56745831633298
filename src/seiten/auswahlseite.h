/*
 * auswahlseite.h - the tab page "Auswahl" (dialog 109): the catalogue
 * files waiting in the EDI import folder, narrowed to one supplier or all,
 * and the choice of the catalogue to import.
 *
 * Choosing a file sets the header of the main window and AusgewaehlteDatei
 * (selection change), the current supplier and the catalogue's sender ILN
 * (click), and on a double click moves on to the "Filter" page. The page
 * also holds the options "Nach Adressdaten suchen" and "Datei nach Import
 * in Sicherungsordner verschieben" ("EDIIMPORTER" keys, written when the
 * page is left).
 *
 * The list entries (KATALOGDATEI_EINTRAG) are taken from the host's
 * storage library. A refill releases the entries of the earlier filling
 * except the chosen one (AuswahlEintrag stays valid); the page window's
 * end releases all of them and sets AuswahlEintrag to none.
 *
 * Sorting by a column header is kept while the call runs: a refill (a new
 * supplier, coming back to the page) shows the files in the same order, so
 * the remembered item index names the same file again.
 */
#ifndef KTOXEDI_AUSWAHLSEITE_H
#define KTOXEDI_AUSWAHLSEITE_H

#include <windows.h>
#include "hostapi/hostdefs.h"

/*
 * Empties list view `liste` and fills it with the catalogue files of
 * EdiImportPfad: first the ".INH" files, then the ".PRI" files, each in
 * the order the file search gives them, every one with an entry read from
 * its header line (KatalogKopfLesen). With `lieferant` above 0 only files
 * whose ILN belongs to that supplier (LieferantZuIln) are listed. The
 * page's sort order, when one was chosen, is applied afterwards. Returns
 * the number of items. Needs the call context.
 */
int32_t AuswahlListeFuellen(HWND liste, int32_t lieferant);

/* Releases every list entry of the call (see above). */
void AuswahlEintraegeFreigeben(void);

#endif
