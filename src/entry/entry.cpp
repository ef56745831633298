/*
 * entry.cpp - the module's entry: attach routine, the call context and the
 * one modal dialog of each call.
 */
#include "entry/ktoxedi.h"
#include "entry/hauptfenster.h"
#include "entry/text.h"
#include "ftp/ftp.h"
#include "pricat_out/exportdialog.h"
#include "resources/resource.h"
#include "hostapi/ktstorage.h"
#include "hostapi/fileio.h"
#include "hostapi/oxinifile.h"

#include <string.h>

EDI_KONTEXT* g_Kontext;
HINSTANCE g_ModulInstanz;

extern "C" BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, LPVOID reserviert)
{
    (void)grund;
    (void)reserviert;
    g_ModulInstanz = instanz;
    return TRUE;
}

int AuswahlEintragGewaehlt(void)
{
    if (g_Kontext == nullptr)
        return 0;
    KATALOGDATEI_EINTRAG* eintrag = g_Kontext->AuswahlEintrag;
    return (eintrag != nullptr && eintrag != (KATALOGDATEI_EINTRAG*)-1) ? 1 : 0;
}

int32_t HostDatenInt(int offset)
{
    int32_t wert = 0;
    if (g_Kontext != nullptr && offset >= 0 && offset + 4 <= HOSTDATEN_GROESSE)
        memcpy(&wert, g_Kontext->HostDaten + offset, sizeof wert);
    return wert;
}

const char* HostDatenText(int offset)
{
    if (g_Kontext == nullptr || offset < 0 || offset >= HOSTDATEN_GROESSE)
        return "";
    return (const char*)g_Kontext->HostDaten + offset;
}

void KontextAusParameterFuellen(EDI_KONTEXT* k, const EDI_AUFRUFPARAMETER* p)
{
    k->HostFunktion01 = p->HostFunktion01;
    k->HostFunktion02 = p->HostFunktion02;
    k->HostFunktion03 = p->HostFunktion03;
    k->HostFunktion04 = p->HostFunktion04;
    k->HostFunktion05 = p->HostFunktion05;
    k->HostFunktion06 = p->HostFunktion06;
    k->HostFunktion07 = p->HostFunktion07;
    k->HostFunktion08 = p->HostFunktion08;
    k->HostFunktion09 = p->HostFunktion09;
    k->HostFunktion10 = p->HostFunktion10;
    k->HostFunktion11 = p->HostFunktion11;

    /* Texts longer than their buffers are outside the host's contract;
     * they are cut, never copied past the buffer. */
    TextKopieren(k->FtpServer, sizeof k->FtpServer, p->FtpServer);
    TextKopieren(k->FtpBenutzer, sizeof k->FtpBenutzer, p->FtpBenutzer);
    TextKopieren(k->FtpPasswort, sizeof k->FtpPasswort, p->FtpPasswort);
    TextKopieren(k->UploadBasisPfad, sizeof k->UploadBasisPfad, p->UploadBasisPfad);
    TextKopieren(k->UploadZusatz, sizeof k->UploadZusatz, p->UploadZusatz);
    TextKopieren(k->BenutzerKennung, sizeof k->BenutzerKennung, p->BenutzerKennung);

    k->HostFunktion12 = p->HostFunktion12;
    k->HostFunktion13 = p->HostFunktion13;
    k->HostFunktion14 = p->HostFunktion14;
    k->HostFunktion15 = p->HostFunktion15;
    k->HostFunktion16 = p->HostFunktion16;
    k->HostFunktion17 = p->HostFunktion17;
    k->HostFunktion18 = p->HostFunktion18;
    k->HostFunktion19 = p->HostFunktion19;
    k->HostFunktion20 = p->HostFunktion20;
    k->HostFunktion21 = p->HostFunktion21;
    k->HostFunktion22 = p->HostFunktion22;
    k->HostFunktion23 = p->HostFunktion23;
    k->HostFunktion24 = p->HostFunktion24;
    k->HostFunktion25 = p->HostFunktion25;
    k->HostFunktion26 = p->HostFunktion26;

    if (p->HostDaten != nullptr)
        memcpy(k->HostDaten, p->HostDaten, HOSTDATEN_GROESSE);
    /* The path field is the host's; make sure it ends inside the copy. */
    k->HostDaten[HOSTDATEN_GROESSE - 1] = '\0';

    k->AuswahlIndex = -1;
    k->AuswahlEintrag = (KATALOGDATEI_EINTRAG*)-1;

    TextKopieren(k->IniSektionEdi, sizeof k->IniSektionEdi, "EDIIMPORTER");
    TextKopieren(k->IniKeyAdressimportSuchen, 32, "adressimportsuchen");
    TextKopieren(k->IniKeyBleExport, 32, "bleexport");
    TextKopieren(k->IniKeyInSicherungsordnerVerschieben, 32, "insicherungsordnerverschieben");
    TextKopieren(k->IniKeyStopBeiArtikelwechsel, 32, "stopbeiartikelwechsel");
    TextKopieren(k->IniKeyStopBeiArtikelvariation, 32, "stopbeiartikelvariation");
    TextKopieren(k->IniKeyExternAutomapping, 32, "externautomapping");
    TextKopieren(k->IniKeyPreisanpassungEk1, 32, "preisanpassung_ek1");
    TextKopieren(k->IniKeyPreisanpassungEk2, 32, "preisanpassung_ek2");
    TextKopieren(k->IniKeyPreisanpassungVk1, 32, "preisanpassung_vk1");
    TextKopieren(k->IniKeyPreisanpassungVk2, 32, "preisanpassung_vk2");

    k->HostFenster = p->HostFenster;
}

