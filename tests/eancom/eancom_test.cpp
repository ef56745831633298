/*
 * The EANCOM converter: messages written from the published segment
 * layouts in every notation the reader takes, converted into a folder and
 * read back through the module's own readers (catalogue rows, the supplier
 * address, the DESADV import); bad input refused message by message with
 * the segment and byte named.
 */
#include <gtest/gtest.h>

#include "eancom_lauf.h"
#include "katalogzeilen.h"
#include "eancom_eingang.h"
#include "partner/eancom_eingang.h"
#include "eancom_muster.h"
#include "partner/partner.h"
#include "hostapi/oxinifile.h"
#include "partner/partner_hilfen.h"
#include "pricat_in/katalog.h"
#include "pricat_in/katalog_hilfen.h"

#include <algorithm>
#include <cstring>

using namespace eancom;

namespace {

const char* const SU_GLN = "4012345000016";

/* Two variations with every characteristic; texts with umlauts and with
 * every separator, so the release character is needed. */
MusterPricat Katalog(const std::string& referenz = "1")
{
    MusterPricat p;
    p.referenz = referenz;
    p.dokument = "PL-77";
    p.gruppe = "DOB";
    p.lieferant = { SU_GLN, "Strickwaren M\xFCller+S\xF6hne", "Hauptstra\xDF" "e 5", "M\xFCnchen", "80331", "DE",
                    "Frau Sch\xE4" "fer", "089-123456", "089-123457", "DE123456789" };
    p.kaeufer.gln = EIGENE_GLN;
    MusterVariation a;
    a.gtin = "4012345100006";
    a.nummer = "SM-1+2";
    a.beschreibung = "Strickjacke 'Gr\xFCn' ?: 50% Wolle";
    a.kurztext = "Jacke gr\xFCn";
    a.farbcode = "410";
    a.farbtext = "marine";
    a.groesse = "XL";
    a.marke = "Kieler Str\xF6mung";
    a.material = "100% Baumwolle";
    a.gruppe = "Oberteile";
    a.saison = "HW 2025";
    a.ek = "12.50";
    a.vk = "29.95";
    a.vk2 = "19.99";
    a.mwst = "19";
    MusterVariation b = a;
    b.gtin = "04012345100013";
    b.cci = true;
    b.aktion = "2";
    b.ek = "125.004";
    b.preisbasis = "10";
    b.vk = "7.5";
    b.vk2.clear();
    b.mwst = "7";
    b.farbcode.clear();
    p.variationen = { a, b };
    return p;
}

MusterDesadv Lieferung(const std::string& referenz = "1")
{
    MusterDesadv d;
    d.referenz = referenz;
    d.dokument = "LS-4711";
    d.bestellung = "B-100";
    d.lieferant.gln = SU_GLN;
    d.kaeufer.gln = EIGENE_GLN;
    d.lieferort.gln = "4012345000023";
    d.sscc = "340123450000000017";
    MusterPosition p1{ "4012345100006", "SM-1", "Strickjacke", "marine", "XL", "3", "B-200", "7" };
    MusterPosition p2{ "4012345100013", "SM-2", "Bluse", "rot", "38", "12.000", "", "" };
    d.positionen = { p1, p2 };
    return d;
}

std::string Feld(const char* f, size_t n)
{
    return std::string(f, strnlen(f, n));
}
#define FELD(rec, f) Feld((rec).f, sizeof (rec).f)

/* "segment N (byte O)" of the first segment that starts with `anfang`. */
std::string Stelle(const std::string& text, const Trenner& t, const std::string& anfang, size_t ab = 0)
{
    size_t o = text.find(anfang, ab);
    size_t segment = 1;
    for (size_t i = 0; i < o; i++)
        if (text[i] == t.segment && (i == 0 || text[i - 1] != t.freigabe))
            segment++;
    if (text.compare(0, 3, "UNA") == 0)
        segment++;   /* "UNA" and its six characters hold no terminator */
    return "segment " + std::to_string(segment) + " (byte " + std::to_string(o) + ")";
}

class Eancom : public ::testing::Test {
protected:
    Eancom() : t("eancom") { ziel = t.wurzel; }
    std::vector<PRICAT_DATEN> Zeilen(const std::string& katalog)
    {
        TextKopieren(t.k->AusgewaehlteDatei, sizeof t.k->AusgewaehlteDatei, katalog.c_str());
        PricatDateiEinlesen(nullptr);
        std::vector<PRICAT_DATEN> v;
        for (int32_t i = 0; i < t.k->AnzahlSaetzeGesamt; i++)
            v.push_back(t.k->PricatTabelle[i].PricatDaten);
        return v;
    }
    int Umsetzen(const std::string& name, const std::string& inhalt)
    {
        edihilfe::Schreiben(ziel + name, inhalt);
        return eancom_datei_umsetzen((ziel + name).c_str(), ziel, e);
    }
    bool Da(const std::string& name) { return FileIO_Exist((ziel + name).c_str()) == 1; }
    std::string Meldungen() const
    {
        std::string alle;
        for (const std::string& m : e.meldungen)
            alle += m + "\n";
        return alle;
    }
    TestKontext t;
    std::string ziel;
    Ergebnis e;
};

struct Notation {
    const char* name;
    Schreibweise w;
    std::string version;
};

Schreibweise Weise(bool zeilen, bool crlf, bool bom, const char* zs, Trenner t = Trenner())
{
    Schreibweise w;
    w.zeilen = zeilen;
    w.crlf = crlf;
    w.bom = bom;
    w.zeichensatz = zs;
    w.t = t;
    return w;
}

TEST_F(Eancom, JedeSchreibweiseGibtDieselbenZeilen)
{
    Trenner anders = muster_trenner('^', '*', ',', '#', '~');
    Schreibweise mitUna = Weise(true, false, false, "UNOC");
    mitUna.una = true;
    const Notation faelle[] = {
        { "je_segment_eine_zeile", Weise(true, false, false, "UNOC"), "01B" },
        { "eine_zeile", Weise(false, false, false, "UNOC"), "01B" },
        { "crlf", Weise(true, true, false, "UNOA"), "01B" },
        { "una_standard", mitUna, "01B" },
        { "una_eigene_trenner_dezimalkomma", Weise(false, false, false, "UNOC", anders), "01B" },
        { "utf8_bom", Weise(true, true, true, "UNOY"), "01B" },
        { "unow_d96a", Weise(true, false, false, "UNOW"), "96A" },
    };
    for (const Notation& n : faelle) {
        SCOPED_TRACE(n.name);
        MusterPricat p = Katalog();
        p.version = n.version;
        std::string name = std::string(n.name) + ".edi";
        ASSERT_EQ(0, Umsetzen(name, muster_interchange({ muster_pricat(p, n.w) }, n.w))) << Meldungen();
        EXPECT_EQ(1, e.umgesetzt);
        EXPECT_EQ(2, e.variationen);
        std::vector<PRICAT_DATEN> z = Zeilen(ziel + n.name + ".INH");
        ASSERT_EQ(2u, z.size());
        const PRICAT_DATEN& a = z[0];
        EXPECT_EQ("PRICAT", FELD(a, Nachrichtentyp));
        EXPECT_EQ(SU_GLN, FELD(a, LieferantenIln));
        EXPECT_EQ("Strickwaren M\xFCller+S\xF6hne", FELD(a, Lieferant));
        EXPECT_EQ("9", FELD(a, Nachrichtenfunktion));
        EXPECT_EQ("PL-77", FELD(a, Nachrichtennummer));
        EXPECT_EQ("20250901", FELD(a, Nachrichtendatum));
        EXPECT_EQ("20251001", FELD(a, GueltigAb));
        EXPECT_EQ("EUR", FELD(a, Waehrung));
        EXPECT_EQ("4012345100006", FELD(a, Ean));
        EXPECT_EQ("SM-1+2", FELD(a, Artikel));
        EXPECT_EQ("SM-1+2", FELD(a, Lieferantenartikelnummer));
        EXPECT_EQ("Strickjacke 'Gr\xFCn' ?: 50% Wolle", FELD(a, Artikelbeschreibung));
        EXPECT_EQ("Jacke gr\xFCn", FELD(a, Zusatztext));
        EXPECT_EQ("DOB", FELD(a, Hauptgruppe));
        EXPECT_EQ("XL", FELD(a, Merkmal7));
        EXPECT_EQ("410", FELD(a, BleFarbe));
        EXPECT_EQ("marine", FELD(a, Lieferantenfarbe));
        EXPECT_EQ("Kieler Str\xF6mung", FELD(a, Label));
        EXPECT_EQ("100% Baumwolle", FELD(a, Material));
        EXPECT_EQ("Oberteile", FELD(a, Warengruppe));
        EXPECT_EQ("HW 2025", FELD(a, Saison));
        EXPECT_EQ("1250", FELD(a, Preis1));
        EXPECT_EQ("2995", FELD(a, Preis2));
        EXPECT_EQ("1999", FELD(a, Preis3));
        EXPECT_EQ("19", FELD(a, MwstSatz));
        /* the second: GTIN-14, CCI/CAV, deleted, price per 10 pieces */
        const PRICAT_DATEN& b = z[1];
        EXPECT_EQ("4012345100013", FELD(b, Ean));
        EXPECT_EQ("AU", FELD(b, Nachrichtenfunktion));
        EXPECT_EQ(EDI_NACHRICHTENFUNKTION_AUSLAUF, EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(b.Nachrichtenfunktion));
        EXPECT_EQ("marine", FELD(b, BleFarbe));
        EXPECT_EQ("Kieler Str\xF6mung", FELD(b, Label));
        EXPECT_EQ("HW 2025", FELD(b, Saison));
        EXPECT_EQ("1250", FELD(b, Preis1));
        EXPECT_EQ("75", FELD(b, Preis2));
        EXPECT_EQ("", FELD(b, Preis3));
        EXPECT_EQ("7", FELD(b, MwstSatz));
    }
}

TEST_F(Eancom, AdresseKommtInDenLieferantensatz)
{
    LieferantAnlegen(5, SU_GLN);
    Schreibweise w;
    ASSERT_EQ(0, Umsetzen("adr.edi", muster_interchange({ muster_pricat(Katalog(), w) }, w)));
    ASSERT_TRUE(Da("adr.ADR"));
    KATALOGDATEI_EINTRAG eintrag;
    memset(&eintrag, 0, sizeof eintrag);
    strcpy(eintrag.Iln, SU_GLN);
    t.k->AdressimportSuchen = 1;
    LieferantenAdresseImportieren((ziel + "adr.INH").c_str(), &eintrag);
    LIEFERANTEN_SATZ s;
    ASSERT_EQ(1, LieferantenDBA_LeseRecord(5, &s));
    EXPECT_EQ("Strickwaren M\xFCller+S\xF6hne", FELD(s, Name));
    EXPECT_EQ("Frau Sch\xE4" "fer", FELD(s, Ansprechpartner));
    EXPECT_EQ("Hauptstra\xDF" "e 5", FELD(s, Strasse));
    EXPECT_EQ("80331", FELD(s, Plz));
    EXPECT_EQ("M\xFCnchen", FELD(s, Ort));
    EXPECT_EQ("DE", FELD(s, Land));
    EXPECT_EQ("089-123456", FELD(s, Tel1));
    EXPECT_EQ("089-123457", FELD(s, Fax1));
    EXPECT_EQ("DE123456789", FELD(s, UstId));
    EXPECT_EQ(SU_GLN, FELD(s, Iln[0]));
    EXPECT_EQ("Strickwaren M\xFCller+S\xF6hne\r\nHauptstra\xDF" "e 5\r\nDE 80331 M\xFCnchen\r\n", FELD(s, BestellAdresse));
    EXPECT_FALSE(Da("adr.ADR"));   /* consumed by the import */
}

int32_t WINAPI Buchen(int32_t, const char* gtin, const char* text, int32_t, int32_t menge, int32_t);
std::vector<std::string> g_Buchungen;
int32_t WINAPI Buchen(int32_t, const char* gtin, const char* text, int32_t, int32_t menge, int32_t)
{
    g_Buchungen.push_back(std::string(gtin) + " " + text + " " + std::to_string(menge));
    return 1;
}

TEST(EancomDesadv, PositionenKommenBeimWareneingangAn)
{
    PartnerHost h("eancom_desadv");
    std::string ordner = h.wurzel + "EDI_IMPORT\\";
    FileIO_PathCreate(ordner.c_str());
    Schreibweise w;
    std::string text = muster_interchange({ muster_pricat(Katalog("1"), w), muster_desadv(Lieferung("2"), w) }, w);
    edihilfe::Schreiben(ordner + "LIEF.EDI", text);
    Ergebnis e;
    ASSERT_EQ(0, eancom_datei_umsetzen((ordner + "LIEF.EDI").c_str(), ordner, e));
    EXPECT_EQ(2, e.positionen);
    EXPECT_EQ(1, FileIO_Exist((ordner + "LIEF.INH").c_str()));
    ASSERT_EQ(1, FileIO_Exist((ordner + "LIEF-2.DES").c_str()));

    g_Buchungen.clear();
    int32_t saetze = 0;
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet((ordner + "LIEF-2.DES").c_str(), 0, EIGENE_GLN, 0, Buchen,
                                              ordner.c_str(), &saetze));
    EXPECT_EQ(4, saetze);   /* header line, head, two positions */
    EXPECT_EQ((std::vector<std::string>{ "4012345100006 SM-1 3", "4012345100013 SM-2 12" }), g_Buchungen);

