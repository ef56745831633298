/*
 * lr_core.cpp - lines and tokens.
 */
#include "lr_core.h"
#include "common/textkern.h"

#include <cstring>

void lr_init_text(LineReader* r, const char* text, size_t length, const char* separators)
{
    r->text.assign(text, length);
    r->pos = 0;
    std::memset(r->separator, 0, sizeof(r->separator));
    for (const char* s = separators; s != nullptr && *s != '\0'; ++s)
        r->separator[static_cast<unsigned char>(*s)] = true;
    r->file = nullptr;
}

bool lr_open_file(LineReader* r, const char* path, const char* separators)
{
    lr_init_text(r, "", 0, separators);
    r->block.clear();
    r->blockPos = 0;
    r->file = std::fopen(path, "rb");
    return r->file != nullptr;
}

/* Reads the next block of the file into `block`; false at the end of the
 * file (the block is then empty). */
static bool readBlock(LineReader* r)
{
    r->block.resize(kLrBlock);
    size_t n = std::fread(&r->block[0], 1, kLrBlock, r->file);
    r->block.resize(n);
    r->blockPos = 0;
    return n > 0;
}

/* The next line of the file through the blocks, cut to kLrMaxLine bytes. */
static bool readFileLine(LineReader* r, std::string* line)
{
    line->clear();
    if (r->blockPos >= r->block.size() && !readBlock(r))
        return false;
    for (;;) {
        TextLine part;
        txt_next_line(r->block.data(), r->block.size(), r->blockPos, &part);
        size_t room = kLrMaxLine - line->size();
        size_t n = part.end - part.begin;
        line->append(r->block, part.begin, n < room ? n : room);
        r->blockPos = part.end + part.endLength;
        if (part.endLength == 0) {
            /* the line goes on in the next block, or the file ends without a line end */
            if (!readBlock(r))
                return true;
            continue;
        }
        if (part.endLength == 1 && r->block[part.end] == '\r' && r->blockPos == r->block.size()) {
            /* a CR closing the block: an LF opening the next one is part of its line end */
            if (readBlock(r) && r->block[0] == '\n')
                r->blockPos = 1;
        }
        return true;
    }
}

bool lr_next_line(LineReader* r, std::string* line)
{
    if (r->file != nullptr) {
        if (!readFileLine(r, &r->text)) {
            r->text.clear();
            r->pos = 0;
            return false;
        }
        r->pos = 0;
        *line = r->text;
        return true;
    }
    TextLine part;
    if (!txt_next_line(r->text.data(), r->text.size(), r->pos, &part))
        return false;
    *line = r->text.substr(part.begin, part.end - part.begin);
    r->pos = part.end + part.endLength;
    return true;
}

bool lr_next_token(LineReader* r, std::string* token)
{
    if (r->pos >= r->text.size())
        return false;
    size_t end = r->pos;
    while (end < r->text.size() && !r->separator[static_cast<unsigned char>(r->text[end])])
        ++end;
    *token = r->text.substr(r->pos, end - r->pos);
    r->pos = end < r->text.size() ? end + 1 : end;
    return true;
}

bool lr_at_end(const LineReader* r)
{
    return r->pos >= r->text.size();
}

void lr_close(LineReader* r)
{
    if (r->file != nullptr)
        std::fclose(r->file);
    r->file = nullptr;
    std::string().swap(r->block);
    r->blockPos = 0;
}
