/*
 * eancom_intern.h - the records of one conversion and the helpers the
 * converter's files share (not for callers outside src/eancom).
 *
 *   eancom_hilfen.cpp     codes, numbers, texts, report lines
 *   eancom_dateien.cpp    working files, output names, file identities
 *   eancom_segmente.cpp   head and LIN group segments
 *   eancom_saetze.cpp     catalogue, address and despatch records
 *   eancom_nachricht.cpp  message life (UNH .. UNT) and the envelope
 *   eancom_aufrufe.cpp    the public calls of eancom.h
 */
#ifndef KTOXEDI_EANCOM_INTERN_H
#define KTOXEDI_EANCOM_INTERN_H

#include "eancom/eancom.h"
#include "eancom/edifact.h"
#include "hostapi/edi.h"

#include <stdio.h>

namespace eancom {

constexpr uint32_t T_UNB = EDI_TAG("UNB"), T_UNZ = EDI_TAG("UNZ"), T_UNH = EDI_TAG("UNH"),
                   T_UNT = EDI_TAG("UNT"), T_UNA = EDI_TAG("UNA"), T_UNG = EDI_TAG("UNG"),
                   T_UNE = EDI_TAG("UNE"), T_UNS = EDI_TAG("UNS"), T_BGM = EDI_TAG("BGM"),
                   T_DTM = EDI_TAG("DTM"), T_CUX = EDI_TAG("CUX"), T_NAD = EDI_TAG("NAD"),
                   T_CTA = EDI_TAG("CTA"), T_COM = EDI_TAG("COM"), T_RFF = EDI_TAG("RFF"),
                   T_PGI = EDI_TAG("PGI"), T_LIN = EDI_TAG("LIN"), T_PIA = EDI_TAG("PIA"),
                   T_IMD = EDI_TAG("IMD"), T_CCI = EDI_TAG("CCI"), T_CAV = EDI_TAG("CAV"),
                   T_PRI = EDI_TAG("PRI"), T_TAX = EDI_TAG("TAX"), T_QTY = EDI_TAG("QTY"),
                   T_CPS = EDI_TAG("CPS"), T_GIN = EDI_TAG("GIN"), T_CNT = EDI_TAG("CNT"),
                   T_PAC = EDI_TAG("PAC");

/* A code of at most three characters packed into an integer (C("SA")). */
constexpr uint32_t C(const char* t)
{
    uint32_t w = 0;
    for (int i = 0; i < 3 && t[i]; i++)
        w = w << 8 | static_cast<uint8_t>(t[i]);
    return w;
}

/* The code of component (e, k) packed as C() packs it, letters in upper
 * case (senders write qualifiers in either case); a component longer than
 * three characters gives a value no C() gives. */
uint32_t Code(const Segment& s, int e, int k);

/* A characteristic with the supplier's code and text (IMD, CCI/CAV). */
struct Merkmal {
    char code[36];
    char text[73];
};

/* One price slot of a catalogue variation: hundredths for one unit, the
 * rank of the qualifier that set it (a lower rank wins, 99 = none). */
struct Preis {
    int64_t wert;
    int rang;
};

struct Partei {
    char gln[14];
    char kennung[36];      /* the party id as sent when it is no GLN */
    char name[65];
    char strasse[65];
    char ort[65];
    char plz[9];
    char land[4];
    char kontakt[65];
    char tel[21];
    char fax[21];
    char ustid[16];
};

/* One LIN group (or LIN sub-line) being read. */
struct Posten {
    uint32_t segment;
    uint64_t offset;
    bool verworfen;                /* this line cannot be used: dropped with a warning */
    bool unterzeilen;              /* a main line whose sub-lines came */
    char ean[14];
    char aktion[4];
    char nummer[36];               /* supplier's article number (SA) */
    char kaeufer[36];              /* buyer's article number (IN) */
    char charge[36];               /* batch (NB) */
    char beschreibung[73];
    char kurztext[34];
    Merkmal farbe, groesse, marke, material, gruppe, saison;
    Preis ek, vk, vk2;
    char gueltig[9];               /* DTM 194/157 of the group */
    char mwst[22];
    bool mengeDa;
    int64_t menge;
    char einheit[4];
    char zeile[8];                 /* LIN 1082 */
    char oberzeile[8];             /* LIN C829/1082: the line this one is a sub-line of */
    char bestellung[36];
    char bestellposition[7];
    char bestelldatum[9];
    char auftrag[36];
    uint32_t kaeuferRff;           /* last RFF of this group: 1 ON, 2 other */
};

enum Art { KEINE, PRICAT, DESADV };

enum { PUFFER_GROESSE = 1 << 20 };

/* A file being written under its working name (or, without a target
 * folder, handed to the caller's Speichern in pieces). */
struct Datei {
    bool offen;
    char endname[EANCOM_PFAD];     /* final path, or the name in memory mode */
    char arbeit[EANCOM_PFAD];      /* working path */
    FILE* f;
    char* puffer;                  /* PUFFER_GROESSE bytes, owned by the run */
    size_t belegt;
    bool fehler;
};

/* Values passed over, counted per kind: the first place and how often. */
enum { UEBERGANGEN_MAX = 48 };
struct Uebergangen {
    char was[96];
    uint32_t segment;
    uint64_t offset;
    uint32_t anzahl;
};

struct Lauf {
    EANCOM_ERGEBNIS* e;
    char name[EANCOM_PFAD];        /* the source as named in report lines */
    char stamm[EANCOM_PFAD];       /* output base name */
    char ziel[EANCOM_PFAD];        /* target folder; empty = memory */
    int quelleBekannt;             /* 1 = `quelle` holds the source's identity */
    DATEI_KENNUNG quelle;
    Trenner t;
    Zeichensatz zs;
    bool unbLatin;                 /* UNOA..UNOC declared: UTF-8 seen is converted */
    /* interchange */
    bool inUnb;
    char unbSender[36], unbEmpfaenger[36], unbRef[15];
    long unbNachrichten;
    /* message */
    Art art;
    bool nachrichtAktiv;
    bool abgelehnt;
    bool ohneUmschlag;             /* UNH without UNB before it */
    char unhRef[15];
    char typ[7];
    uint32_t unhSegment;
    long segmente;
    int nummer;                    /* messages of the file so far */
    int unsGesehen;
    /* head */
    char dokument[36], funktion[4], datum[9], gueltig[9], waehrung[4];
    char lieferdatum[9], versanddatum[9];
    Partei su, by, dp;
    char kopfMwst[22];
    char kopfBestellung[36], kopfBestelldatum[9];
    uint32_t letzteNad;            /* qualifier of the last NAD: 'S','B','D', 0 other */
    bool kopfRffOn;
    char gruppe[36];               /* PGI */
    char sscc[21];                 /* GIN+BJ of the current package */
    uint32_t cciArt;               /* characteristic named by the last CCI */
    bool inPosten;
    Posten p;
    Posten ober;                   /* the last main line: what its sub-lines inherit */
    bool oberDa;
    /* output */
    Datei haupt, adresse;
    char ausgabeStamm[EANCOM_PFAD]; /* name of the message's files, without extension */
    bool kopfGeschrieben;
    long zeilen;
    long verworfen;                /* lines of the message dropped */
    DESADV_KOPF dkopf;
    char* puffer[2];
    Uebergangen ueber[UEBERGANGEN_MAX];
    int ueberAnzahl;
};

/* eancom_hilfen.cpp */
void Zahltext(int64_t wert, char (&aus)[22]);
void Anhaengen(char* ziel, size_t groesse, const char* text);
void Setzen(char* feld, size_t breite, const char* text);
void Kopie(char* aus, size_t groesse, const char* text);
#define SETZEN(rec, feld, text) Setzen((rec).feld, sizeof (rec).feld, (text))
void Text(Lauf& l, const Segment& s, int e, int k, char* aus, size_t groesse);
int IstGln(const char* t);
void Datum(Lauf& l, const Segment& s, char aus[9]);
void Prozent(int64_t hundertstel, char* aus, size_t groesse);
/* A report line "<file>: segment <n> (byte <o>)<text>" of kind `art`. */
void Melden(Lauf& l, int art, uint32_t segment, uint64_t offset, const char* text);
void MeldenF(Lauf& l, int art, const Segment& s, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
/* Something of the source not carried into the output: counted by `was`,
 * reported once per kind at the end of the file with its first place. */
void Uebergehen(Lauf& l, const Segment& s, const char* was);
void UebergangenMelden(Lauf& l);
/* Refuses the open message (its files are discarded). */
void Ablehnen(Lauf& l, const Segment& s, const char* was);
void AblehnenF(Lauf& l, const Segment& s, const char* format, ...) __attribute__((format(printf, 3, 4)));
/* Drops the current LIN line with a warning; the message goes on. */
void ZeileVerwerfen(Lauf& l, const Segment& s, const char* format, ...) __attribute__((format(printf, 3, 4)));
bool SegmentInOrdnung(Lauf& l, const Segment& s);

/* eancom_dateien.cpp */
bool Oeffnen(Lauf& l, Datei& d, const char* name, char* puffer);
void Schreiben(Lauf& l, Datei& d, const char* text, size_t n);
void Verwerfen(Lauf& l, Datei& d);
bool Abschliessen(Lauf& l, Datei& d);
/* Chooses the base name of the message's files: `stamm` (with "-<n>"),
 * or with "_2", "_3", ... added when a file of that name is a source or
 * an output of this run. 1 = found, 0 = no free name. */
int AusgabeNameWaehlen(Lauf& l, const char* stamm, const char* endung1, const char* endung2, char* aus,
                       size_t groesse);

/* eancom_segmente.cpp */
void Nad(Lauf& l, const Segment& s);
void Bgm(Lauf& l, const Segment& s);
void Dtm(Lauf& l, const Segment& s);
void Rff(Lauf& l, const Segment& s);
void Imd(Lauf& l, const Segment& s);
void Cci(Lauf& l, const Segment& s);
void Cav(Lauf& l, const Segment& s);
void Pia(Lauf& l, const Segment& s);
void Pri(Lauf& l, const Segment& s);
void Tax(Lauf& l, const Segment& s);
void Qty(Lauf& l, const Segment& s);
void Lin(Lauf& l, const Segment& s);
bool GtinSetzen(Lauf& l, const Segment& s, int e, bool pflicht);

/* eancom_saetze.cpp */
bool DateienOeffnen(Lauf& l, const Segment& s);
void PricatZeile(Lauf& l);
void DesadvZeile(Lauf& l);
void AdresseSchreiben(Lauf& l);

/* eancom_nachricht.cpp */
void PostenBeenden(Lauf& l);
void NachrichtBeenden(Lauf& l, const Segment& s, bool mitUnt);
void SegmentVerarbeiten(Lauf& l, const Segment& s);

} // namespace eancom

#endif
