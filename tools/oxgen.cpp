/*
 * oxgen.cpp - OXGEN.EXE, the demo and test data generator.
 *
 *   OXGEN --demo <host data folder> [--seed S] [--lieferanten N]
 *         [--artikel N] [--varianten M] [--kataloge K] [--eigene-iln GLN]
 *       a whole demo host data folder, with catalogues and a DESADV file in
 *       the EDI_IMPORT folder beside it
 *
 *   OXGEN --katalog <file.INH|.PRI> [--artikel N] [--varianten M] [--seed S]
 *         [--lieferant L] [--erster I] [--zeilen R] [--auslauf P] [--nummern]
 *         [--doppelte-eans N] [--fremde-iln N] [--falsche-iln N]
 *         [--beschaedigt N] [--ueberlang] [--ohne-adresse] [--info TEXT]
 *         [--beschreibung TEXT]
 *       a catalogue file set of supplier L: N articles x M variations (or
 *       exactly R records), ".ADR" beside it, info texts with --info
 *
 *   OXGEN --desadv <file.DES> [--positionen P] [--seed S] [--lieferant L]
 *         [--empfaenger GLN] [--artikel N] [--varianten M] [--erster I]
 *         [--fremde-iln N] [--falsche-iln N] [--unbekannt N] [--beschaedigt N]
 *       a DESADV file of supplier L with P positions for GLN
 *
 * Exit code 0 = written, 1 = a file or store could not be written,
 * 2 = wrong arguments.
 */
#include "oxgen.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

namespace {

int Gebrauch()
{
    fprintf(stderr,
            "usage: OXGEN --demo <host data folder> [--seed S] [--lieferanten N] [--artikel N] [--varianten M]\n"
            "             [--kataloge K] [--eigene-iln GLN]\n"
            "       OXGEN --katalog <file> [--artikel N] [--varianten M] [--seed S] [--lieferant L] [--erster I]\n"
            "             [--zeilen R] [--auslauf P] [--nummern] [--doppelte-eans N] [--fremde-iln N]\n"
            "             [--falsche-iln N] [--beschaedigt N] [--ueberlang] [--ohne-adresse] [--info TEXT]\n"
            "             [--beschreibung TEXT]\n"
            "       OXGEN --desadv <file> [--positionen P] [--seed S] [--lieferant L] [--empfaenger GLN]\n"
            "             [--artikel N] [--varianten M] [--erster I] [--fremde-iln N] [--falsche-iln N]\n"
            "             [--unbekannt N] [--beschaedigt N]\n");
    return 2;
}

bool Zahl(const char* text, long long min, long long max, long long* wert)
{
    char* ende = nullptr;
    long long w = strtoll(text, &ende, 10);
    if (ende == text || *ende != '\0' || w < min || w > max)
        return false;
    *wert = w;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::string modus, ziel;
    GEN_DEMO demo;
    GEN_KATALOG katalog;
    GEN_DESADV desadv;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        const char* wert = i + 1 < argc ? argv[i + 1] : nullptr;
        long long z = 0;
        auto zahl = [&](long long min, long long max) {
            if (wert == nullptr || !Zahl(wert, min, max, &z))
                return false;
            i++;
            return true;
        };
        if ((a == "--demo" || a == "--katalog" || a == "--desadv") && wert != nullptr && modus.empty()) {
            modus = a;
            ziel = argv[++i];
        } else if (a == "--seed" && zahl(0, 0x7FFFFFFFFFFFFFFFll)) {
            demo.Saat = katalog.Saat = desadv.Saat = static_cast<uint64_t>(z);
        } else if (a == "--artikel" && zahl(0, 10000000)) {
            demo.ArtikelJeLieferant = katalog.Artikel = desadv.Artikel = static_cast<int32_t>(z);
        } else if (a == "--varianten" && zahl(1, GEN_MAX_VARIANTEN)) {
            demo.Varianten = katalog.Varianten = desadv.Varianten = static_cast<int32_t>(z);
        } else if (a == "--lieferanten" && zahl(0, 255)) {
            demo.Lieferanten = static_cast<int32_t>(z);
        } else if (a == "--kataloge" && zahl(0, 100)) {
            demo.Kataloge = static_cast<int32_t>(z);
        } else if (a == "--lieferant" && zahl(1, 1000)) {
            katalog.Lieferant = desadv.Lieferant = static_cast<int32_t>(z);
        } else if (a == "--erster" && zahl(0, 10000000)) {
            katalog.ErsterArtikel = desadv.ErsterArtikel = static_cast<int32_t>(z);
        } else if (a == "--zeilen" && zahl(0, 10000000)) {
            katalog.Zeilen = static_cast<int32_t>(z);
        } else if (a == "--auslauf" && zahl(0, 100)) {
            katalog.AuslaufProzent = static_cast<int>(z);
        } else if (a == "--doppelte-eans" && zahl(0, 10000000)) {
            katalog.DoppelteEans = static_cast<int32_t>(z);
        } else if (a == "--fremde-iln" && zahl(0, 10000000)) {
            katalog.FremdeIln = desadv.FremdeIln = static_cast<int32_t>(z);
        } else if (a == "--falsche-iln" && zahl(0, 10000000)) {
            katalog.FalscheIln = desadv.FalscheIln = static_cast<int32_t>(z);
        } else if (a == "--beschaedigt" && zahl(0, 10000000)) {
            katalog.Beschaedigt = desadv.Beschaedigt = static_cast<int32_t>(z);
        } else if (a == "--positionen" && zahl(0, 10000000)) {
            desadv.Positionen = static_cast<int32_t>(z);
        } else if (a == "--unbekannt" && zahl(0, 10000000)) {
            desadv.UnbekannteGtin = static_cast<int32_t>(z);
        } else if (a == "--nummern") {
            katalog.MitNummern = true;
        } else if (a == "--ueberlang") {
            katalog.Ueberlang = true;
        } else if (a == "--ohne-adresse") {
            katalog.Adresse = false;
        } else if (a == "--info" && wert != nullptr) {
            katalog.InfoText = argv[++i];
        } else if (a == "--beschreibung" && wert != nullptr) {
            katalog.Beschreibung = argv[++i];
        } else if ((a == "--eigene-iln" || a == "--empfaenger") && wert != nullptr && strlen(wert) == 13) {
            demo.EigeneIln = desadv.EmpfaengerIln = argv[++i];
        } else {
            fprintf(stderr, "OXGEN: unknown or invalid argument %s\n", a.c_str());
            return Gebrauch();
        }
    }

