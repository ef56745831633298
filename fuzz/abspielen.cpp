/*
 * abspielen.cpp - runs a fuzz target once over every file given on the
 * command line, and over every file of every folder given (in name order).
 * Without libFuzzer this is how the corpus and the findings are replayed
 * under the sanitizers; any finding aborts the program.
 */
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

static void Abspielen(const std::filesystem::path& datei)
{
    std::ifstream f(datei, std::ios::binary);
    std::vector<char> inhalt((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhalt.data()), inhalt.size());
}

int main(int argc, char** argv)
{
    /* Paths first: the target's initialisation may change the folder. */
    std::vector<std::filesystem::path> dateien;
    for (int i = 1; i < argc; i++) {
        std::filesystem::path p = std::filesystem::absolute(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.')
                    dateien.push_back(e.path());
        } else if (std::filesystem::is_regular_file(p)) {
            dateien.push_back(p);
        }
    }
    std::sort(dateien.begin(), dateien.end());
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    for (const auto& d : dateien)
        Abspielen(d);
    std::printf("%zu inputs replayed\n", dateien.size());
    return 0;
}
