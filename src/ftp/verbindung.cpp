/*
 * verbindung.cpp - WinINet FTP steps on a watched helper thread.
 */
#include "ftp/verbindung.h"

#include "entry/text.h"
#include "hostapi/fileio.h"

#include <string.h>

enum {
    SCHRITT_VERBINDEN = 1,
    SCHRITT_LISTE = 2,
    SCHRITT_HOLEN = 3,
    SCHRITT_SENDEN = 4
};

enum {
    LAEUFT = 0,
    FERTIG = 1,
    AUFGEGEBEN = 2
};

enum { MAX_FUNDE = 4096 };

/* Everything one step needs, shared by the caller and the helper thread;
 * whoever lets go last releases it. */
typedef struct FTP_SCHRITT {
    volatile LONG Referenzen;
    volatile LONG Zustand;
    HMODULE Modul;             /* held for the helper thread while it runs */
    int32_t Art;
    HINTERNET Internet;
    HINTERNET Verbindung;
    char Server[256];
    char Benutzer[256];
    char Passwort[256];
    char FernName[MAX_PATH];
    char LokalPfad[MAX_PATH];
    DWORD Zusatzzeit;          /* milliseconds granted beyond the limit */
    LONGLONG Hoechstgroesse;   /* a file being fetched that grows beyond this is given up */
    int32_t Ergebnis;
    FTP_FUND* Funde;
    int32_t AnzahlFunde;
} FTP_SCHRITT;

static volatile LONG s_Zeitlimit = 20000;
/* Tick count of the last sign of life of the server (status callbacks come
 * on the helper thread). */
static volatile LONG s_Lebenszeichen;

int32_t FtpZeitlimitSetzen(int32_t millisekunden)
{
    if (millisekunden < 100)
        millisekunden = 100;
    return (int32_t)InterlockedExchange(&s_Zeitlimit, millisekunden);
}

static void Lebenszeichen(void)
{
    InterlockedExchange(&s_Lebenszeichen, (LONG)GetTickCount());
}

static void CALLBACK StatusRueckruf(HINTERNET, DWORD_PTR, DWORD, LPVOID, DWORD)
{
    Lebenszeichen();
}

static FTP_SCHRITT* SchrittNeu(int32_t art, FTP_SITZUNG* sitzung)
{
    FTP_SCHRITT* s = (FTP_SCHRITT*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FTP_SCHRITT));
    if (s != nullptr) {
        s->Referenzen = 1;
        s->Art = art;
        s->Internet = sitzung->Internet;
        s->Verbindung = sitzung->Verbindung;
    }
    return s;
}

static void SchrittLoslassen(FTP_SCHRITT* s)
{
    if (InterlockedDecrement(&s->Referenzen) == 0) {
        SecureZeroMemory(s->Passwort, sizeof s->Passwort);
        if (s->Funde != nullptr)
            HeapFree(GetProcessHeap(), 0, s->Funde);
        HeapFree(GetProcessHeap(), 0, s);
    }
}

static int32_t ListeLesen(FTP_SCHRITT* s)
{
    WIN32_FIND_DATAA fund;
    HINTERNET suche = FtpFindFirstFileA(s->Verbindung, FTP_MUSTER, &fund, INTERNET_FLAG_RELOAD, 1);
    if (suche == nullptr)
        return GetLastError() == ERROR_NO_MORE_FILES ? 0 : -1;
    s->Funde = (FTP_FUND*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FTP_FUND) * MAX_FUNDE);
    int32_t rc = s->Funde != nullptr ? 0 : -1;
    BOOL weiter = TRUE;
    while (rc >= 0 && weiter && s->AnzahlFunde < MAX_FUNDE) {
        FTP_FUND* f = &s->Funde[s->AnzahlFunde++];
        TextKopieren(f->Name, sizeof f->Name, fund.cFileName);
        f->Attribute = fund.dwFileAttributes;
        f->Geschrieben = fund.ftLastWriteTime;
        f->Groesse = fund.nFileSizeLow;
        weiter = InternetFindNextFileA(suche, &fund);
    }
    InternetCloseHandle(suche);
    if (rc >= 0)
        rc = s->AnzahlFunde;
    return rc;
}

