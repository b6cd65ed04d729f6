#include "core/vehicle/SimulatedServiceData.h"

#include <map>
#include <optional>

namespace SimulatedServiceData {

namespace {

// The engine unit's on-board monitor tests: an oxygen sensor (B1S1) whose four tests pass, a
// catalyst (bank 1) whose rear-to-front switch ratio is over its limit, and the misfire counts of a
// four-cylinder engine whose third cylinder misfires now and then. The support bitmaps lead from
// 00 to A0; each result is nine bytes: monitor, test, unit-and-scaling ID, value, minimum, maximum.
std::vector<QByteArray> monitorTestAnswers(const QByteArray &request)
{
    static const std::map<QByteArray, const char *> answers = {
        {QByteArray::fromHex("0600"), "460080000001"},
        {QByteArray::fromHex("0620"), "462080000001"},
        {QByteArray::fromHex("0640"), "464000000001"},
        {QByteArray::fromHex("0660"), "466000000001"},
        {QByteArray::fromHex("0680"), "468000000001"},
        {QByteArray::fromHex("06A0"), "46A0F8000000"},
        {QByteArray::fromHex("0601"), "46"
                                      "01 05 10 0048 0000 0190" // rich to lean switch time, ms
                                      "01 06 10 0058 0000 0190" // lean to rich switch time, ms
                                      "01 07 0B 0050 0000 0190" // lowest voltage, V
                                      "01 08 0B 0334 0258 0514"}, // highest voltage, V
        {QByteArray::fromHex("0621"), "46 21 81 20 00C0 0000 0080"}, // ratio 0.75, at most 0.50
        {QByteArray::fromHex("06A1"), "46 A1 0B 24 0003 0000 FFFF A1 0C 24 0005 0000 FFFF"},
        {QByteArray::fromHex("06A2"), "46 A2 0B 24 0000 0000 FFFF A2 0C 24 0000 0000 FFFF"},
        {QByteArray::fromHex("06A3"), "46 A3 0B 24 0000 0000 FFFF A3 0C 24 0000 0000 FFFF"},
        {QByteArray::fromHex("06A4"), "46 A4 0B 24 0003 0000 FFFF A4 0C 24 0005 0000 FFFF"},
        {QByteArray::fromHex("06A5"), "46 A5 0B 24 0000 0000 FFFF A5 0C 24 0000 0000 FFFF"},
    };
    const auto found = answers.find(request);
    if (found == answers.end())
        return {};
    return {QByteArray::fromHex(QByteArray(found->second).replace(' ', ""))};
}

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
    if (request.startsWith('\x06'))
        unit.answers = monitorTestAnswers(request);
    else if (const std::optional<QByteArray> answer = unitInformation(request))
        unit.answers.push_back(*answer);
    return unit;
}

} // namespace SimulatedServiceData
