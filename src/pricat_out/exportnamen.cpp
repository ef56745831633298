/*
 * exportnamen.cpp - names of the export's files (see exportnamen.h).
 */
#include "pricat_out/exportnamen.h"
#include "grund/text.h"

#include <string.h>

void NamensteilBereinigen(char* text)
{
    if (text == nullptr)
        return;
    for (char* p = text; *p != '\0'; p++)
        if (*p == ' ' || *p == '.')
            *p = '_';
    TextGross(text);
}

int ExportKatalogPfad(char* ziel, size_t groesse, const char* ordner, const char* name,
                      const char* erweiterung)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    char teil[260];
    int ergebnis = 1;
    if (erweiterung != nullptr && erweiterung[0] != '\0')
        ergebnis = TextFormat(teil, sizeof teil, "PRICAT-%s-%s", name ? name : "", erweiterung);
    else
        ergebnis = TextFormat(teil, sizeof teil, "PRICAT-%s", name ? name : "");
    NamensteilBereinigen(teil);
    if (ergebnis == 1)
        ergebnis = TextFormat(ziel, groesse, "%s%s.INH", ordner ? ordner : "", teil);
    if (ergebnis != 1) {
        ziel[0] = '\0';
        return 0;
    }
    TextGross(ziel);
    return 1;
}

int ExportPartnerPfad(char* ziel, size_t groesse, const char* katalog, const char* endung)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    char pfad[260];
    int ergebnis = TextKopieren(pfad, sizeof pfad, katalog);
    TextGross(pfad);
    char* punkt = nullptr;
    for (char* p = strstr(pfad, ".INH"); p != nullptr; p = strstr(p + 1, ".INH"))
        punkt = p;
    if (ergebnis == 1 && punkt != nullptr) {
        *punkt = '\0';
        ergebnis = TextFormat(ziel, groesse, "%s%s", pfad, endung ? endung : "");
    } else {
        ergebnis = 0;
    }
    if (ergebnis != 1) {
        ziel[0] = '\0';
        return 0;
    }
    return 1;
}

static const char* const ARBEIT_ENDUNG[3] = { "", ".TMP", ".ALT" };
enum { KENNUNG_LAENGE = EXPORT_KENNUNG_GROESSE - 1, MINUTEN_MASKE = 0xFFFFFF };

static int IstKennung(const char* text, size_t laenge)
{
    if (text == nullptr || laenge != KENNUNG_LAENGE)
        return 0;
    for (size_t i = 0; i < laenge; i++) {
        char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return 0;
    }
    return 1;
}

void ExportKennungBilden(char* ziel, unsigned long minuten, unsigned long unterscheidung)
{
    if (ziel == nullptr)
        return;
    TextFormat(ziel, EXPORT_KENNUNG_GROESSE, "%06lX%06lX", minuten & MINUTEN_MASKE, unterscheidung & MINUTEN_MASKE);
}

unsigned long ExportMinuten(uint64_t zeit)
{
    const uint64_t JAHR2000 = 125911584000000000ull;   /* 1.1.2000 in 100 ns since 1601 */
    return (unsigned long)((zeit - JAHR2000) / 600000000ull);
}

long ExportKennungAlter(const char* kennung, unsigned long minuten)
{
    if (kennung == nullptr || !IstKennung(kennung, strlen(kennung)))
        return -1;
    unsigned long beginn = 0;
    for (int i = 0; i < 6; i++)
        beginn = beginn * 16 + (unsigned long)(kennung[i] <= '9' ? kennung[i] - '0' : kennung[i] - 'A' + 10);
    return (long)((minuten - beginn) & MINUTEN_MASKE);
}

int ExportArbeitsPfad(char* ziel, size_t groesse, const char* pfad, const char* kennung, int art)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    const char* name = PfadDateiname(pfad);
    size_t ordnerLaenge = (size_t)(name - (pfad ? pfad : ""));
    int ergebnis = 0;
    if (ordnerLaenge < groesse && (art == ARBEIT_NEU || art == ARBEIT_ALT) && *name != '\0' &&
        IstKennung(kennung, kennung ? strlen(kennung) : 0)) {
        memcpy(ziel, pfad, ordnerLaenge);
        ziel[ordnerLaenge] = '\0';
        ergebnis = TextFormat(ziel + ordnerLaenge, groesse - ordnerLaenge, "~%s.%s%s", name, kennung,
                              ARBEIT_ENDUNG[art]);
    }
    if (ergebnis != 1) {
        ziel[0] = '\0';
        return 0;
    }
    return 1;
}

int ExportArbeitsname(const char* name, char* ziel, size_t groesse, char* kennung)
{
    if (kennung != nullptr)
        kennung[0] = '\0';
    if (ziel == nullptr || groesse == 0)
        return ARBEIT_KEINE;
    ziel[0] = '\0';
    if (name == nullptr || name[0] != '~' || strpbrk(name, "\\/:") != nullptr)
        return ARBEIT_KEINE;
    size_t laenge = strlen(name);
    /* "~" + at least one character + "." + tag + ".TMP" */
    const size_t rest = 1 + KENNUNG_LAENGE + 4;
    if (laenge < 2 + rest)
        return ARBEIT_KEINE;
    int art = ARBEIT_KEINE;
    for (int a = ARBEIT_NEU; a <= ARBEIT_ALT; a++)
        if (strcmp(name + laenge - 4, ARBEIT_ENDUNG[a]) == 0)
            art = a;
    const char* punkt = name + laenge - rest;
    if (art == ARBEIT_KEINE || *punkt != '.' || !IstKennung(punkt + 1, KENNUNG_LAENGE))
        return ARBEIT_KEINE;
    size_t endnameLaenge = (size_t)(punkt - (name + 1));
    if (endnameLaenge + 1 > groesse)
        return ARBEIT_KEINE;
    memcpy(ziel, name + 1, endnameLaenge);
    ziel[endnameLaenge] = '\0';
    if (kennung != nullptr) {
        memcpy(kennung, punkt + 1, KENNUNG_LAENGE);
        kennung[KENNUNG_LAENGE] = '\0';
    }
    return art;
}

int ZusatzinfoPfad(char* ziel, size_t groesse, const char* ordner, const char* vorsatz,
                   const char* lieferantText, int mitDatei)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    int ergebnis;
    if (mitDatei)
        ergebnis = TextFormat(ziel, groesse, "%sZUSATZINFOS\\%s%s.TXT", ordner ? ordner : "",
                              vorsatz ? vorsatz : "", lieferantText ? lieferantText : "");
    else
        ergebnis = TextFormat(ziel, groesse, "%sZUSATZINFOS\\", ordner ? ordner : "");
    if (ergebnis != 1) {
        ziel[0] = '\0';
        return 0;
    }
    return 1;
}

void ExportVorschau(char* ziel, size_t groesse, const char* name, const char* erweiterung, int mitText)
{
    if (ziel == nullptr || groesse == 0)
        return;
    const char* endungen = mitText ? "(INH,ADR,TXT)" : "(INH,ADR)";
    if (erweiterung != nullptr)
        TextFormat(ziel, groesse, "PRICAT-%s-%s%s", name ? name : "", erweiterung, endungen);
    else
        TextFormat(ziel, groesse, "PRICAT-%s%s", name ? name : "", endungen);
    NamensteilBereinigen(ziel);
}
