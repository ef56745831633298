/*
 * anzeige.h - the hourglass cursor on and off, for every lengthy step of
 * the module (reading a catalogue, a page filling its list, a transfer, an
 * export). Declared without windows.h: anzeige.cpp shows the system's
 * cursor and message boxes, anzeige_posix.cpp stands for them natively.
 */
#ifndef KTOXEDI_ANZEIGE_H
#define KTOXEDI_ANZEIGE_H

/* Shows the hourglass (standard cursor 32514) and returns the cursor that
 * was shown before, for AnzeigeCursorZurueck. */
void* AnzeigeSanduhr(void);

/* Shows `vorher` again (a result of AnzeigeSanduhr). */
void AnzeigeCursorZurueck(void* vorher);

/* Shows message `text` under `titel` with an OK button over window
 * `besitzer` (may be null) and returns when it is closed; `fehler` 1 adds
 * the error sign. */
void AnzeigeMeldung(void* besitzer, const char* titel, const char* text, int fehler);

#endif
