/*
 * preisaenderung.h - item price changes, labels and the price-change list.
 *
 * During an import the import page keeps the host's EDI change store open
 * and appends one change record per changed article (aenderungssatz.h).
 * When the main import window closes and the store holds records, dialog
 * 1005 "Einzelteiländerungen und Etiketten" applies the changes to every
 * stock item, writes label requests and prints the price-change list; the
 * change store is emptied after each completed run.
 */
#ifndef KTOXEDI_PREISAENDERUNG_H
#define KTOXEDI_PREISAENDERUNG_H

#include <windows.h>
#include <stdint.h>

#include "pricechange/aenderungssatz.h"

/*
 * Applies the loaded change records to all stock items (dialog 1005 with
 * window `dialog`, whose progress bar 1159 shows the item position; may be
 * null). Reads the records, opens the description, item and extra stores
 * (and the label file when labels are wanted), takes the changes over
 * block by block, collects the price-change list, writes label requests,
 * closes everything, deletes the change store and asks the host window to
 * print the labels (WM_COMMAND 548) when labels were written.
 * Returns the number of changed items, 0 when none, -1 when nothing could
 * be done (no memory or no records; the change store then stays).
 */
int32_t EinzelteileAendern(HWND dialog);

/* Prints the price-change list when that option is on and the list is not
 * empty (print document "EDIPREISAENDERUNG", filled by HostFunktion26,
 * shown in the host's viewer); then destroys the list. */
void PreisaenderungslisteDrucken(void);

/* Called when the main import window closes: when the host's EDI change
 * store holds records, runs dialog 1005 "Einzelteiländerungen und
 * Etiketten" modally over `besitzer`. Without records nothing is shown.
 * Returns the dialog's result, 0 when it was not shown. */
INT_PTR PreisaenderungenAnbieten(HWND besitzer);

/* The procedure of dialog 1005 (for tests that create it themselves). */
INT_PTR CALLBACK EinzelteilAenderungenProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

#endif
