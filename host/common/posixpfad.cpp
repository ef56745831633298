/*
 * posixpfad.cpp - Windows-style paths on a POSIX file system.
 */
#include "common/posixpfad.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

bool Existiert(const std::string& pfad)
{
    struct stat st;
    return ::lstat(pfad.c_str(), &st) == 0;
}

/* The one entry of `ordner` named `teil` in another case; empty when there
 * is none or more than one. */
std::string AndereSchreibung(const std::string& ordner, const std::string& teil)
{
    DIR* d = ::opendir(ordner.empty() ? "." : ordner.c_str());
    if (d == nullptr)
        return std::string();
    std::string gefunden;
    int treffer = 0;
    while (struct dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, teil.c_str()) == 0) {
            gefunden = e->d_name;
            ++treffer;
        }
    }
    ::closedir(d);
    return treffer == 1 ? gefunden : std::string();
}

} // namespace

std::string PosixPfad(const std::string& pfad)
{
    std::string s = pfad;
    for (char& c : s)
        if (c == '\\')
            c = '/';
    if (s.empty() || Existiert(s))
        return s;
    /* part by part: the folder so far, then the next name */
    std::string ergebnis;
    size_t i = 0;
    if (s[0] == '/') {
        ergebnis = "/";
        i = 1;
    }
    bool weiter = true;   /* every part so far exists */
    while (i <= s.size()) {
        size_t ende = s.find('/', i);
        if (ende == std::string::npos)
            ende = s.size();
        std::string teil = s.substr(i, ende - i);
        if (!teil.empty()) {
            std::string ordner = ergebnis;
            std::string kandidat = ordner + teil;
            if (weiter && !Existiert(kandidat) && teil != "." && teil != "..") {
                std::string anders = AndereSchreibung(ordner, teil);
                if (!anders.empty())
                    kandidat = ordner + anders;
                else
                    weiter = false;
            }
            ergebnis = kandidat;
        }
        if (ende < s.size())
            ergebnis.push_back('/');
        i = ende + 1;
    }
    return ergebnis;
}
