/*
 * edi_intern.h - what the parts of the EDI record library share inside:
 * line limits and small byte helpers (edi_zeile.cpp, edi_saetze.cpp,
 * edi_leser.cpp). Not for callers of the library; they use edi_core.h.
 */
#ifndef OX_HOST_EDI_INTERN_H
#define OX_HOST_EDI_INTERN_H

#include "edi_core.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace edikern {

constexpr size_t PREFIX = 13; /* "#" RR MM CCCCCCCC */

/* Spare bytes a buffer handed to zeile_aus_puffer has behind the payload
 * (read, never used). */
constexpr size_t SCHLUPF = 8;

/* Longest raw payload a line of ZEILE_MAX bytes can carry. */
constexpr size_t ROH_ZEILE = (ZEILE_MAX - PREFIX - 2) / 4 * 3;
constexpr size_t ROH_PUFFER = ROH_ZEILE + 3;

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

inline constexpr char HEX[] = "0123456789ABCDEF";

inline void hex8(uint32_t wert, char* aus)
{
    for (int i = 7; i >= 0; i--, wert >>= 4)
        aus[i] = HEX[wert & 15];
}

/* Reads 8 upper-case hex digits; false for anything else. */
inline bool hex8_lesen(const char* text, uint32_t* wert)
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

inline bool ziffer(char c) { return c >= '0' && c <= '9'; }


/* zeile_verschluesseln over a payload the caller lets it encipher in
 * place, with SCHLUPF readable bytes behind it. */
size_t zeile_aus_puffer(int satzart, int nachrichtenart, uint8_t* puffer, size_t rohLaenge,
                        char* aus, size_t ausGroesse);

} // namespace edikern

#endif
