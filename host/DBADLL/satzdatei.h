/*
 * satzdatei.h - a record file: fixed-size slots behind a 512-byte header,
 * with whole-record durable writes and change detection between handles
 * and processes.
 *
 * File "<name>": header, then slot 0, slot 1, ... as plain bytes (so a
 * file can also be read in blocks from outside, as the stock item file is).
 * File "<name>.JNL": the write-ahead copy of the write in progress.
 *
 * Writing (one or several slots, optionally a new slot count) under the
 * writer lock:
 *   1. the journal receives every piece of the write plus the new header,
 *      with a CRC-32 over all of it, in one write;
 *   2. the header's generation becomes odd (a write is under way);
 *   3. the slots are written in place;
 *   4. the new header (generation + 2 per slot, the slots noted in the
 *      change ring) is written;
 *   5. the journal is marked empty.
 * A writer that dies before 2 leaves the old state (its journal, complete or
 * not, is never applied: the header does not ask for it); one that dies
 * after 2 leaves a complete journal under an odd header, which the next
 * user of the file applies (a redo; applying twice changes nothing). So a
 * record is always old or new, never torn.
 *
 * Reading needs no lock: a slot is read between two looks at the header's
 * generation; when it changed or was odd the read is repeated (after
 * repairing a dead writer's write under the lock). The whole file is mapped
 * read-only, so the looks at the header and the slot reads cost no system
 * call: a read is a copy from memory. The view follows the writes of every
 * handle and process (it is the file's own pages); when the file grew past
 * it, a slot beyond it is read from the file until the growth is worth a
 * new view. Where a view cannot be made (a very large file in a 32-bit
 * process), slots are read from the file. The odd generation is
 * what marks a write in progress: a journal is applied only under an odd
 * (or unreadable) header, so a journal left behind by a writer that died
 * before marking its write is never applied - the write simply did not
 * happen.
 *
 * Change detection: the header carries the generation and a ring of the
 * last RING written slots. An owner whose in-memory index is at generation
 * g catches up by re-reading just those slots, or everything when it fell
 * further behind or the file was emptied (epoch change).
 */
#ifndef DBA_SATZDATEI_H
#define DBA_SATZDATEI_H

#include "datei.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace dba {

class SatzDatei {
public:
    static constexpr uint32_t KOPF = 512;
    static constexpr uint32_t RING = 112;
    static constexpr uint32_t ALLES = 0xFFFFFFFFu;

    struct Kopf {
        char Magie[8];
        uint32_t Version;
        uint32_t KopfGroesse;
        uint32_t SatzGroesse;
        uint32_t Anzahl;
        uint64_t Generation;     /* even = at rest, odd = a write under way */
        uint32_t Epoche;         /* raised when slots are dropped */
        uint32_t Reserve;
        uint32_t Ring[RING];     /* slot written by write number w at Ring[w % RING] */
        uint32_t Crc;            /* CRC-32 of the bytes before it */
    };

    /* One piece of a write: slot number and its bytes (SatzGroesse). */
    using Teil = std::pair<uint32_t, const void*>;

    SatzDatei() = default;
    SatzDatei(const SatzDatei&) = delete;
    SatzDatei& operator=(const SatzDatei&) = delete;

    /* Opens (with `anlegen`: creates) the file for slots of `satzGroesse`
     * bytes; with `startAnzahl` > 0 a new file starts with that many zero
     * slots. Repairs an interrupted write. False when the file cannot be
     * opened or is not a record file of this slot size. */
    bool Oeffnen(const std::string& pfad, uint32_t satzGroesse, bool anlegen, uint32_t startAnzahl = 0);
    void Schliessen();
    bool Offen() const { return daten_.Offen(); }
    const std::string& Pfad() const { return pfad_; }
    uint32_t SatzGroesse() const { return satz_; }

    /* Byte position of slot `slot`. */
    uint64_t Position(uint32_t slot) const { return KOPF + static_cast<uint64_t>(slot) * satz_; }

    /* Reads the header as it is on disk; false when it is torn or invalid. */
    bool KopfLesen(Kopf* k) const;

    /* Reads slot `slot` consistently. 1 = read, 0 = beyond the slot count,
     * -1 = error. *generation (may be null) gets the generation it was read
     * at. */
    int Lesen(uint32_t slot, void* puffer, uint64_t* generation = nullptr);

    /* Reads slot `slot` and checks that the file is still at generation
     * `generation` (at rest) afterwards. True = the bytes belong to that
     * generation. */
    bool LesenBei(uint32_t slot, void* puffer, uint64_t generation);

    /* The bytes of slot `slot`: a pointer into the view of the file, or
     * `puffer` (SatzGroesse bytes) filled by a read when the slot lies
     * beyond the view. Null on a read error. The bytes are whatever the
     * file holds at that moment: the reader checks with Stabil afterwards
     * that no write came in between. A pointer into the view is valid until
     * the next call on this object. */
    const unsigned char* Zeiger(uint32_t slot, unsigned char* puffer);

