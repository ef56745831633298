/*
 * edifact_text.cpp - what leaves the EDIFACT reader: components compared,
 * copied as code page 1252 texts, read as decimal numbers (see edifact.h).
 */
#include "edifact.h"

#include <string.h>

namespace eancom {

namespace {

/* Unicode code points U+0080..U+FFFF that code page 1252 has in 0x80..0x9F. */
struct Cp1252 {
    uint16_t zeichen;
    uint8_t byte;
};
constexpr Cp1252 CP1252_SONDER[] = {
    { 0x20AC, 0x80 }, { 0x201A, 0x82 }, { 0x0192, 0x83 }, { 0x201E, 0x84 }, { 0x2026, 0x85 },
    { 0x2020, 0x86 }, { 0x2021, 0x87 }, { 0x02C6, 0x88 }, { 0x2030, 0x89 }, { 0x0160, 0x8A },
    { 0x2039, 0x8B }, { 0x0152, 0x8C }, { 0x017D, 0x8E }, { 0x2018, 0x91 }, { 0x2019, 0x92 },
    { 0x201C, 0x93 }, { 0x201D, 0x94 }, { 0x2022, 0x95 }, { 0x2013, 0x96 }, { 0x2014, 0x97 },
    { 0x02DC, 0x98 }, { 0x2122, 0x99 }, { 0x0161, 0x9A }, { 0x203A, 0x9B }, { 0x0153, 0x9C },
    { 0x017E, 0x9E }, { 0x0178, 0x9F },
};

uint8_t AlsCp1252(uint32_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<uint8_t>(zeichen);
    for (const Cp1252& c : CP1252_SONDER)
        if (c.zeichen == zeichen)
            return c.byte;
    return '?';
}

/* Decodes one UTF-8 character from the `n` bytes at `p`; returns its
 * length (1 for a broken sequence, whose code point is then 0xFFFD). */
size_t Utf8Zeichen(const uint8_t* p, size_t n, uint32_t* zeichen)
{
    uint8_t b = p[0];
    size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    *zeichen = 0xFFFD;
    if (b < 0x80) {
        *zeichen = b;
        return 1;
    }
    if (laenge == 1 || b >= 0xF8 || laenge > n)
        return 1;
    uint32_t z = b & (0x3F >> (laenge - 1));
    for (size_t i = 1; i < laenge; i++) {
        if ((p[i] & 0xC0) != 0x80)
            return 1;
        z = (z << 6) | (p[i] & 0x3F);
    }
    static const uint32_t KLEINSTES[5] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (z < KLEINSTES[laenge] || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF))
        return 1;
    *zeichen = z;
    return laenge;
}

/* 1 when every byte above 0x7F of the `n` bytes at `p` belongs to a
 * well-formed UTF-8 sequence and there is at least one such byte. */
bool GanzUtf8(const uint8_t* p, size_t n)
{
    bool hoch = false;
    for (size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            i++;
            continue;
        }
        uint32_t zeichen;
        size_t laenge = Utf8Zeichen(p + i, n - i, &zeichen);
        if (laenge < 2)
            return false;
        hoch = true;
        i += laenge;
    }
    return hoch;
}

} // namespace

Teil edi_teil(const Segment& s, int e, int k)
{
    if (e < 0 || e >= s.elemente || k < 0 || k >= s.anzahl[e] || s.erster[e] + k >= SEG_MAX_TEILE)
        return Teil{ "", 0 };
    return s.teile[s.erster[e] + k];
}

int edi_gleich(const Segment& s, int e, int k, const char* text)
{
    Teil t = edi_teil(s, e, k);
    size_t n = strlen(text);
    if (t.n != n)
        return 0;
    for (size_t i = 0; i < n; i++) {
        char c = t.p[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != text[i])
            return 0;
    }
    return 1;
}

