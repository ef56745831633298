/*
 * layout_test.cpp - the host records seen as bytes.
 *
 * The headers check sizes and offsets at compile time; these tests write
 * through the named fields and read the bytes back at the offsets other
 * programs of the host use, so a field of the wrong width or signedness
 * shows up too. Including every header here also proves they compile
 * together and on their own.
 */
#include "hostapi/dbadll.h"
#include "hostapi/hostcallbacks.h"
#include "hostapi/oxglobdlg.h"
#include "hostapi/oxlanguage.h"
#include "hostapi/oxlistvw.h"
#include "hostapi/oxmwst.h"
#include "hostapi/oxtabctl.h"
#include "hostapi/oxtabelle.h"
#include "hostapi/report.h"
#include "hostapi/viewdll.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

template <typename T>
int32_t I32(const T& satz, size_t offset)
{
    int32_t wert;
    std::memcpy(&wert, reinterpret_cast<const unsigned char*>(&satz) + offset, 4);
    return wert;
}

template <typename T>
int16_t I16(const T& satz, size_t offset)
{
    int16_t wert;
    std::memcpy(&wert, reinterpret_cast<const unsigned char*>(&satz) + offset, 2);
    return wert;
}

template <typename T>
const char* Txt(const T& satz, size_t offset)
{
    return reinterpret_cast<const char*>(&satz) + offset;
}

TEST(HostRecords, CharacteristicRecordCodeAndText)
{
    MERKMAL_SATZ m{};
    std::strcpy(m.Code, "AB12");
    std::strcpy(m.Text, "Dunkelblau");
    EXPECT_STREQ(Txt(m, 8), "AB12");
    EXPECT_STREQ(Txt(m, 13), "Dunkelblau");
    EXPECT_EQ(sizeof m, 54u);
}

TEST(HostRecords, EdimapRecordAsTheLearningWritesIt)
{
    EDIMAP_SATZ e{};
    std::strcpy(e.Schluesselwort, "ROT");
    e.Art = 6;
    std::strcpy(e.Merkmal.Code, "R01");
    std::strcpy(e.Merkmal.Text, "Rot");
    e.Nummer = 4711;
    e.Standard = 1;
    EXPECT_STREQ(Txt(e, 0), "ROT");
    EXPECT_EQ(I32(e, 36), 6);
    EXPECT_STREQ(Txt(e, 40 + 8), "R01");
    EXPECT_STREQ(Txt(e, 40 + 13), "Rot");
    EXPECT_EQ(I32(e, 94), 4711);
    EXPECT_EQ(I32(e, 98), 1);
}

TEST(HostRecords, ArticleRecordFixedFields)
{
    ARTIKEL_SATZ a{};
    a.Ek1 = 1000; a.Vk1 = 2000; a.Ek2 = 1100; a.Vk2 = 2100;
    a.Filiale = 3;
    a.Kennzeichen = 'A';
    a.Standard = 1;
    std::strcpy(a.Codes[ArtikelCodeIndex(1)], "HG1");
    std::strcpy(a.Codes[ArtikelCodeIndex(7)], "38");
    std::strcpy(a.Codes[ArtikelCodeIndex(8)], "123");
    std::strcpy(a.Codes[ArtikelCodeIndex(11)], "S24");
    std::strcpy(a.Zusatztext, "Zusatz");
    a.EanKennzeichen = 1; a.EdiAngelegt = 1; a.MwstSatz = -2;
    EXPECT_EQ(I32(a, 12), 1000);
    EXPECT_EQ(I32(a, 16), 2000);
    EXPECT_EQ(I32(a, 20), 1100);
    EXPECT_EQ(I32(a, 24), 2100);
    EXPECT_EQ(I32(a, 36), 3);
    EXPECT_EQ(Txt(a, 48)[0], 'A');
    EXPECT_EQ(I16(a, 50), 1);
    EXPECT_STREQ(Txt(a, 52), "HG1");
    EXPECT_STREQ(Txt(a, 52 + 5 * 6), "38");
    EXPECT_STREQ(Txt(a, 87), "123");
    EXPECT_STREQ(Txt(a, 92), "S24");
    EXPECT_STREQ(Txt(a, 110), "Zusatz");
    EXPECT_EQ(I16(a, 142), 1);
    EXPECT_EQ(I16(a, 144), 1);
    EXPECT_EQ(I16(a, 146), -2);
    EXPECT_EQ(ArtikelCodeIndex(9), -1);
    EXPECT_EQ(ArtikelCodeIndex(10), -1);
}

