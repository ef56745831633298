/*
 * exportdateien.cpp - the working files of an export run and their
 * placement (the rules are in pricatexport.h).
 *
 * The run remembers every file set it has started (by catalogue path).
 * That list takes the place of a set of supplier numbers: a set started
 * once in a run is appended to, whichever supplier number leads to it, and
 * there is no upper bound on supplier numbers. Records go through a write
 * buffer into the working catalogue of the article's supplier.
 */
#include "pricat_out/exportlauf.h"
#include "pricat_in/adresse.h"
#include "kontext/ktoxedi.h"
#include "grund/plattform.h"
#include "kontext/stringtabelle.h"
#include "grund/speichertabelle.h"
#include "grund/text.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "resources/resource.h"

#include <string.h>

enum { ARBEIT_VERGESSEN_MINUTEN = 12 * 60 };

void Vermerken(EXPORT_LAUF* lauf, const char* zeile)
{
    if (strstr(lauf->Bericht, zeile) != nullptr)
        return;
    size_t laenge = strlen(lauf->Bericht);
    if (laenge + strlen(zeile) + 2 > sizeof lauf->Bericht - 5) {
        if (laenge < 3 || strcmp(lauf->Bericht + laenge - 3, "...") != 0)
            TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, "\n...");
        return;
    }
    if (laenge > 0)
        TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, "\n");
    TextAnhaengen(lauf->Bericht, sizeof lauf->Bericht, zeile);
}

void SatzFehlschlag(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz, const char* datei)
{
    if (satz == nullptr)
        return;
    if (!satz->Fehler)
        TextKopieren(satz->FehlerDatei, sizeof satz->FehlerDatei, datei != nullptr ? datei : satz->Katalog);
    satz->Fehler = 1;
    if (lauf->OffenerSatz >= 0 && &lauf->Saetze[lauf->OffenerSatz] == satz && lauf->Datei != -1) {
        /* Nothing more goes into it; the set stays open so that the
         * supplier's further articles are skipped too. */
        FileIO_Close(lauf->Datei);
        lauf->Datei = -1;
        lauf->Fuellung = 0;
    }
}

void KatalogFehlschlag(EXPORT_LAUF* lauf)
{
    if (lauf->OffenerSatz >= 0)
        SatzFehlschlag(lauf, &lauf->Saetze[lauf->OffenerSatz], nullptr);
}

void PufferLeeren(EXPORT_LAUF* lauf)
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

