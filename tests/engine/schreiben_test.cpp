/*
 * Writing catalogue rows against the real store: size/colour tables,
 * article creation and correction, EAN registration.
 */
#include <gtest/gtest.h>

#include <vector>

#include "engine_hilfen.h"
#include "kontext/einstellungen.h"
#include "pricat_in/eanliste.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

using namespace enginehilfe;

namespace {

int32_t OXCALL EanZaehlen(void* liste, const EANARTIKEL_SATZ*)
{
    ++*static_cast<int*>(liste);
    return 1;
}

int EanEintraege(int32_t artikel)
{
    int n = 0;
    EanDateiSchliessen();
    EANARTIKEL_LoadArtikelEANs_EX(artikel, &n, EanZaehlen);
    return n;
}

int Artikelanzahl()
{
    int n = 0;
    MERKMAL_SATZ m;
    for (int32_t a = MMLIB_NaechstesMerkmal(0, 0, &m); a > 0; a = MMLIB_NaechstesMerkmal(0, a, &m))
        n++;
    return n;
}

OXTABELLE* GespeicherteTabelle(int32_t artikel)
{
    static OXTABELLE t;
    EXPECT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, artikel, &t, nullptr));
    return &t;
}

} // namespace

TEST(Schreiben, SechzehnZeilenGebenEinenArtikelMitVierMalVierTabelle)
{
    Lager l("schreiben16");
    int32_t artikel = l.ArtikelSchreiben("4711", 1995);
    ASSERT_GT(artikel, 0);
    EXPECT_EQ(1, Artikelanzahl());

    OXTABELLE* t = GespeicherteTabelle(artikel);
    EXPECT_EQ(kGroesse, TAB_MerkmalSenkrecht(t));
    EXPECT_EQ(kFarbe, TAB_MerkmalWaagrecht(t));
    ASSERT_EQ(4, TAB_AnzahlSenkrechtMerkmale(t));
    ASSERT_EQ(4, TAB_AnzahlWaagrechtMerkmale(t));
    const char* farbtexte[] = { "rot", "blau", "gruen", "gelb" };
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(l.groesse[i], t->Senkrecht[i]);
        EXPECT_EQ(l.farbe[i], t->Waagrecht[i]);
        char text[TAB_FARBTEXT];
        TAB_GetWaagrechtFarbText(t, i, text);
        EXPECT_STREQ(farbtexte[i], text);
        TAB_PREISE p;
        TAB_GetPreiseFromRow(t, i, &p);
        EXPECT_EQ(1995, p.Ek1);
        EXPECT_EQ(3990, p.Vk1);
    }

    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(artikel, &a));
    EXPECT_EQ(1995, a.Ek1);
    EXPECT_EQ(3990, a.Vk2);
    EXPECT_EQ(1, a.EdiAngelegt);
    EXPECT_EQ(2, a.MwstSatz);
    EXPECT_EQ(l.serie, a.SerienNummer);
    EXPECT_STREQ("pflegeleicht", a.Zusatztext);
    EXPECT_EQ(16, EanEintraege(artikel));
    PRICAT_SATZ z = l.Zeile("4711", 2, 3);
    EXPECT_EQ(artikel, EANDATA_GetArtikelNummer(z.PricatDaten.Ean, nullptr));
    EXPECT_EQ(1, l.k->EanZugeordnet);

    /* the learnt article keyword finds the article again */
    EDIMAP_SATZ map;
    ASSERT_EQ(1, EDIMapDBA_SuchEDIMAPMem(&map, kIln, "4711@Pullover", 0));
    EXPECT_EQ(artikel, map.Nummer);

    /* the same catalogue again: no second article, no second EAN entry,
     * new prices in every row */
    EXPECT_EQ(artikel, l.ArtikelSchreiben("4711", 2500));
    EXPECT_EQ(1, Artikelanzahl());
    EXPECT_EQ(16, EanEintraege(artikel));
    t = GespeicherteTabelle(artikel);
    EXPECT_EQ(4, TAB_AnzahlSenkrechtMerkmale(t));
    EXPECT_EQ(4, TAB_AnzahlWaagrechtMerkmale(t));
    for (int i = 0; i < 4; i++) {
        TAB_PREISE p;
        TAB_GetPreiseFromRow(t, i, &p);
        EXPECT_EQ(2500, p.Ek1) << i;
    }
}

