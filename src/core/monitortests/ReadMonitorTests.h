#pragma once

#include "core/monitortests/MonitorTestRecord.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class VehicleLink;

// What one unit reported of its monitor tests: its results in the order of their monitors (or,
// on the older protocols, their tests), and what it did instead of answering where it did not
// (refused, kept quiet, answered in pieces), in the operator's language.
struct UnitMonitorTests {
    std::uint32_t unit = 0;
    QString name; // "$7E8h"
    std::vector<MonitorTestRecord> records;
    QStringList problems;
};

// The monitor tests of every unit. ok: every request was read, and units lists each unit that
// took part, in address order; otherwise failure says why. can: the results are in CAN's layout
// (monitors, scalings, two limits) rather than the older protocols'.
struct MonitorTestsRead {
    bool ok = false;
    QString failure;
    bool can = true;
    std::vector<UnitMonitorTests> units;
};

// Asks the vehicle which monitors (tests) each unit supports, following the support bitmaps from
// 00 on as far as a unit announces the next, then for the results of every one announced. A unit
// is only held to the IDs it announced itself.
MonitorTestsRead ReadMonitorTests(VehicleLink &vehicle);
