/*
 * saat.cpp - writes the seed inputs of the four fuzz targets into
 * <folder>/<target>/ (the corpus folder fuzz/korpus by default). Catalogue
 * lines are made with the EDI library's own writers, address lines with the
 * address writer, so the seeds reach deep into the readers.
 *
 *   saat <korpus folder>
 */
#include "hostapi/dbadll.h"
#include "hostapi/edi.h"
#include "pricat_in/adresse.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path g_wurzel;

void Schreiben(const char* ziel, const char* name, const std::string& inhalt)
{
    std::filesystem::create_directories(g_wurzel / ziel);
    std::ofstream f(g_wurzel / ziel / name, std::ios::binary);
    f << inhalt;
}

void Setzen(char* feld, size_t breite, const char* text)
{
    std::memset(feld, 0, breite);
    std::memcpy(feld, text, std::min(std::strlen(text), breite));
}
#define SETZEN(d, f, t) Setzen((d).f, sizeof (d).f, t)

std::string Kopfzeile(const char* absender, const char* partner, const char* beschreibung)
{
    EDI_KOPFSATZ k;
    std::memset(&k, 0, sizeof k);
    SETZEN(k, AbsenderIln, absender);
    SETZEN(k, PartnerIln, partner);
    SETZEN(k, Beschreibung, beschreibung);
    char zeile[EDI_AUSGABE_GROESSE];
    return EDIPRICAT_BTEPRI_SatzErstellen(zeile, &k) > 0 ? std::string(zeile) : std::string();
}

PRICAT_DATEN Datensatz(int n, const char* iln)
{
    PRICAT_DATEN d;
    std::memset(&d, 0, sizeof d);
    char text[80];
    SETZEN(d, Nachrichtentyp, "PRICAT");
    SETZEN(d, Lieferant, "12@Muster Textil");
    SETZEN(d, Nachrichtenfunktion, "02");
    SETZEN(d, LieferantenIln, iln);
    std::snprintf(text, sizeof text, "%d@Oberteile", 10 + n % 3);
    SETZEN(d, Hauptgruppe, text);
    std::snprintf(text, sizeof text, "40000000%05d", n);
    SETZEN(d, Ean, text);
    std::snprintf(text, sizeof text, "A%d@Jacke %d", 4700 + n / 4, n / 4);
    SETZEN(d, Artikel, text);
    std::snprintf(text, sizeof text, "%d", 36 + 2 * (n % 4));
    SETZEN(d, Merkmal7, text);
    SETZEN(d, BleFarbe, n % 2 ? "3@rot" : "4@blau");
    SETZEN(d, Material, "Baumwolle");
    SETZEN(d, Zusatztext, "Zusatz");
    SETZEN(d, Preis1, "1995");
    SETZEN(d, Preis2, "3995");
    SETZEN(d, Lieferantenfarbe, n % 2 ? "dunkelrot" : "marine");
    SETZEN(d, WarengruppeErsatz2, "Ersatz zwei");
    SETZEN(d, Warengruppe, n % 3 ? "Jacken" : " ");
    SETZEN(d, WarengruppeErsatz1, "Ersatz eins");
    SETZEN(d, Saison, "H24");
    SETZEN(d, Label, "Marke@Label mit einem sehr langen Namen, der ueber vierzig Zeichen geht");
    SETZEN(d, Serie, "Serie 1");
    SETZEN(d, MwstSatz, "19");
    return d;
}

std::string Zeile(const PRICAT_DATEN& d)
{
    char zeile[EDI_AUSGABE_GROESSE];
    return EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(zeile, &d, 0, nullptr) > 0 ? std::string(zeile)
                                                                                    : std::string();
}

std::string Katalog(int anzahl)
{
    std::string datei = Kopfzeile("4000000000001", "4000000000002", "Herbst");
    for (int n = 0; n < anzahl; n++)
        datei += Zeile(Datensatz(n, "4000000000001"));
    return datei;
}

