/*
 * PRICAT records: every field written and decoded again, fields by number,
 * message function ids, the message header line.
 */
#include <gtest/gtest.h>

#include "edi_hilfen.h"

using namespace edihilfe;

namespace {

/* Offset and width of field number n (1-based), as documented. */
struct FeldInfo {
    size_t offset, breite;
};
#define FI(f) FeldInfo{offsetof(PRICAT_DATEN, f), sizeof(PRICAT_DATEN::f)}
const FeldInfo FELDER[EDI_PRICAT_FELDER] = {
    FI(Nachrichtentyp), FI(Lieferant), FI(Nachrichtenfunktion), FI(Waehrung), FI(LieferantenIln),
    FI(Nachrichtennummer), FI(Nachrichtendatum), FI(GueltigAb), FI(Lieferantenartikelnummer),
    FI(Hauptgruppe), FI(Mengeneinheit), FI(Ean), FI(Artikel), FI(Merkmal7), FI(Groessentext),
    FI(BleFarbe), FI(Material), FI(Zusatztext), FI(Artikelbeschreibung), FI(Preis1), FI(Preis2),
    FI(Preis3), FI(Lieferantenfarbe), FI(WarengruppeErsatz2), FI(Warengruppe), FI(Saison),
    FI(Label), FI(Serie), FI(WarengruppeErsatz1), FI(MwstSatz)};
#undef FI

char* Feld(PRICAT_DATEN& d, int nummer) { return reinterpret_cast<char*>(&d) + FELDER[nummer - 1].offset; }

/* Writes and decodes `d`; the result must equal it byte for byte. */
::testing::AssertionResult KommtGleichZurueck(const PRICAT_DATEN& d)
{
    std::string zeile = PricatZeile(d);
    if (zeile.empty() || zeile.size() >= EDI_SATZ_GROESSE)
        return ::testing::AssertionFailure() << "line length " << zeile.size();
    PRICAT_DATEN z;
    std::memset(&z, 0x5A, sizeof(z));
    int32_t info = 0;
    if (EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_PRICAT, &info, &z) != 1 ||
        info != EDI_SATZART_PRICAT)
        return ::testing::AssertionFailure() << "not decoded";
    for (size_t i = 0; i < sizeof(d); i++)
        if (reinterpret_cast<const char*>(&d)[i] != reinterpret_cast<const char*>(&z)[i])
            return ::testing::AssertionFailure() << "byte " << i << " differs";
    return ::testing::AssertionSuccess();
}

TEST(PricatSatz, ExportVariationenUndSonderfaelle)
{
    for (int i = 0; i < 12; i++)
        EXPECT_TRUE(KommtGleichZurueck(Variation(i))) << i;
    PRICAT_DATEN d = Variation(3);
    EDI_SETZEN(d, Artikel, "B4711@M\xE4" "dchenkleid \xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80");
    EDI_SETZEN(d, Lieferant, "@");
    EDI_SETZEN(d, Hauptgruppe, "@@Doppel@");
    EDI_SETZEN(d, Preis1, "");
    EDI_SETZEN(d, Preis2, " ");
    EDI_SETZEN(d, Preis3, "                     ");
    EDI_SETZEN(d, Zusatztext, "\x01\x7F\xFF;\t#|\r");
    EXPECT_TRUE(KommtGleichZurueck(d));
    std::memset(&d, 0, sizeof(d));
    EXPECT_TRUE(KommtGleichZurueck(d));
}

TEST(PricatSatz, VolleFeldbreiteMitUndOhneEndeUndZufallsinhalte)
{
    /* width - 1 characters with terminator, width characters without, then
     * random lengths and bytes */
    Zufall z{42};
    for (int runde = 0; runde < 300; runde++) {
        PRICAT_DATEN d;
        std::memset(&d, 0, sizeof(d));
        for (int n = 1; n <= EDI_PRICAT_FELDER; n++) {
            size_t b = FELDER[n - 1].breite;
            size_t laenge = runde == 0 ? b - 1 : runde == 1 ? b : z.bis(static_cast<uint32_t>(b) + 1);
            std::string text;
            for (size_t i = 0; i < laenge; i++)
                text += static_cast<char>(runde < 2 ? "\xC4@x"[i % 3] : 1 + z.bis(255));
            Setzen(Feld(d, n), b, text);
        }
        ASSERT_TRUE(KommtGleichZurueck(d)) << "round " << runde;
    }
}

