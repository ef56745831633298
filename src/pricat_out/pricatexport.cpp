/*
 * pricatexport.cpp - the writer of the article export (see pricatexport.h).
 *
 * One run walks the host's export list once. For each article it builds a
 * record template (supplier, article, characteristics, prices, VAT), then
 * writes one record per cell of the article's size/colour table, or one
 * record when the article has no table. Records go through a write buffer
 * into the temporary catalogue file of the article's supplier; a supplier
 * met again later in the run is appended to, so the list need not be
 * grouped by supplier.
 *
 * The run remembers every file set it has started (by catalogue path).
 * That list takes the place of a set of supplier numbers: a set started
 * once in a run is appended to, whichever supplier number leads to it, and
 * there is no upper bound on supplier numbers.
 *
 * The host's data do not change while a run holds the dialog thread, so a
 * run keeps what it has asked the host once: characteristic numbers of
 * codes, characteristic records of numbers (with their field texts made),
 * and the VAT percentages. The EANs of an article are read once per
 * article and matched in memory by the rule of the store (first entry with
 * an EAN whose codes of kinds 1 to 8 equal the cell's, an empty cell code
 * matching any).
 *
 * The work per record is kept small: the texts of an article's axis
 * entries are made once per article, a cell sets only the fields that
 * differ from the cell before (a field is read up to its terminator, so
 * what stands behind it does not matter), the EAN of a cell is found by
 * comparing small numbers, and the record is enciphered straight into the
 * write buffer. Everything of a run is one block of the host's storage,
 * handed out as fresh pages, so the parts a run does not use cost nothing.
 */
#include "pricat_out/pricatexport.h"
#include "pricat_out/exportnamen.h"
#include "pricat_in/adresse.h"
#include "entry/ktoxedi.h"
#include "entry/text.h"
#include "partner/partner.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxmwst.h"
#include "hostapi/oxtabelle.h"
#include "resources/resource.h"

#include <stddef.h>
#include <string.h>

enum {
    SCHREIBPUFFER = 256 * 1024,      /* bytes collected before a file write */
    EAN_VORRAT = 4096,               /* EAN entries of one article kept in memory */
    MERKMALTEXT = 72,                /* "%s@%s" of a characteristic, Label width */
    MERKMAL_VORRAT = 4096,           /* characteristics kept per run (power of two) */
    CODE_VORRAT = 4096,              /* codes kept per run (power of two) */
    ZAHLTEXT = 22                    /* a price as text, width of the price fields */
};

/* A characteristic record the host gave in this run. */
typedef struct EXPORT_MERKMAL {
    int32_t Belegt;
    int32_t Art;
    int32_t Nummer;
    int32_t Gefunden;                /* the host has the record */
    char Code[OX_TXT_CODE];
    char Text[MERKMALTEXT];          /* field text: "code@name" with the numbers, else the name */
    int32_t CodeLaenge;
    int32_t TextLaenge;
} EXPORT_MERKMAL;

/* The characteristic number the host gave for a code in this run. */
typedef struct EXPORT_CODE {
    int32_t Belegt;
    int32_t Art;
    int32_t Nummer;
    const EXPORT_MERKMAL* Merkmal;   /* its characteristic record once looked up, null = not yet */
    char Code[OX_TXT_32];
} EXPORT_CODE;

/* One file set started in the run. */
typedef struct EXPORT_DATEISATZ {
    int32_t MitAdresse;              /* a temporary ".ADR" exists */
    int32_t MitText;                 /* a temporary ".TXT" exists */
    char Katalog[260];               /* final path of the ".INH" */
    /* While the set is placed, per partner (".ADR", ".TXT", ".INH"): */
    int32_t Gesichert[3];            /* the earlier file was moved to its ".ALT" name */
    int32_t Platziert[3];            /* the new file has its final name */
} EXPORT_DATEISATZ;

/* One variation of the article's EAN file, as far as the lookup needs it. */
typedef struct EXPORT_EAN {
    char Codes[9][OX_TXT_CODE];      /* kind k at [k], k = 1..8 */
    char Ean[OX_TXT_ILN];
    int32_t KanonS;                  /* its code of the vertical kind as the first vertical */
    int32_t KanonW;                  /* entry with that code, else -1; horizontal alike */
} EXPORT_EAN;

/* An axis entry of the current table, looked up once per article. */
typedef struct EXPORT_ACHSWERT {
    char Text[MERKMALTEXT];          /* field text ("number@name" or name) */
    char Code[OX_TXT_CODE];          /* characteristic code for the EAN lookup */
    char Farbe[TAB_FARBTEXT];        /* colour text of the entry (colour axes only) */
    char Preis[3][ZAHLTEXT];         /* vertical entries: EK1, VK1, VK2 as texts */
    int32_t TextLaenge;
    int32_t CodeLaenge;
    int32_t FarbeLaenge;
    int32_t PreisLaenge[3];
    int32_t Kanon;                   /* first used entry of the axis with the same code */
    int32_t Art;                     /* characteristic whose text and code are here */
    int32_t Nummer;
    uint64_t CodeSchluessel;         /* the code as a number, see CodeSchluessel */
} EXPORT_ACHSWERT;

/* Everything of one run; one block of the host's storage. */
typedef struct EXPORT_LAUF {
    /* Call */
    HWND Dialog;
    char LieferantText[32];
    int32_t LieferantGesucht;        /* number of LieferantText, 0 = unknown or all */
    int32_t AlleLieferanten;
    char Erweiterung[256];
    const char* InfoText;
    char Ordner[260];                /* export folder, trailing backslash */
    char EigeneIln[36];
    char Kennung[EXPORT_KENNUNG_GROESSE];  /* the run's tag in its working file names */

    /* Stores */
    EXPORT_MERKMAL* Merkmale;        /* MERKMAL_VORRAT slots, null = ask the host each time */
    EXPORT_CODE* Codes;              /* CODE_VORRAT slots, null = ask the host each time */
    int32_t MwstProzent[OX_MWST_ANZAHL];
    int32_t MwstBekannt[OX_MWST_ANZAHL];   /* asked the host for the rate */
    HOSTHANDLE Artikelspeicher;
    HOSTHANDLE Bezeichnungsspeicher;
    HOSTHANDLE Lieferantenspeicher;

    /* File sets */
    EXPORT_DATEISATZ* Saetze;
    int32_t SatzAnzahl;
    int32_t SatzKapazitaet;
    int32_t OffenerSatz;             /* -1 = none */
    HOSTHANDLE Datei;                /* temporary catalogue of OffenerSatz, -1 = none */
    char* Puffer;
    int32_t Fuellung;
    int32_t Fehler;                  /* 1 = a file could not be made or written */
    char FehlerDatei[260];           /* the first file that failed, as the user knows it */
    int32_t NameZuLang;              /* FehlerDatei is a name the path cannot hold */
    int32_t Geschrieben;             /* records written */

    /* Supplier of the current article */
    char Schluessel[OX_TXT_32];
    char ListenSchluessel[OX_TXT_32];  /* key of the list entry before, and its number */
    int32_t ListenNummer;
    int32_t LieferantNummer;
    MERKMAL_SATZ LieferantMerkmal;
    int32_t LieferantGefunden;       /* characteristic record found */
    char LieferantFeld[36];          /* its field text (Lieferant of the records) */
    char LieferantIln[OX_TXT_ILN];   /* its ILN when that has 13 characters, else empty */
    LIEFERANTEN_SATZ Lieferant;
    EDI_KOPFSATZ Kopf;

    /* Current article */
    ARTIKEL_SATZ Artikel;
    char ArtikelText[OX_TXT_32];     /* text after "@" of the Artikel field */
    PRICAT_DATEN Satz;               /* the article's template, then each record */
    int32_t SatzZugelassen;          /* the article's records may go out (supplier ILN rule) */
    OXTABELLE* Tabelle;
    OXTABELLE* Serientabelle;
    EXPORT_ACHSWERT Senkrecht[TAB_MAX_SENKRECHT];
    EXPORT_ACHSWERT Waagrecht[TAB_MAX_WAAGRECHT];
    int32_t SenkrechtBelegt[TAB_MAX_SENKRECHT];    /* indexes of the used entries, in order */
    int32_t WaagrechtBelegt[TAB_MAX_WAAGRECHT];
    int32_t SenkrechtAnzahl;
    int32_t WaagrechtAnzahl;
    EXPORT_EAN* Eans;
    int32_t EanAnzahl;
    int32_t EanUeberlauf;            /* more entries than EAN_VORRAT: ask the store per cell */
    char Ausgabe[EDI_AUSGABE_GROESSE];
} EXPORT_LAUF;

