/*
 * eanartikel.cpp - EANARTIKEL_: the articles' EAN files.
 *
 * The EAN files of all articles of a data folder are sections of one
 * record file, EANARTIKEL.DBA: the file "<folder>EANART\<n/1000>\E<n>.EAN"
 * that EANARTIKEL_CreateFileName names is section n of the folder's
 * EANARTIKEL.DBA. (Any other name given to EANARTIKEL_OpenFile is a record
 * file of its own, holding section 1.) So a process opens one file for
 * all articles, once, and an article's entries are read from memory.
 *
 * Slots are 256 bytes: a 16-byte head (section, entry number, part, parts,
 * stored length), then 240 bytes of the entry. An entry is stored without
 * the zero bytes at the end of its record - as a rule the reserve is empty
 * and the entry ends at its text (135 bytes), so it takes one slot; an
 * entry with more takes up to 11 slots in a row. A slot whose head names
 * no section is free and is taken again by the next entry it fits.
 *
 * In memory (8 bytes per slot): per section the first slot of each entry,
 * per slot the section and entry it holds. Entries are read from the view
 * of the file when asked for, between two looks at its generation.
 *
 * Every change of a section (a new entry, a changed entry, a whole new
 * list) is one durable write of the store, so it happens whole or not at
 * all, and other handles and processes see it at their next call.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <cstddef>
#include <unordered_map>
#include <set>
#include <vector>

using namespace dba;

namespace {

#pragma pack(push, 1)
struct EanKopf {
    int32_t Abschnitt;   /* section (the article of the file); 0 = free slot */
    int32_t Eintrag;     /* entry number, 1.. */
    uint16_t Teil;       /* 0 = first slot of the entry */
    uint16_t Teile;      /* slots of the entry */
    uint32_t Laenge;     /* stored bytes of the record */
};
#pragma pack(pop)
static_assert(sizeof(EanKopf) == 16, "EanKopf");

constexpr uint32_t kSlot = 256;
constexpr uint32_t kNutz = kSlot - sizeof(EanKopf);
constexpr uint32_t kSatz = sizeof(EANARTIKEL_SATZ);
constexpr uint32_t kMaxTeile = (kSatz + kNutz - 1) / kNutz;
constexpr int32_t kMaxEintraege = 100000;
/* The fields a variation is compared by end before the reserve: reading
 * this much of an entry needs its first slot only. */
constexpr uint32_t kVergleich = offsetof(EANARTIKEL_SATZ, Reserve2);
static_assert(kVergleich <= kNutz, "compared fields in the first slot");
constexpr uint32_t kLeer = 0xFFFFFFFFu;
constexpr uint32_t kFolge = 0x80000000u;   /* slot holds a following part */
constexpr const char* kDateiName = "EANARTIKEL.DBA";

class EanAblage : public Bestand {
public:
    EanAblage() { datei.Vorrat(true); }   /* new slots are read back at once */
    struct SlotInfo {
        int32_t abschnitt;   /* 0 = free */
        uint32_t eintrag;    /* entry number, kFolge set on following parts */
    };
    std::vector<SlotInfo> slots;
    std::unordered_map<int32_t, std::vector<uint32_t>> abschnitte;   /* entry i+1 starts at [i] */
    std::set<uint32_t> frei;                                        /* free slots */

