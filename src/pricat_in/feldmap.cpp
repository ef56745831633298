/*
 * feldmap.cpp - field map files per supplier: loading the tables and
 * composing a keyword from catalogue fields.
 */
#include "pricat_in/stichwort.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/ktlineread.h"
#include "hostapi/oxinifile.h"
#include "pricat_in/katalogtext.h"

#include <string.h>

enum { FELDMAP_WERT = 64 };   /* buffer of one "Mk_s" / "Mk_s_P" value */

/* Start and length of one position text "start;length". Without ";" (or
 * with no text) both are 0. */
static void PositionLesen(const char* position, int32_t* start, int32_t* laenge)
{
    *start = 0;
    *laenge = 0;
    const char* semikolon = position ? strchr(position, ';') : nullptr;
    if (semikolon == nullptr)
        return;
    *laenge = ZahlAusText(semikolon + 1);
    *start = ZahlAusText(position);
}

/* The parts of one slot from its two values. `gelesenP` is what reading
 * the "_P" key returned (below 1 = no positions). */
static void SlotFuellen(FELDMAP_STAND* stand, int art, int slot, const char* felder, const char* positionen,
                        int32_t gelesenP)
{
    if (strchr(felder, '+') == nullptr) {
        stand->Feld[art][slot][0] = ZahlAusText(felder);
        if (gelesenP >= 1) {
            /* through locals: the tables may lie byte-packed in the context */
            int32_t start = 0, laenge = 0;
            PositionLesen(positionen, &start, &laenge);
            stand->Start[art][slot][0] = start;
            stand->Laenge[art][slot][0] = laenge;
        }
        return;
    }
    HOSTHANDLE feldLeser = LR_New(felder, "+");
    HOSTHANDLE positionsLeser = LR_New(positionen, "+");
    if (feldLeser != 0 && positionsLeser != 0) {
        int32_t feld = 0;
        int teil = 0;
        while (teil < FELDMAP_TEILE && LR_NextLong(feldLeser, &feld) == 1) {
            char position[OX_TXT_256];
            int32_t start = 0, laenge = 0;
            if (gelesenP >= 1 && LR_NextString(positionsLeser, position) == 1)
                PositionLesen(position, &start, &laenge);
            stand->Feld[art][slot][teil] = feld;
            stand->Start[art][slot][teil] = start;
            stand->Laenge[art][slot][teil] = laenge;
            teil++;
        }
    } else {
        stand->Start[art][slot][0] = 0;
        stand->Laenge[art][slot][0] = 0;
    }
    if (feldLeser != 0)
        LR_Destroy(feldLeser);
    if (positionsLeser != 0)
        LR_Destroy(positionsLeser);
}

void FeldMapLaden(FELDMAP_STAND* stand, const char* katalogIln)
{
    if (stand == nullptr)
        return;
    /* the ILN as a 14-byte field: never read further */
    char iln[sizeof stand->GeladenIln];
    FeldKopieren(katalogIln ? katalogIln : "", sizeof iln, iln, sizeof iln);
    if (strncmp(iln, stand->GeladenIln, sizeof stand->GeladenIln) == 0)
        return;

    memset(stand->Feld, 0, sizeof stand->Feld);
    memset(stand->Start, 0, sizeof stand->Start);
    memset(stand->Laenge, 0, sizeof stand->Laenge);

    char pfad[OX_TXT_PATH] = "";
    if (EDIMapDBA_CreateFeldMapFileName(iln, pfad) == 1 && INI_StackIniFileName(pfad) == 1) {
        for (int art = 0; art < STICHWORT_ARTEN; art++) {
            for (int slot = 1; slot < FELDMAP_SLOTS; slot++) {
                char schluessel[32];
                char felder[FELDMAP_WERT] = "";
                char positionen[FELDMAP_WERT] = "";
                TextFormat(schluessel, sizeof schluessel, "M%d_%d", art, slot);
                int32_t gelesen = INI_GetString("PRICAT", schluessel, felder, sizeof felder);
                TextFormat(schluessel, sizeof schluessel, "M%d_%d_P", art, slot);
                int32_t gelesenP = INI_GetString("PRICAT", schluessel, positionen, sizeof positionen);
                SlotFuellen(stand, art, slot, felder, positionen, gelesenP);
                /* The first slot without its key ends the kind (it is still
                 * taken, and yields field 0). */
                if (gelesen < 1)
                    break;
            }
        }
        INI_UnstackIniFileName();
    }
    /* Remembered also when there was no file: it is not looked for again. */
    TextKopieren(stand->GeladenIln, sizeof stand->GeladenIln, iln);
}

int FeldMapStichwort(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                     size_t groesse)
{
    if (regeln == nullptr || regeln->FeldMap == nullptr || regeln->FeldMap->Vorhanden != 1)
        return 0;
    FELDMAP_STAND* stand = regeln->FeldMap;
    FeldMapLaden(stand, regeln->KatalogIln);
    if (aus == nullptr || groesse == 0)
        return 1;
    aus[0] = '\0';
    if (daten == nullptr || art < 0 || art > 11 || art == 8 || art == 9 || art == 10)
        return 1;

    for (int slot = 1; slot < FELDMAP_SLOTS && (aus[0] == '\0' || aus[0] == ' '); slot++) {
        for (int teil = 0; teil < FELDMAP_TEILE; teil++) {
            int32_t feld = stand->Feld[art][slot][teil];
            if (feld == 0)
                break;
            if (feld < 0)
                continue;
            char text[EDI_FELDTEXT_GROESSE] = "";
            EDIPRICAT_PRICAT_FeldVonSatzLesen(feld & 0xFFFF, stand->Start[art][slot][teil],
                                              stand->Laenge[art][slot][teil], text, daten);
            text[sizeof text - 1] = '\0';
            TextAnhaengen(aus, groesse, text);
        }
    }
    if (art == 0 && regeln->Grossschreibung == 1)
        TextGross(aus);
    return 1;
}
