/*
 * oxlanguage.cpp - dialog templates in the host's user language.
 */
#include <windows.h>
#include "OXLANGUAGE/oxlanguage_host.h"

static int32_t s_Sprache = OXSPRACHE_DEUTSCH;

OX_EXTERN_C int32_t OXCALL OXLANGUAGE_SetSprache(int32_t sprache)
{
    if (sprache != OXSPRACHE_DEUTSCH && sprache != OXSPRACHE_NIEDERLAENDISCH)
        return -1;
    int32_t vorher = s_Sprache;
    s_Sprache = sprache;
    return vorher;
}

static const DLGTEMPLATE* Vorlage(HMODULE modul, int32_t id, WORD sprache)
{
    HRSRC fund = FindResourceExA(modul, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(id), sprache);
    if (fund == nullptr)
        return nullptr;
    HGLOBAL geladen = LoadResource(modul, fund);
    return geladen ? (const DLGTEMPLATE*)LockResource(geladen) : nullptr;
}

OX_EXTERN_C const DLGTEMPLATE* OXCALL LoadDialogResource(HINSTANCE instanz, int32_t dialogId)
{
    const WORD deutsch = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
    const WORD benutzer = s_Sprache == OXSPRACHE_NIEDERLAENDISCH ? MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH) : deutsch;
    const DLGTEMPLATE* vorlage = Vorlage(instanz, dialogId, benutzer);
    if (vorlage == nullptr)
        vorlage = Vorlage(instanz, dialogId, deutsch);
    if (vorlage != nullptr)
        return vorlage;
    /* Any language the module carries. */
    HRSRC fund = FindResourceA(instanz, MAKEINTRESOURCEA(dialogId), (LPCSTR)RT_DIALOG);
    if (fund == nullptr)
        return nullptr;
    HGLOBAL geladen = LoadResource(instanz, fund);
    return geladen ? (const DLGTEMPLATE*)LockResource(geladen) : nullptr;
}
