/*
 * eancom.h - the EANCOM converter: PRICAT and DESADV messages (D.96A,
 * D.01B and the directories between) of an EDIFACT interchange become the
 * module's own file families, written through the EDI record library:
 *  - a PRICAT message: a catalogue file (header line, one catalogue record
 *    per LIN line) and the supplier's address file beside it (".ADR");
 *  - a DESADV message: a despatch advice file (".DES": header line, the
 *    delivery note head, one record per delivered position).
 * docs/eancom.md gives the mapping of every segment and element.
 *
 * Every message is checked whole before its files take their final names:
 * they are written under working names ("~<name>.TMP") and renamed when
 * the message's UNT has been read and matched. A message that cannot be
 * mapped is refused whole; a LIN line that cannot be used is dropped with
 * a warning and the message goes on. Every value of the source that the
 * output cannot carry and every segment passed over is a warning line
 * naming the file, segment number and byte offset.
 *
 * Nothing is overwritten that the run has read or made: sources and
 * outputs are compared by file identity (not by path text) across the
 * whole run (EANCOM_LAUFDATEIEN); an output whose name is taken by one of
 * them gets "_2", "_3", ... added to its name. A file of the name from an
 * earlier run is replaced, and the report says so.
 *
 * No windows.h; builds natively and for Windows.
 */
#ifndef KTOXEDI_EANCOM_H
#define KTOXEDI_EANCOM_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include "grund/dateisystem.h"

enum {
    EANCOM_PFAD = 520,           /* bytes of a path or name buffer */
    EANCOM_ZEILE = 640,          /* bytes of a report line */
    EANCOM_LAUF_DATEIEN = 4096   /* identities one run remembers */
};

/* Kinds of report lines. */
enum {
    EANCOM_HINWEIS = 0,          /* what came of a file */
    EANCOM_WARNUNG = 1,          /* something not carried, passed over, dropped */
    EANCOM_ABGELEHNT = 2         /* a message or file refused */
};

/* The files a run has read or made, by identity. Zero it before the run. */
typedef struct EANCOM_LAUFDATEIEN {
    int32_t Anzahl;
    DATEI_KENNUNG Kennung[EANCOM_LAUF_DATEIEN];
} EANCOM_LAUFDATEIEN;

/* A report line. */
typedef void (*EancomMeldenFn)(void* daten, int art, const char* zeile);
/* A file made. With a target folder: `name` is its final path, `bytes`
 * null, `ende` 1. Without one (memory mode): the file's bytes in pieces,
 * `ende` 0 for a piece, 1 when complete, -1 when discarded. */
typedef void (*EancomDateiFn)(void* daten, const char* name, const char* bytes, size_t n, int ende);
/* Now and then while a file is read: bytes read, file size. */
typedef void (*EancomFortschrittFn)(void* daten, uint64_t gelesen, uint64_t groesse);
/* The supplier's GLN for an interchange sender that is no GLN (the
 * retailer's table of sender ids): 1 = found (`gln` set), 0 = none. */
typedef int (*EancomSenderFn)(void* daten, const char* sender, char gln[14]);

/* One conversion: the caller zeroes it, sets the callbacks it wants and
 * reads the counts afterwards. */
typedef struct EANCOM_ERGEBNIS {
    /* set by the caller (each may be null) */
    EancomMeldenFn Melden;
    EancomDateiFn Datei;
    EancomFortschrittFn Fortschritt;
    EancomSenderFn Sender;
    void* Daten;                     /* handed to every callback */
    EANCOM_LAUFDATEIEN* Lauf;        /* the run's files; null = this file alone */
    /* filled by the conversion */
    int32_t Nachrichten;             /* messages (UNH) met */
    int32_t Umgesetzt;               /* of them converted */
    int32_t Abgelehnt;               /* of them refused */
    int32_t Warnungen;               /* warning lines */
    int32_t Verworfen;               /* LIN lines dropped */
    int32_t Dateien;                 /* files made */
    int32_t Variationen;             /* catalogue records written */
    int32_t Positionen;              /* despatch positions written */
} EANCOM_ERGEBNIS;

/*
 * Converts the interchange file `quelle` into `zielOrdner` (with a
 * trailing separator). Returns 0 = every message converted, 1 = some
 * messages refused, 2 = nothing converted (the file cannot be read, is no
 * interchange, or every message was refused).
 */
int EancomDateiUmsetzen(const char* quelle, const char* zielOrdner, EANCOM_ERGEBNIS* e);

/* The same for `groesse` bytes at `daten`, named `name` in the report.
 * With an empty `zielOrdner` nothing is written to disk: the files go to
 * e->Datei (tests, fuzzing). */
int EancomSpeicherUmsetzen(const char* daten, size_t groesse, const char* name, const char* zielOrdner,
                           EANCOM_ERGEBNIS* e);

/* 1 when the first `n` bytes of a file look like an EDIFACT interchange
 * or a bare message: an optional byte-order mark, blank lines and a line
 * of a mail or transfer header, then "UNA", "UNB" or "UNH". */
int EancomErkennen(const char* kopf, size_t n);

/* 1 when the file `pfad` starts like an interchange (its first 512
 * bytes through EancomErkennen), 0 otherwise or when it cannot be read. */
int EancomDateiErkennen(const char* pfad);

/* A GTIN of 8, 12, 13 or 14 digits with a correct check digit as the 13
 * characters of an EAN field (a GTIN-14 with indicator digit 0 as its
 * GTIN-13). 1 = done; 0 = not a GTIN; -1 = a GTIN-14 with another
 * indicator digit (a trade unit of several pieces: no EAN field takes it);
 * -2 = the check digit is wrong. */
int EancomGtin13(const char* gtin, size_t n, char aus[14]);

/* Registers the identity of `pfad` in the run's files (before the run
 * converts anything, every source of the run). 1 = registered. */
int EancomLaufDatei(EANCOM_LAUFDATEIEN* lauf, const char* pfad);

/* Opens a dated report file in `ordner` ("EANCOM-<YYYYMMDD>-<HHMMSS>.TXT",
 * "-2" ... added when taken), its path into `pfad`. Null when it cannot be
 * made. The caller writes the lines and closes it with fclose. */
FILE* EancomBerichtOeffnen(const char* ordner, char* pfad, size_t groesse);

#endif
