#include "core/units/BatteryVoltage.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QRegularExpression>

std::optional<double> BatteryVoltageIn(const QString &answer)
{
    static const QRegularExpression kVolts(QStringLiteral(R"(^\s*(\d{1,2}(?:[.,]\d{1,3})?)\s*V\s*$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kVolts.match(answer);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1);
    number.replace(u',', u'.');
    bool ok = false;
    const double volts = number.toDouble(&ok);
    return ok ? std::optional<double>(volts) : std::nullopt;
}

QString BatteryVoltageText(std::optional<double> volts, QChar decimalSeparator)
{
    if (!volts)
        return LoadMessage(SBatteryUnread);
    // Rounded half up from the hundredths an adapter writes, so that 9.95 shows as 10,0.
    const long long tenths = (qRound64(*volts * 100.0) + 5) / 10;
    return QStringLiteral("%1%2%3 V").arg(tenths / 10).arg(decimalSeparator).arg(tenths % 10);
}

QString NoAnswerLine(const QString &line, std::optional<double> volts, QChar decimalSeparator)
{
    if (!volts || *volts >= kLowBatteryVolts)
        return line;
    return line + QStringLiteral("; ") + LoadMessage(SLowBattery).arg(BatteryVoltageText(volts, decimalSeparator));
}

QString BatteryLine(std::optional<double> volts, QChar decimalSeparator)
{
    return LoadMessage(SBattery) + QStringLiteral(": ") + BatteryVoltageText(volts, decimalSeparator);
}
