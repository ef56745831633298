/*
 * The stand-in host's side of the price change: the label file of
 * callbacks 23 to 25, the price-change list print of callback 26, the
 * print viewer, and the whole road from the main import window.
 */
#include <gtest/gtest.h>

#include "pricechange/pc_hilfen.h"
#include "callbacks.h"
#include "etiketten.h"
#include "harness/person.h"
#include "harness/testordner.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"
#include "REPORT/report_host.h"
#include "VIEWDLL/viewdll_host.h"
#include "resources/resource.h"

#include <cstring>

using namespace pc;

namespace {

std::vector<std::string> Zeilen(const B_DOC* d)
{
    std::vector<std::string> z;
    char zeile[256];
    for (int32_t i = 0; i < B_DOC_AnzahlZeilen(d); i++)
        if (B_DOC_GetZeile(d, i, zeile, sizeof zeile) == 1)
            z.push_back(zeile);
    return z;
}

PREISAENDERUNG_ELEMENT* Element(int32_t nummer, const EINZELTEIL_SATZ& vor, const EINZELTEIL_SATZ& nach)
{
    PREISAENDERUNG_ELEMENT* e = (PREISAENDERUNG_ELEMENT*)Storage_Allocate(sizeof(PREISAENDERUNG_ELEMENT));
    e->TeilNummer = nummer;
    e->Vorher = vor;
    e->Nachher = nach;
    return e;
}

void OXCALL Freigeben(void* e)
{
    Storage_Deallocate(e);
}

}  // namespace

TEST(Etikettendatei, ZeilenAnhaengenLeerenUndFremdeHandlesAbweisen)
{
    Lager l("pc_etikettendatei");
    int32_t h = Host23("", 1);
    ASSERT_GT(h, 0);
    ETIKETT_ANFORDERUNG a;
    std::memset(&a, 0, sizeof a);
    a.TeilNummer = 3, a.Ek1 = 1250, a.Filiale = 2, a.Filiale2 = 2, a.Wert = 9, a.Wert2 = -1;
    EXPECT_EQ(1, Host25(h, &a));
    EXPECT_EQ(0, Host25(h + 1000, &a));
    EXPECT_EQ(0, Host25(h, nullptr));
    EXPECT_EQ(1, Host24(h));
    EXPECT_EQ(0, Host24(h)) << "closed once";
    EXPECT_EQ(0, Host25(h, &a)) << "a closed file takes no more labels";

    h = Host23("", 1);
    a.TeilNummer = 4;
    Host25(h, &a);
    Host24(h);
    EXPECT_EQ((std::vector<std::string>{ "ETIKETT;3;1250;2;2;9;-1", "ETIKETT;4;1250;2;2;9;-1" }), l.Etiketten())
        << "mode 1 appends";

    std::string eigene = l.wurzel + "RETOUREN.DAT";
    h = Host23(eigene.c_str(), 0);
    Host25(h, &a);
    Host24(h);
    EXPECT_EQ("ETIKETT;4;1250;2;2;9;-1\r\n", DateiLesen(eigene));
    h = Host23(eigene.c_str(), 0);
    Host24(h);
    EXPECT_EQ("", DateiLesen(eigene)) << "another mode starts the file anew";
    EXPECT_EQ(0, Host23((l.wurzel + "FEHLT\\X.DAT").c_str(), 1)) << "a file in a missing folder";
}

