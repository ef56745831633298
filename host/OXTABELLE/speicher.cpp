/*
 * speicher.cpp - the table store: the host's article and series tables in
 * one file, "OXTABELLEN.DAT", in the master-data store's data folder.
 *
 * File layout: a sequence of entries, each written with one append:
 *
 *   offset  size  field
 *        0     4  kennung  "OXT1"
 *        4     4  besitzer owner kind (TAB_BESITZER_...)
 *        8     4  nummer   article or series number
 *       12     8  zeit     write time (FILETIME, low word first)
 *       20     4  flags    1 = the table was removed
 *       24     4  laenge   bytes of packed table that follow
 *       28     4  pruef    CRC-32 of bytes 0..27 and of the packed table
 *       32     n  the packed table
 *
 * The packed table is the 206,402-byte record as runs: a zero count and a
 * literal count (both LEB128), then the literal bytes; repeated until the
 * whole record is covered. A table with a few hundred used cells takes
 * one or two kilobytes.
 *
 * The last entry of a (owner, number) wins. An entry that is cut short or
 * whose check value does not match ends the readable part of the file: a
 * writer that died in the middle of its append leaves the earlier entries
 * intact, and the next write cuts the file back to the readable part
 * before it appends (or, where the cut is refused, writes over the torn
 * bytes). Writers of several processes take turns through a lock on one
 * byte far behind the data.
 *
 * Each process keeps an index (owner, number) -> position in memory and
 * brings it up to date from the file's new tail at every call (a look at
 * the file's size), so the writes of other processes are seen. The
 * readable part is mapped read-only: an entry is checked once, when it
 * enters the index (the bytes of an entry never change afterwards), and a
 * read unpacks it straight from memory. Entries behind the view are read
 * from the file until the readable part grew enough for a new view. When
 * this process first opens a file
 * in which more than half the bytes belong to superseded entries, it
 * writes the live entries into a fresh file and puts it in place (only
 * when no other process has the file open).
 */
#include "OXTABELLE/oxtabelle_host.h"
#include "DBADLL/dbadll_host.h"
#include "../common/pruefsumme.h"
#include "ablage.h"

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr uint32_t KENNUNG = 0x3154584Fu; /* "OXT1" */
constexpr uint32_t KOPF = 32;
constexpr uint32_t FLAG_GELOESCHT = 1;
constexpr uint32_t SATZ = sizeof(OXTABELLE);

struct Ort {
    uint64_t position = 0; /* of the entry's header */
    uint32_t laenge = 0;   /* packed bytes */
    TAB_ZEIT zeit{};
};

struct Speicher {
    std::string datei;     /* full path of the open file, empty = none */
    ablage::Datei h = nullptr;
    uint64_t ende = 0;     /* end of the readable part known so far */
    uint64_t lebend = 0;   /* bytes of the entries the index points to */
    std::unordered_map<uint64_t, Ort> index;
    ablage::Ansicht ansicht;                 /* the view of the readable part */
    uint32_t fehlgriffe = 0;                 /* reads behind the view since it was made */
    /* The writers' lock stays taken after an append, so that the appends
     * of one run take it once; a thread lets it go when the store was quiet
     * for RUHIG_MS or held for HOECHSTENS_MS (other writers wait no longer). */
    bool gehalten = false;
    uint64_t genommen = 0;
    uint64_t benutzt = 0;
    /* A copy of the bytes this process appended behind the view, from
     * `schwanzAnfang` on: a table written is read back at once, and reading
     * it from here spares a new view of the whole file each time. */
    uint64_t schwanzAnfang = 0;
    std::vector<unsigned char> schwanz;
};

constexpr size_t SCHWANZ_MAX = 16u << 20;

constexpr uint64_t RUHIG_MS = 20;
constexpr uint64_t HOECHSTENS_MS = 250;

/* A view is renewed when the readable part grew by an eighth (at least
 * this) since it was made, or after this many reads behind it; a 32-bit
 * process maps no more than the limit. */
constexpr uint64_t ZUWACHS_MIN = 64u << 10;
constexpr uint32_t FEHLGRIFFE_MAX = 16;
constexpr uint64_t ANSICHT_MAX = sizeof(void*) >= 8 ? (1ull << 40) : (256ull << 20);

std::mutex g_Sperre;
Speicher g_Speicher;

/* Milliseconds of a steady clock. */
uint64_t Ticks()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

