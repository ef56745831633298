/*
 * DESADV records: positions and heads written, read and split again; a
 * not-imported file made of records written back to back.
 */
#include <gtest/gtest.h>

#include "edi_hilfen.h"

using namespace edihilfe;

namespace {

struct Lieferung {
    DESADV_KOPF kopf;
    DESADV_REFERENZ referenz;
    DESADV_POSITION position;
};

Lieferung Position(int nummer)
{
    Lieferung l;
    std::memset(&l, 0, sizeof(l));
    EDI_SETZEN(l.kopf, Nachrichtentyp, "DESADV");
    EDI_SETZEN(l.kopf, Nachrichtenfunktion, "9");
    EDI_SETZEN(l.kopf, Nachrichtennummer, "DES000123");
    EDI_SETZEN(l.kopf, Lieferscheinnummer, "LS-2024-\xC4" "0815");
    EDI_SETZEN(l.kopf, Lieferdatum, "20240917");
    EDI_SETZEN(l.kopf, Versanddatum, "20240915");
    EDI_SETZEN(l.kopf, LieferantenIln, "4012345000009");
    EDI_SETZEN(l.kopf, KaeuferIln, "4000000000001");
    EDI_SETZEN(l.kopf, LieferortIln, "4000000000018");
    EDI_SETZEN(l.referenz, Bestellnummer, "B" + std::to_string(7000 + nummer / 3));
    EDI_SETZEN(l.referenz, Bestelldatum, "20240801");
    EDI_SETZEN(l.referenz, Bestellposition, std::to_string(nummer % 3 + 1));
    EDI_SETZEN(l.referenz, Auftragsnummer, "AB-4711");
    EDI_SETZEN(l.position, Positionsnummer, std::to_string(nummer + 1));
    EDI_SETZEN(l.position, Artikelbeschreibung, "Strickjacke Gr\xF6\xDF" "e " + std::to_string(38 + nummer));
    EDI_SETZEN(l.position, Farbe, "marine");
    EDI_SETZEN(l.position, Groesse, std::to_string(38 + nummer));
    EDI_SETZEN(l.position, Mengeneinheit, "PCE");
    EDI_SETZEN(l.position, EmpfaengerIln, "4000000000018");
    char gtin[16];
    std::snprintf(gtin, sizeof(gtin), "%lld", 4001000000000LL + nummer);
    EDI_SETZEN(l.position, Gtin, gtin);
    EDI_SETZEN(l.position, Lieferantenartikelnummer, "10000-" + std::to_string(nummer));
    EDI_SETZEN(l.position, Menge, std::to_string(nummer * 2 + 1));
    return l;
}

std::string PositionsZeile(const Lieferung& l)
{
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_PositionsSatzErstellen(aus, &l.kopf, &l.referenz, &l.position);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

std::string KopfZeile(const DESADV_KOPF& k)
{
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_KopfSatzErstellen(aus, &k);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

std::string DesadvKopfzeile()
{
    EDI_KOPFSATZ k;
    std::memset(&k, 0, sizeof(k));
    EDI_SETZEN(k, AbsenderIln, "4012345000009");
    EDI_SETZEN(k, PartnerIln, "4000000000001");
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_BTEDES_SatzErstellen(aus, &k);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

bool Gleich(const Lieferung& a, const Lieferung& b) { return std::memcmp(&a, &b, sizeof(a)) == 0; }

TEST(DesadvSatz, PositionKommtVollstaendigZurueck)
{
    for (int i = 0; i < 10; i++) {
        Lieferung l = Position(i), z;
        std::string zeile = PositionsZeile(l);
        ASSERT_FALSE(zeile.empty());
        ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), EDI_NACHRICHT_DESADV, &z.kopf,
                                                  &z.referenz, &z.position),
                  1);
        EXPECT_TRUE(Gleich(l, z)) << i;
    }
}

TEST(DesadvSatz, DieVierFelderDerWareneingangsbuchung)
{
    Lieferung l = Position(4), z;
    std::string zeile = PositionsZeile(l);
    ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), 16, &z.kopf, &z.referenz, &z.position), 1);
    const char* p = reinterpret_cast<const char*>(&z.position);
    EXPECT_STREQ(p + 170, "4000000000018");
    EXPECT_STREQ(p + 198, "4001000000004");
    EXPECT_STREQ(p + 212, "10000-4");
    EXPECT_EQ(std::atoi(p + 427), 9);
}

TEST(DesadvSatz, VolleFelderUndZufallsinhalte)
{
    Zufall zf{7};
    for (int runde = 0; runde < 200; runde++) {
        Lieferung l;
        std::memset(&l, 0, sizeof(l));
        auto fuelle = [&](char* f, size_t breite) {
            size_t n = runde == 0 ? breite : zf.bis(static_cast<uint32_t>(breite) + 1);
            std::string t;
            for (size_t i = 0; i < n; i++)
                t += static_cast<char>(1 + zf.bis(255));
            Setzen(f, breite, t);
        };
#define F(rec, f) fuelle(l.rec.f, sizeof(l.rec.f))
        F(kopf, Nachrichtentyp); F(kopf, Nachrichtenfunktion); F(kopf, Nachrichtennummer);
        F(kopf, Lieferscheinnummer); F(kopf, Lieferdatum); F(kopf, Versanddatum);
        F(kopf, LieferantenIln); F(kopf, KaeuferIln); F(kopf, LieferortIln);
        F(referenz, Bestellnummer); F(referenz, Bestelldatum); F(referenz, Bestellposition);
        F(referenz, Auftragsnummer);
        F(position, Positionsnummer); F(position, Artikelbeschreibung); F(position, Farbe);
        F(position, Groesse); F(position, Mengeneinheit); F(position, EmpfaengerIln);
        F(position, Gtin); F(position, Lieferantenartikelnummer); F(position, Kaeuferartikelnummer);
        F(position, Packstueck); F(position, Charge); F(position, Menge);
#undef F
        std::string zeile = PositionsZeile(l);
        ASSERT_LT(zeile.size(), size_t(EDI_SATZ_GROESSE));
        Lieferung z;
        ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), 16, &z.kopf, &z.referenz, &z.position), 1);
        ASSERT_TRUE(Gleich(l, z)) << runde;
    }
}