    /* head and order references as the record library hands them out */
    std::vector<edihilfe::Gelesen> saetzeListe = edihilfe::AllesLesen(ordner + "LIEF-2.DES");
    ASSERT_EQ(4u, saetzeListe.size());
    DESADV_KOPF k;
    DESADV_REFERENZ r;
    DESADV_POSITION p;
    ASSERT_EQ(1, EDIDESADV_VerarbeiteDESADV_Satz(saetzeListe[2].text.c_str(), EDI_NACHRICHT_DESADV, &k, &r, &p));
    EXPECT_EQ("LS-4711", FELD(k, Lieferscheinnummer));
    EXPECT_EQ("20251002", FELD(k, Lieferdatum));
    EXPECT_EQ("20251001", FELD(k, Versanddatum));
    EXPECT_EQ(SU_GLN, FELD(k, LieferantenIln));
    EXPECT_EQ("4012345000023", FELD(k, LieferortIln));
    EXPECT_EQ("B-200", FELD(r, Bestellnummer));
    EXPECT_EQ("7", FELD(r, Bestellposition));
    EXPECT_EQ("340123450000000017", FELD(p, Packstueck));
    EXPECT_EQ("marine", FELD(p, Farbe));
    ASSERT_EQ(1, EDIDESADV_VerarbeiteDESADV_Satz(saetzeListe[3].text.c_str(), EDI_NACHRICHT_DESADV, &k, &r, &p));
    EXPECT_EQ("B-100", FELD(r, Bestellnummer));   /* the head's order */
    EXPECT_EQ("20251001", FELD(r, Bestelldatum));
}