    const std::vector<uint32_t>* Eintraege(int32_t abschnitt) const
    {
        auto it = abschnitte.find(abschnitt);
        return it == abschnitte.end() ? nullptr : &it->second;
    }
    int32_t Anzahl(int32_t abschnitt) const
    {
        const std::vector<uint32_t>* v = Eintraege(abschnitt);
        return v ? static_cast<int32_t>(v->size()) : 0;
    }
    /* Slots of the entry starting at `slot`. */
    uint32_t TeileAb(uint32_t slot) const
    {
        const SlotInfo& s = slots[slot];
        uint32_t n = 1;
        while (slot + n < slots.size() && n < kMaxTeile && slots[slot + n].abschnitt == s.abschnitt &&
               slots[slot + n].eintrag == (s.eintrag | kFolge))
            ++n;
        return n;
    }

protected:
    void Leeren() override
    {
        slots.clear();
        abschnitte.clear();
        frei.clear();
        /* everything is loaded next */
        slots.reserve(datei.Anzahl());
    }
    void Geladen(uint32_t slot, const unsigned char* daten) override
    {
        if (slot >= slots.size())
            slots.resize(slot + 1, SlotInfo{0, 0});
        else if (slots[slot].abschnitt == 0)
            frei.erase(slot);
        SlotInfo alt = slots[slot];
        if (alt.abschnitt != 0 && !(alt.eintrag & kFolge)) Austragen(alt.abschnitt, alt.eintrag, slot);
        EanKopf k;
        std::memcpy(&k, daten, sizeof k);
        bool belegt = k.Abschnitt > 0 && k.Eintrag > 0 && k.Eintrag <= kMaxEintraege && k.Teile >= 1 &&
                      k.Teile <= kMaxTeile && k.Teil < k.Teile && k.Laenge <= kSatz;
        if (!belegt) {
            slots[slot] = SlotInfo{0, 0};
            frei.insert(slot);
            return;
        }
        uint32_t nummer = static_cast<uint32_t>(k.Eintrag);
        slots[slot] = SlotInfo{k.Abschnitt, k.Teil ? (nummer | kFolge) : nummer};
        if (k.Teil == 0) {
            std::vector<uint32_t>& v = abschnitte[k.Abschnitt];
            if (v.size() < nummer) v.resize(nummer, kLeer);
            v[nummer - 1] = slot;
        }
    }

private:
    void Austragen(int32_t abschnitt, uint32_t nummer, uint32_t slot)
    {
        auto it = abschnitte.find(abschnitt);
        if (it == abschnitte.end()) return;
        std::vector<uint32_t>& v = it->second;
        if (nummer < 1 || nummer > v.size() || v[nummer - 1] != slot) return;
        v[nummer - 1] = kLeer;
        while (!v.empty() && v.back() == kLeer) v.pop_back();
        if (v.empty()) abschnitte.erase(it);
    }
};

/* Bytes of `satz` up to its last non-zero byte, and the slots they take. */
uint32_t Gespeichert(const EANARTIKEL_SATZ& satz)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&satz);
    uint32_t n = kSatz;
    while (n > 0 && p[n - 1] == 0) --n;
    return n;
}

uint32_t TeileFuer(uint32_t laenge) { return laenge <= kNutz ? 1 : (laenge + kNutz - 1) / kNutz; }

/* Copies the stored bytes of the entry `nummer` of `abschnitt` that starts
 * at `slot` - at most `bis` of them - to `ziel`; *laenge gets their count.
 * 1 = read, -1 = the slots do not hold that entry (a write came in
 * between, or damage). */
int EintragLesen(EanAblage& b, uint32_t slot, int32_t abschnitt, int32_t nummer, unsigned char* ziel, uint32_t bis,
                 uint32_t* laenge)
{
    unsigned char puffer[kSlot];
    uint32_t gefuellt = 0, teile = 1, gespeichert = 0;
    for (uint32_t t = 0; t < teile && gefuellt < bis; ++t) {
        const unsigned char* p = b.datei.Zeiger(slot + t, puffer);
        if (!p) return -1;
        EanKopf k;
        std::memcpy(&k, p, sizeof k);
        if (k.Abschnitt != abschnitt || k.Eintrag != nummer || k.Teil != t) return -1;
        if (t == 0) {
            teile = k.Teile;
            gespeichert = k.Laenge;
            if (gespeichert > kSatz || teile != TeileFuer(gespeichert)) return -1;
        } else if (k.Teile != teile || k.Laenge != gespeichert) {
            return -1;
        }
        uint32_t n = gespeichert - gefuellt < kNutz ? gespeichert - gefuellt : kNutz;
        if (n > bis - gefuellt) n = bis - gefuellt;
        std::memcpy(ziel + gefuellt, p + sizeof k, n);
        gefuellt += n;
    }
    *laenge = gefuellt;
    return 1;
}

/* One write of the store being put together: slot images and where they
 * go. New entries take free slots first (a run of them for an entry of
 * several slots); slots freed here are taken again only by later writes. */
class Schreibung {
public:
    explicit Schreibung(EanAblage& b) : b_(b), naechster_(b.datei.Anzahl()) {}

