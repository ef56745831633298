/*
 * kontext.cpp - the context of the running call and its small readers
 * (see ktoxedi.h). The entry sets g_Kontext for the length of a call.
 */
#include "kontext/ktoxedi.h"

#include <string.h>

EDI_KONTEXT* g_Kontext;

int AuswahlEintragGewaehlt(void)
{
    if (g_Kontext == nullptr)
        return 0;
    KATALOGDATEI_EINTRAG* eintrag = g_Kontext->AuswahlEintrag;
    return (eintrag != nullptr && eintrag != (KATALOGDATEI_EINTRAG*)-1) ? 1 : 0;
}

int32_t HostDatenInt(int offset)
{
    int32_t wert = 0;
    if (g_Kontext != nullptr && offset >= 0 && offset + 4 <= HOSTDATEN_GROESSE)
        memcpy(&wert, g_Kontext->HostDaten + offset, sizeof wert);
    return wert;
}

const char* HostDatenText(int offset)
{
    if (g_Kontext == nullptr || offset < 0 || offset >= HOSTDATEN_GROESSE)
        return "";
    return (const char*)g_Kontext->HostDaten + offset;
}
