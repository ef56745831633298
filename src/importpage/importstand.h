/*
 * importstand.h - the state of the "Importieren" page: its three value
 * stores (the page's slot record that the host's dialog library reads and
 * writes, the catalogue values of the current row, the pending article),
 * the run state and the candidate block of the article identification.
 *
 * All of it lives once in the call context (EDI_KONTEXT::Import) and starts
 * zeroed. Characteristic kinds index every per-kind array directly (0..11;
 * kind 10 is never used, kind 8 is the supplier).
 *
 * No windows.h needed beyond the host record headers.
 */
#ifndef KTOXEDI_IMPORTSTAND_H
#define KTOXEDI_IMPORTSTAND_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/oxtabelle.h"
#include "partner/artikeldialog.h"

enum {
    IMPORT_ARTEN = 12,          /* kinds 0..11 */
    IMPORT_TEXT_EDI = 36,       /* catalogue-side texts */
    IMPORT_CODE = 5,            /* codes and keys: 4 characters */
    IMPORT_TEXT = 25,           /* descriptions: 24 characters */
    IMPORT_ARTIKEL = 29,        /* the article number edit: 28 characters */
    IMPORT_FREITEXT = 33,       /* supplier colour and additional text: 32 characters */
    IMPORT_ARTIKEL_MAX = 24,    /* longest article number text, "(EDI)" included */
    IMPORT_PREIS_MAX = 999999999,
    IMPORT_AENDERUNG = 4        /* change bit: the user changed a field since the last write */
};

/* Mapping status of a kind (colour of its description). */
enum {
    STATUS_OFFEN = 0,           /* unresolved: light red */
    STATUS_STANDARD = 1,        /* the kind's standard characteristic: light blue */
    STATUS_ABWEICHEND = 2,      /* learnt, but the page holds another: light yellow */
    STATUS_GELERNT = 8          /* learnt and found by the host: light green (4 alike) */
};

/* Stop reason bits of a row. */
enum {
    STOP_FELD = 1,              /* a field needs attention */
    STOP_EINSTELLUNG = 4        /* a stop setting fired */
};

/* Run mode bits. */
enum {
    LAUF_START = 1,
    LAUF_WEITER = 2,
    LAUF_UEBERSPRINGEN = 4
};

#pragma pack(push, 1)

/* The page's slot record: what the binding function hands to the host's
 * dialog library, one slot per bound control. */
typedef struct IMPORT_OXOUT {
    char EdiText[IMPORT_ARTEN][IMPORT_TEXT_EDI];  /* 1077, 1104, 1108..1114, 1142 by kind */
    int32_t EdiEk1, EdiEk2, EdiVk1, EdiVk2;        /* 1115, 1117, 1116, 1138 */
    char EdiLieferantenfarbe[IMPORT_TEXT_EDI];     /* 1118 */
    char EdiZusatztext[IMPORT_TEXT_EDI];           /* 1119 */
    char Artikel[IMPORT_ARTIKEL];                  /* 1091 */
    char Code[IMPORT_ARTEN][IMPORT_CODE];          /* code edits by kind (8: 1140) */
    char Text[IMPORT_ARTEN][IMPORT_TEXT];          /* description texts by kind (8: 1141) */
    int32_t Ek1, Ek2, Vk1, Vk2;                    /* 1097, 1098, 1099, 1100 */
    int32_t VorschlagEk1, VorschlagEk2, VorschlagVk1, VorschlagVk2;  /* 1159, 1160, 1166, 1167 */
    char Lieferantenfarbe[IMPORT_FREITEXT];        /* 1092 */
    char Zusatztext[IMPORT_FREITEXT];              /* 1093 */
    char Kennung[2];                               /* 1103 */
    int32_t Mwst;                                  /* 13758: VAT rate */
} IMPORT_OXOUT;

