/*
 * dateisystem.cpp - file identities, folders and renaming for Windows and,
 * in the native build, for POSIX systems (see dateisystem.h).
 */
#include "grund/dateisystem.h"

#include <stdlib.h>
#include <string.h>
#include <stdio.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#endif

int DateiKennung(const char* pfad, DATEI_KENNUNG* kennung)
{
    if (pfad == nullptr || pfad[0] == '\0' || kennung == nullptr)
        return 0;
#if defined(_WIN32)
    HANDLE h = CreateFileA(pfad, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok)
        return 0;
    kennung->Geraet = info.dwVolumeSerialNumber;
    kennung->Nummer = (uint64_t)info.nFileIndexHigh << 32 | info.nFileIndexLow;
    return 1;
#else
    struct stat st;
    if (stat(pfad, &st) != 0)
        return 0;
    kennung->Geraet = (uint64_t)st.st_dev;
    kennung->Nummer = (uint64_t)st.st_ino;
    return 1;
#endif
}

int GleicheDatei(const DATEI_KENNUNG* a, const DATEI_KENNUNG* b)
{
    return a->Geraet == b->Geraet && a->Nummer == b->Nummer ? 1 : 0;
}

int IstOrdner(const char* pfad)
{
    struct stat st;
    return pfad != nullptr && stat(pfad, &st) == 0 && (st.st_mode & S_IFMT) == S_IFDIR ? 1 : 0;
}

int DateiUmbenennen(const char* alt, const char* neu)
{
#if defined(_WIN32)
    return MoveFileExA(alt, neu, MOVEFILE_REPLACE_EXISTING) ? 1 : 0;
#else
    return rename(alt, neu) == 0 ? 1 : 0;
#endif
}

namespace {

enum { NAME_LAENGE = 260 };

int NamenVergleichen(const void* a, const void* b)
{
    return strcmp(static_cast<const char*>(a), static_cast<const char*>(b));
}

/* Appends `name` to the table of `anzahl` names (grown as needed). */
bool Aufnehmen(char** namen, int* anzahl, int* platz, int hoechstens, const char* name)
{
    if (*anzahl >= hoechstens || strlen(name) >= NAME_LAENGE)
        return *anzahl < hoechstens;
    if (*anzahl == *platz) {
        int neu = *platz ? *platz * 2 : 64;
        char* p = static_cast<char*>(realloc(*namen, (size_t)neu * NAME_LAENGE));
        if (p == nullptr)
            return false;
        *namen = p;
        *platz = neu;
    }
    memcpy(*namen + (size_t)*anzahl * NAME_LAENGE, name, strlen(name) + 1);
    (*anzahl)++;
    return true;
}

} // namespace

int OrdnerDateien(const char* ordner, int hoechstens, DateiNameFn jede, void* daten)
{
    char* namen = nullptr;
    int anzahl = 0, platz = 0;
    char pfad[NAME_LAENGE * 2];
#if defined(_WIN32)
    snprintf(pfad, sizeof pfad, "%s*", ordner);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pfad, &fd);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : -1;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !Aufnehmen(&namen, &anzahl, &platz, hoechstens, fd.cFileName))
            break;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
#else
    DIR* d = opendir(ordner);
    if (d == nullptr)
        return -1;
    while (dirent* e = readdir(d)) {
        struct stat st;
        snprintf(pfad, sizeof pfad, "%s%s", ordner, e->d_name);
        if (stat(pfad, &st) == 0 && S_ISREG(st.st_mode) && !Aufnehmen(&namen, &anzahl, &platz, hoechstens, e->d_name))
            break;
    }
    closedir(d);
#endif
    if (anzahl > 1)
        qsort(namen, (size_t)anzahl, NAME_LAENGE, NamenVergleichen);
    for (int i = 0; i < anzahl; i++)
        jede(daten, namen + (size_t)i * NAME_LAENGE);
    free(namen);
    return anzahl;
}

char Ordnertrenner(void)
{
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
}
