/*
 * seiten.cpp - the page table of the main import window.
 */
#include "seiten/seiten.h"

/* In tab order. A page whose functions are not part of this build is left
 * out; the window then simply shows fewer tabs. */
static const SEITE* const s_Seiten[] = { &g_AuswahlSeite, &g_FilterSeite, &g_StandardSeite, &g_ImportSeite };

int SeitenAnmelden(HOSTHANDLE tabBibliothek)
{
    int anzahl = 0;
    for (const SEITE* seite : s_Seiten) {
        if (seite->DialogId == 0 || seite->Prozedur == nullptr)
            continue;
        if (OXTabCtl_AddChild(tabBibliothek, seite->DialogId, seite->Initialisieren, seite->Verlassen,
                              seite->Prozedur, seite->Farbe) >= 0)
            anzahl++;
    }
    return anzahl;
}
