/*
 * ablage.h - the table store's few system calls (ablage.cpp): the store
 * file opened shared, reads and writes at a position, its size, cutting
 * it back, a read-only view, the writers' lock, putting a fresh file in
 * place, the clock. Windows uses the ANSI functions; elsewhere POSIX.
 *
 * Paths are ANSI texts as the data folder gives them (DBA_GetDatenPfad):
 * on POSIX systems "\" is taken as "/", so a data folder set as
 * "/srv/daten" (the store adds "\") names "/srv/daten/OXTABELLEN.DAT".
 */
#ifndef OX_OXTABELLE_ABLAGE_H
#define OX_OXTABELLE_ABLAGE_H

#include <cstdint>
#include <string>

namespace ablage {

/* An open file; null = none. */
using Datei = void*;

/* Opens (creating when missing) `pfad` for reading and writing, shared
 * with other handles and processes. Null on failure. While a file is open
 * this way, Ersetzen of it by another handle is refused. */
Datei Oeffnen(const std::string& pfad);
/* Creates `pfad` empty (replacing a file there), not shared. */
Datei NeuAnlegen(const std::string& pfad);
void Schliessen(Datei d);

/* Exactly `n` bytes at `position`; false when fewer could be read. */
bool LesenAn(Datei d, uint64_t position, void* puffer, uint32_t n);
/* All `n` bytes at `position` (extending the file). */
bool SchreibenAn(Datei d, uint64_t position, const void* puffer, uint32_t n);
/* The file's length, 0 when it cannot be told. */
uint64_t Groesse(Datei d);
/* Sets the file's length. */
bool Kuerzen(Datei d, uint64_t laenge);
bool Flush(Datei d);

/* The writers' lock: one byte far behind any data, taken exclusively
 * (waits); held per open file, so two handles of one process exclude each
 * other as two processes do. */
bool Sperren(Datei d);
void Entsperren(Datei d);

/* A read-only view of the first bytes of a file. */
struct Ansicht {
    void* abbildung = nullptr;            /* the mapping object (Windows) */
    const unsigned char* daten = nullptr;
    uint64_t laenge = 0;
};
/* Maps the first `n` bytes of `d` into `a`, giving up the earlier view of
 * `a` only once the new one is made. False when it cannot be mapped. */
bool Abbilden(Datei d, uint64_t n, Ansicht& a);
void AnsichtLoesen(Ansicht& a);

/* Puts the file `neu` in place of `alt`, which `offen` has open: only when
 * no other handle of any process has `alt` open. On success `offen` is
 * closed (and null); on failure `neu` is removed and `offen` stays. */
bool Ersetzen(Datei& offen, const std::string& neu, const std::string& alt);
bool Loeschen(const std::string& pfad);
/* Creates the folder `ordner` (one level) when it is missing. */
void OrdnerAnlegen(const std::string& ordner);

/* Now as a FILETIME (100 ns since 1601-01-01, UTC). */
uint64_t Jetzt();

/* Runs `lauf` on a thread of its own (it never returns). Windows only: a
 * POSIX build starts none and answers false, so the store lets the
 * writers' lock go after each append. */
bool HintergrundStarten(void (*lauf)());

} // namespace ablage

#endif
