/*
 * Reading catalogue files record by record: damaged, cut, overlong and
 * foreign lines are passed over and their neighbours still read; handles;
 * records written back to back read again.
 */
#include <gtest/gtest.h>

#include "edi_core.h"
#include "edi_hilfen.h"

using namespace edihilfe;

namespace {

/* Reads a catalogue as the module does (kind 5 / message 14 records that
 * decode) and returns the numbers of the variations found. */
std::vector<int> KatalogLesen(const std::string& pfad, int32_t puffer = EDI_SATZ_GROESSE)
{
    std::vector<int> nummern;
    std::vector<Gelesen> saetze = AllesLesen(pfad, puffer);
    for (const Gelesen& g : saetze) {
        PRICAT_DATEN d;
        if (g.satzart == EDI_SATZART_PRICAT && g.nachrichtenart == EDI_NACHRICHT_PRICAT &&
            EDIPRICAT_VerarbeitePRICAT_Satz(g.text.c_str(), g.nachrichtenart, nullptr, &d) == 1)
            nummern.push_back(static_cast<int>(std::atoll(d.Ean) - 4012345100000LL));
    }
    return nummern;
}

using V = std::vector<int>;

class Katalog : public ::testing::Test {
protected:
    std::string pfad = TempDatei("katalog.inh");
    std::string kopf = PricatKopfzeile("4000000000001", "4012345000009");
    std::vector<std::string> zeilen; /* variations 0..5 */

    void SetUp() override
    {
        for (int i = 0; i < 6; i++)
            zeilen.push_back(PricatZeile(Variation(i)));
    }
    void TearDown() override { std::remove(pfad.c_str()); }

    void Schreibe()
    {
        std::string d = kopf;
        for (const std::string& z : zeilen)
            d += z;
        Schreiben(pfad, d);
    }
};

TEST_F(Katalog, AlleSaetzeMitZeilenendeUndZeilennummer)
{
    Schreibe();
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 7u);
    for (size_t i = 1; i < s.size(); i++) {
        EXPECT_EQ(s[i].text, zeilen[i - 1]);
        EXPECT_EQ(s[i].zeile, static_cast<int32_t>(i + 1));
    }
    EXPECT_EQ(KatalogLesen(pfad), V({0, 1, 2, 3, 4, 5}));
}

TEST_F(Katalog, JedesVerfaelschteByteKostetNurSeineZeile)
{
    /* Every changed byte of record 2, line end included: only that record
     * is lost (a changed line feed joins it with record 3). */
    const std::string z = zeilen[2];
    for (size_t i = 0; i < z.size(); i++) {
        for (unsigned char x : {0x01u, 0x20u, 0x80u}) {
            zeilen[2] = z;
            zeilen[2][i] = static_cast<char>(z[i] ^ x);
            Schreibe();
            ASSERT_EQ(KatalogLesen(pfad), z[i] == '\n' ? V({0, 1, 4, 5}) : V({0, 1, 3, 4, 5}))
                << "byte " << i << " xor " << int(x);
        }
    }
}

TEST_F(Katalog, AbgeschnitteneLeereUndNurLfZeilen)
{
    zeilen[1] = zeilen[1].substr(0, 40) + "\r\n";               /* cut, line end kept */
    zeilen[3] = zeilen[3].substr(0, zeilen[3].size() - 2) + "\n"; /* LF only */
    zeilen.insert(zeilen.begin() + 3, "\r\n\n");                 /* empty lines */
    zeilen.back() = zeilen.back().substr(0, zeilen.back().size() / 2); /* file ends inside */
    Schreibe();
    EXPECT_EQ(KatalogLesen(pfad), V({0, 2, 3, 4}));

    /* a last line without line end is read, and handed out with one */
    zeilen.back() = PricatZeile(Variation(5));
    zeilen.back().resize(zeilen.back().size() - 2);
    Schreibe();
    std::vector<Gelesen> s = AllesLesen(pfad);
    EXPECT_EQ(KatalogLesen(pfad), V({0, 2, 3, 4, 5}));
    EXPECT_EQ(s.back().text, PricatZeile(Variation(5)));
}

TEST_F(Katalog, UeberlangeZeilen)
{
    /* An intact record line of 2099 bytes: skipped with the 2000-byte
     * buffer; handed to a larger buffer, where the decoder refuses it. */
    std::string nutz(2084, 'R');
    uint32_t c = edikern::crc32(edikern::crc32(0, "0514", 4), nutz.data(), nutz.size());
    char hex[9];
    std::snprintf(hex, sizeof(hex), "%08X", c);
    std::string lang = std::string("#0514") + hex + nutz + "\r\n";
    zeilen.insert(zeilen.begin() + 2, lang);
    /* and 300 KB of anything, longer than the reader's own buffer */
    zeilen.insert(zeilen.begin() + 5, std::string(300 * 1024, 'x') + "\r\n");
    Schreibe();
    EXPECT_EQ(KatalogLesen(pfad), V({0, 1, 2, 3, 4, 5}));
    std::vector<Gelesen> gross = AllesLesen(pfad, 4000);
    ASSERT_EQ(gross.size(), 8u);
    EXPECT_EQ(gross[3].text, lang);
    EXPECT_EQ(KatalogLesen(pfad, 4000), V({0, 1, 2, 3, 4, 5}));

    /* a line that just fits is handed out; one byte less room: skipped, not cut */
    Schreiben(pfad, zeilen[0] + zeilen[0]);
    int32_t passend = static_cast<int32_t>(zeilen[0].size()) + 1;
    EXPECT_EQ(AllesLesen(pfad, passend).size(), 2u);
    EXPECT_EQ(AllesLesen(pfad, passend - 1).size(), 0u);
}

