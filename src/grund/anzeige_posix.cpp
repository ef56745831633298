/*
 * anzeige_posix.cpp - the display of lengthy steps off Windows (the native
 * build, see anzeige.h): there is no cursor to change, and a message goes
 * to the error output with its title, so that nothing shown on Windows is
 * lost natively.
 */
#include "grund/anzeige.h"

#include <stdio.h>

void* AnzeigeSanduhr(void)
{
    return nullptr;
}

void AnzeigeCursorZurueck(void* vorher)
{
    (void)vorher;
}

void AnzeigeMeldung(void* besitzer, const char* titel, const char* text, int fehler)
{
    (void)besitzer;
    fprintf(stderr, "%s%s: %s\n", fehler ? "error: " : "", titel != nullptr ? titel : "", text != nullptr ? text : "");
}
