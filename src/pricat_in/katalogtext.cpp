/*
 * katalogtext.cpp - bounded text rules of catalogue data.
 */
#include "pricat_in/katalogtext.h"
#include "grund/text.h"

#include <string.h>

void TextNachAt(const char* text, char* aus, size_t groesse)
{
    if (text == nullptr)
        text = "";
    const char* at = strchr(text, '@');
    TextKopieren(aus, groesse, at ? at + 1 : text);
}


int32_t ZahlAusText(const char* text)
{
    if (text == nullptr)
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        p++;
    int negativ = 0;
    if (*p == '+' || *p == '-') {
        negativ = (*p == '-');
        p++;
    }
    int64_t wert = 0;
    while (*p >= '0' && *p <= '9') {
        if (wert <= (int64_t)INT32_MAX + 1)
            wert = wert * 10 + (*p - '0');
        p++;
    }
    if (negativ)
        wert = -wert;
    if (wert > INT32_MAX)
        wert = INT32_MAX;
    if (wert < INT32_MIN)
        wert = INT32_MIN;
    return (int32_t)wert;
}

void TextTrimmen(char* text)
{
    if (text == nullptr)
        return;
    size_t anfang = 0;
    while (text[anfang] == ' ')
        anfang++;
    size_t laenge = strlen(text + anfang);
    while (laenge > 0 && text[anfang + laenge - 1] == ' ')
        laenge--;
    memmove(text, text + anfang, laenge);
    text[laenge] = '\0';
}
