/*
 * hostcallbacks.h - the 26 callbacks the host passes in the parameter block.
 *
 * The host calls the module with a table of its own functions. Plain
 * arguments are 32-bit values, addresses of records are pointers, windows
 * are window handles; the calling convention is the host's (WINAPI). What
 * each one does inside the host is the host's business; the comments say
 * what the module passes and what it relies on.
 *
 * Characteristic kinds are the host's (see dbadll.h). The 54-byte
 * characteristic record is MERKMAL_SATZ, the size table OXTABELLE.
 */
#ifndef OX_HOSTCALLBACKS_H
#define OX_HOSTCALLBACKS_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"
#include "hostapi/dbadll.h"
#include "hostapi/oxtabelle.h"
#include "hostapi/report.h"
#include "hostapi/hostsaetze.h"

#pragma pack(push, 1)

/* A host time stamp (FILETIME layout: 100-ns intervals since 1601, UTC). */
typedef struct HOST_ZEITSTEMPEL {
    uint32_t Low;
    uint32_t High;
} HOST_ZEITSTEMPEL;

/* One article of the export list: the article number (0 = no article at
 * this index) and the supplier key it is filed under. */
typedef struct HOST_EXPORTEINTRAG {
    int32_t ArtikelNummer;
    char LieferantSchluessel[OX_TXT_32];
} HOST_EXPORTEINTRAG;

/* The export list of HostFunktion17: `Anzahl` articles in `Eintrag[0]` ..
 * `Eintrag[Anzahl - 1]`; the array holds one more entry at index `Anzahl`
 * whose ArtikelNummer is 0, so a walk through index `Anzahl` inclusive
 * is safe. The list belongs to the host. */
typedef struct HOST_EXPORTLISTE {
    int32_t Anzahl;
    const HOST_EXPORTEINTRAG* Eintrag;
} HOST_EXPORTLISTE;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(HOST_ZEITSTEMPEL) == 8, "HOST_ZEITSTEMPEL");
#endif

/* 01 Supplier picker: (kind 8, calling window, 0 from the selection page or
 * -1 from the export) -> chosen supplier number, 0 or less = none. */
typedef int32_t (WINAPI *HOSTFUNKTION01)(int32_t art, HWND fenster, int32_t herkunft);
/* 02 Characteristic number for (kind 0..11, code text); for kind 0 the code
 * is the article name. 0 = none. */
typedef int32_t (WINAPI *HOSTFUNKTION02)(int32_t art, const char* code);
/* 03 The article's size table into `tabelle` and its time stamp into
 * `zeit` (may be null). Non-0 = read. */
typedef int32_t (WINAPI *HOSTFUNKTION03)(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
/* 04 The same when the article has a stored table. Non-0 = it has (read). */
typedef int32_t (WINAPI *HOSTFUNKTION04)(int32_t artikelNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
/* 05 Stores `tabelle` as the article's table. */
typedef int32_t (WINAPI *HOSTFUNKTION05)(int32_t artikelNummer, const OXTABELLE* tabelle);
/* 06 The series' table (series characteristic number) and time stamp.
 * 1 = read. */
typedef int32_t (WINAPI *HOSTFUNKTION06)(int32_t serienNummer, OXTABELLE* tabelle, HOST_ZEITSTEMPEL* zeit);
/* 07 A preset table into `tabelle` for code 0x1005, 0x1006 or 0x1007.
 * 1 = produced. */
typedef int32_t (WINAPI *HOSTFUNKTION07)(OXTABELLE* tabelle, int32_t code);
/* 08 / 09 Marks the article's / series' table: flag 0 at the start of its
 * import, 1 at the end. Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION08)(int32_t artikelNummer, int32_t flag);
typedef int32_t (WINAPI *HOSTFUNKTION09)(int32_t serienNummer, int32_t flag);
/* 10 / 11 Discards the article's / series' mark. Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION10)(int32_t artikelNummer);
typedef int32_t (WINAPI *HOSTFUNKTION11)(int32_t serienNummer);
/* 12 Captions a characteristic button: (page, control id, kind 3/4/5,
 * default caption "&Material", "A&ussehen" or "F&orm"). Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION12)(HWND seite, int32_t id, int32_t art, const char* text);
/* 13 The same for a static caption ("Material", "Aussehen", "Form"). */
typedef int32_t (WINAPI *HOSTFUNKTION13)(HWND seite, int32_t id, int32_t art, const char* text);
/* 14 The host's name of kind 3, 4 or 5 into `puffer` (256 bytes). */
typedef int32_t (WINAPI *HOSTFUNKTION14)(char* puffer, int32_t art);
/* 15 Characteristic record of (kind, number) into `satz` (54 bytes: code
 * from byte 8, text from byte 13). 1 = found. */
typedef int32_t (WINAPI *HOSTFUNKTION15)(int32_t art, int32_t nummer, MERKMAL_SATZ* satz);
/* 16 Called with 0 after new articles were made; the host refreshes. */
typedef int32_t (WINAPI *HOSTFUNKTION16)(int32_t null);
/* 17 Called with 0: the export list (see HOST_EXPORTLISTE), null = none.
 * The list stays valid until HostFunktion18. */
typedef const HOST_EXPORTLISTE* (WINAPI *HOSTFUNKTION17)(int32_t null);
/* 18 Called with 0: releases the export list. Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION18)(int32_t null);
/* 19 Kept, never called. */
typedef int32_t (WINAPI *HOSTFUNKTION19)(void);
/* 20 Characteristic number for (kind, text). 0 = none. */
typedef int32_t (WINAPI *HOSTFUNKTION20)(int32_t art, const char* text);
/* 21 The host's new-characteristic dialog: (page, kind, code, text); code
 * and text prefill the dialog and may be null. The new number, 0 or less =
 * none. */
typedef int32_t (WINAPI *HOSTFUNKTION21)(HWND seite, int32_t art, const char* code, const char* text);
/* 22 Price calculation: (page, Warengruppe number, supplier number, EK1,
 * EK2, in/out VK). 1 = *vk holds the calculated price. */
typedef int32_t (WINAPI *HOSTFUNKTION22)(HWND seite, int32_t warengruppe, int32_t lieferant, int32_t ek1,
                                         int32_t ek2, int32_t* vk);
/* 23 Opens the label file `datei` (mode 1 = append) -> a handle the caller
 * keeps (0 or less = not open). */
typedef int32_t (WINAPI *HOSTFUNKTION23)(const char* datei, int32_t modus);
/* 24 Closes the label file. Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION24)(int32_t handle);
/* 25 Writes one label request. Result not used. */
typedef int32_t (WINAPI *HOSTFUNKTION25)(int32_t handle, const ETIKETT_ANFORDERUNG* anforderung);
/* 26 Fills print document `dokument` (REPORT's B_DOC) from the price-change
 * list `liste` (a list of the list library whose elements are
 * PREISAENDERUNG_ELEMENT). Result read. */
typedef int32_t (WINAPI *HOSTFUNKTION26)(HWND fenster, B_DOC* dokument, HOSTHANDLE liste);

#endif
