/*
 * stringtabelle.h - the module's texts from its string table (German or
 * Dutch, whichever resource set the module was built with).
 *
 * StringLaden reads the string table (seitenhilfe.cpp, Win32); the native
 * build has no string table and gives empty texts. StringsVerbinden
 * (stringtabelle.cpp) builds on it and is free of system calls.
 */
#ifndef KTOXEDI_STRINGTABELLE_H
#define KTOXEDI_STRINGTABELLE_H

#include <stddef.h>

/* Loads string `id` of the module into `ziel` (`groesse` bytes; at most
 * groesse-1 characters). A missing string gives an empty text. Returns the
 * number of characters stored. */
int StringLaden(int id, char* ziel, size_t groesse);

/* Loads the strings `ids[0..anzahl-1]`, each with room for 255 characters,
 * and joins them into `ziel` (`groesse` bytes, cut when full). Where one
 * part ends and the next begins without a blank on either side, a blank is
 * put between them, so a text split over several strings reads as one. */
void StringsVerbinden(const int* ids, int anzahl, char* ziel, size_t groesse);

#endif
