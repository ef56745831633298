/*
 * hauptfenster.h - the main import window "EDI Import" (dialog 107).
 */
#ifndef KTOXEDI_HAUPTFENSTER_H
#define KTOXEDI_HAUPTFENSTER_H

#include <windows.h>
#include "kontext/ktoxedi.h"

/* Dialog procedure of dialog 107. */
INT_PTR CALLBACK HauptfensterProc(HWND fenster, UINT nachricht, WPARAM wParam, LPARAM lParam);

/* Colour function of dialog 107 (WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC). */
INT_PTR HauptfensterFarbe(HWND fenster, UINT nachricht, HDC dc, HWND steuerelement);

#endif