TEST(PricatSatz, ReserveUndRestHinterDemEndeKommenNull)
{
    PRICAT_DATEN d = Variation(1);
    std::memset(d.Reserve5, 'R', sizeof(d.Reserve5));
    std::memset(d.Reserve11, 'R', sizeof(d.Reserve11));
    EDI_SETZEN(d, Saison, "");
    std::memcpy(d.Saison, "Sommer\0Rest", 11);
    PRICAT_DATEN z;
    ASSERT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(PricatZeile(d).c_str(), 14, nullptr, &z), 1);
    std::memset(d.Reserve5, 0, sizeof(d.Reserve5));
    std::memset(d.Reserve11, 0, sizeof(d.Reserve11));
    std::memset(d.Saison + 6, 0, 5);
    EXPECT_EQ(std::memcmp(&d, &z, sizeof(d)), 0);
}

TEST(PricatSatz, HinterDemEndeEinesFeldesZaehltNichts)
{
    /* A writer may leave anything behind a field's terminator (a text that
     * was longer before): the line stays the same. */
    Zufall z{9};
    for (int i = 0; i < 12; i++) {
        PRICAT_DATEN sauber = Variation(i);
        PRICAT_DATEN schmutzig = sauber;
        for (int n = 1; n <= EDI_PRICAT_FELDER; n++) {
            char* feld = Feld(schmutzig, n);
            size_t b = FELDER[n - 1].breite;
            size_t ende = std::strlen(std::string(feld, b).c_str());
            for (size_t k = ende + 1; k < b; k++)
                feld[k] = static_cast<char>(1 + z.bis(255));
        }
        ASSERT_EQ(PricatZeile(sauber), PricatZeile(schmutzig)) << i;
    }
}

TEST(PricatSatz, WasKeinPricatSatzIstGibtNullUndLeerenSatz)
{
    std::string zeile = PricatZeile(Variation(2));
    std::vector<char> ohneEnde(4000, 'R');
    ohneEnde.back() = '\0';
    const std::string texte[] = {"", "#0514", PricatKopfzeile("4000000000001", "4012345000009"),
                                 zeile.substr(0, zeile.size() / 2), ohneEnde.data()};
    PRICAT_DATEN z, leer;
    std::memset(&leer, 0, sizeof(leer));
    for (const std::string& t : texte) {
        std::memset(&z, 0x33, sizeof(z));
        EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(t.c_str(), EDI_NACHRICHT_PRICAT, nullptr, &z), 0) << t;
        EXPECT_EQ(std::memcmp(&z, &leer, sizeof(z)), 0);
    }
    /* the right record with the wrong message kind */
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_DESADV, nullptr, &z), 0);
    EXPECT_EQ(std::memcmp(&z, &leer, sizeof(z)), 0);
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(nullptr, 14, nullptr, &z), -1);
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), 14, nullptr, nullptr), -1);
    EXPECT_EQ(EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(nullptr, &z, 0, nullptr), -1);
}

TEST(PricatSatz, ZeileIstSchriftOhneTrennzeichen)
{
    std::string zeile = PricatZeile(Variation(5));
    EXPECT_EQ(zeile.substr(0, 5), "#0514");
    EXPECT_EQ(zeile.substr(zeile.size() - 2), "\r\n");
    for (size_t i = 0; i + 2 < zeile.size(); i++)
        ASSERT_TRUE(zeile[i] > 32 && zeile[i] < 127 && zeile[i] != ';') << "byte " << i;
    EXPECT_EQ(zeile.find("Strick"), std::string::npos);
}

TEST(FeldVonSatz, NummerStartUndLaenge)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    for (int n = 1; n <= EDI_PRICAT_FELDER; n++)
        Setzen(Feld(d, n), FELDER[n - 1].breite, "F" + std::to_string(n) + "@x");
    char text[EDI_FELDTEXT_GROESSE];
    for (int n = 1; n <= EDI_PRICAT_FELDER; n++) {
        EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(n, 0, 0, text, &d), 1);
        EXPECT_EQ(std::string(text), ("F" + std::to_string(n) + "@x").substr(0, FELDER[n - 1].breite));
    }
    EDI_SETZEN(d, Artikel, "A10000@Jacke");
    struct { int32_t start, laenge; const char* text; } faelle[] = {
        {2, 5, "10000"}, {8, 0, "Jacke"}, {8, 100, "Jacke"}, {-4, 1, "A"}, {1, -1, "A10000@Jacke"},
        {13, 3, ""},     {500, 3, ""}};
    for (const auto& f : faelle) {
        EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(EDI_PRICAT_FELD_ARTIKEL, f.start, f.laenge, text, &d), 1);
        EXPECT_STREQ(text, f.text) << f.start << "/" << f.laenge;
    }
    /* only the low 16 bits of the number count */
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(0x10000 + EDI_PRICAT_FELD_ARTIKEL, 8, 0, text, &d), 1);
    EXPECT_STREQ(text, "Jacke");
    /* a full field without terminator is not read beyond */
    std::memset(d.Ean, '7', sizeof(d.Ean));
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(EDI_PRICAT_FELD_EAN, 0, 0, text, &d), 1);
    EXPECT_EQ(std::string(text), std::string(14, '7'));
    /* unknown numbers empty the text; missing arguments */
    for (int32_t nummer : {0, 31, 0xFFFF, -1}) {
        std::strcpy(text, "alt");
        EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(nummer, 0, 0, text, &d), 0) << nummer;
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(1, 0, 0, nullptr, &d), -1);
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(1, 0, 0, text, nullptr), -1);
}

