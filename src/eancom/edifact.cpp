/*
 * edifact.cpp - the streaming EDIFACT reader (see edifact.h).
 */
#include "edifact.h"

#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <stdio.h>
#include <stdlib.h>

namespace eancom {

namespace {

constexpr size_t BLOCK = 1 << 20;   /* bytes read at a time */

bool IstTagZeichen(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

/* Tags are compared in capitals: senders write them in either case. */
uint8_t Gross(char c)
{
    return static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

} // namespace

struct Leser {
    FILE* datei = nullptr;
    char* eigen = nullptr;           /* the buffer of a file reader */
    size_t eigenGroesse = 0;
    const char* puffer = nullptr;    /* bytes [0, ende) held; [pos, ende) not yet consumed */
    size_t ende = 0;
    size_t pos = 0;
    uint64_t basis = 0;              /* file offset of puffer[0] */
    uint64_t groesse = 0;
    bool eof = false;
    bool anfang = true;              /* BOM and UNA not yet looked at */
    bool kaputt = false;
    uint64_t vorspann = 0;           /* bytes passed over before the first interchange */
    uint32_t segmente = 0;
    Trenner t;
    uint8_t klasse[256];
#if defined(__SSE2__)
    __m128i su_e, su_k, su_sg, su_f;   /* each special byte in all 16 lanes */
#endif
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
    /* a small file needs no block of full size */
    size_t block = l->groesse > 0 && l->groesse < BLOCK ? static_cast<size_t>(l->groesse) + 1 : BLOCK;
    if (l->eigenGroesse < rest + block) {
        char* neu = static_cast<char*>(realloc(l->eigen, rest + block));
        if (neu == nullptr) {
            *fehler = true;
            return false;
        }
        l->eigen = neu;
        l->eigenGroesse = rest + block;
    }
    memmove(l->eigen, l->eigen + l->pos, rest);
    l->basis += l->pos;
    l->pos = 0;
    size_t n = fread(l->eigen + rest, 1, l->eigenGroesse - rest, l->datei);
    if (n == 0) {
        l->eof = true;
        *fehler = ferror(l->datei) != 0;
    }
    l->puffer = l->eigen;
    l->ende = rest + n;
    return n > 0;
}

int Kaputt(Leser* l, Fehler& f, uint64_t offset, const char* text)
{
    l->kaputt = true;
    f.segment = l->segmente + 1;
    f.offset = offset;
    snprintf(f.text, sizeof f.text, "%s", text);
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


/* Character classes of the splitter. */
enum { K_DATEN = 0, K_ELEMENT = 1, K_KOMPONENTE = 2, K_FREIGABE = 3, K_SEGMENT = 4 };

void KlassenSetzen(Leser* l)
{
    memset(l->klasse, K_DATEN, sizeof l->klasse);
    l->klasse[static_cast<uint8_t>(l->t.element)] = K_ELEMENT;
    l->klasse[static_cast<uint8_t>(l->t.komponente)] = K_KOMPONENTE;
    if (l->t.freigabe != 0)
        l->klasse[static_cast<uint8_t>(l->t.freigabe)] = K_FREIGABE;
    l->klasse[static_cast<uint8_t>(l->t.segment)] = K_SEGMENT;
#if defined(__SSE2__)
    l->su_e = _mm_set1_epi8(l->t.element);
    l->su_k = _mm_set1_epi8(l->t.komponente);
    l->su_sg = _mm_set1_epi8(l->t.segment);
    l->su_f = _mm_set1_epi8(l->t.freigabe);
#endif
}

/* The packed tag of a segment's first bytes, 0 when they are no tag of
 * three capital letters or digits followed by the end or a separator. */
uint32_t TagVon(const Leser* l, const char* a, size_t n)
{
    if (n < 3 || !IstTagZeichen(a[0]) || !IstTagZeichen(a[1]) || !IstTagZeichen(a[2]))
        return 0;
    if (n > 3 && l->klasse[static_cast<uint8_t>(a[3])] != K_ELEMENT)
        return 0;
    return (uint32_t)Gross(a[0]) << 16 | (uint32_t)Gross(a[1]) << 8 | Gross(a[2]);
}

/* The separators, the release character and the segment terminator of
 * up to 32 bytes, one bit per byte (bit i = byte i), each set in its own
 * mask. Sixteen bytes at a time where the processor has SSE2. */
struct Masken {
    uint32_t element, komponente, freigabe, segment;
};

#if defined(__SSE2__)
inline uint32_t Bits16(__m128i b, __m128i c)
{
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(b, c)));
}
#endif

void MaskenVon(const Leser* l, const char* p, size_t n, Masken& m)
{
#if defined(__SSE2__)
    if (n == 32) {
        __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        m.element = Bits16(b0, l->su_e) | Bits16(b1, l->su_e) << 16;
        m.komponente = Bits16(b0, l->su_k) | Bits16(b1, l->su_k) << 16;
        m.segment = Bits16(b0, l->su_sg) | Bits16(b1, l->su_sg) << 16;
        m.freigabe = l->t.freigabe ? Bits16(b0, l->su_f) | Bits16(b1, l->su_f) << 16 : 0;
        return;
    }
#endif
    m = Masken{ 0, 0, 0, 0 };
    for (size_t i = 0; i < n; i++) {
        switch (l->klasse[static_cast<uint8_t>(p[i])]) {
        case K_ELEMENT: m.element |= 1u << i; break;
        case K_KOMPONENTE: m.komponente |= 1u << i; break;
        case K_FREIGABE: m.freigabe |= 1u << i; break;
        case K_SEGMENT: m.segment |= 1u << i; break;
        default: break;
        }
    }
}

/* The length of the component [a, q) whose raw length passes
 * EL_MAX_LAENGE: cut to EL_MAX_LAENGE and the problem noted when it is
 * still too long without its release characters. */
uint32_t Ueberlang(const Leser* l, Segment& s, const char* a, const char* q)
{
    uint32_t freigaben = 0;
    if (l->t.freigabe != 0)
        for (const char* p = a; p < q; p++)
            if (*p == l->t.freigabe) {
                freigaben++;
                p++;
            }
    uint32_t laenge = static_cast<uint32_t>(q - a);
    if (laenge - freigaben <= EL_MAX_LAENGE)
        return laenge;
    if (s.problem[0] == '\0')
        snprintf(s.problem, sizeof s.problem, "element %d has a component longer than %d characters",
                 s.elemente - 1, (int)EL_MAX_LAENGE);
    return EL_MAX_LAENGE;
}

/*
 * Splits the segment that starts at `a` into `s` in one pass up to its
 * terminator, 32 bytes at a time. Returns the terminator's position, or
 * null when the bytes before `ende` end before it (the caller reads more
 * and starts again).
 */
const char* Zerlegen(const Leser* l, const char* a, const char* ende, Segment& s)
{
    s.elemente = 1;
    s.erster[0] = 0;
    s.anzahl[0] = 1;
    s.freigabe = false;
    s.problem[0] = '\0';
    int teil = 0;
    const char* start = a;
    bool voll = false;
    uint32_t uebertrag = 0;   /* 1 when the last byte of the block before was a release character */
    for (const char* basis = a; basis < ende; basis += 32) {
        size_t n = ende - basis < 32 ? static_cast<size_t>(ende - basis) : 32;
        Masken m;
        MaskenVon(l, basis, n, m);
        uint32_t gesperrt = uebertrag;   /* released bytes */
        uint32_t aktiv = 0;              /* release characters in force */
        uebertrag = 0;
        if (m.freigabe != 0) {
            /* each release character not itself released frees the byte after it */
            uint32_t r = m.freigabe & ~gesperrt;
            while (r != 0) {
                unsigned i = static_cast<unsigned>(__builtin_ctz(r));
                r &= r - 1;
                aktiv |= 1u << i;
                if (i + 1 < 32) {
                    gesperrt |= 1u << (i + 1);
                    r &= ~(1u << (i + 1));
                } else {
                    uebertrag = 1;
                }
            }
        }
        uint32_t trenner = (m.element | m.komponente) & ~gesperrt;
        uint32_t segment = m.segment & ~gesperrt;
        unsigned schluss = 32;   /* position of the terminator in this block */
        if (segment != 0) {
            schluss = static_cast<unsigned>(__builtin_ctz(segment));
            uint32_t davor = (1u << schluss) - 1;
            trenner &= davor;
            aktiv &= davor;
        }
        if (aktiv != 0)
            s.freigabe = true;
        while (trenner != 0) {
            unsigned i = static_cast<unsigned>(__builtin_ctz(trenner));
            trenner &= trenner - 1;
            const char* q = basis + i;
            if (__builtin_expect(voll, 0))
                continue;
            /* close the component [start, q) */
            uint32_t laenge = static_cast<uint32_t>(q - start);
            if (__builtin_expect(laenge > EL_MAX_LAENGE, 0))
                laenge = Ueberlang(l, s, start, q);
            s.teile[teil] = Teil{ start, laenge };
            start = q + 1;
            bool element = (m.element >> i) & 1u;
            if (__builtin_expect(teil + 1 >= SEG_MAX_TEILE || (element && s.elemente >= SEG_MAX_ELEMENTE), 0)) {
                voll = true;
                if (s.problem[0] == '\0')
                    snprintf(s.problem, sizeof s.problem, "more than %d data elements or %d components",
                             (int)SEG_MAX_ELEMENTE - 1, (int)SEG_MAX_TEILE);
                continue;
            }
            teil++;
            if (element) {
                s.erster[s.elemente] = static_cast<uint16_t>(teil);
                s.anzahl[s.elemente] = 1;
                s.elemente++;
            } else {
                s.anzahl[s.elemente - 1]++;
            }
        }
        if (segment == 0)
            continue;
        /* the terminator closes the last component */
        const char* q = basis + schluss;
        if (!voll) {
            uint32_t laenge = static_cast<uint32_t>(q - start);
            if (laenge > EL_MAX_LAENGE)
                laenge = Ueberlang(l, s, start, q);
            s.teile[teil] = Teil{ start, laenge };
        }
        s.tag = s.anzahl[0] == 1 ? TagVon(l, a, static_cast<size_t>(q - a)) : 0;
        if (s.tag == 0 && s.problem[0] == '\0')
            snprintf(s.problem, sizeof s.problem, "the segment tag is not three letters or digits");
        return q;
    }
    return nullptr;
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
    KlassenSetzen(l);
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

/* 1 when the bytes at `p` (`n` of them) start a segment that can open an
 * interchange or a bare message. */
bool Anfangssegment(const char* p, size_t n)
{
    return n >= 3 && (memcmp(p, "UNA", 3) == 0 || memcmp(p, "UNB", 3) == 0 || memcmp(p, "UNH", 3) == 0);
}

/* Lines before the first interchange that are not part of it (a mail or
 * transfer header, blank lines) are passed over, within the first 64 KB;
 * their bytes are counted in `vorspann`. */
void Vorspann(Leser* l)
{
    bool fehler = false;
    size_t start = l->pos;
    Verfuegbar(l, 1 << 16, &fehler);
    size_t ende = l->ende - l->pos < (1u << 16) ? l->ende : l->pos + (1u << 16);
    size_t i = l->pos;
    while (i < ende) {
        while (i < ende && (l->puffer[i] == ' ' || l->puffer[i] == '\t' || l->puffer[i] == '\r' ||
                            l->puffer[i] == '\n'))
            i++;
        if (i >= ende || Anfangssegment(l->puffer + i, ende - i))
            break;
        const char* nl = static_cast<const char*>(memchr(l->puffer + i, '\n', ende - i));
        if (nl == nullptr) {
            i = start;   /* no line of its own: the reader reports what it finds */
            break;
        }
        i = static_cast<size_t>(nl - l->puffer) + 1;
    }
    if (i >= ende || !Anfangssegment(l->puffer + i, ende - i))
        return;
    l->vorspann = i - start;
    l->pos = i;
}

} // namespace

uint64_t edi_vorspann(const Leser* l)
{
    return l->vorspann;
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
    l->puffer = "";
    KlassenSetzen(l);
    return l;
}

Leser* edi_leser_speicher(const char* daten, size_t groesse)
{
    Leser* l = new Leser;
    l->puffer = daten ? daten : "";
    l->ende = daten ? groesse : 0;
    l->groesse = l->ende;
    l->eof = true;
    KlassenSetzen(l);
    return l;
}

void edi_leser_schliessen(Leser* l)
{
    if (l == nullptr)
        return;
    if (l->datei)
        fclose(l->datei);
    free(l->eigen);
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
        Vorspann(l);
    }
    if (!Zwischenraum(l, &fehler)) {
        if (fehler)
            return Kaputt(l, f, l->basis + l->pos, "read error");
        return 0;
    }
    /* a service string advice in front of each interchange of the file */
    if (Verfuegbar(l, 3, &fehler) && memcmp(l->puffer + l->pos, "UNA", 3) == 0)
        return Una(l, s, f);
    /* One pass splits the segment and finds its terminator. */
    for (;;) {
        const char* a = l->puffer + l->pos;
        const char* grenze = l->puffer + l->ende;
        if (grenze - a > SEG_MAX_LAENGE + 1)
            grenze = a + SEG_MAX_LAENGE + 1;
        const char* q = Zerlegen(l, a, grenze, s);
        if (q != nullptr) {
            /* a line feed as terminator: the CR of a CR LF line end is no data */
            if (l->t.segment == '\n' && q > a && q[-1] == '\r' && s.elemente > 0) {
                int e = s.elemente - 1;
                Teil& letzter = s.teile[s.erster[e] + (s.anzahl[e] > 0 ? s.anzahl[e] - 1 : 0)];
                if (letzter.n > 0 && letzter.p + letzter.n == q)
                    letzter.n--;
            }
            l->segmente++;
            s.offset = l->basis + l->pos;
            s.nummer = l->segmente;
            l->pos = static_cast<size_t>(q - l->puffer) + 1;
            return 1;
        }
        if (l->ende - l->pos > SEG_MAX_LAENGE)
            return Kaputt(l, f, l->basis + l->pos, "segment longer than 65536 bytes: expected a segment "
                                                   "terminator");
        if (!Nachladen(l, &fehler)) {
            if (fehler)
                return Kaputt(l, f, l->basis + l->pos, "read error");
            char text[80];
            snprintf(text, sizeof text, "the file ends inside a segment: expected the segment terminator %c",
                     l->t.segment);
            return Kaputt(l, f, l->basis + l->pos, text);
        }
    }
}

} // namespace eancom
