/*
 * importstand.h - the run state of the "Importieren" page and the
 * candidate block of its article identification, kept in the call context
 * (EDI_KONTEXT::ImportLauf, zeroed at the start of a call). The page's
 * value stores, the current row and article and the article store handle
 * are the context fields the import engine reads (engine/seitenwerte.h).
 */
#ifndef KTOXEDI_IMPORTSTAND_H
#define KTOXEDI_IMPORTSTAND_H

#include <stddef.h>
#include <stdint.h>

#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "kontext/artikeldialog.h"

enum {
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
    STOP_EINSTELLUNG = 4,       /* a stop setting fired */
    STOP_AUSLAUF = 8,           /* a discontinued row whose article is unknown: only
                                   "Diesen Artikel überspringen" passes it */
    STOP_ABSTIMMUNG = 16        /* the article assignment was cancelled: "Zuweisen"
                                   makes a new article of the row, as the page says */
};

/* Run mode bits. */
enum {
    LAUF_START = 1,
    LAUF_WEITER = 2,
    LAUF_UEBERSPRINGEN = 4
};

#pragma pack(push, 1)

/* The page's run state and the settings read when the page is entered. */
/* What the record of one catalogue run counts. */
enum {
    PROT_ARTIKEL_NEU, PROT_ARTIKEL_KORR, PROT_TABELLE, PROT_EAN_NEU, PROT_EAN_UMGETRAGEN, PROT_PREIS,
    PROT_UEBERGANGEN, PROT_AUFTRAG, PROT_ZAEHLER
};

/* The import record of the running catalogue run (engine/protokoll.h):
 * lines collected in `Puffer` and written to the file `Pfad` whenever the
 * buffer fills and whenever the run stands or ends. */
typedef struct IMPORT_PROTOKOLL {
    int32_t Offen;                   /* 1 = a run's record is being written */
    HOSTHANDLE Datei;                /* its file, 0 = not yet created */
    char Pfad[260];
    int32_t Fehler;                  /* 1 = the file could not be written */
    int32_t Zaehler[PROT_ZAEHLER];
    int32_t Korrigiert;              /* article whose correction was recorded last */
    int32_t Fuellung;
    char Puffer[16384];
} IMPORT_PROTOKOLL;

typedef struct IMPORT_LAUF {
    int32_t Aenderungen;             /* IMPORT_AENDERUNG */
    int32_t LaufAktiv;
    int32_t ArtikelGewechselt;
    int32_t ArtikelGefunden;
    int32_t StopGrund;               /* STOP_... of the last row */
    int32_t VariationsStop;          /* the every-variation stop fired for this row */
    int32_t GelbWechsel[12];         /* toggle of the stop at yellow, per kind: every
                                        yellow kind stops once and passes on "Zuweisen" */
    int32_t AngehaltenWechsel;       /* the run stopped at 1145 / 1107 */
    int32_t AngehaltenVariation;
    int32_t Zaehler;                 /* rows fetched by the run */
    int32_t GewaehlterArtikel;       /* article picked with "Artikel" */
    const PRICAT_SATZ* GewaehltFuer; /* the row it was picked at (it holds for that row) */
    const PRICAT_SATZ* AbstimmungFuer;  /* the row whose assignment dialog was answered */
    int32_t AbstimmungErgebnis;      /* and its answer (0 = cancelled) */
    int32_t AbstimmungGefragt;       /* the last vote opened the assignment dialog */
    int32_t AutoNummerMarke;         /* "Neu (EDI) autom." made the number */
    int32_t NeuAutom;                /* state of 1165 */
    int32_t ZuletztGeladen;          /* article loaded last into the pending article */
    int32_t TabellenmerkmaleVon;     /* article whose table kinds are in 1074/1075 */
    int32_t OhneNummer;              /* a row was written without article number */
    int32_t NurGemappte;             /* "bte_edi_nurgemappte" of the run */
    EDIAENDERUNG_SATZ LetzteAenderung;  /* change record handed on last */
    KANDIDATEN_BLOCK Kandidaten;     /* the identification's candidates */
    int32_t LetzteAenderungGesetzt;
    int32_t EingabenAn;              /* the input set was last enabled (1) or not */
    int32_t Standard[12];            /* standard characteristic per kind, read when the page
                                        is entered (the "Standard" page cannot change it meanwhile) */
    int32_t AnzeigeRuht;             /* the run goes on past this row: its number, EAN and
                                        catalogue values are shown later (KatalogAnzeigeNachholen) */
    int32_t AuffrischenOffen;        /* the refresh after a new or corrected article was left
                                        for later while the display rested */
} IMPORT_LAUF;

#pragma pack(pop)

#endif
