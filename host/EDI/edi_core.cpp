/*
 * edi_core.cpp - line encoding, record codecs and line reader of the EDI
 * record library. Plain C++ and the C library only (no windows.h).
 *
 * A record line is
 *     "#" RR MM CCCCCCCC PAYLOAD "\r\n"
 * RR and MM are the record kind and the message kind (two decimal digits
 * each), CCCCCCCC the CRC-32C (upper-case hex) of "RRMM" followed by PAYLOAD.
 * PAYLOAD is the raw record (every carried field's text followed by a zero
 * byte), XORed with a keystream and written in a 64-character alphabet,
 * four characters per three bytes. docs/file-format.md has the details.
 */
#include "edi_core.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <nmmintrin.h>
#include <smmintrin.h>
#include <tmmintrin.h>
#endif
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

/* --- the encoding ------------------------------------------------------ */

/* The 64 payload characters, in value order. None of them is ";", a tab,
 * "#" or a line break. */
constexpr char ALPHABET[] = "Rl1HS4-5ZtVA6jMPmW9q7L+8DnhNUwckEb2GTpFOrdvJ0izfQxB3YouKsyaeCIXg";
static_assert(sizeof(ALPHABET) == 65);

constexpr std::array<uint8_t, 256> alphabet_werte()
{
    std::array<uint8_t, 256> t{};
    for (auto& w : t)
        w = 0xFF;
    for (int i = 0; i < 64; i++)
        t[static_cast<uint8_t>(ALPHABET[i])] = static_cast<uint8_t>(i);
    return t;
}
constexpr std::array<uint8_t, 256> WERT = alphabet_werte();

/* The library key of the keystream (the bytes of "KTOXEDI1"). */
constexpr uint64_t SCHLUESSEL = 0x4B544F5845444931ull;

constexpr size_t PREFIX = 13; /* "#" RR MM CCCCCCCC */

uint64_t strom_start(int satzart, int nachrichtenart, size_t rohLaenge)
{
    return SCHLUESSEL ^ (static_cast<uint64_t>(satzart) << 40) ^
           (static_cast<uint64_t>(nachrichtenart) << 32) ^ static_cast<uint64_t>(rohLaenge);
}

/* splitmix64: eight keystream bytes per step, low byte first. */
inline uint64_t strom_weiter(uint64_t& zustand)
{
    zustand += 0x9E3779B97F4A7C15ull;
    uint64_t z = zustand;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

inline uint64_t lade64(const uint8_t* p)
{
    uint64_t w;
    std::memcpy(&w, p, 8);
    if constexpr (std::endian::native == std::endian::big) {
        uint64_t r = 0;
        for (int i = 0; i < 8; i++)
            r |= static_cast<uint64_t>(p[i]) << (8 * i);
        w = r;
    }
    return w;
}

inline void speichere64(uint8_t* p, uint64_t w)
{
    if constexpr (std::endian::native == std::endian::big) {
        for (int i = 0; i < 8; i++)
            p[i] = static_cast<uint8_t>(w >> (8 * i));
    } else {
        std::memcpy(p, &w, 8);
    }
}

/* First byte in [p, p + n) that equals `a` or `b`; null when none. Reads
 * nothing outside the range. */
inline const uint8_t* finde(const uint8_t* p, size_t n, uint8_t a, uint8_t b)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(static_cast<char>(a));
    const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
    while (n >= 16) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        int m = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)));
        if (m)
            return p + __builtin_ctz(static_cast<unsigned>(m));
        p += 16;
        n -= 16;
    }
#endif
    for (; n > 0; p++, n--)
        if (*p == a || *p == b)
            return p;
    return nullptr;
}

/* Length of the text in a field of `breite` bytes. */
inline size_t feldlaenge(const char* feld, size_t breite)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(feld);
    const uint8_t* ende = finde(p, breite, 0, 0);
    return ende ? static_cast<size_t>(ende - p) : breite;
}

