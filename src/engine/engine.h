/*
 * engine.h - the import engine: one catalogue row becomes ORDANEX data.
 *
 * The road of one row, in the order the import page calls it:
 *
 *   1. table    TabelleFuerZeileBauen: the article's size/colour table gets
 *               the row's two characteristics and its prices (tabelle.cpp);
 *   2. article  ArtikelAnlegen: the article is created or corrected from
 *               the page's host-side fields (artikel.cpp);
 *   3. EAN      EanRegistrieren: the row's EAN is entered in the article's
 *               EAN file and the EAN index (ean.cpp);
 *   4. orders   run from ArtikelAnlegen: open orders of the supplier that
 *               hold the article get its prices and table (auftraege.cpp).
 *
 * The engine holds no window: it reads, shows and asks on the page through
 * the page's service and value stores (seitenwerte.h). Without a page the
 * value stores and the mirrors of the context stand for the controls, and
 * questions count as answered with no; so the engine also runs where no
 * window exists (its native tests). The host is reached through the host
 * callbacks of the context (HostFunktion02 to 16) and the host libraries.
 *
 * State in the call context (EDI_KONTEXT, appended by the engine):
 *   OxOut, EdiWerte, DialogWerte and the mirrors   the page's value stores
 *   DialogWerte.Tabelle       the work table (the current article's table)
 *   SerienTabelle, VorgabeTabelle, VorgabeErfolg  series / preset scratch
 *   AktuelleZeile, AktuelleArtikelNummer, ArtikelHandle (article store,
 *   0 or -1 = closed), SeitenZustand (SEITE_ARTIKEL_PER_EAN),
 *   EanZugeordnet, LieferantGeprueft           page state the engine reads
 *   BezugsDatum / BezugsZeit                   the reference time
 *   MarkierterArtikel / MarkierteSerie         tables marked for the import
 *   AuftragsListe, Auftrags*                   open orders and remembered values
 *
 * What the import page does around the engine: when it opens, it
 * registers its controls (SeitenMerkmaleAnmelden), opens the article store
 * into ArtikelHandle, sets LieferantGeprueft from the supplier record, reads
 * the engine's settings (EngineEinstellungenLesen), drops and loads the
 * open orders unless "bte_edi_keine_auftragsaenderung" is set, and records
 * the reference time (BezugszeitMerken); it keeps AktuelleZeile,
 * AktuelleArtikelNummer, SeitenZustand, the value stores and the mirrors
 * current; when it is left, it drops the orders and closes the store.
 *
 * Results follow the module's rule: 1 success / found, 0 not, -1 invalid.
 */
#ifndef KTOXEDI_ENGINE_H
#define KTOXEDI_ENGINE_H

#include <stddef.h>
#include <stdint.h>

#include "kontext/ktoxedi.h"
#include "engine/seitenwerte.h"
#include "hostapi/oxglobdlg.h"

/* Reads the settings the engine follows ("bte_edi_keine_auftragsaenderung"
 * and "bte_edi_farbtexte" of "BERECHNUNGEN") into the context. The import
 * page calls it when it opens; an engine call before that reads them
 * itself. Call it again after changing them. */
void EngineEinstellungenLesen(void);

/* ===================================================================
 * 1. Size and colour table (tabelle.cpp)
 * =================================================================== */

/* The converted value of price `preis` (hundredths) at conversion factor
 * `faktor`: (preis / 100.0 / faktor + 0.005) * 100.0, truncated. A factor
 * that is not a positive finite number, or a result beyond the 32-bit
 * range, gives 0. */
int32_t PreisUmrechnen(int32_t preis, float faktor);

/* The price block of the page: EK1, EK2, VK1, VK2 from slots 1097, 1098,
 * 1099, 1100; EK1 and VK1 converted at the host data's factor. */
void PreisBlockVonSeite(TAB_PREISE* preise);

/* Records the local date and time as the reference time of the import
 * (1.1.1980 00:00:00 when the local time cannot be had). */
void BezugszeitMerken(void);

