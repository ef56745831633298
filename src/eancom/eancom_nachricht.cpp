/*
 * eancom_nachricht.cpp - the life of a message (UNH .. UNT) inside its
 * envelope (UNB .. UNZ, or none), LIN lines and sub-lines ended and
 * written, and the dispatch of every segment.
 */
#include "eancom/eancom_intern.h"

#include <string.h>

namespace eancom {

namespace {

void MerkmalErben(Merkmal& m, const Merkmal& von)
{
    if (!m.code[0] && !m.text[0])
        m = von;
}

void PreisErben(Preis& p, const Preis& von)
{
    if (p.rang == 99)
        p = von;
}

/* A sub-line takes from its main line what it does not send itself. */
void Erben(Posten& p, const Posten& o)
{
    if (!p.nummer[0])
        Kopie(p.nummer, sizeof p.nummer, o.nummer);
    if (!p.kaeufer[0])
        Kopie(p.kaeufer, sizeof p.kaeufer, o.kaeufer);
    if (!p.beschreibung[0])
        Kopie(p.beschreibung, sizeof p.beschreibung, o.beschreibung);
    if (!p.kurztext[0])
        Kopie(p.kurztext, sizeof p.kurztext, o.kurztext);
    if (!p.gueltig[0])
        Kopie(p.gueltig, sizeof p.gueltig, o.gueltig);
    if (!p.mwst[0])
        Kopie(p.mwst, sizeof p.mwst, o.mwst);
    MerkmalErben(p.farbe, o.farbe);
    MerkmalErben(p.groesse, o.groesse);
    MerkmalErben(p.marke, o.marke);
    MerkmalErben(p.material, o.material);
    MerkmalErben(p.gruppe, o.gruppe);
    MerkmalErben(p.saison, o.saison);
    PreisErben(p.ek, o.ek);
    PreisErben(p.vk, o.vk);
    PreisErben(p.vk2, o.vk2);
}

void Verworfen(Lauf& l)
{
    l.verworfen++;
    l.e->Verworfen++;
}

/* A main line without an EAN is kept for its sub-lines; when none came,
 * it is dropped with a warning. */
void OberPruefen(Lauf& l)
{
    if (l.oberDa && !l.ober.ean[0] && !l.ober.verworfen && !l.ober.unterzeilen) {
        Segment ort;
        ort.nummer = l.ober.segment;
        ort.offset = l.ober.offset;
        MeldenF(l, EANCOM_WARNUNG, ort, " (message %s %s, LIN %s dropped): LIN line without an EAN: expected a "
                "GTIN in LIN or PIA (or sub-lines that carry one)", l.typ, l.unhRef,
                l.ober.zeile[0] ? l.ober.zeile : "?");
        Verworfen(l);
    }
    l.oberDa = false;
}

void Zeichensatz_(Lauf& l, const Segment& s)
{
    char zs[5];
    Text(l, s, 1, 0, zs, sizeof zs);
    for (char& c : zs)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (strcmp(zs, "UNOY") == 0 || strcmp(zs, "UNOW") == 0) {
        l.zs = ZS_UTF8;
    } else {
        l.zs = ZS_LATIN1;
        if (strcmp(zs, "UNOA") != 0 && strcmp(zs, "UNOB") != 0 && strcmp(zs, "UNOC") != 0)
            MeldenF(l, EANCOM_WARNUNG, s, ": syntax identifier \"%s\": expected UNOA, UNOB, UNOC, UNOW or UNOY; "
                    "read as ISO 8859-1", zs);
    }
}

void NachrichtAnfangen(Lauf& l, const Segment& s)
{
    l.art = KEINE;
    l.nachrichtAktiv = true;
    l.abgelehnt = false;
    l.ohneUmschlag = !l.inUnb;
    l.nummer++;
    l.e->Nachrichten++;
    l.unhSegment = s.nummer;
    l.segmente = 1;
    l.zeilen = 0;
    l.verworfen = 0;
    l.kopfGeschrieben = false;
    l.inPosten = false;
    l.oberDa = false;
    l.cciArt = 0;
    l.letzteNad = 0;
    l.kopfRffOn = false;
    l.unsGesehen = 0;
    l.dokument[0] = l.funktion[0] = l.datum[0] = l.gueltig[0] = l.waehrung[0] = '\0';
    l.lieferdatum[0] = l.versanddatum[0] = l.kopfMwst[0] = l.kopfBestellung[0] = l.kopfBestelldatum[0] = '\0';
    l.gruppe[0] = l.sscc[0] = '\0';
    memset(&l.su, 0, sizeof l.su);
    memset(&l.by, 0, sizeof l.by);
    memset(&l.dp, 0, sizeof l.dp);
    Text(l, s, 1, 0, l.unhRef, sizeof l.unhRef);
    Text(l, s, 2, 0, l.typ, sizeof l.typ);
    for (char& c : l.typ)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (!SegmentInOrdnung(l, s))
        return;
    if (l.ohneUmschlag)
        MeldenF(l, EANCOM_WARNUNG, s, ": message without an interchange header (UNB): sender and recipient "
                "come from its NAD segments alone");
    if (strcmp(l.typ, "PRICAT") == 0)
        l.art = PRICAT;
    else if (strcmp(l.typ, "DESADV") == 0)
        l.art = DESADV;
    else
        AblehnenF(l, s, "unknown message type \"%s\": expected PRICAT or DESADV", l.typ);
    if (l.abgelehnt)
        return;
    /* S009: 0052 version, 0054 release; the segments used here are the
     * same from D.96A to D.01B, other directories are read the same way */
    char version[4], release[4];
    Text(l, s, 2, 1, version, sizeof version);
    Text(l, s, 2, 2, release, sizeof release);
    bool bekannt = edi_gleich(s, 2, 1, "D") && strlen(release) == 3 &&
                   ((release[0] == '9' && release[1] >= '6') || (release[0] == '0' && release[1] <= '1'));
    if (!bekannt)
        MeldenF(l, EANCOM_WARNUNG, s, ": directory \"%s.%s\": read as D.96A to D.01B (their segments are the "
                "same); values of segments that differ may be missing", version, release);
}

} // namespace

void PostenBeenden(Lauf& l)
{
    if (!l.inPosten)
        return;
    l.inPosten = false;
    l.cciArt = 0;
    if (l.abgelehnt)
        return;
    Segment ort;
    ort.nummer = l.p.segment;
    ort.offset = l.p.offset;
    if (l.p.oberzeile[0]) {
        if (l.oberDa && strcmp(l.ober.zeile, l.p.oberzeile) == 0) {
            Erben(l.p, l.ober);
            l.ober.unterzeilen = true;
        } else {
            MeldenF(l, EANCOM_WARNUNG, ort, ": LIN %s names line %s as its main line, which is not the line "
                    "before it: taken as a line of its own", l.p.zeile, l.p.oberzeile);
        }
    } else {
        OberPruefen(l);
        if (!l.p.verworfen) {
            l.ober = l.p;
            l.oberDa = true;
        }
        if (!l.p.ean[0] && !l.p.verworfen)
            return;   /* decided by its sub-lines (OberPruefen) */
    }
    if (l.p.verworfen) {
        Verworfen(l);
        return;
    }
    if (!l.p.ean[0]) {
        l.inPosten = true;
        ZeileVerwerfen(l, ort, "LIN line without an EAN: expected a GTIN in LIN or in PIA");
        l.inPosten = false;
        Verworfen(l);
        return;
    }
    if (l.art == DESADV && !l.p.mengeDa) {
        l.inPosten = true;
        ZeileVerwerfen(l, ort, "LIN line without a despatched quantity: expected QTY+12");
        l.inPosten = false;
        Verworfen(l);
        return;
    }
    if (!DateienOeffnen(l, ort))
        return;
    if (l.art == PRICAT) {
        if (l.p.ek.rang == 99 || l.p.vk.rang == 99)
            Uebergehen(l, ort, "LIN line without a purchase or retail price: that price is left empty "
                               "(no price, not 0)");
        PricatZeile(l);
    } else {
        DesadvZeile(l);
    }
    l.zeilen++;
}

void NachrichtBeenden(Lauf& l, const Segment& s, bool mitUnt)
{
    if (!l.nachrichtAktiv)
        return;
    if (!mitUnt) {
        AblehnenF(l, s, "missing UNT: expected UNT before %s",
                  s.tag == T_UNH ? "the next UNH" : s.tag == T_UNZ ? "UNZ" : s.tag == T_UNB ? "the next UNB"
                                                                               : "the end of the file");
    } else {
        PostenBeenden(l);
        OberPruefen(l);
        long anzahl = 0;
        char ref[15];
        Text(l, s, 2, 0, ref, sizeof ref);
        int64_t zahl = 0;
        if (edi_zahl(s, 1, 0, 0, &zahl) == 1)
            anzahl = static_cast<long>(zahl);
        if (anzahl != l.segmente)
            AblehnenF(l, s, "UNT: the message has %ld segments, UNT says %ld", l.segmente, anzahl);
        else if (strcmp(ref, l.unhRef) != 0)
            AblehnenF(l, s, "UNT: expected the message reference \"%s\" of UNH, found \"%s\"", l.unhRef, ref);
        else if (l.zeilen == 0 && l.verworfen > 0)
            AblehnenF(l, s, "every LIN line of the message was dropped (%ld)", l.verworfen);
        else if (l.zeilen == 0)
            Ablehnen(l, s, "the message holds no LIN group: expected at least one LIN");
    }
    if (!l.abgelehnt) {
        /* the address first, so the catalogue never appears without it */
        AdresseSchreiben(l);
        bool ok = Abschliessen(l, l.adresse) && Abschliessen(l, l.haupt);
        if (!ok) {
            Ablehnen(l, s, "the target files cannot be completed");
        } else {
            l.e->Umgesetzt++;
            (l.art == PRICAT ? l.e->Variationen : l.e->Positionen) += static_cast<int32_t>(l.zeilen);
        }
    }
    if (l.abgelehnt)
        l.e->Abgelehnt++;
    Verwerfen(l, l.haupt);
    Verwerfen(l, l.adresse);
    l.nachrichtAktiv = false;
}

void SegmentVerarbeiten(Lauf& l, const Segment& s)
{
    uint32_t tag = s.tag;
    if (tag == T_UNA || tag == T_UNG || tag == T_UNE)
        return;
    if (tag == T_UNB) {
        NachrichtBeenden(l, s, false);
        l.inUnb = true;
        l.unbNachrichten = 0;
        Zeichensatz_(l, s);
        Text(l, s, 2, 0, l.unbSender, sizeof l.unbSender);
        Text(l, s, 3, 0, l.unbEmpfaenger, sizeof l.unbEmpfaenger);
        Text(l, s, 5, 0, l.unbRef, sizeof l.unbRef);
        return;
    }
    if (tag == T_UNZ) {
        NachrichtBeenden(l, s, false);
        int64_t n = 0;
        if (!l.inUnb)
            MeldenF(l, EANCOM_WARNUNG, s, ": UNZ without UNB");
        else if (edi_zahl(s, 1, 0, 0, &n) != 1 || n != l.unbNachrichten)
            MeldenF(l, EANCOM_WARNUNG, s, ": UNZ counts %.*s messages, the interchange has %ld",
                    (int)edi_teil(s, 1, 0).n, edi_teil(s, 1, 0).p, l.unbNachrichten);
        l.inUnb = false;
        return;
    }
    if (tag == T_UNH) {
        NachrichtBeenden(l, s, false);
        l.unbNachrichten++;
        NachrichtAnfangen(l, s);
        return;
    }
    if (!l.nachrichtAktiv) {
        MeldenF(l, EANCOM_WARNUNG, s, ": segment outside a message passed over: expected UNH");
        return;
    }
    l.segmente++;
    if (tag == T_UNT) {
        if (s.problem[0])
            Ablehnen(l, s, s.problem);
        NachrichtBeenden(l, s, true);
        return;
    }
    if (l.abgelehnt)
        return;
    if (tag == T_LIN) {
        Lin(l, s);
        if (s.problem[0])
            ZeileVerwerfen(l, s, "%s", s.problem);
        return;
    }
    if (!SegmentInOrdnung(l, s) || (l.inPosten && l.p.verworfen))
        return;
    if (tag == T_UNS || tag == T_CNT) {
        /* section and control counts: nothing to carry */
        PostenBeenden(l);
        return;
    }
    if (tag == T_PGI || tag == T_CPS) {
        PostenBeenden(l);
        if (tag == T_PGI) {
            char code[36];
            Text(l, s, 2, 3, l.gruppe, sizeof l.gruppe);
            Text(l, s, 2, 0, code, sizeof code);
            if (!l.gruppe[0])
                Kopie(l.gruppe, sizeof l.gruppe, code);
        } else {
            l.sscc[0] = '\0';
        }
        return;
    }
    if (l.inPosten) {
        switch (tag) {
        case T_PIA: Pia(l, s); break;
        case T_IMD: Imd(l, s); break;
        case T_CCI: Cci(l, s); break;
        case T_CAV: Cav(l, s); break;
        case T_PRI: Pri(l, s); break;
        case T_TAX: Tax(l, s); break;
        case T_QTY: Qty(l, s); break;
        case T_RFF: Rff(l, s); break;
        case T_DTM: Dtm(l, s); break;
        case T_GIN:
            if (l.art == DESADV && edi_gleich(s, 1, 0, "BJ"))
                Text(l, s, 2, 0, l.sscc, sizeof l.sscc);
            else
                Uebergehen(l, s, "GIN in a LIN group passed over");
            break;
        default: {
            char was[64];
            snprintf(was, sizeof was, "segment %c%c%c in a LIN group passed over", (char)(tag >> 16),
                     (char)(tag >> 8), (char)tag);
            Uebergehen(l, s, was);
            break;
        }
        }
        return;
    }
    switch (tag) {
    case T_BGM: Bgm(l, s); break;
    case T_DTM: Dtm(l, s); break;
    case T_CUX: Text(l, s, 1, 1, l.waehrung, sizeof l.waehrung); break;
    case T_NAD: Nad(l, s); break;
    case T_RFF: Rff(l, s); break;
    case T_TAX: Tax(l, s); break;
    case T_CTA: {
        Partei* p = l.letzteNad == 'S' ? &l.su : l.letzteNad == 'B' ? &l.by : l.letzteNad == 'D' ? &l.dp : nullptr;
        if (p != nullptr && l.letzteNad == 'S')
            Text(l, s, 2, 1, p->kontakt, sizeof p->kontakt);
        else
            Uebergehen(l, s, "CTA passed over (only the supplier's contact is carried)");
        break;
    }
    case T_COM:
        if (l.letzteNad == 'S' && edi_gleich(s, 1, 1, "TE") && !l.su.tel[0])
            Text(l, s, 1, 0, l.su.tel, sizeof l.su.tel);
        else if (l.letzteNad == 'S' && edi_gleich(s, 1, 1, "FX") && !l.su.fax[0])
            Text(l, s, 1, 0, l.su.fax, sizeof l.su.fax);
        else
            Uebergehen(l, s, "COM passed over (only the supplier's first telephone and fax are carried)");
        break;
    case T_GIN:
        if (l.art == DESADV && edi_gleich(s, 1, 0, "BJ"))
            Text(l, s, 2, 0, l.sscc, sizeof l.sscc);
        else
            Uebergehen(l, s, "GIN passed over");
        break;
    default: {
        char was[64];
        snprintf(was, sizeof was, "segment %c%c%c passed over", (char)(tag >> 16), (char)(tag >> 8), (char)tag);
        Uebergehen(l, s, was);
        break;
    }
    }
}

} // namespace eancom
