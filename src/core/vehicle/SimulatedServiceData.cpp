#include "core/vehicle/SimulatedServiceData.h"

#include <map>

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

} // namespace

namespace SimulatedServiceData {

UnitServiceAnswer Answer(const QByteArray &request)
{
    UnitServiceAnswer unit;
    unit.unit = kEngineUnit;
    unit.name = QStringLiteral("$F1h");
    if (request.startsWith('\x06'))
        unit.answers = monitorTestAnswers(request);
    return unit;
}

} // namespace SimulatedServiceData
