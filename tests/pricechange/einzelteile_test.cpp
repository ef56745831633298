/*
 * The change of one stock item against the loaded change records, and the
 * price-change list: what is taken over, what is left, what goes to the
 * list and to the labels.
 */
#include <gtest/gtest.h>

#include "pricechange/einzelteile.h"
#include "pricechange/pc_hilfen.h"
#include "hostapi/ktlisten.h"
#include "KTSTORAGE/ktstorage_host.h"

#include <cstring>

using namespace pc;

namespace {

AENDERUNG_OPTIONEN Alles()
{
    AENDERUNG_OPTIONEN o;
    std::memset(&o, 0, sizeof o);
    o.EtikettenDrucken = 1;
    o.PreisaenderungenDrucken = 1;
    o.EtikettenArt = -1;
    return o;
}

TEILEZUSATZ_SATZ Zusatz(const char* text1, const char* text2)
{
    TEILEZUSATZ_SATZ z;
    std::memset(&z, 0, sizeof z);
    std::memcpy(z.Text1, text1, std::strlen(text1) < 32 ? std::strlen(text1) : 32);
    std::memcpy(z.Text2, text2, std::strlen(text2) < 32 ? std::strlen(text2) : 32);
    return z;
}

struct Fall {
    EINZELTEIL_SATZ teil;
    TEILEZUSATZ_SATZ zusatz = Zusatz("", "");
    TEIL_ERGEBNIS e{};
    int rc = 0;
    void Abgleichen(const std::vector<EDIAENDERUNG_SATZ>& saetze, const AENDERUNG_OPTIONEN& o,
                    const std::vector<unsigned char>& hd, const int32_t* bezeichnung = nullptr)
    {
        rc = EinzelteilAbgleichen(&teil, &zusatz, bezeichnung, saetze.data(), (int32_t)saetze.size(), &o, hd.data(), &e);
    }
};

}  // namespace

TEST(Einzelteil, PreiseWerdenNachIhrenRegelnUebernommen)
{
    std::vector<unsigned char> hd = HostDaten({ 1 });
    EDIAENDERUNG_SATZ s = Aenderung(10, 1500, 1600, 3999, 4999);
    s.Preis3 = 1450;
    s.Preis6 = 3800;

    /* No EK1 changes: EK1 and the third price stay, the VK side applies. */
    AENDERUNG_OPTIONEN o = Alles();
    o.KeineEk1Aenderung = 1;
    Fall f{ Teil(10, 1, 1000, 1100, 2999, 3999) };
    f.teil.Preis3 = 990;
    f.Abgleichen({ s }, o, hd);
    ASSERT_EQ(1, f.rc);
    EXPECT_EQ(1000, f.teil.Ek1);
    EXPECT_EQ(990, f.teil.Preis3);
    EXPECT_EQ(1600, f.teil.Ek2);
    EXPECT_EQ(3999, f.teil.Vk1);
    EXPECT_EQ(4999, f.teil.Vk2);
    EXPECT_EQ(3800, f.teil.Preis6);
    EXPECT_EQ(1, f.e.VkGeaendert);

    /* Purchase prices of 0 never replace a price; sales prices and the
     * sixth price are taken whenever they differ, also when 0. */
    EDIAENDERUNG_SATZ null = Aenderung(10, 0, 0, 0, 0);
    Fall g{ Teil(10, 1, 1000, 1100, 2999, 3999) };
    g.teil.Preis3 = 990;
    g.teil.Preis6 = 2900;
    g.Abgleichen({ null }, Alles(), hd);
    EXPECT_EQ(1000, g.teil.Ek1);
    EXPECT_EQ(1100, g.teil.Ek2);
    EXPECT_EQ(990, g.teil.Preis3);
    EXPECT_EQ(0, g.teil.Vk1);
    EXPECT_EQ(0, g.teil.Vk2);
    EXPECT_EQ(0, g.teil.Preis6);

    /* Nothing differs: not changed, not written. */
    Fall h{ Teil(10, 1, 1500, 1600, 3999, 4999) };
    h.Abgleichen({ Aenderung(10, 1500, 1600, 3999, 4999) }, Alles(), hd);
    EXPECT_EQ(0, h.rc);
    EXPECT_EQ(1, h.e.Gefunden);
    EXPECT_EQ(0, h.e.Geaendert);
}

