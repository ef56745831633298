/*
 * A program for the test runner to judge, not a test of the module: run
 * with a filter, it ends as a broken test program would.
 *   Ganz.*    runs to its end
 *   Abbruch.* ends in the middle of a test, exit code 0
 *   Stumm.*   loses its standard output in a test (a handle closed that
 *             was not its own), then ends normally with exit code 0
 */
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>

TEST(Ganz, Laeuft)
{
    EXPECT_EQ(4, 2 + 2);
}

TEST(Abbruch, EndetMittendrin)
{
    fflush(stdout);
    ExitProcess(0);
}

TEST(Stumm, VerliertDieAusgabe)
{
    fflush(stdout);
    CloseHandle(GetStdHandle(STD_OUTPUT_HANDLE));
    EXPECT_EQ(4, 2 + 2);
}
