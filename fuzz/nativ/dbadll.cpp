/*
 * dbadll.cpp (native) - the store calls the readers make: suppliers in
 * memory, the characteristic store's open/close balance, the field map
 * file name.
 */
#include "hostapi/dbadll.h"
#include "werkzeug.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

long g_NativLieferantGeschrieben = 0;
long g_NativMerkmalOffen = 0;
long g_NativLieferantenOffen = 0;
std::string g_NativFeldMapOrdner = "EDIFELDMAP/";

static LIEFERANTEN_SATZ g_lieferanten[DBA_MAX_LIEFERANTEN + 1];
static bool g_belegt[DBA_MAX_LIEFERANTEN + 1];

void NativLieferantenLeeren(void)
{
    /* Only the records that were set: a fuzz input stores one or two, and
     * clearing all of them would cost more than reading the input. */
    for (int32_t n = 1; n <= DBA_MAX_LIEFERANTEN; n++) {
        if (g_belegt[n]) {
            std::memset(&g_lieferanten[n], 0, sizeof g_lieferanten[n]);
            g_belegt[n] = false;
        }
    }
}

void NativLieferantSetzen(int32_t nummer, const LIEFERANTEN_SATZ& satz)
{
    if (nummer < 1 || nummer > DBA_MAX_LIEFERANTEN)
        return;
    g_lieferanten[nummer] = satz;
    g_lieferanten[nummer].Nummer = nummer;
    g_belegt[nummer] = true;
}

LIEFERANTEN_SATZ NativLieferant(int32_t nummer)
{
    LIEFERANTEN_SATZ satz;
    std::memset(&satz, 0, sizeof satz);
    if (nummer >= 1 && nummer <= DBA_MAX_LIEFERANTEN && g_belegt[nummer])
        satz = g_lieferanten[nummer];
    return satz;
}

OX_EXTERN_C HOSTHANDLE LieferantenDBA_OpenDBA(void)
{
    g_NativLieferantenOffen++;
    return 7;
}

OX_EXTERN_C int32_t LieferantenDBA_CloseDBA(HOSTHANDLE handle)
{
    if (handle != 7 || g_NativLieferantenOffen <= 0)
        return -1;
    g_NativLieferantenOffen--;
    return 1;
}

OX_EXTERN_C int32_t LieferantenDBA_LeseRecord(int32_t nummer, LIEFERANTEN_SATZ* satz)
{
    if (satz == nullptr || nummer < 1 || nummer > DBA_MAX_LIEFERANTEN)
        return -1;
    *satz = NativLieferant(nummer);
    return g_belegt[nummer] ? 1 : 0;
}

OX_EXTERN_C int32_t LieferantenDBA_ReadRecord(HOSTHANDLE handle, int32_t nummer, LIEFERANTEN_SATZ* satz)
{
    if (handle != 7 || g_NativLieferantenOffen <= 0)
        return -1;
    return LieferantenDBA_LeseRecord(nummer, satz);
}

OX_EXTERN_C int32_t LieferantenDBA_SchreibeRecord(int32_t nummer, const LIEFERANTEN_SATZ* satz)
{
    if (satz == nullptr || nummer < 1 || nummer > DBA_MAX_LIEFERANTEN)
        return -1;
    NativLieferantSetzen(nummer, *satz);
    g_NativLieferantGeschrieben++;
    return 1;
}

OX_EXTERN_C int32_t LieferantenDBA_ClearRecord(LIEFERANTEN_SATZ* satz)
{
    if (satz == nullptr)
        return -1;
    std::memset(satz, 0, sizeof *satz);
    return 1;
}

OX_EXTERN_C int32_t MMLIB_OeffneDatenbank(int32_t art)
{
    if (art < 0 || art > DBA_MAX_ART)
        return -1;
    g_NativMerkmalOffen++;
    return 1;
}

OX_EXTERN_C int32_t MMLIB_SchliesseDatenbank(int32_t art)
{
    if (art < 0 || art > DBA_MAX_ART)
        return -1;
    g_NativMerkmalOffen--;
    return 1;
}

OX_EXTERN_C int32_t EDIMapDBA_CreateFeldMapFileName(const char* iln, char* pfad)
{
    if (iln == nullptr || pfad == nullptr || iln[0] == '\0' || std::strlen(iln) > 13)
        return -1;
    for (const char* p = iln; *p; p++)
        if (*p == '/' || *p == '\\' || *p == '.')
            return -1;
    std::snprintf(pfad, OX_TXT_PATH, "%s%s.INI", g_NativFeldMapOrdner.c_str(), iln);
    return 1;
}

OX_EXTERN_C int32_t EDIMapDBA_EDIFeldMapExists(const char* iln)
{
    char pfad[OX_TXT_PATH];
    if (EDIMapDBA_CreateFeldMapFileName(iln, pfad) != 1)
        return -1;
    struct stat st;
    return stat(pfad, &st) == 0 ? 1 : 0;
}
