/*
 * The FTP test server's start leaves this program's own handles alone:
 * what CreateProcess hands back for the server's Unix process is closed
 * only when it is that process.
 */
#include "ftptest.h"

namespace {

bool Offen(HANDLE h)
{
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != 0;
}

HANDLE Kopie(HANDLE h)
{
    HANDLE kopie = nullptr;
    DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &kopie, 0, FALSE, DUPLICATE_SAME_ACCESS);
    return kopie;
}

}  // namespace

TEST(TestserverStart, FremdeGriffnummernBleibenOffenEchteWerdenGeschlossen)
{
    /* What wine hands back for a Unix program: numbers off the stack. One
     * names an open handle of this program (with the low bits set, as the
     * standard output was hit), the ids are no ids of it. */
    HANDLE ausgabe = Kopie(GetStdHandle(STD_OUTPUT_HANDLE));
    HANDLE ereignis = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, ausgabe);
    ASSERT_NE(nullptr, ereignis);
    PROCESS_INFORMATION fremd = {};
    fremd.hProcess = ereignis;
    fremd.hThread = (HANDLE)((UINT_PTR)ausgabe | 1);
    fremd.dwProcessId = 0x0107F0C0;
    fremd.dwThreadId = 0x0107F3D0;
    ProzessGriffeLoslassen(fremd);
    EXPECT_TRUE(Offen(ausgabe));
    EXPECT_TRUE(Offen(ereignis));
    /* Even with ids of this very process and thread. */
    fremd.dwProcessId = GetCurrentProcessId();
    fremd.dwThreadId = GetCurrentThreadId();
    ProzessGriffeLoslassen(fremd);
    EXPECT_TRUE(Offen(ausgabe));
    EXPECT_TRUE(Offen(ereignis));
    CloseHandle(ausgabe);
    CloseHandle(ereignis);

    /* A real Windows child: both of its handles are closed. */
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION echt = {};
    char zeile[] = "cmd.exe /c exit";
    ASSERT_TRUE(CreateProcessA(nullptr, zeile, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &echt));
    WaitForSingleObject(echt.hProcess, 20000);
    ProzessGriffeLoslassen(echt);
    EXPECT_FALSE(Offen(echt.hProcess));
    EXPECT_FALSE(Offen(echt.hThread));
}

TEST(TestserverStart, ServerNacheinanderLassenDieStandardkanaeleOffen)
{
    std::string wurzel = NeuerTestordner("ftpstart");
    OrdnerAnlegen(wurzel + "server\\");
    HANDLE kanaele[] = { GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                         GetStdHandle(STD_ERROR_HANDLE) };
    for (int i = 0; i < 4; i++) {
        FtpTestServer server(wurzel + "server\\");
        FTP_SERVER_BEREIT(server);
        for (HANDLE h : kanaele)
            EXPECT_TRUE(h == nullptr || Offen(h)) << "server " << i << ", handle " << h;
    }
}
