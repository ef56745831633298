/*
 * list_core.cpp - placing and finding element addresses.
 */
#include "list_core.h"

#include <algorithm>

size_t list_sorted_place(const OxList& list, const void* element, LIST_VERGLEICH compare)
{
    /* upper bound: the first element that ranks after the new one */
    size_t low = 0;
    size_t high = list.items.size();
    while (low < high) {
        size_t mid = low + (high - low) / 2;
        if (compare(element, list.items[mid]) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

size_t list_find_from(const OxList& list, size_t start, LIST_TREFFER match, void* parameter)
{
    /* the list may change under a callback: re-read the size every time */
    for (size_t i = start; i < list.items.size(); ++i)
        if (match(list.items[i], parameter) != 0)
            return i;
    return list.items.size();
}