TEST(HostRecords, SupplierRecordIlnSlots)
{
    auto l = std::make_unique<LIEFERANTEN_SATZ>();
    std::memset(l.get(), 0, sizeof *l);
    for (int i = 0; i < DBA_ILN_SLOTS; ++i)
        std::snprintf(l->Iln[i], sizeof l->Iln[i], "40000000000%02d", i);
    l->EanPruefung = 7;
    EXPECT_EQ(I16(*l, 1750), 7);
    for (int i = 0; i < DBA_ILN_SLOTS; ++i) {
        const char* slot = Txt(*l, 1752 + 14 * i);
        EXPECT_EQ(std::strlen(slot), 13u);
        EXPECT_EQ(slot[12], '0' + i % 10);
    }
}

TEST(HostRecords, EanArticleEntry)
{
    auto e = std::make_unique<EANARTIKEL_SATZ>();
    std::memset(e.get(), 0, sizeof *e);
    e->ArtikelNummer = 815;
    for (int k = 1; k <= 8; ++k)
        std::snprintf(e->Merkmal[k], sizeof e->Merkmal[k], "K%d", k);
    std::strcpy(e->FarbText, "marine");
    std::strcpy(e->Ean, "4006381333931");
    std::strcpy(e->Text, "Hose");
    EXPECT_EQ(I32(*e, 4), 815);
    for (int k = 1; k <= 8; ++k) {
        char erwartet[8];
        std::snprintf(erwartet, sizeof erwartet, "K%d", k);
        EXPECT_STREQ(Txt(*e, 8 + 5 * k), erwartet);
    }
    EXPECT_STREQ(Txt(*e, 63), "marine");
    EXPECT_STREQ(Txt(*e, 96), "4006381333931");
    EXPECT_STREQ(Txt(*e, 110), "Hose");
}

TEST(HostRecords, ChangeRecordPricesAndLabelKind)
{
    EDIAENDERUNG_SATZ c{};
    c.ArtikelNummer = 9;
    for (int k = 1; k <= 11; ++k) c.Merkmal[k - 1] = 100 + k;
    c.Ek1 = 1; c.Ek2 = 2; c.Preis3 = 3; c.Vk1 = 4; c.Vk2 = 5; c.Preis6 = 6; c.Preis7 = 7;
    std::strcpy(c.Text1, "eins");
    std::strcpy(c.Text2, "zwei");
    c.EtikettenArt = -1;
    EXPECT_EQ(I32(c, 0), 9);
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(I32(c, 8 + 4 * (k - 1)), 100 + k);
    const int preise[] = {85, 89, 93, 97, 101, 105, 109};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(I32(c, preise[i]), i + 1);
    EXPECT_STREQ(Txt(c, 52), "eins");
    EXPECT_STREQ(Txt(c, 113), "zwei");
    EXPECT_EQ(static_cast<uint16_t>(I16(c, 146)), 0xFFFF);
}

