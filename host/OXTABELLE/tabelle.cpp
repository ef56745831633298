/*
 * tabelle.cpp - the calls on one size/colour table record.
 *
 * Everything here works on the caller's record only; the table store is in
 * speicher.cpp.
 */
#include "OXTABELLE/oxtabelle_host.h"

#include <cstring>

namespace {

bool ZeileGueltig(int32_t zeile)
{
    return zeile >= 0 && zeile < TAB_MAX_SENKRECHT;
}

bool SpalteGueltig(int32_t spalte)
{
    return spalte >= 0 && spalte < TAB_MAX_WAAGRECHT;
}

/* Entries up to the last one not 0. The record is packed: the list is
 * read by bytes, not through an int32_t pointer. */
int32_t Belegt(const void* liste, int32_t kapazitaet)
{
    const unsigned char* p = static_cast<const unsigned char*>(liste);
    int32_t n = kapazitaet;
    for (; n > 0; --n) {
        int32_t wert;
        std::memcpy(&wert, p + static_cast<size_t>(n - 1) * sizeof wert, sizeof wert);
        if (wert != 0)
            break;
    }
    return n;
}

int32_t Begrenzt(long long wert)
{
    if (wert > INT32_MAX)
        return INT32_MAX;
    if (wert < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(wert);
}

void FarbTextSetzen(char* ziel, const char* text)
{
    size_t n = 0;
    if (text != nullptr)
        while (n < TAB_FARBTEXT - 1 && text[n] != '\0')
            ++n;
    std::memset(ziel, 0, TAB_FARBTEXT);
    if (n > 0)
        std::memcpy(ziel, text, n);
}

} // namespace

OX_EXTERN_C int32_t OXCALL TAB_ClearTabelle(OXTABELLE* tabelle, int32_t modus)
{
    if (tabelle == nullptr)
        return -1;
    int32_t senkrecht = tabelle->MerkmalSenkrecht;
    int32_t waagrecht = tabelle->MerkmalWaagrecht;
    std::memset(tabelle, 0, sizeof *tabelle);
    if (modus == 1) {
        tabelle->MerkmalSenkrecht = senkrecht;
        tabelle->MerkmalWaagrecht = waagrecht;
    }
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_ClearStueckzahlen(OXTABELLE* tabelle)
{
    if (tabelle == nullptr)
        return -1;
    std::memset(tabelle->Stueck, 0, sizeof tabelle->Stueck);
    std::memset(tabelle->Mindest, 0, sizeof tabelle->Mindest);
    /* The row sums follow from the counts. */
    std::memset(tabelle->Summen, 0, sizeof tabelle->Summen);
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_TesteAufGueltigeTabelle(const OXTABELLE* tabelle)
{
    if (tabelle == nullptr)
        return -1;
    int32_t ergebnis = 1;
    if (tabelle->MerkmalSenkrecht < 1 || tabelle->MerkmalSenkrecht > 11 || tabelle->MerkmalWaagrecht < 1 ||
        tabelle->MerkmalWaagrecht > 11)
        ergebnis = 0;
    for (int i = 0; ergebnis == 1 && i < TAB_MAX_SENKRECHT; ++i) {
        int32_t n = tabelle->Senkrecht[i];
        if (n < 0)
            ergebnis = 0;
        for (int j = 0; ergebnis == 1 && n > 0 && j < i; ++j)
            if (tabelle->Senkrecht[j] == n)
                ergebnis = 0;
    }
    for (int i = 0; ergebnis == 1 && i < TAB_MAX_WAAGRECHT; ++i)
        if (tabelle->Waagrecht[i] < 0)
            ergebnis = 0;
    return ergebnis;
}

OX_EXTERN_C int32_t OXCALL TAB_MerkmalSenkrecht(const OXTABELLE* tabelle)
{
    return tabelle == nullptr ? -1 : tabelle->MerkmalSenkrecht;
}

OX_EXTERN_C int32_t OXCALL TAB_MerkmalWaagrecht(const OXTABELLE* tabelle)
{
    return tabelle == nullptr ? -1 : tabelle->MerkmalWaagrecht;
}

OX_EXTERN_C int32_t OXCALL TAB_AnzahlSenkrechtMerkmale(const OXTABELLE* tabelle)
{
    return tabelle == nullptr ? -1 : Belegt(tabelle->Senkrecht, TAB_MAX_SENKRECHT);
}

OX_EXTERN_C int32_t OXCALL TAB_AnzahlWaagrechtMerkmale(const OXTABELLE* tabelle)
{
    return tabelle == nullptr ? -1 : Belegt(tabelle->Waagrecht, TAB_MAX_WAAGRECHT);
}

OX_EXTERN_C int32_t OXCALL TAB_SetMerkmalCR(OXTABELLE* tabelle, int32_t senkrecht, int32_t index, int32_t nummer)
{
    if (tabelle == nullptr)
        return -1;
    if (senkrecht) {
        if (!ZeileGueltig(index))
            return 0;
        tabelle->Senkrecht[index] = nummer;
    } else {
        if (!SpalteGueltig(index))
            return 0;
        tabelle->Waagrecht[index] = nummer;
    }
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_SetPreiseToRow(OXTABELLE* tabelle, int32_t zeile, const TAB_PREISE* preise)
{
    if (tabelle == nullptr || preise == nullptr)
        return -1;
    if (!ZeileGueltig(zeile))
        return 0;
    tabelle->Preise[zeile] = *preise;
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_GetPreiseFromRow(const OXTABELLE* tabelle, int32_t zeile, TAB_PREISE* preise)
{
    if (tabelle == nullptr || preise == nullptr)
        return -1;
    if (!ZeileGueltig(zeile)) {
        std::memset(preise, 0, sizeof *preise);
        return 0;
    }
    *preise = tabelle->Preise[zeile];
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_PreiseVorbesetzen(OXTABELLE* tabelle, const TAB_PREISE* preise)
{
    if (tabelle == nullptr || preise == nullptr)
        return -1;
    int32_t gesetzt = 0;
    for (int i = 0; i < TAB_MAX_SENKRECHT; ++i) {
        if (tabelle->Senkrecht[i] != 0 && tabelle->Preise[i].Ek1 == 0) {
            tabelle->Preise[i] = *preise;
            ++gesetzt;
        }
    }
    return gesetzt;
}

OX_EXTERN_C int32_t OXCALL TAB_GetZSUMME(const OXTABELLE* tabelle, int32_t zeile, TAB_ZSUMME* summe)
{
    if (tabelle == nullptr || summe == nullptr)
        return -1;
    if (!ZeileGueltig(zeile))
        return 0;
    long long stueck = 0;
    for (int s = 0; s < TAB_MAX_WAAGRECHT; ++s)
        stueck += tabelle->Stueck[zeile][s];
    const TAB_PREISE& p = tabelle->Preise[zeile];
    std::memset(summe, 0, sizeof *summe);
    summe->Stueck = Begrenzt(stueck);
    summe->WertEk1 = Begrenzt(stueck * p.Ek1);
    summe->WertEk2 = Begrenzt(stueck * p.Ek2);
    summe->WertVk1 = Begrenzt(stueck * p.Vk1);
    summe->WertVk2 = Begrenzt(stueck * p.Vk2);
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_GetStueckzahl(const OXTABELLE* tabelle, int32_t zeile, int32_t spalte)
{
    if (tabelle == nullptr || !ZeileGueltig(zeile) || !SpalteGueltig(spalte))
        return 0;
    return tabelle->Stueck[zeile][spalte];
}

OX_EXTERN_C int32_t OXCALL TAB_SetStueckzahl(OXTABELLE* tabelle, int32_t zeile, int32_t spalte, int32_t stueck)
{
    if (tabelle == nullptr)
        return -1;
    if (!ZeileGueltig(zeile) || !SpalteGueltig(spalte))
        return 0;
    tabelle->Stueck[zeile][spalte] = stueck;
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_GetWaagrechtFarbText(const OXTABELLE* tabelle, int32_t index, char* text)
{
    if (tabelle == nullptr || text == nullptr)
        return -1;
    if (!SpalteGueltig(index)) {
        text[0] = '\0';
        return 0;
    }
    const char* quelle = tabelle->FarbText[index];
    size_t n = 0;
    while (n < TAB_FARBTEXT - 1 && quelle[n] != '\0')
        ++n;
    std::memcpy(text, quelle, n);
    text[n] = '\0';
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_SetWaagrechtFarbText(OXTABELLE* tabelle, int32_t index, const char* text)
{
    if (tabelle == nullptr)
        return -1;
    if (!SpalteGueltig(index))
        return 0;
    FarbTextSetzen(tabelle->FarbText[index], text);
    return 1;
}

OX_EXTERN_C int32_t OXCALL TAB_CopyWaagrechtMerkmale(OXTABELLE* ziel, const OXTABELLE* quelle)
{
    if (ziel == nullptr || quelle == nullptr)
        return -1;
    if (ziel == quelle)
        return 1;
    ziel->MerkmalWaagrecht = quelle->MerkmalWaagrecht;
    std::memcpy(ziel->Waagrecht, quelle->Waagrecht, sizeof ziel->Waagrecht);
    std::memcpy(ziel->FarbText, quelle->FarbText, sizeof ziel->FarbText);
    return 1;
}