/* The one block of a run. */
typedef struct EXPORT_SPEICHER {
    EXPORT_LAUF Lauf;
    OXTABELLE Tabelle;
    OXTABELLE Serientabelle;
    EXPORT_EAN Eans[EAN_VORRAT];
    EXPORT_MERKMAL Merkmale[MERKMAL_VORRAT];
    EXPORT_CODE Codes[CODE_VORRAT];
    char Puffer[SCHREIBPUFFER];
} EXPORT_SPEICHER;
static_assert(offsetof(EXPORT_SPEICHER, Lauf) == 0, "the block is freed through its run");

/* ---- small helpers ------------------------------------------------------------ */

/* Copies a record field of `breite` bytes that may lack its terminator. */
static void FeldKopieren(char* ziel, size_t groesse, const char* feld, size_t breite)
{
    if (groesse == 0)
        return;
    size_t max = breite < groesse - 1 ? breite : groesse - 1;
    if (max > 299)
        max = 299;
    size_t n = 0;
    while (n < max && feld[n] != '\0') {
        ziel[n] = feld[n];
        n++;
    }
    ziel[n] = '\0';
}

/* The field of PRICAT_DATEN for a characteristic kind, with its size; null
 * for kinds without a field. */
static char* MerkmalFeld(PRICAT_DATEN* d, int32_t art, size_t* groesse)
{
    char* feld = nullptr;
    switch (art) {
    case 1: feld = d->Hauptgruppe; *groesse = sizeof d->Hauptgruppe; break;
    case 2: feld = d->Warengruppe; *groesse = sizeof d->Warengruppe; break;
    case 3: feld = d->Serie; *groesse = sizeof d->Serie; break;
    case 4: feld = d->Label; *groesse = sizeof d->Label; break;
    case 5: feld = d->Material; *groesse = sizeof d->Material; break;
    case 6: feld = d->BleFarbe; *groesse = sizeof d->BleFarbe; break;
    case 7: feld = d->Merkmal7; *groesse = sizeof d->Merkmal7; break;
    case 11: feld = d->Saison; *groesse = sizeof d->Saison; break;
    default: *groesse = 0; break;
    }
    return feld;
}

static uint32_t Streuwert(int32_t art, const char* text, int32_t nummer)
{
    uint32_t h = 2166136261u ^ (uint32_t)art;
    for (const char* p = text; p != nullptr && *p != '\0'; p++)
        h = (h ^ (unsigned char)*p) * 16777619u;
    return (h ^ (uint32_t)nummer) * 2654435761u;
}

/* Whether two terminated texts are equal. */
static int TexteGleich(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

/* The characteristic number of (art, code) into `*nummer`: HostFunktion02,
 * asked once per run; 0 = none. Returns the run's entry for the code, null
 * when the run keeps none for it. */
static EXPORT_CODE* CodeNachschlagen(EXPORT_LAUF* lauf, int32_t art, const char* code, int32_t* nummer)
{
    EDI_KONTEXT* k = g_Kontext;
    *nummer = 0;
    if (code == nullptr || code[0] == '\0' || k->HostFunktion02 == nullptr)
        return nullptr;
    EXPORT_CODE* eintrag = nullptr;
    if (lauf->Codes != nullptr && strlen(code) < OX_TXT_32) {
        uint32_t i = Streuwert(art, code, 0);
        for (int versuch = 0; versuch < 16 && eintrag == nullptr; versuch++, i++) {
            EXPORT_CODE* e = &lauf->Codes[i & (CODE_VORRAT - 1)];
            if (!e->Belegt || (e->Art == art && TexteGleich(e->Code, code)))
                eintrag = e;
        }
    }
    if (eintrag != nullptr && eintrag->Belegt) {
        *nummer = eintrag->Nummer;
        return eintrag;
    }
    *nummer = k->HostFunktion02(art, code);
    if (eintrag != nullptr) {
        eintrag->Belegt = 1;
        eintrag->Art = art;
        eintrag->Nummer = *nummer;
        eintrag->Merkmal = nullptr;
        TextKopieren(eintrag->Code, sizeof eintrag->Code, code);
    }
    return eintrag;
}

static int32_t NummerZumCode(EXPORT_LAUF* lauf, int32_t art, const char* code)
{
    int32_t nummer = 0;
    CodeNachschlagen(lauf, art, code, &nummer);
    return nummer;
}

/* The run's entry for characteristic (art, nummer), filled through
 * HostFunktion15 when it is new; `ersatz` (Belegt 0) when the run keeps no
 * entry for it. Null for a number below 1 or without the host call. */
static const EXPORT_MERKMAL* MerkmalEintrag(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, EXPORT_MERKMAL* ersatz)
{
    EDI_KONTEXT* k = g_Kontext;
    if (nummer <= 0 || k->HostFunktion15 == nullptr)
        return nullptr;
    EXPORT_MERKMAL* eintrag = nullptr;
    if (lauf->Merkmale != nullptr) {
        uint32_t i = Streuwert(art, nullptr, nummer);
        for (int versuch = 0; versuch < 16 && eintrag == nullptr; versuch++, i++) {
            EXPORT_MERKMAL* e = &lauf->Merkmale[i & (MERKMAL_VORRAT - 1)];
            if (!e->Belegt || (e->Art == art && e->Nummer == nummer))
                eintrag = e;
        }
    }
    if (eintrag == nullptr)
        eintrag = ersatz;
    if (!eintrag->Belegt) {
        MERKMAL_SATZ satz;
        memset(&satz, 0, sizeof satz);
        eintrag->Belegt = 1;
        eintrag->Art = art;
        eintrag->Nummer = nummer;
        eintrag->Gefunden = k->HostFunktion15(art, nummer, &satz) == 1;
        char name[OX_TXT_25];
        FeldKopieren(eintrag->Code, sizeof eintrag->Code, satz.Code, sizeof satz.Code);
        FeldKopieren(name, sizeof name, satz.Text, sizeof satz.Text);
        if (k->BleExport)
            TextFormat(eintrag->Text, sizeof eintrag->Text, "%s@%s", eintrag->Code, name);
        else
            TextKopieren(eintrag->Text, sizeof eintrag->Text, name);
        eintrag->CodeLaenge = (int32_t)TextLaenge(eintrag->Code, sizeof eintrag->Code);
        eintrag->TextLaenge = (int32_t)TextLaenge(eintrag->Text, sizeof eintrag->Text);
    }
    return eintrag;
}

/* The characteristic record of (art, nummer): HostFunktion15, asked once
 * per run. Null when the host has none. */
static const EXPORT_MERKMAL* MerkmalHolen(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, EXPORT_MERKMAL* ersatz)
{
    const EXPORT_MERKMAL* m = MerkmalEintrag(lauf, art, nummer, ersatz);
    return m != nullptr && m->Gefunden ? m : nullptr;
}

/* The text of a characteristic record into a field, cut to the field. */
static void MerkmalInsFeld(const EXPORT_MERKMAL* m, char* feld, size_t groesse)
{
    size_t n = (size_t)m->TextLaenge < groesse ? (size_t)m->TextLaenge : groesse - 1;
    memcpy(feld, m->Text, n);
    feld[n] = '\0';
}

/* The field text of characteristic (art, nummer): "code@name" with the
 * numbers exported, else the name; empty when the host has no record.
 * Returns its length. The code goes to `code` (OX_TXT_CODE bytes) and its
 * length to `*codeLaenge` when `code` is not null. */
static int32_t MerkmalText(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, char* text, size_t groesse, char* code,
                           int32_t* codeLaenge)
{
    EXPORT_MERKMAL ersatz;
    ersatz.Belegt = 0;
    const EXPORT_MERKMAL* m = MerkmalHolen(lauf, art, nummer, &ersatz);
    size_t n = 0, c = 0;
    if (m != nullptr) {
        n = (size_t)m->TextLaenge < groesse ? (size_t)m->TextLaenge : groesse - 1;
        c = (size_t)m->CodeLaenge < OX_TXT_CODE ? (size_t)m->CodeLaenge : OX_TXT_CODE - 1;
        memcpy(text, m->Text, n);
        if (code != nullptr)
            memcpy(code, m->Code, c);
    }
    text[n] = '\0';
    if (code != nullptr) {
        code[c] = '\0';
        *codeLaenge = (int32_t)c;
    }
    return (int32_t)n;
}

/* `wert` in decimal into `text` (12 bytes or more); returns the length. */
static int32_t ZahlText(char* text, int32_t wert)
{
    char ziffern[12];
    int32_t n = 0;
    uint32_t betrag = wert < 0 ? 0u - (uint32_t)wert : (uint32_t)wert;
    do {
        ziffern[n++] = (char)('0' + betrag % 10);
        betrag /= 10;
    } while (betrag != 0);
    int32_t laenge = 0;
    if (wert < 0)
        text[laenge++] = '-';
    while (n > 0)
        text[laenge++] = ziffern[--n];
    text[laenge] = '\0';
    return laenge;
}

static void ZahlSetzen(char* feld, size_t groesse, int32_t wert)
{
    char text[12];
    ZahlText(text, wert);
    TextKopieren(feld, groesse, text);
}

/* ---- files ------------------------------------------------------------------- */

/* Marks the run failed. The first file named is the one the message shows
 * (its final name, not the temporary one). */
static void Fehlschlag(EXPORT_LAUF* lauf, const char* datei)
{
    lauf->Fehler = 1;
    if (datei != nullptr && lauf->FehlerDatei[0] == '\0')
        TextKopieren(lauf->FehlerDatei, sizeof lauf->FehlerDatei, datei);
}

/* The failed run's catalogue, when a set is open. */
static void KatalogFehlschlag(EXPORT_LAUF* lauf)
{
    Fehlschlag(lauf, lauf->OffenerSatz >= 0 ? lauf->Saetze[lauf->OffenerSatz].Katalog : nullptr);
}

static void PufferLeeren(EXPORT_LAUF* lauf)
{
    if (lauf->Fuellung > 0 && lauf->Datei != -1) {
        if (FileIO_Write(lauf->Datei, lauf->Puffer, lauf->Fuellung) != lauf->Fuellung)
            KatalogFehlschlag(lauf);
    }
    lauf->Fuellung = 0;
}

static void Schreiben(EXPORT_LAUF* lauf, const char* text, int32_t laenge)
{
    if (lauf->Datei == -1 || laenge <= 0)
        return;
    if (lauf->Fuellung + laenge > SCHREIBPUFFER)
        PufferLeeren(lauf);
    if (laenge > SCHREIBPUFFER) {
        if (FileIO_Write(lauf->Datei, text, laenge) != laenge)
            KatalogFehlschlag(lauf);
        return;
    }
    memcpy(lauf->Puffer + lauf->Fuellung, text, (size_t)laenge);
    lauf->Fuellung += laenge;
}

static void KatalogSchliessen(EXPORT_LAUF* lauf)
{
    PufferLeeren(lauf);
    if (lauf->Datei != -1)
        FileIO_Close(lauf->Datei);
    lauf->Datei = -1;
    lauf->OffenerSatz = -1;
}

/* Writes `text` into the new file `pfad` the way a text-mode write does:
 * each line feed that does not follow a carriage return becomes CR LF.
 * 1 = written completely. */
static int TextdateiSchreiben(const char* pfad, const char* text)
{
    HOSTHANDLE h = FileIO_CreateRWS(pfad);
    if (h == -1)
        return 0;
    int ergebnis = 1;
    char puffer[4096];
    int32_t n = 0;
    char vorher = '\0';
    for (const char* p = text ? text : ""; *p != '\0' && ergebnis == 1; p++) {
        if (n + 2 > (int32_t)sizeof puffer) {
            if (FileIO_Write(h, puffer, n) != n)
                ergebnis = 0;
            n = 0;
        }
        if (*p == '\n' && vorher != '\r')
            puffer[n++] = '\r';
        puffer[n++] = *p;
        vorher = *p;
    }
    if (ergebnis == 1 && n > 0 && FileIO_Write(h, puffer, n) != n)
        ergebnis = 0;
    FileIO_Close(h);
    return ergebnis;
}

/* Temporary path of the partner `endung` (".INH", ".ADR", ".TXT") of a set. */
static int TempPartner(const EXPORT_LAUF* lauf, const EXPORT_DATEISATZ* satz, const char* endung, char* ziel,
                       size_t groesse)
{
    char pfad[260];
    if (!ExportPartnerPfad(pfad, sizeof pfad, satz->Katalog, endung))
        return 0;
    return ExportArbeitsPfad(ziel, groesse, pfad, lauf->Kennung, ARBEIT_NEU);
}

/* The run failed on the partner `endung` of a set: the message names that
 * file (the catalogue when its name cannot be formed). */
static void PartnerFehlschlag(EXPORT_LAUF* lauf, const EXPORT_DATEISATZ* satz, const char* endung)
{
    char ziel[260];
    Fehlschlag(lauf, ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endung) ? ziel : satz->Katalog);
}

