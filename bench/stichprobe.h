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

/* Starts sampling the calling thread when OX_STICHPROBE is set. */
inline void Starten()
{
#if defined(_WIN64)
    if (std::getenv("OX_STICHPROBE") == nullptr)
        return;
    Zustand& z = G();
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &z.ziel, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    z.faden = CreateThread(nullptr, 0, Faden, nullptr, 0, nullptr);
#endif
}

/* Stops and writes the counts. */
inline void Beenden()
{
#if defined(_WIN64)
    Zustand& z = G();
    const char* datei = std::getenv("OX_STICHPROBE");
    if (z.faden == nullptr || datei == nullptr)
        return;
    z.halt = 1;
    WaitForSingleObject(z.faden, INFINITE);
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
