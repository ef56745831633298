/*
 * seitenstand.h - the value stores of the "Importieren" page kept in the
 * call context (OxOut record, the shown row's catalogue values, the
 * pending article). How the page and the engine use them:
 * engine/seitenwerte.h.
 */
#ifndef KTOXEDI_SEITENSTAND_H
#define KTOXEDI_SEITENSTAND_H

#include <stdint.h>

#include "hostapi/dbadll.h"
#include "hostapi/hostdefs.h"
#include "hostapi/oxtabelle.h"

enum {
    SEITE_ARTEN = 12,           /* kinds 0..11 */
    SEITE_EDI_TEXT = 36,        /* slot of a catalogue keyword */
    SEITE_ARTIKEL_TEXT = 29,    /* slot 1091: article number text */
    SEITE_CODE = 5,             /* slot of a code edit */
    SEITE_BEZEICHNUNG = 25,     /* slot of a description text */
    SEITE_TEXT33 = 33,          /* slots 1092, 1093 */
    SEITE_KENNUNG = 2           /* slot 1103 */
};

/* Page state bit: the current article was identified by its EAN. */
#define SEITE_ARTIKEL_PER_EAN 4

/* What the engine asks, reads or shows on the "Importieren" page goes
 * through this record, which the page provides (the window one is in
 * seiten/seitendienst.h); the engine itself holds no window, touches no
 * control and shows no box. `Seite` is the provider's own (the window
 * page's dialog window) and handed back to every call.
 *
 * Without a call the engine falls back on what needs no page: questions
 * count as answered with no, the controls without slot are read from the
 * context's mirrors, and the host's slot calls run without a page window
 * (they then reach the OxOut record alone). */
typedef struct SEITEN_DIENST {
    void* Seite;
    /* Asks the yes/no question `frage`: 1 = yes, 0 = no. */
    int32_t (*Fragen)(void* seite, const char* frage);
    /* The value of control `id` into *wert (a combo's selected item data,
     * 0 when nothing is selected; a box's tick 1/0; the VAT combo's rate
     * number). 1 = read, -1 = the page does not hold it. */
    int32_t (*Lesen)(void* seite, int32_t id, int32_t* wert);
    /* Sets control `id` to `wert` (selects the combo entry with that item
     * data, ticks or clears a box). 1 = set, 0 = the combo has no such
     * entry (left as it is), -1 = the page does not hold the control. */
    int32_t (*Setzen)(void* seite, int32_t id, int32_t wert);

    /* The host's dialog-library calls on the page's slots, each with the
     * page's binding (ImportOxOutBindung) and the page's window: */
    /* OXGLOBAL_DLGHELP_GetDlgOx_OutItemText: slot `id` as text into `aus`
     * (`groesse` bytes, emptied first); the length. */
    int32_t (*SlotText)(void* seite, int32_t id, char* aus, int32_t groesse);
    /* OXGLOBAL_DLGHELP_SetDlgOx_OutItemText. */
    int32_t (*SlotTextSetzen)(void* seite, int32_t id, const char* text);
    /* OXGLOBAL_DLGHELP_GetOx_OutItemLong / SetOx_OutItemLong. */
    int32_t (*SlotZahl)(void* seite, int32_t id);
    int32_t (*SlotZahlSetzen)(void* seite, int32_t id, int32_t wert);
    /* OXGLOBAL_DLGHELP_MerkmalToDialogOxOut: characteristic `nummer` of
     * kind `art` into the kind's code and description slots. */
    int32_t (*MerkmalZeigen)(void* seite, int32_t art, int32_t nummer);
    /* OXGLOBAL_DLGHELP_FillRestDialogFromMMOxOut. */
    int32_t (*RestZeigen)(void* seite, int32_t serie, OXTABELLE* tabelle);
    /* OXGLOBAL_DLGHELP_ErzeugeMMFillerFromDialogOxOut. */
    int32_t (*ZellenBeschreiben)(void* seite, OXTABELLE* tabelle, int32_t modus);
    /* OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable: the article
     * name of the page into `puffer` (DBA_ARTIKELNAME bytes). */
    int32_t (*ArtikelText)(void* seite, char* puffer);
    /* OXGLOBAL_DLGHELP_PruefeTabelle over the page, or with
     * `hauptfenster` 1 over the main window (the open orders' tables):
     * 1 when the table may be written. */
    int32_t (*TabellePruefen)(void* seite, const OXTABELLE* tabelle, int32_t hauptfenster);

    /* The page's own: its refresh after a new article, and what makes its
     * display current before the engine asks the person something. */
    void (*Auffrischen)(void* seite);
    void (*VorRueckfrage)(void* seite);
} SEITEN_DIENST;

