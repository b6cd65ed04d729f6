#pragma once

#include "core/units/InUseTracking.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class VehicleLink;

// What became of one thing a control unit was asked for: read, not supported by the unit (its
// support bitmap leaves it out, or it refused it as unknown), or not read, failure saying why.
enum class ItemState { Read, NotSupported, Failed };

template <class T>
struct UnitItem {
    ItemState state = ItemState::Failed;
    T value{};
    QString failure;

    bool read() const { return state == ItemState::Read; }
};

// One control unit as the inspector sees it: its identity from vehicle information (service 09),
// its in-use performance tracking and its permanent codes (service 0A, raw codes).
struct ControlUnit {
    std::uint32_t address = 0;
    QString addressText; // "$7E8h"
    UnitItem<std::uint32_t> infoTypes; // the bitmap of InfoTypes 01-20
    UnitItem<QString> name;
    UnitItem<QStringList> calibrationIds;
    UnitItem<QStringList> cvns; // in the order of the calibration IDs
    UnitItem<InUseTracking> inUse;
    UnitItem<QStringList> permanentCodes;
};

// Everything read: every unit that answered or is known from the connection, in address order, and
// the battery voltage. ok is false when the link could not ask at all (failure says why).
struct ControlUnitsReading {
    bool ok = false;
    QString failure;
    std::vector<ControlUnit> units;
    std::optional<double> batteryVolts;

    // No unit has permanent codes to give: every one refused service 0A as unknown.
    bool permanentCodesNotSupported() const;
};

// Asks the vehicle for each unit's data: the supported InfoTypes, then only what some unit
// supports (on the older protocols each message count first), the permanent codes and the
// battery voltage. A request one unit refuses or leaves unanswered fails for that unit alone.
ControlUnitsReading ReadControlUnits(VehicleLink &link);
