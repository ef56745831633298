/*
 * ini_core.cpp - finding and changing values in INI text.
 *
 * The text is walked line by line; a line ends at CR LF, LF or CR, the last
 * one may have no end. Nothing is copied or changed but the one line that a
 * write touches, so every other byte of the file survives a write.
 */
#include "ini_core.h"

#include <cstring>

namespace {

/* One line of the text (see txt_next_line). */
using Line = TextLine;

enum LineKind { LINE_OTHER, LINE_SECTION, LINE_KEY };

struct Parsed {
    LineKind kind;
    std::string name;    /* section name or key */
    size_t valueBegin;   /* LINE_KEY: offset of the text behind "=" */
};

bool nextLine(const std::string& text, size_t pos, Line* line)
{
    return txt_next_line(text.data(), text.size(), pos, line);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text, size_t begin, size_t end)
{
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

Parsed parseLine(const std::string& text, const Line& line)
{
    Parsed p{LINE_OTHER, std::string(), 0};
    size_t i = line.begin;
    while (i < line.end && isBlank(text[i]))
        ++i;
    if (i >= line.end)
        return p;
    char first = text[i];
    if (first == ';' || first == '#')
        return p;
    if (first == '[') {
        size_t close = i + 1;
        while (close < line.end && text[close] != ']')
            ++close;
        if (close < line.end) {
            p.kind = LINE_SECTION;
            p.name = trimmed(text, i + 1, close);
        }
        return p;
    }
    size_t eq = i;
    while (eq < line.end && text[eq] != '=')
        ++eq;
    if (eq < line.end) {
        p.kind = LINE_KEY;
        p.name = trimmed(text, i, eq);
        p.valueBegin = eq + 1;
    }
    return p;
}

unsigned char foldCase(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A; /* s caron */
    case 0x9C: return 0x8C; /* oe */
    case 0x9E: return 0x8E; /* z caron */
    case 0xFF: return 0x9F; /* y diaeresis */
    default: return c;
    }
}

std::string decodeValue(const std::string& raw)
{
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        return raw.substr(1, raw.size() - 2);
    return raw;
}

std::string encodeValue(const char* value)
{
    std::string v(value);
    bool quote = false;
    if (!v.empty() && (isBlank(v.front()) || isBlank(v.back())))
        quote = true;
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        quote = true;
    if (quote)
        return "\"" + v + "\"";
    return v;
}

/* The line end the text already uses; CR LF when it has none. */
std::string lineEndOf(const std::string& text)
{
    size_t i = text.find_first_of("\r\n");
    if (i == std::string::npos)
        return "\r\n";
    if (text[i] == '\r')
        return (i + 1 < text.size() && text[i + 1] == '\n') ? "\r\n" : "\r";
    return "\n";
}

bool hasAny(const char* text, const char* set)
{
    return std::strpbrk(text, set) != nullptr;
}

} // namespace

bool ini_names_equal(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool ini_section_valid(const char* section)
{
    if (section == nullptr)
        return false;
    std::string s(section);
    std::string t = trimmed(s, 0, s.size());
    return !t.empty() && t == s && s.size() <= kIniMaxName && !hasAny(section, "]\r\n");
}

bool ini_key_valid(const char* key)
{
    if (key == nullptr)
        return false;
    std::string k(key);
    std::string t = trimmed(k, 0, k.size());
    return !t.empty() && t == k && k.size() <= kIniMaxName && !hasAny(key, "=\r\n") && k[0] != '[' &&
           k[0] != ';' && k[0] != '#';
}

bool ini_value_valid(const char* value)
{
    return value != nullptr && !hasAny(value, "\r\n");
}

int32_t ini_find_value(const std::string& content, const std::string& section, const std::string& key,
                       std::string* value)
{
    Line line;
    size_t pos = 0;
    bool inSection = false;
    bool seenSection = false;
    while (nextLine(content, pos, &line)) {
        pos = line.end + line.endLength;
        Parsed p = parseLine(content, line);
        if (p.kind == LINE_SECTION) {
            if (inSection)
                break; /* only the first section of that name counts */
            inSection = !seenSection && ini_names_equal(p.name, section);
            seenSection = seenSection || inSection;
        } else if (p.kind == LINE_KEY && inSection && ini_names_equal(p.name, key)) {
            if (value != nullptr)
                *value = decodeValue(trimmed(content, p.valueBegin, line.end));
            return 1;
        }
    }
    return 0;
}

int32_t ini_change(const std::string& content, const std::string& section, const char* key, const char* value,
                   std::string* out)
{
    const std::string eol = lineEndOf(content);
    Line line;
    size_t pos = 0;
    bool inSection = false;
    bool sectionFound = false;
    size_t sectionBegin = 0;       /* start of the header line */
    size_t sectionEnd = 0;         /* end of the section (start of the next header or end of text) */
    size_t insertAt = 0;           /* behind the last non-empty line of the section */
    bool keyFound = false;
    Line keyLine{0, 0, 0};
    size_t keyValueBegin = 0;

    while (nextLine(content, pos, &line)) {
        pos = line.end + line.endLength;
        Parsed p = parseLine(content, line);
        if (p.kind == LINE_SECTION) {
            if (inSection) {
                sectionEnd = line.begin;
                inSection = false;
                break;
            }
            if (!sectionFound && ini_names_equal(p.name, section)) {
                inSection = true;
                sectionFound = true;
                sectionBegin = line.begin;
                insertAt = pos;
                sectionEnd = content.size();
            }
            continue;
        }
        if (!inSection)
            continue;
        if (trimmed(content, line.begin, line.end).size() > 0)
            insertAt = pos;
        if (p.kind == LINE_KEY && !keyFound && key != nullptr && ini_names_equal(p.name, key)) {
            keyFound = true;
            keyLine = line;
            keyValueBegin = p.valueBegin;
        }
    }

    if (key == nullptr) { /* remove the whole section */
        if (!sectionFound) {
            *out = content;
            return 0;
        }
        *out = content.substr(0, sectionBegin) + content.substr(sectionEnd);
        return 1;
    }
    if (value == nullptr) { /* remove one key */
        if (!keyFound) {
            *out = content;
            return 0;
        }
        *out = content.substr(0, keyLine.begin) + content.substr(keyLine.end + keyLine.endLength);
        return 1;
    }
    std::string encoded = encodeValue(value);
    if (keyFound) {
        std::string old = trimmed(content, keyValueBegin, keyLine.end);
        if (old == encoded) {
            *out = content;
            return 0;
        }
        size_t valueStart = keyValueBegin; /* keep the blanks behind "=" */
        while (valueStart < keyLine.end && isBlank(content[valueStart]))
            ++valueStart;
        *out = content.substr(0, valueStart) + encoded + content.substr(keyLine.end);
        return 1;
    }
    std::string entry = std::string(key) + "=" + encoded + eol;
    if (sectionFound) {
        std::string before = content.substr(0, insertAt);
        /* the section's last line may be the file's last line, without end */
        if (!before.empty() && before.back() != '\n' && before.back() != '\r')
            before += eol;
        *out = before + entry + content.substr(insertAt);
        return 1;
    }
    std::string result = content;
    if (!result.empty() && result.back() != '\n' && result.back() != '\r')
        result += eol;
    result += "[" + section + "]" + eol + entry;
    *out = result;
    return 1;
}
