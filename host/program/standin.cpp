/*
 * standin.cpp - host data folder, host data block and parameter block of
 * the stand-in host.
 */
#include "standin.h"
#include "callbacks.h"
#include "hostapi/fileio.h"
#include "OXINIFILE/oxinifile_host.h"
#include "DBADLL/dbadll_host.h"

#include <string.h>

void Standin_HostDatenInt(StandinHost& host, int offset, int32_t wert)
{
    if (offset >= 0 && offset + 4 <= (int)host.hostDaten.size())
        memcpy(host.hostDaten.data() + offset, &wert, sizeof wert);
}

void Standin_HostDatenText(StandinHost& host, int offset, const std::string& text, int max)
{
    if (offset < 0 || max <= 0 || offset + max > (int)host.hostDaten.size())
        return;
    size_t n = text.size() < (size_t)(max - 1) ? text.size() : (size_t)(max - 1);
    memset(host.hostDaten.data() + offset, 0, max);
    memcpy(host.hostDaten.data() + offset, text.data(), n);
}

int Standin_Init(StandinHost& host, const std::string& datenOrdner)
{
    host.datenOrdner = datenOrdner;
    if (host.datenOrdner.empty() || host.datenOrdner.back() != '\\')
        host.datenOrdner += '\\';
    if (!FileIO_PathExist(host.datenOrdner.c_str()) && !FileIO_PathCreate(host.datenOrdner.c_str()))
        return 0;
    host.iniDatei = host.datenOrdner + "ORDANEX.INI";
    INI_SetIniFilename(host.iniDatei.c_str());
    DBA_SetDatenPfad(host.datenOrdner.c_str());

    host.hostDaten.assign(HOSTDATEN_GROESSE, 0);
    Standin_HostDatenText(host, HD_HOSTVERZEICHNIS, host.datenOrdner, 260);
    Standin_HostDatenText(host, HD_DRUCKTITEL, "ORDANEX Preis\xe4nderungsliste", 64);
    Standin_HostDatenInt(host, HD_CODES_GROSS, 1);
    /* Labels are made for branch 1. */
    host.hostDaten[HD_ETIKETT_FILIALEN] = '1';
    /* The host's names of the characteristic kinds (32 bytes each, by
     * kind number) and its preset table kinds: colours down, sizes across. */
    static const char* const artNamen[12] = { "Artikel", "Hauptgruppe", "Warengruppe", "Serie", "Label",
                                              "Material", "Farbe", "Gr\xf6\xdf" "e", "Lieferant", "Filiale", "",
                                              "Saison" };
    for (int art = 0; art < 12; art++)
        Standin_HostDatenText(host, HD_TEXTTABELLE + 32 * art, artNamen[art], 32);
    Standin_HostDatenInt(host, HD_ANZEIGE_WERT1, 6);
    Standin_HostDatenInt(host, HD_ANZEIGE_WERT2, 7);
    return 1;
}

void Standin_Parameter(StandinHost& host, int modus)
{
    EDI_AUFRUFPARAMETER& p = host.parameter;
    memset(&p, 0, sizeof p);
    p.HostFenster = host.fenster;
#if defined(_WIN32)
    p.HostFunktion01 = Host01;
#endif
    p.HostFunktion02 = Host02;
    p.HostFunktion03 = Host03;
    p.HostFunktion04 = Host04;
    p.HostFunktion05 = Host05;
    p.HostFunktion06 = Host06;
    p.HostFunktion07 = Host07;
    p.HostFunktion08 = Host08;
    p.HostFunktion09 = Host09;
    p.HostFunktion10 = Host10;
    p.HostFunktion11 = Host11;
    p.HostFunktion14 = Host14;
    p.HostFunktion15 = Host15;
    p.HostFunktion16 = Host16;
    p.HostFunktion17 = Host17;
    p.HostFunktion18 = Host18;
    p.HostFunktion20 = Host20;
#if defined(_WIN32)
    /* The callbacks that show a window; off Windows (the native build) the
     * stand-in has none, and the module does without them. */
    p.HostFunktion12 = Host12;
    p.HostFunktion13 = Host13;
    p.HostFunktion19 = Host19;
    p.HostFunktion21 = Host21;
    p.HostFunktion22 = Host22;
    p.HostFunktion23 = Host23;
    p.HostFunktion24 = Host24;
    p.HostFunktion25 = Host25;
    p.HostFunktion26 = Host26;
#endif
    p.HostDaten = host.hostDaten.data();
    p.Modus = modus;
    p.FtpServer = host.ftpServer.c_str();
    p.FtpBenutzer = host.ftpBenutzer.c_str();
    p.FtpPasswort = host.ftpPasswort.c_str();
    p.UploadBasisPfad = host.uploadBasisPfad.c_str();
    p.UploadZusatz = host.uploadZusatz.c_str();
    p.BenutzerKennung = host.benutzerKennung.c_str();
}

#if defined(_WIN32)
HMODULE Standin_ModulLaden(void)
{
    HMODULE modul = GetModuleHandleA("KTOXEDI.DLL");
    if (modul == nullptr)
        modul = LoadLibraryA("KTOXEDI.DLL");
    return modul;
}

int32_t Standin_Bearbeiten(StandinHost& host)
{
    HMODULE modul = Standin_ModulLaden();
    if (modul == nullptr)
        return -2;
    KTOXEDI_BEARBEITEN bearbeiten = (KTOXEDI_BEARBEITEN)(void*)GetProcAddress(modul, "KTOXEDI_Bearbeiten");
    if (bearbeiten == nullptr)
        return -2;
    return bearbeiten(&host.parameter);
}
#endif
