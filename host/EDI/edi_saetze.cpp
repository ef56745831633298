/*
 * edi_saetze.cpp - the record codecs of the EDI record library: the fields
 * each record kind carries, the message header line, and PRICAT and DESADV
 * records to and from their lines (edi_zeile.cpp makes and reads the
 * lines). Plain C++ and the C library only (no windows.h).
 */
#include "edi_intern.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace edikern {

namespace {

/* --- fields ------------------------------------------------------------ */

#define FELD(T, f) Feld{static_cast<uint16_t>(offsetof(T, f)), static_cast<uint16_t>(sizeof(T::f))}

constexpr size_t roh_max(const Feld* felder, size_t anzahl)
{
    size_t summe = 0;
    for (size_t i = 0; i < anzahl; i++)
        summe += felder[i].breite + 1u;
    return summe;
}

/* --- fields of a raw payload ------------------------------------------------ */

/* Appends the texts of `felder` of `satz` (each up to its width, then a zero
 * byte) at roh[pos]; the caller has room for roh_max(). Returns the new pos. */
size_t felder_packen(const Feld* felder, size_t anzahl, const void* satz, uint8_t* roh, size_t pos)
{
    const char* basis = static_cast<const char*>(satz);
    for (size_t i = 0; i < anzahl; i++) {
        const char* text = basis + felder[i].offset;
        size_t laenge = feldlaenge(text, felder[i].breite);
        std::memcpy(roh + pos, text, laenge);
        pos += laenge;
        roh[pos++] = 0;
    }
    return pos;
}

/* felder_packen for a record of `satzGroesse` bytes, sixteen bytes at a
 * time: a field's text is copied in whole blocks of 16 (its terminator
 * inside the last one), so `roh` needs 16 spare bytes behind roh_max().
 * Reads only inside the record. */
size_t felder_packen_breit(const Feld* felder, size_t anzahl, const void* satz, size_t satzGroesse,
                           uint8_t* roh, size_t pos)
{
#if defined(__SSE2__)
    const char* basis = static_cast<const char*>(satz);
    const __m128i null = _mm_setzero_si128();
    for (size_t i = 0; i < anzahl; i++) {
        const char* text = basis + felder[i].offset;
        size_t breite = felder[i].breite;
        size_t ende = felder[i].offset + ((breite + 15) & ~size_t(15));
        if (ende > satzGroesse) {
            pos = felder_packen(felder + i, 1, satz, roh, pos);
            continue;
        }
        size_t laenge = 0;
        for (;;) {
            __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + laenge));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(roh + pos + laenge), x);
            unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, null)));
            size_t rest = breite - laenge;
            if (rest < 16)
                m |= 1u << rest;
            if (m) {
                laenge += static_cast<size_t>(__builtin_ctz(m));
                break;
            }
            laenge += 16;
        }
        roh[pos + laenge] = 0;
        pos += laenge + 1;
    }
    return pos;
#else
    (void)satzGroesse;
    return felder_packen(felder, anzahl, satz, roh, pos);
#endif
}

/* Takes the texts of `felder` from roh[*pos] into the zeroed `satz`.
 * False when a field is missing or longer than its width. */
bool felder_entpacken(const Feld* felder, size_t anzahl, void* satz, const uint8_t* roh,
                      size_t rohLaenge, size_t* pos)
{
    char* basis = static_cast<char*>(satz);
    size_t p = *pos;
    for (size_t i = 0; i < anzahl; i++) {
        if (p >= rohLaenge)
            return false;
        size_t rest = rohLaenge - p;
        size_t suche = rest < size_t(felder[i].breite) + 1 ? rest : size_t(felder[i].breite) + 1;
        const uint8_t* ende = finde(roh + p, suche, 0, 0);
        if (!ende)
            return false;
        size_t laenge = static_cast<size_t>(ende - (roh + p));
        std::memcpy(basis + felder[i].offset, roh + p, laenge);
        p += laenge + 1;
    }
    *pos = p;
    return true;
}

/* Copies `text` (at most `max` bytes, up to its terminator) into aus[pos]
 * with ";", tab and line breaks made blanks. Returns the bytes written. */
