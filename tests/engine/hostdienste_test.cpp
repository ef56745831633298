/*
 * What the engine asks of the host, answered from the store: the new
 * characteristic dialog (21), the price calculation (22), the table check
 * and the article correction of the dialog library, and the minimum stock
 * question.
 */
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine_hilfen.h"
#include "seiten/seitendienst.h"
#include "kontext/einstellungen.h"
#include "harness/person.h"
#include "resources/resource.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

using namespace enginehilfe;

TEST(Hostdienste, NeuesMerkmalAusDemDialog)
{
    Lager l("host21");
    int32_t nummer = static_cast<int32_t>(RunWithPerson(
        [&] { return static_cast<INT_PTR>(Host21(nullptr, 5, "5", "Baumwolle")); },
        [&](Person& p) {
            HWND w = p.WaitWindow(STANDIN_NEU_TITEL);
            EXPECT_EQ("5", p.Text(w, STANDIN_NEU_CODE));
            EXPECT_EQ("Baumwolle", p.Text(w, STANDIN_NEU_TEXT));
            /* the code is used already: the dialog says so and stays */
            p.Click(w, IDOK);
            p.Answer(p.WaitMessageBox(), IDOK);
            p.SetText(w, STANDIN_NEU_CODE, "LEIN");
            p.SetText(w, STANDIN_NEU_TEXT, "Leinen");
            p.Click(w, IDOK);
        }));
    ASSERT_GT(nummer, 0);
    MERKMAL_SATZ m;
    ASSERT_EQ(1, MMLIB_LeseMerkmal(5, nummer, &m));
    EXPECT_STREQ("LEIN", m.Code);
    EXPECT_STREQ("Leinen", m.Text);

    INT_PTR abgebrochen = RunWithPerson([&] { return static_cast<INT_PTR>(Host21(nullptr, 5, nullptr, nullptr)); },
                                        [&](Person& p) {
                                            HWND w = p.WaitWindow(STANDIN_NEU_TITEL);
                                            EXPECT_EQ("", p.Text(w, STANDIN_NEU_CODE));
                                            p.Click(w, IDCANCEL);
                                        });
    EXPECT_EQ(0, abgebrochen);
}

TEST(Hostdienste, PreiskalkulationNachWarengruppe)
{
    Lager l("host22");
    int32_t andere = MerkmalAnlegen(2, "32", "Jersey");
    std::string ini = l.t.host.iniDatei;
    WritePrivateProfileStringA(STANDIN_KALKULATION, "31", "250", ini.c_str());
    struct {
        int32_t warengruppe, ek1, ek2;
        int32_t ergebnis, vk;
    } faelle[] = {
        { l.warengruppe, 1000, 0, 1, 2500 },   /* markup of the group */
        { l.warengruppe, 1000, 800, 1, 2000 }, /* EK2 before EK1 */
        { andere, 1000, 0, 1, 2000 },          /* the default markup */
        { 0, 1000, 0, 0, 7 },                  /* no Warengruppe: VK untouched */
        { 9999, 1000, 0, 0, 7 },
        { l.warengruppe, 0, 0, 0, 7 },
    };
    for (const auto& f : faelle) {
        int32_t vk = 7;
        EXPECT_EQ(f.ergebnis, Host22(nullptr, f.warengruppe, kLieferant, f.ek1, f.ek2, &vk));
        EXPECT_EQ(f.vk, vk);
    }
    WritePrivateProfileStringA(STANDIN_KALKULATION, "standard", "150", ini.c_str());
    int32_t vk = 0;
    EXPECT_EQ(1, Host22(nullptr, andere, kLieferant, 999, 0, &vk));
    EXPECT_EQ(1499, vk);
}

