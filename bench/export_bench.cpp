/*
 * export_bench - speed of the article export.
 *
 * Builds a store of one supplier with 2,000 articles x 16 variations
 * (4 sizes x 4 colours, EANs for every cell), then in one run:
 *   export: PricatExportieren for that supplier (32,000 records written,
 *           the whole run: export list, article, table and EAN reads,
 *           record building, enciphering, writing, renaming);
 *   reads:  the host reads the export cannot do without, alone: the export
 *           list (callbacks 17/18) and per article its record, its host
 *           record (15), its table (03) and its EANs, through the same calls;
 *   raw:    writing the same bytes (the catalogue the export made) into a
 *           new file of the same folder through the same file library in
 *           256 KB pieces (as the export's write buffer does), and the same
 *           bytes one record line per write;
 *   raw set: the same bytes placed the way the export must place a file
 *           set: catalogue and address file written under working names,
 *           the files of the round before moved aside, the new ones given
 *           their names, the earlier ones removed;
 *   encipher: as many records as the catalogue has enciphered through the
 *           EDI record library into a 256 KB buffer, nothing else.
 * Prints the best of several runs of each, the ratio export/raw, and the
 * ratio of the export's own part (export minus reads) to raw; then the own
 * part taken apart: enciphering, placing the files (raw set), and the rest
 * (building the records, lookups, opening the files). Then the same once
 * more after the articles' EAN lists are emptied, and once more with all
 * files on a memory file system (Z:\dev\shm, when there is one), which
 * shows the export apart from what the disk's file system costs (freeing
 * the earlier files takes its time on ext4).
 *
 *   export_bench [articles] [runs]
 */
#include "exportlager.h"

#include "harness/testordner.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "pricat_out/exportnamen.h"
#include "pricat_out/pricatexport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

using Uhr = std::chrono::steady_clock;

static double MsSeit(Uhr::time_point t)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

static const EANARTIKEL_SATZ* OXCALL KeinEan(void*)
{
    return nullptr;
}

static int32_t OXCALL EanZaehlen(void* liste, const EANARTIKEL_SATZ*)
{
    ++*static_cast<long*>(liste);
    return 1;
}

/* Time per kind of host read, summed over all rounds: article record,
 * host record (15), table (03), EAN file. */
static double gAnteil[4];
static int gArtikel = 2000;

/* The reads of the host's data that the export makes, without building or
 * writing anything. */
static double HostLesen(EDI_KONTEXT* k, long* pruef)
{
    static OXTABELLE tabelle;
    Uhr::time_point t = Uhr::now();
    const HOST_EXPORTLISTE* liste = k->HostFunktion17(0);
    HOSTHANDLE h = ARTLIB_OeffneDatenbank();
    for (int32_t i = 0; liste != nullptr && i < liste->Anzahl; ++i) {
        ARTIKEL_SATZ a;
        MERKMAL_SATZ m;
        int32_t nr = liste->Eintrag[i].ArtikelNummer;
        Uhr::time_point t0 = Uhr::now();
        *pruef += ARTLIB_ReadArtikel(h, nr, &a);
        Uhr::time_point t1 = Uhr::now();
        *pruef += k->HostFunktion15(0, nr, &m);
        Uhr::time_point t2 = Uhr::now();
        *pruef += k->HostFunktion03(nr, &tabelle, nullptr);
        Uhr::time_point t3 = Uhr::now();
        EANARTIKEL_LoadArtikelEANs_EX(nr, pruef, EanZaehlen);
        gAnteil[0] += std::chrono::duration<double, std::milli>(t1 - t0).count();
        gAnteil[1] += std::chrono::duration<double, std::milli>(t2 - t1).count();
        gAnteil[2] += std::chrono::duration<double, std::milli>(t3 - t2).count();
        gAnteil[3] += MsSeit(t3);
    }
    ARTLIB_SchliesseDatenbank(h);
    k->HostFunktion18(0);
    return MsSeit(t);
}

static double RohSchreiben(const std::string& pfad, const std::string& inhalt, const std::vector<size_t>& zeilen)
{
    Uhr::time_point t = Uhr::now();
    HOSTHANDLE h = FileIO_CreateRWS(pfad.c_str());
    if (zeilen.empty()) {
        const size_t stueck = 256 * 1024;
        for (size_t i = 0; i < inhalt.size(); i += stueck) {
            size_t n = std::min(stueck, inhalt.size() - i);
            FileIO_Write(h, inhalt.data() + i, (int32_t)n);
        }
    } else {
        size_t i = 0;
        for (size_t n : zeilen) {
            FileIO_Write(h, inhalt.data() + i, (int32_t)n);
            i += n;
        }
    }
    FileIO_Close(h);
    return MsSeit(t);
}

/* The bytes of the catalogue and the address file placed as the export
 * places a file set: both written under working names, the files of the
 * round before moved aside, the new ones given their names, the earlier
 * ones removed. */
