/*
 * preisaenderung.h - item price changes, labels and the price-change list.
 */
#ifndef KTOXEDI_PREISAENDERUNG_H
#define KTOXEDI_PREISAENDERUNG_H

#include <windows.h>

/* Called when the main import window closes: when the host's EDI change
 * store holds records, runs dialog 1005 "Einzelteiländerungen und
 * Etiketten" modally over `besitzer`. Without records nothing is shown. */
void PreisaenderungenAnbieten(HWND besitzer);

#endif
