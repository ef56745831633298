/*
 * einstellungen.h - the module's persistent options.
 *
 * Every option lives in the host's current INI file and is written the
 * moment its control changes; context fields only mirror the stored values
 * while a call runs. Three sections:
 *   "EDIIMPORTER"       check boxes of the selection page, the import page
 *                       and the export dialog (integers, key names held in
 *                       the context);
 *   "BERECHNUNGEN"      import rules of the standard page (longs, one text);
 *   "STANDARD_MERKMALE" the general default characteristic per kind
 *                       (MERKMALKEY01 .. MERKMALKEY11).
 * Supplier-specific defaults go to the host's EDI mapping store under the
 * ILN of the chosen import file.
 */
#ifndef KTOXEDI_EINSTELLUNGEN_H
#define KTOXEDI_EINSTELLUNGEN_H

#include <stddef.h>
#include <stdint.h>

/* "EDIIMPORTER": read an option (key name from the context, e.g.
 * g_Kontext->IniKeyBleExport) with its default; write one. Both use the
 * section name held in the context. */
int32_t EdiOptionLesen(const char* key, int32_t standard);
void EdiOptionSchreiben(const char* key, int32_t wert);

/* The defaults of the "EDIIMPORTER" keys: 1 for "adressimportsuchen",
 * "bleexport", "insicherungsordnerverschieben" and "stopbeiartikelwechsel",
 * 0 for the others (and for any unknown key). */
int32_t EdiOptionStandard(const char* key);

/* "BERECHNUNGEN": one getter and one setter per key; getters return the
 * stored value (0 when absent). */
int32_t Berechnung_GetArtikelkennzeichen(char* text, size_t groesse);  /* returns the action */
void Berechnung_PutArtikelkennzeichen(int32_t aktion, const char* text);
int32_t Berechnung_GetTabellenLoeschen(void);
void Berechnung_PutTabellenLoeschen(int32_t wert);
int32_t Berechnung_GetBeiGelbStoppen(void);
void Berechnung_PutBeiGelbStoppen(int32_t wert);
int32_t Berechnung_GetDruckenNurBeiVk(void);
void Berechnung_PutDruckenNurBeiVk(int32_t wert);
int32_t Berechnung_GetVk2AusVk1(void);
void Berechnung_PutVk2AusVk1(int32_t wert);
int32_t Berechnung_GetEtAenderungMitSaison(void);
void Berechnung_PutEtAenderungMitSaison(int32_t wert);
int32_t Berechnung_GetSerieLabelVorblendung(void);
void Berechnung_PutSerieLabelVorblendung(int32_t wert);
int32_t Berechnung_GetMindbestLoeschverhalten(void);   /* 0, 1 or 2 */
void Berechnung_PutMindbestLoeschverhalten(int32_t wert);
int32_t Berechnung_GetEdiFarbtexte(void);              /* 0, 1 or 2 */
void Berechnung_PutEdiFarbtexte(int32_t wert);
int32_t Berechnung_GetNurGemappte(void);
void Berechnung_PutNurGemappte(int32_t wert);
int32_t Berechnung_GetKeineAuftragsaenderung(void);
void Berechnung_PutKeineAuftragsaenderung(int32_t wert);

/* General default characteristic of kind `art` ("STANDARD_MERKMALE",
 * key MERKMALKEY + two digits); 0 = none. */
int32_t StandardMerkmal_GetGenerell(int32_t art);
void StandardMerkmal_PutGenerell(int32_t art, int32_t nummer);

/* Stores `nummer` as the default of kind `art` for the supplier of the
 * chosen import file. Written only when nummer > 0, a context exists and a
 * file is chosen; returns the mapping store's result, else 0. */
int32_t StandardMerkmal_PutLieferant(int32_t art, int32_t nummer);

/* The default characteristic of kind `art`: the supplier's entry in the
 * mapping store when a file is chosen and the store has one (count > 0),
 * else the general INI value. StandardMerkmal_Suchen reads the store file,
 * StandardMerkmal_SuchenMem the store's memory copy. 0 = none. */
int32_t StandardMerkmal_Suchen(int32_t art);
int32_t StandardMerkmal_SuchenMem(int32_t art);

/* Article-mark filter: 1 when an article with identification character
 * `zeichen` is to be imported under the action (0 = listed marks are
 * ignored, 1 = only listed marks are imported) and mark list given. */
int ArtikelkennzeichenPruefen(char zeichen, int32_t aktion, const char* liste);

/* The same with the mirrors of the running call (KennzeichenAktion,
 * KennzeichenText). */
int ArtikelkennzeichenAkzeptiert(char zeichen);

/* The company's own ILN/GLN from the INI section "EIGNER": the number
 * GLNNUMMERnn (else ILNNUMMERnn) of the index GLNUMMERAKTUELL (else
 * ILNUMMERAKTUELL), taken only when it has exactly 13 characters; copied
 * into `iln` (14 bytes). Returns 1 when found, 0 otherwise (also for a null
 * `iln`). */
int32_t EigeneIlnLesen(char* iln);

#endif