/* XORs `laenge` bytes of `daten` in place with the keystream of the line. */
void strom_anwenden(uint8_t* daten, size_t laenge, int satzart, int nachrichtenart)
{
    uint64_t zustand = strom_start(satzart, nachrichtenart, laenge);
    size_t i = 0;
    for (; i + 8 <= laenge; i += 8)
        speichere64(daten + i, lade64(daten + i) ^ strom_weiter(zustand));
    if (i < laenge) {
        uint64_t z = strom_weiter(zustand);
        for (; i < laenge; i++, z >>= 8)
            daten[i] ^= static_cast<uint8_t>(z);
    }
}

size_t zeichen_fuer(size_t rohLaenge)
{
    return rohLaenge / 3 * 4 + (rohLaenge % 3 ? rohLaenge % 3 + 1 : 0);
}

/* The two characters of every 12-bit value, the first in the low byte: one
 * lookup writes half of a group of three bytes. */
constexpr std::array<uint16_t, 4096> paar_tafel()
{
    std::array<uint16_t, 4096> t{};
    for (unsigned w = 0; w < 4096; w++)
        t[w] = static_cast<uint16_t>(static_cast<uint8_t>(ALPHABET[w >> 6]) |
                                     (static_cast<uint8_t>(ALPHABET[w & 63]) << 8));
    return t;
}
constexpr std::array<uint16_t, 4096> PAAR = paar_tafel();

/* Eight bytes, the first as the most significant. */
inline uint64_t lade64_gross(const uint8_t* p)
{
    uint64_t w;
    std::memcpy(&w, p, 8);
    if constexpr (std::endian::native == std::endian::little)
        w = __builtin_bswap64(w);
    return w;
}

/* Spare bytes a buffer handed to zeichen_schreiben has behind the payload
 * (read, never used). */
constexpr size_t SCHLUPF = 8;

/* Writes `laenge` bytes as characters; `aus` has room for zeichen_fuer().
 * `roh` may be read up to SCHLUPF bytes behind its end. Six bytes (eight
 * characters) per step, the rest three by three. */
void zeichen_schreiben(const uint8_t* roh, size_t laenge, char* aus)
{
    size_t i = 0;
    for (; i + 6 <= laenge; i += 6) {
        uint64_t w = lade64_gross(roh + i);
        uint32_t a = static_cast<uint32_t>(w >> 40);
        uint32_t b = static_cast<uint32_t>(w >> 16) & 0xFFFFFF;
        uint64_t z = uint64_t(PAAR[a >> 12]) | (uint64_t(PAAR[a & 0xFFF]) << 16) |
                     (uint64_t(PAAR[b >> 12]) << 32) | (uint64_t(PAAR[b & 0xFFF]) << 48);
        speichere64(reinterpret_cast<uint8_t*>(aus), z);
        aus += 8;
    }
    for (; i + 3 <= laenge; i += 3) {
        uint32_t w = (uint32_t(roh[i]) << 16) | (uint32_t(roh[i + 1]) << 8) | roh[i + 2];
        aus[0] = ALPHABET[w >> 18];
        aus[1] = ALPHABET[(w >> 12) & 63];
        aus[2] = ALPHABET[(w >> 6) & 63];
        aus[3] = ALPHABET[w & 63];
        aus += 4;
    }
    if (laenge - i == 1) {
        uint32_t w = uint32_t(roh[i]) << 16;
        aus[0] = ALPHABET[w >> 18];
        aus[1] = ALPHABET[(w >> 12) & 63];
    } else if (laenge - i == 2) {
        uint32_t w = (uint32_t(roh[i]) << 16) | (uint32_t(roh[i + 1]) << 8);
        aus[0] = ALPHABET[w >> 18];
        aus[1] = ALPHABET[(w >> 12) & 63];
        aus[2] = ALPHABET[(w >> 6) & 63];
    }
}

/*
 * Reads payload characters from `t` into bytes up to the first byte outside
 * the alphabet, looking at no more than `max` bytes. A byte is only looked
 * at after the one before it proved to be a payload character, so nothing
 * behind the text's terminator is read. `*zeichen` receives the number of
 * characters. Returns the byte count, or -1 when the characters run to
 * `max`, their count is impossible or the bytes would not fit `rohGroesse`.
 */
