/*
 * edimap.cpp - EDIMapDBA_: learnt keyword mappings and supplier standard
 * characteristics in EDIMAP.DBA. A slot holds the supplier ILN, the entry
 * type (learnt / standard) and the 202-byte record as it was given. The
 * index maps "ILN, type, kind, keyword" to the slot and is ordered, so one
 * supplier's entries lie together.
 *
 * The memory copy (one supplier at a time) is a map of the same keys; its
 * changes reach the store in one write (WriteEDIMAPMem).
 */
#include "hostapi/dbadll.h"
#include "familie.h"

#include <cstdio>
#include <map>
#include <set>
#include <vector>

using namespace dba;

namespace {

#pragma pack(push, 1)
struct MapSlot {
    char Iln[OX_TXT_ILN];
    uint8_t Standard;
    uint8_t Belegt;
    int32_t Art;                /* the key's kind */
    uint8_t Reserve[4];
    EDIMAP_SATZ Satz;           /* as it was given */
};
#pragma pack(pop)
static_assert(sizeof(MapSlot) == 226, "MapSlot");

constexpr size_t kWortLaenge = OX_TXT_36 - 1;

bool IlnGueltig(const char* iln)
{
    size_t n = Laenge(iln, OX_TXT_ILN);
    return n >= 1 && n <= 13;
}

std::string Schluessel(const char* iln, bool standard, int32_t art, const char* wort)
{
    char kopf[8];
    std::snprintf(kopf, sizeof kopf, "%c%02d", standard ? 'S' : 'L', art & 0xFF);
    std::string k = std::string(iln, Laenge(iln, 13)) + '\x01' + kopf;
    if (!standard && wort) k += std::string(wort, Laenge(wort, kWortLaenge));
    return k;
}

std::string IlnPraefix(const char* iln) { return std::string(iln, Laenge(iln, 13)) + '\x01'; }

class MapBestand : public Bestand {
public:
    std::map<std::string, uint32_t> index;
    std::vector<std::string> slotSchluessel;
    std::vector<uint32_t> frei;

    /* A free slot below the count not in `vergeben`, or SatzDatei::ALLES. */
    uint32_t FreierSlot(const std::set<uint32_t>& vergeben)
    {
        while (!frei.empty()) {
            uint32_t s = frei.back();
            frei.pop_back();
            if (s < slotSchluessel.size() && slotSchluessel[s].empty() && s < datei.Anzahl() && !vergeben.count(s))
                return s;
        }
        return SatzDatei::ALLES;
    }

    /* The pieces of writing `eintraege` (key -> slot content); Sperre held. */
    bool Ablegen(const std::vector<std::pair<std::string, MapSlot>>& eintraege)
    {
        std::vector<SatzDatei::Teil> teile;
        uint32_t anzahl = datei.Anzahl();
        std::set<uint32_t> vergeben;
        for (const auto& e : eintraege) {
            auto it = index.find(e.first);
            uint32_t slot;
            if (it != index.end()) {
                slot = it->second;
            } else {
                slot = FreierSlot(vergeben);
                if (slot == SatzDatei::ALLES) slot = anzahl++;
            }
            vergeben.insert(slot);
            teile.emplace_back(slot, &e.second);
        }
        return Schreibe(teile, anzahl);
    }

protected:
    void Leeren() override
    {
        index.clear();
        slotSchluessel.clear();
        frei.clear();
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= slotSchluessel.size()) slotSchluessel.resize(slot + 1);
        if (!slotSchluessel[slot].empty()) {
            auto it = index.find(slotSchluessel[slot]);
            if (it != index.end() && it->second == slot) index.erase(it);
        }
        const MapSlot* m = reinterpret_cast<const MapSlot*>(daten);
        char iln[OX_TXT_ILN];
        Kopiere(iln, sizeof iln, Text(m->Iln, sizeof m->Iln).c_str());
        if (m->Belegt && IlnGueltig(iln)) {
            char wort[OX_TXT_36];
            Kopiere(wort, sizeof wort, Text(m->Satz.Schluesselwort, sizeof m->Satz.Schluesselwort).c_str());
            slotSchluessel[slot] = Schluessel(iln, m->Standard != 0, m->Art, wort);
            index[slotSchluessel[slot]] = slot;
        } else {
            slotSchluessel[slot].clear();
            frei.push_back(slot);
        }
    }
};