/* The address file of the current supplier into the set's temporary ".ADR". */
static void AdresseSchreiben(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz)
{
    if (!lauf->LieferantGefunden)
        return;
    char pfad[260];
    char* text = lauf->Ausgabe;   /* free between records */
    char zeile[ADR_ZEILE_MAX + 1];
    char kuerzel[OX_TXT_CODE];
    FeldKopieren(kuerzel, sizeof kuerzel, lauf->LieferantMerkmal.Code, sizeof lauf->LieferantMerkmal.Code);
    if (!TempPartner(lauf, satz, ".ADR", pfad, sizeof pfad) || AdressKopfzeileBilden(text, sizeof lauf->Ausgabe) < 0 ||
        AdressDatenzeileBilden(&lauf->Lieferant, kuerzel, zeile, sizeof zeile) < 0 ||
        TextAnhaengen(text, sizeof lauf->Ausgabe, zeile) != 1) {
        PartnerFehlschlag(lauf, satz, ".ADR");
        return;
    }
    if (TextdateiSchreiben(pfad, text) == 1)
        satz->MitAdresse = 1;
    else
        PartnerFehlschlag(lauf, satz, ".ADR");
}

static void InfotextSchreiben(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz)
{
    char pfad[260];
    if (TempPartner(lauf, satz, ".TXT", pfad, sizeof pfad) && TextdateiSchreiben(pfad, lauf->InfoText) == 1)
        satz->MitText = 1;
    else
        PartnerFehlschlag(lauf, satz, ".TXT");
}

/* Makes the catalogue of the current supplier the open file: appends to a
 * set started earlier in the run, or starts a new set (header line,
 * address file, info text). */
