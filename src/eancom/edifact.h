/*
 * edifact.h - a streaming reader of EDIFACT interchanges (syntax versions
 * 1 to 4), the first stage of the EANCOM converter.
 *
 * The reader hands out one segment at a time, split into data elements and
 * their components, together with the segment's number in the file
 * (1-based) and the byte offset of its first byte, so that every message
 * about bad input can name both. What it takes:
 *  - a UTF-8 byte-order mark at the very start, blanks and line ends before
 *    the first segment and after every segment terminator (CR LF, LF);
 *  - the service string advice UNA with any separators, including a blank
 *    release character (= none); without UNA the defaults : + . ? ' apply;
 *  - the release character in front of any separator or of itself;
 *  - lines in front of the first UNA, UNB or UNH that belong to no
 *    interchange (a mail or transfer header), within the first 64 KB;
 *  - a UNA in front of every interchange of the file, each in force until
 *    the next;
 *  - a line feed as segment terminator with CR LF line ends (the CR is no
 *    part of the last component).
 * Nothing is copied while reading: components point into the reader's
 * buffer and stay valid until the next call. Text leaves the reader only
 * through edi_text_kopieren, which removes release characters, converts
 * the interchange's character set into code page 1252 and bounds the copy.
 *
 * No windows.h; builds natively and for Windows.
 */
#ifndef KTOXEDI_EANCOM_EDIFACT_H
#define KTOXEDI_EANCOM_EDIFACT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>


namespace eancom {

/* The separators in force (UNA or the defaults). `freigabe` 0 = none. */
struct Trenner {
    char komponente = ':';
    char element = '+';
    char dezimal = '.';
    char freigabe = '?';
    char segment = '\'';
};

/* Character set of the interchange (UNB syntax identifier). */
enum Zeichensatz {
    ZS_LATIN1 = 0,   /* UNOA, UNOB, UNOC: ISO 8859-1 */
    ZS_UTF8 = 1      /* UNOW, UNOY: UTF-8 */
};

enum {
    SEG_MAX_ELEMENTE = 48,       /* data elements of one segment (tag included) */
    SEG_MAX_TEILE = 160,         /* components of one segment, all elements together */
    SEG_MAX_LAENGE = 65536,      /* bytes of one segment */
    EL_MAX_LAENGE = 512          /* characters of one component (FTX 4440 is an..512) */
};

/* A span of raw bytes (release characters still in). */
struct Teil {
    const char* p;
    uint32_t n;
};

/* One segment. Element 0 is the tag; components of element e are
 * teile[erster[e]] .. teile[erster[e] + anzahl[e] - 1]. */
struct Segment {
    uint64_t offset = 0;         /* byte offset of the segment in the file */
    uint32_t nummer = 0;         /* number of the segment in the file, 1-based */
    uint32_t tag = 0;            /* three tag letters packed, see EDI_TAG */
    int elemente = 0;
    uint16_t erster[SEG_MAX_ELEMENTE];
    uint16_t anzahl[SEG_MAX_ELEMENTE];
    Teil teile[SEG_MAX_TEILE];
    bool freigabe = false;       /* a release character occurs in the segment */
    /* Empty when the segment is well-formed; otherwise what is wrong with
     * it (too many elements or components, a component longer than
     * EL_MAX_LAENGE). Such a segment still comes out, with what fitted,
     * so that the caller can refuse its message and read on. */
    char problem[112];
};

constexpr uint32_t EDI_TAG(const char (&t)[4])
{
    return (uint32_t)(uint8_t)t[0] << 16 | (uint32_t)(uint8_t)t[1] << 8 | (uint8_t)t[2];
}

/* Component `k` of element `e` (0-based; element 0 is the tag); an empty
 * span when the segment has no such component. */
Teil edi_teil(const Segment& s, int e, int k);

/* 1 when component (e, k) equals the code `text` (upper case), letters
 * of the component in either case (no release characters are expected in
 * codes). */
int edi_gleich(const Segment& s, int e, int k, const char* text);

/*
 * Copies component (e, k) into `aus` (`groesse` bytes, always terminated):
 * release characters removed, the text converted from `zs` into code page
 * 1252, outer blanks removed; control characters (line breaks in free
 * text among them) become blanks. Under ISO 8859-1 a component whose
 * bytes above 0x7F all form UTF-8 sequences is read as UTF-8 (senders
 * declare UNOC and send UTF-8). Characters without a cp1252 counterpart,
 * broken UTF-8, the replacement character U+FFFD and the C1 control bytes
 * 0x80..0x9F of ISO 8859-1 become "?" and set `*ungueltig` to 1 (when
 * not null). Returns the length of the whole converted text; a result of
 * `groesse` or more means the copy was cut.
 */
size_t edi_text_kopieren(const Segment& s, int e, int k, const Trenner& t, Zeichensatz zs, char* aus,
                         size_t groesse, int* ungueltig = nullptr);

/*
 * Reads the decimal number of component (e, k) - digits, an optional sign
 * and one decimal mark, point or comma (both are taken, whatever UNA
 * says) - as a value scaled by 10^`stellen`, rounded half away from zero.
 * Returns 1, 0 when the component is empty, -1 when it is no number or out
 * of range (|value| of 10^15 or more).
 */
int edi_zahl(const Segment& s, int e, int k, int stellen, int64_t* wert);

/* Where an error lies and what it is. */
struct Fehler {
    uint32_t segment = 0;
    uint64_t offset = 0;
    char text[160];
};

/* The reader over a file or a block of memory. */
struct Leser;

/* Opens `pfad` for reading (null when it cannot be opened). */
Leser* edi_leser_datei(const char* pfad);
/* Reads `groesse` bytes at `daten` (not copied; must outlive the reader). */
Leser* edi_leser_speicher(const char* daten, size_t groesse);
void edi_leser_schliessen(Leser* l);

/* The separators in force (set by UNA when the file starts with one). */
const Trenner& edi_trenner(const Leser* l);
/* Size of the source in bytes (0 when unknown) and bytes consumed so far. */
uint64_t edi_groesse(const Leser* l);
uint64_t edi_position(const Leser* l);
/* Bytes passed over before the first segment: lines of a mail or transfer
 * header in front of the interchange (0 when none). */
uint64_t edi_vorspann(const Leser* l);

/*
 * The next segment into `s`. Returns 1 = a segment, 0 = the end of the
 * input, -1 = the input cannot be read on (a segment longer than
 * SEG_MAX_LAENGE, a read error, bytes after the last segment terminator
 * that end without one); `f` then says where and what. After -1 the
 * reader only returns -1. A segment whose tag is not three capital letters
 * or digits comes out with its problem set.
 */
int edi_naechstes(Leser* l, Segment& s, Fehler& f);

} // namespace eancom

#endif
