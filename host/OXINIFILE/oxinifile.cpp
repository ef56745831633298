/*
 * oxinifile.cpp - the INI library's calls: the current file and its stack,
 * and every read and write as one pass over the file's content.
 */
#include "OXINIFILE/oxinifile_host.h"
#include "fileio_core.h"
#include "ini_core.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr size_t kStackDepth = 16;

struct IniState {
    std::mutex lock;
    bool chosen = false;          /* hostFile has been fixed */
    std::string hostFile;         /* the host's own file */
    std::string current;          /* the current file */
    std::vector<std::string> stack;
};

IniState& state()
{
    static IniState s;
    return s;
}

bool fileNameValid(const char* name)
{
    return name != nullptr && name[0] != '\0' && std::strlen(name) <= kIniMaxFileName;
}

/* Fixes the host's own file on first use. Called with the lock held. */
void chooseHostFile(IniState& s)
{
    if (s.chosen)
        return;
    const char* env = std::getenv("ORDANEX_INI");
    std::string name = fileNameValid(env) ? ini_full_name(env) : ini_default_file();
    if (name.size() > kIniMaxFileName)
        name = ini_default_file();
    s.hostFile = name;
    s.current = name;
    s.stack.clear();
    s.chosen = true;
}

std::string currentFile()
{
    IniState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    chooseHostFile(s);
    return s.current;
}

std::string hostFile()
{
    IniState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    chooseHostFile(s);
    return s.hostFile;
}

/* Reads one value; 1 = found. */
int32_t readValue(const std::string& file, const char* section, const char* key, std::string* value)
{
    int32_t rc = 0;
    if (section == nullptr || key == nullptr || file.empty())
        return 0;
    try {
        std::string content;
        if (ini_read_file(file, &content) >= 1)
            rc = ini_find_value(content, section, key, value);
    } catch (...) {
        rc = 0;
    }
    return rc;
}

int32_t readInt(const std::string& file, const char* section, const char* key, int32_t defaultValue)
{
    std::string value;
    int32_t number = defaultValue;
    if (readValue(file, section, key, &value) == 1 && txt_parse_int(value, &number) == 1)
        return number;
    return defaultValue;
}

int32_t readString(const std::string& file, const char* section, const char* key, const char* defaultValue,
                   char* buffer, int32_t size)
{
    if (buffer == nullptr || size < 1)
        return -1;
    std::string value;
    if (readValue(file, section, key, &value) != 1)
        value = defaultValue != nullptr ? defaultValue : "";
    return txt_copy_out(value, buffer, size);
}

/* One write: value null removes the key, key null the section. */
int32_t change(const std::string& file, const char* section, const char* key, const char* value)
{
    int32_t rc = 0;
    if (file.empty() || file.size() > kIniMaxFileName || !ini_section_valid(section))
        return -1;
    if (key == nullptr ? value != nullptr : !ini_key_valid(key))
        return -1; /* only a removal may name the whole section */
    if (value != nullptr && !ini_value_valid(value))
        return -1;
    void* lock = ini_lock(file);
    try {
        std::string content;
        std::string changed;
        int32_t read = ini_read_file(file, &content);
        if (read == 0 || read == 1) {
            if (ini_change(content, section, key, value, &changed) == 1)
                rc = ini_replace_file(file, changed);
            else
                rc = (value != nullptr) ? 1 : 0; /* already so / nothing to remove */
        }
    } catch (...) {
        rc = 0;
    }
    ini_unlock(lock);
    return rc;
}

int32_t putInt(const std::string& file, const char* section, const char* key, int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%ld", static_cast<long>(value));
    return change(file, section, key, text);
}

std::string namedFile(const char* fileName)
{
    return fileNameValid(fileName) ? std::string(fileName) : std::string();
}

} // namespace

OX_EXTERN_C int32_t OXCALL INI_SetIniFilename(const char* fileName)
{
    if (!fileNameValid(fileName))
        return -1;
    try {
        std::string full = ini_full_name(fileName);
        if (full.size() > kIniMaxFileName)
            return -1;
        IniState& s = state();
        std::lock_guard<std::mutex> guard(s.lock);
        s.hostFile = full;
        s.current = full;
        s.stack.clear();
        s.chosen = true;
    } catch (...) {
        return -1;
    }
    return 1;
}

OX_EXTERN_C int32_t OXCALL INI_Init(void* instance, int32_t reserved)
{
    (void)instance;
    (void)reserved;
    IniState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    chooseHostFile(s);
    s.current = s.hostFile;
    s.stack.clear();
    return 1;
}