size_t token_schreiben(const char* text, size_t max, char* aus)
{
    size_t n = 0;
    for (; n < max && text[n]; n++) {
        char c = text[n];
        aus[n] = (c == ';' || c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    return n;
}

} // namespace

constexpr Feld PRICAT_FELDER[EDI_PRICAT_FELDER] = {
    FELD(PRICAT_DATEN, Nachrichtentyp),
    FELD(PRICAT_DATEN, Lieferant),
    FELD(PRICAT_DATEN, Nachrichtenfunktion),
    FELD(PRICAT_DATEN, Waehrung),
    FELD(PRICAT_DATEN, LieferantenIln),
    FELD(PRICAT_DATEN, Nachrichtennummer),
    FELD(PRICAT_DATEN, Nachrichtendatum),
    FELD(PRICAT_DATEN, GueltigAb),
    FELD(PRICAT_DATEN, Lieferantenartikelnummer),
    FELD(PRICAT_DATEN, Hauptgruppe),
    FELD(PRICAT_DATEN, Mengeneinheit),
    FELD(PRICAT_DATEN, Ean),
    FELD(PRICAT_DATEN, Artikel),
    FELD(PRICAT_DATEN, Merkmal7),
    FELD(PRICAT_DATEN, Groessentext),
    FELD(PRICAT_DATEN, BleFarbe),
    FELD(PRICAT_DATEN, Material),
    FELD(PRICAT_DATEN, Zusatztext),
    FELD(PRICAT_DATEN, Artikelbeschreibung),
    FELD(PRICAT_DATEN, Preis1),
    FELD(PRICAT_DATEN, Preis2),
    FELD(PRICAT_DATEN, Preis3),
    FELD(PRICAT_DATEN, Lieferantenfarbe),
    FELD(PRICAT_DATEN, WarengruppeErsatz2),
    FELD(PRICAT_DATEN, Warengruppe),
    FELD(PRICAT_DATEN, Saison),
    FELD(PRICAT_DATEN, Label),
    FELD(PRICAT_DATEN, Serie),
    FELD(PRICAT_DATEN, WarengruppeErsatz1),
    FELD(PRICAT_DATEN, MwstSatz),
};

constexpr Feld DESADV_KOPF_FELDER[9] = {
    FELD(DESADV_KOPF, Nachrichtentyp),    FELD(DESADV_KOPF, Nachrichtenfunktion),
    FELD(DESADV_KOPF, Nachrichtennummer), FELD(DESADV_KOPF, Lieferscheinnummer),
    FELD(DESADV_KOPF, Lieferdatum),       FELD(DESADV_KOPF, Versanddatum),
    FELD(DESADV_KOPF, LieferantenIln),    FELD(DESADV_KOPF, KaeuferIln),
    FELD(DESADV_KOPF, LieferortIln),
};

constexpr Feld DESADV_REFERENZ_FELDER[4] = {
    FELD(DESADV_REFERENZ, Bestellnummer),
    FELD(DESADV_REFERENZ, Bestelldatum),
    FELD(DESADV_REFERENZ, Bestellposition),
    FELD(DESADV_REFERENZ, Auftragsnummer),
};

constexpr Feld DESADV_POSITION_FELDER[12] = {
    FELD(DESADV_POSITION, Positionsnummer),     FELD(DESADV_POSITION, Artikelbeschreibung),
    FELD(DESADV_POSITION, Farbe),               FELD(DESADV_POSITION, Groesse),
    FELD(DESADV_POSITION, Mengeneinheit),       FELD(DESADV_POSITION, EmpfaengerIln),
    FELD(DESADV_POSITION, Gtin),                FELD(DESADV_POSITION, Lieferantenartikelnummer),
    FELD(DESADV_POSITION, Kaeuferartikelnummer), FELD(DESADV_POSITION, Packstueck),
    FELD(DESADV_POSITION, Charge),              FELD(DESADV_POSITION, Menge),
};

namespace {

constexpr size_t ROH_PRICAT = roh_max(PRICAT_FELDER, EDI_PRICAT_FELDER);
constexpr size_t ROH_DESADV_KOPF = roh_max(DESADV_KOPF_FELDER, 9);
constexpr size_t ROH_DESADV_POSITION =
    ROH_DESADV_KOPF + roh_max(DESADV_REFERENZ_FELDER, 4) + roh_max(DESADV_POSITION_FELDER, 12);

/* Every record the writers can produce fits one read buffer. */
static_assert(ROH_PRICAT <= ROH_ZEILE, "PRICAT record too long for a line");
static_assert(ROH_DESADV_POSITION <= ROH_ZEILE, "DESADV record too long for a line");

/* The field lists lie inside their records and do not overlap. */
constexpr bool felder_in_ordnung(const Feld* felder, size_t anzahl, size_t groesse)
{
    size_t ende = 0;
    for (size_t i = 0; i < anzahl; i++) {
        if (felder[i].offset < ende || felder[i].breite == 0)
            return false;
        ende = size_t(felder[i].offset) + felder[i].breite;
    }
    return ende <= groesse;
}

} // namespace

/* --- header line ------------------------------------------------------------- */

size_t kopfzeile_erstellen(const EDI_KOPFSATZ* kopf, const char* kennung,
                           const char* nachrichtStandard, const Zeitpunkt& zeit, char* aus,
                           size_t ausGroesse)
{
    /* Longest line: 7 + 63 + 1 + 36 + 8 + 7 + 6 + 4 + 1 + 14 + 8 tokens,
     * eleven separators, line end. */
    char zeile[256];
    size_t n = 0;
    auto token = [&](const char* text, size_t max) {
        size_t k = token_schreiben(text, max, zeile + n);
        if (k == 0)
            zeile[n + k++] = '-';
        n += k;
        zeile[n++] = ';';
    };
    auto zahl = [&](int wert, int stellen) {
        char t[12];
        for (int i = stellen - 1; i >= 0; i--, wert /= 10)
            t[i] = static_cast<char>('0' + (wert < 0 ? 0 : wert % 10));
        t[stellen] = '\0';
        token(t, static_cast<size_t>(stellen));
    };

    char nachricht[8] = {0};
    token_schreiben(kopf->Nachricht, sizeof(kopf->Nachricht), nachricht);
    if (!nachricht[0])
        token_schreiben(nachrichtStandard, 6, nachricht);

    char beschreibung[64] = {0};
    if (kopf->Beschreibung[0]) {
        token_schreiben(kopf->Beschreibung, sizeof(kopf->Beschreibung), beschreibung);
    } else {
        size_t b = token_schreiben(nachricht, 7, beschreibung);
        if (kopf->PartnerIln[0]) {
            beschreibung[b++] = ' ';
            token_schreiben(kopf->PartnerIln, sizeof(kopf->PartnerIln), beschreibung + b);
        }
    }

    token(kennung, 6);                                      /* 1 */
    token(beschreibung, 63);                                /* 2 */
    token("1", 1);                                          /* 3 layout of this line */
    token(kopf->AbsenderIln, sizeof(kopf->AbsenderIln));    /* 4 */
    int datum = zeit.jahr * 10000 + zeit.monat * 100 + zeit.tag;
    zahl(datum, 8);                                         /* 5 */
    token(nachricht, 7);                                    /* 6 */
    zahl(zeit.stunde * 10000 + zeit.minute * 100 + zeit.sekunde, 6); /* 7 */
    token("1252", 4);                                       /* 8 code page */
    token("1", 1);                                          /* 9 key number */
    token(kopf->PartnerIln, sizeof(kopf->PartnerIln));      /* 10 */
    hex8(crc32(0, zeile, n), zeile + n);                    /* 11 */
    n += 8;
    zeile[n++] = '\r';
    zeile[n++] = '\n';

    if (n + 1 > ausGroesse)
        return 0;
    std::memcpy(aus, zeile, n);
    aus[n] = '\0';
    return n;
}

int kopfzeile_pruefen(const char* zeile, size_t laenge, int* nachrichtenart)
{
    if (laenge < 3 + 9 || std::memcmp(zeile, "BTE", 3) != 0)
        return 0;
    size_t letztes = laenge - 9; /* ";" before the check value */
    uint32_t pruef = 0;
    if (zeile[letztes] != ';' || !hex8_lesen(zeile + letztes + 1, &pruef) ||
        crc32(0, zeile, letztes + 1) != pruef)
        return 0;
    /* token 6: behind the fifth separator */
    size_t p = 0;
    for (int gefunden = 0; gefunden < 5; p++) {
        if (p >= letztes)
            return 0;
        if (zeile[p] == ';')
            gefunden++;
    }
    size_t e = p;
    while (e < letztes && zeile[e] != ';')
        e++;
    int art = 0;
    if (e - p == 6 && std::memcmp(zeile + p, "PRICAT", 6) == 0)
        art = EDI_NACHRICHT_PRICAT;
    else if (e - p == 6 && std::memcmp(zeile + p, "DESADV", 6) == 0)
        art = EDI_NACHRICHT_DESADV;
    if (nachrichtenart)
        *nachrichtenart = art;
    return 1;
}

/* --- records --------------------------------------------------------------- */

static_assert(felder_in_ordnung(PRICAT_FELDER, EDI_PRICAT_FELDER, sizeof(PRICAT_DATEN)));
static_assert(felder_in_ordnung(DESADV_KOPF_FELDER, 9, sizeof(DESADV_KOPF)));
static_assert(felder_in_ordnung(DESADV_REFERENZ_FELDER, 4, sizeof(DESADV_REFERENZ)));
static_assert(felder_in_ordnung(DESADV_POSITION_FELDER, 12, sizeof(DESADV_POSITION)));

size_t pricat_erstellen(const PRICAT_DATEN* daten, char* aus, size_t ausGroesse)
{
    /* 16 spare bytes for the block copies, which also cover SCHLUPF */
    uint8_t roh[ROH_PRICAT + 16];
    size_t laenge = felder_packen_breit(PRICAT_FELDER, EDI_PRICAT_FELDER, daten, sizeof(*daten),
                                        roh, 0);
    std::memset(roh + laenge, 0, SCHLUPF);
    return zeile_aus_puffer(EDI_SATZART_PRICAT, EDI_NACHRICHT_PRICAT, roh, laenge, aus,
                            ausGroesse);
}

int pricat_lesen(const char* satz, int nachrichtenart, int* info, PRICAT_DATEN* daten)
{
    int ergebnis = 0;
    uint8_t roh[ROH_PUFFER];
    int sa = 0, na = 0;
    std::memset(daten, 0, sizeof(*daten));
    long rohLaenge = satz_entschluesseln(satz, roh, sizeof(roh), &sa, &na);
    if (rohLaenge >= 0 && sa == EDI_SATZART_PRICAT && na == EDI_NACHRICHT_PRICAT &&
        nachrichtenart == na) {
        size_t pos = 0;
        if (felder_entpacken(PRICAT_FELDER, EDI_PRICAT_FELDER, daten, roh,
                             static_cast<size_t>(rohLaenge), &pos) &&
            pos == static_cast<size_t>(rohLaenge))
            ergebnis = 1;
        else
            std::memset(daten, 0, sizeof(*daten));
    }
    if (ergebnis == 1 && info)
        *info = sa;
    return ergebnis;
}

size_t desadv_kopf_erstellen(const DESADV_KOPF* kopf, char* aus, size_t ausGroesse)
{
    uint8_t roh[ROH_DESADV_KOPF];
    size_t laenge = felder_packen(DESADV_KOPF_FELDER, 9, kopf, roh, 0);
    return zeile_verschluesseln(EDI_SATZART_DESADV_KOPF, EDI_NACHRICHT_DESADV, roh, laenge, aus,
                                ausGroesse);
}

size_t desadv_position_erstellen(const DESADV_KOPF* kopf, const DESADV_REFERENZ* referenz,
                                 const DESADV_POSITION* position, char* aus, size_t ausGroesse)
{
    uint8_t roh[ROH_DESADV_POSITION];
    size_t laenge = felder_packen(DESADV_KOPF_FELDER, 9, kopf, roh, 0);
    laenge = felder_packen(DESADV_REFERENZ_FELDER, 4, referenz, roh, laenge);
    laenge = felder_packen(DESADV_POSITION_FELDER, 12, position, roh, laenge);
    return zeile_verschluesseln(EDI_SATZART_DESADV_POSITION, EDI_NACHRICHT_DESADV, roh, laenge,
                                aus, ausGroesse);
}

int desadv_lesen(const char* satz, int nachrichtenart, DESADV_KOPF* kopf,
                 DESADV_REFERENZ* referenz, DESADV_POSITION* position)
{
    int ergebnis = 0;
    uint8_t roh[ROH_PUFFER];
    int sa = 0, na = 0;
    std::memset(kopf, 0, sizeof(*kopf));
    std::memset(referenz, 0, sizeof(*referenz));
    std::memset(position, 0, sizeof(*position));
    long rohLaenge = satz_entschluesseln(satz, roh, sizeof(roh), &sa, &na);
    if (rohLaenge >= 0 && na == EDI_NACHRICHT_DESADV && nachrichtenart == na) {
        size_t n = static_cast<size_t>(rohLaenge);
        size_t pos = 0;
        bool gut = false;
        if (sa == EDI_SATZART_DESADV_KOPF)
            gut = felder_entpacken(DESADV_KOPF_FELDER, 9, kopf, roh, n, &pos);
        else if (sa == EDI_SATZART_DESADV_POSITION)
            gut = felder_entpacken(DESADV_KOPF_FELDER, 9, kopf, roh, n, &pos) &&
                  felder_entpacken(DESADV_REFERENZ_FELDER, 4, referenz, roh, n, &pos) &&
                  felder_entpacken(DESADV_POSITION_FELDER, 12, position, roh, n, &pos);
        if (gut && pos == n) {
            ergebnis = 1;
        } else {
            std::memset(kopf, 0, sizeof(*kopf));
            std::memset(referenz, 0, sizeof(*referenz));
            std::memset(position, 0, sizeof(*position));
        }
    }
    return ergebnis;
}

int feld_lesen(int32_t feldNummer, int32_t start, int32_t laenge, char* text, size_t textGroesse,
               const PRICAT_DATEN* daten)
{
    int ergebnis = 0;
    int32_t nummer = feldNummer & 0xFFFF;
    if (textGroesse == 0)
        return ergebnis;
    text[0] = '\0';
    if (nummer < 1 || nummer > EDI_PRICAT_FELDER)
        return ergebnis;
    const Feld& feld = PRICAT_FELDER[nummer - 1];
    const char* quelle = reinterpret_cast<const char*>(daten) + feld.offset;
    size_t textLaenge = feldlaenge(quelle, feld.breite);
    size_t ab = start > 1 ? static_cast<size_t>(start) - 1 : 0;
    size_t n = 0;
    if (ab < textLaenge) {
        n = textLaenge - ab;
        if (laenge > 0 && static_cast<size_t>(laenge) < n)
            n = static_cast<size_t>(laenge);
        if (n > textGroesse - 1)
            n = textGroesse - 1;
        std::memcpy(text, quelle + ab, n);
    }
    text[n] = '\0';
    ergebnis = 1;
    return ergebnis;
}

int32_t nachrichtenfunktion_id(const char* code)
{
    char c[3];
    size_t n = 0;
    for (size_t i = 0; i < 3 && code[i]; i++)
        if (code[i] != ' ')
            c[n++] = code[i];
    int32_t id = 0;
    if (n == 2 && (c[0] == 'A' || c[0] == 'a') && (c[1] == 'U' || c[1] == 'u')) {
        id = EDI_NACHRICHTENFUNKTION_AUSLAUF;
    } else if (n > 0) {
        for (size_t i = 0; i < n; i++) {
            if (!ziffer(c[i]))
                return 0;
            id = id * 10 + (c[i] - '0');
        }
    }
    return id;
}

} // namespace edikern