void KatalogSchliessen(EXPORT_LAUF* lauf)
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
static void PartnerFehlschlag(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz, const char* endung)
{
    char ziel[260];
    SatzFehlschlag(lauf, satz, ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endung) ? ziel : satz->Katalog);
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
    FeldKopieren(lauf->LieferantMerkmal.Code, sizeof lauf->LieferantMerkmal.Code, kuerzel, sizeof kuerzel);
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
void KatalogOeffnen(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    char name[OX_TXT_25];
    char katalog[260];
    FeldKopieren(lauf->LieferantMerkmal.Text, sizeof lauf->LieferantMerkmal.Text, name, sizeof name);
    KatalogSchliessen(lauf);
    if (!ExportKatalogPfad(katalog, sizeof katalog, lauf->Ordner, name,
                           lauf->AlleLieferanten ? nullptr : lauf->Erweiterung)) {
        /* No set: the name as the user gave it, shortened, for the message. */
        char lang[sizeof lauf->Ordner + sizeof name + sizeof lauf->Erweiterung + 16];
        char zeile[400] = "";
        int mitErweiterung = !lauf->AlleLieferanten && lauf->Erweiterung[0] != '\0';
        TextFormat(lang, sizeof lang, "%sPRICAT-%s%s%s", lauf->Ordner, name, mitErweiterung ? "-" : "",
                   mitErweiterung ? lauf->Erweiterung : "");
        StringLaden(IDS_EXPORT_NAME_ZU_LANG, zeile, sizeof zeile);
        TextAnhaengen(zeile, sizeof zeile, "\n");
        TextFormat(katalog, sizeof katalog, "%.200s...", lang);
        TextAnhaengen(zeile, sizeof zeile, katalog);
        Vermerken(lauf, zeile);
        return;
    }
    int32_t index = -1;
    for (int32_t i = 0; i < lauf->SatzAnzahl && index < 0; i++)
        if (strcmp(lauf->Saetze[i].Katalog, katalog) == 0)
            index = i;

    char temp[260];
    if (index >= 0) {
        EXPORT_DATEISATZ* alt = &lauf->Saetze[index];
        lauf->OffenerSatz = index;
        if (alt->Fehler)
            return;   /* skipped: its records go nowhere */
        if (!TempPartner(lauf, alt, ".INH", temp, sizeof temp)) {
            SatzFehlschlag(lauf, alt, nullptr);
            return;
        }
        lauf->Datei = FileIO_OpenRWS(temp);
        if (lauf->Datei == -1 || FileIO_SetPosFromEnd(lauf->Datei, 0) < 0) {
            if (lauf->Datei != -1)
                FileIO_Close(lauf->Datei);
            lauf->Datei = -1;
            SatzFehlschlag(lauf, alt, nullptr);
        }
        return;
    }

    if (lauf->SatzAnzahl == lauf->SatzKapazitaet) {
        void* saetze = SpeichertabelleWachsen(lauf->Saetze, lauf->SatzAnzahl, &lauf->SatzKapazitaet,
                                              sizeof(EXPORT_DATEISATZ), 16, 0);
        if (saetze == nullptr) {
            Vermerken(lauf, katalog);
            return;
        }
        lauf->Saetze = (EXPORT_DATEISATZ*)saetze;
    }
    EXPORT_DATEISATZ* satz = &lauf->Saetze[lauf->SatzAnzahl];
    memset(satz, 0, sizeof *satz);
    TextKopieren(satz->Katalog, sizeof satz->Katalog, katalog);
    lauf->SatzAnzahl++;
    lauf->OffenerSatz = lauf->SatzAnzahl - 1;
    if (!TempPartner(lauf, satz, ".INH", temp, sizeof temp)) {
        SatzFehlschlag(lauf, satz, nullptr);
        return;
    }
    lauf->Datei = FileIO_CreateRWS(temp);
    if (lauf->Datei == -1) {
        SatzFehlschlag(lauf, satz, nullptr);
        return;
    }
    int32_t laenge = EDIPRICAT_BTEPRI_SatzErstellen(lauf->Ausgabe, &lauf->Kopf);
    if (laenge > 0)
        Schreiben(lauf, lauf->Ausgabe, laenge);
    else
        SatzFehlschlag(lauf, satz, nullptr);
    if (k->AdressimportSuchen)
        AdresseSchreiben(lauf, satz);
    if (!lauf->AlleLieferanten && lauf->InfoText != nullptr)
        InfotextSchreiben(lauf, satz);
}

/* Gives the working files of one set their names, or leaves the set as it
 * was when it failed or cannot be placed whole.
 *
 * First every earlier file the set replaces is moved aside to its ".ALT"
 * name (a file another workstation holds open fails here, before anything
 * was replaced), then the new files get their names, then the earlier
 * files go. When a step fails, the new files that were placed are removed
 * and the earlier ones come back. */