TEST(HostRecords, StockItemAndExtra)
{
    EINZELTEIL_SATZ t{};
    t.ArtikelNummer = 1; t.BezeichnungNummer = 2; t.Groesse = 3; t.Saison = 4; t.Filiale = 5;
    t.Filiale2 = 5; t.Ek1 = 6; t.Vk1 = 7; t.Ek2 = 8; t.Vk2 = 9; t.Preis3 = 10; t.Preis6 = 11;
    t.EtikettWert = 12; t.MwstSatz = 2; t.EtikettWert2 = -3;
    t.Flags = EINZELTEIL_VORHANDEN | EINZELTEIL_VERKAUFT;
    const int offs[] = {8, 20, 36, 44, 48, 56, 60, 64, 76, 80, 88, 92, 104};
    const int werte[] = {1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(I32(t, offs[i]), werte[i]) << "offset " << offs[i];
    EXPECT_EQ(I16(t, 126), 2);
    EXPECT_EQ(I16(t, 128), -3);
    EXPECT_EQ(I16(t, 140), 3);

    TEILEZUSATZ_SATZ z{};
    std::strcpy(z.Text1, "a");
    std::strcpy(z.Text2, "b");
    EXPECT_STREQ(Txt(z, 0), "a");
    EXPECT_STREQ(Txt(z, 32), "b");
}

TEST(HostRecords, OrderHeadAndPosition)
{
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    std::memset(kopf.get(), 0, sizeof *kopf);
    kopf->MengenSumme = 10; kopf->WertSumme = 20; kopf->LieferantNummer = 30;
    kopf->Status = 3; kopf->AnzahlPositionen = 4;
    EXPECT_EQ(I32(*kopf, 72), 10);
    EXPECT_EQ(I32(*kopf, 76), 20);
    EXPECT_EQ(I32(*kopf, 80), 30);
    EXPECT_EQ(I16(*kopf, 962), 3);
    EXPECT_EQ(I32(*kopf, 1046), 4);

    auto pos = std::make_unique<AUFTRAG_POSITION>();
    std::memset(pos.get(), 0, sizeof *pos);
    pos->TabellenMenge = 5; pos->Wert = 6; pos->LieferantNummer = 7;
    pos->Ek1 = 8; pos->Vk1 = 9; pos->Ek2 = 10; pos->Vk2 = 11; pos->Ek1Umgerechnet = 12; pos->Vk1Umgerechnet = 13;
    pos->Menge = 14;
    std::strcpy(pos->Langtext, "4711");
    std::strcpy(pos->Kurztext, "12");
    std::strcpy(pos->Zusatztext, "zusatz");
    pos->Kennzeichen = 'B';
    pos->Tabelle.MerkmalSenkrecht = 7;
    pos->Flags = 2;
    const int offs[] = {6, 10, 232, 252, 256, 260, 264, 268, 272, 342};
    const int werte[] = {5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(I32(*pos, offs[i]), werte[i]) << "offset " << offs[i];
    EXPECT_STREQ(Txt(*pos, 78), "4711");
    EXPECT_STREQ(Txt(*pos, 179), "12");
    EXPECT_STREQ(Txt(*pos, 346), "zusatz");
    EXPECT_EQ(Txt(*pos, 498)[0], 'B');
    EXPECT_EQ(I32(*pos, 506 + 6), 7);
    EXPECT_EQ(I16(*pos, 506 + 206402), 2);
}

TEST(HostRecords, SizeTableFixedFields)
{
    auto t = std::make_unique<OXTABELLE>();
    std::memset(t.get(), 0, sizeof *t);
    t->Kopf = TAB_KOPF_LEER;
    t->MerkmalSenkrecht = 7;
    t->MerkmalWaagrecht = 6;
    t->Senkrecht[0] = 11;
    t->Senkrecht[TAB_MAX_SENKRECHT - 1] = 12;
    t->Waagrecht[0] = 21;
    t->Waagrecht[TAB_MAX_WAAGRECHT - 1] = 22;
    t->Geaendert = 1;
    t->FillerSperre = -5;
    std::strcpy(t->FarbText[TAB_MAX_WAAGRECHT - 1], "letzte Farbe");
    EXPECT_EQ(I16(*t, 0), 0x0FFF);
    EXPECT_EQ(I32(*t, 6), 7);
    EXPECT_EQ(I32(*t, 10), 6);
    EXPECT_EQ(I32(*t, 14), 11);
    EXPECT_EQ(I32(*t, 14 + 4 * 119), 12);
    EXPECT_EQ(I32(*t, 6734), 21);
    EXPECT_EQ(I32(*t, 6734 + 4 * 199), 22);
    EXPECT_EQ(I32(*t, 199786), 1);
    EXPECT_EQ(I16(*t, 199794), -5);
    EXPECT_STREQ(Txt(*t, sizeof(OXTABELLE) - 2 - TAB_FARBTEXT), "letzte Farbe");
}

TEST(HostRecords, PriceBlockOrderAndCorrectionRecord)
{
    TAB_PREISE p{1, 2, 3, 4, 5, 6};
    const int32_t* w = reinterpret_cast<const int32_t*>(&p);
    EXPECT_EQ(w[0], p.Ek1);
    EXPECT_EQ(w[1], p.Ek2);
    EXPECT_EQ(w[2], p.Ek1Umgerechnet);
    EXPECT_EQ(w[3], p.Vk1);
    EXPECT_EQ(w[4], p.Vk2);
    EXPECT_EQ(w[5], p.Vk1Umgerechnet);

    ARTIKEL_KORREKTUR k{};
    for (int art = 1; art <= 11; ++art)
        std::snprintf(k.Codes[art - 1], sizeof k.Codes[art - 1], "C%d", art);
    std::strcpy(k.Zusatztext, "zt");
    k.Kennzeichen = 'a';
    k.Standard = 1;
    k.EanZugeordnet = 1;
    for (int art = 1; art <= 11; ++art) {
        char erwartet[8];
        std::snprintf(erwartet, sizeof erwartet, "C%d", art);
        EXPECT_STREQ(Txt(k, 29 + 5 * art), erwartet);
    }
    EXPECT_STREQ(Txt(k, 185), "zt");
    EXPECT_EQ(Txt(k, 273)[0], 'a');
    EXPECT_EQ(I16(k, 279), 1);
    EXPECT_EQ(I16(k, 283), 1);
}

TEST(HostRecords, LabelRequest)
{
    ETIKETT_ANFORDERUNG e{};
    e.TeilNummer = 1; e.Ek1 = 2; e.Filiale = 3; e.Filiale2 = 3; e.Wert = 4; e.Wert2 = -1;
    EXPECT_EQ(I32(e, 4), 1);
    EXPECT_EQ(I32(e, 8), 2);
    EXPECT_EQ(I32(e, 12), 3);
    EXPECT_EQ(I32(e, 16), 3);
    EXPECT_EQ(I32(e, 24), 4);
    EXPECT_EQ(I32(e, 28), -1);
}

} // namespace
