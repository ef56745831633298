/*
 * hostlibs_util.h - scratch folders, whole-file access and file stamps for
 * the tests of the replacement host libraries. Windows, and POSIX for the
 * native build (there a "\" in a path is taken as "/", as the libraries
 * take it).
 */
#ifndef OX_TEST_HOSTLIBS_UTIL_H
#define OX_TEST_HOSTLIBS_UTIL_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <filesystem>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hostlibs {

#if defined(_WIN32)

inline std::string Native(const std::string& path)
{
    return path;
}

/* Deletes a folder with everything in it. */
inline void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

/* A fresh, empty folder under the temporary folder, removed again at the
 * end of the scope. `path` ends without a separator. */
struct ScratchFolder {
    std::string path;
    explicit ScratchFolder(const char* tag)
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        static unsigned counter = 0;
        char name[64];
        std::snprintf(name, sizeof(name), "oxhl_%s_%lu_%u", tag, GetCurrentProcessId(), ++counter);
        path = std::string(temp) + name;
        RemoveTree(path);
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(path); }
    std::string operator/(const std::string& name) const { return path + "\\" + name; }
};

/* Write time of a file as a FILETIME value (100 ns since 1601), 0 when
 * there is no such file. */
inline uint64_t WriteTime(const std::string& file)
{
    WIN32_FILE_ATTRIBUTE_DATA a;
    if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &a))
        return 0;
    return (static_cast<uint64_t>(a.ftLastWriteTime.dwHighDateTime) << 32) | a.ftLastWriteTime.dwLowDateTime;
}

inline bool SetWriteTime(const std::string& file, uint64_t time)
{
    HANDLE f = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    FILETIME t;
    t.dwLowDateTime = static_cast<DWORD>(time);
    t.dwHighDateTime = static_cast<DWORD>(time >> 32);
    bool ok = SetFileTime(f, nullptr, nullptr, &t) != 0;
    CloseHandle(f);
    return ok;
}

inline void MakeReadOnly(const std::string& file)
{
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
}

inline void MakeFolder(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
}

inline void RemoveFile(const std::string& file)
{
    DeleteFileA(file.c_str());
}

#else

inline std::string Native(std::string path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

inline void RemoveTree(const std::string& folder)
{
    std::error_code e;
    std::filesystem::remove_all(folder, e);
}

struct ScratchFolder {
    std::string path;
    explicit ScratchFolder(const char* tag)
    {
        const char* temp = std::getenv("TMPDIR");
        static unsigned counter = 0;
        char name[64];
        std::snprintf(name, sizeof(name), "/oxhl_%s_%ld_%u", tag, static_cast<long>(getpid()), ++counter);
        path = std::string(temp != nullptr && *temp ? temp : "/tmp") + name;
        RemoveTree(path);
        mkdir(path.c_str(), 0755);
    }
    ~ScratchFolder() { RemoveTree(path); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

inline uint64_t WriteTime(const std::string& file)
{
    struct stat st;
    if (stat(Native(file).c_str(), &st) != 0)
        return 0;
    return (static_cast<uint64_t>(st.st_mtim.tv_sec) + 11644473600ull) * 10000000ull +
           static_cast<uint64_t>(st.st_mtim.tv_nsec) / 100;
}

inline bool SetWriteTime(const std::string& file, uint64_t time)
{
    uint64_t seit1970 = time - 11644473600ull * 10000000ull;
    struct timespec t[2];
    t[0].tv_sec = 0;
    t[0].tv_nsec = UTIME_OMIT;
    t[1].tv_sec = static_cast<time_t>(seit1970 / 10000000ull);
    t[1].tv_nsec = static_cast<long>(seit1970 % 10000000ull) * 100;
    return utimensat(AT_FDCWD, Native(file).c_str(), t, 0) == 0;
}

inline void MakeReadOnly(const std::string& file)
{
    chmod(Native(file).c_str(), 0444);
}

inline void MakeFolder(const std::string& folder)
{
    mkdir(Native(folder).c_str(), 0755);
}

inline void RemoveFile(const std::string& file)
{
    unlink(Native(file).c_str());
}

#endif

inline std::string ReadAll(const std::string& file)
{
    std::string content;
    FILE* f = std::fopen(Native(file).c_str(), "rb");
    if (f == nullptr)
        return content;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), f)) > 0)
        content.append(chunk, got);
    std::fclose(f);
    return content;
}

inline void WriteAll(const std::string& file, const std::string& content)
{
    FILE* f = std::fopen(Native(file).c_str(), "wb");
    if (f == nullptr)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

/* Files and folders that match `pattern` (a folder and a name with "*"). */
inline int CountFiles(const std::string& pattern)
{
    int n = 0;
#if !defined(_WIN32)
    glob_t g;
    if (glob(Native(pattern).c_str(), 0, nullptr, &g) == 0)
        n = static_cast<int>(g.gl_pathc);
    globfree(&g);
    return n;
#else
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do {
        ++n;
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return n;
#endif
}

} // namespace hostlibs

#endif
