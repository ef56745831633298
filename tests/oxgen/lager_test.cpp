/*
 * The store's block writes (EANDATA_SetArtikelNummernBlock,
 * ARTLIB_SchreibeArtikelBlock) that the generator and the benchmarks fill
 * large stores with, and OXGEN.EXE's command line.
 */
#include <gtest/gtest.h>

#include <windows.h>

#include "harness/testordner.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "oxgen.h"

#include <string.h>
#include <string>
#include <vector>

namespace {

EANDATA_ZUORDNUNG Zuordnung(const char* ean, int32_t artikel)
{
    EANDATA_ZUORDNUNG z;
    memset(&z, 0, sizeof z);
    memcpy(z.Ean, ean, strnlen(ean, sizeof z.Ean));
    z.ArtikelNummer = artikel;
    return z;
}

/* Switches the store to another folder and back: the next calls read the
 * files afresh. */
void NeuLaden(const std::string& ordner)
{
    std::string leer = NeuerTestordner("leer");
    ASSERT_EQ(1, DBA_SetDatenPfad(leer.c_str()));
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
}

TEST(LagerBlock, EansImBlockWieEinzeln)
{
    std::string ordner = NeuerTestordner("eanblock");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100006", 5, 1));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100013", 6, 1));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100020", 7, 1));

    std::vector<EANDATA_ZUORDNUNG> block = {
        Zuordnung("4012345100006", 5),    /* already so */
        Zuordnung("4012345100013", 9),    /* another article, kept (no overwrite) */
        Zuordnung("4012345100037", 10),   /* new */
        Zuordnung("4012345100037", 11),   /* the same again: kept, as a second call would */
        Zuordnung("4012345100038", 12),   /* wrong check digit */
        Zuordnung("4012345100044", 0),    /* no article */
        Zuordnung("96385074", 13),        /* EAN-8 */
        Zuordnung("40123451000516", 14),  /* 14 digits, no terminator in the field */
    };
    EXPECT_EQ(4, EANDATA_SetArtikelNummernBlock(block.data(), static_cast<int32_t>(block.size()), 0))
        << "already so, the first of the two, the EAN-8 and the 14 digits";
    EXPECT_EQ(5, EANDATA_GetArtikelNummer("4012345100006", nullptr));
    EXPECT_EQ(6, EANDATA_GetArtikelNummer("4012345100013", nullptr));
    EXPECT_EQ(10, EANDATA_GetArtikelNummer("4012345100037", nullptr));
    EXPECT_EQ(13, EANDATA_GetArtikelNummer("96385074", nullptr));
    EXPECT_EQ(14, EANDATA_GetArtikelNummer("40123451000516", nullptr));
    EXPECT_EQ(0, EANDATA_GetArtikelNummer("4012345100044", nullptr));
    EXPECT_EQ(6, EANDATA_Anzahl());

    block = { Zuordnung("4012345100013", 9), Zuordnung("4012345100020", 7), Zuordnung("4012345100037", 12),
              Zuordnung("4012345100037", 11) };
    EXPECT_EQ(3, EANDATA_SetArtikelNummernBlock(block.data(), 4, 1));
    EXPECT_EQ(9, EANDATA_GetArtikelNummer("4012345100013", nullptr)) << "overwritten now";
    EXPECT_EQ(11, EANDATA_GetArtikelNummer("4012345100037", nullptr)) << "the later of the two";

    NeuLaden(ordner);
    EXPECT_EQ(9, EANDATA_GetArtikelNummer("4012345100013", nullptr));
    EXPECT_EQ(11, EANDATA_GetArtikelNummer("4012345100037", nullptr));
    EXPECT_EQ(6, EANDATA_Anzahl());
    EXPECT_EQ(1, EANDATA_Loeschen("4012345100037"));
    EXPECT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID("4012345100037", 3, 0)) << "single calls go on as before";

    EXPECT_EQ(-1, EANDATA_SetArtikelNummernBlock(nullptr, 1, 1));
    EXPECT_EQ(-1, EANDATA_SetArtikelNummernBlock(block.data(), -1, 1));
    EXPECT_EQ(0, EANDATA_SetArtikelNummernBlock(block.data(), 0, 1));
}

TEST(LagerBlock, ArtikelImBlock)
{
    std::string ordner = NeuerTestordner("artikelblock");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ARTIKEL_SATZ einzeln;
    memset(&einzeln, 0, sizeof einzeln);
    einzeln.Ek1 = 111;
    ASSERT_EQ(1, ARTLIB_SchreibeArtikel(500, &einzeln));

    std::vector<ARTIKEL_SATZ> block(1000);
    for (int32_t i = 0; i < 1000; i++) {
        memset(&block[i], 0, sizeof block[i]);
        block[i].ArtikelNummer = i + 1;
        block[i].Ek1 = 1000 + i;
    }
    block[999].ArtikelNummer = 7;   /* 7 twice: the later record */
    EXPECT_EQ(999, ARTLIB_SchreibeArtikelBlock(block.data(), 1000));
    EXPECT_EQ(999, ARTLIB_AnzahlArtikel()) << "1..999; 500 replaced";
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(500, &a));
    EXPECT_EQ(1499, a.Ek1);
    ASSERT_EQ(1, ARTLIB_LeseArtikel(7, &a));
    EXPECT_EQ(1999, a.Ek1);
    EXPECT_EQ(0, ARTLIB_LeseArtikel(1000, &a));

    block[3].ArtikelNummer = 0;
    block[4].Ek1 = -5;
    EXPECT_EQ(-1, ARTLIB_SchreibeArtikelBlock(block.data(), 1000)) << "a record without number";
    ASSERT_EQ(1, ARTLIB_LeseArtikel(5, &a));
    EXPECT_EQ(1004, a.Ek1) << "nothing of the refused block was written";
    EXPECT_EQ(-1, ARTLIB_SchreibeArtikelBlock(nullptr, 3));

    NeuLaden(ordner);
    EXPECT_EQ(999, ARTLIB_AnzahlArtikel());
    EXPECT_EQ(20, ARTLIB_NaechsterArtikel(19, &a));
    EXPECT_EQ(1019, a.Ek1);
}

