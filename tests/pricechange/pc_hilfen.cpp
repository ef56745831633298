/*
 * pc_hilfen.cpp - see pc_hilfen.h.
 */
#include "pricechange/pc_hilfen.h"
#include "etiketten.h"
#include "harness/testordner.h"
#include "hostapi/oxinifile.h"

#include <cstdlib>
#include <cstring>
#include "DBADLL/dbadll_host.h"

namespace pc {

EINZELTEIL_SATZ Teil(int32_t artikel, int32_t filiale, int32_t ek1, int32_t ek2, int32_t vk1, int32_t vk2,
                     int32_t bezeichnung, int32_t groesse, int32_t saison)
{
    EINZELTEIL_SATZ t;
    std::memset(&t, 0, sizeof t);
    t.ArtikelNummer = artikel;
    t.Filiale = filiale;
    t.Filiale2 = filiale;
    t.Ek1 = ek1;
    t.Ek2 = ek2;
    t.Vk1 = vk1;
    t.Vk2 = vk2;
    t.BezeichnungNummer = bezeichnung;
    t.Groesse = groesse;
    t.Saison = saison;
    t.MwstSatz = 2;
    t.EtikettWert = 77;
    t.EtikettWert2 = -5;
    t.Flags = EINZELTEIL_VORHANDEN;
    return t;
}

EDIAENDERUNG_SATZ Aenderung(int32_t artikel, int32_t ek1, int32_t ek2, int32_t vk1, int32_t vk2)
{
    EDIAENDERUNG_SATZ s;
    std::memset(&s, 0, sizeof s);
    s.ArtikelNummer = artikel;
    s.Ek1 = ek1;
    s.Ek2 = ek2;
    s.Vk1 = vk1;
    s.Vk2 = vk2;
    s.EtikettenArt = -1;
    return s;
}

std::vector<unsigned char> HostDaten(const std::vector<int>& filialen)
{
    std::vector<unsigned char> d(HOSTDATEN_GROESSE, 0);
    for (int f : filialen)
        d[17115 + f] = '1';
    return d;
}

static HWND g_Hostfenster;
static std::vector<std::pair<WPARAM, LPARAM>> g_Befehle;

static LRESULT CALLBACK BefehlSehen(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* m = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && m->hwnd == g_Hostfenster && m->message == WM_COMMAND)
        g_Befehle.emplace_back(m->wParam, m->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

Lager::Lager(const std::string& name, bool hauptfenster)
{
    g_ModulInstanz = GetModuleHandleA(nullptr);
    g_StandinStill = 1;
    wurzel = NeuerTestordner(name);
    Standin_Init(host, wurzel + "DATEN\\");
    if (hauptfenster) {
        host.fenster = Standin_HauptfensterAnlegen();
        g_Hostfenster = host.fenster;
        g_Befehle.clear();
        haken = SetWindowsHookExA(WH_GETMESSAGE, BefehlSehen, nullptr, GetCurrentThreadId());
    }
    Standin_Parameter(host, 1);
    kontext = static_cast<EDI_KONTEXT*>(std::calloc(1, sizeof(EDI_KONTEXT)));
    KontextAusParameterFuellen(kontext, &host.parameter);
    g_Kontext = kontext;
    INI_Init(g_ModulInstanz, 0);
}

Lager::~Lager()
{
    if (haken != nullptr)
        UnhookWindowsHookEx(haken);
    g_Hostfenster = nullptr;
    if (host.fenster != nullptr)
        DestroyWindow(host.fenster);
    g_Kontext = nullptr;
    std::free(kontext);
}

void Lager::TeilSchreiben(int32_t position, const EINZELTEIL_SATZ& teil, const std::vector<int32_t>& bezeichnung,
                          const char* text2)
{
    EINZELTEIL_SATZ t = teil;
    t.TeilNummer = position;
    DATABASE_WriteEinzelteil(position, &t);
    if (!bezeichnung.empty() && teil.BezeichnungNummer > 0) {
        BEZEICHNUNG_SATZ b;
        std::memset(&b, 0, sizeof b);
        b.ArtikelNummer = teil.ArtikelNummer;
        for (size_t i = 0; i < 8 && i < bezeichnung.size(); i++)
            b.Merkmal[i] = bezeichnung[i];
        HOSTHANDLE h = BEZLIB_OeffneDatenbank();
        BEZLIB_WriteBezeichnung(h, teil.BezeichnungNummer, &b);
        BEZLIB_SchliesseDatenbank(h);
    }
    TEILEZUSATZ_SATZ z;
    std::memset(&z, 0, sizeof z);
    std::strncpy(z.Text1, "Zusatz", sizeof z.Text1 - 1);
    std::strncpy(z.Text2, text2, sizeof z.Text2 - 1);
    TeileZusatz_Write(0, position, &z);
}

EINZELTEIL_SATZ Lager::TeilLesen(int32_t position)
{
    EINZELTEIL_SATZ t;
    DATABASE_ReadEinzelteil(position, &t);
    return t;
}

TEILEZUSATZ_SATZ Lager::ZusatzLesen(int32_t position)
{
    TEILEZUSATZ_SATZ z;
    TeileZusatz_Read(0, position, &z);
    return z;
}

void Lager::Aenderungen(const std::vector<EDIAENDERUNG_SATZ>& saetze)
{
    HOSTHANDLE h = EDI_AENDERUNG_DBA_RW_Open();
    for (const EDIAENDERUNG_SATZ& s : saetze)
        EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(h, &s);
    EDI_AENDERUNG_DBA_Close(h);
}

int32_t Lager::AnzahlAenderungen()
{
    HOSTHANDLE h = EDI_AENDERUNG_DBA_RW_Open();
    int32_t n = EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(h);
    EDI_AENDERUNG_DBA_Close(h);
    return n;
}

std::vector<std::pair<WPARAM, LPARAM>> Lager::HostBefehle()
{
    return g_Befehle;
}

std::vector<std::string> Lager::Etiketten()
{
    std::vector<std::string> zeilen;
    std::string inhalt = DateiLesen(Etiketten_DateiName(nullptr));
    size_t start = 0;
    while (start < inhalt.size()) {
        size_t ende = inhalt.find("\r\n", start);
        if (ende == std::string::npos)
            ende = inhalt.size();
        zeilen.push_back(inhalt.substr(start, ende - start));
        start = ende + 2;
    }
    return zeilen;
}

}  // namespace pc
