/*
 * eigeneiln.cpp - the company's own ILN/GLN from the INI section "EIGNER".
 */
#include "partner/partner.h"
#include "entry/text.h"
#include "hostapi/oxinifile.h"

#include <string.h>

static int NummerLesen(const char* format, int32_t index, char* wert, size_t groesse)
{
    char key[32];
    TextFormat(key, sizeof key, format, (int)index);
    wert[0] = '\0';
    return INI_GetString("EIGNER", key, wert, (int32_t)groesse);
}

extern "C" int32_t WINAPI EDI_ErmittleEigeneILN(char* iln)
{
    if (iln == nullptr)
        return 0;
    int32_t index = INI_GetInteger("EIGNER", "GLNUMMERAKTUELL");
    if (index == 0)
        index = INI_GetInteger("EIGNER", "ILNUMMERAKTUELL");

    char wert[32];
    if (NummerLesen("GLNNUMMER%02d", index, wert, sizeof wert) <= 0)
        return 0;
    if (strlen(wert) == 13) {
        TextKopieren(iln, 14, wert);
        return 1;
    }
    if (NummerLesen("ILNNUMMER%02d", index, wert, sizeof wert) > 0 && strlen(wert) == 13) {
        TextKopieren(iln, 14, wert);
        return 1;
    }
    return 0;
}
