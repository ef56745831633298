/*
 * eancom.cpp - EANCOM PRICAT and DESADV onto the host's catalogue, address
 * and despatch advice files (see eancom.h and docs/eancom.md).
 *
 * One pass over the segments: the header segments of a message fill its
 * head, each LIN group is mapped and enciphered as soon as the group ends
 * (at the next LIN, PGI, CPS, CNT or UNT) and its line is appended to the
 * message's working file. UNT decides: a matching count and reference
 * gives the files their names, anything wrong before removes them.
 */
#include "eancom.h"
#include "eancom_datei.h"
#include "edifact.h"
#include "hostapi/edi.h"

#include <ctype.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <memory>

namespace eancom {

namespace {

constexpr uint32_t T_UNB = EDI_TAG("UNB"), T_UNZ = EDI_TAG("UNZ"), T_UNH = EDI_TAG("UNH"),
                   T_UNT = EDI_TAG("UNT"), T_UNA = EDI_TAG("UNA"), T_UNG = EDI_TAG("UNG"),
                   T_UNE = EDI_TAG("UNE"), T_BGM = EDI_TAG("BGM"), T_DTM = EDI_TAG("DTM"),
                   T_CUX = EDI_TAG("CUX"), T_NAD = EDI_TAG("NAD"), T_CTA = EDI_TAG("CTA"),
                   T_COM = EDI_TAG("COM"), T_RFF = EDI_TAG("RFF"), T_PGI = EDI_TAG("PGI"),
                   T_LIN = EDI_TAG("LIN"), T_PIA = EDI_TAG("PIA"), T_IMD = EDI_TAG("IMD"),
                   T_CCI = EDI_TAG("CCI"), T_CAV = EDI_TAG("CAV"), T_PRI = EDI_TAG("PRI"),
                   T_TAX = EDI_TAG("TAX"), T_QTY = EDI_TAG("QTY"), T_CPS = EDI_TAG("CPS"),
                   T_GIN = EDI_TAG("GIN"), T_CNT = EDI_TAG("CNT");

/* A code of at most three characters packed into an integer (C("SA")),
 * and the code of component (e, k) packed the same way; a longer or
 * released component gives a value no C() gives. */
constexpr uint32_t C(const char* t)
{
    uint32_t w = 0;
    for (int i = 0; i < 3 && t[i]; i++)
        w = w << 8 | static_cast<uint8_t>(t[i]);
    return w;
}

uint32_t Code(const Segment& s, int e, int k)
{
    Teil t = edi_teil(s, e, k);
    if (t.n > 3)
        return 0xFFFFFFFFu;
    uint32_t w = 0;
    for (uint32_t i = 0; i < t.n; i++)
        w = w << 8 | static_cast<uint8_t>(t.p[i]);
    return w;
}

/* The decimal text of `wert` (at most 20 characters) into `aus`. */
void Zahltext(int64_t wert, char (&aus)[22])
{
    char t[24];
    int n = 0;
    uint64_t b = wert < 0 ? 0 - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    do {
        t[n++] = static_cast<char>('0' + b % 10);
        b /= 10;
    } while (b != 0);
    int i = 0;
    if (wert < 0)
        aus[i++] = '-';
    while (n > 0)
        aus[i++] = t[--n];
    aus[i] = '\0';
}

/* Appends `text` to the text in `ziel` (`groesse` bytes), with a blank
 * between when both are non-empty; cut at the buffer's end. */
void Anhaengen(char* ziel, size_t groesse, const char* text)
{
    if (!text[0])
        return;
    size_t n = strnlen(ziel, groesse - 1);
    if (n > 0 && n + 1 < groesse)
        ziel[n++] = ' ';
    size_t m = strnlen(text, groesse - 1 - n);
    memcpy(ziel + n, text, m);
    ziel[n + m] = '\0';
}

/* Bounded copy of a C text into a record field (cut, the rest of the
 * field zeroed, so a field set twice keeps nothing of the longer text; a
 * field filled to its width carries no terminator, as the record library
 * allows). */
void Setzen(char* feld, size_t breite, const char* text)
{
    size_t n = strnlen(text, breite);
    memcpy(feld, text, n);
    if (n < breite)
        memset(feld + n, 0, breite - n);
}
/* Bounded copy of a C text into a buffer of `groesse` bytes, terminated. */
void Kopie(char* aus, size_t groesse, const char* text)
{
    size_t n = strnlen(text, groesse - 1);
    memcpy(aus, text, n);
    aus[n] = '\0';
}
#define SETZEN(rec, feld, text) Setzen((rec).feld, sizeof (rec).feld, (text))

/* A characteristic with the supplier's code and text (IMD, CCI/CAV). */
struct Merkmal {
    char code[36] = "";
    char text[73] = "";
    bool da() const { return code[0] || text[0]; }
};

/* Price slots of a catalogue variation: value in hundredths and the rank
 * of the qualifier that set it (a lower rank wins). */
struct Preis {
    int64_t wert = 0;
    int rang = 99;
};

struct Partei {
    char gln[14] = "";
    char name[65] = "";
    char strasse[65] = "";
    char ort[65] = "";
    char plz[9] = "";
    char land[4] = "";
    char kontakt[65] = "";
    char tel[21] = "";
    char fax[21] = "";
    char ustid[16] = "";
};

/* One LIN group being read. */
struct Posten {
    bool aktiv = false;
    uint32_t segment = 0;
    uint64_t offset = 0;
    char ean[14] = "";
    char aktion[4] = "";
    char nummer[36] = "";          /* supplier's article number (PIA SA) */
    char kaeufer[36] = "";         /* buyer's article number (PIA IN) */
    char charge[36] = "";          /* batch (PIA NB) */
    char beschreibung[73] = "";
    char kurztext[34] = "";
    Merkmal farbe, groesse, marke, material, gruppe, saison;
    Preis ek, vk, vk2;
    char mwst[22] = "";
    bool mengeDa = false;
    int64_t menge = 0;
    char einheit[4] = "";
    char zeile[8] = "";            /* LIN 1082 */
    char bestellung[36] = "";
    char bestellposition[7] = "";
    char bestelldatum[9] = "";
    char auftrag[36] = "";
    uint32_t kaeuferRff = 0;       /* last RFF of this group: 1 ON, 2 other */
};

enum Art { KEINE, PRICAT, DESADV };

/* A file being written under its working name. */
struct Datei {
    std::string endname;     /* final path, or name in memory mode */
    std::string arbeit;      /* working path */
    FILE* f = nullptr;
    std::string puffer;
    bool fehler = false;
};

struct Lauf {
    /* input */
    std::string name;            /* file name for messages */
    std::string stamm;           /* output base name */
    std::string ziel;            /* target folder; empty = memory */
    Ergebnis* e = nullptr;
    Trenner t;
    Zeichensatz zs = ZS_LATIN1;
    /* interchange */
    bool inUnb = false;
    char unbSender[36] = "", unbEmpfaenger[36] = "", unbRef[15] = "";
    long unbNachrichten = 0;
    /* message */
    Art art = KEINE;
    bool nachrichtAktiv = false;
    bool abgelehnt = false;
    char unhRef[15] = "";
    char typ[7] = "";
    uint32_t unhSegment = 0;
    long segmente = 0;
    int nummer = 0;              /* messages of the file so far */
    /* head */
    char dokument[36] = "", funktion[4] = "", datum[9] = "", gueltig[9] = "", waehrung[4] = "";
    char lieferdatum[9] = "", versanddatum[9] = "";
    Partei su, by, dp;
    char kopfMwst[22] = "";
    char kopfBestellung[36] = "", kopfBestelldatum[9] = "";
    uint32_t letzteNad = 0;      /* qualifier of the last NAD: 'S','B','D', 0 other */
    bool kopfRffOn = false;
    char gruppe[36] = "";        /* PGI */
    char sscc[21] = "";          /* GIN+BJ of the current package */
    uint32_t cciArt = 0;         /* characteristic named by the last CCI */
    bool inPosten = false;
    Posten p;
    /* output */
    Datei haupt, adresse;
    bool kopfGeschrieben = false;
    long zeilen = 0;
    DESADV_KOPF dkopf;
};

std::string Ort(const Lauf& l, const Segment& s)
{
    char t[160];
    snprintf(t, sizeof t, "%s: segment %lu (byte %llu)", l.name.c_str(), (unsigned long)s.nummer,
             (unsigned long long)s.offset);
    return t;
}

void Melden(Lauf& l, const std::string& text)
{
    if (l.e->meldungen.size() < 1000)
        l.e->meldungen.push_back(text);
}

/* --- output files ------------------------------------------------------------ */

bool Oeffnen(Lauf& l, Datei& d, const std::string& name)
{
    d = Datei();
    d.puffer.reserve(1 << 16);
    if (l.ziel.empty()) {
        d.endname = name;
        return true;
    }
    d.endname = l.ziel + name;
    d.arbeit = l.ziel + "~" + name + ".TMP";
    d.f = fopen(d.arbeit.c_str(), "wb");
    return d.f != nullptr;
}

void Schreiben(Datei& d, const char* text, size_t n)
{
    d.puffer.append(text, n);
    if (d.f && d.puffer.size() >= (1u << 20)) {
        if (fwrite(d.puffer.data(), 1, d.puffer.size(), d.f) != d.puffer.size())
            d.fehler = true;
        d.puffer.clear();
    }
}

void Verwerfen(Datei& d)
{
    if (d.f) {
        fclose(d.f);
        remove(d.arbeit.c_str());
    }
    d = Datei();
}

/* Completes the file: flushed, closed and renamed. */
bool Abschliessen(Lauf& l, Datei& d)
{
    if (d.endname.empty())
        return true;
    if (!d.f) {
        l.e->speicher.emplace_back(d.endname, d.puffer);
        d = Datei();
        return true;
    }
    bool ok = !d.fehler && fwrite(d.puffer.data(), 1, d.puffer.size(), d.f) == d.puffer.size();
    ok = fclose(d.f) == 0 && ok;
    d.f = nullptr;
    if (ok && datei_umbenennen(d.arbeit, d.endname) == 1) {
        l.e->dateien.push_back(d.endname);
        d = Datei();
        return true;
    }
    remove(d.arbeit.c_str());
    d = Datei();
    return false;
}

/* --- message state ------------------------------------------------------------- */

void Ablehnen(Lauf& l, const Segment& s, const std::string& was)
{
    if (!l.nachrichtAktiv || l.abgelehnt)
        return;
    l.abgelehnt = true;
    Verwerfen(l.haupt);
    Verwerfen(l.adresse);
    char kopf[96];
    snprintf(kopf, sizeof kopf, " (message %s %s refused)", l.typ[0] ? l.typ : "?", l.unhRef);
    Melden(l, Ort(l, s) + kopf + ": " + was);
}

/* Refuses the open message when the segment could not be split cleanly. */
inline bool SegmentInOrdnung(Lauf& l, const Segment& s)
{
    if (s.problem[0] == '\0')
        return true;
    Ablehnen(l, s, s.problem);
    return false;
}

void Text(const Lauf& l, const Segment& s, int e, int k, char* aus, size_t groesse)
{
    edi_text_kopieren(s, e, k, l.t, l.zs, aus, groesse);
}

/* A text that must fit: false (and the message refused) when it is cut. */
bool Kennung(Lauf& l, const Segment& s, int e, int k, char* aus, size_t groesse, const char* was)
{
    if (edi_text_kopieren(s, e, k, l.t, l.zs, aus, groesse) < groesse)
        return true;
    char text[160];
    snprintf(text, sizeof text, "%s in element %d is longer than %d characters", was, e, (int)groesse - 1);
    Ablehnen(l, s, text);
    aus[0] = '\0';
    return false;
}

/* The date of a DTM segment as YYYYMMDD (empty when it has none). */
void Datum(const Lauf& l, const Segment& s, char aus[9])
{
    char wert[36];
    Text(l, s, 1, 1, wert, sizeof wert);
    aus[0] = '\0';
    const char* format = "";
    char f[4];
    Text(l, s, 1, 2, f, sizeof f);
    format = f;
    size_t n = strlen(wert);
    for (size_t i = 0; i < n; i++)
        if (wert[i] < '0' || wert[i] > '9') {
            n = i;
            break;
        }
    if (strcmp(format, "101") == 0 && n >= 6) {
        memcpy(aus, "20", 2);
        memcpy(aus + 2, wert, 6);
        aus[8] = '\0';
    } else if (n >= 8) {
        memcpy(aus, wert, 8);
        aus[8] = '\0';
    }
}

bool IstGln(const char* t)
{
    if (strlen(t) != 13)
        return false;
    for (int i = 0; i < 13; i++)
        if (t[i] < '0' || t[i] > '9')
            return false;
    return true;
}

/* A decimal text of a value in hundredths, not negative ("19", "5.5",
 * "7.25"), into `aus` (`groesse` bytes, cut). */
void Prozent(int64_t hundertstel, char* aus, size_t groesse)
{
    char ganz[22], t[26];
    Zahltext(hundertstel / 100, ganz);
    size_t n = strlen(ganz);
    memcpy(t, ganz, n);
    t[n] = '\0';
    int rest = static_cast<int>(hundertstel % 100);
    if (rest != 0) {
        t[n++] = '.';
        t[n++] = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0)
            t[n++] = static_cast<char>('0' + rest % 10);
        t[n] = '\0';
    }
    Kopie(aus, groesse, t);
}

/* --- head segments ----------------------------------------------------------- */

void Nad(Lauf& l, const Segment& s)
{
    char q[4];
    Text(l, s, 1, 0, q, sizeof q);
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
    if (partei == nullptr)
        return;
    *partei = Partei();
    char gln[36];
    if (!Kennung(l, s, 2, 0, gln, sizeof gln, "the party identification"))
        return;
    if (gln[0] && !IstGln(gln)) {
        Ablehnen(l, s, std::string("NAD+") + q + ": expected a 13-digit GLN, found \"" + gln + "\"");
        return;
    }
    memcpy(partei->gln, gln, sizeof partei->gln - 1);
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

Partei* LetztePartei(Lauf& l)
{
    return l.letzteNad == 'S' ? &l.su : l.letzteNad == 'B' ? &l.by : l.letzteNad == 'D' ? &l.dp : nullptr;
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
        return;
    }
    if (l.inPosten)
        return;
    if (q == C("137"))
        memcpy(l.datum, d, sizeof d);
    else if (q == C("194") || (q == C("157") && !l.gueltig[0]))
        memcpy(l.gueltig, d, sizeof d);
    else if (q == C("11"))
        memcpy(l.versanddatum, d, sizeof d);
    else if (q == C("17") || q == C("35") || q == C("358") || (q == C("2") && !l.lieferdatum[0]))
        memcpy(l.lieferdatum, d, sizeof d);
}

void Rff(Lauf& l, const Segment& s)
{
    uint32_t q = Code(s, 1, 0);
    if (l.inPosten) {
        l.p.kaeuferRff = 2;
        if (q == C("ON")) {
            Text(l, s, 1, 1, l.p.bestellung, sizeof l.p.bestellung);
            Text(l, s, 1, 2, l.p.bestellposition, sizeof l.p.bestellposition);
            l.p.kaeuferRff = 1;
        } else if (q == C("VN")) {
            Text(l, s, 1, 1, l.p.auftrag, sizeof l.p.auftrag);
        }
        return;
    }
    l.kopfRffOn = false;
    if (q == C("VA")) {
        if (Partei* partei = LetztePartei(l))
            Text(l, s, 1, 1, partei->ustid, sizeof partei->ustid);
    } else if (q == C("ON") && l.letzteNad == 0 && l.art == DESADV) {
        Text(l, s, 1, 1, l.kopfBestellung, sizeof l.kopfBestellung);
        l.kopfRffOn = true;
    }
}

/* --- LIN groups -------------------------------------------------------------- */

/* A code and a text into a characteristic (the first one met stays). */
void MerkmalSetzen(Merkmal& m, const char* code, const char* text)
{
    if (m.da())
        return;
    Kopie(m.code, sizeof m.code, code);
    Kopie(m.text, sizeof m.text, text);
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

void Imd(Lauf& l, const Segment& s)
{
    uint32_t art = Code(s, 2, 0);
    Posten& p = l.p;
    Merkmal* m = MerkmalZuCode(p, art);
    bool beschreibung = art == 0 || art == C("ANM") || art == C("DSC");
    if (m == nullptr && !beschreibung)
        return;
    if (m != nullptr ? m->da() : (Code(s, 1, 0) == C("E") ? p.kurztext[0] != 0 : p.beschreibung[0] != 0))
        return;   /* the first one met stays */
    char code[36], text[73], text2[73];
    Text(l, s, 3, 0, code, sizeof code);
    Text(l, s, 3, 3, text, sizeof text);
    Text(l, s, 3, 4, text2, sizeof text2);
    Anhaengen(text, sizeof text, text2);
    if (m != nullptr)
        MerkmalSetzen(*m, code, text);
    else if (Code(s, 1, 0) == C("E"))
        Kopie(p.kurztext, sizeof p.kurztext, text);
    else
        Kopie(p.beschreibung, sizeof p.beschreibung, text);
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
    default: return;
    }
    char code[36], text[73];
    Text(l, s, 1, 0, code, sizeof code);
    Text(l, s, 1, 3, text, sizeof text);
    MerkmalSetzen(*m, code, text);
}

void Cci(Lauf& l, const Segment& s)
{
    Merkmal* m = MerkmalZuCode(l.p, Code(s, 3, 0));
    l.cciArt = m == &l.p.farbe ? 1 : m == &l.p.groesse ? 2 : m == &l.p.marke ? 3
             : m == &l.p.material ? 4 : m == &l.p.gruppe ? 5 : m == &l.p.saison ? 6 : 0;
}

/* A GTIN from element e component 0 into the group (LIN or PIA). */
bool GtinSetzen(Lauf& l, const Segment& s, int e)
{
    char gtin[36];
    if (!Kennung(l, s, e, 0, gtin, sizeof gtin, "the GTIN"))
        return false;
    if (!gtin[0])
        return true;
    if (!eancom_gtin13(gtin, strlen(gtin), l.p.ean)) {
        Ablehnen(l, s, std::string("expected a GTIN of 8, 12, 13 or 14 digits, found \"") + gtin + "\"");
        return false;
    }
    return true;
}

void Pia(Lauf& l, const Segment& s)
{
    for (int e = 2; e < s.elemente && e <= 6 && !l.abgelehnt; e++) {
        switch (Code(s, e, 1)) {
        case C("SA"):
            if (!l.p.nummer[0])
                Kennung(l, s, e, 0, l.p.nummer, sizeof l.p.nummer, "the supplier's article number");
            break;
        case C("IN"):
            if (!l.p.kaeufer[0])
                Kennung(l, s, e, 0, l.p.kaeufer, sizeof l.p.kaeufer, "the buyer's article number");
            break;
        case C("NB"):
            if (!l.p.charge[0])
                Kennung(l, s, e, 0, l.p.charge, sizeof l.p.charge, "the batch number");
            break;
        case C("SRS"): case C("SRV"): case C("EN"):
            if (!l.p.ean[0])
                GtinSetzen(l, s, e);
            break;
        default:
            break;
        }
    }
}

void Pri(Lauf& l, const Segment& s)
{
    uint32_t q = Code(s, 1, 0), spez = Code(s, 1, 3);
    bool aktion = spez == C("PRP") || spez == C("DPR");
    bool verkauf = spez == C("RTP") || spez == C("MRP") || spez == C("SRP") || spez == C("AMP");
    Preis* slot = nullptr;
    int rang = 99;
    if (q == C("AAA") || q == C("AAB")) {
        slot = &l.p.ek;
        rang = q == C("AAA") ? 0 : 1;
    } else if (q == C("AAE") || q == C("AAF") || (q == C("INF") && (aktion || verkauf))) {
        slot = aktion ? &l.p.vk2 : &l.p.vk;
        rang = q == C("AAE") ? 0 : q == C("AAF") ? 1 : 2;
    }
    if (slot == nullptr || rang >= slot->rang)
        return;
    int64_t preis = 0, basis = 1000;
    int r = edi_zahl(s, 1, 1, 6, &preis);
    if (r == 0)
        return;
    int rb = edi_zahl(s, 1, 4, 3, &basis);
    if (r < 0 || rb < 0 || preis < 0 || (rb == 1 && basis <= 0)) {
        Ablehnen(l, s, "PRI: expected a price and price basis as positive decimal numbers");
        return;
    }
    if (rb == 0)
        basis = 1000;
    /* hundredths of the price for one unit: price / basis */
    double hundertstel = static_cast<double>(preis) / 10000.0 / (static_cast<double>(basis) / 1000.0);
    if (hundertstel >= 2147483647.0) {
        Ablehnen(l, s, "PRI: the price is too large for the catalogue");
        return;
    }
    slot->wert = static_cast<int64_t>(floor(hundertstel + 0.5));
    slot->rang = rang;
}

void Tax(Lauf& l, const Segment& s)
{
    if (Code(s, 1, 0) != C("7") || (Code(s, 2, 0) != C("VAT") && Code(s, 2, 0) != 0))
        return;
    int64_t satz = 0;
    int r = edi_zahl(s, 5, 3, 2, &satz);
    if (r == 0)
        return;
    if (r < 0 || satz < 0 || satz > 10000) {
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
    if (Code(s, 1, 0) != C("12") || !l.inPosten)
        return;
    int64_t menge = 0;
    int r = edi_zahl(s, 1, 1, 3, &menge);
    if (r != 1 || menge < 0 || menge % 1000 != 0 || menge / 1000 > 1000000) {
        Ablehnen(l, s, "QTY+12: expected the despatched quantity as a whole number of at most 1000000");
        return;
    }
    l.p.menge = menge / 1000;
    l.p.mengeDa = true;
    Text(l, s, 1, 2, l.p.einheit, sizeof l.p.einheit);
}

/* The EDI lines of a finished group. */
void Feld(char* feld, size_t breite, const Merkmal& m, bool codeZuerst)
{
    const char* erst = codeZuerst ? m.code : m.text;
    const char* dann = codeZuerst ? m.text : m.code;
    Setzen(feld, breite - 1, erst[0] ? erst : dann);
}

void Kopfzeile(Lauf& l, const char* nachricht, const Partei& partner)
{
    EDI_KOPFSATZ kopf;
    memset(&kopf, 0, sizeof kopf);
    SETZEN(kopf, Nachricht, nachricht);
    Setzen(kopf.AbsenderIln, sizeof kopf.AbsenderIln - 1, l.su.gln);
    Setzen(kopf.PartnerIln, sizeof kopf.PartnerIln - 1, partner.gln);
    char beschreibung[64];
    snprintf(beschreibung, sizeof beschreibung, "EANCOM %s", l.dokument[0] ? l.dokument : l.unhRef);
    Setzen(kopf.Beschreibung, sizeof kopf.Beschreibung - 1, beschreibung);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = l.art == PRICAT ? EDIPRICAT_BTEPRI_SatzErstellen(zeile, &kopf)
                                : EDIDESADV_BTEDES_SatzErstellen(zeile, &kopf);
    if (n > 0)
        Schreiben(l.haupt, zeile, static_cast<size_t>(n));
}

/* 1 when two paths name the same file as far as their texts tell (case
 * and the kind of folder separator do not count). */
bool GleicherPfad(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i++) {
        char x = a[i] == '/' ? '\\' : static_cast<char>(tolower(static_cast<unsigned char>(a[i])));
        char y = b[i] == '/' ? '\\' : static_cast<char>(tolower(static_cast<unsigned char>(b[i])));
        if (x != y)
            return false;
    }
    return true;
}

/* Opens the message's files at its first LIN group; false = refused. */
bool DateienOeffnen(Lauf& l, const Segment& s)
{
    if (l.kopfGeschrieben)
        return true;
    if (!l.su.gln[0] && IstGln(l.unbSender))
        memcpy(l.su.gln, l.unbSender, 14);
    Partei empfaenger = l.by.gln[0] ? l.by : l.dp;
    if (!empfaenger.gln[0] && IstGln(l.unbEmpfaenger))
        memcpy(empfaenger.gln, l.unbEmpfaenger, 14);
    if (!l.su.gln[0]) {
        Ablehnen(l, s, "no supplier: expected NAD+SU with a 13-digit GLN before the first LIN");
        return false;
    }
    if (l.art == DESADV && !empfaenger.gln[0]) {
        Ablehnen(l, s, "no buyer: expected NAD+BY with a 13-digit GLN before the first LIN");
        return false;
    }
    std::string name = l.stamm;
    if (l.nummer > 1)
        name += "-" + std::to_string(l.nummer);
    std::string haupt = name + (l.art == PRICAT ? ".INH" : ".DES");
    if (!l.ziel.empty() && GleicherPfad(l.ziel + haupt, l.name)) {
        Ablehnen(l, s, "the converted file would replace the interchange itself: expected another name "
                       "for the interchange (for example .EDI)");
        return false;
    }
    bool ok = Oeffnen(l, l.haupt, haupt);
    if (ok && l.art == PRICAT && l.su.name[0])
        ok = Oeffnen(l, l.adresse, name + ".ADR");
    if (!ok) {
        Ablehnen(l, s, "the target file cannot be written");
        return false;
    }
    l.kopfGeschrieben = true;
    Kopfzeile(l, l.art == PRICAT ? "PRICAT" : "DESADV", empfaenger);
    if (l.art == DESADV) {
        memset(&l.dkopf, 0, sizeof l.dkopf);
        SETZEN(l.dkopf, Nachrichtentyp, "DESADV");
        Setzen(l.dkopf.Nachrichtenfunktion, 2, l.funktion);
        Setzen(l.dkopf.Nachrichtennummer, sizeof l.dkopf.Nachrichtennummer - 1, l.unhRef);
        Setzen(l.dkopf.Lieferscheinnummer, sizeof l.dkopf.Lieferscheinnummer - 1, l.dokument);
        SETZEN(l.dkopf, Lieferdatum, l.lieferdatum);
        SETZEN(l.dkopf, Versanddatum, l.versanddatum);
        SETZEN(l.dkopf, LieferantenIln, l.su.gln);
        Setzen(l.dkopf.KaeuferIln, 13, empfaenger.gln);
        Setzen(l.dkopf.LieferortIln, 13, l.dp.gln[0] ? l.dp.gln : empfaenger.gln);
        char zeile[EDI_AUSGABE_GROESSE];
        int32_t n = EDIDESADV_KopfSatzErstellen(zeile, &l.dkopf);
        if (n > 0)
            Schreiben(l.haupt, zeile, static_cast<size_t>(n));
    }
    return true;
}

void PricatZeile(Lauf& l)
{
    const Posten& p = l.p;
    PRICAT_DATEN d;
    memset(&d, 0, sizeof d);
    SETZEN(d, Nachrichtentyp, "PRICAT");
    Setzen(d.Lieferant, sizeof d.Lieferant - 1, l.su.name[0] ? l.su.name : l.su.gln);
    Setzen(d.Nachrichtenfunktion, 2, p.aktion[0] == '2' && p.aktion[1] == '\0' ? "AU" : l.funktion);
    Setzen(d.Waehrung, 3, l.waehrung[0] ? l.waehrung : "EUR");
    SETZEN(d, LieferantenIln, l.su.gln);
    Setzen(d.Nachrichtennummer, sizeof d.Nachrichtennummer - 1, l.dokument);
    SETZEN(d, Nachrichtendatum, l.datum);
    SETZEN(d, GueltigAb, l.gueltig);
    Setzen(d.Lieferantenartikelnummer, sizeof d.Lieferantenartikelnummer - 1, p.nummer);
    Setzen(d.Hauptgruppe, sizeof d.Hauptgruppe - 1, l.gruppe);
    SETZEN(d, Mengeneinheit, "PCE");
    SETZEN(d, Ean, p.ean);
    Setzen(d.Artikel, sizeof d.Artikel - 1, p.nummer[0] ? p.nummer : p.beschreibung[0] ? p.beschreibung : p.ean);
    Feld(d.Merkmal7, sizeof d.Merkmal7, p.groesse, true);
    Feld(d.Groessentext, sizeof d.Groessentext, p.groesse, false);
    Feld(d.BleFarbe, sizeof d.BleFarbe, p.farbe, true);
    Feld(d.Lieferantenfarbe, sizeof d.Lieferantenfarbe, p.farbe, false);
    Feld(d.Material, sizeof d.Material, p.material, false);
    Setzen(d.Zusatztext, sizeof d.Zusatztext - 1, p.kurztext);
    Setzen(d.Artikelbeschreibung, sizeof d.Artikelbeschreibung - 1, p.beschreibung);
    char preis[22];
    Zahltext(p.ek.wert, preis);
    SETZEN(d, Preis1, preis);
    Zahltext(p.vk.wert, preis);
    SETZEN(d, Preis2, preis);
    if (p.vk2.rang < 99) {
        Zahltext(p.vk2.wert, preis);
        SETZEN(d, Preis3, preis);
    }
    Feld(d.Warengruppe, sizeof d.Warengruppe, p.gruppe, false);
    Feld(d.Saison, sizeof d.Saison, p.saison, false);
    Feld(d.Label, sizeof d.Label, p.marke, false);
    Setzen(d.MwstSatz, sizeof d.MwstSatz - 1, p.mwst[0] ? p.mwst : l.kopfMwst);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(zeile, &d, 0, nullptr);
    if (n > 0)
        Schreiben(l.haupt, zeile, static_cast<size_t>(n));
}

void DesadvZeile(Lauf& l)
{
    const Posten& p = l.p;
    DESADV_REFERENZ r;
    DESADV_POSITION pos;
    memset(&r, 0, sizeof r);
    memset(&pos, 0, sizeof pos);
    Setzen(r.Bestellnummer, sizeof r.Bestellnummer - 1, p.bestellung[0] ? p.bestellung : l.kopfBestellung);
    SETZEN(r, Bestelldatum, p.bestellung[0] ? p.bestelldatum : l.kopfBestelldatum);
    Setzen(r.Bestellposition, sizeof r.Bestellposition - 1, p.bestellposition);
    Setzen(r.Auftragsnummer, sizeof r.Auftragsnummer - 1, p.auftrag);
    Setzen(pos.Positionsnummer, sizeof pos.Positionsnummer - 1, p.zeile);
    Setzen(pos.Artikelbeschreibung, sizeof pos.Artikelbeschreibung - 1, p.beschreibung);
    Feld(pos.Farbe, sizeof pos.Farbe, p.farbe, false);
    Feld(pos.Groesse, sizeof pos.Groesse, p.groesse, false);
    Setzen(pos.Mengeneinheit, 3, p.einheit[0] ? p.einheit : "PCE");
    Setzen(pos.EmpfaengerIln, 13, l.dkopf.KaeuferIln);
    SETZEN(pos, Gtin, p.ean);
    Setzen(pos.Lieferantenartikelnummer, sizeof pos.Lieferantenartikelnummer - 1, p.nummer);
    Setzen(pos.Kaeuferartikelnummer, sizeof pos.Kaeuferartikelnummer - 1, p.kaeufer);
    Setzen(pos.Packstueck, sizeof pos.Packstueck - 1, l.sscc);
    Setzen(pos.Charge, sizeof pos.Charge - 1, p.charge);
    char menge[22];
    Zahltext(p.menge, menge);
    SETZEN(pos, Menge, menge);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_PositionsSatzErstellen(zeile, &l.dkopf, &r, &pos);
    if (n > 0)
        Schreiben(l.haupt, zeile, static_cast<size_t>(n));
}

/* Ends the open LIN group: checked, mapped, written. */
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
    if (!l.p.ean[0]) {
        Ablehnen(l, ort, "LIN group without an EAN: expected a GTIN in LIN or in PIA");
        return;
    }
    if (l.art == DESADV && !l.p.mengeDa) {
        Ablehnen(l, ort, "LIN group without a despatched quantity: expected QTY+12");
        return;
    }
    if (!DateienOeffnen(l, ort))
        return;
    if (l.art == PRICAT)
        PricatZeile(l);
    else
        DesadvZeile(l);
    l.zeilen++;
}

