/*
 * callbacks.h - the stand-in host's 26 callbacks (see callbacks.cpp).
 */
#ifndef OX_STANDIN_CALLBACKS_H
#define OX_STANDIN_CALLBACKS_H

#include "hostapi/hostcallbacks.h"

#include <string>
#include <vector>

int32_t WINAPI Host01(int32_t art, HWND fenster, int32_t herkunft);
int32_t WINAPI Host02(int32_t art, const char* code);
int32_t WINAPI Host03(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
int32_t WINAPI Host04(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
int32_t WINAPI Host05(int32_t artikelNummer, const OXTABELLE* tabelle);
int32_t WINAPI Host06(int32_t serienNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
int32_t WINAPI Host07(OXTABELLE* tabelle, int32_t code);
int32_t WINAPI Host08(int32_t artikelNummer, int32_t flag);
int32_t WINAPI Host09(int32_t serienNummer, int32_t flag);
int32_t WINAPI Host10(int32_t artikelNummer);
int32_t WINAPI Host11(int32_t serienNummer);
int32_t WINAPI Host12(HWND seite, int32_t id, int32_t art, const char* text);
int32_t WINAPI Host13(HWND seite, int32_t id, int32_t art, const char* text);
int32_t WINAPI Host14(char* puffer, int32_t art);
int32_t WINAPI Host15(int32_t art, int32_t nummer, MERKMAL_SATZ* satz);
int32_t WINAPI Host16(int32_t null);
const HOST_EXPORTLISTE* WINAPI Host17(int32_t null);
int32_t WINAPI Host18(int32_t null);
int32_t WINAPI Host19(void);
int32_t WINAPI Host20(int32_t art, const char* text);
int32_t WINAPI Host21(HWND seite, int32_t art, const char* code, const char* text);
int32_t WINAPI Host22(HWND seite, int32_t warengruppe, int32_t lieferant, int32_t ek1, int32_t ek2, int32_t* vk);
int32_t WINAPI Host23(const char* datei, int32_t modus);
int32_t WINAPI Host24(int32_t handle);
int32_t WINAPI Host25(int32_t handle, const ETIKETT_ANFORDERUNG* anforderung);
int32_t WINAPI Host26(HWND fenster, B_DOC* dokument, HOSTHANDLE liste);

/* 01 shows a picker of the store's characteristics of the kind (dialog
 * captioned STANDIN_AUSWAHL_LIEFERANT for kind 8, else
 * STANDIN_AUSWAHL_MERKMAL) with a list box STANDIN_AUSWAHL_LISTE whose
 * entries read "<code> <text>" in number order; OK or a double click takes
 * the selected entry, "Abbrechen" gives 0. */
#define STANDIN_AUSWAHL_LISTE 100
#define STANDIN_AUSWAHL_LIEFERANT "Lieferant ausw\xe4hlen"
#define STANDIN_AUSWAHL_MERKMAL "Merkmal ausw\xe4hlen"
#define STANDIN_AUSWAHL_LIEFERANT_W L"Lieferant ausw\u00e4hlen"
#define STANDIN_AUSWAHL_MERKMAL_W L"Merkmal ausw\u00e4hlen"

/* The host's own name of kind `art` (12, 13 and 14 show it; an empty name
 * leaves the module's default caption). This host names kinds 3, 4 and 5
 * "Serie", "Label" and "Material". */
void Standin_ArtName(int32_t art, const char* name);
/* The name set for kind `art`; empty when it has none. */
std::string Standin_ArtNameVon(int32_t art);

/* The articles the host hands to an export (17): the marked articles in
 * the given order (numbers the store does not hold come with an empty
 * supplier key), or after Standin_ExportAuswahlAlle every article of the
 * store in number order (the default). Each comes with the number text of
 * its supplier as its key. */
void Standin_ExportAuswahl(const std::vector<int32_t>& artikel);
void Standin_ExportAuswahlAlle(void);

/* Preset codes of 07: the branches (kind 9) across, down, or both axis
 * kinds 9 without entries (the axes that may carry branches). 07 gives 0
 * when the store has no branch. */
#define STANDIN_VORGABE_WAAGRECHT 0x1005
#define STANDIN_VORGABE_SENKRECHT 0x1006
#define STANDIN_VORGABE_ACHSEN 0x1007

/* 21 shows the dialog STANDIN_NEU_TITEL with a code edit STANDIN_NEU_CODE
 * (4 characters) and a text edit STANDIN_NEU_TEXT (24), prefilled with the
 * given code and text; OK creates the characteristic of the kind in the
 * store and returns its number (an empty or used code keeps the dialog
 * open with a message), "Abbrechen" gives 0. */
#define STANDIN_NEU_TITEL_W L"Neues Merkmal"
#define STANDIN_NEU_TITEL "Neues Merkmal"
#define STANDIN_NEU_CODE 101
#define STANDIN_NEU_TEXT 102

/* 22 calculates VK as the purchase price (EK2, else EK1) times the markup
 * of the Warengruppe in percent: key <Warengruppe code> of section
 * STANDIN_KALKULATION in the host's INI file, else its key "standard",
 * else STANDIN_AUFSCHLAG_STANDARD; rounded to hundredths. Without
 * Warengruppe or purchase price it calculates nothing (0). */
#define STANDIN_KALKULATION "KALKULATION"
#define STANDIN_AUFSCHLAG_STANDARD 200

/* 1 while the table of (owner kind TAB_BESITZER_..., number) is marked by
 * 08 / 09 (flag 0); 08 / 09 with flag 1 and 10 / 11 take the mark away. */
int Standin_TabelleMarkiert(int32_t besitzer, int32_t nummer);

/* How often each callback was called (index 1 to 26), for tests. */
extern long g_StandinRufe[27];

/* When set, a callback that the stand-in host does not offer records its
 * number here instead of showing its message box (tests of the module's
 * own behaviour). 0 = show the message box. */
extern int g_StandinStill;

#endif
