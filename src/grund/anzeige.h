/*
 * anzeige.h - the two display services the catalogue readers use while
 * they work: the hourglass cursor on and off. Declared without windows.h
 * so the readers build natively; anzeige.cpp shows the system's cursor
 * (the native build brings its own no-op version).
 */
#ifndef KTOXEDI_ANZEIGE_H
#define KTOXEDI_ANZEIGE_H

/* Shows the hourglass (standard cursor 32514) and returns the cursor that
 * was shown before, for AnzeigeCursorZurueck. */
void* AnzeigeSanduhr(void);

/* Shows `vorher` again (a result of AnzeigeSanduhr). */
void AnzeigeCursorZurueck(void* vorher);

#endif
