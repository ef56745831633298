/*
 * gen_intern.h - helpers shared by the parts of the generator.
 */
#ifndef OXGEN_INTERN_H
#define OXGEN_INTERN_H

#include <stdint.h>

#include <string>

#include "hostapi/hostdefs.h"

/* A file written through FILEIO with a buffer of its own. */
typedef struct GEN_DATEI {
    HOSTHANDLE Handle;
    std::string Puffer;
    int64_t Geschrieben;
    bool Fehler;
} GEN_DATEI;

/* Creates `pfad` (and its folder) anew. False when it cannot be made. */
bool GenDateiAnlegen(GEN_DATEI* d, const std::string& pfad);
void GenDateiSchreiben(GEN_DATEI* d, const char* daten, size_t n);
void GenDateiSchreiben(GEN_DATEI* d, const std::string& text);
/* Writes what is buffered and closes. False when anything failed. */
bool GenDateiSchliessen(GEN_DATEI* d);

/* A whole file in one go. */
bool GenDateiInhalt(const std::string& pfad, const std::string& inhalt);

/* The folder part of `pfad` (with trailing separator), "" when none. */
std::string GenOrdnerVon(const std::string& pfad);
/* Creates folder `ordner` and its parents. */
bool GenOrdnerAnlegen(const std::string& ordner);

/* True for `anzahl` of `gesamt` indexes, spread evenly; `versatz` shifts the
 * pattern so that different edge cases hit different indexes. */
bool GenTrifft(int64_t i, int64_t anzahl, int64_t gesamt, int64_t versatz);

/* Damages a record line (with its line end) in one of several ways, chosen
 * by `art` (0..3): a changed character, a cut line, a line over 2000 bytes,
 * two lines run together (`zweite` is the second). */
std::string GenBeschaedigen(const std::string& zeile, const std::string& zweite, int art, uint64_t zufall);

/* The EDI import folder beside a host data folder ("...\DATEN\" gives
 * "...\EDI_IMPORT\"). */
std::string GenImportOrdner(const std::string& datenOrdner);

/* "\n" -> "\r\n" (a text-mode write). */
std::string GenTextmodus(const std::string& text);

#endif
