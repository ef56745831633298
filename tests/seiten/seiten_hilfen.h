/*
 * seiten_hilfen.h - a host data folder with suppliers and catalogue files
 * for the tests of the main window's pages, and the call of the module as
 * the host makes it.
 */
#ifndef OX_TEST_SEITEN_HILFEN_H
#define OX_TEST_SEITEN_HILFEN_H

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "edi/edi_hilfen.h"
#include "kontext/ktoxedi.h"
#include "harness/person.h"
#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "hostapi/oxglobdlg.h"
#include "OXINIFILE/oxinifile_host.h"
#include "OXTEXDEFS/oxtexdefs_host.h"
#include "callbacks.h"
#include "standin.h"

namespace seiten {

inline const char* const ILN_STRICK = "4012345000009";   /* supplier 17 */
inline const char* const ILN_SCHUH = "4098765000003";    /* supplier 23 */
inline const char* const ILN_FREMD = "4055555000001";    /* no supplier */
inline const char* const ILN_PARTNER = "4000000000001";  /* the receiver, no supplier either */

/* Supplier `nummer` with `iln` in its first ILN slot, and its
 * characteristic of kind 8 (code = number text, text = name). */
inline void Lieferant(int32_t nummer, const std::string& iln, const std::string& name)
{
    LIEFERANTEN_SATZ s;
    LieferantenDBA_ClearRecord(&s);
    EDI_SETZEN(s, Name, name);
    edihilfe::Setzen(s.Iln[0], sizeof s.Iln[0], iln);
    LieferantenDBA_SchreibeRecord(nummer, &s);
    MERKMAL_SATZ m;
    std::memset(&m, 0, sizeof m);
    m.Nummer = nummer;
    m.Art = 8;
    EDI_SETZEN(m, Code, std::to_string(nummer));
    EDI_SETZEN(m, Text, name);
    MMLIB_SchreibeMerkmal(8, &m);
}

/* A characteristic (kind, number, code, text). */
inline void Merkmal(int32_t art, int32_t nummer, const std::string& code, const std::string& text)
{
    MERKMAL_SATZ m;
    std::memset(&m, 0, sizeof m);
    m.Nummer = nummer;
    m.Art = art;
    EDI_SETZEN(m, Code, code);
    EDI_SETZEN(m, Text, text);
    MMLIB_SchreibeMerkmal(art, &m);
}

/*
 * Row `n` of a catalogue of supplier `iln`, four variations per article:
 * Hauptgruppe by article modulo 3 "3@DOB", "4@HAKA", "9@dob"; Warengruppe
 * by article parity "31@Strick" / "32@Jersey", except article 5 whose
 * Warengruppe is empty and whose first replacement is "33@Webware";
 * Material "6@Wolle" for every fourth article, else "5@Baumwolle".
 */
inline PRICAT_DATEN Zeile(int n, const char* iln)
{
    PRICAT_DATEN d = edihilfe::Variation(n);
    int artikel = n / 4;
    EDI_SETZEN(d, LieferantenIln, iln);
    char t[80];
    std::snprintf(t, sizeof t, "A%d@Jacke %d", 100 + artikel, artikel);
    EDI_SETZEN(d, Artikel, t);
    static const char* const hg[] = { "3@DOB", "4@HAKA", "9@dob" };
    EDI_SETZEN(d, Hauptgruppe, hg[artikel % 3]);
    if (artikel == 5) {
        EDI_SETZEN(d, Warengruppe, "");
        EDI_SETZEN(d, WarengruppeErsatz1, "33@Webware");
    } else {
        EDI_SETZEN(d, Warengruppe, artikel % 2 ? "32@Jersey" : "31@Strick");
    }
    EDI_SETZEN(d, Material, artikel % 4 == 0 ? "6@Wolle" : "5@Baumwolle");
    return d;
}

/* Writes a catalogue file of `zeilen` rows of sender `iln`. */
inline void Katalog(const std::string& pfad, const char* iln, const std::string& beschreibung, int zeilen)
{
    std::string inhalt = edihilfe::PricatKopfzeile(iln, ILN_PARTNER, beschreibung.c_str());
    inhalt.reserve(inhalt.size() + static_cast<size_t>(zeilen) * 700);
    for (int n = 0; n < zeilen; n++)
        inhalt += edihilfe::PricatZeile(Zeile(n, iln));
    edihilfe::Schreiben(pfad, inhalt);
}

/* Today's date as the lists show it. */
inline std::string Heute()
{
    TEXDEFS_DATUM d;
    char text[16] = "";
    TEXDEFS_IntegerToDatum(TEXDEFS_Heute(), &d);
    TEXDEFS_DatumToString(&d, text, sizeof text);
    return text;
}

/* The host: data folder with two suppliers, the import folder beside it
 * with three catalogues (HERBST.INH of supplier 17 with 48 rows,
 * SCHUHE.PRI of supplier 23 with 20 rows, FREMD.INH of an unknown sender
 * with 4 rows). */
struct Host {
    StandinHost host;
    std::string wurzel;
    std::string importOrdner;

