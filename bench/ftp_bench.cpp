/*
 * ftp_bench - fetching and sending a 25 MB catalogue set over FTP.
 *
 * Starts the test FTP server (tests/ftp/ftpserver.py) on a loopback
 * address, puts a catalogue set on it (a 25 MB .INH file, a description and
 * an address file) and measures in the same run
 *   module:  the exchange's own transfer (FtpVerbinden, FtpDateiHolen into
 *            the import folder through its temporary file, FtpDateiSenden),
 *            over WinINet under wine;
 *   WinINet: the same calls made directly (FtpGetFileA straight into the
 *            target, FtpPutFileA) on the caller's thread, to show what the
 *            watched steps and the temporary file cost;
 *   ftplib:  the same set fetched and sent by a plain client, Python's
 *            ftplib on Linux, against the same server;
 * and prints the best of several runs as MB/s (1 MB = 2^20 bytes).
 *
 *   ftp_bench [megabytes] [runs]       (under wine: tests/wine/run)
 */
#include "ftptestserver.h"   /* winsock2.h before windows.h */

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "ftp/verbindung.h"
#include "harness/testordner.h"

static double Sekunden(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

static std::string Lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

static const char* const kNamen[3] = { "PRICAT_BENCH.INH", "PRICAT_BENCH.TXT", "PRICAT_BENCH.ADR" };

/* Python's ftplib: fetch and send the set `laeufe` times, print the best
 * times into the result file. */
static const char* const kFtplib = R"(import ftplib, os, sys, time
adresse, quelle, laeufe, ergebnis = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
namen = ["PRICAT_BENCH.INH", "PRICAT_BENCH.TXT", "PRICAT_BENCH.ADR"]
holen = senden = 1e9
for _ in range(laeufe):
    t = time.perf_counter()
    f = ftplib.FTP(adresse, "edi", "geheim"); f.set_pasv(True); f.cwd("KIVOLA/EDI/DOWNLOAD")
    for n in namen:
        with open(os.path.join(quelle, "py_" + n), "wb") as d:
            f.retrbinary("RETR " + n, d.write, 65536)
    f.quit(); holen = min(holen, time.perf_counter() - t)
    t = time.perf_counter()
    f = ftplib.FTP(adresse, "edi", "geheim"); f.set_pasv(True); f.cwd("KIVOLA/EDI/DOWNLOAD")
    for n in namen:
        with open(os.path.join(quelle, "py_" + n), "rb") as d:
            f.storbinary("STOR PY_" + n, d, 65536)
    f.quit(); senden = min(senden, time.perf_counter() - t)
with open(ergebnis + ".tmp", "w") as e:
    e.write("%f %f\n" % (holen, senden))
os.replace(ergebnis + ".tmp", ergebnis)
)";

