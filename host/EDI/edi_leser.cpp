/*
 * edi_leser.cpp - the buffered line reader of the EDI record library, over
 * a file or a block of memory. Plain C++ and the C library only.
 */
#include "edi_intern.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace edikern {

/* --- the reader ---------------------------------------------------------------- */

struct Leser {
    std::FILE* datei;         /* the file, or null when reading memory */
    const uint8_t* speicher;  /* rest of the memory source */
    size_t speicherRest;
    uint8_t* puffer;
    size_t kapazitaet;
    size_t anfang, ende;      /* unread bytes: puffer[anfang, ende) */
    bool quelleLeer;          /* nothing more to fill from */
    bool ueberlang;           /* the line being passed is longer than the buffer */
    int zeilennummer;
};

namespace {

constexpr size_t LESEPUFFER = 256 * 1024;
constexpr size_t LESEPUFFER_KLEIN = 4096;

/* The buffer for `groesse` bytes to read: all of them and one more when
 * they fit in LESEPUFFER, so a small file or message costs a small block;
 * a line can then never be longer than the buffer, as with the full one. */
size_t puffer_fuer(size_t groesse)
{
    if (groesse >= LESEPUFFER)
        return LESEPUFFER;
    return groesse + 1 < LESEPUFFER_KLEIN ? LESEPUFFER_KLEIN : groesse + 1;
}

Leser* leser_anlegen(size_t kapazitaet)
{
    Leser* leser = new (std::nothrow) Leser{};
    if (!leser)
        return nullptr;
    leser->puffer = static_cast<uint8_t*>(std::malloc(kapazitaet));
    if (!leser->puffer) {
        delete leser;
        return nullptr;
    }
    leser->kapazitaet = kapazitaet;
    return leser;
}

/* Moves the unread bytes to the front and fills the rest of the buffer. */
void leser_fuellen(Leser* l)
{
    if (l->anfang > 0) {
        std::memmove(l->puffer, l->puffer + l->anfang, l->ende - l->anfang);
        l->ende -= l->anfang;
        l->anfang = 0;
    }
    size_t frei = l->kapazitaet - l->ende;
    size_t gelesen = 0;
    if (l->datei) {
        gelesen = std::fread(l->puffer + l->ende, 1, frei, l->datei);
    } else {
        gelesen = l->speicherRest < frei ? l->speicherRest : frei;
        if (gelesen > 0) {
            std::memcpy(l->puffer + l->ende, l->speicher, gelesen);
            l->speicher += gelesen;
            l->speicherRest -= gelesen;
        }
    }
    l->ende += gelesen;
    if (gelesen == 0)
        l->quelleLeer = true;
}

} // namespace

Leser* leser_datei(const char* pfad)
{
    std::FILE* datei = std::fopen(pfad, "rb");
    if (!datei)
        return nullptr;
    /* Our own buffer is large; reads go straight into it. */
    std::setvbuf(datei, nullptr, _IONBF, 0);
    size_t groesse = LESEPUFFER;
    if (std::fseek(datei, 0, SEEK_END) == 0) {
        long ende = std::ftell(datei);
        if (ende >= 0)
            groesse = static_cast<size_t>(ende);
    }
    std::rewind(datei);
    Leser* leser = leser_anlegen(puffer_fuer(groesse));
    if (!leser) {
        std::fclose(datei);
        return nullptr;
    }
    leser->datei = datei;
    return leser;
}

Leser* leser_speicher(const uint8_t* daten, size_t groesse)
{
    Leser* leser = leser_anlegen(puffer_fuer(groesse));
    if (leser) {
        leser->speicher = daten;
        leser->speicherRest = groesse;
    }
    return leser;
}

int leser_naechster(Leser* l, char* satz, size_t satzGroesse, int* satzart, int* nachrichtenart,
                    int* zeilennummer)
{
    satz[0] = '\0';
    for (;;) {
        const uint8_t* start = l->puffer + l->anfang;
        size_t rest = l->ende - l->anfang;
        const uint8_t* lf = finde(start, rest, '\n', 0);
        bool mitNul = false; /* a NUL inside: no text line of ours */
        if (lf && *lf == 0) {
            mitNul = true;
            while (lf && *lf == 0)
                lf = finde(lf + 1, rest - static_cast<size_t>(lf + 1 - start), '\n', 0);
        }
        size_t zeilenLaenge; /* with the line feed when there is one */
        if (lf) {
            zeilenLaenge = static_cast<size_t>(lf - start) + 1;
        } else if (!l->quelleLeer) {
            if (l->anfang == 0 && l->ende == l->kapazitaet) {
                /* a line longer than the whole buffer: drop what we have */
                l->ueberlang = true;
                l->ende = 0;
            }
            leser_fuellen(l);
            continue;
        } else if (l->anfang < l->ende) {
            zeilenLaenge = l->ende - l->anfang; /* last line, no line end */
            mitNul = finde(start, zeilenLaenge, 0, 0) != nullptr;
        } else {
            return 0;
        }
        l->anfang += zeilenLaenge;
        l->zeilennummer++;
        if (l->ueberlang) {
            l->ueberlang = false;
            continue;
        }

        const char* zeile = reinterpret_cast<const char*>(start);
        size_t inhalt = lf ? zeilenLaenge - 1 : zeilenLaenge;
        if (inhalt > 0 && zeile[inhalt - 1] == '\r')
            inhalt--;
        int sa = 0, na = 0;
        if (inhalt == 0 || mitNul)
            continue; /* empty, or no text line of ours */
        if (zeile[0] == '#') {
            if (!zeile_pruefen(zeile, inhalt, &sa, &na))
                continue;
        } else if (kopfzeile_pruefen(zeile, inhalt, &na)) {
            sa = EDI_SATZART_KOPFZEILE;
        } else {
            continue;
        }

        size_t ausgabe = lf ? zeilenLaenge : inhalt + 2;
        if (ausgabe + 1 > satzGroesse)
            continue;
        if (lf) {
            std::memcpy(satz, zeile, zeilenLaenge);
        } else {
            std::memcpy(satz, zeile, inhalt);
            satz[inhalt] = '\r';
            satz[inhalt + 1] = '\n';
        }
        satz[ausgabe] = '\0';
        if (satzart)
            *satzart = sa;
        if (nachrichtenart)
            *nachrichtenart = na;
        if (zeilennummer)
            *zeilennummer = l->zeilennummer;
        return 1;
    }
}

void leser_schliessen(Leser* leser)
{
    if (!leser)
        return;
    if (leser->datei)
        std::fclose(leser->datei);
    std::free(leser->puffer);
    delete leser;
}

} // namespace edikern
