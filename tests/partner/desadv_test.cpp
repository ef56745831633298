/*
 * The DESADV import (EDILieferung_GetAllDesadvSet) with a booking function
 * of the test: which positions reach the host, what lands in the two side
 * files and the error report, when Notepad is started.
 */
#include <gtest/gtest.h>

#include "harness/testordner.h"
#include "hostapi/fileio.h"
#include "partner/partner.h"
#include "partner_hilfen.h"

#include <set>
#include <string>
#include <vector>

namespace {

const char* const G1 = "4012345100006";
const char* const G2 = "4012345100013";
const char* const G3 = "4012345100020";
const char* const G4 = "4012345100037";

struct Buchung {
    int32_t datei;
    std::string gtin, text;
    int32_t wert2, menge, wert4;
};
std::vector<Buchung> g_Buchungen;
std::set<std::string> g_Ablehnen;

/* Books everything except the GTINs in g_Ablehnen; for those it writes a
 * line of its own into the error report, as the host does. */
int32_t WINAPI Buchen(int32_t datei, const char* gtin, const char* text, int32_t wert2, int32_t menge, int32_t wert4)
{
    g_Buchungen.push_back({ datei, gtin, text, wert2, menge, wert4 });
    if (g_Ablehnen.count(gtin) == 0)
        return 1;
    std::string zeile = std::string("nicht gebucht: ") + gtin + "\r\n";
    FileIO_Write(datei, zeile.data(), static_cast<int32_t>(zeile.size()));
    return 0;
}

class Desadv : public ::testing::Test {
protected:
    Desadv() : p("desadv")
    {
        g_Buchungen.clear();
        g_Ablehnen.clear();
        ordner = p.wurzel + "EDI_IMPORT\\";
        fehlerOrdner = p.wurzel + "FEHLER\\";
        FileIO_PathCreate(fehlerOrdner.c_str());
    }
    int32_t Import(const std::string& pfad, int32_t* anzahl = nullptr)
    {
        int32_t n = -7;
        int32_t r = EDILieferung_GetAllDesadvSet(pfad.c_str(), 17, EIGENE_GLN, 3, Buchen, fehlerOrdner.c_str(), &n);
        if (anzahl)
            *anzahl = n;
        return r;
    }
    std::string NichtImportiert() { return DateiLesen(ordner + "NOTIMPORTED.DES"); }
    std::string Gtins() { return DateiLesen(ordner + "NOTIMPORTED_GTIN.DAT"); }
    std::string Fehler() { return DateiLesen(fehlerOrdner + "DESADVERR.TXT"); }