void KopfSaat()
{
    Schreiben("kopf", "btepri", Kopfzeile("4000000000001", "4000000000002", "Herbstkatalog") + "#rest\r\n");
    Schreiben("kopf", "unbekannt_pricat", Kopfzeile("4000000000099", "4000000000001", "Fallback"));
    Schreiben("kopf", "token6", "BTEPRI;Katalog;x;4000000000099;y;ANDERS;7;8;9;10;4000000000001;12\r\n");
    Schreiben("kopf", "token6_pricat", "BTEPRI;Katalog;x;4000000000099;y;PRICAT;7;8;9;4000000000001;11\r\n");
    Schreiben("kopf", "lang", "BTEPRI;" + std::string(300, 'D') + ";x;" + std::string(40, '4') + "\r\n");
    Schreiben("kopf", "leer", "");
    Schreiben("kopf", "trenner", ";;;;;;\t\t\r\n\r\n;;;;;;");
    Schreiben("kopf", "pfad", "C:\\EDI_IMPORT\\katalog.inh");
    Schreiben("kopf", "pfad_pri", "c:\\edi\\x.pri.inh");
    Schreiben("kopf", "at", "12@Jacke@gross \xe4\xf6\xfc\xdf \xff");
}

void KatalogSaat()
{
    Schreiben("katalog", "roh_drei", std::string(1, '\0') + Katalog(3));
    Schreiben("katalog", "roh_zwanzig", std::string(1, '\0') + Katalog(20));
    PRICAT_DATEN zwoelf = Datensatz(1, "400000000001");
    PRICAT_DATEN vierzehn = Datensatz(2, "40000000000012");
    DESADV_KOPF k;
    DESADV_REFERENZ r;
    DESADV_POSITION p;
    std::memset(&k, 0, sizeof k);
    std::memset(&r, 0, sizeof r);
    std::memset(&p, 0, sizeof p);
    char zeile[EDI_AUSGABE_GROESSE];
    std::string desadv = EDIDESADV_PositionsSatzErstellen(zeile, &k, &r, &p) > 0 ? zeile : "";
    std::string beschaedigt = Zeile(Datensatz(5, "4000000000001"));
    beschaedigt[10] ^= 1;
    Schreiben("katalog", "roh_gemischt",
              std::string(1, '\0') + Kopfzeile("4000000000001", "4000000000002", "M") + Zeile(zwoelf) +
                  Zeile(vierzehn) + desadv + beschaedigt + Zeile(Datensatz(6, "4000000000001")) + "\r\n\r\n");
    /* descriptions: kind byte 0 (PRICAT) with field lengths, 1 DESADV, 2 raw */
    std::string b(1, '\x01');
    b += '\x04';
    for (int f = 0; f < EDI_PRICAT_FELDER; f++) {
        b += '\x24';
        b += std::string(36, f % 2 ? '@' : 'x');
    }
    b += '\x01';
    b += '\x02';
    b += '\x05';
    b += "#0000";
    Schreiben("katalog", "beschreibung", b);
}

std::string AdressZeilen(const LIEFERANTEN_SATZ& s, const char* kuerzel)
{
    char kopf[ADR_ZEILE_MAX + 1], daten[ADR_ZEILE_MAX + 1];
    AdressKopfzeileBilden(kopf, sizeof kopf);
    AdressDatenzeileBilden(&s, kuerzel, daten, sizeof daten);
    return std::string(kopf) + daten;
}