std::shared_ptr<MapBestand> Store()
{
    return Implizit<MapBestand>("EDIMAP.DBA", sizeof(MapSlot));
}

MapSlot SlotVon(const EDIMAP_SATZ& satz, const char* iln, bool standard, int32_t art)
{
    MapSlot m{};
    Kopiere(m.Iln, sizeof m.Iln, std::string(iln, Laenge(iln, 13)).c_str());
    m.Standard = standard ? 1 : 0;
    m.Belegt = 1;
    m.Art = art;
    m.Satz = satz;
    return m;
}

/* The memory copy of one supplier. */
struct Kopie {
    std::mutex mutex;
    std::string iln;            /* empty = none */
    uint32_t stand = 0;
    std::map<std::string, MapSlot> eintraege;
    std::set<std::string> geaendert;
};

Kopie& Speicher()
{
    static Kopie* k = new Kopie();
    return *k;
}

/* True when the copy belongs to `iln` (and to the current data folder). */
bool KopieFuer(Kopie& k, const char* iln)
{
    if (k.stand != PfadStand()) {
        k.iln.clear();
        k.eintraege.clear();
        k.geaendert.clear();
    }
    return !k.iln.empty() && k.iln == std::string(iln, Laenge(iln, 13));
}

/* Reads one entry from the store; `satz` is written only when found (1). */
int32_t AusStore(EDIMAP_SATZ* satz, const std::string& schluessel)
{
    std::shared_ptr<MapBestand> b = Store();
    if (!b) return -1;
    std::lock_guard<std::recursive_mutex> lock(b->mutex);
    MapSlot m;
    int rc = b->LeseNach([&]() -> int64_t {
        auto it = b->index.find(schluessel);
        return it == b->index.end() ? -1 : static_cast<int64_t>(it->second);
    }, &m);
    if (rc != 1) return rc;
    *satz = m.Satz;
    return 1;
}

int32_t InStore(const EDIMAP_SATZ& satz, const char* iln, bool standard, int32_t art)
{
    std::shared_ptr<MapBestand> b = Store();
    if (!b) return 0;
    MapSlot m = SlotVon(satz, iln, standard, art);
    std::string k = Schluessel(iln, standard, art, m.Satz.Schluesselwort);
    Bestand::Sperre sperre(*b);
    if (!sperre.ok) return 0;
    return b->Ablegen({{k, m}}) ? 1 : 0;
}

/* Looks a key up in the in-memory copy when it holds this ILN, else in the
   store; the record is written only when found (1), 0 not found, -1 error. */
int32_t AusKopieOderStore(EDIMAP_SATZ* satz, const char* iln, const std::string& k)
{
    Kopie& kopie = Speicher();
    {
        std::lock_guard<std::mutex> kl(kopie.mutex);
        if (KopieFuer(kopie, iln)) {
            auto it = kopie.eintraege.find(k);
            if (it == kopie.eintraege.end()) return 0;
            *satz = it->second.Satz;
            return 1;
        }
    }
    return AusStore(satz, k);
}

} // namespace

