/*
 * seiten.cpp - the page table of the main import window.
 */
#include "seiten/seiten.h"
#include "kontext/ktoxedi.h"
#include "seiten/standardseite.h"
#include "hostapi/oxtabctl.h"
#include "seiten/importseite.h"
#include "seiten/auswahlseite.h"
#include "seiten/filterseite.h"
#include "resources/resource.h"

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
    { IDD_SEITE_AUSWAHL, AuswahlSeiteInit, AuswahlSeiteExit, AuswahlSeiteProc, AuswahlSeiteFarbe },
    { IDD_SEITE_FILTER, FilterSeiteInit, FilterSeiteExit, FilterSeiteProc, FilterSeiteFarbe },
    { IDD_SEITE_STANDARD, StandardSeiteInit, StandardSeiteExit, StandardSeiteProc, StandardSeiteFarbe },
    { IDD_SEITE_IMPORT, ImportSeiteInit, ImportSeiteExit, ImportSeiteProc, ImportSeiteFarbe },
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