    if (modus == "--demo") {
        demo.DatenOrdner = ziel;
        demo.Eancom = true;
        GEN_DEMO_ERGEBNIS e;
        if (!GenDemoAnlegen(&demo, &e)) {
            fprintf(stderr, "OXGEN: the demo data folder %s could not be written\n", ziel.c_str());
            return 1;
        }
        printf("demo data in %s: %d suppliers, %d articles, %d EANs, %d characteristics, %d items, %d orders,"
               " %d minimum stocks; own GLN %s\n",
               ziel.c_str(), e.Lieferanten, e.Artikel, e.Eans, e.Merkmale, e.Teile, e.Auftraege, e.Mindestbestaende,
               e.EigeneIln.c_str());
        for (const std::string& d : e.Dateien)
            printf("  %s\n", d.c_str());
        return 0;
    }
    if (modus == "--katalog") {
        katalog.Pfad = ziel;
        GEN_KATALOG_ERGEBNIS e;
        if (!GenKatalogSchreiben(&katalog, &e)) {
            fprintf(stderr, "OXGEN: the catalogue %s could not be written\n", ziel.c_str());
            return 1;
        }
        printf("%s: %d records (%d readable, %d discontinued) of %d articles, %d damaged lines, %lld bytes\n",
               ziel.c_str(), e.Saetze, e.Lesbar, e.Auslauf, e.Artikel, e.Beschaedigt, static_cast<long long>(e.Bytes));
        for (size_t i = 1; i < e.Dateien.size(); i++)
            printf("  %s\n", e.Dateien[i].c_str());
        return 0;
    }
    if (modus == "--desadv") {
        desadv.Pfad = ziel;
        GEN_DESADV_ERGEBNIS e;
        if (!GenDesadvSchreiben(&desadv, &e)) {
            fprintf(stderr, "OXGEN: the DESADV file %s could not be written\n", ziel.c_str());
            return 1;
        }
        printf("%s: %d positions (%d for another ILN), %d records\n", ziel.c_str(), e.Positionen, e.Fremd, e.Saetze);
        return 0;
    }
    return Gebrauch();
}
