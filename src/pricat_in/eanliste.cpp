/*
 * eanliste.cpp - the open EAN file of an article and the cleaning of its
 * list, with the host's list and memory libraries.
 */
#include "pricat_in/eanliste.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"

#include <string.h>

/* The list of one article's entries while it is cleaned. */
typedef struct EAN_LISTE {
    int32_t Artikel;
    int32_t Geaendert;                 /* 1 = an EAN was cleared */
    HOSTHANDLE Liste;                  /* entry copies in sort order */
    int32_t LeseIndex;                 /* next element handed out for saving */
    int32_t Zustand;                   /* match state of the last comparison */
    int32_t Alle;                      /* 1 = every entry with the EAN loses it */
    const EANARTIKEL_SATZ* Neu;        /* the entry being registered */
} EAN_LISTE;

enum { EAN_GLEICH = 1, VARIATION_GLEICH = 2 };

static int DateiOffen(void)
{
    return g_Kontext != nullptr && g_Kontext->EanDateiHandle > 0 && g_Kontext->EanDateiArtikel > 0;
}

void EanDateiSchliessen(void)
{
    if (g_Kontext == nullptr)
        return;
    if (g_Kontext->EanDateiHandle > 0)
        EANARTIKEL_CloseFile(g_Kontext->EanDateiHandle);
    g_Kontext->EanDateiHandle = -1;
    g_Kontext->EanDateiName[0] = '\0';
    g_Kontext->EanDateiArtikel = 0;
}

int EanDateiOeffnen(int32_t artikel, int32_t modus)
{
    if (g_Kontext == nullptr || artikel < 1)
        return 0;
    if (DateiOffen() && g_Kontext->EanDateiArtikel == artikel)
        return 1;
    EanDateiSchliessen();
    char name[OX_TXT_PATH] = "";
    if (EANARTIKEL_CreateFileName(artikel, name, modus) != 1)
        return 0;
    HOSTHANDLE handle = EANARTIKEL_OpenFile(name, modus);
    if (handle <= 0)
        return 0;
    g_Kontext->EanDateiHandle = handle;
    TextKopieren(g_Kontext->EanDateiName, sizeof g_Kontext->EanDateiName, name);
    g_Kontext->EanDateiArtikel = artikel;
    return 1;
}

int32_t EanEintragSuchen(int32_t artikel, const char* ean, const char* text, const EANARTIKEL_SATZ* eintrag,
                         int32_t* index)
{
    if (index != nullptr)
        *index = 0;
    if (artikel < 1 || EanDateiOeffnen(artikel, 0) != 1)
        return 0;
    return EANARTIKEL_HoleEAN_Artikel_From_Open_File(g_Kontext->EanDateiHandle, 8, artikel, ean, text, eintrag,
                                                     index);
}

int32_t EanEintragNeu(int32_t artikel, const EANARTIKEL_SATZ* eintrag)
{
    if (artikel < 1 || EanDateiOeffnen(artikel, 1) != 1)
        return 0;
    return EANARTIKEL_NeuEintragen_WithOpenFile(g_Kontext->EanDateiHandle, artikel, eintrag);
}

int32_t EanEintragAendern(int32_t artikel, const EANARTIKEL_SATZ* eintrag, int32_t index)
{
    if (artikel < 1 || EanDateiOeffnen(artikel, 0) != 1)
        return 0;
    return EANARTIKEL_Aendern_WithOpenFile(g_Kontext->EanDateiHandle, artikel, eintrag, index);
}

/* --- the list ---------------------------------------------------------------- */

/* Order of entries: the codes of kinds 1 to 8 one after another, then the
 * colour text. */
