/*
 * textkern_test.cpp - the text work the line reader and the INI library
 * share: where lines end, which integers a value holds, what a copy into a
 * caller's buffer keeps.
 */
#include "common/textkern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

/* Every line of `text` as "<line>|<length of its end>". */
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    TextLine line;
    size_t pos = 0;
    while (txt_next_line(text.data(), text.size(), pos, &line)) {
        lines.push_back(text.substr(line.begin, line.end - line.begin) + "|" + std::to_string(line.endLength));
        EXPECT_GT(line.end + line.endLength, pos) << "no progress at " << pos;
        pos = line.end + line.endLength;
    }
    return lines;
}

TEST(TextLines, EachLineEndCountsOnceAndTheLastLineMayHaveNone)
{
    EXPECT_EQ((std::vector<std::string>{"a|2", "b|1", "c|1", "d|0"}), Lines("a\r\nb\nc\rd"));
    /* CR, CR LF, LF, CR: four empty lines (an LF before a CR is two ends) */
    EXPECT_EQ((std::vector<std::string>{"|1", "|2", "|1", "|1"}), Lines("\r\r\n\n\r"));
    EXPECT_EQ((std::vector<std::string>{"ende|1"}), Lines("ende\n"));
    EXPECT_EQ((std::vector<std::string>{"ende|2"}), Lines("ende\r\n"));
    EXPECT_TRUE(Lines("").empty());
    /* a CR as the very last byte is a line end of its own */
    EXPECT_EQ((std::vector<std::string>{"x|1"}), Lines("x\r"));
}

TEST(TextLines, NulAndOtherBytesBelongToTheLine)
{
    std::string text("a\0b\x01\xff;\n\0", 8);
    std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(std::string("a\0b\x01\xff;|1", 8), lines[0]);
    EXPECT_EQ(std::string("\0|0", 3), lines[1]);

    TextLine line{7, 7, 7};
    EXPECT_FALSE(txt_next_line(text.data(), text.size(), text.size(), &line));
    EXPECT_FALSE(txt_next_line(text.data(), text.size(), text.size() + 5, &line));
    EXPECT_EQ(7u, line.begin); /* untouched at the end */
}

TEST(TextValues, IntegersAtTheEdgesOfTheRange)
{
    int32_t n = 99;
    EXPECT_EQ(1, txt_parse_int("2147483647", &n));
    EXPECT_EQ(INT32_MAX, n);
    EXPECT_EQ(1, txt_parse_int("-2147483648", &n));
    EXPECT_EQ(INT32_MIN, n);
    EXPECT_EQ(1, txt_parse_int(" \t+12 Stueck", &n));
    EXPECT_EQ(12, n);
    n = 99;
    for (const char* kein : {"2147483648", "-2147483649", "99999999999999999999", "", " ", "-", "+x", "x1"})
        EXPECT_EQ(0, txt_parse_int(kein, &n)) << kein;
    EXPECT_EQ(99, n);
}

TEST(TextValues, CopiesStopAtTheBufferAndAtANul)
{
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(4, txt_copy_out("abcdefgh", buffer, 5));
    EXPECT_STREQ("abcd", buffer);
    EXPECT_EQ('#', buffer[5]);
    EXPECT_EQ(2, txt_copy_out(std::string("ab\0cd", 5), buffer, sizeof buffer));
    EXPECT_STREQ("ab", buffer);
    EXPECT_EQ(0, txt_copy_out("abc", buffer, 1));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(-1, txt_copy_out("abc", buffer, 0));
    EXPECT_EQ(-1, txt_copy_out("abc", nullptr, 8));
}

} // namespace
