/*
 * ziel_kopf.cpp - fuzz target: the header line of a catalogue file
 * (KatalogKopfAuswerten), the address file path, and the small text rules
 * (after "@", upper case, numbers, trimming, key and text of a keyword),
 * and the export's file names: a name found in the export folder read as
 * a working name, and names built from a supplier text and extension.
 */
#include "pricat_in/stichwort.h"
#include "grund/text.h"
#include "KTLINEREAD/ktlineread_host.h"
#include "nativ/werkzeug.h"
#include "pricat_in/katalogtext.h"
#include "pricat_in/kopf.h"
#include "pricat_out/exportnamen.h"

#include <cstring>
#include <string>

static int g_suchen = 0;

static int32_t Suche(const char* iln)
{
    g_suchen++;
    NativPruefen(iln != nullptr && std::strlen(iln) <= 15, "ILN handed to the lookup is bounded");
    return std::strcmp(iln, "4000000000001") == 0 ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const char* text = reinterpret_cast<const char*>(daten);
    int32_t leser = LR_OpenReaders();

    KATALOG_KOPF kopf;
    g_suchen = 0;
    NativPruefen(KatalogKopfAuswerten(text, groesse, Suche, &kopf) == 1, "header read");
    NativPruefen(std::strlen(kopf.Beschreibung) <= 63 && std::strlen(kopf.Iln) <= 15, "header fields cut");
    NativPruefen(g_suchen >= 1 && g_suchen <= 2, "one or two lookups");
    NativPruefen((kopf.LieferantNummer == 1) == (std::strcmp(kopf.Iln, "4000000000001") == 0),
                 "supplier belongs to the ILN kept");
    NativPruefen(LR_OpenReaders() == leser, "line readers released");

    /* the bytes as a text of up to 400 characters */
    std::string s(text, groesse < 400 ? groesse : 400);
    s = s.c_str();

    char pfad[OX_TXT_PATH];
    if (AdressPfadBilden(s.c_str(), pfad, sizeof pfad) == 1) {
        size_t n = std::strlen(pfad);
        NativPruefen(n >= 4 && n <= 259 && std::strcmp(pfad + n - 4, ".ADR") == 0, "address path ends in .ADR");
    } else {
        NativPruefen(pfad[0] == '\0', "no address path");
    }

    char kurz[8], lang[512];
    TextNachAt(s.c_str(), kurz, sizeof kurz);
    TextNachAt(s.c_str(), lang, sizeof lang);
    NativPruefen(std::strncmp(kurz, lang, std::strlen(kurz)) == 0, "cut text is a prefix");
    const char* at = std::strchr(s.c_str(), '@');
    NativPruefen(std::strcmp(lang, at ? at + 1 : s.c_str()) == 0, "text after @");

    std::string gross = s;
    TextGross(gross.data());
    NativPruefen(gross.size() == s.size(), "upper case keeps the length");
    for (char c : gross)
        NativPruefen(!(c >= 'a' && c <= 'z'), "no small ASCII letter left");

    ZahlAusText(s.c_str());
    std::string getrimmt = s;
    TextTrimmen(getrimmt.data());
    getrimmt = getrimmt.c_str();
    NativPruefen(getrimmt.empty() || (getrimmt.front() != ' ' && getrimmt.back() != ' '), "trimmed");

    char schluessel[16], wort[32];
    int r = StichwortZerlegen(s.c_str(), schluessel, sizeof schluessel, wort, sizeof wort);
    NativPruefen(r == (std::strchr(s.substr(0, 255).c_str(), '@') ? 1 : 0), "split result");
    NativPruefen(std::strlen(schluessel) < sizeof schluessel && std::strlen(wort) < sizeof wort, "split bounded");

    /* The text as a file name in the export folder: a working name reads
     * back into the name it was made from. */
    char endname[260], kennung[EXPORT_KENNUNG_GROESSE], wieder[520];
    int art = ExportArbeitsname(s.c_str(), endname, sizeof endname, kennung);
    if (art != ARBEIT_KEINE) {
        NativPruefen(ExportKennungAlter(kennung, 0) >= 0, "tag of a working name is a tag");
        NativPruefen(ExportArbeitsPfad(wieder, sizeof wieder, endname, kennung, art) == 1 && s == wieder,
                     "working name built again");
    } else {
        NativPruefen(endname[0] == '\0' && kennung[0] == '\0', "no name, no tag");
    }
    if (ExportArbeitsPfad(wieder, sizeof endname, s.c_str(), "0123456789AB", ARBEIT_ALT) == 1) {
        NativPruefen(ExportArbeitsname(PfadDateiname(wieder), endname, sizeof endname, kennung) == ARBEIT_ALT, "own working name read");
        NativPruefen(std::strcmp(kennung, "0123456789AB") == 0, "own tag read");
    }

    /* The text as supplier name and extension of a catalogue name. */
    char katalog[260], partner[260];
    std::string name = s.substr(0, s.size() / 2), erweiterung = s.substr(s.size() / 2);
    if (ExportKatalogPfad(katalog, sizeof katalog, "C:\\EDI_EXPORT\\", name.c_str(), erweiterung.c_str()) == 1) {
        size_t n = std::strlen(katalog);
        NativPruefen(n <= 259 && std::strcmp(katalog + n - 4, ".INH") == 0, "catalogue ends in .INH");
        NativPruefen(std::strchr(katalog + 14, ' ') == nullptr, "no blank in the name part");
        NativPruefen(ExportPartnerPfad(partner, sizeof partner, katalog, ".ADR") == 1 &&
                         std::strlen(partner) == n,
                     "partner of the same length");
    } else {
        NativPruefen(katalog[0] == '\0', "no catalogue name");
    }
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    NativArbeitsordner();
    return 0;
}
