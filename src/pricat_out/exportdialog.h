/*
 * exportdialog.h - dialog 1003 "Artikelstammdaten Export".
 */
#ifndef KTOXEDI_EXPORTDIALOG_H
#define KTOXEDI_EXPORTDIALOG_H

#include <windows.h>
#include <stddef.h>

/* Dialog procedure of dialog 1003. "Abbrechen" ends the dialog with 1. */
INT_PTR CALLBACK ExportDialogProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

/* The export folder of the running call: the folder "EDI_EXPORT" beside
 * the host's program-data folder, with trailing backslash when `mitTrenner`
 * is 1. */
void ExportOrdnerErmitteln(char* ziel, size_t groesse, int mitTrenner);

#endif
