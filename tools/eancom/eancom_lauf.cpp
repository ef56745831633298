/*
 * eancom_lauf.cpp - one conversion of the module's EANCOM converter with
 * its report collected (see eancom_lauf.h).
 */
#include "eancom_lauf.h"

#include <string.h>

namespace eancom {

namespace {

struct Sammler {
    Ergebnis* e;
    const Optionen* o;
};

void Melden(void* daten, int art, const char* zeile)
{
    Ergebnis* e = static_cast<Sammler*>(daten)->e;
    e->zeilen.push_back(zeile);
    (art == EANCOM_ABGELEHNT ? e->meldungen : art == EANCOM_WARNUNG ? e->warnungen : e->hinweise).push_back(zeile);
}

void Datei(void* daten, const char* name, const char* bytes, size_t n, int ende)
{
    Ergebnis* e = static_cast<Sammler*>(daten)->e;
    if (bytes == nullptr && ende == 1 && n == 0) {
        bool imSpeicher = false;
        for (auto& s : e->speicher)
            imSpeicher = imSpeicher || s.first == name;
        if (!imSpeicher)
            e->dateien.push_back(name);
        return;
    }
    std::pair<std::string, std::string>* ziel = nullptr;
    for (auto& s : e->speicher)
        if (s.first == name)
            ziel = &s;
    if (ende == -1) {
        for (size_t i = 0; i < e->speicher.size(); i++)
            if (e->speicher[i].first == name) {
                e->speicher.erase(e->speicher.begin() + (long)i);
                break;
            }
        return;
    }
    if (ziel == nullptr) {
        e->speicher.emplace_back(name, std::string());
        ziel = &e->speicher.back();
    }
    if (bytes != nullptr)
        ziel->second.append(bytes, n);
}

int Sender(void* daten, const char* sender, char gln[14])
{
    const Optionen* o = static_cast<Sammler*>(daten)->o;
    for (const auto& a : o->absender)
        if (a.first == sender && a.second.size() == 13) {
            memcpy(gln, a.second.c_str(), 14);
            return 1;
        }
    return 0;
}

void Vorbereiten(EANCOM_ERGEBNIS& r, Sammler& s, Ergebnis& e, const Optionen& o)
{
    e = Ergebnis();
    memset(&r, 0, sizeof r);
    s.e = &e;
    s.o = &o;
    r.Melden = Melden;
    r.Datei = Datei;
    r.Sender = Sender;
    r.Daten = &s;
    r.Lauf = o.lauf;
}

void Uebernehmen(const EANCOM_ERGEBNIS& r, Ergebnis& e)
{
    e.nachrichten = r.Nachrichten;
    e.umgesetzt = r.Umgesetzt;
    e.abgelehnt = r.Abgelehnt;
    e.verworfen = r.Verworfen;
    e.variationen = r.Variationen;
    e.positionen = r.Positionen;
}

} // namespace

int eancom_datei_umsetzen(const char* quelle, const std::string& zielOrdner, Ergebnis& e, const Optionen& o)
{
    EANCOM_ERGEBNIS r;
    Sammler s;
    Vorbereiten(r, s, e, o);
    /* the progress callback is handed the options' own data */
    r.Fortschritt = nullptr;
    struct Weiter {
        static void Fn(void* daten, uint64_t gelesen, uint64_t groesse)
        {
            const Optionen* o = static_cast<Sammler*>(daten)->o;
            o->fortschritt(o->fortschrittDaten, gelesen, groesse);
        }
    };
    if (o.fortschritt != nullptr)
        r.Fortschritt = Weiter::Fn;
    int ergebnis = EancomDateiUmsetzen(quelle, zielOrdner.c_str(), &r);
    Uebernehmen(r, e);
    return ergebnis;
}

int eancom_speicher_umsetzen(const char* daten, size_t groesse, const std::string& name,
                             const std::string& zielOrdner, Ergebnis& e, const Optionen& o)
{
    EANCOM_ERGEBNIS r;
    Sammler s;
    Vorbereiten(r, s, e, o);
    int ergebnis = EancomSpeicherUmsetzen(daten, groesse, name.c_str(), zielOrdner.c_str(), &r);
    Uebernehmen(r, e);
    return ergebnis;
}

namespace {
void Name(void* daten, const char* name)
{
    static_cast<std::vector<std::string>*>(daten)->push_back(name);
}
} // namespace

std::vector<std::string> ordner_dateien(const std::string& ordner)
{
    std::vector<std::string> namen;
    OrdnerDateien(ordner.c_str(), 100000, Name, &namen);
    return namen;
}

} // namespace eancom
