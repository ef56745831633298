/*
 * gen_demo.cpp - a whole demo host data folder: INI with the own GLN,
 * characteristics of every kind, suppliers with their ILNs, articles with
 * size/colour tables and EANs, stock items, open orders, and beside it the
 * EDI import folder with catalogue file sets and a DESADV file.
 */
#include "oxgen.h"
#include "gen_intern.h"
#include "DBADLL/dbadll_host.h"
#include "OXINIFILE/oxinifile_host.h"
#include "OXTABELLE/oxtabelle_host.h"
#include "hostapi/oxtexdefs.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

void Kopieren(char* ziel, size_t groesse, const char* quelle)
{
    size_t n = strnlen(quelle, groesse - 1);
    memcpy(ziel, quelle, n);
    memset(ziel + n, 0, groesse - n);
}

/* Characteristic numbers of the model's table entries, per kind. */
struct Merkmale {
    std::map<int32_t, std::vector<int32_t>> nummer;
    int32_t Von(int32_t art, int32_t i) const
    {
        auto it = nummer.find(art);
        return it != nummer.end() && i >= 0 && i < static_cast<int32_t>(it->second.size()) ? it->second[i] : 0;
    }
};

/* The characteristic (art, code): the stored one, or a new one. */
int32_t MerkmalSicherstellen(int32_t art, const char* code, const char* text, int32_t* neu)
{
    int32_t n = MMLIB_SucheCode(art, code, nullptr);
    if (n > 0)
        return n;
    MERKMAL_SATZ m;
    memset(&m, 0, sizeof m);
    Kopieren(m.Code, sizeof m.Code, code);
    Kopieren(m.Text, sizeof m.Text, text);
    n = MMLIB_MerkmalAnlegen(art, &m);
    if (n > 0)
        ++*neu;
    return n;
}

int32_t Datum(int tag, int monat, int jahr)
{
    TEXDEFS_DATUM d = { tag, monat, jahr };
    return TEXDEFS_DatumToInteger(&d);
}

/* A file name part from a text: letters and digits in upper case, umlauts
 * spelt out, everything else "_". */
std::string Namensteil(const char* text)
{
    std::string s;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; p++) {
        unsigned char c = *p;
        if (c >= 'a' && c <= 'z')
            s += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            s += static_cast<char>(c);
        else if (c == 0xE4 || c == 0xC4)
            s += "AE";
        else if (c == 0xF6 || c == 0xD6)
            s += "OE";
        else if (c == 0xFC || c == 0xDC)
            s += "UE";
        else if (c == 0xDF)
            s += "SS";
        else if (s.empty() || s.back() != '_')
            s += '_';
    }
    while (!s.empty() && s.back() == '_')
        s.pop_back();
    return s;
}

/* The article's table: sizes down (kind 7), colours across (kind 6) with
 * the supplier's colour texts, the prices on every row, and `stueck(v)`
 * pieces in the cell of variation v. */
template <typename F>
void TabelleBilden(const GEN_ARTIKEL& a, const Merkmale& mm, OXTABELLE* t, F stueck)
{
    TAB_ClearTabelle(t, 0);
    t->Kopf = TAB_KOPF_LEER;
    t->ArtikelNummer = a.HostNummer;
    t->MerkmalSenkrecht = 7;
    t->MerkmalWaagrecht = 6;
    TAB_PREISE preise = { a.Ek, a.Ek, a.Ek, a.Vk, a.Preis3 > 0 ? a.Preis3 : a.Vk, a.Vk };
    std::vector<int32_t> zeilen, spalten;   /* size index / colour index -> axis position */
    for (int32_t v = 0; v < a.AnzahlVarianten; v++) {
        const GEN_VARIANTE& var = a.Variante[v];
        auto z = std::find(zeilen.begin(), zeilen.end(), var.Groesse);
        if (z == zeilen.end() && zeilen.size() < TAB_MAX_SENKRECHT) {
            int32_t i = static_cast<int32_t>(zeilen.size());
            zeilen.push_back(var.Groesse);
            TAB_SetMerkmalCR(t, 1, i, mm.Von(7, GenGroesse(a.Groessenlauf, var.Groesse)));
            TAB_SetPreiseToRow(t, i, &preise);
            z = zeilen.end() - 1;
        }
        auto s = std::find(spalten.begin(), spalten.end(), var.Farbe);
        if (s == spalten.end() && spalten.size() < TAB_MAX_WAAGRECHT) {
            int32_t i = static_cast<int32_t>(spalten.size());
            spalten.push_back(var.Farbe);
            TAB_SetMerkmalCR(t, 0, i, mm.Von(6, var.Farbe));
            char farbe[80];
            GenLieferantenfarbe(&a, v, farbe, sizeof farbe);
            TAB_SetWaagrechtFarbText(t, i, farbe);
            s = spalten.end() - 1;
        }
        if (z != zeilen.end() && s != spalten.end())
            TAB_SetStueckzahl(t, static_cast<int32_t>(z - zeilen.begin()), static_cast<int32_t>(s - spalten.begin()),
                              stueck(v));
    }
}