    explicit Host(const std::string& name, bool kataloge = true)
    {
        g_ModulInstanz = GetModuleHandleA(nullptr);
        g_StandinStill = 1;
        wurzel = NeuerTestordner(name);
        Standin_Init(host, wurzel + "DATEN\\");
        importOrdner = wurzel + "EDI_IMPORT\\";
        CreateDirectoryA(importOrdner.c_str(), nullptr);
        Lieferant(17, ILN_STRICK, "Strickwaren M\xfcller");
        Lieferant(23, ILN_SCHUH, "Schuhhaus Nord");
        if (kataloge) {
            Katalog(importOrdner + "HERBST.INH", ILN_STRICK, "Herbst", 48);
            Katalog(importOrdner + "SCHUHE.PRI", ILN_SCHUH, "Schuhe Sommer", 20);
            Katalog(importOrdner + "FREMD.INH", ILN_FREMD, "Unbekannt", 4);
        }
    }

    /* One call of the module in import mode while `person` acts. */
    INT_PTR Rufen(const std::function<void(Person&)>& person, int ms = 60000)
    {
        Standin_Parameter(host, 1);
        return RunWithPerson([&] { return (INT_PTR)KTOXEDI_Bearbeiten(&host.parameter); }, person, ms);
    }

    long IniLong(const char* sektion, const char* schluessel, long standard = -1) const
    {
        return INI2_GetLong(host.iniDatei.c_str(), sektion, schluessel, standard);
    }
    std::string IniText(const char* sektion, const char* schluessel) const
    {
        char text[256] = "";
        INI2_GetString(host.iniDatei.c_str(), sektion, schluessel, text, sizeof text);
        return text;
    }
};

struct SeitenSuche {
    const char* titel;
    HWND fund;
};

inline BOOL CALLBACK SeiteVergleichen(HWND h, LPARAM lp)
{
    SeitenSuche* s = reinterpret_cast<SeitenSuche*>(lp);
    char klasse[16] = "", text[64] = "";
    GetClassNameA(h, klasse, sizeof klasse);
    GetWindowTextA(h, text, sizeof text);
    if (std::strcmp(klasse, "#32770") == 0 && std::strcmp(text, s->titel) == 0) {
        s->fund = h;
        return FALSE;
    }
    return TRUE;
}

/* The tab page of the window whose caption (the tab's title) is `titel`. */
inline HWND Seite(HWND fenster, const char* titel)
{
    SeitenSuche suche{ titel, nullptr };
    EnumChildWindows(fenster, SeiteVergleichen, reinterpret_cast<LPARAM>(&suche));
    return suche.fund;
}

/* Every text of list column `spalte`, top to bottom. */
inline std::vector<std::string> Spalte(Person& p, HWND seite, int liste, int spalte)
{
    std::vector<std::string> texte;
    int n = p.ListViewCount(seite, liste);
    for (int i = 0; i < n; i++)
        texte.push_back(p.ListViewText(seite, liste, i, spalte));
    return texte;
}

/* Index of the combo entry that is exactly `text` (letter case counts),
 * -1 when none. */
inline int KombiIndex(Person& p, HWND seite, int kombi, const std::string& text)
{
    std::vector<std::string> eintraege = p.ComboEntries(seite, kombi);
    for (size_t i = 0; i < eintraege.size(); i++)
        if (eintraege[i] == text)
            return static_cast<int>(i);
    return -1;
}

}  // namespace seiten

#endif
