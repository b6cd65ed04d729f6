#pragma once

#include "core/faults/Readiness.h"
#include "core/vehicle/VehicleLink.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// What the simulated vehicle reports besides its pseudo-random parameter values.
namespace SimulatedVehicleData {

// The twelve raw codes of the fault memory in the order they are read; they are dealt
// alternately, the first, third, ... to the pending codes and the second, fourth, ... to the
// stored codes.
QStringList RawCodes();
QStringList PendingCodes();
QStringList StoredCodes();

inline constexpr int kStoredCodeCount = 6;
inline constexpr std::uint8_t kObdStandard = 6; // EOBD (Europa)
inline const QString kVin = QStringLiteral("YV1LS5596P2123456");
inline const QString kFreezeFrameCode = QStringLiteral("0103");
inline constexpr double kBatteryVolts = 12.4; // the adapter's measure at the diagnostic socket

// The fault memory the inspection report lists; it differs from the one the fault-code tab reads.
QStringList ReportStoredCodes();
QStringList ReportPendingCodes();

MonitorStatus Status();
LinkIdentity Identity();

} // namespace SimulatedVehicleData
