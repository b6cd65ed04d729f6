#pragma once

#include "core/faults/Readiness.h"

#include <QStringList>

#include <cstdint>

class VehicleLink;

// What the vehicle tells the report besides the oxygen sensors: the MIL word, the stored and
// pending fault codes (raw, four hexadecimal digits each) and the readiness bytes.
struct ReportVehicleFacts {
    std::uint16_t MilStatusWord = kMilNoAnswer;
    QStringList StoredRawCodes;
    QStringList PendingRawCodes;
    ReadinessBytes Readiness;
};

// Asks the vehicle for the report's facts. A monitor status it does not give leaves the MIL word
// at "no answer" and every monitor unsupported; a code list it does not give is empty.
ReportVehicleFacts ReadReportVehicleFacts(VehicleLink &link);

// The simulated vehicle's answers for the report; its fault memory differs from the one the
// fault-code tab shows.
ReportVehicleFacts SimulatedReportVehicleFacts();
