/*
 * entry.cpp - the module's entry: attach routine, the call context and the
 * one modal dialog of each call.
 */
#include "kontext/ktoxedi.h"
#include "kontext/seitenhilfe.h"
#include "entry/hauptfenster.h"
#include "grund/text.h"
#include "ftp/ftp.h"
#include "partner/partner.h"
#include "pricat_out/exportdialog.h"
#include "seiten/seitendienst.h"
#include "resources/resource.h"
#include "hostapi/ktstorage.h"
#include "hostapi/fileio.h"
#include "hostapi/oxinifile.h"

#include <stddef.h>
#include <string.h>

HINSTANCE g_ModulInstanz;

extern "C" BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, LPVOID reserviert)
{
    (void)grund;
    (void)reserviert;
    g_ModulInstanz = instanz;
    return TRUE;
}

void KontextAusParameterFuellen(EDI_KONTEXT* k, const EDI_AUFRUFPARAMETER* p)
{
    /* The callbacks stand in the same order in both records. */
    static_assert(offsetof(EDI_AUFRUFPARAMETER, HostFunktion26) - offsetof(EDI_AUFRUFPARAMETER, HostFunktion01) ==
                      offsetof(EDI_KONTEXT, HostFunktion26) - offsetof(EDI_KONTEXT, HostFunktion01),
                  "callbacks in one block");
    memcpy(&k->HostFunktion01, &p->HostFunktion01,
           offsetof(EDI_AUFRUFPARAMETER, HostFunktion26) + sizeof p->HostFunktion26 -
               offsetof(EDI_AUFRUFPARAMETER, HostFunktion01));

    /* Texts longer than their buffers are outside the host's contract;
     * they are cut, never copied past the buffer. */
    TextKopieren(k->FtpServer, sizeof k->FtpServer, p->FtpServer);
    TextKopieren(k->FtpBenutzer, sizeof k->FtpBenutzer, p->FtpBenutzer);
    TextKopieren(k->FtpPasswort, sizeof k->FtpPasswort, p->FtpPasswort);
    TextKopieren(k->UploadBasisPfad, sizeof k->UploadBasisPfad, p->UploadBasisPfad);
    TextKopieren(k->UploadZusatz, sizeof k->UploadZusatz, p->UploadZusatz);
    TextKopieren(k->BenutzerKennung, sizeof k->BenutzerKennung, p->BenutzerKennung);

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
    /* The engine's questions go to the person even before a page is shown. */
    k->SeitenDienst = g_FensterSeitenDienst;
}

void EdiImportPfadAnlegen(EDI_KONTEXT* k)
{
    char ordner[260];
    EdiOrdnerAnlegen(ordner, sizeof ordner, (const char*)k->HostDaten + HD_HOSTVERZEICHNIS, "EDI_IMPORT", nullptr);
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
        char importOrdner[260];
        char exportOrdner[260];
        const char* host = (const char*)kontext->HostDaten + HD_HOSTVERZEICHNIS;
        EdiOrdnerPfad(importOrdner, sizeof importOrdner, host, "EDI_IMPORT", 1);
        EdiOrdnerPfad(exportOrdner, sizeof exportOrdner, host, "EDI_EXPORT", 1);
        if (FileIO_PathExist(importOrdner) && kontext->FtpServer[0] != '\0'
            && kontext->FtpBenutzer[0] != '\0' && kontext->FtpPasswort[0] != '\0') {
            INI_GetIniFilename(kontext->IniDatei);
            FtpHerunterladen(g_ModulInstanz, nullptr, kontext->IniDatei, importOrdner, exportOrdner,
                             kontext->FtpServer, kontext->FtpBenutzer, kontext->FtpPasswort);
        }
        ergebnis = DialogBoxParamA(g_ModulInstanz, MAKEINTRESOURCEA(IDD_EDI_IMPORT), nullptr,
                                   HauptfensterProc, 0);
    }

    /* Nothing may reach the block once it is given back; the dialogs of
     * the call are gone. */
    SeitenSteuerelementeVergessen();
    g_Kontext = nullptr;
    Storage_Deallocate(kontext);
    return (int32_t)ergebnis;
}