void AdresseSaat()
{
    LIEFERANTEN_SATZ s;
    std::memset(&s, 0, sizeof s);
    std::strcpy(s.Name, "Muster Textil GmbH");
    std::strcpy(s.Strasse, "Hauptstr. 5");
    std::strcpy(s.Land, "D");
    std::strcpy(s.Plz, "12345");
    std::strcpy(s.Ort, "Musterstadt");
    std::strcpy(s.BestellAdresse, "Muster\r\nPostfach 1\r\n");
    s.RmaErforderlich = 1;
    s.Frachtfrei = 250;
    std::strcpy(s.Iln[0], "4000000000005");
    std::strcpy(s.Iln[2], "400000000001");
    std::strcpy(s.Iln[3], "4000000000077");
    std::string voll = AdressZeilen(s, "12");
    Schreiben("adresse", "bekannt", std::string(1, '\0') + voll);
    Schreiben("adresse", "unbekannt", std::string(1, '\1') + voll);
    std::string tabs = voll;
    for (size_t i = tabs.find('\n') + 1; i < tabs.size(); i++)
        if (tabs[i] == ';')
            tabs[i] = '\t';
    Schreiben("adresse", "tabs", std::string(1, '\0') + tabs);
    Schreiben("adresse", "kurz", std::string(1, '\0') + "K\xfcrzel;Name;\r\n 12 ; Neu GmbH ;Hans;Weg 2~^;\r\n");
    Schreiben("adresse", "vertreter", std::string(1, '\0') + "Vertretername;Name;\r\nx;y;\r\n");
    Schreiben("adresse", "nur_kopf", std::string(1, '\0') + "K\xfcrzel;Name;\r\n");
    Schreiben("adresse", "kuerzel_leer", std::string(1, '\0') + "K\xfcrzel;Name;\r\n ;Name;\r\n");
    Schreiben("adresse", "lang",
              std::string(1, '\0') + "K\xfcrzel;\n12;" + std::string(300, 'N') + ";" + std::string(100, ' ') + "x;" +
                  std::string(2500, 'z') + ";\n");
}

std::string Feldmap(const std::string& ini, int schalter, const PRICAT_DATEN& d)
{
    return ini + std::string(1, '\0') + std::string(1, static_cast<char>(schalter)) +
           std::string(reinterpret_cast<const char*>(&d), sizeof d);
}

void FeldmapSaat()
{
    PRICAT_DATEN d = Datensatz(3, "4000000000001");
    SETZEN(d, Artikel, "a4711@jacke klein");
    SETZEN(d, Serie, "     ");
    Schreiben("feldmap", "einfach", Feldmap("[PRICAT]\nM0_1=13\nM0_1_P=1;5\nM1_1=10\n", 1, d));
    Schreiben("feldmap", "plus",
              Feldmap("[PRICAT]\r\nM3_1=28\r\nM3_1_P=1;5\r\nM3_2=9+13+10\r\nM3_2_P=1;3+2;4+5;1\r\nM6_1=16+23\r\n", 0, d));
    Schreiben("feldmap", "zwoelf_teile",
              Feldmap("[PRICAT]\nM2_1=1+2+3+4+5+6+7+8+9+10+11+12\nM2_1_P=1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1+1;1\n",
                      0, d));
    Schreiben("feldmap", "feindlich",
              Feldmap("[PRICAT]\nM4_1=65541+-3+0+31+99999999999\nM4_1_P=-5;99999999999+;+abc+2147483647;-2147483648\n"
                      "M5_1=27\nM5_1_P=999;999\nM7_1=14\nM7_1_P=;\nM11_1=26\nM11_1_P=3\nM9_1=13\nM8_1=2\nM10_1=5\n",
                      1, d));
    Schreiben("feldmap", "luecke", Feldmap("[PRICAT]\nM3_1=28\nM3_3=13\nM12_1=13\nM0_9=13\n", 0, d));
    Schreiben("feldmap", "leer", Feldmap("", 0, d));
}

} // namespace

int main(int argc, char** argv)
{
    g_wurzel = argc > 1 ? argv[1] : "korpus";
    KopfSaat();
    KatalogSaat();
    AdresseSaat();
    FeldmapSaat();
    std::printf("seeds written to %s\n", g_wurzel.string().c_str());
    return 0;
}
