/*
 * ftp.h - exchange of PRICAT file sets with the EDI exchange server.
 */
#ifndef KTOXEDI_FTP_H
#define KTOXEDI_FTP_H

#include <windows.h>
#include <stdint.h>

/* Lists the catalogue file sets on the server and fetches the ones the user
 * marks into the import folder (dialog 1008). Does nothing when any text is
 * missing (null). Runs modally over `besitzer`; returns nothing. */
void FtpHerunterladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                      const char* importOrdner, const char* exportOrdner,
                      const char* server, const char* benutzer, const char* passwort);

/* Lists the file sets of the export folder and sends the marked ones to the
 * server (dialog 1008 with the upload texts). Does nothing when any of the
 * eleven arguments is missing (null). */
void FtpHochladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                  const char* exportOrdner, const char* importOrdner,
                  const char* server, const char* benutzer, const char* passwort,
                  const char* uploadBasisPfad, const char* uploadZusatz,
                  const char* benutzerKennung);

/* How often the download step has run in this process (calls with every
 * text given). */
int32_t FtpHerunterladenAufrufe(void);

#endif
