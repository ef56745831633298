/*
 * seiten.cpp - the page table of the main import window.
 */
#include "entry/seiten.h"
#include "entry/ktoxedi.h"
#include "hostapi/oxtabctl.h"

struct SEITE {
    int DialogId;
    OXTAB_SEITE_INIT Initialisieren;
    OXTAB_SEITE_EXIT Verlassen;
    DLGPROC Prozedur;
    OXTAB_SEITE_FARBE Farbe;
};

/* In tab order. A page whose functions are not part of this build is left
 * out; the window then simply shows fewer tabs. */
static const SEITE s_Seiten[] = {
    { 0, nullptr, nullptr, nullptr, nullptr },
};

int SeitenAnmelden(HOSTHANDLE tabBibliothek)
{
    int anzahl = 0;
    for (const SEITE& seite : s_Seiten) {
        if (seite.DialogId == 0 || seite.Prozedur == nullptr)
            continue;
        if (OXTabCtl_AddChild(tabBibliothek, seite.DialogId, seite.Initialisieren, seite.Verlassen,
                              seite.Prozedur, seite.Farbe) >= 0)
            anzahl++;
    }
    return anzahl;
}
