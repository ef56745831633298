/*
 * saat_eancom.cpp - writes the seed inputs of the EANCOM fuzz target into
 * <folder>/eancom/: catalogues and despatch advices in each notation the
 * reader takes, several messages per interchange, and broken ones.
 *
 *   saat_eancom <korpus folder>
 */
#include "eancom_muster.h"

#include <filesystem>
#include <fstream>
#include <string>

using namespace eancom;

namespace {

void Schreiben(const std::filesystem::path& ordner, const std::string& name, const std::string& inhalt)
{
    std::filesystem::create_directories(ordner);
    std::ofstream f(ordner / name, std::ios::binary);
    f << inhalt;
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path ordner = std::filesystem::path(argc > 1 ? argv[1] : "fuzz/korpus") / "eancom";
    MusterPricat p = muster_katalog(3, 2, 3, 401234510000ull);
    p.variationen[1].preisbasis = "10";
    p.variationen[2].aktion = "2";
    MusterDesadv d;
    d.lieferant.gln = "4012345000016";
    d.kaeufer.gln = "4012345000009";
    d.bestellung = "B-1";
    d.sscc = "340123450000000017";
    d.positionen = { { "4012345100006", "SM-1", "Jacke", "rot", "L", "2", "B-2", "1" },
                     { "04012345100013", "SM-2", "Bluse", "", "", "5", "", "" } };
    Trenner anders = muster_trenner('^', '*', ',', '#', '~');
    struct Fall {
        const char* name;
        bool zeilen, crlf, bom;
        const char* zs;
        Trenner t;
    } faelle[] = {
        { "standard", true, false, false, "UNOC", Trenner() },
        { "eine_zeile", false, false, false, "UNOA", Trenner() },
        { "crlf_bom_utf8", true, true, true, "UNOY", Trenner() },
        { "una_anders", false, false, false, "UNOC", anders },
    };
    for (const Fall& f : faelle) {
        Schreibweise w;
        w.zeilen = f.zeilen;
        w.crlf = f.crlf;
        w.bom = f.bom;
        w.zeichensatz = f.zs;
        w.t = f.t;
        Schreiben(ordner, std::string("pricat_") + f.name, muster_interchange({ muster_pricat(p, w) }, w));
        Schreiben(ordner, std::string("desadv_") + f.name, muster_interchange({ muster_desadv(d, w) }, w));
    }
    Schreibweise w;
    MusterPricat alt = p;
    alt.version = "96A";
    alt.referenz = "2";
    MusterDesadv d3 = d;
    d3.referenz = "3";
    Schreiben(ordner, "mehrere", muster_interchange({ muster_pricat(p, w), muster_pricat(alt, w), muster_desadv(d3, w) }, w));
    std::string kaputt = muster_interchange({ muster_pricat(p, w) }, w);
    Schreiben(ordner, "ohne_unt", kaputt.substr(0, kaputt.find("UNT+")) + "UNZ+1+IC1'");
    Schreiben(ordner, "abgeschnitten", kaputt.substr(0, kaputt.size() / 2));
    return 0;
}