#pragma pack(push, 1)

/* The OxOut record: the slots of dialog 110. Per-kind arrays are indexed
 * by kind; entries of kinds without the control stay unbound. */
typedef struct IMPORT_OXOUT {
    char EdiText[SEITE_ARTEN][SEITE_EDI_TEXT];       /* 1077 (0), 1104, 1108, 1109, 1110, 1111, 1112, 1113,
                                                        1142 (9), 1114 (11) */
    int32_t EdiEk1, EdiEk2, EdiVk1, EdiVk2;          /* 1115, 1117, 1116, 1138 */
    char EdiFarbtext[SEITE_EDI_TEXT];                /* 1118 */
    char EdiZusatztext[SEITE_EDI_TEXT];              /* 1119 */
    char ArtikelText[SEITE_ARTIKEL_TEXT];            /* 1091 */
    char Code[SEITE_ARTEN][SEITE_CODE];              /* 1070 (1), 1079, 1081, 1083, 1085, 1087, 1089,
                                                        1140 (8), 1102 (9), 1096 (11) */
    char Bezeichnung[SEITE_ARTEN][SEITE_BEZEICHNUNG];/* 1127 (1) .. 1133 (7), 1141 (8), 1135 (9), 1134 (11) */
    int32_t Ek1, Ek2, Vk1, Vk2;                      /* 1097, 1098, 1099, 1100 */
    int32_t VorschlagEk1, VorschlagEk2, VorschlagVk1, VorschlagVk2;   /* 1159, 1160, 1166, 1167 */
    char Farbtext[SEITE_TEXT33];                     /* 1092 */
    char Zusatztext[SEITE_TEXT33];                   /* 1093 */
    char Kennung[SEITE_KENNUNG];                     /* 1103 */
    int32_t Mwst;                                    /* 13758: VAT rate number */
} IMPORT_OXOUT;

/* The catalogue values of the shown row. */
typedef struct EDI_WERTE_ART {
    char Text[SEITE_EDI_TEXT];      /* keyword's text part (behind "@", or all) */
    char Schluessel[SEITE_CODE];    /* key part (before "@") */
    int32_t Nummer;                 /* characteristic the host found, 0 = none */
    int32_t HatSchluessel;          /* 1 = the keyword has a key */
} EDI_WERTE_ART;

typedef struct EDI_WERTE {
    EDI_WERTE_ART Art[SEITE_ARTEN];
    int32_t Ek1, Ek2, Vk1, Vk2;
    int32_t Mwst;                   /* 0..5, -1 = none */
    char Farbtext[SEITE_TEXT33];
    char Zusatztext[SEITE_TEXT33];
} EDI_WERTE;

/* The pending article. */
typedef struct DIALOG_WERTE_ART {
    char Bezeichnung[SEITE_BEZEICHNUNG];
    char Code[SEITE_CODE];
    int32_t Nummer;                 /* 0 = none yet */
    int32_t Status;                 /* mapping status (0, 1, 2, 4, 8) */
} DIALOG_WERTE_ART;

typedef struct DIALOG_WERTE {
    DIALOG_WERTE_ART Art[SEITE_ARTEN];
    int32_t Ek1, Ek2, Vk1, Vk2;
    int32_t VorschlagEk1, VorschlagEk2, VorschlagVk1, VorschlagVk2;
    int32_t Mwst;
    char Farbtext[SEITE_TEXT33];
    char Zusatztext[SEITE_TEXT33];
    char Kennung;
    int16_t Standard;
    ARTIKEL_SATZ Artikel;           /* copy of the ORDANEX article record */
    OXTABELLE Tabelle;              /* the article's size table: the engine's work table */
    OXTABELLE TabelleSicherung;     /* its backup copy */
    int32_t TabelleGueltig;
    int32_t SerienNummer;
    int32_t GleichEk1, GleichEk2, GleichVk1, GleichVk2, GleichMwst, GleichZusatztext, GleichFarbe;
} DIALOG_WERTE;

#pragma pack(pop)

#endif
