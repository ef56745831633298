/*
 * Open orders follow an import: loaded once for the catalogue's supplier,
 * positions of the written article updated, heads recomputed.
 */
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine_hilfen.h"
#include "kontext/einstellungen.h"
#include "hostapi/ktlisten.h"
#include "DBADLL/dbadll_host.h"

using namespace enginehilfe;

namespace {

struct Position {
    const char* artikel;
    int32_t menge;
    int32_t tabellenMenge;
    uint16_t flags;
    int32_t wert;
};

/* An order of `lieferant` with status `status` and the given positions;
 * a position without entered quantity carries a size/colour table with
 * two pieces of the first size and colour. */
int32_t AuftragAnlegen(Lager& l, int32_t lieferant, uint16_t status, const std::vector<Position>& positionen)
{
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    std::memset(kopf.get(), 0, sizeof *kopf);
    kopf->LieferantNummer = lieferant;
    kopf->Status = status;
    int32_t nummer = AUFTRAGDBA_NeuerAuftrag(kopf.get());
    HOSTHANDLE h = AUFTRAGDBA_Open(nummer);
    auto p = std::make_unique<AUFTRAG_POSITION>();
    int32_t n = 0;
    for (const Position& pos : positionen) {
        std::memset(p.get(), 0, sizeof *p);
        EDI_SETZEN(*p, Kurztext, std::to_string(lieferant));
        EDI_SETZEN(*p, Langtext, std::string(pos.artikel));
        p->LieferantNummer = lieferant;
        p->Menge = pos.menge;
        p->TabellenMenge = pos.tabellenMenge;
        p->Flags = pos.flags;
        p->Wert = pos.wert;
        p->Ek1 = p->Ek2 = 100;
        if (pos.menge == 0) {
            p->Tabelle.MerkmalSenkrecht = kGroesse;
            p->Tabelle.MerkmalWaagrecht = kFarbe;
            p->Tabelle.Senkrecht[0] = l.groesse[0];
            p->Tabelle.Waagrecht[0] = l.farbe[0];
            TAB_SetWaagrechtFarbText(&p->Tabelle, 0, "rot");
            p->Tabelle.Stueck[0][0] = 2;
        }
        AUFTRAGDBA_WritePosition(h, ++n, 0, p.get());
    }
    /* the head's status as given (the store keeps what is written) */
    AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get());
    kopf->Status = status;
    AUFTRAGDBA_WriteAuftragsKopf(h, kopf.get());
    AUFTRAGDBA_Close(h);
    return nummer;
}

struct Auftrag {
    std::unique_ptr<AUFTRAG_KOPF> kopf = std::make_unique<AUFTRAG_KOPF>();
    std::vector<AUFTRAG_POSITION> positionen;
};

Auftrag Lesen(int32_t nummer)
{
    Auftrag a;
    HOSTHANDLE h = AUFTRAGDBA_Open(nummer);
    EXPECT_GT(h, 0);
    AUFTRAGDBA_ReadAuftragsKopf(h, a.kopf.get());
    a.positionen.resize(static_cast<size_t>(a.kopf->AnzahlPositionen));
    if (!a.positionen.empty())
        AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(h, a.kopf->AnzahlPositionen, a.positionen.data());
    AUFTRAGDBA_Close(h);
    return a;
}

bool Gleich(const Auftrag& a, const Auftrag& b)
{
    return std::memcmp(a.kopf.get(), b.kopf.get(), sizeof(AUFTRAG_KOPF)) == 0 &&
           a.positionen.size() == b.positionen.size() &&
           (a.positionen.empty() ||
            std::memcmp(a.positionen.data(), b.positionen.data(), a.positionen.size() * sizeof(AUFTRAG_POSITION)) == 0);
}

void ArtikelMitTextSchreiben(Lager& l, const std::string& artikel, const char* zusatz)
{
    l.k->AktuelleArtikelNummer = 0;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) {
            l.SeiteFuellen(artikel, i, j, 1995, "N", zusatz);
            l.Schreiben(l.Zeile(artikel, i, j));
        }
}

} // namespace