long zeichen_lesen(const uint8_t* t, size_t max, uint8_t* roh, size_t rohGroesse, size_t* zeichen)
{
    size_t i = 0, r = 0;
    for (; i + 4 <= max; i += 4) {
        uint32_t a = WERT[t[i]];
        if (a > 63)
            break;
        uint32_t b = WERT[t[i + 1]];
        if (b > 63)
            break;
        uint32_t c = WERT[t[i + 2]];
        if (c > 63)
            break;
        uint32_t d = WERT[t[i + 3]];
        if (d > 63)
            break;
        if (r + 3 > rohGroesse)
            return -1;
        uint32_t w = (a << 18) | (b << 12) | (c << 6) | d;
        roh[r] = static_cast<uint8_t>(w >> 16);
        roh[r + 1] = static_cast<uint8_t>(w >> 8);
        roh[r + 2] = static_cast<uint8_t>(w);
        r += 3;
    }
    uint32_t v[3] = {0, 0, 0};
    size_t k = 0;
    while (k < 3 && i + k < max && WERT[t[i + k]] <= 63) {
        v[k] = WERT[t[i + k]];
        k++;
    }
    if (i + k >= max || k == 1)
        return -1;
    if (k > 1) {
        if (r + k - 1 > rohGroesse)
            return -1;
        uint32_t w = (v[0] << 18) | (v[1] << 12) | (v[2] << 6);
        roh[r++] = static_cast<uint8_t>(w >> 16);
        if (k == 3)
            roh[r++] = static_cast<uint8_t>(w >> 8);
    }
    *zeichen = i + k;
    return static_cast<long>(r);
}

constexpr char HEX[] = "0123456789ABCDEF";

void hex8(uint32_t wert, char* aus)
{
    for (int i = 7; i >= 0; i--, wert >>= 4)
        aus[i] = HEX[wert & 15];
}

/* Reads 8 upper-case hex digits; false for anything else. */
bool hex8_lesen(const char* text, uint32_t* wert)
{
    uint32_t w = 0;
    for (int i = 0; i < 8; i++) {
        char c = text[i];
        uint32_t z;
        if (c >= '0' && c <= '9')
            z = static_cast<uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            z = static_cast<uint32_t>(c - 'A' + 10);
        else
            return false;
        w = (w << 4) | z;
    }
    *wert = w;
    return true;
}

bool ziffer(char c) { return c >= '0' && c <= '9'; }

/* --- CRC-32C, eight bytes per step ----------------------------------------- */

/* The Castagnoli polynomial, reflected. x86 processors with SSE4.2 compute
 * the same check value in one instruction per eight bytes. */
constexpr uint32_t POLYNOM = 0x82F63B78u;

constexpr std::array<std::array<uint32_t, 256>, 8> crc_tafeln()
{
    std::array<std::array<uint32_t, 256>, 8> t{};
    for (uint32_t i = 0; i < 256; i++) {
        uint32_t c = i;
        for (int k = 0; k < 8; k++)
            c = (c & 1) ? (c >> 1) ^ POLYNOM : c >> 1;
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; i++)
        for (int s = 1; s < 8; s++)
            t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    return t;
}
constexpr auto CRC = crc_tafeln();

uint32_t crc_tafel(uint32_t crc, const uint8_t* p, size_t laenge)
{
    if constexpr (std::endian::native == std::endian::little) {
        while (laenge >= 8) {
            uint32_t eins, zwei;
            std::memcpy(&eins, p, 4);
            std::memcpy(&zwei, p + 4, 4);
            eins ^= crc;
            crc = CRC[7][eins & 0xFF] ^ CRC[6][(eins >> 8) & 0xFF] ^ CRC[5][(eins >> 16) & 0xFF] ^
                  CRC[4][eins >> 24] ^ CRC[3][zwei & 0xFF] ^ CRC[2][(zwei >> 8) & 0xFF] ^
                  CRC[1][(zwei >> 16) & 0xFF] ^ CRC[0][zwei >> 24];
            p += 8;
            laenge -= 8;
        }
    }
    while (laenge--)
        crc = (crc >> 8) ^ CRC[0][(crc ^ *p++) & 0xFF];
    return crc;
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("sse4.2"))) uint32_t crc_befehl(uint32_t crc, const uint8_t* p,
                                                      size_t laenge)
{
#if defined(__x86_64__)
    uint64_t c = crc;
    while (laenge >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        c = _mm_crc32_u64(c, w);
        p += 8;
        laenge -= 8;
    }
    crc = static_cast<uint32_t>(c);
#endif
    while (laenge >= 4) {
        uint32_t w;
        std::memcpy(&w, p, 4);
        crc = _mm_crc32_u32(crc, w);
        p += 4;
        laenge -= 4;
    }
    while (laenge--)
        crc = _mm_crc32_u8(crc, *p++);
    return crc;
}

