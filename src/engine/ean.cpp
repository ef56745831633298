/*
 * ean.cpp - the row's EAN is registered for its article: an entry of the
 * article's EAN file (the article's codes of kinds 1 to 8, the supplier
 * colour, the article text and the EAN) and the host's EAN index.
 */
#include "engine/engine.h"
#include "engine/protokoll.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include "pricat_in/stichwort.h"
#include "kontext/einstellungen.h"
#include "grund/text.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxmwst.h"
#include "pricat_in/eanliste.h"
#include "resources/resource.h"

namespace {

const int32_t kEanArten = 8;
const int32_t kArtikelTextLaenge = 24;

/* A fixed row field as a terminated text. */
void Feld(char* aus, size_t groesse, const char* feld, size_t breite)
{
    size_t n = TextLaenge(feld, breite);
    if (n >= groesse)
        n = groesse - 1;
    memcpy(aus, feld, n);
    aus[n] = '\0';
}

/* The code of kind `art` for the EAN entry. */
void EanCode(int32_t art, bool tabellenArt, const char* iln, char* aus, size_t groesse)
{
    EDI_KONTEXT* k = g_Kontext;
    aus[0] = '\0';
    if (tabellenArt) {
        char text[255];
        TextKopieren(text, sizeof text, k->OxOut.EdiText[art]);
        TextKopieren(aus, groesse, text);
        EDIMAP_SATZ map;
        MERKMAL_SATZ merkmal;
        if (text[0] != '\0' && EDIMapDBA_SuchEDIMAPMem(&map, iln, text, art) > 0 && map.Nummer > 0 &&
            k->HostFunktion15 != nullptr && k->HostFunktion15(art, map.Nummer, &merkmal) == 1) {
            char code[OX_TXT_CODE];
            Feld(code, sizeof code, merkmal.Code, sizeof merkmal.Code);
            TextKopieren(aus, groesse, code);
        }
        return;
    }
    int32_t edit = 0;
    if (OXGLOBAL_DLGHELP_FelderVonMerkmal(art, &edit, nullptr) == 1 && edit != 0) {
        char text[255];
        text[0] = '\0';
        SlotText(edit, text, sizeof text);
        TextKopieren(aus, groesse, text);
    }
}

} // namespace

int EanArtikelSatz(int32_t artikelNummer, const PRICAT_SATZ* zeile, EANARTIKEL_SATZ* satz)
{
    EDI_KONTEXT* k = g_Kontext;
    if (satz == nullptr)
        return 0;
    memset(satz, 0, sizeof *satz);
    satz->ArtikelNummer = artikelNummer;
    if (zeile == nullptr)
        return 0;
    const PRICAT_DATEN& d = zeile->PricatDaten;
    char iln[OX_TXT_ILN];
    Feld(iln, sizeof iln, d.LieferantenIln, sizeof d.LieferantenIln);
    int32_t senkrecht = SeiteTabellenArt(1), waagrecht = SeiteTabellenArt(0);

    int vollstaendig = 1;
    for (int32_t art = 1; art <= kEanArten; art++) {
        EanCode(art, art == senkrecht || art == waagrecht, iln, satz->Merkmal[art], OX_TXT_CODE);
        if (satz->Merkmal[art][0] == '\0')
            vollstaendig = 0;
    }

    char ean[sizeof d.Ean + 1];
    Feld(ean, sizeof ean, d.Ean, sizeof d.Ean);
    if (EANDATA_EAN_Ist_OK(ean) == 1)
        TextKopieren(satz->Ean, sizeof satz->Ean, ean);

    char artikel[sizeof d.Artikel + 1], anzeige[sizeof d.Artikel + 1];
    Feld(artikel, sizeof artikel, d.Artikel, sizeof d.Artikel);
    StichwortAnzeigeText(artikel, anzeige, sizeof anzeige);
    anzeige[kArtikelTextLaenge] = '\0';
    TextKopieren(satz->Text, sizeof satz->Text, anzeige);

    char farbe[FARBTEXT_LAENGE + 1];
    if ((k->SeitenZustand & SEITE_ARTIKEL_PER_EAN) == 0) {
        if (!k->EngineEinstellungenGelesen)
            EngineEinstellungenLesen();
        LieferantenFarbTextDerZeile(k->EdiFarbtexte, &d, farbe, sizeof farbe);
    } else {
        char slot[SEITE_TEXT33];
        slot[0] = '\0';
        SlotText(IDC_IP_LFARBE, slot, sizeof slot);
        TextKopieren(farbe, sizeof farbe, slot);
    }
    TextKopieren(satz->FarbText, sizeof satz->FarbText, farbe);
    return vollstaendig;
}

