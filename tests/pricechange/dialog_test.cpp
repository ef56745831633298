/*
 * Dialog 1005 used as a person would, on real stores of the stand-in host:
 * the options, the run over the stock items, the labels, the printed list,
 * the change store afterwards; the services the import calls; what happens
 * when a store cannot be opened.
 */
#include <gtest/gtest.h>

#include "pricechange/pc_hilfen.h"
#include "pricechange/preisaenderung.h"
#include "etiketten.h"
#include "harness/person.h"
#include "harness/testordner.h"
#include "hostapi/ktlisten.h"
#include "hostapi/oxinifile.h"
#include "VIEWDLL/viewdll_host.h"
#include "resources/resource.h"

#include <cstdio>
#include <cstring>
#include "DBADLL/dbadll_host.h"

using namespace pc;

namespace {

const char* const TITEL = "Einzelteil\xe4nderungen und Etiketten";
const char* const LISTENTITEL = "ORDANEX Preis\xe4nderungsliste";

const int OPTIONEN[] = { IDC_EA_KEINE_VERKAUFTEN, IDC_EA_KEINE_EK1, IDC_EA_ETIKETTEN, IDC_EA_PREISAENDERUNGEN };

INT_PTR Anbieten(const std::function<void(Person&)>& person)
{
    return RunWithPerson([] { return PreisaenderungenAnbieten(nullptr); }, person);
}

/* The viewer's lines, and the viewer closed. Empty when there is none. */
std::vector<std::string> ViewerLesen(const char* titel)
{
    std::vector<std::string> zeilen;
    HWND v = FindWindowA("OXVIEWER", titel);
    if (v == nullptr)
        return zeilen;
    char zeile[256];
    for (int32_t i = 0; i < Viewer_AnzahlZeilen(v); i++)
        if (Viewer_GetZeile(v, i, zeile, sizeof zeile) == 1)
            zeilen.push_back(zeile);
    DestroyWindow(v);
    return zeilen;
}

bool EnthaeltTeil(const std::vector<std::string>& zeilen, int teil)
{
    char anfang[16];
    std::snprintf(anfang, sizeof anfang, "%8d ", teil);
    for (const std::string& z : zeilen)
        if (z.compare(0, std::strlen(anfang), anfang) == 0)
            return true;
    return false;
}

}  // namespace

TEST(Dialog1005, HauptkaestchenSchaltetAlleOptionenUndOhneEsBleibtAllesStehen)
{
    Lager l("pc_optionen");
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0));
    l.Aenderungen({ Aenderung(10, 0, 0, 3499, 0) });
    INT_PTR r = Anbieten([&](Person& p) {
        HWND w = p.WaitWindow(TITEL);
        ASSERT_NE(nullptr, w);
        EXPECT_TRUE(p.IsChecked(w, IDC_EA_DURCHFUEHREN));
        for (int id : OPTIONEN) {
            EXPECT_TRUE(p.IsChecked(w, id)) << id;
            EXPECT_TRUE(p.IsEnabled(w, id)) << id;
        }
        EXPECT_TRUE(p.IsEnabled(w, IDC_EA_FORTSCHRITT));
        EXPECT_EQ(1, g_Kontext->EtikettenDrucken);
        EXPECT_EQ(1, g_Kontext->KeineEk1Aenderung);

        p.Click(w, IDC_EA_ETIKETTEN);
        EXPECT_EQ(0, g_Kontext->EtikettenDrucken);
        EXPECT_EQ(1, g_Kontext->PreisaenderungenDrucken);

        p.Click(w, IDC_EA_DURCHFUEHREN);
        for (int id : OPTIONEN) {
            EXPECT_FALSE(p.IsChecked(w, id)) << id;
            EXPECT_FALSE(p.IsEnabled(w, id)) << id;
        }
        EXPECT_FALSE(p.IsEnabled(w, IDC_EA_FORTSCHRITT));
        EXPECT_TRUE(p.IsEnabled(w, IDC_EA_DURCHFUEHREN));
        EXPECT_EQ(0, g_Kontext->KeineVerkauftenAendern);
        EXPECT_EQ(0, g_Kontext->KeineEk1Aenderung);
        EXPECT_EQ(0, g_Kontext->PreisaenderungenDrucken);

        p.Click(w, IDC_EA_DURCHFUEHREN);
        for (int id : OPTIONEN)
            EXPECT_TRUE(p.IsChecked(w, id) && p.IsEnabled(w, id)) << id << " comes back with the box";
        p.Click(w, IDC_EA_DURCHFUEHREN);
        p.Click(w, IDOK);
    });
    EXPECT_EQ(1, r);
    EXPECT_EQ(2999, l.TeilLesen(1).Vk1) << "without 1158 no item changes";
    EXPECT_EQ(1, l.AnzahlAenderungen()) << "and the change store stays";
    EXPECT_EQ(0, l.kontext->PreisaenderungsListe);
    EXPECT_TRUE(ViewerLesen(LISTENTITEL).empty());
}