/* ---- packing --------------------------------------------------------------- */

void ZahlSchreiben(std::vector<unsigned char>& aus, uint32_t wert)
{
    while (wert >= 0x80) {
        aus.push_back(static_cast<unsigned char>(wert | 0x80));
        wert >>= 7;
    }
    aus.push_back(static_cast<unsigned char>(wert));
}

bool ZahlLesen(const unsigned char*& p, const unsigned char* ende, uint32_t& wert)
{
    wert = 0;
    for (int schritt = 0; schritt < 5; ++schritt) {
        if (p >= ende)
            return false;
        unsigned char b = *p++;
        wert |= static_cast<uint32_t>(b & 0x7F) << (7 * schritt);
        if ((b & 0x80) == 0)
            return true;
    }
    return false;
}

void Packen(const OXTABELLE* tabelle, std::vector<unsigned char>& aus)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(tabelle);
    uint32_t i = 0;
    while (i < SATZ) {
        uint32_t null = 0;
        /* most of a table is zero: runs are skipped eight bytes at a time */
        uint64_t acht;
        while (i + null + 8 <= SATZ && (std::memcpy(&acht, p + i + null, 8), acht == 0))
            null += 8;
        while (i + null < SATZ && p[i + null] == 0)
            ++null;
        i += null;
        /* A literal run ends at the first stretch of 8 zero bytes. */
        uint32_t lit = 0;
        while (i + lit < SATZ) {
            if (p[i + lit] == 0) {
                uint32_t z = 0;
                while (z < 8 && i + lit + z < SATZ && p[i + lit + z] == 0)
                    ++z;
                if (z == 8 || i + lit + z == SATZ)
                    break;
                lit += z;
            } else {
                ++lit;
            }
        }
        ZahlSchreiben(aus, null);
        ZahlSchreiben(aus, lit);
        aus.insert(aus.end(), p + i, p + i + lit);
        i += lit;
    }
}

bool Entpacken(const unsigned char* p, size_t n, OXTABELLE* tabelle)
{
    unsigned char* z = reinterpret_cast<unsigned char*>(tabelle);
    const unsigned char* ende = p + n;
    uint32_t i = 0;
    while (p < ende) {
        uint32_t null, lit;
        if (!ZahlLesen(p, ende, null) || !ZahlLesen(p, ende, lit))
            return false;
        if (null > SATZ - i)
            return false;
        std::memset(z + i, 0, null);
        i += null;
        if (lit > SATZ - i || lit > static_cast<size_t>(ende - p))
            return false;
        std::memcpy(z + i, p, lit);
        i += lit;
        p += lit;
    }
    if (i != SATZ)
        std::memset(z + i, 0, SATZ - i);
    return true;
}

/* ---- file access ----------------------------------------------------------- */

uint64_t Schluessel(int32_t besitzer, int32_t nummer)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(besitzer)) << 32) | static_cast<uint32_t>(nummer);
}

uint32_t Wort(const unsigned char* p)
{
    uint32_t w;
    std::memcpy(&w, p, 4);
    return w;
}

using ablage::Groesse;
using ablage::LesenAn;
using ablage::SchreibenAn;

void AnsichtLoesen(Speicher& s)
{
    ablage::AnsichtLoesen(s.ansicht);
    s.fehlgriffe = 0;
    s.schwanz.clear();
    s.schwanzAnfang = 0;
}

/* The appended bytes at `position` kept in the tail copy when they follow
 * it directly; otherwise the copy starts anew there. */
void SchwanzAnfuegen(Speicher& s, uint64_t position, const unsigned char* daten, size_t n)
{
    if (position != s.schwanzAnfang + s.schwanz.size() || s.schwanz.size() + n > SCHWANZ_MAX) {
        s.schwanz.clear();
        s.schwanzAnfang = position;
    }
    s.schwanz.insert(s.schwanz.end(), daten, daten + n);
}

/* Maps the readable part; the earlier view stays when that fails. */
bool Abbilden(Speicher& s)
{
    if (s.ende == 0 || s.ende > ANSICHT_MAX)
        return false;
    if (!ablage::Abbilden(s.h, s.ende, s.ansicht))
        return false;
    s.fehlgriffe = 0;
    s.schwanz.clear();
    s.schwanzAnfang = 0;
    return true;
}

/* The `n` bytes at `position` (inside the readable part): from the view,
 * else read into `puffer`. Null when they cannot be read. */
