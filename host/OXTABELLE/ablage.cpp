/*
 * ablage.cpp - Windows and POSIX implementations of the table store's
 * system calls (see ablage.h).
 *
 * Windows: a handle opened with FILE_SHARE_READ | FILE_SHARE_WRITE (not
 * FILE_SHARE_DELETE), so MoveFileEx over the file fails while another
 * handle has it open; the writers' lock is LockFileEx on one byte.
 *
 * POSIX: open file description locks (per open file, as on Windows; the
 * process-wide fcntl locks where the system has none). Every open handle
 * holds a shared lock on a "presence" byte; putting a fresh file in place
 * needs that byte exclusively, which is refused while another handle holds
 * it. An opener that finds, once its presence lock is granted, that the
 * name now leads to another file (put in place meanwhile) opens again.
 */
#include "ablage.h"

#include <thread>

#if defined(_WIN32)
#  include <windows.h>
#  include "../common/positionsio.h"
#else
#  include "common/posixpfad.h"
#  include <cerrno>
#  include <cstdio>
#  include <ctime>
#  include <fcntl.h>
#  include <sys/mman.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace ablage {

#if defined(_WIN32)

namespace {

/* The lock byte writers take turns on; far behind any data. */
constexpr DWORD SPERRE_LOW = 0xFFFFFFF0u;
constexpr DWORD SPERRE_HIGH = 0x7FFFFFFFu;

HANDLE H(Datei d)
{
    return static_cast<HANDLE>(d);
}

Datei Von(HANDLE h)
{
    return h == INVALID_HANDLE_VALUE ? nullptr : static_cast<Datei>(h);
}

} // namespace

