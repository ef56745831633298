/*
 * verbindung.cpp - WinINet FTP steps on the caller's thread.
 */
#include "ftp/verbindung.h"
#include "grund/plattform.h"

#include "grund/text.h"
#include "hostapi/fileio.h"

#include <string.h>

/* The time-outs of every session, and how long a transfer may show no
 * sign of life. */
#ifndef FTP_ZEITLIMIT_MS
#define FTP_ZEITLIMIT_MS 20000
#endif

/* What WinINet's status reports tell the waiting caller. They come on
 * WinINet's own threads; a report whose context is not the session being
 * waited for (a given-up one finishing late) is ignored. The values live
 * as long as the module, so a late report never finds them gone. */
static HANDLE s_Fertig;                    /* set when the awaited request completes */
static volatile LONG_PTR s_Erwartet;       /* context value waited for, 0 = none */
static volatile LONG_PTR s_Ergebnis;       /* dwResult of the completion */
static volatile LONG s_Lebenszeichen;      /* tick count of the last report */
static volatile LONG s_Kennungen;          /* last context value given out */

static void CALLBACK StatusRueckruf(HINTERNET, DWORD_PTR kontext, DWORD status, LPVOID info, DWORD laenge)
{
    if ((LONG_PTR)kontext != s_Erwartet || kontext == 0)
        return;
    InterlockedExchange(&s_Lebenszeichen, (LONG)GetTickCount());
    if (status == INTERNET_STATUS_REQUEST_COMPLETE && info != nullptr && laenge >= sizeof(INTERNET_ASYNC_RESULT)) {
        InterlockedExchangePointer((PVOID volatile*)&s_Ergebnis, (PVOID)((INTERNET_ASYNC_RESULT*)info)->dwResult);
        SetEvent(s_Fertig);
    }
}

/* Readies the wait for the next asynchronous call of `sitzung`. */
static void AufrufVorbereiten(FTP_SITZUNG* sitzung)
{
    ResetEvent(s_Fertig);
    InterlockedExchangePointer((PVOID volatile*)&s_Ergebnis, nullptr);
    InterlockedExchange(&s_Lebenszeichen, (LONG)GetTickCount());
    InterlockedExchangePointer((PVOID volatile*)&s_Erwartet, (PVOID)sitzung->Kennung);
    SetLastError(0);
}

/* The end of a call made after AufrufVorbereiten, which returned `rc`.
 * In asynchronous mode a call either fails at once or is queued (some
 * WinINet builds answer TRUE for a queued call, others FALSE with
 * ERROR_IO_PENDING); a queued call is waited for as the header says.
 * `datei` (or null) is the file being fetched, which must not grow beyond
 * `hoechstens` bytes; `zusatz` milliseconds are granted beyond the limit.
 * Returns 1 = done, 0 = failed, -2 = given up (the session too). */
static int32_t AufrufAbwarten(FTP_SITZUNG* sitzung, BOOL rc, const char* datei, LONGLONG hoechstens, DWORD zusatz)
{
    int32_t ergebnis = rc ? 1 : 0;
    if (sitzung->Asynchron && (rc || GetLastError() == ERROR_IO_PENDING)) {
        LONGLONG groesse = -1;
        for (;;) {
            if (WaitForSingleObject(s_Fertig, 50) == WAIT_OBJECT_0) {
                ergebnis = s_Ergebnis != 0 ? 1 : 0;
                break;
            }
            LONGLONG jetzt = datei != nullptr ? DateiGroesse(datei) : -1;
            if (jetzt != groesse) {
                groesse = jetzt;
                InterlockedExchange(&s_Lebenszeichen, (LONG)GetTickCount());
            }
            DWORD still = GetTickCount() - (DWORD)s_Lebenszeichen;
            if (groesse > hoechstens || still > (DWORD)FTP_ZEITLIMIT_MS + zusatz) {
                sitzung->Aufgegeben = 1;
                ergebnis = -2;
                break;
            }
        }
    }
    InterlockedExchangePointer((PVOID volatile*)&s_Erwartet, nullptr);
    return ergebnis;
}

