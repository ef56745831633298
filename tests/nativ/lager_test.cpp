/*
 * lager_test.cpp - the replacement host's stores built natively, on what
 * the import relies on: characteristics, an article with its size/colour
 * table, its EANs in the index and in its EAN file, a supplier found by
 * its ILN, all read again by another process from the data folder; the
 * writers' locks between handles of one process; a fresh table file put
 * in place only while no other handle has the old one open; paths written
 * the Windows way.
 */
#include "DBADLL/dbadll_host.h"
#include "DBADLL/datei.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "OXTABELLE/ablage.h"
#include "OXINIFILE/oxinifile_host.h"
#include "OXMWST/oxmwst_host.h"
#include "hostapi/oxglobdlg.h"
#include "FILEIO/fileio_host.h"
#include "common/posixpfad.h"
#include "callbacks.h"
#include "harness/testordner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char ILN[] = "4012345000009";

/* A valid EAN-13 from its first twelve digits. */
std::string Ean(const std::string& zwoelf)
{
    int summe = 0;
    for (size_t i = 0; i < 12; ++i)
        summe += (zwoelf[i] - '0') * (i % 2 ? 3 : 1);
    return zwoelf + static_cast<char>('0' + (10 - summe % 10) % 10);
}

MERKMAL_SATZ Merkmal(const char* code, const char* text)
{
    MERKMAL_SATZ m{};
    std::snprintf(m.Code, sizeof m.Code, "%s", code);
    std::snprintf(m.Text, sizeof m.Text, "%s", text);
    return m;
}

/* The size/colour table of the article: sizes (kind 6) down, colours
 * (kind 7) across, prices per size, pieces in one cell. */
std::unique_ptr<OXTABELLE> Tabelle(const int32_t groessen[3], const int32_t farben[2])
{
    std::unique_ptr<OXTABELLE> t(new OXTABELLE);
    std::memset(t.get(), 0, sizeof *t);
    t->Kopf = TAB_KOPF_LEER;
    t->MerkmalSenkrecht = 6;
    t->MerkmalWaagrecht = 7;
    for (int i = 0; i < 3; ++i) {
        TAB_SetMerkmalCR(t.get(), 1, i, groessen[i]);
        TAB_PREISE p{ 2000 + i * 100, 0, 0, 4999 + i * 100, 0, 0 };
        TAB_SetPreiseToRow(t.get(), i, &p);
    }
    for (int i = 0; i < 2; ++i)
        TAB_SetMerkmalCR(t.get(), 0, i, farben[i]);
    TAB_SetWaagrechtFarbText(t.get(), 1, "marine");
    TAB_SetStueckzahl(t.get(), 2, 1, 4);
    return t;
}

EANARTIKEL_SATZ EanEintrag(const char* groesse, const char* farbe, const std::string& ean)
{
    EANARTIKEL_SATZ e{};
    std::snprintf(e.Merkmal[6], OX_TXT_CODE, "%s", groesse);
    std::snprintf(e.Merkmal[7], OX_TXT_CODE, "%s", farbe);
    std::snprintf(e.Ean, sizeof e.Ean, "%s", ean.c_str());
    return e;
}

/* The folder as the module may write it: "\" between the parts and the
 * last part in capitals. */
std::string WindowsSchreibweise(std::string ordner)
{
    while (!ordner.empty() && ordner.back() == '/')
        ordner.pop_back();
    size_t letzter = ordner.find_last_of('/');
    for (size_t i = letzter + 1; i < ordner.size(); ++i)
        ordner[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(ordner[i])));
    for (char& c : ordner)
        if (c == '/')
            c = '\\';
    return ordner + "\\";
}

/* Runs one disabled test of this program in a process of its own, with
 * `ordner` and `artikel` in its environment; its exit code. */
