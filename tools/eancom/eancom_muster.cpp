/*
 * eancom_muster.cpp - writing EANCOM interchanges (see eancom_muster.h).
 */
#include "eancom_muster.h"

#include <stdio.h>

namespace eancom {

namespace {

/* cp1252 0x80..0x9F as Unicode (0 = unused). */
constexpr uint16_t CP1252_80[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E,
    0x0178,
};

struct Schreiber {
    const Schreibweise& w;
    std::string text;
    int segmente = 0;
    bool utf8;
    explicit Schreiber(const Schreibweise& weise)
        : w(weise), utf8(weise.zeichensatz == "UNOY" || weise.zeichensatz == "UNOW")
    {
    }

    void Zeichen(unsigned char c)
    {
        const Trenner& t = w.t;
        if (t.freigabe != 0 && (c == (unsigned char)t.komponente || c == (unsigned char)t.element ||
                                c == (unsigned char)t.freigabe || c == (unsigned char)t.segment))
            text += t.freigabe;
        if (!utf8 || c < 0x80) {
            text += static_cast<char>(c);
            return;
        }
        uint32_t u = c >= 0xA0 ? c : CP1252_80[c - 0x80];
        if (u == 0)
            u = '?';
        if (u < 0x800) {
            text += static_cast<char>(0xC0 | (u >> 6));
            text += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (u >> 12));
            text += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (u & 0x3F));
        }
    }

    /* One segment: elements separated by '+', components by '|' inside
     * an element of `teile` (a '|' cannot be written as data here). */
    void Segment(std::initializer_list<std::string> elemente)
    {
        bool erstes = true;
        for (const std::string& e : elemente) {
            if (!erstes)
                text += w.t.element;
            erstes = false;
            for (char c : e) {
                if (c == '|')
                    text += w.t.komponente;
                else
                    Zeichen(static_cast<unsigned char>(c));
            }
        }
        /* drop empty trailing elements, as EDIFACT wants */
        while (!text.empty() && (text.back() == w.t.element || text.back() == w.t.komponente) &&
               (text.size() < 2 || text[text.size() - 2] != w.t.freigabe || w.t.freigabe == 0))
            text.pop_back();
        text += w.t.segment;
        if (w.zeilen)
            text += w.crlf ? "\r\n" : "\n";
        segmente++;
    }

    std::string Zahl(std::string z) const
    {
        for (char& c : z)
            if (c == '.')
                c = w.t.dezimal;
        return z;
    }
};

void Partei(Schreiber& s, const char* q, const MusterPartei& p)
{
    if (p.gln.empty() && p.name.empty())
        return;
    s.Segment({ "NAD", q, p.gln + "||9", "", p.name, p.strasse, p.ort, "", p.plz, p.land });
    if (!p.ustid.empty())
        s.Segment({ "RFF", "VA|" + p.ustid });
    if (!p.kontakt.empty())
        s.Segment({ "CTA", "IC", "|" + p.kontakt });
    if (!p.tel.empty())
        s.Segment({ "COM", p.tel + "|TE" });
    if (!p.fax.empty())
        s.Segment({ "COM", p.fax + "|FX" });
}

void Merkmal(Schreiber& s, bool cci, const char* art, const std::string& code, const std::string& text)
{
    if (code.empty() && text.empty())
        return;
    if (cci) {
        s.Segment({ "CCI", "", "", art });
        s.Segment({ "CAV", code + "|||" + text });
    } else {
        s.Segment({ "IMD", code.empty() ? "F" : text.empty() ? "C" : "B", art, code + (code.empty() ? "" : "||91") +
                                                                                   (text.empty() ? "" : (code.empty() ? "|||" : "|") + text) });
    }
}

