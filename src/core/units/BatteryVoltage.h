#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The voltage an adapter measures on pin 16 of the diagnostic socket, the car's battery.

// Below this the car's units may no longer answer: the ignition is off or the battery is flat.
inline constexpr double kLowBatteryVolts = 11.0;

// The voltage in an adapter's answer to ATRV ("12.6V", "12.60 V", "12,6V"); nothing when the
// answer holds no voltage.
std::optional<double> BatteryVoltageIn(const QString &answer);

// A voltage as the workstation shows it, with one decimal: "12,6 V"; "nie odczytano" for none.
QString BatteryVoltageText(std::optional<double> volts, QChar decimalSeparator);

// The connection log's line: "Napięcie akumulatora: 12,6 V".
QString BatteryLine(std::optional<double> volts, QChar decimalSeparator);

// The line of an adapter that found no car answering: under kLowBatteryVolts it goes on to say that
// the ignition may be off or the battery flat.
QString NoAnswerLine(const QString &line, std::optional<double> volts, QChar decimalSeparator);
