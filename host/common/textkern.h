/*
 * textkern.h - text work that the line reader and the INI library share:
 * splitting a text into lines, reading an integer from a value, and
 * handing a text out into a caller's buffer. Free of windows.h, so it
 * builds natively as well.
 */
#ifndef OX_COMMON_TEXTKERN_H
#define OX_COMMON_TEXTKERN_H

#include <stddef.h>
#include <stdint.h>
#include <string>

/* One line of a text: bytes [begin, end) without its line end, which is
 * `endLength` bytes long (0 when the text ends without one). */
struct TextLine {
    size_t begin;
    size_t end;
    size_t endLength;
};

/*
 * The line that starts at `pos` of the `length` bytes of `text`. A line
 * ends at CR LF, LF or CR, whichever comes first; a CR that is the last
 * byte of `text` counts as a line end of its own (a reader that gets its
 * text in blocks must look at the next block for the LF). Every other
 * byte, NUL included, belongs to the line. Returns false (and leaves
 * `line` alone) when `pos` is at or behind the end of the text, so an
 * empty text has no line and a text ending in a line end has no empty
 * line after it.
 */
bool txt_next_line(const char* text, size_t length, size_t pos, TextLine* line);

/*
 * The integer at the start of `text`: blanks and tabs, an optional sign,
 * at least one digit; whatever follows the digits is ignored. Returns 1
 * and sets `*number` when the number lies in the 32-bit range, else 0
 * (`*number` untouched).
 */
int32_t txt_parse_int(const std::string& text, int32_t* number);

/*
 * Copies `text` into `buffer` of `size` bytes: at most size-1 characters,
 * always terminated; the text ends at a NUL byte inside it. Returns the
 * number of characters stored, -1 (nothing written) when `buffer` is null
 * or `size` is below 1.
 */
int32_t txt_copy_out(const std::string& text, char* buffer, int32_t size);

#endif
