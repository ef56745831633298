/*
 * teile.cpp - BEZLIB_ (descriptions, BEZEICH.DBA, description n in slot
 * n-1), DATABASE_ (stock items, TEILE.DBA, item p in slot p-1) and
 * TeileZusatz_ (item extras, TEILZUS.DBA, extra p in slot p-1). The item
 * and extra files are handed out as FILEIO handles for block reading.
 */
#include "DBADLL/dbadll_host.h"
#include "hostapi/fileio.h"
#include "familie.h"

#include <set>

using namespace dba;

namespace {

constexpr int32_t kMaxBezeichnung = 4000000;
constexpr int32_t kMaxPosition = 10000000;

class SlotBestand : public Bestand {};
struct BezTag {};
struct TeileTag {};
struct ZusatzTag {};
template <typename Tag> class Getrennt : public SlotBestand {};

std::shared_ptr<Getrennt<BezTag>> BezStore()
{
    return Implizit<Getrennt<BezTag>>("BEZEICH.DBA", sizeof(BEZEICHNUNG_SATZ));
}
std::shared_ptr<Getrennt<TeileTag>> TeileStore()
{
    return Implizit<Getrennt<TeileTag>>("TEILE.DBA", sizeof(EINZELTEIL_SATZ));
}
std::shared_ptr<Getrennt<ZusatzTag>> ZusatzStore()
{
    return Implizit<Getrennt<ZusatzTag>>("TEILZUS.DBA", sizeof(TEILEZUSATZ_SATZ));
}

/* FILEIO handles given out for the item and extra files. */
std::mutex gHandlesMutex;
std::set<HOSTHANDLE> gTeileHandles, gZusatzHandles;

HOSTHANDLE DateiHandle(Bestand& b, std::set<HOSTHANDLE>& handles)
{
    HOSTHANDLE h = FileIO_OpenRWS(b.datei.Pfad().c_str());
    if (h > 0) {
        std::lock_guard<std::mutex> lock(gHandlesMutex);
        handles.insert(h);
    }
    return h > 0 ? h : -1;
}

bool HandleBekannt(std::set<HOSTHANDLE>& handles, HOSTHANDLE h)
{
    std::lock_guard<std::mutex> lock(gHandlesMutex);
    return handles.count(h) != 0;
}

int32_t HandleZu(std::set<HOSTHANDLE>& handles, HOSTHANDLE h)
{
    {
        std::lock_guard<std::mutex> lock(gHandlesMutex);
        if (!handles.erase(h)) return -1;
    }
    FileIO_Close(h);
    return 1;
}

/* Reads slot `slot`: 1 = read, 0 = beyond the count (zero-filled). */
int32_t SlotLesen(SlotBestand& b, uint32_t slot, void* satz, size_t groesse)
{
    std::lock_guard<std::recursive_mutex> lock(b.mutex);
    int rc = b.LeseNach([&]() -> int64_t { return slot < b.datei.Anzahl() ? static_cast<int64_t>(slot) : -1; }, satz);
    if (rc != 1) std::memset(satz, 0, groesse);
    return rc;
}

/* Writes slot `slot`; with `nurAnhaengen` only up to one beyond the last. */
int32_t SlotSchreiben(SlotBestand& b, uint32_t slot, const void* satz, bool nurAnhaengen)
{
    Bestand::Sperre sperre(b);
    if (!sperre.ok) return 0;
    uint32_t anzahl = b.datei.Anzahl();
    if (nurAnhaengen && slot > anzahl) return 0;
    return b.Schreibe({{slot, satz}}, slot < anzahl ? anzahl : slot + 1) ? 1 : 0;
}

std::shared_ptr<Getrennt<BezTag>> BezAusHandle(HOSTHANDLE h)
{
    return std::static_pointer_cast<Getrennt<BezTag>>(HandleBestand(h, HandleArt::Bezeichnung));
}

int32_t BezLesen(HOSTHANDLE handle, int32_t nummer, BEZEICHNUNG_SATZ* satz)
{
    std::shared_ptr<Getrennt<BezTag>> b = BezAusHandle(handle);
    if (!b || nummer < 1 || nummer > kMaxBezeichnung || !satz) return -1;
    int32_t rc = SlotLesen(*b, static_cast<uint32_t>(nummer - 1), satz, sizeof *satz);
    if (rc == 1 && satz->Nummer != nummer) {
        std::memset(satz, 0, sizeof *satz);
        rc = 0;
    }
    return rc;
}

} // namespace

/* ---- BEZLIB_ ---------------------------------------------------------------- */