static void KatalogOeffnen(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    char name[OX_TXT_25];
    char katalog[260];
    FeldKopieren(name, sizeof name, lauf->LieferantMerkmal.Text, sizeof lauf->LieferantMerkmal.Text);
    KatalogSchliessen(lauf);
    if (!ExportKatalogPfad(katalog, sizeof katalog, lauf->Ordner, name,
                           lauf->AlleLieferanten ? nullptr : lauf->Erweiterung)) {
        /* The name as the user gave it, shortened for the message. */
        if (lauf->FehlerDatei[0] == '\0') {
            char lang[sizeof lauf->Ordner + sizeof name + sizeof lauf->Erweiterung + 16];
            int mitErweiterung = !lauf->AlleLieferanten && lauf->Erweiterung[0] != '\0';
            TextFormat(lang, sizeof lang, "%sPRICAT-%s%s%s", lauf->Ordner, name, mitErweiterung ? "-" : "",
                       mitErweiterung ? lauf->Erweiterung : "");
            TextFormat(katalog, sizeof katalog, "%.200s...", lang);
            lauf->NameZuLang = 1;
        }
        Fehlschlag(lauf, katalog);
        return;
    }
    int32_t index = -1;
    for (int32_t i = 0; i < lauf->SatzAnzahl && index < 0; i++)
        if (strcmp(lauf->Saetze[i].Katalog, katalog) == 0)
            index = i;

    char temp[260];
    if (index >= 0) {
        if (!TempPartner(lauf, &lauf->Saetze[index], ".INH", temp, sizeof temp)) {
            Fehlschlag(lauf, katalog);
            return;
        }
        lauf->Datei = FileIO_OpenRWS(temp);
        if (lauf->Datei == -1 || FileIO_SetPosFromEnd(lauf->Datei, 0) < 0) {
            if (lauf->Datei != -1)
                FileIO_Close(lauf->Datei);
            lauf->Datei = -1;
            Fehlschlag(lauf, katalog);
            return;
        }
        lauf->OffenerSatz = index;
        return;
    }

    if (lauf->SatzAnzahl == lauf->SatzKapazitaet) {
        int32_t neu = lauf->SatzKapazitaet ? lauf->SatzKapazitaet * 2 : 16;
        EXPORT_DATEISATZ* saetze = (EXPORT_DATEISATZ*)Storage_Allocate(neu * (int32_t)sizeof(EXPORT_DATEISATZ));
        if (saetze == nullptr) {
            Fehlschlag(lauf, katalog);
            return;
        }
        if (lauf->Saetze != nullptr) {
            memcpy(saetze, lauf->Saetze, (size_t)lauf->SatzAnzahl * sizeof(EXPORT_DATEISATZ));
            Storage_Deallocate(lauf->Saetze);
        }
        lauf->Saetze = saetze;
        lauf->SatzKapazitaet = neu;
    }
    EXPORT_DATEISATZ* satz = &lauf->Saetze[lauf->SatzAnzahl];
    memset(satz, 0, sizeof *satz);
    TextKopieren(satz->Katalog, sizeof satz->Katalog, katalog);
    if (!TempPartner(lauf, satz, ".INH", temp, sizeof temp)) {
        Fehlschlag(lauf, katalog);
        return;
    }
    lauf->SatzAnzahl++;
    lauf->Datei = FileIO_CreateRWS(temp);
    if (lauf->Datei == -1) {
        Fehlschlag(lauf, katalog);
        return;
    }
    lauf->OffenerSatz = lauf->SatzAnzahl - 1;
    int32_t laenge = EDIPRICAT_BTEPRI_SatzErstellen(lauf->Ausgabe, &lauf->Kopf);
    if (laenge > 0)
        Schreiben(lauf, lauf->Ausgabe, laenge);
    else
        Fehlschlag(lauf, katalog);
    if (k->AdressimportSuchen)
        AdresseSchreiben(lauf, satz);
    if (!lauf->AlleLieferanten && lauf->InfoText != nullptr)
        InfotextSchreiben(lauf, satz);
}

/* Gives the temporary files of the run their names, or removes them all
 * when anything failed. Returns 1 when the files are in place.
 *
 * The sets are placed as a whole: first every earlier file the run
 * replaces is moved aside to its ".ALT" name (a file another workstation
 * holds open fails here, before anything was replaced), then the new files
 * get their names, then the earlier files go. When a step fails, the new
 * files that were placed are removed and the earlier ones come back. */
static int DateienUebernehmen(EXPORT_LAUF* lauf)
{
    static const char* const endungen[3] = { ".ADR", ".TXT", ".INH" };
    KatalogSchliessen(lauf);
    for (int schritt = 0; schritt < 2; schritt++) {
        for (int32_t i = 0; i < lauf->SatzAnzahl && !lauf->Fehler; i++) {
            EXPORT_DATEISATZ* satz = &lauf->Saetze[i];
            for (int e = 0; e < 3 && !lauf->Fehler; e++) {
                if ((e == 0 && !satz->MitAdresse) || (e == 1 && !satz->MitText))
                    continue;
                char ziel[260], arbeit[260];
                if (!ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endungen[e]) ||
                    !ExportArbeitsPfad(arbeit, sizeof arbeit, ziel, lauf->Kennung, schritt == 0 ? ARBEIT_ALT : ARBEIT_NEU)) {
                    Fehlschlag(lauf, satz->Katalog);
                } else if (schritt == 0) {
                    if (FileIO_Exist(ziel) == 1) {
                        if (FileIO_MoveFile(ziel, arbeit) == 1)
                            satz->Gesichert[e] = 1;
                        else
                            Fehlschlag(lauf, ziel);
                    }
                } else {
                    if (FileIO_MoveFile(arbeit, ziel) == 1)
                        satz->Platziert[e] = 1;
                    else
                        Fehlschlag(lauf, ziel);
                }
            }
        }
    }
    /* Undone or done: a run leaves none of its working files behind. */
    for (int32_t i = 0; i < lauf->SatzAnzahl; i++) {
        EXPORT_DATEISATZ* satz = &lauf->Saetze[i];
        for (int e = 0; e < 3; e++) {
            char ziel[260], neu[260], alt[260];
            if (!ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endungen[e]) ||
                !ExportArbeitsPfad(neu, sizeof neu, ziel, lauf->Kennung, ARBEIT_NEU) ||
                !ExportArbeitsPfad(alt, sizeof alt, ziel, lauf->Kennung, ARBEIT_ALT))
                continue;
            if (lauf->Fehler && satz->Platziert[e])
                FileIO_DeleteFile(ziel);
            if (lauf->Fehler && satz->Gesichert[e])
                FileIO_MoveFile(alt, ziel);
            else if (satz->Gesichert[e])
                FileIO_DeleteFile(alt);
            if (!satz->Platziert[e])
                FileIO_DeleteFile(neu);
        }
    }
    return lauf->Fehler ? 0 : 1;
}

/* Remembers the name extension and the info text of the supplier in
 * "ZUSATZINFOS" (single-supplier runs that were written). */
static void ZusatzinfosMerken(EXPORT_LAUF* lauf)
{
    if (lauf->AlleLieferanten || lauf->SatzAnzahl == 0)
        return;
    char ordner[260], pfad[260], temp[260];
    if (!ZusatzinfoPfad(ordner, sizeof ordner, lauf->Ordner, "", "", 0))
        return;
    if (!FileIO_PathExist(ordner) && FileIO_PathCreate(ordner) != 1)
        return;
    if (lauf->Erweiterung[0] != '\0' && ZusatzinfoPfad(pfad, sizeof pfad, lauf->Ordner, "NAM", lauf->LieferantText, 1) &&
        ExportArbeitsPfad(temp, sizeof temp, pfad, lauf->Kennung, ARBEIT_NEU)) {
        char zeile[260];
        TextFormat(zeile, sizeof zeile, "%s\n", lauf->Erweiterung);
        if (TextdateiSchreiben(temp, zeile) != 1 || FileIO_MoveFile(temp, pfad) != 1)
            FileIO_DeleteFile(temp);
    }
    if (lauf->InfoText != nullptr && lauf->Saetze[0].MitText &&
        ZusatzinfoPfad(pfad, sizeof pfad, lauf->Ordner, "INFO", lauf->LieferantText, 1)) {
        char text[260];
        if (ExportPartnerPfad(text, sizeof text, lauf->Saetze[0].Katalog, ".TXT"))
            FileIO_CopyFile(text, pfad, 0);
    }
}

/* ---- records ----------------------------------------------------------------- */

/* Header and supplier part of the template for the supplier of the current
 * article. */
