/*
 * stichwort.h - keywords of catalogue rows: which text of a row names the
 * characteristic of a kind, field map files per supplier, the "@" rule of
 * keys and texts, and the supplier colour text.
 *
 * Characteristic kinds are the host's numbers: 0 article number,
 * 1 Hauptgruppe, 2 Warengruppe, 3 Serie, 4 Label, 5 Material, 6 Farbe,
 * 7 Groesse, 8 Lieferant, 9 Filiale, 11 Saison (10 is not used).
 *
 * A keyword may be a key, "@" and a text ("12@Jacke"): the text after the
 * first "@" is what is shown and matched by text, the key is matched by
 * code.
 *
 * Field map. A supplier may have a field map file (an INI file, section
 * "PRICAT", found through the master-data store by the supplier's ILN).
 * For kind k and slot s (1..9) the key "Mk_s" names catalogue fields by
 * number ("13", or several joined by "+": "9+13"), and "Mk_s_P" gives for
 * each of them "start;length" ("1;4", joined by "+" the same way). The
 * texts of a slot's fields are joined; slot 1 is tried first, the next
 * slot only while the keyword is still empty or begins with a blank (its
 * text is appended to what is there). With a field map in force every
 * kind takes its keyword from the map alone.
 *
 * Hostile field map files are harmless: field numbers are checked by the
 * EDI library (unknown ones give no text), start and length are passed on
 * as read (the library bounds them by the field), numbers beyond the
 * 32-bit range are held at its limits, a slot keeps at most 10 parts, and
 * every text is cut to its buffer.
 *
 * No windows.h: this builds natively as well.
 */
#ifndef KTOXEDI_STICHWORT_H
#define KTOXEDI_STICHWORT_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/edi.h"
#include "kontext/stichwortstand.h"

/* One kind as the import page shows it: the control of the catalogue side
 * (keyword), the host side's edit and alternative text control (0 = none),
 * and the row field of the keyword when no field map is in force (0 = none;
 * kind 2 reads the first non-blank of three fields). */
typedef struct STICHWORT_ART {
    int32_t Art;
    int32_t EdiText;
    int32_t HostEdit;
    int32_t HostText;
    int32_t StandardFeld;
} STICHWORT_ART;

/* The description of kind `art`, or null for kinds 8 and 10 and numbers
 * outside 0..11 (they have no controls and no keyword). */
const STICHWORT_ART* StichwortArtBeschreibung(int32_t art);

/*
 * Loads the field map of the supplier `iln` (at most 13 characters are
 * read) into `stand`, unless it is the one loaded last (exact comparison of
 * the ILNs). The tables are zeroed
 * first; the file is made the library's current INI file for the reading
 * and released afterwards. Without a file (or when it cannot be made
 * current) the tables stay zero. The ILN is remembered either way.
 */
void FeldMapLaden(FELDMAP_STAND* stand, const char* iln);

/*
 * The keyword of kind `art` from the field map. Returns 0 and leaves `aus`
 * alone when no field map is in force (regeln->FeldMap->Vorhanden is not
 * 1). Otherwise loads the map for regeln->KatalogIln, composes the keyword
 * of kinds 0..7 and 11 into `aus` (`groesse` bytes; other kinds give an
 * empty text), upper-cases a kind-0 keyword when regeln->Grossschreibung
 * is 1, and returns 1.
 */
int FeldMapStichwort(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                     size_t groesse);

/* The keyword of kind `art` from the row's own field (the default source,
 * no field map): kind 2 takes the first of Warengruppe, WarengruppeErsatz1
 * that is not empty and does not begin with a blank, else
 * WarengruppeErsatz2. Kinds without a source give an empty text. */
void StichwortStandard(int32_t art, const PRICAT_DATEN* daten, char* aus, size_t groesse);

/* The keyword of kind `art` uncut: from the field map when one is in
 * force, else from the default source. This is the criterion text of the
 * catalogue's row table and filter. */
void StichwortUngekuerzt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                         size_t groesse);

/* The keyword of kind `art` as the import sees it: StichwortUngekuerzt,
 * then a keyword longer than 23 characters is cut to 28 when it holds an
 * "@", else to 23. Never fails; `aus` should hold STICHWORT_GROESSE bytes. */
void StichwortDerArt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                     size_t groesse);

/* Splits `stichwort` (taken with at most 255 characters) at its first "@":
 * the key before it into `schluessel`, the text behind it into `text`;
 * returns 1. Without "@": `schluessel` empty, `text` the whole keyword,
 * returns 0. Either output may be null. */
int StichwortZerlegen(const char* stichwort, char* schluessel, size_t schluesselGroesse, char* text,
                      size_t textGroesse);

/* The shown text of a keyword: the part after the first "@", or all. */
void StichwortAnzeigeText(const char* stichwort, char* aus, size_t groesse);

/* StichwortDerArt followed by StichwortZerlegen. Returns the latter's
 * result. */
int StichwortUndSchluesselDerArt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten,
                                 char* schluessel, size_t schluesselGroesse, char* text, size_t textGroesse);

/* The supplier colour text by the setting "bte_edi_farbtexte": mode 0 the
 * shown text of `farbCode`; mode 1 `farbText`, a blank and the shown text
 * of `farbCode`; any other mode `farbText`. Cut to 31 characters. Null
 * texts count as empty. */
void LieferantenFarbText(int32_t modus, char* aus, size_t groesse, const char* farbCode, const char* farbText);

/* LieferantenFarbText with the row's colour code (BleFarbe) and colour
 * text (Lieferantenfarbe). */
void LieferantenFarbTextDerZeile(int32_t modus, const PRICAT_DATEN* daten, char* aus, size_t groesse);

/* The rules of the running call (field map state and catalogue supplier
 * of the call context, capitals switch of the host data). Defined with the
 * call context; not part of the native build. */
const STICHWORT_REGELN* KontextStichwortRegeln(void);

#endif
