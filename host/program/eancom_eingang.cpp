/*
 * eancom_eingang.cpp - EANCOM files in the import folder and the
 * goods-receipt command of the stand-in host (see eancom_eingang.h).
 */
#include "eancom_eingang.h"
#include "eancom.h"
#include "eancom_datei.h"
#include "wareneingang.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace {

bool HostDatei(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return (char)toupper(c); });
    for (const char* endung : { ".INH", ".PRI", ".ADR", ".DES" })
        if (name.size() > 4 && name.compare(name.size() - 4, 4, endung) == 0)
            return true;
    return name.empty() || name[0] == '~';
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

int Standin_EancomUmsetzen(const std::string& importOrdner, const std::string& sicherung)
{
    int umgesetzt = 0;
    for (const std::string& name : eancom::ordner_dateien(importOrdner)) {
        std::string pfad = importOrdner + name;
        if (HostDatei(name) || !eancom::eancom_datei_erkennen(pfad.c_str()))
            continue;
        eancom::Ergebnis e;
        int r = eancom::eancom_datei_umsetzen(pfad.c_str(), importOrdner, e);
        printf("EANCOM %s: %d of %d messages converted\n", name.c_str(), e.umgesetzt, e.nachrichten);
        for (const std::string& m : e.meldungen)
            printf("  %s\n", m.c_str());
        if (r == 2)
            continue;
        umgesetzt++;
        if (!Sichern(pfad, sicherung, name))
            printf("  %s could not be moved into %s\n", name.c_str(), sicherung.c_str());
    }
    fflush(stdout);
    return umgesetzt;
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
    Standin_EancomUmsetzen(import, sicherung);
    int32_t offen = 0;
    for (const std::string& name : eancom::ordner_dateien(import)) {
        std::string gross = name;
        std::transform(gross.begin(), gross.end(), gross.begin(), [](unsigned char c) { return (char)toupper(c); });
        if (gross.size() < 5 || gross.compare(gross.size() - 4, 4, ".DES") != 0 || gross == "NOTIMPORTED.DES")
            continue;
        std::string pfad = import + name;
        long vorher = g_StandinGebucht;
        int32_t saetze = 0;
        int32_t nicht = desadv(pfad.c_str(), 0, iln, 0, (void*)Standin_DesadvBuchen, host.datenOrdner.c_str(),
                               &saetze);
        printf("goods receipt %s: %ld positions booked, %ld not booked (%ld records)\n", name.c_str(),
               g_StandinGebucht - vorher, (long)nicht, (long)saetze);
        offen += nicht;
        if (!Sichern(pfad, sicherung, name))
            printf("  %s could not be moved into %s\n", name.c_str(), sicherung.c_str());
    }
    fflush(stdout);
    return offen;
}
