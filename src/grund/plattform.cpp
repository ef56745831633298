/*
 * plattform.cpp - the module's system calls with Win32 (see plattform.h).
 */
#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/oxtexdefs.h"

#include <windows.h>

int32_t DateizeitTag(uint32_t niedrig, uint32_t hoch, char* text, size_t groesse)
{
    FILETIME utc, lokal;
    SYSTEMTIME zeit;
    utc.dwLowDateTime = niedrig;
    utc.dwHighDateTime = hoch;
    if (text != nullptr && groesse > 0)
        text[0] = '\0';
    if (!FileTimeToLocalFileTime(&utc, &lokal) || !FileTimeToSystemTime(&lokal, &zeit))
        return 0;
    TEXDEFS_DATUM datum = { zeit.wDay, zeit.wMonth, zeit.wYear };
    if (text != nullptr && groesse > 0)
        TEXDEFS_DatumToString(&datum, text, (int32_t)groesse);
    return TEXDEFS_DatumToInteger(&datum);
}

void JetztOrtszeit(ORTSZEIT* zeit)
{
    SYSTEMTIME s;
    GetLocalTime(&s);
    *zeit = { s.wDay, s.wMonth, s.wYear, s.wHour, s.wMinute, s.wSecond };
}

int DateizeitOrtszeit(uint32_t niedrig, uint32_t hoch, ORTSZEIT* zeit)
{
    FILETIME utc = { niedrig, hoch }, lokal;
    SYSTEMTIME s;
    if (!FileTimeToLocalFileTime(&utc, &lokal) || !FileTimeToSystemTime(&lokal, &s))
        return 0;
    *zeit = { s.wDay, s.wMonth, s.wYear, s.wHour, s.wMinute, s.wSecond };
    return 1;
}

uint64_t SystemZeit(void)
{
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    return ((uint64_t)jetzt.dwHighDateTime << 32) | jetzt.dwLowDateTime;
}

uint32_t LaufMerkmal(void)
{
    char rechner[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD laenge = sizeof rechner;
    GetComputerNameA(rechner, &laenge);
    uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG, rechner);
    h ^= (uint32_t)SystemZeit() ^ (GetCurrentProcessId() * 2654435761u) ^ GetTickCount();
    h ^= h >> 16;
    return h ^ (h >> 8);
}

int64_t DateiGroesse(const char* pfad)
{
    WIN32_FILE_ATTRIBUTE_DATA daten;
    if (!GetFileAttributesExA(pfad, GetFileExInfoStandard, &daten))
        return -1;
    return ((int64_t)daten.nFileSizeHigh << 32) | daten.nFileSizeLow;
}

int DateiLoeschen(const char* pfad)
{
    return DeleteFileA(pfad) ? 1 : 0;
}

int TextVergleichen(const char* a, const char* b)
{
    return lstrcmpA(a, b);
}
