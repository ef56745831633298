/*
 * ordner.cpp - the EDI import folder and its backup folder for the host.
 */
#include "partner/partner.h"
#include "entry/text.h"
#include "hostapi/fileio.h"

/* Makes sure folder `ordner` exists; `ganz` 0 says its name was cut to
 * fit (it is then not made: a cut name would be another folder). A folder
 * that is missing and cannot be made - an invalid or overlong name too -
 * gets the "PathCreate Error" box. */
static void OrdnerSicherstellen(const char* ordner, int ganz)
{
    if (!ganz || (FileIO_PathExist(ordner) != 1 && FileIO_PathCreate(ordner) != 1)) {
        char meldung[300];
        TextFormat(meldung, sizeof meldung, "PathCreate Error:%s", ordner);
        MessageBoxA(nullptr, meldung, "ORDANEX", MB_OK);
    }
}

void EdiImportOrdnerAnlegen(char* ordner, size_t groesse, const char* hostPfad)
{
    EdiElternordner(ordner, groesse, hostPfad);
    OrdnerSicherstellen(ordner, TextAnhaengen(ordner, groesse, "EDI_IMPORT") == 1);
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
    OrdnerSicherstellen(ordner, TextAnhaengen(ordner, 260, "\\SICHERUNG") == 1);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}