TEST(LagerBlock, BenchLagerFindetJedeEan)
{
    std::string ordner = NeuerTestordner("benchlager");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ASSERT_EQ(1, GenBenchLager(2000, 60000, 10));
    EXPECT_EQ(2000, ARTLIB_AnzahlArtikel());
    EXPECT_EQ(60000, EANDATA_Anzahl());
    NeuLaden(ordner);
    char ean[14];
    for (int64_t i : { 0, 1, 49999, 50000, 59999 }) {
        GenBenchEan(ean, i);
        EXPECT_EQ(1 + i % 2000, EANDATA_GetArtikelNummer(ean, nullptr)) << i;
    }
    ARTIKEL_SATZ a;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(2000, &a));
    EXPECT_EQ(1, a.LieferantNummer);
}

/* ---- OXGEN.EXE ---------------------------------------------------------- */

int Oxgen(const std::string& argumente, std::string* ausgabe)
{
    char pfad[MAX_PATH];
    GetModuleFileNameA(nullptr, pfad, sizeof pfad);
    std::string programm = pfad;
    programm = programm.substr(0, programm.find_last_of('\\') + 1) + "OXGEN.EXE";
    std::string ordner = NeuerTestordner("oxgenlauf");
    std::string datei = ordner + "ausgabe.txt";
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, TRUE };
    HANDLE aus = CreateFileA(datei.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = aus;
    si.hStdError = aus;
    PROCESS_INFORMATION pi;
    std::string befehl = "\"" + programm + "\" " + argumente;
    if (!CreateProcessA(programm.c_str(), befehl.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(aus);
        return -1;
    }
    WaitForSingleObject(pi.hProcess, 120000);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(aus);
    *ausgabe = DateiLesen(datei);
    return static_cast<int>(code);
}

TEST(OxgenProgramm, KatalogDesadvUndFalscheArgumente)
{
    std::string ordner = NeuerTestordner("oxgenexe");
    std::string ausgabe;
    EXPECT_EQ(0, Oxgen("--katalog \"" + ordner + "K.INH\" --artikel 4 --varianten 3 --seed 9 --beschaedigt 2"
                       " --info \"Hallo Welt\"", &ausgabe)) << ausgabe;
    EXPECT_NE(std::string::npos, ausgabe.find("12 records (12 readable")) << ausgabe;
    EXPECT_NE(std::string::npos, ausgabe.find("2 damaged lines")) << ausgabe;
    EXPECT_TRUE(Existiert(ordner + "K.ADR"));
    EXPECT_EQ("Hallo Welt\r\n", DateiLesen(ordner + "K.TXT"));

    /* the program writes what the library call writes */
    GEN_KATALOG k;
    k.Pfad = ordner + "L.INH";
    k.Artikel = 4;
    k.Varianten = 3;
    k.Saat = 9;
    k.Beschaedigt = 2;
    GEN_KATALOG_ERGEBNIS e;
    ASSERT_EQ(1, GenKatalogSchreiben(&k, &e));
    std::string a = DateiLesen(ordner + "K.INH"), b = DateiLesen(ordner + "L.INH");
    EXPECT_EQ(a.substr(a.find('\n')), b.substr(b.find('\n')));

    EXPECT_EQ(0, Oxgen("--desadv \"" + ordner + "D.DES\" --positionen 7 --fremde-iln 2", &ausgabe)) << ausgabe;
    EXPECT_NE(std::string::npos, ausgabe.find("7 positions (2 for another ILN), 9 records")) << ausgabe;

    EXPECT_EQ(2, Oxgen("--katalog \"" + ordner + "X.INH\" --varianten 0", &ausgabe));
    EXPECT_EQ(2, Oxgen("--unbekannt-gibt-es-nicht", &ausgabe));
    EXPECT_EQ(2, Oxgen("", &ausgabe));
    EXPECT_FALSE(Existiert(ordner + "X.INH"));
    EXPECT_EQ(1, Oxgen("--katalog \"" + ordner + "NICHT\\DA\\<>.INH\"", &ausgabe)) << ausgabe;
}

TEST(OxgenProgramm, DemoOrdner)
{
    std::string wurzel = NeuerTestordner("oxgendemo");
    std::string ausgabe;
    EXPECT_EQ(0, Oxgen("--demo \"" + wurzel + "ORDANEX\\DATEN\" --lieferanten 2 --artikel 5 --varianten 3"
                       " --kataloge 2", &ausgabe)) << ausgabe;
    EXPECT_NE(std::string::npos, ausgabe.find("2 suppliers, 10 articles, 30 EANs")) << ausgabe;
    EXPECT_TRUE(Existiert(wurzel + "ORDANEX\\DATEN\\ORDANEX.INI"));
    EXPECT_TRUE(Existiert(wurzel + "ORDANEX\\EDI_IMPORT"));
    EXPECT_NE(std::string::npos, DateiLesen(wurzel + "ORDANEX\\DATEN\\ORDANEX.INI").find("4012345000009"));
}

} // namespace
