/*
 * plattform.cpp (native) - the system calls the filter rules make: the
 * text order of the list (byte order here) and the host's memory blocks.
 */
#include "grund/plattform.h"
#include "hostapi/ktstorage.h"

#include <cstdlib>
#include <cstring>

int TextVergleichen(const char* a, const char* b)
{
    return std::strcmp(a, b);
}

OX_EXTERN_C void* Storage_Allocate(int32_t size)
{
    return size > 0 ? std::calloc(1, static_cast<size_t>(size)) : nullptr;
}

OX_EXTERN_C int32_t Storage_Deallocate(void* block)
{
    if (block == nullptr)
        return 0;
    std::free(block);
    return 1;
}