OX_EXTERN_C int32_t OXCALL EDIMapDBA_MakeEDIMAPMem(const char* iln)
{
    return Schutz(-1, [&] {
        if (!IlnGueltig(iln)) return -1;
        std::shared_ptr<MapBestand> b = Store();
        if (!b) return -1;
        Kopie& k = Speicher();
        std::lock_guard<std::mutex> kl(k.mutex);
        k.iln.clear();
        k.eintraege.clear();
        k.geaendert.clear();
        k.stand = PfadStand();
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return -1;
        std::string praefix = IlnPraefix(iln);
        MapSlot m;
        for (auto it = b->index.lower_bound(praefix); it != b->index.end() && it->first.compare(0, praefix.size(), praefix) == 0; ++it)
            if (b->datei.Lesen(it->second, &m) == 1) k.eintraege[it->first] = m;
        k.iln = std::string(iln, Laenge(iln, 13));
        return static_cast<int32_t>(k.eintraege.size());
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_SuchEDIMAPMem(EDIMAP_SATZ* satz, const char* iln, const char* schluesselwort, int32_t art)
{
    return Schutz(-1, [&] {
        if (!satz || !IlnGueltig(iln) || !schluesselwort) return -1;
        return AusKopieOderStore(satz, iln, Schluessel(iln, false, art, schluesselwort));
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_EDIMAPEintragenMem(const EDIMAP_SATZ* satz, const char* iln, int32_t art)
{
    return Schutz(-1, [&] {
        if (!satz || !IlnGueltig(iln)) return -1;
        MapSlot m = SlotVon(*satz, iln, false, art);
        std::string k = Schluessel(iln, false, art, m.Satz.Schluesselwort);
        Kopie& kopie = Speicher();
        {
            std::lock_guard<std::mutex> kl(kopie.mutex);
            if (KopieFuer(kopie, iln)) {
                kopie.eintraege[k] = m;
                kopie.geaendert.insert(k);
                return 1;
            }
        }
        return InStore(*satz, iln, false, art) == 1 ? 1 : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_WriteEDIMAPMem(const char* iln)
{
    return Schutz(-1, [&] {
        if (!IlnGueltig(iln)) return -1;
        Kopie& kopie = Speicher();
        std::lock_guard<std::mutex> kl(kopie.mutex);
        if (!KopieFuer(kopie, iln)) return -1;
        if (kopie.geaendert.empty()) return 0;
        std::vector<std::pair<std::string, MapSlot>> eintraege;
        for (const std::string& k : kopie.geaendert) eintraege.emplace_back(k, kopie.eintraege[k]);
        std::shared_ptr<MapBestand> b = Store();
        if (!b) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok || !b->Ablegen(eintraege)) return -1;
        kopie.geaendert.clear();
        return static_cast<int32_t>(eintraege.size());
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_FreeEDIMAPMem(void)
{
    return Schutz(1, [] {
        Kopie& kopie = Speicher();
        std::lock_guard<std::mutex> kl(kopie.mutex);
        kopie.iln.clear();
        kopie.eintraege.clear();
        kopie.geaendert.clear();
        return 1;
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_SuchStandardEDIMAP(EDIMAP_SATZ* satz, const char* iln, int32_t art)
{
    return Schutz(-1, [&] {
        if (!satz || !IlnGueltig(iln)) return -1;
        return AusStore(satz, Schluessel(iln, true, art, nullptr));
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_SuchStandardEDIMAPMem(EDIMAP_SATZ* satz, const char* iln, int32_t art)
{
    return Schutz(-1, [&] {
        if (!satz || !IlnGueltig(iln)) return -1;
        return AusKopieOderStore(satz, iln, Schluessel(iln, true, art, nullptr));
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_StandardEDIMAPEintragen(const EDIMAP_SATZ* satz, const char* iln, int32_t art)
{
    return Schutz(-1, [&] {
        if (!satz || !IlnGueltig(iln)) return -1;
        int32_t rc = InStore(*satz, iln, true, art);
        if (rc == 1) {
            Kopie& kopie = Speicher();
            std::lock_guard<std::mutex> kl(kopie.mutex);
            if (KopieFuer(kopie, iln)) kopie.eintraege[Schluessel(iln, true, art, nullptr)] = SlotVon(*satz, iln, true, art);
        }
        return rc;
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_CreateFeldMapFileName(const char* iln, char* pfad)
{
    return Schutz(-1, [&] {
        if (!pfad || !IlnGueltig(iln)) return -1;
        std::string ordner = DatenPfad() + "EDIFELDMAP\\";
        std::string name = ordner + std::string(iln, Laenge(iln, 13)) + ".INI";
        if (name.size() >= OX_TXT_PATH) return -1;
        OrdnerAnlegen(ordner);
        Kopiere(pfad, OX_TXT_PATH, name.c_str());
        return 1;
    });
}

OX_EXTERN_C int32_t OXCALL EDIMapDBA_EDIFeldMapExists(const char* iln)
{
    return Schutz(-1, [&] {
        if (!IlnGueltig(iln)) return -1;
        std::string name = DatenPfad() + "EDIFELDMAP\\" + std::string(iln, Laenge(iln, 13)) + ".INI";
        return DateiExistiert(name) ? 1 : 0;
    });
}
