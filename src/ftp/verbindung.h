/*
 * verbindung.h - the session with the EDI exchange server (WinINet FTP).
 *
 * Access as the exchange fixes it: agent "ORDANEX_EDI", port 21, passive
 * mode, binary transfers, the server folder "KIVOLA/EDI/DOWNLOAD".
 *
 * Everything runs on the caller's thread. Every session carries WinINet's
 * own time-outs (connect, send, receive, for control and data) of
 * FTP_ZEITLIMIT_MS. Connecting, changing the folder and reading the
 * listing rely on them alone. File transfers also run in WinINet's
 * asynchronous mode, and the caller waits for their end here: a transfer
 * that shows no sign of life (a status report of WinINet, data arriving in
 * the file being fetched) for the time limit - for a file being sent, plus
 * the time it takes at 16 KB/s - or that fetches more than the listing
 * promised, is given up. A given-up transfer fails, and so does its
 * session (FtpVerbinden a new one for the next file); WinINet finishes it
 * in the background and removes its part file. Some WinINet builds block
 * in a stalled data transfer without regard to the time-outs; this is
 * what gives the user the window back there.
 *
 * The password is kept only in the caller's memory; it is never written
 * anywhere.
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
    DWORD_PTR Kennung;         /* context value of this session's WinINet calls */
    int32_t Asynchron;         /* 1 = transfers in WinINet's asynchronous mode */
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

/* Why a file was not moved (FtpDateiHolen, FtpDateiSenden). */
enum {
    FTP_GRUND_FEHLER = 0,      /* refused, missing, connection lost */
    FTP_GRUND_ZEIT = 1,        /* no sign of life within the time limit */
    FTP_GRUND_GROESSE = 2      /* arrived with another size than listed */
};

/* Opens the session: connects to `server` with `benutzer` and `passwort`
 * and changes into the exchange folder; `transfers` 1 prepares it for
 * FtpDateiHolen/FtpDateiSenden (asynchronous mode), 0 for the listing.
 * `sitzung` is filled in any case (FtpTrennen it afterwards). 1 = ready,
 * 0 = no connection, refused login, no such folder or out of time,
 * -1 = null argument. */
int32_t FtpVerbinden(FTP_SITZUNG* sitzung, const char* server, const char* benutzer, const char* passwort,
                     int32_t transfers);

/* Reads the exchange folder's listing for the pattern "PRICAT*.*" and calls
 * `besuch` for every entry (folders included, all of them). Returns the
 * number of entries visited, -1 when the listing failed. */
int32_t FtpServerlisteLesen(FTP_SITZUNG* sitzung, FTP_FUND_BESUCH besuch, void* parameter);

/* Fetches `fernName` from the exchange folder into the local file
 * `zielPfad` (binary). The data goes to a temporary file in the target's
 * folder first; only a complete transfer - and, when `erwarteteGroesse`
 * is not 0, one of exactly that size - replaces the target, so a failed or
 * cut transfer leaves an existing local file as it was. 1 = fetched,
 * 0 = failed (`grund`, when given, says why: FTP_GRUND_...), -1 = null
 * argument. */
int32_t FtpDateiHolen(FTP_SITZUNG* sitzung, const char* fernName, const char* zielPfad,
                      uint32_t erwarteteGroesse, int32_t* grund);

/* Sends the local file `lokalPfad` into the exchange folder under
 * `fernName` (binary), replacing a file of that name there. 1 = sent,
 * 0 = failed (`grund` as above), -1 = null argument. */
int32_t FtpDateiSenden(FTP_SITZUNG* sitzung, const char* lokalPfad, const char* fernName, int32_t* grund);

/* Closes the session's handles (also of a session that failed to open or
 * was given up). */
void FtpTrennen(FTP_SITZUNG* sitzung);

#endif
