#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

// The units and scalings of the on-board monitor tests: each result names, by a unit-and-scaling
// ID, how its three numbers (value, minimum, maximum; two bytes each) become a quantity. IDs 01-7F
// read the bytes unsigned, IDs 80-FE as signed (two's complement). An ID the workstation does not
// know gives no quantity: its numbers are shown raw, never with a unit made up for them.
struct UnitScaling {
    std::uint8_t id = 0;
    long double factor = 1; // per bit, in the unit shown
    long double offset = 0;
    int decimals = 0;
    const char *unit = ""; // untranslated; UnitText() gives it in the operator's language
    bool yesNo = false; // 0 false, anything else true
};

// Whether the numbers of a scaling ID are signed.
constexpr bool IsSignedScaling(std::uint8_t id)
{
    return id >= 0x80;
}

// The number the two bytes carry, signed for the IDs that say so.
std::int32_t ScaledRaw(std::uint8_t id, std::uint8_t high, std::uint8_t low);

// The scaling of an ID, when the workstation knows it.
std::optional<UnitScaling> FindUnitScaling(std::uint8_t id);

// A number of a result in the unit of its scaling ("0,450", "-12,5", "TAK"), or as it came when
// the scaling is unknown.
QString ScaledText(std::uint8_t id, std::int32_t raw, QChar decimalSeparator);

// The unit of an ID's quantities ("V", "ms"; empty for a plain ratio), or that the numbers are
// raw ("surowe (skala $C7)") when the scaling is unknown.
QString UnitText(std::uint8_t id);
