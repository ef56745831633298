/*
 * seitenwerte.h - the value stores of the "Importieren" page (dialog 110)
 * as the import engine reads and writes them.
 *
 * The page keeps three stores in the call context:
 *  - the OxOut record (IMPORT_OXOUT): one slot per bound control, reached
 *    by the host's dialog library through ImportOxOutBindung;
 *  - the catalogue values of the shown row (EDI_WERTE);
 *  - the pending article (DIALOG_WERTE), what will be written, including
 *    the article's size table (the engine's work table) and its backup.
 *
 * Everything the engine does on the page goes through the page's service
 * (SEITEN_DIENST, g_Kontext->SeitenDienst) by the calls below; the engine
 * holds no window. The slots are reached by the host's dialog-library
 * calls, which the service makes with the page's window; without a
 * service they are made without one and reach the OxOut record alone.
 * A few controls have no slot: the Standard box 1072, the table kind
 * combos 1074 / 1075 and the VAT combo 14081. They are read from the
 * control through the service when the page holds it, else from the
 * mirror fields of the context (SeiteStandard, SeiteSenkrechtArt,
 * SeiteWaagrechtArt, SeiteMwstKombiSatz). Writes go to the mirror and,
 * when it exists, the control. So a row can be written without a page:
 * fill the stores and mirrors, call the engine.
 *
 * Kinds index the per-kind arrays (0..11; 8 and 10 have no catalogue
 * side, 10 has no controls at all).
 */
#ifndef KTOXEDI_SEITENWERTE_H
#define KTOXEDI_SEITENWERTE_H

#include <stdint.h>

#include "hostapi/dbadll.h"
#include "hostapi/hostdefs.h"
#include "hostapi/oxtabelle.h"
#include "kontext/seitenstand.h"

/* The page's binding function over g_Kontext->OxOut: for a bound control
 * stores the slot's address in *adresse and returns its length (4 for a
 * 32-bit slot); 0 and a null address for any other id or without context. */
int32_t OXCALL ImportOxOutBindung(int32_t id, void** adresse);

/* Registers the page's controls per kind with the host's dialog library
 * (forgetting earlier registrations first): (0, 1090, 1091, none),
 * (1, 1069, 1070, 1127) ... (11, 1095, 1096, 1134), (8, none, 1140, 1141).
 * The engine finds the code slot of a kind through this registration. */
void SeitenMerkmaleAnmelden(void);

/* Kind selected in combo 1074 (senkrecht 1) or 1075 (senkrecht 0): the
 * selected entry's item data when the page holds the combo (0 when nothing
 * is selected), else the mirror field. */
int32_t SeiteTabellenArt(int senkrecht);

/* Selects `senkrecht` / `waagrecht` in the two combos (the entry whose
 * item data equals it; a kind without entry leaves the combo as it is)
 * and stores both in the mirrors. */
void SeiteTabellenArtenSetzen(int32_t senkrecht, int32_t waagrecht);

/* State of box 1072 (1 ticked, 0 not) / ticks or clears it. */
int32_t SeiteStandard(void);
void SeiteStandardSetzen(int32_t an);

/* Rate number of the selection of combo 14081 (OX_MWST_GetSatzNr_FromComboBox)
 * when the page holds it, else the mirror (-1 = none). */
int32_t SeiteMwstKombiSatz(void);

/* Asks the yes/no question `frage` through the page's service, after the
 * page has made its display current: 1 = yes; 0 = no, also without a
 * service. */
int32_t SeiteFragen(const char* frage);

/* The page's refresh after a new article (nothing without a page). */
void SeiteNachNeuemArtikel(void);

/* The host's slot calls on the page (see SEITEN_DIENST): slot `id` as
 * text into `aus` (`groesse` bytes, emptied first; the length) and set
 * from a text; as a number and set from one; characteristic `nummer` of
 * kind `art` shown in its slots; the rest of the page from series
 * `serie`'s table; the cells' description records of `tabelle`; the page's
 * article name into `puffer` (DBA_ARTIKELNAME bytes); the verdict on
 * `tabelle` over the page, or with `hauptfenster` 1 over the main window
 * (1 = may be written). */
int32_t SlotText(int32_t id, char* aus, int32_t groesse);
int32_t SlotTextSetzen(int32_t id, const char* text);
int32_t SlotZahl(int32_t id);
int32_t SlotZahlSetzen(int32_t id, int32_t wert);
int32_t SeiteMerkmalZeigen(int32_t art, int32_t nummer);
int32_t SeiteRestZeigen(int32_t serie, OXTABELLE* tabelle);
int32_t SeiteZellenBeschreiben(OXTABELLE* tabelle, int32_t modus);
int32_t SeiteArtikelText(char* puffer);
int32_t SeiteTabellePruefen(const OXTABELLE* tabelle, int32_t hauptfenster);

#endif
