/*
 * storage_test.cpp - zero-filled blocks and the count of what is out.
 */
#include "KTSTORAGE/ktstorage_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(Storage, BlocksAreZeroFilledAndCounted)
{
    const int32_t blocks = Storage_OutstandingBlocks();
    const int64_t bytes = Storage_OutstandingBytes();
    std::vector<void*> taken;
    const int32_t sizes[] = {1, 54, 2560, 206402, 4096 * 142};
    for (int32_t size : sizes) {
        unsigned char* p = static_cast<unsigned char*>(Storage_Allocate(size));
        ASSERT_NE(nullptr, p);
        for (int32_t i = 0; i < size; ++i)
            ASSERT_EQ(0, p[i]) << "size " << size << " byte " << i;
        std::memset(p, 0xAB, static_cast<size_t>(size)); /* the whole block is writable */
        EXPECT_EQ(size, Storage_BlockSize(p));
        taken.push_back(p);
    }
    EXPECT_EQ(blocks + 5, Storage_OutstandingBlocks());
    EXPECT_EQ(bytes + 1 + 54 + 2560 + 206402 + 4096 * 142, Storage_OutstandingBytes());
    for (void* p : taken)
        EXPECT_EQ(1, Storage_Deallocate(p));
    EXPECT_EQ(blocks, Storage_OutstandingBlocks());
    EXPECT_EQ(bytes, Storage_OutstandingBytes());
}

TEST(Storage, TheCallContextSizeIsHandledWhole)
{
    const int32_t size = 93846999;
    unsigned char* p = static_cast<unsigned char*>(Storage_Allocate(size));
    ASSERT_NE(nullptr, p);
    /* spot checks across the block: first, last and every page in between */
    for (int32_t i = 0; i < size; i += 4096)
        ASSERT_EQ(0, p[i]);
    EXPECT_EQ(0, p[size - 1]);
    p[size - 1] = 1;
    EXPECT_EQ(1, Storage_OutstandingBlocks() >= 1);
    EXPECT_EQ(1, Storage_Deallocate(p));
    /* a second context starts zero-filled again */
    unsigned char* q = static_cast<unsigned char*>(Storage_Allocate(size));
    ASSERT_NE(nullptr, q);
    EXPECT_EQ(0, q[size - 1]);
    EXPECT_EQ(1, Storage_Deallocate(q));
}

TEST(Storage, WrongReleasesAreRecognised)
{
    const int32_t blocks = Storage_OutstandingBlocks();
    void* p = Storage_Allocate(100);
    ASSERT_NE(nullptr, p);
    int local = 0;
    EXPECT_EQ(-1, Storage_Deallocate(&local));
    EXPECT_EQ(-1, Storage_Deallocate(static_cast<char*>(p) + 1));
    EXPECT_EQ(1, Storage_Deallocate(p));
    EXPECT_EQ(-1, Storage_Deallocate(p)); /* twice */
    EXPECT_EQ(0, Storage_Deallocate(nullptr));
    EXPECT_EQ(-1, Storage_BlockSize(p));
    EXPECT_EQ(nullptr, Storage_Allocate(0));
    EXPECT_EQ(nullptr, Storage_Allocate(-5));
    EXPECT_EQ(blocks, Storage_OutstandingBlocks());
}

} // namespace