size_t edi_text_kopieren(const Segment& s, int e, int k, const Trenner& t, Zeichensatz zs, char* aus,
                         size_t groesse, int* ungueltig)
{
    Teil teil = edi_teil(s, e, k);
    const uint8_t* p = reinterpret_cast<const uint8_t*>(teil.p);
    const uint8_t* ende = p + teil.n;
    if (aus == nullptr)
        groesse = 0;
    while (p < ende && (*p == ' ' || *p < 0x20))
        p++;
    size_t laenge = static_cast<size_t>(ende - p);
    bool hoch = false;
    for (size_t i = 0; i < laenge && !hoch; i++)
        hoch = p[i] >= 0x80;
    if (!s.freigabe && !hoch && groesse > 0) {
        /* the common case: the bytes as they are, cut and trimmed */
        while (laenge > 0 && (p[laenge - 1] == ' ' || p[laenge - 1] < 0x20 || p[laenge - 1] == 0x7F))
            laenge--;
        size_t kopie = laenge < groesse ? laenge : groesse - 1;
        for (size_t i = 0; i < kopie; i++)
            aus[i] = static_cast<char>(p[i] < 0x20 || p[i] == 0x7F ? ' ' : p[i]);
        aus[kopie] = '\0';
        return laenge;
    }
    bool utf8 = zs == ZS_UTF8 || (hoch && GanzUtf8(p, laenge));
    size_t n = 0;          /* characters of the converted text */
    size_t bis = 0;        /* characters kept: the text without trailing blanks */
    const uint8_t freigabe = static_cast<uint8_t>(t.freigabe);
    while (p < ende) {
        uint8_t c = *p;
        if (c == freigabe && freigabe != 0 && p + 1 < ende)
            c = *++p;
        if (utf8 && c >= 0x80) {
            uint32_t zeichen;
            p += Utf8Zeichen(p, static_cast<size_t>(ende - p), &zeichen);
            c = AlsCp1252(zeichen);
            if ((c == '?' || zeichen == 0xFFFD) && ungueltig != nullptr)
                *ungueltig = 1;
            if (zeichen == 0xFFFD)
                c = '?';
        } else {
            p++;
            if (c >= 0x80 && c < 0xA0) {
                c = '?';
                if (ungueltig != nullptr)
                    *ungueltig = 1;
            }
        }
        if (c < 0x20 || c == 0x7F)
            c = ' ';
        if (n + 1 < groesse)
            aus[n] = static_cast<char>(c);
        n++;
        if (c != ' ')
            bis = n;
    }
    if (groesse > 0)
        aus[bis < groesse ? bis : groesse - 1] = '\0';
    return bis;
}

int edi_zahl(const Segment& s, int e, int k, int stellen, int64_t* wert)
{
    Teil teil = edi_teil(s, e, k);
    const char* p = teil.p;
    const char* ende = p + teil.n;
    while (p < ende && static_cast<uint8_t>(*p) <= ' ')
        p++;
    while (ende > p && static_cast<uint8_t>(ende[-1]) <= ' ')
        ende--;
    if (p == ende)
        return 0;
    bool negativ = false;
    if (*p == '-' || *p == '+')
        negativ = *p++ == '-';
    int64_t ganz = 0;
    int ziffern = 0, nachkomma = -1;
    int runden = 0;
    for (; p < ende; p++) {
        if (*p == '.' || *p == ',') {
            if (nachkomma >= 0)
                return -1;
            nachkomma = 0;
            continue;
        }
        if (*p < '0' || *p > '9')
            return -1;
        if (nachkomma >= 0 && nachkomma >= stellen) {
            if (nachkomma == stellen)
                runden = *p >= '5';
            nachkomma++;
            continue;
        }
        ganz = ganz * 10 + (*p - '0');
        if (++ziffern > 15)
            return -1;
        if (nachkomma >= 0)
            nachkomma++;
    }
    if (ziffern == 0)
        return -1;
    for (int i = nachkomma < 0 ? 0 : (nachkomma > stellen ? stellen : nachkomma); i < stellen; i++) {
        ganz *= 10;
        if (ganz >= 1000000000000000LL)
            return -1;
    }
    ganz += runden;
    if (ganz >= 1000000000000000LL)
        return -1;
    *wert = negativ ? -ganz : ganz;
    return 1;
}
} // namespace eancom
