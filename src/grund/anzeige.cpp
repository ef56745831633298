/*
 * anzeige.cpp - the hourglass cursor of the catalogue readers.
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
