/*
 * stringtabelle.cpp - texts joined from several strings of the string table.
 */
#include "kontext/stringtabelle.h"

#include <string.h>

#include "grund/text.h"

void StringsVerbinden(const int* ids, int anzahl, char* ziel, size_t groesse)
{
    if (ziel == nullptr || groesse == 0)
        return;
    ziel[0] = '\0';
    for (int i = 0; ids != nullptr && i < anzahl; i++) {
        char teil[256];
        StringLaden(ids[i], teil, sizeof teil);
        if (teil[0] == '\0')
            continue;
        size_t laenge = strlen(ziel);
        if (laenge > 0 && ziel[laenge - 1] != ' ' && teil[0] != ' ')
            TextAnhaengen(ziel, groesse, " ");
        TextAnhaengen(ziel, groesse, teil);
    }
}