int32_t FtpVerbinden(FTP_SITZUNG* sitzung, const char* server, const char* benutzer, const char* passwort,
                     int32_t transfers)
{
    if (sitzung == nullptr)
        return -1;
    memset(sitzung, 0, sizeof *sitzung);
    if (server == nullptr || benutzer == nullptr || passwort == nullptr)
        return -1;
    sitzung->Aufgegeben = 1;
    if (s_Fertig == nullptr)
        s_Fertig = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (s_Fertig == nullptr)
        return 0;
    sitzung->Asynchron = transfers ? 1 : 0;
    sitzung->Kennung = (DWORD_PTR)(ULONG)InterlockedIncrement(&s_Kennungen);
    if (sitzung->Kennung == 0)
        sitzung->Kennung = (DWORD_PTR)(ULONG)InterlockedIncrement(&s_Kennungen);
    sitzung->Internet = InternetOpenA(FTP_AGENT, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                      INTERNET_FLAG_PASSIVE | (sitzung->Asynchron ? INTERNET_FLAG_ASYNC : 0));
    if (sitzung->Internet == nullptr)
        return 0;
    static const DWORD zeiten[] = { INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                                    INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                                    INTERNET_OPTION_DATA_RECEIVE_TIMEOUT };
    DWORD ms = FTP_ZEITLIMIT_MS;
    for (DWORD option : zeiten)
        InternetSetOptionA(sitzung->Internet, option, &ms, sizeof ms);
    if (sitzung->Asynchron)
        InternetSetStatusCallbackA(sitzung->Internet, StatusRueckruf);

    AufrufVorbereiten(sitzung);
    sitzung->Verbindung = InternetConnectA(sitzung->Internet, server, INTERNET_DEFAULT_FTP_PORT, benutzer, passwort,
                                           INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, sitzung->Kennung);
    if (sitzung->Verbindung == nullptr) {
        /* Queued: the completion carries the handle. */
        if (AufrufAbwarten(sitzung, FALSE, nullptr, 0, 0) == 1)
            sitzung->Verbindung = (HINTERNET)s_Ergebnis;
    } else {
        InterlockedExchangePointer((PVOID volatile*)&s_Erwartet, nullptr);
    }
    if (sitzung->Verbindung == nullptr)
        return 0;
    AufrufVorbereiten(sitzung);
    BOOL rc = FtpSetCurrentDirectoryA(sitzung->Verbindung, FTP_ORDNER);
    if (AufrufAbwarten(sitzung, rc, nullptr, 0, 0) != 1)
        return 0;
    sitzung->Aufgegeben = 0;
    return 1;
}

int32_t FtpServerlisteLesen(FTP_SITZUNG* sitzung, FTP_FUND_BESUCH besuch, void* parameter)
{
    if (sitzung == nullptr || besuch == nullptr || sitzung->Aufgegeben || sitzung->Verbindung == nullptr
        || sitzung->Asynchron)
        return -1;
    WIN32_FIND_DATAA fund;
    HINTERNET suche = FtpFindFirstFileA(sitzung->Verbindung, FTP_MUSTER, &fund, INTERNET_FLAG_RELOAD,
                                        sitzung->Kennung);
    if (suche == nullptr)
        return GetLastError() == ERROR_NO_MORE_FILES ? 0 : -1;
    int32_t besucht = 0;
    BOOL weiter = TRUE;
    while (weiter) {
        FTP_FUND f;
        TextKopieren(f.Name, sizeof f.Name, fund.cFileName);
        f.Attribute = fund.dwFileAttributes;
        f.Geschrieben = fund.ftLastWriteTime;
        f.Groesse = fund.nFileSizeLow;
        besucht++;
        weiter = besuch(&f, parameter) && InternetFindNextFileA(suche, &fund);
    }
    InternetCloseHandle(suche);
    return besucht;
}

