/*
 * protokoll.cpp - the import record of a catalogue run (protokoll.h).
 */
#include "engine/protokoll.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "grund/plattform.h"
#include "grund/text.h"
#include "hostapi/fileio.h"
#include "hostapi/oxtexdefs.h"
#include "kontext/kopfzeile.h"
#include "kontext/stringtabelle.h"
#include "resources/resource.h"

static IMPORT_PROTOKOLL* Offen(void)
{
    if (g_Kontext == nullptr || g_Kontext->Protokoll.Offen != 1)
        return nullptr;
    return &g_Kontext->Protokoll;
}

static void Leeren(IMPORT_PROTOKOLL* p)
{
    if (p->Fuellung <= 0 || p->Fehler)
        return;
    if (p->Datei <= 0) {
        p->Datei = FileIO_CreateRWS(p->Pfad);
        if (p->Datei <= 0) {
            p->Datei = 0;
            p->Fehler = 1;
            return;
        }
    }
    if (FileIO_Write(p->Datei, p->Puffer, p->Fuellung) != p->Fuellung)
        p->Fehler = 1;
    p->Fuellung = 0;
}

static void Anfuegen(IMPORT_PROTOKOLL* p, const char* text)
{
    size_t n = strlen(text);
    if (n > sizeof p->Puffer - 3)
        n = sizeof p->Puffer - 3;
    if ((size_t)p->Fuellung + n + 2 > sizeof p->Puffer)
        Leeren(p);
    if ((size_t)p->Fuellung + n + 2 > sizeof p->Puffer)
        p->Fuellung = 0;   /* the file cannot be written: nothing piles up */
    memcpy(p->Puffer + p->Fuellung, text, n);
    p->Fuellung += (int32_t)n;
    p->Puffer[p->Fuellung++] = '\r';
    p->Puffer[p->Fuellung++] = '\n';
}

static void Formatieren(char* aus, size_t groesse, int id, va_list werte)
{
    char format[256] = "";
    StringLaden(id, format, sizeof format);
    if (vsnprintf(aus, groesse, format, werte) < 0)
        aus[0] = '\0';
}

/* Appends the line of string `id` formatted with `werte`; cut at 511 bytes. */
static void ZeileListe(IMPORT_PROTOKOLL* p, int id, va_list werte)
{
    char text[512];
    Formatieren(text, sizeof text, id, werte);
    Anfuegen(p, text);
}

static void Zeile(IMPORT_PROTOKOLL* p, int id, ...)
{
    va_list werte;
    va_start(werte, id);
    ZeileListe(p, id, werte);
    va_end(werte);
}

int ProtokollBeginnen(const char* katalog)
{
    if (g_Kontext == nullptr)
        return 0;
    if (Offen() != nullptr)
        ProtokollBeenden(0, 0);
    IMPORT_PROTOKOLL* p = &g_Kontext->Protokoll;
    memset(p, 0, sizeof *p);
    ORTSZEIT jetzt;
    JetztOrtszeit(&jetzt);
    char name[64] = "";
    StringLaden(IDS_PROT_NAME, name, sizeof name);
    if (name[0] == '\0')
        TextKopieren(name, sizeof name, "IMPORTPROTOKOLL");
    /* one file per run: a second run within the same second gets a number */
    for (int n = 0; n < 100; n++) {
        char nummer[8] = "";
        if (n > 0)
            TextFormat(nummer, sizeof nummer, "_%d", n);
        if (TextFormat(p->Pfad, sizeof p->Pfad, "%s%s_%04d%02d%02d_%02d%02d%02d%s.TXT", g_Kontext->EdiImportPfad,
                       name, jetzt.Jahr, jetzt.Monat, jetzt.Tag, jetzt.Stunde, jetzt.Minute, jetzt.Sekunde,
                       nummer) != 1)
            return 0;
        if (!FileIO_Exist(p->Pfad))
            break;
    }
    p->Offen = 1;
    char datum[16], zeit[16];
    TextFormat(datum, sizeof datum, "%02d.%02d.%04d", jetzt.Tag, jetzt.Monat, jetzt.Jahr);
    TextFormat(zeit, sizeof zeit, "%02d:%02d:%02d", jetzt.Stunde, jetzt.Minute, jetzt.Sekunde);
    Zeile(p, IDS_PROT_KOPF, datum, zeit);
    char iln[14] = "";
    TextKopieren(iln, sizeof iln, g_Kontext->KatalogLieferantIln);
    const char* lieferant =
        g_Kontext->LieferantNameText[0] != '\0' ? g_Kontext->LieferantNameText : g_Kontext->LieferantNummerText;
    Zeile(p, IDS_PROT_KATALOG, katalog != nullptr ? katalog : "", lieferant, iln);
    Anfuegen(p, "");
    return 1;
}

void ProtokollZeile(int32_t zaehler, int id, ...)
{
    IMPORT_PROTOKOLL* p = Offen();
    if (p == nullptr)
        return;
    if (zaehler >= 0 && zaehler < PROT_ZAEHLER)
        p->Zaehler[zaehler]++;
    va_list werte;
    va_start(werte, id);
    ZeileListe(p, id, werte);
    va_end(werte);
}

void ProtokollSchreiben(void)
{
    IMPORT_PROTOKOLL* p = Offen();
    if (p != nullptr)
        Leeren(p);
}

void ProtokollBeenden(int32_t zeile, int32_t zeilen)
{
    IMPORT_PROTOKOLL* p = Offen();
    if (p == nullptr)
        return;
    Anfuegen(p, "");
    if (zeile > 0)
        Zeile(p, IDS_PROT_ANGEHALTEN, (long)zeile);
    else
        Zeile(p, IDS_PROT_ENDE, (long)zeilen);
    const int32_t* z = p->Zaehler;
    Zeile(p, IDS_PROT_SUMME, (long)z[PROT_ARTIKEL_NEU], (long)z[PROT_ARTIKEL_KORR], (long)z[PROT_TABELLE],
          (long)z[PROT_EAN_NEU], (long)z[PROT_EAN_UMGETRAGEN], (long)z[PROT_PREIS], (long)z[PROT_UEBERGANGEN],
          (long)z[PROT_AUFTRAG]);
    Leeren(p);
    if (p->Datei > 0)
        FileIO_Close(p->Datei);
    p->Datei = 0;
    p->Offen = 0;
    char hinweis[400] = "";
    if (!p->Fehler) {
        char format[128] = "";
        StringLaden(IDS_HINWEIS_PROTOKOLL, format, sizeof format);
        snprintf(hinweis, sizeof hinweis, format, p->Pfad);
    } else {
        p->Pfad[0] = '\0';
    }
    HinweisAnzeigen(hinweis);
}

const char* ProtokollPfad(void)
{
    return g_Kontext != nullptr ? g_Kontext->Protokoll.Pfad : "";
}

void ProtokollPreise(int32_t artikel, const int32_t alt[4], const int32_t neu[4])
{
    static const char* const namen[4] = { "EK1", "VK1", "EK2", "VK2" };
    for (int i = 0; i < 4; i++) {
        if (alt[i] == neu[i])
            continue;
        char a[24], n[24];
        TEXDEFS_LongToKommaString(alt[i], a, sizeof a);
        TEXDEFS_LongToKommaString(neu[i], n, sizeof n);
        ProtokollZeile(PROT_PREIS, IDS_PROT_PREIS, (long)artikel, namen[i], a, n);
    }
}
