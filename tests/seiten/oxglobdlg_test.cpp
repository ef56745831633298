/*
 * The article dialog library on its own: registration per kind, showing
 * and looking up characteristics in a page's controls, the picker, and the
 * page's value slots reached through its binding function.
 */
#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "OXGLOBDLG/oxglobdlg_host.h"

#include <map>

using namespace seiten;

namespace {

/* A hidden page with an edit (100 + kind) and a static (200 + kind) for
 * the kinds 0, 1 and 8. */
struct Seitenfenster {
    HWND fenster;
    Seitenfenster()
    {
        fenster = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        for (int art : { 0, 1, 8 }) {
            CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, fenster, (HMENU)(INT_PTR)(100 + art),
                            GetModuleHandleA(nullptr), nullptr);
            CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 20, fenster, (HMENU)(INT_PTR)(200 + art),
                            GetModuleHandleA(nullptr), nullptr);
        }
        OXGLOBAL_DLGHELP_LoescheDlgElemente();
        for (int art : { 0, 1, 8 })
            OXGLOBAL_DLGHELP_FuelleDlgElemente(art, 300 + art, 100 + art, art == 0 ? 0 : 200 + art);
    }
    ~Seitenfenster() { DestroyWindow(fenster); }
    std::string Text(int id) const
    {
        char t[128] = "";
        GetDlgItemTextA(fenster, id, t, sizeof t);
        return t;
    }
};

/* The slots of a page: text slots of the sizes the import page uses, and
 * one 4-byte value. */
char g_Artikel[29], g_Lieferant[5], g_LieferantText[25], g_Code[5], g_Text[25], g_Kennung[2];
int32_t g_Preis;

int32_t OXCALL Bindung(int32_t id, void** adresse)
{
    static const std::map<int32_t, std::pair<void*, int32_t>> slots = {
        { 100, { g_Artikel, sizeof g_Artikel } },   { 108, { g_Lieferant, sizeof g_Lieferant } },
        { 208, { g_LieferantText, sizeof g_LieferantText } }, { 101, { g_Code, sizeof g_Code } },
        { 201, { g_Text, sizeof g_Text } },         { 50, { g_Kennung, sizeof g_Kennung } },
        { 60, { &g_Preis, sizeof g_Preis } },
    };
    auto it = slots.find(id);
    if (it == slots.end()) {
        *adresse = nullptr;
        return 0;
    }
    *adresse = it->second.first;
    return it->second.second;
}

}  // namespace

TEST(ArtikelDialogbibliothek, ZeigtSuchtUndLeertMerkmaleDerAnmeldung)
{
    Host h("oxglobdlg_merkmal", false);
    Merkmal(1, 5, "DOB", "Damenoberbekleidung");
    Seitenfenster s;
    int32_t edit = 0, text = 0;
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_FelderVonMerkmal(1, &edit, &text));
    EXPECT_EQ(101, edit);
    EXPECT_EQ(201, text);
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_FelderVonMerkmal(2, &edit, &text));
    EXPECT_EQ(0, edit);
    EXPECT_EQ(-1, OXGLOBAL_DLGHELP_FuelleDlgElemente(32, 1, 2, 3));

    EXPECT_EQ(1, OXGLOBAL_DLGHELP_MerkmalToDialog(s.fenster, 1, 5));
    EXPECT_EQ("DOB", s.Text(101));
    EXPECT_EQ("Damenoberbekleidung", s.Text(201));
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_MerkmalToDialog(s.fenster, 1, -1));
    EXPECT_EQ("", s.Text(101));
    EXPECT_EQ("", s.Text(201));

    SetDlgItemTextA(s.fenster, 101, " dob ");
    EXPECT_EQ(5, OXGLOBAL_DLGHELP_PruefeEingabe(s.fenster, 1, 0));
    EXPECT_EQ(" dob ", s.Text(101)) << "checking shows nothing";
    EXPECT_EQ(5, OXGLOBAL_DLGHELP_OnEditMerkmal(s.fenster, 1));
    EXPECT_EQ("DOB", s.Text(101));
    SetDlgItemTextA(s.fenster, 101, "NIX");
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_OnEditMerkmal(s.fenster, 1));
    EXPECT_EQ("NIX", s.Text(101)) << "the typed code stays";
    EXPECT_EQ("", s.Text(201));

    /* After forgetting, nothing is registered. */
    OXGLOBAL_DLGHELP_LoescheDlgElemente();
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_MerkmalToDialog(s.fenster, 1, 5));
    EXPECT_EQ("NIX", s.Text(101));
}

