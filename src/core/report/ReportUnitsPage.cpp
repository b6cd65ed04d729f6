#include "core/report/ReportUnitsPage.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/units/BatteryVoltage.h"
#include "core/units/ControlUnits.h"

bool ReportUnit::operator==(const ReportUnit &other) const
{
    auto sameCalibrations = [](const CalibrationRow &a, const CalibrationRow &b) {
        return a.id == b.id && a.cvn == b.cvn;
    };
    auto sameInUse = [](const InUseRow &a, const InUseRow &b) {
        return a.monitor == b.monitor && a.completions == b.completions && a.conditions == b.conditions
               && a.ratio == b.ratio && a.note == b.note;
    };
    return Address == other.Address && Name == other.Name && PermanentLines == other.PermanentLines
           && InUseCounters == other.InUseCounters
           && std::equal(Calibrations.begin(), Calibrations.end(), other.Calibrations.begin(), other.Calibrations.end(),
                         sameCalibrations)
           && std::equal(InUse.begin(), InUse.end(), other.InUse.begin(), other.InUse.end(), sameInUse);
}

ReportUnitsPage AssembleUnitsPage(const ControlUnitsReading &reading, DtcOrigin origin, QChar decimalSeparator)
{
    ReportUnitsPage page;
    page.BatteryVoltage = BatteryVoltageText(reading.batteryVolts, decimalSeparator);
    if (!reading.ok) {
        page.Failure = LoadMessage(SInfoUnread).arg(reading.failure);
        return page;
    }
    for (const ControlUnit &unit : reading.units) {
        ReportUnit printed;
        printed.Address = unit.addressText;
        printed.Name = UnitNameText(unit);
        printed.Calibrations = CalibrationRows(unit);
        for (const PermanentCodeRow &row : PermanentCodeRows(reading, unit, origin))
            printed.PermanentLines << (row.code.isEmpty() ? row.description
                                                          : row.code + QStringLiteral(" - ") + row.description);
        printed.InUseCounters = InUseCountersText(unit);
        printed.InUse = InUseRows(unit, decimalSeparator);
        page.Units.push_back(printed);
    }
    if (page.Units.empty())
        page.Failure = LoadMessage(SNoUnitAnswered);
    return page;
}