const unsigned char* Bytes(Speicher& s, uint64_t position, uint32_t n, std::vector<unsigned char>& puffer)
{
    if (position + n > s.ansicht.laenge && position >= s.schwanzAnfang &&
        position + n <= s.schwanzAnfang + s.schwanz.size())
        return s.schwanz.data() + (position - s.schwanzAnfang);
    if (position + n > s.ansicht.laenge) {
        uint64_t lohnt = s.ansicht.laenge / 8 > ZUWACHS_MIN ? s.ansicht.laenge / 8 : ZUWACHS_MIN;
        if (s.ende - s.ansicht.laenge >= lohnt || ++s.fehlgriffe >= FEHLGRIFFE_MAX)
            Abbilden(s);
    }
    if (position + n <= s.ansicht.laenge)
        return s.ansicht.daten + position;
    puffer.resize(n);
    return LesenAn(s.h, position, puffer.data(), n) ? puffer.data() : nullptr;
}

void Eintragen(Speicher& s, uint64_t position, const unsigned char* kopf)
{
    int32_t besitzer = static_cast<int32_t>(Wort(kopf + 4));
    int32_t nummer = static_cast<int32_t>(Wort(kopf + 8));
    uint32_t flags = Wort(kopf + 20);
    uint32_t laenge = Wort(kopf + 24);
    uint64_t k = Schluessel(besitzer, nummer);
    auto alt = s.index.find(k);
    if (alt != s.index.end()) {
        s.lebend -= KOPF + alt->second.laenge;
        s.index.erase(alt);
    }
    if ((flags & FLAG_GELOESCHT) == 0) {
        Ort o;
        o.position = position;
        o.laenge = laenge;
        o.zeit.Low = Wort(kopf + 12);
        o.zeit.High = Wort(kopf + 16);
        s.index[k] = o;
        s.lebend += KOPF + laenge;
    }
}

/* Reads the entries between the known end and the end of the file into the
 * index. Stops at the first entry that is incomplete or damaged. */
void Nachlesen(Speicher& s)
{
    uint64_t groesse = Groesse(s.h);
    if (groesse < s.ende) {
        /* The file became shorter (cut back by a writer): read it afresh. */
        AnsichtLoesen(s);
        s.index.clear();
        s.ende = 0;
        s.lebend = 0;
    }
    if (groesse <= s.ende)
        return;
    uint64_t n = groesse - s.ende;
    if (n > 0x7FFFFFFFu)
        return;
    std::vector<unsigned char> puffer(static_cast<size_t>(n));
    if (!LesenAn(s.h, s.ende, puffer.data(), static_cast<uint32_t>(n)))
        return;
    size_t i = 0;
    while (i + KOPF <= puffer.size()) {
        const unsigned char* k = puffer.data() + i;
        if (Wort(k) != KENNUNG)
            break;
        uint32_t laenge = Wort(k + 24);
        if (laenge > puffer.size() - i - KOPF)
            break;
        uint32_t pruef = pruefsumme::Crc32(pruefsumme::Crc32(0, k, 28), k + KOPF, laenge);
        if (pruef != Wort(k + 28))
            break;
        Eintragen(s, s.ende + i, k);
        i += KOPF + laenge;
    }
    s.ende += i;
}

void SperreLoesen(Speicher& s)
{
    if (!s.gehalten)
        return;
    ablage::Entsperren(s.h);
    s.gehalten = false;
}

void Schliessen(Speicher& s)
{
    SperreLoesen(s);
    AnsichtLoesen(s);
    ablage::Schliessen(s.h);
    s.h = nullptr;
    s.datei.clear();
    s.index.clear();
    s.ende = 0;
    s.lebend = 0;
}

/* Writes the live entries into a fresh file and puts it in place of the
 * old one. Keeps the old file when anything fails. */
