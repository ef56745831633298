/*
 * exportnamen.h - names of the files an article export writes.
 *
 * A supplier's file set in the export folder is
 *   PRICAT-<supplier name>[-<extension>].INH   the catalogue
 *   ... .ADR                                   the supplier's address
 *   ... .TXT                                   the info text
 * Every blank and every "." of the name part (supplier name and extension)
 * becomes "_", and the whole path is in upper case. The folder part is
 * kept as it is apart from the case: it names a folder that exists.
 *
 * The sub-folder "ZUSATZINFOS" of the export folder remembers per supplier
 * number text the name extension ("NAM<text>.TXT") and the info text
 * ("INFO<text>.TXT") so the export dialog can offer them again.
 *
 * While an export runs, each file is written under a temporary name in
 * the same folder ("~" before the file name, ".TMP" behind it), which
 * neither the catalogue list of the import nor the upload picks up
 * ("PRICAT*.*", "*.INH"); only a complete run gives the files their names.
 *
 * None of this needs windows.h.
 */
#ifndef KTOXEDI_EXPORTNAMEN_H
#define KTOXEDI_EXPORTNAMEN_H

#include <stddef.h>

/* Upper case of a cp1252 text, in place (ASCII letters and the accented
 * letters of cp1252: "ä" -> "Ä", "ß" stays). */
void TextGross1252(char* text);

/* Turns every blank and "." of `text` into "_", then upper case, in place. */
void NamensteilBereinigen(char* text);

/* The catalogue path of a supplier: `ordner` (with trailing separator) +
 * "PRICAT-" + `name`, with "-" + `erweiterung` when that is neither null
 * nor empty, + ".INH"; name part cleaned, all upper case. Returns 1, or 0
 * when the path does not fit `groesse` (then `ziel` is emptied). */
int ExportKatalogPfad(char* ziel, size_t groesse, const char* ordner, const char* name,
                      const char* erweiterung);

/* The partner of a catalogue path: `katalog` in upper case, cut at the
 * last ".INH", with `endung` (".ADR", ".TXT") appended. Returns 1, or 0
 * when there is no ".INH" or the result does not fit (`ziel` emptied). */
int ExportPartnerPfad(char* ziel, size_t groesse, const char* katalog, const char* endung);

/* The temporary name of `pfad` while it is written: the same folder, "~"
 * before the file name and ".TMP" behind it. Returns 1, or 0 when it does
 * not fit (`ziel` emptied). */
int ExportTempPfad(char* ziel, size_t groesse, const char* pfad);

/* "<ordner>ZUSATZINFOS\" + `vorsatz` ("NAM" or "INFO") + `lieferantText`
 * + ".TXT"; `ordner` with trailing separator. `mitDatei` 0 gives the
 * folder alone (with trailing separator). Returns 1, or 0 when it does
 * not fit (`ziel` emptied). */
int ZusatzinfoPfad(char* ziel, size_t groesse, const char* ordner, const char* vorsatz,
                   const char* lieferantText, int mitDatei);

/* The preview of the export dialog: "PRICAT-<name>[-<erweiterung>](INH,ADR)"
 * with ",TXT" inside the brackets when `mitText` is 1; the extension only
 * when it is neither null nor empty; cleaned and upper case as a file name. */
void ExportVorschau(char* ziel, size_t groesse, const char* name, const char* erweiterung, int mitText);

#endif
