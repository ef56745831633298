/*
 * PRICAT records: writing and decoding every field, reading fields by
 * number, message function ids, the message header line.
 */
#include <gtest/gtest.h>

#include "edi_hilfen.h"

using namespace edihilfe;

namespace {

struct FeldInfo {
    int nummer;
    size_t offset, breite;
};

#define FI(n, f) FeldInfo{n, offsetof(PRICAT_DATEN, f), sizeof(PRICAT_DATEN::f)}
const FeldInfo FELDER[] = {
    FI(1, Nachrichtentyp),         FI(2, Lieferant),          FI(3, Nachrichtenfunktion),
    FI(4, Waehrung),               FI(5, LieferantenIln),     FI(6, Nachrichtennummer),
    FI(7, Nachrichtendatum),       FI(8, GueltigAb),          FI(9, Lieferantenartikelnummer),
    FI(10, Hauptgruppe),           FI(11, Mengeneinheit),     FI(12, Ean),
    FI(13, Artikel),               FI(14, Merkmal7),          FI(15, Groessentext),
    FI(16, BleFarbe),              FI(17, Material),          FI(18, Zusatztext),
    FI(19, Artikelbeschreibung),   FI(20, Preis1),            FI(21, Preis2),
    FI(22, Preis3),                FI(23, Lieferantenfarbe),  FI(24, WarengruppeErsatz2),
    FI(25, Warengruppe),           FI(26, Saison),            FI(27, Label),
    FI(28, Serie),                 FI(29, WarengruppeErsatz1), FI(30, MwstSatz),
};
#undef FI

char* Feld(PRICAT_DATEN& d, const FeldInfo& f) { return reinterpret_cast<char*>(&d) + f.offset; }

/* Writes and decodes; the decoded record must equal `d` byte for byte. */
::testing::AssertionResult KommtGleichZurueck(const PRICAT_DATEN& d)
{
    std::string zeile = PricatZeile(d);
    if (zeile.empty() || zeile.size() >= EDI_SATZ_GROESSE)
        return ::testing::AssertionFailure() << "line length " << zeile.size();
    PRICAT_DATEN zurueck;
    std::memset(&zurueck, 0x5A, sizeof(zurueck));
    int32_t info = 0;
    if (EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_PRICAT, &info, &zurueck) != 1)
        return ::testing::AssertionFailure() << "not decoded";
    if (info != EDI_SATZART_PRICAT)
        return ::testing::AssertionFailure() << "info " << info;
    for (const FeldInfo& f : FELDER) {
        const char* a = reinterpret_cast<const char*>(&d) + f.offset;
        const char* b = reinterpret_cast<const char*>(&zurueck) + f.offset;
        if (std::memcmp(a, b, f.breite) != 0)
            return ::testing::AssertionFailure() << "field " << f.nummer << " differs";
    }
    if (std::memcmp(&d, &zurueck, sizeof(d)) != 0)
        return ::testing::AssertionFailure() << "bytes outside the fields differ";
    return ::testing::AssertionSuccess();
}

TEST(PricatSatz, ExportVariationKommtZurueck)
{
    for (int i = 0; i < 30; i++)
        EXPECT_TRUE(KommtGleichZurueck(Variation(i))) << i;
}

TEST(PricatSatz, JedesFeldVolleBreiteMitUndOhneEnde)
{
    /* width - 1 characters with terminator, and width characters without */
    for (size_t weg : {size_t(1), size_t(0)}) {
        PRICAT_DATEN d;
        std::memset(&d, 0, sizeof(d));
        for (const FeldInfo& f : FELDER) {
            std::string text;
            for (size_t i = 0; i + weg < f.breite; i++)
                text += static_cast<char>(i % 3 == 0 ? '\xC4' : i % 3 == 1 ? '@' : 'a' + f.nummer % 26);
            Setzen(Feld(d, f), f.breite, text);
        }
        EXPECT_TRUE(KommtGleichZurueck(d)) << "terminator " << weg;
        EXPECT_LT(PricatZeile(d).size(), size_t(EDI_SATZ_GROESSE));
    }
}