int ProzessPruefen(const char* test, const std::string& ordner, int32_t artikel)
{
    pid_t kind = fork();
    if (kind == 0) {
        setenv("OX_LAGER_ORDNER", ordner.c_str(), 1);
        setenv("OX_LAGER_ARTIKEL", std::to_string(artikel).c_str(), 1);
        std::string filter = std::string("--gtest_filter=") + test;
        execl("/proc/self/exe", "lager_test", filter.c_str(), "--gtest_also_run_disabled_tests",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = -1;
    if (kind < 0 || waitpid(kind, &status, 0) != kind)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

/* ---- what an import writes, read by the next run --------------------------- */

TEST(NativLager, WhatAnImportWroteIsReadByTheNextProcess)
{
    std::string ordner = NeuerTestordner("lager");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    ASSERT_EQ(1, INI_SetIniFilename((ordner + "ORDANEX.INI").c_str()));

    int32_t groessen[3], farben[2];
    const char* g[3] = { "36", "38", "40" };
    for (int i = 0; i < 3; ++i) {
        MERKMAL_SATZ m = Merkmal(g[i], (std::string("Gr. ") + g[i]).c_str());
        groessen[i] = MMLIB_MerkmalAnlegen(6, &m);
        ASSERT_GT(groessen[i], 0);
    }
    MERKMAL_SATZ rot = Merkmal("ROT", "rot"), blau = Merkmal("BLAU", "blau");
    farben[0] = MMLIB_MerkmalAnlegen(7, &rot);
    farben[1] = MMLIB_MerkmalAnlegen(7, &blau);
    ASSERT_GT(farben[1], farben[0]);
    MERKMAL_SATZ doppelt = Merkmal("rot", "noch einmal");
    EXPECT_EQ(0, MMLIB_MerkmalAnlegen(7, &doppelt)) << "a code is used once per kind, in any case";

    MERKMAL_SATZ lief = Merkmal("LIEF", "Lieferant");
    int32_t lieferant = MMLIB_MerkmalAnlegen(8, &lief);
    ASSERT_GT(lieferant, 0);
    LIEFERANTEN_SATZ l{};
    std::snprintf(l.Name, sizeof l.Name, "Schuhfabrik");
    std::memcpy(l.Iln[3], ILN, sizeof ILN);
    ASSERT_EQ(1, LieferantenDBA_SchreibeRecord(lieferant, &l));

    int32_t artikel = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("LIEF_4711");
    ASSERT_GT(artikel, 0);
    EXPECT_EQ(artikel, OXGLOBAL_DLGHELP_NeuenArtikelAnlegen("LIEF_4711")) << "an existing name is found";

    auto tabelle = Tabelle(groessen, farben);
    ASSERT_EQ(1, Host05(artikel, tabelle.get()));
    ASSERT_EQ(1, Host08(artikel, 0));
    EXPECT_EQ(1, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, artikel));

    std::string ean1 = Ean("400638133393"), ean2 = Ean("400638133394");
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID(ean1.c_str(), artikel, 0));
    ASSERT_EQ(1, EANDATA_SetArtikelNummerOhneMusterID(ean2.c_str(), artikel, 0));
    char name[OX_TXT_PATH];
    ASSERT_EQ(1, EANARTIKEL_CreateFileName(artikel, name, 0));
    HOSTHANDLE datei = EANARTIKEL_OpenFile(name, 1);
    ASSERT_GT(datei, 0);
    EANARTIKEL_SATZ e1 = EanEintrag("38", "ROT", ean1), e2 = EanEintrag("40", "BLAU", ean2);
    EXPECT_EQ(1, EANARTIKEL_NeuEintragen_WithOpenFile(datei, artikel, &e1));
    EXPECT_EQ(2, EANARTIKEL_NeuEintragen_WithOpenFile(datei, artikel, &e2));
    EXPECT_EQ(1, EANARTIKEL_CloseFile(datei));
    OX_MWST_SetMWST_Wert(2, 1900);
    TAB_SpeicherSchliessen();

    ASSERT_EQ(0, ProzessPruefen("NativLager.DISABLED_ReadsWhatAnImportWrote", ordner, artikel));
    EXPECT_TRUE(Existiert(ordner + "GEPRUEFT")) << "the reading process ran its checks";
}

/* Run by the test above in a process of its own, on its data folder given
 * the Windows way. */
TEST(NativLager, DISABLED_ReadsWhatAnImportWrote)
{
    const char* o = std::getenv("OX_LAGER_ORDNER");
    const char* a = std::getenv("OX_LAGER_ARTIKEL");
    ASSERT_TRUE(o != nullptr && a != nullptr);
    std::string ordner = o;
    int32_t artikel = std::atoi(a);
    ASSERT_EQ(1, DBA_SetDatenPfad(WindowsSchreibweise(ordner).c_str()));
    ASSERT_EQ(1, INI_SetIniFilename((ordner + "ORDANEX.INI").c_str()));

    int32_t groessen[3], farben[2];
    const char* g[3] = { "36", "38", "40" };
    for (int i = 0; i < 3; ++i) {
        groessen[i] = Host02(6, g[i]);
        ASSERT_GT(groessen[i], 0) << g[i];
    }
    farben[0] = Host02(7, "rot");
    farben[1] = Host02(7, "BLAU");
    ASSERT_GT(farben[0], 0);
    MERKMAL_SATZ m;
    ASSERT_EQ(1, Host15(7, farben[1], &m));
    EXPECT_STREQ("blau", m.Text);

    int32_t lieferant = LieferantenDBA_SucheIln(ILN);
    ASSERT_GT(lieferant, 0);
    EXPECT_EQ(lieferant, MMLIB_SucheCode(8, "LIEF", nullptr));
    ARTIKEL_SATZ as;
    ASSERT_EQ(1, ARTLIB_LeseArtikel(artikel, &as));
    EXPECT_EQ(lieferant, as.LieferantNummer);
    EXPECT_EQ(artikel, MMLIB_SucheCode(0, "LIEF_4711", nullptr));

    auto soll = Tabelle(groessen, farben);
    std::unique_ptr<OXTABELLE> ist(new OXTABELLE);
    HOST_ZEITSTEMPEL zeit{};
    ASSERT_EQ(1, Host03(artikel, ist.get(), &zeit));
    EXPECT_EQ(0, std::memcmp(soll.get(), ist.get(), sizeof *ist));
    EXPECT_NE(0u, zeit.Low | zeit.High);
    EXPECT_EQ(0, Standin_TabelleMarkiert(TAB_BESITZER_ARTIKEL, artikel)) << "marks belong to a run";

    std::string ean1 = Ean("400638133393"), ean2 = Ean("400638133394");
    EXPECT_EQ(artikel, EANDATA_GetArtikelNummer(ean1.c_str(), nullptr));
    EXPECT_EQ(artikel, EANDATA_GetArtikelNummer(ean2.c_str(), nullptr));
    char name[OX_TXT_PATH];
    ASSERT_EQ(1, EANARTIKEL_CreateFileName(artikel, name, 0));
    HOSTHANDLE datei = EANARTIKEL_OpenFile(name, 0);
    ASSERT_GT(datei, 0);
    EANARTIKEL_SATZ muster = EanEintrag("40", "BLAU", "");
    int32_t index = -1;
    EXPECT_EQ(1, EANARTIKEL_HoleEAN_Artikel_From_Open_File(datei, 8, artikel, ean2.c_str(), "", &muster, &index));
    EXPECT_EQ(2, index);
    muster = EanEintrag("36", "ROT", "");
    EXPECT_EQ(0, EANARTIKEL_HoleEAN_Artikel_From_Open_File(datei, 8, artikel, ean1.c_str(), "", &muster, &index));
    EXPECT_EQ(0, index) << "no such variation";
    EANARTIKEL_CloseFile(datei);

    EXPECT_EQ(2, OX_MWST_GetMWSTSatz(19));
    if (!::testing::Test::HasFailure())
        DateiSchreiben(ordner + "GEPRUEFT", "1");
}

/* ---- the writers' locks ---------------------------------------------------------- */

/* Takes `sperren` on another thread; true when it was granted only after
 * `loslassen` ran, not before. Closing a third handle of the file in
 * between (`zwischendurch`) must not let the lock go either. */
template <typename Sperren, typename Loslassen, typename Zwischendurch>
bool WartetBisLosgelassen(Sperren sperren, Loslassen loslassen, Zwischendurch zwischendurch)
{
    std::atomic<bool> erhalten{ false };
    auto warten = std::async(std::launch::async, [&] {
        sperren();
        erhalten = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    zwischendurch();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    bool vorher = erhalten;
    loslassen();
    bool danach = warten.wait_for(std::chrono::seconds(10)) == std::future_status::ready && erhalten;
    return !vorher && danach;
}

TEST(NativLager, RecordStoreWriterLockHoldsBetweenTwoHandlesOfOneProcess)
{
    std::string pfad = NeuerTestordner("sperre") + "ARTIKEL.DBA";
    dba::Datei a, b;
    ASSERT_TRUE(a.Oeffnen(pfad, true));
    ASSERT_TRUE(b.Oeffnen(pfad, true));
    ASSERT_TRUE(a.Sperren());
    EXPECT_TRUE(WartetBisLosgelassen([&] { b.Sperren(); }, [&] { a.Entsperren(); },
                                     [&] {
                                         /* the file library opens the item stores too */
                                         HOSTHANDLE h = FileIO_OpenRWS(pfad.c_str());
                                         FileIO_Close(h);
                                     }));
    b.Entsperren();
}

TEST(NativLager, TableStoreWriterLockHoldsBetweenTwoHandlesOfOneProcess)
{
    std::string pfad = NeuerTestordner("tsperre") + "OXTABELLEN.DAT";
    ablage::Datei a = ablage::Oeffnen(pfad), b = ablage::Oeffnen(pfad);
    ASSERT_TRUE(a != nullptr && b != nullptr);
    ASSERT_TRUE(ablage::Sperren(a));
    EXPECT_TRUE(WartetBisLosgelassen([&] { ablage::Sperren(b); }, [&] { ablage::Entsperren(a); },
                                     [&] { ablage::Schliessen(ablage::Oeffnen(pfad)); }));
    ablage::Entsperren(b);
    ablage::Schliessen(a);
    ablage::Schliessen(b);
}

/* ---- a fresh file in place of the old one -------------------------------------- */

TEST(NativLager, FreshTableFileReplacesTheOldOnlyWhenNoOtherHandleHasItOpen)
{
    std::string ordner = NeuerTestordner("ersetzen");
    std::string alt = ordner + "OXTABELLEN.DAT", neu = alt + ".NEU";
    ablage::Datei eigen = ablage::Oeffnen(alt), fremd = ablage::Oeffnen(alt);
    ASSERT_TRUE(eigen != nullptr && fremd != nullptr);
    ASSERT_TRUE(ablage::SchreibenAn(eigen, 0, "ALT", 3));

    auto frisch = [&] {
        ablage::Datei n = ablage::NeuAnlegen(neu);
        bool gut = n != nullptr && ablage::SchreibenAn(n, 0, "NEU!", 4) && ablage::Flush(n);
        ablage::Schliessen(n);
        return gut;
    };
    ASSERT_TRUE(frisch());
    EXPECT_FALSE(ablage::Ersetzen(eigen, neu, alt));
    EXPECT_EQ(nullptr, eigen);
    EXPECT_FALSE(Existiert(neu)) << "the fresh file is removed";
    EXPECT_EQ("ALT", DateiLesen(alt));

    ablage::Schliessen(fremd);
    eigen = ablage::Oeffnen(alt);
    ASSERT_TRUE(frisch());
    EXPECT_TRUE(ablage::Ersetzen(eigen, neu, alt));
    EXPECT_EQ("NEU!", DateiLesen(alt));
    /* a handle opened afterwards sees the new file */
    ablage::Datei spaeter = ablage::Oeffnen(alt);
    ASSERT_NE(nullptr, spaeter);
    EXPECT_EQ(4u, ablage::Groesse(spaeter));
    ablage::Schliessen(spaeter);
}

TEST(NativLager, TableStoreIsCompactedWhenNoOtherHandleHasItOpen)
{
    std::string ordner = NeuerTestordner("verdichten");
    ASSERT_EQ(1, DBA_SetDatenPfad(ordner.c_str()));
    std::string datei = ordner + "OXTABELLEN.DAT";
    std::unique_ptr<OXTABELLE> t(new OXTABELLE), aus(new OXTABELLE);
    /* many versions of two tables: far more than a megabyte, mostly dead */
    for (int32_t v = 1; v <= 3000; ++v) {
        std::memset(t.get(), 0, sizeof *t);
        t->MerkmalSenkrecht = 6;
        for (int32_t z = 0; z < TAB_MAX_SENKRECHT; ++z)
            TAB_SetStueckzahl(t.get(), z, z % TAB_MAX_WAAGRECHT, v + z);
        ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, 1 + v % 2, t.get()));
    }
    TAB_SpeicherSchliessen();
    uint64_t vorher = std::filesystem::file_size(datei);
    ASSERT_GT(vorher, 1u << 20);

    /* another handle open: the store reads the file as it is */
    ablage::Datei fremd = ablage::Oeffnen(datei);
    ASSERT_NE(nullptr, fremd);
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 1, aus.get(), nullptr));
    EXPECT_EQ(vorher, std::filesystem::file_size(datei));
    TAB_SpeicherSchliessen();
    ablage::Schliessen(fremd);

    /* alone: the live tables go into a fresh file */
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 1, aus.get(), nullptr));
    EXPECT_LT(std::filesystem::file_size(datei), vorher / 100);
    EXPECT_EQ(3000, TAB_GetStueckzahl(aus.get(), 0, 0));
    ASSERT_EQ(1, TAB_LeseTabelle(TAB_BESITZER_ARTIKEL, 2, aus.get(), nullptr));
    EXPECT_EQ(2999 + 5, TAB_GetStueckzahl(aus.get(), 5, 5));
    TAB_SpeicherSchliessen();
}