    /* Stores `satz` as entry `nummer` of `abschnitt`, in the slots of the
     * entry now starting at `alt` (kLeer = a new entry) when it takes as
     * many, else in other slots (the old ones are freed). */
    void Eintrag(int32_t abschnitt, int32_t nummer, const EANARTIKEL_SATZ& satz, uint32_t alt)
    {
        uint32_t laenge = Gespeichert(satz), teile = TeileFuer(laenge);
        uint32_t altTeile = alt == kLeer ? 0 : b_.TeileAb(alt);
        uint32_t start = alt;
        if (altTeile != teile) {
            if (alt != kLeer) Freigeben(alt);
            start = Platz(teile);
        }
        const unsigned char* quelle = reinterpret_cast<const unsigned char*>(&satz);
        for (uint32_t t = 0; t < teile; ++t) {
            unsigned char* bild = Bild(start + t);
            EanKopf k{abschnitt, nummer, static_cast<uint16_t>(t), static_cast<uint16_t>(teile), laenge};
            std::memcpy(bild, &k, sizeof k);
            uint32_t von = t * kNutz;
            if (von < laenge) std::memcpy(bild + sizeof k, quelle + von, laenge - von < kNutz ? laenge - von : kNutz);
        }
    }

    /* Frees the slots of the entry starting at `alt`. */
    void Freigeben(uint32_t alt)
    {
        uint32_t n = b_.TeileAb(alt);
        for (uint32_t t = 0; t < n; ++t) Bild(alt + t);
    }

    /* Makes `eintraege` the entries of `abschnitt` (numbers 1, 2, ...). */
    void Abschnitt(int32_t abschnitt, const std::vector<EANARTIKEL_SATZ>& eintraege)
    {
        const std::vector<uint32_t>* v = b_.Eintraege(abschnitt);
        std::vector<uint32_t> alt = v ? *v : std::vector<uint32_t>();
        size_t n = alt.size() > eintraege.size() ? alt.size() : eintraege.size();
        for (size_t i = 0; i < n; ++i) {
            uint32_t s = i < alt.size() ? alt[i] : kLeer;
            if (i < eintraege.size())
                Eintrag(abschnitt, static_cast<int32_t>(i + 1), eintraege[i], s);
            else if (s != kLeer)
                Freigeben(s);
        }
    }

    size_t Teile() const { return ziele_.size(); }

    /* The write (the store's writer lock held). */
    bool Schreiben()
    {
        if (ziele_.empty()) return true;
        std::vector<SatzDatei::Teil> teile;
        teile.reserve(ziele_.size());
        for (size_t i = 0; i < ziele_.size(); ++i) teile.emplace_back(ziele_[i], bilder_.data() + i * kSlot);
        uint32_t anzahl = b_.datei.Anzahl();
        bool ok = b_.Schreibe(teile, naechster_ > anzahl ? naechster_ : anzahl);
        if (!ok) b_.frei.insert(genommen_.begin(), genommen_.end());
        ziele_.clear();
        bilder_.clear();
        genommen_.clear();
        naechster_ = b_.datei.Anzahl();
        return ok;
    }

private:
    unsigned char* Bild(uint32_t slot)
    {
        ziele_.push_back(slot);
        bilder_.resize(bilder_.size() + kSlot, 0);
        return bilder_.data() + bilder_.size() - kSlot;
    }

    /* The first run of `teile` free slots, else new slots behind the last. */
    uint32_t Platz(uint32_t teile)
    {
        uint32_t start = 0, laenge = 0;
        for (auto it = b_.frei.begin(); it != b_.frei.end(); ++it) {
            if (laenge == 0 || *it != start + laenge) {
                start = *it;
                laenge = 0;
            }
            if (++laenge == teile) {
                for (uint32_t s = start; s < start + teile; ++s) {
                    b_.frei.erase(s);
                    genommen_.push_back(s);
                }
                return start;
            }
        }
        uint32_t s = naechster_;
        naechster_ += teile;
        return s;
    }

    EanAblage& b_;
    uint32_t naechster_;
    std::vector<uint32_t> ziele_;
    std::vector<unsigned char> bilder_;
    std::vector<uint32_t> genommen_;
};

