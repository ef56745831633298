/*
 * lr_core.cpp - lines and tokens.
 */
#include "lr_core.h"

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
    r->file = std::fopen(path, "rb");
    return r->file != nullptr;
}

static bool readFileLine(LineReader* r, std::string* line)
{
    line->clear();
    int c = std::getc(r->file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\r' && c != '\n') {
        if (line->size() < kLrMaxLine)
            line->push_back(static_cast<char>(c));
        c = std::getc(r->file);
    }
    if (c == '\r') {
        int next = std::getc(r->file);
        if (next != '\n' && next != EOF)
            std::ungetc(next, r->file);
    }
    return true;
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
    if (r->pos >= r->text.size())
        return false;
    size_t end = r->pos;
    while (end < r->text.size() && r->text[end] != '\r' && r->text[end] != '\n')
        ++end;
    *line = r->text.substr(r->pos, end - r->pos);
    if (end < r->text.size()) {
        if (r->text[end] == '\r' && end + 1 < r->text.size() && r->text[end + 1] == '\n')
            ++end;
        ++end;
    }
    r->pos = end;
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
}

void lr_copy_out(const std::string& text, char* buffer, int32_t size)
{
    if (buffer == nullptr || size < 1)
        return;
    size_t length = std::strlen(text.c_str());
    size_t room = static_cast<size_t>(size) - 1;
    if (length > room)
        length = room;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

int32_t lr_parse_long(const std::string& text, int32_t* value)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return 0;
    int64_t v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<int64_t>(INT32_MAX) + 1)
            return 0;
        ++i;
    }
    if (negative)
        v = -v;
    if (v > INT32_MAX || v < INT32_MIN)
        return 0;
    *value = static_cast<int32_t>(v);
    return 1;
}