bool hat_crc_befehl()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    return __get_cpuid(1, &a, &b, &c, &d) && (c & bit_SSE4_2);
}
const bool CRC_BEFEHL = hat_crc_befehl();
#endif

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
/* Longest raw payload a line of ZEILE_MAX bytes can carry. */
constexpr size_t ROH_ZEILE = (ZEILE_MAX - PREFIX - 2) / 4 * 3;
constexpr size_t ROH_PUFFER = ROH_ZEILE + 3;

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

/* --- public core ----------------------------------------------------------- */

uint32_t crc32(uint32_t crc, const void* daten, size_t laenge)
{
    const uint8_t* p = static_cast<const uint8_t*>(daten);
#if defined(__x86_64__) || defined(__i386__)
    if (CRC_BEFEHL)
        return ~crc_befehl(~crc, p, laenge);
#endif
    return ~crc_tafel(~crc, p, laenge);
}

uint32_t crc32_tafel(uint32_t crc, const void* daten, size_t laenge)
{
    return ~crc_tafel(~crc, static_cast<const uint8_t*>(daten), laenge);
}

namespace {

#if defined(__x86_64__) || defined(__i386__)
/* The alphabet in four rows of sixteen, for table lookups in registers. */
__attribute__((target("sse4.2"))) inline __m128i alphabet_reihe(int reihe)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(ALPHABET + 16 * reihe));
}

/* zeichen_schreiben that also continues the check value `crc` over the
 * characters it writes, straight from the registers. Twelve bytes (sixteen
 * characters) per step in vector registers: the bytes are spread so that
 * each 32-bit lane holds one group of three, the four 6-bit values of a
 * group are shifted into bytes of their own by two multiplications, and
 * each value picks its character from the alphabet row its top two bits
 * name. Then six bytes per step, then three by three. Needs SSE4.2 (which
 * brings the byte shuffle along); `roh` may be read SCHLUPF bytes behind
 * its end. */
__attribute__((target("sse4.2"))) uint32_t zeichen_mit_crc_befehl(const uint8_t* roh, size_t laenge,
                                                                 char* aus, uint32_t crc)
{
    uint32_t c = ~crc;
    size_t i = 0;
    const __m128i verteilen = _mm_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10);
    const __m128i maske1 = _mm_set1_epi32(0x0FC0FC00);
    const __m128i mal1 = _mm_set1_epi32(0x04000040);
    const __m128i maske2 = _mm_set1_epi32(0x003F03F0);
    const __m128i mal2 = _mm_set1_epi32(0x01000010);
    const __m128i unten = _mm_set1_epi8(0x0F);
    const __m128i reihe0 = alphabet_reihe(0), reihe1 = alphabet_reihe(1);
    const __m128i reihe2 = alphabet_reihe(2), reihe3 = alphabet_reihe(3);
    const __m128i eins = _mm_set1_epi8(1), zwei = _mm_set1_epi8(2), drei = _mm_set1_epi8(3);
    for (; i + 12 <= laenge; i += 12) {
        __m128i x = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(roh + i)), verteilen);
        __m128i werte = _mm_or_si128(_mm_mulhi_epu16(_mm_and_si128(x, maske1), mal1),
                                     _mm_mullo_epi16(_mm_and_si128(x, maske2), mal2));
        __m128i spalte = _mm_and_si128(werte, unten);
        __m128i reihe = _mm_and_si128(_mm_srli_epi16(werte, 4), unten);
        __m128i z = _mm_shuffle_epi8(reihe0, spalte);
        z = _mm_blendv_epi8(z, _mm_shuffle_epi8(reihe1, spalte), _mm_cmpeq_epi8(reihe, eins));
        z = _mm_blendv_epi8(z, _mm_shuffle_epi8(reihe2, spalte), _mm_cmpeq_epi8(reihe, zwei));
        z = _mm_blendv_epi8(z, _mm_shuffle_epi8(reihe3, spalte), _mm_cmpeq_epi8(reihe, drei));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(aus), z);
