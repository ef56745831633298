/*
 * adresse.cpp - the supplier address file: columns, reader and writer.
 */
#include "pricat_in/adresse.h"
#include "grund/text.h"
#include "hostapi/fileio.h"
#include "hostapi/ktlineread.h"
#include "pricat_in/katalogtext.h"
#include "pricat_in/kopf.h"

#include <stddef.h>
#include <string.h>

#define TEXT(name, feld) { name, ADR_TEXT, offsetof(LIEFERANTEN_SATZ, feld), sizeof(((LIEFERANTEN_SATZ*)0)->feld), 0 }
#define MEHRZEILIG(name, feld) \
    { name, ADR_MEHRZEILIG, offsetof(LIEFERANTEN_SATZ, feld), sizeof(((LIEFERANTEN_SATZ*)0)->feld), 0 }
#define WERT(name, art, feld) { name, art, offsetof(LIEFERANTEN_SATZ, feld), sizeof(((LIEFERANTEN_SATZ*)0)->feld), 0 }
#define ILN(name, slot) { name, ADR_ILN, offsetof(LIEFERANTEN_SATZ, Iln) + (slot) * OX_TXT_ILN, OX_TXT_ILN, slot }

constexpr ADR_SPALTE ADR_SPALTEN[ADR_SPALTEN_ANZAHL] = {
    { "K\xFCrzel", ADR_KUERZEL, 0, 0, 0 },
    TEXT("Name", Name),
    TEXT("Ansprechpartner", Ansprechpartner),
    TEXT("Strasse", Strasse),
    TEXT("Land", Land),
    TEXT("PLZ", Plz),
    TEXT("Ort", Ort),
    TEXT("Tel1", Tel1),
    TEXT("Tel2", Tel2),
    TEXT("Fax1", Fax1),
    TEXT("Fax2", Fax2),
    TEXT("Bestell-AP", BestellAnsprechpartner),
    MEHRZEILIG("Bestell-Adresse", BestellAdresse),
    TEXT("Bestell-Tel", BestellTel),
    TEXT("Bestell-Fax", BestellFax),
    TEXT("Reklam-AP", ReklamAnsprechpartner),
    MEHRZEILIG("Reklam-Adresse", ReklamAdresse),
    TEXT("Reklam-Tel", ReklamTel),
    TEXT("Reklam-Fax", ReklamFax),
    WERT("RMA-erf", ADR_SCHALTER, RmaErforderlich),
    TEXT("Feste RAM-Nr", FesteRmaNummer),
    WERT("UnfreiOK", ADR_SCHALTER, UnfreiOk),
    TEXT("BLZ", Blz),
    TEXT("KTO", Kto),
    TEXT("USTID", UstId),
    WERT("Frachtfrei", ADR_FRACHTFREI, Frachtfrei),
    TEXT("Bankname", Bankname),
    WERT("USTfrei", ADR_USTFREI, UstFrei),
    ILN("ILN-Nr.1", 0),
    ILN("ILN-Nr.2", 1),
    ILN("ILN-Nr.3", 2),
    ILN("ILN-Nr.4", 3),
    ILN("ILN-Nr.5", 4),
    ILN("ILN-Nr.6", 5),
    ILN("ILN-Nr.7", 6),
    ILN("ILN-Nr.8", 7),
    ILN("ILN-Nr.9", 8),
    ILN("ILN-Nr.10", 9),
};

/* Longest data line the writer can make: every field full, numbers of 11
 * characters, one ";" per column and the line feed. */
static constexpr size_t LaengsteDatenzeile()
{
    size_t n = ADR_KUERZEL_LAENGE + 1 + 1;
    for (const ADR_SPALTE& s : ADR_SPALTEN) {
        if (s.Art == ADR_TEXT || s.Art == ADR_MEHRZEILIG || s.Art == ADR_ILN)
            n += (size_t)s.Groesse - 1 + 1;
        else if (s.Art != ADR_KUERZEL)
            n += 11 + 1;
    }
    return n;
}
static_assert(LaengsteDatenzeile() <= ADR_ZEILE_MAX, "a line the writer makes fits its buffer");

void AdressTextKodieren(char* text)
{
    for (char* p = text; p && *p; p++) {
        if (*p == '\r')
            *p = '~';
        else if (*p == '\n')
            *p = '^';
    }
}

void AdressTextDekodieren(char* text)
{
    for (char* p = text; p && *p; p++) {
        if (*p == '~')
            *p = '\r';
        else if (*p == '^')
            *p = '\n';
    }
}

static char* Feld(LIEFERANTEN_SATZ* satz, const ADR_SPALTE* s)
{
    return (char*)satz + s->Offset;
}

