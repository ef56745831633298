/*
 * artikel.cpp - ARTLIB_: the article store, ARTIKEL.DBA, one 512-byte
 * record per slot; the article number (bytes 0..3) is the key, indexed in
 * memory.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <map>
#include <vector>

using namespace dba;

namespace {

class ArtikelBestand : public Bestand {
public:
    ArtikelBestand() { datei.Vorrat(true); }   /* new slots are read back at once */
    std::map<int32_t, uint32_t> index;      /* number -> slot */
    std::vector<int32_t> slotNummer;

protected:
    void Leeren() override
    {
        index.clear();
        slotNummer.clear();
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= slotNummer.size()) slotNummer.resize(slot + 1, 0);
        int32_t alt = slotNummer[slot];
        if (alt > 0) {
            auto it = index.find(alt);
            if (it != index.end() && it->second == slot) index.erase(it);
        }
        int32_t neu;
        std::memcpy(&neu, daten, 4);
        slotNummer[slot] = neu;
        if (neu > 0) index.emplace(neu, slot);
    }
};

std::shared_ptr<ArtikelBestand> Store()
{
    return Implizit<ArtikelBestand>("ARTIKEL.DBA", sizeof(ARTIKEL_SATZ));
}

std::shared_ptr<ArtikelBestand> AusHandle(HOSTHANDLE h)
{
    return std::static_pointer_cast<ArtikelBestand>(HandleBestand(h, HandleArt::Artikel));
}

int32_t Lesen(ArtikelBestand& b, int32_t nummer, ARTIKEL_SATZ* satz)
{
    std::lock_guard<std::recursive_mutex> lock(b.mutex);
    int rc = b.LeseNach([&]() -> int64_t {
        auto it = b.index.find(nummer);
        return it == b.index.end() ? -1 : static_cast<int64_t>(it->second);
    }, satz);
    if (rc != 1) std::memset(satz, 0, sizeof *satz);
    return rc == 1 ? 1 : (rc == 0 ? 0 : -1);
}

int32_t Schreiben(ArtikelBestand& b, int32_t nummer, const ARTIKEL_SATZ* satz)
{
    ARTIKEL_SATZ kopie = *satz;
    kopie.ArtikelNummer = nummer;
    /* A record equal to the stored one is stored already: no write. */
    ARTIKEL_SATZ alt;
    if (Lesen(b, nummer, &alt) == 1 && std::memcmp(&alt, &kopie, sizeof alt) == 0) return 1;
    Bestand::Sperre sperre(b);
    if (!sperre.ok) return 0;
    auto it = b.index.find(nummer);
    uint32_t anzahl = b.datei.Anzahl();
    uint32_t slot = it != b.index.end() ? it->second : anzahl;
    return b.Schreibe({{slot, &kopie}}, slot < anzahl ? anzahl : slot + 1) ? 1 : 0;
}

} // namespace

OX_EXTERN_C HOSTHANDLE OXCALL ARTLIB_OeffneDatenbank(void)
{
    return Schutz(-1, [] {
        std::shared_ptr<ArtikelBestand> b = Store();
        return b ? NeuerHandle(HandleArt::Artikel, b) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_SchliesseDatenbank(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleSchliessen(handle, HandleArt::Artikel) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_ReadArtikel(HOSTHANDLE handle, int32_t artikelNummer, ARTIKEL_SATZ* satz)
{
    return Schutz(-1, [&] {
        std::shared_ptr<ArtikelBestand> b = AusHandle(handle);
        if (!b || artikelNummer < 1 || !satz) return -1;
        return Lesen(*b, artikelNummer, satz);
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_WriteArtikel(HOSTHANDLE handle, int32_t artikelNummer, const ARTIKEL_SATZ* satz)
{
    return Schutz(-1, [&] {
        std::shared_ptr<ArtikelBestand> b = AusHandle(handle);
        if (!b || artikelNummer < 1 || !satz) return -1;
        return Schreiben(*b, artikelNummer, satz);
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_LeseArtikel(int32_t artikelNummer, ARTIKEL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !satz) return -1;
        std::shared_ptr<ArtikelBestand> b = Store();
        return b ? Lesen(*b, artikelNummer, satz) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_SchreibeArtikel(int32_t artikelNummer, const ARTIKEL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !satz) return -1;
        std::shared_ptr<ArtikelBestand> b = Store();
        return b ? Schreiben(*b, artikelNummer, satz) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_SchreibeArtikelBlock(const ARTIKEL_SATZ* saetze, int32_t anzahl)
{
    return Schutz(-1, [&] {
        if (!saetze || anzahl < 0) return -1;
        for (int32_t i = 0; i < anzahl; ++i)
            if (saetze[i].ArtikelNummer < 1) return -1;
        if (anzahl == 0) return 0;
        std::shared_ptr<ArtikelBestand> b = Store();
        if (!b) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return -1;
        /* One piece per slot: a number given twice is written once, with
         * the later record. New numbers go behind the last slot. */
        std::map<uint32_t, const ARTIKEL_SATZ*> proSlot;
        std::map<int32_t, uint32_t> neu;
        uint32_t anzahlAlt = b->datei.Anzahl(), naechster = anzahlAlt;
        for (int32_t i = 0; i < anzahl; ++i) {
            int32_t nummer = saetze[i].ArtikelNummer;
            auto it = b->index.find(nummer);
            uint32_t slot;
            if (it != b->index.end()) {
                slot = it->second;
            } else {
                auto n = neu.find(nummer);
                slot = n != neu.end() ? n->second : (neu[nummer] = naechster++);
            }
            proSlot[slot] = &saetze[i];
        }
        std::vector<SatzDatei::Teil> teile;
        teile.reserve(proSlot.size());
        for (const auto& [slot, satz] : proSlot) teile.emplace_back(slot, satz);
        return b->Schreibe(teile, naechster) ? static_cast<int32_t>(teile.size()) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_AnzahlArtikel(void)
{
    return Schutz(-1, [] {
        std::shared_ptr<ArtikelBestand> b = Store();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        return b->Sync() ? static_cast<int32_t>(b->index.size()) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL ARTLIB_NaechsterArtikel(int32_t nachNummer, ARTIKEL_SATZ* satz)
{
    return Schutz(0, [&] {
        std::shared_ptr<ArtikelBestand> b = Store();
        if (!b) return 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        for (int versuch = 0; versuch < 3; ++versuch) {
            if (!b->Sync()) return 0;
            auto it = b->index.upper_bound(nachNummer);
            if (it == b->index.end()) return 0;
            int32_t nummer = it->first;
            if (!satz || Lesen(*b, nummer, satz) == 1) return nummer;
        }
        return 0;
    });
}