    PartnerHost p;
    std::string ordner, fehlerOrdner;
};

TEST_F(Desadv, AllesGebuchtLaesstNurDenKopfZurueck)
{
    std::string datei = DesadvDatei(ordner + "LS4711.DES",
                                    { Position(G1, EIGENE_GLN, 5, "SM-10001"), Position(G2, EIGENE_GLN, 12, "SM-10002"),
                                      Position(G3, EIGENE_GLN, 1, "SM-10003") });
    int32_t anzahl = 0;
    EXPECT_EQ(0, Import(datei, &anzahl));
    EXPECT_EQ(5, anzahl) << "header line, delivery note head, three positions";

    ASSERT_EQ(3u, g_Buchungen.size());
    EXPECT_EQ(G1, g_Buchungen[0].gtin);
    EXPECT_EQ("SM-10001", g_Buchungen[0].text);
    EXPECT_EQ(5, g_Buchungen[0].menge);
    EXPECT_EQ(12, g_Buchungen[1].menge);
    EXPECT_EQ(G3, g_Buchungen[2].gtin);
    for (const Buchung& b : g_Buchungen) {
        EXPECT_EQ(17, b.wert2);
        EXPECT_EQ(3, b.wert4);
        EXPECT_GT(b.datei, 0) << "the open error report";
    }
    EXPECT_EQ(ErsteZeile(datei), NichtImportiert()) << "only the file's first record";
    EXPECT_TRUE(Existiert(ordner + "NOTIMPORTED_GTIN.DAT"));
    EXPECT_EQ("", Gtins());
    EXPECT_EQ("Fehler aus DESADV Import LS4711.DES\n", Fehler());
    EXPECT_TRUE(g_Starts.empty()) << "no Notepad";
}

TEST_F(Desadv, FremdeIlnUndAbgelehntGebenZweiUndNotepad)
{
    std::string datei = DesadvDatei(ordner + "LS4712.DES",
                                    { Position(G1, FREMDE_GLN, 2), Position(G2, EIGENE_GLN, 4, "SM-20002"),
                                      Position(G3, EIGENE_GLN, 6) });
    g_Ablehnen = { G2 };
    EXPECT_EQ(2, Import(datei));
    ASSERT_EQ(2u, g_Buchungen.size()) << "the foreign position never reaches the host";
    EXPECT_EQ(G2, g_Buchungen[0].gtin);
    EXPECT_EQ(G3, g_Buchungen[1].gtin);

    EXPECT_EQ(std::string(G2) + "\r\n", Gtins());
    std::string fehler = Fehler();
    EXPECT_EQ("Fehler aus DESADV Import LS4712.DES\nnicht gebucht: " + std::string(G2) + "\r\n", fehler);
    ASSERT_EQ(1u, g_Starts.size());
    EXPECT_EQ("notepad " + fehlerOrdner + "DESADVERR.TXT", g_Starts[0].befehl);
    EXPECT_EQ(3u, g_Starts[0].anzeige) << "shown maximised";

    /* The side file is a DESADV file of its own: header, then the refused
     * position exactly as read. */
    std::vector<Satz> saetze = SaetzeLesen(ordner + "NOTIMPORTED.DES");
    ASSERT_EQ(2u, saetze.size());
    EXPECT_EQ(EDI_SATZART_KOPFZEILE, saetze[0].satzart);
    EXPECT_EQ(EDI_NACHRICHT_DESADV, saetze[0].nachrichtenart);
    EXPECT_EQ(EDI_SATZART_DESADV_POSITION, saetze[1].satzart);
    EXPECT_EQ(G2, GtinVon(saetze[1]));
    std::vector<Satz> original = SaetzeLesen(datei);
    ASSERT_EQ(5u, original.size());
    EXPECT_EQ(original[0].text + original[3].text, NichtImportiert()) << "records as read, nothing between";
}

TEST_F(Desadv, NurFremdeIlnZaehlenOhneNotepad)
{
    /* another GLN, one of 12 characters, none, and the own GLN with a
     * fourteenth character (the field filled without terminator) */
    std::string datei = DesadvDatei(ordner + "LS4713.DES",
                                    { Position(G1, FREMDE_GLN), Position(G2, KURZE_GLN), Position(G3, FREMDE_GLN),
                                      Position(G4, ""), Position(G1, std::string(EIGENE_GLN) + "1") });
    int32_t anzahl = 0;
    EXPECT_EQ(5, Import(datei, &anzahl));
    EXPECT_EQ(7, anzahl);
    EXPECT_TRUE(g_Buchungen.empty());
    EXPECT_TRUE(g_Starts.empty()) << "foreign positions alone never open Notepad";
    EXPECT_EQ(ErsteZeile(datei), NichtImportiert()) << "nothing written for foreign positions";
    EXPECT_EQ("", Gtins());
    EXPECT_EQ("Fehler aus DESADV Import LS4713.DES\n", Fehler());
}

TEST_F(Desadv, ZweiLaeufeBeginnenMitNeuenDateien)
{
    std::string erste = DesadvDatei(ordner + "LS1.DES", { Position(G1, EIGENE_GLN), Position(G2, EIGENE_GLN) });
    std::string zweite = DesadvDatei(ordner + "LS2.DES", { Position(G3, EIGENE_GLN) });
    g_Ablehnen = { G1, G2 };
    EXPECT_EQ(2, Import(erste));
    EXPECT_EQ(std::string(G1) + "\r\n" + G2 + "\r\n", Gtins());
    EXPECT_EQ(3u, SaetzeLesen(ordner + "NOTIMPORTED.DES").size());

    g_Starts.clear();
    EXPECT_EQ(0, Import(zweite));
    EXPECT_EQ(ErsteZeile(zweite), NichtImportiert()) << "the first run's records are gone";
    EXPECT_EQ("", Gtins());
    EXPECT_EQ("Fehler aus DESADV Import LS2.DES\n", Fehler()) << "a new error report";
    EXPECT_TRUE(g_Starts.empty());

    /* the same file twice, refused both times: the files hold one run */
    g_Ablehnen = { G3 };
    EXPECT_EQ(1, Import(zweite));
    EXPECT_EQ(1, Import(zweite));
    EXPECT_EQ(std::string(G3) + "\r\n", Gtins());
    EXPECT_EQ(2u, SaetzeLesen(ordner + "NOTIMPORTED.DES").size());
    EXPECT_EQ("Fehler aus DESADV Import LS2.DES\nnicht gebucht: " + std::string(G3) + "\r\n", Fehler());
    EXPECT_EQ(2u, g_Starts.size());
}

TEST_F(Desadv, NichtZuOeffnenLegtDieDreiDateienAn)
{
    FileIO_PathCreate(ordner.c_str());
    DateiSchreiben(ordner + "NOTIMPORTED.DES", "alt");
    DateiSchreiben(ordner + "NOTIMPORTED_GTIN.DAT", "alt\r\n");
    DateiSchreiben(fehlerOrdner + "DESADVERR.TXT", "alter Bericht\n");
    int32_t anzahl = 4711;
    int32_t r = EDILieferung_GetAllDesadvSet((ordner + "FEHLT.DES").c_str(), 1, EIGENE_GLN, 1, Buchen,
                                             fehlerOrdner.c_str(), &anzahl);
    EXPECT_EQ(0, r);
    EXPECT_EQ(4711, anzahl) << "left as the caller set it";
    EXPECT_TRUE(Existiert(ordner + "NOTIMPORTED.DES"));
    EXPECT_EQ("", NichtImportiert());
    EXPECT_EQ("", Gtins());
    EXPECT_EQ("Fehler aus DESADV Import FEHLT.DES\n", Fehler());
    EXPECT_TRUE(g_Buchungen.empty());
    EXPECT_TRUE(g_Starts.empty());
}

TEST_F(Desadv, WiederEingelesenWerdenNurDieAbgelehnten)
{
    /* What a run refused is imported again from a copy of NOTIMPORTED.DES
     * in another folder: exactly those positions reach the host. */
    std::string datei = DesadvDatei(ordner + "LS4714.DES",
                                    { Position(G1, EIGENE_GLN, 3), Position(G2, EIGENE_GLN, 7, "SM-77"),
                                      Position(G3, FREMDE_GLN), Position(G4, EIGENE_GLN, 9, "SM-99") });
    g_Ablehnen = { G2, G4 };
    EXPECT_EQ(3, Import(datei));
    std::string nochmal = p.wurzel + "NOCHMAL\\";
    FileIO_PathCreate(nochmal.c_str());
    DateiSchreiben(nochmal + "REST.DES", NichtImportiert());

    g_Buchungen.clear();
    g_Ablehnen.clear();
    int32_t anzahl = 0;
    int32_t r = EDILieferung_GetAllDesadvSet((nochmal + "REST.DES").c_str(), 17, EIGENE_GLN, 3, Buchen,
                                             fehlerOrdner.c_str(), &anzahl);
    EXPECT_EQ(0, r);
    EXPECT_EQ(3, anzahl);
    ASSERT_EQ(2u, g_Buchungen.size());
    EXPECT_EQ(G2, g_Buchungen[0].gtin);
    EXPECT_EQ(7, g_Buchungen[0].menge);
    EXPECT_EQ("SM-77", g_Buchungen[0].text);
    EXPECT_EQ(G4, g_Buchungen[1].gtin);
    EXPECT_EQ(9, g_Buchungen[1].menge);
}

TEST_F(Desadv, BeschaedigteZeilenUndAndereSatzartenWerdenUebergangen)
{
    std::vector<GEN_DESADV_POSITION> positionen;
    for (int i = 0; i < 8; i++)
        positionen.push_back(Position(i % 2 ? G1 : G2, EIGENE_GLN, i + 1));
    std::string datei = DesadvDatei(ordner + "LS4715.DES", positionen, 4);
    /* a catalogue record amid the positions */
    PRICAT_DATEN d;
    memset(&d, 0, sizeof d);
    strcpy(d.Nachrichtentyp, "PRICAT");
    strcpy(d.Ean, G3);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(zeile, &d, 0, nullptr);
    ASSERT_GT(n, 0);
    std::string inhalt = DateiLesen(datei);
    size_t zweiteZeile = inhalt.find('\n') + 1;
    inhalt.insert(inhalt.find('\n', zweiteZeile) + 1, std::string(zeile, n));
    DateiSchreiben(datei, inhalt);

    g_Ablehnen = { G1 };
    int32_t anzahl = 0;
    EXPECT_EQ(4, Import(datei, &anzahl));
    EXPECT_EQ(11, anzahl) << "header, head, the catalogue record and eight positions; damaged lines are not records";
    ASSERT_EQ(8u, g_Buchungen.size());
    for (size_t i = 0; i < g_Buchungen.size(); i++)
        EXPECT_EQ(static_cast<int32_t>(i + 1), g_Buchungen[i].menge) << "in file order";
    EXPECT_EQ(5u, SaetzeLesen(ordner + "NOTIMPORTED.DES").size());
}

TEST_F(Desadv, FehlerberichtImEigenenOrdnerUndUngueltigeArgumente)
{
    std::string datei = DesadvDatei(ordner + "LS4716.DES", { Position(G1, EIGENE_GLN) });
    g_Ablehnen = { G1 };
    EXPECT_EQ(1, Import(datei));
    EXPECT_FALSE(Existiert(ordner + "DESADVERR.TXT")) << "the report goes to the error folder only";
    EXPECT_TRUE(Existiert(fehlerOrdner + "DESADVERR.TXT"));

    int32_t anzahl = 5;
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet(nullptr, 0, EIGENE_GLN, 0, Buchen, fehlerOrdner.c_str(), &anzahl));
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet(datei.c_str(), 0, nullptr, 0, Buchen, fehlerOrdner.c_str(), &anzahl));
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet(datei.c_str(), 0, EIGENE_GLN, 0, nullptr, fehlerOrdner.c_str(), &anzahl));
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet(datei.c_str(), 0, EIGENE_GLN, 0, Buchen, nullptr, &anzahl));
    EXPECT_EQ(5, anzahl);
    g_Ablehnen.clear();
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet(datei.c_str(), 0, EIGENE_GLN, 0, Buchen, fehlerOrdner.c_str(), nullptr))
        << "the record count may be left out";
}

} // namespace
