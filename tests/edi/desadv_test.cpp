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
    EDI_SETZEN(l.kopf, Lieferscheinnummer, "LS-2024-\xC4" "0815");
    EDI_SETZEN(l.kopf, Lieferdatum, "20240917");
    EDI_SETZEN(l.kopf, LieferantenIln, "4012345000009");
    EDI_SETZEN(l.kopf, LieferortIln, "4000000000018");
    EDI_SETZEN(l.referenz, Bestellnummer, "B" + std::to_string(7000 + nummer / 3));
    EDI_SETZEN(l.position, Positionsnummer, std::to_string(nummer + 1));
    EDI_SETZEN(l.position, Artikelbeschreibung, "Strickjacke Gr\xF6\xDF" "e " + std::to_string(38 + nummer));
    EDI_SETZEN(l.position, EmpfaengerIln, "4000000000018");
    EDI_SETZEN(l.position, Gtin, std::to_string(4001000000000LL + nummer));
    EDI_SETZEN(l.position, Lieferantenartikelnummer, "10000-" + std::to_string(nummer));
    EDI_SETZEN(l.position, Menge, std::to_string(nummer * 2 + 1));
    return l;
}

std::string Zeile(const Lieferung& l, bool nurKopf = false)
{
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = nurKopf ? EDIDESADV_KopfSatzErstellen(aus, &l.kopf)
                        : EDIDESADV_PositionsSatzErstellen(aus, &l.kopf, &l.referenz, &l.position);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

std::string DesadvKopfzeile()
{
    EDI_KOPFSATZ k;
    std::memset(&k, 0, sizeof(k));
    EDI_SETZEN(k, AbsenderIln, "4012345000009");
    char aus[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_BTEDES_SatzErstellen(aus, &k);
    return n > 0 ? std::string(aus, static_cast<size_t>(n)) : std::string();
}

int32_t Zerlegen(const std::string& text, int32_t nachrichtenart, Lieferung* z)
{
    std::memset(z, 0x44, sizeof(*z));
    return EDIDESADV_VerarbeiteDESADV_Satz(text.c_str(), nachrichtenart, &z->kopf, &z->referenz,
                                           &z->position);
}

bool Gleich(const Lieferung& a, const Lieferung& b) { return std::memcmp(&a, &b, sizeof(a)) == 0; }

TEST(DesadvSatz, PositionKommtZurueckMitDenFeldernDerBuchung)
{
    Lieferung z;
    ASSERT_EQ(Zerlegen(Zeile(Position(4)), EDI_NACHRICHT_DESADV, &z), 1);
    EXPECT_TRUE(Gleich(z, Position(4)));
    /* the four fields the goods receipt reads, by offset */
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
        std::string zeile = Zeile(l);
        ASSERT_LT(zeile.size(), size_t(EDI_SATZ_GROESSE));
        Lieferung z;
        ASSERT_EQ(Zerlegen(zeile, EDI_NACHRICHT_DESADV, &z), 1);
        ASSERT_TRUE(Gleich(l, z)) << runde;
        /* a head line carries the head alone */
        ASSERT_EQ(Zerlegen(Zeile(l, true), EDI_NACHRICHT_DESADV, &z), 1);
        Lieferung nurKopf;
        std::memset(&nurKopf, 0, sizeof(nurKopf));
        nurKopf.kopf = l.kopf;
        ASSERT_TRUE(Gleich(nurKopf, z)) << runde;
    }
}

TEST(DesadvSatz, FremdeUndBeschaedigteSaetzeGebenNullUndLeereAusgaben)
{
    std::string zeile = Zeile(Position(1));
    std::string kaputt = zeile;
    kaputt[20] = kaputt[20] == 'R' ? 'l' : 'R';
    std::string pricat = PricatZeile(Variation(0));
    Lieferung z, leer;
    std::memset(&leer, 0, sizeof(leer));
    EXPECT_EQ(Zerlegen(zeile, EDI_NACHRICHT_PRICAT, &z), 0);
    EXPECT_TRUE(Gleich(z, leer));
    EXPECT_EQ(Zerlegen(kaputt, EDI_NACHRICHT_DESADV, &z), 0);
    EXPECT_TRUE(Gleich(z, leer));
    EXPECT_EQ(Zerlegen(pricat, EDI_NACHRICHT_DESADV, &z), 0);
    EXPECT_EQ(Zerlegen(pricat, EDI_NACHRICHT_PRICAT, &z), 0);
    EXPECT_TRUE(Gleich(z, leer));
    EXPECT_EQ(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), 16, nullptr, &z.referenz, &z.position), -1);
    EXPECT_EQ(EDIDESADV_PositionsSatzErstellen(nullptr, &z.kopf, &z.referenz, &z.position), -1);
    EXPECT_EQ(EDIDESADV_KopfSatzErstellen(nullptr, &z.kopf), -1);
}

TEST(DesadvDatei, SatzartenUndNichtImportierteSaetzeHintereinander)
{
    std::string pfad = TempDatei("lieferung.des");
    std::string d = DesadvKopfzeile() + Zeile(Position(0), true);
    for (int i = 0; i < 8; i++)
        d += Zeile(Position(i));
    Schreiben(pfad, d);
    std::vector<Gelesen> s = AllesLesen(pfad);
    ASSERT_EQ(s.size(), 10u);
    EXPECT_EQ(s[0].satzart, EDI_SATZART_KOPFZEILE);
    EXPECT_EQ(s[0].text.substr(0, 7), "BTEDES;");
    EXPECT_NE(s[0].text.find(";DESADV;"), std::string::npos);
    EXPECT_EQ(s[1].satzart, EDI_SATZART_DESADV_KOPF);
    for (size_t i = 0; i < s.size(); i++) {
        EXPECT_EQ(s[i].nachrichtenart, EDI_NACHRICHT_DESADV);
        if (i >= 2) {
            EXPECT_EQ(s[i].satzart, EDI_SATZART_DESADV_POSITION);
        }
    }

    /* as the not-imported file is made: the first record once, then the
     * refused positions, each as the reader handed it out */
    std::string rest = s[0].text + s[4].text + s[9].text;
    std::string pfad2 = TempDatei("NOTIMPORTED.DES");
    Schreiben(pfad2, rest);
    std::vector<Gelesen> r = AllesLesen(pfad2);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].satzart, EDI_SATZART_KOPFZEILE);
    Lieferung z;
    ASSERT_EQ(Zerlegen(r[1].text, r[1].nachrichtenart, &z), 1);
    EXPECT_TRUE(Gleich(z, Position(2)));
    ASSERT_EQ(Zerlegen(r[2].text, r[2].nachrichtenart, &z), 1);
    EXPECT_TRUE(Gleich(z, Position(7)));
    std::remove(pfad.c_str());
    std::remove(pfad2.c_str());
}

} // namespace
