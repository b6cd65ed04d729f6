#include "core/monitortests/UnitScaling.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/FormatFixed.h"
#include "core/text/HexByte.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

constexpr const char *kNoUnit = "";

// The unit-and-scaling IDs of SAE J1979 / ISO 15031-5 that the workstation shows as quantities, in
// the order of their IDs: the factor per bit and the offset in the unit shown, the decimals that
// the resolution gives. The signed IDs (80 and above) scale as their unsigned namesakes.
constexpr UnitScaling kScalings[] = {
    {0x01, 1, 0, 0, kNoUnit},
    {0x02, 0.1L, 0, 1, kNoUnit},
    {0x03, 0.01L, 0, 2, kNoUnit},
    {0x04, 0.001L, 0, 3, kNoUnit},
    {0x05, 0.0000305L, 0, 5, kNoUnit},
    {0x06, 0.000305L, 0, 4, kNoUnit},
    {0x07, 0.25L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "obr/min")},
    {0x08, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "km/h")},
    {0x09, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "km/h")},
    {0x0A, 0.000122L, 0, 4, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x0B, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x0C, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x0D, 0.00390625L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "mA")},
    {0x0E, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "A")},
    {0x0F, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "A")},
    {0x10, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "ms")},
    {0x11, 0.1L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "s")},
    {0x12, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "s")},
    {0x13, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "Ω")},
    {0x14, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "Ω")},
    {0x15, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "kΩ")},
    {0x16, 0.1L, -40, 1, QT_TRANSLATE_NOOP("UnitScaling", "°C")},
    {0x17, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0x18, 0.0117L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0x19, 0.079L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0x1A, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0x1B, 10, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0x1C, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "°")},
    {0x1D, 0.5L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "°")},
    {0x1E, 0.0000305L, 0, 4, QT_TRANSLATE_NOOP("UnitScaling", "lambda")},
    {0x1F, 0.05L, 0, 2, kNoUnit},
    {0x20, 0.0039062L, 0, 3, kNoUnit},
    {0x21, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "Hz")},
    {0x22, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "Hz")},
    {0x23, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "kHz")},
    {0x24, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "szt.")},
    {0x25, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "km")},
    {0x27, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "g/s")},
    {0x28, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "g/s")},
    {0x29, 0.25L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "Pa/s")},
    {0x2A, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "kg/h")},
    {0x2B, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "szt.")},
    {0x2C, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "g/cyl.")},
    {0x2D, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "mg/suw")},
    {0x2E, 1, 0, 0, kNoUnit, true}, // true or false
    {0x2F, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "%")},
    {0x30, 0.001526L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "%")},
    {0x31, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "l")},
    {0x34, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "min")},
    {0x35, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "s")},
    {0x36, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "g")},
    {0x37, 0.1L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "g")},
    {0x38, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "g")},
    {0x39, 0.01L, -327.68L, 2, QT_TRANSLATE_NOOP("UnitScaling", "%")},
    {0x3A, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "g")},
    {0x3B, 0.0001L, 0, 4, QT_TRANSLATE_NOOP("UnitScaling", "g")},
    {0x3C, 0.1L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "µs")},
    {0x3D, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "mA")},
    {0x81, 1, 0, 0, kNoUnit},
    {0x82, 0.1L, 0, 1, kNoUnit},
    {0x83, 0.01L, 0, 2, kNoUnit},
    {0x84, 0.001L, 0, 3, kNoUnit},
    {0x85, 0.0000305L, 0, 5, kNoUnit},
    {0x86, 0.000305L, 0, 4, kNoUnit},
    {0x8A, 0.000122L, 0, 4, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x8B, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x8C, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "V")},
    {0x8D, 0.00390625L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "mA")},
    {0x8E, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "A")},
    {0x90, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "ms")},
    {0x96, 0.1L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "°C")},
    {0x9C, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "°")},
    {0x9D, 0.5L, 0, 1, QT_TRANSLATE_NOOP("UnitScaling", "°")},
    {0xA8, 1, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "g/s")},
    {0xA9, 0.25L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "Pa/s")},
    {0xAF, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "%")},
    {0xB0, 0.003052L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "%")},
    {0xB1, 2, 0, 0, QT_TRANSLATE_NOOP("UnitScaling", "mV/s")},
    {0xFC, 0.01L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0xFD, 0.001L, 0, 3, QT_TRANSLATE_NOOP("UnitScaling", "kPa")},
    {0xFE, 0.25L, 0, 2, QT_TRANSLATE_NOOP("UnitScaling", "Pa")},
};

const UnitScaling *find(std::uint8_t id)
{
    const auto *found = std::find_if(std::begin(kScalings), std::end(kScalings),
                                     [id](const UnitScaling &scaling) { return scaling.id == id; });
    return found == std::end(kScalings) ? nullptr : found;
}

} // namespace

std::int32_t ScaledRaw(std::uint8_t id, std::uint8_t high, std::uint8_t low)
{
    const auto bits = static_cast<std::uint16_t>(high << 8 | low);
    return IsSignedScaling(id) ? static_cast<std::int32_t>(static_cast<std::int16_t>(bits)) : std::int32_t(bits);
}

std::optional<UnitScaling> FindUnitScaling(std::uint8_t id)
{
    const UnitScaling *scaling = find(id);
    return scaling != nullptr ? std::optional<UnitScaling>(*scaling) : std::nullopt;
}

QString ScaledText(std::uint8_t id, std::int32_t raw, QChar decimalSeparator)
{
    const UnitScaling *scaling = find(id);
    if (scaling == nullptr)
        return QString::number(raw);
    if (scaling->yesNo)
        return LoadMessage(raw != 0 ? SYes : SNo);
    return FormatFixed(raw * scaling->factor + scaling->offset, 18, scaling->decimals, decimalSeparator);
}

QString UnitText(std::uint8_t id)
{
    const UnitScaling *scaling = find(id);
    if (scaling == nullptr)
        return LoadMessage(SScalingUnknown).arg(HexByte(id));
    return *scaling->unit == 0 ? QString() : QCoreApplication::translate("UnitScaling", scaling->unit);
}
