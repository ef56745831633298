/*
 * ktoxedi.h - the module's chief header: the call context and the module
 * globals. The host's parameter block is in hostapi/aufruf.h.
 *
 * The host calls KTOXEDI_Bearbeiten once per EDI import or article export.
 * Everything that call needs lives in one zero-filled EDI_KONTEXT, reached
 * through the module-global pointer g_Kontext for the length of the call.
 * Every field starts at zero unless the entry point sets it; the pages rely
 * on that (null handles, empty texts, zero counters).
 */
#ifndef KTOXEDI_KTOXEDI_H
#define KTOXEDI_KTOXEDI_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"
#include "hostapi/hostcallbacks.h"
#include "hostapi/edi.h"
#include "hostapi/aufruf.h"
#include "kontext/stichwortstand.h"
#include "kontext/seitenstand.h"
#include "kontext/zeilenstand.h"
#include "kontext/importstand.h"

#pragma pack(push, 1)

/* One catalogue file listed on the selection page. Allocated through the
 * host's storage library and valid for the rest of the call. */
typedef struct KATALOGDATEI_EINTRAG {
    int32_t Datum;                    /* host day number of the file's local date */
    char Iln[16];                     /* sender ILN from the header line */
    int32_t LieferantNummer;          /* below 1 = unknown supplier */
    char LieferantName[64];
    char Beschreibung[64];
    char Pfad[260];                   /* full path, upper case */
    char Dateiname[260];
} KATALOGDATEI_EINTRAG;

/* The selection page's list of the running call: the entries of the
 * current filling, the chosen entry of an earlier filling kept alive for
 * AuswahlEintrag (the pointer table is a storage block that grows), the
 * column sorted by and the file selected when the page was last left. */
typedef struct AUSWAHL_STAND {
    KATALOGDATEI_EINTRAG** Eintraege;
    int32_t EintraegeAnzahl;
    int32_t EintraegeRaum;
    KATALOGDATEI_EINTRAG* Behalten;
    int32_t SortNach;                 /* column sorted by + 1; 0 = file search order */
    char VerlassenPfad[260];          /* empty = none */
} AUSWAHL_STAND;