/* ---- paths written the Windows way ------------------------------------------------- */

TEST(NativLager, WindowsPathsFindTheirFilesInAnyCase)
{
    std::string basis = NeuerTestordner("pfade");
    std::filesystem::create_directories(basis + "Daten/Edi");
    DateiSchreiben(basis + "Daten/Edi/Katalog.INH", "x");
    EXPECT_EQ(basis + "Daten/Edi/Katalog.INH", PosixPfad(basis + "DATEN\\EDI\\katalog.inh"));
    EXPECT_EQ(basis + "Daten/NEU/A.TXT", PosixPfad(basis + "daten\\NEU\\A.TXT")) << "what is not there stays";
    /* two names that differ in case only: neither is taken for a third */
    DateiSchreiben(basis + "Daten/a.txt", "1");
    DateiSchreiben(basis + "Daten/A.TXT", "2");
    EXPECT_EQ(basis + "Daten/A.Txt", PosixPfad(basis + "DATEN\\A.Txt"));

    EXPECT_EQ(1, FileIO_Exist((basis + "DATEN\\EDI\\KATALOG.INH").c_str()));
    EXPECT_EQ(1, FileIO_PathExist((basis + "daten\\edi\\").c_str()));
    FILEIO_FUNDSTELLE fund;
    HOSTHANDLE suche = FileIO_FindFirstFile((basis + "DATEN\\EDI\\*.inh").c_str(), &fund);
    ASSERT_GT(suche, 0);
    EXPECT_STREQ("Katalog.INH", fund.Name);
    EXPECT_EQ(0, FileIO_FindNextFile(suche, &fund));
    EXPECT_EQ(1, FileIO_FindClose(suche));

    /* a data folder given with "\": the stores land inside it */
    ASSERT_EQ(1, DBA_SetDatenPfad((basis + "DATEN\\STAMM").c_str()));
    std::unique_ptr<OXTABELLE> t(new OXTABELLE);
    std::memset(t.get(), 0, sizeof *t);
    ASSERT_EQ(1, TAB_SchreibeTabelle(TAB_BESITZER_SERIE, 3, t.get()));
    TAB_SpeicherSchliessen();
    EXPECT_TRUE(Existiert(basis + "Daten/STAMM/OXTABELLEN.DAT"));
}
