/*
 * lieferanten_test.cpp - EANCOM as real suppliers write it: every way of
 * writing a PRICAT that the published EANCOM descriptions allow or that
 * senders are known to produce, one case each, converted in memory and read
 * back through the record library; and the ways in which an output could
 * replace a file of the run (relative path, linked folder, address file as
 * source, two stems in a folder).
 */
#include <gtest/gtest.h>
#include <windows.h>

#include "eancom_lauf.h"
#include "katalogzeilen.h"
#include "edi/edi_hilfen.h"
#include "harness/testordner.h"
#include "hostapi/edi.h"

#include <functional>
#include <string>
#include <vector>

using namespace eancom;

namespace {

const std::string UNB = "UNB+UNOC:3+4012345000009:14+4000000000001:14+250901:1200+IC1'";

/* A message of the given segments (without UNH and UNT), counted. */
std::string Nachricht(const std::vector<std::string>& segmente, const std::string& kopf = "UNH+1+PRICAT:D:01B:UN:EAN008'")
{
    std::string n = kopf;
    for (const std::string& s : segmente)
        n += s;
    return n + "UNT+" + std::to_string(segmente.size() + 2) + "+1'";
}

std::string Umschlag(const std::string& nachricht, const std::string& unb = UNB)
{
    return unb + nachricht + "UNZ+1+IC1'";
}

const std::vector<std::string> KOPF = { "BGM+9+PL-1+9'", "NAD+SU+4012345000016::9++Strickwaren'" };

std::vector<std::string> Mit(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Feld(const char* f, size_t n)
{
    return std::string(f, strnlen(f, n));
}
#define FELD(rec, f) Feld((rec).f, sizeof (rec).f)

struct Umgesetzt {
    int rc = 0;
    Ergebnis e;
    std::vector<PRICAT_DATEN> zeilen;
    std::string kopf;   /* the catalogue's header line */
    std::string alle() const
    {
        std::string t;
        for (const std::string& z : e.zeilen)
            t += z + "\n";
        return t;
    }
    bool gemeldet(const std::string& text) const { return alle().find(text) != std::string::npos; }
};

Umgesetzt ImSpeicher(const std::string& text, const Optionen& o = Optionen())
{
    Umgesetzt u;
    u.rc = eancom_speicher_umsetzen(text.data(), text.size(), "L.EDI", "", u.e, o);
    u.zeilen = KatalogZeilen(u.e, &u.kopf);
    return u;
}

struct Fall {
    const char* name;
    std::string text;
    int rc;
    size_t zeilen;
    const char* meldung;    /* a report line must hold this ("" = none needed) */
    std::function<void(const std::vector<PRICAT_DATEN>&)> pruefen;
};

void Nichts(const std::vector<PRICAT_DATEN>&) {}

TEST(EancomLieferanten, SoSchreibenLieferanten)
{
    const std::string LIN = "LIN+1++4012345100006:SRS'";
    const Fall faelle[] = {
        /* prices by qualifier and price type; a price not sent stays empty */
        { "ntp_mit_srp", Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+AAA:10'", "PRI+NTP:39.95::SRP'" }))), 0, 1, "",
          [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("1000", FELD(z[0], Preis1));
              EXPECT_EQ("3995", FELD(z[0], Preis2));
          } },
        { "rtp_und_prp", Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+NTP:40::RTP'", "PRI+NTP:30::PRP'" }))), 0, 1,
          "without a purchase or retail price: that price is left empty",
          [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("", FELD(z[0], Preis1)) << "no purchase price sent: none, not 0";
              EXPECT_EQ("4000", FELD(z[0], Preis2));
              EXPECT_EQ("3000", FELD(z[0], Preis3));
          } },
        { "unbekannter_preis", Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+AAA:10'", "PRI+XYZ:5'" }))), 0, 1,
          "PRI+XYZ with a price qualifier or price type no price field takes: not carried",
          [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("", FELD(z[0], Preis2)); } },
        { "preis_je_zehn_kg", Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+AAA:100:::10:KGM'" }))), 0, 1,
          "price per a unit other than the piece",
          [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("1000", FELD(z[0], Preis1)); } },
        { "zweiter_einkaufspreis", Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+AAB:12'", "PRI+AAA:10'" }))), 0, 1,
          "", [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("1000", FELD(z[0], Preis1)); } },
        /* dates of the LIN group */
        { "gueltig_in_lin", Umschlag(Nachricht(Mit(KOPF, { "DTM+194:20250101:102'", LIN, "DTM+157:20250301:102'",
                                                           "LIN+2++4012345100013:SRS'" }))), 0, 2, "",
          [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("20250301", FELD(z[0], GueltigAb));
              EXPECT_EQ("20250101", FELD(z[1], GueltigAb)) << "the message's date where the group has none";
          } },
        /* sub-lines: the variations inherit the main line's article */
        { "unterzeilen", Umschlag(Nachricht(Mit(KOPF, { "LIN+1'", "PIA+5+SM-9:SA'", "IMD+F++:::Jacke'", "PRI+AAA:20'",
                                                        "LIN+2++4012345100006:SRS+1:1'", "IMD+C+98+XL'",
                                                        "LIN+3++4012345100013:SRS+1:1'", "IMD+C+98+L'", "PRI+AAA:21'" }))),
          0, 2, "", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("SM-9", FELD(z[0], Artikel));
              EXPECT_EQ("SM-9", FELD(z[1], Artikel));
              EXPECT_EQ("Jacke", FELD(z[1], Artikelbeschreibung));
              EXPECT_EQ("XL", FELD(z[0], Merkmal7));
              EXPECT_EQ("2000", FELD(z[0], Preis1));
              EXPECT_EQ("2100", FELD(z[1], Preis1)) << "a sub-line's own price wins";
          } },
        /* item type codes: only GTINs go to the EAN */
        { "lieferantennummer_in_lin", Umschlag(Nachricht(Mit(KOPF, { "LIN+1++SM-77:SA'", "PIA+1+4012345100006:SRS'" }))),
          0, 1, "", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("SM-77", FELD(z[0], Artikel));
              EXPECT_EQ("4012345100006", FELD(z[0], Ean));
          } },
        { "kaeufernummer_in_lin", Umschlag(Nachricht(Mit(KOPF, { "LIN+1++K-5:IN'", "PIA+5+4012345100006:SRS'" }))), 0, 1,
          "buyer's article number not carried", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("4012345100006", FELD(z[0], Ean));
          } },
        { "gtin8_und_upc", Umschlag(Nachricht(Mit(KOPF, { "LIN+1++96385074:SRS'", "LIN+2++036000291452:UP'" }))), 0, 2,
          "", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("0000096385074", FELD(z[0], Ean));
              EXPECT_EQ("0036000291452", FELD(z[1], Ean));
          } },
        /* qualifiers and tags in any case */
        { "kleinbuchstaben", Umschlag(Nachricht({ "bgm+9+PL-1+9'", "nad+su+4012345000016::9++Klein'",
                                                  "lin+1++4012345100006:srs'", "pia+5+SM-1:sa'", "pri+aaa:10'" })),
          0, 1, "", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("4012345000016", FELD(z[0], LieferantenIln));
              EXPECT_EQ("SM-1", FELD(z[0], Artikel));
              EXPECT_EQ("1000", FELD(z[0], Preis1));
          } },
        /* the supplier from the interchange header when NAD carries no GLN */
        { "nad_ohne_gln", Umschlag(Nachricht({ "NAD+SU+KUNDE-ERP::91++Strick'", LIN })), 0, 1, "is no GLN",
          [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("4012345000009", FELD(z[0], LieferantenIln)); } },
        /* envelopes */
        { "ohne_umschlag", Nachricht(Mit(KOPF, { LIN })), 0, 1, "without an interchange header", Nichts },
        { "verzeichnis_0", Umschlag(Nachricht(Mit(KOPF, { LIN }), "UNH+1+PRICAT:0:0:UN'")), 0, 1, "directory \"0.0\"",
          Nichts },
        { "zwei_interchanges_eigene_una",
          "UNA:+.? '" + Umschlag(Nachricht(Mit(KOPF, { LIN }))) + "\r\nUNA^*,? ~" +
              "UNB*UNOC^3*4012345000009^14*4000000000001^14*20250901^1200*IC2~UNH*1*PRICAT^D^96A^UN^EAN008~"
              "NAD*SU*4012345000016^^9~LIN*1**4012345100013^EN~PRI*AAA^7,5~UNT*5*1~UNZ*1*IC2~",
          0, 2, "", [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("750", FELD(z[1], Preis1)); } },
        { "vorspann_und_leerzeichen", "$$ADD ID=LIEFERANT BATCHID='PRICAT'\r\n\r\nUNA:+.? ' \r\n" +
                                          Umschlag(Nachricht(Mit(KOPF, { LIN }))), 0, 1, "bytes before the interchange", Nichts },
        { "zeilenende_als_terminator", "UNA:+.? \n" + [&LIN] {
              std::string t = Umschlag(Nachricht(Mit(KOPF, { LIN, "PRI+AAA:12.50'" })));
              for (size_t i = 0; (i = t.find('\'', i)) != std::string::npos;)
                  t.replace(i, 1, "\r\n");
              return t;
          }(), 0, 1, "", [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ("4012345100006", FELD(z[0], Ean));
              EXPECT_EQ("1250", FELD(z[0], Preis1));
          } },
        { "uns_zweimal_und_leere_segmente", Umschlag(Nachricht(Mit(KOPF, { "UNS+D'", LIN, "ALI'", "UNS+S'", "UNS+S'",
                                                                            "CNT+2:1'" }))), 0, 1, "ALI", Nichts },
        { "unb_datum_acht_stellen", Umschlag(Nachricht(Mit(KOPF, { LIN })),
                                             "UNB+UNOC:4+4012345000009:14+4000000000001:14+20250901:1200+IC1'"),
          0, 1, "", Nichts },
        /* character sets */
        { "utf8_unter_unoc", Umschlag(Nachricht(Mit(KOPF, { LIN, "IMD+F++:::Gr\xC3\xBCn \xE2\x82\xAC'" }))), 0, 1, "",
          [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ("Gr\xFCn \x80", FELD(z[0], Artikelbeschreibung)); } },
        { "ungueltige_bytes", Umschlag(Nachricht(Mit(KOPF, { LIN, "IMD+F++:::A\x81" "B \xEF\xBF\xBD'" }))), 0, 1,
          "written as \"?\"", Nichts },
        { "zeilenumbruch_im_text", Umschlag(Nachricht(Mit(KOPF, { LIN, "IMD+F++:::Jacke\r\nmit Kapuze'" }))), 0, 1, "",
          [](const std::vector<PRICAT_DATEN>& z) {
              EXPECT_EQ(std::string::npos, FELD(z[0], Artikelbeschreibung).find('\n'));
          } },
        /* a text longer than its field: cut, and said */
        { "lange_beschreibung", Umschlag(Nachricht(Mit(KOPF, { LIN, "IMD+F++:::" + std::string(70, 'x') + "'" }))), 0, 1,
          "Artikelbeschreibung longer than 59 characters: cut",
          [](const std::vector<PRICAT_DATEN>& z) { EXPECT_EQ(std::string(59, 'x'), FELD(z[0], Artikelbeschreibung)); } },
        { "ueberlanger_text", Umschlag(Nachricht(Mit(KOPF, { LIN, "IMD+C+35+" + std::string(40, 'r') + "'" }))), 0, 1,
          "IMD+C with a text longer than its field: cut", Nichts },
        /* only a UNA: said, not silent */
        { "nur_una", "UNA:+.? '", 2, 0, "the file holds no message", Nichts },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umgesetzt u = ImSpeicher(f.text);
        EXPECT_EQ(f.rc, u.rc) << u.alle();
        ASSERT_EQ(f.zeilen, u.zeilen.size()) << u.alle();
        if (f.meldung[0])
            EXPECT_TRUE(u.gemeldet(f.meldung)) << u.alle();
        f.pruefen(u.zeilen);
    }
}

