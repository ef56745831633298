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

/* Reads a catalogue as the module does: kind 5 / message 14 records that
 * decode and carry a 13-character supplier ILN; returns their EANs. */
std::vector<std::string> KatalogLesen(const std::string& pfad, int32_t puffer = EDI_SATZ_GROESSE)
{
    std::vector<std::string> eans;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (h == 0)
        return eans;
    std::vector<char> satz(static_cast<size_t>(puffer));
    int32_t sa = 0, na = 0, extra = 0;
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz.data(), puffer, &sa, &na, &extra,
                                                         "4000000000001") == 1) {
        if (sa != EDI_SATZART_PRICAT || na != EDI_NACHRICHT_PRICAT)
            continue;
        PRICAT_DATEN d;
        int32_t info = 0;
        if (EDIPRICAT_VerarbeitePRICAT_Satz(satz.data(), na, &info, &d) != 1)
            continue;
        if (strnlen(d.LieferantenIln, sizeof(d.LieferantenIln)) != 13)
            continue;
        eans.push_back(EDI_TEXT(d, Ean));
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    return eans;
}

std::string Ean(int i) { return EDI_TEXT(Variation(i), Ean); }

std::vector<std::string> Eans(std::initializer_list<int> nummern)
{
    std::vector<std::string> e;
    for (int i : nummern)
        e.push_back(Ean(i));
    return e;
}

class Katalog : public ::testing::Test {
protected:
    std::string pfad = TempDatei("katalog.inh");
    std::string kopf = PricatKopfzeile("4000000000001", "4012345000009");
    std::vector<std::string> zeilen; /* records 0..5 */

    void SetUp() override
    {
        for (int i = 0; i < 6; i++)
            zeilen.push_back(PricatZeile(Variation(i)));
    }
    void TearDown() override { std::remove(pfad.c_str()); }

    std::string Datei() const
    {
        std::string d = kopf;
        for (const std::string& z : zeilen)
            d += z;
        return d;
    }
};

TEST_F(Katalog, AlleSaetzeInDateireihenfolge)
{
    Schreiben(pfad, Datei());
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 1, 2, 3, 4, 5}));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 7u);
    for (size_t i = 1; i < s.size(); i++) {
        EXPECT_EQ(s[i].text, zeilen[i - 1]);
        EXPECT_EQ(s[i].zeile, static_cast<int32_t>(i + 1));
    }
}

TEST_F(Katalog, JedesVerfaelschteByteEinerZeileWirdErkannt)
{
    /* Every single changed byte of record 2 (line end included) costs at
     * most that record (a changed line feed joins it with record 3). */
    const std::string& z = zeilen[2];
    size_t offset = kopf.size() + zeilen[0].size() + zeilen[1].size();
    std::string gut = Datei();
    for (size_t i = 0; i < z.size(); i++) {
        for (unsigned char x : {0x01u, 0x20u, 0x80u}) {
            std::string d = gut;
            d[offset + i] = static_cast<char>(d[offset + i] ^ x);
            Schreiben(pfad, d);
            std::vector<std::string> e = KatalogLesen(pfad);
            if (z[i] == '\n')
                ASSERT_EQ(e, Eans({0, 1, 4, 5})) << "byte " << i;
            else
                ASSERT_EQ(e, Eans({0, 1, 3, 4, 5})) << "byte " << i << " xor " << int(x);
        }
    }
}

TEST_F(Katalog, AbgeschnitteneZeilen)
{
    /* record 1 cut in the middle, its line end kept */
    zeilen[1] = zeilen[1].substr(0, 40) + "\r\n";
    /* the file ends inside record 5, without line end */
    zeilen[5] = zeilen[5].substr(0, zeilen[5].size() / 2);
    Schreiben(pfad, Datei());
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 2, 3, 4}));
}

TEST_F(Katalog, LetzteZeileOhneZeilenendeWirdGelesenUndBekommtEins)
{
    zeilen[5] = zeilen[5].substr(0, zeilen[5].size() - 2);
    Schreiben(pfad, Datei());
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 1, 2, 3, 4, 5}));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s.back().text, PricatZeile(Variation(5)));
}

