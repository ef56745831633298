/*
 * engine_hilfen.h - a store with one supplier, its characteristics and a
 * catalogue article of 4 sizes x 4 colours, and the page filled for a row
 * as the import page would fill it, for the engine's tests and benchmark.
 */
#ifndef OX_TEST_ENGINE_HILFEN_H
#define OX_TEST_ENGINE_HILFEN_H

#include <cstring>
#include <string>

#include "engine/engine.h"
#include "katalog_hilfen.h"
#include "callbacks.h"
#include "hostapi/oxtexdefs.h"
#include "oxgen.h"
#include "pricat_in/eanliste.h"
#include "DBADLL/dbadll_host.h"

namespace enginehilfe {

const int32_t kLieferant = 12;
const char kIln[] = "4012345000009";
const int32_t kGroesse = 7, kFarbe = 6;

inline int32_t MerkmalAnlegen(int32_t art, const std::string& code, const std::string& text)
{
    MERKMAL_SATZ m;
    std::memset(&m, 0, sizeof m);
    EDI_SETZEN(m, Code, code);
    EDI_SETZEN(m, Text, text);
    int32_t n = MMLIB_MerkmalAnlegen(art, &m);
    return n > 0 ? n : MMLIB_SucheCode(art, code.c_str(), nullptr);
}

/* A context with the store of one supplier and characteristics of every
 * kind the page writes; the page's controls registered, the article store
 * open, vertical kind Groesse and horizontal kind Farbe selected. */
struct Lager {
    TestKontext t;
    EDI_KONTEXT* k;
    int32_t groesse[4], farbe[4];
    int32_t warengruppe, serie, saison;

    explicit Lager(const std::string& name) : t(name), k(t.k)
    {
        LieferantAnlegen(kLieferant, kIln);
        const char* groessen[] = { "36", "38", "40", "42" };
        const char* farben[] = { "10", "20", "30", "40" };
        const char* farbtexte[] = { "rot", "blau", "gruen", "gelb" };
        for (int i = 0; i < 4; i++) {
            groesse[i] = MerkmalAnlegen(kGroesse, groessen[i], std::string("Gr. ") + groessen[i]);
            farbe[i] = MerkmalAnlegen(kFarbe, farben[i], farbtexte[i]);
        }
        MerkmalAnlegen(1, "DOB", "Damen");
        warengruppe = MerkmalAnlegen(2, "31", "Strick");
        serie = MerkmalAnlegen(3, "7", "Basic");
        MerkmalAnlegen(4, "12", "Nordlicht");
        MerkmalAnlegen(5, "5", "Baumwolle");
        saison = MerkmalAnlegen(11, "HW", "Herbst/Winter");
        k->AktuellerLieferant = kLieferant;
        TextKopieren(k->LieferantNummerText, sizeof k->LieferantNummerText, "12");
        std::memcpy(k->KatalogLieferantIln, kIln, sizeof k->KatalogLieferantIln);
        EDIMapDBA_MakeEDIMAPMem(kIln);
        k->ArtikelHandle = ARTLIB_OeffneDatenbank();
        k->SeiteSenkrechtArt = kGroesse;
        k->SeiteWaagrechtArt = kFarbe;
        k->SeiteMwstKombiSatz = -1;
        SeitenMerkmaleAnmelden();
        BezugszeitMerken();
    }
    ~Lager()
    {
        AuftraegeVerwerfen();
        EanDateiSchliessen();
        EDIMapDBA_FreeEDIMAPMem();
        if (k->ArtikelHandle > 0)
            ARTLIB_SchliesseDatenbank(k->ArtikelHandle);
    }
    Lager(const Lager&) = delete;
    Lager& operator=(const Lager&) = delete;

    /* The work table emptied, sizes down and colours across, with the
     * given first size and colour (0 = none). */
    OXTABELLE* Arbeitstabelle(int32_t ersteGroesse, int32_t ersteFarbe)
    {
        OXTABELLE* t = &k->DialogWerte.Tabelle;
        TAB_ClearTabelle(t, 0);
        t->MerkmalSenkrecht = kGroesse;
        t->MerkmalWaagrecht = kFarbe;
        t->Senkrecht[0] = ersteGroesse;
        t->Waagrecht[0] = ersteFarbe;
        return t;
    }

