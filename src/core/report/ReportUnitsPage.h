#pragma once

#include "core/faults/DtcOrigin.h"
#include "core/units/UnitTexts.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

struct ControlUnitsReading;

// The report's second page: the battery voltage and each control unit's name, calibrations with
// their verification numbers, permanent codes and in-use ratios, as texts ready to print.
struct ReportUnit {
    QString Address;
    QString Name; // the name, or why there is none
    std::vector<CalibrationRow> Calibrations;
    QStringList PermanentLines; // "P0420 - description", or the one line saying why there is none
    QString InUseCounters;
    std::vector<InUseRow> InUse;

    bool operator==(const ReportUnit &) const;
};

struct ReportUnitsPage {
    QString BatteryVoltage;
    QString Failure; // why no unit could be read; empty when they were
    std::vector<ReportUnit> Units;
};

// The page's texts from what the units gave; the codes are described as where they came from.
ReportUnitsPage AssembleUnitsPage(const ControlUnitsReading &reading, DtcOrigin origin, QChar decimalSeparator);
