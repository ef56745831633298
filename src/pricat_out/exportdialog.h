/*
 * exportdialog.h - dialog 1003 "Artikelstammdaten Export" and its info text
 * dialog 1007.
 *
 * The user picks one supplier (button "Lieferant:" with the host's picker,
 * or the supplier number typed into the edit beside it) or types "ALLE",
 * sets the options, optionally a name extension and an info text, and
 * exports with OK; the dialog stays open until "Abbrechen". The options
 * "Adressdaten" and "BLE-Nummern" are written to the INI file the moment
 * they change; "Pflegekennzeichen" starts ticked at every opening. A name
 * extension and an info text belong to one supplier: choosing another
 * supplier drops them, and they are offered again from the export folder's
 * "ZUSATZINFOS" where the export keeps them. After an export that wrote
 * records, the FTP upload is offered when FTP access data are given.
 */
#ifndef KTOXEDI_EXPORTDIALOG_H
#define KTOXEDI_EXPORTDIALOG_H

#include <windows.h>
#include <stddef.h>

#include "pricat_out/pricatexport.h"

/* Dialog procedure of dialog 1003. "Abbrechen" ends the dialog with 1. */
INT_PTR CALLBACK ExportDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

/* Dialog procedure of dialog 1007 (the info text): OK keeps the text in
 * the context's ZusatzinfoText (at most 29999 characters) and ends with 1,
 * "Abbrechen" ends with 0. */
INT_PTR CALLBACK InfotextDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

#endif
