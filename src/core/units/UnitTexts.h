#pragma once

#include "core/faults/DtcOrigin.h"
#include "core/units/ControlUnits.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// The texts the units' tab and the report's second page show of each control unit: what the unit
// gave, or in its place that it does not support it or why it could not be read, never an empty
// value.

// "nieobsługiwane przez sterownik", or "nie udało się odczytać: why"; empty for an item read.
QString ItemStateText(ItemState state, const QString &failure);

// The unit's name, or the state of its name.
QString UnitNameText(const ControlUnit &unit);
// The unit's address and, when it gave one, its name: "$7E8h ECM-EngineControl".
QString UnitTitle(const ControlUnit &unit);
// The InfoTypes it supports ("02 04 06 0A"), or the state of its answer.
QString InfoTypesText(const ControlUnit &unit);

// Each calibration ID with the verification number of the same place ("-" where the unit gave none,
// or the state of the numbers); a single row with the state of the IDs when they are not read.
struct CalibrationRow {
    QString id;
    QString cvn;
};
std::vector<CalibrationRow> CalibrationRows(const ControlUnit &unit);

// The general denominator and the ignition cycles: "Mianownik ogólny: 412, Cykle zapłonu: 1873";
// or the state of the tracking.
QString InUseCountersText(const ControlUnit &unit);
// A row a monitor the unit tracks; none when the tracking is not read.
struct InUseRow {
    QString monitor;
    QString completions;
    QString conditions;
    QString ratio;
    QString note; // "za niski" for a monitor that stands out, else empty
};
std::vector<InUseRow> InUseRows(const ControlUnit &unit, QChar decimalSeparator);

// A unit's permanent codes, each as its code and description, or one row without a code that says
// there are none, that the car or the unit does not support them, or why they were not read.
struct PermanentCodeRow {
    QString code;
    QString description;
};
std::vector<PermanentCodeRow> PermanentCodeRows(const ControlUnitsReading &reading, const ControlUnit &unit,
                                                DtcOrigin origin);