void Lin(Lauf& l, const Segment& s)
{
    PostenBeenden(l);
    l.inPosten = true;
    l.p = Posten();
    l.p.segment = s.nummer;
    l.p.offset = s.offset;
    Text(l, s, 1, 0, l.p.zeile, sizeof l.p.zeile);
    Text(l, s, 2, 0, l.p.aktion, sizeof l.p.aktion);
    GtinSetzen(l, s, 3);
}

/* --- the address file ------------------------------------------------------------ */

void AdrWert(std::string& zeile, const char* wert)
{
    for (const char* c = wert; *c; c++)
        zeile += (*c == ';' || *c == '\t' || *c == '\r' || *c == '\n') ? ' ' : *c;
    zeile += ';';
}

void AdresseSchreiben(Lauf& l)
{
    if (l.adresse.endname.empty())
        return;
    static const char* const SPALTEN =
        "K\xFCrzel;Name;Ansprechpartner;Strasse;Land;PLZ;Ort;Tel1;Tel2;Fax1;Fax2;Bestell-AP;Bestell-Adresse;"
        "Bestell-Tel;Bestell-Fax;Reklam-AP;Reklam-Adresse;Reklam-Tel;Reklam-Fax;RMA-erf;Feste RAM-Nr;UnfreiOK;"
        "BLZ;KTO;USTID;Frachtfrei;Bankname;USTfrei;ILN-Nr.1;ILN-Nr.2;ILN-Nr.3;ILN-Nr.4;ILN-Nr.5;ILN-Nr.6;"
        "ILN-Nr.7;ILN-Nr.8;ILN-Nr.9;ILN-Nr.10;\n";
    const Partei& su = l.su;
    std::string z = SPALTEN;
    AdrWert(z, "EAN");
    const char* werte[] = { su.name, su.kontakt, su.strasse, su.land, su.plz, su.ort, su.tel, "", su.fax, "" };
    for (const char* w : werte)
        AdrWert(z, w);
    for (int i = 0; i < 8; i++)   /* Bestell-AP .. Reklam-Fax: composed by the import */
        AdrWert(z, "");
    const char* rest[] = { "0", "", "0", "", "", su.ustid, "0", "", "0", su.gln };
    for (const char* w : rest)
        AdrWert(z, w);
    for (int i = 0; i < 9; i++)
        AdrWert(z, "");
    z += '\n';
    Schreiben(l.adresse, z.data(), z.size());
}

