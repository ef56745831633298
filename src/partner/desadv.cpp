/*
 * desadv.cpp - taking over a supplier's despatch advice into the goods
 * receipt of the host.
 *
 * The positions addressed to the expected ILN are handed to the host's
 * booking function one by one. What the host does not book is kept beside
 * the DESADV file so it can be imported again: "NOTIMPORTED.DES" (the
 * file's first record, then every refused position record, as read) and
 * "NOTIMPORTED_GTIN.DAT" (one GTIN a line). The host writes its reasons
 * into "DESADVERR.TXT", which is shown in Notepad when a booking failed.
 */
#include "partner/partner.h"
#include "grund/anzeige.h"
#include "partner/desadv.h"
#include "partner/eancom_eingang.h"
#include "eancom/eancom.h"
#include "grund/text.h"
#include "hostapi/edi.h"
#include "hostapi/fileio.h"

#include <stdlib.h>
#include <string.h>

PROGRAMMSTARTER g_DesadvProgrammStarter = WinExec;

static void Schreiben(HOSTHANDLE datei, const char* text)
{
    if (datei > 0)
        FileIO_Write(datei, text, (int32_t)strlen(text));
}

static int32_t DesadvSetLesen(const char* pfad, int32_t wert2, const char* erwarteteIln, int32_t wert4,
                              DESADV_BUCHUNG buchung, const char* fehlerOrdner, int32_t* satzAnzahl)
{
    if (pfad == nullptr || erwarteteIln == nullptr || buchung == nullptr || fehlerOrdner == nullptr)
        return 0;

    char ordner[260];
    char name[260];
    FileIO_Separate(pfad, ordner, sizeof ordner, name, sizeof name);
    char nichtImportiert[260];
    char gtinDatei[260];
    char fehlerDatei[260];
    TextFormat(nichtImportiert, sizeof nichtImportiert, "%sNOTIMPORTED.DES", ordner);
    TextFormat(gtinDatei, sizeof gtinDatei, "%sNOTIMPORTED_GTIN.DAT", ordner);
    TextFormat(fehlerDatei, sizeof fehlerDatei, "%sDESADVERR.TXT", fehlerOrdner);

    FileIO_DeleteFile(fehlerDatei);
    HOSTHANDLE gtin = FileIO_CreateRWS(gtinDatei);
    HOSTHANDLE rest = FileIO_CreateRWS(nichtImportiert);
    HOSTHANDLE fehler = FileIO_CreateRWS(fehlerDatei);
    char zeile[400];
    TextFormat(zeile, sizeof zeile, "Fehler aus DESADV Import %s\n", name);
    Schreiben(fehler, zeile);

    void* vorher = AnzeigeSanduhr();
    int32_t nichtGebucht = 0;
    int buchungFehlgeschlagen = 0;
    HOSTHANDLE eingabe = EDIGlobal_OpenROS_INH_Datei(pfad);
    if (eingabe > 0) {
        int32_t gelesen = 0;
        if (satzAnzahl != nullptr)
            *satzAnzahl = 0;
        char eigeneIln[14] = "";
        EDI_ErmittleEigeneILN(eigeneIln);

        char satz[2000];
        int32_t satzart = 0, nachrichtenart = 0, zusatz = 0;
        while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(eingabe, satz, sizeof satz, &satzart,
                                                            &nachrichtenart, &zusatz, eigeneIln) == 1) {
            gelesen++;
            if (satzAnzahl != nullptr)
                *satzAnzahl = gelesen;
            if (gelesen == 1)
                Schreiben(rest, satz);
            if (satzart != EDI_SATZART_DESADV_POSITION || nachrichtenart != EDI_NACHRICHT_DESADV)
                continue;

            DESADV_KOPF kopf;
            DESADV_REFERENZ referenz;
            DESADV_POSITION position;
            char iln[14];
            int ok = EDIDESADV_VerarbeiteDESADV_Satz(satz, nachrichtenart, &kopf, &referenz, &position) == 1;
            if (ok) {
                /* the field may be filled to its width without terminator:
                 * its length is taken within the field, a 14-character ILN
                 * must not pass as its first 13 characters */
                ok = TextLaenge(position.EmpfaengerIln, sizeof position.EmpfaengerIln) == 13;
                TextKopieren(iln, sizeof iln, ok ? position.EmpfaengerIln : "");
                ok = ok && strcmp(iln, erwarteteIln) == 0;
            }
            if (!ok) {
                nichtGebucht++;
                continue;
            }
            char gtinText[15];
            char zweiterText[37];
            char menge[17];
            TextKopieren(gtinText, sizeof gtinText, position.Gtin);
            TextKopieren(zweiterText, sizeof zweiterText, position.Lieferantenartikelnummer);
            TextKopieren(menge, sizeof menge, position.Menge);
            if (buchung(fehler, gtinText, zweiterText, wert2, (int32_t)strtol(menge, nullptr, 10), wert4) == 0) {
                Schreiben(rest, satz);
                Schreiben(gtin, gtinText);
                Schreiben(gtin, "\r\n");
                buchungFehlgeschlagen = 1;
                nichtGebucht++;
            }
        }
        EDIGLOBAL_Schliesse_INH_InputDatei(eingabe);
    }
    AnzeigeCursorZurueck(vorher);
    if (gtin > 0)
        FileIO_Close(gtin);
    if (rest > 0)
        FileIO_Close(rest);
    if (fehler > 0)
        FileIO_Close(fehler);

    if (nichtGebucht > 0 && buchungFehlgeschlagen) {
        char befehl[300];
        TextFormat(befehl, sizeof befehl, "notepad %s", fehlerDatei);
        g_DesadvProgrammStarter(befehl, SW_SHOWMAXIMIZED);
    }
    return nichtGebucht;
}