static const char* Feld(const LIEFERANTEN_SATZ* satz, const ADR_SPALTE* s)
{
    return (const char*)satz + s->Offset;
}

/* --- writer ----------------------------------------------------------------- */

/* Appends `wert` and ";" to the line; a value keeps no separator and, unless
 * it is multi-line, no line break. */
static int WertAnhaengen(char* aus, size_t groesse, const char* wert, int mehrzeilig)
{
    char text[ADR_ZEILE_MAX + 1];
    TextKopieren(text, sizeof text, wert);
    for (char* p = text; *p; p++) {
        if (*p == ';' || *p == '\t')
            *p = ' ';
        else if (!mehrzeilig && (*p == '\r' || *p == '\n'))
            *p = ' ';
    }
    if (mehrzeilig)
        AdressTextKodieren(text);
    int ok = TextAnhaengen(aus, groesse, text) == 1;
    return ok && TextAnhaengen(aus, groesse, ";") == 1;
}

int32_t AdressKopfzeileBilden(char* aus, size_t groesse)
{
    if (aus == nullptr || groesse == 0)
        return -1;
    aus[0] = '\0';
    int ok = 1;
    for (const ADR_SPALTE& s : ADR_SPALTEN)
        ok = ok && WertAnhaengen(aus, groesse, s.Name, 0);
    ok = ok && TextAnhaengen(aus, groesse, "\n") == 1;
    if (!ok) {
        aus[0] = '\0';
        return -1;
    }
    return (int32_t)strlen(aus);
}

int32_t AdressDatenzeileBilden(const LIEFERANTEN_SATZ* satz, const char* kuerzel, char* aus, size_t groesse)
{
    if (aus == nullptr || groesse == 0 || satz == nullptr)
        return -1;
    aus[0] = '\0';
    int ok = 1;
    for (const ADR_SPALTE& s : ADR_SPALTEN) {
        char wert[ADR_ZEILE_MAX + 1] = "";
        int16_t w16 = 0;
        int32_t w32 = 0;
        switch (s.Art) {
        case ADR_KUERZEL:
            TextKopieren(wert, ADR_KUERZEL_LAENGE + 1, kuerzel);
            break;
        case ADR_TEXT:
        case ADR_MEHRZEILIG:
        case ADR_ILN:
            FeldKopieren(Feld(satz, &s), (size_t)s.Groesse, wert, sizeof wert);
            break;
        case ADR_SCHALTER:
        case ADR_USTFREI:
            memcpy(&w16, Feld(satz, &s), sizeof w16);
            TextKopieren(wert, sizeof wert, w16 != 0 ? "1" : "0");
            break;
        case ADR_FRACHTFREI:
            memcpy(&w32, Feld(satz, &s), sizeof w32);
            TextFormat(wert, sizeof wert, "%ld", (long)w32);
            break;
        }
        ok = ok && WertAnhaengen(aus, groesse, wert, s.Art == ADR_MEHRZEILIG);
    }
    ok = ok && TextAnhaengen(aus, groesse, "\n") == 1;
    if (!ok) {
        aus[0] = '\0';
        return -1;
    }
    return (int32_t)strlen(aus);
}

/* --- reader ----------------------------------------------------------------- */

/* Next value of the data line, outer blanks removed. 1 = there was one. */
static int WertLesen(HOSTHANDLE leser, char* wert, size_t groesse)
{
    if (LR_NextStringSized(leser, wert, (int32_t)groesse) != 1) {
        wert[0] = '\0';
        return 0;
    }
    TextTrimmen(wert);
    return 1;
}

/* Column `s` from the next value into the record. */
static void SpalteUebernehmen(HOSTHANDLE leser, const ADR_SPALTE* s, LIEFERANTEN_SATZ* satz)
{
    char wert[ADR_ZEILE_MAX + 1];
    if (!WertLesen(leser, wert, sizeof wert))
        return;
    int32_t zahl = ZahlAusText(wert);
    int16_t w16 = (int16_t)(zahl > INT16_MAX ? INT16_MAX : (zahl < INT16_MIN ? INT16_MIN : zahl));
    switch (s->Art) {
    case ADR_MEHRZEILIG:
        AdressTextDekodieren(wert);
        TextKopieren(Feld(satz, s), (size_t)s->Groesse, wert);
        break;
    case ADR_TEXT:
        TextKopieren(Feld(satz, s), (size_t)s->Groesse, wert);
        break;
    case ADR_SCHALTER:
        memcpy(Feld(satz, s), &w16, sizeof w16);
        break;
    case ADR_ILN:
        if (strlen(wert) == 13)
            TextKopieren(Feld(satz, s), (size_t)s->Groesse, wert);
        break;
    default:   /* Frachtfrei and USTfrei are read and not stored */
        break;
    }
}

