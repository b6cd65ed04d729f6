#include "core/report/ReportVehicleFacts.h"

#include "core/vehicle/SimulatedVehicleData.h"
#include "core/vehicle/VehicleLink.h"

ReportVehicleFacts ReadReportVehicleFacts(VehicleLink &link)
{
    ReportVehicleFacts facts;
    const MonitorStatus status = link.ReadMonitorStatus();
    facts.StatusRead = status.ok;
    if (!status.ok)
        facts.StatusFailure = link.LastFailure();
    facts.O2SensorsInFourBanks = link.SupportsPid(kOxygenSensorsFourBanksPid);
    facts.CodeOrigin = link.CodeOrigin();
    if (status.ok) {
        facts.MilStatusWord = status.milStatusWord;
        facts.Readiness = status.readiness;
    }
    const std::optional<QStringList> stored = link.ReadReportStoredCodes();
    const std::optional<QStringList> pending = link.ReadReportPendingCodes();
    facts.StoredRead = stored.has_value();
    facts.PendingRead = pending.has_value();
    facts.StoredRawCodes = stored.value_or(QStringList{});
    facts.PendingRawCodes = pending.value_or(QStringList{});
    return facts;
}

ReportVehicleFacts SimulatedReportVehicleFacts()
{
    const MonitorStatus status = SimulatedVehicleData::Status();
    return {status.milStatusWord, SimulatedVehicleData::ReportStoredCodes(), SimulatedVehicleData::ReportPendingCodes(),
            status.readiness};
}