struct EanListe {
    std::vector<EANARTIKEL_SATZ> eintraege;
    size_t naechster = 0;
};

const EANARTIKEL_SATZ* OXCALL NaechsterEan(void* liste)
{
    EanListe* l = static_cast<EanListe*>(liste);
    return l->naechster < l->eintraege.size() ? &l->eintraege[l->naechster++] : nullptr;
}

} // namespace

/* Each supplier of the first season has been imported before: the
 * keywords its catalogue shares with the store's characteristics
 * (Hauptgruppe, Warengruppe, Serie, Label, Material, Saison of the first
 * catalogue article) are learnt for its ILN, so the import page shows them
 * green and the colours and sizes still to be assigned red; the first
 * branch is made the standard one. */
static int GemeinsameBegriffeLernen(const GEN_LIEFERANT& l, const GEN_KATALOG& k)
{
    GEN_ARTIKEL a;
    GenArtikel(k.Saat, &l, k.ErsterArtikel, k.Varianten, k.AuslaufProzent, &a);
    if (a.AnzahlVarianten < 1)
        return 1;
    PRICAT_DATEN p;
    GenPricatDaten(&l, &a, 0, k.MitNummern, &p);
    const struct {
        int32_t art;
        const char* text;
    } begriffe[] = { { 1, p.Hauptgruppe }, { 2, p.Warengruppe }, { 3, p.Serie },
                     { 4, p.Label },       { 5, p.Material },    { 11, p.Saison } };
    if (EDIMapDBA_MakeEDIMAPMem(l.Iln) < 0)
        return 0;
    for (const auto& b : begriffe) {
        EDIMAP_SATZ satz;
        memset(&satz, 0, sizeof satz);
        int32_t nummer = MMLIB_SucheText(b.art, b.text, &satz.Merkmal);
        if (nummer <= 0)
            continue;
        snprintf(satz.Schluesselwort, sizeof satz.Schluesselwort, "%s", b.text);
        satz.Art = b.art;
        satz.Nummer = nummer;
        EDIMapDBA_EDIMAPEintragenMem(&satz, l.Iln, b.art);
    }
    int32_t geschrieben = EDIMapDBA_WriteEDIMAPMem(l.Iln);
    EDIMapDBA_FreeEDIMAPMem();
    /* Catalogues name no branch: the first branch is the standard one. */
    MERKMAL_SATZ filiale;
    if (MMLIB_LeseMerkmal(9, 1, &filiale) == 1 && INI_PutLong("STANDARD_MERKMALE", "MERKMALKEY09", 1) != 1)
        return 0;
    return geschrieben >= 0 ? 1 : 0;
}