/* The DESADV import handed the interchange itself converts it, books the
 * despatch advice it became, and moves both into the backup folder. */
TEST(EancomDesadv, ImportSetztDasInterchangeSelbstUm)
{
    PartnerHost h("eancom_desadv_direkt");
    std::string ordner = h.wurzel + "EDI_IMPORT\\";
    FileIO_PathCreate(ordner.c_str());
    Schreibweise w;
    std::string text = muster_interchange({ muster_desadv(Lieferung("1"), w) }, w);
    edihilfe::Schreiben(ordner + "LIEFERSCHEIN.TXT", text);
    std::vector<std::string> boxen;
    g_EancomMeldungAnzeigen = [](HWND, const char* text, void* daten) {
        static_cast<std::vector<std::string>*>(daten)->push_back(text);
    };
    g_EancomMeldungDaten = &boxen;
    g_Buchungen.clear();
    int32_t saetze = 0;
    EXPECT_EQ(0, EDILieferung_GetAllDesadvSet((ordner + "LIEFERSCHEIN.TXT").c_str(), 0, EIGENE_GLN, 0, Buchen,
                                              ordner.c_str(), &saetze));
    EXPECT_EQ(4, saetze);
    EXPECT_EQ((std::vector<std::string>{ "4012345100006 SM-1 3", "4012345100013 SM-2 12" }), g_Buchungen);
    EXPECT_EQ(0, FileIO_Exist((ordner + "LIEFERSCHEIN.TXT").c_str()));
    EXPECT_EQ(0, FileIO_Exist((ordner + "LIEFERSCHEIN.DES").c_str()));
    EXPECT_EQ(text, DateiLesen(ordner + "SICHERUNG\\LIEFERSCHEIN.TXT"));
    EXPECT_EQ(1, FileIO_Exist((ordner + "SICHERUNG\\LIEFERSCHEIN.DES").c_str()));
    g_EancomMeldungAnzeigen = nullptr;
    EXPECT_TRUE(boxen.empty()) << "values not carried go to the report file only";
}