TEST(Hostdienste, TabellenpruefungUndKorrektur)
{
    Lager l("hostglob");
    OXTABELLE* t = l.Arbeitstabelle(l.groesse[0], l.farbe[0]);
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_PruefeTabelle(nullptr, t));
    t->Waagrecht[1] = l.groesse[1] + 1000;   /* no such colour */
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_PruefeTabelle(nullptr, t));
    t->Waagrecht[1] = 0;
    t->Senkrecht[1] = l.groesse[0];          /* a size twice */
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_PruefeTabelle(nullptr, t));

    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("12___4730");
    ARTIKEL_KORREKTUR k;
    std::memset(&k, 0, sizeof k);
    std::strcpy(k.Codes[kGroesse - 1], "38");
    std::strcpy(k.Codes[3 - 1], "7");
    std::strcpy(k.Zusatztext, "neu");
    k.Kennzeichen = 'B';
    EINZELTEIL_SATZ teil;
    DATABASE_ClearEinzelteil(&teil);
    teil.Ek1 = 500;
    teil.MwstSatz = 1;
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_KorrigiereArtikel(artikel, &k, &teil));
    std::memset(k.Codes[kGroesse - 1], 0, OX_TXT_CODE);   /* an empty code keeps the article's */
    teil.MwstSatz = 9;                                      /* out of range: kept */
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_KorrigiereArtikel(artikel, &k, &teil));
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(artikel, &a));
    EXPECT_STREQ("38", a.Codes[ArtikelCodeIndex(kGroesse)]);
    EXPECT_EQ(l.serie, a.SerienNummer);
    EXPECT_EQ(kLieferant, a.LieferantNummer);
    EXPECT_EQ('B', a.Kennzeichen);
    EXPECT_STREQ("neu", a.Zusatztext);
    EXPECT_EQ(500, a.Ek1);
    EXPECT_EQ(1, a.MwstSatz);
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_KorrigiereArtikel(artikel + 1000, &k, &teil));
    EXPECT_EQ(-1, OXGLOBAL_DLGHELP_KorrigiereArtikel(artikel, nullptr, &teil));
}

TEST(Hostdienste, MindestbestandNachRueckfrage)
{
    Lager l("mindfrage");
    l.k->SeitenDienst = g_FensterSeitenDienst;   /* as the entry gives it */
    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("12___4731");
    Berechnung_PutMindbestLoeschverhalten(2);
    for (int antwort : { IDNO, IDYES }) {
        MINDBEST_SATZ m;
        std::memset(&m, 0, sizeof m);
        m.ArtikelNummer = artikel;
        ASSERT_EQ(1, MindbestDBA_Schreibe(&m));
        RunWithPerson(
            [&] {
                MindestbestandAuslaufartikel(artikel);
                return static_cast<INT_PTR>(0);
            },
            [&](Person& p) {
                MessageBoxInfo box = p.WaitMessageBox();
                EXPECT_EQ("ORDANEX", box.caption);
                EXPECT_EQ("Soll f\xfcr diesen Auslaufartikel der Mindestbestand gel\xf6scht werden?", box.text);
                p.Answer(box, antwort);
            });
        EXPECT_EQ(antwort == IDYES ? 0 : 1, MindbestDBA_MindbestExists(artikel));
    }
}

/* A table stored again unchanged keeps its write time (the reference time
 * of an import then still sees it as older); a changed one gets a new time. */
TEST(Hostdienste, UnveraenderteTabelleBehaeltIhreZeit)
{
    Lager l("tabzeit");
    OXTABELLE* t = l.Arbeitstabelle(l.groesse[0], 0);
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, l.serie, t));
    TAB_ZEIT vorher, nachher;
    OXTABELLE* gelesen = &l.k->LadeTabelle;
    TAB_LeseTabelle(TAB_BESITZER_SERIE, l.serie, gelesen, &vorher);
    Sleep(30);
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, l.serie, t));
    TAB_LeseTabelle(TAB_BESITZER_SERIE, l.serie, gelesen, &nachher);
    EXPECT_TRUE(vorher.Low == nachher.Low && vorher.High == nachher.High);
    t->Senkrecht[1] = l.groesse[1];
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, l.serie, t));
    TAB_LeseTabelle(TAB_BESITZER_SERIE, l.serie, gelesen, &nachher);
    EXPECT_FALSE(vorher.Low == nachher.Low && vorher.High == nachher.High);
    EXPECT_EQ(l.groesse[1], gelesen->Senkrecht[1]);
}

/* A page without a window: the engine reads the table kinds, the Standard
 * box and the VAT combo and asks its question through the page's service,
 * and falls back to the mirrors for a control the page does not hold. */
