/*
 * edi_api.cpp - the exported calls of the EDI record library.
 *
 * Thin wrappers around edi_core: argument checks, the handle table of open
 * files and the clock for header lines. No windows.h here either.
 */
#include <ctime>
#include <cstring>

#include "edi_core.h"

namespace {

/* Open files: a handle is (generation << 8) | (slot + 1), so a handle that
 * was closed is not taken for a later file in the same slot. */
constexpr int SLOTS = 64;

struct OffeneDatei {
    edikern::Leser* leser;
    int32_t generation;
};

OffeneDatei g_dateien[SLOTS];
int32_t g_generation = 0;

edikern::Leser* leser_zu(HOSTHANDLE handle, int* slot)
{
    if (handle <= 0)
        return nullptr;
    int s = (handle & 0xFF) - 1;
    if (s < 0 || s >= SLOTS || !g_dateien[s].leser || g_dateien[s].generation != (handle >> 8))
        return nullptr;
    if (slot)
        *slot = s;
    return g_dateien[s].leser;
}

edikern::Zeitpunkt jetzt()
{
    edikern::Zeitpunkt z{2000, 1, 1, 0, 0, 0};
    std::time_t t = std::time(nullptr);
    const std::tm* lokal = std::localtime(&t);
    if (lokal) {
        z.jahr = lokal->tm_year + 1900;
        z.monat = lokal->tm_mon + 1;
        z.tag = lokal->tm_mday;
        z.stunde = lokal->tm_hour;
        z.minute = lokal->tm_min;
        z.sekunde = lokal->tm_sec;
    }
    return z;
}

int32_t als_ergebnis(size_t laenge)
{
    return laenge > 0 ? static_cast<int32_t>(laenge) : -1;
}

} // namespace

OX_EXTERN_C EDI_API HOSTHANDLE OXCALL EDIGlobal_OpenROS_INH_Datei(const char* path)
{
    HOSTHANDLE handle = 0;
    if (!path || !path[0])
        return handle;
    int slot = 0;
    while (slot < SLOTS && g_dateien[slot].leser)
        slot++;
    if (slot == SLOTS)
        return handle;
    edikern::Leser* leser = edikern::leser_datei(path);
    if (!leser)
        return handle;
    g_generation = (g_generation + 1) & 0x3FFFFF;
    if (g_generation == 0)
        g_generation = 1;
    g_dateien[slot].leser = leser;
    g_dateien[slot].generation = g_generation;
    handle = (g_generation << 8) | (slot + 1);
    return handle;
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(
    HOSTHANDLE handle, char* satz, int32_t groesse, int32_t* satzart, int32_t* nachrichtenart,
    int32_t* zusatz, const char* eigeneIln)
{
    (void)eigeneIln;
    edikern::Leser* leser = leser_zu(handle, nullptr);
    if (!leser || !satz || groesse < 3)
        return -1;
    int sa = 0, na = 0, zeile = 0;
    int32_t ergebnis = edikern::leser_naechster(leser, satz, static_cast<size_t>(groesse), &sa, &na,
                                                &zeile);
    if (ergebnis == 1) {
        if (satzart)
            *satzart = sa;
        if (nachrichtenart)
            *nachrichtenart = na;
        if (zusatz)
            *zusatz = zeile;
    }
    return ergebnis;
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIGLOBAL_Schliesse_INH_InputDatei(HOSTHANDLE handle)
{
    int slot = 0;
    edikern::Leser* leser = leser_zu(handle, &slot);
    if (!leser)
        return -1;
    edikern::leser_schliessen(leser);
    g_dateien[slot].leser = nullptr;
    g_dateien[slot].generation = 0;
    return 1;
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_BTEPRI_SatzErstellen(char* ausgabe,
                                                                 const EDI_KOPFSATZ* kopf)
{
    if (!ausgabe || !kopf)
        return -1;
    return als_ergebnis(edikern::kopfzeile_erstellen(kopf, "BTEPRI", "PRICAT", jetzt(), ausgabe,
                                                     EDI_SATZ_GROESSE));
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(
    char* ausgabe, const PRICAT_DATEN* daten, int32_t exportModus, const char* eigeneIln)
{
    (void)exportModus;
    (void)eigeneIln;
    if (!ausgabe || !daten)
        return -1;
    return als_ergebnis(edikern::pricat_erstellen(daten, ausgabe, EDI_SATZ_GROESSE));
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_VerarbeitePRICAT_Satz(const char* satz,
                                                                  int32_t nachrichtenart,
                                                                  int32_t* info,
                                                                  PRICAT_DATEN* daten)
{
    if (!satz || !daten)
        return -1;
    int i = 0;
    int32_t ergebnis = edikern::pricat_lesen(satz, nachrichtenart, &i, daten);
    if (ergebnis == 1 && info)
        *info = i;
    return ergebnis;
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_PRICAT_FeldVonSatzLesen(int32_t feldNummer,
                                                                    int32_t start,
                                                                    int32_t laenge, char* text,
                                                                    const PRICAT_DATEN* daten)
{
    if (!text || !daten)
        return -1;
    return edikern::feld_lesen(feldNummer, start, laenge, text, EDI_FELDTEXT_GROESSE, daten);
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(const char* code)
{
    if (!code)
        return -1;
    return edikern::nachrichtenfunktion_id(code);
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_VerarbeiteDESADV_Satz(const char* satz,
                                                                  int32_t nachrichtenart,
                                                                  DESADV_KOPF* kopf,
                                                                  DESADV_REFERENZ* referenz,
                                                                  DESADV_POSITION* position)
{
    if (!satz || !kopf || !referenz || !position)
        return -1;
    return edikern::desadv_lesen(satz, nachrichtenart, kopf, referenz, position);
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_BTEDES_SatzErstellen(char* ausgabe,
                                                                 const EDI_KOPFSATZ* kopf)
{
    if (!ausgabe || !kopf)
        return -1;
    return als_ergebnis(edikern::kopfzeile_erstellen(kopf, "BTEDES", "DESADV", jetzt(), ausgabe,
                                                     EDI_SATZ_GROESSE));
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_KopfSatzErstellen(char* ausgabe,
                                                              const DESADV_KOPF* kopf)
{
    if (!ausgabe || !kopf)
        return -1;
    return als_ergebnis(edikern::desadv_kopf_erstellen(kopf, ausgabe, EDI_SATZ_GROESSE));
}

OX_EXTERN_C EDI_API int32_t OXCALL EDIDESADV_PositionsSatzErstellen(
    char* ausgabe, const DESADV_KOPF* kopf, const DESADV_REFERENZ* referenz,
    const DESADV_POSITION* position)
{
    if (!ausgabe || !kopf || !referenz || !position)
        return -1;
    return als_ergebnis(
        edikern::desadv_position_erstellen(kopf, referenz, position, ausgabe, EDI_SATZ_GROESSE));
}