/* A sender that is no GLN: the retailer's table names the supplier; without
 * an entry the message is refused with a line that says where to add it. */
TEST(EancomLieferanten, AbsenderTabelle)
{
    std::string text = Umschlag(Nachricht({ "NAD+SU+ERP-KUNDE::92++Strick'", "LIN+1++4012345100006:SRS'" }),
                                "UNB+UNOC:3+STRICK01:ZZZ+4000000000001:14+250901:1200+IC1'");
    Umgesetzt ohne = ImSpeicher(text);
    EXPECT_EQ(2, ohne.rc);
    EXPECT_TRUE(ohne.gemeldet("add the line \"STRICK01=<the supplier's GLN>\" to the section [EANCOM_ABSENDER]"))
        << ohne.alle();
    Optionen o;
    o.absender = { { "STRICK01", "4012345000016" } };
    Umgesetzt mit = ImSpeicher(text, o);
    EXPECT_EQ(0, mit.rc) << mit.alle();
    ASSERT_EQ(1u, mit.zeilen.size());
    EXPECT_EQ("4012345000016", FELD(mit.zeilen[0], LieferantenIln));
}

/* The header line names the supplier where the file format has it: the
 * selection page looks an unknown token-4 sender up by token 10. */
TEST(EancomLieferanten, KopfzeileNenntDenLieferanten)
{
    Umgesetzt u = ImSpeicher(Umschlag(Nachricht(Mit(KOPF, { "NAD+BY+4000000000001::9'", "LIN+1++4012345100006:SRS'" }))));
    ASSERT_EQ(1u, u.zeilen.size());
    std::vector<std::string> token;
    std::string t;
    for (char c : u.kopf) {
        if (c == ';' || c == '\t' || c == '\r' || c == '\n') {
            if (!t.empty())
                token.push_back(t);
            t.clear();
        } else {
            t += c;
        }
    }
    ASSERT_GE(token.size(), 10u) << u.kopf;
    EXPECT_EQ("4012345000016", token[3]) << u.kopf;
    EXPECT_EQ("PRICAT", token[5]) << u.kopf;
    EXPECT_EQ("4012345000016", token[9]) << u.kopf;
}

