#include "core/vehicle/ChosenVehicle.h"

ChosenVehicle::ChosenVehicle(std::unique_ptr<VehicleLink> standard)
    : m_standard(std::move(standard)), m_current(m_standard.get())
{
}

void ChosenVehicle::chooseAdapter(std::unique_ptr<VehicleLink> adapter)
{
    if (m_adapter)
        m_adapter->Close();
    m_adapter = std::move(adapter);
    m_current = m_adapter.get();
}

void ChosenVehicle::chooseStandard()
{
    if (m_adapter)
        m_adapter->Close();
    m_current = m_standard.get();
    m_adapter.reset();
}

PidReply ChosenVehicle::QueryPid(std::uint8_t pid, PidMode mode, int byteCount)
{
    return m_current->QueryPid(pid, mode, byteCount);
}

LinkStep ChosenVehicle::OpenPort(const QString &portName)
{
    return m_current->OpenPort(portName);
}

LinkStep ChosenVehicle::DetectInterface()
{
    return m_current->DetectInterface();
}

LinkStep ChosenVehicle::ConfigureInterface()
{
    return m_current->ConfigureInterface();
}

LinkStep ChosenVehicle::ContactVehicle()
{
    return m_current->ContactVehicle();
}

LinkIdentity ChosenVehicle::Identity() const
{
    return m_current->Identity();
}

void ChosenVehicle::Close()
{
    m_current->Close();
}

MonitorStatus ChosenVehicle::ReadMonitorStatus()
{
    return m_current->ReadMonitorStatus();
}

std::optional<std::uint8_t> ChosenVehicle::ReadObdStandard()
{
    return m_current->ReadObdStandard();
}

std::optional<QString> ChosenVehicle::ReadVin()
{
    return m_current->ReadVin();
}

std::optional<QStringList> ChosenVehicle::ReadStoredCodes()
{
    return m_current->ReadStoredCodes();
}

std::optional<QStringList> ChosenVehicle::ReadPendingCodes()
{
    return m_current->ReadPendingCodes();
}

bool ChosenVehicle::ClearCodes()
{
    return m_current->ClearCodes();
}

std::optional<QString> ChosenVehicle::ReadFreezeFrameCode()
{
    return m_current->ReadFreezeFrameCode();
}

std::optional<QStringList> ChosenVehicle::ReadReportStoredCodes()
{
    return m_current->ReadReportStoredCodes();
}

std::optional<QStringList> ChosenVehicle::ReadReportPendingCodes()
{
    return m_current->ReadReportPendingCodes();
}
