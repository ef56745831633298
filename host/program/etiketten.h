/*
 * etiketten.h - the stand-in host's label file, its label printing and the
 * price-change list print (callbacks 23 to 26, command 548 of the host
 * window).
 *
 * The label file is a text file with one line per label request:
 *   ETIKETT;<item>;<EK1>;<branch>;<branch 2>;<value>;<value 2>
 * ended by carriage return and line feed. Its name comes from the caller
 * (the host's INI key "file" of section "RETOURENDATEI"); an empty name
 * means STANDIN_ETIKETTENDATEI in the host data folder.
 */
#ifndef OX_STANDIN_ETIKETTEN_H
#define OX_STANDIN_ETIKETTEN_H

#include "hostapi/hostcallbacks.h"

#include <string>

#define STANDIN_ETIKETTENDATEI "ETIKETT.DAT"
/* The host window's command that prints the labels of the label file. */
#define STANDIN_BEFEHL_ETIKETTEN 548
/* Captions of the viewer windows the stand-in host opens. */
#define STANDIN_ETIKETTEN_TITEL "ORDANEX Etiketten"

/* 23: opens the label file `datei` for appending (mode 1; any other mode
 * empties it first), creating it when missing. A handle > 0, or 0 when the
 * file cannot be opened. */
int32_t Etiketten_DateiOeffnen(const char* datei, int32_t modus);

/* 24: closes a handle of Etiketten_DateiOeffnen. 1, or 0 for a handle that
 * is not an open label file. */
int32_t Etiketten_DateiSchliessen(int32_t handle);

/* 25: appends the line of one label request. 1 = written, 0 when the
 * handle is not an open label file, the request is null or the write fails. */
int32_t Etiketten_Schreiben(int32_t handle, const ETIKETT_ANFORDERUNG* anforderung);

/* 26: fills `dokument` with the price-change list `liste`: a title, a
 * column head, then one line per element in list order with the item, its
 * article and branch and the old and new EK1, EK2, VK1 and VK2 (prices
 * with a decimal comma), and a closing count. Returns the number of items
 * listed (0 for an empty list), -1 for a null document or an invalid list. */
int32_t Etiketten_PreislisteFuellen(HWND fenster, B_DOC* dokument, HOSTHANDLE liste);

/* The line of the price-change list for one element (without terminator). */
std::string Etiketten_PreislisteZeile(const PREISAENDERUNG_ELEMENT& element);

/* Full name of the label file for `datei` (empty = the default one). */
std::string Etiketten_DateiName(const char* datei);

/* Prints the labels of the label file last opened (else the default one):
 * one document line per label with item, branch, EK1 and the item's
 * current VK1, shown in a viewer window captioned STANDIN_ETIKETTEN_TITEL
 * owned by `besitzer`; then the file is emptied. Returns the number of
 * labels printed (0 when the file is empty or missing). */
int32_t Etiketten_Drucken(HWND besitzer);

/* Labels printed by Etiketten_Drucken since the start (for tests). */
extern long g_StandinEtikettenGedruckt;

/* The stand-in host's main window: a hidden top-level window that prints
 * the labels when it receives WM_COMMAND STANDIN_BEFEHL_ETIKETTEN.
 * Returns a new window, or null. */
HWND Standin_HauptfensterAnlegen(void);

#endif