/* The call context. Byte-packed; field groups in the order of their owners. */
typedef struct EDI_KONTEXT {
    /* Display resources of the main window */
    HFONT SchriftCourier8;
    HFONT SchriftCourier9Fett;
    HFONT SchriftArial9Fett;
    HFONT SchriftArial8Fett;
    HFONT SchriftArial10Fett;
    HFONT SchriftArial12Fett;
    HFONT SchriftArial16Fett;
    int32_t AktuellerLieferant;
    COLORREF FarbeGruen, FarbeRot, FarbeBlau, FarbeSchwarz, FarbeWeiss;
    COLORREF FarbeHellgelb;    HBRUSH PinselHellgelb;
    COLORREF FarbeHellrot;     HBRUSH PinselHellrot;
    COLORREF FarbeHellgruen;   HBRUSH PinselHellgruen;
    COLORREF FarbeHelltuerkis; HBRUSH PinselHelltuerkis;
    COLORREF FarbeHellgrau;    HBRUSH PinselHellgrau;
    COLORREF FarbeSignalrot;   HBRUSH PinselSignalrot;

    /* Import page colours and brushes (21 words) */
    INT_PTR ImportFarben[21];

    char IniDatei[260];
    unsigned char HostDaten[HOSTDATEN_GROESSE];

    /* INI names */
    char IniSektionEdi[32];
    char IniKeyAdressimportSuchen[32];
    char IniKeyBleExport[32];
    char IniKeyInSicherungsordnerVerschieben[32];
    char IniKeyStopBeiArtikelwechsel[32];
    char IniKeyStopBeiArtikelvariation[32];
    char IniKeyExternAutomapping[32];
    char IniKeyPreisanpassungEk1[32];
    char IniKeyPreisanpassungEk2[32];
    char IniKeyPreisanpassungVk1[32];
    char IniKeyPreisanpassungVk2[32];

    HWND HauptFenster;

    /* Row counters, chosen file, selection page state */
    int32_t AnzahlSaetze;
    int32_t AnzahlGefiltert;
    int32_t AnzahlSaetzeGesamt;
    char AusgewaehlteDatei[260];
    char IniSektionAuswahl[32];
    HWND AuswahlSeite;
    HWND AuswahlListe;
    int32_t ImportOrdnerGeprueft;
    char LieferantNummerText[5];
    char LieferantNameText[25];
    AUSWAHL_STAND Auswahl;
    int32_t StandardAnzeigen;         /* 1 while the "Standard" page fills its controls */
    HWND TabFenster;                  /* the main window's tab control and its library handle */
    HOSTHANDLE TabBibliothek;

    char EdiImportPfad[260];

    /* Call strings */
    char FtpServer[256];
    char FtpBenutzer[256];
    char FtpPasswort[256];
    char UploadBasisPfad[260];
    char UploadZusatz[260];
    char BenutzerKennung[32];

    /* Settings mirrored from "EDIIMPORTER" */
    int32_t AdressimportSuchen;
    int32_t BleExport;
    int32_t InSicherungsordnerVerschieben;
    int32_t AuswahlIndex;
    KATALOGDATEI_EINTRAG* AuswahlEintrag;   /* null or (pointer)-1 = none */
    int32_t StopBeiArtikelwechsel;
    int32_t StopBeiArtikelvariation;
    int32_t ExternAutomapping;
    int32_t PreisanpassungEk1;
    int32_t PreisanpassungEk2;
    int32_t PreisanpassungVk1;
    int32_t PreisanpassungVk2;

    /* Import engine work areas */
    FELDMAP_STAND FeldMap;            /* field map tables of the catalogue's supplier */
    HOSTHANDLE EanDateiHandle;        /* open EAN file of one article; 0 or -1 = none */
    char EanDateiName[260];
    int32_t EanDateiArtikel;          /* article of the open EAN file, 0 = none */

    /* Host callbacks */
    EDI_HOSTFUNKTIONEN

    /* Import page state, keyword-mapping state */
    char KatalogLieferantIln[14];

    char IniSektionFilter[32];

    /* Row table */
    PRICAT_SATZ PricatTabelle[PRICAT_ZEILEN_MAX];

    /* Filter page state */
    HWND FilterListe;
    HWND FilterSeite;
    int32_t DateiGelesen;
    int32_t FilterSpaltenAngelegt;
    int32_t LeseZeiger;
    FILTERWERTE FilterWerte[FILTER_KRITERIEN];   /* criterion k at [k - 1] */
    HWND FilterKombi[FILTER_KRITERIEN];          /* combos of criteria 1 to 5 */
    int32_t FilterIndexGueltig;       /* 1 = FilterWertIndex belongs to the rows and value lists */
    int16_t FilterWertIndex[PRICAT_ZEILEN_MAX][FILTER_KRITERIEN];  /* value of each row and criterion
                                                                      in its value list, -1 = none */
    int32_t FilterAnzeigeAnzahl;      /* rows in the filter page's list */
    int32_t FilterAnzeige[PRICAT_ZEILEN_MAX];    /* row index of each list line, in display order */

    /* Price-change state: the change store and the record being prepared,
     * the stores of a run of dialog 1005, its options and the list */
    HOSTHANDLE AenderungHandle;       /* open change store; 0 or -1 = closed */
    EDIAENDERUNG_SATZ AenderungSatz;  /* the change record prepared last */
    int32_t AenderungSatzVorbereitet; /* 1 once a record was prepared in this call */
    HOSTHANDLE BezeichnungHandle;     /* stores of a run; 0 or -1 = closed */
    HOSTHANDLE EinzelteilHandle;
    HOSTHANDLE TeileZusatzHandle;
    HOSTHANDLE EtikettenHandle;
    int32_t EtikettenDrucken;
    int32_t PreisaenderungenDrucken;
    int32_t KeineEk1Aenderung;
    int32_t KeineVerkauftenAendern;
    HOSTHANDLE PreisaenderungsListe;  /* 0 = empty */
    int32_t ListenSuchNummer;

    HWND HostFenster;
    int32_t ExportModus;

    /* Standard settings mirrored from "BERECHNUNGEN" */
    int32_t EtAenderungMitSaison;
    int32_t BeiGelbStoppen;
    int32_t DruckenNurBeiVk;
    int32_t Vk2AusVk1;
    int32_t TabellenLoeschen;
    int32_t KennzeichenAktion;
    char KennzeichenText[64];

    /* Export state (export dialog and writer) */
    char ExportLieferantText[32];     /* supplier number text, "ALLE", or empty = none chosen */
    char* ZusatzinfoText;             /* info text: 30000-byte block (KTSTORAGE) or null */
    int32_t PflegekennzeichenBeruecksichtigen;  /* 1 = leave unmaintained articles and
                                                   suppliers without ILN out */
    int32_t ExportNamenLieferant;     /* supplier for which the dialog's name fields were last filled */
    HFONT ExportEigeneSchrift;        /* font of control 5004 when the dialog made it itself */

    /* Import page: its value stores, the mirrors of its controls without
     * slot, and the page state the import engine reads (engine/seitenwerte.h) */
    IMPORT_OXOUT OxOut;
    EDI_WERTE EdiWerte;
    DIALOG_WERTE DialogWerte;         /* DialogWerte.Tabelle is the engine's work table */
    int32_t SeiteSenkrechtArt;        /* mirror of combo 1074 */
    int32_t SeiteWaagrechtArt;        /* mirror of combo 1075 */
    int32_t SeiteStandard;            /* mirror of box 1072 */
    int32_t SeiteMwstKombiSatz;       /* mirror of combo 14081, -1 = none */
    PRICAT_SATZ* AktuelleZeile;       /* the shown row, null = none */
    int32_t AktuelleArtikelNummer;    /* current ORDANEX article, 0 = none */
    HOSTHANDLE ArtikelHandle;         /* article store of the page; 0 or -1 = closed */
    int32_t SeitenZustand;            /* bits: SEITE_ARTIKEL_PER_EAN */
    int32_t EanZugeordnet;            /* 1 = the row's EAN belongs to an article */
    int32_t LieferantGeprueft;        /* supplier record flag (byte 1750 of its record) */
    SEITEN_DIENST SeitenDienst;       /* what the engine asks, reads or shows on the page
                                         (kontext/seitenstand.h); zero = no page */

    /* Import engine: scratch tables, reference time, table marks */
    OXTABELLE SerienTabelle;
    OXTABELLE VorgabeTabelle;
    int32_t VorgabeErfolg;            /* 1 = the last preset request produced a table */
    int32_t BezugsDatum;              /* reference time: host day number (16-bit range) */
    int32_t BezugsZeit;               /* hh * 10000 + mm * 100 + ss */
    int32_t MarkierterArtikel;        /* marked tables, 0 = none */
    int32_t MarkierteSerie;
    int32_t MwstMerkProzent;          /* 1 + the catalogue percentage ZeilenMwstSatz resolved
                                         last, 0 = none (the page clears it when a run starts) */
    int32_t MwstMerkSatz;             /* and the host's rate number for it */

    /* Open orders of the catalogue's supplier and the values they receive */
    HOSTHANDLE AuftragsListe;         /* list of AUFTRAG_BLOCK, 0 = empty */
    TAB_PREISE AuftragsPreise;
    int32_t AuftragsSenkrechtArt;
    int32_t AuftragsSenkrechtNummer;
    char AuftragsSenkrechtText[33];
    int32_t AuftragsWaagrechtArt;
    int32_t AuftragsWaagrechtNummer;
    char AuftragsWaagrechtText[33];
    char AuftragsKennzeichen;
    char AuftragsZusatztext[32];

    /* Import engine: settings of "BERECHNUNGEN" read once per page
     * (EngineEinstellungenLesen) and the scratch table of table reads */
    int32_t EngineEinstellungenGelesen;
    int32_t KeineAuftragsaenderung;   /* "bte_edi_keine_auftragsaenderung" */
    int32_t EdiFarbtexte;             /* "bte_edi_farbtexte" */
    OXTABELLE LadeTabelle;

    int32_t AuftragsWerteArtikel;     /* the article the remembered prices and axes belong to */

    /* Import page: the run state and the settings read when it is entered */
    IMPORT_LAUF ImportLauf;
    /* The record of the running catalogue run (engine/protokoll.h) */
    IMPORT_PROTOKOLL Protokoll;
} EDI_KONTEXT;

