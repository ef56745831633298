#include "hilfe.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

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
