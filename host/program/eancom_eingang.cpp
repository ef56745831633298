/*
 * eancom_eingang.cpp - EANCOM files in the import folder and the
 * goods-receipt command of the stand-in host (see eancom_eingang.h).
 */
#include "eancom_eingang.h"
#include "wareneingang.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <vector>

namespace {

/* 1 when the file starts like an EDIFACT interchange (the module converts
 * it when it books it). */
bool Interchange(const std::string& pfad)
{
    FILE* f = fopen(pfad.c_str(), "rb");
    if (f == nullptr)
        return false;
    char kopf[16] = "";
    size_t n = fread(kopf, 1, sizeof kopf - 1, f);
    fclose(f);
    size_t i = n >= 3 && memcmp(kopf, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    while (i < n && (kopf[i] == '\r' || kopf[i] == '\n' || kopf[i] == ' '))
        i++;
    return n - i >= 3 && (memcmp(kopf + i, "UNA", 3) == 0 || memcmp(kopf + i, "UNB", 3) == 0 ||
                          memcmp(kopf + i, "UNH", 3) == 0);
}

std::vector<std::string> Dateien(const std::string& ordner)
{
    std::vector<std::string> namen;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                namen.push_back(fd.cFileName);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

/* Moves `pfad` into the folder `ordner` under `name`, or with ".1",
 * ".2", ... added when that name is taken there. */
bool Sichern(const std::string& pfad, const std::string& ordner, const std::string& name)
{
    std::string ziel = ordner + name;
    for (int i = 1; GetFileAttributesA(ziel.c_str()) != INVALID_FILE_ATTRIBUTES && i < 1000; i++)
        ziel = ordner + name + "." + std::to_string(i);
    return MoveFileA(pfad.c_str(), ziel.c_str()) != 0;
}

} // namespace

int Standin_EdiOrdner(StandinHost& host, std::string* import, std::string* sicherung)
{
    typedef char*(WINAPI * ORDNER)(char*, const char*);
    HMODULE modul = Standin_ModulLaden();
    if (modul == nullptr)
        return 0;
    ORDNER holeImport = (ORDNER)(void*)GetProcAddress(modul, "EDILieferung_HoleEDI_ImportPfad");
    ORDNER holeSicherung = (ORDNER)(void*)GetProcAddress(modul, "EDILieferung_HoleSicherungsPfad");
    if (holeImport == nullptr || holeSicherung == nullptr)
        return 0;
    char ordner[MAX_PATH] = "";
    *import = holeImport(ordner, host.datenOrdner.c_str());
    *sicherung = holeSicherung(ordner, host.datenOrdner.c_str());
    return 1;
}

int32_t Standin_Wareneingang(StandinHost& host)
{
    std::string import, sicherung;
    if (!Standin_EdiOrdner(host, &import, &sicherung))
        return -1;
    HMODULE modul = Standin_ModulLaden();
    typedef int32_t(WINAPI * EIGENE_ILN)(char*);
    typedef int32_t(WINAPI * DESADV)(const char*, int32_t, const char*, int32_t, void*, const char*, int32_t*);
    EIGENE_ILN eigeneIln = (EIGENE_ILN)(void*)GetProcAddress(modul, "EDI_ErmittleEigeneILN");
    DESADV desadv = (DESADV)(void*)GetProcAddress(modul, "EDILieferung_GetAllDesadvSet");
    char iln[32] = "";
    if (eigeneIln == nullptr || desadv == nullptr || eigeneIln(iln) != 1) {
        printf("goods receipt: no own GLN (INI section EIGNER)\n");
        return -1;
    }
    int32_t offen = 0;
    for (const std::string& name : Dateien(import)) {
        std::string gross = name;
        std::transform(gross.begin(), gross.end(), gross.begin(), [](unsigned char c) { return (char)toupper(c); });
        std::string pfad = import + name;
        bool des = gross.size() >= 5 && gross.compare(gross.size() - 4, 4, ".DES") == 0;
        if (gross == "NOTIMPORTED.DES" || gross[0] == '~' || (!des && !Interchange(pfad)))
            continue;
        if (GetFileAttributesA(pfad.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;   /* converted and moved aside by an earlier booking */
        long vorher = g_StandinGebucht;
        int32_t saetze = 0;
        int32_t nicht = desadv(pfad.c_str(), 0, iln, 0, (void*)Standin_DesadvBuchen, host.datenOrdner.c_str(),
                               &saetze);
        printf("goods receipt %s: %ld positions booked, %ld not booked (%ld records)\n", name.c_str(),
               g_StandinGebucht - vorher, (long)nicht, (long)saetze);
        offen += nicht;
        if (GetFileAttributesA(pfad.c_str()) != INVALID_FILE_ATTRIBUTES && !Sichern(pfad, sicherung, name))
            printf("  %s could not be moved into %s\n", name.c_str(), sicherung.c_str());
    }
    fflush(stdout);
    return offen;
}
