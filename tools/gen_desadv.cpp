/*
 * gen_desadv.cpp - DESADV files: header line, the delivery note head and
 * one record per delivered position.
 */
#include "oxgen.h"
#include "gen_intern.h"
#include "hostapi/edi.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace {

void Feld(char* feld, size_t breite, const std::string& text)
{
    memset(feld, 0, breite);
    memcpy(feld, text.data(), std::min(breite, text.size()));
}

std::string Text(const char* feld, size_t breite)
{
    return std::string(feld, strnlen(feld, breite));
}

} // namespace

std::string GenEigeneIln(uint64_t saat)
{
    /* "40123450" and four digits of the seed: 4012345000009 for seed 1 */
    char iln[14];
    GenEan13(iln, 401234500000ull + (saat + 9999) % 10000);
    return iln;
}

int GenDesadvSchreiben(const GEN_DESADV* d, GEN_DESADV_ERGEBNIS* e)
{
    *e = GEN_DESADV_ERGEBNIS();
    if (d == nullptr || d->Pfad.empty())
        return 0;
    GEN_LIEFERANT l;
    GenLieferant(d->Saat, d->Lieferant, &l);
    std::string empfaenger = d->EmpfaengerIln.empty() ? GenEigeneIln(d->Saat) : d->EmpfaengerIln;
    GEN_ZUFALL z;
    GenZufallStart(&z, GenSaat(d->Saat, static_cast<uint64_t>(d->Lieferant), 0x444553));
    uint32_t lieferschein = 100000 + GenZufallBis(&z, 900000);

    /* The positions: as given, or from the supplier's articles. */
    std::vector<GEN_DESADV_POSITION> liste = d->Liste;
    std::vector<std::string> beschreibung, farbe, groesse;
    if (liste.empty()) {
        int32_t artikel = std::max(1, d->Artikel);
        GEN_ARTIKEL a;
        for (int32_t i = 0; i < std::max(0, d->Positionen); i++) {
            GenArtikel(d->Saat, &l, d->ErsterArtikel + i % artikel, d->Varianten, 0, &a);
            int32_t v = static_cast<int32_t>((i / artikel + GenZufallBis(&z, 3)) % a.AnzahlVarianten);
            GEN_DESADV_POSITION p;
            p.Gtin = a.Variante[v].Ean;
            p.ZweiterText = a.Nummer;
            p.Iln = empfaenger;
            p.Menge = 1 + static_cast<int32_t>(GenZufallBis(&z, 12));
            if (GenTrifft(i, d->UnbekannteGtin, d->Positionen, 2)) {
                char ean[14];
                GenEan13(ean, 200000000000ull + static_cast<uint64_t>(lieferschein) * 100 + i % 100);
                p.Gtin = ean;
            }
            if (GenTrifft(i, d->FremdeIln, d->Positionen, 4)) {
                char iln[14];
                GenEan13(iln, 409999900000ull + static_cast<uint64_t>(i));
                p.Iln = iln;
            } else if (GenTrifft(i, d->FalscheIln, d->Positionen, 6)) {
                p.Iln = empfaenger.substr(0, 12);
            }
            liste.push_back(p);
            beschreibung.push_back(a.Name);
            char t[80];
            GenLieferantenfarbe(&a, v, t, sizeof t);
            farbe.push_back(t);
            groesse.push_back(GenEintrag(7, GenGroesse(a.Groessenlauf, a.Variante[v].Groesse)).Text);
        }
    }

    GEN_DATEI datei;
    if (!GenDateiAnlegen(&datei, d->Pfad))
        return 0;
    char aus[EDI_AUSGABE_GROESSE];
    EDI_KOPFSATZ k;
    memset(&k, 0, sizeof k);
    Feld(k.Kennung, sizeof k.Kennung, "BTEDES");
    Feld(k.Nachricht, sizeof k.Nachricht, "DESADV");
    Feld(k.AbsenderIln, sizeof k.AbsenderIln, l.Iln);
    Feld(k.PartnerIln, sizeof k.PartnerIln, empfaenger);
    char t[80];
    snprintf(t, sizeof t, "Lieferschein %u", lieferschein);
    Feld(k.Beschreibung, sizeof k.Beschreibung, t);
    int32_t n = EDIDESADV_BTEDES_SatzErstellen(aus, &k);
    if (n <= 0) {
        GenDateiSchliessen(&datei);
        return 0;
    }
    GenDateiSchreiben(&datei, aus, static_cast<size_t>(n));

    DESADV_KOPF kopf;
    memset(&kopf, 0, sizeof kopf);
    Feld(kopf.Nachrichtentyp, sizeof kopf.Nachrichtentyp, "DESADV");
    Feld(kopf.Nachrichtenfunktion, sizeof kopf.Nachrichtenfunktion, "9");
    snprintf(t, sizeof t, "D%u", lieferschein);
    Feld(kopf.Nachrichtennummer, sizeof kopf.Nachrichtennummer, t);
    snprintf(t, sizeof t, "LS-%u", lieferschein);
    Feld(kopf.Lieferscheinnummer, sizeof kopf.Lieferscheinnummer, t);
    Feld(kopf.Lieferdatum, sizeof kopf.Lieferdatum, "20250922");
    Feld(kopf.Versanddatum, sizeof kopf.Versanddatum, "20250919");
    Feld(kopf.LieferantenIln, sizeof kopf.LieferantenIln, l.Iln);
    Feld(kopf.KaeuferIln, sizeof kopf.KaeuferIln, empfaenger);
    Feld(kopf.LieferortIln, sizeof kopf.LieferortIln, empfaenger);
    n = EDIDESADV_KopfSatzErstellen(aus, &kopf);
    if (n <= 0) {
        GenDateiSchliessen(&datei);
        return 0;
    }
    GenDateiSchreiben(&datei, aus, static_cast<size_t>(n));
    e->Saetze = 2;

    int32_t anzahl = static_cast<int32_t>(liste.size());
    int schaden = 0;
    for (int32_t i = 0; i < anzahl; i++) {
        const GEN_DESADV_POSITION& p = liste[static_cast<size_t>(i)];
        DESADV_REFERENZ referenz;
        DESADV_POSITION position;
        memset(&referenz, 0, sizeof referenz);
        memset(&position, 0, sizeof position);
        snprintf(t, sizeof t, "B2025-%04d", 100 + i / 10);
        Feld(referenz.Bestellnummer, sizeof referenz.Bestellnummer, t);
        Feld(referenz.Bestelldatum, sizeof referenz.Bestelldatum, "20250610");
        snprintf(t, sizeof t, "%d", 1 + i % 10);
        Feld(referenz.Bestellposition, sizeof referenz.Bestellposition, t);
        snprintf(t, sizeof t, "AB-%u", lieferschein / 10);
        Feld(referenz.Auftragsnummer, sizeof referenz.Auftragsnummer, t);
        snprintf(t, sizeof t, "%d", i + 1);
        Feld(position.Positionsnummer, sizeof position.Positionsnummer, t);
        if (i < static_cast<int32_t>(beschreibung.size())) {
            Feld(position.Artikelbeschreibung, sizeof position.Artikelbeschreibung, beschreibung[i]);
            Feld(position.Farbe, sizeof position.Farbe, farbe[i]);
            Feld(position.Groesse, sizeof position.Groesse, groesse[i]);
        }
        Feld(position.Mengeneinheit, sizeof position.Mengeneinheit, "PCE");
        Feld(position.EmpfaengerIln, sizeof position.EmpfaengerIln, p.Iln);
        Feld(position.Gtin, sizeof position.Gtin, p.Gtin);
        Feld(position.Lieferantenartikelnummer, sizeof position.Lieferantenartikelnummer, p.ZweiterText);
        snprintf(t, sizeof t, "%d", p.Menge);
        Feld(position.Menge, sizeof position.Menge, t);
        n = EDIDESADV_PositionsSatzErstellen(aus, &kopf, &referenz, &position);
        if (n <= 0) {
            GenDateiSchliessen(&datei);
            return 0;
        }
        std::string zeile(aus, static_cast<size_t>(n));
        if (GenTrifft(i, d->Beschaedigt, anzahl, 7))
            GenDateiSchreiben(&datei, GenBeschaedigen(zeile, zeile, schaden++, GenZufall64(&z)));
        GenDateiSchreiben(&datei, zeile);
        e->Positionen++;
        e->Saetze++;
        std::string iln = Text(position.EmpfaengerIln, sizeof position.EmpfaengerIln);
        e->Fremd += iln.size() != 13 || iln != empfaenger;
        e->Liste.push_back(p);
    }
    return GenDateiSchliessen(&datei) ? 1 : 0;
}
