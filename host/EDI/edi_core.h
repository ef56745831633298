/*
 * edi_core.h - inside of the EDI record library: the line encoding, the
 * record codecs and the buffered line reader.
 *
 * Nothing here needs windows.h; the core builds natively for sanitizer and
 * fuzz runs (see EdiKern_FuzzEingabe). The exported calls in edi_api.cpp are
 * thin wrappers and build natively too, so the whole test suite runs there:
 *   g++ -std=c++20 -g -fsanitize=address,undefined -Isrc -Ihost/EDI -Itests
 *       host/EDI/edi_zeile.cpp host/EDI/edi_saetze.cpp host/EDI/edi_leser.cpp
 *       host/EDI/edi_api.cpp fuzz/edi_pruefung.cpp tests/edi/<each>_test.cpp
 *       <gtest-all.cc, gtest_main.cc with their include paths>
 * The file format is described in docs/file-format.md.
 */
#ifndef OX_HOST_EDI_CORE_H
#define OX_HOST_EDI_CORE_H

#include <cstddef>
#include <cstdint>

#include "hostapi/edi.h"

namespace edikern {

/* Longest line the writers produce, line end included, terminator not. */
constexpr size_t ZEILE_MAX = EDI_SATZ_GROESSE - 1;

/* One text field of a record: offset and width in bytes. */
struct Feld {
    uint16_t offset;
    uint16_t breite;
};

/* The fields each record line carries, in line order. The PRICAT list is
 * also the field numbering (field n = PRICAT_FELDER[n - 1]). */
extern const Feld PRICAT_FELDER[EDI_PRICAT_FELDER];
extern const Feld DESADV_KOPF_FELDER[9];
extern const Feld DESADV_REFERENZ_FELDER[4];
extern const Feld DESADV_POSITION_FELDER[12];

/* CRC-32C (Castagnoli polynomial 0x1EDC6F41, reflected, initial value and
 * final XOR all ones): continues `crc` (0 to start) over `laenge` bytes.
 * Uses the processor's CRC instruction where there is one, else tables. */
uint32_t crc32(uint32_t crc, const void* daten, size_t laenge);

/*
 * Builds one record line from record kind, message kind (0..99 each) and the
 * raw payload: "#", the two kinds, the check value, the enciphered payload,
 * "\r\n", then a terminator. Returns the line length without the terminator,
 * or 0 when the line would not fit `ausGroesse` or a kind is out of range.
 */
size_t zeile_verschluesseln(int satzart, int nachrichtenart, const uint8_t* roh, size_t rohLaenge,
                            char* aus, size_t ausGroesse);

/* 1 when `zeile` (`laenge` bytes, line end removed) is an intact record
 * line; its kinds go to `satzart` / `nachrichtenart`. 0 otherwise. */
int zeile_pruefen(const char* zeile, size_t laenge, int* satzart, int* nachrichtenart);

/*
 * Checks and deciphers the record text `satz` - a record line ended by its
 * line end or a terminator; at most EDI_SATZ_GROESSE bytes are looked at,
 * and nothing behind the first byte that cannot belong to the line - into
 * `roh`. Returns the payload length, or -1 when the text is no intact
 * record line or its payload would not fit `rohGroesse`.
 */
long satz_entschluesseln(const char* satz, uint8_t* roh, size_t rohGroesse, int* satzart,
                         int* nachrichtenart);

/* Date and time written into a header line. */
struct Zeitpunkt {
    int jahr, monat, tag, stunde, minute, sekunde;
};

/*
 * Builds a message header line ("BTEPRI;...;\r\n"). `kennung` is token 1,
 * `nachrichtStandard` the message name used when `kopf` gives none.
 * Returns the length without the terminator, 0 when it does not fit.
 */
size_t kopfzeile_erstellen(const EDI_KOPFSATZ* kopf, const char* kennung,
                           const char* nachrichtStandard, const Zeitpunkt& zeit, char* aus,
                           size_t ausGroesse);

/* 1 when `zeile` (line end removed) is an intact header line; the message
 * kind named by its token 6 goes to `nachrichtenart` (0 = none we know). */
int kopfzeile_pruefen(const char* zeile, size_t laenge, int* nachrichtenart);

/* Record codecs. The writers return the line length (0 = no room in
 * `ausGroesse`); the readers take a record text as satz_entschluesseln does
 * and return 1, or 0 with zeroed outputs. */
size_t pricat_erstellen(const PRICAT_DATEN* daten, char* aus, size_t ausGroesse);
int pricat_lesen(const char* satz, int nachrichtenart, int* info, PRICAT_DATEN* daten);
size_t desadv_kopf_erstellen(const DESADV_KOPF* kopf, char* aus, size_t ausGroesse);
size_t desadv_position_erstellen(const DESADV_KOPF* kopf, const DESADV_REFERENZ* referenz,
                                 const DESADV_POSITION* position, char* aus, size_t ausGroesse);
int desadv_lesen(const char* satz, int nachrichtenart, DESADV_KOPF* kopf,
                 DESADV_REFERENZ* referenz, DESADV_POSITION* position);

/* Field `feldNummer` of `daten` from `start` for `laenge` characters into
 * `text` (`textGroesse` bytes, terminated); see EDIPRICAT_PRICAT_FeldVonSatzLesen. */
int feld_lesen(int32_t feldNummer, int32_t start, int32_t laenge, char* text, size_t textGroesse,
               const PRICAT_DATEN* daten);

/* See EDIPRICAT_HolePRICAT_NachrichtenfunktionsID. */
int32_t nachrichtenfunktion_id(const char* code);

/* The buffered line reader over a file or a block of memory. */
struct Leser;

/* Opens a file for reading (null when it cannot be opened). */
Leser* leser_datei(const char* pfad);
/* Reads from `daten` (not copied; must outlive the reader). */
Leser* leser_speicher(const uint8_t* daten, size_t groesse);
/* Next record into `satz`, see EDIGLOBAL_Lese_INH_VerschluesseltenDatensatz.
 * 1 = read, 0 = end. `satzGroesse` must be 3 or more. */
int leser_naechster(Leser* leser, char* satz, size_t satzGroesse, int* satzart,
                    int* nachrichtenart, int* zeilennummer);
void leser_schliessen(Leser* leser);

} // namespace edikern

/*
 * Fuzz entry: treats `daten` as a file, reads every record with a
 * 2000-byte buffer, decodes it with every decoder, reads every field, and
 * writes each decoded record again and checks that it decodes to the same
 * record (aborting when not). Also feeds the first bytes to the decoders
 * directly. Returns the number of records read. Never reads outside `daten`.
 */
extern "C" int EdiKern_FuzzEingabe(const uint8_t* daten, size_t groesse);

#endif
