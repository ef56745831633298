/*
 * lieferant.cpp - LieferantenDBA_: suppliers in LIEFERANT.DBA, record
 * number n in slot n-1 (the file starts with 1000 empty records). All
 * records are kept in memory; the ILN index (ILN -> first supplier holding
 * it) is rebuilt after any change.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <unordered_map>
#include <vector>

using namespace dba;

namespace {

class LieferantBestand : public Bestand {
public:
    std::vector<LIEFERANTEN_SATZ> saetze;
    std::unordered_map<std::string, int32_t> ilns;
    bool ilnsAlt = true;

    void IlnsBauen()
    {
        if (!ilnsAlt) return;
        ilns.clear();
        for (size_t i = 0; i < saetze.size() && i < DBA_MAX_LIEFERANTEN; ++i) {
            const LIEFERANTEN_SATZ& l = saetze[i];
            if (l.Nummer <= 0) continue;
            for (int s = 0; s < DBA_ILN_SLOTS; ++s) {
                std::string iln = Text(l.Iln[s], sizeof l.Iln[s]);
                if (iln.size() == 13) ilns.emplace(iln, static_cast<int32_t>(i + 1));   /* first one stays */
            }
        }
        ilnsAlt = false;
    }

protected:
    void Leeren() override
    {
        saetze.clear();
        ilnsAlt = true;
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= saetze.size()) saetze.resize(slot + 1);
        std::memcpy(&saetze[slot], daten, sizeof(LIEFERANTEN_SATZ));
        ilnsAlt = true;
    }
};

std::shared_ptr<LieferantBestand> Store()
{
    return Implizit<LieferantBestand>("LIEFERANT.DBA", sizeof(LIEFERANTEN_SATZ), DBA_MAX_LIEFERANTEN);
}

int32_t Lesen(LieferantBestand& b, int32_t nummer, LIEFERANTEN_SATZ* satz)
{
    std::lock_guard<std::recursive_mutex> lock(b.mutex);
    if (!b.Sync()) return -1;
    size_t i = static_cast<size_t>(nummer - 1);
    if (i >= b.saetze.size() || b.saetze[i].Nummer <= 0) {
        std::memset(satz, 0, sizeof *satz);
        return 0;
    }
    *satz = b.saetze[i];
    return 1;
}

bool NummerGueltig(int32_t nummer) { return nummer >= 1 && nummer <= DBA_MAX_LIEFERANTEN; }

} // namespace

OX_EXTERN_C HOSTHANDLE OXCALL LieferantenDBA_OpenDBA(void)
{
    return Schutz(0, [] {
        std::shared_ptr<LieferantBestand> b = Store();
        if (!b) return 0;
        int32_t h = NeuerHandle(HandleArt::Lieferant, b);
        return h > 0 ? h : 0;
    });
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_CloseDBA(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleSchliessen(handle, HandleArt::Lieferant) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_ReadRecord(HOSTHANDLE handle, int32_t nummer, LIEFERANTEN_SATZ* satz)
{
    return Schutz(-1, [&] {
        auto b = std::static_pointer_cast<LieferantBestand>(HandleBestand(handle, HandleArt::Lieferant));
        if (!b || !NummerGueltig(nummer) || !satz) return -1;
        return Lesen(*b, nummer, satz);
    });
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_LeseRecord(int32_t nummer, LIEFERANTEN_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!NummerGueltig(nummer) || !satz) return -1;
        std::shared_ptr<LieferantBestand> b = Store();
        return b ? Lesen(*b, nummer, satz) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_SchreibeRecord(int32_t nummer, const LIEFERANTEN_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!NummerGueltig(nummer) || !satz) return -1;
        std::shared_ptr<LieferantBestand> b = Store();
        if (!b) return -1;
        auto kopie = std::make_unique<LIEFERANTEN_SATZ>(*satz);
        kopie->Nummer = nummer;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t slot = static_cast<uint32_t>(nummer - 1);
        uint32_t anzahl = b->datei.Anzahl();
        return b->Schreibe({{slot, kopie.get()}}, slot < anzahl ? anzahl : slot + 1) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_ClearRecord(LIEFERANTEN_SATZ* satz)
{
    if (!satz) return -1;
    std::memset(satz, 0, sizeof *satz);
    return 1;
}

OX_EXTERN_C int32_t OXCALL LieferantenDBA_SucheIln(const char* iln)
{
    return Schutz(-1, [&] {
        if (!iln) return -1;
        if (Laenge(iln, 14) != 13) return 0;
        std::shared_ptr<LieferantBestand> b = Store();
        if (!b) return 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return 0;
        b->IlnsBauen();
        auto it = b->ilns.find(std::string(iln, 13));
        return it == b->ilns.end() ? 0 : it->second;
    });
}
