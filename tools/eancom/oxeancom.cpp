/*
 * oxeancom.cpp - OXEANCOM, the module's EANCOM converter on the command
 * line (OXEANCOM.EXE for Windows, oxeancom as a native program).
 *
 *   OXEANCOM [--ziel FOLDER] [--bericht FOLDER|FILE] [--absender ID=GLN]...
 *            [--still] SOURCE...
 *
 * SOURCE is an interchange file or a folder; of a folder, every plain file
 * that starts like an EDIFACT interchange is converted, and every other
 * file gets a line saying it was passed over. The files are written into
 * FOLDER (default: the folder of each source). One line per source says
 * what came of it; refusals and warnings follow, each naming file, segment
 * number and byte offset. --bericht writes the same lines into a report
 * file (a dated one when a folder is given). --absender names the supplier
 * GLN of an interchange sender that is no GLN. A progress line is shown on
 * stderr for files above 8 MB.
 *
 * Nothing the run reads or makes is replaced: sources and outputs are
 * compared by file identity across the whole run.
 *
 * Exit code: 0 = every message converted, 1 = partly (some messages
 * refused or files not converted), 2 = nothing converted (or wrong
 * arguments).
 */
#include "eancom_lauf.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

bool g_still = false;
FILE* g_bericht = nullptr;

void Fortschritt(void* daten, uint64_t gelesen, uint64_t groesse)
{
    if (g_still || groesse == 0)
        return;
    fprintf(stderr, "\r%s: %3d %%", static_cast<const char*>(daten), static_cast<int>(gelesen * 100 / groesse));
    fflush(stderr);
}

void Zeile(const std::string& text)
{
    printf("%s\n", text.c_str());
    if (g_bericht != nullptr)
        fprintf(g_bericht, "%s\r\n", text.c_str());
}

std::string MitTrenner(std::string ordner)
{
    if (!ordner.empty() && ordner.back() != '/' && ordner.back() != '\\')
        ordner += Ordnertrenner();
    return ordner;
}

std::string OrdnerVon(const std::string& pfad)
{
    size_t schnitt = pfad.find_last_of("/\\");
    return schnitt == std::string::npos ? std::string(".") + Ordnertrenner() : pfad.substr(0, schnitt + 1);
}

int Gebrauch()
{
    fprintf(stderr, "usage: OXEANCOM [--ziel FOLDER] [--bericht FOLDER|FILE] [--absender ID=GLN]... [--still] "
                    "SOURCE...\n"
                    "  converts EANCOM PRICAT and DESADV interchanges (files, or the files of a folder)\n"
                    "  exit code: 0 converted, 1 partly (messages refused), 2 nothing converted\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string ziel, bericht;
    std::vector<std::string> quellen;
    eancom::Optionen o;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--ziel" && i + 1 < argc) {
            ziel = MitTrenner(argv[++i]);
        } else if (a == "--bericht" && i + 1 < argc) {
            bericht = argv[++i];
        } else if (a == "--absender" && i + 1 < argc) {
            std::string paar = argv[++i];
            size_t gleich = paar.find('=');
            if (gleich == std::string::npos)
                return Gebrauch();
            o.absender.emplace_back(paar.substr(0, gleich), paar.substr(gleich + 1));
        } else if (a == "--still") {
            g_still = true;
        } else if (!a.empty() && a[0] == '-') {
            return Gebrauch();
        } else {
            quellen.push_back(a);
        }
    }
    if (quellen.empty())
        return Gebrauch();
    if (!bericht.empty()) {
        char pfad[EANCOM_PFAD];
        if (IstOrdner(bericht.c_str()))
            g_bericht = EancomBerichtOeffnen(MitTrenner(bericht).c_str(), pfad, sizeof pfad);
        else
            g_bericht = fopen(bericht.c_str(), "wb");
        if (g_bericht == nullptr) {
            fprintf(stderr, "the report file %s cannot be written\n", bericht.c_str());
            return 2;
        }
    }
    /* every source of the run is known before the first is converted */
    EANCOM_LAUFDATEIEN* lauf = static_cast<EANCOM_LAUFDATEIEN*>(calloc(1, sizeof(EANCOM_LAUFDATEIEN)));
    o.lauf = lauf;
    std::vector<std::string> dateien;
    for (const std::string& q : quellen) {
        if (IstOrdner(q.c_str())) {
            std::string ordner = MitTrenner(q);
            for (const std::string& name : eancom::ordner_dateien(ordner)) {
                std::string pfad = ordner + name;
                if (name[0] == '~' && name.size() > 4 && name.compare(name.size() - 4, 4, ".TMP") == 0) {
                    Zeile(pfad + ": a working file of a conversion: passed over");
                } else if (!EancomDateiErkennen(pfad.c_str())) {
                    Zeile(pfad + ": not an EDIFACT interchange: passed over");
                } else {
                    dateien.push_back(pfad);
                }
            }
        } else {
            dateien.push_back(q);
        }
    }
    for (const std::string& d : dateien)
        EancomLaufDatei(lauf, d.c_str());
    if (dateien.empty()) {
        Zeile("no EANCOM interchange found");
        free(lauf);
        if (g_bericht)
            fclose(g_bericht);
        return 2;
    }
    int umgesetzt = 0, abgelehnt = 0, leer = 0;
    for (const std::string& d : dateien) {
        eancom::Ergebnis e;
        o.fortschritt = Fortschritt;
        o.fortschrittDaten = const_cast<char*>(d.c_str());
        int r = eancom::eancom_datei_umsetzen(d.c_str(), ziel.empty() ? OrdnerVon(d) : ziel, e, o);
        if (!g_still && e.nachrichten > 0)
            fprintf(stderr, "\r");
        char kopf[EANCOM_ZEILE];
        snprintf(kopf, sizeof kopf, "%s: %d of %d messages converted (%ld catalogue records, %ld despatch "
                 "positions, %d lines dropped)", d.c_str(), e.umgesetzt, e.nachrichten, e.variationen,
                 e.positionen, e.verworfen);
        Zeile(kopf);
        for (const std::string& m : e.zeilen)
            Zeile("  " + m);
        umgesetzt += e.umgesetzt;
        abgelehnt += e.abgelehnt;
        leer += r == 2;
    }
    free(lauf);
    if (g_bericht)
        fclose(g_bericht);
    if (umgesetzt == 0)
        return 2;
    return abgelehnt > 0 || leer > 0 ? 1 : 0;
}
