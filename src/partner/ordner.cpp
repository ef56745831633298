/*
 * ordner.cpp - the EDI import folder and its backup folder for the host.
 */
#include "partner/partner.h"
#include "entry/text.h"
#include "hostapi/fileio.h"

static void OrdnerSicherstellen(const char* ordner)
{
    if (!FileIO_PathExist(ordner) && !FileIO_PathCreate(ordner)) {
        char meldung[300];
        TextFormat(meldung, sizeof meldung, "PathCreate Error:%s", ordner);
        MessageBoxA(nullptr, meldung, "ORDANEX", MB_OK);
    }
}

void EdiImportOrdnerAnlegen(char* ordner, size_t groesse, const char* hostPfad)
{
    EdiElternordner(ordner, groesse, hostPfad);
    TextAnhaengen(ordner, groesse, "EDI_IMPORT");
    OrdnerSicherstellen(ordner);
}

extern "C" char* WINAPI EDILieferung_HoleEDI_ImportPfad(char* ordner, const char* hostPfad)
{
    if (ordner == nullptr)
        return ordner;
    EdiImportOrdnerAnlegen(ordner, 260, hostPfad);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}

extern "C" char* WINAPI EDILieferung_HoleSicherungsPfad(char* ordner, const char* hostPfad)
{
    if (ordner == nullptr)
        return ordner;
    EdiImportOrdnerAnlegen(ordner, 260, hostPfad);
    TextAnhaengen(ordner, 260, "\\SICHERUNG");
    OrdnerSicherstellen(ordner);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}
