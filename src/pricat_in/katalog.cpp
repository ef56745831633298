/*
 * katalog.cpp - the catalogue of the running call.
 */
#include "pricat_in/katalog.h"
#include "grund/anzeige.h"
#include "kontext/kopfzeile.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/fileio.h"
#include "grund/plattform.h"
#include "kontext/einstellungen.h"
#include "kontext/stringtabelle.h"
#include "pricat_in/adresse.h"
#include "pricat_in/katalogtext.h"
#include "resources/resource.h"

#include <string.h>

PRICAT_ZEILEN KontextZeilen(void)
{
    PRICAT_ZEILEN zeilen;
    EDI_KONTEXT* k = g_Kontext;
    zeilen.Tabelle = k->PricatTabelle;
    zeilen.Kapazitaet = PRICAT_ZEILEN_MAX;
    zeilen.Werte = k->FilterWerte;
    zeilen.AnzahlSaetze = &k->AnzahlSaetze;
    zeilen.AnzahlGefiltert = &k->AnzahlGefiltert;
    zeilen.AnzahlSaetzeGesamt = &k->AnzahlSaetzeGesamt;
    zeilen.LeseZeiger = &k->LeseZeiger;
    return zeilen;
}

void FilterAusschalten(void)
{
    if (g_Kontext == nullptr)
        return;
    PRICAT_ZEILEN zeilen = KontextZeilen();
    ZeilenFilterAus(&zeilen);
    ZaehlerGefiltertAnzeigen(0);
}

int PricatDateiEinlesen(HWND besitzer)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k == nullptr)
        return 0;
    void* vorher = AnzeigeSanduhr();
    PRICAT_ZEILEN zeilen = KontextZeilen();
    ZeilenFilterAus(&zeilen);
    ZaehlerGefiltertAnzeigen(0);

    if (k->AusgewaehlteDatei[0] != '\0') {
        k->AnzahlSaetze = 0;
        k->AnzahlGefiltert = 0;
        ZaehlerGefiltertAnzeigen(0);
        char eigeneIln[35] = "";
        EigeneIlnLesen(eigeneIln);
        ZeilenEinlesen(&zeilen, k->AusgewaehlteDatei, eigeneIln, KontextStichwortRegeln());
    }

    AnzeigeCursorZurueck(vorher);
    /* A full table at the end of a reading is reported every time, also
     * when it holds the rows of an earlier reading (no file chosen now). */
    if (k->AnzahlSaetze >= PRICAT_ZEILEN_MAX) {
        char text[512] = "";
        char titel[128] = "";
        StringLaden(IDS_ZU_VIELE_SAETZE, text, sizeof text);
        StringLaden(IDS_EDI_IMPORT_MELDUNG, titel, sizeof titel);
        AnzeigeMeldung(besitzer, titel, text, 0);
    }
    k->AnzahlSaetzeGesamt = k->AnzahlSaetze;
    ZaehlerSaetzeAnzeigen(k->AnzahlSaetzeGesamt);
    return 1;
}

int ErsterPricatSatz(void)
{
    if (g_Kontext == nullptr)
        return 0;
    PRICAT_ZEILEN zeilen = KontextZeilen();
    return ZeilenErster(&zeilen);
}

PRICAT_DATEN* NaechsterPricatSatz(void)
{
    if (g_Kontext == nullptr)
        return nullptr;
    PRICAT_ZEILEN zeilen = KontextZeilen();
    return ZeilenNaechster(&zeilen);
}

void KriteriumTextDerZeile(const PRICAT_DATEN* daten, int32_t kriterium, char* aus, size_t groesse)
{
    KriteriumText(KontextStichwortRegeln(), daten, kriterium, aus, groesse);
}

void FilterwertDerZeile(const PRICAT_DATEN* daten, int32_t kriterium, char aus[FILTERWERT_LAENGE + 1])
{
    FilterwertText(KontextStichwortRegeln(), daten, kriterium, aus);
}

/* The host's day number of the local date of `pfad`'s last write, 0 when
 * there is none. */
static int32_t DateiDatum(const char* pfad, const FILEIO_ZEIT* bekannt)
{
    FILEIO_ZEIT geschrieben = { 0, 0 };
    if (bekannt != nullptr)
        geschrieben = *bekannt;
    else if (FileIO_TimeInfo(pfad, nullptr, nullptr, &geschrieben) != 1)
        return 0;
    return DateizeitTag(geschrieben.Low, geschrieben.High, nullptr, 0);
}

/* The pass KatalogKopfLesen serves just now (the header reader's lookup
 * takes no parameter of its own). */
static KOPF_MERK* s_Merk;

