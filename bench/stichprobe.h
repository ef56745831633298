/*
 * stichprobe.h - a small sampling profiler for the benchmarks: a thread
 * stops the measured thread every millisecond, walks its stack with the
 * unwind tables of the loaded modules and counts, for every function on
 * the stack, one sample (inclusive counts).
 *
 * Switched on by the environment variable OX_STICHPROBE naming a file;
 * at the end the file gets one line per function: samples, module path,
 * function address relative to the module. Names come from
 *   x86_64-w64-mingw32-addr2line -f -C -e <module> 0x<address + image base>
 * (scripts/stichprobe does that). 64-bit builds only.
 */
#ifndef OX_BENCH_STICHPROBE_H
#define OX_BENCH_STICHPROBE_H

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace stichprobe {

struct Zustand {
    HANDLE ziel = nullptr;
    HANDLE faden = nullptr;
    volatile LONG halt = 0;
    long proben = 0;
    std::map<DWORD64, long> zaehler;   /* function start -> samples */
    std::map<std::pair<DWORD64, DWORD64>, long> aufrufer;   /* (function, its caller) -> samples */

    /* The split of a measured stretch (Messen): samples with `lauf` on the
     * stack, of those the ones with a function of `gruppe` on it, and the
     * ones whose innermost known frame lies in the program itself. */
    DWORD64 lauf = 0;
    std::set<DWORD64> gruppe;
    DWORD64 programmAnfang = 0, programmEnde = 0;
    volatile LONG messen = 0;
    long fensterProben = 0, laufProben = 0, gruppeProben = 0, eigeneProben = 0;
    bool datei = false;
};

inline Zustand& G()
{
    static Zustand z;
    return z;
}

#if defined(_WIN64)
inline void Probe(Zustand& z)
{
    /* Nothing that may take a lock the stopped thread could hold (the heap)
     * runs while it is stopped: the frames go to a fixed array first. */
    DWORD64 rahmen[96];
    int anzahl = 0;
    if (SuspendThread(z.ziel) == (DWORD)-1)
        return;
    CONTEXT c = {};
    c.ContextFlags = CONTEXT_FULL;
    if (GetThreadContext(z.ziel, &c)) {
        for (int tiefe = 0; tiefe < 96 && c.Rip != 0; tiefe++) {
            DWORD64 basis = 0;
            PRUNTIME_FUNCTION f = RtlLookupFunctionEntry(c.Rip, &basis, nullptr);
            if (f == nullptr) {
                if (tiefe > 0)
                    break;
                c.Rip = *(DWORD64*)c.Rsp;
                c.Rsp += 8;
                continue;
            }
            rahmen[anzahl++] = basis + f->BeginAddress;
            void* daten = nullptr;
            DWORD64 aufbau = 0;
            RtlVirtualUnwind(UNW_FLAG_NHANDLER, basis, c.Rip, f, &c, &daten, &aufbau, nullptr);
        }
    }
    ResumeThread(z.ziel);
    if (z.messen) {
        z.fensterProben++;
        bool imLauf = false, inGruppe = false;
        for (int i = 0; i < anzahl; i++) {
            imLauf = imLauf || rahmen[i] == z.lauf;
            inGruppe = inGruppe || z.gruppe.count(rahmen[i]) != 0;
        }
        if (imLauf) {
            z.laufProben++;
            if (inGruppe)
                z.gruppeProben++;
            if (anzahl > 0 && rahmen[0] >= z.programmAnfang && rahmen[0] < z.programmEnde)
                z.eigeneProben++;
        }
    }
    if (!z.datei)
        return;
    z.proben++;
    std::set<DWORD64> gesehen(rahmen, rahmen + anzahl);
    for (DWORD64 a : gesehen)
        z.zaehler[a]++;
    std::set<std::pair<DWORD64, DWORD64>> paare;
    for (int i = 0; i + 1 < anzahl; i++)
        paare.insert({ rahmen[i], rahmen[i + 1] });
    for (const auto& p : paare)
        z.aufrufer[p]++;
}

inline DWORD WINAPI Faden(void*)
{
    Zustand& z = G();
    while (!z.halt) {
        Sleep(1);
        Probe(z);
    }
    return 0;
}
#endif

/* Starts sampling the calling thread when OX_STICHPROBE is set, or with
 * `immer` for the split of Messen alone. */
inline void Starten(bool immer = false)
{
#if defined(_WIN64)
    Zustand& z = G();
    z.datei = std::getenv("OX_STICHPROBE") != nullptr;
    if (!z.datei && !immer)
        return;
    HMODULE programm = GetModuleHandleA(nullptr);
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)programm;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)((const char*)programm + dos->e_lfanew);
    z.programmAnfang = (DWORD64)programm;
    z.programmEnde = z.programmAnfang + nt->OptionalHeader.SizeOfImage;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &z.ziel, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    z.faden = CreateThread(nullptr, 0, Faden, nullptr, 0, nullptr);
#endif
}

/* The split: samples of a stretch in which `lauf` runs, those in which a
 * function of `gruppe` runs under it, and those in the program's own code.
 * Messen(1) opens a stretch and zeroes the counts, Messen(0) closes it. */
inline void Aufteilen(DWORD64 lauf, const std::set<DWORD64>& gruppe)
{
    G().lauf = lauf;
    G().gruppe = gruppe;
}
inline void Messen(bool an)
{
    Zustand& z = G();
    if (an)
        z.fensterProben = z.laufProben = z.gruppeProben = z.eigeneProben = 0;
    InterlockedExchange(&z.messen, an ? 1 : 0);
    Sleep(5);
}

/* Stops and writes the counts. */
inline void Beenden()
{
#if defined(_WIN64)
    Zustand& z = G();
    if (z.faden == nullptr)
        return;
    z.halt = 1;
    WaitForSingleObject(z.faden, INFINITE);
    const char* datei = std::getenv("OX_STICHPROBE");
    if (datei == nullptr)
        return;
    std::FILE* f = std::fopen(datei, "w");
    if (f == nullptr)
        return;
    std::fprintf(f, "%ld samples\n", z.proben);
    auto ort = [](DWORD64 adresse) {
        HMODULE m = nullptr;
        char pfad[MAX_PATH] = "?";
        if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               (LPCSTR)adresse, &m))
            GetModuleFileNameA(m, pfad, sizeof pfad);
        char text[MAX_PATH + 32];
        std::snprintf(text, sizeof text, "%s 0x%llx", pfad, (unsigned long long)(adresse - (DWORD64)m));
        return std::string(text);
    };
    for (const auto& [adresse, n] : z.zaehler)
        std::fprintf(f, "%ld %s\n", n, ort(adresse).c_str());
    for (const auto& [paar, n] : z.aufrufer)
        std::fprintf(f, "> %ld %s|%s\n", n, ort(paar.first).c_str(), ort(paar.second).c_str());
    std::fclose(f);
#endif
}

}  // namespace stichprobe

#endif
