#include "core/logview/LogValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Days from 1970-01-01 to the given civil date of the proleptic Gregorian calendar.
long long daysFromCivil(int year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = unsigned(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + (long long)dayOfEra - 719468;
}

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

int digits(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

} // namespace

float LogValueNumber(std::string_view field)
{
    constexpr float kGap = std::numeric_limits<float>::quiet_NaN();
    std::size_t start = 0;
    while (start < field.size() && field[start] == ' ')
        ++start;
    if (start == field.size())
        return kGap;
    const char first = field[start];
    // from_chars also reads "inf" and "nan"; a log number starts with a digit, a sign or a point.
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9')))
        return kGap;
    float value = 0;
    const auto [end, error] = std::from_chars(field.data() + start, field.data() + field.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return kGap;
    if (end != field.data() + field.size() && *end != ' ')
        return kGap;
    return value;
}

std::optional<long long> LogTimeStampMs(std::string_view field)
{
    if (field.size() != 16 && field.size() != 17)
        return std::nullopt;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    const int year = digits(field, 0, 4);
    const int month = digits(field, 4, 2);
    const int day = digits(field, 6, 2);
    const int hour = digits(field, 8, 2);
    const int minute = digits(field, 10, 2);
    const int second = digits(field, 12, 2);
    const int millisecond = digits(field, 14, field.size() - 14);
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 || minute > 59
        || second > 59)
        return std::nullopt;
    const long long days = daysFromCivil(year, unsigned(month), unsigned(day));
    return ((days * 24 + hour) * 60 + minute) * 60000LL + second * 1000LL + millisecond;
}