/* A bad second message: the first converts, the second is refused whole
 * and named with the segment and byte where it went wrong. */
struct Fehlerfall {
    const char* name;
    std::string (*aendern)(std::string nachricht);
    const char* stelle;         /* start of the segment the message names; empty = UNZ */
    const char* erwartet;
};

std::string Ersetzen(std::string s, const std::string& alt, const std::string& neu)
{
    size_t o = s.find(alt);
    if (o != std::string::npos)
        s.replace(o, alt.size(), neu);
    return s;
}

TEST_F(Eancom, FehlerhafteNachrichtWirdGanzAbgelehnt)
{
    const Fehlerfall faelle[] = {
        { "unt_fehlt", [](std::string n) { return n.substr(0, n.find("UNT+")); }, "UNZ+",
          "missing UNT: expected UNT before UNZ" },
        { "segmentzahl", [](std::string n) { return Ersetzen(n, "UNT+", "UNT+1"); }, "UNT+1",
          "UNT: the message has" },
        { "nachrichtentyp", [](std::string n) { return Ersetzen(n, "PRICAT:D", "ORDERS:D"); }, "UNH+2",
          "unknown message type \"ORDERS\": expected PRICAT or DESADV" },
    };
    Schreibweise w;
    for (const Fehlerfall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string erste = muster_pricat(Katalog("1"), w);
        std::string text = muster_interchange({ erste, f.aendern(muster_pricat(Katalog("2"), w)) }, w);
        std::string name = std::string(f.name) + ".edi";
        EXPECT_EQ(1, Umsetzen(name, text)) << Meldungen();
        EXPECT_EQ(1, e.umgesetzt);
        EXPECT_EQ(1, e.abgelehnt);
        EXPECT_TRUE(Da(std::string(f.name) + ".INH"));
        EXPECT_FALSE(Da(std::string(f.name) + "-2.INH"));
        EXPECT_FALSE(Da(std::string(f.name) + "-2.ADR"));
        EXPECT_FALSE(Da("~" + std::string(f.name) + "-2.INH.TMP"));
        ASSERT_EQ(1u, e.meldungen.size()) << Meldungen();
        std::string stelle = Stelle(text, w.t, f.stelle, text.find("UNH+2"));
        EXPECT_NE(std::string::npos, e.meldungen[0].find(stelle)) << e.meldungen[0] << " / " << stelle;
        EXPECT_NE(std::string::npos, e.meldungen[0].find(f.erwartet)) << e.meldungen[0];
    }
}

