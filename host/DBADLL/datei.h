/*
 * datei.h - the thin file layer under the store: positional reads and
 * writes, size, cutting, a writer lock between processes, flushing. One
 * implementation for Windows, one for POSIX systems, so the store itself
 * builds and runs natively as well.
 *
 * Paths are ANSI texts; on Windows both separators work.
 */
#ifndef DBA_DATEI_H
#define DBA_DATEI_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dba {

class Datei {
public:
    Datei() = default;
    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;

    /* Opens `pfad` for reading and writing, shared with other handles and
     * processes; with `anlegen` a missing file is created empty. */
    bool Oeffnen(const std::string& pfad, bool anlegen);
    void Schliessen();
    bool Offen() const;

    /* Reads up to `n` bytes at `pos`; *gelesen gets the count (short at the
     * end of the file). False on an error. */
    bool Lesen(uint64_t pos, void* puffer, size_t n, size_t* gelesen) const;
    /* Reads exactly `n` bytes at `pos`; false when fewer are there. */
    bool LesenGanz(uint64_t pos, void* puffer, size_t n) const;
    /* Writes all `n` bytes at `pos` (extending the file). */
    bool Schreiben(uint64_t pos, const void* puffer, size_t n);

    int64_t Groesse() const;              /* -1 on error */
    bool Kuerzen(uint64_t laenge);        /* sets the length (also longer: zeros) */
    bool Flush();

    /* Maps the first `n` bytes of the file read-only (the file must be at
     * least that long); the view follows every later write to those bytes,
     * also other processes'. Null when mapping is not possible; an earlier
     * view of this object is given up only once the new one is made (so
     * on failure it stays as it was). The view goes with Schliessen. */
    const unsigned char* Abbilden(uint64_t n);
    const unsigned char* Ansicht() const { return static_cast<const unsigned char*>(ansicht_); }
    uint64_t AnsichtGroesse() const { return ansichtGroesse_; }

    /* Writer lock between processes (a byte far beyond any file end, so
     * readers are never blocked). Sperren waits. */
    bool Sperren();
    void Entsperren();

private:
    void AbbildLoesen();
#if defined(_WIN32)
    void* h_ = nullptr;
    void* abbildung_ = nullptr;
#else
    int fd_ = -1;
#endif
    void* ansicht_ = nullptr;
    uint64_t ansichtGroesse_ = 0;
};

/* Folder helpers. OrdnerAnlegen creates every missing level. */
bool OrdnerExistiert(const std::string& pfad);
bool OrdnerAnlegen(const std::string& pfad);
bool DateiExistiert(const std::string& pfad);
bool DateiLoeschen(const std::string& pfad);
/* Full, normalised form of a path (the key under which a process shares
 * one store object). */
std::string VollerPfad(const std::string& pfad);

} // namespace dba

#endif
