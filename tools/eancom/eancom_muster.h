/*
 * eancom_muster.h - writes EANCOM interchanges: PRICAT and DESADV messages
 * from plain records, in any notation the reader takes (UNA with other
 * separators, one segment per line or all on one line, CR LF, a byte-order
 * mark, decimal comma, ISO 8859-1 or UTF-8). The tests, the fuzz seeds,
 * the demo data and the benchmark make their messages with it.
 *
 * Texts in the records are code page 1252; with a UTF-8 character set
 * ("UNOY", "UNOW") they are written as UTF-8. Separators inside a text are
 * released with the release character.
 */
#ifndef OX_EANCOM_MUSTER_H
#define OX_EANCOM_MUSTER_H

#include <stdint.h>

#include <string>
#include <vector>

#include "eancom/edifact.h"

namespace eancom {

/* Separators in UNA order: component, element, decimal mark, release,
 * segment terminator. */
Trenner muster_trenner(char komponente, char element, char dezimal, char freigabe, char segment);

/* How the interchange is written. */
struct Schreibweise {
    Trenner t;                        /* separators; other than the defaults = UNA written */
    bool una = false;                 /* write UNA even with the default separators */
    bool zeilen = true;               /* a line end after every segment */
    bool crlf = false;                /* ... CR LF instead of LF */
    bool bom = false;                 /* UTF-8 byte-order mark in front */
    std::string zeichensatz = "UNOC"; /* UNB syntax identifier */
};

/* One catalogue variation (a LIN group). Prices are decimal texts with a
 * point ("12.50"); the writer uses the decimal mark of `t`. */
struct MusterVariation {
    std::string gtin, nummer, beschreibung, kurztext;
    std::string farbcode, farbtext, groesse, marke, material, gruppe, saison;
    std::string ek, vk, vk2, preisbasis;   /* empty = not written */
    std::string mwst;                      /* VAT percentage, empty = none */
    std::string aktion;                    /* LIN 1229, empty = none ("2" = deleted) */
    bool cci = false;                      /* characteristics as CCI/CAV instead of IMD */
    std::string pflege;                    /* care text (FTX), not mapped; empty = none */
    std::string gewicht;                   /* net weight in kg (MEA, QTY+53), not mapped */
};

struct MusterPartei {
    std::string gln, name, strasse, ort, plz, land, kontakt, tel, fax, ustid;
};

struct MusterPricat {
    std::string referenz = "1";       /* UNH 0062 */
    std::string version = "01B";      /* D.96A or D.01B */
    std::string dokument = "PL-1";    /* BGM 1004 */
    std::string funktion = "9";       /* BGM 1225 */
    std::string datum = "20250901", gueltigAb = "20251001";
    std::string waehrung = "EUR";
    std::string gruppe;               /* PGI group text; empty = no PGI */
    MusterPartei lieferant, kaeufer;
    std::vector<MusterVariation> variationen;
};

struct MusterPosition {
    std::string gtin, nummer, beschreibung, farbe, groesse;
    std::string menge = "1";
    std::string bestellung, bestellposition;
};

struct MusterDesadv {
    std::string referenz = "1";
    std::string version = "01B";
    std::string dokument = "LS-1";
    std::string lieferdatum = "20251002", versanddatum = "20251001";
    std::string bestellung;           /* header RFF+ON */
    MusterPartei lieferant, kaeufer, lieferort;
    std::string sscc;                 /* one package (GIN+BJ); empty = no CPS */
    std::vector<MusterPosition> positionen;
};

/* The segments of one message, UNH to UNT, written in `w`. */
std::string muster_pricat(const MusterPricat& p, const Schreibweise& w);
std::string muster_desadv(const MusterDesadv& d, const Schreibweise& w);

/* An interchange around `nachrichten` (the texts muster_pricat and
 * muster_desadv gave): BOM, UNA, UNB, the messages, UNZ with their count. */
std::string muster_interchange(const std::vector<std::string>& nachrichten, const Schreibweise& w,
                               const std::string& sender = "4012345000009",
                               const std::string& empfaenger = "4000000000001");

/* A catalogue of `artikel` articles with `varianten` variations each
 * (sizes and colours), made from `saat`; every text and price differs,
 * about 780 bytes per LIN group. GTINs start at `eanBasis` (12 digits
 * with their check digit added). For the benchmark and the fuzz seeds. */
MusterPricat muster_katalog(uint64_t saat, int artikel, int varianten, uint64_t eanBasis);

/* The EAN-13 of the first twelve digits `nummer`. */
std::string muster_ean13(uint64_t nummer);

} // namespace eancom

#endif
