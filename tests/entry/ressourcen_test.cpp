/*
 * The German and the Dutch resource sets carry the same ids: every dialog
 * (but the German-only article assignment) with the same controls, every
 * string in both languages.
 */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

static const WORD DEUTSCH = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
static const WORD NIEDERLAENDISCH = MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH);

static BOOL CALLBACK NamenSammeln(HMODULE, LPCSTR, LPSTR name, LONG_PTR lp)
{
    if (IS_INTRESOURCE(name))
        ((std::vector<int>*)lp)->push_back((int)(INT_PTR)name);
    return TRUE;
}

static std::vector<int> Namen(LPCSTR typ)
{
    std::vector<int> namen;
    EnumResourceNamesA(GetModuleHandleA(nullptr), typ, NamenSammeln, (LONG_PTR)&namen);
    return namen;
}

static const void* Laden(LPCSTR typ, int id, WORD sprache, DWORD* groesse = nullptr)
{
    HMODULE modul = GetModuleHandleA(nullptr);
    HRSRC fund = FindResourceExA(modul, typ, MAKEINTRESOURCEA(id), sprache);
    if (fund == nullptr)
        return nullptr;
    if (groesse)
        *groesse = SizeofResource(modul, fund);
    return LockResource(LoadResource(modul, fund));
}

static INT_PTR CALLBACK Still(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

static BOOL CALLBACK IdSammeln(HWND h, LPARAM lp)
{
    int id = GetDlgCtrlID(h);
    if (id != -1 && id != 0xFFFF)
        ((std::set<int>*)lp)->insert(id);
    return TRUE;
}

/* The control ids of a dialog template, from the created dialog. */
static std::set<int> ControlIds(const void* vorlage, HWND eltern)
{
    std::set<int> ids;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)vorlage, eltern, Still, 0);
    if (dialog == nullptr)
        return ids;
    EnumChildWindows(dialog, IdSammeln, (LPARAM)&ids);
    DestroyWindow(dialog);
    return ids;
}

TEST(Ressourcen, JederDialogInBeidenSprachenMitDenselbenIds)
{
    InitCommonControls();
    HWND eltern = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    std::vector<int> dialoge = Namen((LPCSTR)RT_DIALOG);
    ASSERT_FALSE(dialoge.empty());
    for (int id : dialoge) {
        const void* de = Laden((LPCSTR)RT_DIALOG, id, DEUTSCH);
        const void* nl = Laden((LPCSTR)RT_DIALOG, id, NIEDERLAENDISCH);
        ASSERT_NE(nullptr, de) << "dialog " << id << " has no German template";
        if (id == 1013) {
            EXPECT_EQ(nullptr, nl) << "the article assignment dialog is German only";
            continue;
        }
        ASSERT_NE(nullptr, nl) << "dialog " << id << " has no Dutch template";
        std::set<int> idsDe = ControlIds(de, eltern);
        std::set<int> idsNl = ControlIds(nl, eltern);
        EXPECT_FALSE(idsDe.empty()) << "dialog " << id;
        if (id == 1003) {
            /* The Dutch export dialog picks the supplier in a combo box. */
            idsDe.erase(1172);
            idsDe.erase(1173);
            idsNl.erase(5002);
        }
        EXPECT_EQ(idsDe, idsNl) << "dialog " << id << " differs between German and Dutch";
    }
    DestroyWindow(eltern);
}

/* The strings of one string-table block (16 strings), empty where none. */
static std::vector<std::wstring> Block(int block, WORD sprache)
{
    std::vector<std::wstring> texte(16);
    DWORD groesse = 0;
    const WCHAR* p = (const WCHAR*)Laden((LPCSTR)RT_STRING, block, sprache, &groesse);
    if (p == nullptr)
        return texte;
    const WCHAR* ende = (const WCHAR*)((const char*)p + groesse);
    for (int i = 0; i < 16 && p < ende; i++) {
        WORD laenge = *p++;
        if (p + laenge > ende)
            break;
        texte[i].assign(p, laenge);
        p += laenge;
    }
    return texte;
}

TEST(Ressourcen, JederTextInBeidenSprachen)
{
    std::vector<int> bloecke = Namen((LPCSTR)RT_STRING);
    ASSERT_FALSE(bloecke.empty());
    int anzahl = 0;
    for (int block : bloecke) {
        std::vector<std::wstring> de = Block(block, DEUTSCH);
        std::vector<std::wstring> nl = Block(block, NIEDERLAENDISCH);
        for (int i = 0; i < 16; i++) {
            int id = (block - 1) * 16 + i;
            EXPECT_EQ(de[i].empty(), nl[i].empty()) << "string " << id << " is missing in one language";
            anzahl += !de[i].empty();
        }
    }
    EXPECT_GT(anzahl, 5);
}

TEST(Ressourcen, UmlauteKommenAlsUmlauteAn)
{
    /* The sets are compiled from cp1252 files: an umlaut must arrive as one
     * character, not as two bytes of another encoding. */
    std::vector<std::wstring> de = Block(1017 / 16 + 1, DEUTSCH);
    EXPECT_EQ(std::wstring(L"Kein Lieferant ausgew\u00e4hlt"), de[1017 % 16]);
    std::vector<std::wstring> nl = Block(1068 / 16 + 1, NIEDERLAENDISCH);
    EXPECT_EQ(std::wstring(L"Alleen volgende artikelkenmerken worden ge\u00efmporteerd :"), nl[1068 % 16]);
}