TEST(PricatSatz, UmlauteSchluesselLeereUndBlankePreise)
{
    PRICAT_DATEN d = Variation(3);
    EDI_SETZEN(d, Artikel, "B4711@M\xE4" "dchenkleid \xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80 \xA7");
    EDI_SETZEN(d, Lieferant, "@");
    EDI_SETZEN(d, Hauptgruppe, "@@Doppel@");
    EDI_SETZEN(d, Preis1, "");
    EDI_SETZEN(d, Preis2, " ");
    EDI_SETZEN(d, Preis3, "                     ");
    EDI_SETZEN(d, Zusatztext, "\x01\x7F\xFF;\t#|");
    ASSERT_TRUE(KommtGleichZurueck(d));
    PRICAT_DATEN z;
    EDIPRICAT_VerarbeitePRICAT_Satz(PricatZeile(d).c_str(), EDI_NACHRICHT_PRICAT, nullptr, &z);
    EXPECT_EQ(EDI_TEXT(z, Preis2), " ");
    EXPECT_EQ(EDI_TEXT(z, Preis1), "");
}

TEST(PricatSatz, ZufaelligeSaetzeKommenZurueck)
{
    Zufall z{42};
    for (int runde = 0; runde < 500; runde++) {
        PRICAT_DATEN d;
        std::memset(&d, 0, sizeof(d));
        for (const FeldInfo& f : FELDER) {
            size_t laenge = z.bis(static_cast<uint32_t>(f.breite) + 1);
            std::string text;
            for (size_t i = 0; i < laenge; i++)
                text += static_cast<char>(1 + z.bis(255));
            Setzen(Feld(d, f), f.breite, text);
        }
        ASSERT_TRUE(KommtGleichZurueck(d)) << "round " << runde;
    }
}

TEST(PricatSatz, ReserveUndRestHinterDemEndeKommenNull)
{
    PRICAT_DATEN d = Variation(1);
    std::memset(d.Reserve5, 'R', sizeof(d.Reserve5));
    std::memset(d.Reserve11, 'R', sizeof(d.Reserve11));
    std::memcpy(d.Saison, "Sommer\0Rest", 11);
    PRICAT_DATEN z;
    ASSERT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(PricatZeile(d).c_str(), EDI_NACHRICHT_PRICAT, nullptr, &z), 1);
    EXPECT_EQ(EDI_TEXT(z, Saison), "Sommer");
    EXPECT_EQ(z.Saison[8], 0);
    for (char c : z.Reserve5)
        ASSERT_EQ(c, 0);
    for (char c : z.Reserve11)
        ASSERT_EQ(c, 0);
}

TEST(PricatSatz, LeererSatzKommtZurueck)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    EXPECT_TRUE(KommtGleichZurueck(d));
}

TEST(PricatSatz, FalscheNachrichtenartOderKeinSatzGibtNullUndLeerenSatz)
{
    std::string zeile = PricatZeile(Variation(2));
    PRICAT_DATEN z;
    std::memset(&z, 0x33, sizeof(z));
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_DESADV, nullptr, &z), 0);
    for (size_t i = 0; i < sizeof(z); i++)
        ASSERT_EQ(reinterpret_cast<const char*>(&z)[i], 0) << i;

    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz("", EDI_NACHRICHT_PRICAT, nullptr, &z), 0);
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(PricatKopfzeile("4000000000001", "4012345000009").c_str(),
                                              EDI_NACHRICHT_PRICAT, nullptr, &z),
              0);
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(nullptr, EDI_NACHRICHT_PRICAT, nullptr, &z), -1);
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_PRICAT, nullptr, nullptr), -1);
    PRICAT_DATEN d;
    EXPECT_EQ(EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(nullptr, &d, 0, nullptr), -1);
}

