/*
 * engine_bench - writing a catalogue row by row through the import engine
 * against the real store: build table, create (or correct) article,
 * register EAN, as the import page does for every row.
 *
 * A catalogue of 2,000 articles x 16 variations (4 sizes x 4 colours) is
 * written first into an empty store, then a second time (every article
 * exists). For each pass it prints rows per second and the total time, and
 * where the time goes: a sampler looks at the writing thread about every
 * millisecond and counts the code it finds running by library (the engine
 * and the host program's callbacks are in this program; the host's
 * libraries are DLLs; the rest is Windows / the C runtime, called by both).
 * The blocks of the host's memory library still held after each pass show
 * that memory stays bounded by the row table.
 *
 *   engine_bench [articles]          (under wine: tests/wine/run)
 */
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "engine/engine_hilfen.h"
#include "KTSTORAGE/ktstorage_host.h"

using namespace enginehilfe;
using Uhr = std::chrono::steady_clock;

namespace {

std::atomic<bool> g_Messen{ false };
std::atomic<bool> g_Ende{ false };
HANDLE g_Schreiber;
std::map<std::string, long> g_Proben;
CRITICAL_SECTION g_Sperre;

std::string ModulVon(DWORD64 adresse)
{
    HMODULE modul = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(adresse), &modul))
        return "?";
    char name[MAX_PATH] = "";
    GetModuleFileNameA(modul, name, sizeof name);
    const char* n = PfadDateiname(name);
    std::string s(n);
    for (char& c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}

DWORD WINAPI Abtaster(LPVOID)
{
    while (!g_Ende) {
        Sleep(1);
        if (!g_Messen)
            continue;
        if (SuspendThread(g_Schreiber) == static_cast<DWORD>(-1))
            continue;
        CONTEXT c;
        c.ContextFlags = CONTEXT_CONTROL;
#if defined(_WIN64)
        DWORD64 rip = GetThreadContext(g_Schreiber, &c) ? c.Rip : 0;
#else
        DWORD64 rip = GetThreadContext(g_Schreiber, &c) ? c.Eip : 0;
#endif
        ResumeThread(g_Schreiber);
        if (rip == 0)
            continue;
        std::string m = ModulVon(rip);
        EnterCriticalSection(&g_Sperre);
        g_Proben[m]++;
        LeaveCriticalSection(&g_Sperre);
    }
    return 0;
}

bool HostBibliothek(const std::string& m)
{
    static const char* namen[] = { "DBADLL.DLL", "OXTABELLE.DLL", "OXGLOBDLG.DLL", "KTLISTEN.DLL", "KTSTORAGE.DLL",
                                   "OXMWST.DLL", "OXINIFILE.DLL", "FILEIO.DLL", "OXTEXDEFS.DLL", "EDI.DLL" };
    for (const char* n : namen)
        if (m == n)
            return true;
    return false;
}

void Durchgang(Lager& l, const char* titel, int artikel)
{
    g_Proben.clear();
    int32_t bloeckeVorher = Storage_OutstandingBlocks();
    int zeilen = 0;
    g_Messen = true;
    Uhr::time_point start = Uhr::now();
    double schritt[3] = { 0, 0, 0 };   /* table, article, EAN */
    for (int a = 0; a < artikel; a++) {
        std::string nummer = std::to_string(100000 + a);
        EDI_KONTEXT* k = l.k;
        k->AktuelleArtikelNummer = 0;
        for (int i = 0; i < 4; i++)
            for (int j = 0; j < 4; j++) {
                l.SeiteFuellen(nummer, i, j, 1000 + a % 500);
                PRICAT_SATZ zeile = l.Zeile(nummer, i, j);
                /* the page's order: a new article first, then its table */
                bool neu = k->AktuelleArtikelNummer == 0;
                Uhr::time_point t0 = Uhr::now();
                if (neu)
                    ArtikelAnlegen(1);
                Uhr::time_point t1 = Uhr::now();
                TabelleFuerZeileBauen(&zeile, k->AktuelleArtikelNummer);
                Uhr::time_point t2 = Uhr::now();
                if (!neu)
                    ArtikelAnlegen(0);
                Uhr::time_point t3 = Uhr::now();
                EanRegistrieren(k->AktuelleArtikelNummer, &zeile);
                Uhr::time_point t4 = Uhr::now();
                schritt[0] += std::chrono::duration<double>(t2 - t1).count();
                schritt[1] += std::chrono::duration<double>((t1 - t0) + (t3 - t2)).count();
                schritt[2] += std::chrono::duration<double>(t4 - t3).count();
                zeilen++;
            }
    }
    double sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    g_Messen = false;

    PROCESS_MEMORY_COUNTERS speicher{};
    GetProcessMemoryInfo(GetCurrentProcess(), &speicher, sizeof speicher);
    std::printf("%s: %d rows in %.2f s = %.0f rows/s (goal: under 10 s, 3,200 rows/s)\n", titel, zeilen, sekunden,
                zeilen / sekunden);
    std::printf("  steps: build table %.2f s, create / correct article %.2f s, register EAN %.2f s\n", schritt[0],
                schritt[1], schritt[2]);
    std::printf("  memory: %d blocks of the memory library held after the pass (before: %d); "
                "peak working set %.1f MB\n",
                Storage_OutstandingBlocks(), bloeckeVorher, speicher.PeakWorkingSetSize / 1048576.0);

    long gesamt = 0, programm = 0, host = 0, system = 0;
    for (const auto& p : g_Proben) {
        gesamt += p.second;
        if (p.first.find(".EXE") != std::string::npos)
            programm += p.second;
        else if (HostBibliothek(p.first))
            host += p.second;
        else
            system += p.second;
    }
    if (gesamt == 0)
        return;
    std::printf("  where the time goes (%ld samples): engine and host callbacks (program) %.1f %%, "
                "host libraries %.1f %%, Windows and C runtime %.1f %%\n",
                gesamt, 100.0 * programm / gesamt, 100.0 * host / gesamt, 100.0 * system / gesamt);
    for (const auto& p : g_Proben)
        if (p.second * 100 >= gesamt)
            std::printf("    %-16s %5.1f %%\n", p.first.c_str(), 100.0 * p.second / gesamt);
}

} // namespace

int main(int argc, char** argv)
{
    int artikel = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (artikel < 1)
        artikel = 1;
    InitializeCriticalSection(&g_Sperre);
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &g_Schreiber, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    timeBeginPeriod(1);
    HANDLE abtaster = CreateThread(nullptr, 0, Abtaster, nullptr, 0, nullptr);
    {
        Lager l("engine_bench");
        std::printf("engine_bench: %d articles x 16 variations through build table, create article and "
                    "register EAN\n",
                    artikel);
        Durchgang(l, "empty store  ", artikel);
        Durchgang(l, "every article", artikel);
    }
    g_Ende = true;
    WaitForSingleObject(abtaster, INFINITE);
    timeEndPeriod(1);
    return 0;
}
