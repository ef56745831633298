/*
 * edifact.cpp - the streaming EDIFACT reader (see edifact.h).
 */
#include "edifact.h"

#include <string.h>

#include <memory>
#include <vector>

namespace eancom {

namespace {

constexpr size_t BLOCK = 1 << 20;   /* bytes read at a time */

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

bool IstTagZeichen(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

struct Leser {
    FILE* datei = nullptr;
    std::vector<char> eigen;         /* the buffer of a file reader */
    const char* puffer = nullptr;    /* bytes [0, ende) held; [pos, ende) not yet consumed */
    size_t ende = 0;
    size_t pos = 0;
    uint64_t basis = 0;              /* file offset of puffer[0] */
    uint64_t groesse = 0;
    bool eof = false;
    bool anfang = true;              /* BOM and UNA not yet looked at */
    bool kaputt = false;
    uint32_t segmente = 0;
    Trenner t;
};

namespace {

/* Moves the unconsumed bytes to the front and reads more. false at the end
 * of the input or on a read error (then `fehler` is set). */
bool Nachladen(Leser* l, bool* fehler)
{
    *fehler = false;
    if (l->eof || l->datei == nullptr)
        return false;
    size_t rest = l->ende - l->pos;
    if (l->eigen.size() < rest + BLOCK)
        l->eigen.resize(rest + BLOCK);
    memmove(l->eigen.data(), l->eigen.data() + l->pos, rest);
    l->basis += l->pos;
    l->pos = 0;
    size_t n = fread(l->eigen.data() + rest, 1, BLOCK, l->datei);
    if (n == 0) {
        l->eof = true;
        *fehler = ferror(l->datei) != 0;
    }
    l->puffer = l->eigen.data();
    l->ende = rest + n;
    return n > 0;
}

int Kaputt(Leser* l, Fehler& f, uint64_t offset, const std::string& text)
{
    l->kaputt = true;
    f.segment = l->segmente + 1;
    f.offset = offset;
    f.text = text;
    return -1;
}

/* Makes at least `n` unconsumed bytes available when the input has them. */
bool Verfuegbar(Leser* l, size_t n, bool* fehler)
{
    *fehler = false;
    while (l->ende - l->pos < n)
        if (!Nachladen(l, fehler))
            return false;
    return true;
}

/* Skips blanks, tabs and line ends. false at the end of the input. */
bool Zwischenraum(Leser* l, bool* fehler)
{
    for (;;) {
        while (l->pos < l->ende) {
            char c = l->puffer[l->pos];
            if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
                return true;
            l->pos++;
        }
        if (!Nachladen(l, fehler))
            return false;
    }
}

void Problem(Segment& s, const char* text)
{
    if (s.problem[0] == '\0')
        snprintf(s.problem, sizeof s.problem, "%s", text);
}

/* Splits the segment bytes [a, a + n) into elements and components. */
void Zerlegen(const Trenner& t, const char* a, size_t n, Segment& s)
{
    s.elemente = 1;
    s.erster[0] = 0;
    s.anzahl[0] = 1;
    s.freigabe = false;
    s.problem[0] = '\0';
    int teil = 0;
    const char* start = a;
    uint32_t freigaben = 0;
    const char* ende = a + n;
    bool abgebrochen = false;
    auto schliessen = [&](const char* bis) {
        if (teil < SEG_MAX_TEILE) {
            s.teile[teil].p = start;
            s.teile[teil].n = static_cast<uint32_t>(bis - start);
            if (s.teile[teil].n - freigaben > EL_MAX_LAENGE) {
                char text[96];
                snprintf(text, sizeof text, "element %d has a component longer than %d characters",
                         s.elemente - 1, (int)EL_MAX_LAENGE);
                Problem(s, text);
                s.teile[teil].n = EL_MAX_LAENGE;
            }
        }
        freigaben = 0;
    };
    for (const char* p = a; p < ende; p++) {
        char c = *p;
        if (c == t.freigabe && t.freigabe != 0) {
            s.freigabe = true;
            freigaben++;
            p++;
            continue;
        }
        if (c != t.element && c != t.komponente)
            continue;
        schliessen(p);
        start = p + 1;
        if (teil + 1 >= SEG_MAX_TEILE || (c == t.element && s.elemente >= SEG_MAX_ELEMENTE)) {
            Problem(s, "too many data elements or components");
            abgebrochen = true;
            break;
        }
        teil++;
        if (c == t.element) {
            s.erster[s.elemente] = static_cast<uint16_t>(teil);
            s.anzahl[s.elemente] = 1;
            s.elemente++;
        } else {
            s.anzahl[s.elemente - 1]++;
        }
    }
    if (!abgebrochen)
        schliessen(ende);
    Teil tag = s.teile[0];
    s.tag = 0;
    if (s.anzahl[0] == 1 && tag.n == 3 && IstTagZeichen(tag.p[0]) && IstTagZeichen(tag.p[1]) &&
        IstTagZeichen(tag.p[2]))
        s.tag = (uint32_t)(uint8_t)tag.p[0] << 16 | (uint32_t)(uint8_t)tag.p[1] << 8 | (uint8_t)tag.p[2];
    else
        Problem(s, "the segment tag is not three capital letters or digits");
}

/* Reads the service string advice at the current position. */
int Una(Leser* l, Segment& s, Fehler& f)
{
    bool fehler = false;
    uint64_t offset = l->basis + l->pos;
    if (!Verfuegbar(l, 9, &fehler))
        return Kaputt(l, f, offset, "UNA is cut short: expected 6 service characters after UNA");
    const char* p = l->puffer + l->pos + 3;
    Trenner t;
    t.komponente = p[0];
    t.element = p[1];
    t.dezimal = p[2];
    t.freigabe = p[3] == ' ' ? 0 : p[3];
    t.segment = p[5];
    char alle[4] = { t.komponente, t.element, t.segment, t.freigabe };
    for (int i = 0; i < 4; i++)
        for (int j = i + 1; j < 4; j++)
            if (alle[i] == alle[j] && alle[i] != 0)
                return Kaputt(l, f, offset, "UNA: expected different characters for component, element, "
                                            "release and segment separators");
    if (t.dezimal != '.' && t.dezimal != ',')
        return Kaputt(l, f, offset, "UNA: expected a point or a comma as the decimal mark");
    l->t = t;
    l->segmente++;
    s.offset = offset;
    s.nummer = l->segmente;
    s.tag = EDI_TAG("UNA");
    s.elemente = 1;
    s.erster[0] = 0;
    s.anzahl[0] = 1;
    s.teile[0] = Teil{ l->puffer + l->pos, 3 };
    s.freigabe = false;
    s.problem[0] = '\0';
    l->pos += 9;
    return 1;
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
    return t.n == n && memcmp(t.p, text, n) == 0;
}

size_t edi_text_kopieren(const Segment& s, int e, int k, const Trenner& t, Zeichensatz zs, char* aus,
                         size_t groesse)
{
    Teil teil = edi_teil(s, e, k);
    const uint8_t* p = reinterpret_cast<const uint8_t*>(teil.p);
    const uint8_t* ende = p + teil.n;
    size_t n = 0;          /* characters of the converted text */
    size_t bis = 0;        /* characters kept: the text without trailing blanks */
    if (aus == nullptr)
        groesse = 0;
    auto ablegen = [&](uint8_t c) {
        if (c < 0x20 || c == 0x7F)
            c = ' ';
        if (n == 0 && c == ' ')
            return;        /* leading blank */
        if (n + 1 < groesse)
            aus[n] = static_cast<char>(c);
        n++;
        if (c != ' ')
            bis = n;
    };
    while (p < ende) {
        if (t.freigabe != 0 && *p == static_cast<uint8_t>(t.freigabe) && p + 1 < ende)
            p++;
        if (zs == ZS_UTF8 && *p >= 0x80) {
            uint32_t zeichen;
            p += Utf8Zeichen(p, static_cast<size_t>(ende - p), &zeichen);
            ablegen(AlsCp1252(zeichen));
        } else {
            ablegen(*p++);
        }
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
    while (p < ende && *p == ' ')
        p++;
    while (ende > p && ende[-1] == ' ')
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

Leser* edi_leser_datei(const char* pfad)
{
    if (pfad == nullptr)
        return nullptr;
    FILE* d = fopen(pfad, "rb");
    if (d == nullptr)
        return nullptr;
    Leser* l = new Leser;
    l->datei = d;
    if (fseek(d, 0, SEEK_END) == 0) {
        long g = ftell(d);
        l->groesse = g > 0 ? static_cast<uint64_t>(g) : 0;
        fseek(d, 0, SEEK_SET);
    }
    l->eigen.resize(BLOCK);
    l->puffer = l->eigen.data();
    return l;
}

Leser* edi_leser_speicher(const char* daten, size_t groesse)
{
    Leser* l = new Leser;
    l->puffer = daten ? daten : "";
    l->ende = daten ? groesse : 0;
    l->groesse = l->ende;
    l->eof = true;
    return l;
}

void edi_leser_schliessen(Leser* l)
{
    if (l == nullptr)
        return;
    if (l->datei)
        fclose(l->datei);
    delete l;
}

const Trenner& edi_trenner(const Leser* l)
{
    return l->t;
}

uint64_t edi_groesse(const Leser* l)
{
    return l->groesse;
}

uint64_t edi_position(const Leser* l)
{
    return l->basis + l->pos;
}

int edi_naechstes(Leser* l, Segment& s, Fehler& f)
{
    if (l == nullptr || l->kaputt)
        return -1;
    bool fehler = false;
    if (l->anfang) {
        l->anfang = false;
        if (Verfuegbar(l, 3, &fehler) && memcmp(l->puffer + l->pos, "\xEF\xBB\xBF", 3) == 0)
            l->pos += 3;
        if (Zwischenraum(l, &fehler) && Verfuegbar(l, 3, &fehler) &&
            memcmp(l->puffer + l->pos, "UNA", 3) == 0)
            return Una(l, s, f);
    }
    if (!Zwischenraum(l, &fehler)) {
        if (fehler)
            return Kaputt(l, f, l->basis + l->pos, "read error");
        return 0;
    }
    /* The segment ends at the first terminator not released. */
    size_t suche = l->pos;
    for (;;) {
        const char* q = static_cast<const char*>(
            memchr(l->puffer + suche, static_cast<unsigned char>(l->t.segment), l->ende - suche));
        if (q != nullptr) {
            size_t stelle = static_cast<size_t>(q - l->puffer);
            size_t freigaben = 0;
            while (l->t.freigabe != 0 && stelle - freigaben > l->pos &&
                   l->puffer[stelle - freigaben - 1] == l->t.freigabe)
                freigaben++;
            if (freigaben % 2 == 1) {
                suche = stelle + 1;
                continue;
            }
            if (stelle - l->pos > SEG_MAX_LAENGE)
                return Kaputt(l, f, l->basis + l->pos, "segment longer than 65536 bytes: expected a segment "
                                                       "terminator");
            l->segmente++;
            s.offset = l->basis + l->pos;
            s.nummer = l->segmente;
            Zerlegen(l->t, l->puffer + l->pos, stelle - l->pos, s);
            l->pos = stelle + 1;
            return 1;
        }
        size_t gesucht = suche - l->pos;
        if (l->ende - l->pos > SEG_MAX_LAENGE)
            return Kaputt(l, f, l->basis + l->pos, "segment longer than 65536 bytes: expected a segment "
                                                   "terminator");
        if (!Nachladen(l, &fehler)) {
            if (fehler)
                return Kaputt(l, f, l->basis + l->pos, "read error");
            return Kaputt(l, f, l->basis + l->pos, std::string("the file ends inside a segment: expected the "
                                                               "segment terminator ") + l->t.segment);
        }
        suche = l->pos + gesucht;
    }
}

} // namespace eancom