TEST_F(Katalog, FremdeSatzartenUndFremdeZeilen)
{
    DESADV_KOPF k;
    DESADV_REFERENZ r;
    DESADV_POSITION p;
    std::memset(&k, 0, sizeof(k));
    std::memset(&r, 0, sizeof(r));
    std::memset(&p, 0, sizeof(p));
    char aus[EDI_AUSGABE_GROESSE];
    ASSERT_GT(EDIDESADV_PositionsSatzErstellen(aus, &k, &r, &p), 0);
    zeilen[2] = aus;
    zeilen.insert(zeilen.begin() + 4, "Freitext ohne Bedeutung\r\n");
    zeilen.insert(zeilen.begin() + 4, std::string("#0514\0nicht von uns\r\n", 21));
    Schreibe();
    EXPECT_EQ(KatalogLesen(pfad), V({0, 1, 3, 4, 5}));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[3].satzart, EDI_SATZART_DESADV_POSITION);
    EXPECT_EQ(s[3].nachrichtenart, EDI_NACHRICHT_DESADV);
    PRICAT_DATEN d;
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(s[3].text.c_str(), 16, nullptr, &d), 0);
}

TEST_F(Katalog, HintereinanderGeschriebeneSaetzeWiederLesbar)
{
    zeilen[4] = zeilen[4].substr(0, 30) + "\n"; /* one damaged line on the way */
    Schreibe();
    std::string kopie;
    std::vector<Gelesen> a = AllesLesen(pfad);
    for (const Gelesen& g : a)
        kopie += g.text;
    Schreiben(pfad, kopie);
    std::vector<Gelesen> b = AllesLesen(pfad);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); i++) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].satzart, b[i].satzart);
    }
    EXPECT_EQ(KatalogLesen(pfad), V({0, 1, 2, 3, 5}));
}

TEST(Lesen, HandlesLeereUndFehlendeDateien)
{
    std::string a = TempDatei("a.inh"), b = TempDatei("b.inh");
    Schreiben(a, PricatZeile(Variation(0)) + PricatZeile(Variation(1)));
    Schreiben(b, "");
    HOSTHANDLE ha = EDIGlobal_OpenROS_INH_Datei(a.c_str());
    HOSTHANDLE hb = EDIGlobal_OpenROS_INH_Datei(b.c_str());
    ASSERT_GT(ha, 0);
    ASSERT_GT(hb, 0);
    ASSERT_NE(ha, hb);
    char satz[EDI_SATZ_GROESSE] = "alt";
    auto lies = [&](HOSTHANDLE h, char* puffer, int32_t groesse) {
        return EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, puffer, groesse, nullptr, nullptr,
                                                            nullptr, nullptr);
    };
    EXPECT_EQ(lies(hb, satz, sizeof(satz)), 0); /* empty file: end, empty text */
    EXPECT_STREQ(satz, "");
    EXPECT_EQ(lies(ha, satz, sizeof(satz)), 1);
    EXPECT_EQ(lies(ha, satz, 2), -1);
    EXPECT_EQ(lies(ha, nullptr, 100), -1);
    EXPECT_EQ(lies(ha, satz, sizeof(satz)), 1);
    EXPECT_EQ(std::string(satz), PricatZeile(Variation(1)));
    EXPECT_EQ(lies(ha, satz, sizeof(satz)), 0);

    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(ha), 1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(ha), -1);
    EXPECT_EQ(lies(ha, satz, sizeof(satz)), -1);
    /* a new file in the freed slot does not answer to the old handle */
    HOSTHANDLE hc = EDIGlobal_OpenROS_INH_Datei(a.c_str());
    ASSERT_GT(hc, 0);
    EXPECT_NE(hc, ha);
    EXPECT_EQ(lies(ha, satz, sizeof(satz)), -1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(hb), 1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(hc), 1);
    for (HOSTHANDLE h : {0, -1, 12345})
        EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(h), -1);

    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(TempDatei("fehlt.inh").c_str()), 0);
    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(nullptr), 0);
    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(""), 0);
    std::remove(a.c_str());
    std::remove(b.c_str());
}

TEST(Lesen, GrosserKatalogUeberPuffergrenzenHinweg)
{
    std::string pfad = TempDatei("gross.inh");
    std::string d = PricatKopfzeile("4000000000001", "4012345000009");
    V erwartet;
    for (int i = 0; i < 5000; i++) {
        d += PricatZeile(Variation(i));
        erwartet.push_back(i);
    }
    ASSERT_GT(d.size(), 3u * 256 * 1024);
    Schreiben(pfad, d);
    EXPECT_EQ(KatalogLesen(pfad), erwartet);
    std::remove(pfad.c_str());
}

} // namespace
