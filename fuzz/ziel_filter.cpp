/*
 * ziel_filter.cpp - fuzz target: the filter run, its value index and the
 * sorting of the filter page's list.
 *
 * The bytes make a row table (up to 64 rows; criterion fields from a small
 * stock of texts, with keys before "@", blanks, case twins and texts
 * longer than a value), value lists that may miss some rows' values, the
 * rows selected before the run and up to five choices (a row's value, a
 * text of the stock or a longer text). The fast path (value index, field
 * compared in place) must decide every row like the plain rule
 * FilterRegelPasst, the counters must follow, and the sorted list must be
 * the selected rows in column order, equal texts in table order.
 */
#include "pricat_in/stichwort.h"
#include "grund/plattform.h"
#include "nativ/werkzeug.h"
#include "pricat_in/filterlauf.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t ZEILEN = 64;

const char* const VORRAT[] = {
    "", "DOB", "dob", "HAKA", "12@DOB", "13@HAKA", " DOB", "Strick", "Strickjacke", "@",
    "Jacke@Strick", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOP",
    "\xe4\xf6\xfc", "Mode", "x@ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRS",
};
constexpr size_t VORRAT_ANZAHL = sizeof VORRAT / sizeof VORRAT[0];

void Setzen(char* feld, size_t groesse, const char* text)
{
    std::strncpy(feld, text, groesse - 1);
    feld[groesse - 1] = '\0';
}

struct Welt {
    std::vector<PRICAT_SATZ> tabelle = std::vector<PRICAT_SATZ>(ZEILEN);
    FILTERWERTE werte[FILTER_KRITERIEN];
    int16_t index[ZEILEN][FILTER_KRITERIEN];
    int32_t anzeige[ZEILEN];
    int32_t anzahlSaetze = 0, anzahlGefiltert = 0, gesamt = 0, leseZeiger = 0, indexGueltig = 0, anzeigeAnzahl = 0;
    FELDMAP_STAND feldMap;
    STICHWORT_REGELN regeln;
    FILTER_STAND stand;

    Welt()
    {
        std::memset(werte, 0, sizeof werte);
        std::memset(index, 0x5A, sizeof index);
        std::memset(&feldMap, 0, sizeof feldMap);
        std::strcpy(feldMap.GeladenIln, "4000000000001");
        regeln.FeldMap = &feldMap;
        regeln.KatalogIln = "4000000000001";
        regeln.Grossschreibung = 0;
        stand.Zeilen.Tabelle = tabelle.data();
        stand.Zeilen.Kapazitaet = ZEILEN;
        stand.Zeilen.Werte = werte;
        stand.Zeilen.AnzahlSaetze = &anzahlSaetze;
        stand.Zeilen.AnzahlGefiltert = &anzahlGefiltert;
        stand.Zeilen.AnzahlSaetzeGesamt = &gesamt;
        stand.Zeilen.LeseZeiger = &leseZeiger;
        stand.Regeln = &regeln;
        stand.Index = index;
        stand.IndexGueltig = &indexGueltig;
        stand.Anzeige = anzeige;
        stand.AnzeigeAnzahl = &anzeigeAnzahl;
    }
};

