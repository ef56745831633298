/*
 * lineread_test.cpp - tokens and lines of texts and files.
 */
#include "KTLINEREAD/ktlineread_host.h"
#include "hostlibs/hostlibs_util.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> AllTokens(HOSTHANDLE r)
{
    std::vector<std::string> tokens;
    char buf[OX_TXT_256];
    while (LR_NextString(r, buf) == 1)
        tokens.push_back(buf);
    return tokens;
}

TEST(LineReader, SeparatorsAreNotMergedAndATrailingOneEndsTheLastToken)
{
    HOSTHANDLE r = LR_New("K1;Muster GmbH;;Stra\xDF" "e 1;DE;\n", "\t;");
    ASSERT_GT(r, 0);
    EXPECT_EQ((std::vector<std::string>{"K1", "Muster GmbH", "", "Stra\xDF" "e 1", "DE", "\n"}), AllTokens(r));
    EXPECT_EQ(1, LR_Destroy(r));

    r = LR_New("a\tb;c;", "\t;");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), AllTokens(r));
    LR_Destroy(r);
    r = LR_New("", ";");
    EXPECT_TRUE(AllTokens(r).empty());
    LR_Destroy(r);
    r = LR_New(";", ";");
    EXPECT_EQ((std::vector<std::string>{""}), AllTokens(r));
    LR_Destroy(r);
    r = LR_New("ganz;ohne", "");
    EXPECT_EQ((std::vector<std::string>{"ganz;ohne"}), AllTokens(r));
    LR_Destroy(r);
}

TEST(LineReader, CatalogueHeaderTokensAcrossLineEnds)
{
    /* a header line followed by record bytes, as the first 250 bytes of a catalogue */
    const char text[] = "BTEPRI;Sommer 2004;PRICAT;4000000000017;X;PRICAT;a;b;c;4000000000024\r\n\x01\x02junk";
    HOSTHANDLE r = LR_NewSized(text, static_cast<int32_t>(sizeof(text) - 1), "\r\n\t;");
    ASSERT_GT(r, 0);
    std::vector<std::string> t = AllTokens(r);
    ASSERT_GE(t.size(), 10u);
    EXPECT_EQ("Sommer 2004", t[1]);
    EXPECT_EQ("4000000000017", t[3]);
    EXPECT_EQ("PRICAT", t[5]);
    EXPECT_EQ("4000000000024", t[9]);
    EXPECT_EQ("", t[10]); /* between CR and LF */
    LR_Destroy(r);
}

TEST(LineReader, FieldMapValuesSplitAtPlus)
{
    HOSTHANDLE fields = LR_New("12+ 13+x+-4", "+");
    HOSTHANDLE positions = LR_New("1;4+2;3", "+");
    int32_t v = -1;
    char pos[OX_TXT_256];
    EXPECT_EQ(1, LR_NextLong(fields, &v));
    EXPECT_EQ(12, v);
    EXPECT_EQ(1, LR_NextString(positions, pos));
    EXPECT_STREQ("1;4", pos);
    EXPECT_EQ(1, LR_NextLong(fields, &v));
    EXPECT_EQ(13, v);
    EXPECT_EQ(1, LR_NextString(positions, pos));
    EXPECT_STREQ("2;3", pos);
    EXPECT_EQ(0, LR_NextLong(fields, &v)); /* "x" is consumed but no number */
    EXPECT_EQ(0, v);
    EXPECT_EQ(0, LR_NextString(positions, pos));
    EXPECT_STREQ("", pos);
    EXPECT_EQ(1, LR_NextLong(fields, &v));
    EXPECT_EQ(-4, v);
    EXPECT_EQ(0, LR_NextLong(fields, &v)); /* none left */
    HOSTHANDLE big = LR_New("99999999999", "+");
    EXPECT_EQ(0, LR_NextLong(big, &v));
    LR_Destroy(big);
    LR_Destroy(fields);
    LR_Destroy(positions);
}

