/*
 * texdefs_core.cpp - calendar arithmetic (proleptic Gregorian, counted in
 * days without gaps) and amount texts.
 */
#include "texdefs_core.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int32_t kFirstDay = 1;
constexpr int32_t kLastDay = 32767;

bool isLeap(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t daysInMonth(int32_t month, int32_t year)
{
    static const int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeap(year))
        return 29;
    return days[month - 1];
}

/* Day number 0 (31.12.1979) as days since 01.01.1970. */
int64_t epoch()
{
    return texdefs_days_from_civil(31, 12, 1979);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int32_t texdefs_date_valid(int32_t day, int32_t month, int32_t year)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return 0;
    return day <= daysInMonth(month, year) ? 1 : 0;
}

int64_t texdefs_days_from_civil(int32_t day, int32_t month, int32_t year)
{
    int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t mp = (month + 9) % 12;
    int64_t doy = (153 * mp + 2) / 5 + day - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void texdefs_civil_from_days(int64_t days, int32_t* day, int32_t* month, int32_t* year)
{
    int64_t z = days + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    *day = static_cast<int32_t>(d);
    *month = static_cast<int32_t>(m);
    *year = static_cast<int32_t>(y + (m <= 2 ? 1 : 0));
}

int32_t texdefs_day_number(int32_t day, int32_t month, int32_t year)
{
    if (texdefs_date_valid(day, month, year) != 1)
        return 0;
    int64_t n = texdefs_days_from_civil(day, month, year) - epoch();
    if (n < kFirstDay || n > kLastDay)
        return 0;
    return static_cast<int32_t>(n);
}

int32_t texdefs_date_of(int32_t dayNumber, int32_t* day, int32_t* month, int32_t* year)
{
    if (dayNumber < kFirstDay || dayNumber > kLastDay) {
        *day = *month = *year = 0;
        return 0;
    }
    texdefs_civil_from_days(epoch() + dayNumber, day, month, year);
    return 1;
}

void texdefs_format_amount(int32_t value, char* text)
{
    int64_t v = value;
    const char* sign = "";
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    std::snprintf(text, 13, "%s%lld.%02lld", sign, static_cast<long long>(v / 100),
                  static_cast<long long>(v % 100));
}

int32_t texdefs_parse_amount(const char* text, int32_t* value)
{
    const char* p = text;
    bool negative = false;
    int64_t whole = 0;
    int64_t cents = 0;
    int digits = 0;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    while (isDigit(*p)) {
        whole = whole * 10 + (*p - '0');
        if (whole > 100000000000LL)
            return 0;
        ++p;
        ++digits;
    }
    if (*p == '.' || *p == ',') {
        ++p;
        int decimals = 0;
        bool roundUp = false;
        while (isDigit(*p)) {
            if (decimals < 2)
                cents = cents * 10 + (*p - '0');
            else if (decimals == 2)
                roundUp = *p >= '5';
            ++decimals;
            ++digits;
            ++p;
        }
        if (decimals == 1)
            cents *= 10;
        if (roundUp)
            ++cents;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (digits == 0 || *p != '\0')
        return 0;
    int64_t total = whole * 100 + cents;
    if (negative)
        total = -total;
    if (total > INT32_MAX || total < INT32_MIN)
        return 0;
    *value = static_cast<int32_t>(total);
    return 1;
}
