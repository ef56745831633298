/*
 * oxtexdefs.cpp - the date and amount calls over texdefs_core.
 */
#include "OXTEXDEFS/oxtexdefs_host.h"
#include "texdefs_core.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

int32_t copyOut(const char* text, char* buffer, int32_t size)
{
    size_t length = std::strlen(text);
    size_t room = static_cast<size_t>(size) - 1;
    if (length > room)
        length = room;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int32_t>(length);
}

} // namespace

OX_EXTERN_C int32_t OXCALL TEXDEFS_DatumToInteger(const TEXDEFS_DATUM* datum)
{
    if (datum == nullptr)
        return 0;
    return texdefs_day_number(datum->Tag, datum->Monat, datum->Jahr);
}

OX_EXTERN_C int32_t OXCALL TEXDEFS_IntegerToDatum(int32_t tag, TEXDEFS_DATUM* datum)
{
    if (datum == nullptr)
        return -1;
    return texdefs_date_of(tag, &datum->Tag, &datum->Monat, &datum->Jahr);
}

OX_EXTERN_C int32_t OXCALL TEXDEFS_DatumToString(const TEXDEFS_DATUM* datum, char* text, int32_t size)
{
    if (datum == nullptr || text == nullptr || size < 1)
        return -1;
    if (texdefs_date_valid(datum->Tag, datum->Monat, datum->Jahr) != 1) {
        text[0] = '\0';
        return 0;
    }
    char full[16];
    std::snprintf(full, sizeof(full), "%02d.%02d.%04d", static_cast<int>(datum->Tag),
                  static_cast<int>(datum->Monat), static_cast<int>(datum->Jahr));
    return copyOut(full, text, size);
}

OX_EXTERN_C int32_t OXCALL TEXDEFS_Heute(void)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    if (localtime_s(&local, &now) != 0)
        return 0;
#else
    if (localtime_r(&now, &local) == nullptr)
        return 0;
#endif
    return texdefs_day_number(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

OX_EXTERN_C int32_t OXCALL TEXDEFS_LongToKommaString(int32_t value, char* text, int32_t size)
{
    if (text == nullptr || size < 1)
        return -1;
    char full[16];
    texdefs_format_amount(value, full);
    return copyOut(full, text, size);
}

OX_EXTERN_C int32_t OXCALL TEXDEFS_KommaStringToLong(const char* text, int32_t* value)
{
    if (text == nullptr || value == nullptr)
        return -1;
    *value = 0;
    return texdefs_parse_amount(text, value);
}
