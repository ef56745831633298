/*
 * partner_hilfen.h - a stand-in host with its own GLN, DESADV files from
 * the generator, and a watched program starter for the DESADV tests.
 */
#ifndef OX_TEST_PARTNER_HILFEN_H
#define OX_TEST_PARTNER_HILFEN_H

#include <windows.h>

#include <string>
#include <vector>

#include "hostapi/edi.h"
#include "oxgen.h"
#include "standin.h"

/* The own GLN of the test host, another 13-digit GLN, and one of 12. */
extern const char* const EIGENE_GLN;
extern const char* const FREMDE_GLN;
extern const char* const KURZE_GLN;

/* Programs the DESADV import started (instead of starting them). */
struct ProgrammStart {
    std::string befehl;
    UINT anzeige;
};
extern std::vector<ProgrammStart> g_Starts;

/* A fresh host data folder "<root>DATEN\" with the own GLN in its INI file,
 * and the program starter replaced by one that only records. The original
 * starter comes back when the object goes. */
struct PartnerHost {
    StandinHost host;
    std::string wurzel;
    explicit PartnerHost(const std::string& name);
    ~PartnerHost();
    PartnerHost(const PartnerHost&) = delete;
    PartnerHost& operator=(const PartnerHost&) = delete;
};

/* A DESADV position for the tests. */
GEN_DESADV_POSITION Position(const std::string& gtin, const std::string& iln, int32_t menge = 1,
                             const std::string& text = "SM-10001");

/* Writes a DESADV file of supplier 1 with exactly these positions (and
 * `beschaedigt` damaged lines between them); returns its path. */
std::string DesadvDatei(const std::string& pfad, const std::vector<GEN_DESADV_POSITION>& positionen,
                        int32_t beschaedigt = 0);

/* The first line of a file with its line end. */
std::string ErsteZeile(const std::string& pfad);

/* Every record of a file as the EDI reader hands them out. */
struct Satz {
    std::string text;
    int32_t satzart, nachrichtenart;
};
std::vector<Satz> SaetzeLesen(const std::string& pfad);

/* The GTIN of a DESADV position record (empty when it does not split). */
std::string GtinVon(const Satz& s);

#endif
