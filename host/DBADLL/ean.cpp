/*
 * ean.cpp - EANDATA_: the EAN index in EANDATA.DBA (32-byte slots: EAN,
 * article, pattern id), held in memory as a hash from the EAN to its slot.
 * (The articles' EAN files are in eanartikel.cpp.)
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

using namespace dba;

namespace {

#pragma pack(push, 1)
struct EanSlot {
    char Ean[15];
    uint8_t Belegt;
    int32_t Artikel;
    int32_t Muster;
    uint8_t Reserve[8];
};
#pragma pack(pop)
static_assert(sizeof(EanSlot) == 32, "EanSlot");

/* The EAN as a number with its length in the top byte (0 = not valid). */
uint64_t EanSchluessel(const char* ean)
{
    if (!ean) return 0;
    size_t n = Laenge(ean, 15);
    if (n != 8 && n != 12 && n != 13 && n != 14) return 0;
    uint64_t wert = 0;
    int summe = 0;
    for (size_t i = 0; i < n; ++i) {
        char c = ean[i];
        if (c < '0' || c > '9') return 0;
        wert = wert * 10 + static_cast<uint64_t>(c - '0');
        if (i + 1 < n) summe += (c - '0') * (((n - 1 - i) % 2) ? 3 : 1);
    }
    if ((10 - summe % 10) % 10 != ean[n - 1] - '0') return 0;
    return wert | (static_cast<uint64_t>(n) << 56);
}

class EanBestand : public Bestand {
public:
    ZahlIndex index;                   /* key -> slot */
    std::vector<uint64_t> slotSchluessel;
    std::vector<int32_t> artikel, muster;
    std::vector<uint32_t> frei;

    uint32_t FreierSlot()
    {
        while (!frei.empty()) {
            uint32_t s = frei.back();
            frei.pop_back();
            if (s < slotSchluessel.size() && slotSchluessel[s] == 0 && s < datei.Anzahl()) return s;
        }
        return datei.Anzahl();
    }

protected:
    void Leeren() override
    {
        index.Leeren();
        slotSchluessel.clear();
        artikel.clear();
        muster.clear();
        frei.clear();
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= slotSchluessel.size()) {
            slotSchluessel.resize(slot + 1, 0);
            artikel.resize(slot + 1, 0);
            muster.resize(slot + 1, 0);
        }
        if (slotSchluessel[slot]) {
            const uint32_t* s = index.Finde(slotSchluessel[slot]);
            if (s && *s == slot) index.Entferne(slotSchluessel[slot]);
        }
        EanSlot e;
        std::memcpy(&e, daten, sizeof e);
        e.Ean[sizeof e.Ean - 1] = 0;
        uint64_t k = e.Belegt ? EanSchluessel(e.Ean) : 0;
        slotSchluessel[slot] = k;
        artikel[slot] = k ? e.Artikel : 0;
        muster[slot] = k ? e.Muster : 0;
        if (k) index.Setze(k, slot);
        else frei.push_back(slot);
    }
};

std::shared_ptr<EanBestand> EanStore()
{
    return Implizit<EanBestand>("EANDATA.DBA", sizeof(EanSlot));
}

} // namespace

/* ---- EANDATA_ ------------------------------------------------------------- */

