/*
 * auftrag.cpp - AUFTRAGDBA_: purchase orders. AUFTRAG.DBA lists the orders
 * (order n in slot n-1); each order has its own record file
 * AUFTRAG\A<n>.DBA with the head in slot 0 and position p in slot p. A new
 * position and the head's raised count are written as one write.
 */
#include "DBADLL/dbadll_host.h"
#include "familie.h"

#include <cstdio>
#include <memory>
#include <vector>

using namespace dba;

namespace {

#pragma pack(push, 1)
struct AuftragEintrag {
    int32_t Nummer;
    int32_t Belegt;
    int32_t Reserve[2];
};
#pragma pack(pop)

class VerzeichnisBestand : public Bestand {};
class AuftragBestand : public Bestand {};

std::shared_ptr<VerzeichnisBestand> Verzeichnis()
{
    return Implizit<VerzeichnisBestand>("AUFTRAG.DBA", sizeof(AuftragEintrag));
}

std::string AuftragDatei(int32_t nummer)
{
    char name[64];
    std::snprintf(name, sizeof name, "AUFTRAG\\A%07d.DBA", nummer);
    return name;
}

bool Vorhanden(int32_t nummer)
{
    std::shared_ptr<VerzeichnisBestand> v = Verzeichnis();
    if (!v || nummer < 1) return false;
    std::lock_guard<std::recursive_mutex> lock(v->mutex);
    AuftragEintrag e;
    uint32_t slot = static_cast<uint32_t>(nummer - 1);
    int rc = v->LeseNach([&]() -> int64_t { return slot < v->datei.Anzahl() ? static_cast<int64_t>(slot) : -1; }, &e);
    return rc == 1 && e.Belegt && e.Nummer == nummer;
}

std::shared_ptr<AuftragBestand> AusHandle(HOSTHANDLE h, int32_t* nummer)
{
    return std::static_pointer_cast<AuftragBestand>(HandleBestand(h, HandleArt::Auftrag, nummer));
}

} // namespace

