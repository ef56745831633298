#include "harness/testordner.h"

#include <fstream>
#include <sstream>

#if defined(_WIN32)
#include <windows.h>

static const std::string& Pfad(const std::string& pfad)
{
    return pfad;
}

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

bool Existiert(const std::string& pfad)
{
    return GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#else

/* The native build: folders under $TMPDIR (else /tmp), trailing "/"; a
 * path a test wrote with "\\" as on Windows is read with "/". */
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::string NeuerTestordner(const std::string& name)
{
    static int zaehler;
    const char* temp = std::getenv("TMPDIR");
    std::string basis = std::string(temp != nullptr && *temp ? temp : "/tmp") + "/oxtest/";
    std::string ordner = basis + name + "_" + std::to_string(getpid()) + "_" + std::to_string(++zaehler) + "/";
    std::error_code fehler;
    std::filesystem::remove_all(ordner, fehler);
    std::filesystem::create_directories(ordner, fehler);
    return ordner;
}

static std::string Pfad(std::string pfad)
{
    for (char& c : pfad)
        if (c == '\\')
            c = '/';
    return pfad;
}

bool Existiert(const std::string& pfad)
{
    std::error_code fehler;
    return std::filesystem::exists(Pfad(pfad), fehler);
}

#endif

std::string DateiLesen(const std::string& pfad)
{
    std::ifstream f(Pfad(pfad), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void DateiSchreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream f(Pfad(pfad), std::ios::binary | std::ios::trunc);
    f << inhalt;
}
