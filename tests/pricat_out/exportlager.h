/*
 * exportlager.h - a host with a store to export from, for the export tests
 * and the export benchmark.
 *
 * The store is built through the host's own libraries (characteristics,
 * suppliers, articles, EAN files in DBADLL, tables in OXTABELLE), the call
 * context is filled from the stand-in host's parameter block as the entry
 * does it, and the catalogue files are read back through the EDI record
 * library.
 */
#ifndef OX_TEST_EXPORTLAGER_H
#define OX_TEST_EXPORTLAGER_H

#include "kontext/ktoxedi.h"
#include "harness/person.h"
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "hostapi/oxtabelle.h"
#include "standin.h"

#include <map>
#include <string>
#include <vector>

/* The company's own ILN that the stores' INI file names. */
extern const char* const EIGENE_ILN;

struct ExportLager {
    std::string wurzel;          /* test folder, trailing backslash */
    std::string exportOrdner;    /* wurzel + "EDI_EXPORT\" */
    StandinHost host;
    EDI_KONTEXT* kontext = nullptr;
};

/* Host on wurzel + "DATEN\" (stores, INI with the own ILN), the export list
 * set to every article, a fresh call context in g_Kontext (mode export,
 * options: address file and numbers on, maintenance flag off). */
void LagerAnlegen(ExportLager& lager, const std::string& name);
/* Frees the call context. */
void LagerFreigeben(ExportLager& lager);

/* A characteristic of kind `art`; returns its number. */
int32_t MerkmalNeu(int32_t art, const std::string& code, const std::string& text);

/* A supplier: characteristic of kind 8 and supplier record under the same
 * number. `satz` (may be null) gives the address fields; its ILN slot 1 is
 * set to `iln` when that is not empty. */
int32_t LieferantNeu(const std::string& code, const std::string& name, const std::string& iln,
                     const LIEFERANTEN_SATZ* satz = nullptr);

struct ArtikelDaten {
    int32_t lieferant = 0;               /* supplier number */
    std::string nummerText;              /* article number text (kind 0 text) */
    char kennzeichen = 0;
    int32_t ek1 = 0, vk1 = 0, ek2 = 0, vk2 = 0;
    int16_t mwst = 2;
    int16_t pflege = 1;
    int32_t serie = 0;
    std::string zusatztext;
    std::map<int32_t, std::string> codes;   /* kind (1..7, 11) -> code */
};

/* An article (kind 0 characteristic and article record); returns its number. */
int32_t ArtikelNeu(const ArtikelDaten& daten);

/* One axis of a table: kind, characteristic numbers, prices per entry
 * (vertical axis only) and colour texts (any axis, may be shorter). */
struct Achse {
    int32_t art = 0;
    std::vector<int32_t> nummern;
    std::vector<TAB_PREISE> preise;
    std::vector<std::string> farbtexte;
};

/* Stores the table of article (or series, besitzer 1) `nummer`. */
void TabelleSpeichern(int32_t besitzer, int32_t nummer, const Achse& senkrecht, const Achse& waagrecht);

/* One EAN entry: codes of kinds 1..8 (empty = none) and the EAN. */
struct EanEintrag {
    std::map<int32_t, std::string> codes;
    std::string ean;
};
void EansSpeichern(int32_t artikel, const std::vector<EanEintrag>& eintraege);

/* An EAN-13 with the right check digit for the 12 digits given. */
std::string Ean13(const std::string& zwoelf);

/* The records of a catalogue file read back through the EDI library; the
 * number of header lines and the first header line into the outputs. */
std::vector<PRICAT_DATEN> KatalogLesen(const std::string& pfad, int* kopfzeilen = nullptr,
                                       std::string* kopf = nullptr);

/* A field of a record as a string (bounded by its width). */
std::string Feld(const char* feld, size_t breite);
#define FELD(d, f) Feld((d).f, sizeof (d).f)

/* Runs the writer as the dialog does, answering every message box with OK
 * and collecting them. */
int32_t ExportLaufen(ExportLager& lager, const char* lieferant, const char* erweiterung = "",
                     const char* info = nullptr, std::vector<MessageBoxInfo>* boxen = nullptr);

/* Names of the files in a folder (not the sub-folders). */
std::vector<std::string> Dateien(const std::string& ordner);

/*
 * A demo store: `lieferanten` suppliers ("0001".., umlaut names, ten ILNs,
 * full addresses), each with `artikel` articles whose tables have `groessen`
 * sizes (vertical, kind 7, prices per size) and `farben` colours
 * (horizontal, kind 6, colour texts), EANs for every cell, characteristics
 * of kinds 1 to 5 and 11. Deterministic for one `saat`.
 */
struct DemoLager {
    std::vector<int32_t> lieferanten;
    std::vector<std::vector<int32_t>> artikel;   /* per supplier */
};
DemoLager DemoLagerErzeugen(int lieferanten, int artikel, int groessen, int farben, unsigned saat);

#endif