Datei Oeffnen(const std::string& pfad)
{
    return Von(CreateFileA(pfad.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

Datei NeuAnlegen(const std::string& pfad)
{
    return Von(CreateFileA(pfad.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
}

void Schliessen(Datei d)
{
    if (d != nullptr)
        CloseHandle(H(d));
}

bool LesenAn(Datei d, uint64_t position, void* puffer, uint32_t n)
{
    DWORD gelesen = 0;
    return positionsio::Lesen(H(d), position, puffer, n, &gelesen) && gelesen == n;
}

bool SchreibenAn(Datei d, uint64_t position, const void* puffer, uint32_t n)
{
    DWORD geschrieben = 0;
    return positionsio::Schreiben(H(d), position, puffer, n, &geschrieben) && geschrieben == n;
}

uint64_t Groesse(Datei d)
{
    LARGE_INTEGER g;
    if (!GetFileSizeEx(H(d), &g))
        return 0;
    return static_cast<uint64_t>(g.QuadPart);
}

bool Kuerzen(Datei d, uint64_t laenge)
{
    LARGE_INTEGER p;
    p.QuadPart = static_cast<LONGLONG>(laenge);
    return SetFilePointerEx(H(d), p, nullptr, FILE_BEGIN) && SetEndOfFile(H(d));
}

bool Flush(Datei d)
{
    return FlushFileBuffers(H(d)) != 0;
}

bool Sperren(Datei d)
{
    OVERLAPPED sperre{};
    sperre.Offset = SPERRE_LOW;
    sperre.OffsetHigh = SPERRE_HIGH;
    return LockFileEx(H(d), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &sperre) != 0;
}

void Entsperren(Datei d)
{
    OVERLAPPED sperre{};
    sperre.Offset = SPERRE_LOW;
    sperre.OffsetHigh = SPERRE_HIGH;
    UnlockFileEx(H(d), 0, 1, 0, &sperre);
}

bool Abbilden(Datei d, uint64_t n, Ansicht& a)
{
    if (n == 0 || n > static_cast<uint64_t>(SIZE_MAX))
        return false;
    HANDLE m = CreateFileMappingA(H(d), nullptr, PAGE_READONLY, static_cast<DWORD>(n >> 32), static_cast<DWORD>(n),
                                  nullptr);
    if (m == nullptr)
        return false;
    void* v = MapViewOfFile(m, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(n));
    if (v == nullptr) {
        CloseHandle(m);
        return false;
    }
    AnsichtLoesen(a);
    a.abbildung = m;
    a.daten = static_cast<const unsigned char*>(v);
    a.laenge = n;
    return true;
}

void AnsichtLoesen(Ansicht& a)
{
    if (a.daten != nullptr)
        UnmapViewOfFile(a.daten);
    if (a.abbildung != nullptr)
        CloseHandle(static_cast<HANDLE>(a.abbildung));
    a = Ansicht{};
}

bool Ersetzen(Datei& offen, const std::string& neu, const std::string& alt)
{
    Schliessen(offen);
    offen = nullptr;
    if (MoveFileExA(neu.c_str(), alt.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(neu.c_str());
    return false;
}

bool Loeschen(const std::string& pfad)
{
    return DeleteFileA(pfad.c_str()) != 0;
}

void OrdnerAnlegen(const std::string& ordner)
{
    CreateDirectoryA(ordner.c_str(), nullptr);
}

uint64_t Jetzt()
{
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    return (static_cast<uint64_t>(jetzt.dwHighDateTime) << 32) | jetzt.dwLowDateTime;
}

bool HintergrundStarten(void (*lauf)())
{
    try {
        std::thread(lauf).detach();
        return true;
    } catch (...) {
        return false;
    }
}

#else /* POSIX */

namespace {

/* The writers' lock byte and the presence byte, far behind any data. */
constexpr off_t SPERRE = static_cast<off_t>(0x7FFFFFFFFFFFFFF0ll);
constexpr off_t ANWESEND = static_cast<off_t>(0x7FFFFFFFFFFFFFE0ll);

#if defined(F_OFD_SETLKW)
constexpr int SETZEN = F_OFD_SETLK;
constexpr int SETZEN_WARTEN = F_OFD_SETLKW;
#else
constexpr int SETZEN = F_SETLK;
constexpr int SETZEN_WARTEN = F_SETLKW;
#endif

int Fd(Datei d)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(d) - 1);
}

Datei Von(int fd)
{
    return fd < 0 ? nullptr : reinterpret_cast<Datei>(static_cast<intptr_t>(fd) + 1);
}

/* Sets the lock kind `art` (F_RDLCK, F_WRLCK, F_UNLCK) on byte `wo`. */
bool Sperre(int fd, off_t wo, short art, bool warten)
{
    struct flock fl {};
    fl.l_type = art;
    fl.l_whence = SEEK_SET;
    fl.l_start = wo;
    fl.l_len = 1;
    for (;;) {
        if (::fcntl(fd, warten ? SETZEN_WARTEN : SETZEN, &fl) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

} // namespace

Datei Oeffnen(const std::string& pfad)
{
    std::string p = PosixPfad(pfad);
    for (int versuch = 0; versuch < 8; ++versuch) {
        int fd = ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return nullptr;
        struct stat offen, jetzt;
        if (Sperre(fd, ANWESEND, F_RDLCK, true) && ::fstat(fd, &offen) == 0) {
            if (::stat(p.c_str(), &jetzt) == 0 && jetzt.st_dev == offen.st_dev && jetzt.st_ino == offen.st_ino)
                return Von(fd);
        }
        ::close(fd);
    }
    return nullptr;
}

Datei NeuAnlegen(const std::string& pfad)
{
    return Von(::open(PosixPfad(pfad).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
}

void Schliessen(Datei d)
{
    if (d != nullptr)
        ::close(Fd(d));
}

bool LesenAn(Datei d, uint64_t position, void* puffer, uint32_t n)
{
    unsigned char* p = static_cast<unsigned char*>(puffer);
    while (n > 0) {
        ssize_t r = ::pread(Fd(d), p, n, static_cast<off_t>(position));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        p += r;
        position += static_cast<uint64_t>(r);
        n -= static_cast<uint32_t>(r);
    }
    return true;
}

bool SchreibenAn(Datei d, uint64_t position, const void* puffer, uint32_t n)
{
    const unsigned char* p = static_cast<const unsigned char*>(puffer);
    while (n > 0) {
        ssize_t r = ::pwrite(Fd(d), p, n, static_cast<off_t>(position));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        p += r;
        position += static_cast<uint64_t>(r);
        n -= static_cast<uint32_t>(r);
    }
    return true;
}

uint64_t Groesse(Datei d)
{
    struct stat st;
    if (::fstat(Fd(d), &st) != 0)
        return 0;
    return static_cast<uint64_t>(st.st_size);
}

bool Kuerzen(Datei d, uint64_t laenge)
{
    return ::ftruncate(Fd(d), static_cast<off_t>(laenge)) == 0;
}

bool Flush(Datei d)
{
    return ::fsync(Fd(d)) == 0;
}

bool Sperren(Datei d)
{
    return Sperre(Fd(d), SPERRE, F_WRLCK, true);
}

void Entsperren(Datei d)
{
    Sperre(Fd(d), SPERRE, F_UNLCK, false);
}

bool Abbilden(Datei d, uint64_t n, Ansicht& a)
{
    if (n == 0 || n > static_cast<uint64_t>(SIZE_MAX))
        return false;
    void* v = ::mmap(nullptr, static_cast<size_t>(n), PROT_READ, MAP_SHARED, Fd(d), 0);
    if (v == MAP_FAILED)
        return false;
    AnsichtLoesen(a);
    a.daten = static_cast<const unsigned char*>(v);
    a.laenge = n;
    return true;
}

void AnsichtLoesen(Ansicht& a)
{
    if (a.daten != nullptr)
        ::munmap(const_cast<unsigned char*>(a.daten), static_cast<size_t>(a.laenge));
    a = Ansicht{};
}

bool Ersetzen(Datei& offen, const std::string& neu, const std::string& alt)
{
    int fd = Fd(offen);
    bool gut = Sperre(fd, ANWESEND, F_WRLCK, false) &&
               ::rename(PosixPfad(neu).c_str(), PosixPfad(alt).c_str()) == 0;
    if (!gut)
        ::unlink(PosixPfad(neu).c_str());
    ::close(fd);
    offen = nullptr;
    return gut;
}

bool Loeschen(const std::string& pfad)
{
    return ::unlink(PosixPfad(pfad).c_str()) == 0;
}

void OrdnerAnlegen(const std::string& ordner)
{
    ::mkdir(PosixPfad(ordner).c_str(), 0755);
}

uint64_t Jetzt()
{
    /* seconds from 1601-01-01 to 1970-01-01 */
    constexpr uint64_t BIS_1970 = 11644473600ull;
    struct timespec t;
    ::clock_gettime(CLOCK_REALTIME, &t);
    return (static_cast<uint64_t>(t.tv_sec) + BIS_1970) * 10000000ull + static_cast<uint64_t>(t.tv_nsec) / 100;
}

bool HintergrundStarten(void (*)())
{
    return false;
}

#endif

} // namespace ablage