TEST(Preisaenderungsdruck, EineZeileJeTeilMitAltenUndNeuenPreisen)
{
    Lager l("pc_druck");
    HOSTHANDLE liste = 0;
    EINZELTEIL_SATZ vor = Teil(10, 1, 1000, 1100, 2999, 3999);
    EINZELTEIL_SATZ nach = Teil(10, 1, 1500, 1100, 3499, -5);
    List_NewElement(&liste, Element(7, vor, nach));
    List_NewElement(&liste, Element(12, Teil(11, 3, 0, 0, 100, 0), Teil(11, 3, 0, 0, 250, 0)));

    B_DOC* d = B_DOC_NewDocument("EDIPREISAENDERUNG", nullptr);
    EXPECT_EQ(2, Host26(nullptr, d, liste));
    std::vector<std::string> z = Zeilen(d);
    ASSERT_EQ(7u, z.size());
    EXPECT_EQ("Preis\xe4nderungsliste", z[0]);
    EXPECT_EQ(0u, z[2].find("    Teil  Artikel Fil.    EK1 alt    EK1 neu"));
    EXPECT_EQ("       7       10    1      10,00      15,00      11,00      11,00      29,99      34,99"
              "      39,99      -0,05", z[3]);
    EXPECT_EQ(0u, z[4].find("      12       11    3       0,00       0,00"));
    EXPECT_EQ("2 Einzelteile", z[6]);

    EXPECT_EQ(-1, Host26(nullptr, nullptr, liste));
    EXPECT_EQ(-1, Host26(nullptr, d, 987654)) << "not a list";

    /* The viewer keeps its own copy of the document. */
    HWND v = Viewer_CreatePrinterWindow("Liste", d, nullptr);
    ASSERT_NE(nullptr, v);
    EXPECT_FALSE(IsWindowVisible(v)) << "the caller shows it";
    B_DOC_DestroyDocument(d);
    ASSERT_EQ(7, Viewer_AnzahlZeilen(v));
    char zeile[256];
    EXPECT_EQ(1, Viewer_GetZeile(v, 6, zeile, sizeof zeile));
    EXPECT_STREQ("2 Einzelteile", zeile);
    EXPECT_EQ(0, Viewer_GetZeile(v, 7, zeile, sizeof zeile));
    char kurz[5];
    Viewer_GetZeile(v, 6, kurz, sizeof kurz);
    EXPECT_STREQ("2 Ei", kurz);
    ShowWindow(v, SW_SHOWNORMAL);
    UpdateWindow(v);
    SendMessageA(v, WM_VSCROLL, SB_BOTTOM, 0);
    DestroyWindow(v);
    EXPECT_EQ(-1, Viewer_AnzahlZeilen(v));
    EXPECT_EQ(-1, Viewer_AnzahlZeilen(GetDesktopWindow())) << "only viewer windows answer";
    List_Destroy(liste, Freigeben);
}

TEST(GanzerWeg, BeendenDesImportfenstersBietetDieAenderungenAnUndFuehrtSieAus)
{
    Lager l("pc_weg", true);
    l.TeilSchreiben(1, Teil(10, 1, 1000, 0, 2999, 0));
    l.Aenderungen({ Aenderung(10, 0, 0, 3499, 0) });
    g_Kontext = nullptr;   /* the call makes its own context */
    Standin_Parameter(l.host, 1);
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&l.host.parameter); },
                              [&](Person& p) {
                                  HWND w = p.WaitWindow("EDI Import");
                                  ASSERT_NE(nullptr, w);
                                  p.Click(w, IDC_HW_BEENDEN);
                                  HWND d = p.WaitWindow("Einzelteil\xe4nderungen und Etiketten");
                                  ASSERT_NE(nullptr, d);
                                  p.Click(d, IDOK);
                              },
                              60000);
    g_Kontext = l.kontext;
    EXPECT_EQ(1, r);
    EXPECT_EQ(3499, l.TeilLesen(1).Vk1);
    EXPECT_EQ(0, EDI_AENDERUNG_DBA_EDIAenderungExists());
    EXPECT_EQ(1u, l.Etiketten().size());
    HWND v = FindWindowA("OXVIEWER", "ORDANEX Preis\xe4nderungsliste");
    ASSERT_NE(nullptr, v);
    EXPECT_EQ(GetWindow(v, GW_OWNER), l.host.fenster) << "the viewer belongs to the host window";
    EXPECT_TRUE(IsWindowVisible(v));
    DestroyWindow(v);
    ASSERT_EQ(1u, l.HostBefehle().size());
    EXPECT_EQ(548u, (unsigned)l.HostBefehle()[0].first);
}