static KOPF_MERK_EINTRAG* Gemerkt(const char* iln)
{
    for (int32_t i = 0; s_Merk != nullptr && i < s_Merk->Anzahl && i < KOPF_MERK_MAX; i++)
        if (strncmp(s_Merk->Eintrag[i].Iln, iln, sizeof s_Merk->Eintrag[i].Iln) == 0)
            return &s_Merk->Eintrag[i];
    return nullptr;
}

static int32_t LieferantDesKopfs(const char* iln)
{
    KOPF_MERK_EINTRAG* m = Gemerkt(iln);
    if (m != nullptr)
        return m->Nummer;
    int32_t nummer = LieferantZuIln(iln);
    if (s_Merk != nullptr && s_Merk->Anzahl >= 0 && s_Merk->Anzahl < KOPF_MERK_MAX) {
        m = &s_Merk->Eintrag[s_Merk->Anzahl++];
        memset(m, 0, sizeof *m);
        TextKopieren(m->Iln, sizeof m->Iln, iln);
        m->Nummer = nummer;
    }
    return nummer;
}

int KatalogEintragOhneKopf(const char* pfad, KATALOGDATEI_EINTRAG* eintrag, const FILEIO_ZEIT* geschrieben)
{
    if (pfad == nullptr || eintrag == nullptr)
        return 0;
    memset(eintrag, 0, sizeof *eintrag);
    eintrag->Datum = DateiDatum(pfad, geschrieben);
    TextKopieren(eintrag->Pfad, sizeof eintrag->Pfad, pfad);
    TextGross(eintrag->Pfad);
    FileIO_Separate(pfad, nullptr, 0, eintrag->Dateiname, sizeof eintrag->Dateiname);
    return 1;
}

int KatalogKopfLesen(const char* pfad, KATALOGDATEI_EINTRAG* eintrag, const FILEIO_ZEIT* geschrieben,
                     KOPF_MERK* merk, KOPF_GELESEN* vorrat)
{
    if (KatalogEintragOhneKopf(pfad, eintrag, geschrieben) != 1)
        return 0;
    s_Merk = merk;

    char eigene[KOPF_LESELAENGE];
    const char* kopfzeile = eigene;
    int32_t gelesen = 0;
    if (vorrat != nullptr && vorrat->Gelesen >= 0 && vorrat->Gelesen <= KOPF_LESELAENGE) {
        kopfzeile = vorrat->Kopf;
        gelesen = vorrat->Gelesen;
    } else {
        HOSTHANDLE datei = FileIO_OpenROS(pfad);
        if (datei != -1) {
            gelesen = FileIO_Read(datei, eigene, sizeof eigene);
            /* kept only when the bytes could be read: a file held open by
             * its writer is tried again next time */
            if (gelesen >= 0 && vorrat != nullptr) {
                memcpy(vorrat->Kopf, eigene, (size_t)gelesen);
                vorrat->Gelesen = gelesen;
            }
            FileIO_Close(datei);
        }
        if (gelesen < 0)
            gelesen = 0;
    }

    KATALOG_KOPF kopf;
    KatalogKopfAuswerten(kopfzeile, (size_t)gelesen, LieferantDesKopfs, &kopf);
    TextKopieren(eintrag->Beschreibung, sizeof eintrag->Beschreibung, kopf.Beschreibung);
    TextKopieren(eintrag->Iln, sizeof eintrag->Iln, kopf.Iln);
    if (kopf.LieferantNummer > 0) {
        eintrag->LieferantNummer = kopf.LieferantNummer;
        KOPF_MERK_EINTRAG* m = Gemerkt(kopf.Iln);
        if (m != nullptr && m->Nummer == kopf.LieferantNummer && m->NameGeholt) {
            TextKopieren(eintrag->LieferantName, sizeof eintrag->LieferantName, m->Name);
        } else {
            MERKMAL_SATZ merkmal;
            memset(&merkmal, 0, sizeof merkmal);
            if (MMLIB_LeseMerkmal(8, kopf.LieferantNummer, &merkmal) == 1)
                FeldKopieren(merkmal.Text, sizeof merkmal.Text, eintrag->LieferantName,
                             sizeof eintrag->LieferantName);
            if (m != nullptr && m->Nummer == kopf.LieferantNummer) {
                /* fetched once, by the first file that needs it */
                TextKopieren(m->Name, sizeof m->Name, eintrag->LieferantName);
                m->NameGeholt = 1;
            }
        }
    }
    s_Merk = nullptr;
    return 1;
}

void LieferantenAdresseImportieren(const char* pfad, const KATALOGDATEI_EINTRAG* eintrag)
{
    if (g_Kontext == nullptr || g_Kontext->AdressimportSuchen == 0)
        return;
    AdressDateiImportieren(pfad, eintrag ? eintrag->Iln : "");
}
