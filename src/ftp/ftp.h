/*
 * ftp.h - exchange of PRICAT file sets with the EDI exchange server.
 *
 * Both entries run dialog 1008 modally: a list of catalogue file sets (the
 * files "PRICAT*.*" grouped by their name up to the first "."; only sets
 * with an ".INH" file are shown, newest first), sets present on the other
 * side drawn green, columns sortable by a click (the direction turns with
 * every click, shared by both dialogs while the module is loaded) and their
 * widths kept in the INI file. The server is reached through WinINet
 * (ftp/verbindung.h): no step waits for ever, a listed name is used only
 * when it is a plain file name (ftp/dateisatz.h), a fetched file replaces
 * a local one only when it arrived whole, and the password is kept in
 * memory only for the length of the dialog.
 */
#ifndef KTOXEDI_FTP_H
#define KTOXEDI_FTP_H

#include <windows.h>
#include <stdint.h>

/* Lists the catalogue file sets of the server folder "KIVOLA/EDI/DOWNLOAD"
 * (sets already in `importOrdner` green) and fetches the ones the user
 * marks into the import folder ("&Markierte Daten holen"; message 1040
 * when at least one file came, else 1034). Column widths are kept in
 * `iniDatei` under "EDIFTPLISTE". Does nothing when any text is missing
 * (null). Runs modally over `besitzer` with the dialogs of `instanz`;
 * returns nothing. Folders end with a backslash. */
void FtpHerunterladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                      const char* importOrdner, const char* exportOrdner,
                      const char* server, const char* benutzer, const char* passwort);

/* Lists the file sets of `exportOrdner` (sets already on the server green)
 * and sends the marked ones into the server folder, replacing files of the
 * same name there ("Markierte Dateien senden"; message 1039 when at least
 * one file went, else 1036). Column widths under "EDIFTPEXPORTLISTE".
 * Does nothing when any of the eleven arguments is missing (null); the
 * last three texts may be empty and are not used otherwise. */
void FtpHochladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                  const char* exportOrdner, const char* importOrdner,
                  const char* server, const char* benutzer, const char* passwort,
                  const char* uploadBasisPfad, const char* uploadZusatz,
                  const char* benutzerKennung);

#endif
