/*
 * plattform_posix.cpp - the module's system calls off Windows (see
 * plattform.h), for the native build: the same contracts with POSIX calls.
 * File times are the Windows count (100-ns steps since 1.1.1601 UTC), so
 * a value read on either side means the same moment.
 */
#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/oxtexdefs.h"

#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

/* 100-ns steps between 1.1.1601 and 1.1.1970. */
const uint64_t kEpochenAbstand = 116444736000000000ULL;

void Uebertragen(const struct tm& t, ORTSZEIT* zeit)
{
    *zeit = { t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec };
}

/* The file time as local broken-down time; false before 1970 or beyond
 * what localtime handles. */
bool Lokal(uint32_t niedrig, uint32_t hoch, struct tm* t)
{
    uint64_t zeit = ((uint64_t)hoch << 32) | niedrig;
    if (zeit < kEpochenAbstand)
        return false;
    time_t sekunden = (time_t)((zeit - kEpochenAbstand) / 10000000ULL);
    return localtime_r(&sekunden, t) != nullptr;
}

} // namespace

int32_t DateizeitTag(uint32_t niedrig, uint32_t hoch, char* text, size_t groesse)
{
    struct tm t;
    if (text != nullptr && groesse > 0)
        text[0] = '\0';
    if (!Lokal(niedrig, hoch, &t))
        return 0;
    TEXDEFS_DATUM datum = { t.tm_mday, t.tm_mon + 1, t.tm_year + 1900 };
    if (text != nullptr && groesse > 0)
        TEXDEFS_DatumToString(&datum, text, (int32_t)groesse);
    return TEXDEFS_DatumToInteger(&datum);
}

void JetztOrtszeit(ORTSZEIT* zeit)
{
    time_t jetzt = time(nullptr);
    struct tm t;
    if (localtime_r(&jetzt, &t) != nullptr)
        Uebertragen(t, zeit);
    else
        *zeit = { 1, 1, 1980, 0, 0, 0 };
}

int DateizeitOrtszeit(uint32_t niedrig, uint32_t hoch, ORTSZEIT* zeit)
{
    struct tm t;
    if (!Lokal(niedrig, hoch, &t))
        return 0;
    Uebertragen(t, zeit);
    return 1;
}

uint64_t SystemZeit(void)
{
    struct timespec jetzt;
    clock_gettime(CLOCK_REALTIME, &jetzt);
    return kEpochenAbstand + (uint64_t)jetzt.tv_sec * 10000000ULL + (uint64_t)jetzt.tv_nsec / 100;
}

uint32_t LaufMerkmal(void)
{
    char rechner[256] = "";
    gethostname(rechner, sizeof rechner - 1);
    struct timespec takt;
    clock_gettime(CLOCK_MONOTONIC, &takt);
    uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG, rechner);
    h ^= (uint32_t)SystemZeit() ^ ((uint32_t)getpid() * 2654435761u) ^ (uint32_t)(takt.tv_nsec / 1000000);
    h ^= h >> 16;
    return h ^ (h >> 8);
}

int64_t DateiGroesse(const char* pfad)
{
    struct stat s;
    if (pfad == nullptr || stat(pfad, &s) != 0 || !S_ISREG(s.st_mode))
        return -1;
    return (int64_t)s.st_size;
}

int DateiLoeschen(const char* pfad)
{
    return pfad != nullptr && unlink(pfad) == 0 ? 1 : 0;
}

int TextVergleichen(const char* a, const char* b)
{
    /* The list boxes' order ignores case; byte order breaks ties. */
    int r = strcasecmp(a, b);
    return r != 0 ? r : strcmp(a, b);
}
