/*
 * pricatexport.h - the writer of the article export: ORDANEX article
 * master data as PRICAT file sets in the export folder.
 *
 * One file set per supplier (names in exportnamen.h): the catalogue
 * (".INH": the message header line, then one enciphered PRICAT record per
 * variation, i.e. per cell of an article's size/colour table), and on
 * request the supplier's address (".ADR") and an info text (".TXT").
 * The host hands the articles over through its export list (callbacks 17
 * and 18); the records are built by the host's EDI record library.
 *
 * Each supplier's file set replaces the files of an earlier export only as
 * a whole: every file is written under a working name of its own run, and
 * only a set without any write failure gets its names. The set's earlier
 * files are first moved aside, so a file another workstation holds open
 * stops that set before anything of it was replaced. A set that fails is
 * skipped: its working files go, its earlier files stay as they were; the
 * other suppliers' sets are still placed, and one message box ("ORDANEX")
 * at the end names the file of every skipped set. Two workstations exporting the same supplier at once do not mix
 * their files: the later to finish wins. A run cut short (the program
 * ends) leaves only working files; a run 12 hours later clears them and
 * puts back an earlier file that was moved aside when its name is still
 * free. The files are not forced to the disk before they get their names
 * (that would cost a disk flush per file).
 */
#ifndef KTOXEDI_PRICATEXPORT_H
#define KTOXEDI_PRICATEXPORT_H

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

/* The export folder of the running call: "EDI_EXPORT" beside the host's
 * program-data folder, with trailing backslash when `mitTrenner` is 1. */
void ExportOrdnerErmitteln(char* ziel, size_t groesse, int mitTrenner);

/*
 * Exports the host's export list for one supplier or for all.
 *
 * `dialog` is the export dialog (its control 5003 shows the progress
 * "%d %%"; may be null). `lieferantText` is the supplier number text of
 * the supplier to export; null or empty exports every article that has a
 * supplier, each into its supplier's file set. An article belongs to the
 * supplier when its supplier key begins with `lieferantText` and, when the
 * text names a known supplier, the key resolves to that supplier (a
 * supplier "1" does not take the articles of supplier "12").
 * `erweiterung` (may be null or empty) is added to the file names when one
 * supplier is exported, and remembered in "ZUSATZINFOS"; `infoText` (may
 * be null) is written as the ".TXT" file of a single supplier and
 * remembered there as well.
 *
 * Options from the call context: `AdressimportSuchen` (write ".ADR"),
 * `BleExport` (numbers with the texts), `PflegekennzeichenBeruecksichtigen`
 * (leave out unmaintained articles and records without a 13-character
 * supplier ILN), `ExportModus` (0 normal, 1 with the own ILN marked;
 * anything else exports nothing).
 *
 * Returns 1 when at least one record was written into a set that got its
 * names, else 0. Needs a running call (g_Kontext).
 */
int32_t PricatExportieren(HWND dialog, const char* lieferantText, const char* erweiterung, const char* infoText);

#endif
