/*
 * The main import window with its four pages as a whole: what closing
 * releases, column widths across calls, the Dutch set, a catalogue that
 * cannot be opened and one that is too long (reported once per read).
 */
#include <gtest/gtest.h>

#include "seiten/seiten_hilfen.h"
#include "kontext/seitenhilfe.h"
#include "KTSTORAGE/ktstorage_host.h"
#include "resources/resource.h"

using namespace seiten;

namespace {

/* Chooses `datei` on the selection page and switches to the filter page. */
void Lesen(Person& p, HWND w, const std::string& datei)
{
    HWND auswahl = Seite(w, "Auswahl");
    p.ListViewClick(auswahl, IDC_AW_LISTE, p.ListViewFind(auswahl, IDC_AW_LISTE, 4, datei));
    p.SelectTab(w, IDC_HW_TAB, 1);
}

int Spaltenbreite(Person& p, HWND seite, int liste, int spalte)
{
    return (int)SendMessageA(p.Control(seite, liste), LVM_GETCOLUMNWIDTH, (WPARAM)spalte, 0);
}

/* Drags column `spalte` to `breite` pixels, as the divider in the header does. */
void SpalteZiehen(Person& p, HWND seite, int liste, int spalte, int breite)
{
    PostMessageA(p.Control(seite, liste), LVM_SETCOLUMNWIDTH, (WPARAM)spalte, MAKELPARAM(breite, 0));
    p.Text(seite, liste);   /* waits until the list has handled it */
}

}  // namespace

TEST(Hauptfenster, SchliessenGibtSchriftenPinselUndBloeckeFrei)
{
    Host h("fenster_frei");
    int32_t bloecke = Storage_OutstandingBlocks();
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<HGDIOBJ> objekte;
    for (int runde = 0; runde < 2; runde++) {
        INT_PTR r = h.Rufen([&](Person& p) {
            HWND w = p.WaitWindow("EDI Import");
            ASSERT_NE(nullptr, w);
            Lesen(p, w, "HERBST.INH");
            p.SelectTab(w, IDC_HW_TAB, 0);
            p.Click(Seite(w, "Auswahl"), IDC_AW_ALLE);
            Lesen(p, w, "SCHUHE.PRI");
            p.SelectTab(w, IDC_HW_TAB, 2);
            p.SelectTab(w, IDC_HW_TAB, 3);
            EDI_KONTEXT* k = g_Kontext;
            objekte = { k->SchriftCourier8, k->SchriftCourier9Fett, k->SchriftArial8Fett, k->SchriftArial9Fett,
                        k->SchriftArial10Fett, k->SchriftArial12Fett, k->SchriftArial16Fett, k->PinselHellgelb,
                        k->PinselHellrot, k->PinselHellgruen, k->PinselHelltuerkis, k->PinselHellgrau,
                        k->PinselSignalrot };
            for (HGDIOBJ o : objekte)
                EXPECT_NE(0u, GetObjectType(o));
            /* Closed from the "Importieren" page with the close box. */
            p.CloseBox(w);
        });
        EXPECT_EQ(1, r);
        for (HGDIOBJ o : objekte)
            EXPECT_EQ(0u, GetObjectType(o)) << "font or brush alive after closing";
        EXPECT_EQ(bloecke, Storage_OutstandingBlocks()) << "round " << runde;
        if (gdi != 0) {
            EXPECT_EQ(gdi, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) << "round " << runde;
        }
    }
}

