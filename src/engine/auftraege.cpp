/*
 * auftraege.cpp - the open orders of the catalogue's supplier follow an
 * import: loaded once when the import page opens, then each written
 * article's positions get its prices, identification, additional text and
 * table, and every head is recomputed.
 */
#include "engine/engine.h"
#include "engine/protokoll.h"
#include "resources/resource.h"

#include <string.h>

#include <algorithm>

#include "grund/text.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxglobdlg.h"

namespace {

const uint16_t kStatusNichtLaden = 2;
const uint16_t kStatusKeineAenderung = 0x0002;
const uint16_t kPositionBit0 = 0x0001;
const uint16_t kPositionBit1 = 0x0002;
const size_t kZusatztextPosition = 15;

/* The most positions whose copy (2n + 1 records) a 32-bit size can hold. */
const int32_t kMaxPositionen = static_cast<int32_t>((0x7FFFFFFF / sizeof(AUFTRAG_POSITION) - 1) / 2);

int32_t OXCALL AlleGleich(const void*, const void*)
{
    return 0;
}

void OXCALL BlockFreigeben(void* element)
{
    AUFTRAG_BLOCK* block = static_cast<AUFTRAG_BLOCK*>(element);
    if (block == nullptr)
        return;
    Storage_Deallocate(block->Positionen);
    Storage_Deallocate(block);
}

int32_t OXCALL BlockAktualisieren(void* element, void*)
{
    AuftragAktualisieren(static_cast<AUFTRAG_BLOCK*>(element));
    return 1;
}

/* Sums and values beyond the 32-bit fields are held at their limits. */
int32_t Begrenzt(long long wert)
{
    return static_cast<int32_t>(std::clamp<long long>(wert, INT32_MIN, INT32_MAX));
}

} // namespace

void AuftraegeLaden(void)
{
    if (g_Kontext->AuftragsListe != 0)
        return;
    AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige(AuftragUebernehmen);
}

int32_t OXCALL AuftragUebernehmen(HOSTHANDLE handle, int32_t auftragsNummer, AUFTRAG_KOPF* kopf)
{
    EDI_KONTEXT* k = g_Kontext;
    if (kopf == nullptr || kopf->Status == kStatusNichtLaden || kopf->LieferantNummer != k->AktuellerLieferant)
        return 1;
    if (handle == -1)
        return 1;
    int32_t n = kopf->AnzahlPositionen;
    if (n < 0 || n > kMaxPositionen)
        return 1;
    AUFTRAG_POSITION* positionen =
        static_cast<AUFTRAG_POSITION*>(Storage_Allocate(static_cast<int32_t>((2 * n + 1) * sizeof(AUFTRAG_POSITION))));
    if (positionen == nullptr)
        return 1;
    /* A failed read (or an order without positions) is not kept. */
    int32_t gelesen = AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(handle, n, positionen);
    AUFTRAG_BLOCK* block = gelesen > 0 ? static_cast<AUFTRAG_BLOCK*>(Storage_Allocate(sizeof(AUFTRAG_BLOCK))) : nullptr;
    if (block == nullptr) {
        Storage_Deallocate(positionen);
        return 1;
    }
    block->AuftragsNummer = auftragsNummer;
    memcpy(&block->Kopf, kopf, sizeof block->Kopf);
    block->Kopf.AnzahlPositionen = gelesen < n ? gelesen : n;
    block->Positionen = positionen;
    /* The list library takes the handle's address: an aligned copy, as
     * the context is byte-packed. */
    HOSTHANDLE liste = k->AuftragsListe;
    int32_t r = liste == 0 ? List_NewElement(&liste, block) : List_AddSortElement(&liste, block, AlleGleich);
    k->AuftragsListe = liste;
    if (r != 1)
        BlockFreigeben(block);
    return 1;
}

