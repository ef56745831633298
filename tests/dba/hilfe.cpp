#include "hilfe.h"

#include <atomic>
#include <cstdio>

#if defined(_WIN32)

#include <windows.h>

std::string NeuerTestOrdner(const char* name)
{
    static std::atomic<int> zaehler{0};
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char ordner[MAX_PATH];
    std::snprintf(ordner, sizeof ordner, "%sdba_%s_%lu_%lu_%d\\", temp, name, GetCurrentProcessId(),
                  static_cast<unsigned long>(GetTickCount()), zaehler++);
    CreateDirectoryA(ordner, nullptr);
    return ordner;
}

std::string ProgrammOrdner()
{
    char pfad[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, pfad, sizeof pfad);
    std::string s(pfad, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

intptr_t ProzessStarten(const char* programm, const std::string& ordner, unsigned zahl)
{
    std::string pfad = ProgrammOrdner() + programm + ".exe";
    char befehl[1024];
    std::string ohneTrenner = ordner.substr(0, ordner.size() - 1);   /* a "\\" before the quote would escape it */
    std::snprintf(befehl, sizeof befehl, "\"%s\" \"%s\" %u", pfad.c_str(), ohneTrenner.c_str(), zahl);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, befehl, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    CloseHandle(pi.hThread);
    return reinterpret_cast<intptr_t>(pi.hProcess);
}

bool ProzessLaeuft(intptr_t prozess)
{
    DWORD code = 0;
    return GetExitCodeProcess(reinterpret_cast<HANDLE>(prozess), &code) && code == STILL_ACTIVE;
}

void ProzessToeten(intptr_t prozess)
{
    HANDLE h = reinterpret_cast<HANDLE>(prozess);
    TerminateProcess(h, 9);
    WaitForSingleObject(h, 10000);
    CloseHandle(h);
}

#else

/* The native build: under $TMPDIR (else /tmp), trailing "/". */
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <limits.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

std::string NeuerTestOrdner(const char* name)
{
    static std::atomic<int> zaehler{0};
    const char* temp = std::getenv("TMPDIR");
    char ordner[PATH_MAX];
    std::snprintf(ordner, sizeof ordner, "%s/dba_%s_%ld_%ld_%d/", temp != nullptr && *temp ? temp : "/tmp", name,
                  static_cast<long>(getpid()), static_cast<long>(std::time(nullptr)), zaehler++);
    mkdir(ordner, 0755);
    return ordner;
}

std::string ProgrammOrdner()
{
    char pfad[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    std::string s(pfad, n > 0 ? static_cast<size_t>(n) : 0);
    return s.substr(0, s.find_last_of('/') + 1);
}

intptr_t ProzessStarten(const char* programm, const std::string& ordner, unsigned zahl)
{
    std::string pfad = ProgrammOrdner() + programm;
    std::string text = std::to_string(zahl);
    pid_t kind = fork();
    if (kind == 0) {
        execl(pfad.c_str(), programm, ordner.c_str(), text.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return kind > 0 ? kind : 0;
}

bool ProzessLaeuft(intptr_t prozess)
{
    int status = 0;
    return waitpid(static_cast<pid_t>(prozess), &status, WNOHANG) == 0;
}

void ProzessToeten(intptr_t prozess)
{
    kill(static_cast<pid_t>(prozess), SIGKILL);
    int status = 0;
    waitpid(static_cast<pid_t>(prozess), &status, 0);
}

#endif