TEST(Nachrichtenfunktion, CodesUndIds)
{
    struct { const char* code; int32_t id; } faelle[] = {
        {"02", 2}, {"9", 9}, {"2 ", 2}, {"AU", 148}, {"au", 148}, {"", 0}, {"X1", 0}, {"A", 0}};
    for (const auto& f : faelle)
        EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(f.code), f.id) << f.code;
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(nullptr), -1);
    /* a full field: only its three bytes count, not the currency behind it */
    PRICAT_DATEN d = Variation(4);
    std::memcpy(d.Nachrichtenfunktion, "148", 3);
    EDI_SETZEN(d, Waehrung, "9");
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(d.Nachrichtenfunktion), 148);
    /* the discontinued code survives the file */
    EDI_SETZEN(d, Nachrichtenfunktion, "AU");
    PRICAT_DATEN z;
    ASSERT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(PricatZeile(d).c_str(), 14, nullptr, &z), 1);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(z.Nachrichtenfunktion),
              EDI_NACHRICHTENFUNKTION_AUSLAUF);
}

/* Tokens of the first 250 bytes, split at CR, LF, tab and ";"; with
 * `leereAuslassen` empty tokens are passed over. */
std::vector<std::string> Tokens(const std::string& datei, bool leereAuslassen)
{
    std::vector<std::string> t;
    std::string aktuell;
    for (char c : datei.substr(0, 250)) {
        if (c != '\r' && c != '\n' && c != '\t' && c != ';') {
            aktuell += c;
            continue;
        }
        if (!aktuell.empty() || !leereAuslassen)
            t.push_back(aktuell);
        aktuell.clear();
    }
    return t;
}

TEST(Kopfzeile, TokensDerKatalogauswahl)
{
    std::string datei = PricatKopfzeile("4000000000001XXX", "4012345000009") +
                        PricatZeile(Variation(0)) + PricatZeile(Variation(1));
    for (bool auslassen : {true, false}) {
        std::vector<std::string> t = Tokens(datei, auslassen);
        ASSERT_GE(t.size(), 11u);
        EXPECT_EQ(t[0], "BTEPRI");
        EXPECT_EQ(t[1], "PRICAT 4012345000009");
        EXPECT_EQ(t[3], "4000000000001XXX");
        EXPECT_EQ(t[5], "PRICAT");
        EXPECT_EQ(t[9], "4012345000009");
    }
    /* separators in a value, empty ILNs, longest values */
    std::vector<std::string> t = Tokens(PricatKopfzeile("", "", "Herbst;2024\tneu"), false);
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[1], "Herbst 2024 neu");
    EXPECT_EQ(t[3], "-");
    EXPECT_EQ(t[9], "-");
    std::string lang = PricatKopfzeile(std::string(36, '9').c_str(), "40123450000091", std::string(22, 'B').c_str());
    EXPECT_LT(lang.size(), 250u);
    t = Tokens(lang, true);
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[3], std::string(36, '9'));
    EXPECT_EQ(t[9], "40123450000091");
    char aus[EDI_AUSGABE_GROESSE];
    EXPECT_EQ(EDIPRICAT_BTEPRI_SatzErstellen(nullptr, nullptr), -1);
    EXPECT_EQ(EDIPRICAT_BTEPRI_SatzErstellen(aus, nullptr), -1);
}

TEST(Kopfzeile, WirdAlsSatzGelesenUndBeschaedigtUebersprungen)
{
    std::string kopf = PricatKopfzeile("4000000000001", "4012345000009");
    std::string pfad = TempDatei("kopf.inh");
    Schreiben(pfad, kopf + PricatZeile(Variation(0)));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].satzart, EDI_SATZART_KOPFZEILE);
    EXPECT_EQ(s[0].nachrichtenart, EDI_NACHRICHT_PRICAT);
    EXPECT_EQ(s[0].text, kopf);

    kopf[kopf.find("4012345000009")] = '5';
    Schreiben(pfad, kopf + PricatZeile(Variation(0)));
    s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].satzart, EDI_SATZART_PRICAT);
    std::remove(pfad.c_str());
}

} // namespace
