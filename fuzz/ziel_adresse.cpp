/*
 * ziel_adresse.cpp - fuzz target: the supplier address file (".ADR")
 * reader, and the writer's line read back.
 *
 * The first byte chooses the catalogue's ILN (a known supplier or not),
 * the rest is the address file. Supplier 5 is stored beforehand with
 * values the file may or may not replace.
 */
#include "hostapi/fileio.h"
#include "KTLINEREAD/ktlineread_host.h"
#include "nativ/werkzeug.h"
#include "pricat_in/adresse.h"
#include "pricat_in/katalogtext.h"

#include <cstring>
#include <string>

namespace {

LIEFERANTEN_SATZ Vorher()
{
    LIEFERANTEN_SATZ s;
    std::memset(&s, 0, sizeof s);
    std::strcpy(s.Name, "Alt GmbH");
    std::strcpy(s.Ort, "Altstadt");
    std::strcpy(s.BestellAdresse, "Alt\r\nWeg 1\r\n");
    s.Frachtfrei = 7;
    s.UstFrei = 1;
    s.EanPruefung = 3;
    std::strcpy(s.Iln[0], "4000000000005");
    std::strcpy(s.Iln[3], "4000000000006");
    return s;
}

/* A text field of the record is terminated inside its buffer. */
void FelderBegrenzt(const LIEFERANTEN_SATZ& s)
{
    for (const ADR_SPALTE& sp : ADR_SPALTEN) {
        if (sp.Art == ADR_TEXT || sp.Art == ADR_MEHRZEILIG || sp.Art == ADR_ILN)
            NativPruefen(strnlen(reinterpret_cast<const char*>(&s) + sp.Offset, sp.Groesse) < (size_t)sp.Groesse,
                         "text field terminated");
    }
}

std::string Rtrim(const char* feld, size_t breite)
{
    std::string s(feld, strnlen(feld, breite));
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

/* The writer's line of `s` read into a cleared record gives `s` again
 * (blanks at the end of a cut value aside; flags as 0/1; ILN slots with
 * 13 characters; Frachtfrei and USTfrei are not read). */
void Rundreise(const LIEFERANTEN_SATZ& s)
{
    char zeile[ADR_ZEILE_MAX + 1];
    int32_t laenge = AdressDatenzeileBilden(&s, "12", zeile, sizeof zeile);
    NativPruefen(laenge > 0 && laenge <= ADR_ZEILE_MAX && zeile[laenge - 1] == '\n', "data line written");
    zeile[laenge - 1] = '\0';
    LIEFERANTEN_SATZ r;
    std::memset(&r, 0, sizeof r);
    NativPruefen(AdressZeileUebernehmen(zeile, "", &r) == 0, "no supplier looked up");
    for (const ADR_SPALTE& sp : ADR_SPALTEN) {
        const char* a = reinterpret_cast<const char*>(&s) + sp.Offset;
        const char* b = reinterpret_cast<const char*>(&r) + sp.Offset;
        if (sp.Art == ADR_TEXT || sp.Art == ADR_MEHRZEILIG) {
            std::string erwartet = Rtrim(a, sp.Groesse);
            size_t anfang = erwartet.find_first_not_of(' ');
            erwartet = anfang == std::string::npos ? "" : erwartet.substr(anfang);
            /* a one-line value keeps no line break; a multi-line value has
             * no way to carry a "~" or "^" of its own */
            for (char& c : erwartet) {
                if (sp.Art == ADR_TEXT && (c == '\r' || c == '\n'))
                    c = ' ';
                else if (sp.Art == ADR_MEHRZEILIG && c == '~')
                    c = '\r';
                else if (sp.Art == ADR_MEHRZEILIG && c == '^')
                    c = '\n';
            }
            NativPruefen(Rtrim(b, sp.Groesse) == Rtrim(erwartet.c_str(), erwartet.size() + 1), sp.Name);
        } else if (sp.Art == ADR_SCHALTER) {
            int16_t x, y;
            std::memcpy(&x, a, 2);
            std::memcpy(&y, b, 2);
            NativPruefen((x != 0) == (y == 1) && (y == 0 || y == 1), sp.Name);
        } else if (sp.Art == ADR_ILN) {
            bool dreizehn = strnlen(a, sp.Groesse) == 13;
            NativPruefen(dreizehn ? std::strcmp(a, b) == 0 : b[0] == '\0', sp.Name);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    int32_t leser = LR_OpenReaders();
    NativLieferantenLeeren();
    NativLieferantSetzen(5, Vorher());
    long geschrieben = g_NativLieferantGeschrieben;

    const char* iln = (daten[0] & 1) ? "4000000000009" : "4000000000005";
    NativDateiSchreiben("K.INH", "", 0);
    NativDateiSchreiben("K.ADR", daten + 1, groesse - 1);

    int32_t nummer = AdressDateiImportieren("K.INH", iln);

    NativPruefen(g_NativMerkmalOffen == 0 && g_NativLieferantenOffen == 0, "stores closed");
    NativPruefen(LR_OpenReaders() == leser, "line readers released");
    NativPruefen(nummer == 0 || nummer == 5, "only the known supplier");
    LIEFERANTEN_SATZ s = NativLieferant(5);
    FelderBegrenzt(s);
    NativPruefen(s.Frachtfrei == 7 && s.UstFrei == 1 && s.EanPruefung == 3, "fields outside the file kept");
    for (int slot = 0; slot < DBA_ILN_SLOTS; slot++) {
        size_t n = strnlen(s.Iln[slot], 14);
        LIEFERANTEN_SATZ alt = Vorher();
        NativPruefen(n == 13 || std::strcmp(s.Iln[slot], alt.Iln[slot]) == 0, "ILN slot: 13 characters or kept");
    }
    if (nummer == 5) {
        NativPruefen(FileIO_Exist("K.ADR") == 0, "address file consumed");
        NativPruefen(g_NativLieferantGeschrieben == geschrieben + 1, "one write");
    } else {
        NativPruefen(g_NativLieferantGeschrieben == geschrieben, "nothing written for an unknown supplier");
        LIEFERANTEN_SATZ alt = Vorher();
        NativPruefen(std::memcmp(&s.Name, &alt.Name, sizeof s.Name) == 0, "stored supplier untouched");
    }
    Rundreise(s);
    NativPruefen(LR_OpenReaders() == leser, "line readers released");
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    NativArbeitsordner();
    /* the header line does not depend on the input: checked once */
    char kopf[ADR_ZEILE_MAX + 1];
    NativPruefen(AdressKopfzeileBilden(kopf, sizeof kopf) > 0, "header line written");
    return 0;
}