TEST(PricatSatz, TextOhneZeilenendeUndOhneNulInnerhalbDesPuffersWirdAbgelehnt)
{
    /* A record text without end within 2000 bytes is not read further. */
    std::vector<char> puffer(4000, 'R');
    puffer.back() = '\0';
    PRICAT_DATEN z;
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(puffer.data(), EDI_NACHRICHT_PRICAT, nullptr, &z), 0);
}

TEST(PricatSatz, ZeileIstSchriftOhneTrennzeichenUndEndetMitCrLf)
{
    std::string zeile = PricatZeile(Variation(5));
    ASSERT_GE(zeile.size(), 3u);
    EXPECT_EQ(zeile.substr(zeile.size() - 2), "\r\n");
    EXPECT_EQ(zeile.substr(0, 5), "#0514");
    for (size_t i = 0; i + 2 < zeile.size(); i++) {
        unsigned char c = static_cast<unsigned char>(zeile[i]);
        ASSERT_TRUE(c > 32 && c < 127 && c != ';') << "byte " << i;
    }
    /* the article text does not show through */
    EXPECT_EQ(zeile.find("Strick"), std::string::npos);
}

/* --- fields by number --------------------------------------------------------- */

TEST(FeldVonSatz, JedeNummerLiefertIhrFeld)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    for (const FeldInfo& f : FELDER) {
        std::string text = "F" + std::to_string(f.nummer) + "@x";
        Setzen(Feld(d, f), f.breite, text);
    }
    char text[EDI_FELDTEXT_GROESSE];
    for (const FeldInfo& f : FELDER) {
        EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(f.nummer, 0, 0, text, &d), 1);
        EXPECT_EQ(std::string(text), ("F" + std::to_string(f.nummer) + "@x").substr(0, f.breite));
    }
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(EDI_PRICAT_FELD_ARTIKEL, 1, 0, text, &d), 1);
    EXPECT_STREQ(text, "F13@x");
}

TEST(FeldVonSatz, StartUndLaenge)
{
    PRICAT_DATEN d = Variation(0);
    EDI_SETZEN(d, Artikel, "A10000@Jacke");
    char text[EDI_FELDTEXT_GROESSE];
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, 2, 5, text, &d), 1);
    EXPECT_STREQ(text, "10000");
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, 8, 0, text, &d), 1);
    EXPECT_STREQ(text, "Jacke");
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, 8, 100, text, &d), 1);
    EXPECT_STREQ(text, "Jacke");
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, -4, 1, text, &d), 1);
    EXPECT_STREQ(text, "A");
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, 13, 3, text, &d), 1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(13, 500, 3, text, &d), 1);
    EXPECT_STREQ(text, "");
}

TEST(FeldVonSatz, NurDieUnteren16BitZaehlen)
{
    PRICAT_DATEN d = Variation(0);
    char text[EDI_FELDTEXT_GROESSE];
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(0x10000 + EDI_PRICAT_FELD_MWSTSATZ, 0, 0, text, &d), 1);
    EXPECT_STREQ(text, "19");
}

TEST(FeldVonSatz, UnbekannteNummerLeertDenText)
{
    PRICAT_DATEN d = Variation(0);
    char text[EDI_FELDTEXT_GROESSE];
    for (int32_t nummer : {0, 31, 0xFFFF, -1}) {
        std::strcpy(text, "alt");
        EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(nummer, 0, 0, text, &d), 0) << nummer;
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(1, 0, 0, nullptr, &d), -1);
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(1, 0, 0, text, nullptr), -1);
}

TEST(FeldVonSatz, VollesFeldOhneEndeWirdNichtUeberlesen)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    std::memset(d.Ean, '7', sizeof(d.Ean));
    std::memset(d.Artikel, 'X', sizeof(d.Artikel));
    char text[EDI_FELDTEXT_GROESSE];
    EXPECT_EQ(EDIPRICAT_PRICAT_FeldVonSatzLesen(EDI_PRICAT_FELD_EAN, 0, 0, text, &d), 1);
    EXPECT_EQ(std::string(text), std::string(14, '7'));
}

/* --- message function ----------------------------------------------------------- */

