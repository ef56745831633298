/*
 * textkern.cpp - lines, integers and copies of texts.
 */
#include "textkern.h"

#include <cstring>

bool txt_next_line(const char* text, size_t length, size_t pos, TextLine* line)
{
    if (pos >= length)
        return false;
    size_t end = pos;
    while (end < length && text[end] != '\r' && text[end] != '\n')
        ++end;
    size_t endLength = 0;
    if (end < length) {
        endLength = 1;
        if (text[end] == '\r' && end + 1 < length && text[end + 1] == '\n')
            endLength = 2;
    }
    *line = TextLine{pos, end, endLength};
    return true;
}

int32_t txt_parse_int(const std::string& text, int32_t* number)
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
    *number = static_cast<int32_t>(v);
    return 1;
}

int32_t txt_copy_out(const std::string& text, char* buffer, int32_t size)
{
    if (buffer == nullptr || size < 1)
        return -1;
    size_t length = std::strlen(text.c_str()); /* ends at a NUL inside */
    size_t room = static_cast<size_t>(size) - 1;
    if (length > room)
        length = room;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int32_t>(length);
}