/* "E<n>.EAN" -> n; 0 for another name. */
int32_t DateiArtikel(const std::string& name)
{
    if (name.size() < 6 || name.size() > 15 || (name[0] != 'E' && name[0] != 'e') ||
        GrossAscii(name.substr(name.size() - 4)) != ".EAN")
        return 0;
    int64_t n = 0;
    for (size_t i = 1; i + 4 < name.size(); ++i) {
        char c = name[i];
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 0x7FFFFFFF ? static_cast<int32_t>(n) : 0;
}

/* Splits an EAN file name as EANARTIKEL_CreateFileName makes it into its
 * data folder (with separator) and article; false for another name. */
bool NameZerlegen(const std::string& name, std::string* ordner, int32_t* artikel)
{
    size_t t1 = name.find_last_of("\\/");
    if (t1 == std::string::npos || t1 == 0) return false;
    int32_t n = DateiArtikel(name.substr(t1 + 1));
    size_t t2 = name.find_last_of("\\/", t1 - 1);
    if (n < 1 || t2 == std::string::npos || t2 < 6) return false;
    if (name.substr(t2 + 1, t1 - t2 - 1) != std::to_string(n / 1000)) return false;
    if (GrossAscii(name.substr(t2 - 6, 6)) != "EANART") return false;
    if (t2 > 6 && name[t2 - 7] != '\\' && name[t2 - 7] != '/' && name[t2 - 7] != ':') return false;
    *ordner = name.substr(0, t2 - 6);
    *artikel = n;
    return true;
}

/* The store of data folder `ordner` (with separator). The current data
 * folder's store is made when missing; another folder's only with
 * `anlegen`. */
std::shared_ptr<EanAblage> Ablage(const std::string& ordner, bool anlegen)
{
    std::shared_ptr<EanAblage> b;
    if (VollerPfad(ordner) == VollerPfad(DatenPfad()))
        b = Implizit<EanAblage>(kDateiName, kSlot);
    else if (anlegen || DateiExistiert(ordner + kDateiName))
        b = Hole<EanAblage>(VollerPfad(ordner + kDateiName), kSlot);
    return b;
}

/* The store of the current data folder. */
std::shared_ptr<EanAblage> AktuelleAblage()
{
    return Implizit<EanAblage>(kDateiName, kSlot);
}

std::shared_ptr<EanAblage> AusHandle(HOSTHANDLE h, int32_t* abschnitt)
{
    return std::static_pointer_cast<EanAblage>(HandleBestand(h, HandleArt::EanDatei, abschnitt));
}

bool Gleich(const char* x, const char* y, size_t n) { return std::strncmp(x, y, n) == 0; }

bool GleicheCodes(const EANARTIKEL_SATZ& a, const EANARTIKEL_SATZ& b, int anzahl, bool leerPasst)
{
    for (int k = 1; k <= anzahl && k <= 8; ++k) {
        if (leerPasst && b.Merkmal[k][0] == 0) continue;
        if (!Gleich(a.Merkmal[k], b.Merkmal[k], OX_TXT_CODE)) return false;
    }
    return true;
}

/* Visits the entries of `abschnitt` in order, each read up to kVergleich
 * bytes (the fields a variation is found by), on one consistent state of
 * the store: besuch(number, entry) returns false to stop. Starts over when
 * a write came in between (`anfang` is called before each pass). 1 = done,
 * -1 = error. */
template <typename A, typename F>
int Durchgehen(EanAblage& b, int32_t abschnitt, A anfang, F besuch)
{
    EANARTIKEL_SATZ satz;
    unsigned char* z = reinterpret_cast<unsigned char*>(&satz);
    return b.Lesend([&]() -> int {
        anfang();
        const std::vector<uint32_t>* v = b.Eintraege(abschnitt);
        for (size_t i = 0; v && i < v->size(); ++i) {
            if ((*v)[i] == kLeer) continue;
            int32_t nummer = static_cast<int32_t>(i + 1);
            uint32_t n = 0;
            if (EintragLesen(b, (*v)[i], abschnitt, nummer, z, kVergleich, &n) != 1) return -1;
            std::memset(z + n, 0, kVergleich - n);
            if (!besuch(nummer, satz)) break;
        }
        return 1;
    });
}

int32_t Laden(EanAblage& b, int32_t abschnitt, void* liste, int32_t artikel, EAN_HINZU hinzu)
{
    /* The stored bytes of the entries first (the callback runs without
     * any lock held), then each entry whole in one record. */
    std::vector<unsigned char> daten;
    std::vector<uint32_t> laengen;
    {
        std::lock_guard<std::recursive_mutex> lock(b.mutex);
        unsigned char eintrag[kSatz];
        int rc = b.Lesend([&]() -> int {
            daten.clear();
            laengen.clear();
            const std::vector<uint32_t>* v = b.Eintraege(abschnitt);
            for (size_t i = 0; v && i < v->size(); ++i) {
                if ((*v)[i] == kLeer) continue;
                uint32_t n = 0;
                if (EintragLesen(b, (*v)[i], abschnitt, static_cast<int32_t>(i + 1), eintrag, kSatz, &n) != 1) return -1;
                int32_t von = 0;
                if (n >= offsetof(EANARTIKEL_SATZ, ArtikelNummer) + 4)
                    std::memcpy(&von, eintrag + offsetof(EANARTIKEL_SATZ, ArtikelNummer), 4);
                if (von != artikel) continue;
                daten.insert(daten.end(), eintrag, eintrag + n);
                laengen.push_back(n);
            }
            return 1;
        });
        if (rc != 1) return -1;
    }
    EANARTIKEL_SATZ satz;
    unsigned char* z = reinterpret_cast<unsigned char*>(&satz);
    std::memset(z, 0, kSatz);
    uint32_t vorher = 0;
    size_t pos = 0;
    int32_t n = 0;
    for (uint32_t l : laengen) {
        std::memcpy(z, daten.data() + pos, l);
        if (vorher > l) std::memset(z + l, 0, vorher - l);
        pos += l;
        vorher = l;
        ++n;
        if (!hinzu(liste, &satz)) break;
    }
    return n;
}

int32_t Sichern(EanAblage& b, int32_t abschnitt, void* liste, int32_t artikel, EAN_NAECHSTER naechster)
{
    std::vector<EANARTIKEL_SATZ> neu;
    while (const EANARTIKEL_SATZ* e = naechster(liste)) {
        if (neu.size() >= static_cast<size_t>(kMaxEintraege)) return -1;
        neu.push_back(*e);
        neu.back().ArtikelNummer = artikel;
        neu.back().LaufNummer = static_cast<int32_t>(neu.size());
    }
    Bestand::Sperre sperre(b);
    if (!sperre.ok) return -1;
    Schreibung w(b);
    w.Abschnitt(abschnitt, neu);
    return w.Schreiben() ? static_cast<int32_t>(neu.size()) : -1;
}

} // namespace

