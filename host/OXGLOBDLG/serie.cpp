/*
 * serie.cpp - the series of an article.
 *
 * An article names its series by the series characteristic number in its
 * record (kind 3). The series counts as determined when that number is 0
 * (no series) or names a stored series characteristic.
 */
#include "hostapi/oxglobdlg.h"
#include "hostapi/dbadll.h"

OX_EXTERN_C int32_t OXCALL OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(const ARTIKEL_SATZ* artikel,
                                                                             int32_t* fehler)
{
    int32_t nummer = 0;
    int32_t gefunden = 0;
    if (artikel != nullptr) {
        nummer = artikel->SerienNummer > 0 ? artikel->SerienNummer : 0;
        if (nummer == 0) {
            gefunden = 1;
        } else {
            MERKMAL_SATZ satz;
            gefunden = MMLIB_LeseMerkmal(3, nummer, &satz) == 1;
        }
    }
    if (fehler != nullptr)
        *fehler = gefunden ? 0 : 1;
    return gefunden ? nummer : 0;
}
