/*
 * motor_vorlaeufig.cpp - stand-ins for the import engine's services (see
 * motor_vorlaeufig.h).
 */
#include "importpage/motor_vorlaeufig.h"
#include "importpage/importseite_intern.h"
#include "hostapi/oxmwst.h"
#include "pricechange/preisaenderung.h"
#include "entry/text.h"

#include <stdlib.h>
#include <string.h>

void ImportMotorBetreten(void) { AenderungsspeicherOeffnen(); }
void ImportMotorVerlassen(void) { AenderungsspeicherSchliessen(); }
int32_t ZeilenMwstSatz(const PRICAT_DATEN* daten)
{
    if (daten->MwstSatz[0] == '\0' || daten->MwstSatz[0] == ' ')
        return -1;
    return OX_MWST_GetMWSTSatz(atoi(daten->MwstSatz));
}
void SerieLesen(HWND, int32_t) {}
void FarbTextDerNummer(const OXTABELLE*, int32_t, char* aus, size_t groesse) { TextKopieren(aus, groesse, ""); }
void EanRegistrieren(HWND, int32_t, PRICAT_SATZ*) {}
int TabelleFuerZeileBauen(HWND, PRICAT_SATZ*, int32_t) { return 1; }
int ArtikelAnlegen(HWND seite, int)
{
    IMPORT_LAUF& l = g_Kontext->Import.Lauf;
    if (l.AktuellerArtikel > 0)
        return 1;
    char name[DBA_ARTIKELNAME] = "";
    OXGLOBAL_DLGHELP_MakeArtikelStringWithOxOutVariable(seite, name, ImportBindung);
    l.AktuellerArtikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(name);
    return l.AktuellerArtikel > 0;
}
void TabellenMarkieren(int32_t) {}
void MarkenFreigeben(void) {}
void MarkenVerwerfen(void) {}
void ArtikelAnzeigen(HWND, int32_t) {}
void ZeileVorbereiten(HWND, int) {}
void EanDateiSchliessen(void) {}