TEST_F(Katalog, NurZeilenvorschubUndLeerzeilen)
{
    std::string d = kopf + "\r\n\n";
    for (std::string z : zeilen) {
        z.erase(z.size() - 2, 1); /* "\r\n" -> "\n" */
        d += z + "\n";
    }
    Schreiben(pfad, d);
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 1, 2, 3, 4, 5}));
}

TEST_F(Katalog, UeberlangeZeilen)
{
    /* An intact record line of 2100 bytes: too long for the 2000-byte
     * buffer, so skipped; handed out to a larger buffer, where the decoder
     * still refuses it. */
    std::string nutz(2084, 'R');
    std::string kinds = "0514";
    uint32_t c = edikern::crc32(edikern::crc32(0, kinds.data(), 4), nutz.data(), nutz.size());
    char hex[9];
    std::snprintf(hex, sizeof(hex), "%08X", c);
    std::string lang = "#" + kinds + hex + nutz + "\r\n";
    ASSERT_EQ(lang.size(), 2099u);

    /* and a 300 KB line of anything, longer than the reader's own buffer */
    std::string riesig(300 * 1024, 'x');
    riesig += "\r\n";

    zeilen.insert(zeilen.begin() + 2, lang);
    zeilen.insert(zeilen.begin() + 5, riesig);
    Schreiben(pfad, Datei());
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 1, 2, 3, 4, 5}));

    std::vector<Gelesen> gross = AllesLesen(pfad, 4000);
    ASSERT_EQ(gross.size(), 8u);
    EXPECT_EQ(gross[3].text, lang);
    EXPECT_EQ(KatalogLesen(pfad, 4000), Eans({0, 1, 2, 3, 4, 5}));
}

TEST_F(Katalog, ZeileGenauAnDerPuffergrenze)
{
    /* A record line that just fits a buffer is handed out; one byte less
     * room and it is skipped, never cut. */
    std::string z = zeilen[0];
    int32_t passend = static_cast<int32_t>(z.size()) + 1;
    Schreiben(pfad, z + z);
    EXPECT_EQ(AllesLesen(pfad, passend).size(), 2u);
    EXPECT_EQ(AllesLesen(pfad, passend - 1).size(), 0u);
}

TEST_F(Katalog, FremdeSatzartenWerdenGeliefertUndVomKatalogUebergangen)
{
    DESADV_KOPF k;
    DESADV_REFERENZ r;
    DESADV_POSITION p;
    std::memset(&k, 0, sizeof(k));
    std::memset(&r, 0, sizeof(r));
    std::memset(&p, 0, sizeof(p));
    EDI_SETZEN(p, Gtin, Ean(2));
    char aus[EDI_AUSGABE_GROESSE];
    ASSERT_GT(EDIDESADV_PositionsSatzErstellen(aus, &k, &r, &p), 0);
    zeilen[2] = aus;
    zeilen.insert(zeilen.begin() + 4, "Freitext ohne Bedeutung\r\n");
    zeilen.insert(zeilen.begin() + 4, "#0514 nicht von uns\r\n");
    Schreiben(pfad, Datei());

    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 1, 3, 4, 5}));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[3].satzart, EDI_SATZART_DESADV_POSITION);
    EXPECT_EQ(s[3].nachrichtenart, EDI_NACHRICHT_DESADV);
    PRICAT_DATEN d;
    EXPECT_EQ(EDIPRICAT_VerarbeitePRICAT_Satz(s[3].text.c_str(), EDI_NACHRICHT_DESADV, nullptr, &d), 0);
}

TEST_F(Katalog, LieferantenIlnNicht13Zeichen)
{
    PRICAT_DATEN d = Variation(1);
    EDI_SETZEN(d, LieferantenIln, "401234500000");
    zeilen[1] = PricatZeile(d);
    EDI_SETZEN(d, LieferantenIln, "40123450000091");
    zeilen[3] = PricatZeile(d);
    Schreiben(pfad, Datei());
    EXPECT_EQ(KatalogLesen(pfad), Eans({0, 2, 4, 5}));
}