TEST(Dialog1005, OkAendertDieTeileSchreibtEtikettenDrucktDieListeUndLoeschtDenSpeicher)
{
    Lager l("pc_lauf", true);
    long gedruckt = g_StandinEtikettenGedruckt;
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0));                  /* VK changes: list, label */
    l.TeilSchreiben(2, Teil(10, 2, 1000, 0, 2999, 0));                  /* branch without labels */
    EINZELTEIL_SATZ verkauft = Teil(10, 1, 1000, 0, 2999, 0);
    verkauft.Flags |= EINZELTEIL_VERKAUFT;
    l.TeilSchreiben(3, verkauft);                                       /* sold: stays */
    l.TeilSchreiben(4, Teil(20, 1, 500, 0, 999, 0));                   /* no change for it */
    l.TeilSchreiben(5, Teil(10, 1, 1000, 0, 3499, 0));                  /* only EK1 differs: kept */
    l.Aenderungen({ Aenderung(10, 1500, 0, 3499, 0) });

    INT_PTR r = Anbieten([&](Person& p) {
        HWND w = p.WaitWindow(TITEL);
        ASSERT_NE(nullptr, w);
        p.Click(w, IDOK);
    });
    EXPECT_EQ(1, r);
    EXPECT_EQ(3499, l.TeilLesen(1).Vk1);
    EXPECT_EQ(1000, l.TeilLesen(1).Ek1) << "no EK1 changes is ticked by default";
    EXPECT_EQ(3499, l.TeilLesen(2).Vk1);
    EXPECT_EQ(2999, l.TeilLesen(3).Vk1);
    EXPECT_EQ(999, l.TeilLesen(4).Vk1);
    EXPECT_EQ(1000, l.TeilLesen(5).Ek1);
    EXPECT_EQ(0, EDI_AENDERUNG_DBA_EDIAenderungExists()) << "the change store is deleted";

    std::vector<std::string> etiketten = l.Etiketten();
    ASSERT_EQ(1u, etiketten.size());
    EXPECT_EQ("ETIKETT;1;1000;1;1;77;-5", etiketten[0]);

    std::vector<std::string> liste = ViewerLesen(LISTENTITEL);
    EXPECT_TRUE(EnthaeltTeil(liste, 1));
    EXPECT_FALSE(EnthaeltTeil(liste, 2));
    EXPECT_FALSE(EnthaeltTeil(liste, 5));
    EXPECT_EQ(0, l.kontext->PreisaenderungsListe) << "the list is gone after printing";

    /* The host is asked to print the labels, and does when it gets it. */
    typedef std::vector<std::pair<WPARAM, LPARAM>> Befehle;
    EXPECT_EQ((Befehle{ { 548, 1 } }), l.HostBefehle());
    SendMessageA(l.host.fenster, WM_COMMAND, 548, 1);
    EXPECT_EQ(gedruckt + 1, g_StandinEtikettenGedruckt);
    std::vector<std::string> druck = ViewerLesen(STANDIN_ETIKETTEN_TITEL);
    ASSERT_EQ(1u, druck.size());
    EXPECT_EQ("Teil 1  Filiale 1  EK1 10,00  VK1 34,99", druck[0]);
    EXPECT_TRUE(l.Etiketten().empty()) << "printed labels leave the file";
}

