/*
 * oxout.cpp - the calls that reach a page's values through its binding
 * function: a slot of exactly 4 bytes holds a 32-bit value, every other
 * slot a terminated text of at most length-1 characters.
 */
#include "hostapi/oxglobdlg.h"
#include "DBADLL/dbadll_host.h"
#include "oxglobdlg_intern.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int32_t ZahlAus(const std::string& text)
{
    return static_cast<int32_t>(std::strtol(Getrimmt(text).c_str(), nullptr, 10));
}

}  // namespace

Slot SlotVon(OXOUT_BINDUNG bindung, int32_t id)
{
    Slot s;
    if (bindung == nullptr || id == 0)
        return s;
    void* adresse = nullptr;
    int32_t laenge = bindung(id, &adresse);
    if (laenge > 0 && adresse != nullptr) {
        s.adresse = adresse;
        s.laenge = laenge;
    }
    return s;
}

int SlotSchreiben(const Slot& s, const std::string& text)
{
    if (s.adresse == nullptr)
        return 0;
    if (s.zahl()) {
        int32_t wert = ZahlAus(text);
        std::memcpy(s.adresse, &wert, sizeof wert);
        return 1;
    }
    char* ziel = static_cast<char*>(s.adresse);
    size_t n = text.size() < static_cast<size_t>(s.laenge - 1) ? text.size() : static_cast<size_t>(s.laenge - 1);
    std::memcpy(ziel, text.data(), n);
    ziel[n] = '\0';
    return 1;
}

std::string SlotLesen(const Slot& s)
{
    if (s.adresse == nullptr)
        return std::string();
    if (s.zahl()) {
        int32_t wert;
        std::memcpy(&wert, s.adresse, sizeof wert);
        return std::to_string(wert);
    }
    return FeldText(static_cast<const char*>(s.adresse), static_cast<size_t>(s.laenge));
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(HWND seite, int32_t id, char* puffer, int32_t laenge,
                                                               OXOUT_BINDUNG bindung)
{
    (void)seite;
    if (puffer == nullptr || laenge < 1)
        return 0;
    puffer[0] = '\0';
    Slot s = SlotVon(bindung, id);
    if (s.adresse == nullptr)
        return 0;
    std::string text = SlotLesen(s);
    size_t n = text.size() < static_cast<size_t>(laenge - 1) ? text.size() : static_cast<size_t>(laenge - 1);
    std::memcpy(puffer, text.data(), n);
    puffer[n] = '\0';
    return static_cast<int32_t>(n);
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(HWND seite, int32_t id, const char* text,
                                                               OXOUT_BINDUNG bindung)
{
    (void)seite;
    return SlotSchreiben(SlotVon(bindung, id), text != nullptr ? text : "");
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_GetOx_OutItemLong(HWND seite, int32_t id, OXOUT_BINDUNG bindung)
{
    (void)seite;
    Slot s = SlotVon(bindung, id);
    if (s.adresse == nullptr)
        return 0;
    if (s.zahl()) {
        int32_t wert;
        std::memcpy(&wert, s.adresse, sizeof wert);
        return wert;
    }
    return ZahlAus(SlotLesen(s));
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_SetOx_OutItemLong(HWND seite, int32_t id, int32_t wert,
                                                            OXOUT_BINDUNG bindung)
{
    (void)seite;
    return SlotSchreiben(SlotVon(bindung, id), std::to_string(wert));
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(HWND seite, int32_t art, int32_t nummer,
                                                               OXOUT_BINDUNG bindung)
{
    (void)seite;
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    MERKMAL_SATZ satz;
    bool gefunden = nummer > 0 && MMLIB_LeseMerkmal(art, nummer, &satz) == 1;
    SlotSchreiben(SlotVon(bindung, f->edit), gefunden ? AnzeigeCode(art, satz) : std::string());
    SlotSchreiben(SlotVon(bindung, f->text), gefunden ? FeldText(satz.Text, sizeof satz.Text) : std::string());
    return gefunden ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnEditMerkmalOxOut(HWND seite, int32_t art, OXOUT_BINDUNG bindung)
{
    const Felder* f = FelderDerArt(art);
    if (f == nullptr)
        return 0;
    int32_t nummer = CodeSuchen(art, SlotLesen(SlotVon(bindung, f->edit)));
    if (nummer > 0)
        OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, art, nummer, bindung);
    else
        SlotSchreiben(SlotVon(bindung, f->text), std::string());
    return nummer;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(HWND seite, char* puffer, OXOUT_BINDUNG bindung)
{
    (void)seite;
    if (puffer == nullptr)
        return 0;
    puffer[0] = '\0';
    const Felder* artikel = FelderDerArt(0);
    const Felder* lieferant = FelderDerArt(8);
    std::string nummer = artikel ? Getrimmt(SlotLesen(SlotVon(bindung, artikel->edit))) : std::string();
    std::string code = lieferant ? Getrimmt(SlotLesen(SlotVon(bindung, lieferant->edit))) : std::string();
    int32_t n = MMLIB_CopyKurzUndLangtext(puffer, code.c_str(), nummer.c_str());
    return n > 0 ? n : 0;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable(HWND seite, char* puffer,
                                                                             OXOUT_BINDUNG bindung)
{
    return OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(seite, puffer, bindung);
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_OnEditArtikelOxOut(HWND seite, OXOUT_BINDUNG bindung)
{
    char name[DBA_ARTIKELNAME];
    if (OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(seite, name, bindung) <= 0)
        return 0;
    int32_t nummer = MMLIB_SucheCode(0, name, nullptr);
    return nummer > 0 ? nummer : 0;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(const char* artikelName)
{
    if (artikelName == nullptr || artikelName[0] == '\0')
        return 0;
    int32_t nummer = MMLIB_SucheCode(0, artikelName, nullptr);
    if (nummer > 0)
        return nummer;
    /* The name is the supplier code padded with "_" to five characters,
     * then the article number text. */
    std::string name(artikelName);
    std::string code = name.substr(0, name.size() < 5 ? name.size() : 5);
    while (!code.empty() && code.back() == '_')
        code.pop_back();
    std::string text = name.size() > 5 ? name.substr(5) : std::string();
    if (code.empty() || text.empty())
        return 0;
    MERKMAL_SATZ satz;
    std::memset(&satz, 0, sizeof satz);
    std::snprintf(satz.Code, sizeof satz.Code, "%s", code.c_str());
    std::snprintf(satz.Text, sizeof satz.Text, "%s", text.c_str());
    nummer = MMLIB_MerkmalAnlegen(0, &satz);
    if (nummer <= 0)
        return 0;
    ARTIKEL_SATZ artikel;
    std::memset(&artikel, 0, sizeof artikel);
    MERKMAL_SATZ lieferant;
    int32_t lieferantNummer = MMLIB_SucheCode(8, code.c_str(), &lieferant);
    if (lieferantNummer > 0) {
        artikel.LieferantNummer = lieferantNummer;
        std::snprintf(artikel.Codes[ArtikelCodeIndex(8)], OX_TXT_CODE, "%s", code.c_str());
    }
    HOSTHANDLE handle = ARTLIB_OeffneDatenbank();
    int32_t geschrieben = handle != -1 ? ARTLIB_WriteArtikel(handle, nummer, &artikel) : 0;
    if (handle != -1)
        ARTLIB_SchliesseDatenbank(handle);
    return geschrieben == 1 ? nummer : 0;
}
