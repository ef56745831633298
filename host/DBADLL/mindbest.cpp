/*
 * mindbest.cpp - MindbestDBA_: minimum stocks in MINDBEST.DBA, keyed by
 * article number (bytes 0..3 of the record; 0 = a free slot).
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <map>
#include <vector>

using namespace dba;

namespace {

class MindbestBestand : public Bestand {
public:
    std::map<int32_t, uint32_t> index;
    std::vector<int32_t> slotNummer;
    std::vector<uint32_t> frei;

    uint32_t FreierSlot()
    {
        while (!frei.empty()) {
            uint32_t s = frei.back();
            frei.pop_back();
            if (s < slotNummer.size() && slotNummer[s] == 0 && s < datei.Anzahl()) return s;
        }
        return datei.Anzahl();
    }

protected:
    void Leeren() override
    {
        index.clear();
        slotNummer.clear();
        frei.clear();
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= slotNummer.size()) slotNummer.resize(slot + 1, 0);
        if (slotNummer[slot] > 0) {
            auto it = index.find(slotNummer[slot]);
            if (it != index.end() && it->second == slot) index.erase(it);
        }
        int32_t neu;
        std::memcpy(&neu, daten, 4);
        slotNummer[slot] = neu > 0 ? neu : 0;
        if (neu > 0) index.emplace(neu, slot);
        else frei.push_back(slot);
    }
};

std::shared_ptr<MindbestBestand> Store()
{
    return Implizit<MindbestBestand>("MINDBEST.DBA", sizeof(MINDBEST_SATZ));
}

} // namespace

OX_EXTERN_C int32_t OXCALL MindbestDBA_MindbestExists(int32_t artikelNummer)
{
    return Schutz(0, [&] {
        if (artikelNummer < 1) return 0;
        std::shared_ptr<MindbestBestand> b = Store();
        if (!b) return 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        return b->Sync() && b->index.count(artikelNummer) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL MindbestDBA_Delete(int32_t artikelNummer)
{
    return Schutz(0, [&] {
        if (artikelNummer < 1) return 0;
        std::shared_ptr<MindbestBestand> b = Store();
        if (!b) return 0;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        auto it = b->index.find(artikelNummer);
        if (it == b->index.end()) return 0;
        MINDBEST_SATZ leer{};
        return b->Schreibe({{it->second, &leer}}, b->datei.Anzahl()) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL MindbestDBA_Lese(int32_t artikelNummer, MINDBEST_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !satz) return -1;
        std::shared_ptr<MindbestBestand> b = Store();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        int rc = b->LeseNach([&]() -> int64_t {
            auto it = b->index.find(artikelNummer);
            return it == b->index.end() ? -1 : static_cast<int64_t>(it->second);
        }, satz);
        if (rc != 1) std::memset(satz, 0, sizeof *satz);
        return rc;
    });
}

OX_EXTERN_C int32_t OXCALL MindbestDBA_Schreibe(const MINDBEST_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!satz || satz->ArtikelNummer < 1) return -1;
        std::shared_ptr<MindbestBestand> b = Store();
        if (!b) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        auto it = b->index.find(satz->ArtikelNummer);
        uint32_t slot = it != b->index.end() ? it->second : b->FreierSlot();
        uint32_t anzahl = b->datei.Anzahl();
        return b->Schreibe({{slot, satz}}, slot < anzahl ? anzahl : slot + 1) ? 1 : 0;
    });
}
