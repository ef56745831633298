/*
 * hostsaetze.h - records the module hands to the host's callbacks that do
 * not depend on the window system: the label request (HostFunktion25) and
 * the element of the price-change list (HostFunktion26).
 */
#ifndef OX_HOSTSAETZE_H
#define OX_HOSTSAETZE_H

#include "hostapi/hostdefs.h"
#include "hostapi/dbadll.h"

#pragma pack(push, 1)

/* Label request handed to HostFunktion25 (64 bytes; bytes not listed 0). */
typedef struct ETIKETT_ANFORDERUNG {
    int32_t Reserve1;                /*  0 */
    int32_t TeilNummer;              /*  4: item number */
    int32_t Ek1;                     /*  8: the item's EK1 */
    int32_t Filiale;                 /* 12: the item's branch */
    int32_t Filiale2;                /* 16: the item's branch again */
    int32_t Reserve2;                /* 20 */
    int32_t Wert;                    /* 24: the item's EtikettWert */
    int32_t Wert2;                   /* 28: the item's EtikettWert2, sign-extended */
    unsigned char Reserve3[32];      /* 32 */
} ETIKETT_ANFORDERUNG;

/* One element of the price-change list handed to HostFunktion26 (390
 * bytes): an item whose prices an import changed, as it is now and as it
 * was before the change. */
typedef struct PREISAENDERUNG_ELEMENT {
    int32_t Reserve1;                /*   0 */
    int32_t TeilNummer;              /*   4: item number (its position) */
    unsigned char Reserve2[98];      /*   8 */
    EINZELTEIL_SATZ Nachher;         /* 106: the item after the change */
    EINZELTEIL_SATZ Vorher;          /* 248: the item before the change */
} PREISAENDERUNG_ELEMENT;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(ETIKETT_ANFORDERUNG) == 64 && offsetof(ETIKETT_ANFORDERUNG, TeilNummer) == 4 &&
              offsetof(ETIKETT_ANFORDERUNG, Ek1) == 8 && offsetof(ETIKETT_ANFORDERUNG, Filiale) == 12 &&
              offsetof(ETIKETT_ANFORDERUNG, Filiale2) == 16 && offsetof(ETIKETT_ANFORDERUNG, Wert) == 24 &&
              offsetof(ETIKETT_ANFORDERUNG, Wert2) == 28, "ETIKETT_ANFORDERUNG");
static_assert(sizeof(PREISAENDERUNG_ELEMENT) == 390 && offsetof(PREISAENDERUNG_ELEMENT, TeilNummer) == 4 &&
              offsetof(PREISAENDERUNG_ELEMENT, Nachher) == 106 && offsetof(PREISAENDERUNG_ELEMENT, Vorher) == 248,
              "PREISAENDERUNG_ELEMENT");
#endif

#endif
