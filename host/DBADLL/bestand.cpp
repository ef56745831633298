/*
 * bestand.cpp - store objects, the registry of the process, handles.
 */
#include "bestand.h"

#include <cstdlib>
#include <cstring>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

namespace dba {

/* ---- ZahlIndex ---------------------------------------------------------- */

namespace {
constexpr uint64_t kLeer = 0;
constexpr uint64_t kGrab = ~0ull;

uint64_t Streuen(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

size_t ZahlIndex::Platz(uint64_t schluessel) const
{
    /* The slot holding `schluessel`, or the first free one of its probe. */
    size_t maske = k_.size() - 1;
    size_t i = static_cast<size_t>(Streuen(schluessel)) & maske;
    size_t grab = SIZE_MAX;
    while (true) {
        uint64_t k = k_[i];
        if (k == schluessel) return i;
        if (k == kLeer) return grab != SIZE_MAX ? grab : i;
        if (k == kGrab && grab == SIZE_MAX) grab = i;
        i = (i + 1) & maske;
    }
}

const uint32_t* ZahlIndex::Finde(uint64_t schluessel) const
{
    if (k_.empty()) return nullptr;
    size_t i = Platz(schluessel);
    return k_[i] == schluessel ? &v_[i] : nullptr;
}

void ZahlIndex::Wachsen()
{
    std::vector<uint64_t> k = std::move(k_);
    std::vector<uint32_t> v = std::move(v_);
    size_t neu = 64;
    while (neu < (n_ + 1) * 2) neu *= 2;
    k_.assign(neu, kLeer);
    v_.assign(neu, 0);
    belegt_ = 0;
    n_ = 0;
    for (size_t i = 0; i < k.size(); ++i)
        if (k[i] != kLeer && k[i] != kGrab) Setze(k[i], v[i]);
}

void ZahlIndex::Setze(uint64_t schluessel, uint32_t wert)
{
    if (k_.empty() || (belegt_ + 1) * 4 > k_.size() * 3) Wachsen();
    size_t i = Platz(schluessel);
    if (k_[i] != schluessel) {
        if (k_[i] == kLeer) ++belegt_;
        k_[i] = schluessel;
        ++n_;
    }
    v_[i] = wert;
}

void ZahlIndex::Entferne(uint64_t schluessel)
{
    if (k_.empty()) return;
    size_t i = Platz(schluessel);
    if (k_[i] == schluessel) {
        k_[i] = kGrab;
        --n_;
    }
}

void ZahlIndex::Leeren()
{
    k_.clear();
    v_.clear();
    n_ = belegt_ = 0;
}

/* ---- Bestand ------------------------------------------------------------ */

/* Starts (once) the thread that lets go of writer locks held on after a
 * write; true when stores may hold their lock (Windows builds). */
static bool LoslasserStarten();

bool Bestand::Oeffnen(const std::string& pfad, uint32_t satzGroesse, uint32_t startAnzahl)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    if (!datei.Oeffnen(pfad, satzGroesse, true, startAnzahl)) return false;
    datei.Halten(LoslasserStarten());
    gen_ = 0;
    epoche_ = 0xFFFFFFFFu;
    return Sync();
}

bool Bestand::Sync()
{
    std::vector<unsigned char> puffer;
    uint64_t g = datei.Nachziehen(gen_, epoche_, [&](uint32_t slot) {
        if (slot == SatzDatei::ALLES) {
            Leeren();
            datei.AlleLesen([&](uint32_t s, const unsigned char* d) { Geladen(s, d); });
        } else {
            puffer.resize(datei.SatzGroesse());
            if (datei.Lesen(slot, puffer.data()) == 1) Geladen(slot, puffer.data());
        }
    });
    if (g == 0 && !datei.Offen()) return false;
    gen_ = datei.Generation();
    epoche_ = datei.Epoche();
    return true;
}

bool Bestand::Schreibe(const std::vector<SatzDatei::Teil>& teile, uint32_t neueAnzahl)
{
    uint32_t alteAnzahl = datei.Anzahl();
    uint64_t g = datei.Schreiben(teile, neueAnzahl);
    if (g == 0) return false;
    if (neueAnzahl < alteAnzahl) {
        /* Slots were dropped: rebuild from the file. */
        epoche_ = 0xFFFFFFFFu;
        return Sync();
    }
    for (const SatzDatei::Teil& t : teile) Geladen(t.first, static_cast<const unsigned char*>(t.second));
    gen_ = g;
    epoche_ = datei.Epoche();
    return true;
}

/* ---- registry ------------------------------------------------------------ */

namespace {

struct Register {
    std::mutex mutex;
    std::string pfad;
    uint32_t stand = 1;
    std::map<std::string, std::weak_ptr<Bestand>> bestaende;
    struct Eintrag {
        HandleArt art;
        std::shared_ptr<Bestand> bestand;
        int32_t wert;
    };
    std::map<int32_t, Eintrag> handles;
    int32_t naechster = 1;
};

Register& Reg()
{
    static Register* r = new Register();   /* lives until the process ends */
    return *r;
}

/* A writer lock held on after a write is let go once the store was quiet
 * for this long, or held for this long in any case. */
constexpr uint32_t kRuhigMs = 20;
constexpr uint32_t kHoechstensMs = 250;

[[maybe_unused]] void Loslassen()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kRuhigMs / 2));
        std::vector<std::shared_ptr<Bestand>> offen;
        {
            Register& r = Reg();
            std::lock_guard<std::mutex> lock(r.mutex);
            offen.reserve(r.bestaende.size());
            for (const auto& [pfad, schwach] : r.bestaende)
                if (std::shared_ptr<Bestand> b = schwach.lock()) offen.push_back(std::move(b));
        }
        for (const std::shared_ptr<Bestand>& b : offen) {
            std::unique_lock<std::recursive_mutex> lock(b->mutex, std::try_to_lock);
            if (lock.owns_lock()) b->datei.LoslassenWennRuhig(kRuhigMs, kHoechstensMs);
        }
    }
}