TEST(LineReader, OverlongTokensAreCutAndFullyConsumed)
{
    std::string text = std::string(5000, 'A') + ";" + std::string(300, 'B') + ";ende";
    HOSTHANDLE r = LR_New(text.c_str(), ";");
    char small[8];
    std::memset(small, '#', sizeof(small));
    EXPECT_EQ(1, LR_NextStringSized(r, small, 5));
    EXPECT_STREQ("AAAA", small);
    EXPECT_EQ('#', small[5]);
    char buf[300];
    std::memset(buf, '#', sizeof(buf));
    EXPECT_EQ(1, LR_NextString(r, buf)); /* at most 255 characters */
    EXPECT_EQ(std::string(255, 'B'), std::string(buf));
    EXPECT_EQ('#', buf[256]);
    EXPECT_EQ(1, LR_NextStringSized(r, buf, sizeof(buf)));
    EXPECT_STREQ("ende", buf);
    EXPECT_EQ(-1, LR_NextStringSized(r, buf, 0));
    EXPECT_EQ(-1, LR_NextString(r, nullptr));
    LR_Destroy(r);
}

TEST(LineReader, AddressFileLineByLine)
{
    hostlibs::ScratchFolder folder("lr");
    std::string path = folder / "PRICAT-A.ADR";
    std::string header = "K\xFC" "rzel;Name;Ansprechpartner;\n";
    std::string data = "12;Muster;" + std::string(3000, 'L') + ";~Zeile^;";
    hostlibs::WriteAll(path, header + data + "\r\nrest");
    HOSTHANDLE r = LR_OpenFile(path.c_str(), "\t;");
    ASSERT_GT(r, 0);
    char tok[OX_TXT_256];
    EXPECT_EQ(0, LR_NextString(r, tok)); /* no line read yet */
    char line[1024];
    std::memset(line, '#', sizeof(line));
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_EQ(header.substr(0, header.size() - 1), std::string(line));
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line))); /* cut at 1023 */
    EXPECT_EQ(1023u, std::strlen(line));
    EXPECT_EQ(1, LR_NextStringSized(r, tok, 5));
    EXPECT_STREQ("12", tok);
    EXPECT_EQ(1, LR_NextStringSized(r, tok, 65));
    EXPECT_STREQ("Muster", tok);
    EXPECT_EQ(1, LR_NextStringSized(r, tok, 65));
    EXPECT_EQ(64u, std::strlen(tok));
    EXPECT_EQ(1, LR_NextString(r, tok));
    EXPECT_STREQ("~Zeile^", tok);
    EXPECT_EQ(0, LR_NextString(r, tok));
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("rest", line);
    EXPECT_EQ(0, LR_NextLine(r, line, sizeof(line)));
    EXPECT_EQ(1, LR_Destroy(r));
    EXPECT_EQ(0, LR_OpenFile((folder / "FEHLT.ADR").c_str(), ";"));
}

TEST(LineReader, TextLinesEndInAnyLineEnd)
{
    HOSTHANDLE r = LR_New("eins\r\nzwei\nletzte;x", ";");
    char line[16];
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("eins", line);
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("zwei", line);
    char tok[OX_TXT_256];
    EXPECT_EQ(1, LR_NextString(r, tok));
    EXPECT_STREQ("letzte", tok);
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("x", line);
    EXPECT_EQ(0, LR_NextLine(r, line, sizeof(line)));
    LR_Destroy(r);
}

/* Every line a reader gives, through a buffer that holds the longest. */
std::vector<std::string> AllLines(HOSTHANDLE r)
{
    std::vector<std::string> lines;
    std::vector<char> buffer((3u << 20) + 2);
    while (LR_NextLine(r, buffer.data(), static_cast<int32_t>(buffer.size())) == 1)
        lines.emplace_back(buffer.data());
    return lines;
}

