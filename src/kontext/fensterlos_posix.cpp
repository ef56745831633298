/*
 * fensterlos_posix.cpp - the window services of the context's floor off
 * Windows (the native build): there is no string table, so its texts are
 * empty, and no main window, so the header shows nothing (the services
 * already do nothing without a window on Windows).
 */
#include "kontext/kopfzeile.h"
#include "kontext/stringtabelle.h"

int StringLaden(int id, char* ziel, size_t groesse)
{
    (void)id;
    if (ziel != nullptr && groesse > 0)
        ziel[0] = '\0';
    return 0;
}

void KopfzeileAnzeigen(const KATALOGDATEI_EINTRAG* eintrag)
{
    (void)eintrag;
}

void ZaehlerSaetzeAnzeigen(int32_t anzahl)
{
    (void)anzahl;
}

void ZaehlerGefiltertAnzeigen(int32_t anzahl)
{
    (void)anzahl;
}

void ZaehlerImportiertAnzeigen(int32_t anzahl)
{
    (void)anzahl;
}

void HinweisAnzeigen(const char* text)
{
    (void)text;
}