TEST(Auftraege, OffeneAuftraegeDesLieferantenFolgenDemImport)
{
    Lager l("auftraege");
    EDI_KONTEXT* k = l.k;
    LieferantAnlegen(13, "4012345000016", 0, "Andere");
    int32_t eigener = AuftragAnlegen(l, kLieferant, 1,
                                     { { "4717", 0, 2, 0, 0 }, { "9999", 5, 0, 1, 500 }, { "4717", 3, 0, 0, 0 } });
    int32_t fremder = AuftragAnlegen(l, 13, 0, { { "4717", 0, 2, 0, 0 } });
    int32_t gesperrt = AuftragAnlegen(l, kLieferant, 3, { { "4717", 4, 0, 0, 0 } });
    int32_t ungeladen = AuftragAnlegen(l, kLieferant, 2, { { "4717", 4, 0, 0, 0 } });
    Auftrag fremdVorher = Lesen(fremder), gesperrtVorher = Lesen(gesperrt), ungeladenVorher = Lesen(ungeladen),
            eigenerVorher = Lesen(eigener);

    /* switched off: nothing is loaded or changed */
    Berechnung_PutKeineAuftragsaenderung(1);
    EngineEinstellungenLesen();
    ArtikelMitTextSchreiben(l, "4717", "zwanzig Zeichen lang");
    EXPECT_TRUE(Gleich(eigenerVorher, Lesen(eigener)));
    Berechnung_PutKeineAuftragsaenderung(0);
    EngineEinstellungenLesen();

    AuftraegeLaden();
    ASSERT_EQ(2, List_Count(k->AuftragsListe));   /* own open one and the one with bit 1 */
    AuftraegeLaden();                              /* once per page */
    EXPECT_EQ(2, List_Count(k->AuftragsListe));

    /* the first write: the order held back by status bit 1 keeps its
     * positions; its head is recomputed (and keeps only bit 0 then) */
    l.SeiteFuellen("4717", 0, 0, 1995, "N", "zwanzig Zeichen lang");
    k->AktuelleArtikelNummer = 0;
    ASSERT_GT(l.Schreiben(l.Zeile("4717", 0, 0)), 0);
    Auftrag g = Lesen(gesperrt);
    ASSERT_EQ(1u, g.positionen.size());
    EXPECT_EQ(0, std::memcmp(&gesperrtVorher.positionen[0], &g.positionen[0], sizeof(AUFTRAG_POSITION)));
    EXPECT_EQ(4, g.kopf->MengenSumme);
    EXPECT_EQ(1, g.kopf->Status);

    ArtikelMitTextSchreiben(l, "4717", "zwanzig Zeichen lang");
    int32_t artikel = k->AktuelleArtikelNummer;
    ASSERT_GT(artikel, 0);

    Auftrag a = Lesen(eigener);
    ASSERT_EQ(3u, a.positionen.size());
    const AUFTRAG_POSITION& tabelle = a.positionen[0];
    EXPECT_EQ('N', tabelle.Kennzeichen);
    EXPECT_STREQ("zwanzig Zeichen", tabelle.Zusatztext);
    EXPECT_EQ(1995, tabelle.Ek1);
    EXPECT_EQ(3990, tabelle.Vk2);
    EXPECT_EQ(4, TAB_AnzahlSenkrechtMerkmale(&tabelle.Tabelle));
    EXPECT_EQ(4, TAB_AnzahlWaagrechtMerkmale(&tabelle.Tabelle));
    EXPECT_EQ(2 * 1995, tabelle.Wert);
    EXPECT_EQ(100, a.positionen[1].Ek1);               /* another article keeps its values */
    EXPECT_EQ(500, a.positionen[1].Wert);
    EXPECT_EQ(3 * 1995, a.positionen[2].Wert);         /* entered quantity x EK2 */
    EXPECT_EQ(0, TAB_AnzahlSenkrechtMerkmale(&a.positionen[2].Tabelle));
    EXPECT_EQ(2 + 5 + 3, a.kopf->MengenSumme);
    EXPECT_EQ(2 * 1995 + 500 + 3 * 1995, a.kopf->WertSumme);
    EXPECT_EQ(4 | 1, a.kopf->Status);                  /* a position with bit 0; bit 0 kept */

    EXPECT_TRUE(Gleich(fremdVorher, Lesen(fremder)));
    EXPECT_TRUE(Gleich(ungeladenVorher, Lesen(ungeladen)));

    AuftraegeVerwerfen();
    EXPECT_EQ(0, k->AuftragsListe);
}

