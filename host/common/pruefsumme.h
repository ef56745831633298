/*
 * pruefsumme.h - CRC-32 (reflected, polynomial 0xEDB88320, initial value
 * and final XOR all ones, as zip and PNG use it), eight bytes per step: the
 * check value of the store's journal and header and of the table store's
 * entries. Header only, so every host library that keeps files builds it
 * in without a link dependency.
 */
#ifndef OX_HOST_PRUEFSUMME_H
#define OX_HOST_PRUEFSUMME_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace pruefsumme {

constexpr std::array<std::array<uint32_t, 256>, 8> Tafeln()
{
    std::array<std::array<uint32_t, 256>, 8> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int s = 1; s < 8; ++s)
            t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    return t;
}

inline constexpr std::array<std::array<uint32_t, 256>, 8> TAFELN = Tafeln();

/* Continues the check value `crc` (0 to start) over `n` bytes. */
inline uint32_t Crc32(uint32_t crc, const void* daten, size_t n)
{
    const unsigned char* p = static_cast<const unsigned char*>(daten);
    const auto& t = TAFELN;
    crc = ~crc;
    for (; n >= 8; n -= 8, p += 8) {
        uint32_t a = crc ^ (static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                            static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
        crc = t[7][a & 0xFF] ^ t[6][(a >> 8) & 0xFF] ^ t[5][(a >> 16) & 0xFF] ^ t[4][a >> 24] ^ t[3][p[4]] ^
              t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; --n, ++p)
        crc = t[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

} // namespace pruefsumme

#endif
