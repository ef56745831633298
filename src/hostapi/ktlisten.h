/*
 * ktlisten.h - the host's list library (KTLISTEN.DLL).
 *
 * A list holds elements in an order: blocks that the caller allocated
 * (usually with Storage_Allocate) and hands over by address. The list keeps
 * the addresses only; it never copies, reads or frees an element itself,
 * except through the functions the caller passes. Lists are named by
 * positive 32-bit handles; 0 is "no list", the state of an empty list field,
 * and the calls that add an element create the list when given 0.
 *
 * Callbacks use the host's calling convention (OXCALL) and are called on
 * the caller's thread, without any lock held: a callback may call the
 * library again (for another list, or to read this one). A list may be used
 * by one thread at a time.
 */
#ifndef OX_HOSTAPI_KTLISTEN_H
#define OX_HOSTAPI_KTLISTEN_H

#include "hostapi/hostdefs.h"

#if defined(BUILD_KTLISTEN)
#  define KTLISTEN_API OX_DLLEXPORT
#else
#  define KTLISTEN_API OX_DLLIMPORT
#endif

/* Order of two elements: below 0 when `a` belongs before `b`, 0 when they
 * are equal in rank, above 0 when `a` belongs behind `b`. */
typedef int32_t (OXCALL *LIST_VERGLEICH)(const void* a, const void* b);

/* Does `element` match? non-zero = yes. `parameter` is the caller's. */
typedef int32_t (OXCALL *LIST_TREFFER)(const void* element, void* parameter);

/* Visits `element`; non-zero = go on, 0 = stop the walk. */
typedef int32_t (OXCALL *LIST_BESUCH)(void* element, void* parameter);

/* Releases one element when its list is destroyed. */
typedef void (OXCALL *LIST_FREIGABE)(void* element);

/* Appends `element` at the end of `*list`; when `*list` is 0 a new list is
 * made and its handle stored in `*list`. 1 = added, 0 = no memory (the
 * element is not taken), -1 = null argument or `*list` not a list. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_NewElement(HOSTHANDLE* list, void* element);

/* Inserts `element` in the order of `compare`: behind every element that
 * does not rank after it, so elements of equal rank keep the order in which
 * they came (a compare that always answers 0 appends). The list must be
 * kept in that order (only sorted inserts with the same compare). Creates the list when `*list` is 0. Results as List_NewElement. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_AddSortElement(HOSTHANDLE* list, void* element,
                                                          LIST_VERGLEICH compare);

/* First element, in list order, for which `match` answers non-zero, or
 * null (also for an invalid list or a null `match`). */
OX_EXTERN_C KTLISTEN_API void* OXCALL List_FindElement(HOSTHANDLE list, LIST_TREFFER match, void* parameter);

/* As List_FindElement, but the search starts at the element with the
 * 0-based index `*position` and, on a match, `*position` is set behind it;
 * so a loop with `*position` starting at 0 visits every match in order.
 * When nothing more matches `*position` becomes the count. A null
 * `position` searches from the start. */
OX_EXTERN_C KTLISTEN_API void* OXCALL List_FindElementEx(HOSTHANDLE list, LIST_TREFFER match, void* parameter,
                                                       int32_t* position);

/* Calls `visit` for each element in list order until it answers 0. The
 * walk covers the elements present when it starts. Returns the number of
 * elements visited, -1 for an invalid list or a null `visit`; an empty list
 * (handle 0) gives 0. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_WithAllElements(HOSTHANDLE list, LIST_BESUCH visit, void* parameter);

/* Number of elements; 0 for handle 0, -1 for an invalid handle. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_Count(HOSTHANDLE list);

/* Element at the 0-based `index`, or null. */
OX_EXTERN_C KTLISTEN_API void* OXCALL List_GetElement(HOSTHANDLE list, int32_t index);

/* Takes `element` out of the list (the first place it stands) without
 * releasing it. 1 = taken out, 0 = not in the list, -1 = invalid list. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_RemoveElement(HOSTHANDLE list, void* element);

/* Destroys the list: `release` (may be null) is called for each element in
 * list order, then the list itself is gone and its handle invalid. 1 =
 * destroyed, 0 for handle 0, -1 for an invalid handle. */
OX_EXTERN_C KTLISTEN_API int32_t OXCALL List_Destroy(HOSTHANDLE list, LIST_FREIGABE release);

#endif