TEST(ArtikelDialogbibliothek, AuswahlNimmtDenDoppelklickUndOhneEintragNichts)
{
    Host h("oxglobdlg_auswahl", false);
    Merkmal(1, 5, "DOB", "Damenoberbekleidung");
    Merkmal(1, 6, "HAKA", "Herrenbekleidung");
    Seitenfenster s;
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)OXGLOBAL_DLGHELP_OnButtonMerkmal(s.fenster, 1); },
                              [&](Person& p) {
                                  HWND wahl = p.WaitWindow(OXGLOBDLG_AUSWAHL_MERKMAL);
                                  ASSERT_NE(nullptr, wahl);
                                  ASSERT_TRUE(p.PickList(wahl, OXGLOBDLG_AUSWAHL_LISTE, "HAKA\tHerrenbekleidung"));
                                  PostMessageA(wahl, WM_COMMAND, MAKEWPARAM(OXGLOBDLG_AUSWAHL_LISTE, LBN_DBLCLK),
                                               (LPARAM)p.Control(wahl, OXGLOBDLG_AUSWAHL_LISTE));
                                  EXPECT_TRUE(p.WaitClosed(wahl));
                              });
    EXPECT_EQ(6, r);
    EXPECT_EQ("HAKA", s.Text(101));

    /* No article in the store: OK chooses nothing and the edit keeps its text. */
    SetDlgItemTextA(s.fenster, 100, "A1");
    r = RunWithPerson([&] { return (INT_PTR)OXGLOBAL_DLGHELP_OnButtonMerkmal(s.fenster, 0); },
                      [&](Person& p) {
                          HWND wahl = p.WaitWindow(OXGLOBDLG_AUSWAHL_ARTIKEL);
                          ASSERT_NE(nullptr, wahl);
                          EXPECT_EQ(0, SendMessageA(p.Control(wahl, OXGLOBDLG_AUSWAHL_LISTE), LB_GETCOUNT, 0, 0));
                          p.Click(wahl, IDOK);
                          EXPECT_TRUE(p.WaitClosed(wahl));
                      });
    EXPECT_EQ(0, r);
    EXPECT_EQ("A1", s.Text(100));
}

TEST(ArtikelDialogbibliothek, SlotsNehmenTexteBegrenztUndZahlenInVierBytes)
{
    Host h("oxglobdlg_slots", false);
    Lieferant(17, ILN_STRICK, "Strickwaren");
    Merkmal(1, 5, "DOB", "Damenoberbekleidung");
    Seitenfenster s;
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(s.fenster, 50, "XYZ", Bindung));
    EXPECT_STREQ("X", g_Kennung) << "cut to the slot";
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(s.fenster, 77, "x", Bindung)) << "no slot";
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_SetOx_OutItemLong(s.fenster, 60, -1250, Bindung));
    EXPECT_EQ(-1250, g_Preis);
    EXPECT_EQ(-1250, OXGLOBAL_DLGHELP_GetOx_OutItemLong(s.fenster, 60, Bindung));
    char text[8];
    EXPECT_EQ(5, OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(s.fenster, 60, text, sizeof text, Bindung));
    EXPECT_STREQ("-1250", text);
    EXPECT_EQ(3, OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(s.fenster, 60, text, 4, Bindung));
    EXPECT_STREQ("-12", text);

    /* A control's text into its slot. */
    SetDlgItemTextA(s.fenster, 101, "dob");
    EXPECT_EQ(1, OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(s.fenster, 101, Bindung));
    EXPECT_STREQ("dob", g_Code);
    EXPECT_EQ(5, OXGLOBAL_DLGHELP_OnEditMerkmalOxOut(s.fenster, 1, Bindung));
    EXPECT_STREQ("DOB", g_Code);
    EXPECT_STREQ("Damenoberbekleidung", g_Text);
    EXPECT_EQ("dob", s.Text(101)) << "the library leaves the controls to the page";
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(s.fenster, 1, -1, Bindung));
    EXPECT_STREQ("", g_Code);
    EXPECT_STREQ("", g_Text);

    /* An article: its name from the supplier code and the article number
     * text, created once and found again. */
    OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(s.fenster, 8, 17, Bindung);
    EXPECT_STREQ("17", g_Lieferant);
    EXPECT_STREQ("Strickwaren", g_LieferantText);
    OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(s.fenster, 100, "4711", Bindung);
    char name[DBA_ARTIKELNAME];
    EXPECT_EQ(9, OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(s.fenster, name, Bindung));
    EXPECT_STREQ("17___4711", name);
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_OnEditArtikelOxOut(s.fenster, Bindung));
    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(name);
    ASSERT_GT(artikel, 0);
    EXPECT_EQ(artikel, OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(name)) << "an existing article is not made twice";
    EXPECT_EQ(artikel, OXGLOBAL_DLGHELP_OnEditArtikelOxOut(s.fenster, Bindung));
    ARTIKEL_SATZ satz;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(artikel, &satz));
    EXPECT_EQ(17, satz.LieferantNummer);
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(""));
    EXPECT_EQ(0, OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("17___"));

    MERKMAL_SATZ m;
    ASSERT_EQ(1, MMLIB_LeseMerkmal(1, 5, &m));
    char zusammen[64];
    EXPECT_EQ(23, OXGLOBAL_DLGHELP_Concat_KurzUndLangtext(&m, zusammen));
    EXPECT_STREQ("DOB Damenoberbekleidung", zusammen);
}
