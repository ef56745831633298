/*
 * oxglobdlg.h - the host's dialog library for article and characteristic
 * fields (OXGLOBDLG.DLL), calls prefixed OXGLOBAL_DLGHELP_.
 *
 * A page first forgets earlier registrations (LoescheDlgElemente), then
 * registers per characteristic kind its button, code edit and description
 * text (FuelleDlgElemente); all other calls come after that and find the
 * controls of a kind through the registration.
 *
 * Two ways to reach the values:
 *  - plain calls read and write the registered controls directly;
 *  - the ...OxOut calls go through the page's binding function
 *    (OXOUT_BINDUNG): for a control id it gives the address and length of
 *    the control's slot in the page's value store. Text slots hold a
 *    terminated text of at most length-1 characters, 4-byte slots a 32-bit
 *    value. The library only touches slots; the page copies slots into
 *    its controls itself.
 *
 * Results: characteristic and article numbers > 0 = chosen / valid,
 * 0 or less = none; other calls 1 = done, 0 = nothing done, -1 = invalid.
 */
#ifndef OX_HOSTAPI_OXGLOBDLG_H
#define OX_HOSTAPI_OXGLOBDLG_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"
#include "hostapi/dbadll.h"
#include "hostapi/oxtabelle.h"

#if defined(BUILD_OXGLOBDLG)
#  define OXGLOBDLG_API OX_DLLEXPORT
#else
#  define OXGLOBDLG_API OX_DLLIMPORT
#endif

/* Binding function of a page: for control `id` stores the slot's address in
 * *adresse and returns the slot's length in bytes; returns 0 (and stores
 * null) for a control without slot. */
typedef int32_t (OXCALL *OXOUT_BINDUNG)(int32_t id, void** adresse);

#pragma pack(push, 1)
/* Correction record of an article (856 bytes), also used as the scratch
 * record that carries a page's characteristic codes: the code of kind k
 * (1..11, not 10) at byte 29 + 5k. Fields beyond those listed are the
 * library's; zero them. */
typedef struct ARTIKEL_KORREKTUR {
    unsigned char Reserve1[34];      /*   0 */
    char Codes[11][OX_TXT_CODE];     /*  34: code of kind k at Codes[k - 1] */
    unsigned char Reserve2[96];      /*  89 */
    char Zusatztext[OX_TXT_32];      /* 185: 31 characters */
    unsigned char Reserve3[56];      /* 217 */
    char Kennzeichen;                /* 273: identification character */
    unsigned char Reserve4[5];       /* 274 */
    int16_t Standard;                /* 279: 1 = standard article */
    unsigned char Reserve5[2];       /* 281 */
    int16_t EanZugeordnet;           /* 283: 1 = EAN already assigned and supplier checked */
    unsigned char Reserve6[571];     /* 285 */
} ARTIKEL_KORREKTUR;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(ARTIKEL_KORREKTUR) == 856, "ARTIKEL_KORREKTUR");
static_assert(offsetof(ARTIKEL_KORREKTUR, Codes) == 29 + 5, "ARTIKEL_KORREKTUR.Codes");
static_assert(offsetof(ARTIKEL_KORREKTUR, Zusatztext) == 185 && offsetof(ARTIKEL_KORREKTUR, Kennzeichen) == 273 &&
              offsetof(ARTIKEL_KORREKTUR, Standard) == 279 && offsetof(ARTIKEL_KORREKTUR, EanZugeordnet) == 283,
              "ARTIKEL_KORREKTUR fields");
#endif

/* The picker of OnButtonMerkmal / OnButtonArtikelOxOut: a modal dialog
 * with this caption (kind 8, kind 0, other kinds) and a list box of the
 * kind's characteristics, one "code<tab>text" line each in number order;
 * "OK" or a double click takes the selected line, "Abbrechen" nothing. */
#define OXGLOBDLG_AUSWAHL_LISTE 100
#define OXGLOBDLG_AUSWAHL_LIEFERANT "Lieferant ausw\xe4hlen"
#define OXGLOBDLG_AUSWAHL_ARTIKEL "Artikel ausw\xe4hlen"
#define OXGLOBDLG_AUSWAHL_MERKMAL "Merkmal ausw\xe4hlen"
#define OXGLOBDLG_AUSWAHL_LIEFERANT_W L"Lieferant ausw\u00e4hlen"
#define OXGLOBDLG_AUSWAHL_ARTIKEL_W L"Artikel ausw\u00e4hlen"
#define OXGLOBDLG_AUSWAHL_MERKMAL_W L"Merkmal ausw\u00e4hlen"

/* Forgets every registration. */
OX_EXTERN_C OXGLOBDLG_API void OXCALL OXGLOBAL_DLGHELP_LoescheDlgElemente(void);

