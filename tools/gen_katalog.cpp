/*
 * gen_katalog.cpp - catalogue file sets: the catalogue (".INH"/".PRI")
 * with its header line and one record per variation, the supplier's
 * address file (".ADR") and the info texts.
 */
#include "oxgen.h"
#include "gen_intern.h"
#include "hostapi/edi.h"
#include "pricat_in/adresse.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <vector>

namespace {

void Feld(char* feld, size_t breite, const std::string& text)
{
    memset(feld, 0, breite);
    memcpy(feld, text.data(), std::min(breite, text.size()));
}

/* A text of exactly `n` characters made from `anfang` and filler words. */
std::string Lang(const std::string& anfang, size_t n)
{
    static const char* const woerter[] = { " Premium", " Kollektion", " Limited", " Edition", " Herbst",
                                           " mit Kn\xF6pfen", " und Taschen", " extra" };
    std::string s = anfang;
    for (int i = 0; s.size() < n; i++)
        s += woerter[i % 8];
    return s.substr(0, n);
}

/* Fills the text fields of a record to their full width, the brand with
 * a keyword far longer than 40 characters. */
void Ueberlang(PRICAT_DATEN* d)
{
    Feld(d->Artikel, sizeof d->Artikel, Lang(std::string(d->Artikel, strnlen(d->Artikel, sizeof d->Artikel)), 72));
    Feld(d->Label, sizeof d->Label, Lang(std::string(d->Label, strnlen(d->Label, sizeof d->Label)), 71));
    Feld(d->Hauptgruppe, sizeof d->Hauptgruppe,
         Lang(std::string(d->Hauptgruppe, strnlen(d->Hauptgruppe, sizeof d->Hauptgruppe)), 36));
    Feld(d->Warengruppe, sizeof d->Warengruppe,
         Lang(std::string(d->Warengruppe, strnlen(d->Warengruppe, sizeof d->Warengruppe)), 36));
    Feld(d->Zusatztext, sizeof d->Zusatztext, Lang("Pflegehinweis: nicht in den Trockner", 33));
    Feld(d->Artikelbeschreibung, sizeof d->Artikelbeschreibung,
         Lang(std::string(d->Artikelbeschreibung, strnlen(d->Artikelbeschreibung, sizeof d->Artikelbeschreibung)),
              60));
    Feld(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe,
         Lang(std::string(d->Lieferantenfarbe, strnlen(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe)), 72));
}

std::string Gross(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

/* The catalogue path cut at ".INH" (or ".PRI") in upper case, as the
 * catalogue reader finds the address file; "" when neither is there. */
std::string Basis(const std::string& pfad)
{
    std::string g = Gross(pfad);
    size_t p = g.find(".INH");
    if (p == std::string::npos)
        p = g.find(".PRI");
    return p == std::string::npos ? std::string() : g.substr(0, p);
}

std::string PricatZeile(const PRICAT_DATEN* d)
{
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(aus, d, 0, nullptr);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

/* A DESADV position line of the same article: a record of another kind
 * amid the catalogue. */
std::string FremdeSatzart(const PRICAT_DATEN* d)
{
    DESADV_KOPF kopf;
    DESADV_REFERENZ referenz;
    DESADV_POSITION position;
    memset(&kopf, 0, sizeof kopf);
    memset(&referenz, 0, sizeof referenz);
    memset(&position, 0, sizeof position);
    Feld(kopf.Nachrichtentyp, sizeof kopf.Nachrichtentyp, "DESADV");
    Feld(kopf.LieferantenIln, sizeof kopf.LieferantenIln, std::string(d->LieferantenIln, 13));
    Feld(position.Positionsnummer, sizeof position.Positionsnummer, "1");
    Feld(position.Gtin, sizeof position.Gtin, std::string(d->Ean, strnlen(d->Ean, sizeof d->Ean)));
    Feld(position.Menge, sizeof position.Menge, "1");
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_PositionsSatzErstellen(aus, &kopf, &referenz, &position);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

bool AdresseSchreiben(const std::string& basis, const GEN_LIEFERANT* l, std::vector<std::string>* dateien)
{
    LIEFERANTEN_SATZ satz;
    GenLieferantenSatz(l, &satz);
    std::vector<char> kopf(ADR_ZEILE_MAX + 1), daten(ADR_ZEILE_MAX + 1);
    if (AdressKopfzeileBilden(kopf.data(), kopf.size()) < 0 ||
        AdressDatenzeileBilden(&satz, l->Kuerzel, daten.data(), daten.size()) < 0)
        return false;
    std::string pfad = basis + ".ADR";
    /* the two lines as a text-mode write puts them */
    if (!GenDateiInhalt(pfad, GenTextmodus(std::string(kopf.data()) + daten.data())))
        return false;
    dateien->push_back(pfad);
    return true;
}

bool InfoSchreiben(const std::string& basis, const GEN_LIEFERANT* l, const std::string& text,
                   std::vector<std::string>* dateien)
{
    std::string inhalt = GenTextmodus(text);
    if (inhalt.empty() || inhalt.back() != '\n')
        inhalt += "\r\n";
    std::string txt = basis + ".TXT";
    std::string info = GenOrdnerVon(basis) + "ZUSATZINFOS\\INFO" + l->Kuerzel + ".TXT";
    if (!GenDateiInhalt(txt, inhalt) || !GenDateiInhalt(info, inhalt))
        return false;
    dateien->push_back(txt);
    dateien->push_back(info);
    return true;
}

} // namespace

int GenKatalogSchreiben(const GEN_KATALOG* k, GEN_KATALOG_ERGEBNIS* e)
{
    *e = GEN_KATALOG_ERGEBNIS();
    if (k == nullptr || k->Pfad.empty())
        return 0;
    GEN_LIEFERANT l, fremd;
    GenLieferant(k->Saat, k->Lieferant, &l);
    GenLieferant(k->Saat, k->Lieferant % 1000 + 1, &fremd);

    int32_t varianten = k->Varianten < 1 ? 1 : std::min<int32_t>(k->Varianten, GEN_MAX_VARIANTEN);
    /* Rows: N articles x M variations, or exactly the asked number. */
    int64_t zeilen = k->Zeilen > 0 ? k->Zeilen : static_cast<int64_t>(std::max(0, k->Artikel)) * varianten;

    GEN_DATEI datei;
    if (!GenDateiAnlegen(&datei, k->Pfad))
        return 0;
    EDI_KOPFSATZ kopf;
    memset(&kopf, 0, sizeof kopf);
    Feld(kopf.Kennung, sizeof kopf.Kennung, "BTEPRI");
    Feld(kopf.Nachricht, sizeof kopf.Nachricht, "PRICAT");
    Feld(kopf.AbsenderIln, sizeof kopf.AbsenderIln, l.Iln);
    Feld(kopf.PartnerIln, sizeof kopf.PartnerIln, l.Iln);
    Feld(kopf.Beschreibung, sizeof kopf.Beschreibung, k->Beschreibung);
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_BTEPRI_SatzErstellen(aus, &kopf);
    if (n <= 0) {
        GenDateiSchliessen(&datei);
        return 0;
    }
    GenDateiSchreiben(&datei, aus, static_cast<size_t>(n));

    GEN_ZUFALL z;
    GenZufallStart(&z, GenSaat(k->Saat, static_cast<uint64_t>(k->Lieferant), 0x4B4154));
    std::vector<std::string> eans;   /* every EAN written, for the duplicates */
    eans.reserve(static_cast<size_t>(zeilen));
    GEN_ARTIKEL a;
    int32_t artikelIndex = k->ErsterArtikel - 1, variante = 0;
    a.AnzahlVarianten = 0;
    PRICAT_DATEN d;
    int32_t beschaedigtArt = 0, falsche = 0;
    for (int64_t i = 0; i < zeilen; i++) {
        if (variante >= a.AnzahlVarianten) {
            GenArtikel(k->Saat, &l, ++artikelIndex, varianten, k->AuslaufProzent, &a);
            variante = 0;
            e->Artikel++;
        }
        GenPricatDaten(&l, &a, variante, k->MitNummern, &d);
        variante++;

        if (i > 0 && GenTrifft(i, k->DoppelteEans, zeilen, 1)) {
            /* the EAN of an earlier row */
            const std::string& frueher = eans[GenZufallBis(&z, static_cast<uint32_t>(i))];
            Feld(d.Ean, sizeof d.Ean, frueher);
        }
        bool lesbar = true;
        if (GenTrifft(i, k->FremdeIln, zeilen, 3))
            Feld(d.LieferantenIln, sizeof d.LieferantenIln, fremd.Iln);
        if (GenTrifft(i, k->FalscheIln, zeilen, 5)) {
            /* 12 and 14 characters in turn */
            std::string iln = l.Iln;
            Feld(d.LieferantenIln, sizeof d.LieferantenIln, (falsche++ % 2) ? iln + "0" : iln.substr(0, 12));
            lesbar = false;
        }
        if (k->Ueberlang && i % 5 == 0)
            Ueberlang(&d);
        eans.emplace_back(d.Ean, strnlen(d.Ean, sizeof d.Ean));

        std::string zeile = PricatZeile(&d);
        if (zeile.empty()) {
            GenDateiSchliessen(&datei);
            return 0;
        }
        if (GenTrifft(i, k->Beschaedigt, zeilen, 7)) {
            /* a damaged line before this record; every fifth one is a
             * record of another kind instead */
            int art = beschaedigtArt++;
            std::string schaden = art % 5 == 4 ? FremdeSatzart(&d)
                                               : GenBeschaedigen(zeile, zeile, art % 5, GenZufall64(&z));
            GenDateiSchreiben(&datei, schaden);
            e->Beschaedigt++;
        }
        GenDateiSchreiben(&datei, zeile);
        e->Saetze++;
        e->Lesbar += lesbar;
        e->Auslauf += a.Auslauf;
    }
    bool ok = GenDateiSchliessen(&datei);
    e->Bytes = datei.Geschrieben;
    e->Dateien.push_back(k->Pfad);
    if (!ok)
        return 0;

    std::string basis = Basis(k->Pfad);
    if (k->Adresse && !basis.empty() && !AdresseSchreiben(basis, &l, &e->Dateien))
        return 0;
    if (!k->InfoText.empty() && !basis.empty() && !InfoSchreiben(basis, &l, k->InfoText, &e->Dateien))
        return 0;
    return 1;
}
