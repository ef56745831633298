/*
 * edi_hilfen.h - records, files and reading loops shared by the EDI
 * library's tests and its benchmark.
 */
#ifndef OX_TEST_EDI_HILFEN_H
#define OX_TEST_EDI_HILFEN_H

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <chrono>
#include <string>
#include <vector>

#include "hostapi/edi.h"

namespace edihilfe {

/* Puts `text` into a field of `breite` bytes: terminated when shorter,
 * without terminator when it fills the field. */
inline void Setzen(char* feld, size_t breite, const std::string& text)
{
    std::memset(feld, 0, breite);
    size_t n = text.size() < breite ? text.size() : breite;
    for (size_t i = 0; i < n; ++i) feld[i] = text[i];
}
#define EDI_SETZEN(satz, feld, text) edihilfe::Setzen((satz).feld, sizeof((satz).feld), (text))

/* A catalogue variation as the export writes it. */
inline PRICAT_DATEN Variation(int nummer)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    int artikel = nummer / 12;
    EDI_SETZEN(d, Nachrichtentyp, "PRICAT");
    EDI_SETZEN(d, Lieferant, "17@Strickwaren M\xFC" "ller GmbH");
    EDI_SETZEN(d, Nachrichtenfunktion, "02");
    EDI_SETZEN(d, LieferantenIln, "4012345000009");
    char t[80];
    std::snprintf(t, sizeof(t), "%lld", 4012345100000LL + nummer);
    EDI_SETZEN(d, Ean, t);
    std::snprintf(t, sizeof(t), "A%d@Strickjacke %d Gr\xF6\xDF" "e", 10000 + artikel, artikel);
    EDI_SETZEN(d, Artikel, t);
    EDI_SETZEN(d, Hauptgruppe, "3@DOB");
    EDI_SETZEN(d, Warengruppe, "31@Strick");
    EDI_SETZEN(d, Serie, "7@Basic");
    EDI_SETZEN(d, Label, "12@Nordlicht");
    EDI_SETZEN(d, Material, "5@Baumwolle");
    std::snprintf(t, sizeof(t), "%d@%s", 10 + nummer % 6, nummer % 2 ? "rot" : "blau");
    EDI_SETZEN(d, BleFarbe, t);
    std::snprintf(t, sizeof(t), "%d", 36 + 2 * (nummer % 6));
    EDI_SETZEN(d, Merkmal7, t);
    EDI_SETZEN(d, Saison, "2@Herbst/Winter");
    EDI_SETZEN(d, Lieferantenfarbe, nummer % 2 ? "rot meliert" : "marine");
    EDI_SETZEN(d, Zusatztext, "pflegeleicht");
    std::snprintf(t, sizeof(t), "%d", 2999 + artikel);
    EDI_SETZEN(d, Preis1, t);
    std::snprintf(t, sizeof(t), "%d", 5999 + artikel);
    EDI_SETZEN(d, Preis2, t);
    EDI_SETZEN(d, Preis3, nummer % 3 ? "" : "   ");
    EDI_SETZEN(d, MwstSatz, "19");
    return d;
}

/* A small deterministic generator for test data. */
struct Zufall {
    uint64_t s;
    uint32_t operator()()
    {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(s >> 33);
    }
    uint32_t bis(uint32_t n) { return (*this)() % n; }
};

/* A unique file name in the temp folder (the file is not created). */
inline std::string TempDatei(const std::string& name)
{
    static const long long lauf =
        std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007LL;
    static int zaehler = 0;
    std::error_code ec;
    std::string eindeutig =
        "edi_" + std::to_string(lauf) + "_" + std::to_string(++zaehler) + "_" + name;
    return (std::filesystem::temp_directory_path(ec) / eindeutig).string();
}

inline void Schreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

/* A line of one of the writers as a string. */
inline std::string PricatZeile(const PRICAT_DATEN& d)
{
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(aus, &d, 0, "4000000000001");
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

inline std::string PricatKopfzeile(const char* absender, const char* partner,
                                   const char* beschreibung = "")
{
    EDI_KOPFSATZ k;
    std::memset(&k, 0, sizeof(k));
    EDI_SETZEN(k, Kennung, "BTEPRI");
    EDI_SETZEN(k, Nachricht, "PRICAT");
    EDI_SETZEN(k, AbsenderIln, absender);
    EDI_SETZEN(k, PartnerIln, partner);
    EDI_SETZEN(k, Beschreibung, beschreibung);
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_BTEPRI_SatzErstellen(aus, &k);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

/* One record as the reader handed it out. */
struct Gelesen {
    std::string text;
    int32_t satzart, nachrichtenart, zeile;
};

/* Every record of a file, read with a buffer of `groesse` bytes. */
inline std::vector<Gelesen> AllesLesen(const std::string& pfad, int32_t groesse = EDI_SATZ_GROESSE)
{
    std::vector<Gelesen> ergebnis;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (h == 0)
        return ergebnis;
    std::vector<char> puffer(static_cast<size_t>(groesse));
    Gelesen g{};
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, puffer.data(), groesse, &g.satzart,
                                                         &g.nachrichtenart, &g.zeile,
                                                         "4000000000001") == 1) {
        g.text = puffer.data();
        ergebnis.push_back(g);
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    return ergebnis;
}

} // namespace edihilfe

#endif
