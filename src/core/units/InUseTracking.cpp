#include "core/units/InUseTracking.h"

#include "core/catalogue/MessageCatalogue.h"

#include <array>
#include <cstdint>

namespace {

// The monitors of each kind in the order of their counters, with the bank where there are two.
struct MonitorName {
    std::uint16_t message;
    int bank; // 0: the monitor has no banks
};

constexpr std::array<MonitorName, 9> kSparkMonitors{{
    {SMonCat, 1},
    {SMonCat, 2},
    {SMonLambda, 1},
    {SMonLambda, 2},
    {SMonEgrVvt, 0},
    {SMonSecAir, 0},
    {SMonEVAP, 0},
    {SMonRearLambda, 1},
    {SMonRearLambda, 2},
}};

constexpr std::array<MonitorName, 8> kCompressionMonitors{{
    {SMonNmhcCat, 0},
    {SMonNoxScr, 0},
    {SMonNoxAdsorber, 0},
    {SMonPmFilter, 0},
    {SMonExhaustSensor, 0},
    {SMonEgrVvt, 0},
    {SMonBoost, 0},
    {SMonFuel, 0},
}};

QString nameOf(const MonitorName &name)
{
    const QString text = LoadMessage(name.message);
    return name.bank == 0 ? text : text + QStringLiteral(" (bank %1)").arg(name.bank);
}

template <std::size_t N>
void fill(InUseTracking &tracking, const std::vector<int> &counters, const std::array<MonitorName, N> &names)
{
    for (std::size_t i = 0; i < N && 3 + 2 * i < counters.size(); ++i)
        tracking.monitors.push_back({nameOf(names[i]), counters[2 + 2 * i], counters[3 + 2 * i]});
}

} // namespace

bool MonitorRatio::low() const
{
    // Counted in whole numbers, so that a ratio of exactly 0.1 never stands out by rounding.
    return conditions >= kManyConditions && completions * 10LL < conditions;
}

InUseTracking InUseOf(const std::vector<int> &counters, bool compressionIgnition)
{
    InUseTracking tracking;
    tracking.compressionIgnition = compressionIgnition;
    tracking.generalDenominator = counters.size() > 0 ? counters[0] : 0;
    tracking.ignitionCycles = counters.size() > 1 ? counters[1] : 0;
    if (compressionIgnition)
        fill(tracking, counters, kCompressionMonitors);
    else
        fill(tracking, counters, kSparkMonitors);
    return tracking;
}

QString RatioText(const MonitorRatio &monitor, QChar decimalSeparator)
{
    if (monitor.conditions <= 0)
        return QStringLiteral("-");
    // Thousandths rounded half up from the counters themselves: 9 of 400 is 0,023.
    const long long thousandths = (2000LL * monitor.completions + monitor.conditions) / (2LL * monitor.conditions);
    return QStringLiteral("%1%2%3")
        .arg(thousandths / 1000)
        .arg(decimalSeparator)
        .arg(thousandths % 1000, 3, 10, QChar(u'0'));
}