/* A line that cannot be used is dropped with a warning at its segment; the
 * rest of the message converts. */
TEST_F(Eancom, UnbrauchbareZeileFaelltAlleinWeg)
{
    const Fehlerfall faelle[] = {
        { "lin_ohne_ean", [](std::string n) { return Ersetzen(n, "LIN+2+2+04012345100013:SRS'", "LIN+2+2'"); }, "LIN+2",
          "LIN line without an EAN: expected a GTIN in LIN or PIA" },
        { "gtin_kaputt", [](std::string n) { return Ersetzen(n, "4012345100006:SRS", "40123451000X6:SRS"); },
          "LIN+1++40123451000X6", "\"40123451000X6\" not taken as the EAN: expected a GTIN of 8, 12, 13 or 14 digits" },
        { "pruefziffer", [](std::string n) { return Ersetzen(n, "4012345100006:SRS", "4012345100007:SRS"); },
          "LIN+1++4012345100007", "its check digit is wrong" },
        { "gtin14_umkarton", [](std::string n) { return Ersetzen(n, "4012345100006:SRS", "14012345100003:SRS"); },
          "LIN+1++14012345100003", "indicator digit is not 0" },
        { "element_zu_lang",
          [](std::string n) { return Ersetzen(n, "IMD+E++:::Jacke", "IMD+E++:::" + std::string(600, 'x')); },
          "IMD+E++:::xxx", "element 3 has a component longer than 512 characters" },
    };
    Schreibweise w;
    for (const Fehlerfall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string text = muster_interchange({ f.aendern(muster_pricat(Katalog("1"), w)) }, w);
        std::string name = std::string(f.name) + ".edi";
        EXPECT_EQ(0, Umsetzen(name, text)) << Meldungen();
        EXPECT_EQ(1, e.umgesetzt);
        EXPECT_EQ(1, e.verworfen);
        EXPECT_EQ(Katalog("1").variationen.size() - 1, (size_t)e.variationen);
        std::string stelle = Stelle(text, w.t, f.stelle, 0);
        bool gefunden = false;
        for (const std::string& z : e.warnungen)
            gefunden = gefunden || (z.find(stelle) != std::string::npos && z.find(f.erwartet) != std::string::npos);
        EXPECT_TRUE(gefunden) << stelle << " / " << f.erwartet;
    }
}

