/*
 * ziel_engine.cpp - fuzz target: catalogue rows through the import engine
 * into the replacement host's real store (articles, size/colour tables,
 * EANs and the articles' EAN files, change records, learnt keywords),
 * with hostile values on the page: texts of full width without
 * terminator, prices at the ends of their range, characteristic numbers
 * the store does not hold, table kinds that do not fit, EANs of any shape.
 *
 * One store for the whole run, in a fresh folder; each input is one
 * article of one to eight rows, written as the import page writes them
 * (new article first, then its table; an existing one the other way
 * round; the EAN last). Besides the sanitizers it checks that every
 * article the engine reports as written can be read back.
 */
#include "engine_hilfen.h"
#include "nativ/werkzeug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Quelle = NativQuelle;

int32_t Zahl(Quelle& q)
{
    uint32_t z = 0;
    for (int i = 0; i < 4; i++)
        z = z << 8 | q.Byte();
    return static_cast<int32_t>(z);
}

std::string Text(Quelle& q, size_t hoechstens)
{
    std::string t;
    size_t n = q.Byte() % (hoechstens + 1);
    for (size_t i = 0; i < n && q.rest > 0; i++)
        t += static_cast<char>(q.Byte());
    return t;
}

/* Fills a fixed field: up to its full width, terminator not promised. */
void Feld(Quelle& q, char* feld, size_t breite)
{
    size_t n = q.Byte() % (breite + 1);
    for (size_t i = 0; i < n; i++)
        feld[i] = static_cast<char>(q.Byte());
}

void Pruefen(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "engine: %s\n", was);
        std::abort();
    }
}

enginehilfe::Lager& Lager()
{
    static enginehilfe::Lager* lager = new enginehilfe::Lager("fuzz_engine");
    return *lager;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    enginehilfe::Lager& l = Lager();
    EDI_KONTEXT* k = l.k;
    Quelle q{ daten, groesse };
    std::string artikel = Text(q, 40);
    int zeilen = 1 + q.Byte() % 8;
    uint8_t schalter = q.Byte();
    k->AktuelleArtikelNummer = 0;
    k->SeiteSenkrechtArt = (schalter & 1) ? q.Byte() % 14 - 1 : enginehilfe::kGroesse;
    k->SeiteWaagrechtArt = (schalter & 2) ? q.Byte() % 14 - 1 : enginehilfe::kFarbe;
    k->SeiteStandard = (schalter & 4) ? 1 : 0;
    k->SeiteMwstKombiSatz = (schalter & 8) ? q.Byte() % 8 - 1 : -1;
    for (int n = 0; n < zeilen && q.rest > 0; n++) {
        int i = q.Byte() % 4, j = q.Byte() % 4;
        bool preise = q.Byte() & 1;
        std::string kennung = Text(q, 2), zusatz = Text(q, 40);
        l.SeiteFuellen(artikel, i, j, 1995, kennung.c_str(), zusatz.c_str());
        if (preise) {
            k->OxOut.Ek1 = Zahl(q);
            k->OxOut.Ek2 = Zahl(q);
            k->OxOut.Vk1 = Zahl(q);
            k->OxOut.Vk2 = Zahl(q);
        }
        PRICAT_SATZ z = l.Zeile(artikel, i, j);
        uint8_t was = q.Byte();
        if (was & 1)
            Feld(q, z.PricatDaten.Ean, sizeof z.PricatDaten.Ean);
        if (was & 2)
            Feld(q, z.PricatDaten.Lieferantenfarbe, sizeof z.PricatDaten.Lieferantenfarbe);
        if (was & 4) {
            int art = q.Byte() % SEITE_ARTEN;
            Feld(q, k->OxOut.Code[art], sizeof k->OxOut.Code[art]);
            Feld(q, k->OxOut.Bezeichnung[art], sizeof k->OxOut.Bezeichnung[art]);
        }
        if (was & 8)
            Feld(q, k->OxOut.Farbtext, sizeof k->OxOut.Farbtext);
        if (was & 16) {
            k->DialogWerte.Art[enginehilfe::kGroesse].Nummer = Zahl(q);
            k->DialogWerte.Art[enginehilfe::kFarbe].Nummer = Zahl(q);
        }
        if (was & 32)
            k->OxOut.Mwst = Zahl(q);
        if (was & 64)
            Feld(q, k->OxOut.ArtikelText, sizeof k->OxOut.ArtikelText);
        int32_t geschrieben = l.Schreiben(z);
        if (geschrieben > 0) {
            ARTIKEL_SATZ a;
            Pruefen(ARTLIB_ReadArtikel(k->ArtikelHandle, geschrieben, &a) == 1, "a written article cannot be read");
        }
    }
    return 0;
}
