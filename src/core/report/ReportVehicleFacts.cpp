#include "core/report/ReportVehicleFacts.h"

#include "core/vehicle/SimulatedVehicleData.h"
#include "core/vehicle/VehicleLink.h"

ReportVehicleFacts ReadReportVehicleFacts(VehicleLink &link)
{
    ReportVehicleFacts facts;
    const MonitorStatus status = link.ReadMonitorStatus();
    if (status.ok) {
        facts.MilStatusWord = status.milStatusWord;
        facts.Readiness = status.readiness;
    }
    facts.StoredRawCodes = link.ReadReportStoredCodes().value_or(QStringList{});
    facts.PendingRawCodes = link.ReadReportPendingCodes().value_or(QStringList{});
    return facts;
}

ReportVehicleFacts SimulatedReportVehicleFacts()
{
    const MonitorStatus status = SimulatedVehicleData::Status();
    return {status.milStatusWord, SimulatedVehicleData::ReportStoredCodes(), SimulatedVehicleData::ReportPendingCodes(),
            status.readiness};
}