/* ---- EANARTIKEL_ ------------------------------------------------------- */

OX_EXTERN_C int32_t OXCALL EANARTIKEL_CreateFileName(int32_t artikelNummer, char* name, int32_t modus)
{
    (void)modus;
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !name) return -1;
        std::string voll = DatenPfad() + "EANART\\" + std::to_string(artikelNummer / 1000) + "\\E" +
                           std::to_string(artikelNummer) + ".EAN";
        if (voll.size() >= OX_TXT_PATH) return -1;
        Kopiere(name, OX_TXT_PATH, voll.c_str());
        return 1;
    });
}

OX_EXTERN_C HOSTHANDLE OXCALL EANARTIKEL_OpenFile(const char* name, int32_t modus)
{
    return Schutz(-1, [&] {
        if ((modus != 0 && modus != 1) || !name || !*name || Laenge(name, OX_TXT_PATH) >= OX_TXT_PATH) return -1;
        std::string pfad(name), ordner;
        int32_t abschnitt = 0;
        std::shared_ptr<EanAblage> b;
        if (NameZerlegen(pfad, &ordner, &abschnitt)) {
            b = Ablage(ordner, modus == 1);
        } else {
            /* a name of another form: a file of its own */
            abschnitt = 1;
            if (modus == 0 && !DateiExistiert(pfad)) return -1;
            b = Hole<EanAblage>(pfad, kSlot);
        }
        if (!b) return -1;
        if (modus == 0) {
            /* an article without entries has no file */
            std::lock_guard<std::recursive_mutex> lock(b->mutex);
            if (!b->Sync() || b->Anzahl(abschnitt) == 0) return -1;
        }
        return NeuerHandle(HandleArt::EanDatei, b, abschnitt);
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
        int32_t abschnitt = 0;
        std::shared_ptr<EanAblage> b = AusHandle(datei, &abschnitt);
        if (!b || !ean || !muster || !index) return -1;
        *index = 0;
        size_t eanLaenge = Laenge(ean, OX_TXT_ILN - 1);
        int32_t gefunden = 0, erste = 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        int rc = Durchgehen(*b, abschnitt, [&] { gefunden = erste = 0; },
                            [&](int32_t nummer, const EANARTIKEL_SATZ& e) {
                                if (e.ArtikelNummer != artikelNummer || !GleicheCodes(e, *muster, anzahlMerkmale, false))
                                    return true;
                                if (Laenge(e.Ean, sizeof e.Ean) == eanLaenge && Gleich(e.Ean, ean, eanLaenge)) {
                                    gefunden = nummer;
                                    return false;
                                }
                                if (!erste) erste = nummer;
                                return true;
                            });
        if (rc != 1) return -1;
        *index = gefunden ? gefunden : erste;
        return gefunden ? 1 : 0;
    });
}