int main(int argc, char** argv)
{
    int megabytes = argc > 1 ? std::atoi(argv[1]) : 25;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 3;
    if (megabytes < 1 || laeufe < 1) {
        std::fprintf(stderr, "usage: ftp_bench [megabytes] [runs]\n");
        return 2;
    }
    std::string wurzel = NeuerTestordner("ftpbench");
    std::string fern = wurzel + "server\\KIVOLA\\EDI\\DOWNLOAD\\";
    std::string import = wurzel + "EDI_IMPORT\\";
    for (const char* teil : { "server", "server\\KIVOLA", "server\\KIVOLA\\EDI", "server\\KIVOLA\\EDI\\DOWNLOAD",
                              "EDI_IMPORT", "python" })
        CreateDirectoryA((wurzel + teil).c_str(), nullptr);

    /* A catalogue-like file: text lines with changing numbers. */
    std::string inhalt;
    inhalt.reserve((size_t)megabytes << 20);
    for (unsigned i = 0; inhalt.size() < ((size_t)megabytes << 20); i++) {
        char zeile[128];
        std::snprintf(zeile, sizeof zeile, "LIN+%u++40%011u:EN'PIA+1+%08u:SA'QTY+53:%u'PRI+AAA:%u.%02u'\r\n", i,
                      i * 7919u, i, i % 97, i % 1000, i % 100);
        inhalt += zeile;
    }
    inhalt.resize((size_t)megabytes << 20);
    const std::string inhalte[3] = { inhalt, std::string(2048, 'T'), std::string(1024, 'A') };
    double setGroesse = 0;
    for (int i = 0; i < 3; i++) {
        std::ofstream(fern + kNamen[i], std::ios::binary) << inhalte[i];
        setGroesse += (double)inhalte[i].size();
    }
    double mb = setGroesse / (1024.0 * 1024.0);

    FtpTestServer server(wurzel + "server\\");
    if (!server.Laeuft()) {
        std::fprintf(stderr, "no FTP server: %s\n", server.Meldung().c_str());
        return 1;
    }

    double holen = 1e9;
    double senden = 1e9;
    double direktHolen = 1e9;
    double direktSenden = 1e9;
    for (int lauf = 0; lauf < laeufe; lauf++) {
        /* WinINet directly, as the calls come, without helper thread or
         * temporary file; taken in turn with the module's transfer. */
        for (int richtung = 0; richtung < 2; richtung++) {
            auto start = std::chrono::steady_clock::now();
            HINTERNET netz = InternetOpenA(FTP_AGENT, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
            HINTERNET verbindung = InternetConnectA(netz, server.Adresse().c_str(), INTERNET_DEFAULT_FTP_PORT, "edi",
                                                    "geheim", INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0);
            BOOL ok = verbindung != nullptr && FtpSetCurrentDirectoryA(verbindung, FTP_ORDNER);
            for (int i = 0; ok && i < 3; i++) {
                std::string lokal = import + "D_" + kNamen[i];
                ok = richtung == 0 ? FtpGetFileA(verbindung, kNamen[i], lokal.c_str(), FALSE, FILE_ATTRIBUTE_NORMAL,
                                                 FTP_TRANSFER_TYPE_BINARY, 0)
                                   : FtpPutFileA(verbindung, lokal.c_str(), (std::string("D_") + kNamen[i]).c_str(),
                                                 FTP_TRANSFER_TYPE_BINARY, 0);
            }
            InternetCloseHandle(verbindung);
            InternetCloseHandle(netz);
            double t = Sekunden(start);
            if (!ok) {
                std::fprintf(stderr, "direct WinINet transfer failed\n");
                return 1;
            }
            double& best = richtung == 0 ? direktHolen : direktSenden;
            best = std::min(best, t);
        }
        FTP_SITZUNG s;
        auto start = std::chrono::steady_clock::now();
        int ok = FtpVerbinden(&s, server.Adresse().c_str(), "edi", "geheim", 1) == 1;
        for (int i = 0; ok && i < 3; i++)
            ok = FtpDateiHolen(&s, kNamen[i], (import + kNamen[i]).c_str(), (uint32_t)inhalte[i].size(), nullptr) == 1;
        FtpTrennen(&s);
        double t = Sekunden(start);
        if (!ok || Lesen(import + kNamen[0]) != inhalt) {
            std::fprintf(stderr, "module download failed\n");
            return 1;
        }
        holen = std::min(holen, t);

        start = std::chrono::steady_clock::now();
        ok = FtpVerbinden(&s, server.Adresse().c_str(), "edi", "geheim", 1) == 1;
        for (int i = 0; ok && i < 3; i++)
            ok = FtpDateiSenden(&s, (import + kNamen[i]).c_str(), (std::string("UP_") + kNamen[i]).c_str(), nullptr) == 1;
        FtpTrennen(&s);
        t = Sekunden(start);
        if (!ok || Lesen(fern + "UP_" + kNamen[0]) != inhalt) {
            std::fprintf(stderr, "module upload failed\n");
            return 1;
        }
        senden = std::min(senden, t);
    }

    std::string skript = wurzel + "python\\ftplib_bench.py";
    std::string ergebnis = wurzel + "python\\ergebnis.txt";
    std::ofstream(skript, std::ios::binary) << kFtplib;
    std::string befehl = "Z:\\usr\\bin\\python3 \"" + UnixPfad(skript) + "\" " + server.Adresse() + " \""
                         + UnixPfad(wurzel + "python") + "\" " + std::to_string(laeufe) + " \""
                         + UnixPfad(ergebnis) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    double pyHolen = 0;
    double pySenden = 0;
    if (CreateProcessA(nullptr, &befehl[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        if (pi.hThread)
            CloseHandle(pi.hThread);
        if (pi.hProcess)
            CloseHandle(pi.hProcess);
        std::string text;
        for (int i = 0; i < 6000 && text.empty(); i++) {
            Sleep(50);
            text = Lesen(ergebnis);
        }
        std::sscanf(text.c_str(), "%lf %lf", &pyHolen, &pySenden);
    }

    std::printf("FTP exchange, catalogue set of %.1f MB (25 MB .INH + .TXT + .ADR), best of %d runs, loopback %s\n",
                mb, laeufe, server.Adresse().c_str());
    std::printf("  download  module (WinINet under wine): %8.1f MB/s  (%.3f s)\n", mb / holen, holen);
    std::printf("  download  WinINet calls directly:      %8.1f MB/s  (%.3f s)\n", mb / direktHolen, direktHolen);
    if (pyHolen > 0)
        std::printf("  download  Python ftplib:               %8.1f MB/s  (%.3f s)\n", mb / pyHolen, pyHolen);
    std::printf("  upload    module (WinINet under wine): %8.1f MB/s  (%.3f s)\n", mb / senden, senden);
    std::printf("  upload    WinINet calls directly:      %8.1f MB/s  (%.3f s)\n", mb / direktSenden, direktSenden);
    if (pySenden > 0)
        std::printf("  upload    Python ftplib:               %8.1f MB/s  (%.3f s)\n", mb / pySenden, pySenden);
    else
        std::printf("  Python ftplib: no result\n");
    return 0;
}
