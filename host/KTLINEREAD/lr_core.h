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

/* Bytes a file reader reads at once. */
constexpr size_t kLrBlock = 1u << 16;

struct LineReader {
    std::string text;        /* the text, or the current line of the file */
    size_t pos = 0;          /* next unread byte of `text` */
    bool separator[256] = {};
    FILE* file = nullptr;    /* null for a text reader */
    std::string block;       /* file reader: the block read last */
    size_t blockPos = 0;     /* next unread byte of `block` */
};

/* A text reader over `length` bytes of `text`. */
void lr_init_text(LineReader* r, const char* text, size_t length, const char* separators);

/* A file reader; false when the file cannot be opened. */
bool lr_open_file(LineReader* r, const char* path, const char* separators);

/* Next line (without its end); false at the end. Lines end at CR LF, LF
 * or CR (see txt_next_line); a file reader gives the same lines as a text
 * reader over the file's bytes, except that it keeps only the first
 * kLrMaxLine bytes of a longer line. */
bool lr_next_line(LineReader* r, std::string* line);

/* Next token; false when none is left. */
bool lr_next_token(LineReader* r, std::string* token);

/* True when no token is left. */
bool lr_at_end(const LineReader* r);

/* Closes the file of a file reader. */
void lr_close(LineReader* r);

#endif
