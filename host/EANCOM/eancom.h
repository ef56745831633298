/*
 * eancom.h - the EANCOM converter: PRICAT and DESADV messages (D.96A,
 * D.01B and the directories between) of an EDIFACT interchange become the
 * host's own file families, written through the EDI record library:
 *  - a PRICAT message: a catalogue file (header line, one catalogue record
 *    per LIN group) and the supplier's address file beside it (".ADR");
 *  - a DESADV message: a despatch advice file (".DES": header line, the
 *    delivery note head, one record per delivered position).
 * docs/eancom.md gives the mapping of every segment and element.
 *
 * Every message is checked whole before its files take their final names:
 * they are written under working names ("~<name>.TMP") and renamed when
 * the message's UNT has been read and matched, so a reader of the target
 * folder never sees half a catalogue. A message that cannot be mapped is
 * refused whole (its working files are removed) and named in a message;
 * the other messages of the interchange still convert. The source file is
 * never changed.
 *
 * Output names: the source file's name without its extension, with
 * "-<n>" added for the n-th message of the file when n is 2 or more;
 * ".INH" + ".ADR" for a catalogue, ".DES" for a despatch advice. An
 * existing file of that name is replaced.
 *
 * No windows.h; builds natively and for Windows.
 */
#ifndef OX_EANCOM_EANCOM_H
#define OX_EANCOM_EANCOM_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

namespace eancom {

/* What a conversion did. */
struct Ergebnis {
    int nachrichten = 0;          /* messages (UNH) met */
    int umgesetzt = 0;            /* of them converted */
    int abgelehnt = 0;            /* of them refused */
    long variationen = 0;         /* catalogue records written (converted messages) */
    long positionen = 0;          /* despatch positions written (converted messages) */
    std::vector<std::string> dateien;     /* final paths of the files made */
    /* One line per refused message and per warning, naming the file, the
     * message, the segment number and byte offset and what was expected. */
    std::vector<std::string> meldungen;
    /* Memory mode only (empty target folder): the files as name and bytes. */
    std::vector<std::pair<std::string, std::string>> speicher;
};

/* Called now and then while a file is read: bytes read, file size. */
typedef void (*Fortschritt)(void* daten, uint64_t gelesen, uint64_t groesse);

/*
 * Converts the interchange file `quelle` into `zielOrdner` (with a
 * trailing separator). Returns 0 = every message converted, 1 = some
 * messages refused (each named in e.meldungen), 2 = nothing converted
 * (the file cannot be read, is no interchange, or every message was
 * refused). `fortschritt` may be null.
 */
int eancom_datei_umsetzen(const char* quelle, const std::string& zielOrdner, Ergebnis& e,
                          Fortschritt fortschritt = nullptr, void* fortschrittDaten = nullptr);

/*
 * The same for `groesse` bytes at `daten`, named `name` in the output and
 * the messages. With an empty `zielOrdner` nothing is written to disk:
 * the files land in e.speicher (tests, fuzzing).
 */
int eancom_speicher_umsetzen(const char* daten, size_t groesse, const std::string& name,
                             const std::string& zielOrdner, Ergebnis& e);

/* 1 when the first `n` bytes of a file look like an EDIFACT interchange:
 * an optional UTF-8 byte-order mark and blank lines, then "UNA" or "UNB"
 * followed by a separator. */
int eancom_erkennen(const char* kopf, size_t n);

/* 1 when the file `pfad` starts like an EDIFACT interchange (its first 64
 * bytes through eancom_erkennen), 0 otherwise or when it cannot be read. */
int eancom_datei_erkennen(const char* pfad);

/* A GTIN of 8, 12, 13 or 14 digits as the 13 characters of an EAN field
 * (a GTIN-14 only with a leading 0). 1 = done, 0 = no such GTIN. */
int eancom_gtin13(const char* gtin, size_t n, char aus[14]);

} // namespace eancom

#endif
