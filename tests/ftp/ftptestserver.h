/*
 * ftptestserver.h - a real FTP server for the exchange tests (and the
 * benchmark): tests/ftp/ftpserver.py (pyftpdlib) started as a Linux
 * process from the Windows program under wine, on port 21 of its own
 * loopback address (127.0.0.2, 127.0.0.3, ...).
 *
 *   FtpTestServer server(wurzel + "server\\");
 *   FTP_SERVER_BEREIT(server);            // skip / fail as appropriate
 *   ... server.Adresse() ...
 *
 * The server ends when the object goes (its control connection closes),
 * also when the test program dies.
 */
#ifndef OX_TEST_FTPTESTSERVER_H
#define OX_TEST_FTPTESTSERVER_H

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

struct FtpServerOptionen {
    std::string art = "normal";       /* behaviour, see ftpserver.py */
    std::string liste;                /* raw LIST lines for "luegen" */
    std::string benutzer = "edi";
    std::string passwort = "geheim";
};

class FtpTestServer {
public:
    /* Serves the folder `wurzel` (Windows path, trailing backslash; it
     * should exist). Waits until the server is up or has given up. */
    explicit FtpTestServer(const std::string& wurzel, const FtpServerOptionen& optionen = FtpServerOptionen());
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    bool Laeuft() const { return steuerung_ != INVALID_SOCKET; }
    /* True when port 21 cannot be bound on loopback at all (a reason to
     * skip, not to fail). */
    bool PortGesperrt() const { return gesperrt_; }
    const std::string& Meldung() const { return meldung_; }
    const std::string& Adresse() const { return adresse_; }

    /* Switches the behaviour at once (new connections, next commands). */
    void Art(const std::string& art);
    /* The commands the server has received (PASS without its argument). */
    std::vector<std::string> Protokoll();

private:
    std::vector<std::string> Befehl(const std::string& zeile);

    SOCKET steuerung_ = INVALID_SOCKET;
    bool gesperrt_ = false;
    std::string meldung_;
    std::string adresse_;
};

/* Closes the handles CreateProcess gave back in `pi`, but only those that
 * are the process and thread its ids name. Wine starts a Unix program (the
 * server's python3) by fork and exec and hands back no handles at all:
 * `pi` then holds what lay on the stack, which can be the number of an
 * open handle of this program (handle numbers ignore their low two bits,
 * so 0xd closes 0xc, the standard output of the 32-bit test programs;
 * their output then broke off in the middle of a test). */
void ProzessGriffeLoslassen(const PROCESS_INFORMATION& pi);

/* The Unix name of a Windows path (wine), or "" when there is none. */
std::string UnixPfad(const std::string& windowsPfad);

/* Skips the test when port 21 cannot be bound, fails it when the server
 * did not start for another reason. */
#define FTP_SERVER_BEREIT(server)                                                  \
    do {                                                                           \
        if ((server).PortGesperrt())                                               \
            GTEST_SKIP() << "no FTP test server: " << (server).Meldung();          \
        ASSERT_TRUE((server).Laeuft()) << "FTP test server: " << (server).Meldung(); \
    } while (0)

#endif