TEST(Schreiben, AchsenNehmenFarbenMitTextUndWeisenVolleAchsenAb)
{
    Lager l("achsen");
    OXTABELLE& t = *l.Arbeitstabelle(0, 0);
    TAB_PREISE alt = { 100, 100, 0, 200, 200, 0 }, neu = { 300, 300, 0, 600, 600, 0 };

    struct Fall {
        int senkrecht;
        int32_t art, nummer;
        const char* text;
        const TAB_PREISE* preise;
        int senkrechtAnzahl, waagrechtAnzahl;
    } faelle[] = {
        { 0, kFarbe, 5, "rot", &alt, 0, 1 },
        { 0, kFarbe, 5, "rot", &alt, 0, 1 },           /* same number and text: the same entry */
        { 0, kFarbe, 5, "rot meliert", &alt, 0, 2 },   /* same number, another text: a new entry */
        { 1, kGroesse, 9, "", &alt, 1, 2 },
        { 1, kGroesse, 9, "", &neu, 1, 2 },            /* found: prices overwritten */
        { 1, kGroesse, 0, "", &neu, 1, 2 },            /* number 0 adds nothing */
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(1, AchseErgaenzen(f.senkrecht, &t, f.art, f.nummer, f.text, f.preise, 1, 0));
        EXPECT_EQ(f.senkrechtAnzahl, TAB_AnzahlSenkrechtMerkmale(&t));
        EXPECT_EQ(f.waagrechtAnzahl, TAB_AnzahlWaagrechtMerkmale(&t));
    }
    char text[TAB_FARBTEXT];
    TAB_GetWaagrechtFarbText(&t, 1, text);
    EXPECT_STREQ("rot meliert", text);
    EXPECT_EQ(1, FarbTextDerNummer(&t, 5, text, sizeof text));
    EXPECT_STREQ("rot", text);
    EXPECT_EQ(0, FarbTextDerNummer(&t, 6, text, sizeof text));
    EXPECT_STREQ("", text);
    TAB_PREISE p;
    TAB_GetPreiseFromRow(&t, 0, &p);
    EXPECT_EQ(300, p.Ek1);

    /* full axes: 120 down, 200 across */
    for (int32_t i = 0; i < TAB_MAX_SENKRECHT; i++)
        t.Senkrecht[i] = 1000 + i;
    for (int32_t i = 0; i < TAB_MAX_WAAGRECHT; i++)
        t.Waagrecht[i] = 1000 + i;
    EXPECT_EQ(0, AchseErgaenzen(1, &t, kGroesse, 5000, "", &neu, 1, 0));
    EXPECT_EQ(0, AchseErgaenzen(0, &t, kFarbe, 5000, "x", &neu, 1, 0));
    EXPECT_EQ(1, AchseErgaenzen(1, &t, kGroesse, 1119, "", &neu, 1, 0));   /* present: still found */
    EXPECT_EQ(TAB_MAX_SENKRECHT, TAB_AnzahlSenkrechtMerkmale(&t));
}