/* 1 when the host time stamp `zeit` (UTC), in local time, lies before the
 * reference time (earlier date, or the same date and an earlier
 * hh*10000+mm*100+ss); 0 otherwise, also for a null or unconvertible one. */
int ZeitstempelAelterAlsBezug(const HOST_ZEITSTEMPEL* zeit);

/*
 * Adds characteristic `nummer` of kind `art` to one axis of `tabelle`
 * (senkrecht 1: 120 entries with row prices; 0: 200 entries). A colour
 * (kind 6) matches an entry only with the same number and exactly the
 * same colour text `farbText`; other kinds match by number. A new entry
 * goes to the first place behind the used ones; a vertical entry (new or
 * found) gets the price block, which with `aufzeichnen` 1 also goes to the
 * change record; a colour entry gets `farbText`. Kind 0 or less searches
 * nothing and adds at the end. Returns `vorher`, or 0 when the axis was
 * full and the number could not be added (the table is then unchanged).
 */
int AchseErgaenzen(int senkrecht, OXTABELLE* tabelle, int32_t art, int32_t nummer, const char* farbText,
                   const TAB_PREISE* preise, int vorher, int aufzeichnen);

/* 0 when the axis kinds of `tabelle` are not (vArt, hArt); else adds the
 * vertical, then the horizontal characteristic (AchseErgaenzen) and
 * returns the verdict of OXGLOBAL_DLGHELP_PruefeTabelle on the work table
 * (an axis overflow does not change that verdict). */
int ZeilenMerkmaleErgaenzen(OXTABELLE* tabelle, const TAB_PREISE* preise, int32_t vArt, int32_t vNummer,
                            const char* vText, int32_t hArt, int32_t hNummer, const char* hText, int aufzeichnen);

/* Reads the stored table of the article (HostFunktion04) into `aus`: 1
 * when the host had one and TAB_TesteAufGueltigeTabelle accepts it; `aus`
 * is only overwritten then (the read goes through the context's scratch
 * table LadeTabelle). 0 otherwise. */
int GespeicherteTabelleLaden(int32_t artikelNummer, OXTABELLE* aus);

/* Stores the work table (only for an article number > 0 and a valid
 * table): modes 0 and 1 as the article's table (HostFunktion05, changed
 * flag set); modes 0 and 2 also create the cells' description records
 * (OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut, field 199794 zeroed
 * around the call) - in mode 0 not when `serie` > 0 has a stored table. */
void TabelleSpeichern(int modus, int32_t serie, int32_t artikelNummer);

/*
 * Builds the table of article `artikelNummer` for one row: loads its
 * stored table or makes an empty one with the kinds (vArt, hArt), from a
 * branch preset of the host where an axis is Filiale, stores it; for an
 * existing article reads it back, presets prices, remembers the prices
 * and axes for the order update, adds the row's characteristics and
 * stores; takes over the series table when the article allows it.
 * Article number 0: 1 and nothing touched; below 0: 0. Returns the verdict
 * of the last addition (1 when none ran); on 0 the work table is cleared.
 */
int TabelleBauen(int32_t artikelNummer, int32_t vArt, int32_t vNummer, const char* vText, int32_t hArt,
                 int32_t hNummer, const char* hText);

/* TabelleBauen with the page's values for `zeile`: kinds from 1074/1075,
 * numbers from DialogWerte.Art[kind].Nummer; a colour axis takes the
 * supplier colour text (slot 1092 when the article was found by its EAN,
 * else EdiWerte.Farbtext), passed to the change record as well; a Filiale
 * axis takes HostFunktion02(9, slot 1102). 1 without work for article 0;
 * 0 without row or for a negative number. */
int TabelleFuerZeileBauen(const PRICAT_SATZ* zeile, int32_t artikelNummer);

/* The colour text of the first entry of the colour axis (the vertical one
 * when its kind is 6, else the horizontal one when its kind is 6) that
 * holds `nummer`, into `aus` (emptied first, cut to `groesse`). 1 found,
 * 0 not. */
int FarbTextDerNummer(const OXTABELLE* tabelle, int32_t nummer, char* aus, size_t groesse);