void AuftragswerteMerken(int modus, const TAB_PREISE* preise, char kennzeichen, const char* zusatztext,
                         int32_t vArt, int32_t vNummer, const char* vText, int32_t hArt, int32_t hNummer,
                         const char* hText)
{
    EDI_KONTEXT* k = g_Kontext;
    if (modus == 0) {
        k->AuftragsKennzeichen = kennzeichen;
        TextKopieren(k->AuftragsZusatztext, sizeof k->AuftragsZusatztext, zusatztext);
        return;
    }
    k->AuftragsWerteArtikel = k->AktuelleArtikelNummer;
    if (preise != nullptr)
        k->AuftragsPreise = *preise;
    else
        memset(&k->AuftragsPreise, 0, sizeof k->AuftragsPreise);
    k->AuftragsSenkrechtArt = vArt;
    k->AuftragsSenkrechtNummer = vNummer;
    TextKopieren(k->AuftragsSenkrechtText, sizeof k->AuftragsSenkrechtText, vText);
    k->AuftragsWaagrechtArt = hArt;
    k->AuftragsWaagrechtNummer = hNummer;
    TextKopieren(k->AuftragsWaagrechtText, sizeof k->AuftragsWaagrechtText, hText);
}

void AuftraegeAktualisieren(void)
{
    if (g_Kontext->AuftragsListe != 0)
        List_WithAllElements(g_Kontext->AuftragsListe, BlockAktualisieren, nullptr);
}

void AuftragAktualisieren(AUFTRAG_BLOCK* block)
{
    EDI_KONTEXT* k = g_Kontext;
    if (block == nullptr)
        return;
    HOSTHANDLE handle = AUFTRAGDBA_Open(block->AuftragsNummer);
    if (handle == -1)
        return;
    int32_t anzahl = block->Kopf.AnzahlPositionen;
    if (block->Kopf.LieferantNummer == k->AktuellerLieferant && (block->Kopf.Status & kStatusKeineAenderung) == 0 &&
        k->AktuelleArtikelNummer > 0) {
        int32_t cursor = 0, geaendert = 0;
        AUFTRAG_POSITION* position = nullptr;
        while (AUFTRAGDBA_NextPOSITIONSADR_VomSpeicher(block->Positionen, anzahl, &cursor, &position) != 0) {
            char kurz[sizeof position->Kurztext + 1], lang[sizeof position->Langtext + 1];
            char name[DBA_ARTIKELNAME];
            memcpy(kurz, position->Kurztext, sizeof position->Kurztext);
            kurz[sizeof position->Kurztext] = '\0';
            memcpy(lang, position->Langtext, sizeof position->Langtext);
            lang[sizeof position->Langtext] = '\0';
            if (MMLIB_CopyKurzUndLangtext(name, kurz, lang) < 0)
                continue;
            int32_t artikel = k->HostFunktion02 != nullptr ? k->HostFunktion02(0, name) : 0;
            if (artikel == k->AktuelleArtikelNummer && (position->Flags & kPositionBit1) == 0) {
                AuftragsPositionAktualisieren(position);
                AUFTRAGDBA_WritePosition(handle, cursor, 0, position);
                geaendert++;
            }
        }
        if (geaendert > 0)
            ProtokollZeile(PROT_AUFTRAG, IDS_PROT_AUFTRAG, (long)block->AuftragsNummer, (long)geaendert);
    }
    AuftragsKopfBerechnen(&block->Kopf, block->Positionen, anzahl);
    AUFTRAGDBA_WriteAuftragsKopf(handle, &block->Kopf);
    AUFTRAGDBA_Close(handle);
}

