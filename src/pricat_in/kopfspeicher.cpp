/*
 * kopfspeicher.cpp - header bytes of catalogue files kept for the call.
 */
#include "pricat_in/kopfspeicher.h"
#include "grund/text.h"
#include "grund/speichertabelle.h"
#include "hostapi/ktstorage.h"

#include <string.h>

/* The table: a storage block that doubles when full. s_Naechster is the
 * slot after the one found last (a folder is searched in the same order
 * each time). */
static KOPF_GELESEN* s_Slots;
static int32_t s_Anzahl;
static int32_t s_Raum;
static int32_t s_Naechster;

static int Passt(const KOPF_GELESEN* s, unsigned streuwert, const char* pfad)
{
    return s->Streuwert == streuwert && strcmp(s->Pfad, pfad) == 0;
}

KOPF_GELESEN* KopfSpeicherSlot(const char* pfad, const FILEIO_FUNDSTELLE* fund)
{
    if (pfad == nullptr || fund == nullptr)
        return nullptr;
    char gross[OX_TXT_PATH];
    if (TextKopieren(gross, sizeof gross, pfad) != 1)
        return nullptr;
    TextGross(gross);
    unsigned streuwert = TextStreuwert(TEXT_STREUWERT_ANFANG, gross);

    KOPF_GELESEN* slot = nullptr;
    if (s_Naechster >= 0 && s_Naechster < s_Anzahl && Passt(&s_Slots[s_Naechster], streuwert, gross)) {
        slot = &s_Slots[s_Naechster];
    } else {
        for (int32_t i = 0; i < s_Anzahl; i++) {
            if (Passt(&s_Slots[i], streuwert, gross)) {
                slot = &s_Slots[i];
                break;
            }
        }
    }
    if (slot == nullptr) {
        if (s_Anzahl >= s_Raum) {
            void* neu = SpeichertabelleWachsen(s_Slots, s_Anzahl, &s_Raum, sizeof(KOPF_GELESEN), 64,
                                               KOPF_SPEICHER_MAX);
            if (neu == nullptr)
                return nullptr;
            s_Slots = (KOPF_GELESEN*)neu;
        }
        slot = &s_Slots[s_Anzahl++];
        memset(slot, 0, sizeof *slot);
        slot->Streuwert = streuwert;
        memcpy(slot->Pfad, gross, sizeof slot->Pfad);
        slot->Gelesen = -1;
    }
    s_Naechster = (int32_t)(slot - s_Slots) + 1;

    if (slot->Geschrieben.Low != fund->Geschrieben.Low || slot->Geschrieben.High != fund->Geschrieben.High ||
        slot->GroesseLow != fund->GroesseLow || slot->GroesseHigh != fund->GroesseHigh) {
        slot->Geschrieben = fund->Geschrieben;
        slot->GroesseLow = fund->GroesseLow;
        slot->GroesseHigh = fund->GroesseHigh;
        slot->Gelesen = -1;
    }
    return slot;
}

void KopfSpeicherLeeren(void)
{
    if (s_Slots != nullptr)
        Storage_Deallocate(s_Slots);
    s_Slots = nullptr;
    s_Anzahl = 0;
    s_Raum = 0;
    s_Naechster = 0;
}

int32_t KopfSpeicherAnzahl(void)
{
    return s_Anzahl;
}