static void LieferantVorbereiten(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    memset(&lauf->LieferantMerkmal, 0, sizeof lauf->LieferantMerkmal);
    memset(&lauf->Lieferant, 0, sizeof lauf->Lieferant);
    lauf->LieferantGefunden = lauf->LieferantNummer > 0 && k->HostFunktion15 != nullptr &&
                              k->HostFunktion15(8, lauf->LieferantNummer, &lauf->LieferantMerkmal) == 1;
    if (lauf->LieferantNummer > 0 && lauf->Lieferantenspeicher > 0)
        LieferantenDBA_ReadRecord(lauf->Lieferantenspeicher, lauf->LieferantNummer, &lauf->Lieferant);

    memset(&lauf->Kopf, 0, sizeof lauf->Kopf);
    TextKopieren(lauf->Kopf.Kennung, sizeof lauf->Kopf.Kennung, "BTEPRI");
    TextKopieren(lauf->Kopf.Nachricht, sizeof lauf->Kopf.Nachricht, "PRICAT");
    TextKopieren(lauf->Kopf.AbsenderIln, sizeof lauf->Kopf.AbsenderIln, lauf->EigeneIln);
    if (k->ExportModus == 1)
        TextAnhaengen(lauf->Kopf.AbsenderIln, sizeof lauf->Kopf.AbsenderIln, "XXX");
    if (TextLaenge(lauf->Lieferant.Iln[0], OX_TXT_ILN) == 13)
        FeldKopieren(lauf->Kopf.PartnerIln, sizeof lauf->Kopf.PartnerIln, lauf->Lieferant.Iln[0], OX_TXT_ILN);

    /* The supplier's fields of the records. */
    lauf->LieferantFeld[0] = '\0';
    if (lauf->LieferantGefunden) {
        char code[OX_TXT_CODE], name[OX_TXT_25];
        FeldKopieren(code, sizeof code, lauf->LieferantMerkmal.Code, sizeof lauf->LieferantMerkmal.Code);
        FeldKopieren(name, sizeof name, lauf->LieferantMerkmal.Text, sizeof lauf->LieferantMerkmal.Text);
        if (k->BleExport)
            TextFormat(lauf->LieferantFeld, sizeof lauf->LieferantFeld, "%s@%s", code, name);
        else
            TextKopieren(lauf->LieferantFeld, sizeof lauf->LieferantFeld, name);
    }
    lauf->LieferantIln[0] = '\0';
    if (TextLaenge(lauf->Lieferant.Iln[0], OX_TXT_ILN) == 13)
        FeldKopieren(lauf->LieferantIln, sizeof lauf->LieferantIln, lauf->Lieferant.Iln[0], OX_TXT_ILN);
}

/* The record template of the current article, in lauf->Satz: the records
 * of the article start from it. */
static void VorlageBilden(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    PRICAT_DATEN* d = &lauf->Satz;
    const ARTIKEL_SATZ* a = &lauf->Artikel;
    memset(d, 0, sizeof *d);
    TextKopieren(d->Nachrichtentyp, sizeof d->Nachrichtentyp, "PRICAT");
    TextKopieren(d->Nachrichtenfunktion, sizeof d->Nachrichtenfunktion, "02");
    TextKopieren(d->Lieferant, sizeof d->Lieferant, lauf->LieferantFeld);
    TextKopieren(d->LieferantenIln, sizeof d->LieferantenIln, lauf->LieferantIln);

    /* The article's text: its host record (kind 0), else its long text. */
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(0, a->ArtikelNummer, &satz) == 1)
        FeldKopieren(lauf->ArtikelText, sizeof lauf->ArtikelText, satz.Text, sizeof satz.Text);
    else
        FeldKopieren(lauf->ArtikelText, sizeof lauf->ArtikelText, a->Text, sizeof a->Text);
    if (k->BleExport) {
        /* letter (blank for none), number, "@", text */
        char text[1 + 12 + 1 + OX_TXT_32];
        text[0] = a->Kennzeichen != '\0' ? a->Kennzeichen : ' ';
        int32_t n = 1 + ZahlText(text + 1, a->ArtikelNummer);
        text[n++] = '@';
        TextKopieren(text + n, sizeof text - (size_t)n, lauf->ArtikelText);
        TextKopieren(d->Artikel, sizeof d->Artikel, text);
    } else
        TextKopieren(d->Artikel, sizeof d->Artikel, lauf->ArtikelText);
    FeldKopieren(d->Zusatztext, sizeof d->Zusatztext, a->Zusatztext, sizeof a->Zusatztext);
    ZahlSetzen(d->Preis1, sizeof d->Preis1, a->Ek1);
    ZahlSetzen(d->Preis2, sizeof d->Preis2, a->Vk1);
    ZahlSetzen(d->Preis3, sizeof d->Preis3, a->Vk2);

    static const int32_t arten[8] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    for (int i = 0; i < 8; i++) {
        int32_t art = arten[i];
        size_t groesse = 0;
        char* feld = MerkmalFeld(d, art, &groesse);
        char code[OX_TXT_CODE];
        FeldKopieren(code, sizeof code, a->Codes[ArtikelCodeIndex(art)], OX_TXT_CODE);
        int32_t nummer = 0;
        EXPORT_CODE* c = CodeNachschlagen(lauf, art, code, &nummer);
        if (nummer <= 0)
            continue;
        /* The code's entry remembers the record once it is known. */
        if (c != nullptr && c->Merkmal != nullptr) {
            if (c->Merkmal->Gefunden)
                MerkmalInsFeld(c->Merkmal, feld, groesse);
            continue;
        }
        EXPORT_MERKMAL ersatz;
        ersatz.Belegt = 0;
        const EXPORT_MERKMAL* m = MerkmalEintrag(lauf, art, nummer, &ersatz);
        if (m == nullptr)
            continue;
        if (c != nullptr && m != &ersatz)
            c->Merkmal = m;
        if (m->Gefunden)
            MerkmalInsFeld(m, feld, groesse);
    }
    int32_t prozent = 0;
    if (a->MwstSatz >= 0 && a->MwstSatz < OX_MWST_ANZAHL) {
        if (!lauf->MwstBekannt[a->MwstSatz]) {
            lauf->MwstProzent[a->MwstSatz] = OX_MWST_GetMWST_FromMwstSatz(a->MwstSatz);
            lauf->MwstBekannt[a->MwstSatz] = 1;
        }
        prozent = lauf->MwstProzent[a->MwstSatz];
    }
    ZahlSetzen(d->MwstSatz, sizeof d->MwstSatz, prozent);
    lauf->SatzZugelassen = TextLaenge(d->LieferantenIln, OX_TXT_ILN) == 13 || !k->PflegekennzeichenBeruecksichtigen;
}

static int32_t OXCALL EanSammeln(void* liste, const EANARTIKEL_SATZ* eintrag)
{
    EXPORT_LAUF* lauf = (EXPORT_LAUF*)liste;
    if (eintrag == nullptr)
        return 1;
    if (lauf->EanAnzahl >= EAN_VORRAT) {
        lauf->EanUeberlauf = 1;
        return 0;
    }
    if (eintrag->ArtikelNummer != lauf->Artikel.ArtikelNummer || eintrag->Ean[0] == '\0')
        return 1;
    EXPORT_EAN* e = &lauf->Eans[lauf->EanAnzahl++];
    memcpy(e->Codes, eintrag->Merkmal, sizeof e->Codes);
    memcpy(e->Ean, eintrag->Ean, sizeof e->Ean);
    e->Ean[OX_TXT_ILN - 1] = '\0';
    return 1;
}

static void EansLaden(EXPORT_LAUF* lauf)
{
    lauf->EanAnzahl = 0;
    lauf->EanUeberlauf = 0;
    if (lauf->Eans == nullptr || lauf->Artikel.ArtikelNummer < 1)
        return;
    EANARTIKEL_LoadArtikelEANs_EX(lauf->Artikel.ArtikelNummer, lauf, EanSammeln);
}

/* The EAN of the cell whose codes of kinds 1..8 are in `codes` (empty =
 * any) into `ean` (14 bytes, zero-filled when there is none). */
static void EanSuchen(EXPORT_LAUF* lauf, const char codes[9][OX_TXT_CODE], char* ean)
{
    memset(ean, 0, OX_TXT_ILN);
    if (lauf->EanUeberlauf || lauf->Eans == nullptr) {
        EANARTIKEL_SATZ muster;
        memset(&muster, 0, sizeof muster);
        memcpy(muster.Merkmal, codes, sizeof muster.Merkmal);
        EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(lauf->Artikel.ArtikelNummer, lauf->ArtikelText, &muster, ean);
        return;
    }
    for (int32_t i = 0; i < lauf->EanAnzahl; i++) {
        const EXPORT_EAN* e = &lauf->Eans[i];
        int passt = 1;
        for (int art = 1; art <= 8 && passt; art++) {
            size_t n = TextLaenge(codes[art], OX_TXT_CODE);
            if (n == 0)
                continue;
            if (n != TextLaenge(e->Codes[art], OX_TXT_CODE) || memcmp(e->Codes[art], codes[art], n) != 0)
                passt = 0;
        }
        if (passt) {
            memcpy(ean, e->Ean, OX_TXT_ILN);
            return;
        }
    }
}

