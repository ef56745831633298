/*
 * ini_platform.cpp - the INI library's few system calls: reading a file,
 * replacing it in one step, a per-file lock shared by all processes, and
 * the choice of names. Windows uses the ANSI functions; elsewhere POSIX,
 * where a name written the Windows way is found as common/posixpfad.h
 * says.
 */
#include "ini_core.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include "common/posixpfad.h"
#  include <fcntl.h>
#  include <limits.h>
#  include <sys/file.h>
#  include <unistd.h>
#endif

static int32_t read_whole(const std::string& path, std::string* content)
{
    content->clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
#if defined(_WIN32)
        DWORD a = GetFileAttributesA(path.c_str());
        return a == INVALID_FILE_ATTRIBUTES ? 0 : -1;
#else
        return errno == ENOENT || errno == ENOTDIR ? 0 : -1;
#endif
    }
    int32_t rc = 1;
    char chunk[65536];
    for (;;) {
        size_t got = std::fread(chunk, 1, sizeof(chunk), f);
        if (got == 0)
            break;
        if (content->size() + got > kIniMaxFileSize) {
            content->append(chunk, kIniMaxFileSize - content->size());
            rc = 2;
            break;
        }
        content->append(chunk, got);
    }
    if (rc == 1 && std::ferror(f))
        rc = -1;
    std::fclose(f);
    return rc;
}

#if defined(_WIN32)
/* The files read last, kept with their last write and size: a value asked
 * for again costs one look at the file's attributes, not an open, a read
 * and a close. Any change by any process gives the file a new write time
 * (a replace moves a new file in); this process's own replaces drop the
 * entry as well. Files above kKeepMax are not kept. */
namespace {
constexpr size_t kKept = 8;
constexpr size_t kKeepMax = 1u << 20;
struct KeptFile {
    std::string path;
    FILETIME written;
    DWORD sizeLow, sizeHigh;
    std::string content;
    unsigned long long used;
};
std::mutex g_keptLock;
KeptFile g_kept[kKept];
unsigned long long g_useCount;

void forget_kept(const std::string& path)
{
    std::lock_guard<std::mutex> guard(g_keptLock);
    for (KeptFile& k : g_kept)
        if (k.path == path)
            k.path.clear();
}
} // namespace

int32_t ini_read_file(const std::string& path, std::string* content)
{
    WIN32_FILE_ATTRIBUTE_DATA a;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a) ||
        (a.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return read_whole(path, content);
    {
        std::lock_guard<std::mutex> guard(g_keptLock);
        for (KeptFile& k : g_kept) {
            if (!k.path.empty() && k.path == path && CompareFileTime(&k.written, &a.ftLastWriteTime) == 0 &&
                k.sizeLow == a.nFileSizeLow && k.sizeHigh == a.nFileSizeHigh) {
                k.used = ++g_useCount;
                *content = k.content;
                return 1;
            }
        }
    }
    /* the attributes were taken before the read: a change meanwhile shows
     * as a newer write time next time */
    int32_t rc = read_whole(path, content);
    if (rc == 1 && content->size() <= kKeepMax && a.nFileSizeHigh == 0 && content->size() == a.nFileSizeLow) {
        std::lock_guard<std::mutex> guard(g_keptLock);
        KeptFile* slot = &g_kept[0];
        for (KeptFile& k : g_kept) {
            if (k.path == path || k.path.empty()) {
                slot = &k;
                break;
            }
            if (k.used < slot->used)
                slot = &k;
        }
        slot->path = path;
        slot->written = a.ftLastWriteTime;
        slot->sizeLow = a.nFileSizeLow;
        slot->sizeHigh = a.nFileSizeHigh;
        slot->content = *content;
        slot->used = ++g_useCount;
    }
    return rc;
}
#else
int32_t ini_read_file(const std::string& path, std::string* content)
{
    return read_whole(PosixPfad(path), content);
}
#endif

/* The name of a file's lock, the same for every process: a hash of the
 * upper-case full name. */
