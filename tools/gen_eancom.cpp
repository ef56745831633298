/*
 * gen_eancom.cpp - the demo's EANCOM files: a supplier's PRICAT D.01B and
 * a DESADV D.96A as EDIFACT interchanges in the EDI import folder, made
 * from the same model as the store, so the catalogue names the store's
 * articles by their EANs and the despatch advice books into them.
 */
#include "oxgen.h"
#include "gen_intern.h"
#include "eancom_muster.h"

#include <stdio.h>

namespace {

std::string Preis(int32_t hundertstel)
{
    char t[24];
    snprintf(t, sizeof t, "%d.%02d", hundertstel / 100, hundertstel % 100);
    return t;
}

} // namespace

int GenEancomDemo(const GEN_DEMO* d, GEN_DEMO_ERGEBNIS* e)
{
    if (d == nullptr || e == nullptr || d->Lieferanten < 1 || e->ImportOrdner.empty())
        return 1;
    GEN_LIEFERANT l;
    GenLieferant(d->Saat, d->Lieferanten >= 2 ? 2 : 1, &l);
    eancom::MusterPartei lieferant;
    lieferant.gln = l.Iln;
    lieferant.name = l.Name;
    lieferant.strasse = "Industriestra\xDF" "e 12";
    lieferant.ort = "Bielefeld";
    lieferant.plz = "33602";
    lieferant.land = "DE";
    lieferant.kontakt = "Auftragsannahme";
    lieferant.tel = "0521-987650";
    eancom::MusterPartei kaeufer;
    kaeufer.gln = e->EigeneIln;

    /* the catalogue: the supplier's first articles (known to the store) */
    eancom::MusterPricat p;
    p.dokument = "HW25-0042";
    p.gruppe = GenEintrag(1, 0).Text;
    p.lieferant = lieferant;
    p.kaeufer = kaeufer;
    GEN_ARTIKEL a;
    for (int32_t i = 0; i < 12; i++) {
        GenArtikel(d->Saat, &l, i, d->Varianten, 0, &a);
        for (int32_t v = 0; v < a.AnzahlVarianten && v < 6; v++) {
            eancom::MusterVariation m;
            m.gtin = a.Variante[v].Ean;
            m.nummer = a.Nummer;
            m.beschreibung = a.Name;
            m.kurztext = a.Zusatztext;
            GEN_EINTRAG farbe = GenEintrag(6, a.Variante[v].Farbe);
            m.farbcode = farbe.Code;
            char t[80];
            GenLieferantenfarbe(&a, v, t, sizeof t);
            m.farbtext = t;
            m.groesse = GenEintrag(7, GenGroesse(a.Groessenlauf, a.Variante[v].Groesse)).Text;
            m.marke = GenEintrag(4, a.Label).Text;
            m.material = GenEintrag(5, a.Material).Text;
            m.gruppe = GenEintrag(2, a.Warengruppe).Text;
            m.saison = GenEintrag(11, a.Saison).Text;
            m.ek = Preis(a.Ek);
            m.vk = Preis(a.Vk);
            if (a.Preis3 > 0)
                m.vk2 = Preis(a.Preis3);
            m.mwst = std::to_string(a.Mwst);
            m.cci = i % 2 == 1;
            p.variationen.push_back(m);
        }
    }
    eancom::Schreibweise w;
    std::string pfad = e->ImportOrdner + "EANCOM-PRICAT-" + l.Kuerzel + ".EDI";
    if (!GenDateiInhalt(pfad, eancom::muster_interchange({ eancom::muster_pricat(p, w) }, w, l.Iln, e->EigeneIln)))
        return 0;
    e->Dateien.push_back(pfad);

    /* the despatch advice: articles of the store and one GTIN it does not know */
    eancom::MusterDesadv ds;
    ds.version = "96A";
    ds.dokument = "LS-2025-0815";
    ds.bestellung = "B-4711";
    ds.lieferant = lieferant;
    ds.kaeufer = kaeufer;
    ds.sscc = "340123450000000017";
    for (int32_t i = 0; i < 6; i++) {
        GenArtikel(d->Saat, &l, i, d->Varianten, 0, &a);
        eancom::MusterPosition pos;
        pos.gtin = a.Variante[i % a.AnzahlVarianten].Ean;
        pos.nummer = a.Nummer;
        pos.beschreibung = a.Name;
        pos.menge = std::to_string(1 + i % 4);
        pos.bestellung = "B-4711";
        pos.bestellposition = std::to_string(i + 1);
        ds.positionen.push_back(pos);
    }
    eancom::MusterPosition fremd;
    fremd.gtin = "4099999000012";
    fremd.nummer = "UNBEKANNT-1";
    fremd.beschreibung = "Musterteil";
    fremd.menge = "2";
    ds.positionen.push_back(fremd);
    eancom::Schreibweise w2;
    w2.crlf = true;
    pfad = e->ImportOrdner + "EANCOM-DESADV-" + l.Kuerzel + ".EDI";
    if (!GenDateiInhalt(pfad, eancom::muster_interchange({ eancom::muster_desadv(ds, w2) }, w2, l.Iln, e->EigeneIln)))
        return 0;
    e->Dateien.push_back(pfad);
    return 1;
}
