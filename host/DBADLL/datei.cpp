/*
 * datei.cpp - Windows and POSIX implementations of the file layer.
 */
#include "datei.h"

#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#  include <windows.h>
#  include "../common/positionsio.h"
#else
#  include "../common/posixpfad.h"
#  include <cerrno>
#  include <climits>
#  include <cstdlib>
#  include <fcntl.h>
#  include <sys/mman.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace dba {

namespace {
/* The writer lock lives at this offset: beyond every real file. */
constexpr uint64_t kSperrPos = 0x4000000000000000ull;
} // namespace

Datei::~Datei() { Schliessen(); }

bool Datei::LesenGanz(uint64_t pos, void* puffer, size_t n) const
{
    size_t gelesen = 0;
    return Lesen(pos, puffer, n, &gelesen) && gelesen == n;
}

#if defined(_WIN32)

bool Datei::Oeffnen(const std::string& pfad, bool anlegen)
{
    Schliessen();
    HANDLE h = CreateFileA(pfad.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           anlegen ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    h_ = h;
    return true;
}

const unsigned char* Datei::Abbilden(uint64_t n)
{
    if (!h_ || n == 0 || n > static_cast<uint64_t>(SIZE_MAX)) return nullptr;
    HANDLE m = CreateFileMappingA(static_cast<HANDLE>(h_), nullptr, PAGE_READONLY, static_cast<DWORD>(n >> 32),
                                  static_cast<DWORD>(n), nullptr);
    if (!m) return nullptr;
    void* v = MapViewOfFile(m, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(n));
    if (!v) {
        CloseHandle(m);
        return nullptr;
    }
    AbbildLoesen();
    abbildung_ = m;
    ansicht_ = v;
    ansichtGroesse_ = n;
    return static_cast<const unsigned char*>(v);
}

void Datei::AbbildLoesen()
{
    if (ansicht_) UnmapViewOfFile(ansicht_);
    if (abbildung_) CloseHandle(static_cast<HANDLE>(abbildung_));
    ansicht_ = nullptr;
    abbildung_ = nullptr;
    ansichtGroesse_ = 0;
}

void Datei::Schliessen()
{
    AbbildLoesen();
    if (h_) {
        CloseHandle(static_cast<HANDLE>(h_));
        h_ = nullptr;
    }
}

bool Datei::Offen() const { return h_ != nullptr; }

bool Datei::Lesen(uint64_t pos, void* puffer, size_t n, size_t* gelesen) const
{
    *gelesen = 0;
    if (!h_) return false;
    unsigned char* p = static_cast<unsigned char*>(puffer);
    while (n > 0) {
        DWORD stueck = n > 0x10000000 ? 0x10000000 : static_cast<DWORD>(n);
        DWORD got = 0;
        if (!positionsio::Lesen(static_cast<HANDLE>(h_), pos, p, stueck, &got)) return false;
        if (got == 0) return true;
        *gelesen += got;
        p += got;
        pos += got;
        n -= got;
    }
    return true;
}

bool Datei::Schreiben(uint64_t pos, const void* puffer, size_t n)
{
    if (!h_) return false;
    const unsigned char* p = static_cast<const unsigned char*>(puffer);
    while (n > 0) {
        DWORD stueck = n > 0x10000000 ? 0x10000000 : static_cast<DWORD>(n);
        DWORD geschrieben = 0;
        if (!positionsio::Schreiben(static_cast<HANDLE>(h_), pos, p, stueck, &geschrieben) || geschrieben == 0)
            return false;
        p += geschrieben;
        pos += geschrieben;
        n -= geschrieben;
    }
    return true;
}

int64_t Datei::Groesse() const
{
    LARGE_INTEGER g;
    if (!h_ || !GetFileSizeEx(static_cast<HANDLE>(h_), &g)) return -1;
    return g.QuadPart;
}

bool Datei::Kuerzen(uint64_t laenge)
{
    if (!h_) return false;
    LARGE_INTEGER l;
    l.QuadPart = static_cast<LONGLONG>(laenge);
    return SetFilePointerEx(static_cast<HANDLE>(h_), l, nullptr, FILE_BEGIN) &&
           SetEndOfFile(static_cast<HANDLE>(h_));
}

bool Datei::Flush() { return h_ && FlushFileBuffers(static_cast<HANDLE>(h_)); }

bool Datei::Sperren()
{
    if (!h_) return false;
    OVERLAPPED ov{};
    ov.Offset = static_cast<DWORD>(kSperrPos);
    ov.OffsetHigh = static_cast<DWORD>(kSperrPos >> 32);
    return LockFileEx(static_cast<HANDLE>(h_), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &ov) != 0;
}

void Datei::Entsperren()
{
    if (!h_) return;
    OVERLAPPED ov{};
    ov.Offset = static_cast<DWORD>(kSperrPos);
    ov.OffsetHigh = static_cast<DWORD>(kSperrPos >> 32);
    UnlockFileEx(static_cast<HANDLE>(h_), 0, 1, 0, &ov);
}

bool OrdnerExistiert(const std::string& pfad)
{
    DWORD a = GetFileAttributesA(pfad.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DateiExistiert(const std::string& pfad)
{
    DWORD a = GetFileAttributesA(pfad.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DateiLoeschen(const std::string& pfad) { return DeleteFileA(pfad.c_str()) != 0; }

std::string VollerPfad(const std::string& pfad)
{
    char puffer[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(pfad.c_str(), sizeof puffer, puffer, nullptr);
    std::string s = (n > 0 && n < sizeof puffer) ? std::string(puffer, n) : pfad;
    for (char& c : s) {
        if (c == '/') c = '\\';
        else if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

static bool EinOrdnerAnlegen(const std::string& pfad)
{
    return CreateDirectoryA(pfad.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

#else /* POSIX */

static std::string Posix(const std::string& pfad) { return PosixPfad(pfad); }

/* Locks held per open file, as LockFileEx holds them per handle: two
 * handles of one process exclude each other, and closing another handle of
 * the same file (the file library opens the item stores too) keeps them.
 * Where the system has no such locks, the process-wide ones. */
#if defined(F_OFD_SETLKW)
static constexpr int kSetzen = F_OFD_SETLK;
static constexpr int kSetzenWarten = F_OFD_SETLKW;
#else
static constexpr int kSetzen = F_SETLK;
static constexpr int kSetzenWarten = F_SETLKW;
#endif

bool Datei::Oeffnen(const std::string& pfad, bool anlegen)
{
    Schliessen();
    int fd = ::open(Posix(pfad).c_str(), O_RDWR | O_CLOEXEC | (anlegen ? O_CREAT : 0), 0644);
    if (fd < 0) return false;
    fd_ = fd;
    return true;
}

const unsigned char* Datei::Abbilden(uint64_t n)
{
    if (fd_ < 0 || n == 0 || n > static_cast<uint64_t>(SIZE_MAX)) return nullptr;
    void* v = ::mmap(nullptr, static_cast<size_t>(n), PROT_READ, MAP_SHARED, fd_, 0);
    if (v == MAP_FAILED) return nullptr;
    AbbildLoesen();
    ansicht_ = v;
    ansichtGroesse_ = n;
    return static_cast<const unsigned char*>(v);
}

void Datei::AbbildLoesen()
{
    if (ansicht_) ::munmap(ansicht_, static_cast<size_t>(ansichtGroesse_));
    ansicht_ = nullptr;
    ansichtGroesse_ = 0;
}

void Datei::Schliessen()
{
    AbbildLoesen();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool Datei::Offen() const { return fd_ >= 0; }

bool Datei::Lesen(uint64_t pos, void* puffer, size_t n, size_t* gelesen) const
{
    *gelesen = 0;
    if (fd_ < 0) return false;
    unsigned char* p = static_cast<unsigned char*>(puffer);
    while (n > 0) {
        ssize_t r = ::pread(fd_, p, n, static_cast<off_t>(pos));
        if (r < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (r == 0) return true;
        *gelesen += static_cast<size_t>(r);
        p += r;
        pos += static_cast<uint64_t>(r);
        n -= static_cast<size_t>(r);
    }
    return true;
}

bool Datei::Schreiben(uint64_t pos, const void* puffer, size_t n)
{
    if (fd_ < 0) return false;
    const unsigned char* p = static_cast<const unsigned char*>(puffer);
    while (n > 0) {
        ssize_t r = ::pwrite(fd_, p, n, static_cast<off_t>(pos));
        if (r < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (r == 0) return false;
        p += r;
        pos += static_cast<uint64_t>(r);
        n -= static_cast<size_t>(r);
    }
    return true;
}

int64_t Datei::Groesse() const
{
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return static_cast<int64_t>(st.st_size);
}

bool Datei::Kuerzen(uint64_t laenge) { return fd_ >= 0 && ::ftruncate(fd_, static_cast<off_t>(laenge)) == 0; }

bool Datei::Flush() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool Datei::Sperren()
{
    if (fd_ < 0) return false;
    struct flock fl{};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(kSperrPos >> 2);   /* off_t is signed */
    fl.l_len = 1;
    while (::fcntl(fd_, kSetzenWarten, &fl) != 0)
        if (errno != EINTR) return false;
    return true;
}

void Datei::Entsperren()
{
    if (fd_ < 0) return;
    struct flock fl{};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(kSperrPos >> 2);
    fl.l_len = 1;
    ::fcntl(fd_, kSetzen, &fl);
}

bool OrdnerExistiert(const std::string& pfad)
{
    struct stat st;
    return ::stat(Posix(pfad).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DateiExistiert(const std::string& pfad)
{
    struct stat st;
    return ::stat(Posix(pfad).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DateiLoeschen(const std::string& pfad) { return ::unlink(Posix(pfad).c_str()) == 0; }

std::string VollerPfad(const std::string& pfad)
{
    std::string s = Posix(pfad);
    if (!s.empty() && s[0] != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof cwd)) s = std::string(cwd) + "/" + s;
    }
    return s;
}

static bool EinOrdnerAnlegen(const std::string& pfad)
{
    return ::mkdir(Posix(pfad).c_str(), 0755) == 0 || errno == EEXIST;
}

#endif

bool OrdnerAnlegen(const std::string& pfad)
{
    if (pfad.empty()) return false;
    if (OrdnerExistiert(pfad)) return true;
    std::string teil;
    for (size_t i = 0; i < pfad.size(); ++i) {
        char c = pfad[i];
        if ((c == '\\' || c == '/') && i > 0 && pfad[i - 1] != ':' && !teil.empty() &&
            !(teil.size() == 2 && teil[1] == ':'))
            if (!OrdnerExistiert(teil) && !EinOrdnerAnlegen(teil)) return false;
        teil.push_back(c);
    }
    if (!OrdnerExistiert(teil) && !EinOrdnerAnlegen(teil)) return false;
    return OrdnerExistiert(pfad);
}

} // namespace dba
