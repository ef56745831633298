/*
 * texdefs_test.cpp - day numbers, date texts and amount texts.
 */
#include "OXTEXDEFS/oxtexdefs_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace {

TEXDEFS_DATUM D(int32_t t, int32_t m, int32_t j)
{
    TEXDEFS_DATUM d{t, m, j};
    return d;
}

TEST(TexdefsDatum, DayNumbersStartAt1980AndFitSixteenBits)
{
    TEXDEFS_DATUM d = D(1, 1, 1980);
    EXPECT_EQ(1, TEXDEFS_DatumToInteger(&d));
    d = D(31, 12, 1979);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    d = D(12, 3, 2004);
    EXPECT_EQ(8838, TEXDEFS_DatumToInteger(&d));
    d = D(16, 9, 2069);
    EXPECT_EQ(32767, TEXDEFS_DatumToInteger(&d));
    d = D(17, 9, 2069);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(nullptr));
}

TEST(TexdefsDatum, LeapYearsAndImpossibleDates)
{
    TEXDEFS_DATUM d = D(29, 2, 2000); /* divisible by 400: leap */
    int32_t n = TEXDEFS_DatumToInteger(&d);
    EXPECT_GT(n, 0);
    TEXDEFS_DATUM next = D(1, 3, 2000);
    EXPECT_EQ(n + 1, TEXDEFS_DatumToInteger(&next));
    d = D(29, 2, 2004);
    EXPECT_GT(TEXDEFS_DatumToInteger(&d), 0);
    d = D(29, 2, 2003);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    d = D(29, 2, 2100); /* divisible by 100 only: no leap year, and beyond the range anyway */
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    d = D(31, 4, 2010);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    d = D(1, 13, 2010);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    d = D(0, 1, 2010);
    EXPECT_EQ(0, TEXDEFS_DatumToInteger(&d));
    /* 2000 has 366 days, 2001 has 365 */
    TEXDEFS_DATUM a = D(1, 1, 2000), b = D(1, 1, 2001), c = D(1, 1, 2002);
    EXPECT_EQ(366, TEXDEFS_DatumToInteger(&b) - TEXDEFS_DatumToInteger(&a));
    EXPECT_EQ(365, TEXDEFS_DatumToInteger(&c) - TEXDEFS_DatumToInteger(&b));
}

TEST(TexdefsDatum, EveryDayNumberRoundTripsInOrder)
{
    TEXDEFS_DATUM previous{};
    for (int32_t n = TEXDEFS_ERSTER_TAG; n <= TEXDEFS_LETZTER_TAG; ++n) {
        TEXDEFS_DATUM d;
        ASSERT_EQ(1, TEXDEFS_IntegerToDatum(n, &d)) << n;
        ASSERT_EQ(n, TEXDEFS_DatumToInteger(&d)) << n;
        if (n > 1) {
            bool later = d.Jahr > previous.Jahr || (d.Jahr == previous.Jahr && d.Monat > previous.Monat) ||
                         (d.Jahr == previous.Jahr && d.Monat == previous.Monat && d.Tag > previous.Tag);
            ASSERT_TRUE(later) << n;
        }
        previous = d;
    }
    TEXDEFS_DATUM d = D(9, 9, 9);
    EXPECT_EQ(0, TEXDEFS_IntegerToDatum(0, &d));
    EXPECT_EQ(0, d.Jahr);
    EXPECT_EQ(0, TEXDEFS_IntegerToDatum(-5, &d));
    EXPECT_EQ(0, TEXDEFS_IntegerToDatum(32768, &d));
    EXPECT_EQ(-1, TEXDEFS_IntegerToDatum(5, nullptr));
}

TEST(TexdefsDatum, GermanTextsBothWays)
{
    TEXDEFS_DATUM d;
    ASSERT_EQ(1, TEXDEFS_IntegerToDatum(8838, &d));
    char text[32];
    EXPECT_EQ(10, TEXDEFS_DatumToString(&d, text, sizeof(text)));
    EXPECT_STREQ("12.03.2004", text);
    char small[6];
    std::memset(small, '#', sizeof(small));
    EXPECT_EQ(5, TEXDEFS_DatumToString(&d, small, 6));
    EXPECT_STREQ("12.03", small);
    TEXDEFS_DATUM bad = D(30, 2, 2004);
    EXPECT_EQ(0, TEXDEFS_DatumToString(&bad, text, sizeof(text)));
    EXPECT_STREQ("", text);
}

TEST(TexdefsDatum, TodayIsTheLocalDate)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    TEXDEFS_DATUM d = D(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    EXPECT_EQ(TEXDEFS_DatumToInteger(&d), TEXDEFS_Heute());
}

TEST(TexdefsBetrag, HundredthsAsTexts)
{
    char text[16];
    EXPECT_EQ(4, TEXDEFS_LongToKommaString(0, text, sizeof(text)));
    EXPECT_STREQ("0.00", text);
    TEXDEFS_LongToKommaString(123450, text, sizeof(text));
    EXPECT_STREQ("1234.50", text);
    TEXDEFS_LongToKommaString(-5, text, sizeof(text));
    EXPECT_STREQ("-0.05", text);
    EXPECT_EQ(12, TEXDEFS_LongToKommaString(INT32_MIN, text, sizeof(text)));
    EXPECT_STREQ("-21474836.48", text);
    char small[4];
    EXPECT_EQ(3, TEXDEFS_LongToKommaString(123450, small, sizeof(small)));
    EXPECT_STREQ("123", small);
    EXPECT_EQ(-1, TEXDEFS_LongToKommaString(1, nullptr, 4));
}

TEST(TexdefsBetrag, TextsAsHundredths)
{
    struct Case {
        const char* text;
        int32_t rc;
        int32_t value;
    } cases[] = {
        {"12", 1, 1200},        {"12,5", 1, 1250},     {"12.50", 1, 1250},  {" 0.05 ", 1, 5},
        {".5", 1, 50},          {"-3.999", 1, -400},   {"1.005", 1, 101},   {"1.004", 1, 100},
        {"+7", 1, 700},         {"21474836.47", 1, INT32_MAX},
        {"21474836.48", 0, 0},  {"", 0, 0},            {"abc", 0, 0},       {"1.2.3", 0, 0},
        {"12 EUR", 0, 0},       {"-", 0, 0},           {".", 0, 0},         {"99999999999999", 0, 0},
    };
    for (const Case& c : cases) {
        int32_t v = 77;
        EXPECT_EQ(c.rc, TEXDEFS_KommaStringToLong(c.text, &v)) << c.text;
        EXPECT_EQ(c.value, v) << c.text;
    }
    int32_t v;
    EXPECT_EQ(-1, TEXDEFS_KommaStringToLong(nullptr, &v));
    EXPECT_EQ(-1, TEXDEFS_KommaStringToLong("1", nullptr));
    /* what is written reads back */
    char text[16];
    for (int32_t x : {0, 1, -1, 99, 100, 123456789, -987654321}) {
        TEXDEFS_LongToKommaString(x, text, sizeof(text));
        ASSERT_EQ(1, TEXDEFS_KommaStringToLong(text, &v));
        EXPECT_EQ(x, v);
    }
}

} // namespace
