/*
 * eancom_dateien.cpp - the converter's output files: written under working
 * names and renamed when their message is complete, named so that nothing
 * the run read or made is replaced (file identities), and the dated report
 * file (see eancom.h).
 */
#include "eancom/eancom_intern.h"

#include <string.h>
#include <time.h>

namespace eancom {

namespace {

bool ImLauf(const EANCOM_LAUFDATEIEN* lauf, const DATEI_KENNUNG& k)
{
    if (lauf == nullptr)
        return false;
    for (int32_t i = 0; i < lauf->Anzahl; i++)
        if (GleicheDatei(&lauf->Kennung[i], &k))
            return true;
    return false;
}

void LaufMerken(EANCOM_LAUFDATEIEN* lauf, const DATEI_KENNUNG& k)
{
    if (lauf == nullptr || ImLauf(lauf, k) || lauf->Anzahl >= EANCOM_LAUF_DATEIEN)
        return;
    lauf->Kennung[lauf->Anzahl++] = k;
}

/* 1 when the file `pfad` exists and is the source or a file of the run. */
bool VomLauf(const Lauf& l, const char* pfad)
{
    DATEI_KENNUNG k;
    if (!DateiKennung(pfad, &k))
        return false;
    return (l.quelleBekannt && GleicheDatei(&k, &l.quelle)) || ImLauf(l.e->Lauf, k);
}

void Leeren(Lauf& l, Datei& d)
{
    if (d.f == nullptr && d.belegt > 0 && l.e->Datei != nullptr)
        l.e->Datei(l.e->Daten, d.endname, d.puffer, d.belegt, 0);
    else if (d.f != nullptr && d.belegt > 0 && fwrite(d.puffer, 1, d.belegt, d.f) != d.belegt)
        d.fehler = true;
    d.belegt = 0;
}

} // namespace

bool Oeffnen(Lauf& l, Datei& d, const char* name, char* puffer)
{
    memset(&d, 0, sizeof d);
    d.puffer = puffer;
    d.offen = true;
    if (!l.ziel[0]) {
        Kopie(d.endname, sizeof d.endname, name);
        return true;
    }
    if ((size_t)snprintf(d.endname, sizeof d.endname, "%s%s", l.ziel, name) >= sizeof d.endname ||
        (size_t)snprintf(d.arbeit, sizeof d.arbeit, "%s~%s.TMP", l.ziel, name) >= sizeof d.arbeit) {
        d.offen = false;
        return false;
    }
    d.f = fopen(d.arbeit, "wb");
    if (d.f == nullptr)
        d.offen = false;
    return d.f != nullptr;
}

void Schreiben(Lauf& l, Datei& d, const char* text, size_t n)
{
    if (!d.offen)
        return;
    while (n > 0) {
        size_t teil = PUFFER_GROESSE - d.belegt < n ? PUFFER_GROESSE - d.belegt : n;
        memcpy(d.puffer + d.belegt, text, teil);
        d.belegt += teil;
        text += teil;
        n -= teil;
        if (d.belegt == PUFFER_GROESSE)
            Leeren(l, d);
    }
}

void Verwerfen(Lauf& l, Datei& d)
{
    if (!d.offen)
        return;
    if (d.f) {
        fclose(d.f);
        remove(d.arbeit);
    } else if (l.e->Datei != nullptr) {
        l.e->Datei(l.e->Daten, d.endname, nullptr, 0, -1);
    }
    char* puffer = d.puffer;
    memset(&d, 0, sizeof d);
    d.puffer = puffer;
}

bool Abschliessen(Lauf& l, Datei& d)
{
    if (!d.offen)
        return true;
    Leeren(l, d);
    if (d.f == nullptr) {
        if (l.e->Datei != nullptr)
            l.e->Datei(l.e->Daten, d.endname, nullptr, 0, 1);
        l.e->Dateien++;
        d.offen = false;
        return true;
    }
    bool ok = !d.fehler;
    ok = fclose(d.f) == 0 && ok;
    d.f = nullptr;
    d.offen = false;
    /* the name was chosen free of the run's files; it is checked once more
     * right before the rename, since the folder may have changed since */
    if (ok && VomLauf(l, d.endname)) {
        remove(d.arbeit);
        return false;
    }
    DATEI_KENNUNG alt;
    bool ersetzt = DateiKennung(d.endname, &alt) == 1;
    if (ok && DateiUmbenennen(d.arbeit, d.endname) == 1) {
        DATEI_KENNUNG k;
        if (DateiKennung(d.endname, &k))
            LaufMerken(l.e->Lauf, k);
        if (ersetzt) {
            char text[EANCOM_ZEILE];
            snprintf(text, sizeof text, ": %s replaces the file of that name from an earlier conversion", d.endname);
            Melden(l, EANCOM_WARNUNG, 0, 0, text);
        }
        l.e->Dateien++;
        if (l.e->Datei != nullptr)
            l.e->Datei(l.e->Daten, d.endname, nullptr, 0, 1);
        return true;
    }
    remove(d.arbeit);
    return false;
}

int AusgabeNameWaehlen(Lauf& l, const char* stamm, const char* endung1, const char* endung2, char* aus,
                       size_t groesse)
{
    for (int i = 1; i < 1000; i++) {
        char name[EANCOM_PFAD];
        if (i == 1)
            snprintf(name, sizeof name, "%s", stamm);
        else
            snprintf(name, sizeof name, "%s_%d", stamm, i);
        if (!l.ziel[0]) {
            Kopie(aus, groesse, name);
            return 1;
        }
        bool frei = true;
        const char* endungen[2] = { endung1, endung2 };
        for (const char* endung : endungen) {
            if (endung == nullptr)
                continue;
            char pfad[EANCOM_PFAD];
            if ((size_t)snprintf(pfad, sizeof pfad, "%s%s%s", l.ziel, name, endung) >= sizeof pfad)
                return 0;
            if (VomLauf(l, pfad))
                frei = false;
        }
        if (frei) {
            if (strlen(name) >= groesse)
                return 0;
            Kopie(aus, groesse, name);
            return 1;
        }
    }
    return 0;
}

} // namespace eancom

using namespace eancom;

int EancomLaufDatei(EANCOM_LAUFDATEIEN* lauf, const char* pfad)
{
    DATEI_KENNUNG k;
    if (lauf == nullptr || !DateiKennung(pfad, &k))
        return 0;
    LaufMerken(lauf, k);
    return ImLauf(lauf, k) ? 1 : 0;
}

FILE* EancomBerichtOeffnen(const char* ordner, char* pfad, size_t groesse)
{
    time_t jetzt = time(nullptr);
    struct tm t;
#if defined(_WIN32)
    localtime_s(&t, &jetzt);
#else
    localtime_r(&jetzt, &t);
#endif
    for (int i = 1; i < 100; i++) {
        char name[EANCOM_PFAD];
        char nummer[8] = "";
        if (i > 1)
            snprintf(nummer, sizeof nummer, "-%d", i);
        if ((size_t)snprintf(name, sizeof name, "%sEANCOM-%04d%02d%02d-%02d%02d%02d%s.TXT", ordner,
                             t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                             nummer) >= sizeof name ||
            strlen(name) >= groesse)
            return nullptr;
        DATEI_KENNUNG k;
        if (DateiKennung(name, &k))
            continue;
        FILE* f = fopen(name, "wb");
        if (f == nullptr)
            return nullptr;
        Kopie(pfad, groesse, name);
        return f;
    }
    return nullptr;
}
