/*
 * The list-view host library on a real list view: column widths through
 * the INI file, items with texts on demand, selections, double clicks.
 */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "harness/testordner.h"
#include "OXINIFILE/oxinifile_host.h"
#include "OXLISTVW/oxlistvw_host.h"

#include <string>

class Listenansicht : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_LISTVIEW_CLASSES };
        InitCommonControlsEx(&icc);
        fenster = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        liste = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 300, fenster,
                                (HMENU)77, nullptr, nullptr);
        ini = NeuerTestordner("listview") + "ORDANEX.INI";
    }
    void TearDown() override { DestroyWindow(fenster); }
    int Breite(int spalte) { return (int)SendMessageA(liste, LVM_GETCOLUMNWIDTH, spalte, 0); }
    bool Gewaehlt(int index) { return SendMessageA(liste, LVM_GETITEMSTATE, index, LVIS_SELECTED) != 0; }
    HWND fenster = nullptr;
    HWND liste = nullptr;
    std::string ini;
};

TEST_F(Listenansicht, SpaltenbreitenAusUndInDieIniDatei)
{
    INI2_PutString(ini.c_str(), "LISTE", "SPALTE01", "keine Zahl");
    INI2_PutInteger(ini.c_str(), "LISTE", "SPALTE02", 5000);
    INI2_PutInteger(ini.c_str(), "LISTE", "SPALTE03", 33);
    EXPECT_EQ(0, OXListView_AddColWidthText(liste, 0, "Datum", 80, ini.c_str(), "LISTE"));
    EXPECT_EQ(1, OXListView_AddColWidthText(liste, 1, "Name", 150, ini.c_str(), "LISTE"));
    EXPECT_EQ(2, OXListView_AddColWidthText(liste, 2, "Text", 120, ini.c_str(), "LISTE"));
    EXPECT_EQ(3, OXListView_AddColWidthText(liste, 3, "Adresse", 90, ini.c_str(), "LISTE"));
    EXPECT_EQ(4, OXListView_AddColWidthText(liste, 4, nullptr, 60, nullptr, nullptr));
    EXPECT_EQ(-1, OXListView_AddColWidthText(nullptr, 0, "x", 10, ini.c_str(), "LISTE"));
    EXPECT_EQ(80, Breite(0)) << "missing key";
    EXPECT_EQ(150, Breite(1)) << "not a number";
    EXPECT_EQ(120, Breite(2)) << "out of range";
    EXPECT_EQ(33, Breite(3));

    SendMessageA(liste, LVM_SETCOLUMNWIDTH, 0, 111);
    SendMessageA(liste, LVM_SETCOLUMNWIDTH, 1, 0);
    EXPECT_EQ(4, OXListView_WriteColWidths(liste, 4, ini.c_str(), "LISTE"));
    EXPECT_EQ(5, OXListView_WriteColWidths(liste, 9, ini.c_str(), "ANDERE")) << "only existing columns";
    EXPECT_EQ(-1, OXListView_WriteColWidths(liste, 4, nullptr, "LISTE"));
    EXPECT_EQ(111, INI2_GetInt(ini.c_str(), "LISTE", "SPALTE00", -1));
    EXPECT_EQ(0, INI2_GetInt(ini.c_str(), "LISTE", "SPALTE01", -1));
    EXPECT_EQ(-1, INI2_GetInt(ini.c_str(), "LISTE", "SPALTE04", -1));

    HWND zweite = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 100, 100, fenster, nullptr,
                                  nullptr, nullptr);
    OXListView_AddColWidthString(zweite, 0, GetModuleHandleA(nullptr), 999, 80, ini.c_str(), "LISTE");
    EXPECT_EQ(111, (int)SendMessageA(zweite, LVM_GETCOLUMNWIDTH, 0, 0)) << "read back after a restart";
}

TEST_F(Listenansicht, EintraegeAuswahlUndDoppelklick)
{
    OXListView_AddColWidthText(liste, 0, "A", 50, nullptr, nullptr);
    EXPECT_EQ(0, OXListView_SetExtendedStyle(liste, LVS_EX_GRIDLINES));
    EXPECT_EQ(LVS_EX_GRIDLINES, OXListView_SetExtendedStyle(liste, LVS_EX_FULLROWSELECT));
    EXPECT_EQ(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
              (int)SendMessageA(liste, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(i, OXListView_InsertItemCallback(liste, 99, 1000 + i));
    EXPECT_EQ(0, OXListView_InsertItemCallback(liste, 0, 999));
    EXPECT_EQ(-1, OXListView_InsertItemCallback(liste, -1, 1));
    EXPECT_EQ(999, OXListView_GetItemData(liste, 0));
    EXPECT_EQ(1003, OXListView_GetItemData(liste, 4));
    EXPECT_EQ(-1, OXListView_GetItemData(liste, 5));

    EXPECT_EQ(-1, OXListView_GetSelectedIndex(liste));
    EXPECT_EQ(-1, OXListView_GetSelectedITEM(liste));
    EXPECT_EQ(0, OXListView_GetSelectedCount(liste));
    EXPECT_EQ(1, OXListview_Select_Show_FlashItem(liste, 3));
    EXPECT_EQ(0, OXListview_Select_Show_FlashItem(liste, 5));
    EXPECT_EQ(3, OXListView_GetSelectedIndex(liste));
    EXPECT_EQ(1002, OXListView_GetSelectedITEM(liste));
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED;
    SendMessageA(liste, LVM_SETITEMSTATE, 1, (LPARAM)&item);
    EXPECT_EQ(2, OXListView_GetSelectedCount(liste));
    EXPECT_EQ(1, OXListView_GetNextSelected(liste, -1));
    EXPECT_EQ(3, OXListView_GetNextSelected(liste, 1));
    EXPECT_EQ(-1, OXListView_GetNextSelected(liste, 3));

    /* The flash lights the item for a moment and leaves it unlit: the
     * messages are handled until each of the two has happened. */
    auto bis = [&](bool erleuchtet) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            if ((SendMessageA(liste, LVM_GETITEMSTATE, 3, LVIS_DROPHILITED) != 0) == erleuchtet)
                return true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        return false;
    };
    EXPECT_TRUE(bis(true)) << "lit";
    EXPECT_TRUE(bis(false)) << "unlit again";

    NMITEMACTIVATE klick = {};
    klick.hdr.hwndFrom = liste;
    klick.hdr.code = NM_DBLCLK;
    klick.iItem = 2;
    EXPECT_EQ(1001, OXListView_GetDoubleClickedItem(liste, &klick.hdr));
    klick.iItem = -1;
    EXPECT_EQ(-1, OXListView_GetDoubleClickedItem(liste, &klick.hdr)) << "beside the items";
    klick.iItem = 2;
    klick.hdr.code = NM_CLICK;
    EXPECT_EQ(-1, OXListView_GetDoubleClickedItem(liste, &klick.hdr));
    EXPECT_EQ(-1, OXListView_GetDoubleClickedItem(liste, nullptr));

    EXPECT_EQ(1, OXListView_RemoveSelection(liste));
    EXPECT_EQ(0, OXListView_GetSelectedCount(liste));
    EXPECT_EQ(1, OXListView_DeleteAllItems(liste));
    EXPECT_EQ(0, (int)SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(-1, OXListView_DeleteAllItems(nullptr));
}