int32_t FtpDateiHolen(FTP_SITZUNG* sitzung, const char* fernName, const char* zielPfad,
                      uint32_t erwarteteGroesse, int32_t* grund)
{
    int32_t warum = FTP_GRUND_FEHLER;
    if (grund != nullptr)
        *grund = warum;
    if (sitzung == nullptr || fernName == nullptr || zielPfad == nullptr)
        return -1;
    if (sitzung->Aufgegeben || sitzung->Verbindung == nullptr)
        return 0;
    char ordner[MAX_PATH];
    char temp[MAX_PATH];
    if (FileIO_Separate(zielPfad, ordner, sizeof ordner, nullptr, 0) != 1 || ordner[0] == '\0')
        return 0;
    /* Creates an empty file of a name no catalogue has ("~ED....TMP"). */
    if (GetTempFileNameA(ordner, "~ED", 0, temp) == 0)
        return 0;

    /* More than the listing promised, or than a file may hold, is a
     * server that does not stop. */
    LONGLONG hoechstens = erwarteteGroesse != 0 ? (LONGLONG)erwarteteGroesse : 0x7FFFFFFF;
    AufrufVorbereiten(sitzung);
    BOOL gestartet = FtpGetFileA(sitzung->Verbindung, fernName, temp, FALSE, FILE_ATTRIBUTE_NORMAL,
                                 FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, sitzung->Kennung);
    int32_t rc = AufrufAbwarten(sitzung, gestartet, temp, hoechstens, 0);
    if (rc == -2)
        warum = FTP_GRUND_ZEIT;
    if (rc == 1 && erwarteteGroesse != 0 && DateiGroesse(temp) != (LONGLONG)erwarteteGroesse) {
        rc = 0;
        warum = FTP_GRUND_GROESSE;
    }
    if (rc == 1 && FileIO_MoveFile(temp, zielPfad) != 1)
        rc = 0;
    if (rc != 1) {
        /* Gone already when WinINet removed it; held by a given-up
         * transfer, WinINet removes it when that ends. */
        DateiLoeschen(temp);
        rc = 0;
    }
    if (grund != nullptr)
        *grund = warum;
    return rc;
}

int32_t FtpDateiSenden(FTP_SITZUNG* sitzung, const char* lokalPfad, const char* fernName, int32_t* grund)
{
    if (grund != nullptr)
        *grund = FTP_GRUND_FEHLER;
    if (sitzung == nullptr || lokalPfad == nullptr || fernName == nullptr)
        return -1;
    if (sitzung->Aufgegeben || sitzung->Verbindung == nullptr)
        return 0;
    LONGLONG groesse = DateiGroesse(lokalPfad);
    if (groesse < 0)
        return 0;
    /* 16 KB/s at the least: 1 ms for every 16 bytes. */
    LONGLONG zusatz = groesse / 16;
    AufrufVorbereiten(sitzung);
    BOOL gestartet = FtpPutFileA(sitzung->Verbindung, lokalPfad, fernName, FTP_TRANSFER_TYPE_BINARY,
                                 sitzung->Kennung);
    int32_t rc = AufrufAbwarten(sitzung, gestartet, nullptr, 0x7FFFFFFF,
                                zusatz > 0x7FFFFFFF ? 0x7FFFFFFF : (DWORD)zusatz);
    if (rc == -2 && grund != nullptr)
        *grund = FTP_GRUND_ZEIT;
    return rc == 1 ? 1 : 0;
}

void FtpTrennen(FTP_SITZUNG* sitzung)
{
    if (sitzung == nullptr)
        return;
    /* No report of a request still running reaches the module after this. */
    if (sitzung->Verbindung != nullptr) {
        InternetSetStatusCallbackA(sitzung->Verbindung, nullptr);
        InternetCloseHandle(sitzung->Verbindung);
    }
    if (sitzung->Internet != nullptr) {
        InternetSetStatusCallbackA(sitzung->Internet, nullptr);
        InternetCloseHandle(sitzung->Internet);
    }
    sitzung->Verbindung = nullptr;
    sitzung->Internet = nullptr;
    sitzung->Aufgegeben = 1;
}
