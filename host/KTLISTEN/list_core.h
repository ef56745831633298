/*
 * list_core.h - ordered lists of element addresses (no system calls).
 */
#ifndef OX_LIST_CORE_H
#define OX_LIST_CORE_H

#include "hostapi/ktlisten.h"

#include <stdint.h>
#include <vector>

struct OxList {
    std::vector<void*> items;
};

/* Index at which `element` goes in the order of `compare`: behind every
 * element that does not rank after it. */
size_t list_sorted_place(const OxList& list, const void* element, LIST_VERGLEICH compare);

/* First index from `start` whose element matches, or the count. */
size_t list_find_from(const OxList& list, size_t start, LIST_TREFFER match, void* parameter);


#endif
