/*
 * eancom_segmente.cpp - the segments of a message's head and of its LIN
 * groups onto the message state (docs/eancom.md gives the table). What a
 * segment carries that no field takes is counted as passed over.
 */
#include "eancom/eancom_intern.h"

#include <math.h>
#include <string.h>

namespace eancom {

namespace {

void Kennzeichen(char* aus, size_t groesse, uint32_t code)
{
    char t[4] = { static_cast<char>(code >> 16), static_cast<char>(code >> 8), static_cast<char>(code), 0 };
    size_t i = 0;
    while (i < 3 && t[i] == 0)
        i++;
    Kopie(aus, groesse, code == 0xFFFFFFFFu ? "?" : t + i);
}

/* "passed over" with the segment's tag and qualifier of element 1. */
void SegmentUebergehen(Lauf& l, const Segment& s, const char* warum)
{
    char tag[4] = { static_cast<char>(s.tag >> 16), static_cast<char>(s.tag >> 8), static_cast<char>(s.tag), 0 };
    char q[8];
    Kennzeichen(q, sizeof q, Code(s, 1, 0));
    char was[96];
    snprintf(was, sizeof was, "%s%s%s %s", tag, q[0] ? "+" : "", q, warum);
    Uebergehen(l, s, was);
}

Partei* LetztePartei(Lauf& l)
{
    return l.letzteNad == 'S' ? &l.su : l.letzteNad == 'B' ? &l.by : l.letzteNad == 'D' ? &l.dp : nullptr;
}

/* A code and a text into a characteristic (the first one met stays). */
bool MerkmalSetzen(Merkmal& m, const char* code, const char* text)
{
    if (m.code[0] || m.text[0])
        return false;
    Kopie(m.code, sizeof m.code, code);
    Kopie(m.text, sizeof m.text, text);
    return true;
}

Merkmal* MerkmalZuCode(Posten& p, uint32_t code)
{
    switch (code) {
    case C("35"): return &p.farbe;
    case C("98"): return &p.groesse;
    case C("BRN"): return &p.marke;
    case C("U01"): case C("U02"): case C("MAT"): return &p.material;
    case C("TPE"): return &p.gruppe;
    case C("SEA"): return &p.saison;
    default: return nullptr;
    }
}

/* A text that must fit: false (and the line dropped) when it is cut. */
bool Kennung(Lauf& l, const Segment& s, int e, int k, char* aus, size_t groesse, const char* was)
{
    int ungueltig = 0;
    if (edi_text_kopieren(s, e, k, l.t, l.zs, aus, groesse, &ungueltig) < groesse)
        return true;
    ZeileVerwerfen(l, s, "%s in element %d is longer than %d characters", was, e, (int)groesse - 1);
    aus[0] = '\0';
    return false;
}

} // namespace

void Nad(Lauf& l, const Segment& s)
{
    uint32_t code = Code(s, 1, 0);
    Partei* partei = nullptr;
    l.letzteNad = 0;
    if (code == C("SU")) {
        partei = &l.su;
        l.letzteNad = 'S';
    } else if (code == C("BY")) {
        partei = &l.by;
        l.letzteNad = 'B';
    } else if (code == C("DP") || (code == C("ST") && !l.dp.gln[0])) {
        partei = &l.dp;
        l.letzteNad = 'D';
    }
    if (partei == nullptr) {
        SegmentUebergehen(l, s, "passed over (no field takes this party)");
        return;
    }
    memset(partei, 0, sizeof *partei);
    char id[36];
    int ungueltig = 0;
    if (edi_text_kopieren(s, 2, 0, l.t, l.zs, id, sizeof id, &ungueltig) >= sizeof id) {
        AblehnenF(l, s, "NAD: the party identification in element 2 is longer than %d characters",
                  (int)sizeof id - 1);
        return;
    }
    if (IstGln(id)) {
        memcpy(partei->gln, id, sizeof partei->gln);
    } else if (id[0]) {
        char liste[8];
        Text(l, s, 2, 2, liste, sizeof liste);
        Kopie(partei->kennung, sizeof partei->kennung, id);
        MeldenF(l, EANCOM_WARNUNG, s, ": NAD+%s: the party id \"%s\" (code list \"%s\") is no GLN: the GLN is "
                "taken from the interchange header or the table of senders", code == C("SU") ? "SU"
                : code == C("BY") ? "BY" : "DP", id, liste);
    }
    /* name: the parts of C080, else the first line of C058 */
    char teil[73];
    for (int k = 0; k < 5; k++) {
        Text(l, s, 4, k, teil, sizeof teil);
        Anhaengen(partei->name, sizeof partei->name, teil);
    }
    if (!partei->name[0])
        Text(l, s, 3, 0, partei->name, sizeof partei->name);
    for (int k = 0; k < 4; k++) {
        Text(l, s, 5, k, teil, sizeof teil);
        Anhaengen(partei->strasse, sizeof partei->strasse, teil);
    }
    Text(l, s, 6, 0, partei->ort, sizeof partei->ort);
    Text(l, s, 8, 0, partei->plz, sizeof partei->plz);
    Text(l, s, 9, 0, partei->land, sizeof partei->land);
}

void Bgm(Lauf& l, const Segment& s)
{
    Text(l, s, 2, 0, l.dokument, sizeof l.dokument);
    Text(l, s, 3, 0, l.funktion, sizeof l.funktion);
}

void Dtm(Lauf& l, const Segment& s)
{
    char d[9];
    uint32_t q = Code(s, 1, 0);
    Datum(l, s, d);
    if (!d[0])
        return;
    if (q == C("171")) {
        /* the date of the reference before it */
        if (l.inPosten && l.p.kaeuferRff == 1)
            memcpy(l.p.bestelldatum, d, sizeof d);
        else if (!l.inPosten && l.kopfRffOn)
            memcpy(l.kopfBestelldatum, d, sizeof d);
        else
            SegmentUebergehen(l, s, "passed over (no order reference before it)");
        return;
    }
    if (l.inPosten) {
        if (l.art == PRICAT && (q == C("194") || (q == C("157") && !l.p.gueltig[0])))
            memcpy(l.p.gueltig, d, sizeof d);
        else
            SegmentUebergehen(l, s, "in a LIN group passed over");
        return;
    }
    if (q == C("137"))
        memcpy(l.datum, d, sizeof d);
    else if (l.art == PRICAT && (q == C("194") || (q == C("157") && !l.gueltig[0])))
        memcpy(l.gueltig, d, sizeof d);
    else if (l.art == DESADV && q == C("11"))
        memcpy(l.versanddatum, d, sizeof d);
    else if (l.art == DESADV &&
             (q == C("17") || q == C("35") || q == C("358") || (q == C("2") && !l.lieferdatum[0])))
        memcpy(l.lieferdatum, d, sizeof d);
    else
        SegmentUebergehen(l, s, "passed over");
}

void Rff(Lauf& l, const Segment& s)
{
    uint32_t q = Code(s, 1, 0);
    if (l.inPosten) {
        l.p.kaeuferRff = 2;
        if (q == C("ON") && l.art == DESADV) {
            Text(l, s, 1, 1, l.p.bestellung, sizeof l.p.bestellung);
            Text(l, s, 1, 2, l.p.bestellposition, sizeof l.p.bestellposition);
            l.p.kaeuferRff = 1;
        } else if (q == C("VN") && l.art == DESADV) {
            Text(l, s, 1, 1, l.p.auftrag, sizeof l.p.auftrag);
        } else {
            SegmentUebergehen(l, s, "in a LIN group passed over");
        }
        return;
    }
    l.kopfRffOn = false;
    Partei* partei = LetztePartei(l);
    if (q == C("VA") && partei != nullptr) {
        Text(l, s, 1, 1, partei->ustid, sizeof partei->ustid);
    } else if (q == C("ON") && l.letzteNad == 0 && l.art == DESADV) {
        Text(l, s, 1, 1, l.kopfBestellung, sizeof l.kopfBestellung);
        l.kopfRffOn = true;
    } else {
        SegmentUebergehen(l, s, "passed over");
    }
}

void Imd(Lauf& l, const Segment& s)
{
    uint32_t art = Code(s, 2, 0);
    Posten& p = l.p;
    Merkmal* m = MerkmalZuCode(p, art);
    bool beschreibung = art == 0 || art == C("ANM") || art == C("DSC");
    if (m == nullptr && !beschreibung) {
        SegmentUebergehen(l, s, "passed over: no field takes this kind of description");
        return;
    }
    char code[36], text[73], text2[73];
    Text(l, s, 3, 0, code, sizeof code);
    Text(l, s, 3, 3, text, sizeof text);
    Text(l, s, 3, 4, text2, sizeof text2);
    Anhaengen(text, sizeof text, text2);
    bool genommen;
    if (m != nullptr)
        genommen = MerkmalSetzen(*m, code, text);
    else if (Code(s, 1, 0) == C("E"))
        genommen = !p.kurztext[0] && (Kopie(p.kurztext, sizeof p.kurztext, text), true);
    else
        genommen = !p.beschreibung[0] && (Kopie(p.beschreibung, sizeof p.beschreibung, text), true);
    if (!genommen)
        SegmentUebergehen(l, s, "not carried: a value of this kind came earlier in the LIN group");
}

void Cav(Lauf& l, const Segment& s)
{
    Merkmal* m = nullptr;
    switch (l.cciArt) {
    case 1: m = &l.p.farbe; break;
    case 2: m = &l.p.groesse; break;
    case 3: m = &l.p.marke; break;
    case 4: m = &l.p.material; break;
    case 5: m = &l.p.gruppe; break;
    case 6: m = &l.p.saison; break;
    default:
        SegmentUebergehen(l, s, "passed over: its CCI names no characteristic a field takes");
        return;
    }
    char code[36], text[73];
    Text(l, s, 1, 0, code, sizeof code);
    Text(l, s, 1, 3, text, sizeof text);
    if (!MerkmalSetzen(*m, code, text))
        SegmentUebergehen(l, s, "not carried: a value of this kind came earlier in the LIN group");
}

void Cci(Lauf& l, const Segment& s)
{
    Merkmal* m = MerkmalZuCode(l.p, Code(s, 3, 0));
    l.cciArt = m == &l.p.farbe ? 1 : m == &l.p.groesse ? 2 : m == &l.p.marke ? 3
             : m == &l.p.material ? 4 : m == &l.p.gruppe ? 5 : m == &l.p.saison ? 6 : 0;
}

namespace {

/* Item type codes (7143) that name a GTIN. */
bool GtinArt(uint32_t art)
{
    return art == 0 || art == C("SRS") || art == C("SRV") || art == C("EN") || art == C("UP");
}

} // namespace

/* A GTIN from element e component 0 into the group (LIN or PIA). `pflicht`
 * = a wrong number drops the line at once (else it is noted and counts only
 * when no other GTIN comes). */
bool GtinSetzen(Lauf& l, const Segment& s, int e, bool pflicht)
{
    char gtin[36];
    if (!Kennung(l, s, e, 0, gtin, sizeof gtin, "the GTIN"))
        return false;
    if (!gtin[0])
        return true;
    char ean[14];
    int r = EancomGtin13(gtin, strlen(gtin), ean);
    if (r == 1) {
        memcpy(l.p.ean, ean, sizeof ean);
        return true;
    }
    const char* warum = r == -1 ? "a GTIN-14 whose indicator digit is not 0 names a trade unit of several pieces; "
                                  "the catalogue takes GTINs of single pieces"
                      : r == -2 ? "its check digit is wrong"
                                : "expected a GTIN of 8, 12, 13 or 14 digits";
    if (pflicht)
        ZeileVerwerfen(l, s, "\"%s\": %s", gtin, warum);
    else
        MeldenF(l, EANCOM_WARNUNG, s, ": \"%s\" not taken as the EAN: %s", gtin, warum);
    return false;
}

void Lin(Lauf& l, const Segment& s)
{
    PostenBeenden(l);
    l.inPosten = true;
    memset(&l.p, 0, sizeof l.p);
    l.p.ek.rang = l.p.vk.rang = l.p.vk2.rang = 99;
    l.p.segment = s.nummer;
    l.p.offset = s.offset;
    Text(l, s, 1, 0, l.p.zeile, sizeof l.p.zeile);
    Text(l, s, 2, 0, l.p.aktion, sizeof l.p.aktion);
    /* C829: 5495 "1" = a sub-line of line 1082 */
    if (edi_gleich(s, 4, 0, "1"))
        Text(l, s, 4, 1, l.p.oberzeile, sizeof l.p.oberzeile);
    uint32_t art = Code(s, 3, 1);
    if (GtinArt(art)) {
        GtinSetzen(l, s, 3, false);
        return;
    }
    char nummer[36];
    if (!Kennung(l, s, 3, 0, nummer, sizeof nummer, "the item number"))
        return;
    if (art == C("SA") || art == C("MF"))
        Kopie(l.p.nummer, sizeof l.p.nummer, nummer);
    else if (art == C("IN") || art == C("BP")) {
        Kopie(l.p.kaeufer, sizeof l.p.kaeufer, nummer);
        if (l.art == PRICAT)
            SegmentUebergehen(l, s, "buyer's article number not carried (the catalogue has no field for it)");
    } else
        SegmentUebergehen(l, s, "item number of a type no field takes not carried");
}

void Pia(Lauf& l, const Segment& s)
{
    for (int e = 2; e < s.elemente && e <= 6 && !l.p.verworfen; e++) {
        uint32_t art = Code(s, e, 1);
        if (edi_teil(s, e, 0).n == 0)
            continue;
        switch (art) {
        case C("SA"):
        case C("MF"):
            if (!l.p.nummer[0])
                Kennung(l, s, e, 0, l.p.nummer, sizeof l.p.nummer, "the supplier's article number");
            else
                SegmentUebergehen(l, s, "a second supplier's article number not carried");
            break;
        case C("IN"):
        case C("BP"):
            if (!l.p.kaeufer[0])
                Kennung(l, s, e, 0, l.p.kaeufer, sizeof l.p.kaeufer, "the buyer's article number");
            else
                SegmentUebergehen(l, s, "a second buyer's article number not carried");
            if (l.art == PRICAT)
                SegmentUebergehen(l, s, "buyer's article number not carried (the catalogue has no field for it)");
            break;
        case C("NB"):
            if (!l.p.charge[0])
                Kennung(l, s, e, 0, l.p.charge, sizeof l.p.charge, "the batch number");
            if (l.art == PRICAT)
                SegmentUebergehen(l, s, "batch number not carried (the catalogue has no field for it)");
            break;
        case C("SRS"): case C("SRV"): case C("EN"): case C("UP"):
            if (!l.p.ean[0])
                GtinSetzen(l, s, e, false);
            else
                SegmentUebergehen(l, s, "a further GTIN of the LIN group not carried");
            break;
        default:
            SegmentUebergehen(l, s, "item number of a type no field takes not carried");
            break;
        }
    }
}

void Pri(Lauf& l, const Segment& s)
{
    /* C509: 5125 qualifier, 5118 price, 5375 type, 5387 type qualifier,
     * 5284 unit price basis, 6411 unit */
    uint32_t q = Code(s, 1, 0), spez = Code(s, 1, 3);
    bool aktion = spez == C("PRP") || spez == C("DPR");
    bool verkauf = spez == C("RTP") || spez == C("MRP") || spez == C("SRP") || spez == C("AMP") ||
                   spez == C("RES");
    bool einkauf = spez == C("CAL") || spez == C("INV") || spez == C("NTP") || spez == C("CT");
    Preis* slot = nullptr;
    int rang = 99;
    if (aktion || verkauf) {
        slot = aktion ? &l.p.vk2 : &l.p.vk;
        rang = q == C("AAE") ? 0 : q == C("AAF") ? 1 : q == C("INF") ? 2 : 3;
    } else if (q == C("AAA") || q == C("AAB") || ((q == C("NTP") || q == C("CAL")) && (spez == 0 || einkauf))) {
        slot = &l.p.ek;
        rang = q == C("AAA") ? 0 : q == C("AAB") ? 1 : 2;
    } else if (q == C("AAE") || q == C("AAF")) {
        slot = &l.p.vk;
        rang = q == C("AAE") ? 0 : 1;
    }
    if (slot == nullptr) {
        SegmentUebergehen(l, s, "with a price qualifier or price type no price field takes: not carried");
        return;
    }
    int64_t preis = 0, basis = 1000;
    int r = edi_zahl(s, 1, 1, 6, &preis);
    if (r == 0) {
        SegmentUebergehen(l, s, "without a price: no price carried");
        return;
    }
    int rb = edi_zahl(s, 1, 4, 3, &basis);
    if (r < 0 || rb < 0 || preis < 0 || (rb == 1 && basis <= 0)) {
        ZeileVerwerfen(l, s, "PRI: expected a price and price basis as positive decimal numbers");
        return;
    }
    if (rb == 0)
        basis = 1000;
    char einheit[8];
    Text(l, s, 1, 5, einheit, sizeof einheit);
    if (einheit[0] && Code(s, 1, 5) != C("PCE") && Code(s, 1, 5) != C("EA") && Code(s, 1, 5) != C("C62"))
        SegmentUebergehen(l, s, "price per a unit other than the piece: carried as the price of one piece");
    if (rang >= slot->rang) {
        SegmentUebergehen(l, s, "not carried: a price of this kind with a stronger qualifier came first");
        return;
    }
    /* hundredths of the price for one unit: price / basis */
    double hundertstel = static_cast<double>(preis) / 10000.0 / (static_cast<double>(basis) / 1000.0);
    if (hundertstel >= 2147483647.0) {
        ZeileVerwerfen(l, s, "PRI: the price is too large for the catalogue");
        return;
    }
    slot->wert = static_cast<int64_t>(floor(hundertstel + 0.5));
    slot->rang = rang;
}

void Tax(Lauf& l, const Segment& s)
{
    if (Code(s, 1, 0) != C("7") || (Code(s, 2, 0) != C("VAT") && Code(s, 2, 0) != 0)) {
        SegmentUebergehen(l, s, "passed over: only the VAT rate (TAX+7+VAT) is carried");
        return;
    }
    int64_t satz = 0;
    int r = edi_zahl(s, 5, 3, 2, &satz);
    if (r == 0)
        return;
    if (r < 0 || satz < 0 || satz > 10000) {
        if (l.inPosten)
            ZeileVerwerfen(l, s, "TAX: expected the VAT rate as a percentage in element 5, component 4");
        else
            Ablehnen(l, s, "TAX: expected the VAT rate as a percentage in element 5, component 4");
        return;
    }
    char text[22];
    Prozent(satz, text, sizeof text);
    if (l.inPosten)
        Kopie(l.p.mwst, sizeof l.p.mwst, text);
    else
        Kopie(l.kopfMwst, sizeof l.kopfMwst, text);
}

void Qty(Lauf& l, const Segment& s)
{
    if (Code(s, 1, 0) != C("12") || !l.inPosten || l.art != DESADV) {
        SegmentUebergehen(l, s, "passed over");
        return;
    }
    int64_t menge = 0;
    int r = edi_zahl(s, 1, 1, 3, &menge);
    if (r != 1 || menge < 0 || menge % 1000 != 0 || menge / 1000 > 1000000) {
        ZeileVerwerfen(l, s, "QTY+12: expected the despatched quantity as a whole number of at most 1000000");
        return;
    }
    l.p.menge = menge / 1000;
    l.p.mengeDa = true;
    Text(l, s, 1, 2, l.p.einheit, sizeof l.p.einheit);
}

} // namespace eancom
