/*
 * desadv.h - inner parts of the DESADV import, for tests.
 */
#ifndef KTOXEDI_DESADV_H
#define KTOXEDI_DESADV_H

#include <windows.h>

/* Starts a program the way the DESADV import shows its error report
 * ("notepad <file>", shown maximised). Tests may replace it to see the
 * command line without a window being opened. */
typedef UINT (WINAPI *PROGRAMMSTARTER)(LPCSTR befehl, UINT anzeige);
extern PROGRAMMSTARTER g_DesadvProgrammStarter;

#endif
