/*
 * oxlanguage.cpp - dialog templates in the user's language.
 */
#include <windows.h>
#include "hostapi/oxlanguage.h"

OX_EXTERN_C uint16_t OXCALL OXLanguage_UserLanguage(void)
{
    return (uint16_t)GetThreadUILanguage();
}

static const void* Vorlage(HMODULE modul, int32_t id, WORD sprache)
{
    HRSRC fund = FindResourceExA(modul, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(id), sprache);
    if (fund == nullptr)
        return nullptr;
    HGLOBAL geladen = LoadResource(modul, fund);
    return geladen ? LockResource(geladen) : nullptr;
}

OX_EXTERN_C const void* OXCALL LoadDialogResource(void* instanz, int32_t dialogId)
{
    HMODULE modul = (HMODULE)instanz;
    const WORD sprachen[] = {
        OXLanguage_UserLanguage(),
        MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),
    };
    for (WORD sprache : sprachen) {
        const void* vorlage = Vorlage(modul, dialogId, sprache);
        if (vorlage != nullptr)
            return vorlage;
    }
    /* Any language the module carries. */
    HRSRC fund = FindResourceA(modul, MAKEINTRESOURCEA(dialogId), (LPCSTR)RT_DIALOG);
    if (fund == nullptr)
        return nullptr;
    HGLOBAL geladen = LoadResource(modul, fund);
    return geladen ? LockResource(geladen) : nullptr;
}