TEST_F(Eancom, KeinInterchangeUndLeereDateiSetzenNichtsUm)
{
    const char* const UNB = "UNB+UNOC:3+4012345000009:14+4000000000001:14+250901:1200+IC1'";
    const struct {
        const char* name;
        std::string inhalt;
        const char* meldung;
    } faelle[] = {
        { "leer.edi", "", "empty file: expected an interchange (UNA or UNB)" },
        { "brief.edi", "Sehr geehrte Damen und Herren'\n", "segment 1 (byte 0): no interchange: expected UNA, UNB or UNH" },
        { "abgeschnitten.edi", std::string(UNB) + "UNH+1+PRI",
          "segment 2 (byte 61): the file ends inside a segment: expected the segment terminator '" },
        { "nur_rahmen.edi", std::string(UNB) + "UNZ+0+IC1'", "" },
        { "una_kaputt.edi", "UNA::.? 'UNB", "UNA: expected different characters" },
    };
    /* an interchange named like its own output is never overwritten: the
     * output takes another name */
    Schreibweise w;
    std::string selbst = muster_interchange({ muster_pricat(Katalog(), w) }, w);
    EXPECT_EQ(0, Umsetzen("selbst.inh", selbst));
    EXPECT_EQ(selbst, DateiLesen(ziel + "selbst.inh"));
    EXPECT_TRUE(Da("selbst_2.INH"));
    EXPECT_TRUE(Da("selbst_2.ADR"));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(2, Umsetzen(f.name, f.inhalt));
        EXPECT_EQ(0, e.umgesetzt);
        EXPECT_TRUE(e.dateien.empty());
        EXPECT_NE(std::string::npos, Meldungen().find(f.meldung)) << Meldungen();
    }
}

/* The catalogue records of an interchange converted in memory. */
std::vector<PRICAT_DATEN> ImSpeicher(const std::string& text, Ergebnis& e)
{
    eancom_speicher_umsetzen(text.data(), text.size(), "M.EDI", "", e);
    return KatalogZeilen(e);
}