TEST(Einzelteil, NurBeiVkDruckenHaeltEk2AenderungAusListeUndEtiketten)
{
    std::vector<unsigned char> hd = HostDaten({ 1 });
    AENDERUNG_OPTIONEN o = Alles();
    o.DruckenNurBeiVk = 1;
    Fall f{ Teil(10, 1, 1000, 1100, 2999, 3999) };
    f.Abgleichen({ Aenderung(10, 0, 1250, 2999, 3999) }, o, hd);
    EXPECT_EQ(1, f.rc) << "the item is still written";
    EXPECT_EQ(1250, f.teil.Ek2);
    EXPECT_EQ(0, f.e.VkGeaendert);
    EXPECT_EQ(0, f.e.InListe);
    EXPECT_EQ(0, f.e.Etikett);

    Fall g{ Teil(10, 1, 1000, 1100, 2999, 3999) };
    g.Abgleichen({ Aenderung(10, 0, 1250, 3199, 3999) }, o, hd);
    EXPECT_EQ(1, g.e.InListe);
    EXPECT_EQ(1, g.e.Etikett);

    o.DruckenNurBeiVk = 0;
    Fall h{ Teil(10, 1, 1000, 1100, 2999, 3999) };
    h.Abgleichen({ Aenderung(10, 0, 1250, 2999, 3999) }, o, hd);
    EXPECT_EQ(1, h.e.InListe);
    EXPECT_EQ(1, h.e.Etikett);
}

TEST(Einzelteil, FilialeOhneEtikettenWirdGeaendertAberWederGelistetNochEtikettiert)
{
    std::vector<unsigned char> hd = HostDaten({ 1, 100 });
    hd[17115 + 2] = '0';
    EXPECT_EQ(1, FilialeMitEtiketten(hd.data(), 1));
    EXPECT_EQ(1, FilialeMitEtiketten(hd.data(), 100));
    EXPECT_EQ(0, FilialeMitEtiketten(hd.data(), 2));
    EXPECT_EQ(0, FilialeMitEtiketten(hd.data(), 0));
    EXPECT_EQ(0, FilialeMitEtiketten(hd.data(), 101));
    EXPECT_EQ(0, FilialeMitEtiketten(hd.data(), -1));

    Fall f{ Teil(10, 2, 1000, 0, 2999, 0) };
    f.Abgleichen({ Aenderung(10, 0, 0, 3499, 0) }, Alles(), hd);
    EXPECT_EQ(1, f.rc);
    EXPECT_EQ(3499, f.teil.Vk1);
    EXPECT_EQ(0, f.e.Etikett);

    HOSTHANDLE liste = 0;
    int32_t such = 0;
    EINZELTEIL_SATZ vorher = Teil(10, 2, 1000, 0, 2999, 0);
    EXPECT_EQ(0, PreisaenderungAufnehmen(&liste, &such, 5, &f.teil, &vorher, hd.data()));
    EXPECT_EQ(0, liste) << "no list is made for an item of a branch without labels";
}

