#include "core/livedata/PidStatusTexts.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<std::uint16_t, 5> kFuelSystemTexts{S0x03_01, S0x03_02, S0x03_04, S0x03_08, S0x03_10};

// The text of the lowest set bit among bits 0-4, or nothing.
QString lowestFuelSystemBit(std::uint8_t value)
{
    for (std::size_t bit = 0; bit < kFuelSystemTexts.size(); ++bit)
        if ((value >> bit) & 1u)
            return LoadMessage(kFuelSystemTexts[bit]);
    return {};
}

QString sensorTokens(std::uint8_t a, const std::array<const char *, 8> &tokens)
{
    QString text;
    for (std::size_t bit = 0; bit < tokens.size(); ++bit)
        if ((a >> bit) & 1u)
            text += QString::fromLatin1(tokens[bit]);
    return text;
}

} // namespace

QString FuelSystemStatusText(std::uint8_t a, std::uint8_t b)
{
    const QString notAvailable = QStringLiteral("N/A");
    const QString first = (a & 0x1F) == 0 ? notAvailable : lowestFuelSystemBit(a);
    const QString second = (b & 0x1F) == 0 ? notAvailable : QStringLiteral("/ ") + lowestFuelSystemBit(b);
    return first + second;
}

QString SecondaryAirStatusText(std::uint8_t a)
{
    switch (a & 7) {
    case 1: return LoadMessage(S0x07_01);
    case 2: return LoadMessage(S0x07_02);
    case 4: return LoadMessage(S0x07_04);
    default: return LoadMessage(S0x07_xx);
    }
}

QString OxygenSensorsBanks12Text(std::uint8_t a)
{
    return sensorTokens(a, {"B1S1 ", "B1S2 ", "B1S3 ", "B1S4 ", "B2S1 ", "B2S2 ", "B2S3 ", "B2S4 "});
}

QString OxygenSensorsBanks1234Text(std::uint8_t a)
{
    return sensorTokens(a, {"B1S1 ", "B1S2 ", "B2S1 ", "B2S2 ", "B3S1 ", "B3S2 ", "B4S1 ", "B4S2 "});
}

QString ObdStandardText(std::uint8_t a)
{
    constexpr std::array<std::uint16_t, 13> kStandards{S0x1C_01, S0x1C_02, S0x1C_03, S0x1C_04, S0x1C_05,
                                                       S0x1C_06, S0x1C_07, S0x1C_08, S0x1C_09, S0x1C_10,
                                                       S0x1C_11, S0x1C_12, S0x1C_13};
    if (a >= 1 && a <= kStandards.size())
        return LoadMessage(kStandards[a - 1]);
    return LoadMessage(S0x1C_xx);
}

QString EgrDeviationText(std::uint8_t a)
{
    if (a < 128)
        return LoadMessage(S0x2D_1);
    if (a > 128)
        return LoadMessage(S0x2D_2);
    return LoadMessage(S0x2D_3);
}

QString FuelTypeText(std::uint8_t a)
{
    static constexpr std::array<const char *, 24> kFuelTypes{
        QT_TRANSLATE_NOOP("SensorTable", "Brak danych"),
        QT_TRANSLATE_NOOP("SensorTable", "Benzyna"),
        QT_TRANSLATE_NOOP("SensorTable", "Metanol"),
        QT_TRANSLATE_NOOP("SensorTable", "Etanol"),
        QT_TRANSLATE_NOOP("SensorTable", "Olej napędowy"),
        QT_TRANSLATE_NOOP("SensorTable", "LPG"),
        QT_TRANSLATE_NOOP("SensorTable", "CNG"),
        QT_TRANSLATE_NOOP("SensorTable", "Propan"),
        QT_TRANSLATE_NOOP("SensorTable", "Elektryczny"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - benzyna"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - metanol"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - etanol"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - LPG"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - CNG"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - propan"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - elektryczny"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - elektryczny i spalinowy"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - benzyna"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - etanol"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - olej napędowy"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - elektryczny"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - elektryczny i spalinowy"),
        QT_TRANSLATE_NOOP("SensorTable", "Hybryda - odzysk energii"),
        QT_TRANSLATE_NOOP("SensorTable", "Dwupaliwowy - olej napędowy"),
    };
    if (a < kFuelTypes.size())
        return QCoreApplication::translate("SensorTable", kFuelTypes[a]);
    return QCoreApplication::translate("SensorTable", "Nieznany (%1)").arg(a);
}
