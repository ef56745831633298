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

/* Copies the fixed record field `feld` of `breite` bytes (terminated inside
 * or filled to its width) into `aus` (`groesse` bytes), cut to groesse-1
 * characters. Returns the number of characters stored; nothing is written
 * when `aus` is null or `groesse` is 0. */
size_t FeldKopieren(const char* feld, size_t breite, char* aus, size_t groesse);

/* Upper-cases `text` in place in the ANSI code page 1252, the mapping the
 * system's CharUpperA applies there: a-z, the accented small letters
 * 0xE0..0xFE (not 0xF7), and the pairs 0x9A/0x8A, 0x9C/0x8C, 0x9E/0x8E,
 * 0xFF/0x9F; "ß" and every other byte stay. */
void TextGross(char* text);

/* One character of TextGross. */
unsigned char ZeichenGross(unsigned char c);

/* FNV-1a of the text `text` (null counts as empty), continued from `h`:
 * TEXT_STREUWERT_ANFANG starts a fresh value. For hash tables and tags,
 * not for anything kept on disk. */
enum : unsigned { TEXT_STREUWERT_ANFANG = 2166136261u };
unsigned TextStreuwert(unsigned h, const char* text);

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

/* The EDI folder `name` ("EDI_IMPORT", "EDI_EXPORT") beside the host's
 * program-data folder: EdiElternordner of `hostVerzeichnis` + `name`, with
 * a trailing backslash when `mitTrenner` is 1; cut to `groesse` bytes. */
void EdiOrdnerPfad(char* ziel, size_t groesse, const char* hostVerzeichnis, const char* name, int mitTrenner);

#endif
