#pragma once

#include "core/faults/Readiness.h"

#include <QStringList>

#include <cstdint>

// What the vehicle tells the report besides the oxygen sensors: the MIL word, the stored and
// pending fault codes (raw, four hexadecimal digits each) and the readiness bytes.
struct ReportVehicleFacts {
    std::uint16_t MilStatusWord = kMilNoAnswer;
    QStringList StoredRawCodes;
    QStringList PendingRawCodes;
    ReadinessBytes Readiness;
};

// The simulated vehicle's answers for the report; its fault memory differs from the one the
// fault-code tab shows.
ReportVehicleFacts SimulatedReportVehicleFacts();
