/*
 * The encoding core: check value, line limits, and the fuzz entry fed with
 * damaged and random files.
 */
#include <gtest/gtest.h>

#include "edi_core.h"
#include "edi_hilfen.h"

using namespace edihilfe;

namespace {

TEST(Kern, Crc32cWieUeblich)
{
    EXPECT_EQ(edikern::crc32(0, "123456789", 9), 0xE3069283u);
    EXPECT_EQ(edikern::crc32(0, "", 0), 0u);
    /* continuing over pieces equals one pass, also across the 8-byte steps */
    std::string t = "Strickjacke marine Gr\xF6\xDF" "e 40, 100% Baumwolle";
    for (size_t teil = 0; teil <= t.size(); teil++) {
        ASSERT_EQ(edikern::crc32(edikern::crc32(0, t.data(), teil), t.data() + teil, t.size() - teil),
                  edikern::crc32(0, t.data(), t.size()));
    }
}

TEST(Kern, ZeileHaeltKindsUndGrenzen)
{
    uint8_t roh[1500];
    for (size_t i = 0; i < sizeof(roh); i++)
        roh[i] = static_cast<uint8_t>(i * 7);
    char aus[EDI_SATZ_GROESSE];
    /* the longest payload a line may carry gives a line of 1999 bytes */
    size_t n = edikern::zeile_verschluesseln(42, 77, roh, 1488, aus, sizeof(aus));
    ASSERT_EQ(n, 1999u);
    int sa = 0, na = 0;
    EXPECT_EQ(edikern::zeile_pruefen(aus, n - 2, &sa, &na), 1);
    EXPECT_EQ(sa, 42);
    EXPECT_EQ(na, 77);
    uint8_t zurueck[1500];
    ASSERT_EQ(edikern::satz_entschluesseln(aus, zurueck, sizeof(zurueck), nullptr, nullptr), 1488);
    EXPECT_EQ(std::memcmp(roh, zurueck, 1488), 0);

    EXPECT_EQ(edikern::zeile_verschluesseln(42, 77, roh, 1489, aus, sizeof(aus)), 0u);
    EXPECT_EQ(edikern::zeile_verschluesseln(100, 1, roh, 10, aus, sizeof(aus)), 0u);
    EXPECT_EQ(edikern::zeile_verschluesseln(-1, 1, roh, 10, aus, sizeof(aus)), 0u);
    /* too small an output buffer: nothing, not a cut line */
    EXPECT_EQ(edikern::zeile_verschluesseln(5, 14, roh, 30, aus, 40), 0u);
    EXPECT_EQ(edikern::zeile_verschluesseln(5, 14, roh, 30, aus, 56), 55u);
    /* a payload that does not fit the caller's raw buffer is refused */
    n = edikern::zeile_verschluesseln(5, 14, roh, 300, aus, sizeof(aus));
    EXPECT_EQ(edikern::satz_entschluesseln(aus, zurueck, 299, nullptr, nullptr), -1);
}

TEST(Kern, JedeLaengeHinUndZurueck)
{
    /* The line is built in steps of twelve, six and three bytes: every
     * length, with random bytes, gives a line that gives the bytes back. */
    Zufall z{77};
    std::vector<uint8_t> roh(1488);
    char schnell[EDI_SATZ_GROESSE];
    uint8_t zurueck[1500];
    for (size_t laenge = 0; laenge <= roh.size(); laenge++) {
        for (uint8_t& b : roh)
            b = static_cast<uint8_t>(z.bis(256));
        size_t n = edikern::zeile_verschluesseln(5, 14, roh.data(), laenge, schnell, sizeof(schnell));
        ASSERT_GT(n, 0u) << laenge;
        ASSERT_EQ(static_cast<long>(laenge),
                  edikern::satz_entschluesseln(schnell, zurueck, sizeof(zurueck), nullptr, nullptr));
        ASSERT_EQ(0, std::memcmp(roh.data(), zurueck, laenge)) << laenge;
    }
}

TEST(Kern, SatzEndetMitZeilenendeOderNul)
{
    uint8_t roh[100];
    for (size_t i = 0; i < sizeof(roh); i++)
        roh[i] = static_cast<uint8_t>(i);
    char aus[EDI_SATZ_GROESSE];
    size_t n = edikern::zeile_verschluesseln(5, 14, roh, 50, aus, sizeof(aus));
    ASSERT_GT(n, 2u);
    std::string zeile(aus, n - 2);
    uint8_t zurueck[200];
    for (const char* ende : {"\r\n", "\n", "", "\r", "\n#0514", "\r\nweiter"})
        EXPECT_EQ(edikern::satz_entschluesseln((zeile + ende).c_str(), zurueck, sizeof(zurueck), nullptr, nullptr), 50)
            << "end " << ende;
    for (const char* ende : {" ", ";", "\r\r\n", "\t\n", "\x80"})
        EXPECT_EQ(edikern::satz_entschluesseln((zeile + ende).c_str(), zurueck, sizeof(zurueck), nullptr, nullptr), -1)
            << "end " << ende;
    /* a text of payload characters without end within 2000 bytes */
    std::string lang = zeile + std::string(2500 - zeile.size(), 'R');
    EXPECT_EQ(edikern::satz_entschluesseln(lang.c_str(), zurueck, sizeof(zurueck), nullptr, nullptr), -1);
    /* cut anywhere: never decoded */
    for (size_t k = 0; k < zeile.size(); k++)
        ASSERT_EQ(edikern::satz_entschluesseln(zeile.substr(0, k).c_str(), zurueck, sizeof(zurueck), nullptr, nullptr), -1) << k;
}

/* A small file of every kind of line. */
std::string Musterdatei()
{
    std::string d = PricatKopfzeile("4000000000001", "4012345000009");
    for (int i = 0; i < 4; i++)
        d += PricatZeile(Variation(i));
    DESADV_KOPF k{};
    DESADV_REFERENZ r{};
    DESADV_POSITION p{};
    char aus[EDI_AUSGABE_GROESSE];
    EDIDESADV_PositionsSatzErstellen(aus, &k, &r, &p);
    d += aus;
    EDIDESADV_KopfSatzErstellen(aus, &k);
    return d + aus;
}

TEST(KernFuzz, VeraenderteZufaelligeUndLangeDateien)
{
    /* The fuzz entry aborts when a decoded record does not write back to
     * itself; here it must also never find more records than there are. */
    auto fuzz = [](const std::string& d) {
        return EdiKern_FuzzEingabe(reinterpret_cast<const uint8_t*>(d.data()), d.size());
    };
    std::string gut = Musterdatei();
    EXPECT_EQ(fuzz(gut), 7);
    EXPECT_EQ(EdiKern_FuzzEingabe(nullptr, 0), 0);
    Zufall z{2024};
    for (int runde = 0; runde < 1500; runde++) {
        std::string d = gut;
        for (int i = 0; i < 3 && !d.empty(); i++) {
            size_t pos = z.bis(static_cast<uint32_t>(d.size()));
            switch (z.bis(4)) {
            case 0: d[pos] = static_cast<char>(z.bis(256)); break;
            case 1: d.erase(pos, 1 + z.bis(20)); break;
            case 2: d.insert(pos, std::string(1 + z.bis(5), static_cast<char>(z.bis(256)))); break;
            default: d.resize(pos); break;
            }
        }
        ASSERT_LE(fuzz(d), 7) << runde;
    }
    for (int runde = 0; runde < 200; runde++) {
        std::string d(z.bis(5000), '\0');
        for (char& c : d)
            c = static_cast<char>(z.bis(8) == 0 ? '\n' : z.bis(256));
        EXPECT_EQ(fuzz(d), 0);
    }
    /* 600 KB without line end swallow the next file's header line */
    EXPECT_EQ(fuzz(gut + std::string(600 * 1024, '#') + gut), 13);
}

} // namespace
