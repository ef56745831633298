/*
 * ordner.cpp - the EDI import folder and its backup folder for the host.
 */
#include "partner/partner.h"
#include "entry/seitenhilfe.h"
#include "entry/text.h"
#include "resources/resource.h"
#include "hostapi/fileio.h"

void EdiOrdnerSicherstellen(const char* ordner, HWND besitzer)
{
    if (!FileIO_PathExist(ordner) && !FileIO_PathCreate(ordner)) {
        char format[64], meldung[400];
        StringLaden(IDS_PFAD_FEHLER, format, sizeof format);
        TextFormat(meldung, sizeof meldung, format, ordner);
        MessageBoxA(besitzer, meldung, "ORDANEX", MB_OK);
    }
}

void EdiOrdnerAnlegen(char* ordner, size_t groesse, const char* hostPfad, const char* name, HWND besitzer)
{
    EdiOrdnerPfad(ordner, groesse, hostPfad, name, 0);
    EdiOrdnerSicherstellen(ordner, besitzer);
}

extern "C" char* WINAPI EDILieferung_HoleEDI_ImportPfad(char* ordner, const char* hostPfad)
{
    if (ordner == nullptr)
        return ordner;
    EdiOrdnerAnlegen(ordner, 260, hostPfad, "EDI_IMPORT", nullptr);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}

extern "C" char* WINAPI EDILieferung_HoleSicherungsPfad(char* ordner, const char* hostPfad)
{
    if (ordner == nullptr)
        return ordner;
    EdiOrdnerAnlegen(ordner, 260, hostPfad, "EDI_IMPORT", nullptr);
    TextAnhaengen(ordner, 260, "\\SICHERUNG");
    EdiOrdnerSicherstellen(ordner, nullptr);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}