uint64_t Naechste(uint64_t* z)
{
    uint64_t x = (*z += 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

Trenner muster_trenner(char komponente, char element, char dezimal, char freigabe, char segment)
{
    Trenner t;
    t.komponente = komponente;
    t.element = element;
    t.dezimal = dezimal;
    t.freigabe = freigabe;
    t.segment = segment;
    return t;
}

std::string muster_ean13(uint64_t nummer)
{
    char t[14];
    snprintf(t, sizeof t, "%012llu", (unsigned long long)(nummer % 1000000000000ull));
    int summe = 0;
    for (int i = 0; i < 12; i++)
        summe += (t[i] - '0') * (i % 2 ? 3 : 1);
    t[12] = static_cast<char>('0' + (10 - summe % 10) % 10);
    t[13] = '\0';
    return t;
}

std::string muster_pricat(const MusterPricat& p, const Schreibweise& w)
{
    Schreiber s(w);
    bool alt = p.version == "96A";
    s.Segment({ "UNH", p.referenz, "PRICAT|D|" + p.version + "|UN|" + (alt ? "EAN008" : "EAN008") });
    s.Segment({ "BGM", "9", p.dokument, p.funktion });
    s.Segment({ "DTM", "137|" + p.datum + "|102" });
    if (!p.gueltigAb.empty())
        s.Segment({ "DTM", "194|" + p.gueltigAb + "|102" });
    s.Segment({ "CUX", "2|" + p.waehrung + "|8" });
    Partei(s, "SU", p.lieferant);
    Partei(s, "BY", p.kaeufer);
    if (!p.gruppe.empty())
        s.Segment({ "PGI", "2", "|||" + p.gruppe });
    int zeile = 0;
    for (const MusterVariation& v : p.variationen) {
        s.Segment({ "LIN", std::to_string(++zeile), v.aktion, v.gtin.empty() ? "" : v.gtin + (alt ? "|EN" : "|SRS") });
        if (!v.nummer.empty())
            s.Segment({ "PIA", "5", v.nummer + "|SA" });
        if (!v.beschreibung.empty())
            s.Segment({ "IMD", "F", "ANM", "|||" + v.beschreibung });
        if (!v.kurztext.empty())
            s.Segment({ "IMD", "E", "", "|||" + v.kurztext });
        Merkmal(s, v.cci, "35", v.farbcode, v.farbtext);
        Merkmal(s, v.cci, "98", v.groesse, "");
        Merkmal(s, v.cci, "BRN", "", v.marke);
        Merkmal(s, v.cci, "U01", "", v.material);
        Merkmal(s, v.cci, "TPE", "", v.gruppe);
        Merkmal(s, v.cci, "SEA", "", v.saison);
        std::string basis = v.preisbasis.empty() ? "" : "|||" + s.Zahl(v.preisbasis) + "|PCE";
        if (!v.ek.empty())
            s.Segment({ "PRI", "AAA|" + s.Zahl(v.ek) + basis });
        if (!v.vk.empty())
            s.Segment({ "PRI", "AAE|" + s.Zahl(v.vk) + basis });
        if (!v.vk2.empty())
            s.Segment({ "PRI", "INF|" + s.Zahl(v.vk2) + "||PRP" });
        if (!v.mwst.empty())
            s.Segment({ "TAX", "7", "VAT", "", "", "|||" + s.Zahl(v.mwst), "S" });
        if (!v.gewicht.empty()) {
            s.Segment({ "MEA", "PD", "AAA", "KGM|" + s.Zahl(v.gewicht) });
            s.Segment({ "QTY", "53|1|PCE" });
            s.Segment({ "ALI", "DE" });
            s.Segment({ "DTM", "44|" + p.gueltigAb + "|102" });
        }
        if (!v.pflege.empty())
            s.Segment({ "FTX", "PRD", "", "", v.pflege.substr(0, 256) + (v.pflege.size() > 256 ? "|" + v.pflege.substr(256, 256) : ""), "DE" });
    }
    s.Segment({ "UNT", std::to_string(s.segmente + 1), p.referenz });
    return s.text;
}

std::string muster_desadv(const MusterDesadv& d, const Schreibweise& w)
{
    Schreiber s(w);
    s.Segment({ "UNH", d.referenz, "DESADV|D|" + d.version + "|UN|EAN007" });
    s.Segment({ "BGM", "351", d.dokument, "9" });
    s.Segment({ "DTM", "137|" + d.versanddatum + "|102" });
    if (!d.versanddatum.empty())
        s.Segment({ "DTM", "11|" + d.versanddatum + "|102" });
    if (!d.lieferdatum.empty())
        s.Segment({ "DTM", "17|" + d.lieferdatum + "|102" });
    if (!d.bestellung.empty()) {
        s.Segment({ "RFF", "ON|" + d.bestellung });
        s.Segment({ "DTM", "171|" + d.versanddatum + "|102" });
    }
    Partei(s, "SU", d.lieferant);
    Partei(s, "BY", d.kaeufer);
    Partei(s, "DP", d.lieferort);
    if (!d.sscc.empty()) {
        s.Segment({ "CPS", "1" });
        s.Segment({ "PAC", "1", "", "201" });
        s.Segment({ "CPS", "2", "1" });
        s.Segment({ "PAC", "1", "", "CT" });
        s.Segment({ "GIN", "BJ", d.sscc });
    }
    int zeile = 0;
    for (const MusterPosition& p : d.positionen) {
        s.Segment({ "LIN", std::to_string(++zeile), "", p.gtin.empty() ? "" : p.gtin + "|SRS" });
        if (!p.nummer.empty())
            s.Segment({ "PIA", "1", p.nummer + "|SA" });
        if (!p.beschreibung.empty())
            s.Segment({ "IMD", "F", "ANM", "|||" + p.beschreibung });
        Merkmal(s, false, "35", "", p.farbe);
        Merkmal(s, false, "98", "", p.groesse);
        if (!p.menge.empty())
            s.Segment({ "QTY", "12|" + s.Zahl(p.menge) });
        if (!p.bestellung.empty())
            s.Segment({ "RFF", "ON|" + p.bestellung + (p.bestellposition.empty() ? "" : "|" + p.bestellposition) });
    }
    s.Segment({ "CNT", "2|" + std::to_string(zeile) });
    s.Segment({ "UNT", std::to_string(s.segmente + 1), d.referenz });
    return s.text;
}

std::string muster_interchange(const std::vector<std::string>& nachrichten, const Schreibweise& w,
                               const std::string& sender, const std::string& empfaenger)
{
    Schreiber s(w);
    if (w.bom)
        s.text += "\xEF\xBB\xBF";
    const Trenner standard;
    const Trenner& t = w.t;
    if (w.una || t.komponente != standard.komponente || t.element != standard.element ||
        t.dezimal != standard.dezimal || t.freigabe != standard.freigabe || t.segment != standard.segment) {
        s.text += "UNA";
        s.text += t.komponente;
        s.text += t.element;
        s.text += t.dezimal;
        s.text += t.freigabe ? t.freigabe : ' ';
        s.text += ' ';
        s.text += t.segment;
        if (w.zeilen)
            s.text += w.crlf ? "\r\n" : "\n";
    }
    s.Segment({ "UNB", w.zeichensatz + "|3", sender + "|14", empfaenger + "|14", "250901|1200", "IC1" });
    for (const std::string& n : nachrichten)
        s.text += n;
    s.Segment({ "UNZ", std::to_string(nachrichten.size()), "IC1" });
    return s.text;
}

MusterPricat muster_katalog(uint64_t saat, int artikel, int varianten, uint64_t eanBasis)
{
    static const char* const FARBEN[][2] = { { "001", "schwarz" }, { "100", "wei\xDF" }, { "410", "marine" },
                                             { "520", "gr\xFCn meliert" }, { "610", "rot" }, { "810", "sand" } };
    static const char* const GROESSEN[] = { "XS", "S", "M", "L", "XL", "XXL", "36", "38", "40", "42", "44", "46" };
    static const char* const ARTEN[] = { "Strickjacke", "Bluse", "Jeans", "Pullover", "Kleid", "Hemd", "Rock" };
    static const char* const MARKEN[] = { "Nordlicht", "Kieler Str\xF6mung", "Alpenwerk", "Stadtmensch" };
    static const char* const STOFFE[] = { "100% Baumwolle", "Wolle/Polyamid", "Viskose", "Leinen" };
    static const char* const GRUPPEN[] = { "Oberteile", "Hosen", "Kleider", "Str\xFCmpfe" };
    MusterPricat p;
    p.dokument = "PL-" + std::to_string(saat % 100000);
    p.gruppe = "DOB";
    p.lieferant.gln = muster_ean13(401234500000ull);
    p.lieferant.name = "Strickwaren M\xFCller GmbH";
    p.lieferant.strasse = "Hauptstra\xDF" "e 5";
    p.lieferant.ort = "M\xFCnchen";
    p.lieferant.plz = "80331";
    p.lieferant.land = "DE";
    p.lieferant.kontakt = "Frau Sch\xE4" "fer";
    p.lieferant.tel = "089-123456";
    p.lieferant.fax = "089-123457";
    p.lieferant.ustid = "DE123456789";
    p.kaeufer.gln = "4000000000001";
    uint64_t z = saat;
    for (int a = 0; a < artikel; a++) {
        uint64_t r = Naechste(&z);
        std::string nummer = "SM-" + std::to_string(10000 + (saat * 7 + a) % 90000);
        const char* art = ARTEN[r % 7];
        for (int v = 0; v < varianten; v++) {
            MusterVariation m;
            m.gtin = muster_ean13(eanBasis + static_cast<uint64_t>(a) * varianten + v);
            m.nummer = nummer;
            const char* const* farbe = FARBEN[(r / 7 + v / 12) % 6];
            m.beschreibung = std::string(art) + " " + MARKEN[(r >> 8) % 4] + " Kollektion " + std::to_string(a % 97);
            m.kurztext = std::string(art) + " " + farbe[1];
            m.farbcode = farbe[0];
            m.farbtext = farbe[1];
            m.groesse = GROESSEN[v % 12];
            m.marke = MARKEN[(r >> 8) % 4];
            m.material = STOFFE[(r >> 12) % 4];
            m.gruppe = GRUPPEN[(r >> 16) % 4];
            m.saison = (r >> 20) % 2 ? "HW 2025" : "FS 2026";
            int ek = 500 + static_cast<int>((r >> 24) % 8000);
            char t[32];
            snprintf(t, sizeof t, "%d.%02d", ek / 100, ek % 100);
            m.ek = t;
            snprintf(t, sizeof t, "%d.95", ek * 25 / 1000);
            m.vk = t;
            if ((r >> 40) % 3 == 0) {
                snprintf(t, sizeof t, "%d.95", ek * 2 / 100);
                m.vk2 = t;
            }
            m.mwst = "19";
            m.cci = (a % 2) == 1;
            snprintf(t, sizeof t, "0.%03d", 150 + static_cast<int>((r >> 44) % 800));
            m.gewicht = t;
            m.pflege = std::string("Pflegehinweis: schonend waschen bei ") + ((r >> 48) % 2 ? "30" : "40") +
                       " Grad, nicht im Trockner trocknen, links b\xFCgeln, mit \xE4hnlichen Farben waschen. " +
                       "Material: " + m.material + ", Passform " + ((r >> 50) % 2 ? "regul\xE4r" : "schmal") +
                       ", Modell " + nummer + " in " + farbe[1] + ", Gr\xF6\xDF" "e " + m.groesse +
                       ". Hergestellt in Europa f\xFCr die Kollektion " + m.saison +
                       "; bitte vor dem ersten Tragen separat waschen und liegend trocknen. Lieferung im Karton, "
                       "h\xE4ngend oder liegend nach Absprache.";
            p.variationen.push_back(m);
        }
    }
    return p;
}

} // namespace eancom