OX_EXTERN_C HOSTHANDLE OXCALL AUFTRAGDBA_Open(int32_t auftragsNummer)
{
    return Schutz(-1, [&] {
        if (!Vorhanden(auftragsNummer)) return -1;
        auto b = Hole<AuftragBestand>(AuftragDatei(auftragsNummer), sizeof(AUFTRAG_KOPF));
        return b ? NeuerHandle(HandleArt::Auftrag, b, auftragsNummer) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_Close(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleSchliessen(handle, HandleArt::Auftrag) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_ReadAuftragsKopf(HOSTHANDLE handle, AUFTRAG_KOPF* kopf)
{
    return Schutz(-1, [&] {
        std::shared_ptr<AuftragBestand> b = AusHandle(handle, nullptr);
        if (!b || !kopf) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        int rc = b->LeseNach([&]() -> int64_t { return b->datei.Anzahl() > 0 ? 0 : -1; }, kopf);
        if (rc != 1) std::memset(kopf, 0, sizeof *kopf);
        return rc;
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_WriteAuftragsKopf(HOSTHANDLE handle, const AUFTRAG_KOPF* kopf)
{
    return Schutz(-1, [&] {
        int32_t nummer = 0;
        std::shared_ptr<AuftragBestand> b = AusHandle(handle, &nummer);
        if (!b || !kopf) return -1;
        auto kopie = std::make_unique<AUFTRAG_KOPF>(*kopf);
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t anzahl = b->datei.Anzahl();
        kopie->AuftragsNummer = nummer;
        kopie->AnzahlPositionen = anzahl > 0 ? static_cast<int32_t>(anzahl - 1) : 0;
        return b->Schreibe({{0, kopie.get()}}, anzahl > 0 ? anzahl : 1) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_LeseAuftragspositionenKomplettInSpeicher(HOSTHANDLE handle, int32_t anzahl,
                                                                             AUFTRAG_POSITION* speicher)
{
    return Schutz(-1, [&] {
        std::shared_ptr<AuftragBestand> b = AusHandle(handle, nullptr);
        if (!b || !speicher || anzahl < 0) return -1;
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return -1;
        uint32_t vorhanden = b->datei.Anzahl() > 0 ? b->datei.Anzahl() - 1 : 0;
        uint32_t n = static_cast<uint32_t>(anzahl) < vorhanden ? static_cast<uint32_t>(anzahl) : vorhanden;
        for (uint32_t i = 0; i < n; ++i)
            if (b->datei.Lesen(i + 1, &speicher[i]) != 1) return -1;
        return static_cast<int32_t>(n);
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_NextPOSITIONSADR_VomSpeicher(AUFTRAG_POSITION* speicher, int32_t anzahl,
                                                                  int32_t* cursor, AUFTRAG_POSITION** position)
{
    if (!speicher || !cursor || !position || *cursor < 0 || *cursor >= anzahl) return 0;
    *position = &speicher[*cursor];
    ++*cursor;
    return 1;
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_WritePosition(HOSTHANDLE handle, int32_t positionsNummer, int32_t modus,
                                                    const AUFTRAG_POSITION* position)
{
    (void)modus;
    return Schutz(-1, [&] {
        int32_t nummer = 0;
        std::shared_ptr<AuftragBestand> b = AusHandle(handle, &nummer);
        if (!b || !position || positionsNummer < 1) return -1;
        auto pos = std::make_unique<AUFTRAG_POSITION>(*position);
        pos->AuftragsNummer = nummer;
        pos->PositionsNummer = static_cast<int16_t>(positionsNummer);
        Bestand::Sperre sperre(*b);
        if (!sperre.ok) return 0;
        uint32_t anzahl = b->datei.Anzahl();
        uint32_t slot = static_cast<uint32_t>(positionsNummer);
        if (anzahl == 0 || slot > anzahl) return 0;
        if (slot < anzahl) return b->Schreibe({{slot, pos.get()}}, anzahl) ? 1 : 0;
        /* Appended: the head's count rises in the same write. */
        auto kopf = std::make_unique<AUFTRAG_KOPF>();
        if (b->datei.Lesen(0, kopf.get()) != 1) return 0;
        kopf->AnzahlPositionen = static_cast<int32_t>(slot);
        return b->Schreibe({{slot, pos.get()}, {0, kopf.get()}}, slot + 1) ? 1 : 0;
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_NeuerAuftrag(const AUFTRAG_KOPF* kopf)
{
    return Schutz(-1, [&] {
        if (!kopf) return -1;
        std::shared_ptr<VerzeichnisBestand> v = Verzeichnis();
        if (!v) return 0;
        Bestand::Sperre sperre(*v);
        if (!sperre.ok) return 0;
        int32_t nummer = static_cast<int32_t>(v->datei.Anzahl() + 1);
        auto b = Hole<AuftragBestand>(AuftragDatei(nummer), sizeof(AUFTRAG_KOPF));
        if (!b) return 0;
        auto kopie = std::make_unique<AUFTRAG_KOPF>(*kopf);
        kopie->AuftragsNummer = nummer;
        kopie->AnzahlPositionen = 0;
        {
            Bestand::Sperre sperreAuftrag(*b);
            if (!sperreAuftrag.ok || !b->Schreibe({{0, kopie.get()}}, 1)) return 0;
        }
        AuftragEintrag e{nummer, 1, {0, 0}};
        return v->Schreibe({{static_cast<uint32_t>(nummer - 1), &e}}, static_cast<uint32_t>(nummer)) ? nummer : 0;
    });
}

OX_EXTERN_C int32_t OXCALL AUFTRAGDBA_MitAllenAuftraegenProzentAnzeige(AUFTRAG_BESUCHER besucher)
{
    return Schutz(-1, [&] {
        if (!besucher) return -1;
        std::vector<int32_t> nummern;
        {
            std::shared_ptr<VerzeichnisBestand> v = Verzeichnis();
            if (!v) return 0;
            Bestand::Sperre sperre(*v);
            if (!sperre.ok) return 0;
            v->datei.AlleLesen([&](uint32_t, const unsigned char* d) {
                AuftragEintrag e;
                std::memcpy(&e, d, sizeof e);
                if (e.Belegt && e.Nummer > 0) nummern.push_back(e.Nummer);
            });
        }
        auto kopf = std::make_unique<AUFTRAG_KOPF>();
        int32_t besucht = 0;
        for (int32_t nummer : nummern) {
            HOSTHANDLE h = AUFTRAGDBA_Open(nummer);
            if (h > 0 && AUFTRAGDBA_ReadAuftragsKopf(h, kopf.get()) != 1) std::memset(kopf.get(), 0, sizeof *kopf);
            if (h <= 0) std::memset(kopf.get(), 0, sizeof *kopf);
            ++besucht;
            int32_t weiter = besucher(h > 0 ? h : -1, nummer, kopf.get());
            if (h > 0) AUFTRAGDBA_Close(h);
            if (!weiter) break;
        }
        return besucht;
    });
}
