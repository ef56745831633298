/*
 * eancom_hilfen.cpp - codes, numbers, bounded texts and report lines of
 * the EANCOM converter (see eancom_intern.h).
 */
#include "eancom/eancom_intern.h"

#include <stdarg.h>
#include <string.h>

namespace eancom {

uint32_t Code(const Segment& s, int e, int k)
{
    Teil t = edi_teil(s, e, k);
    if (t.n > 3)
        return 0xFFFFFFFFu;
    uint32_t w = 0;
    for (uint32_t i = 0; i < t.n; i++) {
        uint8_t c = static_cast<uint8_t>(t.p[i]);
        if (c >= 'a' && c <= 'z')
            c = static_cast<uint8_t>(c - 'a' + 'A');
        w = w << 8 | c;
    }
    return w;
}

void Zahltext(int64_t wert, char (&aus)[22])
{
    char t[24];
    int n = 0;
    uint64_t b = wert < 0 ? 0 - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    do {
        t[n++] = static_cast<char>('0' + b % 10);
        b /= 10;
    } while (b != 0);
    int i = 0;
    if (wert < 0)
        aus[i++] = '-';
    while (n > 0)
        aus[i++] = t[--n];
    aus[i] = '\0';
}

void Anhaengen(char* ziel, size_t groesse, const char* text)
{
    if (!text[0])
        return;
    size_t n = strnlen(ziel, groesse - 1);
    if (n > 0 && n + 1 < groesse)
        ziel[n++] = ' ';
    size_t m = strnlen(text, groesse - 1 - n);
    memcpy(ziel + n, text, m);
    ziel[n + m] = '\0';
}

/* A field filled to its width carries no terminator, as the record library
 * allows; the rest of a shorter text's field is zeroed. */
void Setzen(char* feld, size_t breite, const char* text)
{
    size_t n = strnlen(text, breite);
    memcpy(feld, text, n);
    if (n < breite)
        memset(feld + n, 0, breite - n);
}

void Kopie(char* aus, size_t groesse, const char* text)
{
    size_t n = strnlen(text, groesse - 1);
    memcpy(aus, text, n);
    aus[n] = '\0';
}

void Text(Lauf& l, const Segment& s, int e, int k, char* aus, size_t groesse)
{
    int ungueltig = 0;
    edi_text_kopieren(s, e, k, l.t, l.zs, aus, groesse, &ungueltig);
    if (ungueltig)
        Uebergehen(l, s, l.zs == ZS_UTF8 ? "bytes that are no UTF-8 (written as \"?\")"
                                         : "bytes that are no character of the declared character set "
                                           "(written as \"?\")");
}

int IstGln(const char* t)
{
    if (strlen(t) != 13)
        return 0;
    for (int i = 0; i < 13; i++)
        if (t[i] < '0' || t[i] > '9')
            return 0;
    return 1;
}

/* The date of a DTM segment as YYYYMMDD (empty when it has none): format
 * 102 (CCYYMMDD), 203 and 204 (their date part), 101 (YYMMDD, 20YY). */
void Datum(Lauf& l, const Segment& s, char aus[9])
{
    char wert[36], f[4];
    Text(l, s, 1, 1, wert, sizeof wert);
    Text(l, s, 1, 2, f, sizeof f);
    aus[0] = '\0';
    size_t n = strlen(wert);
    for (size_t i = 0; i < n; i++)
        if (wert[i] < '0' || wert[i] > '9') {
            n = i;
            break;
        }
    if (strcmp(f, "101") == 0 && n == 6) {
        memcpy(aus, "20", 2);
        memcpy(aus + 2, wert, 6);
        aus[8] = '\0';
    } else if (n >= 8 && (f[0] == '\0' || strcmp(f, "102") == 0 || strcmp(f, "203") == 0 || strcmp(f, "204") == 0)) {
        memcpy(aus, wert, 8);
        aus[8] = '\0';
    } else if (wert[0]) {
        char was[96];
        snprintf(was, sizeof was, "DTM: a date in format \"%s\" that is no day (not carried)", f);
        Uebergehen(l, s, was);
    }
}

void Prozent(int64_t hundertstel, char* aus, size_t groesse)
{
    char ganz[22], t[26];
    Zahltext(hundertstel / 100, ganz);
    size_t n = strlen(ganz);
    memcpy(t, ganz, n);
    t[n] = '\0';
    int rest = static_cast<int>(hundertstel % 100);
    if (rest != 0) {
        t[n++] = '.';
        t[n++] = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0)
            t[n++] = static_cast<char>('0' + rest % 10);
        t[n] = '\0';
    }
    Kopie(aus, groesse, t);
}

