#pragma once

#include "core/vehicle/VehicleLink.h"

// A vehicle whose connection never fails and whose fault memory, readiness and identification
// are the simulated vehicle's fixed data, all answered at once without pausing. The parameter
// query is left to the class built on it.
class FixedDataVehicle : public VehicleLink {
public:
    LinkStep OpenPort(const QString &portName) override;
    LinkStep DetectInterface() override;
    LinkStep ConfigureInterface() override;
    LinkStep ContactVehicle() override;
    LinkIdentity Identity() const override;
    void Close() override;

    MonitorStatus ReadMonitorStatus() override;
    std::optional<std::uint8_t> ReadObdStandard() override;
    std::optional<QString> ReadVin() override;
    std::optional<QStringList> ReadStoredCodes() override;
    std::optional<QStringList> ReadPendingCodes() override;
    bool ClearCodes() override;
    std::optional<QString> ReadFreezeFrameCode() override;
    std::optional<QStringList> ReadReportStoredCodes() override;
    std::optional<QStringList> ReadReportPendingCodes() override;
};
