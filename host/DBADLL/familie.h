/*
 * familie.h - helpers shared by the call families of the store.
 */
#ifndef DBA_FAMILIE_H
#define DBA_FAMILIE_H

#include "bestand.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace dba {

/* Runs `f`; any exception (memory shortage) becomes `fehler`: no call of
 * the library lets one escape. */
template <typename F>
auto Schutz(decltype(std::declval<F>()()) fehler, F f) -> decltype(f())
{
    try {
        return f();
    } catch (...) {
        return fehler;
    }
}

/* The store a family uses for its calls without handle: one object per
 * family, re-made when the data folder changes. */
template <typename T>
std::shared_ptr<T> Implizit(const char* relativ, uint32_t satzGroesse, uint32_t startAnzahl = 0)
{
    static std::mutex m;
    static std::shared_ptr<T> bestand;
    static uint32_t stand = 0;
    std::lock_guard<std::mutex> lock(m);
    uint32_t jetzt = PfadStand();
    if (!bestand || stand != jetzt) {
        bestand.reset();   /* another folder: unless handles hold it, the old store goes */
        bestand = Hole<T>(relativ, satzGroesse, startAnzahl);
        stand = jetzt;
    }
    return bestand;
}

/* Upper case of ASCII letters. */
inline std::string GrossAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

/* Length of a text up to `max` characters (null = 0). */
inline size_t Laenge(const char* s, size_t max = 0x7FFFFFFF)
{
    size_t n = 0;
    if (s)
        while (n < max && s[n]) ++n;
    return n;
}

} // namespace dba

#endif