/* Appends `eintrag` to the open file's section (`anhaengen`), or writes it
 * over entry `index` (1-based, must exist). Returns the entry's number, 0
 * when it cannot be written, -1 for a bad handle or entry. */
static int32_t EintragAblegen(HOSTHANDLE datei, int32_t artikelNummer, const EANARTIKEL_SATZ* eintrag, bool anhaengen,
                              int32_t index)
{
    return Schutz(-1, [&] {
        int32_t abschnitt = 0;
        std::shared_ptr<EanAblage> b = AusHandle(datei, &abschnitt);
        if (!b || !eintrag) return -1;
        auto neu = std::make_unique<EANARTIKEL_SATZ>(*eintrag);
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t vorher = kLeer;
        if (anhaengen) {
            index = b->Anzahl(abschnitt) + 1;
            if (index > kMaxEintraege) return 0;
        } else {
            const std::vector<uint32_t>* v = b->Eintraege(abschnitt);
            if (!v || index < 1 || static_cast<size_t>(index) > v->size() || (*v)[index - 1] == kLeer) return 0;
            vorher = (*v)[index - 1];
        }
        neu->ArtikelNummer = artikelNummer;
        neu->LaufNummer = index;
        Schreibung w(*b);
        w.Eintrag(abschnitt, index, *neu, vorher);
        return w.Schreiben() ? index : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_NeuEintragen_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                                const EANARTIKEL_SATZ* eintrag)
{
    return EintragAblegen(datei, artikelNummer, eintrag, true, 0);
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_Aendern_WithOpenFile(HOSTHANDLE datei, int32_t artikelNummer,
                                                           const EANARTIKEL_SATZ* eintrag, int32_t index)
{
    int32_t rc = EintragAblegen(datei, artikelNummer, eintrag, false, index);
    return rc > 0 ? 1 : rc;
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                      int32_t artikelNummer, EAN_HINZU hinzu)
{
    return Schutz(-1, [&] {
        int32_t abschnitt = 0;
        std::shared_ptr<EanAblage> b = AusHandle(datei, &abschnitt);
        if (!b || !hinzu) return -1;
        return Laden(*b, abschnitt, liste, artikelNummer, hinzu);
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile(HOSTHANDLE datei, void* liste,
                                                                      int32_t artikelNummer, EAN_NAECHSTER naechster)
{
    return Schutz(-1, [&] {
        int32_t abschnitt = 0;
        std::shared_ptr<EanAblage> b = AusHandle(datei, &abschnitt);
        if (!b || !naechster) return -1;
        return Sichern(*b, abschnitt, liste, artikelNummer, naechster);
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_LoadArtikelEANs_EX(int32_t artikelNummer, void* liste, EAN_HINZU hinzu)
{
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !hinzu) return -1;
        std::shared_ptr<EanAblage> b = AktuelleAblage();
        return b ? Laden(*b, artikelNummer, liste, artikelNummer, hinzu) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_SaveArtikelEANs_EX(int32_t artikelNummer, void* liste, EAN_NAECHSTER naechster)
{
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !naechster) return -1;
        std::shared_ptr<EanAblage> b = AktuelleAblage();
        return b ? Sichern(*b, artikelNummer, liste, artikelNummer, naechster) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(int32_t artikelNummer, const char* kurztext,
                                                                       const EANARTIKEL_SATZ* muster, char* ean)
{
    (void)kurztext;
    return Schutz(-1, [&] {
        if (artikelNummer < 1 || !ean) return -1;
        std::memset(ean, 0, OX_TXT_ILN);
        std::shared_ptr<EanAblage> b = AktuelleAblage();
        if (!b) return 0;
        char gefunden[OX_TXT_ILN] = {};
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        int rc = Durchgehen(*b, artikelNummer, [&] { gefunden[0] = 0; },
                            [&](int32_t, const EANARTIKEL_SATZ& e) {
                                if (e.ArtikelNummer != artikelNummer || e.Ean[0] == 0) return true;
                                if (muster && !GleicheCodes(e, *muster, 8, true)) return true;
                                Kopiere(gefunden, sizeof gefunden, Text(e.Ean, sizeof e.Ean).c_str());
                                return false;
                            });
        if (rc != 1 || !gefunden[0]) return 0;
        std::memcpy(ean, gefunden, OX_TXT_ILN);
        return 1;
    });
}