OX_EXTERN_C int32_t OXCALL INI_GetIniFilename(char* buffer)
{
    if (buffer == nullptr)
        return -1;
    try {
        std::string name = currentFile();
        fileio_copy_text(buffer, OX_TXT_PATH, name.data(), name.size());
        return static_cast<int32_t>(std::strlen(buffer));
    } catch (...) {
        buffer[0] = '\0';
        return -1;
    }
}

OX_EXTERN_C int32_t OXCALL INI_StackIniFileName(const char* fileName)
{
    int32_t rc = -1;
    if (!fileNameValid(fileName))
        return -1;
    try {
        std::string full = ini_full_name(fileName);
        std::string probe;
        if (full.size() > kIniMaxFileName)
            return -1;
        if (ini_read_file(full, &probe) == 0)
            return 0; /* no such file */
        IniState& s = state();
        std::lock_guard<std::mutex> guard(s.lock);
        chooseHostFile(s);
        if (s.stack.size() < kStackDepth) {
            s.stack.push_back(s.current);
            s.current = full;
            rc = 1;
        }
    } catch (...) {
        rc = -1;
    }
    return rc;
}

OX_EXTERN_C int32_t OXCALL INI_UnstackIniFileName(void)
{
    IniState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.stack.empty())
        return -1;
    s.current = s.stack.back();
    s.stack.pop_back();
    return 1;
}

OX_EXTERN_C int32_t OXCALL INI_SeparateFile(const char* path, char* folder, int32_t folderSize, char* name,
                                           int32_t nameSize)
{
    return fileio_split(path, folder, folderSize, name, nameSize);
}

OX_EXTERN_C int32_t OXCALL INI_GetInt(const char* section, const char* key, int32_t defaultValue)
{
    try {
        return readInt(currentFile(), section, key, defaultValue);
    } catch (...) {
        return defaultValue;
    }
}

OX_EXTERN_C int32_t OXCALL INI_GetInteger(const char* section, const char* key)
{
    return INI_GetInt(section, key, 0);
}

OX_EXTERN_C int32_t OXCALL INI_GetLong(const char* section, const char* key, int32_t defaultValue)
{
    return INI_GetInt(section, key, defaultValue);
}

OX_EXTERN_C int32_t OXCALL INI_PutInteger(const char* section, const char* key, int32_t value)
{
    try {
        return putInt(currentFile(), section, key, value);
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL INI_PutLong(const char* section, const char* key, int32_t value)
{
    return INI_PutInteger(section, key, value);
}

OX_EXTERN_C int32_t OXCALL INI_GetString(const char* section, const char* key, char* buffer, int32_t size)
{
    try {
        return readString(currentFile(), section, key, "", buffer, size);
    } catch (...) {
        return txt_copy_out(std::string(), buffer, size);
    }
}

OX_EXTERN_C int32_t OXCALL INI_PutString(const char* section, const char* key, const char* value)
{
    if (value == nullptr)
        return -1;
    try {
        return change(currentFile(), section, key, value);
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL INI_LoadStringINI(const char* section, const char* key, const char* defaultValue,
                                            char* buffer, int32_t size, int32_t hostFileFlag)
{
    try {
        std::string file = hostFileFlag == 1 ? hostFile() : currentFile();
        return readString(file, section, key, defaultValue, buffer, size);
    } catch (...) {
        return txt_copy_out(std::string(), buffer, size);
    }
}

OX_EXTERN_C int32_t OXCALL INI2_GetInt(const char* fileName, const char* section, const char* key,
                                      int32_t defaultValue)
{
    try {
        return readInt(namedFile(fileName), section, key, defaultValue);
    } catch (...) {
        return defaultValue;
    }
}

OX_EXTERN_C int32_t OXCALL INI2_GetLong(const char* fileName, const char* section, const char* key,
                                       int32_t defaultValue)
{
    return INI2_GetInt(fileName, section, key, defaultValue);
}

OX_EXTERN_C int32_t OXCALL INI2_PutInteger(const char* fileName, const char* section, const char* key,
                                          int32_t value)
{
    try {
        return putInt(namedFile(fileName), section, key, value);
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL INI2_GetString(const char* fileName, const char* section, const char* key,
                                         char* buffer, int32_t size)
{
    try {
        return readString(namedFile(fileName), section, key, "", buffer, size);
    } catch (...) {
        return txt_copy_out(std::string(), buffer, size);
    }
}

OX_EXTERN_C int32_t OXCALL INI2_PutString(const char* fileName, const char* section, const char* key,
                                         const char* value)
{
    if (value == nullptr)
        return -1;
    try {
        return change(namedFile(fileName), section, key, value);
    } catch (...) {
        return 0;
    }
}