void AuftragsPositionAktualisieren(AUFTRAG_POSITION* position)
{
    EDI_KONTEXT* k = g_Kontext;
    if (position == nullptr)
        return;
    position->Kennzeichen = k->AuftragsKennzeichen;
    char zusatz[kZusatztextPosition + 1];
    TextKopieren(zusatz, sizeof zusatz, k->AuftragsZusatztext);
    memset(position->Zusatztext, 0, sizeof position->Zusatztext);
    TextKopieren(position->Zusatztext, sizeof position->Zusatztext, zusatz);

    /* Prices and table values remembered for another article (the previous
     * row's, before a new article had its table built) are not this
     * article's: the position keeps its own. */
    if (k->AuftragsWerteArtikel != k->AktuelleArtikelNummer)
        return;
    const TAB_PREISE& p = k->AuftragsPreise;
    position->Ek1 = p.Ek1;
    position->Ek2 = p.Ek2;
    position->Ek1Umgerechnet = p.Ek1Umgerechnet;
    position->Vk1 = p.Vk1;
    position->Vk2 = p.Vk2;
    position->Vk1Umgerechnet = p.Vk1Umgerechnet;

    if (position->Menge != 0) {
        long long preis = p.Ek2 != 0 ? p.Ek2 : p.Ek1;
        position->Wert = Begrenzt(static_cast<long long>(position->Menge) * preis);
        return;
    }
    OXTABELLE* t = &position->Tabelle;
    if (SeiteTabellePruefen(t, 1) == 1 && TAB_MerkmalSenkrecht(t) == k->AuftragsSenkrechtArt &&
        TAB_MerkmalWaagrecht(t) == k->AuftragsWaagrechtArt) {
        int r = AchseErgaenzen(1, t, k->AuftragsSenkrechtArt, k->AuftragsSenkrechtNummer, k->AuftragsSenkrechtText, &p,
                               1, 0);
        AchseErgaenzen(0, t, k->AuftragsWaagrechtArt, k->AuftragsWaagrechtNummer, k->AuftragsWaagrechtText, &p, r, 0);
    }
    TAB_ZSUMME summe;
    memset(&summe, 0, sizeof summe);
    long long wert = 0;
    for (int32_t zeile = 0; zeile < TAB_MAX_SENKRECHT; zeile++) {
        TAB_GetZSUMME(t, zeile, &summe);
        wert += summe.WertEk2 != 0 ? summe.WertEk2 : summe.WertEk1;
    }
    position->Wert = Begrenzt(wert);
}

void AuftragsKopfBerechnen(AUFTRAG_KOPF* kopf, AUFTRAG_POSITION* positionen, int32_t anzahl)
{
    if (kopf == nullptr)
        return;
    kopf->MengenSumme = 0;
    kopf->WertSumme = 0;
    int32_t erste = 0, zweite = 0, offen = 0;
    long long menge = 0, wert = 0;
    int32_t lieferant = 0;
    bool erstePosition = true;
    int32_t cursor = 0;
    AUFTRAG_POSITION* p = nullptr;
    while (positionen != nullptr && AUFTRAGDBA_NextPOSITIONSADR_VomSpeicher(positionen, anzahl, &cursor, &p) != 0) {
        if (p->Flags & kPositionBit0)
            erste++;
        else if (p->Flags & kPositionBit1)
            zweite++;
        else
            offen++;
        menge += p->TabellenMenge >= 1 ? p->TabellenMenge : p->Menge;
        wert += p->Wert;
        if (erstePosition)
            lieferant = p->LieferantNummer;
        else if (p->LieferantNummer != lieferant)
            lieferant = -1;
        erstePosition = false;
        if (lieferant != -1 && lieferant != 0)
            kopf->LieferantNummer = lieferant;
    }
    kopf->MengenSumme = Begrenzt(menge);
    kopf->WertSumme = Begrenzt(wert);
    if (kopf->MengenSumme == 0)
        erste = 0;
    uint16_t status = 0;
    if (erste >= 1)
        status = 4;
    else if (zweite > 0)
        status = offen == 0 ? 2 : 4;
    kopf->Status = static_cast<uint16_t>(status | (kopf->Status & 1));
}

void AuftraegeVerwerfen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->AuftragsListe != 0)
        List_Destroy(k->AuftragsListe, BlockFreigeben);
    k->AuftragsListe = 0;
}