TEST(Auftraege, KopfstatusAusDenPositionen)
{
    Lager l("kopf");
    struct {
        std::vector<uint16_t> flags;
        int32_t menge;
        uint16_t alt, neu;
    } faelle[] = {
        { { 0, 0 }, 1, 2, 0 },    { { 1, 0 }, 1, 0, 4 },   { { 1, 0 }, 0, 1, 1 },
        { { 2, 2 }, 1, 0, 2 },    { { 2, 0 }, 1, 0, 4 },   { {}, 0, 7, 1 },
    };
    for (const auto& f : faelle) {
        std::vector<AUFTRAG_POSITION> p(f.flags.size());   /* value-initialised: zeroed */
        for (size_t i = 0; i < p.size(); i++) {
            p[i].Flags = f.flags[i];
            p[i].Menge = f.menge;
            p[i].Wert = 10;
            p[i].LieferantNummer = 12;
        }
        auto kopf = std::make_unique<AUFTRAG_KOPF>();
        std::memset(kopf.get(), 0, sizeof *kopf);
        kopf->Status = f.alt;
        kopf->MengenSumme = 99;
        AuftragsKopfBerechnen(kopf.get(), p.data(), static_cast<int32_t>(p.size()));
        EXPECT_EQ(f.neu, kopf->Status);
        EXPECT_EQ(f.menge * static_cast<int32_t>(p.size()), kopf->MengenSumme);
        EXPECT_EQ(10 * static_cast<int32_t>(p.size()), kopf->WertSumme);
        EXPECT_EQ(p.empty() ? 0 : 12, kopf->LieferantNummer);
    }
}

/* A row that makes its article anew (the article number was not known
 * when the row was shown) while the order update still holds the prices
 * and table values of the row before: the article's positions keep their
 * own until its own table has been built. */
TEST(Auftraege, NeuerArtikelNimmtNichtDieWerteDerVorigenZeile)
{
    Lager l("auftraege_vorige");
    EDI_KONTEXT* k = l.k;
    int32_t fuenf = l.ArtikelSchreiben("5000", 1000);
    ASSERT_GT(fuenf, 0);
    int32_t auftrag = AuftragAnlegen(l, kLieferant, 0, { { "5000", 3, 0, 0, 0 } });
    AuftraegeLaden();

    /* the row before: another article at 25.00 */
    k->AktuelleArtikelNummer = 0;
    l.SeiteFuellen("4717", 0, 0, 2500);
    ASSERT_GT(l.Schreiben(l.Zeile("4717", 0, 0)), 0);

    /* the new-article path of a row of "5000" at 30.00: created (found by
     * its name) before its table is built */
    k->AktuelleArtikelNummer = 0;
    l.SeiteFuellen("5000", 1, 1, 3000);
    ASSERT_EQ(1, ArtikelAnlegen(1));
    ASSERT_EQ(fuenf, k->AktuelleArtikelNummer);
    Auftrag a = Lesen(auftrag);
    ASSERT_EQ(1u, a.positionen.size());
    EXPECT_EQ(100, a.positionen[0].Ek1) << "not the price of the row before";

    /* once its own table is built, the next write brings its prices */
    PRICAT_SATZ zeile = l.Zeile("5000", 1, 1);
    TabelleFuerZeileBauen(&zeile, fuenf);
    ArtikelAnlegen(0);
    a = Lesen(auftrag);
    EXPECT_EQ(3000, a.positionen[0].Ek1);
    AuftraegeVerwerfen();
}
