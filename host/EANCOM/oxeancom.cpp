/*
 * oxeancom.cpp - OXEANCOM, the EANCOM converter on the command line
 * (OXEANCOM.EXE for Windows, oxeancom as a native program).
 *
 *   OXEANCOM [--ziel FOLDER] [--still] SOURCE...
 *
 * SOURCE is an interchange file or a folder; of a folder, every plain file
 * that starts like an EDIFACT interchange is converted. The files are
 * written into FOLDER (default: the folder of each source). One line per
 * source says what came of it, one line per refused message says why.
 * A progress line is shown on stderr for files above 8 MB.
 *
 * Exit code: 0 = every message converted, 1 = partly (some messages
 * refused), 2 = nothing converted (or wrong arguments).
 */
#include "eancom.h"
#include "eancom_datei.h"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

bool g_still = false;

void Fortschritt(void* daten, uint64_t gelesen, uint64_t groesse)
{
    if (g_still || groesse == 0)
        return;
    fprintf(stderr, "\r%s: %3d %%", static_cast<const char*>(daten), static_cast<int>(gelesen * 100 / groesse));
    fflush(stderr);
}

std::string MitTrenner(std::string ordner)
{
    if (!ordner.empty() && ordner.back() != '/' && ordner.back() != '\\')
        ordner += eancom::trennzeichen();
    return ordner;
}

std::string OrdnerVon(const std::string& pfad)
{
    size_t schnitt = pfad.find_last_of("/\\");
    return schnitt == std::string::npos ? std::string(".") + eancom::trennzeichen() : pfad.substr(0, schnitt + 1);
}

} // namespace

int main(int argc, char** argv)
{
    std::string ziel;
    std::vector<std::string> quellen;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--ziel" && i + 1 < argc)
            ziel = MitTrenner(argv[++i]);
        else if (a == "--still")
            g_still = true;
        else if (!a.empty() && a[0] == '-') {
            quellen.clear();
            break;
        } else
            quellen.push_back(a);
    }
    if (quellen.empty()) {
        fprintf(stderr, "usage: OXEANCOM [--ziel FOLDER] [--still] SOURCE...\n"
                        "  converts EANCOM PRICAT and DESADV interchanges (files, or the files of a folder)\n"
                        "  exit code: 0 converted, 1 partly (messages refused), 2 nothing converted\n");
        return 2;
    }
    std::vector<std::string> dateien;
    for (const std::string& q : quellen) {
        if (eancom::ist_ordner(q)) {
            std::string ordner = MitTrenner(q);
            for (const std::string& name : eancom::ordner_dateien(ordner))
                if (name[0] != '~' && eancom::eancom_datei_erkennen((ordner + name).c_str()))
                    dateien.push_back(ordner + name);
        } else {
            dateien.push_back(q);
        }
    }
    if (dateien.empty()) {
        printf("no EANCOM interchange found\n");
        return 2;
    }
    int umgesetzt = 0, abgelehnt = 0, leer = 0;
    for (const std::string& d : dateien) {
        eancom::Ergebnis e;
        int r = eancom::eancom_datei_umsetzen(d.c_str(), ziel.empty() ? OrdnerVon(d) : ziel, e, Fortschritt,
                                              const_cast<char*>(d.c_str()));
        if (!g_still && e.nachrichten > 0)
            fprintf(stderr, "\r");
        printf("%s: %d of %d messages converted (%ld catalogue records, %ld despatch positions)\n", d.c_str(),
               e.umgesetzt, e.nachrichten, e.variationen, e.positionen);
        for (const std::string& m : e.meldungen)
            printf("  %s\n", m.c_str());
        umgesetzt += e.umgesetzt;
        abgelehnt += e.abgelehnt;
        leer += r == 2;
    }
    if (umgesetzt == 0)
        return 2;
    return abgelehnt > 0 || leer > 0 ? 1 : 0;
}