#if defined(__x86_64__)
        c = static_cast<uint32_t>(_mm_crc32_u64(c, static_cast<uint64_t>(_mm_cvtsi128_si64(z))));
        c = static_cast<uint32_t>(_mm_crc32_u64(c, static_cast<uint64_t>(_mm_extract_epi64(z, 1))));
#else
        c = _mm_crc32_u32(c, static_cast<uint32_t>(_mm_cvtsi128_si32(z)));
        c = _mm_crc32_u32(c, static_cast<uint32_t>(_mm_extract_epi32(z, 1)));
        c = _mm_crc32_u32(c, static_cast<uint32_t>(_mm_extract_epi32(z, 2)));
        c = _mm_crc32_u32(c, static_cast<uint32_t>(_mm_extract_epi32(z, 3)));
#endif
        aus += 16;
    }
    for (; i + 6 <= laenge; i += 6) {
        uint64_t w = lade64_gross(roh + i);
        uint32_t a = static_cast<uint32_t>(w >> 40);
        uint32_t b = static_cast<uint32_t>(w >> 16) & 0xFFFFFF;
        uint64_t z = uint64_t(PAAR[a >> 12]) | (uint64_t(PAAR[a & 0xFFF]) << 16) |
                     (uint64_t(PAAR[b >> 12]) << 32) | (uint64_t(PAAR[b & 0xFFF]) << 48);
        std::memcpy(aus, &z, 8);
#if defined(__x86_64__)
        c = static_cast<uint32_t>(_mm_crc32_u64(c, z));
#else
        c = _mm_crc32_u32(_mm_crc32_u32(c, static_cast<uint32_t>(z)), static_cast<uint32_t>(z >> 32));
#endif
        aus += 8;
    }
    zeichen_schreiben(roh + i, laenge - i, aus);
    return ~crc_befehl(c, reinterpret_cast<const uint8_t*>(aus), zeichen_fuer(laenge - i));
}
#endif

/* zeile_verschluesseln over a payload the caller lets us encipher in
 * place, with SCHLUPF readable bytes behind it; `befehle` 0 keeps to the
 * instructions every processor has. */
size_t zeile_aus_puffer(int satzart, int nachrichtenart, uint8_t* puffer, size_t rohLaenge,
                        char* aus, size_t ausGroesse, bool befehle = true)
{
    size_t ergebnis = 0;
    if (satzart < 0 || satzart > 99 || nachrichtenart < 0 || nachrichtenart > 99 ||
        rohLaenge > ROH_ZEILE)
        return ergebnis;
    size_t zeilenLaenge = PREFIX + zeichen_fuer(rohLaenge) + 2;
    if (zeilenLaenge + 1 > ausGroesse)
        return ergebnis;

    strom_anwenden(puffer, rohLaenge, satzart, nachrichtenart);

    aus[0] = '#';
    aus[1] = static_cast<char>('0' + satzart / 10);
    aus[2] = static_cast<char>('0' + satzart % 10);
    aus[3] = static_cast<char>('0' + nachrichtenart / 10);
    aus[4] = static_cast<char>('0' + nachrichtenart % 10);
    size_t nutz = zeichen_fuer(rohLaenge);
    uint32_t pruef = befehle ? crc32(0, aus + 1, 4) : crc32_tafel(0, aus + 1, 4);
#if defined(__x86_64__) || defined(__i386__)
    if (CRC_BEFEHL && befehle) {
        pruef = zeichen_mit_crc_befehl(puffer, rohLaenge, aus + PREFIX, pruef);
    } else
#endif
    {
        zeichen_schreiben(puffer, rohLaenge, aus + PREFIX);
        pruef = befehle ? crc32(pruef, aus + PREFIX, nutz) : crc32_tafel(pruef, aus + PREFIX, nutz);
    }
    hex8(pruef, aus + 5);
    aus[PREFIX + nutz] = '\r';
    aus[PREFIX + nutz + 1] = '\n';
    aus[zeilenLaenge] = '\0';
    ergebnis = zeilenLaenge;
    return ergebnis;
}

} // namespace

