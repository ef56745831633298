/*
 * muster.h - the records the crash test's writer writes: every byte of a
 * record follows from its key and one version number, so a record that
 * mixes two writes is recognised.
 */
#ifndef DBA_TEST_MUSTER_H
#define DBA_TEST_MUSTER_H

#include "hostapi/dbadll.h"

#include <cstdio>
#include <cstring>

enum { MUSTER_ARTIKEL = 40, MUSTER_POSITIONEN = 3, MUSTER_MERKMALE = 20, MUSTER_EAN_ARTIKEL = 5 };

inline unsigned char MusterByte(uint32_t schluessel, uint32_t version, size_t i)
{
    return static_cast<unsigned char>(version * 13u + schluessel * 7u + static_cast<uint32_t>(i));
}

/* Fills bytes [von, bis) of `satz` for (schluessel, version). */
inline void MusterFuellen(void* satz, size_t von, size_t bis, uint32_t schluessel, uint32_t version)
{
    unsigned char* p = static_cast<unsigned char*>(satz);
    for (size_t i = von; i < bis; ++i) p[i] = MusterByte(schluessel, version, i);
}

inline bool MusterPasst(const void* satz, size_t von, size_t bis, uint32_t schluessel, uint32_t version)
{
    const unsigned char* p = static_cast<const unsigned char*>(satz);
    for (size_t i = von; i < bis; ++i)
        if (p[i] != MusterByte(schluessel, version, i)) return false;
    return true;
}

/* Article n: the number, then the version at byte 4, the pattern after. */
inline void ArtikelMuster(ARTIKEL_SATZ* a, int32_t n, uint32_t version)
{
    a->ArtikelNummer = n;
    std::memcpy(reinterpret_cast<char*>(a) + 4, &version, 4);
    MusterFuellen(a, 8, sizeof *a, static_cast<uint32_t>(n), version);
}
inline bool ArtikelPasst(const ARTIKEL_SATZ* a, int32_t n, uint32_t* version)
{
    std::memcpy(version, reinterpret_cast<const char*>(a) + 4, 4);
    return a->ArtikelNummer == n && MusterPasst(a, 8, sizeof *a, static_cast<uint32_t>(n), *version);
}

/* Order position p: order and position number as the store sets them, the
 * version in Wert, the pattern from byte 14 on. */
inline void PositionMuster(AUFTRAG_POSITION* p, int32_t nummer, uint32_t version)
{
    std::memset(p, 0, 14);
    p->Wert = static_cast<int32_t>(version);
    MusterFuellen(p, 14, sizeof *p, static_cast<uint32_t>(nummer), version);
}
inline bool PositionPasst(const AUFTRAG_POSITION* p, int32_t nummer, uint32_t* version)
{
    *version = static_cast<uint32_t>(p->Wert);
    return p->PositionsNummer == nummer && MusterPasst(p, 14, sizeof *p, static_cast<uint32_t>(nummer), *version);
}

/* Characteristic n of kind 6: code and text carry the version. */
inline void MerkmalMuster(MERKMAL_SATZ* m, int32_t n, uint32_t version)
{
    std::memset(m, 0, sizeof *m);
    m->Nummer = n;
    std::snprintf(m->Code, sizeof m->Code, "%04u", version % 10000);
    std::snprintf(m->Text, sizeof m->Text, "M%d-%u", n, version);
    m->Sortierung = static_cast<int32_t>(version);
}
inline bool MerkmalPasst(const MERKMAL_SATZ* m, int32_t n, uint32_t* version)
{
    *version = static_cast<uint32_t>(m->Sortierung);
    MERKMAL_SATZ soll;
    MerkmalMuster(&soll, n, *version);
    soll.Art = 6;
    return std::memcmp(m, &soll, sizeof soll) == 0;
}

/* EAN list of version v: 1 + v % 4 entries, entry i patterned with (i, v). */
inline int EanListenLaenge(uint32_t version) { return 1 + static_cast<int>(version % 4); }
inline void EanMuster(EANARTIKEL_SATZ* e, int i, uint32_t version)
{
    std::memset(e, 0, 8);
    std::memcpy(reinterpret_cast<char*>(e) + 8, &version, 4);
    MusterFuellen(e, 12, sizeof *e, static_cast<uint32_t>(i), version);
}

#endif
