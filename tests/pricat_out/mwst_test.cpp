/*
 * OXMWST: the six VAT rates, kept in the host's INI file, and the rate
 * combo box.
 */
#include <gtest/gtest.h>

#include "harness/testordner.h"
#include "OXINIFILE/oxinifile_host.h"
#include "OXMWST/oxmwst_host.h"

class Mwst : public ::testing::Test {
protected:
    void SetUp() override
    {
        ini = NeuerTestordner("mwst") + "ORDANEX.INI";
        INI_SetIniFilename(ini.c_str());
    }
    std::string ini;
};

TEST_F(Mwst, StandardsaetzeInGanzenProzent)
{
    EXPECT_EQ(0, OX_MWST_GetMWST_FromMwstSatz(0));
    EXPECT_EQ(7, OX_MWST_GetMWST_FromMwstSatz(1));
    EXPECT_EQ(19, OX_MWST_GetMWST_FromMwstSatz(2));
    EXPECT_EQ(11, OX_MWST_GetMWST_FromMwstSatz(5)) << "10.7 % rounds to 11";
    EXPECT_EQ(0, OX_MWST_GetMWST_FromMwstSatz(6));
    EXPECT_EQ(0, OX_MWST_GetMWST_FromMwstSatz(-1));
    EXPECT_EQ(1070, OX_MWST_GetMWST_Wert(5));
    EXPECT_EQ(-1, OX_MWST_GetMWST_Wert(6));
    /* Every rate number comes back from its percentage. */
    for (int32_t satz = 0; satz < OX_MWST_ANZAHL; ++satz)
        EXPECT_EQ(satz, OX_MWST_GetMWSTSatz(OX_MWST_GetMWST_FromMwstSatz(satz)));
    EXPECT_EQ(0, OX_MWST_GetMWSTSatz(42));
}

TEST_F(Mwst, GeaenderterSatzStehtInDerIniDatei)
{
    ASSERT_EQ(1, OX_MWST_SetMWST_Wert(3, 2000));
    EXPECT_EQ(-1, OX_MWST_SetMWST_Wert(6, 2000));
    EXPECT_EQ(-1, OX_MWST_SetMWST_Wert(3, 10001));
    EXPECT_EQ(20, OX_MWST_GetMWST_FromMwstSatz(3));
    EXPECT_EQ(3, OX_MWST_GetMWSTSatz(20));
    EXPECT_EQ(2000, INI_GetInt("MWST", "satz3", 0));
    /* A broken value in the file falls back to the default. */
    INI_PutInteger("MWST", "satz1", -5);
    EXPECT_EQ(700, OX_MWST_GetMWST_Wert(1));
}

TEST_F(Mwst, KomboboxZeigtSechsSaetze)
{
    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, dialog);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 80, 200, dialog,
                                 (HMENU)(INT_PTR)10, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, dialog, (HMENU)(INT_PTR)11, nullptr, nullptr);
    ASSERT_EQ(1, OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(dialog, 10, 11, 1));
    EXPECT_EQ(6, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, OX_MWST_GetSatzNr_FromComboBox(combo));
    EXPECT_EQ(700, OX_MWST_GetMWST_WertFromComboBox(combo));
    char text[32];
    GetDlgItemTextA(dialog, 11, text, sizeof text);
    EXPECT_STREQ("7,00", text);
    /* An unknown rate selects the default one. */
    OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(dialog, 10, 0, 9);
    EXPECT_EQ(OX_MWST_STANDARD, OX_MWST_GetSatzNr_FromComboBox(combo));
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0);
    EXPECT_EQ(-1, OX_MWST_GetSatzNr_FromComboBox(combo));
    EXPECT_EQ(-1, OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(dialog, 99, 0, 1));
    DestroyWindow(dialog);
}
