#include "hilfe.h"

#include <atomic>
#include <cstdio>

#if defined(_WIN32)

#include <windows.h>

std::string NeuerTestOrdner(const char* name)
{
    static std::atomic<int> zaehler{0};
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char ordner[MAX_PATH];
    std::snprintf(ordner, sizeof ordner, "%sdba_%s_%lu_%lu_%d\\", temp, name, GetCurrentProcessId(),
                  static_cast<unsigned long>(GetTickCount()), zaehler++);
    CreateDirectoryA(ordner, nullptr);
    return ordner;
}

std::string ProgrammOrdner()
{
    char pfad[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, pfad, sizeof pfad);
    std::string s(pfad, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

#else

/* The native build: under $TMPDIR (else /tmp), trailing "/". */
#include <cstdlib>
#include <ctime>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

std::string NeuerTestOrdner(const char* name)
{
    static std::atomic<int> zaehler{0};
    const char* temp = std::getenv("TMPDIR");
    char ordner[PATH_MAX];
    std::snprintf(ordner, sizeof ordner, "%s/dba_%s_%ld_%ld_%d/", temp != nullptr && *temp ? temp : "/tmp", name,
                  static_cast<long>(getpid()), static_cast<long>(std::time(nullptr)), zaehler++);
    mkdir(ordner, 0755);
    return ordner;
}

std::string ProgrammOrdner()
{
    char pfad[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    std::string s(pfad, n > 0 ? static_cast<size_t>(n) : 0);
    return s.substr(0, s.find_last_of('/') + 1);
}

#endif
