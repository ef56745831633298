/*
 * ftptestserver.cpp - starts tests/ftp/ftpserver.py from under wine and
 * keeps its control connection.
 */
#include "ftptestserver.h"

#include <fstream>
#include <sstream>

#ifndef OX_FTPSERVER_SKRIPT
#  error "OX_FTPSERVER_SKRIPT (the Unix path of ftpserver.py) must be defined"
#endif

namespace {

const char* const kPython = "Z:\\usr\\bin\\python3";
int g_naechsteAdresse;

std::string Lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Zitat(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace

std::string UnixPfad(const std::string& windowsPfad)
{
    typedef char*(CDECL * UMWANDLUNG)(LPCWSTR);
    UMWANDLUNG umwandeln =
        (UMWANDLUNG)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (umwandeln == nullptr)
        return "";
    wchar_t breit[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, windowsPfad.c_str(), -1, breit, MAX_PATH) == 0)
        return "";
    char* unix = umwandeln(breit);
    if (unix == nullptr)
        return "";
    std::string rc = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return rc;
}

void ProzessGriffeLoslassen(const PROCESS_INFORMATION& pi)
{
    if (pi.hThread != nullptr && pi.dwThreadId != 0 && GetThreadId(pi.hThread) == pi.dwThreadId)
        CloseHandle(pi.hThread);
    if (pi.hProcess != nullptr && pi.dwProcessId != 0 && GetProcessId(pi.hProcess) == pi.dwProcessId)
        CloseHandle(pi.hProcess);
}

FtpTestServer::FtpTestServer(const std::string& wurzel, const FtpServerOptionen& o)
{
    std::string unixWurzel = UnixPfad(wurzel);
    if (unixWurzel.empty()) {
        meldung_ = "no Unix path for " + wurzel + " (not under wine?)";
        return;
    }
    /* The report file lies beside the served folder, out of the server's reach. */
    std::string ordner = wurzel.substr(0, wurzel.find_last_of('\\', wurzel.size() - 2) + 1);
    int nummer = g_naechsteAdresse++;
    std::string bereit = ordner + "ftpserver_" + std::to_string(GetCurrentProcessId()) + "_"
                         + std::to_string(nummer) + ".bereit";
    DeleteFileA(bereit.c_str());

    /* Each server starts looking on an address of its own. */
    int n = 2 + (nummer * 3) % 240;
    std::string start = "127.0." + std::to_string(GetCurrentProcessId() % 200) + "." + std::to_string(n);
    std::string befehl = std::string(kPython) + " " + Zitat(OX_FTPSERVER_SKRIPT) + " --adresse " + start
                         + " --wurzel " + Zitat(unixWurzel) + " --bereit " + Zitat(UnixPfad(bereit))
                         + " --benutzer " + Zitat(o.benutzer) + " --passwort " + Zitat(o.passwort)
                         + " --art " + o.art;
    if (!o.liste.empty()) {
        std::string liste = ordner + "ftpserver_" + std::to_string(GetCurrentProcessId()) + "_"
                            + std::to_string(nummer) + ".liste";
        std::ofstream f(liste, std::ios::binary | std::ios::trunc);
        f << o.liste;
        f.close();
        befehl += " --liste " + Zitat(UnixPfad(liste));
    }

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> zeile(befehl.begin(), befehl.end());
    zeile.push_back('\0');
    if (!CreateProcessA(nullptr, zeile.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        meldung_ = "cannot start " + befehl + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    ProzessGriffeLoslassen(pi);

    std::string bericht;
    for (int i = 0; i < 400 && bericht.empty(); i++) {
        Sleep(50);
        bericht = Lesen(bereit);
    }
    DeleteFileA(bereit.c_str());
    while (!bericht.empty() && (bericht.back() == '\n' || bericht.back() == '\r'))
        bericht.pop_back();
    if (bericht.rfind("GESPERRT", 0) == 0) {
        gesperrt_ = true;
        meldung_ = bericht;
        return;
    }
    std::istringstream teile(bericht);
    std::string ok;
    int port = 0;
    teile >> ok >> adresse_ >> port;
    if (ok != "OK" || port <= 0) {
        meldung_ = bericht.empty() ? "the server did not report within 20 s: " + befehl : bericht;
        return;
    }

    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in an = {};
    an.sin_family = AF_INET;
    an.sin_port = htons((u_short)port);
    an.sin_addr.s_addr = inet_addr(adresse_.c_str());
    if (s == INVALID_SOCKET || connect(s, (sockaddr*)&an, sizeof an) != 0) {
        meldung_ = "no control connection to " + adresse_;
        if (s != INVALID_SOCKET)
            closesocket(s);
        return;
    }
    steuerung_ = s;
}

FtpTestServer::~FtpTestServer()
{
    if (steuerung_ != INVALID_SOCKET) {
        closesocket(steuerung_);
        steuerung_ = INVALID_SOCKET;
        /* Give the server a moment to let go of port 21. */
        Sleep(100);
    }
}

std::vector<std::string> FtpTestServer::Befehl(const std::string& zeile)
{
    std::vector<std::string> antwort;
    if (steuerung_ == INVALID_SOCKET)
        return antwort;
    std::string text = zeile + "\n";
    send(steuerung_, text.data(), (int)text.size(), 0);
    std::string gelesen;
    char puffer[4096];
    for (;;) {
        size_t ende = gelesen.find('\n');
        if (ende != std::string::npos) {
            std::string z = gelesen.substr(0, ende);
            gelesen.erase(0, ende + 1);
            if (z == ".")
                break;
            antwort.push_back(z);
            continue;
        }
        int n = recv(steuerung_, puffer, sizeof puffer, 0);
        if (n <= 0)
            break;
        gelesen.append(puffer, n);
    }
    return antwort;
}

void FtpTestServer::Art(const std::string& art)
{
    Befehl("ART " + art);
}

std::vector<std::string> FtpTestServer::Protokoll()
{
    return Befehl("LOG");
}
