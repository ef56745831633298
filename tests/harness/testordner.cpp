#include "harness/testordner.h"

#include <windows.h>

#include <fstream>
#include <sstream>

static void Loeschen(const std::string& ordner)
{
    WIN32_FIND_DATAA fund;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fund);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fund.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string pfad = ordner + name;
            if (fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                Loeschen(pfad + "\\");
                RemoveDirectoryA(pfad.c_str());
            } else {
                SetFileAttributesA(pfad.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(pfad.c_str());
            }
        } while (FindNextFileA(h, &fund));
        FindClose(h);
    }
}

std::string NeuerTestordner(const std::string& name)
{
    static int zaehler;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string basis = std::string(temp) + "oxtest\\";
    CreateDirectoryA(basis.c_str(), nullptr);
    std::string ordner = basis + name + "_" + std::to_string(GetCurrentProcessId()) + "_"
                         + std::to_string(++zaehler) + "\\";
    Loeschen(ordner);
    CreateDirectoryA(ordner.c_str(), nullptr);
    return ordner;
}

std::string DateiLesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void DateiSchreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f << inhalt;
}

bool Existiert(const std::string& pfad)
{
    return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}
