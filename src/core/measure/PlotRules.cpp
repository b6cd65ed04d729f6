#include "core/measure/PlotRules.h"

#include "core/livedata/SensorSelection.h"
#include "core/livedata/SensorTable.h"
#include "core/measure/NumberParsing.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint8_t kFirstPlotPid = 0x03;
constexpr std::array<std::uint8_t, 9> kUnplottable{0x03, 0x12, 0x13, 0x1C, 0x1D, 0x1E, 0x20, 0x40, 0x41};

} // namespace

bool IsUnplottablePid(std::uint8_t pid)
{
    return pid < kFirstPlotPid || pid > kLastPid
           || std::find(kUnplottable.begin(), kUnplottable.end(), pid) != kUnplottable.end();
}

QList<std::uint8_t> PlotPidMap(const SensorSelection &selection)
{
    QList<std::uint8_t> pids;
    for (int pid = kFirstPlotPid; pid <= kLastPid; ++pid)
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
