/*
 * merkmal.cpp - MMLIB_: characteristics of all kinds in MERKMAL.DBA, one
 * 54-byte record per slot. The whole store is kept in memory with three
 * indexes: (kind, number), (kind, code) and (kind, text); the code index
 * of kind 0 holds the article name.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <climits>
#include <map>
#include <vector>

using namespace dba;

namespace {

using Schluessel = std::pair<std::string, int32_t>;   /* (index text, number) */

std::string ArtikelName(const char* kurz, size_t kurzMax, const char* lang, size_t langMax)
{
    std::string code = Text(kurz ? kurz : "", kurz ? kurzMax : 0);
    std::string name = (code + "_____").substr(0, 5);
    return name + Text(lang ? lang : "", lang ? langMax : 0);
}

std::string CodeSchluessel(int32_t art, const MERKMAL_SATZ& m)
{
    std::string code = art == 0 ? ArtikelName(m.Code, sizeof m.Code, m.Text, sizeof m.Text) : Text(m.Code, sizeof m.Code);
    return std::string(1, static_cast<char>(art)) + GrossAscii(code);
}

std::string TextSchluessel(int32_t art, const MERKMAL_SATZ& m)
{
    return std::string(1, static_cast<char>(art)) + Text(m.Text, sizeof m.Text);
}

uint64_t NummerSchluessel(int32_t art, int32_t nummer)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(art)) << 32) | static_cast<uint32_t>(nummer);
}

class MerkmalBestand : public Bestand {
public:
    std::vector<MERKMAL_SATZ> saetze;              /* by slot */
    std::map<uint64_t, uint32_t> nummern;          /* (kind, number) -> slot */
    std::map<Schluessel, uint32_t> codes, texte;   /* -> slot */
    int32_t hoechste[DBA_MAX_ART + 1] = {};

    static bool Belegt(const MERKMAL_SATZ& m) { return m.Nummer > 0 && m.Art >= 0 && m.Art <= DBA_MAX_ART; }

    const MERKMAL_SATZ* Finde(int32_t art, int32_t nummer) const
    {
        auto it = nummern.find(NummerSchluessel(art, nummer));
        return it == nummern.end() ? nullptr : &saetze[it->second];
    }

    const MERKMAL_SATZ* Erster(const std::map<Schluessel, uint32_t>& index, const std::string& text) const
    {
        auto it = index.lower_bound(Schluessel(text, INT32_MIN));
        return it != index.end() && it->first.first == text ? &saetze[it->second] : nullptr;
    }

protected:
    void Leeren() override
    {
        saetze.clear();
        nummern.clear();
        codes.clear();
        texte.clear();
        for (int32_t& h : hoechste) h = 0;
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= saetze.size()) saetze.resize(slot + 1, MERKMAL_SATZ{});
        MERKMAL_SATZ& alt = saetze[slot];
        if (Belegt(alt)) {
            auto it = nummern.find(NummerSchluessel(alt.Art, alt.Nummer));
            if (it != nummern.end() && it->second == slot) nummern.erase(it);
            /* the record is packed: its number is copied, not bound */
            codes.erase(Schluessel(CodeSchluessel(alt.Art, alt), int32_t{alt.Nummer}));
            texte.erase(Schluessel(TextSchluessel(alt.Art, alt), int32_t{alt.Nummer}));
        }
        std::memcpy(&alt, daten, sizeof alt);
        if (Belegt(alt)) {
            nummern[NummerSchluessel(alt.Art, alt.Nummer)] = slot;
            codes[Schluessel(CodeSchluessel(alt.Art, alt), int32_t{alt.Nummer})] = slot;
            texte[Schluessel(TextSchluessel(alt.Art, alt), int32_t{alt.Nummer})] = slot;
            if (alt.Nummer > hoechste[alt.Art]) hoechste[alt.Art] = alt.Nummer;
        }
    }
};

std::shared_ptr<MerkmalBestand> Store()
{
    return Implizit<MerkmalBestand>("MERKMAL.DBA", sizeof(MERKMAL_SATZ));
}

bool ArtGueltig(int32_t art) { return art >= 0 && art <= DBA_MAX_ART; }

/* Writes `m` (Sperre held) into its slot or a new one. */
bool Ablegen(MerkmalBestand& b, const MERKMAL_SATZ& m)
{
    auto it = b.nummern.find(NummerSchluessel(m.Art, m.Nummer));
    uint32_t anzahl = b.datei.Anzahl();
    uint32_t slot = it != b.nummern.end() ? it->second : anzahl;
    return b.Schreibe({{slot, &m}}, slot < anzahl ? anzahl : slot + 1);
}

