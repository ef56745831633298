#include "exportlager.h"

#include "callbacks.h"
#include "harness/testordner.h"
#include "hostapi/ktstorage.h"
#include "hostapi/oxinifile.h"
#include "pricat_out/pricatexport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>
#include "DBADLL/dbadll_host.h"
#include "OXTABELLE/oxtabelle_host.h"

const char* const EIGENE_ILN = "4012345000009";

void LagerAnlegen(ExportLager& lager, const std::string& name)
{
    g_ModulInstanz = GetModuleHandleA(nullptr);
    g_StandinStill = 1;
    lager.wurzel = NeuerTestordner(name);
    lager.exportOrdner = lager.wurzel + "EDI_EXPORT\\";
    ASSERT_EQ(1, Standin_Init(lager.host, lager.wurzel + "DATEN\\"));
    INI_PutInteger("EIGNER", "GLNUMMERAKTUELL", 1);
    INI_PutString("EIGNER", "GLNNUMMER01", EIGENE_ILN);
    Standin_ExportAuswahlAlle();
    Standin_Parameter(lager.host, 0);
    lager.kontext = (EDI_KONTEXT*)Storage_Allocate((int32_t)sizeof(EDI_KONTEXT));
    ASSERT_NE(nullptr, lager.kontext);
    KontextAusParameterFuellen(lager.kontext, &lager.host.parameter);
    g_Kontext = lager.kontext;
    lager.kontext->ExportModus = 0;
    lager.kontext->AdressimportSuchen = 1;
    lager.kontext->BleExport = 1;
    lager.kontext->PflegekennzeichenBeruecksichtigen = 0;
}

void LagerFreigeben(ExportLager& lager)
{
    if (lager.kontext != nullptr) {
        Storage_Deallocate(lager.kontext->ZusatzinfoText);
        Storage_Deallocate(lager.kontext);
    }
    lager.kontext = nullptr;
    g_Kontext = nullptr;
}

static void Setzen(char* ziel, size_t groesse, const std::string& text)
{
    std::memset(ziel, 0, groesse);
    std::memcpy(ziel, text.data(), std::min(text.size(), groesse - 1));
}

int32_t MerkmalNeu(int32_t art, const std::string& code, const std::string& text)
{
    MERKMAL_SATZ satz{};
    Setzen(satz.Code, sizeof satz.Code, code);
    Setzen(satz.Text, sizeof satz.Text, text);
    int32_t nummer = MMLIB_MerkmalAnlegen(art, &satz);
    EXPECT_GT(nummer, 0) << "kind " << art << " code " << code;
    return nummer;
}

int32_t LieferantNeu(const std::string& code, const std::string& name, const std::string& iln,
                     const LIEFERANTEN_SATZ* satz)
{
    int32_t nummer = MerkmalNeu(8, code, name);
    LIEFERANTEN_SATZ s{};
    if (satz != nullptr)
        s = *satz;
    if (s.Name[0] == '\0')
        Setzen(s.Name, sizeof s.Name, name);
    if (!iln.empty())
        Setzen(s.Iln[0], sizeof s.Iln[0], iln);
    EXPECT_EQ(1, LieferantenDBA_SchreibeRecord(nummer, &s));
    return nummer;
}

int32_t ArtikelNeu(const ArtikelDaten& d)
{
    MERKMAL_SATZ lieferant{};
    EXPECT_EQ(1, MMLIB_LeseMerkmal(8, d.lieferant, &lieferant));
    int32_t nummer = MerkmalNeu(0, Feld(lieferant.Code, sizeof lieferant.Code), d.nummerText);
    ARTIKEL_SATZ a{};
    a.LieferantNummer = d.lieferant;
    a.Ek1 = d.ek1;
    a.Vk1 = d.vk1;
    a.Ek2 = d.ek2;
    a.Vk2 = d.vk2;
    a.MwstSatz = d.mwst;
    a.Pflegekennzeichen = d.pflege;
    a.SerienNummer = d.serie;
    a.Kennzeichen = d.kennzeichen;
    Setzen(a.Zusatztext, sizeof a.Zusatztext, d.zusatztext);
    Setzen(a.Text, sizeof a.Text, "Langtext " + d.nummerText);
    std::memcpy(a.Codes[ArtikelCodeIndex(8)], lieferant.Code, OX_TXT_CODE);
    for (const auto& [art, code] : d.codes)
        Setzen(a.Codes[ArtikelCodeIndex(art)], OX_TXT_CODE, code);
    EXPECT_EQ(1, ARTLIB_SchreibeArtikel(nummer, &a));
    return nummer;
}

