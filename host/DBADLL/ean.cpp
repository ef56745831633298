/*
 * ean.cpp - EANDATA_: the EAN index in EANDATA.DBA (32-byte slots: EAN,
 * article, pattern id), held in memory as a hash from the EAN to its slot;
 * EANARTIKEL_: one EAN file per article (EANART\<n/1000>\E<n>.EAN) whose
 * slots are the entries 1, 2, ...
 */
#include "hostapi/dbadll.h"
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

/* ---- EAN files ------------------------------------------------------------ */

class EanDateiBestand : public Bestand {
public:
    std::vector<EANARTIKEL_SATZ> eintraege;   /* entry i+1 in eintraege[i] */

protected:
    void Leeren() override { eintraege.clear(); }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= eintraege.size()) eintraege.resize(slot + 1);
        std::memcpy(&eintraege[slot], daten, sizeof(EANARTIKEL_SATZ));
    }
};

bool EanDateiName(int32_t artikel, char* name, size_t groesse)
{
    int n = std::snprintf(name, groesse, "%sEANART\\%d\\E%d.EAN", DatenPfad().c_str(), artikel / 1000, artikel);
    return n > 0 && static_cast<size_t>(n) < groesse;
}

std::shared_ptr<EanDateiBestand> EanDatei(const char* name, int32_t modus)
{
    if (!name || !*name || Laenge(name, OX_TXT_PATH) >= OX_TXT_PATH) return nullptr;
    std::string pfad(name);
    if (modus == 0 && !DateiExistiert(pfad)) return nullptr;
    return Hole<EanDateiBestand>(pfad, sizeof(EANARTIKEL_SATZ));
}

std::shared_ptr<EanDateiBestand> AusHandle(HOSTHANDLE h)
{
    return std::static_pointer_cast<EanDateiBestand>(HandleBestand(h, HandleArt::EanDatei));
}

bool GleicheCodes(const EANARTIKEL_SATZ& a, const EANARTIKEL_SATZ& b, int anzahl, bool leerPasst)
{
    for (int k = 1; k <= anzahl && k <= 8; ++k) {
        std::string x = Text(a.Merkmal[k], OX_TXT_CODE), y = Text(b.Merkmal[k], OX_TXT_CODE);
        if (leerPasst && y.empty()) continue;
        if (x != y) return false;
    }
    return true;
}

/* A snapshot of the file's entries (callbacks run without any lock). */
bool Eintraege(EanDateiBestand& b, std::vector<EANARTIKEL_SATZ>* aus)
{
    std::lock_guard<std::recursive_mutex> lock(b.mutex);
    if (!b.Sync()) return false;
    *aus = b.eintraege;
    return true;
}

int32_t Laden(EanDateiBestand& b, void* liste, int32_t artikel, EAN_HINZU hinzu)
{
    std::vector<EANARTIKEL_SATZ> alle;
    if (!Eintraege(b, &alle)) return -1;
    int32_t n = 0;
    for (const EANARTIKEL_SATZ& e : alle) {
        if (e.ArtikelNummer != artikel) continue;
        ++n;
        if (!hinzu(liste, &e)) break;
    }
    return n;
}

int32_t Sichern(EanDateiBestand& b, void* liste, int32_t artikel, EAN_NAECHSTER naechster)
{
    std::vector<EANARTIKEL_SATZ> neu;
    while (const EANARTIKEL_SATZ* e = naechster(liste)) {
        if (neu.size() >= 100000) return -1;
        neu.push_back(*e);
        neu.back().ArtikelNummer = artikel;
        neu.back().LaufNummer = static_cast<int32_t>(neu.size());
    }
    std::vector<SatzDatei::Teil> teile;
    for (size_t i = 0; i < neu.size(); ++i) teile.emplace_back(static_cast<uint32_t>(i), &neu[i]);
    std::lock_guard<std::recursive_mutex> lock(b.mutex);
    Bestand::Sperre sperre(b);
    if (!sperre.ok || !b.Schreibe(teile, static_cast<uint32_t>(neu.size()))) return -1;
    return static_cast<int32_t>(neu.size());
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
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
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
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
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
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
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

/* ---- EANARTIKEL_ ------------------------------------------------------- */

OX_EXTERN_C int32_t OXCALL EANARTIKEL_CreateFileName(int32_t artikelNummer, char* name, int32_t modus)
{
    (void)modus;
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !name) return -1;
        char puffer[OX_TXT_PATH];
        if (!EanDateiName(artikelNummer, puffer, sizeof puffer)) return -1;
        Kopiere(name, OX_TXT_PATH, puffer);
        return 1;
    });
}

