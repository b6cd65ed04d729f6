#include "core/measure/PlotRules.h"

#include "core/livedata/ExtendedPidTable.h"
#include "core/livedata/SensorSelection.h"
#include "core/livedata/SensorTable.h"
#include "core/measure/NumberParsing.h"

#include <algorithm>
#include <array>

namespace {

// The live PIDs whose values are states or bit fields: the fuel system and secondary air status,
// the oxygen sensors' locations, the OBD standard and the power take-off status.
constexpr std::array<std::uint8_t, 6> kStatusPids{0x03, 0x12, 0x13, 0x1C, 0x1D, 0x1E};

} // namespace

bool IsUnplottablePid(std::uint8_t pid)
{
    if (pid > kLastPid)
        return !IsLivePid(pid) || !ExtendedPidIsNumeric(pid);
    return !IsLivePid(pid) || std::find(kStatusPids.begin(), kStatusPids.end(), pid) != kStatusPids.end();
}

QList<std::uint8_t> PlotPidMap(const SensorSelection &selection)
{
    QList<std::uint8_t> pids;
    for (int pid = 0; pid < SensorSelection::kSize; ++pid)
        if (!IsUnplottablePid(std::uint8_t(pid)) && selection.IsSupported(std::uint8_t(pid)))
            pids << std::uint8_t(pid);
    return pids;
}

int PlotSampleCountOf(const QString &text)
{
    return std::clamp(LeadingInteger(text), 50, 150);
}

int PlotIntervalOf(const QString &text)
{
    return std::clamp(LeadingInteger(text), 100, 1000);
}

double PlottedValue(const QString &valueText)
{
    return LeadingNumber(valueText);
}