static double RohAlsSatz(const std::string& ordner, const std::string& inhalt, const std::string& adresse)
{
    Uhr::time_point t = Uhr::now();
    const std::string namen[2][3] = { { "~ROH.ADR.TMP", "ROH.ADR", "~ROH.ADR.ALT" },
                                      { "~ROH.INH.TMP", "ROH.INH", "~ROH.INH.ALT" } };
    const std::string* daten[2] = { &adresse, &inhalt };
    for (int i = 0; i < 2; ++i) {
        HOSTHANDLE h = FileIO_CreateRWS((ordner + namen[i][0]).c_str());
        const size_t stueck = 256 * 1024;
        for (size_t j = 0; j < daten[i]->size(); j += stueck)
            FileIO_Write(h, daten[i]->data() + j, (int32_t)std::min(stueck, daten[i]->size() - j));
        FileIO_Close(h);
    }
    for (int i = 0; i < 2; ++i)
        if (FileIO_Exist((ordner + namen[i][1]).c_str()) == 1)
            FileIO_MoveFile((ordner + namen[i][1]).c_str(), (ordner + namen[i][2]).c_str());
    for (int i = 0; i < 2; ++i)
        FileIO_MoveFile((ordner + namen[i][0]).c_str(), (ordner + namen[i][1]).c_str());
    for (int i = 0; i < 2; ++i)
        FileIO_DeleteFile((ordner + namen[i][2]).c_str());
    return MsSeit(t);
}

/* As many records as the catalogue has enciphered one after the other
 * into a write buffer, without writing anything. The records are the
 * catalogue's first 16 (one article), over and over: the export enciphers
 * a record it has just built, which is at hand in the processor's cache,
 * while the whole catalogue's records would have to come from memory. */
static double Verschluesseln(const std::vector<PRICAT_DATEN>& saetze, long* pruef)
{
    static char puffer[256 * 1024];
    size_t fuellung = 0;
    size_t vorrat = std::min<size_t>(saetze.size(), 16);
    Uhr::time_point t = Uhr::now();
    for (size_t i = 0; vorrat > 0 && i < saetze.size(); ++i) {
        const PRICAT_DATEN& d = saetze[i % vorrat];
        if (sizeof puffer - fuellung < EDI_SATZ_GROESSE) {
            *pruef += puffer[fuellung / 2];
            fuellung = 0;
        }
        int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(puffer + fuellung, &d, 0, nullptr);
        fuellung += n > 0 ? (size_t)n : 0;
    }
    double ms = MsSeit(t);
    *pruef += (long)fuellung;
    return ms;
}

/* The measurements alternate, so that a change of the machine's load
 * during the run hits them alike; the best of each is kept. */