/* The catalogue values of the current row; zeroed before each fill. */
typedef struct EDI_WERTE {
    char Text[IMPORT_ARTEN][IMPORT_TEXT_EDI];      /* keyword's text part */
    char Schluessel[IMPORT_ARTEN][IMPORT_CODE];    /* keyword's key part */
    int32_t Nummer[IMPORT_ARTEN];                  /* the host's characteristic for it, 0 = none */
    int32_t HatSchluessel[IMPORT_ARTEN];
    int32_t Ek1, Ek2, Vk1, Vk2;
    int32_t Mwst;                                  /* 0..5, -1 = none */
    char Lieferantenfarbe[IMPORT_FREITEXT];
    char Zusatztext[IMPORT_FREITEXT];
} EDI_WERTE;

/* The pending article: what the next write puts into the master data. */
typedef struct DIALOG_WERTE {
    char Text[IMPORT_ARTEN][IMPORT_TEXT];          /* kind 0: the article number text */
    char Code[IMPORT_ARTEN][IMPORT_CODE];
    int32_t Nummer[IMPORT_ARTEN];
    int32_t Status[IMPORT_ARTEN];                  /* STATUS_... */
    int32_t Ek1, Ek2, Vk1, Vk2;
    int32_t VorschlagEk1, VorschlagEk2, VorschlagVk1, VorschlagVk2;
    int32_t Mwst;
    char Lieferantenfarbe[IMPORT_FREITEXT];
    char Zusatztext[IMPORT_FREITEXT];
    char Kennung;
    int16_t Standard;
    ARTIKEL_SATZ Artikel;                          /* copy of the loaded article */
    OXTABELLE Tabelle;                             /* the article's size table */
    OXTABELLE TabelleSicherung;
    int32_t TabelleGueltig;
    int32_t SerienNummer;
    /* 1 = the value equals the catalogue's */
    int32_t GleichEk1, GleichEk2, GleichVk1, GleichVk2, GleichMwst, GleichZusatz, GleichFarbe;
} DIALOG_WERTE;

/* The page's run state and the settings read when the page is entered. */
typedef struct IMPORT_LAUF {
    PRICAT_SATZ* AktuelleZeile;      /* null = no row shown */
    int32_t AktuellerArtikel;        /* 0 = none */
    int32_t Aenderungen;             /* IMPORT_AENDERUNG */
    int32_t LaufAktiv;
    int32_t ArtikelGewechselt;
    int32_t ArtikelGefunden;
    int32_t ArtikelPerEan;
    int32_t StopGrund;               /* STOP_... of the last row */
    int32_t VariationsStop;          /* the every-variation stop fired for this row */
    int32_t GelbWechsel;             /* toggle of the stop at yellow */
    int32_t AngehaltenWechsel;       /* the run stopped at 1145 / 1107 */
    int32_t AngehaltenVariation;
    int32_t Zaehler;                 /* rows fetched by the run */
    int32_t GewaehlterArtikel;       /* article picked with "Artikel" */
    int32_t AutoNummerMarke;         /* "Neu (EDI) autom." made the number */
    int32_t NeuAutom;                /* state of 1165 */
    int32_t ZuletztGeladen;          /* article loaded last into the pending article */
    int32_t TabellenmerkmaleVon;     /* article whose table kinds are in 1074/1075 */
    int32_t OhneNummer;              /* a row was written without article number */
    HOSTHANDLE ArtikelHandle;        /* article store, -1 = not open */
    int32_t LieferantMarke;          /* supplier record flag for the article writer */
    int32_t NurGemappte;             /* "bte_edi_nurgemappte" of the run */
    EDIAENDERUNG_SATZ LetzteAenderung;  /* change record handed on last */
    KANDIDATEN_BLOCK Kandidaten;     /* the identification's candidates */
    int32_t LetzteAenderungGesetzt;
} IMPORT_LAUF;

/* Everything of the page in the call context. */
typedef struct IMPORT_STAND {
    IMPORT_OXOUT OxOut;
    EDI_WERTE Edi;
    DIALOG_WERTE Dialog;
    IMPORT_LAUF Lauf;
} IMPORT_STAND;

#pragma pack(pop)

#endif
