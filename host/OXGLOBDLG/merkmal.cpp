/*
 * merkmal.cpp - characteristic fields of a page: the registration per
 * kind and a typed code looked up in the master-data store. The calls that
 * show a characteristic in the page's controls and the picker dialog are
 * in dialog.cpp.
 */
#include "OXGLOBDLG/oxglobdlg_host.h"
#include "DBADLL/dbadll_host.h"
#include "oxglobdlg_intern.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

Felder g_felder[DBA_MAX_ART + 1];

}  // namespace

/* ---- shared with oxout.cpp and dialog.cpp ------------------------------ */

const Felder* FelderDerArt(int32_t art)
{
    if (art < 0 || art > DBA_MAX_ART || !g_felder[art].registriert)
        return nullptr;
    return &g_felder[art];
}

std::string FeldText(const char* feld, size_t breite)
{
    size_t n = 0;
    while (n < breite && feld[n] != '\0')
        n++;
    return std::string(feld, n);
}

std::string Getrimmt(const std::string& text)
{
    size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos)
        return std::string();
    size_t e = text.find_last_not_of(' ');
    return text.substr(a, e - a + 1);
}

std::string AnzeigeCode(int32_t art, const MERKMAL_SATZ& satz)
{
    /* An article shows its article number text; every other kind its code. */
    return art == 0 ? FeldText(satz.Text, sizeof satz.Text) : FeldText(satz.Code, sizeof satz.Code);
}

int32_t CodeSuchen(int32_t art, const std::string& eingabe)
{
    std::string code = Getrimmt(eingabe);
    if (code.empty())
        return 0;
    int32_t nummer = art == 0 ? MMLIB_SucheText(0, code.c_str(), nullptr) : MMLIB_SucheCode(art, code.c_str(), nullptr);
    return nummer > 0 ? nummer : 0;
}

/* ---- the calls ----------------------------------------------------------------- */

OX_EXTERN_C void OXCALL OXGLOBAL_DLGHELP_LoescheDlgElemente(void)
{
    for (Felder& f : g_felder)
        f = Felder{};
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_FuelleDlgElemente(int32_t art, int32_t buttonId, int32_t editId,
                                                             int32_t textId)
{
    if (art < 0 || art > DBA_MAX_ART)
        return -1;
    g_felder[art] = Felder{ true, buttonId, editId, textId };
    return 1;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_FelderVonMerkmal(int32_t art, int32_t* editId, int32_t* textId)
{
    const Felder* f = FelderDerArt(art);
    if (editId != nullptr)
        *editId = f ? f->edit : 0;
    if (textId != nullptr)
        *textId = f ? f->text : 0;
    return f ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_Concat_KurzUndLangtext(const MERKMAL_SATZ* satz, char* ausgabe)
{
    if (ausgabe == nullptr)
        return 0;
    ausgabe[0] = '\0';
    if (satz == nullptr)
        return 0;
    std::string code = FeldText(satz->Code, sizeof satz->Code);
    std::string text = FeldText(satz->Text, sizeof satz->Text);
    std::string zusammen = code.empty() ? text : (text.empty() ? code : code + " " + text);
    size_t n = zusammen.size() < OX_TXT_64 - 1 ? zusammen.size() : OX_TXT_64 - 1;
    std::memcpy(ausgabe, zusammen.data(), n);
    ausgabe[n] = '\0';
    return static_cast<int32_t>(n);
}