TEST(Schreiben, TabelleBauenPrueftArtenUndUebernimmtSerien)
{
    Lager l("bauen");
    EDI_KONTEXT* k = l.k;
    int32_t artikel = l.ArtikelSchreiben("4712");
    ASSERT_GT(artikel, 0);
    TAB_PREISE preise;
    l.SeiteFuellen("4712", 0, 0);

    /* article number 0: success, nothing read or stored */
    long gespeichert = g_StandinRufe[5];
    std::memset(&k->DialogWerte.Tabelle, 0x11, sizeof k->DialogWerte.Tabelle);
    EXPECT_EQ(1, TabelleBauen(0, kGroesse, l.groesse[0], "", kFarbe, l.farbe[0], "rot"));
    EXPECT_EQ(0x11, reinterpret_cast<unsigned char*>(&k->DialogWerte.Tabelle)[100]);
    EXPECT_EQ(0, TabelleBauen(-1, kGroesse, l.groesse[0], "", kFarbe, l.farbe[0], "rot"));
    EXPECT_EQ(gespeichert, g_StandinRufe[5]);

    /* a stored table of other kinds fails the build and clears the work table */
    EXPECT_EQ(0, TabelleBauen(artikel, kFarbe, l.farbe[0], "rot", kGroesse, l.groesse[0], ""));
    std::vector<unsigned char> null(sizeof(OXTABELLE), 0);
    EXPECT_EQ(0, std::memcmp(null.data(), &k->DialogWerte.Tabelle, sizeof(OXTABELLE)));
    EXPECT_EQ(4, TAB_AnzahlSenkrechtMerkmale(GespeicherteTabelle(artikel)));

    /* a full size axis: the 121st size is refused, the verdict stays the check's */
    OXTABELLE* voll = GespeicherteTabelle(artikel);
    for (int32_t i = 0; i < TAB_MAX_SENKRECHT; i++)
        voll->Senkrecht[i] = MerkmalAnlegen(kGroesse, "G" + std::to_string(i), "Gr");
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, artikel, voll));
    int32_t neue = MerkmalAnlegen(kGroesse, "X", "zu viel");
    EXPECT_EQ(1, TabelleBauen(artikel, kGroesse, neue, "", kFarbe, l.farbe[1], "blau"));
    EXPECT_EQ(TAB_MAX_SENKRECHT, TAB_AnzahlSenkrechtMerkmale(GespeicherteTabelle(artikel)));

    /* the series table: one of other kinds is taken over when it changed at
     * or after the reference time (the build then fails on its kinds), and
     * left when it is older */
    OXTABELLE s;
    TAB_ClearTabelle(&s, 0);
    s.MerkmalSenkrecht = kFarbe;
    s.MerkmalWaagrecht = kGroesse;
    s.Senkrecht[0] = l.farbe[2];
    s.Waagrecht[0] = l.groesse[2];
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, l.serie, &s));
    PreisBlockVonSeite(&preise);
    k->BezugsDatum = TEXDEFS_LETZTER_TAG;   /* the series is older */
    EXPECT_EQ(1, TabelleBauen(artikel, kGroesse, l.groesse[1], "", kFarbe, l.farbe[1], "blau"));
    k->BezugsDatum = TEXDEFS_ERSTER_TAG;    /* changed during the import */
    EXPECT_EQ(0, TabelleBauen(artikel, kGroesse, l.groesse[1], "", kFarbe, l.farbe[1], "blau"));
    /* an article whose series flag forbids it keeps its own table */
    ARTIKEL_SATZ a;
    ARTLIB_LeseArtikel(artikel, &a);
    a.SerienKennzeichen = 1;
    ARTLIB_SchreibeArtikel(artikel, &a);
    EXPECT_EQ(1, TabelleBauen(artikel, kGroesse, l.groesse[1], "", kFarbe, l.farbe[1], "blau"));
}

TEST(Schreiben, ReferenzzeitUndMarken)
{
    Lager l("marken");
    EDI_KONTEXT* k = l.k;
    int32_t artikel = l.ArtikelSchreiben("4713");
    OXTABELLE& s = *l.Arbeitstabelle(0, 0);
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, l.serie, &s));
    HOST_ZEITSTEMPEL jetzt;
    TAB_ZEIT z;
    TAB_LeseTabelle(TAB_BESITZER_SERIE, l.serie, &s, &z);
    jetzt.Low = z.Low;
    jetzt.High = z.High;
    BezugszeitMerken();
    k->BezugsZeit = 0;
    EXPECT_EQ(0, ZeitstempelAelterAlsBezug(&jetzt));
    k->BezugsZeit = 235959;
    EXPECT_EQ(1, ZeitstempelAelterAlsBezug(&jetzt));
    EXPECT_EQ(0, ZeitstempelAelterAlsBezug(nullptr));

    /* the article is marked, the series only while its table is older */
    TabellenMarkieren(artikel);
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, artikel));
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, l.serie));
    MarkierungenFreigeben();
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, artikel));
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, l.serie));
    k->BezugsZeit = 0;
    k->BezugsDatum = TEXDEFS_ERSTER_TAG;
    TabellenMarkieren(artikel);
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_SERIE, l.serie));
    MarkierungenVerwerfen();
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, artikel));
}