TEST(Einzelteil, SuchschluesselUndSaison)
{
    int32_t bezeichnung[8] = { 11, 12, 13, 14, 15, 16, 17, 18 };
    EINZELTEIL_SATZ t = Teil(10, 1, 1000, 1100, 2999, 3999, 4, 70, 110);
    t.Preis3 = 900;
    t.Preis6 = 2800;
    TEILEZUSATZ_SATZ z = Zusatz("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "kurz");
    EDIAENDERUNG_SATZ k;
    EinzelteilSchluesselBilden(&k, &t, bezeichnung, &z);
    EXPECT_EQ(10, k.ArtikelNummer);
    for (int art = 1; art <= 6; art++)
        EXPECT_EQ(10 + art, k.Merkmal[art - 1]) << "kind " << art;
    EXPECT_EQ(70, k.Merkmal[6]) << "kind 7 is the item's size, not the description's";
    EXPECT_EQ(18, k.Merkmal[7]);
    EXPECT_EQ(0, k.Merkmal[8]);
    EXPECT_EQ(0, k.Merkmal[9]);
    EXPECT_EQ(110, k.Merkmal[10]);
    EXPECT_EQ(900, k.Preis3);
    EXPECT_EQ(2800, k.Preis6);
    EXPECT_EQ(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"), k.Text1) << "cut to 31 characters";
    EXPECT_EQ(std::string("kurz"), k.Text2);

    /* A change for colour 16 in season 111: found only without season. */
    std::vector<unsigned char> hd = HostDaten({ 1 });
    EDIAENDERUNG_SATZ s = Aenderung(10, 0, 0, 4999, 0);
    s.Merkmal[5] = 16;
    s.Merkmal[10] = 111;
    AENDERUNG_OPTIONEN o = Alles();
    o.MitSaison = 1;
    Fall mit{ t };
    mit.Abgleichen({ s }, o, hd, bezeichnung);
    EXPECT_EQ(0, mit.e.Gefunden);
    EXPECT_EQ(2999, mit.teil.Vk1);
    o.MitSaison = 0;
    Fall ohne{ t };
    ohne.Abgleichen({ s }, o, hd, bezeichnung);
    EXPECT_EQ(1, ohne.e.Gefunden);
    EXPECT_EQ(4999, ohne.teil.Vk1);

    /* Another colour does not match with or without season. */
    s.Merkmal[5] = 99;
    Fall fremd{ t };
    fremd.Abgleichen({ s }, o, hd, bezeichnung);
    EXPECT_EQ(0, fremd.e.Gefunden);
}

TEST(Einzelteil, EtikettenArtUndText2KommenAusDerAenderung)
{
    std::vector<unsigned char> hd = HostDaten({ 1 });
    EDIAENDERUNG_SATZ s = Aenderung(10, 1000, 0, 2999, 0);
    s.EtikettenArt = 4;   /* the found record's own kind is not the one taken */
    std::strcpy(s.Text2, "NEUE KENNUNG");
    AENDERUNG_OPTIONEN o = Alles();
    o.EtikettenArt = 3;
    Fall f{ Teil(10, 1, 1000, 0, 2999, 0) };
    f.zusatz = Zusatz("bleibt", "ALTE KENNUNG");
    f.Abgleichen({ s }, o, hd);
    EXPECT_EQ(1, f.rc) << "the label kind always counts as a change";
    EXPECT_EQ(3, f.teil.MwstSatz);
    EXPECT_EQ(std::string("NEUE KENNUNG"), f.zusatz.Text2);
    EXPECT_EQ(std::string("bleibt"), f.zusatz.Text1);
    EXPECT_EQ(0, f.e.VkGeaendert);

    /* Without a prepared label kind nothing but the text changes. */
    o.EtikettenArt = -1;
    Fall g{ Teil(10, 1, 1000, 0, 2999, 0) };
    g.zusatz = Zusatz("", "NEUE KENNUNG");
    g.Abgleichen({ s }, o, hd);
    EXPECT_EQ(0, g.rc);
    EXPECT_EQ(2, g.teil.MwstSatz);
    o.EtikettenArt = 6;
    g.Abgleichen({ s }, o, hd);
    EXPECT_EQ(0, g.rc) << "6 is no label kind";
}

TEST(Preisaenderungsliste, NeuesElementOderNachherPreiseDesVorhandenen)
{
    std::vector<unsigned char> hd = HostDaten({ 1 });
    int32_t bloecke = Storage_OutstandingBlocks();
    HOSTHANDLE liste = 0;
    int32_t such = 0;
    EINZELTEIL_SATZ vor = Teil(10, 1, 1000, 1100, 2999, 3999);
    EINZELTEIL_SATZ nach = Teil(10, 1, 1500, 1600, 3499, 4499);
    nach.Preis3 = 1400;
    ASSERT_EQ(1, PreisaenderungAufnehmen(&liste, &such, 5, &nach, &vor, hd.data()));
    ASSERT_NE(0, liste);
    EINZELTEIL_SATZ anderes = Teil(11, 1, 100, 0, 200, 0);
    EXPECT_EQ(1, PreisaenderungAufnehmen(&liste, &such, 6, &anderes, &anderes, hd.data()));

    /* Item 5 again, from a later change: only the after prices move. */
    EINZELTEIL_SATZ spaeter = Teil(99, 1, 1700, 1800, 3799, 4799);
    spaeter.Preis3 = 1650;
    spaeter.Preis6 = 3700;
    EXPECT_EQ(2, PreisaenderungAufnehmen(&liste, &such, 5, &spaeter, &nach, hd.data()));
    ASSERT_EQ(2, List_Count(liste));
    const PREISAENDERUNG_ELEMENT* e = (const PREISAENDERUNG_ELEMENT*)List_GetElement(liste, 0);
    EXPECT_EQ(5, e->TeilNummer);
    EXPECT_EQ(1700, e->Nachher.Ek1);
    EXPECT_EQ(1800, e->Nachher.Ek2);
    EXPECT_EQ(3799, e->Nachher.Vk1);
    EXPECT_EQ(4799, e->Nachher.Vk2);
    EXPECT_EQ(1650, e->Nachher.Preis3);
    EXPECT_EQ(3700, e->Nachher.Preis6);
    EXPECT_EQ(10, e->Nachher.ArtikelNummer) << "other fields of the after copy stay";
    EXPECT_EQ(1000, e->Vorher.Ek1) << "the before copy is the first one";
    EXPECT_EQ(2999, e->Vorher.Vk1);
    EXPECT_EQ(6, ((const PREISAENDERUNG_ELEMENT*)List_GetElement(liste, 1))->TeilNummer);

    PreisaenderungslisteFreigeben(&liste);
    EXPECT_EQ(0, liste);
    EXPECT_EQ(bloecke, Storage_OutstandingBlocks()) << "the elements are given back";
}
