/*
 * einzelteile.cpp - the price change of one stock item, the price-change
 * list and the branch rule for labels (see einzelteile.h).
 */
#include "pricechange/einzelteile.h"
#include "grund/text.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"

#include <string.h>

enum {
    HD_ETIKETT_FILIALE_BASIS = 17115,  /* character of branch b at 17115 + b */
    TEXT_MAX = 31                      /* texts of the extra record in the key */
};

/* At most TEXT_MAX characters of the fixed field `quelle` (`groesse` bytes,
 * not necessarily terminated) into `ziel`, zero-filled behind the text. */
static void FeldKurzKopieren(char* ziel, size_t zielGroesse, const char* quelle, size_t groesse)
{
    memset(ziel, 0, zielGroesse);
    FeldKopieren(quelle, groesse < (size_t)TEXT_MAX ? groesse : (size_t)TEXT_MAX, ziel, zielGroesse);
}

int EinzelteilZuAendern(const EINZELTEIL_SATZ* teil, int32_t keineVerkauften)
{
    if (teil == nullptr)
        return 0;
    if (!(teil->Flags & EINZELTEIL_VORHANDEN))
        return 0;
    if (keineVerkauften && (teil->Flags & EINZELTEIL_VERKAUFT))
        return 0;
    return 1;
}

void EinzelteilSchluesselBilden(EDIAENDERUNG_SATZ* s, const EINZELTEIL_SATZ* teil, const int32_t* bezeichnung,
                                const TEILEZUSATZ_SATZ* zusatz)
{
    if (s == nullptr)
        return;
    memset(s, 0, sizeof *s);
    if (teil == nullptr)
        return;
    s->ArtikelNummer = teil->ArtikelNummer;
    if (bezeichnung != nullptr) {
        for (int art = 1; art <= 6; art++)
            s->Merkmal[art - 1] = bezeichnung[art - 1];
        s->Merkmal[8 - 1] = bezeichnung[8 - 1];
    }
    s->Merkmal[7 - 1] = teil->Groesse;
    s->Merkmal[11 - 1] = teil->Saison;
    s->Ek1 = teil->Ek1;
    s->Ek2 = teil->Ek2;
    s->Preis3 = teil->Preis3;
    s->Vk1 = teil->Vk1;
    s->Vk2 = teil->Vk2;
    s->Preis6 = teil->Preis6;
    s->Preis7 = 0;
    if (zusatz != nullptr) {
        FeldKurzKopieren(s->Text1, sizeof s->Text1, zusatz->Text1, sizeof zusatz->Text1);
        FeldKurzKopieren(s->Text2, sizeof s->Text2, zusatz->Text2, sizeof zusatz->Text2);
    }
}

int EinzelteilUebernehmen(EINZELTEIL_SATZ* teil, TEILEZUSATZ_SATZ* zusatz, const EDIAENDERUNG_SATZ* neu,
                          int32_t keineEk1, int16_t etikettenArt, TEIL_ERGEBNIS* e)
{
    if (teil == nullptr || zusatz == nullptr || neu == nullptr || e == nullptr)
        return -1;
    int geaendert = 0, vk = 0;
    if (!keineEk1 && neu->Ek1 > 0 && neu->Ek1 != teil->Ek1) {
        teil->Ek1 = neu->Ek1;
        geaendert = 1;
    }
    if (neu->Ek2 > 0 && neu->Ek2 != teil->Ek2) {
        teil->Ek2 = neu->Ek2;
        geaendert = 1;
    }
    if (!keineEk1 && neu->Preis3 > 0 && neu->Preis3 != teil->Preis3) {
        teil->Preis3 = neu->Preis3;
        geaendert = 1;
    }
    if (neu->Preis6 != teil->Preis6) {
        teil->Preis6 = neu->Preis6;
        geaendert = vk = 1;
    }
    if (neu->Vk1 != teil->Vk1) {
        teil->Vk1 = neu->Vk1;
        geaendert = vk = 1;
    }
    if (neu->Vk2 != teil->Vk2) {
        teil->Vk2 = neu->Vk2;
        geaendert = vk = 1;
    }
    char text2[TEXT_MAX + 1], bisher[TEXT_MAX + 1];
    FeldKurzKopieren(text2, sizeof text2, neu->Text2, sizeof neu->Text2);
    FeldKurzKopieren(bisher, sizeof bisher, zusatz->Text2, sizeof zusatz->Text2);
    if (strcmp(text2, bisher) != 0) {
        memset(zusatz->Text2, 0, sizeof zusatz->Text2);
        TextKopieren(zusatz->Text2, sizeof zusatz->Text2, text2);
        geaendert = 1;
    }
    if (etikettenArt >= 0 && etikettenArt <= 5) {
        teil->MwstSatz = etikettenArt;
        geaendert = 1;
    }
    e->Geaendert = geaendert;
    e->VkGeaendert = vk;
    return geaendert;
}

