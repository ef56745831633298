/*
 * plattform.h - the module's few system calls outside its dialogs: file
 * and system times, local times, file size and deletion, the
 * workstation's name, the system's text order.
 * plattform.cpp implements them with Win32, plattform_posix.cpp with
 * POSIX calls for the native build. Everything else of the business logic stays free of
 * windows.h and calls these.
 */
#ifndef KTOXEDI_PLATTFORM_H
#define KTOXEDI_PLATTFORM_H

#include <stddef.h>
#include <stdint.h>

/* The local calendar date of the file time `niedrig`/`hoch` (UTC, 100-ns
 * steps since 1.1.1601) as the host's day number; 0 when the time cannot
 * be converted or the date has no day number. When `text` is not null it
 * receives the date as the host writes dates (empty when not converted),
 * cut to `groesse` bytes. */
int32_t DateizeitTag(uint32_t niedrig, uint32_t hoch, char* text, size_t groesse);

/* A local date and time of day, as the clock shows it. */
typedef struct ORTSZEIT {
    int32_t Tag, Monat, Jahr;
    int32_t Stunde, Minute, Sekunde;
} ORTSZEIT;

/* The local date and time now into `zeit`. */
void JetztOrtszeit(ORTSZEIT* zeit);

/* The file time `niedrig`/`hoch` (UTC, 100-ns steps since 1.1.1601) as
 * local date and time into `zeit`. 1, or 0 when it cannot be converted
 * (`zeit` untouched). */
int DateizeitOrtszeit(uint32_t niedrig, uint32_t hoch, ORTSZEIT* zeit);

/* The system time in 100-ns steps since 1.1.1601 UTC. */
uint64_t SystemZeit(void);

/* A number that tells this workstation, process and moment apart from
 * others (workstation name, process id, tick count mixed). */
uint32_t LaufMerkmal(void);

/* The size of file `pfad` in bytes, -1 when it cannot be had. */
int64_t DateiGroesse(const char* pfad);

/* Deletes file `pfad`: 1, or 0 when it is not there or cannot be deleted. */
int DateiLoeschen(const char* pfad);

/* The system's order of two ANSI texts (the comparison its list and combo
 * boxes sort by): below, equal to or above 0. */
int TextVergleichen(const char* a, const char* b);

#endif
