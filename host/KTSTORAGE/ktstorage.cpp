/*
 * ktstorage.cpp - zero-filled blocks with a count of what is out.
 *
 * Every live block is recorded in a table (address -> size, origin), so a
 * wrong or repeated release is recognised instead of corrupting the heap.
 * Blocks from 1 MiB up come from the page allocator, which hands out pages
 * that are already zero; smaller ones from calloc.
 */
#include "KTSTORAGE/ktstorage_host.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <unordered_map>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <sys/mman.h>
#endif

namespace {

constexpr size_t kPageThreshold = 1u << 20;

struct BlockInfo {
    size_t size;
    bool pages;
};

struct StorageState {
    std::mutex lock;
    std::unordered_map<const void*, BlockInfo> blocks;
    int64_t bytes = 0;
};

StorageState& state()
{
    static StorageState s;
    return s;
}

void* pagesAllocate(size_t size)
{
#if defined(_WIN32)
    return VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
#else
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
#endif
}

void pagesRelease(void* block, size_t size)
{
#if defined(_WIN32)
    (void)size;
    VirtualFree(block, 0, MEM_RELEASE);
#else
    munmap(block, size);
#endif
}

void rawRelease(void* block, const BlockInfo& info)
{
    if (info.pages)
        pagesRelease(block, info.size);
    else
        std::free(block);
}

} // namespace

OX_EXTERN_C void* OXCALL Storage_Allocate(int32_t size)
{
    void* block = nullptr;
    if (size <= 0)
        return nullptr;
    const size_t bytes = static_cast<size_t>(size);
    const bool pages = bytes >= kPageThreshold;
    block = pages ? pagesAllocate(bytes) : std::calloc(1, bytes);
    if (block == nullptr)
        return nullptr;
    try {
        StorageState& s = state();
        std::lock_guard<std::mutex> guard(s.lock);
        s.blocks.emplace(block, BlockInfo{bytes, pages});
        s.bytes += static_cast<int64_t>(bytes);
    } catch (...) {
        rawRelease(block, BlockInfo{bytes, pages});
        block = nullptr;
    }
    return block;
}

OX_EXTERN_C int32_t OXCALL Storage_Deallocate(void* block)
{
    int32_t rc = -1;
    BlockInfo info{0, false};
    if (block == nullptr)
        return 0;
    {
        StorageState& s = state();
        std::lock_guard<std::mutex> guard(s.lock);
        auto it = s.blocks.find(block);
        if (it != s.blocks.end()) {
            info = it->second;
            s.blocks.erase(it);
            s.bytes -= static_cast<int64_t>(info.size);
            rc = 1;
        }
    }
    if (rc == 1)
        rawRelease(block, info);
    return rc;
}

OX_EXTERN_C int32_t OXCALL Storage_OutstandingBlocks(void)
{
    StorageState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    return static_cast<int32_t>(s.blocks.size());
}

OX_EXTERN_C int64_t OXCALL Storage_OutstandingBytes(void)
{
    StorageState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.bytes;
}

OX_EXTERN_C int32_t OXCALL Storage_BlockSize(const void* block)
{
    int32_t rc = -1;
    StorageState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    auto it = s.blocks.find(block);
    if (it != s.blocks.end())
        rc = static_cast<int32_t>(it->second.size);
    return rc;
}