std::string Zelle(const Welt& w, int32_t zeile, int32_t spalte)
{
    char text[80];
    FilterZelle(&w.regeln, &w.tabelle[zeile].PricatDaten, spalte, text, sizeof text);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    NativQuelle l{daten, groesse};
    Welt w;
    w.gesamt = 1 + l.Byte() % ZEILEN;
    uint8_t art = l.Byte();
    w.feldMap.Vorhanden = (art & 1) ? 1 : 0;

    for (int32_t z = 0; z < w.gesamt; z++) {
        PRICAT_SATZ& s = w.tabelle[z];
        PRICAT_DATEN& d = s.PricatDaten;
        s.SatzNummer = z;
        s.Ausgewaehlt = (l.Byte() % 8) != 0 ? 1 : 0;
        w.anzahlSaetze += s.Ausgewaehlt;
        char* felder[] = { d.Hauptgruppe, d.Warengruppe, d.WarengruppeErsatz1, d.WarengruppeErsatz2, d.Serie,
                           d.Label, d.Material, d.Artikel, d.Zusatztext, d.BleFarbe, d.Lieferantenfarbe, d.Saison };
        size_t breiten[] = { sizeof d.Hauptgruppe, sizeof d.Warengruppe, sizeof d.WarengruppeErsatz1,
                             sizeof d.WarengruppeErsatz2, sizeof d.Serie, sizeof d.Label, sizeof d.Material,
                             sizeof d.Artikel, sizeof d.Zusatztext, sizeof d.BleFarbe, sizeof d.Lieferantenfarbe,
                             sizeof d.Saison };
        for (size_t f = 0; f < sizeof felder / sizeof felder[0]; f++) {
            uint8_t b = l.Byte();
            Setzen(felder[f], breiten[f], VORRAT[b % VORRAT_ANZAHL]);
            /* a field filled to its width carries no terminator */
            if (b >= 0xF0)
                std::memset(felder[f], 'W', breiten[f]);
        }
    }

    /* The value lists as the reader fills them, but some rows' values are
     * missing (a full list, or a value changed since). */
    uint8_t luecken = l.Byte();
    for (int32_t z = 0; z < w.gesamt; z++) {
        if (luecken != 0 && z % (1 + luecken % 7) == 0)
            continue;
        for (int32_t k = 1; k <= FILTER_KRITERIEN; k++) {
            char wert[FILTERWERT_LAENGE + 1];
            FilterwertText(&w.regeln, &w.tabelle[z].PricatDaten, k, wert);
            FilterwertEintragen(&w.werte[k - 1], wert);
        }
    }
    for (int32_t k = 0; k < FILTER_KRITERIEN; k++) {
        uint8_t b = l.Byte();
        if (b % 3 == 0)
            continue;
        char wahl[FILTERWERT_LAENGE + 1];
        if (b % 3 == 1)
            FilterwertText(&w.regeln, &w.tabelle[l.Byte() % w.gesamt].PricatDaten, k + 1, wahl);
        else
            Setzen(wahl, sizeof wahl, VORRAT[l.Byte() % VORRAT_ANZAHL]);
        Setzen(w.werte[k].Auswahl.Text, sizeof w.werte[k].Auswahl.Text, wahl);
    }

    std::vector<int32_t> vorher(w.gesamt);
    for (int32_t z = 0; z < w.gesamt; z++)
        vorher[z] = w.tabelle[z].Ausgewaehlt;
    int32_t erwartet = w.anzahlSaetze;
    for (int32_t z = 0; z < w.gesamt; z++) {
        if (vorher[z] != 1)
            continue;
        for (int32_t k = 0; k < FILTER_KRITERIEN; k++) {
            const char* wahl = w.werte[k].Auswahl.Text;
            if (wahl[0] != '\0' && !FilterRegelPasst(&w.stand, &w.tabelle[z].PricatDaten, k + 1, wahl)) {
                vorher[z] = 0;
                erwartet--;
                break;
            }
        }
    }
    int32_t gefiltert = FilterLauf(&w.stand);
    NativPruefen(gefiltert == erwartet, "filter run counts the rows the plain rule keeps");
    NativPruefen(w.anzahlSaetze == erwartet && w.anzahlGefiltert == erwartet, "counters follow the run");
    for (int32_t z = 0; z < w.gesamt; z++)
        NativPruefen(w.tabelle[z].Ausgewaehlt == vorher[z], "each row decided like the plain rule");

    /* The list: the selected rows, sorted by a column. */
    int32_t zeilen = FilterAnzeigeBilden(&w.stand);
    NativPruefen(zeilen == erwartet, "one list line per selected row");
    int32_t spalte = l.Byte() % FILTER_SPALTEN;
    int absteigend = l.Byte() & 1;
    NativPruefen(FilterAnzeigeOrdnen(&w.stand, spalte, absteigend) == 1, "sorted");
    std::vector<int> gesehen(w.gesamt, 0);
    for (int32_t i = 0; i < zeilen; i++) {
        int32_t z = w.anzeige[i];
        NativPruefen(z >= 0 && z < w.gesamt && w.tabelle[z].Ausgewaehlt == 1 && !gesehen[z], "lines are the rows");
        gesehen[z] = 1;
        if (i == 0)
            continue;
        int32_t vor = w.anzeige[i - 1];
        int ordnung = TextVergleichen(Zelle(w, vor, spalte).c_str(), Zelle(w, z, spalte).c_str());
        if (absteigend)
            ordnung = -ordnung;
        NativPruefen(ordnung < 0 || (ordnung == 0 && vor < z), "column order, equal texts in table order");
    }
    return 0;
}
