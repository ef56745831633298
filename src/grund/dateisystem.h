/*
 * dateisystem.h - what the module asks of the file system beyond opening
 * and reading: which file a path names (so that two paths to one file are
 * known as one, whatever link or spelling leads there), whether a path is
 * a folder, renaming with replacement, the plain files of a folder.
 * dateisystem.cpp implements them with Win32 and, for the native build,
 * with POSIX calls.
 */
#ifndef KTOXEDI_DATEISYSTEM_H
#define KTOXEDI_DATEISYSTEM_H

#include <stddef.h>
#include <stdint.h>

/* The identity of a file: volume serial and file index (Windows), device
 * and inode (elsewhere). Two paths name one file when both agree. */
typedef struct DATEI_KENNUNG {
    uint64_t Geraet;
    uint64_t Nummer;
} DATEI_KENNUNG;

/* The identity of the file or folder `pfad`: 1 = found, 0 = no such file. */
int DateiKennung(const char* pfad, DATEI_KENNUNG* kennung);

/* 1 when both identities name the same file. */
int GleicheDatei(const DATEI_KENNUNG* a, const DATEI_KENNUNG* b);

/* 1 when `pfad` is a folder. */
int IstOrdner(const char* pfad);

/* Renames `alt` to `neu`, replacing a file of that name. 1 = done. */
int DateiUmbenennen(const char* alt, const char* neu);

/* Calls `jede` for the name (without folder) of each plain file in
 * `ordner` (with its trailing separator), in ascending byte order of the
 * names, at most `hoechstens` names. Returns the number of names handed
 * out, -1 when the folder cannot be read. */
typedef void (*DateiNameFn)(void* daten, const char* name);
int OrdnerDateien(const char* ordner, int hoechstens, DateiNameFn jede, void* daten);

/* The folder separator of the system ('\\' on Windows, '/' elsewhere). */
char Ordnertrenner(void);

#endif
