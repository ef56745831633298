/*
 * standin.h - the stand-in host: everything the ORDANEX program does around
 * a call of the EDI module, so the module can be run and tested for real.
 *
 * It owns a host data folder (its stores, its INI file "ORDANEX.INI"), the
 * 70,163-byte host data block with the program-data path, the 26 callbacks
 * and the parameter block, and it calls the module through LoadLibrary /
 * GetProcAddress as the host does.
 */
#ifndef OX_STANDIN_H
#define OX_STANDIN_H

#include "hostapi/aufruf.h"
#include "callbacks.h"

#include <string>
#include <vector>

struct StandinHost {
    std::string datenOrdner;                 /* host data folder, trailing backslash */
    std::string iniDatei;                    /* the host's INI file in it */
    std::vector<unsigned char> hostDaten;    /* the host data block */
    std::string ftpServer, ftpBenutzer, ftpPasswort;
    std::string uploadBasisPfad, uploadZusatz, benutzerKennung;
    HWND fenster = nullptr;                  /* the host's window (may be null) */
    EDI_AUFRUFPARAMETER parameter{};
};

/* Prepares a host on `datenOrdner` (created when missing): the INI file and
 * the stores are selected in the host libraries, the host data block gets
 * the program-data path (the folder itself) and the default switches.
 * Returns 1, or 0 when the folder cannot be made. */
int Standin_Init(StandinHost& host, const std::string& datenOrdner);

/* Fills host.parameter for a call in mode `modus` (1 = import, else
 * export) with the callbacks, the host data block and the six texts. The
 * block points into `host`; keep it alive during the call. */
void Standin_Parameter(StandinHost& host, int modus);

/* Writes an integer into the host data block at `offset`. */
void Standin_HostDatenInt(StandinHost& host, int offset, int32_t wert);
/* Writes a text into the host data block at `offset` (at most `max` bytes
 * including the terminator). */
void Standin_HostDatenText(StandinHost& host, int offset, const std::string& text, int max);

#if defined(_WIN32)
/* Loads the module (from the program's folder) and returns its instance,
 * or null. The seven exports are then reached with GetProcAddress. */
HMODULE Standin_ModulLaden(void);

/* Calls KTOXEDI_Bearbeiten of the loaded module with host.parameter.
 * Returns its result, or -2 when the module or export cannot be found. */
int32_t Standin_Bearbeiten(StandinHost& host);
#endif

#endif