static void Messen(ExportLager& lager, const char* katalog, int laeufe)
{
    double besterExport = 1e30, besteReads = 1e30, besterRoh = 1e30, besterRohZeilen = 1e30;
    double besterRohSatz = 1e30, besteVerschluesselung = 1e30;
    long pruef = 0;
    std::string inhalt, adresse;
    std::vector<size_t> zeilen;
    std::vector<PRICAT_DATEN> saetze;
    std::string roh = lager.exportOrdner + "ROH.DAT";
    for (int i = 0; i < laeufe + 1; ++i) {
        Uhr::time_point t = Uhr::now();
        int32_t r = PricatExportieren(nullptr, "0001", "", nullptr);
        double ms = MsSeit(t);
        if (r != 1) {
            std::printf("export failed\n");
            return;
        }
        if (i == 0) {
            /* The first round warms the caches and gives the bytes. */
            inhalt = DateiLesen(katalog);
            std::string k = katalog;
            adresse = DateiLesen(k.substr(0, k.size() - 4) + ".ADR");
            saetze = KatalogLesen(katalog);
            for (size_t j = 0, start = 0; j < inhalt.size(); ++j)
                if (inhalt[j] == '\n') {
                    zeilen.push_back(j + 1 - start);
                    start = j + 1;
                }
        }
        double reads = HostLesen(lager.kontext, &pruef);
        double a = RohSchreiben(roh, inhalt, {});
        double b = RohSchreiben(roh, inhalt, zeilen);
        double c = RohAlsSatz(lager.exportOrdner, inhalt, adresse);
        double v = Verschluesseln(saetze, &pruef);
        if (i > 0) {
            besterExport = std::min(besterExport, ms);
            besteReads = std::min(besteReads, reads);
            besterRoh = std::min(besterRoh, a);
            besterRohZeilen = std::min(besterRohZeilen, b);
            besterRohSatz = std::min(besterRohSatz, c);
            besteVerschluesselung = std::min(besteVerschluesselung, v);
        }
    }
    std::printf("host reads per article over %d rounds: article %.3f ms, host record %.3f ms, table %.3f ms, EANs %.3f ms\n",
                laeufe + 1, gAnteil[0] / (laeufe + 1) / gArtikel, gAnteil[1] / (laeufe + 1) / gArtikel,
                gAnteil[2] / (laeufe + 1) / gArtikel, gAnteil[3] / (laeufe + 1) / gArtikel);
    for (double& a : gAnteil) a = 0;
    std::printf("catalogue: %zu records, %zu lines, %.1f MB\n", saetze.size(), zeilen.size(),
                inhalt.size() / 1048576.0);
    std::printf("export (best of %d):                 %8.1f ms  %6.1f MB/s\n", laeufe, besterExport,
                inhalt.size() / 1048576.0 / (besterExport / 1000));
    std::printf("host reads alone (best):             %8.1f ms  (check %ld)\n", besteReads, pruef);
    std::printf("raw write, 256 KB pieces (best):     %8.1f ms  ratio export/raw %.2f, own part/raw %.2f\n",
                besterRoh, besterExport / besterRoh, (besterExport - besteReads) / besterRoh);
    std::printf("raw write, one line per write (best): %7.1f ms  ratio export/raw %.2f, own part/raw %.2f\n",
                besterRohZeilen, besterExport / besterRohZeilen, (besterExport - besteReads) / besterRohZeilen);
    double eigen = besterExport - besteReads;
    std::printf("raw write as a file set (best):      %8.1f ms  ratio export/raw %.2f, own part/raw %.2f\n",
                besterRohSatz, besterExport / besterRohSatz, eigen / besterRohSatz);
    std::printf("enciphering alone (best):            %8.1f ms  %.0f ns per record\n", besteVerschluesselung,
                besteVerschluesselung * 1e6 / (saetze.empty() ? 1 : saetze.size()));
    std::printf("own part %.1f ms = enciphering %.1f + placing the files as the raw set %.1f + the rest %.1f"
                " (%.0f ns per record)\n",
                eigen, besteVerschluesselung, besterRohSatz, eigen - besteVerschluesselung - besterRohSatz,
                (eigen - besteVerschluesselung - besterRohSatz) * 1e6 / (saetze.empty() ? 1 : saetze.size()));
}

/* Removes a folder with everything in it. */
static void OrdnerLoeschen(const std::string& ordner)
{
    WIN32_FIND_DATAA fund;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fund);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fund.cFileName;
            if (name == "." || name == "..")
                continue;
            if (fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                OrdnerLoeschen(ordner + name + "\\");
            else
                DeleteFileA((ordner + name).c_str());
        } while (FindNextFileA(h, &fund));
        FindClose(h);
    }
    RemoveDirectoryA(ordner.c_str());
}

/* A store of one supplier with `artikel` articles, measured; with `ohneEan`
 * measured once more after the articles' EAN lists are emptied. The store's folder
 * goes at the end. */
static void StoreMessen(int artikel, int laeufe, bool ohneEan)
{
    ExportLager lager;
    LagerAnlegen(lager, "export_bench");
    Uhr::time_point t = Uhr::now();
    DemoLager demo = DemoLagerErzeugen(1, artikel, 4, 4, 2026);
    std::printf("store: 1 supplier, %d articles x 16 variations, made in %.0f ms (%s)\n", artikel, MsSeit(t),
                lager.wurzel.c_str());

    MERKMAL_SATZ m{};
    MMLIB_LeseMerkmal(8, demo.lieferanten[0], &m);
    char katalog[260];
    ExportKatalogPfad(katalog, sizeof katalog, lager.exportOrdner.c_str(), Feld(m.Text, sizeof m.Text).c_str(), "");

    Messen(lager, katalog, laeufe);
    if (ohneEan) {
        /* An empty list saved is an article without EANs. */
        for (int32_t nr : demo.artikel[0])
            EANARTIKEL_SaveArtikelEANs_EX(nr, nullptr, KeinEan);
        std::printf("\nthe same store without EANs:\n");
        Messen(lager, katalog, laeufe);
    }
    std::string wurzel = lager.wurzel;
    LagerFreigeben(lager);
    TAB_SpeicherSchliessen();
    OrdnerLoeschen(wurzel);
}

int main(int argc, char** argv)
{
    int artikel = argc > 1 ? std::atoi(argv[1]) : 2000;
    gArtikel = artikel > 0 ? artikel : 1;
    int laeufe = argc > 2 ? std::atoi(argv[2]) : 5;
    StoreMessen(artikel, laeufe, true);

    /* Everything once more on a memory file system. */
    const char* speicher = "Z:\\dev\\shm\\";
    DWORD attribute = GetFileAttributesA(speicher);
    if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY)) {
        std::printf("\nthe same with all files on a memory file system:\n");
        SetEnvironmentVariableA("TMP", speicher);
        StoreMessen(artikel, laeufe, false);
    }
    return 0;
}
