/*
 * verbindung.h - the session with the EDI exchange server (WinINet FTP).
 *
 * Access as the exchange fixes it: agent "ORDANEX_EDI", port 21, passive
 * mode, binary transfers, the server folder "KIVOLA/EDI/DOWNLOAD".
 *
 * No step waits for ever. WinINet's FTP calls block, and a server that
 * accepts the connection and then says nothing, or opens a data connection
 * and sends nothing, would hold them without end. So every network step
 * runs on a helper thread while the caller waits, at most as long as the
 * step shows no sign of life (a server response, data arriving in the
 * file being fetched) for the time limit (FtpZeitlimitSetzen), and for a
 * file being sent the time it takes at 16 KB/s on top; a file being
 * fetched that grows beyond its listed size is given up at once. A step that runs
 * out of time counts as failed, the session is given up (every further
 * step fails at once), and the helper thread, when it finally returns,
 * removes what it left behind. The helper thread keeps the module loaded
 * while it runs. The caller's thread does not process window messages
 * while it waits (as a transfer under the hourglass would not).
 *
 * The password is kept only in the session's memory and in the helper's
 * copy, which is wiped when it is released; it is never written anywhere.
 */
#ifndef KTOXEDI_FTP_VERBINDUNG_H
#define KTOXEDI_FTP_VERBINDUNG_H

#include <windows.h>
#include <wininet.h>
#include <stdint.h>

/* The remote folder of the exchange and the pattern of its files. */
#define FTP_ORDNER "KIVOLA/EDI/DOWNLOAD"
#define FTP_MUSTER "PRICAT*.*"
#define FTP_AGENT "ORDANEX_EDI"

typedef struct FTP_SITZUNG {
    HINTERNET Internet;
    HINTERNET Verbindung;
    int32_t Aufgegeben;        /* 1 = a step ran out of time; nothing more is tried */
} FTP_SITZUNG;

/* One entry of the server folder's listing. */
typedef struct FTP_FUND {
    char Name[MAX_PATH];
    uint32_t Attribute;        /* FILE_ATTRIBUTE_... */
    FILETIME Geschrieben;      /* last write, as WinINet gives it */
    uint32_t Groesse;          /* listed size (low 32 bits) */
} FTP_FUND;

/* Visits one listing entry; 0 stops the walk. */
typedef int32_t (*FTP_FUND_BESUCH)(const FTP_FUND* fund, void* parameter);

/* Opens the session: connects to `server` with `benutzer` and `passwort`
 * and changes into the exchange folder. `sitzung` is filled in any case
 * (FtpTrennen it afterwards). 1 = ready, 0 = no connection, refused login,
 * no such folder or out of time, -1 = null argument. */
int32_t FtpVerbinden(FTP_SITZUNG* sitzung, const char* server, const char* benutzer, const char* passwort);

/* Reads the exchange folder's listing for the pattern "PRICAT*.*" and calls
 * `besuch` for every entry (folders included; at most 4096 entries).
 * Returns the number of entries visited, -1 when the listing failed. */
int32_t FtpServerlisteLesen(FTP_SITZUNG* sitzung, FTP_FUND_BESUCH besuch, void* parameter);

/* Fetches `fernName` from the exchange folder into the local file
 * `zielPfad` (binary). The data goes to a temporary file in the target's
 * folder first; only a complete transfer - and, when `erwarteteGroesse`
 * is not 0, one of exactly that size - replaces the target, so a failed or
 * cut transfer leaves an existing local file as it was. 1 = fetched,
 * 0 = failed, -1 = null argument. */
int32_t FtpDateiHolen(FTP_SITZUNG* sitzung, const char* fernName, const char* zielPfad,
                      uint32_t erwarteteGroesse);

/* Sends the local file `lokalPfad` into the exchange folder under
 * `fernName` (binary), replacing a file of that name there. 1 = sent,
 * 0 = failed, -1 = null argument. */
int32_t FtpDateiSenden(FTP_SITZUNG* sitzung, const char* lokalPfad, const char* fernName);

/* Closes the session's handles (also of a session that failed to open). */
void FtpTrennen(FTP_SITZUNG* sitzung);

/* Time limit without a sign of life, in milliseconds (at least 100;
 * 20000 unless set). Returns the limit before. */
int32_t FtpZeitlimitSetzen(int32_t millisekunden);

#endif
