/*
 * oxmwst.cpp - the host's VAT rate table: six rates in the host's INI file.
 * The rate combo box of the article dialogs is in combo.cpp.
 */
#include "OXMWST/oxmwst_host.h"
#include "hostapi/oxinifile.h"

#include <cstdio>

namespace {

const char SEKTION[] = "MWST";
const int32_t STANDARD[OX_MWST_ANZAHL] = { 0, 700, 1900, 1600, 500, 1070 };

void Schluessel(char* key, size_t groesse, int32_t satz)
{
    std::snprintf(key, groesse, "satz%d", static_cast<int>(satz));
}

int32_t GanzeProzent(int32_t hundertstel)
{
    return (hundertstel + 50) / 100;
}

} // namespace

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWST_Wert(int32_t satz)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        return -1;
    char key[16];
    Schluessel(key, sizeof key, satz);
    int32_t wert = INI_GetInt(SEKTION, key, STANDARD[satz]);
    if (wert < 0 || wert > 10000)
        wert = STANDARD[satz];
    return wert;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_SetMWST_Wert(int32_t satz, int32_t hundertstel)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL || hundertstel < 0 || hundertstel > 10000)
        return -1;
    char key[16];
    Schluessel(key, sizeof key, satz);
    INI_PutInteger(SEKTION, key, hundertstel);
    return 1;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWSTSatz(int32_t prozent)
{
    for (int32_t satz = 0; satz < OX_MWST_ANZAHL; ++satz)
        if (GanzeProzent(OX_MWST_GetMWST_Wert(satz)) == prozent)
            return satz;
    return 0;
}

OX_EXTERN_C int32_t OXCALL OX_MWST_GetMWST_FromMwstSatz(int32_t satz)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        return 0;
    return GanzeProzent(OX_MWST_GetMWST_Wert(satz));
}
