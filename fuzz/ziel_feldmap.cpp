/*
 * ziel_feldmap.cpp - fuzz target: the field map loader and the keywords
 * composed through it (hostile "Mk_s_P" positions and lengths, field
 * numbers out of range, ten and more "+" parts, missing keys).
 *
 * The bytes up to the first NUL are the field map file; the byte behind it
 * holds switches (bit 0: article numbers in capitals), the rest fills a
 * catalogue record.
 */
#include "pricat_in/stichwort.h"
#include "KTLINEREAD/ktlineread_host.h"
#include "nativ/werkzeug.h"
#include "pricat_in/zeilen.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {
FELDMAP_STAND g_feldmap;
const char* ILN = "4000000000001";
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    int32_t leser = LR_OpenReaders();
    const uint8_t* ende = static_cast<const uint8_t*>(std::memchr(daten, 0, groesse));
    size_t iniLaenge = ende ? static_cast<size_t>(ende - daten) : groesse;
    NativDateiSchreiben(g_NativFeldMapOrdner + ILN + ".INI", daten, iniLaenge);

    uint8_t schalter = 0;
    PRICAT_DATEN satz;
    std::memset(&satz, 0, sizeof satz);
    if (ende != nullptr && iniLaenge + 1 < groesse) {
        schalter = daten[iniLaenge + 1];
        size_t rest = groesse - iniLaenge - 2;
        std::memcpy(&satz, daten + iniLaenge + 2, rest < sizeof satz ? rest : sizeof satz);
    }

    /* a fresh load for every input */
    std::memset(&g_feldmap, 0, sizeof g_feldmap);
    std::strcpy(g_feldmap.GeladenIln, "x");
    g_feldmap.Vorhanden = 1;
    STICHWORT_REGELN regeln{ &g_feldmap, ILN, (schalter & 1) ? 1 : 0 };

    for (int art = -2; art <= 14; art++) {
        char wort[STICHWORT_GROESSE];
        std::memset(wort, 'q', sizeof wort);
        NativPruefen(FeldMapStichwort(&regeln, art, &satz, wort, sizeof wort) == 1, "field map in force");
        NativPruefen(std::memchr(wort, 0, sizeof wort) != nullptr, "mapped keyword terminated");
        bool mitArt = art >= 0 && art <= 11 && art != 8 && art != 9 && art != 10;
        NativPruefen(mitArt || wort[0] == '\0', "kinds 8, 9, 10 and others give nothing");
        if (art == 0 && regeln.Grossschreibung)
            for (const char* p = wort; *p; p++)
                NativPruefen(!(*p >= 'a' && *p <= 'z'), "article number in capitals");

        char nochmal[STICHWORT_GROESSE];
        FeldMapStichwort(&regeln, art, &satz, nochmal, sizeof nochmal);
        NativPruefen(std::strcmp(wort, nochmal) == 0, "same keyword without a reload");

        char klein[5];
        FeldMapStichwort(&regeln, art, &satz, klein, sizeof klein);
        NativPruefen(std::strncmp(klein, wort, std::strlen(klein)) == 0 && std::strlen(klein) <= 4, "cut to buffer");

        char gekuerzt[STICHWORT_GROESSE];
        StichwortDerArt(&regeln, art, &satz, gekuerzt, sizeof gekuerzt);
        size_t n = std::strlen(gekuerzt);
        size_t grenze = std::strlen(wort) <= STICHWORT_KURZ ? STICHWORT_KURZ
                        : (std::strchr(wort, '@') ? STICHWORT_KURZ_AT : STICHWORT_KURZ);
        NativPruefen(n == std::min(std::strlen(wort), grenze), "keyword cut to 23 or 28");
        NativPruefen(std::strncmp(gekuerzt, wort, n) == 0, "cut keyword is a prefix");

        char schluessel[STICHWORT_GROESSE], text[STICHWORT_GROESSE], wert[FILTERWERT_LAENGE + 1];
        StichwortUndSchluesselDerArt(&regeln, art, &satz, schluessel, sizeof schluessel, text, sizeof text);
        FilterwertText(&regeln, &satz, art, wert);
        NativPruefen(std::strlen(wert) <= FILTERWERT_LAENGE, "value bounded");
    }
    NativPruefen(std::strcmp(g_feldmap.GeladenIln, ILN) == 0, "loaded ILN remembered");
    for (int art = 0; art < STICHWORT_ARTEN; art++)
        for (int teil = 0; teil < FELDMAP_TEILE; teil++)
            NativPruefen(g_feldmap.Feld[art][0][teil] == 0, "slot 0 stays empty");
    NativPruefen(NativIniStapel() == 0, "field map file released");
    NativPruefen(LR_OpenReaders() == leser, "line readers released");
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    NativArbeitsordner();
    mkdir(g_NativFeldMapOrdner.c_str(), 0700);
    return 0;
}
