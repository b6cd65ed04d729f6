#pragma once

#include <QChar>
#include <QString>

#include <vector>

// In-use performance tracking (service 09, InfoType 08 for spark ignition, 0B for compression
// ignition): how often each monitor has completed its test (the numerator) against how often the
// car was driven in the conditions the monitor needs (the denominator), with the general
// denominator and the ignition cycle counter that come first.

// A monitor whose ratio is below 0.1 once its conditions have come at least kManyConditions times
// is seldom tested in this car's use: it stands out.
inline constexpr int kManyConditions = 20;

struct MonitorRatio {
    QString monitor; // its name in the operator's language
    int completions = 0;
    int conditions = 0;

    // Seldom tested: completions under a tenth of the conditions, after many conditions.
    bool low() const;
};

struct InUseTracking {
    bool compressionIgnition = false;
    int generalDenominator = 0;
    int ignitionCycles = 0;
    std::vector<MonitorRatio> monitors;
};

// The counters of an answer in their order (general denominator, ignition cycles, then each
// monitor's completions and conditions); the monitors the counters do not reach are left out.
InUseTracking InUseOf(const std::vector<int> &counters, bool compressionIgnition);

// A ratio with three decimals ("0,753"), "-" while there is none.
QString RatioText(const MonitorRatio &monitor, QChar decimalSeparator);