TEST(Hauptfenster, SpaltenbreitenUeberlebenDenNaechstenAufruf)
{
    Host h("fenster_breiten");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND auswahl = Seite(w, "Auswahl");
        /* Without stored widths a column takes its default or what its texts need. */
        EXPECT_LE(125, Spaltenbreite(p, auswahl, IDC_AW_LISTE, 3));
        EXPECT_LT(60, Spaltenbreite(p, auswahl, IDC_AW_LISTE, 2)) << "the supplier names need more room";
        SpalteZiehen(p, auswahl, IDC_AW_LISTE, 3, 222);
        Lesen(p, w, "HERBST.INH");
        HWND filter = Seite(w, "Filter");
        EXPECT_LE(60, Spaltenbreite(p, filter, IDC_FI_LISTE, 1));
        SpalteZiehen(p, filter, IDC_FI_LISTE, 1, 111);
        p.Click(w, IDC_HW_BEENDEN);
    });
    EXPECT_EQ(222, h.IniLong("KTOXEDI_AUSWAHL", "SPALTE03"));
    EXPECT_EQ(111, h.IniLong("KTOXEDI_FILTER", "SPALTE01"));
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ(222, Spaltenbreite(p, Seite(w, "Auswahl"), IDC_AW_LISTE, 3));
        /* A stored width stays even when it is narrower than the texts. */
        SpalteZiehen(p, Seite(w, "Auswahl"), IDC_AW_LISTE, 2, 20);
        p.SelectTab(w, IDC_HW_TAB, 2);
        p.SelectTab(w, IDC_HW_TAB, 0);
        EXPECT_EQ(20, Spaltenbreite(p, Seite(w, "Auswahl"), IDC_AW_LISTE, 2));
        EXPECT_EQ(111, Spaltenbreite(p, Seite(w, "Filter"), IDC_FI_LISTE, 1));
        EXPECT_EQ(10, Header_GetItemCount(ListView_GetHeader(p.Control(Seite(w, "Filter"),
                                                                                             IDC_FI_LISTE))));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(Hauptfenster, NiederlaendischUnterDenselbenIds)
{
    Host h("fenster_nl");
    LANGID alt = GetThreadUILanguage();
    LCID altLocale = GetThreadLocale();
    SetThreadUILanguage(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH));
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH), SORT_DEFAULT));
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        HWND tab = p.Control(w, IDC_HW_TAB);
        std::vector<std::string> titel;
        for (int i = 0; i < TabCtrl_GetItemCount(tab); i++) {
            char text[64] = "";
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(tab, TCM_GETITEMA, i, (LPARAM)&item);
            titel.push_back(text);
        }
        EXPECT_EQ((std::vector<std::string>{ "Keuze", "Filter", "Standaard", "Importeren" }), titel);
        HWND s = Seite(w, "Keuze");
        ASSERT_NE(nullptr, s);
        EXPECT_EQ("Alle leveranciers", p.Text(s, IDC_AW_LIEFERANT_NAME));
        EXPECT_EQ(0u, p.Text(s, IDC_AW_TEXT).find("Leg via de leverancier vast"));
        HWND kopf = ListView_GetHeader(p.Control(s, IDC_AW_LISTE));
        char text[64] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(kopf, HDM_GETITEMA, 0, (LPARAM)&item);
        EXPECT_STREQ("Aanmaakdatum", text);
        p.ListViewClick(s, IDC_AW_LISTE, p.ListViewFind(s, IDC_AW_LISTE, 4, "HERBST.INH"));
        /* texts formatted by the code come from the Dutch set as well */
        EXPECT_NE(std::string::npos, p.Text(w, IDC_HW_LIEFERANT).find(" van ")) << p.Text(w, IDC_HW_LIEFERANT);
        p.SelectTab(w, IDC_HW_TAB, 1);
        HWND f = Seite(w, "Filter");
        EXPECT_EQ("3 Hoofdgroep(en)", p.Text(f, IDC_FI_ANZAHL1));
        EXPECT_EQ("Op bovenstaande criteria filteren", p.Text(f, IDC_FI_FILTERN));
        p.SelectTab(w, IDC_HW_TAB, 2);
        HWND st = Seite(w, "Standaard");
        ASSERT_NE(nullptr, st);
        EXPECT_EQ("Volgende artikelkenmerken worden genegeerd :", p.Text(st, IDC_ST_KENNZEICHEN));
        p.Click(w, IDC_HW_BEENDEN);
    });
    SetThreadUILanguage(alt);
    SetThreadLocale(altLocale);
}

