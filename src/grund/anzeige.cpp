/*
 * anzeige.cpp - the hourglass cursor of the module's lengthy steps.
 */
#include "grund/anzeige.h"

#include <windows.h>

void* AnzeigeSanduhr(void)
{
    return (void*)SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_WAIT));
}

void AnzeigeCursorZurueck(void* vorher)
{
    SetCursor((HCURSOR)vorher);
}

void AnzeigeMeldung(void* besitzer, const char* titel, const char* text, int fehler)
{
    MessageBoxA((HWND)besitzer, text, titel, MB_OK | (fehler ? MB_ICONERROR : 0));
}