/* Segments of one LIN group and what the record carries then. */
TEST(EancomPricat, PreiseSteuerUndGruppenNachQualifier)
{
    const struct {
        const char* name;
        const char* kopf;        /* segments before LIN */
        const char* gruppe;      /* segments after LIN */
        const char* preis1;
        const char* preis2;
        const char* preis3;
        const char* mwst;
        const char* hauptgruppe;
        const char* artikel;
    } faelle[] = {
        { "aab_ohne_aaa", "", "PRI+AAB:10'PRI+AAF:20'", "1000", "2000", "", "", "", "SM-1" },
        { "aaa_vor_aab", "", "PRI+AAB:10'PRI+AAA:9,99'PRI+AAE:19.5'PRI+AAF:25'", "999", "1950", "", "", "", "SM-1" },
        { "inf_verkauf_und_aktion", "", "PRI+INF:30::SRP'PRI+INF:24.95::DPR'PRI+INF:99'", "", "3000", "2495", "", "",
          "SM-1" },
        { "preisbasis", "", "PRI+AAA:125:::100:PCE'", "125", "", "", "", "", "SM-1" },
        { "steuer_kopf_und_zeile", "TAX+7+VAT+++:::19+S'", "", "", "", "", "19", "", "SM-1" },
        { "steuer_bruch", "", "TAX+7+VAT+++:::5.5+S'", "", "", "", "5.5", "", "SM-1" },
        { "andere_steuer", "", "TAX+7+GST+++:::8+S'", "", "", "", "", "", "SM-1" },
        { "pgi_code", "PGI+2+DOB1'", "", "", "", "", "", "DOB1", "SM-1" },
        { "ohne_nummer", "", "PIA+5+:SA'", "", "", "", "", "", "Jacke" },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string pia = strcmp(f.name, "ohne_nummer") == 0 ? "" : "PIA+5+SM-1:SA'";
        std::string nachricht = std::string("UNH+1+PRICAT:D:01B:UN:EAN008'BGM+9+K+9'NAD+SU+") + SU_GLN + "::9'" +
                                f.kopf + "LIN+1++4012345100006:SRS'" + pia + "IMD+F+ANM+:::Jacke'" + f.gruppe;
        size_t segmente = static_cast<size_t>(std::count(nachricht.begin(), nachricht.end(), '\'')) + 1;
        nachricht += "UNT+" + std::to_string(segmente) + "+1'";
        Ergebnis e;
        std::vector<PRICAT_DATEN> z = ImSpeicher("UNB+UNOC:3+A+B+1:1+1'" + nachricht + "UNZ+1+1'", e);
        ASSERT_EQ(1u, z.size()) << (e.meldungen.empty() ? "" : e.meldungen[0]);
        EXPECT_EQ(f.preis1, FELD(z[0], Preis1));
        EXPECT_EQ(f.preis2, FELD(z[0], Preis2));
        EXPECT_EQ(f.preis3, FELD(z[0], Preis3));
        EXPECT_EQ(f.mwst, FELD(z[0], MwstSatz));
        EXPECT_EQ(f.hauptgruppe, FELD(z[0], Hauptgruppe));
        EXPECT_EQ(f.artikel, FELD(z[0], Artikel));
    }
}

/* Messages refused for their prices, quantities and parties. */
TEST(EancomPricat, UngueltigeWerteLehnenAb)
{
    const std::pair<const char*, const char*> faelle[] = {
        { "PRI+AAA:-5'", "PRI: expected a price and price basis as positive decimal numbers" },
        { "PRI+AAA:5:::0'", "PRI: expected a price and price basis as positive decimal numbers" },
        { "PRI+AAA:50000000'", "PRI: the price is too large for the catalogue" },
        { "TAX+7+VAT+++:::abc'", "TAX: expected the VAT rate as a percentage" },
        { "PIA+5+SM-1234567890123456789012345678901234567:SA'",
          "the supplier's article number in element 2 is longer than 35 characters" },
    };
    for (const auto& f : faelle) {
        std::string nachricht = std::string("UNH+1+PRICAT:D:96A:UN:EAN008'NAD+SU+") + SU_GLN +
                                "::9'LIN+1++4012345100006:EN'" + f.first + "UNT+5+1'";
        Ergebnis e;
        EXPECT_TRUE(ImSpeicher("UNB+UNOC:3+A+B+1:1+1'" + nachricht + "UNZ+1+1'", e).empty()) << f.first;
        /* the line is dropped with a warning at its segment; the message,
         * left without lines, is refused */
        ASSERT_EQ(1u, e.meldungen.size()) << f.first;
        EXPECT_NE(std::string::npos, e.meldungen[0].find("every LIN line of the message was dropped"));
        bool gefunden = false;
        for (const std::string& w : e.warnungen)
            gefunden = gefunden || (w.find(f.second) != std::string::npos && w.find("segment 5 (byte ") != std::string::npos);
        EXPECT_TRUE(gefunden) << f.first;
    }
}

/* The module when its import window opens: converted files go into the
 * backup folder (an earlier backup of the same name kept), a file of which
 * nothing converts stays and is named in one message and the dated report,
 * the module's own files are not touched. */
