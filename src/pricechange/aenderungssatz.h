/*
 * aenderungssatz.h - the change records of an import.
 *
 * During an import the import page keeps the host's EDI change store open
 * and appends one change record per changed article: it prepares the
 * record in the context (`AenderungSatz`) and appends it. Dialog 1005
 * takes the records over later (preisaenderung.h). Free of system calls.
 */
#ifndef KTOXEDI_AENDERUNGSSATZ_H
#define KTOXEDI_AENDERUNGSSATZ_H

#include <stdint.h>

/* Opens the change store into `AenderungHandle` (an open one is closed
 * first). Returns 1 when open, -1 when the store cannot be opened. */
int AenderungsspeicherOeffnen(void);

/* Closes the change store when it is open; `AenderungHandle` becomes -1. */
void AenderungsspeicherSchliessen(void);

/*
 * Prepares the change record `AenderungSatz`; every argument may be 0:
 * the label kind becomes -1; an article number above 0 is stored and the
 * article read, its identification text going to text 2 and its label
 * kind to the record's; the 7 prices (EK1, EK2, third, VK1, VK2, sixth,
 * seventh) are stored, then EK1, EK2, VK1 and VK2 cleared unless their
 * price adoption setting is on; `text` goes to text 1; from `codeSatz` the
 * 5-byte code of kind k at byte 29 + 5k is looked up with HostFunktion02
 * for kinds 1 to 8 and 11 (kinds 9 and 10 get 0). Other fields of the
 * record keep their values.
 */
void AenderungVorbereiten(int32_t artikelNummer, const int32_t* preise, const char* text, const void* codeSatz);

/* Appends `AenderungSatz` to the open change store. 1 = appended, 0 =
 * write failed, -1 = the store is not open. */
int AenderungAnhaengen(void);

#endif