std::string MitTrenner(std::string p)
{
    if (!p.empty() && p.back() != '\\' && p.back() != '/') p.push_back('\\');
    return p;
}

std::string StandardPfad()
{
    const char* umgebung = std::getenv("OX_DATENPFAD");
    if (umgebung && *umgebung) return MitTrenner(umgebung);
    return "DATEN\\";
}

} // namespace

static bool LoslasserStarten()
{
#if defined(_WIN32)
    static std::once_flag einmal;
    static bool laeuft = false;
    std::call_once(einmal, [] {
        try {
            std::thread(Loslassen).detach();
            laeuft = true;
        } catch (...) {
            laeuft = false;
        }
    });
    return laeuft;
#else
    return false;
#endif
}

std::string DatenPfad()
{
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.pfad.empty()) r.pfad = StandardPfad();
    return r.pfad;
}

bool SetzeDatenPfad(const std::string& pfad)
{
    std::string p = MitTrenner(pfad);
    if (!OrdnerAnlegen(p)) return false;
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.pfad = p;
    ++r.stand;
    return true;
}

uint32_t PfadStand()
{
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.stand;
}

std::shared_ptr<Bestand> HoleBestand(const std::string& relativ, uint32_t satzGroesse, uint32_t startAnzahl,
                                     std::shared_ptr<Bestand> (*neu)())
{
    bool absolut = (relativ.size() > 1 && relativ[1] == ':') || (!relativ.empty() && (relativ[0] == '\\' || relativ[0] == '/'));
    std::string voll = absolut ? relativ : DatenPfad() + relativ;
    std::string ordner = voll.substr(0, voll.find_last_of("\\/") + 1);
    std::string schluessel = VollerPfad(voll);
    Register& r = Reg();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        auto it = r.bestaende.find(schluessel);
        if (it != r.bestaende.end())
            if (std::shared_ptr<Bestand> b = it->second.lock()) return b;
    }
    if (!ordner.empty() && !OrdnerAnlegen(ordner)) return nullptr;
    std::shared_ptr<Bestand> b = neu();
    if (!b->Oeffnen(voll, satzGroesse, startAnzahl)) return nullptr;
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.bestaende.find(schluessel);
    if (it != r.bestaende.end())
        if (std::shared_ptr<Bestand> anderer = it->second.lock()) return anderer;   /* another thread won */
    r.bestaende[schluessel] = b;
    if (r.bestaende.size() > 4096)
        for (auto i = r.bestaende.begin(); i != r.bestaende.end();)
            i = i->second.expired() ? r.bestaende.erase(i) : std::next(i);
    return b;
}

int32_t NeuerHandle(HandleArt art, std::shared_ptr<Bestand> bestand, int32_t wert)
{
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.naechster >= 0x7FFFFFF0) return -1;
    int32_t h = r.naechster++;
    r.handles[h] = Register::Eintrag{art, std::move(bestand), wert};
    return h;
}

std::shared_ptr<Bestand> HandleBestand(int32_t handle, HandleArt art, int32_t* wert)
{
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.handles.find(handle);
    if (it == r.handles.end() || it->second.art != art) return nullptr;
    if (wert) *wert = it->second.wert;
    return it->second.bestand;
}

bool HandleSchliessen(int32_t handle, HandleArt art, int32_t* wert)
{
    std::shared_ptr<Bestand> letzter;   /* released outside the lock */
    Register& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.handles.find(handle);
    if (it == r.handles.end() || it->second.art != art) return false;
    if (wert) *wert = it->second.wert;
    letzter = std::move(it->second.bestand);
    r.handles.erase(it);
    return true;
}

void Kopiere(char* ziel, size_t groesse, const char* quelle)
{
    if (!ziel || groesse == 0) return;
    size_t n = 0;
    if (quelle)
        while (n + 1 < groesse && quelle[n]) ++n;
    if (n) std::memcpy(ziel, quelle, n);
    std::memset(ziel + n, 0, groesse - n);
}

std::string Text(const char* feld, size_t groesse)
{
    size_t n = 0;
    while (n < groesse && feld[n]) ++n;
    return std::string(feld, n);
}

} // namespace dba
