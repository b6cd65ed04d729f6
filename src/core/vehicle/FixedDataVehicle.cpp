#include "core/vehicle/FixedDataVehicle.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/vehicle/SimulatedVehicleData.h"

LinkStep FixedDataVehicle::OpenPort(const QString & /*portName*/)
{
    return {};
}

LinkStep FixedDataVehicle::DetectInterface()
{
    return {true, LoadMessage(SDetectedQL40)};
}

LinkStep FixedDataVehicle::ConfigureInterface()
{
    return {};
}

LinkStep FixedDataVehicle::ContactVehicle()
{
    return {};
}

LinkIdentity FixedDataVehicle::Identity() const
{
    return SimulatedVehicleData::Identity();
}

void FixedDataVehicle::Close()
{
}

MonitorStatus FixedDataVehicle::ReadMonitorStatus()
{
    return SimulatedVehicleData::Status();
}

std::optional<std::uint8_t> FixedDataVehicle::ReadObdStandard()
{
    return SimulatedVehicleData::kObdStandard;
}

std::optional<QString> FixedDataVehicle::ReadVin()
{
    return SimulatedVehicleData::kVin;
}

std::optional<QStringList> FixedDataVehicle::ReadStoredCodes()
{
    return SimulatedVehicleData::StoredCodes();
}

std::optional<QStringList> FixedDataVehicle::ReadPendingCodes()
{
    return SimulatedVehicleData::PendingCodes();
}

bool FixedDataVehicle::ClearCodes()
{
    return true;
}

std::optional<QString> FixedDataVehicle::ReadFreezeFrameCode()
{
    return SimulatedVehicleData::kFreezeFrameCode;
}

std::optional<QStringList> FixedDataVehicle::ReadReportStoredCodes()
{
    return SimulatedVehicleData::ReportStoredCodes();
}

std::optional<QStringList> FixedDataVehicle::ReadReportPendingCodes()
{
    return SimulatedVehicleData::ReportPendingCodes();
}
