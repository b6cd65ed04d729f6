#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The three ways the measurement tabs turn typed or read text into numbers.

// The number at the start of text in the C locale: leading blanks skipped, an optional sign,
// digits with an optional "." and fraction and an optional exponent; reading stops at the first
// character that cannot continue the number. Text without a number gives 0. "12,5" gives 12.
double LeadingNumber(const QString &text);

// The integer at the start of text in the C locale: leading blanks, an optional sign, then
// decimal digits up to the first other character; 0 without digits. Saturates at the int range.
int LeadingInteger(const QString &text);

// The whole text as a real number written with the user's decimal separator (surrounding blanks
// allowed, an exponent allowed); nullopt for any other text, a "." where the separator is ","
// included, and for a value too large to hold.
std::optional<double> StrictLocaleReal(const QString &text, QChar decimalSeparator);

// A real in general format: up to 15 significant digits, the shortest form, no digit grouping,
// with the given decimal separator (1600, 4,78, 2,2528).
QString GeneralFormat(double value, QChar decimalSeparator);

// Truncation toward zero that saturates at the int range instead of overflowing; NaN gives 0.
int TruncToInt(double value);
