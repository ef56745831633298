/*
 * katalog_hilfen.h - a call context without window, catalogue files, and
 * supplier records for the tests of the catalogue reading and the keyword
 * engine (and their benchmark).
 */
#ifndef OX_TEST_KATALOG_HILFEN_H
#define OX_TEST_KATALOG_HILFEN_H

#if defined(_WIN32)
#  include <windows.h>
#endif

#include <cstring>
#include <string>
#include <vector>

#include "edi/edi_hilfen.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "harness/testordner.h"
#include "DBADLL/dbadll_host.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "standin.h"

/* A call context of its own (as the entry makes it, without a dialog) on a
 * fresh host data folder; g_Kontext points to it while it lives. */
struct TestKontext {
    StandinHost host;
    std::string wurzel;      /* fresh folder, trailing backslash */
    EDI_KONTEXT* k = nullptr;

    explicit TestKontext(const std::string& name)
    {
#if defined(_WIN32)
        g_ModulInstanz = GetModuleHandleA(nullptr);
#endif
        g_StandinStill = 1;
        wurzel = NeuerTestordner(name);
        Standin_Init(host, wurzel + "DATEN\\");
        Standin_Parameter(host, 1);
        k = static_cast<EDI_KONTEXT*>(Storage_Allocate(sizeof(EDI_KONTEXT)));
        KontextAusParameterFuellen(k, &host.parameter);
        g_Kontext = k;
    }
    ~TestKontext()
    {
        g_Kontext = nullptr;
        Storage_Deallocate(k);
    }
    TestKontext(const TestKontext&) = delete;
    TestKontext& operator=(const TestKontext&) = delete;
};

/* A catalogue variation with its own EAN, of article `nummer / 4`. */
inline PRICAT_DATEN Zeile(int nummer, const char* iln = "4012345000009")
{
    PRICAT_DATEN d = edihilfe::Variation(nummer);
    EDI_SETZEN(d, LieferantenIln, iln);
    return d;
}

/* Writes a catalogue file: header line, then the records' lines, then the
 * given extra lines. */
inline void KatalogSchreiben(const std::string& pfad, const std::vector<PRICAT_DATEN>& zeilen,
                             const std::string& zusatz = "")
{
    std::string inhalt = edihilfe::PricatKopfzeile("4012345000009", "4000000000001", "Herbst");
    inhalt.reserve(zeilen.size() * 700 + inhalt.size());
    for (const PRICAT_DATEN& d : zeilen)
        inhalt += edihilfe::PricatZeile(d);
    inhalt += zusatz;
    edihilfe::Schreiben(pfad, inhalt);
}

/* `anzahl` variations numbered 0, 1, ... */
inline std::vector<PRICAT_DATEN> Zeilen(int anzahl)
{
    std::vector<PRICAT_DATEN> v;
    v.reserve(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; i++)
        v.push_back(Zeile(i));
    return v;
}

/* A DESADV position line (a record of another kind). */
inline std::string DesadvZeile()
{
    DESADV_KOPF kopf;
    DESADV_REFERENZ referenz;
    DESADV_POSITION position;
    std::memset(&kopf, 0, sizeof kopf);
    std::memset(&referenz, 0, sizeof referenz);
    std::memset(&position, 0, sizeof position);
    EDI_SETZEN(kopf, Nachrichtentyp, "DESADV");
    EDI_SETZEN(position, Gtin, "4012345100001");
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_PositionsSatzErstellen(aus, &kopf, &referenz, &position);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

/* Stores supplier `nummer` with `iln` in ILN slot `slot` and its
 * characteristic of kind 8 (code = number text, text = `name`). */
inline void LieferantAnlegen(int32_t nummer, const std::string& iln, int slot = 0,
                             const std::string& name = "Strickwaren")
{
    LIEFERANTEN_SATZ s;
    LieferantenDBA_ClearRecord(&s);
    EDI_SETZEN(s, Name, name);
    edihilfe::Setzen(s.Iln[slot], sizeof s.Iln[slot], iln);
    LieferantenDBA_SchreibeRecord(nummer, &s);
    MERKMAL_SATZ m;
    std::memset(&m, 0, sizeof m);
    m.Nummer = nummer;
    m.Art = 8;
    std::string code = std::to_string(nummer);
    EDI_SETZEN(m, Code, code);
    EDI_SETZEN(m, Text, name);
    MMLIB_SchreibeMerkmal(8, &m);
}

/* Writes the field map file of the supplier `iln` (section "PRICAT"). */
inline void FeldMapSchreiben(const char* iln, const std::string& schluessel)
{
    char pfad[OX_TXT_PATH] = "", ordner[OX_TXT_PATH] = "";
    EDIMapDBA_CreateFeldMapFileName(iln, pfad);
    FileIO_Separate(pfad, ordner, sizeof ordner, nullptr, 0);
    FileIO_PathCreate(ordner);
    DateiSchreiben(pfad, "[PRICAT]\r\n" + schluessel);
}

#if defined(_WIN32)
/* A hidden window with the main window's two counters (static controls
 * 1007 "Datensaetze" and 1009 "Gefiltert"), showing "-" at first. */
struct Zaehlerfenster {
    HWND fenster;
    Zaehlerfenster()
    {
        fenster = CreateWindowExA(0, "STATIC", "EDI Import", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        for (int id : { 1007, 1009 })
            CreateWindowExA(0, "STATIC", "-", WS_CHILD, 0, 0, 50, 20, fenster, (HMENU)(INT_PTR)id,
                            GetModuleHandleA(nullptr), nullptr);
    }
    ~Zaehlerfenster() { DestroyWindow(fenster); }
    std::string Text(int id) const
    {
        char t[64] = "";
        GetDlgItemTextA(fenster, id, t, sizeof t);
        return t;
    }
};
#endif

#endif
