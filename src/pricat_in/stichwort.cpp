/*
 * stichwort.cpp - keywords of catalogue rows by characteristic kind.
 */
#include "pricat_in/stichwort.h"
#include "grund/text.h"
#include "pricat_in/katalogtext.h"

#include <string.h>

static const STICHWORT_ART g_Arten[] = {
    { 0, 1077, 1091, 0, EDI_PRICAT_FELD_ARTIKEL },
    { 1, 1104, 1070, 1127, EDI_PRICAT_FELD_HAUPTGRUPPE },
    { 2, 1108, 1079, 1128, EDI_PRICAT_FELD_WARENGRUPPE },
    { 3, 1109, 1081, 1129, EDI_PRICAT_FELD_SERIE },
    { 4, 1110, 1083, 1130, EDI_PRICAT_FELD_LABEL },
    { 5, 1111, 1085, 1131, EDI_PRICAT_FELD_MATERIAL },
    { 6, 1112, 1087, 1132, EDI_PRICAT_FELD_BLEFARBE },
    { 7, 1113, 1089, 1133, EDI_PRICAT_FELD_MERKMAL7 },
    { 9, 1142, 1102, 1135, 0 },
    { 11, 1114, 1096, 1134, EDI_PRICAT_FELD_SAISON },
};

const STICHWORT_ART* StichwortArtBeschreibung(int32_t art)
{
    for (const STICHWORT_ART& a : g_Arten)
        if (a.Art == art)
            return &a;
    return nullptr;
}

/* A field counts for the Warengruppe choice when it is not empty and does
 * not begin with a blank. */
static int FeldNichtLeer(const char* feld, size_t breite)
{
    return TextLaenge(feld, breite) >= 1 && feld[0] != ' ';
}

#define FELD(f) daten->f, sizeof daten->f

void StichwortStandard(int32_t art, const PRICAT_DATEN* daten, char* aus, size_t groesse)
{
    if (aus == nullptr || groesse == 0)
        return;
    aus[0] = '\0';
    if (daten == nullptr)
        return;
    switch (art) {
    case 0: FeldKopieren(FELD(Artikel), aus, groesse); break;
    case 1: FeldKopieren(FELD(Hauptgruppe), aus, groesse); break;
    case 2:
        if (FeldNichtLeer(FELD(Warengruppe)))
            FeldKopieren(FELD(Warengruppe), aus, groesse);
        else if (FeldNichtLeer(FELD(WarengruppeErsatz1)))
            FeldKopieren(FELD(WarengruppeErsatz1), aus, groesse);
        else
            FeldKopieren(FELD(WarengruppeErsatz2), aus, groesse);
        break;
    case 3: FeldKopieren(FELD(Serie), aus, groesse); break;
    case 4: FeldKopieren(FELD(Label), aus, groesse); break;
    case 5: FeldKopieren(FELD(Material), aus, groesse); break;
    case 6: FeldKopieren(FELD(BleFarbe), aus, groesse); break;
    case 7: FeldKopieren(FELD(Merkmal7), aus, groesse); break;
    case 11: FeldKopieren(FELD(Saison), aus, groesse); break;
    default: break;   /* 8, 9, 10: no row source */
    }
}

void StichwortUngekuerzt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                         size_t groesse)
{
    if (aus == nullptr || groesse == 0)
        return;
    aus[0] = '\0';
    if (FeldMapStichwort(regeln, art, daten, aus, groesse) != 1)
        StichwortStandard(art, daten, aus, groesse);
}

void StichwortDerArt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten, char* aus,
                     size_t groesse)
{
    StichwortUngekuerzt(regeln, art, daten, aus, groesse);
    if (aus == nullptr || groesse == 0)
        return;
    size_t laenge = strlen(aus);
    if (laenge > STICHWORT_KURZ) {
        size_t grenze = strchr(aus, '@') ? STICHWORT_KURZ_AT : STICHWORT_KURZ;
        if (laenge > grenze)
            aus[grenze] = '\0';
    }
}

int StichwortZerlegen(const char* stichwort, char* schluessel, size_t schluesselGroesse, char* text,
                      size_t textGroesse)
{
    char kopie[STICHWORT_GROESSE];
    int rc = 0;
    TextKopieren(kopie, sizeof kopie, stichwort);
    char* at = strchr(kopie, '@');
    if (at != nullptr) {
        *at = '\0';
        if (schluessel != nullptr)
            TextKopieren(schluessel, schluesselGroesse, kopie);
        if (text != nullptr)
            TextKopieren(text, textGroesse, at + 1);
        rc = 1;
    } else {
        if (schluessel != nullptr)
            TextKopieren(schluessel, schluesselGroesse, "");
        if (text != nullptr)
            TextKopieren(text, textGroesse, kopie);
    }
    return rc;
}

void StichwortAnzeigeText(const char* stichwort, char* aus, size_t groesse)
{
    TextNachAt(stichwort, aus, groesse);
}

int StichwortUndSchluesselDerArt(const STICHWORT_REGELN* regeln, int32_t art, const PRICAT_DATEN* daten,
                                 char* schluessel, size_t schluesselGroesse, char* text, size_t textGroesse)
{
    char stichwort[STICHWORT_GROESSE];
    StichwortDerArt(regeln, art, daten, stichwort, sizeof stichwort);
    return StichwortZerlegen(stichwort, schluessel, schluesselGroesse, text, textGroesse);
}

void LieferantenFarbText(int32_t modus, char* aus, size_t groesse, const char* farbCode, const char* farbText)
{
    char code[STICHWORT_GROESSE];
    char ergebnis[STICHWORT_GROESSE];
    if (aus == nullptr || groesse == 0)
        return;
    TextNachAt(farbCode, code, sizeof code);
    if (modus == 0)
        TextKopieren(ergebnis, sizeof ergebnis, code);
    else if (modus == 1)
        TextFormat(ergebnis, sizeof ergebnis, "%s %s", farbText ? farbText : "", code);
    else
        TextKopieren(ergebnis, sizeof ergebnis, farbText);
    if (strlen(ergebnis) > FARBTEXT_LAENGE)
        ergebnis[FARBTEXT_LAENGE] = '\0';
    TextKopieren(aus, groesse, ergebnis);
}

void LieferantenFarbTextDerZeile(int32_t modus, const PRICAT_DATEN* daten, char* aus, size_t groesse)
{
    char code[sizeof daten->BleFarbe + 1] = "";
    char text[sizeof daten->Lieferantenfarbe + 1] = "";
    if (daten != nullptr) {
        FeldKopieren(FELD(BleFarbe), code, sizeof code);
        FeldKopieren(FELD(Lieferantenfarbe), text, sizeof text);
    }
    LieferantenFarbText(modus, aus, groesse, code, text);
}
