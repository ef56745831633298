/*
 * person_test.cpp - the person's wait for an action with two outcomes: a
 * message box, or a state the test can see.
 */
#include "harness/person.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

/* A message that comes only after a while (longer than a glance would
 * wait) is still seen, read and answered. */
TEST(Person, SpaeteMeldungWirdGesehen)
{
    MessageBoxInfo box;
    INT_PTR r = RunWithPerson(
        [] {
            Sleep(600);
            return (INT_PTR)MessageBoxA(nullptr, "Fertig", "ORDANEX", MB_YESNO);
        },
        [&](Person& p) {
            EXPECT_TRUE(p.WaitMessageBoxOr([] { return false; }, &box));
            p.Answer(box, IDNO);
        });
    EXPECT_EQ(IDNO, r);
    EXPECT_EQ("Fertig", box.text);
    EXPECT_EQ("ORDANEX", box.caption);
}

/* The call returns without a message: the awaited state ends the wait,
 * nothing is read and nothing fails. */
TEST(Person, ZustandBeendetDasWartenOhneMeldung)
{
    bool meldung = true;
    MessageBoxInfo box;
    RunWithPerson([] { Sleep(300); return (INT_PTR)0; },
                  [&](Person& p) { meldung = p.WaitMessageBoxOr([&] { return p.CallReturned(); }, &box); });
    EXPECT_FALSE(meldung);
    EXPECT_EQ(nullptr, box.fenster);
}

/* Neither comes: the wait fails the test once its guard has passed. */
TEST(Person, OhneMeldungUndZustandScheitertDasWarten)
{
    Person p(GetCurrentThreadId());
    bool meldung = true;
    EXPECT_NONFATAL_FAILURE(meldung = p.WaitMessageBoxOr([] { return false; }, nullptr, 100),
                            "neither a message box nor the awaited state");
    EXPECT_FALSE(meldung);
}
