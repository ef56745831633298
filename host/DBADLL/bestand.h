/*
 * bestand.h - one store of the master-data library: a record file plus the
 * in-memory index its family keeps, shared by every handle of the process.
 *
 * A family derives from Bestand and tells it how a slot's bytes enter its
 * index (Geladen) and how to forget everything (Leeren). Bestand keeps the
 * index at the file's generation: Sync() re-reads just the slots other
 * handles or processes wrote since, or everything when it fell behind.
 *
 * Locking: a family call takes the store's mutex (threads of this process)
 * and, for writes, the file's writer lock (other processes) through Sperre,
 * which also syncs the index, so a write is decided on the newest state.
 */
#ifndef DBA_BESTAND_H
#define DBA_BESTAND_H

#include "satzdatei.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace dba {

/* Open-addressing map from 64-bit keys (not 0, not ~0) to slot numbers. */
class ZahlIndex {
public:
    const uint32_t* Finde(uint64_t schluessel) const;
    void Setze(uint64_t schluessel, uint32_t wert);
    void Entferne(uint64_t schluessel);
    void Leeren();
    size_t Anzahl() const { return n_; }

private:
    size_t Platz(uint64_t schluessel) const;
    void Wachsen();
    std::vector<uint64_t> k_;
    std::vector<uint32_t> v_;
    size_t n_ = 0;
    size_t belegt_ = 0;   /* entries plus tombstones */
};

class Bestand {
public:
    virtual ~Bestand() = default;

    /* Opens (creates) the record file and loads the index. */
    bool Oeffnen(const std::string& pfad, uint32_t satzGroesse, uint32_t startAnzahl = 0);

    /* Brings the index to the file's current generation. Mutex held. */
    bool Sync();

    /* Writes the pieces (Sperre held) and feeds them into the index. */
    bool Schreibe(const std::vector<SatzDatei::Teil>& teile, uint32_t neueAnzahl);

    /* Runs `lesen()` - which finds slots in the index and reads them with
     * datei.Zeiger, returning 1 / 0 / -1 - on the index brought up to the
     * file, and repeats it when a write came in between (the last try under
     * the writer lock). Returns what `lesen` returned. Mutex held. */
    template <typename F>
    int Lesend(F lesen)
    {
        for (int versuch = 0; versuch < 4; ++versuch) {
            if (!Sync()) return -1;
            int rc = lesen();
            if (datei.Stabil(gen_)) return rc;
        }
        Sperre sperre(*this);
        if (!sperre.ok) return -1;
        return lesen();
    }

    /* Reads the slot `finde()` names (a negative value = not there),
     * consistent with the index. 1 = read, 0 = not there, -1 = error. */
    template <typename F>
    int LeseNach(F finde, void* puffer)
    {
        unsigned char* ziel = static_cast<unsigned char*>(puffer);
        return Lesend([&]() -> int {
            int64_t slot = finde();
            if (slot < 0) return 0;
            const unsigned char* p = datei.Zeiger(static_cast<uint32_t>(slot), ziel);
            if (!p) return -1;
            if (p != ziel) std::memcpy(ziel, p, datei.SatzGroesse());
            return 1;
        });
    }

    /* For the life of the object: the store's mutex held and the file's
       writer lock taken, index synced; `ok` says whether the file lock was
       got (the mutex is held either way). */
    struct Sperre {
        explicit Sperre(Bestand& b) : b_(b), halt_(b.mutex) { ok = b_.datei.Sperren() && (gesperrt_ = true, b_.Sync()); }
        ~Sperre() { if (gesperrt_) b_.datei.Entsperren(); }
        Sperre(const Sperre&) = delete;
        Sperre& operator=(const Sperre&) = delete;
        bool ok = false;
    private:
        Bestand& b_;
        std::lock_guard<std::recursive_mutex> halt_;
        bool gesperrt_ = false;
    };

    std::recursive_mutex mutex;
    SatzDatei datei;

protected:
    virtual void Leeren() {}
    virtual void Geladen(uint32_t /*slot*/, const unsigned char* /*daten*/) {}

    uint64_t gen_ = 0;
    uint32_t epoche_ = 0xFFFFFFFFu;
};

/* ---- the process-wide registry ----------------------------------------- */

/* The data folder, with trailing separator. */
std::string DatenPfad();
/* Sets it (creates it). False when it cannot be made. */
bool SetzeDatenPfad(const std::string& pfad);
/* Counts every change of the data folder (stores cache by it). */
uint32_t PfadStand();

/* The store object of file `relativ` (inside the data folder; an absolute
 * path is taken as it is) of type T,
 * shared with every other user in the process; made and opened when
 * needed. Null when the file cannot be opened. */
std::shared_ptr<Bestand> HoleBestand(const std::string& relativ, uint32_t satzGroesse, uint32_t startAnzahl,
                                     std::shared_ptr<Bestand> (*neu)());
template <typename T>
std::shared_ptr<T> Hole(const std::string& relativ, uint32_t satzGroesse, uint32_t startAnzahl = 0)
{
    return std::static_pointer_cast<T>(HoleBestand(relativ, satzGroesse, startAnzahl,
                                                   [] { return std::shared_ptr<Bestand>(std::make_shared<T>()); }));
}

/* Handles: positive numbers, never given out twice in a process. */
enum class HandleArt { Artikel, Lieferant, EanDatei, Aenderung, Bezeichnung, Auftrag, Teile, Zusatz };
int32_t NeuerHandle(HandleArt art, std::shared_ptr<Bestand> bestand, int32_t wert = 0);
std::shared_ptr<Bestand> HandleBestand(int32_t handle, HandleArt art, int32_t* wert = nullptr);
bool HandleSchliessen(int32_t handle, HandleArt art, int32_t* wert = nullptr);

/* Bounded text helpers: copy at most groesse-1 characters, always
 * terminated, rest of the buffer zero. */
void Kopiere(char* ziel, size_t groesse, const char* quelle);
std::string Text(const char* feld, size_t groesse);   /* up to the NUL or the field end */

} // namespace dba

#endif
