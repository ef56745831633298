/*
 * kontextregeln.cpp - the keyword rules of the running call, taken from the
 * call context.
 */
#include "pricat_in/stichwort.h"
#include "kontext/ktoxedi.h"

const STICHWORT_REGELN* KontextStichwortRegeln(void)
{
    static STICHWORT_REGELN regeln;
    if (g_Kontext == nullptr) {
        regeln.FeldMap = nullptr;
        regeln.KatalogIln = "";
        regeln.Grossschreibung = 0;
        return &regeln;
    }
    regeln.FeldMap = &g_Kontext->FeldMap;
    regeln.KatalogIln = g_Kontext->KatalogLieferantIln;
    regeln.Grossschreibung = HostDatenInt(HD_CODES_GROSS) == 1 ? 1 : 0;
    return &regeln;
}