TEST_F(Katalog, HintereinanderGeschriebeneSaetzeWiederLesbar)
{
    zeilen[4] = zeilen[4].substr(0, 30) + "\n"; /* one damaged line on the way */
    Schreiben(pfad, Datei());
    std::string kopie;
    for (const Gelesen& g : AllesLesen(pfad))
        kopie += g.text;
    std::string pfad2 = TempDatei("kopie.inh");
    Schreiben(pfad2, kopie);
    std::vector<Gelesen> a = AllesLesen(pfad), b = AllesLesen(pfad2);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); i++) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].satzart, b[i].satzart);
    }
    EXPECT_EQ(KatalogLesen(pfad2), Eans({0, 1, 2, 3, 5}));
    std::remove(pfad2.c_str());
}

TEST(Lesen, LeereUndFehlendeDatei)
{
    std::string pfad = TempDatei("leer.inh");
    Schreiben(pfad, "");
    EXPECT_TRUE(AllesLesen(pfad).empty());
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    ASSERT_GT(h, 0);
    char satz[EDI_SATZ_GROESSE] = "alt";
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof(satz), nullptr, nullptr,
                                                           nullptr, nullptr),
              0);
    EXPECT_STREQ(satz, "");
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(h), 1);
    std::remove(pfad.c_str());

    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(TempDatei("fehlt.inh").c_str()), 0);
    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(nullptr), 0);
    EXPECT_EQ(EDIGlobal_OpenROS_INH_Datei(""), 0);
}

TEST(Lesen, HandlesSindGetrenntUndNachDemSchliessenUngueltig)
{
    std::string a = TempDatei("a.inh"), b = TempDatei("b.inh");
    Schreiben(a, PricatZeile(Variation(0)) + PricatZeile(Variation(1)));
    Schreiben(b, PricatZeile(Variation(7)));
    HOSTHANDLE ha = EDIGlobal_OpenROS_INH_Datei(a.c_str());
    HOSTHANDLE hb = EDIGlobal_OpenROS_INH_Datei(b.c_str());
    ASSERT_GT(ha, 0);
    ASSERT_GT(hb, 0);
    ASSERT_NE(ha, hb);
    char satz[EDI_SATZ_GROESSE];
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(ha, satz, sizeof(satz), nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(hb, satz, sizeof(satz), nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(std::string(satz), PricatZeile(Variation(7)));
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(ha, satz, sizeof(satz), nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(std::string(satz), PricatZeile(Variation(1)));

    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(ha), 1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(ha), -1);
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(ha, satz, sizeof(satz), nullptr, nullptr, nullptr, nullptr), -1);
    /* a new file in the freed slot does not answer to the old handle */
    HOSTHANDLE hc = EDIGlobal_OpenROS_INH_Datei(b.c_str());
    ASSERT_GT(hc, 0);
    EXPECT_NE(hc, ha);
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(ha, satz, sizeof(satz), nullptr, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(hb, satz, 2, nullptr, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(hb, nullptr, 100, nullptr, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(hb), 1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(hc), 1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(0), -1);
    EXPECT_EQ(EDIGLOBAL_Schliesse_INH_InputDatei(12345), -1);
    std::remove(a.c_str());
    std::remove(b.c_str());
}

TEST(Lesen, GrosserKatalogUeberPuffergrenzenHinweg)
{
    /* Enough records that lines straddle the reader's buffer refills. */
    std::string pfad = TempDatei("gross.inh");
    std::string d = PricatKopfzeile("4000000000001", "4012345000009");
    const int anzahl = 5000;
    for (int i = 0; i < anzahl; i++)
        d += PricatZeile(Variation(i));
    ASSERT_GT(d.size(), 3u * 256 * 1024);
    Schreiben(pfad, d);
    std::vector<std::string> e = KatalogLesen(pfad);
    ASSERT_EQ(e.size(), static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; i++)
        ASSERT_EQ(e[static_cast<size_t>(i)], Ean(i)) << i;
    std::remove(pfad.c_str());
}

} // namespace