/* Writes the record in lauf->Satz when the rules let it out: enciphered
 * straight into the write buffer, which always has room for a line. */
static void SatzAusgeben(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    if (!lauf->SatzZugelassen || lauf->Datei == -1)
        return;
    if (SCHREIBPUFFER - lauf->Fuellung < EDI_SATZ_GROESSE)
        PufferLeeren(lauf);
    int32_t laenge = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(lauf->Puffer + lauf->Fuellung, &lauf->Satz,
                                                                    k->ExportModus, lauf->EigeneIln);
    if (laenge <= 0 || laenge >= EDI_SATZ_GROESSE)
        return;
    lauf->Fuellung += laenge;
    lauf->Geschrieben++;
}

static void OhneTabelleSchreiben(EXPORT_LAUF* lauf)
{
    char codes[9][OX_TXT_CODE];
    memset(codes, 0, sizeof codes);
    EanSuchen(lauf, codes, lauf->Satz.Ean);
    SatzAusgeben(lauf);
}

/* A code field (OX_TXT_CODE bytes, up to its terminator or its width) as
 * a number, its bytes from the low end: equal codes give equal numbers,
 * the empty code 0. */
static uint64_t CodeSchluessel(const char* code)
{
    uint64_t schluessel = 0;
    for (int i = 0; i < OX_TXT_CODE && code[i] != '\0'; i++)
        schluessel |= (uint64_t)(unsigned char)code[i] << (8 * i);
    return schluessel;
}

/* The first used entry of an axis (indexes `belegt`, `anzahl` of them)
 * whose code is `schluessel`; -1 when none is. */
static int32_t KanonSuchen(const EXPORT_ACHSWERT* werte, const int32_t* belegt, int32_t anzahl, uint64_t schluessel)
{
    for (int32_t j = 0; j < anzahl; j++)
        if (werte[belegt[j]].CodeSchluessel == schluessel)
            return belegt[j];
    return -1;
}

/* Looks up the texts and codes of the used entries of one axis, with the
 * lengths of everything a cell copies, and lists the used entries. */
static void AchseNachschlagen(EXPORT_LAUF* lauf, int32_t art, const int32_t* nummern, int32_t anzahl,
                              int senkrecht)
{
    const OXTABELLE* t = lauf->Tabelle;
    EXPORT_ACHSWERT* werte = senkrecht ? lauf->Senkrecht : lauf->Waagrecht;
    int32_t* belegt = senkrecht ? lauf->SenkrechtBelegt : lauf->WaagrechtBelegt;
    int32_t n = 0;
    for (int32_t i = 0; i < anzahl; i++) {
        if (nummern[i] == 0)
            continue;
        EXPORT_ACHSWERT* a = &werte[i];
        /* Articles mostly share their axes: the entry may hold it already. */
        if (a->Art != art || a->Nummer != nummern[i]) {
            a->TextLaenge = MerkmalText(lauf, art, nummern[i], a->Text, sizeof a->Text, a->Code, &a->CodeLaenge);
            a->Art = art;
            a->Nummer = nummern[i];
            a->CodeSchluessel = CodeSchluessel(a->Code);
        }
        if (senkrecht) {
            TAB_PREISE preise;
            TAB_GetPreiseFromRow(t, i, &preise);
            a->PreisLaenge[0] = ZahlText(a->Preis[0], preise.Ek1);
            a->PreisLaenge[1] = ZahlText(a->Preis[1], preise.Vk1);
            a->PreisLaenge[2] = ZahlText(a->Preis[2], preise.Vk2);
        }
        /* A colour text goes into the records of a colour axis only. */
        if (art == 6) {
            TAB_GetWaagrechtFarbText(t, i, a->Farbe);
            a->FarbeLaenge = (int32_t)TextLaenge(a->Farbe, sizeof a->Farbe);
        }
        a->Kanon = KanonSuchen(werte, belegt, n, a->CodeSchluessel);
        if (a->Kanon < 0)
            a->Kanon = i;
        belegt[n++] = i;
    }
    if (senkrecht)
        lauf->SenkrechtAnzahl = n;
    else
        lauf->WaagrechtAnzahl = n;
}

/* The first used entry of an axis whose code is the `art` code of EAN
 * entry `e`; -1 when none is, or the entry has no such code. */
static int32_t EanKanon(const EXPORT_EAN* e, int32_t art, const EXPORT_ACHSWERT* werte, const int32_t* belegt,
                        int32_t anzahl)
{
    if (art < 1 || art > 8)
        return -1;
    uint64_t schluessel = CodeSchluessel(e->Codes[art]);
    return schluessel == 0 ? -1 : KanonSuchen(werte, belegt, anzahl, schluessel);
}

/* Whether the cells' code of kind `art` from an axis entry takes part in
 * the EAN match: kinds 1 to 8, a code there, and (vertical) not the kind
 * of the horizontal axis, whose code takes the place. */
static int CodeZaehlt(int32_t art, const EXPORT_ACHSWERT* wert)
{
    return art >= 1 && art <= 8 && wert->CodeLaenge > 0;
}

/* The EAN of cell (s, w) among the article's EANs in memory into `ean`
 * (14 bytes, zeros when there is none): the first entry whose codes of the
 * axes' kinds are the cell's; see EanSuchen. */
static void EanDerZelle(const EXPORT_LAUF* lauf, int32_t artS, int32_t artW, int32_t s, int32_t w, char* ean)
{
    const EXPORT_ACHSWERT* senkrecht = &lauf->Senkrecht[s];
    const EXPORT_ACHSWERT* waagrecht = &lauf->Waagrecht[w];
    int pruefeS = artS != artW && CodeZaehlt(artS, senkrecht);
    int pruefeW = CodeZaehlt(artW, waagrecht);
    for (int32_t i = 0; i < lauf->EanAnzahl; i++) {
        const EXPORT_EAN* e = &lauf->Eans[i];
        if ((!pruefeS || e->KanonS == senkrecht->Kanon) && (!pruefeW || e->KanonW == waagrecht->Kanon)) {
            memcpy(ean, e->Ean, OX_TXT_ILN);
            return;
        }
    }
    memset(ean, 0, OX_TXT_ILN);
}

/* Copies a text of known length from a buffer of `quelle` bytes into a
 * field of `groesse` bytes, cut to the field, with its terminator. A short
 * text goes as one block of 16 or 32 bytes when both buffers hold that
 * much: what the block brings behind the terminator is never read. */
static void FeldText(char* feld, size_t groesse, const char* text, int32_t laenge, size_t quelle)
{
    size_t n = (size_t)laenge < groesse ? (size_t)laenge : groesse - 1;
    if (n < 16 && groesse >= 16 && quelle >= 16)
        memcpy(feld, text, 16);
    else if (n < 32 && groesse >= 32 && quelle >= 32)
        memcpy(feld, text, 32);
    else
        memcpy(feld, text, n);
    feld[n] = '\0';
}

/* The codes of cell (s, w) the way the store's EAN lookup takes them. */
static void ZellenCodes(const EXPORT_LAUF* lauf, int32_t artS, int32_t artW, int32_t s, int32_t w,
                        char codes[9][OX_TXT_CODE])
{
    memset(codes, 0, 9 * OX_TXT_CODE);
    if (artS >= 1 && artS <= 8)
        TextKopieren(codes[artS], OX_TXT_CODE, lauf->Senkrecht[s].Code);
    if (artW >= 1 && artW <= 8)
        TextKopieren(codes[artW], OX_TXT_CODE, lauf->Waagrecht[w].Code);
}

/* One record per cell of the article's table: every used vertical entry
 * with every used horizontal entry (only the first of an axis of kind 9).
 * The record starts as the article's template. A row sets the fields of
 * its vertical entry (characteristic, prices, colour text of a colour
 * axis), a cell those of its horizontal entry and the EAN; when both axes
 * are of one kind the horizontal entry's text is the one that stays. */
