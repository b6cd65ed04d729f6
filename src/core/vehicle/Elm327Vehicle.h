#pragma once

#include "core/vehicle/ElmPort.h"
#include "core/vehicle/ElmReply.h"
#include "core/vehicle/VehicleLink.h"

// How long the adapter may take, in milliseconds: a reset, an ordinary command or query, and
// the first query after the adapter starts looking for the vehicle's protocol.
struct ElmTimeouts {
    int resetMs = 3000;
    int replyMs = 2000;
    int searchMs = 10000;
};

// A vehicle reached through an ELM327-compatible adapter on a serial port. The adapter is reset,
// set to answer without echo and line feeds, with headers (to tell the control units apart) and
// with the automatic protocol search. Every operation blocks until the adapter's prompt or its
// timeout; after the port fails every operation fails at once.
class Elm327Vehicle final : public VehicleLink {
public:
    static constexpr int kDefaultBaudRate = 38400;

    explicit Elm327Vehicle(int baudRate = kDefaultBaudRate, ElmTimeouts timeouts = {});

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override;

    LinkStep OpenPort(const QString &portName) override;
    LinkStep DetectInterface() override;
    LinkStep ConfigureInterface() override;
    LinkStep ContactVehicle() override;
    LinkIdentity Identity() const override { return m_identity; }
    void Close() override;

    MonitorStatus ReadMonitorStatus() override;
    std::optional<std::uint8_t> ReadObdStandard() override;
    std::optional<QString> ReadVin() override;
    std::optional<QStringList> ReadStoredCodes() override;
    std::optional<QStringList> ReadPendingCodes() override;
    bool ClearCodes() override;
    std::optional<QString> ReadFreezeFrameCode() override;

    ElmHeaders headers() const { return m_headers; }

private:
    // One command and its parsed reply; a reply that timed out is parsed all the same, so that an
    // answer whose prompt was lost still counts.
    ElmReply command(const QByteArray &text, int timeoutMs, bool *answered = nullptr);
    ElmReply query(const QByteArray &text) { return command(text, m_timeouts.replyMs); }
    std::optional<std::array<std::uint8_t, 4>> pid(std::uint8_t service, std::uint8_t pid);

    ElmPort m_port;
    int m_baudRate;
    ElmTimeouts m_timeouts;
    QString m_portName;
    ElmHeaders m_headers = ElmHeaders::Can11;
    LinkIdentity m_identity;
};
