/*
 * eancom_lauf.h - the module's EANCOM converter (src/eancom) for programs
 * of the build machine and the tests: the report lines, files made and
 * memory files of one conversion collected in standard containers.
 */
#ifndef OX_TOOLS_EANCOM_LAUF_H
#define OX_TOOLS_EANCOM_LAUF_H

#include "eancom/eancom.h"

#include <string>
#include <utility>
#include <vector>

namespace eancom {

struct Ergebnis {
    int nachrichten = 0, umgesetzt = 0, abgelehnt = 0, verworfen = 0;
    long variationen = 0, positionen = 0;
    std::vector<std::string> dateien;     /* final paths of the files made */
    std::vector<std::string> meldungen;   /* refusals: a message or file not converted */
    std::vector<std::string> warnungen;   /* values not carried, segments passed over, lines dropped */
    std::vector<std::string> hinweise;
    /* memory mode (empty target folder): the files as name and bytes */
    std::vector<std::pair<std::string, std::string>> speicher;
    /* every line in the order written */
    std::vector<std::string> zeilen;
};

/* Options of a conversion beyond source and target. */
struct Optionen {
    EancomFortschrittFn fortschritt = nullptr;
    void* fortschrittDaten = nullptr;
    EANCOM_LAUFDATEIEN* lauf = nullptr;
    /* sender id -> supplier GLN */
    std::vector<std::pair<std::string, std::string>> absender;
};

int eancom_datei_umsetzen(const char* quelle, const std::string& zielOrdner, Ergebnis& e,
                          const Optionen& o = Optionen());
int eancom_speicher_umsetzen(const char* daten, size_t groesse, const std::string& name,
                             const std::string& zielOrdner, Ergebnis& e, const Optionen& o = Optionen());

/* The plain files of a folder, sorted (names without the folder). */
std::vector<std::string> ordner_dateien(const std::string& ordner);

} // namespace eancom

#endif
