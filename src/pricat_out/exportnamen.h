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
 * While an export runs, each file is written under a working name in the
 * same folder: "~" before the file name, then the run's tag and ".TMP"
 * ("~PRICAT-A.INH.6B1C203F2A91.TMP"), which neither the catalogue list of the
 * import nor the upload picks up ("PRICAT*.*", "*.INH"). The tag keeps two
 * runs on different workstations apart and tells when the run began, so a
 * later run can clear what a stopped one left behind. Only a complete run gives the
 * files their names; the files they replace are kept as "....ALT" until
 * the whole set is in place.
 *
 * None of this needs windows.h.
 */
#ifndef KTOXEDI_EXPORTNAMEN_H
#define KTOXEDI_EXPORTNAMEN_H

#include <stddef.h>
#include <stdint.h>

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

/* A run's tag: 12 hex digits, the minute the run began (minutes since
 * 1.1.2000 UTC, the lower 24 bits) and 24 bits that tell apart runs begun
 * in the same minute. `ziel` holds at least EXPORT_KENNUNG_GROESSE bytes. */
enum { EXPORT_KENNUNG_GROESSE = 13 };
void ExportKennungBilden(char* ziel, unsigned long minuten, unsigned long unterscheidung);

/* Minutes since 1.1.2000 UTC, counted as tags count them, of a system time
 * given in 100-ns steps since 1.1.1601 UTC (the layout of a FILETIME). */
unsigned long ExportMinuten(uint64_t zeit);

/* Minutes from the beginning of run `kennung` to `minuten` (counted as in
 * ExportKennungBilden; the 24-bit wrap is taken into account), or -1 when
 * `kennung` is not a tag. */
long ExportKennungAlter(const char* kennung, unsigned long minuten);

/* The working name of `pfad` in run `kennung` (a tag as above): the same
 * folder, "~" before the file name, "." + `kennung` and `art` behind it;
 * `art` is ARBEIT_NEU (".TMP", the file being written) or ARBEIT_ALT
 * (".ALT", the file it replaces, kept until the set is in place). Returns
 * 1, or 0 when it does not fit or `kennung` is not a tag (`ziel`
 * emptied). */
enum { ARBEIT_KEINE = 0, ARBEIT_NEU = 1, ARBEIT_ALT = 2 };
int ExportArbeitsPfad(char* ziel, size_t groesse, const char* pfad, const char* kennung, int art);

/* Reads a file name (without folder: a name with "\", "/" or ":" is none)
 * as a working name: returns ARBEIT_NEU
 * or ARBEIT_ALT, puts the final file name into `ziel` and the run's tag
 * into `kennung` (EXPORT_KENNUNG_GROESSE bytes, may be null), or returns
 * ARBEIT_KEINE for any other name (`ziel` emptied). */
int ExportArbeitsname(const char* name, char* ziel, size_t groesse, char* kennung);

/* "<ordner>ZUSATZINFOS\" + `vorsatz` ("NAM" or "INFO") + `lieferantText`
 * + ".TXT"; `ordner` with trailing separator. `mitDatei` 0 gives the
 * folder alone (with trailing separator). Returns 1, or 0 when it does
 * not fit (`ziel` emptied). */
int ZusatzinfoPfad(char* ziel, size_t groesse, const char* ordner, const char* vorsatz,
                   const char* lieferantText, int mitDatei);

/* The preview of the export dialog: "PRICAT-<name>[-<erweiterung>](INH,ADR)"
 * with ",TXT" inside the brackets when `mitText` is 1; "-" and the
 * extension whenever it is not null (an empty one gives "PRICAT-<name>-");
 * cleaned and upper case as a file name. */
void ExportVorschau(char* ziel, size_t groesse, const char* name, const char* erweiterung, int mitText);

#endif