TEST(LineReader, AFileGivesTheLinesOfTheSameText)
{
    const size_t block = 1u << 16; /* what the file reader reads at once */
    const std::vector<std::string> texts = {
        "eins\r\nzwei\ndrei\rvier",
        "\r\r\n\n\n\r",
        "ende\n",
        "",
        std::string(block - 1, 'a') + "\r\nb",             /* CR ends a block, its LF opens the next */
        std::string(block - 1, 'a') + "\r\rc",             /* CR ends a block, the next begins with one */
        std::string(block - 1, 'a') + "\r",                 /* CR ends the file at a block's end */
        std::string(block, 'a') + "\nb",                    /* LF opens the second block */
        std::string(2 * block + 10, 'x') + "\r\nz\r\n",  /* a line across three blocks */
    };
    hostlibs::ScratchFolder folder("lrdatei");
    for (size_t i = 0; i < texts.size(); ++i) {
        std::string path = folder / ("T" + std::to_string(i) + ".TXT");
        hostlibs::WriteAll(path, texts[i]);
        HOSTHANDLE text = LR_NewSized(texts[i].data(), static_cast<int32_t>(texts[i].size()), ";");
        HOSTHANDLE file = LR_OpenFile(path.c_str(), ";");
        ASSERT_GT(file, 0);
        std::vector<std::string> expected = AllLines(text);
        EXPECT_EQ(expected, AllLines(file)) << "text " << i;
        LR_Destroy(text);
        LR_Destroy(file);
    }
    HOSTHANDLE r = LR_New(texts[5].c_str(), ";");
    EXPECT_EQ((std::vector<std::string>{std::string(block - 1, 'a'), "", "c"}), AllLines(r));
    LR_Destroy(r);
}

TEST(LineReader, AFileKeepsTheFirstMebibyteOfALineAndNulBytesInside)
{
    hostlibs::ScratchFolder folder("lrlang");
    std::string path = folder / "LANG.TXT";
    const size_t max = 1u << 20;
    hostlibs::WriteAll(path, std::string(max - 3, 'x') + "yz" + std::string(5000, 'R') + "\nnach;");
    HOSTHANDLE r = LR_OpenFile(path.c_str(), ";");
    ASSERT_GT(r, 0);
    std::vector<std::string> lines = AllLines(r);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(max, lines[0].size());
    EXPECT_EQ("xyzR", lines[0].substr(max - 4));
    EXPECT_EQ("nach;", lines[1]);
    LR_Destroy(r);

    hostlibs::WriteAll(path, std::string("a\0b;c\r\nd", sizeof("a\0b;c\r\nd") - 1));
    r = LR_OpenFile(path.c_str(), ";");
    char line[16];
    char tok[OX_TXT_256];
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("a", line);             /* handed out up to the NUL ... */
    EXPECT_EQ(1, LR_NextString(r, tok));
    EXPECT_EQ(1, LR_NextString(r, tok)); /* ... but the line went on behind it */
    EXPECT_STREQ("c", tok);
    EXPECT_EQ(1, LR_NextLine(r, line, sizeof(line)));
    EXPECT_STREQ("d", line);
    EXPECT_EQ(0, LR_NextLine(r, line, sizeof(line)));
    LR_Destroy(r);
}

TEST(LineReader, HandlesAreCheckedAndReleased)
{
    const int32_t open = LR_OpenReaders();
    char buf[OX_TXT_256];
    int32_t v;
    EXPECT_EQ(0, LR_New(nullptr, ";"));
    EXPECT_EQ(0, LR_New("x", nullptr));
    HOSTHANDLE r = LR_New("x", ";");
    EXPECT_EQ(open + 1, LR_OpenReaders());
    EXPECT_EQ(1, LR_Destroy(r));
    EXPECT_EQ(-1, LR_Destroy(r));
    EXPECT_EQ(-1, LR_NextString(r, buf));
    EXPECT_EQ(-1, LR_NextLong(r, &v));
    EXPECT_EQ(-1, LR_NextLine(0, buf, sizeof(buf)));
    EXPECT_EQ(open, LR_OpenReaders());
}

} // namespace
