#pragma once

#include "core/vehicle/VehicleLink.h"

#include <memory>

// The vehicle the operator chose in the settings: the simulated vehicle (or whichever link the
// program was started with) or a diagnostic adapter. Every operation goes to the chosen one, so
// the tabs keep one link for the whole run while the choice changes between connections.
class ChosenVehicle final : public VehicleLink {
public:
    explicit ChosenVehicle(std::unique_ptr<VehicleLink> standard);

    // Uses the adapter from now on; the previous adapter, if any, is closed and dropped.
    void chooseAdapter(std::unique_ptr<VehicleLink> adapter);
    // Returns to the standard link; an adapter in use is closed and dropped.
    void chooseStandard();

    VehicleLink &standard() { return *m_standard; }
    VehicleLink &current() { return *m_current; }
    bool adapterChosen() const { return m_current != m_standard.get(); }

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override;
    std::vector<PidReply> QueryPids(const std::vector<PidRequest> &pids) override { return m_current->QueryPids(pids); }
    int PidsPerRequest() const override { return m_current->PidsPerRequest(); }
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
    // An adapter reaches a real car, whatever link stands for it.
    DtcOrigin CodeOrigin() const override { return adapterChosen() ? DtcOrigin::RealVehicle : m_current->CodeOrigin(); }
    QString LastFailure() const override { return m_current->LastFailure(); }
    bool SupportsPid(std::uint8_t pid) override { return m_current->SupportsPid(pid); }
    bool CarAnnouncesSupport() const override { return m_current->CarAnnouncesSupport(); }
    ServiceAnswers QueryService(const QByteArray &request) override { return m_current->QueryService(request); }
    std::optional<double> ReadBatteryVoltage() override { return m_current->ReadBatteryVoltage(); }
    void SetEvents(LinkEvents events) override { m_current->SetEvents(std::move(events)); }

private:
    std::unique_ptr<VehicleLink> m_standard;
    std::unique_ptr<VehicleLink> m_adapter;
    VehicleLink *m_current;
};