/* Every way an output could meet a file of the run: it gets another name. */
TEST(EancomLieferanten, NichtsWirdUeberschrieben)
{
    std::string ordner = NeuerTestordner("ueberschreiben");
    std::string text = Umschlag(Nachricht(Mit(KOPF, { "LIN+1++4012345100006:SRS'" })));
    /* relative path from inside the folder */
    edihilfe::Schreiben(ordner + "X.INH", text);
    char vorher[MAX_PATH];
    GetCurrentDirectoryA(sizeof vorher, vorher);
    SetCurrentDirectoryA(ordner.c_str());
    Ergebnis e;
    EXPECT_EQ(0, eancom_datei_umsetzen("X.INH", ".\\", e)) << e.meldungen.size();
    SetCurrentDirectoryA(vorher);
    EXPECT_EQ(text, DateiLesen(ordner + "X.INH"));
    EXPECT_EQ(1, GetFileAttributesA((ordner + "X_2.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    /* an address file as source: catalogue and address move on together */
    edihilfe::Schreiben(ordner + "M.ADR", text);
    EXPECT_EQ(0, eancom_datei_umsetzen((ordner + "M.ADR").c_str(), ordner, e));
    EXPECT_EQ(text, DateiLesen(ordner + "M.ADR"));
    EXPECT_EQ(1, GetFileAttributesA((ordner + "M_2.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(1, GetFileAttributesA((ordner + "M_2.ADR").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(0, GetFileAttributesA((ordner + "M.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    /* two stems in one run: the second output does not replace the first */
    edihilfe::Schreiben(ordner + "lieferung.edi", text);
    edihilfe::Schreiben(ordner + "lieferung.txt", Umschlag(Nachricht(Mit(KOPF, { "LIN+1++4012345100013:SRS'" }))));
    EANCOM_LAUFDATEIEN* lauf = static_cast<EANCOM_LAUFDATEIEN*>(calloc(1, sizeof(EANCOM_LAUFDATEIEN)));
    Optionen o;
    o.lauf = lauf;
    EancomLaufDatei(lauf, (ordner + "lieferung.edi").c_str());
    EancomLaufDatei(lauf, (ordner + "lieferung.txt").c_str());
    EXPECT_EQ(0, eancom_datei_umsetzen((ordner + "lieferung.edi").c_str(), ordner, e, o));
    EXPECT_EQ(0, eancom_datei_umsetzen((ordner + "lieferung.txt").c_str(), ordner, e, o));
    bool gesagt = false;
    for (const std::string& w : e.warnungen)
        gesagt = gesagt || w.find("is a file this run read or made") != std::string::npos;
    EXPECT_TRUE(gesagt);
    EXPECT_EQ(1, GetFileAttributesA((ordner + "lieferung.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(1, GetFileAttributesA((ordner + "lieferung_2.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(DateiLesen(ordner + "lieferung.INH"), DateiLesen(ordner + "lieferung_2.INH"));
    /* through a linked folder: the same file under another path (the
     * build made "verknuepft" a link to "verknuepft_ziel") */
    std::string echt = std::string(OX_EANCOM_LINKORDNER) + "\\verknuepft_ziel\\";
    std::string link = std::string(OX_EANCOM_LINKORDNER) + "\\verknuepft\\";
    DeleteFileA((echt + "Y_2.INH").c_str());
    DeleteFileA((echt + "Y_2.ADR").c_str());
    edihilfe::Schreiben(echt + "Y.INH", text);
    ASSERT_EQ(text, DateiLesen(link + "Y.INH"));
    EXPECT_EQ(0, eancom_datei_umsetzen((link + "Y.INH").c_str(), echt, e)) << (e.zeilen.empty() ? "" : e.zeilen[0]);
    EXPECT_EQ(text, DateiLesen(echt + "Y.INH"));
    EXPECT_EQ(1, GetFileAttributesA((echt + "Y_2.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    free(lauf);
}

} // namespace