OX_EXTERN_C HOSTHANDLE OXCALL EANARTIKEL_OpenFile(const char* name, int32_t modus)
{
    return Schutz(-1, [&] {
        if (modus != 0 && modus != 1) return -1;
        std::shared_ptr<EanDateiBestand> b = EanDatei(name, modus);
        return b ? NeuerHandle(HandleArt::EanDatei, b) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_CloseFile(HOSTHANDLE datei)
{
    return Schutz(-1, [&] { return HandleSchliessen(datei, HandleArt::EanDatei) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_HoleEAN_Artikel_From_Open_File(HOSTHANDLE datei, int32_t anzahlMerkmale,
    int32_t artikelNummer, const char* ean, const char* text, const EANARTIKEL_SATZ* muster, int32_t* index)
{
    (void)text;
    return Schutz(-1, [&] {
        std::shared_ptr<EanDateiBestand> b = AusHandle(datei);
        if (!b || !ean || !muster || !index) return -1;
        *index = 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return -1;
        int32_t erste = 0;
        for (size_t i = 0; i < b->eintraege.size(); ++i) {
            const EANARTIKEL_SATZ& e = b->eintraege[i];
            if (e.ArtikelNummer != artikelNummer || !GleicheCodes(e, *muster, anzahlMerkmale, false)) continue;
            if (Text(e.Ean, sizeof e.Ean) == std::string(ean, Laenge(ean, OX_TXT_ILN - 1))) {
                *index = static_cast<int32_t>(i + 1);
                return 1;
            }
            if (!erste) erste = static_cast<int32_t>(i + 1);
        }
        *index = erste;
        return 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_NeuEintragen_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                                const EANARTIKEL_SATZ* eintrag)
{
    return Schutz(-1, [&] {
        std::shared_ptr<EanDateiBestand> b = AusHandle(datei);
        if (!b || !eintrag) return -1;
        auto neu = std::make_unique<EANARTIKEL_SATZ>(*eintrag);
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t slot = b->datei.Anzahl();
        neu->ArtikelNummer = artikelNummer;
        neu->LaufNummer = static_cast<int32_t>(slot + 1);
        return b->Schreibe({{slot, neu.get()}}, slot + 1) ? static_cast<int32_t>(slot + 1) : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_Aendern_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                           const EANARTIKEL_SATZ* eintrag, int32_t index)
{
    return Schutz(-1, [&] {
        std::shared_ptr<EanDateiBestand> b = AusHandle(datei);
        if (!b || !eintrag) return -1;
        auto neu = std::make_unique<EANARTIKEL_SATZ>(*eintrag);
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        if (index < 1 || static_cast<uint32_t>(index) > b->datei.Anzahl()) return 0;
        neu->ArtikelNummer = artikelNummer;
        neu->LaufNummer = index;
        return b->Schreibe({{static_cast<uint32_t>(index - 1), neu.get()}}, b->datei.Anzahl()) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                      int32_t artikelNummer, EAN_HINZU hinzu)
{
    return Schutz(-1, [&] {
        std::shared_ptr<EanDateiBestand> b = AusHandle(datei);
        if (!b || !hinzu) return -1;
        return Laden(*b, liste, artikelNummer, hinzu);
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                      int32_t artikelNummer, EAN_NAECHSTER naechster)
{
    return Schutz(-1, [&] {
        std::shared_ptr<EanDateiBestand> b = AusHandle(datei);
        if (!b || !naechster) return -1;
        return Sichern(*b, liste, artikelNummer, naechster);
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX(int32_t artikelNummer, void* liste, EAN_HINZU hinzu)
{
    return Schutz(-1, [&] {
        char name[OX_TXT_PATH];
        if (artikelNummer < 1 || !hinzu || !EanDateiName(artikelNummer, name, sizeof name)) return -1;
        std::shared_ptr<EanDateiBestand> b = EanDatei(name, 0);
        return b ? Laden(*b, liste, artikelNummer, hinzu) : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX(int32_t artikelNummer, void* liste, EAN_NAECHSTER naechster)
{
    return Schutz(-1, [&] {
        char name[OX_TXT_PATH];
        if (artikelNummer < 1 || !naechster || !EanDateiName(artikelNummer, name, sizeof name)) return -1;
        std::shared_ptr<EanDateiBestand> b = EanDatei(name, 1);
        return b ? Sichern(*b, liste, artikelNummer, naechster) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(int32_t artikelNummer, const char* kurztext,
                                                                       const EANARTIKEL_SATZ* muster, char* ean)
{
    (void)kurztext;
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !ean) return -1;
        std::memset(ean, 0, OX_TXT_ILN);
        char name[OX_TXT_PATH];
        if (!EanDateiName(artikelNummer, name, sizeof name)) return 0;
        std::shared_ptr<EanDateiBestand> b = EanDatei(name, 0);
        std::vector<EANARTIKEL_SATZ> alle;
        if (!b || !Eintraege(*b, &alle)) return 0;
        for (const EANARTIKEL_SATZ& e : alle) {
            if (e.ArtikelNummer != artikelNummer || e.Ean[0] == 0) continue;
            if (muster && !GleicheCodes(e, *muster, 8, true)) continue;
            Kopiere(ean, OX_TXT_ILN, Text(e.Ean, sizeof e.Ean).c_str());
            return 1;
        }
        return 0;
    });
}
