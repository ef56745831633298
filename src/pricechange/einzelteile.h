/*
 * einzelteile.h - the price change of one stock item, the price-change list
 * and the branch rule for labels. Free of the window system: everything
 * here works on the host's records and lists only.
 *
 * An import leaves change records (EDIAENDERUNG_SATZ) in the host's EDI
 * change store. For each stock item the run of dialog 1005 builds a search
 * key from the item, its description and its extra record, looks the
 * change up among the loaded records and takes the new prices over into
 * the item. Changed items may go into the price-change list and get a
 * label request.
 */
#ifndef KTOXEDI_EINZELTEILE_H
#define KTOXEDI_EINZELTEILE_H

#include "hostapi/hostsaetze.h"

/* What a run does to an item, chosen in dialog 1005 and the settings. */
typedef struct AENDERUNG_OPTIONEN {
    int32_t KeineEk1Aenderung;        /* 1 = EK1 and the third price stay */
    int32_t KeineVerkauftenAendern;   /* 1 = sold items are not touched */
    int32_t EtikettenDrucken;         /* 1 = label requests for changed items */
    int32_t PreisaenderungenDrucken;  /* 1 = changed items go into the list */
    int32_t DruckenNurBeiVk;          /* 1 = list and labels only when a VK changed */
    int32_t MitSaison;                /* 1 = the season must match as well */
    int16_t EtikettenArt;             /* label kind of the change record the import
                                         prepared last; outside 0..5 = none */
} AENDERUNG_OPTIONEN;

/* Outcome for one item (all 0 when it was skipped or no change applies). */
typedef struct TEIL_ERGEBNIS {
    int32_t Gefunden;                 /* a change record applies */
    int32_t Geaendert;                /* a field was taken over: write the item */
    int32_t VkGeaendert;              /* VK1, VK2 or the sixth price changed */
    int32_t InListe;                  /* goes to the price-change list (the
                                         branch rule is applied there) */
    int32_t Etikett;                  /* a label request is due */
} TEIL_ERGEBNIS;

/* 1 when the item is handled at all: its present flag is set and, with
 * `keineVerkauften` 1, its sold flag is clear. 0 otherwise or for null. */
int EinzelteilZuAendern(const EINZELTEIL_SATZ* teil, int32_t keineVerkauften);

/* Builds the search key of an item into `schluessel` (zeroed first):
 * article number, kind 7 = size, kind 11 = season, kinds 1 to 6 and 8 from
 * `bezeichnung` (the 8 numbers of the item's description, kind k at
 * [k - 1]; null = none found, all 0), kinds 9 and 10 = 0; EK1, EK2, third
 * price, VK1, VK2 and sixth price from the item, seventh 0; text 1 and
 * text 2 from the extra record (null = empty), each cut to 31 characters. */
void EinzelteilSchluesselBilden(EDIAENDERUNG_SATZ* schluessel, const EINZELTEIL_SATZ* teil, const int32_t* bezeichnung,
                                const TEILEZUSATZ_SATZ* zusatz);

/*
 * Takes the change record `neu` over into the item and its extra record:
 *   EK1 when `keineEk1` is 0, the new value is above 0 and differs;
 *   EK2 when the new value is above 0 and differs;
 *   the third price when `keineEk1` is 0, above 0 and different;
 *   the sixth price, VK1 and VK2 whenever they differ (also to 0): these
 *   count as a VK change;
 *   text 2 of the extra record when the record's text 2 (cut to 31
 *   characters) differs;
 *   the label kind `etikettenArt` when it lies in 0..5 (always a change).
 * Fills Geaendert and VkGeaendert of `ergebnis`. Returns 1 when something
 * was taken over, 0 when not, -1 for null arguments.
 */
int EinzelteilUebernehmen(EINZELTEIL_SATZ* teil, TEILEZUSATZ_SATZ* zusatz, const EDIAENDERUNG_SATZ* neu,
                          int32_t keineEk1, int16_t etikettenArt, TEIL_ERGEBNIS* ergebnis);

/*
 * The whole change of one item against `anzahl` loaded change records:
 * the skip rule, the key, the search (with or without season), the
 * take-over, and whether the item is due for the list and for a label
 * (branch enabled in `hostDaten`, the host data block, and with
 * DruckenNurBeiVk only when a VK changed). `teil` and `zusatz` are changed
 * in place. Returns 1 when the item changed, 0 when not, -1 for null
 * arguments.
 */
int EinzelteilAbgleichen(EINZELTEIL_SATZ* teil, TEILEZUSATZ_SATZ* zusatz, const int32_t* bezeichnung,
                         const EDIAENDERUNG_SATZ* saetze, int32_t anzahl, const AENDERUNG_OPTIONEN* optionen,
                         const unsigned char* hostDaten, TEIL_ERGEBNIS* ergebnis);

/* Branch rule: 1 when 1 <= filiale <= 100 and the character at offset
 * 17115 + filiale of the host data block is "1"; else 0 (also for null). */
int FilialeMitEtiketten(const unsigned char* hostDaten, int32_t filiale);

/* The label request of item `nummer` (64 bytes, unlisted bytes 0): item
 * number, the item's EK1, its branch twice, its label value and its second
 * label value sign-extended. */
void EtikettAnforderungBilden(ETIKETT_ANFORDERUNG* anforderung, int32_t nummer, const EINZELTEIL_SATZ* teil);

/*
 * Adds item `nummer` to the price-change list `*liste` (0 = empty; created
 * on the first element), with `nach` the item after and `vor` before the
 * change. Nothing happens unless the item's branch is enabled for labels.
 * When the list already holds an element of `nummer` (searched with
 * `*suchNummer` as the key), only its after-copy's EK1, VK1, EK2, VK2,
 * third and sixth price are updated from `nach`. Otherwise a new element
 * (Storage_Allocate) is appended. Returns 1 = appended, 2 = updated,
 * 0 = branch not enabled, -1 = no memory or null arguments (item skipped).
 */
int PreisaenderungAufnehmen(HOSTHANDLE* liste, int32_t* suchNummer, int32_t nummer, const EINZELTEIL_SATZ* nach,
                            const EINZELTEIL_SATZ* vor, const unsigned char* hostDaten);

/* Destroys the price-change list with its elements; `*liste` becomes 0. */
void PreisaenderungslisteFreigeben(HOSTHANDLE* liste);

#endif