/* --- messages ------------------------------------------------------------------ */

void NachrichtAnfangen(Lauf& l, const Segment& s)
{
    l.art = KEINE;
    l.nachrichtAktiv = true;
    l.abgelehnt = false;
    l.nummer++;
    l.e->nachrichten++;
    l.unhSegment = s.nummer;
    l.segmente = 1;
    l.zeilen = 0;
    l.kopfGeschrieben = false;
    l.inPosten = false;
    l.cciArt = 0;
    l.letzteNad = 0;
    l.kopfRffOn = false;
    l.dokument[0] = l.funktion[0] = l.datum[0] = l.gueltig[0] = l.waehrung[0] = '\0';
    l.lieferdatum[0] = l.versanddatum[0] = l.kopfMwst[0] = l.kopfBestellung[0] = l.kopfBestelldatum[0] = '\0';
    l.gruppe[0] = l.sscc[0] = '\0';
    l.su = l.by = l.dp = Partei();
    Text(l, s, 1, 0, l.unhRef, sizeof l.unhRef);
    Text(l, s, 2, 0, l.typ, sizeof l.typ);
    if (!SegmentInOrdnung(l, s))
        return;
    if (strcmp(l.typ, "PRICAT") == 0)
        l.art = PRICAT;
    else if (strcmp(l.typ, "DESADV") == 0)
        l.art = DESADV;
    else
        Ablehnen(l, s, std::string("unknown message type \"") + l.typ + "\": expected PRICAT or DESADV");
    if (!l.abgelehnt && !edi_gleich(s, 2, 1, "D"))
        Ablehnen(l, s, "UNH: expected an UN/EDIFACT directory (D) in element 2, component 2");
}

