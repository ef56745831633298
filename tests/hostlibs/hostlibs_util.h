/*
 * hostlibs_util.h - scratch folders and whole-file access for the tests of
 * the replacement host libraries.
 */
#ifndef OX_TEST_HOSTLIBS_UTIL_H
#define OX_TEST_HOSTLIBS_UTIL_H

#include <windows.h>

#include <cstdio>
#include <string>

namespace hostlibs {

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

inline std::string ReadAll(const std::string& file)
{
    std::string content;
    FILE* f = std::fopen(file.c_str(), "rb");
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
    FILE* f = std::fopen(file.c_str(), "wb");
    if (f == nullptr)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

inline int CountFiles(const std::string& pattern)
{
    int n = 0;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do {
        ++n;
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return n;
}

} // namespace hostlibs

#endif
