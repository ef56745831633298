/*
 * ziel_katalog.cpp - fuzz target: the EDI library's record reader and
 * decoders, and the catalogue reading into the row table (row limit, value
 * lists, iterator, filter reset, keywords of every kind).
 *
 * The first byte chooses how the rest becomes a catalogue file: even - the
 * bytes are the file; odd - the bytes describe records (kind and field
 * contents), which are written with the EDI library's own writers, so that
 * hostile field contents (full width without terminator, "@" anywhere,
 * blanks, overlong texts) reach the row table.
 */
#include "pricat_in/stichwort.h"
#include "hostapi/edi.h"
#include "KTLINEREAD/ktlineread_host.h"
#include "nativ/werkzeug.h"
#include "pricat_in/zeilen.h"
#include "edi_core.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t KAPAZITAET = 16;

PRICAT_SATZ g_tabelle[KAPAZITAET];
FILTERWERTE g_werte[FILTER_KRITERIEN];
FELDMAP_STAND g_feldmap;

using Quelle = NativQuelle;

std::string DateiAusBeschreibung(Quelle q)
{
    std::string datei;
    char zeile[EDI_AUSGABE_GROESSE];
    EDI_KOPFSATZ kopf;
    std::memset(&kopf, 0, sizeof kopf);
    std::strcpy(kopf.AbsenderIln, "4000000000001");
    std::strcpy(kopf.PartnerIln, "4000000000002");
    if (EDIPRICAT_BTEPRI_SatzErstellen(zeile, &kopf) > 0)
        datei += zeile;
    while (q.rest > 0) {
        uint8_t art = q.Byte();
        if ((art & 3) == 0) {
            /* a PRICAT record from field contents */
            PRICAT_DATEN d;
            std::memset(&d, 0, sizeof d);
            for (int f = 0; f < EDI_PRICAT_FELDER && q.rest > 0; f++) {
                const edikern::Feld& feld = edikern::PRICAT_FELDER[f];
                size_t laenge = q.Byte() % (feld.breite + 1u);
                for (size_t i = 0; i < laenge; i++)
                    reinterpret_cast<char*>(&d)[feld.offset + i] = static_cast<char>(q.Byte());
            }
            if (art & 4)
                std::memcpy(d.LieferantenIln, "4000000000001", 14);
            if (EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(zeile, &d, 0, nullptr) > 0)
                datei += zeile;
        } else if ((art & 3) == 1) {
            /* a DESADV position */
            DESADV_KOPF k;
            DESADV_REFERENZ r;
            DESADV_POSITION p;
            std::memset(&k, 0, sizeof k);
            std::memset(&r, 0, sizeof r);
            std::memset(&p, 0, sizeof p);
            std::strcpy(p.Gtin, "4000000000019");
            if (EDIDESADV_PositionsSatzErstellen(zeile, &k, &r, &p) > 0)
                datei += zeile;
        } else {
            /* a line of raw bytes */
            size_t laenge = q.Byte();
            for (size_t i = 0; i < laenge; i++)
                datei += static_cast<char>(q.Byte());
            datei += "\r\n";
        }
    }
    return datei;
}