void Verdichten(Speicher& s)
{
    std::string neu = s.datei + ".NEU";
    ablage::Datei h = ablage::NeuAnlegen(neu);
    if (h == nullptr)
        return;
    bool gut = true;
    uint64_t position = 0;
    std::vector<unsigned char> eintrag;
    for (const auto& [k, o] : s.index) {
        (void)k;
        eintrag.resize(KOPF + o.laenge);
        if (!LesenAn(s.h, o.position, eintrag.data(), static_cast<uint32_t>(eintrag.size())) ||
            !SchreibenAn(h, position, eintrag.data(), static_cast<uint32_t>(eintrag.size()))) {
            gut = false;
            break;
        }
        position += eintrag.size();
    }
    if (gut)
        gut = ablage::Flush(h);
    ablage::Schliessen(h);
    if (!gut) {
        ablage::Loeschen(neu);
        return;
    }
    std::string datei = s.datei;
    AnsichtLoesen(s);
    /* refused while another handle has the file open */
    ablage::Ersetzen(s.h, neu, datei);
    s.h = ablage::Oeffnen(datei);
    s.index.clear();
    s.ende = 0;
    s.lebend = 0;
    if (s.h == nullptr)
        s.datei.clear();
    else
        Nachlesen(s);
}

/* Makes the store of the current data folder ready and up to date.
 * false when it cannot be opened. */
bool Bereit(Speicher& s)
{
    char ordner[OX_TXT_PATH] = "";
    if (DBA_GetDatenPfad(ordner, sizeof ordner) != 1 || ordner[0] == '\0')
        return false;
    std::string datei = std::string(ordner) + "OXTABELLEN.DAT";
    if (s.h != nullptr && s.datei == datei) {
        Nachlesen(s);
        return true;
    }
    Schliessen(s);
    ablage::OrdnerAnlegen(ordner);
    s.h = ablage::Oeffnen(datei);
    if (s.h == nullptr)
        return false;
    s.datei = datei;
    Nachlesen(s);
    if (s.ende > (1u << 20) && s.lebend < s.ende / 2)
        Verdichten(s);
    return s.h != nullptr;
}

bool Gueltig(int32_t besitzer, int32_t nummer)
{
    return (besitzer == TAB_BESITZER_ARTIKEL || besitzer == TAB_BESITZER_SERIE) && nummer >= 1;
}

void Loslassen()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(RUHIG_MS / 2));
        std::unique_lock<std::mutex> lock(g_Sperre, std::try_to_lock);
        if (!lock.owns_lock() || !g_Speicher.gehalten)
            continue;
        uint64_t jetzt = Ticks();
        if (jetzt - g_Speicher.benutzt >= RUHIG_MS || jetzt - g_Speicher.genommen >= HOECHSTENS_MS)
            SperreLoesen(g_Speicher);
    }
}

/* Starts (once) the thread that lets the held writers' lock go; false
 * when there is none (the lock is then let go after each append). */
bool LoslasserStarten()
{
    static std::once_flag einmal;
    static bool laeuft = false;
    std::call_once(einmal, [] { laeuft = ablage::HintergrundStarten(Loslassen); });
    return laeuft;
}

/* Appends one entry under the writers' lock. */
int32_t Anhaengen(Speicher& s, int32_t besitzer, int32_t nummer, uint32_t flags, const std::vector<unsigned char>& paket)
{
    int32_t ergebnis = 1;
    if (!s.gehalten) {
        if (!ablage::Sperren(s.h))
            return 0;
        s.gehalten = true;
        s.genommen = Ticks();
        Nachlesen(s);
    }
    /* A torn entry of a writer that died is cut off before appending;
     * where the cut is refused, the new entry goes over it (a reader stops
     * at whatever of it is left behind the new entry). With the lock held
     * on since this process's last append the file ends where that ended. */
    if (Groesse(s.h) != s.ende)
        ablage::Kuerzen(s.h, s.ende);
    if (ergebnis == 1) {
        uint64_t jetzt = ablage::Jetzt();
        std::vector<unsigned char> eintrag(KOPF + paket.size());
        uint32_t w[7] = { KENNUNG, static_cast<uint32_t>(besitzer), static_cast<uint32_t>(nummer),
                          static_cast<uint32_t>(jetzt), static_cast<uint32_t>(jetzt >> 32), flags,
                          static_cast<uint32_t>(paket.size()) };
        std::memcpy(eintrag.data(), w, sizeof w);
        if (!paket.empty())
            std::memcpy(eintrag.data() + KOPF, paket.data(), paket.size());
        uint32_t pruef = pruefsumme::Crc32(pruefsumme::Crc32(0, eintrag.data(), 28), eintrag.data() + KOPF, paket.size());
        std::memcpy(eintrag.data() + 28, &pruef, 4);
        if (SchreibenAn(s.h, s.ende, eintrag.data(), static_cast<uint32_t>(eintrag.size()))) {
            Eintragen(s, s.ende, eintrag.data());
            SchwanzAnfuegen(s, s.ende, eintrag.data(), eintrag.size());
            s.ende += eintrag.size();
        } else {
            ergebnis = 0;
        }
    }
    s.benutzt = Ticks();
    if (ergebnis != 1 || !LoslasserStarten())
        SperreLoesen(s);
    return ergebnis;
}

