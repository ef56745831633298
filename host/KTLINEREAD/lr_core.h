/*
 * lr_core.h - the line reader's work: lines and tokens of a text or of a
 * file (read through the C library, so no windows.h is needed).
 */
#ifndef OX_LR_CORE_H
#define OX_LR_CORE_H

#include <stdint.h>
#include <stdio.h>
#include <string>

/* Longest line a file reader keeps; the rest of a longer line is skipped. */
constexpr size_t kLrMaxLine = 1u << 20;

struct LineReader {
    std::string text;        /* the text, or the current line of the file */
    size_t pos = 0;          /* next unread byte of `text` */
    bool separator[256] = {};
    FILE* file = nullptr;    /* null for a text reader */
};

/* A text reader over `length` bytes of `text`. */
void lr_init_text(LineReader* r, const char* text, size_t length, const char* separators);

/* A file reader; false when the file cannot be opened. */
bool lr_open_file(LineReader* r, const char* path, const char* separators);

/* Next line (without its end); false at the end. */
bool lr_next_line(LineReader* r, std::string* line);

/* Next token; false when none is left. */
bool lr_next_token(LineReader* r, std::string* token);

/* True when no token is left. */
bool lr_at_end(const LineReader* r);

/* Closes the file of a file reader. */
void lr_close(LineReader* r);

/* Bounded copy into a caller's buffer of `size` bytes; the text ends at a
 * NUL byte inside. */
void lr_copy_out(const std::string& text, char* buffer, int32_t size);

/* Number of a token (see LR_NextLong): 1 = a number. */
int32_t lr_parse_long(const std::string& text, int32_t* value);

#endif
