#pragma once

#include "core/monitortests/MonitorTestRecord.h"

#include <QChar>
#include <QString>

// A result as the monitor tests tab lists it: its monitor and test by name, value and limits in
// the unit of its scaling, and whether it passed ("OK" / "Poza zakresem"). A result of an older
// protocol names its component and test by number, its numbers raw, the missing limit empty.
struct MonitorTestTexts {
    QString monitor;
    QString test;
    QString value;
    QString minimum;
    QString maximum;
    QString unit;
    QString result;

    bool operator==(const MonitorTestTexts &) const = default;
};

MonitorTestTexts TextsOf(const MonitorTestRecord &record, QChar decimalSeparator);

// A number of a result (its value, or a limit) as the lists show it.
QString NumberText(const MonitorTestRecord &record, std::int32_t number, QChar decimalSeparator);