static DWORD WINAPI SchrittLauf(void* parameter)
{
    FTP_SCHRITT* s = (FTP_SCHRITT*)parameter;
    HMODULE modul = s->Modul;
    HINTERNET neueVerbindung = nullptr;
    int32_t rc = 0;
    switch (s->Art) {
    case SCHRITT_VERBINDEN:
        neueVerbindung = InternetConnectA(s->Internet, s->Server, INTERNET_DEFAULT_FTP_PORT, s->Benutzer,
                                          s->Passwort, INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 1);
        SecureZeroMemory(s->Passwort, sizeof s->Passwort);
        if (neueVerbindung != nullptr && FtpSetCurrentDirectoryA(neueVerbindung, FTP_ORDNER))
            rc = 1;
        break;
    case SCHRITT_LISTE:
        rc = ListeLesen(s);
        break;
    case SCHRITT_HOLEN:
        rc = FtpGetFileA(s->Verbindung, s->FernName, s->LokalPfad, FALSE, FILE_ATTRIBUTE_NORMAL,
                         FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 1) ? 1 : 0;
        break;
    case SCHRITT_SENDEN:
        rc = FtpPutFileA(s->Verbindung, s->LokalPfad, s->FernName, FTP_TRANSFER_TYPE_BINARY, 1) ? 1 : 0;
        break;
    default:
        break;
    }
    s->Ergebnis = rc;
    s->Verbindung = neueVerbindung != nullptr ? neueVerbindung : s->Verbindung;
    if (InterlockedCompareExchange(&s->Zustand, FERTIG, LAEUFT) == AUFGEGEBEN) {
        /* The caller stopped waiting: what this step made is nobody's now. */
        if (neueVerbindung != nullptr)
            InternetCloseHandle(neueVerbindung);
        if (s->Art == SCHRITT_HOLEN)
            DeleteFileA(s->LokalPfad);
    }
    SchrittLoslassen(s);
    if (modul != nullptr)
        FreeLibraryAndExitThread(modul, 0);
    return 0;
}

static LONGLONG Dateigroesse(const char* pfad)
{
    WIN32_FILE_ATTRIBUTE_DATA daten;
    if (!GetFileAttributesExA(pfad, GetFileExInfoStandard, &daten))
        return -1;
    return ((LONGLONG)daten.nFileSizeHigh << 32) | daten.nFileSizeLow;
}

/* Runs step `s` on a helper thread and waits for it as described in the
 * header. Returns the step's result, or -2 when it ran out of time or could
 * not be started (the session is then given up). Releases the caller's
 * hold on `s`; its results are read before that. */
static int32_t SchrittAusfuehren(FTP_SITZUNG* sitzung, FTP_SCHRITT* s, FTP_SCHRITT** ergebnisse)
{
    int32_t rc = -2;
    /* The helper holds the module, so a late return still finds its code. */
    s->Modul = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, (LPCSTR)&SchrittLauf, &s->Modul))
        s->Modul = nullptr;
    InterlockedIncrement(&s->Referenzen);
    Lebenszeichen();
    HANDLE faden = CreateThread(nullptr, 0, SchrittLauf, s, 0, nullptr);
    if (faden == nullptr) {
        InterlockedDecrement(&s->Referenzen);
        if (s->Modul != nullptr)
            FreeLibrary(s->Modul);
        sitzung->Aufgegeben = 1;
    } else {
        LONGLONG groesse = -1;
        for (;;) {
            if (WaitForSingleObject(faden, 50) == WAIT_OBJECT_0) {
                rc = s->Ergebnis;
                break;
            }
            int zuGross = 0;
            if (s->Art == SCHRITT_HOLEN) {
                LONGLONG jetzt = Dateigroesse(s->LokalPfad);
                if (jetzt != groesse) {
                    groesse = jetzt;
                    Lebenszeichen();
                }
                zuGross = groesse > s->Hoechstgroesse;
            }
            DWORD still = GetTickCount() - (DWORD)s_Lebenszeichen;
            if ((zuGross || still > (DWORD)s_Zeitlimit + s->Zusatzzeit)
                && InterlockedCompareExchange(&s->Zustand, AUFGEGEBEN, LAEUFT) == LAEUFT) {
                sitzung->Aufgegeben = 1;
                break;
            }
        }
        CloseHandle(faden);
    }
    if (ergebnisse != nullptr && rc != -2)
        *ergebnisse = s;
    else
        SchrittLoslassen(s);
    return rc;
}

