/*
 * text.h - bounded text handling used all over the module.
 *
 * Every text of the module lives in a fixed buffer. These helpers never
 * write past the size they are given and always leave a terminator when the
 * size is at least 1. None of them needs windows.h.
 */
#ifndef KTOXEDI_TEXT_H
#define KTOXEDI_TEXT_H

#include <stddef.h>

/* Copies `quelle` into `ziel` of `groesse` bytes. Returns 1 when the whole
 * text fit, 0 when it was cut to groesse-1 characters, -1 when ziel is null
 * or groesse is 0 (nothing written). A null `quelle` counts as empty. */
int TextKopieren(char* ziel, size_t groesse, const char* quelle);

/* Appends `quelle` to the text in `ziel` (size `groesse`). Same results as
 * TextKopieren; a `ziel` without terminator inside `groesse` is cut first. */
int TextAnhaengen(char* ziel, size_t groesse, const char* quelle);

/* printf-style formatting into `ziel`; 1 = complete, 0 = cut, -1 = invalid. */
int TextFormat(char* ziel, size_t groesse, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

/* Length of `text`, but at most `groesse` (for fields that may lack a
 * terminator, such as fixed record fields). */
size_t TextLaenge(const char* text, size_t groesse);

/* "Cut to folder": walks from the last character to the left, overwriting
 * each with the terminator, until it meets '\\', '/' or ':' (that character
 * stays) or reaches the first character (index 0 is never erased). */
void PfadAufOrdnerKuerzen(char* pfad);

/* The file name part of `pfad`: what follows its last '\\', '/' or ':'
 * (all of it when there is none; "" for a null path). */
const char* PfadDateiname(const char* pfad);

/* The parent folder of the host's program-data directory, with its trailing
 * separator: from "C:\\A\\B\\" or "C:\\A\\B\\x.dat" it gives "C:\\A\\".
 * `ziel` must hold `groesse` bytes; the host path is taken with at most 259
 * characters. The EDI folders are made inside this folder. */
void EdiElternordner(char* ziel, size_t groesse, const char* hostVerzeichnis);

#endif
