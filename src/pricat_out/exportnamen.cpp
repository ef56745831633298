/*
 * exportnamen.cpp - names of the export's files (see exportnamen.h).
 */
#include "pricat_out/exportnamen.h"
#include "entry/text.h"

#include <string.h>

static unsigned char Gross1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return (unsigned char)(c - 'a' + 'A');
    /* à..þ without ÷ (0xF7) map to À..Þ; ß (0xDF) has no capital. */
    if (c >= 0xE0 && c != 0xF7 && c != 0xFF)
        return (unsigned char)(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;   /* š */
    case 0x9C: return 0x8C;   /* œ */
    case 0x9E: return 0x8E;   /* ž */
    case 0xFF: return 0x9F;   /* ÿ */
    default: return c;
    }
}

void TextGross1252(char* text)
{
    if (text == nullptr)
        return;
    for (char* p = text; *p != '\0'; p++)
        *p = (char)Gross1252((unsigned char)*p);
}

void NamensteilBereinigen(char* text)
{
    if (text == nullptr)
        return;
    for (char* p = text; *p != '\0'; p++)
        if (*p == ' ' || *p == '.')
            *p = '_';
    TextGross1252(text);
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
    TextGross1252(ziel);
    return 1;
}

int ExportPartnerPfad(char* ziel, size_t groesse, const char* katalog, const char* endung)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    char pfad[260];
    int ergebnis = TextKopieren(pfad, sizeof pfad, katalog);
    TextGross1252(pfad);
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

int ExportTempPfad(char* ziel, size_t groesse, const char* pfad)
{
    if (ziel == nullptr || groesse == 0)
        return 0;
    const char* name = pfad ? pfad : "";
    for (const char* p = name; *p != '\0'; p++)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    size_t ordnerLaenge = (size_t)(name - (pfad ? pfad : ""));
    int ergebnis = 0;
    if (ordnerLaenge < groesse) {
        memcpy(ziel, pfad, ordnerLaenge);
        ziel[ordnerLaenge] = '\0';
        ergebnis = TextFormat(ziel + ordnerLaenge, groesse - ordnerLaenge, "~%s.TMP", name);
    }
    if (ergebnis != 1) {
        ziel[0] = '\0';
        return 0;
    }
    return 1;
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
    if (erweiterung != nullptr && erweiterung[0] != '\0')
        TextFormat(ziel, groesse, "PRICAT-%s-%s%s", name ? name : "", erweiterung, endungen);
    else
        TextFormat(ziel, groesse, "PRICAT-%s%s", name ? name : "", endungen);
    NamensteilBereinigen(ziel);
}
