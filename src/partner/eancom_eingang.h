/*
 * eancom_eingang.h - EANCOM interchanges that suppliers put into the EDI
 * import folder, converted by the module itself: when the import window
 * opens (before the selection page lists the catalogues) and when the
 * DESADV import is handed an interchange.
 */
#ifndef KTOXEDI_EANCOM_EINGANG_H
#define KTOXEDI_EANCOM_EINGANG_H

#include <windows.h>

#include <stdint.h>

/*
 * Converts every EANCOM interchange of `ordner` (a file that starts like
 * one, whatever its name; not the module's own catalogue, address and
 * despatch files) into that folder, under the hourglass with a progress
 * line in the window `fortschritt` (may be null). Each original moves into
 * `sicherung` once its conversion is complete and converted at least one
 * message (an earlier backup of the name is kept). When something could
 * not be converted or carried, one message box (owner `besitzer`) says so
 * and names the dated report file written into `ordner`. Returns the
 * number of files converted.
 */
int32_t EancomOrdnerUmsetzen(HWND besitzer, HWND fortschritt, const char* ordner, const char* sicherung);

/*
 * Converts the interchange `pfad` into its own folder and moves it into
 * `sicherung` when complete; `jede` is called with the path of every
 * despatch advice file made. Report and message as above. Returns the
 * number of files made, 0 when nothing was converted.
 */
typedef void (*EancomDesFn)(void* daten, const char* pfad);
int32_t EancomDesadvUmsetzen(HWND besitzer, const char* pfad, const char* sicherung, EancomDesFn jede,
                             void* daten);

/* Shows the one message of a conversion (null: a message box). Tests set
 * it to see the text without a window being opened. */
typedef void (*EANCOM_MELDUNG_FN)(HWND besitzer, const char* text, void* daten);
extern EANCOM_MELDUNG_FN g_EancomMeldungAnzeigen;
extern void* g_EancomMeldungDaten;

#endif