template <typename F>
int32_t Geschuetzt(int32_t fehler, F f)
{
    try {
        return f();
    } catch (...) {
        return fehler;
    }
}

} // namespace

OX_EXTERN_C int32_t OXCALL TAB_LeseTabelle(int32_t besitzer, int32_t nummer, OXTABELLE* tabelle, TAB_ZEIT* zeit)
{
    if (tabelle == nullptr || !Gueltig(besitzer, nummer))
        return -1;
    return Geschuetzt(-1, [&]() -> int32_t {
        std::lock_guard<std::mutex> lock(g_Sperre);
        Speicher& s = g_Speicher;
        if (!Bereit(s))
            return -1;
        if (zeit != nullptr)
            *zeit = TAB_ZEIT{};
        auto it = s.index.find(Schluessel(besitzer, nummer));
        const unsigned char* e = nullptr;
        std::vector<unsigned char> puffer;
        if (it != s.index.end())
            e = Bytes(s, it->second.position, KOPF + it->second.laenge, puffer);
        /* The entry was checked when it entered the index; its head must
         * still be the one indexed. Unpacking writes every byte of the
         * record. */
        if (e == nullptr || Wort(e) != KENNUNG || Wort(e + 4) != static_cast<uint32_t>(besitzer) ||
            Wort(e + 8) != static_cast<uint32_t>(nummer) || Wort(e + 24) != it->second.laenge ||
            !Entpacken(e + KOPF, it->second.laenge, tabelle)) {
            std::memset(tabelle, 0, sizeof *tabelle);
            return 0;
        }
        if (zeit != nullptr)
            *zeit = it->second.zeit;
        return 1;
    });
}

OX_EXTERN_C int32_t OXCALL TAB_SchreibeTabelle(int32_t besitzer, int32_t nummer, const OXTABELLE* tabelle)
{
    if (tabelle == nullptr || !Gueltig(besitzer, nummer))
        return -1;
    return Geschuetzt(0, [&]() -> int32_t {
        std::vector<unsigned char> paket;
        paket.reserve(4096);
        Packen(tabelle, paket);
        std::lock_guard<std::mutex> lock(g_Sperre);
        Speicher& s = g_Speicher;
        if (!Bereit(s))
            return -1;
        /* A table equal to the stored one is stored already: nothing is
         * appended and its write time stays. */
        auto it = s.index.find(Schluessel(besitzer, nummer));
        if (it != s.index.end() && it->second.laenge == paket.size()) {
            std::vector<unsigned char> puffer;
            const unsigned char* e = Bytes(s, it->second.position, KOPF + it->second.laenge, puffer);
            if (e != nullptr && Wort(e) == KENNUNG && std::memcmp(e + KOPF, paket.data(), paket.size()) == 0)
                return 1;
        }
        return Anhaengen(s, besitzer, nummer, 0, paket);
    });
}

OX_EXTERN_C int32_t OXCALL TAB_LoescheTabelle(int32_t besitzer, int32_t nummer)
{
    if (!Gueltig(besitzer, nummer))
        return -1;
    return Geschuetzt(0, [&]() -> int32_t {
        std::lock_guard<std::mutex> lock(g_Sperre);
        Speicher& s = g_Speicher;
        if (!Bereit(s))
            return -1;
        if (s.index.find(Schluessel(besitzer, nummer)) == s.index.end())
            return 0;
        return Anhaengen(s, besitzer, nummer, FLAG_GELOESCHT, {});
    });
}

OX_EXTERN_C int32_t OXCALL TAB_TabelleVorhanden(int32_t besitzer, int32_t nummer)
{
    if (!Gueltig(besitzer, nummer))
        return -1;
    return Geschuetzt(-1, [&]() -> int32_t {
        std::lock_guard<std::mutex> lock(g_Sperre);
        Speicher& s = g_Speicher;
        if (!Bereit(s))
            return -1;
        return s.index.count(Schluessel(besitzer, nummer)) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL TAB_SpeicherSchliessen(void)
{
    std::lock_guard<std::mutex> lock(g_Sperre);
    Schliessen(g_Speicher);
    return 1;
}