void NachrichtBeenden(Lauf& l, const Segment& s, bool mitUnt)
{
    if (!l.nachrichtAktiv)
        return;
    if (!mitUnt) {
        Ablehnen(l, s, std::string("missing UNT: expected UNT before ") +
                           (s.tag == T_UNH ? "the next UNH" : s.tag == T_UNZ ? "UNZ" : "the end of the file"));
    } else {
        PostenBeenden(l);
        long anzahl = 0;
        char ref[15];
        Text(l, s, 2, 0, ref, sizeof ref);
        int64_t zahl = 0;
        if (edi_zahl(s, 1, 0, 0, &zahl) == 1)
            anzahl = static_cast<long>(zahl);
        if (anzahl != l.segmente)
            Ablehnen(l, s, "UNT: the message has " + std::to_string(l.segmente) + " segments, UNT says " +
                               std::to_string(anzahl));
        else if (strcmp(ref, l.unhRef) != 0)
            Ablehnen(l, s, std::string("UNT: expected the message reference \"") + l.unhRef + "\" of UNH, found \"" +
                               ref + "\"");
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
            l.e->umgesetzt++;
            (l.art == PRICAT ? l.e->variationen : l.e->positionen) += l.zeilen;
        }
    }
    if (l.abgelehnt)
        l.e->abgelehnt++;
    Verwerfen(l.haupt);
    Verwerfen(l.adresse);
    l.nachrichtAktiv = false;
}