static std::string lock_name(const std::string& path)
{
    uint64_t hash = 1469598103934665603ull;
    for (char c : ini_full_name(path)) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z')
            u = static_cast<unsigned char>(u - 32);
        if (u == '/')
            u = '\\';
        hash = (hash ^ u) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof(name), "OXINIFILE_%016llx", static_cast<unsigned long long>(hash));
    return name;
}

#if defined(_WIN32)

int32_t ini_replace_file(const std::string& path, const std::string& content)
{
    forget_kept(path);
    char temp[MAX_PATH + 32];
    int32_t rc = 0;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        std::snprintf(temp, sizeof(temp), "%s.%lx%02x.tmp", path.c_str(),
                      static_cast<unsigned long>(GetCurrentProcessId()), attempt);
        h = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return 0;
    }
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    size_t done = 0;
    bool ok = true;
    while (ok && done < content.size()) {
        DWORD put = 0;
        size_t left = content.size() - done;
        DWORD part = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        ok = WriteFile(h, content.data() + done, part, &put, nullptr) && put > 0;
        done += put;
    }
    ok = ok && FlushFileBuffers(h);
    CloseHandle(h);
    if (ok && MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        rc = 1;
    else
        DeleteFileA(temp);
    return rc;
}

void* ini_lock(const std::string& path)
{
    /* One named mutex per file (mutex names cannot hold "\\"). */
    HANDLE m = CreateMutexA(nullptr, FALSE, lock_name(path).c_str());
    if (m == nullptr)
        return nullptr;
    DWORD w = WaitForSingleObject(m, 10000);
    if (w != WAIT_OBJECT_0 && w != WAIT_ABANDONED) {
        CloseHandle(m);
        return nullptr;
    }
    return m;
}

void ini_unlock(void* lock)
{
    if (lock == nullptr)
        return;
    ReleaseMutex(static_cast<HANDLE>(lock));
    CloseHandle(static_cast<HANDLE>(lock));
}

std::string ini_full_name(const std::string& path)
{
    char full[MAX_PATH + 1];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    if (n == 0 || n >= sizeof(full))
        return path;
    return std::string(full, n);
}

std::string ini_default_file(void)
{
    char exe[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, exe, sizeof(exe));
    if (n == 0 || n >= sizeof(exe))
        return "ORDANEX.INI";
    std::string folder(exe, n);
    size_t cut = folder.find_last_of("\\/:");
    folder = cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
    return folder + "ORDANEX.INI";
}

#else

int32_t ini_replace_file(const std::string& name, const std::string& content)
{
    std::string path = PosixPfad(name);
    std::string temp = path + "." + std::to_string(static_cast<long>(getpid())) + ".tmp";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return 0;
    size_t done = 0;
    bool ok = true;
    while (ok && done < content.size()) {
        ssize_t put = write(fd, content.data() + done, content.size() - done);
        ok = put > 0;
        if (ok)
            done += static_cast<size_t>(put);
    }
    ok = ok && fsync(fd) == 0;
    close(fd);
    if (ok && rename(temp.c_str(), path.c_str()) == 0)
        return 1;
    unlink(temp.c_str());
    return 0;
}

void* ini_lock(const std::string& path)
{
    /* A lock file per INI file in the temp folder (nothing is left beside
     * the INI file), locked with flock. */
    const char* temp = std::getenv("TMPDIR");
    std::string name = std::string(temp != nullptr && *temp ? temp : "/tmp") + "/" + lock_name(path) + ".lck";
    int fd = open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    if (flock(fd, LOCK_EX) != 0) {
        close(fd);
        return nullptr;
    }
    return reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
}

void ini_unlock(void* lock)
{
    if (lock == nullptr)
        return;
    int fd = static_cast<int>(reinterpret_cast<intptr_t>(lock) - 1);
    flock(fd, LOCK_UN);
    close(fd);
}

std::string ini_full_name(const std::string& name)
{
    std::string path = PosixPfad(name);
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof(cwd)) == nullptr)
        return path;
    return std::string(cwd) + "/" + path;
}

std::string ini_default_file(void)
{
    return ini_full_name("ORDANEX.INI");
}

#endif
