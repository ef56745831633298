/*
 * oxinifile.cpp (native) - the INI calls of the field map loader over the
 * INI library's own text core: a stack of current files, values read
 * from the file's content as the library finds them.
 */
#include "hostapi/oxinifile.h"
#include "ini_core.h"
#include "werkzeug.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
struct IniDatei {
    std::string name;
    std::string inhalt;
};
std::vector<IniDatei> g_stapel;

bool DateiLesen(const std::string& name, std::string* inhalt)
{
    FILE* f = std::fopen(name.c_str(), "rb");
    if (f == nullptr)
        return false;
    inhalt->clear();
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0 && inhalt->size() < kIniMaxFileSize)
        inhalt->append(puffer, n);
    std::fclose(f);
    return true;
}
} // namespace

int NativIniStapel(void)
{
    return (int)g_stapel.size();
}

OX_EXTERN_C int32_t INI_StackIniFileName(const char* fileName)
{
    if (fileName == nullptr || fileName[0] == '\0' || std::string(fileName).size() > kIniMaxFileName ||
        g_stapel.size() >= 16)
        return -1;
    IniDatei datei;
    datei.name = fileName;
    if (!DateiLesen(datei.name, &datei.inhalt))
        return 0;
    g_stapel.push_back(datei);
    return 1;
}

OX_EXTERN_C int32_t INI_UnstackIniFileName(void)
{
    if (g_stapel.empty())
        return -1;
    g_stapel.pop_back();
    return 1;
}

OX_EXTERN_C int32_t INI_GetString(const char* section, const char* key, char* buffer, int32_t size)
{
    if (buffer == nullptr || size < 1)
        return -1;
    buffer[0] = '\0';
    if (section == nullptr || key == nullptr || g_stapel.empty())
        return 0;
    std::string wert;
    if (ini_find_value(g_stapel.back().inhalt, section, key, &wert) != 1)
        return 0;
    return txt_copy_out(wert, buffer, size);
}
