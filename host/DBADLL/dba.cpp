/*
 * dba.cpp - the data folder and the store-wide write mode.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

using namespace dba;

OX_EXTERN_C int32_t OXCALL DBA_SetDatenPfad(const char* pfad)
{
    return Schutz(0, [&] {
        size_t n = Laenge(pfad, 241);
        if (n == 0 || n > 240) return -1;
        return SetzeDatenPfad(std::string(pfad, n)) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL DBA_GetDatenPfad(char* puffer, int32_t groesse)
{
    return Schutz(-1, [&] {
        if (!puffer || groesse < 1) return -1;
        Kopiere(puffer, static_cast<size_t>(groesse), DatenPfad().c_str());
        return 1;
    });
}

OX_EXTERN_C int32_t OXCALL DBA_SetSicheresSchreiben(int32_t sicher)
{
    bool alt = SatzDatei::Sicher();
    SatzDatei::SetSicher(sicher != 0);
    return alt ? 1 : 0;
}