/* After a new article: when the article's series flag is 0 and it has a
 * series whose stored table is valid and whose axis kinds differ from the
 * page's: that table (piece counts cleared) becomes the article's table,
 * the page's combos take its kinds, work and series tables are cleared. */
void SerienTabelleUebernehmen(int32_t artikelNummer, const ARTIKEL_SATZ* artikel);

/* Marks the tables of an existing article with a stored table (HostFunktion08,
 * 0) and of its series when that table is older than the reference time
 * (HostFunktion09, 0). Release: HostFunktion08/09 with 1. Discard:
 * HostFunktion10/11. Both forget the remembered numbers. */
void TabellenMarkieren(int32_t artikelNummer);
void MarkierungenFreigeben(void);
void MarkierungenVerwerfen(void);

/* ===================================================================
 * 2. Article creation and correction (artikel.cpp)
 * =================================================================== */

/* The article name: `lieferantKurz` (at most 4 characters) followed by
 * "_____", cut to exactly five characters, then `artikelText`; into `aus`
 * (cut to `groesse`). Null texts count as empty. */
void ArtikelName(char* aus, size_t groesse, const char* artikelText, const char* lieferantKurz);

/* The VAT rate number to write: slot 13758 when it holds 0..5, else the
 * page's VAT combo selection (SeiteMwstKombiSatz). */
int32_t MwstSatzNummer(void);

/* The characteristic codes of the page (host-side code slots of kinds 1..11
 * but 10, found with OXGLOBAL_DLGHELP_FelderVonMerkmal) into a zeroed
 * 856-byte record at byte 29 + 5k. */
void SeitenCodesFuellen(ARTIKEL_KORREKTUR* codes);

/* Fills the new-item record from the page (article, size, season and
 * branch numbers from the host, prices, converted prices, VAT rate) and
 * prepares the change record's characteristic numbers. */
void NeuesTeilFuellen(EINZELTEIL_SATZ* teil);

/* Corrects article `artikelNummer` (OXGLOBAL_DLGHELP_KorrigiereArtikel)
 * from the page's codes, additional text, identification, Standard box and
 * EAN flag; an identification turned into "A"/"a" from another one runs
 * MindestbestandAuslaufartikel first. Returns the library's result. */
int32_t ArtikelKorrigieren(int32_t artikelNummer, const EINZELTEIL_SATZ* teil);

/*
 * Writes the pending article: creates (or finds) it by the page's article
 * name, makes it the current article (AktuelleArtikelNummer), corrects it,
 * sets the article record's fields 142/144/146, takes over the series
 * table (serieUebernehmen 1, unless the name was known already), calls
 * HostFunktion16, learns the article keyword (kind 0), records the number
 * in the change record and, unless "bte_edi_keine_auftragsaenderung" is
 * set, updates the open orders. 1 when an article number > 0 was obtained.
 */
int ArtikelAnlegen(int serieUebernehmen);

/* With a minimum stock for the article: by "mindbest_loeschverhalten" 2
 * asks (string 1031, Yes deletes), 1 deletes, otherwise keeps it. */
void MindestbestandAuslaufartikel(int32_t artikelNummer);

/* Shows existing article `artikelNummer` in the page's slots (not when it
 * was found by its EAN): number, series table and the rest of the fields,
 * characteristics, identification and additional text (unless "EDI-Daten
 * haben Vorrang"), stored prices on the suggestion slots and, by the
 * price take-over rules, in the price slots. */
void ArtikelAnzeigen(int32_t artikelNummer);

/* Learns one mapping: the catalogue `stichwort` of kind `art` (at most 35
 * characters) now means characteristic `nummer` for the catalogue's
 * supplier (memory copy of the EDIMAP store). Nothing for a number below 1
 * or when the same entry is there already. An empty keyword is learnt as
 * well: a kind the supplier leaves empty then maps to the person's choice. */
void MerkmalLernen(int32_t art, int32_t nummer, const char* stichwort);

/* ===================================================================
 * 3. EAN registration (ean.cpp)
 * =================================================================== */

