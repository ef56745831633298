/*
 * text.cpp - bounded copies and the folder derivation of the EDI folders.
 */
#include "grund/text.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

int TextKopieren(char* ziel, size_t groesse, const char* quelle)
{
    if (ziel == nullptr || groesse == 0)
        return -1;
    if (quelle == nullptr)
        quelle = "";
    size_t n = 0;
    while (n + 1 < groesse && quelle[n] != '\0') {
        ziel[n] = quelle[n];
        n++;
    }
    ziel[n] = '\0';
    return quelle[n] == '\0' ? 1 : 0;
}

size_t TextLaenge(const char* text, size_t groesse)
{
    if (text == nullptr)
        return 0;
    const void* ende = memchr(text, '\0', groesse);
    return ende ? (size_t)((const char*)ende - text) : groesse;
}

size_t FeldKopieren(const char* feld, size_t breite, char* aus, size_t groesse)
{
    size_t n = 0;
    if (aus == nullptr || groesse == 0)
        return n;
    size_t laenge = TextLaenge(feld, breite);
    n = laenge < groesse - 1 ? laenge : groesse - 1;
    if (n > 0)
        memcpy(aus, feld, n);
    aus[n] = '\0';
    return n;
}

unsigned char ZeichenGross(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return (unsigned char)(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return (unsigned char)(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;   /* s caron */
    case 0x9C: return 0x8C;   /* oe */
    case 0x9E: return 0x8E;   /* z caron */
    case 0xFF: return 0x9F;   /* y diaeresis */
    default: return c;
    }
}

void TextGross(char* text)
{
    for (char* p = text; p != nullptr && *p != '\0'; p++)
        *p = (char)ZeichenGross((unsigned char)*p);
}

unsigned TextStreuwert(unsigned h, const char* text)
{
    for (const unsigned char* p = (const unsigned char*)text; p != nullptr && *p != '\0'; p++)
        h = (h ^ *p) * 16777619u;
    return h;
}

int TextAnhaengen(char* ziel, size_t groesse, const char* quelle)
{
    if (ziel == nullptr || groesse == 0)
        return -1;
    size_t laenge = TextLaenge(ziel, groesse);
    if (laenge >= groesse) {
        /* no terminator inside the buffer: cut it there first */
        ziel[groesse - 1] = '\0';
        laenge = groesse - 1;
    }
    return TextKopieren(ziel + laenge, groesse - laenge, quelle);
}

int TextFormat(char* ziel, size_t groesse, const char* format, ...)
{
    if (ziel == nullptr || groesse == 0)
        return -1;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(ziel, groesse, format, args);
    va_end(args);
    if (n < 0) {
        ziel[0] = '\0';
        return -1;
    }
    return (size_t)n < groesse ? 1 : 0;
}

void PfadAufOrdnerKuerzen(char* pfad)
{
    if (pfad == nullptr || pfad[0] == '\0')
        return;
    size_t i = strlen(pfad) - 1;
    while (i > 0) {
        char c = pfad[i];
        if (c == '\\' || c == '/' || c == ':')
            return;
        pfad[i] = '\0';
        i--;
    }
}

const char* PfadDateiname(const char* pfad)
{
    const char* name = pfad != nullptr ? pfad : "";
    for (const char* p = name; *p != '\0'; p++)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return name;
}

void EdiElternordner(char* ziel, size_t groesse, const char* hostVerzeichnis)
{
    char pfad[260];
    TextKopieren(pfad, sizeof pfad, hostVerzeichnis);
    PfadAufOrdnerKuerzen(pfad);           /* drop a file name */
    size_t n = strlen(pfad);
    if (n > 0)
        pfad[n - 1] = '\0';               /* drop the separator */
    PfadAufOrdnerKuerzen(pfad);           /* drop the directory itself */
    TextKopieren(ziel, groesse, pfad);
}

void EdiOrdnerPfad(char* ziel, size_t groesse, const char* hostVerzeichnis, const char* name, int mitTrenner)
{
    EdiElternordner(ziel, groesse, hostVerzeichnis);
    TextAnhaengen(ziel, groesse, name);
    if (mitTrenner)
        TextAnhaengen(ziel, groesse, "\\");
}