TEST(Schreiben, FilialachseBeginntMitDerVorgabeDesHosts)
{
    Lager l("filiale");
    EDI_KONTEXT* k = l.k;
    int32_t f1 = MerkmalAnlegen(9, "1", "Zentrale"), f2 = MerkmalAnlegen(9, "2", "Markt");
    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("12___4720");
    ASSERT_GT(artikel, 0);
    l.SeiteFuellen("4720", 0, 0);
    TextKopieren(k->OxOut.Code[9], sizeof k->OxOut.Code[9], "2");
    k->SeiteSenkrechtArt = kGroesse;
    k->SeiteWaagrechtArt = 9;
    PRICAT_SATZ z = l.Zeile("4720", 0, 0);
    EXPECT_EQ(1, TabelleFuerZeileBauen(&z, artikel));
    OXTABELLE* t = GespeicherteTabelle(artikel);
    EXPECT_EQ(9, TAB_MerkmalWaagrecht(t));
    ASSERT_EQ(2, TAB_AnzahlWaagrechtMerkmale(t));
    EXPECT_EQ(f1, t->Waagrecht[0]);
    EXPECT_EQ(f2, t->Waagrecht[1]);
    EXPECT_EQ(l.groesse[0], t->Senkrecht[0]);
}

TEST(Schreiben, ArtikelNameMwstUndUmrechnung)
{
    Lager l("namen");
    struct {
        const char *kurz, *text, *name;
    } namen[] = { { "123", "4711", "123__4711" }, { "", "4711", "_____4711" }, { "12345", "x", "1234_x" },
                  { nullptr, nullptr, "_____" } };
    for (const auto& n : namen) {
        char aus[DBA_ARTIKELNAME];
        ArtikelName(aus, sizeof aus, n.text, n.kurz);
        EXPECT_STREQ(n.name, aus);
    }

    struct {
        int32_t slot, kombi, satz;
    } mwst[] = { { 0, 3, 0 }, { 5, 3, 5 }, { 6, 3, 3 }, { -1, 4, 4 }, { -1, -1, -1 } };
    for (const auto& m : mwst) {
        l.k->OxOut.Mwst = m.slot;
        l.k->SeiteMwstKombiSatz = m.kombi;
        EXPECT_EQ(m.satz, MwstSatzNummer()) << m.slot;
    }

    struct {
        const char* text;
        int32_t satz;
    } zeilen[] = { { "19", 2 }, { " 7.00", 1 }, { "0", 0 }, { "12", 2 }, { "", -1 }, { "-7", -1 }, { "abc", -1 } };
    for (const auto& z : zeilen) {
        PRICAT_SATZ s = l.Zeile("1", 0, 0);
        EDI_SETZEN(s.PricatDaten, MwstSatz, z.text);
        EXPECT_EQ(z.satz, ZeilenMwstSatz(&s)) << z.text;
    }
    EXPECT_EQ(-1, ZeilenMwstSatz(nullptr));

    EXPECT_EQ(1000, PreisUmrechnen(1956, 1.95583f));
    EXPECT_EQ(1995, PreisUmrechnen(1995, 1.0f));
    EXPECT_EQ(0, PreisUmrechnen(1995, 0.0f));
    EXPECT_EQ(0, PreisUmrechnen(2000000000, 0.001f));
}

TEST(Schreiben, AuslaufkennzeichenFragtNachDemMindestbestand)
{
    Lager l("mindbest");
    EDI_KONTEXT* k = l.k;
    int32_t artikel = l.ArtikelSchreiben("4714");
    struct {
        char vorher;
        const char* neu;
        int32_t verhalten;
        int32_t bleibt;
    } faelle[] = {
        { 'X', "a", 1, 0 },   /* turned discontinued: deleted without a question */
        { 'A', "a", 1, 1 },   /* was discontinued already */
        { 'X', "A", 0, 1 },   /* setting 0 keeps it */
        { 'X', "B", 1, 1 },   /* not discontinued */
    };
    for (const auto& f : faelle) {
        MINDBEST_SATZ m;
        std::memset(&m, 0, sizeof m);
        m.ArtikelNummer = artikel;
        m.Menge[0] = 3;
        ASSERT_EQ(1, MindbestDBA_Schreibe(&m));
        ARTIKEL_SATZ a;
        ARTLIB_LeseArtikel(artikel, &a);
        a.Kennzeichen = f.vorher;
        ARTLIB_SchreibeArtikel(artikel, &a);
        Berechnung_PutMindbestLoeschverhalten(f.verhalten);
        l.SeiteFuellen("4714", 0, 0, 1995, f.neu);
        EINZELTEIL_SATZ teil;
        NeuesTeilFuellen(&teil);
        EXPECT_EQ(1, ArtikelKorrigieren(artikel, &teil));
        EXPECT_EQ(f.bleibt, MindbestDBA_MindbestExists(artikel)) << f.vorher << f.neu;
        ARTLIB_LeseArtikel(artikel, &a);
        EXPECT_EQ(f.neu[0], a.Kennzeichen);
    }
    (void)k;
}