void Segment_(Lauf& l, const Segment& s)
{
    uint32_t tag = s.tag;
    if (tag == T_UNA || tag == T_UNG || tag == T_UNE)
        return;
    if (tag == T_UNB) {
        NachrichtBeenden(l, s, false);
        l.inUnb = true;
        l.unbNachrichten = 0;
        char zs[5];
        Text(l, s, 1, 0, zs, sizeof zs);
        Text(l, s, 2, 0, l.unbSender, sizeof l.unbSender);
        Text(l, s, 3, 0, l.unbEmpfaenger, sizeof l.unbEmpfaenger);
        Text(l, s, 5, 0, l.unbRef, sizeof l.unbRef);
        if (strcmp(zs, "UNOY") == 0 || strcmp(zs, "UNOW") == 0)
            l.zs = ZS_UTF8;
        else if (strcmp(zs, "UNOA") == 0 || strcmp(zs, "UNOB") == 0 || strcmp(zs, "UNOC") == 0)
            l.zs = ZS_LATIN1;
        else {
            l.zs = ZS_LATIN1;
            Melden(l, Ort(l, s) + ": syntax identifier \"" + zs +
                          "\": expected UNOA, UNOB, UNOC, UNOW or UNOY; read as ISO 8859-1");
        }
        return;
    }
    if (tag == T_UNZ) {
        NachrichtBeenden(l, s, false);
        int64_t n = 0;
        if (!l.inUnb)
            Melden(l, Ort(l, s) + ": UNZ without UNB");
        else if (edi_zahl(s, 1, 0, 0, &n) != 1 || n != l.unbNachrichten)
            Melden(l, Ort(l, s) + ": UNZ counts " + std::string(edi_teil(s, 1, 0).p, edi_teil(s, 1, 0).n) +
                          " messages, the interchange has " + std::to_string(l.unbNachrichten));
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
        Melden(l, Ort(l, s) + ": segment outside a message ignored: expected UNH");
        return;
    }
    l.segmente++;
    if (tag == T_UNT) {
        SegmentInOrdnung(l, s);
        NachrichtBeenden(l, s, true);
        return;
    }
    if (l.abgelehnt || !SegmentInOrdnung(l, s))
        return;
    if (tag == T_LIN) {
        Lin(l, s);
        return;
    }
    if (tag == T_PGI || tag == T_CPS || tag == T_CNT) {
        PostenBeenden(l);
        if (tag == T_PGI) {
            char code[36];
            Text(l, s, 2, 3, l.gruppe, sizeof l.gruppe);
            Text(l, s, 2, 0, code, sizeof code);
            if (!l.gruppe[0])
                Kopie(l.gruppe, sizeof l.gruppe, code);
        } else if (tag == T_CPS) {
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
        default: break;
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
    case T_CTA:
        if (Partei* p = LetztePartei(l))
            Text(l, s, 2, 1, p->kontakt, sizeof p->kontakt);
        break;
    case T_COM:
        if (Partei* p = LetztePartei(l)) {
            if (edi_gleich(s, 1, 1, "TE") && !p->tel[0])
                Text(l, s, 1, 0, p->tel, sizeof p->tel);
            else if (edi_gleich(s, 1, 1, "FX") && !p->fax[0])
                Text(l, s, 1, 0, p->fax, sizeof p->fax);
        }
        break;
    case T_GIN:
        if (edi_gleich(s, 1, 0, "BJ"))
            Text(l, s, 2, 0, l.sscc, sizeof l.sscc);
        break;
    default: break;
    }
}

std::string Stamm(const std::string& name)
{
    size_t schnitt = name.find_last_of("/\\");
    std::string datei = schnitt == std::string::npos ? name : name.substr(schnitt + 1);
    size_t punkt = datei.find_last_of('.');
    if (punkt != std::string::npos && punkt > 0)
        datei.resize(punkt);
    return datei.empty() ? std::string("EANCOM") : datei;
}

int Umsetzen(Leser* leser, const std::string& name, const std::string& ziel, Ergebnis& e, Fortschritt fn,
             void* fnDaten)
{
    auto l = std::make_unique<Lauf>();
    l->name = name;
    l->stamm = Stamm(name);
    l->ziel = ziel;
    l->e = &e;
    auto s = std::make_unique<Segment>();
    Fehler f;
    int r;
    bool erstes = true;
    uint64_t naechsteMeldung = 8u << 20;
    while ((r = edi_naechstes(leser, *s, f)) == 1) {
        if (erstes) {
            erstes = false;
            l->t = edi_trenner(leser);
            if (s->tag != T_UNA && s->tag != T_UNB) {
                Melden(*l, Ort(*l, *s) + ": no interchange: expected UNA or UNB at the start");
                break;
            }
        }
        Segment_(*l, *s);
        if (fn && edi_position(leser) >= naechsteMeldung) {
            fn(fnDaten, edi_position(leser), edi_groesse(leser));
            naechsteMeldung = edi_position(leser) + (8u << 20);
        }
    }
    if (r < 0) {
        char t[160];
        snprintf(t, sizeof t, "%s: segment %lu (byte %llu): ", name.c_str(), (unsigned long)f.segment,
                 (unsigned long long)f.offset);
        Melden(*l, t + f.text);
    }
    s->nummer = r < 0 ? f.segment : static_cast<uint32_t>(l->segmente);
    s->offset = r < 0 ? f.offset : edi_position(leser);
    s->tag = 0;
    NachrichtBeenden(*l, *s, false);
    if (r == 0 && l->inUnb && !erstes)
        Melden(*l, name + ": the file ends without UNZ");
    if (erstes && r == 0)
        Melden(*l, name + ": empty file: expected an interchange (UNA or UNB)");
    if (e.umgesetzt > 0 && e.abgelehnt == 0)
        return 0;
    return e.umgesetzt > 0 ? 1 : 2;
}

} // namespace