static void ZellenSchreiben(EXPORT_LAUF* lauf)
{
    const OXTABELLE* t = lauf->Tabelle;
    int32_t artS = TAB_MerkmalSenkrecht(t);
    int32_t artW = TAB_MerkmalWaagrecht(t);
    if (artS <= 0 || artW <= 0)
        return;
    AchseNachschlagen(lauf, artS, t->Senkrecht, TAB_MAX_SENKRECHT, 1);
    AchseNachschlagen(lauf, artW, t->Waagrecht, TAB_MAX_WAAGRECHT, 0);
    int eanImSpeicher = !lauf->EanUeberlauf && lauf->Eans != nullptr;
    for (int32_t i = 0; eanImSpeicher && i < lauf->EanAnzahl; i++) {
        EXPORT_EAN* e = &lauf->Eans[i];
        e->KanonS = EanKanon(e, artS, lauf->Senkrecht, lauf->SenkrechtBelegt, lauf->SenkrechtAnzahl);
        e->KanonW = EanKanon(e, artW, lauf->Waagrecht, lauf->WaagrechtBelegt, lauf->WaagrechtAnzahl);
    }
    PRICAT_DATEN* d = &lauf->Satz;
    size_t groesseS = 0, groesseW = 0;
    char* feldS = MerkmalFeld(d, artS, &groesseS);
    char* feldW = MerkmalFeld(d, artW, &groesseW);
    for (int32_t si = 0; si < lauf->SenkrechtAnzahl; si++) {
        int32_t s = lauf->SenkrechtBelegt[si];
        const EXPORT_ACHSWERT* senkrecht = &lauf->Senkrecht[s];
        if (feldS != nullptr)
            FeldText(feldS, groesseS, senkrecht->Text, senkrecht->TextLaenge, sizeof senkrecht->Text);
        FeldText(d->Preis1, sizeof d->Preis1, senkrecht->Preis[0], senkrecht->PreisLaenge[0], ZAHLTEXT);
        FeldText(d->Preis2, sizeof d->Preis2, senkrecht->Preis[1], senkrecht->PreisLaenge[1], ZAHLTEXT);
        FeldText(d->Preis3, sizeof d->Preis3, senkrecht->Preis[2], senkrecht->PreisLaenge[2], ZAHLTEXT);
        if (artS == 6)
            FeldText(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe, senkrecht->Farbe, senkrecht->FarbeLaenge,
                     sizeof senkrecht->Farbe);
        for (int32_t wi = 0; wi < lauf->WaagrechtAnzahl; wi++) {
            int32_t w = lauf->WaagrechtBelegt[wi];
            const EXPORT_ACHSWERT* waagrecht = &lauf->Waagrecht[w];
            if (feldW != nullptr)
                FeldText(feldW, groesseW, waagrecht->Text, waagrecht->TextLaenge, sizeof waagrecht->Text);
            if (artS != 6 && artW == 6)
                FeldText(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe, waagrecht->Farbe, waagrecht->FarbeLaenge,
                         sizeof waagrecht->Farbe);
            if (eanImSpeicher) {
                EanDerZelle(lauf, artS, artW, s, w, d->Ean);
            } else {
                char codes[9][OX_TXT_CODE];
                ZellenCodes(lauf, artS, artW, s, w, codes);
                EanSuchen(lauf, codes, d->Ean);
            }
            SatzAusgeben(lauf);
            if (artW == 9)
                break;
        }
        if (artS == 9)
            break;
    }
}

/* Fetches the article's table (completed from its series) and writes its
 * records. */
static void ArtikelSchreiben(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    OXTABELLE* t = lauf->Tabelle;
    EansLaden(lauf);
    int32_t geliefert = 0;
    if (t != nullptr) {
        if (k->HostFunktion03 != nullptr)
            geliefert = k->HostFunktion03(lauf->Artikel.ArtikelNummer, t, nullptr) == 1;
    }
    if (!geliefert) {
        OhneTabelleSchreiben(lauf);
        return;
    }
    int32_t fehler = 1;
    int32_t serie = OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(&lauf->Artikel, &fehler);
    if (serie > 0 && fehler == 0 && lauf->Serientabelle != nullptr && k->HostFunktion06 != nullptr) {
        OXTABELLE* s = lauf->Serientabelle;
        if (k->HostFunktion06(serie, s, nullptr) == 1) {
            TAB_CopyWaagrechtMerkmale(t, s);
            TAB_ClearStueckzahlen(t);
            t->Kopf = TAB_KOPF_LEER;
            if (t->MerkmalSenkrecht == 0)
                t->MerkmalSenkrecht = s->MerkmalSenkrecht;
            if (t->MerkmalWaagrecht == 0)
                t->MerkmalWaagrecht = s->MerkmalWaagrecht;
        }
    }
    ZellenSchreiben(lauf);
}

/* ---- the run ------------------------------------------------------------------ */

void ExportOrdnerErmitteln(char* ziel, size_t groesse, int mitTrenner)
{
    char eltern[260];
    EdiElternordner(eltern, sizeof eltern, HostDatenText(HD_HOSTVERZEICHNIS));
    TextFormat(ziel, groesse, mitTrenner ? "%sEDI_EXPORT\\" : "%sEDI_EXPORT", eltern);
}

static void FortschrittZeigen(EXPORT_LAUF* lauf, int32_t prozent)
{
    if (lauf->Dialog == nullptr)
        return;
    if (prozent > 100)
        prozent = 100;
    char text[16];
    TextFormat(text, sizeof text, "%d %%", (int)prozent);
    SetDlgItemTextA(lauf->Dialog, IDC_EX_FORTSCHRITT, text);
    /* The run holds the dialog thread: show the text now. */
    HWND feld = GetDlgItem(lauf->Dialog, IDC_EX_FORTSCHRITT);
    if (feld != nullptr)
        UpdateWindow(feld);
}

/* Whether the list entry with supplier key `schluessel` and supplier number
 * `nummer` belongs to the run. */
static int GehoertDazu(const EXPORT_LAUF* lauf, const char* schluessel, int32_t nummer)
{
    if (lauf->AlleLieferanten)
        return schluessel[0] != '\0';
    size_t n = strlen(lauf->LieferantText);
    if (strncmp(schluessel, lauf->LieferantText, n) != 0)
        return 0;
    return lauf->LieferantGesucht <= 0 || nummer == lauf->LieferantGesucht;
}

static void LaufFreigeben(EXPORT_LAUF* lauf)
{
    if (lauf == nullptr)
        return;
    KatalogSchliessen(lauf);
    if (lauf->Artikelspeicher > 0)
        ARTLIB_SchliesseDatenbank(lauf->Artikelspeicher);
    if (lauf->Bezeichnungsspeicher > 0)
        BEZLIB_SchliesseDatenbank(lauf->Bezeichnungsspeicher);
    if (lauf->Lieferantenspeicher > 0)
        LieferantenDBA_CloseDBA(lauf->Lieferantenspeicher);
    Storage_Deallocate(lauf->Saetze);
    /* the run's block begins with the run */
    Storage_Deallocate(lauf);
}

/* The failure message, with the file the run failed on when it is known. */
static void FehlerMelden(EXPORT_LAUF* lauf)
{
    char text[1024], zeile[256];
    if (LoadStringA(g_ModulInstanz, IDS_EXPORT_FEHLGESCHLAGEN, text, sizeof text) <= 0)
        TextKopieren(text, sizeof text, "Der Export konnte nicht vollst\xe4ndig geschrieben werden.");
    if (lauf->FehlerDatei[0] != '\0') {
        TextAnhaengen(text, sizeof text, "\n\n");
        if (lauf->NameZuLang && LoadStringA(g_ModulInstanz, IDS_EXPORT_NAME_ZU_LANG, zeile, sizeof zeile) > 0) {
            TextAnhaengen(text, sizeof text, zeile);
            TextAnhaengen(text, sizeof text, "\n");
        }
        TextAnhaengen(text, sizeof text, lauf->FehlerDatei);
    }
    MessageBoxA(lauf->Dialog, text, "ORDANEX", MB_OK | MB_ICONERROR);
}

enum { ARBEIT_VERGESSEN_MINUTEN = 12 * 60 };

/* The system time in 100-ns steps since 1.1.1601 UTC. */
static uint64_t SystemZeit(void)
{
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    return ((uint64_t)jetzt.dwHighDateTime << 32) | jetzt.dwLowDateTime;
}

/* The run's tag: its minute and what tells it from a run begun in the
 * same minute on this or another workstation. */
