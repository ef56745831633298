/*
 * anzeige.cpp (native) - no cursor to show.
 */
#include "grund/anzeige.h"

void* AnzeigeSanduhr(void)
{
    return nullptr;
}

void AnzeigeCursorZurueck(void*) {}
