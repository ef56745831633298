/*
 * ini_core.h - the INI file text: finding and changing values in the
 * content of a file held in memory, and the file access below it. Free of
 * windows.h (the few system calls live in ini_platform.cpp), so the whole
 * logic builds and runs natively as well.
 */
#ifndef OX_INI_CORE_H
#define OX_INI_CORE_H

#include <stddef.h>
#include <stdint.h>
#include <string>

#include "common/textkern.h"

/* Longest section or key name, and longest file name (characters). */
constexpr size_t kIniMaxName = 255;
constexpr size_t kIniMaxFileName = 259;
/* Files above this size are read only up to it and never rewritten. */
constexpr size_t kIniMaxFileSize = 64u << 20;

/* Section and key names compare without regard to case (ASCII and the
 * cp1252 letters). */
bool ini_names_equal(const std::string& a, const std::string& b);

/* Names and values a write accepts (see oxinifile.h). */
bool ini_section_valid(const char* section);
bool ini_key_valid(const char* key);
bool ini_value_valid(const char* value);

/* The value of `key` in the first section named `section`, decoded (outer
 * blanks and one pair of enclosing quotes removed). 1 = found, 0 = not. */
int32_t ini_find_value(const std::string& content, const std::string& section, const std::string& key,
                       std::string* value);

/*
 * The content with `key` of `section` set to `value` (value null: the key
 * removed; key null as well: the whole first section removed). Names must
 * have been checked. Returns 1 when `out` differs from `content`, 0 when
 * there was nothing to change (`out` = content).
 */
int32_t ini_change(const std::string& content, const std::string& section, const char* key, const char* value,
                   std::string* out);

/* Integers of values and copies into a caller's buffer: txt_parse_int and
 * txt_copy_out (common/textkern.h). */

/* --- file access (ini_platform.cpp) --- */

/* Reads the whole file. 1 = read, 0 = no such file (content empty),
 * 2 = larger than kIniMaxFileSize (content holds the beginning),
 * -1 = the file exists but cannot be read. */
int32_t ini_read_file(const std::string& path, std::string* content);

/* Replaces the file with `content` through a flushed temporary file in the
 * same folder. 1 = done, 0 = failed (the old file is untouched). */
int32_t ini_replace_file(const std::string& path, const std::string& content);

/* Runs one read-change-replace under a lock that all processes share for
 * this file name, so two writers never lose each other's change. */
void* ini_lock(const std::string& path);
void ini_unlock(void* lock);

/* Full name of `path` (made absolute against the working folder). */
std::string ini_full_name(const std::string& path);

/* "ORDANEX.INI" in the folder of the running program. */
std::string ini_default_file(void);

#endif