static void SatzUebernehmen(EXPORT_LAUF* lauf, EXPORT_DATEISATZ* satz)
{
    static const char* const endungen[3] = { ".ADR", ".TXT", ".INH" };
    for (int schritt = 0; schritt < 2; schritt++) {
        for (int e = 0; e < 3 && !satz->Fehler; e++) {
            if ((e == 0 && !satz->MitAdresse) || (e == 1 && !satz->MitText))
                continue;
            char ziel[260], arbeit[260];
            if (!ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endungen[e]) ||
                !ExportArbeitsPfad(arbeit, sizeof arbeit, ziel, lauf->Kennung, schritt == 0 ? ARBEIT_ALT : ARBEIT_NEU)) {
                SatzFehlschlag(lauf, satz, nullptr);
            } else if (schritt == 0) {
                if (FileIO_Exist(ziel) == 1) {
                    if (FileIO_MoveFile(ziel, arbeit) == 1)
                        satz->Gesichert[e] = 1;
                    else
                        SatzFehlschlag(lauf, satz, ziel);
                }
            } else {
                if (FileIO_MoveFile(arbeit, ziel) == 1)
                    satz->Platziert[e] = 1;
                else
                    SatzFehlschlag(lauf, satz, ziel);
            }
        }
    }
    /* Undone or done: the set leaves none of its working files behind. */
    for (int e = 0; e < 3; e++) {
        char ziel[260], neu[260], alt[260];
        if (!ExportPartnerPfad(ziel, sizeof ziel, satz->Katalog, endungen[e]) ||
            !ExportArbeitsPfad(neu, sizeof neu, ziel, lauf->Kennung, ARBEIT_NEU) ||
            !ExportArbeitsPfad(alt, sizeof alt, ziel, lauf->Kennung, ARBEIT_ALT))
            continue;
        if (satz->Fehler && satz->Platziert[e])
            FileIO_DeleteFile(ziel);
        if (satz->Fehler && satz->Gesichert[e])
            FileIO_MoveFile(alt, ziel);
        else if (satz->Gesichert[e])
            FileIO_DeleteFile(alt);
        if (!satz->Platziert[e] || satz->Fehler)
            FileIO_DeleteFile(neu);
    }
}

void DateienUebernehmen(EXPORT_LAUF* lauf)
{
    KatalogSchliessen(lauf);
    lauf->Geschrieben = 0;
    for (int32_t i = 0; i < lauf->SatzAnzahl; i++) {
        EXPORT_DATEISATZ* satz = &lauf->Saetze[i];
        SatzUebernehmen(lauf, satz);
        if (satz->Fehler)
            Vermerken(lauf, satz->FehlerDatei);
        else
            lauf->Geschrieben += satz->Geschrieben;
    }
}

/* Remembers the name extension (also an empty one, so that no stale one is
 * offered next time) of a single-supplier run that formed a file name, and
 * the info text of one whose set was placed, in "ZUSATZINFOS". */
void ZusatzinfosMerken(EXPORT_LAUF* lauf)
{
    if (lauf->AlleLieferanten || lauf->SatzAnzahl == 0)
        return;
    char ordner[260], pfad[260], temp[260];
    if (!ZusatzinfoPfad(ordner, sizeof ordner, lauf->Ordner, "", "", 0))
        return;
    if (FileIO_PathExist(ordner) != 1 && FileIO_PathCreate(ordner) != 1)
        return;
    if (ZusatzinfoPfad(pfad, sizeof pfad, lauf->Ordner, "NAM", lauf->LieferantText, 1) &&
        ExportArbeitsPfad(temp, sizeof temp, pfad, lauf->Kennung, ARBEIT_NEU)) {
        char zeile[260];
        TextFormat(zeile, sizeof zeile, "%s\n", lauf->Erweiterung);
        if (TextdateiSchreiben(temp, zeile) != 1 || FileIO_MoveFile(temp, pfad) != 1)
            FileIO_DeleteFile(temp);
    }
    if (lauf->InfoText != nullptr && lauf->Saetze[0].MitText && !lauf->Saetze[0].Fehler &&
        ZusatzinfoPfad(pfad, sizeof pfad, lauf->Ordner, "INFO", lauf->LieferantText, 1)) {
        char text[260];
        if (ExportPartnerPfad(text, sizeof text, lauf->Saetze[0].Katalog, ".TXT"))
            FileIO_CopyFile(text, pfad, 0);
    }
}

/* The run's tag: its minute and what tells it from a run begun in the
 * same minute on this or another workstation. */
void KennungBilden(EXPORT_LAUF* lauf)
{
    ExportKennungBilden(lauf->Kennung, ExportMinuten(SystemZeit()), (unsigned long)LaufMerkmal());
}

/* Working files of runs that never ended (the program was stopped while
 * it wrote or placed a set) in `ordner`: a run begun more than 12 hours
 * ago is over. An earlier file it had moved aside goes back to its name
 * when that is free; anything else of it goes. */
void VergesseneArbeitsdateien(const char* ordner)
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