int32_t AdressZeileUebernehmen(const char* zeile, const char* iln, LIEFERANTEN_SATZ* satz)
{
    int32_t nummer = 0;
    if (zeile == nullptr || satz == nullptr)
        return nummer;
    HOSTHANDLE leser = LR_New(zeile, "\t;");
    if (leser == 0)
        return nummer;

    char kuerzel[ADR_ZEILE_MAX + 1];
    if (WertLesen(leser, kuerzel, sizeof kuerzel) && kuerzel[0] != '\0') {
        char name[sizeof satz->Name];
        int hatName = 0;
        char wert[ADR_ZEILE_MAX + 1];
        if (WertLesen(leser, wert, sizeof wert)) {
            TextKopieren(name, sizeof name, wert);
            TextKopieren(satz->Name, sizeof satz->Name, name);
            hatName = 1;
        }
        nummer = LieferantZuIln(iln);
        if (nummer > 0) {
            LieferantenDBA_LeseRecord(nummer, satz);
            if (hatName)
                TextKopieren(satz->Name, sizeof satz->Name, name);
        }
        for (int spalte = 2; spalte < ADR_SPALTEN_ANZAHL; spalte++)
            SpalteUebernehmen(leser, &ADR_SPALTEN[spalte], satz);
    }
    LR_Destroy(leser);
    return nummer;
}

void AdressenVervollstaendigen(LIEFERANTEN_SATZ* satz)
{
    if (satz == nullptr)
        return;
    char name[sizeof satz->Name], strasse[sizeof satz->Strasse], land[sizeof satz->Land];
    char plz[sizeof satz->Plz], ort[sizeof satz->Ort];
    FeldKopieren(satz->Name, sizeof satz->Name, name, sizeof name);
    FeldKopieren(satz->Strasse, sizeof satz->Strasse, strasse, sizeof strasse);
    FeldKopieren(satz->Land, sizeof satz->Land, land, sizeof land);
    FeldKopieren(satz->Plz, sizeof satz->Plz, plz, sizeof plz);
    FeldKopieren(satz->Ort, sizeof satz->Ort, ort, sizeof ort);
    if (TextLaenge(satz->BestellAdresse, sizeof satz->BestellAdresse) == 0)
        TextFormat(satz->BestellAdresse, sizeof satz->BestellAdresse, "%s\r\n%s\r\n%s %s %s\r\n", name, strasse,
                   land, plz, ort);
    if (TextLaenge(satz->ReklamAdresse, sizeof satz->ReklamAdresse) == 0)
        FeldKopieren(satz->BestellAdresse, sizeof satz->BestellAdresse, satz->ReklamAdresse,
                     sizeof satz->ReklamAdresse);
}

int32_t AdressDateiImportieren(const char* katalogPfad, const char* iln)
{
    int32_t nummer = 0;
    char adrPfad[OX_TXT_PATH];
    if (katalogPfad == nullptr || FileIO_Exist(katalogPfad) != 1)
        return nummer;
    if (AdressPfadBilden(katalogPfad, adrPfad, sizeof adrPfad) != 1)
        return nummer;
    HOSTHANDLE datei = LR_OpenFile(adrPfad, "");
    if (datei == 0)
        return nummer;

    char zeile[ADR_LESE_MAX + 1];
    if (LR_NextLine(datei, zeile, sizeof zeile) != 1) {
        LR_Destroy(datei);
        return nummer;
    }
    if (strstr(zeile, "Vertretername") != nullptr) {
        /* not a supplier address */
        LR_Destroy(datei);
        FileIO_DeleteFile(adrPfad);
        return nummer;
    }

    MMLIB_OeffneDatenbank(8);
    int geschrieben = 0;
    if (LR_NextLine(datei, zeile, sizeof zeile) == 1) {
        if (strlen(zeile) == ADR_LESE_MAX) {
            /* Perhaps cut: what follows the last separator is no whole value. */
            char* ende = strrchr(zeile, ';');
            char* tab = strrchr(zeile, '\t');
            if (tab != nullptr && (ende == nullptr || tab > ende))
                ende = tab;
            if (ende != nullptr)
                ende[1] = '\0';
        }
        LIEFERANTEN_SATZ satz;
        LieferantenDBA_ClearRecord(&satz);
        nummer = AdressZeileUebernehmen(zeile, iln, &satz);
        AdressenVervollstaendigen(&satz);
        geschrieben = LieferantenDBA_SchreibeRecord(nummer, &satz) == 1;
    }
    MMLIB_SchliesseDatenbank(8);
    LR_Destroy(datei);

    if (nummer > 0)
        FileIO_DeleteFile(adrPfad);
    return geschrieben ? nummer : 0;
}
