/*
 * fileio_core.h - path text work of the file library, free of any system
 * call so it builds and is tested on every platform. The INI library
 * compiles it in as well (INI_SeparateFile).
 */
#ifndef OX_FILEIO_CORE_H
#define OX_FILEIO_CORE_H

#include <stddef.h>
#include <stdint.h>
#include <string>
#include <vector>

/* Longest path accepted (characters, without the terminator). */
constexpr size_t kFileIoMaxPath = 259;

/* Bounded copy of `length` bytes of `source` into `target` of `size` bytes,
 * always terminated when size >= 1. Returns 1, or 0 when it had to cut. */
int32_t fileio_copy_text(char* target, int32_t size, const char* source, size_t length);

/* 1 for "\" "/", 0 otherwise. */
bool fileio_is_separator(char c);

/* A usable path: not null, not empty, at most kFileIoMaxPath characters. */
bool fileio_path_valid(const char* path);

/* Splits behind the last "\", "/" or ":" into folder (with the separator)
 * and name; see FileIO_Separate. */
int32_t fileio_split(const char* path, char* folder, int32_t folderSize, char* name, int32_t nameSize);

/* `path` without trailing separators, except where the separator is the
 * root itself ("C:\", "\"). */
std::string fileio_strip_trailing(const std::string& path);

/* The folders that make up `path`, from the top down, each without trailing
 * separator, leaving out the drive ("C:", "C:\") and the server and share
 * of a UNC path ("\\server\share"): "C:\A\B\" -> "C:\A", "C:\A\B". */
std::vector<std::string> fileio_folder_chain(const std::string& path);

#endif
