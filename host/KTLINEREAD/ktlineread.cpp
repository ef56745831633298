/*
 * ktlineread.cpp - the line reader's calls: a process-wide table of
 * readers keyed by handle numbers that only grow.
 */
#include "KTLINEREAD/ktlineread_host.h"
#include "lr_core.h"
#include "common/griffe.h"
#include "common/textkern.h"

#include <cstring>
#include <memory>

namespace {

Griffe<LineReader>& readers()
{
    static Griffe<LineReader> r;
    return r;
}

HOSTHANDLE adopt(std::unique_ptr<LineReader> reader)
{
    return readers().Aufnehmen(std::move(reader));
}

LineReader* find(HOSTHANDLE h)
{
    return readers().Finden(h);
}

/* Hands the next line or token of `reader`, as `next` gives it, out into
 * `buffer` (see LR_NextLine). */
int32_t handOut(HOSTHANDLE reader, char* buffer, int32_t size, bool (*next)(LineReader*, std::string*))
{
    int32_t rc = 0;
    LineReader* r = find(reader);
    if (r == nullptr || buffer == nullptr || size < 1)
        return -1;
    try {
        std::string text;
        buffer[0] = '\0';
        if (next(r, &text)) {
            txt_copy_out(text, buffer, size);
            rc = 1;
        }
    } catch (...) {
        buffer[0] = '\0';
        rc = 0;
    }
    return rc;
}

} // namespace

OX_EXTERN_C HOSTHANDLE OXCALL LR_NewSized(const char* text, int32_t length, const char* separators)
{
    if (text == nullptr || separators == nullptr || length < 0)
        return 0;
    try {
        auto r = std::make_unique<LineReader>();
        lr_init_text(r.get(), text, static_cast<size_t>(length), separators);
        return adopt(std::move(r));
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C HOSTHANDLE OXCALL LR_New(const char* text, const char* separators)
{
    if (text == nullptr)
        return 0;
    size_t length = std::strlen(text);
    if (length > INT32_MAX)
        return 0;
    return LR_NewSized(text, static_cast<int32_t>(length), separators);
}

OX_EXTERN_C HOSTHANDLE OXCALL LR_OpenFile(const char* path, const char* separators)
{
    if (path == nullptr || path[0] == '\0' || separators == nullptr)
        return 0;
    try {
        auto r = std::make_unique<LineReader>();
        if (!lr_open_file(r.get(), path, separators))
            return 0;
        HOSTHANDLE h = adopt(std::move(r));
        return h;
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL LR_NextLine(HOSTHANDLE reader, char* buffer, int32_t size)
{
    return handOut(reader, buffer, size, lr_next_line);
}

OX_EXTERN_C int32_t OXCALL LR_NextString(HOSTHANDLE reader, char* buffer)
{
    return handOut(reader, buffer, OX_TXT_256, lr_next_token);
}

OX_EXTERN_C int32_t OXCALL LR_NextStringSized(HOSTHANDLE reader, char* buffer, int32_t size)
{
    return handOut(reader, buffer, size, lr_next_token);
}

OX_EXTERN_C int32_t OXCALL LR_NextLong(HOSTHANDLE reader, int32_t* value)
{
    int32_t rc = 0;
    LineReader* r = find(reader);
    if (r == nullptr || value == nullptr)
        return -1;
    *value = 0;
    try {
        std::string token;
        int32_t number = 0;
        if (lr_next_token(r, &token) && txt_parse_int(token, &number) == 1) {
            *value = number;
            rc = 1;
        }
    } catch (...) {
        rc = 0;
    }
    return rc;
}

OX_EXTERN_C int32_t OXCALL LR_Destroy(HOSTHANDLE reader)
{
    std::unique_ptr<LineReader> r = readers().Herausnehmen(reader);
    if (!r)
        return -1;
    lr_close(r.get());
    return 1;
}

OX_EXTERN_C int32_t OXCALL LR_OpenReaders(void)
{
    return readers().Anzahl();
}