void EanRegistrieren(int32_t artikelNummer, const PRICAT_SATZ* zeile)
{
    EDI_KONTEXT* k = g_Kontext;
    if (zeile == nullptr)
        return;
    char ean[sizeof zeile->PricatDaten.Ean + 1];
    Feld(ean, sizeof ean, zeile->PricatDaten.Ean, sizeof zeile->PricatDaten.Ean);
    EANARTIKEL_SATZ satz;
    if (artikelNummer > 0 && EanArtikelSatz(artikelNummer, zeile, &satz) == 1) {
        EanListePflegen(artikelNummer, &satz);
        int32_t index = 0;
        if (EanEintragSuchen(artikelNummer, ean, satz.Text, &satz, &index) == 0) {
            if (index == 0)
                EanEintragNeu(artikelNummer, &satz);
            else
                EanEintragAendern(artikelNummer, &satz, index);
            k->EanZugeordnet = EanZuordnen(ean, artikelNummer) == 1 ? 1 : 0;
        }
    }
    if (strlen(ean) == 13)
        k->EanZugeordnet = 1;
}

int32_t EanZuordnen(const char* ean, int32_t artikelNummer)
{
    if (ean == nullptr || artikelNummer <= 0)
        return 0;
    int32_t muster = 0;
    int32_t bisher = EANDATA_GetArtikelNummer(ean, &muster);
    int32_t ergebnis = EANDATA_SetArtikelNummerOhneMusterID(ean, artikelNummer, 1);
    if (ergebnis != 1 || bisher == artikelNummer)
        return ergebnis;
    if (bisher > 0) {
        /* the EAN now names this article: the other one's list lets go of it */
        EanAusListeNehmen(bisher, ean);
        ProtokollZeile(PROT_EAN_UMGETRAGEN, IDS_PROT_EAN_UMGETRAGEN, ean, (long)bisher, (long)artikelNummer);
    } else {
        ProtokollZeile(PROT_EAN_NEU, IDS_PROT_EAN_NEU, ean, (long)artikelNummer);
    }
    return ergebnis;
}

int32_t ZeilenMwstSatz(const PRICAT_SATZ* zeile)
{
    if (zeile == nullptr)
        return -1;
    char text[sizeof zeile->PricatDaten.MwstSatz + 1];
    Feld(text, sizeof text, zeile->PricatDaten.MwstSatz, sizeof zeile->PricatDaten.MwstSatz);
    const char* p = text;
    while (*p == ' ')
        p++;
    /* a text without a leading number gives no rate */
    if (!isdigit(static_cast<unsigned char>(p[0])) &&
        !((p[0] == '-' || p[0] == '+') && isdigit(static_cast<unsigned char>(p[1]))))
        return -1;
    long prozent = strtol(p, nullptr, 10);
    if (prozent < 0)
        return -1;
    if (prozent > 10000)
        prozent = 10000;
    /* A run asks the host's rates once for each percentage in a row of
     * rows; the page forgets the answer at the start of every run. */
    EDI_KONTEXT* k = g_Kontext;
    if (k != nullptr && k->MwstMerkProzent == prozent + 1)
        return k->MwstMerkSatz;
    int32_t satz = OX_MWST_GetMWSTSatz(static_cast<int32_t>(prozent));
    if (satz == 0 && prozent > 0)
        satz = OX_MWST_STANDARD;
    if (k != nullptr) {
        k->MwstMerkProzent = static_cast<int32_t>(prozent) + 1;
        k->MwstMerkSatz = satz;
    }
    return satz;
}
