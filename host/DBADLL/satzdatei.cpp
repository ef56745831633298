/*
 * satzdatei.cpp - record files with a write-ahead copy (see satzdatei.h).
 */
#include "satzdatei.h"
#include "../common/pruefsumme.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstring>

namespace dba {

namespace {

constexpr char kMagie[8] = {'O', 'X', 'D', 'B', 'A', 'S', 'A', 'T'};
constexpr uint32_t kVersion = 1;
constexpr uint32_t kJournalMagie = 0x314E4A58u;   /* "XJN1" */
constexpr uint64_t kJournalMax = 1ull << 30;
/* The largest view of a file: a 32-bit process keeps its address space for
 * other things and reads larger files slot by slot. */
constexpr uint64_t kAnsichtMax = sizeof(void*) >= 8 ? (1ull << 40) : (256ull << 20);
/* A view is renewed when the file grew by an eighth (at least this) since
 * it was made, or after this many slot reads beyond it. */
constexpr uint64_t kZuwachsMin = 64u << 10;
constexpr uint32_t kFehlgriffeMax = 16;

/* Journal header; the pieces follow: u64 position, u32 length, bytes. */
struct JournalKopf {
    uint32_t Magie;
    uint32_t Teile;
    uint64_t Laenge;        /* whole journal including this header */
    uint64_t NeueLaenge;    /* file length to cut to afterwards, 0 = leave */
    uint32_t Crc;           /* CRC-32 of the whole journal with this field 0 */
    uint32_t Reserve;
};

std::atomic<bool> gSicher{false};

} // namespace

void (*SatzDatei::Haltepunkt)(int) = nullptr;

static inline void Halt(int schritt)
{
    if (SatzDatei::Haltepunkt) SatzDatei::Haltepunkt(schritt);
}

void SatzDatei::SetSicher(bool sicher) { gSicher = sicher; }
bool SatzDatei::Sicher() { return gSicher; }

uint32_t SatzDatei::KopfCrc(const Kopf& k) { return pruefsumme::Crc32(0, &k, offsetof(Kopf, Crc)); }

bool SatzDatei::KopfLesen(Kopf* k) const
{
    /* From the view when there is one (it shows every write at once, so
     * a header torn by a writer at work fails its check value as a read
     * would); a system call less for each look. */
    if (ansicht_ && ansichtLaenge_ >= KOPF) {
        std::memcpy(k, ansicht_, sizeof(Kopf));
    } else {
        unsigned char puffer[KOPF];
        if (!daten_.LesenGanz(0, puffer, KOPF)) return false;
        std::memcpy(k, puffer, sizeof(Kopf));
    }
    return std::memcmp(k->Magie, kMagie, sizeof kMagie) == 0 && k->Crc == KopfCrc(*k) &&
           k->SatzGroesse == satz_ && k->KopfGroesse == KOPF;
}

bool SatzDatei::KopfSchreiben(const Kopf& k)
{
    unsigned char puffer[KOPF] = {};
    std::memcpy(puffer, &k, sizeof(Kopf));
    return daten_.Schreiben(0, puffer, KOPF);
}

static uint64_t Ticks()
{
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

bool SatzDatei::SperrenRoh()
{
    if (sperren_++ == 0 && !gehalten_) {
        if (!daten_.Sperren()) {
            sperren_ = 0;
            return false;
        }
        gehalten_ = true;
        genommen_ = Ticks();
    }
    return true;
}

bool SatzDatei::Sperren()
{
    /* A lock held on since this object's last write: nobody else can have
     * written, the header seen then is still the file's. */
    bool erstes = sperren_ == 0 && !gehalten_;
    if (!SperrenRoh()) return false;
    if (erstes) {
        /* Holding the lock, the file is ours: finish a dead writer's write
         * and note the count, so reads under the lock need no header. */
        Kopf k;
        if (Reparieren() && KopfLesen(&k)) {
            gen_ = k.Generation;
            epoche_ = k.Epoche;
            anzahl_ = k.Anzahl;
        }
    }
    return true;
}

void SatzDatei::Entsperren()
{
    if (sperren_ > 0 && --sperren_ == 0) {
        if (halten_) {
            benutzt_ = Ticks();
            return;
        }
        daten_.Entsperren();
        gehalten_ = false;
    }
}

void SatzDatei::LoslassenWennRuhig(uint32_t ruhigMs, uint32_t hoechstensMs)
{
    if (sperren_ > 0 || !gehalten_)
        return;
    uint64_t jetzt = Ticks();
    if (jetzt - benutzt_ < ruhigMs && jetzt - genommen_ < hoechstensMs)
        return;
    daten_.Entsperren();
    gehalten_ = false;
}

bool SatzDatei::Oeffnen(const std::string& pfad, uint32_t satzGroesse, bool anlegen, uint32_t startAnzahl)
{
    Schliessen();
    if (satzGroesse == 0) return false;
    pfad_ = pfad;
    satz_ = satzGroesse;
    if (!daten_.Oeffnen(pfad, anlegen)) return false;
    if (!journal_.Oeffnen(pfad + ".JNL", true)) {
        daten_.Schliessen();
        return false;
    }
    if (!SperrenRoh()) {
        Schliessen();
        return false;
    }
    bool ok = true;
    unsigned char roh[KOPF] = {};
    int64_t groesse = daten_.Groesse();
    bool leer = groesse < static_cast<int64_t>(KOPF);
    if (!leer) {
        leer = daten_.LesenGanz(0, roh, KOPF);
        for (size_t i = 0; leer && i < sizeof kMagie; ++i) leer = roh[i] == 0;
    }
    if (leer) {
        /* A new file (or one whose first header was never completed); a
         * journal beside it belongs to an earlier file and goes. */
        Kopf k{};
        std::memcpy(k.Magie, kMagie, sizeof kMagie);
        k.Version = kVersion;
        k.KopfGroesse = KOPF;
        k.SatzGroesse = satz_;
        k.Anzahl = startAnzahl;
        for (uint32_t& r : k.Ring) r = ALLES;
        k.Crc = KopfCrc(k);
        static const uint32_t null = 0;
        ok = journal_.Schreiben(0, &null, 4) && daten_.Kuerzen(0) && daten_.Kuerzen(Position(startAnzahl)) &&
             KopfSchreiben(k);
        if (ok && Sicher()) daten_.Flush();
    } else {
        ok = Reparieren();
    }
    Kopf k;
    ok = ok && KopfLesen(&k) && k.Version == kVersion;
    if (ok) {
        gen_ = k.Generation;
        epoche_ = k.Epoche;
        anzahl_ = k.Anzahl;
        if (daten_.Groesse() < static_cast<int64_t>(Position(k.Anzahl))) ok = daten_.Kuerzen(Position(k.Anzahl));
    }
    if (ok) {
        int64_t groesse = daten_.Groesse();
        uint64_t n = groesse > 0 && static_cast<uint64_t>(groesse) <= kAnsichtMax ? static_cast<uint64_t>(groesse) : KOPF;
        ansicht_ = daten_.Abbilden(n);
        if (!ansicht_ && n > KOPF) ansicht_ = daten_.Abbilden(n = KOPF);
        ansichtLaenge_ = ansicht_ ? n : 0;
        fehlgriffe_ = 0;
    }
    Entsperren();
    if (!ok) Schliessen();
    return ok;
}

void SatzDatei::Schliessen()
{
    while (sperren_ > 0) Entsperren();
    if (gehalten_) daten_.Entsperren();
    gehalten_ = false;
    ansicht_ = nullptr;
    ansichtLaenge_ = 0;
    laenge_ = 0;
    daten_.Schliessen();
    journal_.Schliessen();
}

bool SatzDatei::Wiederherstellen()
{
    JournalKopf jk{};
    size_t gelesen = 0;
    if (!journal_.Lesen(0, &jk, sizeof jk, &gelesen)) return false;
    if (gelesen < sizeof jk || jk.Magie != kJournalMagie) return true;
    static const uint32_t null = 0;
    std::vector<unsigned char> j;
    bool gueltig = jk.Laenge >= sizeof jk && jk.Laenge <= kJournalMax;
    if (gueltig) {
        j.resize(static_cast<size_t>(jk.Laenge));
        gueltig = journal_.LesenGanz(0, j.data(), j.size());
    }
    if (gueltig) {
        uint32_t crc = jk.Crc;
        std::memset(j.data() + offsetof(JournalKopf, Crc), 0, 4);
        gueltig = pruefsumme::Crc32(0, j.data(), j.size()) == crc;
    }
    if (gueltig) {
        /* A complete write whose end was not seen: do it (again). */
        size_t pos = sizeof jk;
        for (uint32_t t = 0; t < jk.Teile && gueltig; ++t) {
            uint64_t ziel;
            uint32_t laenge;
            gueltig = pos + 12 <= j.size();
            if (!gueltig) break;
            std::memcpy(&ziel, j.data() + pos, 8);
            std::memcpy(&laenge, j.data() + pos + 8, 4);
            pos += 12;
            gueltig = laenge <= j.size() - pos && daten_.Schreiben(ziel, j.data() + pos, laenge);
            pos += laenge;
        }
        if (gueltig && jk.NeueLaenge > 0) gueltig = daten_.Kuerzen(jk.NeueLaenge);
        if (gueltig && Sicher()) daten_.Flush();
        if (!gueltig) return false;     /* keep the journal for the next try */
    }
    return journal_.Schreiben(0, &null, 4);
}

bool SatzDatei::Reparieren()
{
    Kopf k;
    if (KopfLesen(&k) && !(k.Generation & 1)) return true;
    if (!Wiederherstellen()) return false;
    if (!KopfLesen(&k)) return false;
    if (!(k.Generation & 1)) return true;
    /* Marked busy but no journal to finish it (lost in a system crash
     * without forced writes): declare it at rest and make every owner
     * re-read everything. */
    k.Generation += 1;
    k.Epoche += 1;
    for (uint32_t& r : k.Ring) r = ALLES;
    k.Crc = KopfCrc(k);
    return KopfSchreiben(k);
}

bool SatzDatei::StandMit(size_t feld, uint64_t* generation, uint32_t* wert) const
{
    if (ansicht_) {
        const volatile uint32_t* g =
            reinterpret_cast<const volatile uint32_t*>(ansicht_ + offsetof(Kopf, Generation));
        const volatile uint32_t* w = reinterpret_cast<const volatile uint32_t*>(ansicht_ + feld);
        for (int versuch = 0; versuch < 4; ++versuch) {
            uint32_t lo1 = g[0], hi1 = g[1], x = w[0], lo2 = g[0], hi2 = g[1];
            if (lo1 == lo2 && hi1 == hi2) {
                /* the slot reads that follow come after this look */
                std::atomic_thread_fence(std::memory_order_acquire);
                *generation = (static_cast<uint64_t>(hi1) << 32) | lo1;
                *wert = x;
                return true;
            }
        }
    }
    Kopf k;
    if (!KopfLesen(&k)) return false;
    *generation = k.Generation;
    std::memcpy(wert, reinterpret_cast<const unsigned char*>(&k) + feld, sizeof *wert);
    return true;
}

bool SatzDatei::Stand(uint64_t* generation, uint32_t* epoche) const
{
    return StandMit(offsetof(Kopf, Epoche), generation, epoche);
}

bool SatzDatei::StandUndAnzahl(uint64_t* generation, uint32_t* anzahl) const
{
    return StandMit(offsetof(Kopf, Anzahl), generation, anzahl);
}

bool SatzDatei::Stabil(uint64_t generation) const
{
    if (sperren_ > 0) return true;
    /* every read before comes before this look */
    std::atomic_thread_fence(std::memory_order_acquire);
    uint64_t jetzt;
    uint32_t epoche;
    return Stand(&jetzt, &epoche) && jetzt == generation;
}

bool SatzDatei::Nachbilden(uint64_t bis, bool sofort)
{
    if (!ansicht_ || ansichtLaenge_ >= bis) return ansicht_ != nullptr;
    int64_t groesse = daten_.Groesse();
    if (groesse < static_cast<int64_t>(bis) || static_cast<uint64_t>(groesse) > kAnsichtMax) return false;
    uint64_t neu = static_cast<uint64_t>(groesse);
    if (!sofort) {
        /* A few slots beyond the view are cheaper to read than a new view. */
        uint64_t lohnt = ansichtLaenge_ / 8 > kZuwachsMin ? ansichtLaenge_ / 8 : kZuwachsMin;
        if (neu - ansichtLaenge_ < lohnt && ++fehlgriffe_ < kFehlgriffeMax) return false;
    }
    const unsigned char* v = daten_.Abbilden(neu);
    if (!v) return false;
    ansicht_ = v;
    ansichtLaenge_ = neu;
    fehlgriffe_ = 0;
    return true;
}

const unsigned char* SatzDatei::Zeiger(uint32_t slot, unsigned char* puffer)
{
    uint64_t pos = Position(slot);
    if (pos + satz_ <= ansichtLaenge_ || Nachbilden(pos + satz_, false)) return ansicht_ + pos;
    size_t gelesen = 0;
    if (!daten_.Lesen(pos, puffer, satz_, &gelesen)) return nullptr;
    if (gelesen < satz_) std::memset(puffer + gelesen, 0, satz_ - gelesen);
    return puffer;
}

bool SatzDatei::LesenBei(uint32_t slot, void* puffer, uint64_t generation)
{
    unsigned char* ziel = static_cast<unsigned char*>(puffer);
    const unsigned char* p = Zeiger(slot, ziel);
    if (!p) return false;
    if (p != ziel) std::memcpy(ziel, p, satz_);
    return Stabil(generation);
}

int SatzDatei::Lesen(uint32_t slot, void* puffer, uint64_t* generation)
{
    if (!Offen()) return -1;
    if (sperren_ > 0) {
        /* Under the lock nothing moves: the count noted is the file's. */
        if (generation) *generation = gen_;
        if (slot >= anzahl_) return 0;
        return LesenBei(slot, puffer, gen_) ? 1 : -1;
    }
    for (int versuch = 0; versuch < 6 && sperren_ == 0; ++versuch) {
        uint64_t gen;
        uint32_t anzahl;
        if (!StandUndAnzahl(&gen, &anzahl) || (gen & 1)) {
            /* A write is under way or its writer died: wait for the lock
             * (and repair), then look again. */
            if (!Sperren()) return -1;
            Reparieren();
            Entsperren();
            continue;
        }
        if (slot >= anzahl) return 0;
        if (LesenBei(slot, puffer, gen)) {
            if (generation) *generation = gen;
            return 1;
        }
    }
    /* Busy file: read under the lock. */
    if (!Sperren()) return -1;
    int rc = -1;
    Kopf k;
    if (Reparieren() && KopfLesen(&k)) {
        rc = slot < k.Anzahl ? (LesenBei(slot, puffer, k.Generation) ? 1 : -1) : 0;
        if (generation) *generation = k.Generation;
    }
    Entsperren();
    return rc;
}

uint64_t SatzDatei::Schreiben(const std::vector<Teil>& teile, uint32_t neueAnzahl)
{
    if (!Offen()) return 0;
    for (const Teil& t : teile)
        if (t.first >= neueAnzahl || !t.second) return 0;
    if (!Sperren()) return 0;
    uint64_t ergebnis = 0;
    Kopf alt;
    if (Reparieren() && KopfLesen(&alt) && !(alt.Generation & 1)) {
        Kopf neu = alt;
        neu.Anzahl = neueAnzahl;
        uint64_t schritte = teile.empty() ? 1 : teile.size();
        for (uint64_t i = 0; i < schritte; ++i) {
            uint64_t w = alt.Generation / 2 + 1 + i;
            neu.Ring[w % RING] = teile.empty() ? ALLES : teile[static_cast<size_t>(i)].first;
        }
        bool kuerzen = neueAnzahl < alt.Anzahl;
        if (kuerzen) neu.Epoche = alt.Epoche + 1;
        neu.Generation = alt.Generation + 2 * schritte;
        neu.Crc = KopfCrc(neu);

        /* 0. room (see Vorrat): the zeros beyond the count are not part
         * of the store, so growing first changes nothing a reader sees. */
        bool ok = !vorrat_ || Vorsorgen(Position(neueAnzahl));

        /* 1. the journal */
        size_t laenge = sizeof(JournalKopf) + (teile.size() + 1) * 12 + teile.size() * satz_ + KOPF;
        std::vector<unsigned char> j(laenge, 0);
        JournalKopf jk{};
        jk.Magie = kJournalMagie;
        jk.Teile = static_cast<uint32_t>(teile.size() + 1);
        jk.Laenge = laenge;
        jk.NeueLaenge = 0;   /* dropped slots stay in the file: a mapped file cannot be cut */
        size_t pos = sizeof jk;
        auto anhaengen = [&](uint64_t ziel, const void* daten, uint32_t n) {
            std::memcpy(j.data() + pos, &ziel, 8);
            std::memcpy(j.data() + pos + 8, &n, 4);
            std::memcpy(j.data() + pos + 12, daten, n);
            pos += 12 + n;
        };
        for (const Teil& t : teile) anhaengen(Position(t.first), t.second, satz_);
        unsigned char kopfRoh[KOPF] = {};
        std::memcpy(kopfRoh, &neu, sizeof neu);
        anhaengen(0, kopfRoh, KOPF);
        std::memcpy(j.data(), &jk, sizeof jk);
        uint32_t crc = pruefsumme::Crc32(0, j.data(), j.size());
        std::memcpy(j.data() + offsetof(JournalKopf, Crc), &crc, 4);
        Halt(0);
        ok = ok && journal_.Schreiben(0, j.data(), j.size());
        if (ok && Sicher()) ok = journal_.Flush();
        if (ok) Halt(1);

        /* 2. mark the write, 3. the slots, 4. the new header */
        if (ok) {
            Kopf ungerade = alt;
            ungerade.Generation = alt.Generation + 1;
            ungerade.Crc = KopfCrc(ungerade);
            ok = KopfSchreiben(ungerade);
            if (ok) Halt(2);
        }
        /* Pieces for consecutive slots that lie back to back in memory
         * (a block write) go out as one write. */
        for (size_t i = 0; ok && i < teile.size();) {
            const unsigned char* p = static_cast<const unsigned char*>(teile[i].second);
            size_t n = 1;
            while (i + n < teile.size() && n < 4096 && teile[i + n].first == teile[i].first + n &&
                   teile[i + n].second == p + n * satz_)
                ++n;
            ok = daten_.Schreiben(Position(teile[i].first), p, n * satz_);
            if (ok && i == 0) Halt(3);
            i += n;
        }
        if (ok) Halt(4);
        if (ok) ok = daten_.Schreiben(0, kopfRoh, KOPF);
        if (ok && Sicher()) ok = daten_.Flush();
        if (ok) Halt(5);

        /* 5. done: the journal is empty again */
        if (ok) {
            static const uint32_t null = 0;
            journal_.Schreiben(0, &null, 4);
            Halt(6);
            gen_ = neu.Generation;
            epoche_ = neu.Epoche;
            anzahl_ = neu.Anzahl;
            ergebnis = neu.Generation;
        } else {
            /* Finish what the journal holds, so the file is whole. */
            Reparieren();
        }
    }
    Entsperren();
    return ergebnis;
}

bool SatzDatei::Vorsorgen(uint64_t bis)
{
    if (bis <= laenge_) return true;
    int64_t groesse = daten_.Groesse();
    if (groesse < 0) return false;
    laenge_ = static_cast<uint64_t>(groesse);
    if (bis <= laenge_) return true;
    uint64_t block = laenge_ / 8 > kZuwachsMin ? laenge_ / 8 : kZuwachsMin;
    uint64_t neu = KOPF + (bis + block - KOPF) / satz_ * satz_;   /* whole slots */
    if (neu < bis) neu = bis;
    if (!daten_.Kuerzen(neu)) return false;
    laenge_ = neu;
    return true;
}

uint64_t SatzDatei::Nachziehen(uint64_t bekannt, uint32_t bekannteEpoche, const std::function<void(uint32_t)>& geaendert)
{
    if (!Offen()) return 0;
    uint64_t jetzt;
    uint32_t epoche;
    if (sperren_ == 0 && Stand(&jetzt, &epoche) && !(jetzt & 1) && jetzt == bekannt && epoche == bekannteEpoche)
        return bekannt;
    if (!Sperren()) return 0;
    uint64_t ergebnis = 0;
    Kopf k;
    if (Reparieren() && KopfLesen(&k)) {
        gen_ = k.Generation;
        epoche_ = k.Epoche;
        anzahl_ = k.Anzahl;
        if (k.Generation != bekannt || k.Epoche != bekannteEpoche) {
            if (k.Epoche != bekannteEpoche || k.Generation < bekannt || (k.Generation - bekannt) / 2 > RING) {
                geaendert(ALLES);
            } else {
                for (uint64_t w = bekannt / 2 + 1; w <= k.Generation / 2; ++w) {
                    uint32_t slot = k.Ring[w % RING];
                    if (slot == ALLES || slot >= k.Anzahl) {
                        geaendert(ALLES);
                        break;
                    }
                    geaendert(slot);
                }
            }
        }
        ergebnis = k.Generation;
    }
    Entsperren();
    return ergebnis;
}

bool SatzDatei::AlleLesen(const std::function<void(uint32_t, const unsigned char*)>& besuch)
{
    Kopf k;
    if (!KopfLesen(&k)) return false;
    uint64_t bis = Position(k.Anzahl);
    if (Nachbilden(bis, true) && bis <= ansichtLaenge_) {
        for (uint32_t s = 0; s < k.Anzahl; ++s) besuch(s, ansicht_ + Position(s));
        return true;
    }
    const uint32_t proBlock = satz_ >= (4u << 20) ? 1u : (4u << 20) / satz_;
    std::vector<unsigned char> block(static_cast<size_t>(proBlock) * satz_);
    for (uint32_t start = 0; start < k.Anzahl; start += proBlock) {
        uint32_t n = k.Anzahl - start < proBlock ? k.Anzahl - start : proBlock;
        size_t gelesen = 0;
        if (!daten_.Lesen(Position(start), block.data(), static_cast<size_t>(n) * satz_, &gelesen)) return false;
        if (gelesen < static_cast<size_t>(n) * satz_)
            std::memset(block.data() + gelesen, 0, static_cast<size_t>(n) * satz_ - gelesen);
        for (uint32_t i = 0; i < n; ++i) besuch(start + i, block.data() + static_cast<size_t>(i) * satz_);
    }
    return true;
}

} // namespace dba