void TabelleSpeichern(int32_t besitzer, int32_t nummer, const Achse& senkrecht, const Achse& waagrecht)
{
    static OXTABELLE t;
    TAB_ClearTabelle(&t, 0);
    t.Kopf = TAB_KOPF_LEER;
    t.ArtikelNummer = nummer;
    t.MerkmalSenkrecht = senkrecht.art;
    t.MerkmalWaagrecht = waagrecht.art;
    for (size_t i = 0; i < senkrecht.nummern.size(); ++i) {
        TAB_SetMerkmalCR(&t, 1, (int32_t)i, senkrecht.nummern[i]);
        if (i < senkrecht.preise.size())
            TAB_SetPreiseToRow(&t, (int32_t)i, &senkrecht.preise[i]);
        if (i < senkrecht.farbtexte.size())
            TAB_SetWaagrechtFarbText(&t, (int32_t)i, senkrecht.farbtexte[i].c_str());
    }
    for (size_t i = 0; i < waagrecht.nummern.size(); ++i) {
        TAB_SetMerkmalCR(&t, 0, (int32_t)i, waagrecht.nummern[i]);
        if (i < waagrecht.farbtexte.size())
            TAB_SetWaagrechtFarbText(&t, (int32_t)i, waagrecht.farbtexte[i].c_str());
    }
    ASSERT_EQ(1, TAB_SchreibeTabelle(besitzer, nummer, &t));
}

namespace {
struct EanQuelle {
    std::vector<EANARTIKEL_SATZ> saetze;
    size_t naechster = 0;
};
const EANARTIKEL_SATZ* OXCALL EanNaechster(void* liste)
{
    EanQuelle* q = static_cast<EanQuelle*>(liste);
    return q->naechster < q->saetze.size() ? &q->saetze[q->naechster++] : nullptr;
}
} // namespace

void EansSpeichern(int32_t artikel, const std::vector<EanEintrag>& eintraege)
{
    EanQuelle q;
    for (const EanEintrag& e : eintraege) {
        EANARTIKEL_SATZ s{};
        s.ArtikelNummer = artikel;
        for (const auto& [art, code] : e.codes)
            Setzen(s.Merkmal[art], OX_TXT_CODE, code);
        Setzen(s.Ean, sizeof s.Ean, e.ean);
        q.saetze.push_back(s);
    }
    ASSERT_EQ((int32_t)q.saetze.size(), EANARTIKEL_SaveArtikelEANs_EX(artikel, &q, EanNaechster));
}

std::string Ean13(const std::string& zwoelf)
{
    int summe = 0;
    for (size_t i = 0; i < 12; ++i)
        summe += (zwoelf[i] - '0') * (i % 2 ? 3 : 1);
    return zwoelf + char('0' + (10 - summe % 10) % 10);
}

std::string Feld(const char* feld, size_t breite)
{
    size_t n = 0;
    while (n < breite && feld[n] != '\0')
        ++n;
    return std::string(feld, n);
}

std::vector<PRICAT_DATEN> KatalogLesen(const std::string& pfad, int* kopfzeilen, std::string* kopf)
{
    std::vector<PRICAT_DATEN> saetze;
    if (kopfzeilen)
        *kopfzeilen = 0;
    HOSTHANDLE h = EDIGlobal_OpenROS_INH_Datei(pfad.c_str());
    if (h == 0)
        return saetze;
    static char zeile[EDI_SATZ_GROESSE];
    int32_t satzart = 0, nachricht = 0, zusatz = 0;
    while (EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz(h, zeile, sizeof zeile, &satzart, &nachricht, &zusatz,
                                                        nullptr) == 1) {
        if (satzart == EDI_SATZART_KOPFZEILE) {
            if (kopfzeilen)
                ++*kopfzeilen;
            if (kopf && kopf->empty())
                *kopf = zeile;
            continue;
        }
        PRICAT_DATEN d;
        if (satzart == EDI_SATZART_PRICAT && EDIPRICAT_VerarbeitePRICAT_Satz(zeile, nachricht, nullptr, &d) == 1)
            saetze.push_back(d);
    }
    EDIGLOBAL_Schliesse_INH_InputDatei(h);
    return saetze;
}

