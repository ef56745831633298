/*
 * ftptest.h - what the exchange dialog tests share: a test folder with the
 * served folder, the import and export folders and the INI file; files
 * with a given date; reading and marking rows as a person would.
 */
#ifndef OX_TEST_FTPTEST_H
#define OX_TEST_FTPTEST_H

#include <gtest/gtest.h>

#include "ftptestserver.h"
#include "harness/person.h"
#include "harness/testordner.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

typedef std::array<std::string, 4> Zeile;

class FtpDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /* A file in the server's exchange folder / in `ordner`, written at
     * noon UTC of the given day. */
    void Fern(const std::string& name, const std::string& inhalt, int tag = 15, int monat = 3, int jahr = 2023);
    static void Datei(const std::string& pfad, const std::string& inhalt, int tag = 15, int monat = 3,
                      int jahr = 2023);

    /* Runs the download (0) or upload (1) dialog against `server` with
     * `passwort`; `tun` acts in the open dialog and may leave it open (it
     * is closed with "&Beenden" afterwards). */
    void Dialog(int hochladen, const FtpTestServer& server, const std::function<void(Person&, HWND)>& tun,
                const std::string& passwort = "geheim", const char* uploadText = "");

    std::string wurzel, fernOrdner, importOrdner, exportOrdner, ini;
};

/* The rows of the dialog's list, four texts each. */
std::vector<Zeile> Zeilen(Person& p, HWND w);
/* Adds row `zeile` to the selection (as a click with Ctrl held). */
void Markieren(Person& p, HWND w, int zeile);
/* Background colour the dialog gives row `zeile` when it is drawn. */
uint32_t Hintergrund(HWND w, int zeile);
/* Presses the transfer button (also while it is disabled, as its
 * command would arrive) and returns the message it answers with. */
MessageBoxInfo Uebertragen(Person& p, HWND w, int ms = 20000);
/* Names of the files in `ordner` (no folders). */
std::vector<std::string> Dateien(const std::string& ordner);
/* Creates `pfad` with every folder above it. */
void OrdnerAnlegen(const std::string& pfad);

#endif