TEST(Nachrichtenfunktion, CodesUndIds)
{
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("02"), 2);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("9"), 9);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("2 "), 2);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("AU"), EDI_NACHRICHTENFUNKTION_AUSLAUF);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("au"), 148);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(""), 0);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID("X1"), 0);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(nullptr), -1);
    /* a full field without terminator: only its three bytes count */
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof(d));
    std::memcpy(d.Nachrichtenfunktion, "148", 3);
    std::memcpy(d.Waehrung, "9", 1);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(d.Nachrichtenfunktion), 148);
}

TEST(Nachrichtenfunktion, AuslaufUeberlebtDieDatei)
{
    PRICAT_DATEN d = Variation(4);
    EDI_SETZEN(d, Nachrichtenfunktion, "AU");
    PRICAT_DATEN z;
    ASSERT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(PricatZeile(d).c_str(), 14, nullptr, &z), 1);
    EXPECT_EQ(EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(z.Nachrichtenfunktion), 148);
}

/* --- the message header line ------------------------------------------------------ */

/* Tokens of the first 250 bytes of a file, separated by CR, LF, tab and
 * ";". With `leereAuslassen` empty tokens are passed over. */
std::vector<std::string> Tokens(const std::string& datei, bool leereAuslassen)
{
    std::string kopf = datei.substr(0, 250);
    std::vector<std::string> t;
    std::string aktuell;
    bool offen = false;
    for (char c : kopf) {
        if (c == '\r' || c == '\n' || c == '\t' || c == ';') {
            if (offen || !leereAuslassen)
                t.push_back(aktuell);
            aktuell.clear();
            offen = false;
        } else {
            aktuell += c;
            offen = true;
        }
    }
    if (offen)
        t.push_back(aktuell);
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
        EXPECT_EQ(t[4].size(), 8u);
        for (int i = 0; i < 11; i++)
            EXPECT_FALSE(t[static_cast<size_t>(i)].empty()) << i;
    }
}

TEST(Kopfzeile, BeschreibungMitTrennzeichenUndLeereIln)
{
    std::string zeile = PricatKopfzeile("", "", "Herbst;2024\tneu");
    std::vector<std::string> t = Tokens(zeile, false);
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[1], "Herbst 2024 neu");
    EXPECT_EQ(t[3], "-");
    EXPECT_EQ(t[9], "-");
    EXPECT_EQ(zeile.substr(zeile.size() - 2), "\r\n");
}

TEST(Kopfzeile, LaengsteKopfzeilePasstInDie250Bytes)
{
    std::string langeIln(36, '9');
    std::string zeile = PricatKopfzeile(langeIln.c_str(), "40123450000091", std::string(22, 'B').c_str());
    EXPECT_LT(zeile.size(), 250u);
    std::vector<std::string> t = Tokens(zeile, true);
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[3], langeIln);
    EXPECT_EQ(t[9], "40123450000091");
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

    std::string kaputt = kopf;
    kaputt[kaputt.find("4012345000009")] = '5';
    Schreiben(pfad, kaputt + PricatZeile(Variation(0)));
    s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].satzart, EDI_SATZART_PRICAT);
    std::remove(pfad.c_str());
}

TEST(Kopfzeile, FehlendeArgumente)
{
    char aus[EDI_AUSGABE_GROESSE];
    EDI_KOPFSATZ k;
    std::memset(&k, 0, sizeof(k));
    EXPECT_EQ(EDIPRICAT_BTEPRI_SatzErstellen(nullptr, &k), -1);
    EXPECT_EQ(EDIPRICAT_BTEPRI_SatzErstellen(aus, nullptr), -1);
    /* an empty record still gives a complete line */
    int32_t n = EDIPRICAT_BTEPRI_SatzErstellen(aus, &k);
    ASSERT_GT(n, 0);
    std::vector<std::string> t = Tokens(std::string(aus, static_cast<size_t>(n)), false);
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[1], "PRICAT");
    EXPECT_EQ(t[5], "PRICAT");
}

} // namespace