TEST(Schreiben, BestehendenArtikelZeigen)
{
    Lager l("zeigen");
    EDI_KONTEXT* k = l.k;
    int32_t artikel = l.ArtikelSchreiben("4715", 1500);
    std::memset(&k->OxOut, 0, sizeof k->OxOut);
    k->PreisanpassungEk1 = 1;
    k->ExternAutomapping = 1;   /* "EDI-Daten haben Vorrang": page keeps EK1, texts */
    k->OxOut.Ek1 = 777;
    ArtikelAnzeigen(artikel);
    EXPECT_STREQ("4715", k->OxOut.ArtikelText);
    EXPECT_STREQ("36", k->OxOut.Code[kGroesse]);   /* the first variation's */
    EXPECT_STREQ("31", k->OxOut.Code[2]);
    EXPECT_EQ(1500, k->OxOut.VorschlagEk1);
    EXPECT_EQ(3000, k->OxOut.VorschlagVk2);
    EXPECT_EQ(777, k->OxOut.Ek1);
    EXPECT_EQ(3000, k->OxOut.Vk1);
    EXPECT_STREQ("", k->OxOut.Zusatztext);

    k->ExternAutomapping = 0;
    ArtikelAnzeigen(artikel);
    EXPECT_EQ(1500, k->OxOut.Ek1);
    EXPECT_STREQ("pflegeleicht", k->OxOut.Zusatztext);

    /* found by its EAN: the page stays as it is */
    std::memset(&k->OxOut, 0, sizeof k->OxOut);
    k->SeitenZustand = SEITE_ARTIKEL_PER_EAN;
    ArtikelAnzeigen(artikel);
    EXPECT_STREQ("", k->OxOut.ArtikelText);
}

TEST(Schreiben, EanEintragBestehtOderWirdGeaendert)
{
    Lager l("ean");
    EDI_KONTEXT* k = l.k;
    int32_t artikel = l.ArtikelSchreiben("4716");
    PRICAT_SATZ z = l.Zeile("4716", 1, 1);

    /* the entry is there: nothing changes, the flag still follows the EAN */
    k->EanZugeordnet = 0;
    l.SeiteFuellen("4716", 1, 1);
    EanRegistrieren(artikel, &z);
    EXPECT_EQ(1, k->EanZugeordnet);
    EXPECT_EQ(16, EanEintraege(artikel));

    /* a new EAN for an existing variation changes its entry */
    EDI_SETZEN(z.PricatDaten, Ean, "4099999000012");
    EanRegistrieren(artikel, &z);
    EXPECT_EQ(16, EanEintraege(artikel));
    EXPECT_EQ(artikel, EANDATA_GetArtikelNummer("4099999000012", nullptr));

    /* a kind without code makes the record incomplete: nothing registered */
    EANARTIKEL_SATZ satz;
    k->OxOut.Code[4][0] = '\0';
    EDI_SETZEN(z.PricatDaten, Ean, "4099999000029");
    EXPECT_EQ(0, EanArtikelSatz(artikel, &z, &satz));
    EXPECT_STREQ("Pullover", satz.Text);
    EanRegistrieren(artikel, &z);
    EXPECT_EQ(0, EANDATA_GetArtikelNummer("4099999000029", nullptr));
    EXPECT_EQ(1, k->EanZugeordnet);   /* 13 characters */
    EDI_SETZEN(z.PricatDaten, Ean, "123");
    k->EanZugeordnet = 0;
    EanRegistrieren(artikel, &z);
    EXPECT_EQ(0, k->EanZugeordnet);
}
