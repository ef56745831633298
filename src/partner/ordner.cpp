/*
 * ordner.cpp - the EDI import folder and its backup folder for the host.
 */
#include "partner/partner.h"
#include "grund/anzeige.h"
#include "kontext/stringtabelle.h"
#include "grund/text.h"
#include "resources/resource.h"
#include "hostapi/fileio.h"

#include <string.h>

static void OrdnerMelden(const char* ordner, HWND besitzer)
{
    char format[64], meldung[400];
    StringLaden(IDS_PFAD_FEHLER, format, sizeof format);
    TextFormat(meldung, sizeof meldung, format, ordner);
    AnzeigeMeldung(besitzer, "ORDANEX", meldung, 0);
}

void EdiOrdnerSicherstellen(const char* ordner, HWND besitzer)
{
    /* An invalid or overlong name (-1) cannot be made either. */
    if (FileIO_PathExist(ordner) != 1 && FileIO_PathCreate(ordner) != 1)
        OrdnerMelden(ordner, besitzer);
}

/* `ordner` ends in `name`: the name was not cut to fit its buffer. */
static int Ganz(const char* ordner, const char* name)
{
    size_t n = strlen(ordner), m = strlen(name);
    return n >= m && strcmp(ordner + n - m, name) == 0;
}

void EdiOrdnerAnlegen(char* ordner, size_t groesse, const char* hostPfad, const char* name, HWND besitzer)
{
    EdiOrdnerPfad(ordner, groesse, hostPfad, name, 0);
    /* A cut name would be another folder: it is reported, not made. */
    if (Ganz(ordner, name))
        EdiOrdnerSicherstellen(ordner, besitzer);
    else
        OrdnerMelden(ordner, besitzer);
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
    if (TextAnhaengen(ordner, 260, "\\SICHERUNG") == 1)
        EdiOrdnerSicherstellen(ordner, nullptr);
    else
        OrdnerMelden(ordner, nullptr);
    TextAnhaengen(ordner, 260, "\\");
    return ordner;
}
