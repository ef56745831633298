/*
 * fileio_core.cpp - path text work of the file library (no system calls).
 */
#include "fileio_core.h"

#include <cstring>

int32_t fileio_copy_text(char* target, int32_t size, const char* source, size_t length)
{
    int32_t rc = 1;
    if (target == nullptr || size <= 0)
        return 0;
    size_t room = static_cast<size_t>(size) - 1;
    if (length > room) {
        length = room;
        rc = 0;
    }
    if (length > 0)
        std::memcpy(target, source, length);
    target[length] = '\0';
    return rc;
}

bool fileio_is_separator(char c)
{
    return c == '\\' || c == '/';
}

bool fileio_path_valid(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return false;
    return std::strlen(path) <= kFileIoMaxPath;
}

int32_t fileio_split(const char* path, char* folder, int32_t folderSize, char* name, int32_t nameSize)
{
    int32_t rc = 1;
    if (path == nullptr)
        return -1;
    size_t length = std::strlen(path);
    size_t cut = 0; /* length of the folder part */
    for (size_t i = length; i > 0; --i) {
        char c = path[i - 1];
        if (fileio_is_separator(c) || c == ':') {
            cut = i;
            break;
        }
    }
    if (folder != nullptr && fileio_copy_text(folder, folderSize, path, cut) == 0)
        rc = 0;
    if (name != nullptr && fileio_copy_text(name, nameSize, path + cut, length - cut) == 0)
        rc = 0;
    return rc;
}

/* Length of the part of `path` that is a root and cannot be created:
 * "C:" / "C:\" / "\" / "\\server\share\". */
static size_t rootLength(const std::string& path)
{
    size_t n = path.size();
    if (n >= 2 && fileio_is_separator(path[0]) && fileio_is_separator(path[1])) {
        /* UNC: skip server and share */
        size_t i = 2;
        int parts = 0;
        while (i < n && parts < 2) {
            while (i < n && !fileio_is_separator(path[i]))
                ++i;
            ++parts;
            if (i < n)
                ++i;
        }
        return i;
    }
    if (n >= 2 && path[1] == ':') {
        if (n >= 3 && fileio_is_separator(path[2]))
            return 3;
        return 2;
    }
    if (n >= 1 && fileio_is_separator(path[0]))
        return 1;
    return 0;
}

std::string fileio_strip_trailing(const std::string& path)
{
    std::string result = path;
    size_t root = rootLength(result);
    while (result.size() > root && fileio_is_separator(result.back()))
        result.pop_back();
    return result;
}

std::vector<std::string> fileio_folder_chain(const std::string& path)
{
    std::vector<std::string> chain;
    std::string full = fileio_strip_trailing(path);
    size_t root = rootLength(full);
    size_t i = root;
    while (i < full.size()) {
        while (i < full.size() && !fileio_is_separator(full[i]))
            ++i;
        std::string folder = full.substr(0, i);
        if (!folder.empty() && !fileio_is_separator(folder.back()))
            chain.push_back(folder);
        while (i < full.size() && fileio_is_separator(full[i]))
            ++i;
    }
    return chain;
}
