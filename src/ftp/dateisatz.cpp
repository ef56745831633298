/*
 * dateisatz.cpp - catalogue file sets: plain-name check, set names, the
 * set list and the row texts, order and colours.
 */
#include "ftp/dateisatz.h"

#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/ktlisten.h"
#include "hostapi/ktstorage.h"

#include <string.h>

/* The longest path the module builds: 259 characters and the terminator. */
enum { PFAD_ZEICHEN = 259 };

/* 1 when `a` and `b` (b in capitals) are equal over `laenge` characters
 * without regard to case. */
static int GleichOhneFall(const char* a, const char* b, size_t laenge)
{
    for (size_t i = 0; i < laenge; i++)
        if (ZeichenGross((unsigned char)a[i]) != (unsigned char)b[i])
            return 0;
    return 1;
}

static int IstGeraetename(const char* name)
{
    static const char* const geraete[] = { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$" };
    size_t basis = 0;
    while (name[basis] != '\0' && name[basis] != '.')
        basis++;
    /* Blanks before the extension do not make another name ("CON .TXT"). */
    while (basis > 0 && name[basis - 1] == ' ')
        basis--;
    int rc = 0;
    for (const char* g : geraete)
        if (strlen(g) == basis && GleichOhneFall(name, g, basis))
            rc = 1;
    if (basis == 4 && (GleichOhneFall(name, "COM", 3) || GleichOhneFall(name, "LPT", 3))) {
        unsigned char z = (unsigned char)name[3];
        /* digits and the superscript ones, twos and threes of cp1252 */
        if ((z >= '0' && z <= '9') || z == 0xB9 || z == 0xB2 || z == 0xB3)
            rc = 1;
    }
    return rc;
}

int FtpNameZulaessig(const char* name, size_t ordnerLaenge)
{
    int rc = 1;
    if (name == nullptr || name[0] == '\0')
        return 0;
    size_t laenge = strlen(name);
    if (laenge > FTP_NAME_GROESSE - 1 || ordnerLaenge > PFAD_ZEICHEN || laenge > PFAD_ZEICHEN - ordnerLaenge)
        rc = 0;
    for (size_t i = 0; rc == 1 && i < laenge; i++) {
        unsigned char c = (unsigned char)name[i];
        if (c < 0x20 || c == 0x7F || strchr("\\/:*?\"<>|", c) != nullptr)
            rc = 0;
    }
    if (rc == 1 && strstr(name, "..") != nullptr)
        rc = 0;
    if (rc == 1 && (name[0] == ' ' || name[laenge - 1] == '.' || name[laenge - 1] == ' '))
        rc = 0;
    if (rc == 1 && IstGeraetename(name))
        rc = 0;
    return rc;
}

int FtpMusterPasst(const char* name)
{
    if (name == nullptr || strlen(name) < 6 || !GleichOhneFall(name, "PRICAT", 6))
        return 0;
    return strchr(name + 6, '.') != nullptr ? 1 : 0;
}

int FtpDateiArt(const char* name)
{
    int rc = FTP_ART_KEINE;
    const char* punkt = name != nullptr ? strrchr(name, '.') : nullptr;
    if (punkt != nullptr && strlen(punkt + 1) == 3) {
        if (GleichOhneFall(punkt + 1, "INH", 3))
            rc = FTP_ART_INHALT;
        else if (GleichOhneFall(punkt + 1, "TXT", 3) || GleichOhneFall(punkt + 1, "PDF", 3))
            rc = FTP_ART_BESCHREIBUNG;
        else if (GleichOhneFall(punkt + 1, "ADR", 3))
            rc = FTP_ART_ADRESSE;
    }
    return rc;
}

int FtpGrossschreiben(char* ziel, size_t groesse, const char* name)
{
    int rc = TextKopieren(ziel, groesse, name);
    if (rc >= 0)
        for (char* p = ziel; *p != '\0'; p++)
            *p = (char)ZeichenGross((unsigned char)*p);
    return rc;
}

int FtpSatzName(char* ziel, size_t groesse, const char* name)
{
    int rc = FtpGrossschreiben(ziel, groesse, name);
    if (rc >= 0) {
        char* punkt = strchr(ziel, '.');
        if (punkt != nullptr) {
            *punkt = '\0';
            rc = 1;
        }
    }
    return rc;
}

/* The list is held in the order of the date texts. */
static int32_t OXCALL SaetzeNachDatum(const void* a, const void* b)
{
    return TextVergleichen(((const FTP_DATEISATZ*)a)->DatumText, ((const FTP_DATEISATZ*)b)->DatumText);
}

/* Does set `element` carry the set name `parameter`? The .INH, description
 * and address names are checked in that order (a set has at least one). */
static int32_t OXCALL SatzHatNamen(const void* element, void* parameter)
{
    const FTP_DATEISATZ* satz = (const FTP_DATEISATZ*)element;
    const char* gesucht = (const char*)parameter;
    const char* namen[3] = { satz->InhaltDatei, satz->BeschreibungDatei, satz->AdressDatei };
    char satzName[FTP_NAME_GROESSE];
    int32_t rc = 0;
    for (const char* n : namen) {
        if (n[0] != '\0') {
            FtpSatzName(satzName, sizeof satzName, n);
            rc = strcmp(satzName, gesucht) == 0 ? 1 : 0;
            break;
        }
    }
    return rc;
}

int32_t FtpDateiEintragen(HOSTHANDLE* liste, const char* name, const char* datumText, int32_t tag,
                          uint32_t groesse, size_t ordnerLaenge)
{
    if (liste == nullptr || name == nullptr)
        return -1;
    int art = FtpDateiArt(name);
    if (!FtpNameZulaessig(name, ordnerLaenge) || !FtpMusterPasst(name) || art == FTP_ART_KEINE)
        return 0;

    char satzName[FTP_NAME_GROESSE];
    FtpSatzName(satzName, sizeof satzName, name);
    FTP_DATEISATZ* satz = (FTP_DATEISATZ*)List_FindElement(*liste, SatzHatNamen, satzName);
    int32_t rc = 1;
    int neu = satz == nullptr;
    if (neu) {
        satz = (FTP_DATEISATZ*)Storage_Allocate((int32_t)sizeof(FTP_DATEISATZ));
        if (satz == nullptr)
            return -1;
    }

    char* feld = satz->AdressDatei;
    char* quelle = satz->AdressQuelle;
    uint32_t* groesseFeld = &satz->AdressGroesse;
    if (art == FTP_ART_INHALT) {
        feld = satz->InhaltDatei;
        quelle = satz->InhaltQuelle;
        groesseFeld = &satz->InhaltGroesse;
    } else if (art == FTP_ART_BESCHREIBUNG) {
        feld = satz->BeschreibungDatei;
        quelle = satz->BeschreibungQuelle;
        groesseFeld = &satz->BeschreibungGroesse;
    }
    FtpGrossschreiben(feld, FTP_NAME_GROESSE, name);
    TextKopieren(quelle, FTP_NAME_GROESSE, name);
    *groesseFeld = groesse;

    int datumNeu = 0;
    if (art == FTP_ART_INHALT) {
        TextKopieren(satz->DatumText, sizeof satz->DatumText, datumText);
        satz->Tag = tag;
        datumNeu = 1;
    }

    if (neu) {
        if (List_AddSortElement(liste, satz, SaetzeNachDatum) != 1) {
            Storage_Deallocate(satz);
            rc = -1;
        }
    } else if (datumNeu) {
        /* The date decides the place in the list: take the set out and put
         * it back where its new date belongs. */
        List_RemoveElement(*liste, satz);
        if (List_AddSortElement(liste, satz, SaetzeNachDatum) != 1) {
            Storage_Deallocate(satz);
            rc = -1;
        }
    }
    return rc;
}

int32_t FtpSatzMarkieren(HOSTHANDLE liste, const char* name)
{
    if (name == nullptr)
        return -1;
    char satzName[FTP_NAME_GROESSE];
    FtpSatzName(satzName, sizeof satzName, name);
    FTP_DATEISATZ* satz = (FTP_DATEISATZ*)List_FindElement(liste, SatzHatNamen, satzName);
    int32_t rc = 0;
    if (satz != nullptr) {
        satz->AndereSeite = 1;
        rc = 1;
    }
    return rc;
}

static void OXCALL SatzFreigeben(void* element)
{
    Storage_Deallocate(element);
}

void FtpSatzlisteFreigeben(HOSTHANDLE* liste)
{
    if (liste == nullptr)
        return;
    if (*liste != 0)
        List_Destroy(*liste, SatzFreigeben);
    *liste = 0;
}

const char* FtpSpaltenText(const FTP_DATEISATZ* satz, int spalte)
{
    const char* rc = "";
    if (satz != nullptr) {
        switch (spalte) {
        case 0: rc = satz->DatumText; break;
        case 1: rc = satz->InhaltDatei; break;
        case 2: rc = satz->BeschreibungDatei; break;
        case 3: rc = satz->AdressDatei; break;
        default: break;
        }
        if (spalte >= 1 && spalte <= 3 && rc[0] == '\0')
            rc = "----";
    }
    return rc;
}

int FtpSaetzeVergleichen(const FTP_DATEISATZ* a, const FTP_DATEISATZ* b, int spalte)
{
    int rc = 0;
    if (spalte == 0)
        rc = a->Tag < b->Tag ? -1 : (a->Tag > b->Tag ? 1 : 0);
    else
        rc = TextVergleichen(FtpSpaltenText(a, spalte), FtpSpaltenText(b, spalte));
    return rc;
}

void FtpZeilenFarben(int32_t andereSeite, int32_t ausgewaehlt, uint32_t* text, uint32_t* hintergrund)
{
    uint32_t grund = ausgewaehlt ? 0x00E0E0E0u : 0x00FFFFFFu;
    if (andereSeite == 1)
        grund = ausgewaehlt ? 0x0080FF80u : 0x00C0FFC0u;
    if (text != nullptr)
        *text = 0x00000000u;
    if (hintergrund != nullptr)
        *hintergrund = grund;
}
