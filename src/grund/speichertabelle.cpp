/*
 * speichertabelle.cpp - tables that double in a storage block.
 */
#include "grund/speichertabelle.h"
#include "hostapi/ktstorage.h"

#include <string.h>

void* SpeichertabelleWachsen(void* tabelle, int32_t anzahl, int32_t* raum, size_t groesse, int32_t erster,
                             int32_t hoechstens)
{
    if (raum == nullptr || groesse == 0 || anzahl < 0 || anzahl > *raum)
        return nullptr;
    int64_t neu = *raum < erster ? erster : (int64_t)*raum * 2;
    if (hoechstens > 0 && neu > hoechstens)
        neu = hoechstens;
    if (neu <= *raum || neu * (int64_t)groesse > INT32_MAX)
        return nullptr;
    void* block = Storage_Allocate((int32_t)(neu * (int64_t)groesse));
    if (block == nullptr)
        return nullptr;
    if (tabelle != nullptr) {
        memcpy(block, tabelle, (size_t)anzahl * groesse);
        Storage_Deallocate(tabelle);
    }
    *raum = (int32_t)neu;
    return block;
}