static void KennungBilden(EXPORT_LAUF* lauf)
{
    uint64_t zeit = SystemZeit();
    char rechner[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD laenge = sizeof rechner;
    GetComputerNameA(rechner, &laenge);
    uint32_t h = 2166136261u;
    for (const char* p = rechner; *p != '\0'; p++)
        h = (h ^ (uint8_t)*p) * 16777619u;
    h ^= (uint32_t)zeit ^ (GetCurrentProcessId() * 2654435761u) ^ GetTickCount();
    h ^= h >> 16;
    ExportKennungBilden(lauf->Kennung, ExportMinuten(zeit), (unsigned long)(h ^ (h >> 8)));
}

/* Working files of runs that never ended (the program was stopped while
 * it wrote or placed a set) in `ordner`: a run begun more than 12 hours
 * ago is over. An earlier file it had moved aside goes back to its name
 * when that is free; anything else of it goes. */
static void VergesseneArbeitsdateien(const char* ordner)
{
    char muster[270];
    if (TextFormat(muster, sizeof muster, "%s~*", ordner) != 1)
        return;
    unsigned long jetzt = ExportMinuten(SystemZeit());
    FILEIO_FUNDSTELLE fund;
    HOSTHANDLE suche = FileIO_FindFirstFile(muster, &fund);
    for (int32_t weiter = suche != -1 ? 1 : 0; weiter == 1; weiter = FileIO_FindNextFile(suche, &fund)) {
        char endname[260], kennung[EXPORT_KENNUNG_GROESSE], pfad[260], ziel[260];
        int art = ExportArbeitsname(fund.Name, endname, sizeof endname, kennung);
        if (art == ARBEIT_KEINE || (fund.Attribute & FILEIO_ATTR_ORDNER) != 0 ||
            ExportKennungAlter(kennung, jetzt) <= ARBEIT_VERGESSEN_MINUTEN)
            continue;
        if (TextFormat(pfad, sizeof pfad, "%s%s", ordner, fund.Name) != 1 ||
            TextFormat(ziel, sizeof ziel, "%s%s", ordner, endname) != 1)
            continue;
        if (art == ARBEIT_ALT && FileIO_Exist(ziel) == 0)
            FileIO_MoveFile(pfad, ziel);
        else
            FileIO_DeleteFile(pfad);
    }
    if (suche != -1)
        FileIO_FindClose(suche);
}

/* Opens what the run reads through and builds the export folder. */
static void LaufVorbereiten(EXPORT_SPEICHER* speicher, HWND dialog, const char* lieferantText,
                            const char* erweiterung, const char* infoText)
{
    EXPORT_LAUF* lauf = &speicher->Lauf;
    lauf->Dialog = dialog;
    lauf->Datei = -1;
    lauf->OffenerSatz = -1;
    lauf->InfoText = infoText;
    lauf->Puffer = speicher->Puffer;
    lauf->Tabelle = &speicher->Tabelle;
    lauf->Serientabelle = &speicher->Serientabelle;
    lauf->Eans = speicher->Eans;
    lauf->Merkmale = speicher->Merkmale;
    lauf->Codes = speicher->Codes;
    lauf->Artikelspeicher = ARTLIB_OeffneDatenbank();
    lauf->Bezeichnungsspeicher = BEZLIB_OeffneDatenbank();
    lauf->Lieferantenspeicher = LieferantenDBA_OpenDBA();

    char ordner[260];
    ExportOrdnerErmitteln(ordner, sizeof ordner, 0);
    ExportOrdnerErmitteln(lauf->Ordner, sizeof lauf->Ordner, 1);
    if (!FileIO_PathExist(ordner) && FileIO_PathCreate(ordner) != 1) {
        char meldung[300];
        TextFormat(meldung, sizeof meldung, "PathCreate Error:%s", ordner);
        MessageBoxA(dialog, meldung, "ORDANEX", MB_OK);
    }
    KennungBilden(lauf);
    VergesseneArbeitsdateien(lauf->Ordner);
    char zusatz[260];
    if (ZusatzinfoPfad(zusatz, sizeof zusatz, lauf->Ordner, "", "", 0))
        VergesseneArbeitsdateien(zusatz);

    TextKopieren(lauf->LieferantText, sizeof lauf->LieferantText, lieferantText);
    lauf->AlleLieferanten = lauf->LieferantText[0] == '\0';
    if (!lauf->AlleLieferanten)
        lauf->LieferantGesucht = NummerZumCode(lauf, 8, lauf->LieferantText);
    TextKopieren(lauf->Erweiterung, sizeof lauf->Erweiterung, erweiterung);
}

/* Steps 2 and 3: the entries of the list, 0 through the count the host
 * reports (the entry at the count is empty). */
static void EintraegeExportieren(EXPORT_LAUF* lauf, const HOST_EXPORTLISTE* liste)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t anzahl = (liste != nullptr && liste->Eintrag != nullptr && liste->Anzahl > 0) ? liste->Anzahl : 0;
    int32_t eigeneIln = EDI_ErmittleEigeneILN(lauf->EigeneIln);
    if (k->ExportModus != 0 && !(k->ExportModus == 1 && eigeneIln == 1))
        return;
    for (int32_t i = 0; anzahl > 0 && i <= anzahl; i++) {
        if (i % 100 == 0)
            FortschrittZeigen(lauf, anzahl < 100 ? i * 100 / anzahl : i / (anzahl / 100));
        const HOST_EXPORTEINTRAG* eintrag = &liste->Eintrag[i];
        if (eintrag->ArtikelNummer == 0)
            continue;
        char schluessel[OX_TXT_32];
        FeldKopieren(schluessel, sizeof schluessel, eintrag->LieferantSchluessel, sizeof eintrag->LieferantSchluessel);
        /* The list mostly repeats a key from one entry to the next (the
         * empty key, as the run starts with, has no number). */
        if (strcmp(schluessel, lauf->ListenSchluessel) != 0) {
            TextKopieren(lauf->ListenSchluessel, sizeof lauf->ListenSchluessel, schluessel);
            lauf->ListenNummer = NummerZumCode(lauf, 8, schluessel);
        }
        int32_t nummer = lauf->ListenNummer;
        if (!GehoertDazu(lauf, schluessel, nummer))
            continue;
        if (ARTLIB_ReadArtikel(lauf->Artikelspeicher, eintrag->ArtikelNummer, &lauf->Artikel) != 1)
            continue;
        if (lauf->Artikel.Pflegekennzeichen == 0 && k->PflegekennzeichenBeruecksichtigen)
            continue;
        if (lauf->OffenerSatz < 0 || strcmp(schluessel, lauf->Schluessel) != 0) {
            TextKopieren(lauf->Schluessel, sizeof lauf->Schluessel, schluessel);
            lauf->LieferantNummer = nummer;
            LieferantVorbereiten(lauf);
            VorlageBilden(lauf);
            KatalogOeffnen(lauf);
        } else {
            VorlageBilden(lauf);
        }
        ArtikelSchreiben(lauf);
    }
    if (anzahl > 0)
        FortschrittZeigen(lauf, 100);
}

int32_t PricatExportieren(HWND dialog, const char* lieferantText, const char* erweiterung, const char* infoText)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t ergebnis = 0;
    const HOST_EXPORTLISTE* liste = nullptr;
    EXPORT_SPEICHER* speicher = nullptr;
    EXPORT_LAUF* lauf = nullptr;
    if (k != nullptr) {
        liste = k->HostFunktion17 ? k->HostFunktion17(0) : nullptr;
        speicher = (EXPORT_SPEICHER*)Storage_Allocate((int32_t)sizeof(EXPORT_SPEICHER));
    }
    if (speicher != nullptr) {
        lauf = &speicher->Lauf;
        LaufVorbereiten(speicher, dialog, lieferantText, erweiterung, infoText);
        EintraegeExportieren(lauf, liste);
        /* Step 4: the files get their names, or the run is undone. */
        if (DateienUebernehmen(lauf)) {
            ZusatzinfosMerken(lauf);
            ergebnis = lauf->Geschrieben > 0 ? 1 : 0;
        } else {
            FehlerMelden(lauf);
        }
    }
    LaufFreigeben(lauf);
    if (k != nullptr && k->HostFunktion18 != nullptr)
        k->HostFunktion18(0);
    return ergebnis;
}