TEST(Dialog1005, OhneSperrenAendernSichAuchEk1UndVerkaufteTeile)
{
    Lager l("pc_ohne_sperren", true);
    long gedruckt = g_StandinEtikettenGedruckt;
    EINZELTEIL_SATZ verkauft = Teil(10, 1, 1000, 0, 2999, 0);
    verkauft.Flags |= EINZELTEIL_VERKAUFT;
    verkauft.Preis3 = 800;
    l.TeilSchreiben(1, verkauft);
    EDIAENDERUNG_SATZ s = Aenderung(10, 1500, 0, 2999, 0);
    s.Preis3 = 1400;
    l.Aenderungen({ s });
    Anbieten([&](Person& p) {
        HWND w = p.WaitWindow(TITEL);
        ASSERT_NE(nullptr, w);
        p.Click(w, IDC_EA_KEINE_EK1);
        p.Click(w, IDC_EA_KEINE_VERKAUFTEN);
        p.Click(w, IDC_EA_PREISAENDERUNGEN);
        p.Click(w, IDOK);
    });
    EINZELTEIL_SATZ t = l.TeilLesen(1);
    EXPECT_EQ(1500, t.Ek1);
    EXPECT_EQ(1400, t.Preis3);
    ASSERT_EQ(1u, l.Etiketten().size());
    EXPECT_EQ("ETIKETT;1;1500;1;1;77;-5", l.Etiketten()[0]) << "the label carries the new EK1";
    EXPECT_TRUE(ViewerLesen(LISTENTITEL).empty()) << "no list when its printing is off";
    EXPECT_EQ(1u, l.HostBefehle().size());
    EXPECT_EQ(gedruckt, g_StandinEtikettenGedruckt) << "the labels wait for the host";
}

TEST(Dialog1005, SchliessenFeldLaeuftWieOkUndDieSaisonRegelGiltAusDemIni)
{
    Lager l("pc_saison");
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0, 0, 0, 110));
    EDIAENDERUNG_SATZ s = Aenderung(10, 0, 0, 3499, 0);
    s.Merkmal[10] = 111;
    l.Aenderungen({ s });
    INI_PutLong("BERECHNUNGEN", "et_aenderung_mit_saison", 1);
    Anbieten([&](Person& p) {
        HWND w = p.WaitWindow(TITEL);
        ASSERT_NE(nullptr, w);
        p.CloseBox(w);
    });
    EXPECT_EQ(1, l.kontext->EtAenderungMitSaison);
    EXPECT_EQ(2999, l.TeilLesen(1).Vk1) << "another season does not match";
    EXPECT_EQ(0, l.AnzahlAenderungen()) << "the run deletes the store also when nothing matched";
    ViewerLesen(LISTENTITEL);

    l.Aenderungen({ s });
    INI_PutLong("BERECHNUNGEN", "et_aenderung_mit_saison", 0);
    Anbieten([&](Person& p) {
        HWND w = p.WaitWindow(TITEL);
        ASSERT_NE(nullptr, w);
        p.CloseBox(w);
    });
    EXPECT_EQ(3499, l.TeilLesen(1).Vk1) << "without the season rule the change applies";
    ViewerLesen(LISTENTITEL);
}

TEST(Dialog1005, OhneAenderungenKeinDialog)
{
    Lager l("pc_leer");
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0));
    EXPECT_EQ(0, PreisaenderungenAnbieten(nullptr));
    l.kontext->EtikettenDrucken = 1;
    long geoeffnet = g_StandinRufe[23];
    EXPECT_EQ(-1, EinzelteileAendern(nullptr)) << "nothing loaded, nothing done";
    EXPECT_EQ(geoeffnet, g_StandinRufe[23]) << "not even the label file is opened";
}

TEST(Dialog1005, EinSpeicherDerNichtAufgehtAendertNichtsLoeschtAberDieAenderungen)
{
    Lager l("pc_fehler");
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0));
    l.Aenderungen({ Aenderung(10, 0, 0, 3499, 0) });
    /* The description store cannot be opened: a folder stands in its place. */
    ASSERT_TRUE(CreateDirectoryA((l.host.datenOrdner + "BEZEICH.DBA").c_str(), nullptr));
    ASSERT_EQ(-1, BEZLIB_OeffneDatenbank());
    l.kontext->PreisaenderungenDrucken = 1;
    l.kontext->EtikettenDrucken = 1;
    long offen = g_StandinRufe[23] - g_StandinRufe[24];
    EXPECT_EQ(0, EinzelteileAendern(nullptr));
    EXPECT_EQ(2999, l.TeilLesen(1).Vk1);
    EXPECT_EQ(0, l.AnzahlAenderungen());
    EXPECT_EQ(offen, g_StandinRufe[23] - g_StandinRufe[24]) << "the label file is closed again";
    EXPECT_EQ(-1, l.kontext->EinzelteilHandle);
    EXPECT_EQ(0, l.kontext->PreisaenderungsListe);
}

