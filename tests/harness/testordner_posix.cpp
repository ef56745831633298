/*
 * testordner_posix.cpp - the test folders of the native build (see
 * testordner.h): under the temp folder, with '/' as separator; a path that
 * a test wrote with backslashes (as on Windows) is read the same way.
 */
#include "harness/testordner.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace {

std::string Posix(std::string pfad)
{
    for (char& c : pfad)
        if (c == '\\')
            c = '/';
    return pfad;
}

} // namespace

std::string NeuerTestordner(const std::string& name)
{
    static int zaehler;
    std::error_code fehler;
    std::filesystem::path basis = std::filesystem::temp_directory_path(fehler) / "oxtest";
    std::filesystem::path ordner =
        basis / (name + "_" + std::to_string(getpid()) + "_" + std::to_string(++zaehler));
    std::filesystem::remove_all(ordner, fehler);
    std::filesystem::create_directories(ordner, fehler);
    return ordner.string() + "/";
}

std::string DateiLesen(const std::string& pfad)
{
    std::ifstream f(Posix(pfad), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void DateiSchreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream f(Posix(pfad), std::ios::binary | std::ios::trunc);
    f << inhalt;
}

bool Existiert(const std::string& pfad)
{
    std::error_code fehler;
    return std::filesystem::exists(Posix(pfad), fehler);
}