TEST(DesadvSatz, KopfsatzFuelltNurDenKopf)
{
    Lieferung l = Position(0), z;
    std::string zeile = KopfZeile(l.kopf);
    std::memset(&z, 0x44, sizeof(z));
    ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), 16, &z.kopf, &z.referenz, &z.position), 1);
    EXPECT_EQ(std::memcmp(&z.kopf, &l.kopf, sizeof(l.kopf)), 0);
    DESADV_REFERENZ leerR;
    DESADV_POSITION leerP;
    std::memset(&leerR, 0, sizeof(leerR));
    std::memset(&leerP, 0, sizeof(leerP));
    EXPECT_EQ(std::memcmp(&z.referenz, &leerR, sizeof(leerR)), 0);
    EXPECT_EQ(std::memcmp(&z.position, &leerP, sizeof(leerP)), 0);
}

TEST(DesadvSatz, FremdeUndBeschaedigteSaetze)
{
    Lieferung z;
    std::string zeile = PositionsZeile(Position(1));
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), EDI_NACHRICHT_PRICAT, &z.kopf, &z.referenz, &z.position), 0);
    std::string kaputt = zeile;
    kaputt[20] = kaputt[20] == 'R' ? 'l' : 'R';
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(kaputt.c_str(), 16, &z.kopf, &z.referenz, &z.position), 0);
    std::string pricat = PricatZeile(Variation(0));
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(pricat.c_str(), 14, &z.kopf, &z.referenz, &z.position), 0);
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(pricat.c_str(), 16, &z.kopf, &z.referenz, &z.position), 0);
    const char* p = reinterpret_cast<const char*>(&z);
    for (size_t i = 0; i < sizeof(z); i++)
        ASSERT_EQ(p[i], 0) << i;
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), 16, nullptr, &z.referenz, &z.position), -1);
    EXPECT_EQ(EDIDESADV_PositionsSatzErstellen(nullptr, &z.kopf, &z.referenz, &z.position), -1);
    EXPECT_EQ(EDIDESADV_KopfSatzErstellen(nullptr, &z.kopf), -1);
}

TEST(DesadvDatei, KopfzeileUndSatzarten)
{
    std::string pfad = TempDatei("lieferung.des");
    Lieferung l = Position(0);
    Schreiben(pfad, DesadvKopfzeile() + KopfZeile(l.kopf) + PositionsZeile(l) +
                        PositionsZeile(Position(1)));
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].satzart, EDI_SATZART_KOPFZEILE);
    EXPECT_EQ(s[0].nachrichtenart, EDI_NACHRICHT_DESADV);
    EXPECT_EQ(s[0].text.substr(0, 7), "BTEDES;");
    EXPECT_NE(s[0].text.find(";DESADV;"), std::string::npos);
    EXPECT_EQ(s[1].satzart, EDI_SATZART_DESADV_KOPF);
    EXPECT_EQ(s[2].satzart, EDI_SATZART_DESADV_POSITION);
    EXPECT_EQ(s[3].satzart, EDI_SATZART_DESADV_POSITION);
    for (size_t i = 1; i < 4; i++)
        EXPECT_EQ(s[i].nachrichtenart, EDI_NACHRICHT_DESADV);
    std::remove(pfad.c_str());
}

TEST(DesadvDatei, NichtImportierteSaetzeHintereinanderWiederLesbar)
{
    /* As the not-imported file is made: the first record once, then the
     * positions that were not booked, each as the reader returned it. */
    std::string pfad = TempDatei("lieferung.des");
    std::string d = DesadvKopfzeile();
    for (int i = 0; i < 8; i++)
        d += PositionsZeile(Position(i));
    Schreiben(pfad, d);

    std::string rest;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    ASSERT_GT(h, 0);
    char satz[EDI_SATZ_GROESSE];
    int32_t sa = 0, na = 0, extra = 0, nummer = 0;
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, satz, sizeof(satz), &sa, &na, &extra, nullptr) == 1) {
        if (++nummer == 1 || nummer % 3 == 0)
            rest += satz;
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);

    std::string pfad2 = TempDatei("NOTIMPORTED.DES");
    Schreiben(pfad2, rest);
    std::vector<Gelesen> s = AllesLesen(pfad2);
    ASSERT_EQ(s.size(), 4u); /* header, records 3, 6 and 9: positions 1, 4, 7 */
    EXPECT_EQ(s[0].satzart, EDI_SATZART_KOPFZEILE);
    Lieferung z;
    ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(s[1].text.c_str(), s[1].nachrichtenart, &z.kopf, &z.referenz, &z.position), 1);
    EXPECT_TRUE(Gleich(z, Position(1)));
    ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(s[2].text.c_str(), s[2].nachrichtenart, &z.kopf, &z.referenz, &z.position), 1);
    EXPECT_TRUE(Gleich(z, Position(4)));
    ASSERT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(s[3].text.c_str(), s[3].nachrichtenart, &z.kopf, &z.referenz, &z.position), 1);
    EXPECT_TRUE(Gleich(z, Position(7)));
    std::remove(pfad.c_str());
    std::remove(pfad2.c_str());
}

} // namespace
