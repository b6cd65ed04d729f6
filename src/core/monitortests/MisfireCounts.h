#pragma once

#include "core/monitortests/MonitorTestRecord.h"

#include <optional>
#include <vector>

// The misfires of a unit's engine, cylinder by cylinder, as its misfire monitors count them: the
// average over the last ten driving cycles (test 0B, an exponentially weighted moving average)
// and the count of the last or current driving cycle (test 0C). Monitor A1 counts all cylinders
// together, A2-AD cylinders 1-12.
struct MisfireColumn {
    int cylinder = 0; // 0: all cylinders together
    std::optional<MonitorTestRecord> average;
    std::optional<MonitorTestRecord> lastCycle;

    bool operator==(const MisfireColumn &) const = default;
};

// The cylinder a misfire monitor counts (0 for all together), when the monitor is one.
std::optional<int> MisfireCylinder(std::uint8_t monitor);

// A column for every cylinder (and the whole engine) the results count, the whole engine first and
// then the cylinders in order; none when the results hold no misfire counts.
std::vector<MisfireColumn> MisfireCounts(const std::vector<MonitorTestRecord> &records);
