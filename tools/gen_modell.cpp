/*
 * gen_modell.cpp - random numbers, EANs and the assortment model of the
 * generator: suppliers, articles with their variations, catalogue records
 * and supplier master records.
 */
#include "oxgen.h"

#include <stdio.h>
#include <string.h>

/* ---- random numbers -------------------------------------------------------- */

void GenZufallStart(GEN_ZUFALL* z, uint64_t saat)
{
    z->Zustand = saat;
}

uint64_t GenZufall64(GEN_ZUFALL* z)
{
    uint64_t x = (z->Zustand += 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint32_t GenZufallBis(GEN_ZUFALL* z, uint32_t n)
{
    if (n == 0)
        return 0;
    /* the high 32 bits scaled: no modulo bias worth speaking of */
    return static_cast<uint32_t>(((GenZufall64(z) >> 32) * n) >> 32);
}

bool GenZufallProzent(GEN_ZUFALL* z, int prozent)
{
    return static_cast<int>(GenZufallBis(z, 100)) < prozent;
}

uint64_t GenSaat(uint64_t a, uint64_t b, uint64_t c)
{
    GEN_ZUFALL z;
    GenZufallStart(&z, a);
    z.Zustand ^= GenZufall64(&z) + b;
    z.Zustand ^= GenZufall64(&z) + c;
    return GenZufall64(&z);
}

/* ---- EAN-13 / GLN ---------------------------------------------------------- */

char GenPruefziffer(const char* ziffern, int n)
{
    int summe = 0;
    for (int i = 0; i < n; i++) {
        char c = ziffern[i];
        if (c < '0' || c > '9')
            return 0;
        /* weight 3 for the digit next to the check digit, then alternating */
        summe += (c - '0') * (((n - 1 - i) % 2 == 0) ? 3 : 1);
    }
    return static_cast<char>('0' + (10 - summe % 10) % 10);
}

void GenEan13(char* ean, uint64_t nummer)
{
    nummer %= 1000000000000ull;
    for (int i = 11; i >= 0; i--, nummer /= 10)
        ean[i] = static_cast<char>('0' + nummer % 10);
    ean[12] = GenPruefziffer(ean, 12);
    ean[13] = '\0';
}

/* ---- the assortment -------------------------------------------------------- */

namespace {

const GEN_EINTRAG HAUPTGRUPPEN[] = {
    { "DOB", "Damenoberbekleidung" }, { "HAKA", "Herrenkleidung" },
    { "KIKO", "Kinderkonfektion" }, { "ACC", "Accessoires" },
};

const GEN_EINTRAG WARENGRUPPEN[] = {
    { "BLU", "Blusen" }, { "KLE", "Kleider" }, { "ROC", "R\xF6" "cke" }, { "STR", "Strick" },
    { "HOS", "Hosen" }, { "JNS", "Jeans" }, { "MAN", "M\xE4ntel" }, { "BLA", "Blazer" },
    { "SHI", "Shirts" }, { "HEM", "Hemden" }, { "SAK", "Sakkos" }, { "JAC", "Jacken" },
    { "SWE", "Sweatshirts" }, { "SCH", "Schals" }, { "MUE", "M\xFCtzen" }, { "GUE", "G\xFCrtel" },
};

const GEN_EINTRAG SERIEN[] = {
    { "BAS", "Basic" }, { "PRE", "Premium" }, { "CAS", "Casual" }, { "BUS", "Business" },
    { "OUT", "Outdoor" }, { "ESS", "Essentials" }, { "CLA", "Classic" },
};

const GEN_EINTRAG LABELS[] = {
    { "NORD", "Nordlicht" }, { "ALPR", "Alpenrose" }, { "KUEW", "K\xFCstenwind" }, { "STAD", "Stadtkind" },
    { "HEID", "Heidegold" }, { "FLUS", "Flussufer" }, { "BERG", "Bergwerk" }, { "SONN", "Sonnendeck" },
};

const GEN_EINTRAG MATERIALIEN[] = {
    { "BW", "Baumwolle" }, { "WO", "Wolle" }, { "VI", "Viskose" }, { "PES", "Polyester" },
    { "LI", "Leinen" }, { "SE", "Seide" }, { "KA", "Kaschmir" }, { "BWEL", "Baumwolle/Elasthan" },
    { "WOPA", "Wolle/Polyamid" }, { "LED", "Leder" },
};

const GEN_EINTRAG FARBEN[] = {
    { "010", "schwarz" }, { "100", "wei\xDF" }, { "110", "offwhite" }, { "200", "beige" },
    { "220", "camel" }, { "300", "rot" }, { "320", "bordeaux" }, { "400", "marine" },
    { "420", "jeansblau" }, { "450", "petrol" }, { "500", "gr\xFCn" }, { "520", "oliv" },
    { "600", "grau" }, { "620", "anthrazit" }, { "700", "ros\xE9" }, { "800", "gelb" },
};

const GEN_EINTRAG GROESSEN[] = {
    /*  0 */ { "34", "34" }, { "36", "36" }, { "38", "38" }, { "40", "40" }, { "42", "42" },
    /*  5 */ { "44", "44" }, { "46", "46" }, { "XS", "XS" }, { "S", "S" }, { "M", "M" },
    /* 10 */ { "L", "L" }, { "XL", "XL" }, { "XXL", "XXL" }, { "48", "48" }, { "50", "50" },
    /* 15 */ { "52", "52" }, { "54", "54" }, { "56", "56" }, { "3738", "37/38" }, { "3940", "39/40" },
    /* 20 */ { "4142", "41/42" }, { "4344", "43/44" }, { "4546", "45/46" }, { "2832", "W28/L32" },
    /* 24 */ { "3032", "W30/L32" }, { "3132", "W31/L32" }, { "3232", "W32/L32" }, { "3334", "W33/L34" },
    /* 28 */ { "3434", "W34/L34" }, { "3634", "W36/L34" }, { "92", "92" }, { "98", "98" },
    /* 32 */ { "104", "104" }, { "110", "110" }, { "116", "116" }, { "122", "122" }, { "128", "128" },
    /* 37 */ { "134", "134" }, { "140", "140" }, { "146", "146" }, { "152", "152" }, { "158", "158" },
    /* 42 */ { "164", "164" }, { "80", "80" }, { "85", "85" }, { "90", "90" }, { "95", "95" },
    /* 47 */ { "100", "100" }, { "105", "105" }, { "OS", "Einheitsgr\xF6\xDF" "e" }, { "SM", "S/M" },
    /* 51 */ { "LXL", "L/XL" },
};

const GEN_EINTRAG FILIALEN[] = {
    { "1", "Zentrale M\xFCnster" }, { "2", "Filiale Osnabr\xFC" "ck" }, { "3", "Filiale Bielefeld" },
    { "4", "Outlet Rheine" },
};

const GEN_EINTRAG SAISONS[] = {
    { "FS25", "Fr\xFChjahr/Sommer 2025" }, { "HW25", "Herbst/Winter 2025/26" },
    { "FS26", "Fr\xFChjahr/Sommer 2026" }, { "NOS", "Never out of stock" },
};

/* Size runs: indexes into GROESSEN. */
const int LAUF_DOB[] = { 0, 1, 2, 3, 4, 5, 6 };
const int LAUF_ALPHA[] = { 7, 8, 9, 10, 11, 12 };
const int LAUF_HAKA[] = { 6, 13, 14, 15, 16, 17 };
const int LAUF_HEMD[] = { 18, 19, 20, 21, 22 };
const int LAUF_JEANS[] = { 23, 24, 25, 26, 27, 28, 29 };
const int LAUF_KINDER[] = { 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42 };
const int LAUF_GUERTEL[] = { 43, 44, 45, 46, 47, 48, 33 };
const int LAUF_EINHEIT[] = { 49 };
const int LAUF_MUETZE[] = { 50, 51 };

struct Lauf {
    const int* groessen;
    int anzahl;
};
#define LAUF(a) { a, static_cast<int>(sizeof(a) / sizeof(a[0])) }
const Lauf LAEUFE[] = { LAUF(LAUF_DOB), LAUF(LAUF_ALPHA), LAUF(LAUF_HAKA), LAUF(LAUF_HEMD), LAUF(LAUF_JEANS),
                        LAUF(LAUF_KINDER), LAUF(LAUF_GUERTEL), LAUF(LAUF_EINHEIT), LAUF(LAUF_MUETZE) };

/* Product types: name, main group, product group, size run, purchase price
 * range (hundredths). */
struct Typ {
    const char* name;
    int hauptgruppe, warengruppe, lauf, ekMin, ekMax;
};
const Typ TYPEN[] = {
    { "Bluse", 0, 0, 0, 1500, 3500 },      { "Kleid", 0, 1, 0, 2500, 6000 },
    { "Rock", 0, 2, 0, 1800, 4000 },       { "Strickjacke", 0, 3, 1, 2000, 5000 },
    { "Pullover", 0, 3, 1, 1800, 4500 },   { "Hose", 0, 4, 0, 2000, 4500 },
    { "Jeans", 0, 5, 4, 2200, 4800 },      { "Mantel", 0, 6, 0, 6000, 15000 },
    { "Blazer", 0, 7, 0, 4000, 9000 },     { "T-Shirt", 0, 8, 1, 600, 1800 },
    { "Hemd", 1, 9, 3, 1500, 3500 },       { "Sakko", 1, 10, 2, 6000, 14000 },
    { "Anzughose", 1, 4, 2, 3000, 6000 },  { "Jeans", 1, 5, 4, 2200, 4800 },
    { "Pullover", 1, 3, 1, 1800, 4500 },   { "Poloshirt", 1, 8, 1, 1000, 2500 },
    { "Jacke", 1, 11, 2, 5000, 12000 },    { "Chino", 1, 4, 2, 2000, 4000 },
    { "Shirt", 2, 8, 5, 400, 1200 },       { "Jeans", 2, 5, 5, 1200, 2500 },
    { "Kleid", 2, 1, 5, 1500, 3000 },      { "Jacke", 2, 11, 5, 2500, 5000 },
    { "Sweatshirt", 2, 12, 5, 1200, 2500 }, { "Schal", 3, 13, 7, 800, 3000 },
    { "M\xFCtze", 3, 14, 8, 600, 1800 },   { "G\xFCrtel", 3, 15, 6, 1000, 3500 },
};
const int ANZAHL_TYPEN = static_cast<int>(sizeof(TYPEN) / sizeof(TYPEN[0]));

const char* const MERKMALE[] = {
    "Rundhals", "V-Ausschnitt", "Slim Fit", "Regular Fit", "Oversize", "Stretch", "tailliert",
    "Langarm", "Kurzarm", "Feinstrick", "Zopfmuster", "Cargo", "Chiffon", "Jersey", "Denim",
    "gesteppt", "Leinenmix", "Cord", "Fleece", "Karo",
};
const char* const ZUSATZTEXTE[] = {
    "pflegeleicht", "maschinenwaschbar 30\xB0", "Bio-Baumwolle", "b\xFCgelfrei", "Handw\xE4sche",
    "knitterarm", "GOTS-zertifiziert", "", "",
};
const char* const MUSTER[] = { "uni", "meliert", "gestreift", "kariert", "bedruckt", "uni" };

struct LieferantVorlage {
    const char* name;
    const char* kurz;
    const char* praefix;
    int hauptgruppe;
};
const LieferantVorlage LIEFERANTEN[] = {
    { "Strickwaren M\xFCller GmbH", "Strickwaren M\xFCller", "SM", 0 },
    { "Hansen & S\xF6hne Herrenmode", "Hansen & S\xF6hne", "HS", 1 },
    { "Kleine Welt Kindermoden", "Kleine Welt", "KW", 2 },
    { "Nordlicht Moden KG", "Nordlicht Moden", "NL", 0 },
    { "Lederwerk Accessoires GmbH", "Lederwerk", "LW", 3 },
    { "K\xFCstenwind Fashion AG", "K\xFCstenwind Fashion", "KF", 1 },
    { "Alpenrose Trachten GmbH", "Alpenrose Trachten", "AR", 0 },
    { "Flussufer Jeanswear GmbH", "Flussufer Jeanswear", "FJ", 1 },
};
const int ANZAHL_LIEFERANTEN = static_cast<int>(sizeof(LIEFERANTEN) / sizeof(LIEFERANTEN[0]));

const char* const STRASSEN[] = { "Industriestra\xDF" "e", "Am Hafen", "Gewerbepark", "Lindenallee",
                                 "M\xFChlenweg", "Bahnhofstra\xDF" "e" };
const char* const ORTE[][2] = { { "48155", "M\xFCnster" }, { "33602", "Bielefeld" }, { "49074", "Osnabr\xFC" "ck" },
                                { "20457", "Hamburg" }, { "80331", "M\xFCnchen" }, { "72764", "Reutlingen" },
                                { "41460", "Neuss" } };
const char* const VORNAMEN[] = { "Anna", "Peter", "Claudia", "J\xFCrgen", "Sabine", "Thomas", "Maren" };
const char* const NACHNAMEN[] = { "Schulte", "Becker", "Meyer", "Wagner", "Hoffmann", "Kr\xE4mer", "Lange" };

#define ANZAHL(a) static_cast<int32_t>(sizeof(a) / sizeof(a[0]))

void Kopieren(char* ziel, size_t groesse, const char* quelle)
{
    size_t n = strlen(quelle);
    if (n >= groesse)
        n = groesse - 1;
    memcpy(ziel, quelle, n);
    ziel[n] = '\0';
}

/* A field of a record: the text cut to the field; filled to the full
 * width it carries no terminator (as the EDI library allows). */
void Feld(char* feld, size_t breite, const char* text)
{
    size_t n = strlen(text);
    if (n > breite)
        n = breite;
    memset(feld, 0, breite);
    memcpy(feld, text, n);
}

/* A price in hundredths rounded to a shop price ending in .95 or .99. */
int32_t Ladenpreis(int32_t preis, bool neunundneunzig)
{
    int32_t euro = preis / 100;
    if (euro < 1)
        euro = 1;
    return euro * 100 + (neunundneunzig ? 99 : 95);
}

} // namespace

int32_t GenAnzahl(int32_t art)
{
    switch (art) {
    case 1: return ANZAHL(HAUPTGRUPPEN);
    case 2: return ANZAHL(WARENGRUPPEN);
    case 3: return ANZAHL(SERIEN);
    case 4: return ANZAHL(LABELS);
    case 5: return ANZAHL(MATERIALIEN);
    case 6: return ANZAHL(FARBEN);
    case 7: return ANZAHL(GROESSEN);
    case 9: return ANZAHL(FILIALEN);
    case 11: return ANZAHL(SAISONS);
    default: return 0;
    }
}

GEN_EINTRAG GenEintrag(int32_t art, int32_t i)
{
    static const GEN_EINTRAG leer = { "", "" };
    if (i < 0 || i >= GenAnzahl(art))
        return leer;
    switch (art) {
    case 1: return HAUPTGRUPPEN[i];
    case 2: return WARENGRUPPEN[i];
    case 3: return SERIEN[i];
    case 4: return LABELS[i];
    case 5: return MATERIALIEN[i];
    case 6: return FARBEN[i];
    case 7: return GROESSEN[i];
    case 9: return FILIALEN[i];
    case 11: return SAISONS[i];
    default: return leer;
    }
}

int32_t GenGroessenAnzahl(int32_t lauf)
{
    return lauf >= 0 && lauf < ANZAHL(LAEUFE) ? LAEUFE[lauf].anzahl : 0;
}

int32_t GenGroesse(int32_t lauf, int32_t i)
{
    return i >= 0 && i < GenGroessenAnzahl(lauf) ? LAEUFE[lauf].groessen[i] : -1;
}

void GenLieferant(uint64_t saat, int32_t nummer, GEN_LIEFERANT* l)
{
    memset(l, 0, sizeof *l);
    int32_t n = nummer < 1 ? 1 : (nummer > 1000 ? 1000 : nummer);
    const LieferantVorlage& v = LIEFERANTEN[(n - 1) % ANZAHL_LIEFERANTEN];
    l->Nummer = n;
    snprintf(l->Kuerzel, sizeof l->Kuerzel, "%d", n);
    if (n <= ANZAHL_LIEFERANTEN) {
        Kopieren(l->Name, sizeof l->Name, v.name);
        Kopieren(l->KurzName, sizeof l->KurzName, v.kurz);
    } else {
        /* further suppliers of the same kind carry their number */
        snprintf(l->Name, sizeof l->Name, "%s %d", v.name, n);
        char kurz[40];
        snprintf(kurz, sizeof kurz, "%.19s %d", v.kurz, n);
        Kopieren(l->KurzName, sizeof l->KurzName, kurz);
    }
    Kopieren(l->Praefix, sizeof l->Praefix, v.praefix);
    l->Hauptgruppe = v.hauptgruppe;
    /* ILN: "404", four digits of the seed, five of the number */
    GenEan13(l->Iln, 404000000000ull + (saat % 10000) * 100000ull + static_cast<uint64_t>(n));
    /* EANs: "4", one digit of the seed, three of the number; the rest
     * numbers the variations (see GenArtikel) */
    l->EanBasis = 400000000000ull + (saat % 5) * 10000000000ull + static_cast<uint64_t>(n % 1000) * 10000000ull;
}

void GenArtikel(uint64_t saat, const GEN_LIEFERANT* l, int32_t index, int32_t varianten, int auslaufProzent,
                GEN_ARTIKEL* a)
{
    memset(a, 0, sizeof *a);
    GEN_ZUFALL z;
    GenZufallStart(&z, GenSaat(saat, static_cast<uint64_t>(l->Nummer), static_cast<uint64_t>(index)));
    a->Index = index;
    a->HostNummer = index < 1000 && l->Nummer <= 255 ? l->Nummer * 1000 + index + 1 : 0;
    snprintf(a->Nummer, sizeof a->Nummer, "%s-%05d", l->Praefix, 10000 + (index * 37 + l->Nummer * 7) % 90000);

    /* Mostly the supplier's own main group, now and then another. */
    int hauptgruppe = GenZufallProzent(&z, 85) ? l->Hauptgruppe : static_cast<int>(GenZufallBis(&z, 4));
    int kandidaten[ANZAHL_TYPEN];
    int k = 0;
    for (int t = 0; t < ANZAHL_TYPEN; t++)
        if (TYPEN[t].hauptgruppe == hauptgruppe)
            kandidaten[k++] = t;
    const Typ& typ = TYPEN[kandidaten[GenZufallBis(&z, static_cast<uint32_t>(k))]];
    a->Typ = static_cast<int32_t>(&typ - TYPEN);
    snprintf(a->Name, sizeof a->Name, "%s %s", typ.name, MERKMALE[GenZufallBis(&z, ANZAHL(MERKMALE))]);
    Kopieren(a->Zusatztext, sizeof a->Zusatztext, ZUSATZTEXTE[GenZufallBis(&z, ANZAHL(ZUSATZTEXTE))]);
    a->Hauptgruppe = typ.hauptgruppe;
    a->Warengruppe = typ.warengruppe;
    a->Groessenlauf = typ.lauf;
    a->Serie = static_cast<int32_t>(GenZufallBis(&z, ANZAHL(SERIEN)));
    a->Label = static_cast<int32_t>((l->Nummer + GenZufallBis(&z, 2)) % ANZAHL(LABELS));
    a->Material = static_cast<int32_t>(GenZufallBis(&z, ANZAHL(MATERIALIEN)));
    a->Saison = GenZufallProzent(&z, 15) ? 3 : static_cast<int32_t>(GenZufallBis(&z, 3));

    int32_t spanne = (typ.ekMax - typ.ekMin) / 5;
    a->Ek = typ.ekMin + 5 * static_cast<int32_t>(GenZufallBis(&z, static_cast<uint32_t>(spanne + 1)));
    a->Vk = Ladenpreis(a->Ek * (200 + static_cast<int32_t>(GenZufallBis(&z, 61))) / 100, GenZufallProzent(&z, 50));
    a->Preis3 = GenZufallProzent(&z, 60) ? Ladenpreis(a->Vk * 115 / 100, true) : 0;
    bool ermaessigt = GenZufallProzent(&z, 5);
    a->Mwst = ermaessigt ? 7 : 19;
    a->MwstSatz = ermaessigt ? 1 : 2;
    a->Auslauf = GenZufallProzent(&z, auslaufProzent);

    /* Variations: the sizes of the run, colour after colour. */
    int32_t groessen = GenGroessenAnzahl(a->Groessenlauf);
    int32_t n = varianten < 1 ? 1 : varianten;
    if (n > GEN_MAX_VARIANTEN)
        n = GEN_MAX_VARIANTEN;
    if (n > groessen * ANZAHL(FARBEN))
        n = groessen * ANZAHL(FARBEN);
    int32_t ersteFarbe = static_cast<int32_t>(GenZufallBis(&z, ANZAHL(FARBEN)));
    int32_t schritt = 1 + 2 * static_cast<int32_t>(GenZufallBis(&z, 4));   /* odd: all 16 colours */
    /* the EAN numbers a variation by article, colour and size, so it does
     * not depend on how many variations are asked for */
    const uint64_t stelle2 = 10000000000ull;            /* the seed digit of EanBasis */
    uint64_t saatZiffer = l->EanBasis / stelle2 % 10;
    uint64_t basis = l->EanBasis - saatZiffer * stelle2 +
                     (saatZiffer + static_cast<uint64_t>(index / 10000)) % 5 * stelle2 +
                     static_cast<uint64_t>(index % 10000) * 1000ull;
    for (int32_t v = 0; v < n; v++) {
        GEN_VARIANTE& var = a->Variante[v];
        var.Groesse = v % groessen;
        int32_t f = v / groessen;
        var.Farbe = (ersteFarbe + f * schritt) % ANZAHL(FARBEN);
        GenEan13(var.Ean, basis + static_cast<uint64_t>(var.Farbe * 20 + var.Groesse));
    }
    a->AnzahlVarianten = n;
}

void GenLieferantenfarbe(const GEN_ARTIKEL* a, int32_t variante, char* text, size_t groesse)
{
    if (variante < 0 || variante >= a->AnzahlVarianten) {
        Kopieren(text, groesse, "");
        return;
    }
    int32_t f = a->Variante[variante].Farbe;
    snprintf(text, groesse, "%s %s", FARBEN[f].Text, MUSTER[(a->Index + f) % ANZAHL(MUSTER)]);
}

void GenPricatDaten(const GEN_LIEFERANT* l, const GEN_ARTIKEL* a, int32_t v, bool mitNummern, PRICAT_DATEN* d)
{
    memset(d, 0, sizeof *d);
    if (v < 0 || v >= a->AnzahlVarianten)
        v = 0;
    const GEN_VARIANTE& var = a->Variante[v];
    char t[256];
    /* a characteristic field: "number@text" or the text alone */
    auto merkmal = [&](char* feld, size_t breite, int32_t art, int32_t i) {
        GEN_EINTRAG e = GenEintrag(art, i);
        if (mitNummern)
            snprintf(t, sizeof t, "%d@%s", i + 1, e.Text);
        else
            snprintf(t, sizeof t, "%s", e.Text);
        Feld(feld, breite, t);
    };
    Feld(d->Nachrichtentyp, sizeof d->Nachrichtentyp, "PRICAT");
    if (mitNummern)
        snprintf(t, sizeof t, "%d@%s", l->Nummer, l->KurzName);
    else
        snprintf(t, sizeof t, "%s", l->KurzName);
    Feld(d->Lieferant, sizeof d->Lieferant, t);
    Feld(d->Nachrichtenfunktion, sizeof d->Nachrichtenfunktion, a->Auslauf ? "AU" : "02");
    Feld(d->Waehrung, sizeof d->Waehrung, "EUR");
    Feld(d->LieferantenIln, sizeof d->LieferantenIln, l->Iln);
    snprintf(t, sizeof t, "P%05d%04d", l->Nummer, a->Index % 10000);
    Feld(d->Nachrichtennummer, sizeof d->Nachrichtennummer, t);
    Feld(d->Nachrichtendatum, sizeof d->Nachrichtendatum, "20250901");
    Feld(d->GueltigAb, sizeof d->GueltigAb, "20251001");
    Feld(d->Lieferantenartikelnummer, sizeof d->Lieferantenartikelnummer, a->Nummer);
    merkmal(d->Hauptgruppe, sizeof d->Hauptgruppe, 1, a->Hauptgruppe);
    Feld(d->Mengeneinheit, sizeof d->Mengeneinheit, "PCE");
    Feld(d->Ean, sizeof d->Ean, var.Ean);
    if (mitNummern)
        snprintf(t, sizeof t, "%c%d@%s", a->Auslauf ? 'A' : ' ', a->HostNummer, a->Nummer);
    else
        snprintf(t, sizeof t, "%s", a->Nummer);
    Feld(d->Artikel, sizeof d->Artikel, t);
    int32_t groesse = GenGroesse(a->Groessenlauf, var.Groesse);
    merkmal(d->Merkmal7, sizeof d->Merkmal7, 7, groesse);
    snprintf(t, sizeof t, "Gr. %s", GenEintrag(7, groesse).Text);
    Feld(d->Groessentext, sizeof d->Groessentext, t);
    merkmal(d->BleFarbe, sizeof d->BleFarbe, 6, var.Farbe);
    merkmal(d->Material, sizeof d->Material, 5, a->Material);
    Feld(d->Zusatztext, sizeof d->Zusatztext, a->Zusatztext);
    snprintf(t, sizeof t, "%s aus %s", a->Name, MATERIALIEN[a->Material].Text);
    Feld(d->Artikelbeschreibung, sizeof d->Artikelbeschreibung, t);
    snprintf(t, sizeof t, "%d", a->Ek);
    Feld(d->Preis1, sizeof d->Preis1, t);
    snprintf(t, sizeof t, "%d", a->Vk);
    Feld(d->Preis2, sizeof d->Preis2, t);
    if (a->Preis3 > 0)
        snprintf(t, sizeof t, "%d", a->Preis3);
    else
        snprintf(t, sizeof t, "%s", (a->Index % 2) ? "" : "   ");
    Feld(d->Preis3, sizeof d->Preis3, t);
    GenLieferantenfarbe(a, v, t, sizeof t);
    Feld(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe, t);
    merkmal(d->Warengruppe, sizeof d->Warengruppe, 2, a->Warengruppe);
    merkmal(d->Saison, sizeof d->Saison, 11, a->Saison);
    merkmal(d->Label, sizeof d->Label, 4, a->Label);
    merkmal(d->Serie, sizeof d->Serie, 3, a->Serie);
    snprintf(t, sizeof t, "%d", a->Mwst);
    Feld(d->MwstSatz, sizeof d->MwstSatz, t);
}

void GenLieferantenSatz(const GEN_LIEFERANT* l, LIEFERANTEN_SATZ* s)
{
    memset(s, 0, sizeof *s);
    GEN_ZUFALL z;
    GenZufallStart(&z, GenSaat(0x4C4945, static_cast<uint64_t>(l->Nummer)));
    s->Nummer = l->Nummer;
    Kopieren(s->Name, sizeof s->Name, l->Name);
    char t[256];
    snprintf(t, sizeof t, "%s %s", VORNAMEN[GenZufallBis(&z, ANZAHL(VORNAMEN))],
             NACHNAMEN[GenZufallBis(&z, ANZAHL(NACHNAMEN))]);
    Kopieren(s->Ansprechpartner, sizeof s->Ansprechpartner, t);
    snprintf(t, sizeof t, "%s %u", STRASSEN[GenZufallBis(&z, ANZAHL(STRASSEN))], 1 + GenZufallBis(&z, 120));
    Kopieren(s->Strasse, sizeof s->Strasse, t);
    Kopieren(s->Land, sizeof s->Land, "D");
    const char* const* ort = ORTE[GenZufallBis(&z, ANZAHL(ORTE))];
    Kopieren(s->Plz, sizeof s->Plz, ort[0]);
    Kopieren(s->Ort, sizeof s->Ort, ort[1]);
    uint32_t vorwahl = 200 + GenZufallBis(&z, 700);
    uint32_t anschluss = 100000 + GenZufallBis(&z, 800000);
    snprintf(t, sizeof t, "0%u %u-0", vorwahl, anschluss);
    Kopieren(s->Tel1, sizeof s->Tel1, t);
    snprintf(t, sizeof t, "0%u %u-99", vorwahl, anschluss);
    Kopieren(s->Fax1, sizeof s->Fax1, t);
    snprintf(t, sizeof t, "%s %s", VORNAMEN[GenZufallBis(&z, ANZAHL(VORNAMEN))],
             NACHNAMEN[GenZufallBis(&z, ANZAHL(NACHNAMEN))]);
    Kopieren(s->BestellAnsprechpartner, sizeof s->BestellAnsprechpartner, t);
    snprintf(t, sizeof t, "%s\r\nAuftragsannahme\r\n%s\r\n%s-%s %s\r\n", l->Name, s->Strasse, s->Land, s->Plz,
             s->Ort);
    Kopieren(s->BestellAdresse, sizeof s->BestellAdresse, t);
    snprintf(t, sizeof t, "0%u %u-20", vorwahl, anschluss);
    Kopieren(s->BestellTel, sizeof s->BestellTel, t);
    snprintf(t, sizeof t, "0%u %u-29", vorwahl, anschluss);
    Kopieren(s->BestellFax, sizeof s->BestellFax, t);
    Kopieren(s->ReklamAnsprechpartner, sizeof s->ReklamAnsprechpartner, "Reklamationsabteilung");
    snprintf(t, sizeof t, "%s\r\nRetouren\r\n%s\r\n%s-%s %s\r\n", l->Name, s->Strasse, s->Land, s->Plz, s->Ort);
    Kopieren(s->ReklamAdresse, sizeof s->ReklamAdresse, t);
    snprintf(t, sizeof t, "0%u %u-30", vorwahl, anschluss);
    Kopieren(s->ReklamTel, sizeof s->ReklamTel, t);
    s->RmaErforderlich = static_cast<int16_t>(l->Nummer % 2);
    snprintf(t, sizeof t, "RMA%05d", l->Nummer);
    Kopieren(s->FesteRmaNummer, sizeof s->FesteRmaNummer, l->Nummer % 2 ? t : "");
    s->UnfreiOk = static_cast<int16_t>(l->Nummer % 3 == 0);
    snprintf(t, sizeof t, "%u", 10000000 + GenZufallBis(&z, 89999999));
    Kopieren(s->Blz, sizeof s->Blz, t);
    snprintf(t, sizeof t, "%u", 100000000 + GenZufallBis(&z, 899999999));
    Kopieren(s->Kto, sizeof s->Kto, t);
    snprintf(t, sizeof t, "DE%09u", 100000000 + GenZufallBis(&z, 899999999));
    Kopieren(s->UstId, sizeof s->UstId, t);
    s->Frachtfrei = 25000;
    Kopieren(s->Bankname, sizeof s->Bankname, l->Nummer % 2 ? "Sparkasse" : "Volksbank");
    s->EanPruefung = 1;
    Kopieren(s->Iln[0], sizeof s->Iln[0], l->Iln);
}