/* Registers kind `art`'s button, code edit and description text (0 = the
 * page has none). 1, or -1 for an invalid kind. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_FuelleDlgElemente(int32_t art, int32_t buttonId,
                                                                           int32_t editId, int32_t textId);

/* The edit and text control registered for `art` into *editId / *textId
 * (0 when none; either pointer may be null). 1 = registered, 0 = not. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_FelderVonMerkmal(int32_t art, int32_t* editId, int32_t* textId);

/* Shows characteristic (art, nummer) in the kind's controls: code in the
 * edit, text in the description; -1 (or a number not found) empties them.
 * 1 = shown, 0 = emptied. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_MerkmalToDialog(HWND seite, int32_t art, int32_t nummer);

/* The same into the kind's slots (kind 0: the article name's code and the
 * article number text into the article slot). */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(HWND seite, int32_t art, int32_t nummer,
                                                                              OXOUT_BINDUNG bindung);

/* Lets the user pick a characteristic of `art` in the host's selection
 * dialog and shows it. Returns the number chosen (0 = cancelled). */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonMerkmal(HWND seite, int32_t art);

/* Resolves the code typed into the kind's edit and shows the
 * characteristic (or empties the description). Returns its number, 0 for
 * an empty or unknown code. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnEditMerkmal(HWND seite, int32_t art);

/* The two above through the kind's slots. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonMerkmalOxOut(HWND seite, int32_t art, OXOUT_BINDUNG bindung);
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnEditMerkmalOxOut(HWND seite, int32_t art, OXOUT_BINDUNG bindung);

/* Reads the code typed into the kind's edit and returns the characteristic
 * number it names (0 = empty or unknown); `modus` 0 only checks, nothing is
 * shown. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_PruefeEingabe(HWND seite, int32_t art, int32_t modus);

/* Lets the user pick an article of supplier `lieferant` (0 = all) and puts
 * it into the article slot. Returns the article number (> 0 = chosen). */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnButtonArtikelOxOut(HWND seite, int32_t lieferant,
                                                                              OXOUT_BINDUNG bindung);

/* Resolves the article name in the article slot (supplier code and article
 * number text). Returns the article number, 0 when unknown. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_OnEditArtikelOxOut(HWND seite, OXOUT_BINDUNG bindung);

/* Copies the text of control `id` into its slot (numbers into 4-byte
 * slots). 1, 0 for a control without slot. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_EingabenInOxOutUebernehmen(HWND seite, int32_t id,
                                                                                    OXOUT_BINDUNG bindung);

/* Text of the slot of `id` into `puffer` (at most laenge-1 characters,
 * terminated). Returns the length, 0 without slot. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_GetDlgOx_OutItemText(HWND seite, int32_t id, char* puffer,
                                                                              int32_t laenge, OXOUT_BINDUNG bindung);

/* Sets the slot text of `id` (cut to the slot). 1, 0 without slot. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_SetDlgOx_OutItemText(HWND seite, int32_t id, const char* text,
                                                                              OXOUT_BINDUNG bindung);

/* 32-bit value of the 4-byte slot of `id` (0 without slot) / sets it. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_GetOx_OutItemLong(HWND seite, int32_t id, OXOUT_BINDUNG bindung);
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_SetOx_OutItemLong(HWND seite, int32_t id, int32_t wert,
                                                                           OXOUT_BINDUNG bindung);

/* The article name (see dbadll.h: supplier code padded to five characters,
 * then the article number text) from the slots into `puffer` (64 bytes).
 * Returns its length. The WithOxOutVariable form is the same. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_MakeArtikelStringOxOut(HWND seite, char* puffer,
                                                                                OXOUT_BINDUNG bindung);
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable(HWND seite, char* puffer,
                                                                                            OXOUT_BINDUNG bindung);

/* Returns the number of the article named `artikelName`, creating the kind-0
 * characteristic and an empty article record when it does not exist. 0 when
 * it cannot be created (empty name, store failure). */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(const char* artikelName);

/* Corrects article `artikelNummer` from the correction record (codes,
 * additional text, identification, standard flag) and the new-item record
 * (prices, VAT rate) and writes it. 1 = written, 0 = not (no such article),
 * -1 = invalid. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_KorrigiereArtikel(int32_t artikelNummer,
                                                                           const ARTIKEL_KORREKTUR* korrektur,
                                                                           const EINZELTEIL_SATZ* neuesTeil);

/* The series characteristic number of the article (0 = none); *fehler gets
 * 0 when the article's series could be determined, 1 otherwise. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(const ARTIKEL_SATZ* artikel,
                                                                                            int32_t* fehler);

/* 1 when `tabelle` is a usable size table (the checks of
 * TAB_TesteAufGueltigeTabelle, plus axis kinds that name existing
 * characteristics); 0 otherwise. Shows nothing. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_PruefeTabelle(HWND fenster, const OXTABELLE* tabelle);

/* Creates the description records of the table's cells for the article
 * on the page (the host's "filler"). `modus` 1 = all cells. 1 = done. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut(HWND seite, OXTABELLE* tabelle,
                                                                                        int32_t modus,
                                                                                        OXOUT_BINDUNG bindung);

/* Fills the remaining characteristic slots of the page from series `serie`
 * and its table. 1 = done. */
OX_EXTERN_C OXGLOBDLG_API int32_t OXCALL OXGLOBAL_DLGHELP_FillRestDialogFromMMOxOut(HWND seite, int32_t serie,
                                                                                   OXTABELLE* tabelle,
                                                                                   OXOUT_BINDUNG bindung);

#endif
