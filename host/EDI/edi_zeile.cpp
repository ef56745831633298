/*
 * edi_zeile.cpp - the line encoding of the EDI record library: keystream,
 * payload alphabet, check value, building, checking and deciphering one
 * record line. Plain C++ and the C library only (no windows.h).
 *
 * A record line is
 *     "#" RR MM CCCCCCCC PAYLOAD "\r\n"
 * RR and MM are the record kind and the message kind (two decimal digits
 * each), CCCCCCCC the CRC-32C (upper-case hex) of "RRMM" followed by PAYLOAD.
 * PAYLOAD is the raw record (every carried field's text followed by a zero
 * byte), XORed with a keystream and written in a 64-character alphabet,
 * four characters per three bytes. docs/file-format.md has the details.
 */
#include "edi_intern.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <nmmintrin.h>
#include <smmintrin.h>
#include <tmmintrin.h>
#endif

namespace edikern {

namespace {

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

/* The eight characters of six bytes at `roh` (8 bytes are read), the
 * first in the low byte. */
inline uint64_t sechs_zeichen(const uint8_t* roh)
{
    uint64_t w = lade64_gross(roh);
    uint32_t a = static_cast<uint32_t>(w >> 40);
    uint32_t b = static_cast<uint32_t>(w >> 16) & 0xFFFFFF;
    return uint64_t(PAAR[a >> 12]) | (uint64_t(PAAR[a & 0xFFF]) << 16) | (uint64_t(PAAR[b >> 12]) << 32) |
           (uint64_t(PAAR[b & 0xFFF]) << 48);
}

/* Writes `laenge` bytes as characters; `aus` has room for zeichen_fuer().
 * `roh` may be read up to SCHLUPF bytes behind its end. Six bytes (eight
 * characters) per step, the rest three by three. */
void zeichen_schreiben(const uint8_t* roh, size_t laenge, char* aus)
{
    size_t i = 0;
    for (; i + 6 <= laenge; i += 6) {
        uint64_t z = sechs_zeichen(roh + i);
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
        uint64_t z = sechs_zeichen(roh + i);
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

} // namespace

size_t zeile_aus_puffer(int satzart, int nachrichtenart, uint8_t* puffer, size_t rohLaenge,
                        char* aus, size_t ausGroesse)
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
    uint32_t pruef = crc32(0, aus + 1, 4);
#if defined(__x86_64__) || defined(__i386__)
    if (CRC_BEFEHL) {
        pruef = zeichen_mit_crc_befehl(puffer, rohLaenge, aus + PREFIX, pruef);
    } else
#endif
    {
        zeichen_schreiben(puffer, rohLaenge, aus + PREFIX);
        pruef = crc32(pruef, aus + PREFIX, nutz);
    }
    hex8(pruef, aus + 5);
    aus[PREFIX + nutz] = '\r';
    aus[PREFIX + nutz + 1] = '\n';
    aus[zeilenLaenge] = '\0';
    ergebnis = zeilenLaenge;
    return ergebnis;
}

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

} // namespace edikern
