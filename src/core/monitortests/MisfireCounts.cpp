#include "core/monitortests/MisfireCounts.h"

#include <map>

namespace {

constexpr std::uint8_t kAllCylinders = 0xA1;
constexpr std::uint8_t kLastCylinder = 0xAD;
constexpr std::uint8_t kAverageTest = 0x0B;
constexpr std::uint8_t kLastCycleTest = 0x0C;

} // namespace

std::optional<int> MisfireCylinder(std::uint8_t monitor)
{
    if (monitor < kAllCylinders || monitor > kLastCylinder)
        return std::nullopt;
    return monitor - kAllCylinders;
}

std::vector<MisfireColumn> MisfireCounts(const std::vector<MonitorTestRecord> &records)
{
    std::map<int, MisfireColumn> columns;
    for (const MonitorTestRecord &record : records) {
        const std::optional<int> cylinder = record.scaling ? MisfireCylinder(record.monitor) : std::nullopt;
        if (!cylinder || (record.test != kAverageTest && record.test != kLastCycleTest))
            continue;
        MisfireColumn &column = columns[*cylinder];
        column.cylinder = *cylinder;
        (record.test == kAverageTest ? column.average : column.lastCycle) = record;
    }
    std::vector<MisfireColumn> ordered;
    for (const auto &[cylinder, column] : columns)
        ordered.push_back(column);
    return ordered;
}