/* The despatch advice files an EANCOM interchange became. */
struct DESADV_GEMACHT {
    char pfad[8][260];
    int32_t anzahl;
};

static void DesGemacht(void* daten, const char* pfad)
{
    DESADV_GEMACHT* g = static_cast<DESADV_GEMACHT*>(daten);
    if (g->anzahl < 8)
        TextKopieren(g->pfad[g->anzahl++], sizeof g->pfad[0], pfad);
}

extern "C" int32_t WINAPI EDILieferung_GetAllDesadvSet(const char* pfad, int32_t wert2, const char* erwarteteIln,
                                                       int32_t wert4, DESADV_BUCHUNG buchung,
                                                       const char* fehlerOrdner, int32_t* satzAnzahl)
{
    if (pfad == nullptr || erwarteteIln == nullptr || buchung == nullptr || fehlerOrdner == nullptr)
        return 0;
    if (!EancomDateiErkennen(pfad))
        return DesadvSetLesen(pfad, wert2, erwarteteIln, wert4, buchung, fehlerOrdner, satzAnzahl);
    /* an EANCOM interchange: converted first, then each despatch advice it
     * became is read; both move into the backup folder afterwards */
    char ordner[260] = "", name[260] = "", sicherung[260] = "";
    FileIO_Separate(pfad, ordner, sizeof ordner, name, sizeof name);
    TextFormat(sicherung, sizeof sicherung, "%sSICHERUNG\\", ordner);
    DESADV_GEMACHT gemacht;
    memset(&gemacht, 0, sizeof gemacht);
    EancomDesadvUmsetzen(GetActiveWindow(), pfad, sicherung, DesGemacht, &gemacht);
    int32_t nichtGebucht = 0, saetze = 0;
    for (int32_t i = 0; i < gemacht.anzahl; i++) {
        int32_t n = 0;
        nichtGebucht += DesadvSetLesen(gemacht.pfad[i], wert2, erwarteteIln, wert4, buchung, fehlerOrdner, &n);
        saetze += n;
        char des[260] = "", ziel[520] = "";
        FileIO_Separate(gemacht.pfad[i], ordner, sizeof ordner, des, sizeof des);
        FileIO_PathCreate(sicherung);
        TextFormat(ziel, sizeof ziel, "%s%s", sicherung, des);
        for (int j = 1; FileIO_Exist(ziel) && j < 1000; j++)
            TextFormat(ziel, sizeof ziel, "%s%s.%d", sicherung, des, j);
        FileIO_MoveFile(gemacht.pfad[i], ziel);
    }
    if (satzAnzahl != nullptr)
        *satzAnzahl = saetze;
    return nichtGebucht;
}
