/*
 * werkzeug.cpp - working folder and file helpers of the native build.
 */
#include "werkzeug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

static std::string g_ordner;

static void OrdnerEntfernen(void)
{
    std::error_code fehler;
    std::filesystem::remove_all(g_ordner, fehler);
}

void NativArbeitsordner(void)
{
    static bool fertig = false;
    if (fertig)
        return;
    char vorlage[64];
    std::snprintf(vorlage, sizeof vorlage, "%s/oxnativXXXXXX", access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    if (mkdtemp(vorlage) == nullptr || chdir(vorlage) != 0) {
        std::perror("working folder");
        std::abort();
    }
    g_ordner = vorlage;
    std::atexit(OrdnerEntfernen);
    fertig = true;
}

void NativDateiSchreiben(const std::string& name, const void* daten, size_t groesse)
{
    FILE* f = std::fopen(name.c_str(), "wb");
    if (f == nullptr) {
        std::perror(name.c_str());
        std::abort();
    }
    if (groesse > 0 && std::fwrite(daten, 1, groesse, f) != groesse) {
        std::perror(name.c_str());
        std::abort();
    }
    std::fclose(f);
}

void NativPruefen(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "check failed: %s\n", was);
        std::abort();
    }
}
