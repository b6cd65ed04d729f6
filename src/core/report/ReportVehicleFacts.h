#pragma once

#include "core/faults/DtcOrigin.h"
#include "core/faults/Readiness.h"

#include <QStringList>

#include <cstdint>

class VehicleLink;

// What the vehicle tells the report besides the oxygen sensors: the MIL word, the stored and
// pending fault codes (raw, four hexadecimal digits each) and the readiness bytes, each with
// whether it could be read at all.
struct ReportVehicleFacts {
    std::uint16_t MilStatusWord = kMilNoAnswer;
    QStringList StoredRawCodes;
    QStringList PendingRawCodes;
    ReadinessBytes Readiness;
    bool StatusRead = true;
    // Why the status could not be read, when the link tells ("sterownik $7E9h nie odpowiedział").
    QString StatusFailure = QString();
    bool StoredRead = true;
    bool PendingRead = true;
    // The oxygen sensors are told by PID 0x1D (four banks) instead of 0x13.
    bool O2SensorsInFourBanks = false;
    // Where the codes were read, which decides how their lines describe them.
    DtcOrigin CodeOrigin = DtcOrigin::SimulatedVehicle;
};

inline constexpr std::uint8_t kOxygenSensorsFourBanksPid = 0x1D;

// Asks the vehicle for the report's facts. What the vehicle does not give is marked unread, never
// taken for an empty memory or a lamp that is out.
ReportVehicleFacts ReadReportVehicleFacts(VehicleLink &link);

// The simulated vehicle's answers for the report; its fault memory differs from the one the
// fault-code tab shows.
ReportVehicleFacts SimulatedReportVehicleFacts();
