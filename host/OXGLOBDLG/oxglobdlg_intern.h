/*
 * oxglobdlg_intern.h - what the parts of the dialog library share: the
 * registered controls of a kind, text helpers, the slots of a page's
 * binding and the picker dialog.
 */
#ifndef OXGLOBDLG_INTERN_H
#define OXGLOBDLG_INTERN_H

#include "hostapi/oxglobdlg.h"

#include <string>

/* Controls of one kind as registered (ids 0 = none). */
struct Felder {
    bool registriert = false;
    int32_t knopf = 0;
    int32_t edit = 0;
    int32_t text = 0;
};

/* The registration of `art`, or null when the kind is not registered. */
const Felder* FelderDerArt(int32_t art);

/* A fixed record field up to its terminator or its width. */
std::string FeldText(const char* feld, size_t breite);
/* Without blanks at both ends. */
std::string Getrimmt(const std::string& text);
/* What the code edit of kind `art` shows for a characteristic: its code
 * (kind 0: the article number text). */
std::string AnzeigeCode(int32_t art, const MERKMAL_SATZ& satz);
/* The characteristic a typed code names (kind 0: an article number text),
 * blanks around it ignored, letters without regard to case; 0 = none. */
int32_t CodeSuchen(int32_t art, const std::string& eingabe);

/* The slot the binding gives for control `id`: a 4-byte slot holds a
 * 32-bit value, every other one a terminated text of at most length-1
 * characters (adresse null = the binding has none). */
struct Slot {
    void* adresse = nullptr;
    int32_t laenge = 0;
    bool zahl() const { return laenge == 4; }
};
Slot SlotVon(OXOUT_BINDUNG bindung, int32_t id);
/* Writes `text` into the slot (numbers into a 4-byte slot). 1, 0 without slot. */
int SlotSchreiben(const Slot& s, const std::string& text);
std::string SlotLesen(const Slot& s);

/* Runs the picker (dialog.cpp, Windows only) of kind `art` over `eltern`: every characteristic of the
 * kind in number order (kind 0 only the articles whose supplier code is
 * `lieferantCode`, when not empty), the one whose code is `vorwahl`
 * selected. Returns the number chosen, 0 when cancelled or empty. */
int32_t MerkmalAuswaehlen(HWND eltern, int32_t art, const std::string& vorwahl, const std::string& lieferantCode);

#endif