OX_EXTERN_C HOSTHANDLE OXCALL BEZLIB_OeffneDatenbank(void)
{
    return Schutz(-1, [] {
        auto b = BezStore();
        return b ? NeuerHandle(HandleArt::Bezeichnung, b) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL BEZLIB_SchliesseDatenbank(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleSchliessen(handle, HandleArt::Bezeichnung) ? 1 : -1; });
}

OX_EXTERN_C int32_t OXCALL BEZLIB_ReadBezeichnung(HOSTHANDLE handle, int32_t nummer, int32_t* nummern)
{
    return Schutz(-1, [&] {
        if (!nummern) return -1;
        BEZEICHNUNG_SATZ satz;
        int32_t rc = BezLesen(handle, nummer, &satz);
        if (rc < 0) return rc;
        std::memcpy(nummern, satz.Merkmal, sizeof satz.Merkmal);
        return rc;
    });
}

OX_EXTERN_C int32_t OXCALL BEZLIB_WriteBezeichnung(HOSTHANDLE handle, int32_t nummer, const BEZEICHNUNG_SATZ* satz)
{
    return Schutz(-1, [&] {
        std::shared_ptr<Getrennt<BezTag>> b = BezAusHandle(handle);
        if (!b || nummer < 1 || nummer > kMaxBezeichnung || !satz) return -1;
        BEZEICHNUNG_SATZ kopie = *satz;
        kopie.Nummer = nummer;
        return SlotSchreiben(*b, static_cast<uint32_t>(nummer - 1), &kopie, false);
    });
}

/* ---- DATABASE_ --------------------------------------------------------------- */

OX_EXTERN_C HOSTHANDLE OXCALL DATABASE_OeffneDatenbank(void)
{
    return Schutz(-1, [] {
        auto b = TeileStore();
        return b ? DateiHandle(*b, gTeileHandles) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL DATABASE_SchliesseDatenbank(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleZu(gTeileHandles, handle); });
}

OX_EXTERN_C int32_t OXCALL DATABASE_GetSizeAndName(char* name)
{
    return Schutz(-1, [&] {
        auto b = TeileStore();
        if (!b) return -1;
        std::lock_guard<std::recursive_mutex> lock(b->mutex);
        if (!b->Sync()) return -1;
        if (name) Kopiere(name, OX_TXT_PATH, b->datei.Pfad().c_str());
        return static_cast<int32_t>(b->datei.Anzahl());
    });
}

OX_EXTERN_C int32_t OXCALL DATABASE_FilePos(int32_t position)
{
    if (position < 1 || position > kMaxPosition) return -1;
    return static_cast<int32_t>(SatzDatei::KOPF + static_cast<uint32_t>(position - 1) * sizeof(EINZELTEIL_SATZ));
}

OX_EXTERN_C int32_t OXCALL DATABASE_ClearEinzelteil(EINZELTEIL_SATZ* satz)
{
    if (!satz) return -1;
    std::memset(satz, 0, sizeof *satz);
    return 1;
}

OX_EXTERN_C int32_t OXCALL DATABASE_ReadEinzelteil(int32_t position, EINZELTEIL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (position < 1 || position > kMaxPosition || !satz) return -1;
        auto b = TeileStore();
        return b ? SlotLesen(*b, static_cast<uint32_t>(position - 1), satz, sizeof *satz) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL DATABASE_WriteEinzelteil(int32_t position, const EINZELTEIL_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (position < 1 || position > kMaxPosition || !satz) return -1;
        auto b = TeileStore();
        return b ? SlotSchreiben(*b, static_cast<uint32_t>(position - 1), satz, true) : -1;
    });
}

/* ---- TeileZusatz_ ------------------------------------------------------------ */

OX_EXTERN_C HOSTHANDLE OXCALL TeileZusatz_OpenDBA(void)
{
    return Schutz(-1, [] {
        auto b = ZusatzStore();
        return b ? DateiHandle(*b, gZusatzHandles) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL TeileZusatz_CloseDBA(HOSTHANDLE handle)
{
    return Schutz(-1, [&] { return HandleZu(gZusatzHandles, handle); });
}

OX_EXTERN_C int32_t OXCALL TeileZusatz_SetPos(HOSTHANDLE handle, int32_t position)
{
    return Schutz(-1, [&] {
        if (position < 1 || position > kMaxPosition || !HandleBekannt(gZusatzHandles, handle)) return -1;
        int32_t pos = static_cast<int32_t>(SatzDatei::KOPF + static_cast<uint32_t>(position - 1) * sizeof(TEILEZUSATZ_SATZ));
        return FileIO_SetPos(handle, pos);
    });
}

OX_EXTERN_C int32_t OXCALL TeileZusatz_Read(HOSTHANDLE handle, int32_t position, TEILEZUSATZ_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (position < 1 || position > kMaxPosition || !satz) return -1;
        if (handle != 0 && !HandleBekannt(gZusatzHandles, handle)) return -1;
        auto b = ZusatzStore();
        return b ? SlotLesen(*b, static_cast<uint32_t>(position - 1), satz, sizeof *satz) : -1;
    });
}

OX_EXTERN_C int32_t OXCALL TeileZusatz_Write(HOSTHANDLE handle, int32_t position, const TEILEZUSATZ_SATZ* satz)
{
    return Schutz(-1, [&] {
        if (position < 1 || position > kMaxPosition || !satz) return -1;
        if (handle != 0 && !HandleBekannt(gZusatzHandles, handle)) return -1;
        auto b = ZusatzStore();
        return b ? SlotSchreiben(*b, static_cast<uint32_t>(position - 1), satz, false) : -1;
    });
}