void Pruefen(const PRICAT_ZEILEN& z, const STICHWORT_REGELN& regeln, const uint8_t* daten, size_t groesse)
{
    int32_t anzahl = *z.AnzahlSaetze;
    NativPruefen(anzahl >= 0 && anzahl <= KAPAZITAET, "rows within the table");
    for (int32_t i = 0; i < anzahl; i++) {
        NativPruefen(g_tabelle[i].SatzNummer == i && g_tabelle[i].Ausgewaehlt == 1, "row numbered and selected");
        NativPruefen(strnlen(g_tabelle[i].PricatDaten.LieferantenIln, 14) == 13, "row ILN has 13 characters");
    }
    for (int k = 0; k < FILTER_KRITERIEN; k++) {
        const FILTERWERTE& l = g_werte[k];
        NativPruefen(l.Anzahl >= 0 && l.Anzahl <= FILTERWERTE_MAX, "value count");
        for (int32_t a = 0; a < l.Anzahl; a++) {
            NativPruefen(strnlen(l.Wert[a].Text, sizeof l.Wert[a].Text) <= FILTERWERT_LAENGE, "value bounded");
            for (int32_t b = 0; b < a; b++)
                NativPruefen(std::strcmp(l.Wert[a].Text, l.Wert[b].Text) != 0, "value entered once");
        }
        for (int32_t i = 0; i < anzahl; i++) {
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertText(&regeln, &g_tabelle[i].PricatDaten, k + 1, wert);
            NativPruefen(FilterwertSuchen(&l, wert) >= 0, "every row's value is listed");
        }
    }

    /* keywords of every kind, colour texts */
    for (int32_t i = 0; i < anzahl; i++) {
        for (int art = -1; art <= 12; art++) {
            char wort[STICHWORT_GROESSE];
            StichwortDerArt(&regeln, art, &g_tabelle[i].PricatDaten, wort, sizeof wort);
            char ganz[STICHWORT_GROESSE];
            StichwortUngekuerzt(&regeln, art, &g_tabelle[i].PricatDaten, ganz, sizeof ganz);
            size_t n = std::strlen(wort);
            size_t grenze = std::strlen(ganz) <= STICHWORT_KURZ ? STICHWORT_KURZ
                            : (std::strchr(ganz, '@') ? STICHWORT_KURZ_AT : STICHWORT_KURZ);
            NativPruefen(std::strncmp(wort, ganz, n) == 0 && n == std::min(std::strlen(ganz), grenze), "keyword cut");
            NativPruefen(StichwortArtBeschreibung(art) != nullptr || n == 0, "no keyword without a kind");
            char schluessel[STICHWORT_GROESSE], text[STICHWORT_GROESSE];
            StichwortUndSchluesselDerArt(&regeln, art, &g_tabelle[i].PricatDaten, schluessel, sizeof schluessel,
                                         text, sizeof text);
        }
        for (int modus = 0; modus <= 2; modus++) {
            char farbe[64];
            LieferantenFarbTextDerZeile(modus, &g_tabelle[i].PricatDaten, farbe, sizeof farbe);
            NativPruefen(std::strlen(farbe) <= FARBTEXT_LAENGE, "colour text cut");
        }
    }

    /* a filter by the bytes, then the iterator, then filter off */
    *z.AnzahlSaetzeGesamt = anzahl;
    std::vector<int32_t> gewaehlt;
    int32_t ausgewaehlt = 0;
    for (int32_t i = 0; i < anzahl; i++) {
        g_tabelle[i].Ausgewaehlt = (groesse > 0 && (daten[i % groesse] & 1)) ? 1 : 0;
        if (g_tabelle[i].Ausgewaehlt)
            gewaehlt.push_back(i);
        ausgewaehlt += g_tabelle[i].Ausgewaehlt;
    }
    *z.AnzahlSaetze = ausgewaehlt;
    for (int runde = 0; runde < 2; runde++) {
        NativPruefen(ZeilenErster(&z) == (ausgewaehlt != 0), "first row");
        for (int32_t i : gewaehlt)
            NativPruefen(ZeilenNaechster(&z) == &g_tabelle[i].PricatDaten, "next selected row in order");
        NativPruefen(ZeilenNaechster(&z) == nullptr && ZeilenNaechster(&z) == nullptr, "then null");
    }
    ZeilenFilterAus(&z);
    NativPruefen(*z.AnzahlSaetze == anzahl && *z.AnzahlGefiltert == 0, "filter off counts");
    for (int32_t i = 0; i < anzahl; i++)
        NativPruefen(g_tabelle[i].Ausgewaehlt == 1, "filter off selects all");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    EdiKern_FuzzEingabe(daten, groesse);

    int32_t leser = LR_OpenReaders();
    std::string datei;
    if (groesse > 0 && (daten[0] & 1))
        datei = DateiAusBeschreibung(Quelle{ daten + 1, groesse - 1 });
    else if (groesse > 0)
        datei.assign(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    NativDateiSchreiben("K.INH", datei.data(), datei.size());

    int32_t saetze = 99, gefiltert = 99, gesamt = 0, zeiger = 5;
    PRICAT_ZEILEN z{ g_tabelle, KAPAZITAET, g_werte, &saetze, &gefiltert, &gesamt, &zeiger };
    STICHWORT_REGELN regeln{ &g_feldmap, "4000000000001", 1 };
    NativPruefen(ZeilenEinlesen(&z, "K.INH", "4000000000009", &regeln) == 1, "file opened");
    NativPruefen(gefiltert == 0, "no filter after reading");
    Pruefen(z, regeln, daten, groesse);
    NativPruefen(LR_OpenReaders() == leser, "line readers released");
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    NativArbeitsordner();
    return 0;
}
