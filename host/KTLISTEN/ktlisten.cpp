/*
 * ktlisten.cpp - the list calls: a process-wide table of lists keyed by
 * handle numbers that only grow. The table lock is held only to find a
 * list, never while a caller's function runs.
 */
#include "KTLISTEN/ktlisten_host.h"
#include "list_core.h"
#include "common/griffe.h"

#include <memory>

namespace {

Griffe<OxList>& lists()
{
    static Griffe<OxList> l;
    return l;
}

OxList* find(HOSTHANDLE h)
{
    return lists().Finden(h);
}

/* The list of `*list`, made when `*list` is 0; null when invalid. */
OxList* findOrMake(HOSTHANDLE* list, bool* made)
{
    *made = false;
    if (*list != 0)
        return find(*list);
    auto fresh = std::make_unique<OxList>();
    OxList* result = fresh.get();
    HOSTHANDLE h = lists().Aufnehmen(std::move(fresh));
    if (h == 0)
        return nullptr;
    *list = h;
    *made = true;
    return result;
}

void dropMade(HOSTHANDLE* list)
{
    lists().Herausnehmen(*list);
    *list = 0;
}

int32_t insert(HOSTHANDLE* list, void* element, LIST_VERGLEICH compare)
{
    if (list == nullptr || element == nullptr)
        return -1;
    bool made = false;
    OxList* l = nullptr;
    try {
        l = findOrMake(list, &made);
        if (l == nullptr)
            return *list == 0 ? 0 : -1;
        size_t at = compare != nullptr ? list_sorted_place(*l, element, compare) : l->items.size();
        l->items.insert(l->items.begin() + static_cast<std::ptrdiff_t>(at), element);
    } catch (...) {
        if (made)
            dropMade(list);
        return 0;
    }
    return 1;
}

} // namespace

OX_EXTERN_C int32_t OXCALL List_NewElement(HOSTHANDLE* list, void* element)
{
    return insert(list, element, nullptr);
}

OX_EXTERN_C int32_t OXCALL List_AddSortElement(HOSTHANDLE* list, void* element, LIST_VERGLEICH compare)
{
    if (compare == nullptr)
        return -1;
    return insert(list, element, compare);
}

OX_EXTERN_C void* OXCALL List_FindElementEx(HOSTHANDLE list, LIST_TREFFER match, void* parameter,
                                           int32_t* position)
{
    OxList* l = find(list);
    if (l == nullptr || match == nullptr) {
        if (position != nullptr && list == 0)
            *position = 0;
        return nullptr;
    }
    size_t start = 0;
    if (position != nullptr && *position > 0)
        start = static_cast<size_t>(*position);
    size_t at = list_find_from(*l, start, match, parameter);
    void* found = nullptr;
    if (at < l->items.size()) {
        found = l->items[at];
        at += 1;
    } else {
        at = l->items.size();
    }
    if (position != nullptr)
        *position = static_cast<int32_t>(at);
    return found;
}

OX_EXTERN_C void* OXCALL List_FindElement(HOSTHANDLE list, LIST_TREFFER match, void* parameter)
{
    return List_FindElementEx(list, match, parameter, nullptr);
}

OX_EXTERN_C int32_t OXCALL List_WithAllElements(HOSTHANDLE list, LIST_BESUCH visit, void* parameter)
{
    if (list == 0)
        return 0;
    OxList* l = find(list);
    if (l == nullptr || visit == nullptr)
        return -1;
    int32_t visited = 0;
    try {
        std::vector<void*> snapshot = l->items;
        for (void* element : snapshot) {
            ++visited;
            if (visit(element, parameter) == 0)
                break;
        }
    } catch (...) {
        return -1;
    }
    return visited;
}

OX_EXTERN_C int32_t OXCALL List_Count(HOSTHANDLE list)
{
    if (list == 0)
        return 0;
    OxList* l = find(list);
    return l == nullptr ? -1 : static_cast<int32_t>(l->items.size());
}

OX_EXTERN_C void* OXCALL List_GetElement(HOSTHANDLE list, int32_t index)
{
    OxList* l = find(list);
    if (l == nullptr || index < 0 || static_cast<size_t>(index) >= l->items.size())
        return nullptr;
    return l->items[static_cast<size_t>(index)];
}

OX_EXTERN_C int32_t OXCALL List_RemoveElement(HOSTHANDLE list, void* element)
{
    OxList* l = find(list);
    if (l == nullptr)
        return -1;
    for (auto it = l->items.begin(); it != l->items.end(); ++it) {
        if (*it == element) {
            l->items.erase(it);
            return 1;
        }
    }
    return 0;
}

OX_EXTERN_C int32_t OXCALL List_Destroy(HOSTHANDLE list, LIST_FREIGABE release)
{
    if (list == 0)
        return 0;
    std::unique_ptr<OxList> l = lists().Herausnehmen(list);
    if (!l)
        return -1;
    if (release != nullptr)
        for (void* element : l->items)
            release(element);
    return 1;
}

OX_EXTERN_C int32_t OXCALL List_OpenLists(void)
{
    return lists().Anzahl();
}
