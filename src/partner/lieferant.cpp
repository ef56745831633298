/*
 * lieferant.cpp - the supplier whose master record lists a GLN.
 */
#include "partner/partner.h"
#include "hostapi/dbadll.h"

#include <string.h>

extern "C" int32_t WINAPI EDI_ErmittleLieferant(const char* gln)
{
    HCURSOR vorher = SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_WAIT));
    int32_t ergebnis = 0;
    if (gln != nullptr && strlen(gln) == 13) {
        HOSTHANDLE handle = LieferantenDBA_OpenDBA();
        if (handle != 0 && handle != -1) {
            LIEFERANTEN_SATZ satz;
            for (int32_t nummer = 1; nummer <= 1000 && ergebnis == 0; nummer++) {
                memset(&satz, 0, sizeof satz);
                if (LieferantenDBA_ReadRecord(handle, nummer, &satz) != 1)
                    continue;
                for (int slot = 0; slot < DBA_ILN_SLOTS; slot++) {
                    if (strncmp(satz.Iln[slot], gln, sizeof satz.Iln[slot]) == 0) {
                        ergebnis = nummer;
                        break;
                    }
                }
            }
            LieferantenDBA_CloseDBA(handle);
        }
    }
    SetCursor(vorher);
    return ergebnis;
}
