/*
 * ftp.cpp - entry points of the file-set exchange with the EDI server.
 *
 * The exchange dialogs are not part of this build yet: both entries check
 * their arguments as the callers expect and return without a dialog.
 */
#include "ftp/ftp.h"

static int32_t s_DownloadAufrufe;

int32_t FtpHerunterladenAufrufe(void)
{
    return s_DownloadAufrufe;
}

void FtpHerunterladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                      const char* importOrdner, const char* exportOrdner,
                      const char* server, const char* benutzer, const char* passwort)
{
    (void)instanz;
    (void)besitzer;
    if (!iniDatei || !importOrdner || !exportOrdner || !server || !benutzer || !passwort)
        return;
    s_DownloadAufrufe++;
}

void FtpHochladen(HINSTANCE instanz, HWND besitzer, const char* iniDatei,
                  const char* exportOrdner, const char* importOrdner,
                  const char* server, const char* benutzer, const char* passwort,
                  const char* uploadBasisPfad, const char* uploadZusatz,
                  const char* benutzerKennung)
{
    (void)instanz;
    (void)besitzer;
    if (!iniDatei || !exportOrdner || !importOrdner || !server || !benutzer || !passwort
        || !uploadBasisPfad || !uploadZusatz || !benutzerKennung)
        return;
}
