/*
 * motor_vorlaeufig.h - the import engine's services the page calls
 * (tables, article writing, EANs, open orders), until the engine's own
 * header takes their place.
 */
#ifndef KTOXEDI_MOTOR_VORLAEUFIG_H
#define KTOXEDI_MOTOR_VORLAEUFIG_H

#include <windows.h>
#include "entry/ktoxedi.h"

void ImportMotorBetreten(void);
void ImportMotorVerlassen(void);
int32_t ZeilenMwstSatz(const PRICAT_DATEN* daten);
void SerieLesen(HWND seite, int32_t serie);
void FarbTextDerNummer(const OXTABELLE* tabelle, int32_t nummer, char* aus, size_t groesse);
void EanRegistrieren(HWND seite, int32_t artikel, PRICAT_SATZ* zeile);
int TabelleFuerZeileBauen(HWND seite, PRICAT_SATZ* zeile, int32_t artikel);
int ArtikelAnlegen(HWND seite, int serieUebernehmen);
void TabellenMarkieren(int32_t artikel);
void MarkenFreigeben(void);
void MarkenVerwerfen(void);
void ArtikelAnzeigen(HWND seite, int32_t artikel);
void ZeileVorbereiten(HWND seite, int leeren);
void EanDateiSchliessen(void);

#endif
