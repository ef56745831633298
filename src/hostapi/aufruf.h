/*
 * aufruf.h - how the host calls the module: the parameter block of
 * KTOXEDI_Bearbeiten and the offsets of the host data block it points to.
 *
 * The parameter block is what the ORDANEX program passes; the module copies
 * it into its call context, the stand-in host fills it. Neither side needs
 * the other's records for that.
 */
#ifndef OX_AUFRUF_H
#define OX_AUFRUF_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"
#include "hostapi/hostcallbacks.h"

#define HOSTDATEN_GROESSE 70163

/* Offsets of the host data block fields the module reads. */
enum {
    HD_IMPORTSCHALTER        = 17112,  /* int: import page switch */
    HD_ETIKETT_FILIALEN      = 17116,  /* 100 chars: "1" = labels for branch n */
    HD_CODES_GROSS           = 17636,  /* int: 1 = code entries in capitals */
    HD_ANZEIGE_WERT1         = 18476,  /* int */
    HD_ANZEIGE_WERT2         = 18480,  /* int */
    HD_HOSTVERZEICHNIS       = 20067,  /* text, up to 260: program-data path */
    HD_FAKTOR                = 24939,  /* float */
    HD_ANZAHL                = 24943,  /* int, followed by a text */
    HD_TEXT                  = 24947,
    HD_TEXTTABELLE           = 28701,  /* 32-byte texts by number */
    HD_SCHALTER2             = 29670,  /* int */
    HD_DRUCKTITEL            = 62089   /* text: title of the print viewer */
};

/* The 26 host callbacks, in the order of the parameter block (words 1 to
 * 26); the call context keeps them in the same order. */
#define EDI_HOSTFUNKTIONEN \
    HOSTFUNKTION01 HostFunktion01; \
    HOSTFUNKTION02 HostFunktion02; \
    HOSTFUNKTION03 HostFunktion03; \
    HOSTFUNKTION04 HostFunktion04; \
    HOSTFUNKTION05 HostFunktion05; \
    HOSTFUNKTION06 HostFunktion06; \
    HOSTFUNKTION07 HostFunktion07; \
    HOSTFUNKTION08 HostFunktion08; \
    HOSTFUNKTION09 HostFunktion09; \
    HOSTFUNKTION10 HostFunktion10; \
    HOSTFUNKTION11 HostFunktion11; \
    HOSTFUNKTION12 HostFunktion12; \
    HOSTFUNKTION13 HostFunktion13; \
    HOSTFUNKTION14 HostFunktion14; \
    HOSTFUNKTION15 HostFunktion15; \
    HOSTFUNKTION16 HostFunktion16; \
    HOSTFUNKTION17 HostFunktion17; \
    HOSTFUNKTION18 HostFunktion18; \
    HOSTFUNKTION19 HostFunktion19; \
    HOSTFUNKTION20 HostFunktion20; \
    HOSTFUNKTION21 HostFunktion21; \
    HOSTFUNKTION22 HostFunktion22; \
    HOSTFUNKTION23 HostFunktion23; \
    HOSTFUNKTION24 HostFunktion24; \
    HOSTFUNKTION25 HostFunktion25; \
    HOSTFUNKTION26 HostFunktion26;

#pragma pack(push, 1)

/* The host's parameter block: 35 consecutive words of the host's word size. */
typedef struct EDI_AUFRUFPARAMETER {
    HWND HostFenster;                 /* word 0 */
    EDI_HOSTFUNKTIONEN                /* words 1 to 26 */
    const void* HostDaten;            /* word 27: 70,163-byte block */
    INT_PTR Modus;                    /* word 28: 1 = import, else export */
    const char* FtpServer;            /* word 29: at most 255 characters */
    const char* FtpBenutzer;          /* word 30 */
    const char* FtpPasswort;          /* word 31 */
    const char* UploadBasisPfad;      /* word 32: at most 259 characters */
    const char* UploadZusatz;         /* word 33 */
    const char* BenutzerKennung;      /* word 34: at most 31 characters */
} EDI_AUFRUFPARAMETER;

static_assert(sizeof(EDI_AUFRUFPARAMETER) == 35 * sizeof(void*), "parameter block is 35 words");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(EDI_AUFRUFPARAMETER) == 140, "parameter block is 140 bytes in the host's word size");
#endif

#pragma pack(pop)

/* The module's entry as the host reaches it through GetProcAddress. */
typedef int32_t (WINAPI *KTOXEDI_BEARBEITEN)(EDI_AUFRUFPARAMETER* parameter);

#endif
