#pragma once

#include <QChar>
#include <QString>

// A number as the value column shows it: rounded half away from zero to at most P significant
// digits and at most D decimals, whichever keeps fewer digits (P is held to 2..18), written with
// exactly D decimals, or in scientific form (1,6E2) when the rounded value needs more than P
// digits before the decimal separator. Rounding works on the value's decimal expansion taken to
// 18 significant digits.
QString FormatFixed(long double x, int precision, int decimals, QChar decimalSeparator);
