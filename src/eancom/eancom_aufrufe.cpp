/*
 * eancom_aufrufe.cpp - the public calls of the EANCOM converter (see
 * eancom.h): one pass of the reader over a file or a block of memory.
 */
#include "eancom/eancom_intern.h"

#include <stdlib.h>
#include <string.h>

using namespace eancom;

namespace {

/* The file name of `pfad` without folder and extension. */
void StammVon(const char* pfad, char* aus, size_t groesse)
{
    const char* name = pfad;
    for (const char* c = pfad; *c; c++)
        if (*c == '/' || *c == '\\')
            name = c + 1;
    Kopie(aus, groesse, name);
    char* punkt = strrchr(aus, '.');
    if (punkt != nullptr && punkt > aus)
        *punkt = '\0';
    if (!aus[0])
        Kopie(aus, groesse, "EANCOM");
}

int Umsetzen(Leser* leser, const char* name, bool istDatei, const char* ziel, EANCOM_ERGEBNIS* e)
{
    Lauf* l = static_cast<Lauf*>(calloc(1, sizeof(Lauf)));
    Segment* s = static_cast<Segment*>(calloc(1, sizeof(Segment)));
    char* puffer = static_cast<char*>(malloc(2 * (size_t)PUFFER_GROESSE));
    if (l == nullptr || s == nullptr || puffer == nullptr) {
        free(l);
        free(s);
        free(puffer);
        return 2;
    }
    l->e = e;
    l->puffer[0] = puffer;
    l->puffer[1] = puffer + PUFFER_GROESSE;
    Kopie(l->name, sizeof l->name, name);
    StammVon(name, l->stamm, sizeof l->stamm);
    Kopie(l->ziel, sizeof l->ziel, ziel ? ziel : "");
    l->quelleBekannt = istDatei ? DateiKennung(name, &l->quelle) : 0;
    if (l->quelleBekannt && e->Lauf != nullptr)
        EancomLaufDatei(e->Lauf, name);
    Fehler f;
    int r;
    bool erstes = true;
    uint64_t naechsteMeldung = 8u << 20;
    while ((r = edi_naechstes(leser, *s, f)) == 1) {
        if (erstes) {
            erstes = false;
            l->t = edi_trenner(leser);
            if (edi_vorspann(leser) > 0) {
                char text[120];
                snprintf(text, sizeof text, ": %llu bytes before the interchange passed over (a mail or transfer "
                         "header)", (unsigned long long)edi_vorspann(leser));
                Melden(*l, EANCOM_WARNUNG, 1, 0, text);
            }
            if (s->tag != T_UNA && s->tag != T_UNB && s->tag != T_UNH) {
                MeldenF(*l, EANCOM_ABGELEHNT, *s, ": no interchange: expected UNA, UNB or UNH at the start");
                break;
            }
        }
        if (s->tag == T_UNA)
            l->t = edi_trenner(leser);   /* each interchange may bring its own */
        SegmentVerarbeiten(*l, *s);
        if (e->Fortschritt && edi_position(leser) >= naechsteMeldung) {
            e->Fortschritt(e->Daten, edi_position(leser), edi_groesse(leser));
            naechsteMeldung = edi_position(leser) + (8u << 20);
        }
    }
    if (r < 0) {
        char text[200];
        snprintf(text, sizeof text, ": %s", f.text);
        Melden(*l, EANCOM_ABGELEHNT, f.segment, f.offset, text);
    }
    s->nummer = r < 0 ? f.segment : static_cast<uint32_t>(l->segmente);
    s->offset = r < 0 ? f.offset : edi_position(leser);
    s->tag = 0;
    NachrichtBeenden(*l, *s, false);
    if (r == 0 && l->inUnb && !erstes)
        Melden(*l, EANCOM_WARNUNG, 0, 0, ": the file ends without UNZ");
    if (erstes && r == 0)
        Melden(*l, EANCOM_ABGELEHNT, 0, 0, ": empty file: expected an interchange (UNA or UNB)");
    else if (e->Nachrichten == 0 && r == 0)
        Melden(*l, EANCOM_ABGELEHNT, 0, 0, ": the file holds no message: expected UNH");
    UebergangenMelden(*l);
    free(puffer);
    free(s);
    free(l);
    if (e->Umgesetzt > 0 && e->Abgelehnt == 0)
        return 0;
    return e->Umgesetzt > 0 ? 1 : 2;
}

} // namespace

int EancomGtin13(const char* gtin, size_t n, char aus[14])
{
    if (n != 8 && n != 12 && n != 13 && n != 14)
        return 0;
    for (size_t i = 0; i < n; i++)
        if (gtin[i] < '0' || gtin[i] > '9')
            return 0;
    /* check digit: weights 3 and 1 from the right, the check digit itself
     * not counted */
    int summe = 0;
    for (size_t i = 0; i + 1 < n; i++)
        summe += (gtin[n - 2 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    if ((10 - summe % 10) % 10 != gtin[n - 1] - '0')
        return -2;
    if (n == 14) {
        if (gtin[0] != '0')
            return -1;
        gtin++;
        n = 13;
    }
    memset(aus, '0', 13);
    memcpy(aus + 13 - n, gtin, n);
    aus[13] = '\0';
    return 1;
}

int EancomErkennen(const char* kopf, size_t n)
{
    size_t i = 0;
    if (n >= 3 && memcmp(kopf, "\xEF\xBB\xBF", 3) == 0)
        i = 3;
    /* blank lines and at most a few lines of a mail or transfer header */
    for (int zeilen = 0; zeilen < 8 && i < n; zeilen++) {
        while (i < n && (kopf[i] == '\r' || kopf[i] == '\n' || kopf[i] == ' ' || kopf[i] == '\t'))
            i++;
        if (n - i >= 4 && (memcmp(kopf + i, "UNA", 3) == 0 ||
                           ((memcmp(kopf + i, "UNB", 3) == 0 || memcmp(kopf + i, "UNH", 3) == 0) &&
                            (unsigned char)kopf[i + 3] > 0x20 && kopf[i + 3] != '\'')))
            return 1;
        const char* nl = static_cast<const char*>(memchr(kopf + i, '\n', n - i));
        if (nl == nullptr)
            return 0;
        i = static_cast<size_t>(nl - kopf) + 1;
    }
    return 0;
}

int EancomDateiErkennen(const char* pfad)
{
    FILE* f = pfad ? fopen(pfad, "rb") : nullptr;
    if (f == nullptr)
        return 0;
    char kopf[512];
    size_t n = fread(kopf, 1, sizeof kopf, f);
    fclose(f);
    return EancomErkennen(kopf, n);
}

int EancomDateiUmsetzen(const char* quelle, const char* zielOrdner, EANCOM_ERGEBNIS* e)
{
    Leser* leser = edi_leser_datei(quelle);
    if (leser == nullptr) {
        if (e->Melden != nullptr) {
            char zeile[EANCOM_ZEILE];
            snprintf(zeile, sizeof zeile, "%s: cannot be opened", quelle ? quelle : "");
            e->Melden(e->Daten, EANCOM_ABGELEHNT, zeile);
        }
        return 2;
    }
    int r = Umsetzen(leser, quelle, true, zielOrdner, e);
    edi_leser_schliessen(leser);
    return r;
}

int EancomSpeicherUmsetzen(const char* daten, size_t groesse, const char* name, const char* zielOrdner,
                           EANCOM_ERGEBNIS* e)
{
    Leser* leser = edi_leser_speicher(daten, groesse);
    int r = Umsetzen(leser, name, false, zielOrdner, e);
    edi_leser_schliessen(leser);
    return r;
}
