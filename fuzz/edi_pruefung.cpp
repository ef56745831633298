/*
 * edi_pruefung.cpp - the fuzz entry of the EDI record library's core (see
 * EdiKern_FuzzEingabe in host/EDI/edi_core.h): built into the native fuzz
 * programs and the library's tests, not into the library.
 */
#include "edi_core.h"

#include <cstdlib>
#include <cstring>

/* --- fuzz entry ---------------------------------------------------------------- */

namespace {

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

/* Decodes `satz` every way there is; every record that decodes must write
 * back into a line that decodes to the same record. */
void alles_dekodieren(const char* satz, int nachrichtenart)
{
    using namespace edikern;
    char zeile[EDI_SATZ_GROESSE];

    PRICAT_DATEN p, p2;
    int info = 0;
    if (pricat_lesen(satz, nachrichtenart, &info, &p) == 1) {
        char text[EDI_FELDTEXT_GROESSE];
        for (int f = 0; f <= EDI_PRICAT_FELDER + 1; f++)
            for (int s = -1; s < 80; s += 9)
                feld_lesen(f, s, s / 2, text, sizeof(text), &p);
        size_t z = pricat_erstellen(&p, zeile, sizeof(zeile));
        pruefe(z > 0 && z < EDI_SATZ_GROESSE);
        pruefe(pricat_lesen(zeile, EDI_NACHRICHT_PRICAT, &info, &p2) == 1);
        pruefe(std::memcmp(&p, &p2, sizeof(p)) == 0);
    }

    DESADV_KOPF k, k2;
    DESADV_REFERENZ r, r2;
    DESADV_POSITION pos, pos2;
    if (desadv_lesen(satz, nachrichtenart, &k, &r, &pos) == 1) {
        size_t z = satz[2] == '0' + EDI_SATZART_DESADV_KOPF
                       ? desadv_kopf_erstellen(&k, zeile, sizeof(zeile))
                       : desadv_position_erstellen(&k, &r, &pos, zeile, sizeof(zeile));
        pruefe(z > 0 && z < EDI_SATZ_GROESSE);
        pruefe(desadv_lesen(zeile, EDI_NACHRICHT_DESADV, &k2, &r2, &pos2) == 1);
        pruefe(std::memcmp(&k, &k2, sizeof(k)) == 0 && std::memcmp(&r, &r2, sizeof(r)) == 0 &&
               std::memcmp(&pos, &pos2, sizeof(pos)) == 0);
    }
}

} // namespace

extern "C" int EdiKern_FuzzEingabe(const uint8_t* daten, size_t groesse)
{
    using namespace edikern;
    int anzahl = 0;

    /* The bytes as one record text handed straight to the decoders. */
    char direkt[EDI_SATZ_GROESSE];
    size_t d = groesse < sizeof(direkt) - 1 ? groesse : sizeof(direkt) - 1;
    if (d > 0)
        std::memcpy(direkt, daten, d);
    direkt[d] = '\0';
    alles_dekodieren(direkt, EDI_NACHRICHT_PRICAT);
    alles_dekodieren(direkt, EDI_NACHRICHT_DESADV);
    nachrichtenfunktion_id(direkt);

    /* The bytes as a file. */
    Leser* leser = leser_speicher(daten, groesse);
    if (!leser)
        return anzahl;
    char satz[EDI_SATZ_GROESSE];
    int sa = 0, na = 0, zeile = 0;
    while (leser_naechster(leser, satz, sizeof(satz), &sa, &na, &zeile) == 1) {
        anzahl++;
        size_t l = std::strlen(satz);
        pruefe(l >= 2 && l < sizeof(satz) && satz[l - 1] == '\n');
        alles_dekodieren(satz, na);
    }
    leser_schliessen(leser);
    return anzahl;
}