    /* A catalogue variation of article `artikel`: size i, colour j. */
    PRICAT_SATZ Zeile(const std::string& artikel, int i, int j) const
    {
        PRICAT_SATZ z;
        std::memset(&z, 0, sizeof z);
        z.Ausgewaehlt = 1;
        PRICAT_DATEN& d = z.PricatDaten;
        EDI_SETZEN(d, LieferantenIln, kIln);
        char ean[14];
        GenEan13(ean, 400000000000ULL + static_cast<uint64_t>(std::atoll(artikel.c_str()) % 1000000) * 100 +
                          static_cast<uint64_t>(i * 10 + j));
        EDI_SETZEN(d, Ean, std::string(ean));
        EDI_SETZEN(d, Artikel, artikel + "@Pullover");
        const char* farben[] = { "10", "20", "30", "40" };
        const char* farbtexte[] = { "rot", "blau", "gruen", "gelb" };
        EDI_SETZEN(d, BleFarbe, std::string(farben[j]));
        EDI_SETZEN(d, Lieferantenfarbe, std::string(farbtexte[j]));
        EDI_SETZEN(d, MwstSatz, "19");
        return z;
    }

    /* Fills the page for size i, colour j of `artikel` as the run shows
     * the row: catalogue keywords, the host-side codes and numbers of every
     * kind, prices (EK1 = ek, EK2 = ek, VK1 = VK2 = 2 ek), identification and
     * additional text. */
    void SeiteFuellen(const std::string& artikel, int i, int j, int32_t ek = 1995, const char* kennung = "",
                      const char* zusatz = "pflegeleicht")
    {
        IMPORT_OXOUT& o = k->OxOut;
        std::memset(&o, 0, sizeof o);
        std::memset(&k->EdiWerte, 0, sizeof k->EdiWerte);
        TextKopieren(o.ArtikelText, sizeof o.ArtikelText, artikel.c_str());
        TextKopieren(o.EdiText[0], sizeof o.EdiText[0], (artikel + "@Pullover").c_str());
        const char* groessen[] = { "36", "38", "40", "42" };
        const char* farben[] = { "10", "20", "30", "40" };
        const char* farbtexte[] = { "rot", "blau", "gruen", "gelb" };
        const char* codes[SEITE_ARTEN] = { "", "DOB", "31", "7", "12", "5", farben[j], groessen[i], "12", "", "", "HW" };
        for (int art = 1; art < SEITE_ARTEN; art++)
            TextKopieren(o.Code[art], sizeof o.Code[art], codes[art]);
        TextKopieren(o.EdiText[kGroesse], sizeof o.EdiText[kGroesse], groessen[i]);
        TextKopieren(o.EdiText[kFarbe], sizeof o.EdiText[kFarbe], farben[j]);
        TextKopieren(k->EdiWerte.Farbtext, sizeof k->EdiWerte.Farbtext, farbtexte[j]);
        k->DialogWerte.Art[kGroesse].Nummer = groesse[i];
        k->DialogWerte.Art[kFarbe].Nummer = farbe[j];
        o.Ek1 = o.Ek2 = ek;
        o.Vk1 = o.Vk2 = 2 * ek;
        o.Mwst = 2;
        TextKopieren(o.Kennung, sizeof o.Kennung, kennung);
        TextKopieren(o.Zusatztext, sizeof o.Zusatztext, zusatz);
    }

    /* Writes the shown row as the import page does: a new article is
     * created first and then gets its table; an existing one gets its
     * table first and is then corrected. The EAN follows. */
    int32_t Schreiben(const PRICAT_SATZ& zeile)
    {
        if (k->AktuelleArtikelNummer == 0) {
            ArtikelAnlegen(1);
            TabelleFuerZeileBauen(&zeile, k->AktuelleArtikelNummer);
        } else {
            TabelleFuerZeileBauen(&zeile, k->AktuelleArtikelNummer);
            ArtikelAnlegen(0);
        }
        EanRegistrieren(k->AktuelleArtikelNummer, &zeile);
        return k->AktuelleArtikelNummer;
    }

    /* The 16 variations of `artikel`, one by one; returns the article. */
    int32_t ArtikelSchreiben(const std::string& artikel, int32_t ek = 1995)
    {
        k->AktuelleArtikelNummer = 0;
        for (int i = 0; i < 4; i++)
            for (int j = 0; j < 4; j++) {
                SeiteFuellen(artikel, i, j, ek);
                Schreiben(Zeile(artikel, i, j));
            }
        return k->AktuelleArtikelNummer;
    }
};

} // namespace enginehilfe

#endif
