#include "core/livedata/FormatFixed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kExpansionDigits = 18;

// A decimal number as its significant digits and the position of the decimal point:
// value = 0.d1d2d3... x 10^pointPos, so pointPos is the count of digits before the point.
struct Decimal {
    bool negative = false;
    std::string digits; // without leading zeros; empty for zero
    int pointPos = 0;
};

Decimal expand(long double x)
{
    Decimal result;
    if (x == 0 || !std::isfinite(x))
        return result;
    result.negative = x < 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kExpansionDigits - 1, std::fabs(x));
    // d.ddddde±xx
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.pointPos = std::stoi(text.substr(e + 1)) + 1;
    return result;
}

// Keeps the digits up to `kept` digits after the decimal point (negative: before it),
// rounding half away from zero.
void roundTo(Decimal &number, int kept)
{
    const int keep = number.pointPos + kept; // digits of `digits` that stay
    if (keep >= int(number.digits.size()))
        return;
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool up = number.digits[std::size_t(keep)] >= '5';
    number.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.digits[std::size_t(i)] == '9')
            number.digits[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++number.digits[std::size_t(i)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPos;
        }
    }
    while (!number.digits.empty() && number.digits.back() == '0')
        number.digits.pop_back();
    if (number.digits.empty())
        number.negative = false;
}

} // namespace

QString FormatFixed(long double x, int precision, int decimals, QChar decimalSeparator)
{
    precision = std::clamp(precision, 2, 18);
    decimals = std::max(decimals, 0);

    Decimal number = expand(x);
    if (!number.digits.empty())
        roundTo(number, std::min(precision - number.pointPos, decimals));

    QString text;
    if (number.negative)
        text += u'-';

    if (!number.digits.empty() && number.pointPos > precision) {
        text += QChar::fromLatin1(number.digits[0]);
        if (number.digits.size() > 1)
            text += decimalSeparator + QString::fromLatin1(number.digits.substr(1));
        text += u'E' + QString::number(number.pointPos - 1);
        return text;
    }

    // Digit i of the number (0 = first significant digit); zeros outside the stored digits.
    auto digitAt = [&number](int position) -> char {
        return position >= 0 && position < int(number.digits.size()) ? number.digits[std::size_t(position)] : '0';
    };
    if (number.digits.empty() || number.pointPos <= 0) {
        text += u'0';
    } else {
        for (int i = 0; i < number.pointPos; ++i)
            text += QChar::fromLatin1(digitAt(i));
    }
    if (decimals > 0) {
        text += decimalSeparator;
        for (int i = 0; i < decimals; ++i)
            text += QChar::fromLatin1(number.digits.empty() ? '0' : digitAt(number.pointPos + i));
    }
    return text;
}