struct SkriptSeite {
    std::map<int32_t, int32_t> werte;   /* controls the page holds */
    std::vector<std::string> fragen;
    int32_t antwort = 0;
    int vorRueckfragen = 0;             /* display made current before a question */
};

TEST(Hostdienste, SeiteOhneFensterUeberIhrenDienst)
{
    Lager l("seitendienst");
    SkriptSeite s;
    SEITEN_DIENST dienst = {};
    dienst.Seite = &s;
    dienst.Fragen = [](void* c, const char* frage) {
        auto* seite = static_cast<SkriptSeite*>(c);
        EXPECT_EQ(static_cast<int>(seite->fragen.size()) + 1, seite->vorRueckfragen)
            << "the page shows its row before the question";
        seite->fragen.push_back(frage);
        return seite->antwort;
    };
    dienst.Lesen = [](void* c, int32_t id, int32_t* wert) {
        auto& w = static_cast<SkriptSeite*>(c)->werte;
        auto it = w.find(id);
        if (it == w.end())
            return -1;
        *wert = it->second;
        return 1;
    };
    dienst.Setzen = [](void* c, int32_t id, int32_t wert) {
        auto& w = static_cast<SkriptSeite*>(c)->werte;
        if (w.find(id) == w.end())
            return -1;
        w[id] = wert;
        return 1;
    };
    dienst.VorRueckfrage = [](void* c) { static_cast<SkriptSeite*>(c)->vorRueckfragen++; };
    l.k->SeitenDienst = dienst;
    s.werte = { { IDC_IP_SENKRECHT, kFarbe }, { IDC_IP_STANDARD, 1 } };
    EXPECT_EQ(kFarbe, SeiteTabellenArt(1)) << "the page's combo";
    EXPECT_EQ(kFarbe, SeiteTabellenArt(0)) << "no combo on the page: the mirror";
    EXPECT_EQ(1, SeiteStandard());
    EXPECT_EQ(-1, SeiteMwstKombiSatz());
    SeiteTabellenArtenSetzen(9, 11);
    SeiteStandardSetzen(0);
    EXPECT_EQ(9, s.werte[IDC_IP_SENKRECHT]);
    EXPECT_EQ(0, s.werte[IDC_IP_STANDARD]);
    EXPECT_EQ(0u, s.werte.count(IDC_IP_WAAGRECHT)) << "a control the page lacks is not invented";
    EXPECT_EQ(11, l.k->SeiteWaagrechtArt);

    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("12___4732");
    Berechnung_PutMindbestLoeschverhalten(2);
    MINDBEST_SATZ m;
    std::memset(&m, 0, sizeof m);
    m.ArtikelNummer = artikel;
    ASSERT_EQ(1, MindbestDBA_Schreibe(&m));
    MindestbestandAuslaufartikel(artikel);
    ASSERT_EQ(1u, s.fragen.size());
    EXPECT_EQ(1, MindbestDBA_MindbestExists(artikel)) << "answered no";
    s.antwort = 1;
    MindestbestandAuslaufartikel(artikel);
    EXPECT_EQ(0, MindbestDBA_MindbestExists(artikel)) << "answered yes";

    ASSERT_EQ(1, MindbestDBA_Schreibe(&m));
    l.k->SeitenDienst = SEITEN_DIENST{};
    MindestbestandAuslaufartikel(artikel);
    EXPECT_EQ(1, MindbestDBA_MindbestExists(artikel)) << "nobody to ask: nothing deleted";
    l.k->SeiteStandard = 1;
    EXPECT_EQ(1, SeiteStandard()) << "without a service: the mirror";

    /* The slots are the page's: a service that answers for them is asked,
     * without one the OxOut record answers. */
    l.k->OxOut.Ek2 = 1995;
    TAB_PREISE preise = {};
    PreisBlockVonSeite(&preise);
    EXPECT_EQ(1995, preise.Ek2) << "no service: the OxOut record";
    dienst.SlotZahl = [](void*, int32_t id) { return id == IDC_IP_EK2 ? 2495 : 0; };
    l.k->SeitenDienst = dienst;
    PreisBlockVonSeite(&preise);
    EXPECT_EQ(2495, preise.Ek2) << "the page's value, through its service";
}
