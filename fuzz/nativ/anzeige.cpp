/*
 * anzeige.cpp (native) - no cursor and no message to show.
 */
#include "grund/anzeige.h"

void* AnzeigeSanduhr(void)
{
    return nullptr;
}

void AnzeigeCursorZurueck(void*) {}
void AnzeigeMeldung(void*, const char*, const char*, int) {}