    /* True when the file is still at generation `generation` (at rest), or
     * this object holds the lock: everything read since that generation
     * was current belongs to it. */
    bool Stabil(uint64_t generation) const;

    /* Writes the pieces as one durable write; afterwards the slot count is
     * `neueAnzahl` (slots at or beyond it are dropped - their bytes may stay
     * in the file, the count decides; pieces must lie below it). Returns the new generation, 0 on failure. The writer lock
     * is taken here unless the caller holds it (Sperren). */
    uint64_t Schreiben(const std::vector<Teil>& teile, uint32_t neueAnzahl);

    /* Holds the writer lock across several steps (nested calls allowed in
     * one process). While held, the file cannot change under the holder. */
    bool Sperren();
    void Entsperren();

    /* With `halten` the writer lock stays taken after the last Entsperren,
     * so that the writes of one run (thousands a second) take it once: the
     * next Sperren finds it still held and the file unchanged. Every write
     * stays as durable as before (journal, flush); the lock is let go by
     * LoslassenWennRuhig. Off by default. */
    void Halten(bool halten) { halten_ = halten; }
    /* Lets a held lock go when it is not in use and was last used more than
     * `ruhigMs` ago, or was taken more than `hoechstensMs` ago (so writers
     * of other processes wait at most that long). Caller holds whatever
     * serialises the calls on this object. */
    void LoslassenWennRuhig(uint32_t ruhigMs, uint32_t hoechstensMs);

    /* Brings an owner at generation `bekannt` up to date: calls
     * geaendert(slot) for every slot written since, or geaendert(ALLES)
     * when everything has to be re-read. Takes the lock when there is
     * anything to do. Returns the generation now current (0 on error). */
    uint64_t Nachziehen(uint64_t bekannt, uint32_t bekannteEpoche, const std::function<void(uint32_t)>& geaendert);

    /* Visits every slot below the count in order (straight from the view,
     * or read in large blocks); call with the lock held for a consistent
     * picture. */
    bool AlleLesen(const std::function<void(uint32_t, const unsigned char*)>& besuch);

    /* Generation, epoch and count of the last header seen by this object. */
    uint64_t Generation() const { return gen_; }
    uint32_t Epoche() const { return epoche_; }
    uint32_t Anzahl() const { return anzahl_; }

    /* With `vorrat` a file that must grow grows by a block of zero slots
     * beyond the count (an eighth of its length, at least 64 KB), so the
     * view, made anew once per block, holds the next slots: for stores
     * whose new slots are read back at once and that nobody reads from
     * outside by the file's length. Off by default. */
    void Vorrat(bool vorrat) { vorrat_ = vorrat; }

    /* Test hook: when set, called at each step of a write (0 before the
     * journal, 1 journal written, 2 write marked, 3 first slot written,
     * 4 all slots written, 5 new header written, 6 journal emptied). A hook
     * that throws leaves the files exactly as a writer killed there would. */
    static void (*Haltepunkt)(int schritt);

    /* With `sicher` every write is flushed to the disk before it counts. */
    static void SetSicher(bool sicher);
    static bool Sicher();

private:
    bool Wiederherstellen();        /* lock held: apply a complete journal, drop a torn one */
    bool Reparieren();              /* lock held: finish a dead writer's write, if any */
    bool SperrenRoh();              /* the lock without repairing (for opening) */
    bool Stand(uint64_t* generation, uint32_t* epoche) const;   /* from the mapped header */
    bool StandUndAnzahl(uint64_t* generation, uint32_t* anzahl) const;
    /* The generation and the 32-bit header field at byte `feld`, seen together. */
    bool StandMit(size_t feld, uint64_t* generation, uint32_t* wert) const;
    bool Nachbilden(uint64_t bis, bool sofort);   /* a view up to byte `bis`, when worth it */
    bool KopfSchreiben(const Kopf& k);
    /* Lock held, with vorrat_: the file is at least `bis` bytes long. */
    bool Vorsorgen(uint64_t bis);
    static uint32_t KopfCrc(const Kopf& k);

    Datei daten_;
    Datei journal_;
    const unsigned char* ansicht_ = nullptr;   /* the file from byte 0, mapped (may be null) */
    uint64_t ansichtLaenge_ = 0;
    uint32_t fehlgriffe_ = 0;                  /* slot reads beyond the view since it was made */
    std::string pfad_;
    uint32_t satz_ = 0;
    int sperren_ = 0;
    bool halten_ = false;
    bool gehalten_ = false;                    /* the OS lock is taken by this object */
    uint64_t genommen_ = 0;                    /* tick when it was taken */
    uint64_t benutzt_ = 0;                     /* tick of the last Entsperren */
    uint64_t gen_ = 0;
    uint32_t epoche_ = 0;
    uint32_t anzahl_ = 0;
    uint64_t laenge_ = 0;                      /* file length last seen (only a hint) */
    bool vorrat_ = false;
};

static_assert(sizeof(SatzDatei::Kopf) <= SatzDatei::KOPF, "header too large");

} // namespace dba

#endif