OX_EXTERN_C int32_t OXCALL EANDATA_EAN_Ist_OK(const char* ean)
{
    return EanSchluessel(ean) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL EANDATA_GetArtikelNummer(const char* ean, int32_t* musterId)
{
    return Schutz(0, [&] {
        if (musterId) *musterId = 0;
        uint64_t k = EanSchluessel(ean);
        if (!k) return 0;
        std::shared_ptr<EanBestand> b = EanStore();
        if (!b) return 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return 0;
        const uint32_t* s = b->index.Finde(k);
        if (!s) return 0;
        if (musterId) *musterId = b->muster[*s];
        return b->artikel[*s];
    });
}

OX_EXTERN_C int32_t OXCALL EANDATA_SetArtikelNummerOhneMusterID(const char* ean, int32_t artikelNummer, int32_t ueberschreiben)
{
    return Schutz(0, [&] {
        if (!ean || artikelNummer < 1) return -1;
        uint64_t k = EanSchluessel(ean);
        if (!k) return 0;
        std::shared_ptr<EanBestand> b = EanStore();
        if (!b) return 0;
        {
            /* Already so: nothing to write, so no lock on the file (an
             * import sets the same EAN for every row of a known article). */
            std::lock_guard<std::recursive_mutex> lock(b->mutex);
            if (b->Sync()) {
                const uint32_t* s = b->index.Finde(k);
                if (s && b->artikel[*s] == artikelNummer && b->muster[*s] == 0) return 1;
            }
        }
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        const uint32_t* s = b->index.Finde(k);
        uint32_t slot;
        if (s) {
            if (b->artikel[*s] == artikelNummer && b->muster[*s] == 0) return 1;
            if (b->artikel[*s] != artikelNummer && !ueberschreiben) return 0;
            slot = *s;
        } else {
            slot = b->FreierSlot();
        }
        EanSlot e{};
        Kopiere(e.Ean, sizeof e.Ean, ean);
        e.Belegt = 1;
        e.Artikel = artikelNummer;
        uint32_t anzahl = b->datei.Anzahl();
        return b->Schreibe({{slot, &e}}, slot < anzahl ? anzahl : slot + 1) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANDATA_SetArtikelNummernBlock(const EANDATA_ZUORDNUNG* zuordnungen, int32_t anzahl,
                                                          int32_t ueberschreiben)
{
    return Schutz(-1, [&] {
        if (!zuordnungen || anzahl < 0) return -1;
        if (anzahl == 0) return 0;
        std::shared_ptr<EanBestand> b = EanStore();
        if (!b) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return -1;

        /* The block is applied in order to the state the store would have:
         * `block` holds every EAN the block changes (slot, article). New
         * EANs get slots behind the last one. */
        struct Aenderung {
            uint32_t slot;
            int32_t artikel;
        };
        std::unordered_map<uint64_t, Aenderung> block;
        block.reserve(static_cast<size_t>(anzahl));
        std::vector<uint64_t> schluessel(static_cast<size_t>(anzahl), 0);
        uint32_t anzahlAlt = b->datei.Anzahl(), naechster = anzahlAlt;
        for (int32_t i = 0; i < anzahl; ++i) {
            const EANDATA_ZUORDNUNG& z = zuordnungen[i];
            char ean[OX_TXT_ILN + 1] = {};
            std::memcpy(ean, z.Ean, OX_TXT_ILN);
            uint64_t k = EanSchluessel(ean);
            if (!k || z.ArtikelNummer < 1) continue;
            schluessel[static_cast<size_t>(i)] = k;
            auto it = block.find(k);
            const uint32_t* s = it == block.end() ? b->index.Finde(k) : nullptr;
            int32_t jetzt = it != block.end() ? it->second.artikel : (s ? b->artikel[*s] : 0);
            bool ohneMuster = it != block.end() || !s || b->muster[*s] == 0;
            if (jetzt == z.ArtikelNummer && ohneMuster) continue;
            if (jetzt != 0 && jetzt != z.ArtikelNummer && !ueberschreiben) continue;
            if (it != block.end())
                it->second.artikel = z.ArtikelNummer;
            else
                block.emplace(k, Aenderung{s ? *s : naechster++, z.ArtikelNummer});
        }

        std::vector<EanSlot> saetze;
        std::vector<SatzDatei::Teil> teile;
        saetze.reserve(block.size());
        teile.reserve(block.size());
        for (const auto& [k, a] : block) {
            EanSlot e{};
            /* the EAN text back from its key: the digits, zero-padded to its length */
            int n = static_cast<int>(k >> 56);
            uint64_t wert = k & ((1ull << 56) - 1);
            for (int p = n - 1; p >= 0; --p, wert /= 10) e.Ean[p] = static_cast<char>('0' + wert % 10);
            e.Belegt = 1;
            e.Artikel = a.artikel;
            saetze.push_back(e);
        }
        size_t j = 0;
        for (const auto& [k, a] : block) teile.emplace_back(a.slot, &saetze[j++]);
        std::sort(teile.begin(), teile.end(),
                  [](const SatzDatei::Teil& x, const SatzDatei::Teil& y) { return x.first < y.first; });
        if (!teile.empty() && !b->Schreibe(teile, naechster)) return -1;

        int32_t treffer = 0;
        for (int32_t i = 0; i < anzahl; ++i) {
            uint64_t k = schluessel[static_cast<size_t>(i)];
            if (!k) continue;
            const uint32_t* s = b->index.Finde(k);
            treffer += s && b->artikel[*s] == zuordnungen[i].ArtikelNummer;
        }
        return treffer;
    });
}

OX_EXTERN_C int32_t OXCALL EANDATA_Loeschen(const char* ean)
{
    return Schutz(0, [&] {
        uint64_t k = EanSchluessel(ean);
        if (!k) return 0;
        std::shared_ptr<EanBestand> b = EanStore();
        if (!b) return 0;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        const uint32_t* s = b->index.Finde(k);
        if (!s) return 0;
        EanSlot leer{};
        return b->Schreibe({{*s, &leer}}, b->datei.Anzahl()) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANDATA_Anzahl(void)
{
    return Schutz(-1, [] {
        std::shared_ptr<EanBestand> b = EanStore();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        return b->Sync() ? static_cast<int32_t>(b->index.Anzahl()) : -1;
    });
}