int32_t FtpVerbinden(FTP_SITZUNG* sitzung, const char* server, const char* benutzer, const char* passwort)
{
    if (sitzung == nullptr)
        return -1;
    sitzung->Internet = nullptr;
    sitzung->Verbindung = nullptr;
    sitzung->Aufgegeben = 0;
    if (server == nullptr || benutzer == nullptr || passwort == nullptr)
        return -1;
    sitzung->Internet = InternetOpenA(FTP_AGENT, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                      INTERNET_FLAG_PASSIVE);
    if (sitzung->Internet == nullptr)
        return 0;
    InternetSetStatusCallbackA(sitzung->Internet, StatusRueckruf);

    FTP_SCHRITT* s = SchrittNeu(SCHRITT_VERBINDEN, sitzung);
    if (s == nullptr)
        return 0;
    TextKopieren(s->Server, sizeof s->Server, server);
    TextKopieren(s->Benutzer, sizeof s->Benutzer, benutzer);
    TextKopieren(s->Passwort, sizeof s->Passwort, passwort);
    FTP_SCHRITT* fertig = nullptr;
    int32_t rc = SchrittAusfuehren(sitzung, s, &fertig);
    if (fertig != nullptr) {
        /* A connection that was made belongs to the session even when the
         * folder is missing, so that FtpTrennen closes it. */
        sitzung->Verbindung = fertig->Verbindung;
        SchrittLoslassen(fertig);
    }
    if (rc != 1) {
        sitzung->Aufgegeben = 1;
        rc = 0;
    }
    return rc;
}

int32_t FtpServerlisteLesen(FTP_SITZUNG* sitzung, FTP_FUND_BESUCH besuch, void* parameter)
{
    if (sitzung == nullptr || besuch == nullptr || sitzung->Aufgegeben || sitzung->Verbindung == nullptr)
        return -1;
    FTP_SCHRITT* s = SchrittNeu(SCHRITT_LISTE, sitzung);
    if (s == nullptr)
        return -1;
    FTP_SCHRITT* fertig = nullptr;
    int32_t rc = SchrittAusfuehren(sitzung, s, &fertig);
    if (fertig != nullptr) {
        int32_t besucht = 0;
        for (int32_t i = 0; rc >= 0 && i < fertig->AnzahlFunde; i++) {
            besucht++;
            if (!besuch(&fertig->Funde[i], parameter))
                break;
        }
        if (rc >= 0)
            rc = besucht;
        SchrittLoslassen(fertig);
    }
    return rc < 0 ? -1 : rc;
}

int32_t FtpDateiHolen(FTP_SITZUNG* sitzung, const char* fernName, const char* zielPfad,
                      uint32_t erwarteteGroesse)
{
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

    int32_t rc = 0;
    FTP_SCHRITT* s = SchrittNeu(SCHRITT_HOLEN, sitzung);
    if (s != nullptr) {
        TextKopieren(s->FernName, sizeof s->FernName, fernName);
        TextKopieren(s->LokalPfad, sizeof s->LokalPfad, temp);
        /* More than the listing promised, or than a file may hold, is a
         * server that does not stop. */
        s->Hoechstgroesse = erwarteteGroesse != 0 ? (LONGLONG)erwarteteGroesse : 0x7FFFFFFF;
        rc = SchrittAusfuehren(sitzung, s, nullptr);
    }
    if (rc == 1 && erwarteteGroesse != 0 && Dateigroesse(temp) != (LONGLONG)erwarteteGroesse)
        rc = 0;
    if (rc == 1 && FileIO_MoveFile(temp, zielPfad) != 1)
        rc = 0;
    if (rc != 1) {
        /* Gone already when WinINet removed it, or in use by a helper that
         * ran out of time (which removes it when it returns). */
        DeleteFileA(temp);
        rc = 0;
    }
    return rc;
}

int32_t FtpDateiSenden(FTP_SITZUNG* sitzung, const char* lokalPfad, const char* fernName)
{
    if (sitzung == nullptr || lokalPfad == nullptr || fernName == nullptr)
        return -1;
    if (sitzung->Aufgegeben || sitzung->Verbindung == nullptr)
        return 0;
    LONGLONG groesse = Dateigroesse(lokalPfad);
    if (groesse < 0)
        return 0;
    int32_t rc = 0;
    FTP_SCHRITT* s = SchrittNeu(SCHRITT_SENDEN, sitzung);
    if (s != nullptr) {
        TextKopieren(s->FernName, sizeof s->FernName, fernName);
        TextKopieren(s->LokalPfad, sizeof s->LokalPfad, lokalPfad);
        /* 16 KB/s at the least: 1 ms for every 16 bytes. */
        LONGLONG zusatz = groesse / 16;
        s->Zusatzzeit = zusatz > 0x7FFFFFFF ? 0x7FFFFFFF : (DWORD)zusatz;
        rc = SchrittAusfuehren(sitzung, s, nullptr);
    }
    return rc == 1 ? 1 : 0;
}

void FtpTrennen(FTP_SITZUNG* sitzung)
{
    if (sitzung == nullptr)
        return;
    if (sitzung->Verbindung != nullptr)
        InternetCloseHandle(sitzung->Verbindung);
    if (sitzung->Internet != nullptr) {
        InternetSetStatusCallbackA(sitzung->Internet, nullptr);
        InternetCloseHandle(sitzung->Internet);
    }
    sitzung->Verbindung = nullptr;
    sitzung->Internet = nullptr;
}
