/*
 * ftptest.cpp - shared parts of the exchange dialog tests.
 */
#include "ftptest.h"

#include "ftp/ftp.h"

#include <algorithm>

void OrdnerAnlegen(const std::string& pfad)
{
    for (size_t i = 3; i <= pfad.size(); i++)
        if (i == pfad.size() || pfad[i] == '\\')
            CreateDirectoryA(pfad.substr(0, i).c_str(), nullptr);
}

void FtpDialogTest::SetUp()
{
    wurzel = NeuerTestordner("ftp");
    fernOrdner = wurzel + "server\\KIVOLA\\EDI\\DOWNLOAD\\";
    importOrdner = wurzel + "EDI_IMPORT\\";
    exportOrdner = wurzel + "EDI_EXPORT\\";
    ini = wurzel + "ORDANEX.INI";
    OrdnerAnlegen(fernOrdner);
    OrdnerAnlegen(importOrdner);
    OrdnerAnlegen(exportOrdner);
}

void FtpDialogTest::TearDown() {}

void FtpDialogTest::Datei(const std::string& pfad, const std::string& inhalt, int tag, int monat, int jahr)
{
    DateiSchreiben(pfad, inhalt);
    SYSTEMTIME st = {};
    st.wYear = (WORD)jahr;
    st.wMonth = (WORD)monat;
    st.wDay = (WORD)tag;
    st.wHour = 12;
    FILETIME zeit;
    SystemTimeToFileTime(&st, &zeit);
    HANDLE h = CreateFileA(pfad.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &zeit);
    CloseHandle(h);
}

void FtpDialogTest::Fern(const std::string& name, const std::string& inhalt, int tag, int monat, int jahr)
{
    Datei(fernOrdner + name, inhalt, tag, monat, jahr);
}

void FtpDialogTest::Dialog(int hochladen, const FtpTestServer& server,
                           const std::function<void(Person&, HWND)>& tun, const std::string& passwort,
                           const char* uploadText)
{
    std::string adresse = server.Adresse().empty() ? "127.0.0.1" : server.Adresse();
    RunWithPerson(
        [&] {
            HINSTANCE instanz = GetModuleHandleA(nullptr);
            if (hochladen)
                FtpHochladen(instanz, nullptr, ini.c_str(), exportOrdner.c_str(), importOrdner.c_str(),
                             adresse.c_str(), "edi", passwort.c_str(), uploadText, uploadText, uploadText);
            else
                FtpHerunterladen(instanz, nullptr, ini.c_str(), importOrdner.c_str(), exportOrdner.c_str(),
                                 adresse.c_str(), "edi", passwort.c_str());
            return (INT_PTR)0;
        },
        [&](Person& p) {
            HWND w = p.WaitWindow("", 40000);
            if (w == nullptr)
                return;
            tun(p, w);
            /* "&Beenden" ends the modal loop, which then reads no further
             * message: post the click rather than wait for an answer. */
            if (IsWindow(w) && IsWindowVisible(w))
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), (LPARAM)GetDlgItem(w, 1));
            p.WaitClosed(w);
        },
        120000);
}

std::vector<Zeile> Zeilen(Person& p, HWND w)
{
    std::vector<Zeile> rc;
    int n = p.ListViewCount(w, 1171);
    for (int i = 0; i < n; i++) {
        Zeile z;
        for (int s = 0; s < 4; s++)
            z[s] = p.ListViewText(w, 1171, i, s);
        rc.push_back(z);
    }
    return rc;
}

void Markieren(Person& p, HWND w, int zeile)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(p.Control(w, 1171), LVM_SETITEMSTATE, (WPARAM)zeile, (LPARAM)&item);
}

uint32_t Hintergrund(HWND w, int zeile)
{
    Person p(GetWindowThreadProcessId(w, nullptr));
    COLORREF text = 0;
    COLORREF hinten = p.ListViewRowColour(w, 1171, zeile, CDDS_ITEMPREPAINT | CDDS_SUBITEM, &text);
    EXPECT_EQ(0u, text);
    return hinten;
}

MessageBoxInfo Uebertragen(Person& p, HWND w, int ms)
{
    PostMessageA(w, WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), (LPARAM)GetDlgItem(w, 3));
    return p.WaitMessageBox(ms);
}

std::vector<std::string> Dateien(const std::string& ordner)
{
    std::vector<std::string> rc;
    WIN32_FIND_DATAA fund;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fund);
    if (h == INVALID_HANDLE_VALUE)
        return rc;
    do {
        if (!(fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            rc.push_back(fund.cFileName);
    } while (FindNextFileA(h, &fund));
    FindClose(h);
    std::sort(rc.begin(), rc.end());
    return rc;
}