void Melden(Lauf& l, int art, uint32_t segment, uint64_t offset, const char* text)
{
    if (art == EANCOM_WARNUNG)
        l.e->Warnungen++;
    if (l.e->Melden == nullptr)
        return;
    char zeile[EANCOM_ZEILE];
    if (segment > 0)
        snprintf(zeile, sizeof zeile, "%s: segment %lu (byte %llu)%s", l.name, (unsigned long)segment,
                 (unsigned long long)offset, text);
    else
        snprintf(zeile, sizeof zeile, "%s%s", l.name, text);
    l.e->Melden(l.e->Daten, art, zeile);
}

void MeldenF(Lauf& l, int art, const Segment& s, const char* format, ...)
{
    char text[EANCOM_ZEILE];
    va_list a;
    va_start(a, format);
    vsnprintf(text, sizeof text, format, a);
    va_end(a);
    Melden(l, art, s.nummer, s.offset, text);
}

void Uebergehen(Lauf& l, const Segment& s, const char* was)
{
    for (int i = 0; i < l.ueberAnzahl; i++)
        if (strcmp(l.ueber[i].was, was) == 0) {
            l.ueber[i].anzahl++;
            return;
        }
    if (l.ueberAnzahl == UEBERGANGEN_MAX) {
        /* more kinds than the table holds: this one is named on its own */
        MeldenF(l, EANCOM_WARNUNG, s, ": %s", was);
        return;
    }
    Uebergangen& u = l.ueber[l.ueberAnzahl++];
    Kopie(u.was, sizeof u.was, was);
    u.segment = s.nummer;
    u.offset = s.offset;
    u.anzahl = 1;
}

void UebergangenMelden(Lauf& l)
{
    for (int i = 0; i < l.ueberAnzahl; i++) {
        const Uebergangen& u = l.ueber[i];
        char text[EANCOM_ZEILE];
        if (u.anzahl > 1)
            snprintf(text, sizeof text, ": %s (%lu times in the file; this is the first)", u.was,
                     (unsigned long)u.anzahl);
        else
            snprintf(text, sizeof text, ": %s", u.was);
        Melden(l, EANCOM_WARNUNG, u.segment, u.offset, text);
    }
    l.ueberAnzahl = 0;
}

void Ablehnen(Lauf& l, const Segment& s, const char* was)
{
    if (!l.nachrichtAktiv || l.abgelehnt)
        return;
    l.abgelehnt = true;
    Verwerfen(l, l.haupt);
    Verwerfen(l, l.adresse);
    MeldenF(l, EANCOM_ABGELEHNT, s, " (message %s %s refused): %s", l.typ[0] ? l.typ : "?", l.unhRef, was);
}

void AblehnenF(Lauf& l, const Segment& s, const char* format, ...)
{
    char text[EANCOM_ZEILE];
    va_list a;
    va_start(a, format);
    vsnprintf(text, sizeof text, format, a);
    va_end(a);
    Ablehnen(l, s, text);
}

void ZeileVerwerfen(Lauf& l, const Segment& s, const char* format, ...)
{
    if (!l.inPosten || l.p.verworfen)
        return;
    l.p.verworfen = true;
    char text[EANCOM_ZEILE];
    va_list a;
    va_start(a, format);
    vsnprintf(text, sizeof text, format, a);
    va_end(a);
    MeldenF(l, EANCOM_WARNUNG, s, " (message %s %s, LIN %s dropped): %s", l.typ, l.unhRef,
            l.p.zeile[0] ? l.p.zeile : "?", text);
}

bool SegmentInOrdnung(Lauf& l, const Segment& s)
{
    if (s.problem[0] == '\0')
        return true;
    if (l.inPosten && s.tag != T_LIN && s.tag != T_UNT)
        ZeileVerwerfen(l, s, "%s", s.problem);
    else
        Ablehnen(l, s, s.problem);
    return false;
}

} // namespace eancom