TEST(Hauptfenster, NichtLesbareDateiGibtNullZeilen)
{
    Host h("fenster_unlesbar");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        Lesen(p, w, "HERBST.INH");
        EXPECT_EQ("48", p.Text(w, IDC_HW_SAETZE));
        /* Chosen, then gone before the filter page reads it again. */
        p.SelectTab(w, IDC_HW_TAB, 0);
        ASSERT_TRUE(DeleteFileA((h.importOrdner + "HERBST.INH").c_str()));
        p.SelectTab(w, IDC_HW_TAB, 1);
        /* the page reads the file again through a message of its own: wait for it */
        EXPECT_TRUE(p.WaitText(w, IDC_HW_SAETZE, "0")) << p.Text(w, IDC_HW_SAETZE);
        EXPECT_TRUE(p.Settle());
        EXPECT_FALSE(p.MessageBoxAppears(0));
        EXPECT_EQ("0", p.Text(w, IDC_HW_GEFILTERT));
        EXPECT_EQ(0, p.ListViewCount(Seite(w, "Filter"), IDC_FI_LISTE));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

/* The person turns to another program while the selection page has the
 * focus in its supplier field: the field loses the focus, but the chosen
 * catalogue stays chosen and is read again on the filter page. */
TEST(Hauptfenster, AnderesProgrammVergisstDieGewaehlteDateiNicht)
{
    Host h("fenster_anderes");
    h.Rufen([&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        Lesen(p, w, "HERBST.INH");
        ASSERT_EQ("48", p.Text(w, IDC_HW_SAETZE));
        p.SelectTab(w, IDC_HW_TAB, 0);
        HWND feld = p.Control(Seite(w, "Auswahl"), IDC_AW_LIEFERANT);
        GUITHREADINFO info = { sizeof info };
        ASSERT_TRUE(GetGUIThreadInfo(p.UiThread(), &info));
        ASSERT_EQ(feld, info.hwndFocus) << "the page puts the focus into the supplier field";

        /* another program's window (this thread's) comes to the front */
        HWND anderes = CreateWindowExA(0, "STATIC", "Anderes Programm", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
        /* Another test program's window may hold the foreground for a moment. */
        for (int versuch = 0; versuch < 50 && info.hwndFocus == feld; versuch++) {
            SetForegroundWindow(anderes);
            SetFocus(anderes);
            p.Settle();
            GetGUIThreadInfo(p.UiThread(), &info);
        }
        if (info.hwndFocus == feld) {
            DestroyWindow(anderes);
            p.Click(w, IDC_HW_BEENDEN);
            GTEST_SKIP() << "no window of this program could come to the front";
        }
        EXPECT_NE(std::string::npos, std::string(g_Kontext->AusgewaehlteDatei).find("HERBST.INH"))
            << "chosen: [" << g_Kontext->AusgewaehlteDatei << "]";
        DestroyWindow(anderes);

        p.SelectTab(w, IDC_HW_TAB, 1);
        EXPECT_TRUE(p.WaitText(w, IDC_HW_SAETZE, "48"));
        EXPECT_EQ(48, p.ListViewCount(Seite(w, "Filter"), IDC_FI_LISTE));
        p.Click(w, IDC_HW_BEENDEN);
    });
}

TEST(Hauptfenster, ZuLangerKatalogMeldetBeiJedemLesenUndBehaeltDieErsten32000Zeilen)
{
    Host h("fenster_lang", false);
    Katalog(h.importOrdner + "GROSS.INH", ILN_STRICK, "Gross", 32001);
    h.Rufen(
        [&](Person& p) {
            HWND w = p.WaitWindow("EDI Import");
            ASSERT_NE(nullptr, w);
            HWND auswahl = Seite(w, "Auswahl");
            p.ListViewClick(auswahl, IDC_AW_LISTE, 0);
            PostMessageA(p.Control(w, IDC_HW_TAB), TCM_SETCURSEL, 1, 0);
            NMHDR kopf = { p.Control(w, IDC_HW_TAB), IDC_HW_TAB, (UINT)TCN_SELCHANGE };
            static NMHDR bleibt;
            bleibt = kopf;
            PostMessageA(w, WM_NOTIFY, IDC_HW_TAB, (LPARAM)&bleibt);
            MessageBoxInfo box = p.WaitMessageBox(120000);
            EXPECT_EQ("EDI IMPORT Meldung", box.caption);
            EXPECT_EQ(0u, box.text.find("Bitte die PRICAT- Datei kleiner machen!"));
            p.Answer(box, IDOK);
            HWND f = Seite(w, "Filter");
            EXPECT_EQ("32000", p.Text(w, IDC_HW_SAETZE));
            EXPECT_EQ(32000, p.ListViewCount(f, IDC_FI_LISTE));
            EXPECT_EQ("Jacke 7999", p.ListViewText(f, IDC_FI_LISTE, 31999, 0));
            /* Back on the filter page with no file chosen: the table the
             * reading ends with is still full, and that is reported again. */
            p.SelectTab(w, IDC_HW_TAB, 0);
            p.Click(auswahl, IDC_AW_ALLE);
            p.SelectTab(w, IDC_HW_TAB, 1);
            MessageBoxInfo wieder;
            EXPECT_TRUE(p.MessageBoxAppears(10000, &wieder));
            EXPECT_EQ(0u, wieder.text.find("Bitte die PRICAT- Datei kleiner machen!"));
            if (wieder.fenster != nullptr)
                p.Answer(wieder, IDOK);
            p.Click(w, IDC_HW_BEENDEN);
        },
        300000);
}

/* The pages' kept control handles: every dialog gets its own controls,
 * also past the point where the table is emptied for room, and an id a
 * dialog lacks gives null. */
TEST(Hauptfenster, SteuerelementeJedesDialogsAusDerTabelle)
{
    HINSTANCE instanz = GetModuleHandleA(nullptr);
    HWND dialoge[3];
    for (HWND& d : dialoge) {
        d = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instanz, nullptr);
        ASSERT_NE(nullptr, d);
        for (int id = 1000; id < 1200; id++)
            CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, d, (HMENU)(INT_PTR)id, instanz, nullptr);
    }
    for (int runde = 0; runde < 2; runde++) {
        for (int id = 1000; id < 1200; id++) {
            for (HWND d : dialoge) {
                HWND h = SeitenSteuerelement(d, id);
                ASSERT_NE(nullptr, h);
                ASSERT_EQ(GetDlgItem(d, id), h) << "id " << id << " round " << runde;
            }
        }
        EXPECT_EQ(nullptr, SeitenSteuerelement(dialoge[0], 999));
        EXPECT_EQ(nullptr, SeitenSteuerelement(dialoge[0], 999)) << "a missing id kept as missing";
    }
    SeitenSteuerelementeVergessen();
    for (HWND d : dialoge)
        DestroyWindow(d);
}
