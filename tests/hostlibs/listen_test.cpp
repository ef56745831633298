/*
 * listen_test.cpp - lists of element blocks: sorted inserts, searches,
 * walks and release, with elements from the storage library as the module
 * uses them.
 */
#include "KTLISTEN/ktlisten_host.h"
#include "KTSTORAGE/ktstorage_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

/* An element like the FTP file set: a text first, then a number. */
struct Satz {
    char Name[32];
    int32_t Nummer;
};

Satz* NeuerSatz(const char* name, int32_t nummer)
{
    Satz* s = static_cast<Satz*>(Storage_Allocate(sizeof(Satz)));
    std::strncpy(s->Name, name, sizeof(s->Name) - 1);
    s->Nummer = nummer;
    return s;
}

int32_t OXCALL NachName(const void* a, const void* b)
{
    return std::strcmp(static_cast<const Satz*>(a)->Name, static_cast<const Satz*>(b)->Name);
}

int32_t OXCALL ImmerGleich(const void*, const void*)
{
    return 0;
}

int32_t OXCALL NummerGleich(const void* element, void* parameter)
{
    return static_cast<const Satz*>(element)->Nummer == *static_cast<int32_t*>(parameter) ? 1 : 0;
}

int32_t OXCALL Sammeln(void* element, void* parameter)
{
    static_cast<std::vector<std::string>*>(parameter)->push_back(static_cast<Satz*>(element)->Name);
    return 1;
}

int32_t OXCALL NachZweien(void* element, void* parameter)
{
    auto* names = static_cast<std::vector<std::string>*>(parameter);
    names->push_back(static_cast<Satz*>(element)->Name);
    return names->size() < 2 ? 1 : 0;
}

void OXCALL Freigeben(void* element)
{
    Storage_Deallocate(element);
}

std::vector<std::string> Namen(HOSTHANDLE list)
{
    std::vector<std::string> names;
    List_WithAllElements(list, Sammeln, &names);
    return names;
}

TEST(Listen, SortedInsertKeepsOrderAndArrivalAmongEquals)
{
    const int32_t blocks = Storage_OutstandingBlocks();
    const int32_t lists = List_OpenLists();
    HOSTHANDLE list = 0;
    ASSERT_EQ(1, List_NewElement(&list, NeuerSatz("PRICAT_M", 1)));
    ASSERT_GT(list, 0);
    const char* names[] = {"PRICAT_C", "PRICAT_X", "PRICAT_A", "PRICAT_M", "PRICAT_B"};
    int32_t n = 2;
    for (const char* name : names)
        ASSERT_EQ(1, List_AddSortElement(&list, NeuerSatz(name, n++), NachName));
    EXPECT_EQ(6, List_Count(list));
    EXPECT_EQ((std::vector<std::string>{"PRICAT_A", "PRICAT_B", "PRICAT_C", "PRICAT_M", "PRICAT_M", "PRICAT_X"}),
              Namen(list));
    /* of the two equal names, the earlier one stays first */
    EXPECT_EQ(1, static_cast<Satz*>(List_GetElement(list, 3))->Nummer);
    EXPECT_EQ(5, static_cast<Satz*>(List_GetElement(list, 4))->Nummer);
    EXPECT_EQ(nullptr, List_GetElement(list, 6));
    EXPECT_EQ(nullptr, List_GetElement(list, -1));
    EXPECT_EQ(1, List_Destroy(list, Freigeben));
    EXPECT_EQ(blocks, Storage_OutstandingBlocks());
    EXPECT_EQ(lists, List_OpenLists());
    EXPECT_EQ(-1, List_Count(list));
}

TEST(Listen, AlwaysEqualCompareAppends)
{
    HOSTHANDLE list = 0;
    for (const char* name : {"c", "a", "b"})
        ASSERT_EQ(1, List_AddSortElement(&list, NeuerSatz(name, 0), ImmerGleich));
    EXPECT_EQ((std::vector<std::string>{"c", "a", "b"}), Namen(list));
    ASSERT_EQ(1, List_NewElement(&list, NeuerSatz("z", 0)));
    EXPECT_EQ((std::vector<std::string>{"c", "a", "b", "z"}), Namen(list));
    List_Destroy(list, Freigeben);
}

TEST(Listen, FindFirstAndWalkEveryMatch)
{
    HOSTHANDLE list = 0;
    int32_t numbers[] = {7, 3, 7, 9, 7};
    for (int32_t i = 0; i < 5; ++i) {
        char name[8];
        std::snprintf(name, sizeof(name), "e%d", i);
        ASSERT_EQ(1, List_NewElement(&list, NeuerSatz(name, numbers[i])));
    }
    int32_t key = 9;
    Satz* found = static_cast<Satz*>(List_FindElement(list, NummerGleich, &key));
    ASSERT_NE(nullptr, found);
    EXPECT_STREQ("e3", found->Name);
    key = 4;
    EXPECT_EQ(nullptr, List_FindElement(list, NummerGleich, &key));

    key = 7;
    std::vector<std::string> hits;
    int32_t position = 0;
    while (void* e = List_FindElementEx(list, NummerGleich, &key, &position))
        hits.push_back(static_cast<Satz*>(e)->Name);
    EXPECT_EQ((std::vector<std::string>{"e0", "e2", "e4"}), hits);
    EXPECT_EQ(5, position);

    std::vector<std::string> two;
    EXPECT_EQ(2, List_WithAllElements(list, NachZweien, &two));
    EXPECT_EQ(2u, two.size());

    Satz* middle = static_cast<Satz*>(List_GetElement(list, 2));
    EXPECT_EQ(1, List_RemoveElement(list, middle));
    EXPECT_EQ(0, List_RemoveElement(list, middle));
    Storage_Deallocate(middle);
    EXPECT_EQ(4, List_Count(list));
    List_Destroy(list, Freigeben);
}

TEST(Listen, EmptyAndInvalidHandles)
{
    std::vector<std::string> names;
    int32_t key = 1;
    int32_t position = 3;
    EXPECT_EQ(0, List_Count(0));
    EXPECT_EQ(0, List_WithAllElements(0, Sammeln, &names));
    EXPECT_EQ(nullptr, List_FindElementEx(0, NummerGleich, &key, &position));
    EXPECT_EQ(0, position);
    EXPECT_EQ(0, List_Destroy(0, Freigeben));
    EXPECT_EQ(-1, List_Destroy(999999, Freigeben));
    HOSTHANDLE bogus = 999999;
    Satz s{};
    EXPECT_EQ(-1, List_NewElement(&bogus, &s));
    EXPECT_EQ(-1, List_NewElement(nullptr, &s));
    HOSTHANDLE list = 0;
    EXPECT_EQ(-1, List_NewElement(&list, nullptr));
    EXPECT_EQ(0, list);
    EXPECT_EQ(-1, List_AddSortElement(&list, &s, nullptr));
    EXPECT_EQ(-1, List_WithAllElements(bogus, Sammeln, &names));
}

TEST(Listen, DestroyWithoutReleaseLeavesTheElements)
{
    HOSTHANDLE list = 0;
    Satz* s = NeuerSatz("bleibt", 1);
    List_NewElement(&list, s);
    EXPECT_EQ(1, List_Destroy(list, nullptr));
    EXPECT_STREQ("bleibt", s->Name);
    EXPECT_EQ(1, Storage_Deallocate(s));
}

} // namespace
