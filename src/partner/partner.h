/*
 * partner.h - services the host calls directly, outside an import or export
 * call (no call context): the own location number, the supplier of a GLN,
 * the EDI folders, the DESADV import and the article assignment dialog.
 * The module uses the first two itself as well.
 */
#ifndef KTOXEDI_PARTNER_H
#define KTOXEDI_PARTNER_H

#include <windows.h>
#include <stdint.h>

/* Writes the company's own 13-character ILN/GLN from the INI section
 * "EIGNER" into `iln` (at least 14 bytes) and returns 1; returns 0 and
 * leaves `iln` unchanged when none of the right length is configured. */
extern "C" int32_t WINAPI EDI_ErmittleEigeneILN(char* iln);

/* Number (1 to 1000) of the first supplier record that lists `gln` in one
 * of its ten ILN slots; 0 when none does or `gln` is not 13 characters. */
extern "C" int32_t WINAPI EDI_ErmittleLieferant(const char* gln);

/* The EDI import folder beside the host's program-data folder `hostPfad`,
 * created when missing, with trailing backslash, into `ordner` (at least
 * 260 bytes). Returns `ordner`. */
extern "C" char* WINAPI EDILieferung_HoleEDI_ImportPfad(char* ordner, const char* hostPfad);

/* The backup folder "SICHERUNG" inside the import folder, both created when
 * missing, with trailing backslash. Returns `ordner`. */
extern "C" char* WINAPI EDILieferung_HoleSicherungsPfad(char* ordner, const char* hostPfad);

/* Host callback that books one DESADV position; non-zero = booked. */
typedef int32_t (WINAPI *DESADV_BUCHUNG)(int32_t fehlerDatei, const char* gtin, const char* zweiterText,
                                         int32_t wert2, int32_t menge, int32_t wert4);

/* Imports the positions of the DESADV file `pfad` addressed to
 * `erwarteteIln` through `buchung`; collects what was not booked in
 * "NOTIMPORTED.DES" / "NOTIMPORTED_GTIN.DAT" beside the file and reports
 * in `fehlerOrdner`"DESADVERR.TXT". Returns the number of positions not
 * booked; `satzAnzahl` counts the records read. */
extern "C" int32_t WINAPI EDILieferung_GetAllDesadvSet(const char* pfad, int32_t wert2, const char* erwarteteIln,
                                                       int32_t wert4, DESADV_BUCHUNG buchung,
                                                       const char* fehlerOrdner, int32_t* satzAnzahl);

/* Dialog 1013 "EDI-Artikelzuweisung" over `besitzer` for the candidate
 * record `kandidaten`; returns the chosen article number, 0 = cancelled. */
extern "C" int32_t WINAPI KTOXEDIARTDIALOG_Dialog(HWND besitzer, const void* kandidaten);

/* Makes the folder `ordner` (without trailing separator) when it is
 * missing. When that fails: the message "PathCreate Error:%s" with the
 * folder (string IDS_PFAD_FEHLER, caption "ORDANEX", owner `besitzer`, may
 * be null); the caller goes on either way. */
void EdiOrdnerSicherstellen(const char* ordner, HWND besitzer);

/* The EDI folder `name` of `hostPfad` (EdiOrdnerPfad, without trailing
 * separator) into `ordner`, made when missing (EdiOrdnerSicherstellen). */
void EdiOrdnerAnlegen(char* ordner, size_t groesse, const char* hostPfad, const char* name, HWND besitzer);

#endif