int32_t Suche(int32_t art, const char* text, MERKMAL_SATZ* satz, bool nachCode)
{
    if (!ArtGueltig(art) || !text) return -1;
    std::shared_ptr<MerkmalBestand> b = Store();
    if (!b) return -1;
    std::lock_guard<std::recursive_mutex> lock(b->mutex);
    if (!b->Sync()) return -1;
    std::string schluessel = std::string(1, static_cast<char>(art)) +
                             (nachCode ? GrossAscii(text) : std::string(text, Laenge(text, OX_TXT_25 - 1)));
    const MERKMAL_SATZ* m = b->Erster(nachCode ? b->codes : b->texte, schluessel);
    if (!m) return 0;
    if (satz) *satz = *m;
    return m->Nummer;
}

} // namespace

OX_EXTERN_C int32_t OXCALL MMLIB_OeffneDatenbank(int32_t art)
{
    return Schutz(-1, [&] { return ArtGueltig(art) && Store() ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL MMLIB_SchliesseDatenbank(int32_t art)
{
    return ArtGueltig(art) ? 1 : -1;
}

OX_EXTERN_C int32_t OXCALL MMLIB_LeseMerkmal(int32_t art, int32_t nummer, MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!ArtGueltig(art) || nummer < 1 || !satz) return -1;
        std::shared_ptr<MerkmalBestand> b = Store();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return -1;
        const MERKMAL_SATZ* m = b->Finde(art, nummer);
        if (!m) {
            std::memset(satz, 0, sizeof *satz);
            return 0;
        }
        *satz = *m;
        return 1;
    });
}

OX_EXTERN_C int32_t OXCALL MMLIB_MerkmalAnlegen(int32_t art, MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!ArtGueltig(art) || !satz) return -1;
        std::shared_ptr<MerkmalBestand> b = Store();
        if (!b) return -1;
        MERKMAL_SATZ neu{};
        Kopiere(neu.Code, sizeof neu.Code, Text(satz->Code, sizeof satz->Code).c_str());
        Kopiere(neu.Text, sizeof neu.Text, Text(satz->Text, sizeof satz->Text).c_str());
        neu.Art = art;
        if (art == 0 ? neu.Text[0] == 0 : neu.Code[0] == 0) return 0;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        if (b->Erster(b->codes, CodeSchluessel(art, neu))) return 0;
        if (b->hoechste[art] == INT32_MAX) return 0;
        neu.Nummer = b->hoechste[art] + 1;
        if (!Ablegen(*b, neu)) return 0;
        satz->Nummer = neu.Nummer;
        satz->Art = art;
        return neu.Nummer;
    });
}

OX_EXTERN_C int32_t OXCALL MMLIB_SchreibeMerkmal(int32_t art, const MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!ArtGueltig(art) || !satz || satz->Nummer < 1) return -1;
        std::shared_ptr<MerkmalBestand> b = Store();
        if (!b) return -1;
        MERKMAL_SATZ neu = *satz;
        neu.Art = art;
        neu.Code[sizeof neu.Code - 1] = 0;
        neu.Text[sizeof neu.Text - 1] = 0;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        return Ablegen(*b, neu) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL MMLIB_SucheCode(int32_t art, const char* code, MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] { return Suche(art, code, satz, true); });
}

OX_EXTERN_C int32_t OXCALL MMLIB_SucheText(int32_t art, const char* text, MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] { return Suche(art, text, satz, false); });
}

OX_EXTERN_C int32_t OXCALL MMLIB_NaechstesMerkmal(int32_t art, int32_t nachNummer, MERKMAL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (!ArtGueltig(art)) return -1;
        std::shared_ptr<MerkmalBestand> b = Store();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return -1;
        auto it = b->nummern.upper_bound(NummerSchluessel(art, nachNummer < 0 ? 0 : nachNummer));
        if (it == b->nummern.end() || (it->first >> 32) != static_cast<uint32_t>(art)) return 0;
        const MERKMAL_SATZ& m = b->saetze[it->second];
        if (satz) *satz = m;
        return m.Nummer;
    });
}

OX_EXTERN_C int32_t OXCALL MMLIB_CopyKurzUndLangtext(char* ziel, const char* kurztext, const char* langtext)
{
    return Schutz(-1, [&] {
        if (!ziel) return -1;
        std::string name = ArtikelName(kurztext, Laenge(kurztext, 63), langtext, Laenge(langtext, 63));
        Kopiere(ziel, DBA_ARTIKELNAME, name.c_str());
        return static_cast<int32_t>(Laenge(ziel));
    });
}