TEST(Aenderungsspeicher, VorbereitenUndAnhaengenWieDerImport)
{
    Lager l("pc_vorbereiten");
    ARTIKEL_SATZ a;
    std::memset(&a, 0, sizeof a);
    std::strcpy(a.Zusatztext, "KENN-10");
    a.MwstSatz = 3;
    ASSERT_EQ(1, ARTLIB_SchreibeArtikel(10, &a));
    MERKMAL_SATZ m;
    std::memset(&m, 0, sizeof m);
    m.Nummer = 5, m.Art = 1, std::strcpy(m.Code, "DOB");
    MMLIB_SchreibeMerkmal(1, &m);
    m.Nummer = 9, m.Art = 11, std::strcpy(m.Code, "W24");
    MMLIB_SchreibeMerkmal(11, &m);
    unsigned char codes[128] = {};
    std::memcpy(codes + 29 + 5 * 1, "DOB", 3);
    std::memcpy(codes + 29 + 5 * 11, "W24", 3);
    std::memcpy(codes + 29 + 5 * 9, "XX", 2);

    l.kontext->PreisanpassungEk1 = 1;
    l.kontext->PreisanpassungVk2 = 1;
    EXPECT_EQ(-1, AenderungAnhaengen()) << "not open";
    ASSERT_EQ(1, AenderungsspeicherOeffnen());
    int32_t preise[7] = { 1500, 1600, 1700, 3499, 4499, 3300, 77 };
    AenderungVorbereiten(10, preise, "Text eins", codes);
    EXPECT_EQ(1, AenderungAnhaengen());
    AenderungVorbereiten(0, nullptr, nullptr, nullptr);
    EXPECT_EQ(-1, l.kontext->AenderungSatz.EtikettenArt) << "each preparation starts without label kind";
    EXPECT_EQ(10, l.kontext->AenderungSatz.ArtikelNummer) << "absent parts keep their values";
    AenderungsspeicherSchliessen();
    EXPECT_EQ(-1, l.kontext->AenderungHandle);
    EXPECT_EQ(-1, AenderungAnhaengen());

    HOSTHANDLE h = EDI_AENDERUNG_DBA_RW_Open();
    int32_t n = 0;
    EDIAENDERUNG_SATZ* s = EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(h, &n);
    EDI_AENDERUNG_DBA_Close(h);
    ASSERT_EQ(1, n);
    EXPECT_EQ(10, s->ArtikelNummer);
    EXPECT_EQ(std::string("KENN-10"), s->Text2);
    EXPECT_EQ(3, s->EtikettenArt);
    EXPECT_EQ(1500, s->Ek1);
    EXPECT_EQ(0, s->Ek2) << "no EK2 adoption";
    EXPECT_EQ(1700, s->Preis3);
    EXPECT_EQ(0, s->Vk1);
    EXPECT_EQ(4499, s->Vk2);
    EXPECT_EQ(3300, s->Preis6);
    EXPECT_EQ(77, s->Preis7);
    EXPECT_EQ(std::string("Text eins"), s->Text1);
    EXPECT_EQ(5, s->Merkmal[0]);
    EXPECT_EQ(0, s->Merkmal[8]) << "kind 9 is never looked up";
    EXPECT_EQ(9, s->Merkmal[10]);
    EXPECT_EQ(0, s->Merkmal[2]) << "no code, no number";
    EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG(s);
}

TEST(Aenderungsspeicher, BlockweiseUeberDieBlockgrenze)
{
    Lager l("pc_bloecke");
    /* 4,100 items: the second block starts at position 4097. */
    const int32_t n = 4100;
    for (int32_t p = 1; p <= n; p++)
        l.TeilSchreiben(p, Teil(p == 4096 || p == 4097 || p == n ? 10 : 20, 1, 1000, 0, 2999, 0));
    l.Aenderungen({ Aenderung(10, 0, 0, 3499, 0) });
    l.kontext->PreisaenderungenDrucken = 1;
    EXPECT_EQ(3, EinzelteileAendern(nullptr));
    EXPECT_EQ(3499, l.TeilLesen(4096).Vk1);
    EXPECT_EQ(3499, l.TeilLesen(4097).Vk1);
    EXPECT_EQ(3499, l.TeilLesen(n).Vk1);
    EXPECT_EQ(2999, l.TeilLesen(4095).Vk1);
    EXPECT_EQ(3, List_Count(l.kontext->PreisaenderungsListe));
    PreisaenderungslisteDrucken();
    std::vector<std::string> liste = ViewerLesen(LISTENTITEL);
    EXPECT_TRUE(EnthaeltTeil(liste, 4096) && EnthaeltTeil(liste, 4097) && EnthaeltTeil(liste, n));
}