TEST_F(Eancom, ImportordnerWirdVorDemImportUmgesetzt)
{
    std::string import = t.wurzel + "EDI_IMPORT\\", sicherung = import + "SICHERUNG\\";
    FileIO_PathCreate(sicherung.c_str());
    Schreibweise w;
    std::string gut = muster_interchange({ muster_pricat(Katalog(), w) }, w);
    edihilfe::Schreiben(import + "LIEFERANT.TXT", gut);
    edihilfe::Schreiben(sicherung + "LIEFERANT.TXT", "eine fr\xFChere Sicherung");
    edihilfe::Schreiben(import + "KAPUTT.EDI", Ersetzen(gut, "UNT+", "UNT+9"));
    edihilfe::Schreiben(import + "ALT.INH", gut);   /* looks like EANCOM, but is a host file name */
    /* a sender without GLN that the settings' table of senders names */
    edihilfe::Schreiben(import + "ERP.EDI", "UNB+UNOC:3+STRICK01:ZZZ+ORDANEX:ZZZ+250901:1200+7'UNH+1+PRICAT:D:01B:UN:"
                                            "EAN008'NAD+SU+KUNDE-7::91++Strick'LIN+1++4012345100006:SRS'UNT+4+1'"
                                            "UNZ+1+7'");
    ASSERT_EQ(1, INI_PutString("EANCOM_ABSENDER", "STRICK01", SU_GLN));
    std::vector<std::string> boxen;
    g_EancomMeldungAnzeigen = [](HWND, const char* text, void* daten) {
        static_cast<std::vector<std::string>*>(daten)->push_back(text);
    };
    g_EancomMeldungDaten = &boxen;
    EXPECT_EQ(2, EancomOrdnerUmsetzen(nullptr, nullptr, import.c_str(), sicherung.c_str()));
    g_EancomMeldungAnzeigen = nullptr;
    ASSERT_EQ(1u, boxen.size());
    EXPECT_NE(std::string::npos, boxen[0].find("KAPUTT.EDI")) << boxen[0];
    size_t bericht = boxen[0].find(import + "EANCOM-");
    ASSERT_NE(std::string::npos, bericht) << boxen[0];
    EXPECT_NE(std::string::npos, DateiLesen(boxen[0].substr(bericht, boxen[0].find(".TXT", bericht) + 4 - bericht))
                                     .find("KAPUTT.EDI: segment "));
    const std::pair<std::string, bool> erwartet[] = {
        { import + "LIEFERANT.INH", true },   { import + "LIEFERANT.ADR", true },
        { import + "LIEFERANT.TXT", false },  { sicherung + "LIEFERANT.TXT", true },
        { sicherung + "LIEFERANT.TXT.1", true }, { import + "KAPUTT.EDI", true },
        { import + "KAPUTT.INH", false },     { import + "ALT.INH", true },
        { import + "ALT.ADR", false },        { import + "ERP.INH", true },
        { sicherung + "ERP.EDI", true },
    };
    for (const auto& e : erwartet)
        EXPECT_EQ(e.second, FileIO_Exist(e.first.c_str()) == 1) << e.first;
    EXPECT_EQ(gut, DateiLesen(sicherung + "LIEFERANT.TXT.1"));
    EXPECT_EQ(2u, Zeilen(import + "LIEFERANT.INH").size());
}

TEST(EancomGtin, AchtZwoelfDreizehnVierzehnStellen)
{
    const std::pair<const char*, const char*> faelle[] = {
        { "96385074", "0000096385074" }, { "036000291452", "0036000291452" }, { "4012345100006", "4012345100006" },
        { "04012345100006", "4012345100006" }, { "14012345100003", "" }, { "4012345", "" }, { "40123451000O6", "" }, { "4012345100007", "" }, { "401234510000", "" },
    };
    for (const auto& f : faelle) {
        char aus[14] = "";
        int r = EancomGtin13(f.first, strlen(f.first), aus);
        EXPECT_EQ(f.second[0] != '\0', r == 1) << f.first;
        if (r == 1) {
            EXPECT_STREQ(f.second, aus) << f.first;
        }
    }
}

} // namespace