void EdiImportPfadAnlegen(EDI_KONTEXT* k)
{
    char ordner[260];
    EdiElternordner(ordner, sizeof ordner, (const char*)k->HostDaten + HD_HOSTVERZEICHNIS);
    TextAnhaengen(ordner, sizeof ordner, "EDI_IMPORT");
    if (!FileIO_PathExist(ordner) && !FileIO_PathCreate(ordner)) {
        char meldung[300];
        TextFormat(meldung, sizeof meldung, "PathCreate Error:%s", ordner);
        MessageBoxA(nullptr, meldung, "ORDANEX", MB_OK);
    }
    TextAnhaengen(ordner, sizeof ordner, "\\");
    TextKopieren(k->EdiImportPfad, sizeof k->EdiImportPfad, ordner);
}

extern "C" int32_t WINAPI KTOXEDI_Bearbeiten(EDI_AUFRUFPARAMETER* parameter)
{
    if (parameter == nullptr)
        return 0;
    EDI_KONTEXT* kontext = (EDI_KONTEXT*)Storage_Allocate((int32_t)sizeof(EDI_KONTEXT));
    if (kontext == nullptr)
        return 0;
    g_Kontext = kontext;

    KontextAusParameterFuellen(kontext, parameter);
    EdiImportPfadAnlegen(kontext);

    INT_PTR ergebnis;
    if (parameter->Modus != 1) {
        kontext->ExportModus = 0;
        ergebnis = DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EXPORT), nullptr,
                                   ExportDialogProc, 0);
    } else {
        char eltern[260];
        char importOrdner[260];
        char exportOrdner[260];
        EdiElternordner(eltern, sizeof eltern, (const char*)kontext->HostDaten + HD_HOSTVERZEICHNIS);
        TextFormat(importOrdner, sizeof importOrdner, "%sEDI_IMPORT\\", eltern);
        TextFormat(exportOrdner, sizeof exportOrdner, "%sEDI_EXPORT\\", eltern);
        if (FileIO_PathExist(importOrdner) && kontext->FtpServer[0] != '\0'
            && kontext->FtpBenutzer[0] != '\0' && kontext->FtpPasswort[0] != '\0') {
            INI_GetIniFilename(kontext->IniDatei);
            FtpHerunterladen(g_ModulInstanz, nullptr, kontext->IniDatei, importOrdner, exportOrdner,
                             kontext->FtpServer, kontext->FtpBenutzer, kontext->FtpPasswort);
        }
        ergebnis = DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EDI_IMPORT), nullptr,
                                   HauptfensterProc, 0);
    }

    /* Nothing may reach the block once it is given back. */
    g_Kontext = nullptr;
    Storage_Deallocate(kontext);
    return (int32_t)ergebnis;
}