int32_t ExportLaufen(ExportLager& lager, const char* lieferant, const char* erweiterung, const char* info,
                     std::vector<MessageBoxInfo>* boxen)
{
    (void)lager;
    std::atomic<bool> fertig{false};
    std::vector<MessageBoxInfo> gesehen;
    INT_PTR r = RunWithPerson(
        [&]() -> INT_PTR {
            int32_t e = PricatExportieren(nullptr, lieferant, erweiterung, info);
            fertig = true;
            return e;
        },
        [&](Person& p) {
            while (!fertig.load()) {
                MessageBoxInfo box;
                if (p.MessageBoxAppears(20, &box)) {
                    gesehen.push_back(box);
                    p.Answer(box, IDOK);
                }
            }
        },
        120000);
    if (boxen != nullptr)
        *boxen = gesehen;
    else
        EXPECT_TRUE(gesehen.empty()) << "unexpected message: " << (gesehen.empty() ? "" : gesehen[0].text);
    return (int32_t)r;
}

std::vector<std::string> Dateien(const std::string& ordner)
{
    std::vector<std::string> namen;
    WIN32_FIND_DATAA fund;
    HANDLE h = FindFirstFileA((ordner + "*").c_str(), &fund);
    if (h == INVALID_HANDLE_VALUE)
        return namen;
    do {
        if (!(fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            namen.push_back(fund.cFileName);
    } while (FindNextFileA(h, &fund));
    FindClose(h);
    std::sort(namen.begin(), namen.end());
    return namen;
}

DemoLager DemoLagerErzeugen(int lieferanten, int artikel, int groessen, int farben, unsigned saat)
{
    std::mt19937 zufall(saat);
    DemoLager demo;
    static const char* const namen[] = { "M\xfcller Textil", "B\xe4r & S\xf6hne GmbH", "Stra\xdf" "enmode KG",
                                         "\xd6ko Wear", "Schuh.Haus Nord" };
    static const char* const farbnamen[] = { "schwarz", "wei\xdf", "rot", "gr\xfcn", "blau", "gelb", "grau",
                                             "braun" };
    /* Shared characteristics. */
    std::vector<int32_t> groesse, farbe;
    std::vector<std::string> groesseCode, farbeCode;
    for (int g = 0; g < groessen; ++g) {
        groesseCode.push_back(std::to_string(34 + 2 * g));
        groesse.push_back(MerkmalNeu(7, groesseCode.back(), "Gr\xf6\xdf" "e " + groesseCode.back()));
    }
    for (int f = 0; f < farben; ++f) {
        char code[8];
        snprintf(code, sizeof code, "F%02d", f);
        farbeCode.push_back(code);
        farbe.push_back(MerkmalNeu(6, code, std::string(farbnamen[f % 8]) + (f >= 8 ? " " + std::to_string(f) : "")));
    }
    std::map<int32_t, std::vector<std::string>> codes;   /* kind -> codes */
    for (int32_t art : { 1, 2, 3, 4, 5, 11 }) {
        for (int i = 0; i < 3; ++i) {
            std::string code = std::string(1, "HWSLMZ"[art == 11 ? 5 : art - 1]) + std::to_string(i + 1);
            MerkmalNeu(art, code, "Merkmal " + std::to_string(art) + "/" + std::to_string(i + 1) + " \xe4\xf6\xfc");
            codes[art].push_back(code);
        }
    }
    for (int l = 0; l < lieferanten; ++l) {
        char code[8];
        snprintf(code, sizeof code, "%04d", l + 1);
        LIEFERANTEN_SATZ s{};
        std::string name = namen[l % 5];
        Setzen(s.Ansprechpartner, sizeof s.Ansprechpartner, "Frau J\xfcrgens");
        Setzen(s.Strasse, sizeof s.Strasse, "Hauptstra\xdf" "e " + std::to_string(l + 1));
        Setzen(s.Land, sizeof s.Land, "D");
        Setzen(s.Plz, sizeof s.Plz, std::to_string(48000 + l));
        Setzen(s.Ort, sizeof s.Ort, "M\xfcnster");
        Setzen(s.Tel1, sizeof s.Tel1, "0251 12345");
        Setzen(s.Tel2, sizeof s.Tel2, "0251 12346");
        Setzen(s.Fax1, sizeof s.Fax1, "0251 12347");
        Setzen(s.Fax2, sizeof s.Fax2, "0251 12348");
        Setzen(s.BestellAnsprechpartner, sizeof s.BestellAnsprechpartner, "Herr \xd6zdemir");
        Setzen(s.BestellAdresse, sizeof s.BestellAdresse, name + "\r\nBestellannahme\r\nPostfach 12\r\n48001 M\xfcnster");
        Setzen(s.BestellTel, sizeof s.BestellTel, "0251 2000");
        Setzen(s.BestellFax, sizeof s.BestellFax, "0251 2001");
        Setzen(s.ReklamAnsprechpartner, sizeof s.ReklamAnsprechpartner, "Frau Gro\xdf");
        Setzen(s.ReklamAdresse, sizeof s.ReklamAdresse, name + "\r\nReklamationen\nLager S\xfc" "d");
        Setzen(s.ReklamTel, sizeof s.ReklamTel, "0251 3000");
        Setzen(s.ReklamFax, sizeof s.ReklamFax, "0251 3001");
        s.RmaErforderlich = (int16_t)(l % 2);
        Setzen(s.FesteRmaNummer, sizeof s.FesteRmaNummer, "RMA-" + std::to_string(l));
        s.UnfreiOk = (int16_t)((l + 1) % 2);
        Setzen(s.Blz, sizeof s.Blz, "40050150");
        Setzen(s.Kto, sizeof s.Kto, "12345" + std::to_string(l));
        Setzen(s.UstId, sizeof s.UstId, "DE12345678" + std::to_string(l));
        s.Frachtfrei = 500;
        Setzen(s.Bankname, sizeof s.Bankname, "Sparkasse M\xfcnsterland");
        s.UstFrei = 0;
        for (int i = 1; i < DBA_ILN_SLOTS; ++i)
            Setzen(s.Iln[i], sizeof s.Iln[i], Ean13("40" + std::to_string(1000000000 + l * 100 + i)));
        std::string iln = Ean13("40" + std::to_string(1000000000 + l * 100));
        int32_t nummer = LieferantNeu(code, name + (l >= 5 ? " " + std::to_string(l) : ""), iln, &s);
        demo.lieferanten.push_back(nummer);
        demo.artikel.emplace_back();
        for (int a = 0; a < artikel; ++a) {
            ArtikelDaten d;
            d.lieferant = nummer;
            d.nummerText = std::to_string(1000 + a);
            d.kennzeichen = "ABN "[a % 4];
            d.ek1 = 1000 + (int32_t)(zufall() % 9000);
            d.vk1 = d.ek1 * 2;
            d.ek2 = d.ek1;
            d.vk2 = d.vk1 - 100;
            d.mwst = (int16_t)(a % 3 == 0 ? 1 : 2);
            d.zusatztext = "Zusatz " + std::to_string(a);
            for (int32_t art : { 1, 2, 3, 4, 5, 11 })
                d.codes[art] = codes[art][zufall() % 3];
            int32_t nr = ArtikelNeu(d);
            demo.artikel.back().push_back(nr);
            Achse s1, w1;
            s1.art = 7;
            w1.art = 6;
            std::vector<EanEintrag> eans;
            for (int g = 0; g < groessen; ++g) {
                s1.nummern.push_back(groesse[g]);
                TAB_PREISE p{};
                p.Ek1 = d.ek1 + g * 100;
                p.Ek2 = p.Ek1;
                p.Vk1 = d.vk1 + g * 200;
                p.Vk2 = p.Vk1 - 50;
                s1.preise.push_back(p);
            }
            for (int f = 0; f < farben; ++f) {
                w1.nummern.push_back(farbe[f]);
                w1.farbtexte.push_back("Lief.farbe " + std::to_string(f) + " \xfc");
            }
            for (int g = 0; g < groessen; ++g) {
                for (int f = 0; f < farben; ++f) {
                    EanEintrag e;
                    e.codes[7] = groesseCode[g];
                    e.codes[6] = farbeCode[f];
                    char zwoelf[16];
                    snprintf(zwoelf, sizeof zwoelf, "4%02d%05d%02d%02d", l % 100, nr % 100000, g, f);
                    e.ean = Ean13(zwoelf);
                    eans.push_back(e);
                }
            }
            TabelleSpeichern(TAB_BESITZER_ARTIKEL, nr, s1, w1);
            EansSpeichern(nr, eans);
        }
    }
    return demo;
}