int FilialeMitEtiketten(const unsigned char* hostDaten, int32_t filiale)
{
    if (hostDaten == nullptr || filiale < 1 || filiale > 100)
        return 0;
    return hostDaten[HD_ETIKETT_FILIALE_BASIS + filiale] == '1' ? 1 : 0;
}

int EinzelteilAbgleichen(EINZELTEIL_SATZ* teil, TEILEZUSATZ_SATZ* zusatz, const int32_t* bezeichnung,
                         const EDIAENDERUNG_SATZ* saetze, int32_t anzahl, const AENDERUNG_OPTIONEN* o,
                         const unsigned char* hostDaten, TEIL_ERGEBNIS* e)
{
    if (teil == nullptr || zusatz == nullptr || saetze == nullptr || o == nullptr || e == nullptr)
        return -1;
    memset(e, 0, sizeof *e);
    if (!EinzelteilZuAendern(teil, o->KeineVerkauftenAendern))
        return 0;
    EDIAENDERUNG_SATZ schluessel;
    EinzelteilSchluesselBilden(&schluessel, teil, bezeichnung, zusatz);
    int32_t fund = o->MitSaison == 1 ? EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(saetze, &schluessel, anzahl)
                                     : EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG_Ohne_Saison(saetze, &schluessel, anzahl);
    if (fund <= 0)
        return 0;
    e->Gefunden = 1;
    if (EinzelteilUebernehmen(teil, zusatz, &schluessel, o->KeineEk1Aenderung, o->EtikettenArt, e) != 1)
        return 0;
    int nachVk = o->DruckenNurBeiVk == 0 || e->VkGeaendert;
    e->InListe = o->PreisaenderungenDrucken == 1 && nachVk;
    e->Etikett = o->EtikettenDrucken == 1 && nachVk && FilialeMitEtiketten(hostDaten, teil->Filiale);
    return 1;
}

void EtikettAnforderungBilden(ETIKETT_ANFORDERUNG* a, int32_t nummer, const EINZELTEIL_SATZ* teil)
{
    if (a == nullptr)
        return;
    memset(a, 0, sizeof *a);
    if (teil == nullptr)
        return;
    a->TeilNummer = nummer;
    a->Ek1 = teil->Ek1;
    a->Filiale = teil->Filiale;
    a->Filiale2 = teil->Filiale;
    a->Wert = teil->EtikettWert;
    a->Wert2 = (int32_t)teil->EtikettWert2;
}

static int32_t OXCALL NummerPasst(const void* element, void* parameter)
{
    return ((const PREISAENDERUNG_ELEMENT*)element)->TeilNummer == *(const int32_t*)parameter;
}

static void OXCALL ElementFreigeben(void* element)
{
    Storage_Deallocate(element);
}

int PreisaenderungAufnehmen(HOSTHANDLE* liste, int32_t* suchNummer, int32_t nummer, const EINZELTEIL_SATZ* nach,
                            const EINZELTEIL_SATZ* vor, const unsigned char* hostDaten)
{
    int rc = 0;
    if (liste == nullptr || suchNummer == nullptr || nach == nullptr || vor == nullptr)
        return -1;
    if (!FilialeMitEtiketten(hostDaten, nach->Filiale))
        return 0;
    PREISAENDERUNG_ELEMENT* e = nullptr;
    if (*liste != 0) {
        *suchNummer = nummer;
        e = (PREISAENDERUNG_ELEMENT*)List_FindElement(*liste, NummerPasst, suchNummer);
    }
    if (e != nullptr) {
        e->Nachher.Ek1 = nach->Ek1;
        e->Nachher.Vk1 = nach->Vk1;
        e->Nachher.Ek2 = nach->Ek2;
        e->Nachher.Vk2 = nach->Vk2;
        e->Nachher.Preis3 = nach->Preis3;
        e->Nachher.Preis6 = nach->Preis6;
        rc = 2;
    } else {
        e = (PREISAENDERUNG_ELEMENT*)Storage_Allocate((int32_t)sizeof(PREISAENDERUNG_ELEMENT));
        if (e == nullptr)
            return -1;
        memset(e, 0, sizeof *e);
        e->TeilNummer = nummer;
        e->Nachher = *nach;
        e->Vorher = *vor;
        if (List_NewElement(liste, e) == 1) {
            rc = 1;
        } else {
            Storage_Deallocate(e);
            rc = -1;
        }
    }
    return rc;
}

void PreisaenderungslisteFreigeben(HOSTHANDLE* liste)
{
    if (liste == nullptr)
        return;
    if (*liste != 0)
        List_Destroy(*liste, ElementFreigeben);
    *liste = 0;
}
