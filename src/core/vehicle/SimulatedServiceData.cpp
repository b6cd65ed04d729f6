#include "core/vehicle/SimulatedServiceData.h"

#include <optional>

namespace SimulatedServiceData {

namespace {

// The engine unit's vehicle information (09) and permanent codes (0A): its name, one calibration
// with its verification number, the in-use counters of a spark-ignition engine (its evaporative
// system seldom tested) and no permanent code. Each InfoType answers in the CAN layout, with the
// number of items after the InfoType.
std::optional<QByteArray> unitInformation(const QByteArray &request)
{
    const QByteArray name("ECM\0-EngineControl\0\0", 20);
    const QByteArray calibration("KVD11B0204\0\0\0\0\0\0", 16);
    // General denominator, ignition cycles, then completions and conditions of catalyst and
    // oxygen sensor (banks 1 and 2), EGR / VVT, secondary air and the evaporative system.
    const int counters[] = {412, 1873, 96, 402, 0, 0, 101, 400, 0, 0, 58, 398, 0, 0, 12, 350};
    QByteArray inUse = QByteArray::fromHex("490810");
    for (const int counter : counters)
        inUse.append(char(counter >> 8)).append(char(counter & 0xFF));

    if (request == QByteArray::fromHex("0900"))
        return QByteArray::fromHex("490055400000"); // InfoTypes 02, 04, 06, 08 and 0A
    if (request == QByteArray::fromHex("0902"))
        return QByteArray::fromHex("490201") + QByteArray("YV1LS5596P2123456");
    if (request == QByteArray::fromHex("0904"))
        return QByteArray::fromHex("490401") + calibration;
    if (request == QByteArray::fromHex("0906"))
        return QByteArray::fromHex("4906011A2B3C4D");
    if (request == QByteArray::fromHex("0908"))
        return inUse;
    if (request == QByteArray::fromHex("090A"))
        return QByteArray::fromHex("490A01") + name;
    if (request == QByteArray::fromHex("0A"))
        return QByteArray::fromHex("4A00");
    return std::nullopt;
}

} // namespace

UnitServiceAnswer Answer(const QByteArray &request)
{
    UnitServiceAnswer unit;
    unit.unit = kEngineUnit;
    unit.name = QStringLiteral("$F1h");
    if (const std::optional<QByteArray> answer = unitInformation(request))
        unit.answers.push_back(*answer);
    return unit;
}

} // namespace SimulatedServiceData