static int32_t OXCALL EintraegeVergleichen(const void* a, const void* b)
{
    const EANARTIKEL_SATZ* x = (const EANARTIKEL_SATZ*)a;
    const EANARTIKEL_SATZ* y = (const EANARTIKEL_SATZ*)b;
    int r = 0;
    for (int art = 1; art <= 8 && r == 0; art++)
        r = strncmp(x->Merkmal[art], y->Merkmal[art], sizeof x->Merkmal[art]);
    if (r == 0)
        r = strncmp(x->FarbText, y->FarbText, sizeof x->FarbText);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

static int32_t OXCALL EintragHinzu(void* liste, const EANARTIKEL_SATZ* eintrag)
{
    EAN_LISTE* l = (EAN_LISTE*)liste;
    EANARTIKEL_SATZ* kopie = (EANARTIKEL_SATZ*)Storage_Allocate(sizeof(EANARTIKEL_SATZ));
    if (kopie == nullptr)
        return 0;
    memcpy(kopie, eintrag, sizeof *kopie);
    int32_t rc = l->Liste == 0 ? List_NewElement(&l->Liste, kopie)
                               : List_AddSortElement(&l->Liste, kopie, EintraegeVergleichen);
    if (rc != 1) {
        Storage_Deallocate(kopie);
        return 0;
    }
    return 1;
}

/* Match function: elements of the article match; the state tells how. */
static int32_t OXCALL EintragVergleichen(const void* element, void* parameter)
{
    const EANARTIKEL_SATZ* e = (const EANARTIKEL_SATZ*)element;
    EAN_LISTE* l = (EAN_LISTE*)parameter;
    if (e->ArtikelNummer != l->Artikel)
        return 0;
    l->Zustand = 0;
    if (strncmp(e->Ean, l->Neu->Ean, sizeof e->Ean) == 0)
        l->Zustand = EAN_GLEICH;
    if (EintraegeVergleichen(e, l->Neu) == 0)
        l->Zustand += VARIATION_GLEICH;
    return 1;
}

static const EANARTIKEL_SATZ* OXCALL NaechsterEintrag(void* liste)
{
    EAN_LISTE* l = (EAN_LISTE*)liste;
    const EANARTIKEL_SATZ* e = (const EANARTIKEL_SATZ*)List_GetElement(l->Liste, l->LeseIndex);
    if (e != nullptr)
        l->LeseIndex++;
    return e;
}

static void OXCALL EintragFreigeben(void* element)
{
    Storage_Deallocate(element);
}

/* Cleans the list of `artikel` for `neu`; with `alle` every entry with its
 * EAN loses it. Returns the number of entries cleared, -1 without memory. */
static int32_t ListeBereinigen(int32_t artikel, const EANARTIKEL_SATZ* neu, int alle)
{
    EAN_LISTE* liste = (EAN_LISTE*)Storage_Allocate(sizeof(EAN_LISTE));
    if (liste == nullptr)
        return -1;
    liste->Artikel = artikel;
    liste->Neu = neu;
    liste->Alle = alle;
    int32_t geleert = 0;

    if (EanDateiOeffnen(artikel, 0) == 1) {
        EANARTIKEL_LoadArtikelEANs_EX_WithOpenFile(g_Kontext->EanDateiHandle, liste, artikel, EintragHinzu);

        int32_t position = 0;
        int gleicheVariationGesehen = 0;
        EANARTIKEL_SATZ* element;
        while ((element = (EANARTIKEL_SATZ*)List_FindElementEx(liste->Liste, EintragVergleichen, liste,
                                                                &position)) != nullptr) {
            int leeren = 0;
            if (liste->Zustand == EAN_GLEICH || (liste->Alle && (liste->Zustand & EAN_GLEICH)))
                leeren = 1;
            else if (liste->Zustand == EAN_GLEICH + VARIATION_GLEICH) {
                leeren = gleicheVariationGesehen;
                gleicheVariationGesehen = 1;
            }
            if (leeren && element->Ean[0] != '\0') {
                memset(element->Ean, 0, sizeof element->Ean);
                liste->Geaendert = 1;
                geleert++;
            }
        }
        if (liste->Geaendert)
            EANARTIKEL_SaveArtikelEANs_EX_WithOpenFile(g_Kontext->EanDateiHandle, liste, artikel,
                                                       NaechsterEintrag);
    }

    List_Destroy(liste->Liste, EintragFreigeben);
    Storage_Deallocate(liste);
    return geleert;
}

int32_t EanListePflegen(int32_t artikel, const EANARTIKEL_SATZ* neu)
{
    if (artikel < 1 || neu == nullptr)
        return 0;
    ListeBereinigen(artikel, neu, 0);
    return 1;
}

int32_t EanAusListeNehmen(int32_t artikel, const char* ean)
{
    if (artikel < 1 || ean == nullptr || ean[0] == '\0')
        return 0;
    EANARTIKEL_SATZ suche;
    memset(&suche, 0, sizeof suche);
    TextKopieren(suche.Ean, sizeof suche.Ean, ean);
    int32_t geleert = ListeBereinigen(artikel, &suche, 1);
    return geleert > 0 ? geleert : 0;
}
