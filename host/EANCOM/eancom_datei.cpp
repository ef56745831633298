/*
 * eancom_datei.cpp - renaming with replacement and folder listing, for
 * Windows and for other systems.
 */
#include "eancom_datei.h"

#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#endif

namespace eancom {

int datei_umbenennen(const std::string& alt, const std::string& neu)
{
#if defined(_WIN32)
    return MoveFileExA(alt.c_str(), neu.c_str(), MOVEFILE_REPLACE_EXISTING) ? 1 : 0;
#else
    return rename(alt.c_str(), neu.c_str()) == 0 ? 1 : 0;
#endif
}

int ist_ordner(const std::string& pfad)
{
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? 1 : 0;
}

std::vector<std::string> ordner_dateien(const std::string& ordner)
{
    std::vector<std::string> namen;
#if defined(_WIN32)
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                namen.push_back(fd.cFileName);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
#else
    if (DIR* d = opendir(ordner.c_str())) {
        while (dirent* e = readdir(d)) {
            struct stat st;
            if (stat((ordner + e->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
                namen.push_back(e->d_name);
        }
        closedir(d);
    }
#endif
    std::sort(namen.begin(), namen.end());
    return namen;
}

char trennzeichen()
{
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
}

} // namespace eancom
