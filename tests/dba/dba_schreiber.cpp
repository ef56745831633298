/*
 * dba_schreiber.cpp - the writer of the crash test: writes patterned
 * records into the store of the folder it is given, without end, until it
 * is killed.
 *
 *   dba_schreiber <data folder> <first version>
 */
#include "DBADLL/dbadll_host.h"
#include "muster.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct EanQuelle {
    std::vector<EANARTIKEL_SATZ> eintraege;
    size_t lesen = 0;
};
const EANARTIKEL_SATZ* OXCALL Naechster(void* liste)
{
    EanQuelle* q = static_cast<EanQuelle*>(liste);
    return q->lesen < q->eintraege.size() ? &q->eintraege[q->lesen++] : nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || DBA_SetDatenPfad(argv[1]) != 1) return 2;
    uint32_t version = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    std::srand(version);
    auto artikel = std::make_unique<ARTIKEL_SATZ>();
    auto position = std::make_unique<AUFTRAG_POSITION>();
    MERKMAL_SATZ merkmal;
    for (;;) {
        ++version;
        switch (std::rand() % 5) {
        case 0:
        case 1: {
            int32_t n = 1 + std::rand() % MUSTER_ARTIKEL;
            ArtikelMuster(artikel.get(), n, version);
            ARTLIB_SchreibeArtikel(n, artikel.get());
            break;
        }
        case 2: {
            int32_t p = 1 + std::rand() % MUSTER_POSITIONEN;
            HOSTHANDLE h = AUFTRAGDBA_Open(1);
            PositionMuster(position.get(), p, version);
            AUFTRAGDBA_WritePosition(h, p, 0, position.get());
            AUFTRAGDBA_Close(h);
            break;
        }
        case 3: {
            int32_t n = 1 + std::rand() % MUSTER_MERKMALE;
            MerkmalMuster(&merkmal, n, version);
            MMLIB_SchreibeMerkmal(6, &merkmal);
            break;
        }
        default: {
            EanQuelle q;
            q.eintraege.resize(static_cast<size_t>(EanListenLaenge(version)));
            for (size_t i = 0; i < q.eintraege.size(); ++i) EanMuster(&q.eintraege[i], static_cast<int>(i), version);
            EANARTIKEL_SaveArtikelEANs_EX(MUSTER_EAN_ARTIKEL, &q, Naechster);
            break;
        }
        }
    }
}