int GenDemoAnlegen(const GEN_DEMO* d, GEN_DEMO_ERGEBNIS* e)
{
    *e = GEN_DEMO_ERGEBNIS();
    if (d == nullptr || d->DatenOrdner.empty())
        return 0;
    std::string ordner = d->DatenOrdner;
    if (ordner.back() != '\\' && ordner.back() != '/')
        ordner += '\\';
    if (!GenOrdnerAnlegen(ordner) || DBA_SetDatenPfad(ordner.c_str()) != 1)
        return 0;
    INI_SetIniFilename((ordner + "ORDANEX.INI").c_str());
    e->EigeneIln = d->EigeneIln.empty() ? GenEigeneIln(d->Saat) : d->EigeneIln;
    if (INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 1) != 1 ||
        INI_PutString("EIGNER", "GLNNUMMER01", e->EigeneIln.c_str()) != 1 ||
        INI_PutInteger("EIGNER", "ILNUMMERAKTUELL", 1) != 1 ||
        INI_PutString("EIGNER", "ILNNUMMER01", e->EigeneIln.c_str()) != 1)
        return 0;

    /* Characteristics of every kind of the model. */
    Merkmale mm;
    for (int32_t art : { 1, 2, 3, 4, 5, 6, 7, 9, 11 }) {
        std::vector<int32_t>& nummern = mm.nummer[art];
        for (int32_t i = 0; i < GenAnzahl(art); i++) {
            GEN_EINTRAG eintrag = GenEintrag(art, i);
            nummern.push_back(MerkmalSicherstellen(art, eintrag.Code, eintrag.Text, &e->Merkmale));
        }
    }

    /* Suppliers: master record and characteristic of kind 8 under the
     * same number. */
    int32_t lieferanten = std::clamp(d->Lieferanten, 0, 255);
    std::vector<GEN_LIEFERANT> liste(static_cast<size_t>(lieferanten));
    for (int32_t s = 0; s < lieferanten; s++) {
        GEN_LIEFERANT& l = liste[static_cast<size_t>(s)];
        GenLieferant(d->Saat, s + 1, &l);
        auto satz = std::make_unique<LIEFERANTEN_SATZ>();
        GenLieferantenSatz(&l, satz.get());
        MERKMAL_SATZ m;
        memset(&m, 0, sizeof m);
        m.Nummer = l.Nummer;
        m.Art = 8;
        Kopieren(m.Code, sizeof m.Code, l.Kuerzel);
        Kopieren(m.Text, sizeof m.Text, l.KurzName);
        if (LieferantenDBA_SchreibeRecord(l.Nummer, satz.get()) != 1 || MMLIB_SchreibeMerkmal(8, &m) != 1)
            return 0;
        e->Lieferanten++;
        e->Merkmale++;
    }

    /* Articles with characteristic of kind 0, table, EAN file and EAN
     * index entries. */
    int32_t filiale = mm.Von(9, 0);
    int32_t anlage = Datum(2, 6, 2025);
    int32_t jeLieferant = std::clamp(d->ArtikelJeLieferant, 0, 999);
    auto tabelle = std::make_unique<OXTABELLE>();
    auto a = std::make_unique<GEN_ARTIKEL>();
    std::vector<ARTIKEL_SATZ> artikel;
    std::vector<EANDATA_ZUORDNUNG> zuordnungen;
    for (const GEN_LIEFERANT& l : liste) {
        for (int32_t index = 0; index < jeLieferant; index++) {
            GenArtikel(d->Saat, &l, index, d->Varianten, 5, a.get());
            ARTIKEL_SATZ s;
            memset(&s, 0, sizeof s);
            s.ArtikelNummer = a->HostNummer;
            s.LieferantNummer = l.Nummer;
            s.Ek1 = s.Ek2 = s.Ek1Umgerechnet = a->Ek;
            s.Vk1 = s.Vk1Umgerechnet = a->Vk;
            s.Vk2 = a->Preis3 > 0 ? a->Preis3 : a->Vk;
            s.Filiale = filiale;
            s.SerienKennzeichen = 1;
            s.Pflegekennzeichen = 1;
            s.AnlageDatum = anlage;
            s.Kennzeichen = a->Auslauf ? 'A' : '\0';
            const int32_t indexJeArt[] = { a->Hauptgruppe, a->Warengruppe, a->Serie, a->Label, a->Material,
                                           a->Variante[0].Farbe,
                                           GenGroesse(a->Groessenlauf, a->Variante[0].Groesse) };
            for (int32_t art = 1; art <= 7; art++)
                Kopieren(s.Codes[ArtikelCodeIndex(art)], OX_TXT_CODE, GenEintrag(art, indexJeArt[art - 1]).Code);
            Kopieren(s.Codes[ArtikelCodeIndex(8)], OX_TXT_CODE, l.Kuerzel);
            Kopieren(s.Codes[ArtikelCodeIndex(11)], OX_TXT_CODE, GenEintrag(11, a->Saison).Code);
            Kopieren(s.Zusatztext, sizeof s.Zusatztext, a->Zusatztext);
            s.EanKennzeichen = 1;
            s.MwstSatz = static_cast<int16_t>(a->MwstSatz);
            Kopieren(s.Text, sizeof s.Text, a->Name);
            artikel.push_back(s);

            MERKMAL_SATZ m;
            memset(&m, 0, sizeof m);
            m.Nummer = a->HostNummer;
            Kopieren(m.Code, sizeof m.Code, l.Kuerzel);
            Kopieren(m.Text, sizeof m.Text, a->Nummer);
            if (MMLIB_SchreibeMerkmal(0, &m) != 1)
                return 0;

            /* in stock: 0 to 3 pieces per variation */
            GEN_ZUFALL z;
            GenZufallStart(&z, GenSaat(d->Saat, static_cast<uint64_t>(a->HostNummer), 0x544142));
            TabelleBilden(*a, mm, tabelle.get(), [&](int32_t) { return static_cast<int32_t>(GenZufallBis(&z, 4)); });
            if (TAB_SchreibeTabelle(TAB_BESITZER_ARTIKEL, a->HostNummer, tabelle.get()) != 1)
                return 0;

            EanListe eans;
            for (int32_t v = 0; v < a->AnzahlVarianten; v++) {
                const GEN_VARIANTE& var = a->Variante[v];
                EANARTIKEL_SATZ ea;
                memset(&ea, 0, sizeof ea);
                ea.ArtikelNummer = a->HostNummer;
                for (int32_t art = 1; art <= 8; art++)
                    memcpy(ea.Merkmal[art], s.Codes[ArtikelCodeIndex(art)], OX_TXT_CODE);
                Kopieren(ea.Merkmal[6], OX_TXT_CODE, GenEintrag(6, var.Farbe).Code);
                Kopieren(ea.Merkmal[7], OX_TXT_CODE, GenEintrag(7, GenGroesse(a->Groessenlauf, var.Groesse)).Code);
                GenLieferantenfarbe(a.get(), v, ea.FarbText, sizeof ea.FarbText);
                Kopieren(ea.Ean, sizeof ea.Ean, var.Ean);
                Kopieren(ea.Text, sizeof ea.Text, a->Nummer);
                eans.eintraege.push_back(ea);
                EANDATA_ZUORDNUNG zu;
                memcpy(zu.Ean, var.Ean, sizeof zu.Ean);
                zu.ArtikelNummer = a->HostNummer;
                zuordnungen.push_back(zu);
            }
            if (EANARTIKEL_SaveArtikelEANs_EX(a->HostNummer, &eans, NaechsterEan) !=
                static_cast<int32_t>(eans.eintraege.size()))
                return 0;
        }
    }
    if (!artikel.empty() && ARTLIB_SchreibeArtikelBlock(artikel.data(), static_cast<int32_t>(artikel.size())) < 0)
        return 0;
    if (!zuordnungen.empty() &&
        EANDATA_SetArtikelNummernBlock(zuordnungen.data(), static_cast<int32_t>(zuordnungen.size()), 1) < 0)
        return 0;
    e->Artikel = static_cast<int32_t>(artikel.size());
    e->Eans = static_cast<int32_t>(zuordnungen.size());
    e->Merkmale += e->Artikel;

    /* Stock items of the first articles of each supplier: two each, with
     * their descriptions and extra records. */
    HOSTHANDLE bez = BEZLIB_OeffneDatenbank();
    int32_t teile = DATABASE_GetSizeAndName(nullptr);
    if (bez <= 0 || teile < 0)
        return 0;
    int32_t bezNummer = 0;
    for (const GEN_LIEFERANT& l : liste) {
        for (int32_t index = 0; index < std::min(jeLieferant, 20); index++) {
            GenArtikel(d->Saat, &l, index, d->Varianten, 5, a.get());
            for (int32_t v = 0; v < std::min(2, a->AnzahlVarianten); v++) {
                const GEN_VARIANTE& var = a->Variante[v];
                BEZEICHNUNG_SATZ b;
                memset(&b, 0, sizeof b);
                b.Nummer = ++bezNummer;
                b.ArtikelNummer = a->HostNummer;
                const int32_t nummern[] = { mm.Von(1, a->Hauptgruppe), mm.Von(2, a->Warengruppe), mm.Von(3, a->Serie),
                                            mm.Von(4, a->Label), mm.Von(5, a->Material), mm.Von(6, var.Farbe),
                                            mm.Von(7, GenGroesse(a->Groessenlauf, var.Groesse)), l.Nummer };
                memcpy(b.Merkmal, nummern, sizeof b.Merkmal);
                Kopieren(b.Text, sizeof b.Text, a->Name);
                if (BEZLIB_WriteBezeichnung(bez, b.Nummer, &b) != 1)
                    return 0;
                EINZELTEIL_SATZ t;
                DATABASE_ClearEinzelteil(&t);
                t.TeilNummer = teile + 1;
                t.ArtikelNummer = a->HostNummer;
                t.LieferantNummer = l.Nummer;
                t.EingangsDatum = Datum(15, 8, 2025);
                t.BezeichnungNummer = b.Nummer;
                t.Groesse = nummern[6];
                t.Saison = mm.Von(11, a->Saison);
                t.Filiale = t.Filiale2 = mm.Von(9, (index + v) % 3);
                t.Ek1 = t.Preis3 = a->Ek;
                t.Vk1 = t.Preis6 = a->Vk;
                t.Ek2 = a->Ek;
                t.Vk2 = a->Preis3 > 0 ? a->Preis3 : a->Vk;
                t.MwstSatz = static_cast<int16_t>(a->MwstSatz);
                t.Flags = EINZELTEIL_VORHANDEN;
                TEILEZUSATZ_SATZ zusatz;
                memset(&zusatz, 0, sizeof zusatz);
                Kopieren(zusatz.Text1, sizeof zusatz.Text1, a->Zusatztext);
                Kopieren(zusatz.Text2, sizeof zusatz.Text2, a->Nummer);
                if (DATABASE_WriteEinzelteil(teile + 1, &t) != 1 || TeileZusatz_Write(0, teile + 1, &zusatz) != 1)
                    return 0;
                teile++;
                e->Teile++;
            }
        }
    }
    BEZLIB_SchliesseDatenbank(bez);

    /* Open orders: three articles each, with ordered pieces per cell; the
     * third is an article of the supplier's first catalogue, so importing
     * that catalogue updates it. The last order is held back from updates
     * (status bit 1). */
    int32_t ersterKatalogArtikel = std::max(0, jeLieferant - d->KatalogArtikel / 2);
    auto kopf = std::make_unique<AUFTRAG_KOPF>();
    auto position = std::make_unique<AUFTRAG_POSITION>();
    for (int32_t o = 0; o < d->Auftraege && lieferanten > 0 && jeLieferant > 0; o++) {
        const GEN_LIEFERANT& l = liste[static_cast<size_t>(o % lieferanten)];
        memset(kopf.get(), 0, sizeof *kopf);
        kopf->Datum = Datum(10, 6, 2025);
        char text[80];
        snprintf(text, sizeof text, "Vororder HW 2025/26 %s", l.KurzName);
        Kopieren(kopf->Text, sizeof kopf->Text, text);
        kopf->LieferantNummer = l.Nummer;
        int32_t nummer = AUFTRAGDBA_NeuerAuftrag(kopf.get());
        HOSTHANDLE h = nummer > 0 ? AUFTRAGDBA_Open(nummer) : -1;
        if (h <= 0)
            return 0;
        int32_t menge = 0, wert = 0;
        for (int32_t p = 0; p < 3; p++) {
            int32_t index = p < 2 ? (o / lieferanten * 3 + p) % jeLieferant
                                  : (ersterKatalogArtikel + o / lieferanten) % jeLieferant;
            GenArtikel(d->Saat, &l, index, d->Varianten, 5, a.get());
            memset(position.get(), 0, sizeof *position);
            AUFTRAG_POSITION& pos = *position;
            pos.AuftragsNummer = nummer;
            Kopieren(pos.Langtext, sizeof pos.Langtext, a->Nummer);
            Kopieren(pos.Kurztext, sizeof pos.Kurztext, l.Kuerzel);
            pos.LieferantNummer = l.Nummer;
            pos.Ek1 = pos.Ek2 = pos.Ek1Umgerechnet = a->Ek;
            pos.Vk1 = pos.Vk1Umgerechnet = a->Vk;
            pos.Vk2 = a->Preis3 > 0 ? a->Preis3 : a->Vk;
            Kopieren(pos.Zusatztext, sizeof pos.Zusatztext, a->Zusatztext);
            TabelleBilden(*a, mm, &pos.Tabelle, [&](int32_t v) { return 2 + (v + p) % 5; });
            for (int32_t v = 0; v < a->AnzahlVarianten; v++)
                pos.TabellenMenge += 2 + (v + p) % 5;
            pos.Wert = pos.TabellenMenge * a->Ek;
            menge += pos.TabellenMenge;
            wert += pos.Wert;
            if (AUFTRAGDBA_WritePosition(h, p + 1, 0, &pos) != 1) {
                AUFTRAGDBA_Close(h);
                return 0;
            }
        }
        AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get());
        kopf->MengenSumme = menge;
        kopf->WertSumme = wert;
        if (o == d->Auftraege - 1 && d->Auftraege > 1)
            kopf->Status = 3;
        int32_t ok = AUFTRAGDBA_WriteAuftragsKopf(h, kopf.get());
        AUFTRAGDBA_Close(h);
        if (ok != 1)
            return 0;
        e->Auftraege++;
    }

    /* Minimum stocks: every fifth article of each supplier, among them
     * articles of its first catalogue. */
    for (const GEN_LIEFERANT& l : liste) {
        for (int32_t index = 0; index < jeLieferant; index += 5) {
            GenArtikel(d->Saat, &l, index, d->Varianten, 5, a.get());
            MINDBEST_SATZ m;
            memset(&m, 0, sizeof m);
            m.ArtikelNummer = a->HostNummer;
            m.Filiale = filiale;
            for (int32_t g = 0; g < 30 && g < a->AnzahlVarianten; g++)
                m.Menge[g] = 1 + (index + g) % 3;
            if (MindbestDBA_Schreibe(&m) != 1)
                return 0;
            e->Mindestbestaende++;
        }
    }

    /* The EDI import folder: catalogues of the suppliers, half of their
     * articles known to the store, and a DESADV file. */
    e->ImportOrdner = GenImportOrdner(ordner);
    if (!GenOrdnerAnlegen(e->ImportOrdner) || !GenOrdnerAnlegen(e->ImportOrdner + "SICHERUNG\\"))
        return 0;
    for (int32_t c = 0; c < d->Kataloge && lieferanten > 0; c++) {
        const GEN_LIEFERANT& l = liste[static_cast<size_t>(c % lieferanten)];
        GEN_KATALOG k;
        int32_t runde = c / lieferanten;
        const char* saison = runde == 0 ? "HW25" : "FS26";
        k.Pfad = e->ImportOrdner + "PRICAT-" + Namensteil(l.KurzName) + "-" + saison + (c == 3 ? ".PRI" : ".INH");
        k.Saat = d->Saat;
        k.Lieferant = l.Nummer;
        k.Artikel = d->KatalogArtikel;
        k.Varianten = d->Varianten;
        /* the first season: the store's last articles and new ones; a
         * later one: mostly known articles */
        k.ErsterArtikel = runde == 0 ? std::max(0, jeLieferant - d->KatalogArtikel / 2) : runde * d->KatalogArtikel / 2;
        char beschreibung[40];
        snprintf(beschreibung, sizeof beschreibung, "%s %s", runde == 0 ? "Kollektion" : "Vorschau", saison);
        k.Beschreibung = beschreibung;
        if (c == 0)
            k.InfoText = std::string("Neue Kollektion ") + saison + " von " + l.Name +
                         ".\nLieferung ab KW 38, Nachorder bis Ende Oktober.\n";
        GEN_KATALOG_ERGEBNIS ke;
        if (!GenKatalogSchreiben(&k, &ke))
            return 0;
        e->Dateien.push_back(k.Pfad);
        if (runde == 0 && !GemeinsameBegriffeLernen(l, k))
            return 0;
    }
    if (d->Desadv && lieferanten > 0 && jeLieferant > 0) {
        GEN_DESADV ds;
        ds.Saat = d->Saat;
        ds.Lieferant = 1;
        ds.EmpfaengerIln = e->EigeneIln;
        ds.Positionen = 12;
        ds.Artikel = std::min(jeLieferant, 6);
        ds.Varianten = d->Varianten;
        ds.UnbekannteGtin = 1;
        ds.FremdeIln = 1;
        ds.Pfad = e->ImportOrdner + "DESADV-" + Namensteil(liste[0].KurzName) + ".DES";
        GEN_DESADV_ERGEBNIS de;
        if (!GenDesadvSchreiben(&ds, &de))
            return 0;
        e->Dateien.push_back(ds.Pfad);
    }
    return d->Eancom ? GenEancomDemo(d, e) : 1;
}
