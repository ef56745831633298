/*
 * partner_hilfen.cpp - see partner_hilfen.h.
 */
#include "partner_hilfen.h"

#include "kontext/ktoxedi.h"
#include "harness/testordner.h"
#include "hostapi/oxinifile.h"
#include "partner/desadv.h"

#include <string.h>

const char* const EIGENE_GLN = "4012345000009";
const char* const FREMDE_GLN = "4099999000005";
const char* const KURZE_GLN = "401234500000";

std::vector<ProgrammStart> g_Starts;

namespace {
PROGRAMMSTARTER g_Original;

UINT WINAPI Aufzeichnen(LPCSTR befehl, UINT anzeige)
{
    g_Starts.push_back({ befehl ? befehl : "", anzeige });
    return 33;
}
} // namespace

PartnerHost::PartnerHost(const std::string& name)
{
    g_ModulInstanz = GetModuleHandleA(nullptr);
    g_StandinStill = 1;
    wurzel = NeuerTestordner(name);
    Standin_Init(host, wurzel + "DATEN\\");
    INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 1);
    INI_PutString("EIGNER", "GLNNUMMER01", EIGENE_GLN);
    g_Starts.clear();
    g_Original = g_DesadvProgrammStarter;
    g_DesadvProgrammStarter = Aufzeichnen;
}

PartnerHost::~PartnerHost()
{
    g_DesadvProgrammStarter = g_Original;
}

GEN_DESADV_POSITION Position(const std::string& gtin, const std::string& iln, int32_t menge, const std::string& text)
{
    GEN_DESADV_POSITION p;
    p.Gtin = gtin;
    p.Iln = iln;
    p.Menge = menge;
    p.ZweiterText = text;
    return p;
}

std::string DesadvDatei(const std::string& pfad, const std::vector<GEN_DESADV_POSITION>& positionen,
                        int32_t beschaedigt)
{
    GEN_DESADV d;
    d.Pfad = pfad;
    d.Lieferant = 1;
    d.EmpfaengerIln = EIGENE_GLN;
    d.Liste = positionen;
    d.Beschaedigt = beschaedigt;
    GEN_DESADV_ERGEBNIS e;
    return GenDesadvSchreiben(&d, &e) ? pfad : std::string();
}

std::string ErsteZeile(const std::string& pfad)
{
    std::string inhalt = DateiLesen(pfad);
    size_t ende = inhalt.find('\n');
    return ende == std::string::npos ? inhalt : inhalt.substr(0, ende + 1);
}

std::vector<Satz> SaetzeLesen(const std::string& pfad)
{
    std::vector<Satz> saetze;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (h == 0)
        return saetze;
    char puffer[EDI_SATZ_GROESSE];
    int32_t satzart = 0, nachrichtenart = 0, zusatz = 0;
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, puffer, sizeof puffer, &satzart, &nachrichtenart, &zusatz,
                                                        EIGENE_GLN) == 1)
        saetze.push_back({ puffer, satzart, nachrichtenart });
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    return saetze;
}

std::string GtinVon(const Satz& s)
{
    DESADV_KOPF kopf;
    DESADV_REFERENZ referenz;
    DESADV_POSITION position;
    if (EDIDESADV_VerarbeiteDESADV_Satz(s.text.c_str(), s.nachrichtenart, &kopf, &referenz, &position) != 1)
        return std::string();
    return std::string(position.Gtin, strnlen(position.Gtin, sizeof position.Gtin));
}
