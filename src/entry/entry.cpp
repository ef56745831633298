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
    /* The engine's questions go to the person even before a page is shown. */
    kontext->SeitenDienst = g_FensterSeitenDienst;
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