#pragma pack(pop)

/* Module globals: the context of the running call (valid only inside
 * KTOXEDI_Bearbeiten) and the module's instance handle (set at attach). */
extern EDI_KONTEXT* g_Kontext;
extern HINSTANCE g_ModulInstanz;

/* 1 when an import file is chosen in the running call (AuswahlEintrag is
 * neither null nor -1); 0 otherwise, also when no context exists. */
int AuswahlEintragGewaehlt(void);

/* Reads an int/text of the context's host data copy at a fixed offset. */
int32_t HostDatenInt(int offset);
const char* HostDatenText(int offset);

/* The entry of the host. See the module's documentation of the call. */
extern "C" int32_t WINAPI KTOXEDI_Bearbeiten(EDI_AUFRUFPARAMETER* parameter);

/* The parameter copy into a fresh context, the entry's first steps
 * (callbacks, texts cut to their buffers, host data, no file chosen, INI
 * names, host window); the entry then gives the context the window
 * service of the engine's questions. Exposed for tests. */
void KontextAusParameterFuellen(EDI_KONTEXT* kontext, const EDI_AUFRUFPARAMETER* parameter);

/* Builds `EdiImportPfad` from the host path: derived parent folder +
 * "EDI_IMPORT", created when missing ("PathCreate Error:%s" when that
 * fails), then the trailing backslash. */
void EdiImportPfadAnlegen(EDI_KONTEXT* kontext);

#endif
