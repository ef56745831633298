/*
 * artikel.cpp - correcting an article from a page, checking a size table
 * against the characteristic store, and the two calls that tie a page's
 * article to its table.
 *
 * This host keeps no description records per table cell: its stock items
 * carry their characteristic numbers themselves. The filler therefore only
 * confirms that the table can serve the page's article.
 */
#include "hostapi/oxglobdlg.h"
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "oxglobdlg_intern.h"

#include <cstring>
#include <string>

namespace {

bool MerkmalVorhanden(int32_t art, int32_t nummer)
{
    MERKMAL_SATZ satz;
    return nummer > 0 && MMLIB_LeseMerkmal(art, nummer, &satz) == 1;
}

bool AchseVorhanden(int32_t art, const int32_t* liste, int32_t kapazitaet)
{
    for (int32_t i = 0; i < kapazitaet; i++)
        if (liste[i] != 0 && !MerkmalVorhanden(art, liste[i]))
            return false;
    return true;
}

std::string Code(const char* feld)
{
    return Getrimmt(FeldText(feld, OX_TXT_CODE));
}

/* The axis kinds of the article's stored table (0 when it has none). */
void AchsenArten(int32_t artikelNummer, int32_t* achse)
{
    static OXTABELLE tabelle;   /* the library serves the UI thread */
    if (TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, artikelNummer, &tabelle, nullptr) == 1) {
        achse[0] = tabelle.MerkmalSenkrecht;
        achse[1] = tabelle.MerkmalWaagrecht;
    }
}

} // namespace

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_PruefeTabelle(HWND fenster, const OXTABELLE* tabelle)
{
    (void)fenster;
    if (tabelle == nullptr || TAB_TesteAufGueltigeTabelle(tabelle) != 1)
        return 0;
    return AchseVorhanden(tabelle->MerkmalSenkrecht, tabelle->Senkrecht, TAB_MAX_SENKRECHT) &&
                   AchseVorhanden(tabelle->MerkmalWaagrecht, tabelle->Waagrecht, TAB_MAX_WAAGRECHT)
               ? 1
               : 0;
}

/*
 * The correction takes over what the page holds: every code that is not
 * empty (an empty code leaves the article's own; the codes of the kinds of
 * the article's table axes stay once set), the series and supplier
 * numbers those codes name, the branch, identification, Standard flag and
 * additional text, the four prices with their converted values and a VAT
 * rate number of 0 to 5.
 */
OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_KorrigiereArtikel(int32_t artikelNummer, const ARTIKEL_KORREKTUR* korrektur,
                                                            const EINZELTEIL_SATZ* neuesTeil)
{
    if (artikelNummer < 1 || korrektur == nullptr)
        return -1;
    HOSTHANDLE handle = ARTLIB_OeffneDatenbank();
    if (handle == -1)
        return 0;
    ARTIKEL_SATZ a;
    int32_t ergebnis = 0;
    if (ARTLIB_ReadArtikel(handle, artikelNummer, &a) == 1) {
        /* The kinds of the article's table axes: their codes in the record
         * are those of its first variation and stay; the table holds the
         * others. */
        int32_t achse[2] = { 0, 0 };
        AchsenArten(artikelNummer, achse);
        for (int32_t art = 1; art <= 11; art++) {
            int index = ArtikelCodeIndex(art);
            std::string code = Code(korrektur->Codes[art - 1]);
            if (index < 0 || code.empty())
                continue;
            if ((art == achse[0] || art == achse[1]) && a.Codes[index][0] != '\0')
                continue;
            std::memset(a.Codes[index], 0, OX_TXT_CODE);
            std::memcpy(a.Codes[index], code.data(), code.size() < OX_TXT_CODE - 1 ? code.size() : OX_TXT_CODE - 1);
        }
        std::string serie = Code(korrektur->Codes[3 - 1]);
        if (!serie.empty()) {
            int32_t n = MMLIB_SucheCode(3, serie.c_str(), nullptr);
            if (n > 0)
                a.SerienNummer = n;
        }
        std::string lieferant = Code(korrektur->Codes[8 - 1]);
        if (!lieferant.empty()) {
            int32_t n = MMLIB_SucheCode(8, lieferant.c_str(), nullptr);
            if (n > 0)
                a.LieferantNummer = n;
        }
        a.Kennzeichen = korrektur->Kennzeichen;
        a.Standard = korrektur->Standard;
        std::string zusatz = FeldText(korrektur->Zusatztext, sizeof korrektur->Zusatztext);
        std::memset(a.Zusatztext, 0, sizeof a.Zusatztext);
        std::memcpy(a.Zusatztext, zusatz.data(), zusatz.size() < sizeof a.Zusatztext - 1 ? zusatz.size()
                                                                                          : sizeof a.Zusatztext - 1);
        if (neuesTeil != nullptr) {
            a.Ek1 = neuesTeil->Ek1;
            a.Vk1 = neuesTeil->Vk1;
            a.Ek2 = neuesTeil->Ek2;
            a.Vk2 = neuesTeil->Vk2;
            a.Ek1Umgerechnet = neuesTeil->Preis3;
            a.Vk1Umgerechnet = neuesTeil->Preis6;
            if (neuesTeil->Filiale > 0)
                a.Filiale = neuesTeil->Filiale;
            if (neuesTeil->MwstSatz >= 0 && neuesTeil->MwstSatz <= 5)
                a.MwstSatz = neuesTeil->MwstSatz;
        }
        ergebnis = ARTLIB_WriteArtikel(handle, artikelNummer, &a) == 1 ? 1 : 0;
    }
    ARTLIB_SchliesseDatenbank(handle);
    return ergebnis;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut(HWND seite, OXTABELLE* tabelle, int32_t modus,
                                                                         OXOUT_BINDUNG bindung)
{
    if (tabelle == nullptr || modus != 1)
        return 0;
    if (OXGLOBAL_DLGHELP_PruefeTabelle(seite, tabelle) != 1)
        return 0;
    return OXGLOBAL_DLGHELP_OnEditArtikelOxOut(seite, bindung) > 0 ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_FillRestDialogFromMMOxOut(HWND seite, int32_t serie, OXTABELLE* tabelle,
                                                                    OXOUT_BINDUNG bindung)
{
    if (!MerkmalVorhanden(3, serie))
        return 0;
    OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, 3, serie, bindung);
    /* The kinds of the table's axes are the table's; the page shows them. */
    if (tabelle != nullptr && OXGLOBAL_DLGHELP_PruefeTabelle(seite, tabelle) != 1)
        return 0;
    return 1;
}
