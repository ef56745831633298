/*
 * anzeige.cpp (native) - no cursor to show.
 */
#include "pricat_in/anzeige.h"

void* AnzeigeSanduhr(void)
{
    return nullptr;
}

void AnzeigeCursorZurueck(void*) {}
