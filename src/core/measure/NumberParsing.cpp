#include "core/measure/NumberParsing.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isDigit(const QString &text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

qsizetype skipBlanks(const QString &text, qsizetype i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

qsizetype skipDigits(const QString &text, qsizetype i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

// Where the decimal number starting at `from` ends (`from` when there is none). A number is an
// optional sign, digits with an optional separator and fraction (at least one digit in all) and
// an exponent that counts only when digits follow it.
qsizetype numberEnd(const QString &text, qsizetype from, QChar separator)
{
    qsizetype i = from;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype integerStart = i;
    i = skipDigits(text, i);
    bool digits = i > integerStart;
    if (i < text.size() && text[i] == separator) {
        const qsizetype fractionStart = i + 1;
        const qsizetype fractionEnd = skipDigits(text, fractionStart);
        if (digits || fractionEnd > fractionStart) {
            i = fractionEnd;
            digits = true;
        }
    }
    if (!digits)
        return from;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (isDigit(text, e))
            i = skipDigits(text, e);
    }
    return i;
}

// Converts a checked number written with "." as its separator, whatever the process locale;
// NaN when the value does not fit a double.
double toDouble(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : std::nan("");
}

} // namespace

double LeadingNumber(const QString &text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype end = numberEnd(text, start, u'.');
    if (end == start)
        return 0.0;
    const double value = toDouble(text.mid(start, end - start));
    return std::isnan(value) ? 0.0 : value;
}

int LeadingInteger(const QString &text)
{
    qsizetype i = skipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; isDigit(text, i); ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), limit + 1);
    if (negative)
        return int(-std::min(value, limit + 1));
    return int(std::min(value, limit));
}

std::optional<double> StrictLocaleReal(const QString &text, QChar decimalSeparator)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype end = numberEnd(text, start, decimalSeparator);
    if (end == start || skipBlanks(text, end) != text.size())
        return std::nullopt;
    QString plain = text.mid(start, end - start);
    plain.replace(decimalSeparator, u'.');
    const double value = toDouble(plain);
    if (std::isnan(value))
        return std::nullopt;
    return value;
}

QString GeneralFormat(double value, QChar decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', decimalSeparator);
    return text;
}

int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}