size_t zeile_verschluesseln(int satzart, int nachrichtenart, const uint8_t* roh, size_t rohLaenge,
                            char* aus, size_t ausGroesse)
{
    uint8_t puffer[ROH_PUFFER + SCHLUPF];
    if (rohLaenge > ROH_ZEILE)
        return 0;
    std::memcpy(puffer, roh, rohLaenge);
    std::memset(puffer + rohLaenge, 0, SCHLUPF);
    return zeile_aus_puffer(satzart, nachrichtenart, puffer, rohLaenge, aus, ausGroesse);
}

size_t zeile_verschluesseln_tafel(int satzart, int nachrichtenart, const uint8_t* roh,
                                  size_t rohLaenge, char* aus, size_t ausGroesse)
{
    uint8_t puffer[ROH_PUFFER + SCHLUPF];
    if (rohLaenge > ROH_ZEILE)
        return 0;
    std::memcpy(puffer, roh, rohLaenge);
    std::memset(puffer + rohLaenge, 0, SCHLUPF);
    return zeile_aus_puffer(satzart, nachrichtenart, puffer, rohLaenge, aus, ausGroesse, false);
}

int zeile_pruefen(const char* zeile, size_t laenge, int* satzart, int* nachrichtenart)
{
    uint32_t pruef = 0;
    if (laenge < PREFIX || zeile[0] != '#' || !ziffer(zeile[1]) || !ziffer(zeile[2]) ||
        !ziffer(zeile[3]) || !ziffer(zeile[4]) || !hex8_lesen(zeile + 5, &pruef))
        return 0;
    if (crc32(crc32(0, zeile + 1, 4), zeile + PREFIX, laenge - PREFIX) != pruef)
        return 0;
    if (satzart)
        *satzart = (zeile[1] - '0') * 10 + (zeile[2] - '0');
    if (nachrichtenart)
        *nachrichtenart = (zeile[3] - '0') * 10 + (zeile[4] - '0');
    return 1;
}

long satz_entschluesseln(const char* satz, uint8_t* roh, size_t rohGroesse, int* satzart,
                         int* nachrichtenart)
{
    const uint8_t* t = reinterpret_cast<const uint8_t*>(satz);
    uint32_t pruef = 0;
    /* the prefix, byte by byte: a terminator stops the checks */
    if (t[0] != '#' || !ziffer(satz[1]) || !ziffer(satz[2]) || !ziffer(satz[3]) ||
        !ziffer(satz[4]) || !hex8_lesen(satz + 5, &pruef))
        return -1;
    size_t zeichen = 0;
    long rohLaenge = zeichen_lesen(t + PREFIX, EDI_SATZ_GROESSE - PREFIX, roh, rohGroesse, &zeichen);
    if (rohLaenge < 0)
        return -1;
    /* the payload must end the line */
    const uint8_t* ende = t + PREFIX + zeichen;
    bool zeilenende = ende[0] == '\0' || ende[0] == '\n' ||
                      (ende[0] == '\r' && (ende[1] == '\n' || ende[1] == '\0'));
    if (!zeilenende || crc32(crc32(0, t + 1, 4), t + PREFIX, zeichen) != pruef)
        return -1;
    int sa = (satz[1] - '0') * 10 + (satz[2] - '0');
    int na = (satz[3] - '0') * 10 + (satz[4] - '0');
    strom_anwenden(roh, static_cast<size_t>(rohLaenge), sa, na);
    if (satzart)
        *satzart = sa;
    if (nachrichtenart)
        *nachrichtenart = na;
    return rohLaenge;
}

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
    Leser* leser = leser_anlegen(LESEPUFFER);
    if (!leser) {
        std::fclose(datei);
        return nullptr;
    }
    leser->datei = datei;
    return leser;
}

Leser* leser_speicher(const uint8_t* daten, size_t groesse)
{
    Leser* leser = leser_anlegen(LESEPUFFER);
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
