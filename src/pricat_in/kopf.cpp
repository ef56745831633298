/*
 * kopf.cpp - header tokens of a catalogue file, supplier of an ILN, path
 * of the address file.
 */
#include "pricat_in/kopf.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/ktlineread.h"
#include "grund/anzeige.h"
#include "pricat_in/katalogtext.h"

#include <string.h>

int KatalogKopfAuswerten(const char* daten, size_t laenge, KOPF_LIEFERANTSUCHE suche, KATALOG_KOPF* kopf)
{
    if (kopf == nullptr)
        return 0;
    memset(kopf, 0, sizeof *kopf);

    char text[KOPF_LESELAENGE + 1];
    size_t n = (daten == nullptr) ? 0 : (laenge < (size_t)KOPF_LESELAENGE ? laenge : (size_t)KOPF_LESELAENGE);
    if (n > 0)
        memcpy(text, daten, n);
    text[n] = '\0';

    HOSTHANDLE leser = LR_New(text, "\r\n\t;");
    if (leser == 0)
        return 0;

    /* tokens 1 to 4 */
    char token[OX_TXT_256];
    for (int nummer = 1; nummer <= 4; nummer++) {
        if (LR_NextString(leser, token) != 1)
            break;
        if (nummer == 2)
            TextKopieren(kopf->Beschreibung, sizeof kopf->Beschreibung, token);
        else if (nummer == 4)
            TextKopieren(kopf->Iln, sizeof kopf->Iln, token);
    }
    kopf->LieferantNummer = suche ? suche(kopf->Iln) : 0;

    if (kopf->LieferantNummer < 1) {
        /* tokens 5 and 6; then 3 more are skipped behind "PRICAT", else 4 */
        char token6[OX_TXT_256] = "";
        int gelesen = LR_NextString(leser, token) == 1 && LR_NextString(leser, token6) == 1;
        int ueberspringen = strcmp(token6, "PRICAT") == 0 ? 3 : 4;
        for (int i = 0; gelesen && i < ueberspringen; i++)
            gelesen = LR_NextString(leser, token) == 1;
        if (gelesen && LR_NextString(leser, token) == 1) {
            TextKopieren(kopf->Iln, sizeof kopf->Iln, token);
            kopf->LieferantNummer = suche ? suche(kopf->Iln) : 0;
        }
    }
    LR_Destroy(leser);
    return 1;
}

int AdressPfadBilden(const char* katalogPfad, char* aus, size_t groesse)
{
    char pfad[OX_TXT_PATH];
    if (aus == nullptr || groesse == 0)
        return 0;
    aus[0] = '\0';
    TextKopieren(pfad, sizeof pfad, katalogPfad);
    TextGross(pfad);
    char* stelle = strstr(pfad, ".INH");
    if (stelle == nullptr)
        stelle = strstr(pfad, ".PRI");
    if (stelle == nullptr)
        return 0;
    *stelle = '\0';
    TextKopieren(aus, groesse, pfad);
    TextAnhaengen(aus, groesse, ".ADR");
    return 1;
}

int32_t LieferantZuIln(const char* iln)
{
    int32_t nummer = 0;
    if (iln == nullptr || TextLaenge(iln, OX_TXT_ILN) != 13)
        return nummer;
    void* vorher = AnzeigeSanduhr();
    HOSTHANDLE store = LieferantenDBA_OpenDBA();
    if (store != 0 && store != -1) {
        LIEFERANTEN_SATZ satz;
        for (int32_t n = 1; n <= DBA_MAX_LIEFERANTEN && nummer == 0; n++) {
            if (LieferantenDBA_ReadRecord(store, n, &satz) != 1)
                continue;
            for (int slot = 0; slot < DBA_ILN_SLOTS; slot++) {
                if (strncmp(satz.Iln[slot], iln, sizeof satz.Iln[slot]) == 0) {
                    nummer = n;
                    break;
                }
            }
        }
        LieferantenDBA_CloseDBA(store);
    }
    AnzeigeCursorZurueck(vorher);
    return nummer;
}
