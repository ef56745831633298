/*
 * pc_hilfen.h - records and a host data folder with stock items for the
 * price-change tests.
 */
#ifndef OX_TEST_PC_HILFEN_H
#define OX_TEST_PC_HILFEN_H

#include <windows.h>

#include <string>
#include <vector>

#include "kontext/ktoxedi.h"
#include "hostapi/dbadll.h"
#include "standin.h"

namespace pc {

/* A present stock item of article `artikel` in branch `filiale` with the
 * given prices, description `bezeichnung`, size and season. */
EINZELTEIL_SATZ Teil(int32_t artikel, int32_t filiale, int32_t ek1, int32_t ek2, int32_t vk1, int32_t vk2,
                     int32_t bezeichnung = 0, int32_t groesse = 0, int32_t saison = 0);

/* A change record of article `artikel` with the given prices (third,
 * sixth and seventh 0) and label kind -1. */
EDIAENDERUNG_SATZ Aenderung(int32_t artikel, int32_t ek1, int32_t ek2, int32_t vk1, int32_t vk2);

/* Host data block with labels enabled for the branches in `filialen`. */
std::vector<unsigned char> HostDaten(const std::vector<int>& filialen);

/*
 * A stand-in host on a fresh data folder, with a call context of its own
 * (as the entry would make it) reachable through g_Kontext while the
 * object lives.
 */
struct Lager {
    StandinHost host;
    std::string wurzel;
    EDI_KONTEXT* kontext = nullptr;

    explicit Lager(const std::string& name, bool hauptfenster = false);
    ~Lager();

    HHOOK haken = nullptr;

    /* Stock item, its description (8 numbers of kinds 1..8, may be empty)
     * and its extra record at `position`. */
    void TeilSchreiben(int32_t position, const EINZELTEIL_SATZ& teil, const std::vector<int32_t>& bezeichnung = {},
                       const char* text2 = "");
    EINZELTEIL_SATZ TeilLesen(int32_t position);
    TEILEZUSATZ_SATZ ZusatzLesen(int32_t position);

    /* Appends change records to the host's change store. */
    void Aenderungen(const std::vector<EDIAENDERUNG_SATZ>& saetze);
    int32_t AnzahlAenderungen();

    /* Commands posted to the host window while the object lived, as
     * (wParam, lParam), seen when the thread fetched them (the test person
     * drops what the modal loop leaves in the queue). */
    std::vector<std::pair<WPARAM, LPARAM>> HostBefehle();

    /* Lines of the label file (empty when none). */
    std::vector<std::string> Etiketten();
};

}  // namespace pc

#endif
