/*
 * aenderung.cpp - EDI_AENDERUNG_DBA_: the EDI change store EDIAEND.DBA, a
 * plain sequence of 155-byte change records. Emptying it drops every slot
 * (a new epoch, so every handle starts over).
 */
#include "hostapi/dbadll.h"
#include "familie.h"

#include <cstdlib>

using namespace dba;

namespace {

class AenderungBestand : public Bestand {};

std::shared_ptr<AenderungBestand> Store()
{
    return Implizit<AenderungBestand>("EDIAEND.DBA", sizeof(EDIAENDERUNG_SATZ));
}

std::shared_ptr<AenderungBestand> AusHandle(HOSTHANDLE h)
{
    return std::static_pointer_cast<AenderungBestand>(HandleBestand(h, HandleArt::Aenderung));
}

bool Passt(const EDIAENDERUNG_SATZ& satz, const EDIAENDERUNG_SATZ& schluessel, bool mitSaison)
{
    if (satz.ArtikelNummer == 0 || satz.ArtikelNummer != schluessel.ArtikelNummer) return false;
    for (int art = 1; art <= 11; ++art) {
        if (art == 9 || art == 10 || (art == 11 && !mitSaison)) continue;
        int32_t soll = satz.Merkmal[art - 1];
        if (soll != 0 && soll != schluessel.Merkmal[art - 1]) return false;
    }
    return true;
}

int32_t Suche(const EDIAENDERUNG_SATZ* saetze, EDIAENDERUNG_SATZ* schluessel, int32_t anzahl, bool mitSaison)
{
    if (!saetze || !schluessel) return -1;
    for (int32_t i = anzahl - 1; i >= 0; --i)
        if (Passt(saetze[i], *schluessel, mitSaison)) {
            *schluessel = saetze[i];
            return i + 1;
        }
    return 0;
}

} // namespace

OX_EXTERN_C HOSTHANDLE OXCALL EDI_AENDERUNG_DBA_RW_Open(void)
{
    return Schutz(-1, [] {
        std::shared_ptr<AenderungBestand> b = Store();
        return b ? NeuerHandle(HandleArt::Aenderung, b) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_Close(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleSchliessen(handle, HandleArt::Aenderung) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(HOSTHANDLE handle, const EDIAENDERUNG_SATZ* satz)
{
    return Schutz(-1, [&] {
        std::shared_ptr<AenderungBestand> b = AusHandle(handle);
        if (!b || !satz) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t slot = b->datei.Anzahl();
        return b->Schreibe({{slot, satz}}, slot + 1) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_EDIAENDERUNG_GetSatzanzahl(HOSTHANDLE handle)
{
    return Schutz(-1, [&] {
        std::shared_ptr<AenderungBestand> b = AusHandle(handle);
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        return b->Sync() ? static_cast<int32_t>(b->datei.Anzahl()) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_EDIAenderungExists(void)
{
    return Schutz(0, [] {
        std::shared_ptr<AenderungBestand> b = Store();
        if (!b) return 0;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        return b->Sync() && b->datei.Anzahl() > 0 ? 1 : 0;
    });
}

OX_EXTERN_C EDIAENDERUNG_SATZ* OXCALL EDI_AENDERUNG_DBA_MakeMemEDIAENDERUNG(HOSTHANDLE handle, int32_t* anzahl)
{
    return Schutz(static_cast<EDIAENDERUNG_SATZ*>(nullptr), [&]() -> EDIAENDERUNG_SATZ* {
        if (anzahl) *anzahl = 0;
        std::shared_ptr<AenderungBestand> b = AusHandle(handle);
        if (!b || !anzahl) return nullptr;
        Bestand::Sperre sperre(*b);
        uint32_t n = b->datei.Anzahl();
        if (!sperre.ok || n == 0 || n > 0x7FFFFFFFu / sizeof(EDIAENDERUNG_SATZ)) return nullptr;
        auto* saetze = static_cast<EDIAENDERUNG_SATZ*>(std::calloc(n, sizeof(EDIAENDERUNG_SATZ)));
        if (!saetze) return nullptr;
        bool ok = b->datei.AlleLesen([&](uint32_t slot, const unsigned char* d) {
            if (slot < n) std::memcpy(&saetze[slot], d, sizeof(EDIAENDERUNG_SATZ));
        });
        if (!ok) {
            std::free(saetze);
            return nullptr;
        }
        *anzahl = static_cast<int32_t>(n);
        return saetze;
    });
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_FreeMemEDIAENDERUNG(EDIAENDERUNG_SATZ* saetze)
{
    std::free(saetze);
    return 1;
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG(const EDIAENDERUNG_SATZ* saetze,
                                                                 EDIAENDERUNG_SATZ* schluessel, int32_t anzahl)
{
    return Suche(saetze, schluessel, anzahl, true);
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_SuchMemEDIAENDERUNG_Ohne_Saison(const EDIAENDERUNG_SATZ* saetze,
                                                                             EDIAENDERUNG_SATZ* schluessel,
                                                                             int32_t anzahl)
{
    return Suche(saetze, schluessel, anzahl, false);
}

OX_EXTERN_C int32_t OXCALL EDI_AENDERUNG_DBA_Delete(void)
{
    return Schutz(0, [] {
        std::shared_ptr<AenderungBestand> b = Store();
        if (!b) return 0;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        if (b->datei.Anzahl() == 0) return 1;
        return b->Schreibe({}, 0) ? 1 : 0;
    });
}