/* Fills the EAN-article record for `zeile` and article `artikelNummer`
 * (codes of kinds 1..8: table kinds through the learnt mapping and the
 * host's record, other kinds from the page's code slots; the EAN when the
 * index accepts it; the article text cut to 24; the supplier colour text).
 * 1 when all eight codes are set, 0 otherwise (also without row/record). */
int EanArtikelSatz(int32_t artikelNummer, const PRICAT_SATZ* zeile, EANARTIKEL_SATZ* satz);

/* Registers the row's EAN for the article: cleans the article's EAN list,
 * adds or changes the entry and enters the EAN in the index, which sets
 * EanZugeordnet; a 13-character EAN sets EanZugeordnet to 1 in any case.
 * Nothing without a row. */
void EanRegistrieren(int32_t artikelNummer, const PRICAT_SATZ* zeile);

/* Enters `ean` for article `artikelNummer` in the EAN index
 * (EANDATA_SetArtikelNummerOhneMusterID) and returns its result. When the
 * EAN named another article before, that article's EAN list lets go of it
 * (no EAN stands at two articles); the import record notes the EAN as
 * registered or moved. */
int32_t EanZuordnen(const char* ean, int32_t artikelNummer);

/* The host's rate number of the row's VAT percentage (OX_MWST_GetMWSTSatz);
 * 2 when the host gives 0 for a percentage above 0; -1 for an empty or
 * negative percentage or without row. */
int32_t ZeilenMwstSatz(const PRICAT_SATZ* zeile);

/* ===================================================================
 * 4. Open orders (auftraege.cpp)
 * =================================================================== */

/* One loaded order: its number, a copy of its head and its positions
 * (room for 2n + 1, n = the head's count), both freed with the element. */
typedef struct AUFTRAG_BLOCK {
    int32_t AuftragsNummer;
    AUFTRAG_KOPF Kopf;
    AUFTRAG_POSITION* Positionen;
} AUFTRAG_BLOCK;

/* Reads the open orders of the catalogue's supplier (AktuellerLieferant)
 * once into the order list: not when it is loaded already. Orders with
 * status word exactly 2 or of another supplier are left out. */
void AuftraegeLaden(void);

/* The visitor of the order store (used by AuftraegeLaden). Always 1. */
int32_t OXCALL AuftragUebernehmen(HOSTHANDLE handle, int32_t auftragsNummer, AUFTRAG_KOPF* kopf);

/* Remembers for the next update: modus 0 the identification and the
 * additional text (cut to 31); any other modus the price block and the two
 * axes (texts cut to 32). */
void AuftragswerteMerken(int modus, const TAB_PREISE* preise, char kennzeichen, const char* zusatztext,
                         int32_t vArt, int32_t vNummer, const char* vText, int32_t hArt, int32_t hNummer,
                         const char* hText);

/* Updates every loaded order: positions of the current article
 * (AktuelleArtikelNummer) in orders of the supplier without status bit 1
 * get the remembered values; every order's head is recomputed and
 * written. An order that cannot be opened stays as it is. */
void AuftraegeAktualisieren(void);

/* Updates one loaded order: opens it (nothing when it cannot be opened);
 * when it is the supplier's and status bit 1 is clear, the positions whose
 * article text names the current article (and whose flag bit 1 is clear)
 * are updated and written; then the head is recomputed and written. */
void AuftragAktualisieren(AUFTRAG_BLOCK* block);

/* One position: identification, additional text cut to 15, the six
 * prices; without entered quantity the remembered axes go into its table
 * (when valid and of the same kinds) and its value is the table's sum,
 * else quantity x EK2 (EK1 when EK2 is 0). */
void AuftragsPositionAktualisieren(AUFTRAG_POSITION* position);

/* Recomputes a head from `anzahl` positions: quantity and value sums,
 * supplier (while all positions agree), status 4 / 2 / 0 keeping bit 0. */
void AuftragsKopfBerechnen(AUFTRAG_KOPF* kopf, AUFTRAG_POSITION* positionen, int32_t anzahl);

/* Destroys the order list and everything it holds. */
void AuftraegeVerwerfen(void);

#endif