int eancom_gtin13(const char* gtin, size_t n, char aus[14])
{
    for (size_t i = 0; i < n; i++)
        if (gtin[i] < '0' || gtin[i] > '9')
            return 0;
    if (n == 14 && gtin[0] == '0') {
        gtin++;
        n = 13;
    }
    if (n != 8 && n != 12 && n != 13)
        return 0;
    memset(aus, '0', 13);
    memcpy(aus + 13 - n, gtin, n);
    aus[13] = '\0';
    return 1;
}

int eancom_erkennen(const char* kopf, size_t n)
{
    size_t i = 0;
    if (n >= 3 && memcmp(kopf, "\xEF\xBB\xBF", 3) == 0)
        i = 3;
    while (i < n && (kopf[i] == '\r' || kopf[i] == '\n' || kopf[i] == ' ' || kopf[i] == '\t'))
        i++;
    if (n - i < 4)
        return 0;
    if (memcmp(kopf + i, "UNA", 3) == 0)
        return 1;
    return memcmp(kopf + i, "UNB", 3) == 0 && (kopf[i + 3] == '+' || (unsigned char)kopf[i + 3] > 0x20) ? 1 : 0;
}

int eancom_datei_erkennen(const char* pfad)
{
    FILE* f = pfad ? fopen(pfad, "rb") : nullptr;
    if (f == nullptr)
        return 0;
    char kopf[64];
    size_t n = fread(kopf, 1, sizeof kopf, f);
    fclose(f);
    return eancom_erkennen(kopf, n);
}

int eancom_datei_umsetzen(const char* quelle, const std::string& zielOrdner, Ergebnis& e, Fortschritt fn,
                          void* fnDaten)
{
    e = Ergebnis();
    std::string name = quelle ? quelle : "";
    Leser* leser = edi_leser_datei(quelle);
    if (leser == nullptr) {
        e.meldungen.push_back(name + ": cannot be opened");
        return 2;
    }
    int r = Umsetzen(leser, name, zielOrdner, e, fn, fnDaten);
    edi_leser_schliessen(leser);
    return r;
}

int eancom_speicher_umsetzen(const char* daten, size_t groesse, const std::string& name,
                             const std::string& zielOrdner, Ergebnis& e)
{
    e = Ergebnis();
    Leser* leser = edi_leser_speicher(daten, groesse);
    int r = Umsetzen(leser, name, zielOrdner, e, nullptr, nullptr);
    edi_leser_schliessen(leser);
    return r;
}

} // namespace eancom
