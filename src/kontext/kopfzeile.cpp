/*
 * kopfzeile.cpp - the header of the main import window: the chosen
 * catalogue and the three counters.
 */
#include "kontext/kopfzeile.h"
#include "kontext/stringtabelle.h"

#include <windows.h>
#include "grund/text.h"
#include "resources/resource.h"
#include "hostapi/oxtexdefs.h"

#include <string.h>

void KopfzeileAnzeigen(const KATALOGDATEI_EINTRAG* eintrag)
{
    if (g_Kontext == nullptr)
        return;
    HWND fenster = g_Kontext->HauptFenster;
    if (eintrag == nullptr || eintrag == (const KATALOGDATEI_EINTRAG*)-1) {
        char text[256] = "";
        LoadStringA(g_ModulInstanz, IDS_KEIN_LIEFERANT, text, sizeof text);
        if (fenster != nullptr) {
            SetDlgItemTextA(fenster, IDC_HW_LIEFERANT, text);
            SetDlgItemTextA(fenster, IDC_HW_ILN, "");
            SetDlgItemTextA(fenster, IDC_HW_SAETZE, "");
            SetDlgItemTextA(fenster, IDC_HW_GEFILTERT, "");
            SetDlgItemTextA(fenster, IDC_HW_IMPORTIERT, "");
        }
        g_Kontext->AusgewaehlteDatei[0] = '\0';
        return;
    }

    char datumText[32] = "";
    TEXDEFS_DATUM datum;
    TEXDEFS_IntegerToDatum(eintrag->Datum, &datum);
    TEXDEFS_DatumToString(&datum, datumText, (int32_t)sizeof datumText);

    char lieferant[64];
    TextKopieren(lieferant, sizeof lieferant, eintrag->LieferantName);
    const char* at = strchr(lieferant, '@');
    char beschreibung[64];
    TextKopieren(beschreibung, sizeof beschreibung, eintrag->Beschreibung);

    char format[64], kopf[256];
    StringLaden(IDS_KOPFZEILE, format, sizeof format);
    TextFormat(kopf, sizeof kopf, format, at ? at + 1 : lieferant, beschreibung, datumText);
    char iln[16];
    TextKopieren(iln, sizeof iln, eintrag->Iln);
    if (fenster != nullptr) {
        SetDlgItemTextA(fenster, IDC_HW_LIEFERANT, kopf);
        SetDlgItemTextA(fenster, IDC_HW_ILN, iln);
    }
    TextKopieren(g_Kontext->AusgewaehlteDatei, sizeof g_Kontext->AusgewaehlteDatei, eintrag->Pfad);
}

static void ZaehlerAnzeigen(int id, int32_t anzahl)
{
    if (g_Kontext == nullptr || g_Kontext->HauptFenster == nullptr)
        return;
    char text[16];
    TextFormat(text, sizeof text, "%ld", (long)anzahl);
    SetDlgItemTextA(g_Kontext->HauptFenster, id, text);
}

void ZaehlerSaetzeAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_SAETZE, anzahl); }
void ZaehlerGefiltertAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_GEFILTERT, anzahl); }
void ZaehlerImportiertAnzeigen(int32_t anzahl) { ZaehlerAnzeigen(IDC_HW_IMPORTIERT, anzahl); }

void HinweisAnzeigen(const char* text)
{
    if (g_Kontext == nullptr || g_Kontext->HauptFenster == nullptr)
        return;
    SetDlgItemTextA(g_Kontext->HauptFenster, IDC_HW_HINWEIS, text != nullptr ? text : "");
}
