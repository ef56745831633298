/*
 * satzdatei_test.cpp - the record file under the store: durable writes,
 * repair of interrupted writes, change detection between handles.
 *
 * Interruptions are made with the file's test hook: the hook throws at a
 * chosen step of a write, which leaves the files as a writer killed at
 * that point would; the dead writer's handle is then closed (releasing its
 * lock, as the system does for a dead process).
 */
#include "../../host/DBADLL/satzdatei.h"
#include "../../host/common/pruefsumme.h"
#include "hilfe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <stdexcept>
#include <vector>

using dba::SatzDatei;

namespace {

constexpr uint32_t kGroesse = 3000;   /* larger than a page: a torn slot is possible */

std::vector<unsigned char> Muster(uint32_t slot, uint32_t version)
{
    std::vector<unsigned char> d(kGroesse);
    for (uint32_t i = 0; i < kGroesse; ++i) d[i] = static_cast<unsigned char>(version * 31 + slot * 7 + i);
    std::memcpy(d.data(), &version, 4);
    return d;
}

/* The version a slot holds, or -1 when its bytes are not one version's. */
int64_t Version(SatzDatei& s, uint32_t slot)
{
    std::vector<unsigned char> d(kGroesse);
    if (s.Lesen(slot, d.data()) != 1) return -2;
    uint32_t v;
    std::memcpy(&v, d.data(), 4);
    return d == Muster(slot, v) ? static_cast<int64_t>(v) : -1;
}

struct Abbruch : std::runtime_error {
    Abbruch() : std::runtime_error("writer died") {}
};

int gAbbruchBei = -1;
std::string gJournalKuerzen;   /* when set: cut the journal to half before dying */

void Hook(int schritt)
{
    if (schritt != gAbbruchBei) return;
    if (!gJournalKuerzen.empty()) {
        dba::Datei j;
        if (j.Oeffnen(gJournalKuerzen, false)) j.Kuerzen(static_cast<uint64_t>(j.Groesse() / 2));
    }
    throw Abbruch();
}

class SatzDateiTest : public ::testing::Test {
protected:
    void SetUp() override { pfad = NeuerTestOrdner("satz") + "T.DBA"; }
    void TearDown() override
    {
        SatzDatei::Haltepunkt = nullptr;
        gAbbruchBei = -1;
        gJournalKuerzen.clear();
    }
    /* Writes version v into slots 0..n-1, one write per slot. */
    void Fuellen(SatzDatei& s, uint32_t n, uint32_t v)
    {
        for (uint32_t i = 0; i < n; ++i) {
            auto d = Muster(i, v);
            ASSERT_NE(s.Schreiben({{i, d.data()}}, s.Anzahl() > i ? s.Anzahl() : i + 1), 0u);
        }
    }
    std::string pfad;
};

TEST_F(SatzDateiTest, SlotsSurviveReopeningAndAreSharedBetweenHandles)
{
    SatzDatei a, b;
    ASSERT_TRUE(a.Oeffnen(pfad, kGroesse, true));
    Fuellen(a, 5, 1);
    ASSERT_TRUE(b.Oeffnen(pfad, kGroesse, true));
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(Version(b, i), 1);
    auto d = Muster(2, 9);
    ASSERT_NE(b.Schreiben({{2, d.data()}}, 5), 0u);
    EXPECT_EQ(Version(a, 2), 9);
    std::vector<unsigned char> x(kGroesse);
    EXPECT_EQ(a.Lesen(5, x.data()), 0) << "beyond the count";
    a.Schliessen();
    b.Schliessen();
    SatzDatei c;
    ASSERT_TRUE(c.Oeffnen(pfad, kGroesse, false));
    EXPECT_EQ(c.Anzahl(), 5u);
    EXPECT_EQ(Version(c, 2), 9);
    EXPECT_EQ(Version(c, 4), 1);
}

TEST_F(SatzDateiTest, CatchUpNamesExactlyTheSlotsWrittenElsewhere)
{
    SatzDatei a, b;
    ASSERT_TRUE(a.Oeffnen(pfad, kGroesse, true));
    Fuellen(a, 10, 1);
    ASSERT_TRUE(b.Oeffnen(pfad, kGroesse, true));
    uint64_t bekannt = b.Generation();
    uint32_t epoche = b.Epoche();
    auto d3 = Muster(3, 2), d7 = Muster(7, 2), d10 = Muster(10, 2);
    ASSERT_NE(a.Schreiben({{3, d3.data()}}, 10), 0u);
    ASSERT_NE(a.Schreiben({{7, d7.data()}, {10, d10.data()}}, 11), 0u);
    std::vector<uint32_t> gesehen;
    uint64_t jetzt = b.Nachziehen(bekannt, epoche, [&](uint32_t s) { gesehen.push_back(s); });
    EXPECT_EQ(gesehen, (std::vector<uint32_t>{3, 7, 10}));
    EXPECT_EQ(jetzt, a.Generation());
    gesehen.clear();
    b.Nachziehen(jetzt, epoche, [&](uint32_t s) { gesehen.push_back(s); });
    EXPECT_TRUE(gesehen.empty()) << "nothing new";
}

TEST_F(SatzDateiTest, FallingBehindTheRingOrDroppingSlotsAsksForEverything)
{
    SatzDatei a, b;
    ASSERT_TRUE(a.Oeffnen(pfad, kGroesse, true));
    Fuellen(a, 2, 1);
    ASSERT_TRUE(b.Oeffnen(pfad, kGroesse, true));
    uint64_t bekannt = b.Generation();
    uint32_t epoche = b.Epoche();
    auto d = Muster(0, 5);
    for (uint32_t i = 0; i <= SatzDatei::RING; ++i) ASSERT_NE(a.Schreiben({{0, d.data()}}, 2), 0u);
    std::vector<uint32_t> gesehen;
    bekannt = b.Nachziehen(bekannt, epoche, [&](uint32_t s) { gesehen.push_back(s); });
    EXPECT_EQ(gesehen, std::vector<uint32_t>{SatzDatei::ALLES});

    ASSERT_NE(a.Schreiben({}, 1), 0u);   /* drops slot 1 */
    gesehen.clear();
    b.Nachziehen(bekannt, epoche, [&](uint32_t s) { gesehen.push_back(s); });
    EXPECT_EQ(gesehen, std::vector<uint32_t>{SatzDatei::ALLES});
    EXPECT_EQ(b.Anzahl(), 1u);
    std::vector<unsigned char> x(kGroesse);
    EXPECT_EQ(b.Lesen(1, x.data()), 0);
}

/* A write of three slots interrupted at each step: afterwards all three
 * hold the old version or all three the new one - the new one exactly when
 * the write had been marked in the header (step 2 on). */
TEST_F(SatzDateiTest, InterruptedWriteIsAllOrNothingAtEveryStep)
{
    for (int schritt = 0; schritt <= 6; ++schritt) {
        SCOPED_TRACE(schritt);
        std::string p = pfad + std::to_string(schritt);
        {
            SatzDatei a;
            ASSERT_TRUE(a.Oeffnen(p, kGroesse, true));
            Fuellen(a, 3, 1);
            auto d0 = Muster(0, 2), d1 = Muster(1, 2), d2 = Muster(2, 2), d3 = Muster(3, 2);
            SatzDatei::Haltepunkt = Hook;
            gAbbruchBei = schritt;
            EXPECT_THROW(a.Schreiben({{0, d0.data()}, {1, d1.data()}, {2, d2.data()}, {3, d3.data()}}, 4), Abbruch);
            SatzDatei::Haltepunkt = nullptr;
            a.Schliessen();
        }
        SatzDatei c;
        ASSERT_TRUE(c.Oeffnen(p, kGroesse, false));
        bool neu = schritt >= 2;
        int64_t erwartet = neu ? 2 : 1;
        EXPECT_EQ(c.Anzahl(), neu ? 4u : 3u);
        for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(Version(c, i), erwartet) << "slot " << i;
        /* the file takes further writes */
        auto d = Muster(1, 3);
        EXPECT_NE(c.Schreiben({{1, d.data()}}, c.Anzahl()), 0u);
        EXPECT_EQ(Version(c, 1), 3);
    }
}

TEST_F(SatzDateiTest, HalfWrittenJournalIsIgnoredAndOldRecordStays)
{
    SatzDatei a;
    ASSERT_TRUE(a.Oeffnen(pfad, kGroesse, true));
    Fuellen(a, 2, 1);
    auto d = Muster(1, 2);
    SatzDatei::Haltepunkt = Hook;
    gAbbruchBei = 1;
    gJournalKuerzen = pfad + ".JNL";
    EXPECT_THROW(a.Schreiben({{1, d.data()}}, 2), Abbruch);
    SatzDatei::Haltepunkt = nullptr;
    a.Schliessen();
    SatzDatei c;
    ASSERT_TRUE(c.Oeffnen(pfad, kGroesse, false));
    EXPECT_EQ(Version(c, 0), 1);
    EXPECT_EQ(Version(c, 1), 1);
}

TEST_F(SatzDateiTest, ReaderOpenedBeforeTheCrashRepairsWithoutReopening)
{
    SatzDatei leser;
    ASSERT_TRUE(leser.Oeffnen(pfad, kGroesse, true));
    {
        SatzDatei a;
        ASSERT_TRUE(a.Oeffnen(pfad, kGroesse, true));
        Fuellen(a, 2, 1);
        EXPECT_EQ(Version(leser, 1), 1);
        auto d = Muster(1, 4);
        SatzDatei::Haltepunkt = Hook;
        gAbbruchBei = 3;   /* the slot is written, the header still says "busy" */
        EXPECT_THROW(a.Schreiben({{1, d.data()}}, 2), Abbruch);
        SatzDatei::Haltepunkt = nullptr;
    }   /* the dead writer's handle goes */
    EXPECT_EQ(Version(leser, 1), 4);
    SatzDatei::Kopf k;
    ASSERT_TRUE(leser.KopfLesen(&k));
    EXPECT_EQ(k.Generation % 2, 0u) << "repaired to rest";
}

TEST_F(SatzDateiTest, ForeignFilesAreRefusedAndLeftAlone)
{
    {
        dba::Datei f;
        ASSERT_TRUE(f.Oeffnen(pfad, true));
        const char text[] = "Dies ist keine Satzdatei, sondern ein Text mit mehr als 512 Zeichen. ";
        for (int i = 0; i < 20; ++i) ASSERT_TRUE(f.Schreiben(i * (sizeof text - 1), text, sizeof text - 1));
    }
    SatzDatei s;
    EXPECT_FALSE(s.Oeffnen(pfad, kGroesse, true));
    dba::Datei f;
    ASSERT_TRUE(f.Oeffnen(pfad, false));
    char anfang[8];
    ASSERT_TRUE(f.LesenGanz(0, anfang, 8));
    EXPECT_EQ(std::memcmp(anfang, "Dies ist", 8), 0);

    SatzDatei richtig;
    ASSERT_TRUE(richtig.Oeffnen(pfad + "2", kGroesse, true));
    richtig.Schliessen();
    SatzDatei falscheGroesse;
    EXPECT_FALSE(falscheGroesse.Oeffnen(pfad + "2", kGroesse + 1, true));
}

/* A file that grows by blocks holds zeros beyond its count: they are no
 * slots for any handle, also after a writer died at each step of the
 * write that grew it; a handle opened before the growth reads the new
 * slots. */
TEST_F(SatzDateiTest, SlotsGrownByBlocksAreOnlyTheCountedOnes)
{
    for (int schritt = -1; schritt <= 4; ++schritt) {
        SCOPED_TRACE(schritt);
        std::string p = pfad + "V" + std::to_string(schritt + 1);
        SatzDatei leser;
        ASSERT_TRUE(leser.Oeffnen(p, kGroesse, true));
        {
            SatzDatei a;
            a.Vorrat(true);
            ASSERT_TRUE(a.Oeffnen(p, kGroesse, true));
            Fuellen(a, 2, 1);
            auto d = Muster(2, 2);
            SatzDatei::Haltepunkt = Hook;
            gAbbruchBei = schritt;
            if (schritt < 0)
                EXPECT_NE(a.Schreiben({{2, d.data()}}, 3), 0u);
            else
                EXPECT_THROW(a.Schreiben({{2, d.data()}}, 3), Abbruch);
            SatzDatei::Haltepunkt = nullptr;
        }
        bool neu = schritt < 0 || schritt >= 2;
        dba::Datei f;
        ASSERT_TRUE(f.Oeffnen(p, false));
        EXPECT_GT(f.Groesse(), static_cast<int64_t>(SatzDatei::KOPF + 3 * kGroesse)) << "grown by a block";
        EXPECT_EQ(Version(leser, 0), 1);
        EXPECT_EQ(Version(leser, 2), neu ? 2 : -2);
        std::vector<unsigned char> x(kGroesse);
        EXPECT_EQ(leser.Lesen(3, x.data()), 0) << "zeros beyond the count are no slot";
        SatzDatei c;
        ASSERT_TRUE(c.Oeffnen(p, kGroesse, false));
        EXPECT_EQ(c.Anzahl(), neu ? 3u : 2u);
        uint32_t besucht = 0;
        ASSERT_TRUE(c.AlleLesen([&](uint32_t, const unsigned char*) { ++besucht; }));
        EXPECT_EQ(besucht, c.Anzahl());
    }
}

TEST(Crc32, KnownValue)
{
    EXPECT_EQ(pruefsumme::Crc32(0, "123456789", 9), 0xCBF43926u);
}

} // namespace
