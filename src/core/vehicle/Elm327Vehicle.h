#pragma once

#include "core/vehicle/ElmPort.h"
#include "core/vehicle/ElmReply.h"
#include "core/vehicle/VehicleLink.h"

#include <functional>
#include <map>

// How long the adapter may take, in milliseconds: a reset, an ordinary command or query, the
// first query after the adapter starts looking for the vehicle's protocol, and, while it keeps
// saying "SEARCHING...", the whole search (the slow-initialisation protocols take half a minute).
// After a command that timed out, its late prompt is awaited for drainMs (0: as long as replyMs)
// before the next command goes out. A unit that answers "response pending" (7F xx 78), and an
// older protocol's bus initialisation ("BUS INIT: ..."), lengthen the wait by pendingMs each time
// they come, up to pendingLimitMs for the request in all; a unit that says it is busy (7F xx 21)
// is asked again after busyPauseMs.
struct ElmTimeouts {
    int resetMs = 3000;
    int replyMs = 2000;
    int searchMs = 10000;
    int searchLimitMs = 30000;
    int drainMs = 0;
    int connectMs = 5000; // a TCP connection to a Wi-Fi adapter
    int probeMs = 500; // each line speed tried while the speed is searched for
    int pendingMs = 5000;
    int pendingLimitMs = 30000;
    int busyPauseMs = 100;
};

// Where a Wi-Fi adapter listens.
struct ElmTcpTarget {
    QString host;
    quint16 port = 0;
};

// A vehicle reached through an ELM327-compatible adapter on a serial port or, for a Wi-Fi adapter,
// over TCP. On a serial port at kAutoBaudRate the line speed is searched for first (see
// kProbedBaudRates) and logged. The adapter is reset, set to answer without echo and line feeds,
// with headers (to tell the control units apart), with adaptive timing where it has it and with
// the automatic protocol search. Every
// operation returns once the adapter's prompt or its timeout has come, the window painting
// meanwhile and the operator's input held; after the line fails every operation fails at once.
// An adapter that has answered nothing at all to kSilentRequests requests in a row is taken as
// gone, as if its line had failed.
class Elm327Vehicle final : public VehicleLink {
public:
    static constexpr int kDefaultBaudRate = 38400;
    static constexpr int kSilentRequests = 3;

    explicit Elm327Vehicle(int baudRate = kDefaultBaudRate, ElmTimeouts timeouts = {});
    explicit Elm327Vehicle(ElmTcpTarget target, ElmTimeouts timeouts = {});

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override;
    std::vector<PidReply> QueryPids(const std::vector<PidRequest> &pids) override;
    int PidsPerRequest() const override;

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
    DtcOrigin CodeOrigin() const override { return DtcOrigin::RealVehicle; }
    QString LastFailure() const override { return m_failure; }
    bool SupportsPid(std::uint8_t pid) override;
    bool CarAnnouncesSupport() const override { return true; }
    ServiceAnswers QueryService(const QByteArray &request) override;
    std::optional<double> ReadBatteryVoltage() override;
    void SetEvents(LinkEvents events) override
    {
        setDebugLog(std::move(events.debugLine));
        setPump(std::move(events.pump));
        setOnLinkLost(std::move(events.lost));
        m_stepStarted = std::move(events.stepStarted);
    }

    ElmHeaders headers() const { return m_headers; }
    // Where the link writes what it does on its own (an adapter set up again after it reset
    // itself); the debug log of the window.
    void setDebugLog(std::function<void(const QString &)> log) { m_debugLog = std::move(log); }
    // Called while the adapter searches for the protocol, so that the window stays painted.
    void setPump(std::function<void()> pump) { m_pump = std::move(pump); }
    // Called once when the port fails in the middle of a session (the adapter pulled out).
    void setOnLinkLost(std::function<void()> onLost) { m_port.setOnLost(std::move(onLost)); }
    // The units that answered the first request, in address order.
    const std::vector<std::uint32_t> &units() const { return m_units; }

private:
    // What came back for the last command: whether it went out, whether its prompt came, and
    // whether anything at all came.
    struct Heard {
        bool sent = false;
        bool answered = false;
        bool anything = false;
    };
    // One command and its parsed reply; a reply that timed out is parsed all the same, so that an
    // answer whose prompt was lost still counts.
    ElmReply command(const QByteArray &text, int timeoutMs, Heard *heard = nullptr,
                     const ElmPort::Patience &patience = {});
    // A request to the vehicle, waiting as long as its units say they need and asking again a
    // unit that was busy; what failed is noted for LastFailure().
    ElmReply query(const QByteArray &text);
    ElmReply queryOnce(const QByteArray &text);
    std::optional<PidReply> pid(std::uint8_t service, std::uint8_t pid, int byteCount);
    // A request whose answer keeps its shape (parameters, the VIN); on CAN, once the frames of
    // its plain answer are known, with the response count, so that the adapter answers as soon
    // as they have come. A counted answer that fails is asked for the plain way at once.
    ElmReply countedQuery(const QByteArray &text);
    // One request for several PIDs; the PIDs it left out are asked for alone while it is not yet
    // known whether the car answers such requests whole.
    void queryTogether(const std::vector<PidRequest> &pids, std::vector<PidReply> &replies);
    void note(const QString &line) const;
    // Says what the connection waits on now, a message of the catalogue with its argument.
    void announce(std::uint16_t message, const QString &argument = QString()) const;
    // The units that must answer a read or a clearing of the fault memory: on every protocol each
    // unit that answered the first request (each must answer, if only to say it holds no codes).
    std::vector<std::uint32_t> requiredUnits() const;
    // Echo off, no line feeds, blanks, headers: the settings every reply is read with; adaptive
    // timing where the adapter has it. The failing command, or nullptr; silent tells whether the
    // adapter answered it nothing at all.
    const char *setUp(bool *silent = nullptr);
    // Tries the line speeds until the adapter answers; the speed found, or 0.
    int findSpeed();

    ElmPort m_port;
    int m_baudRate;
    ElmTimeouts m_timeouts;
    std::optional<ElmTcpTarget> m_tcp;
    QString m_portName;
    ElmHeaders m_headers = ElmHeaders::Can11;
    LinkIdentity m_identity;
    std::vector<std::uint32_t> m_units;
    std::vector<std::uint32_t> m_statusUnits; // those that say they have the monitor status
    QString m_failure;
    std::function<void(const QString &)> m_debugLog;
    std::function<void()> m_pump;
    std::function<void(const QString &)> m_stepStarted;
    // What this connection found out about the adapter and the car: whether the response count
    // digit and requests for several PIDs work, and how many frames answer each request (0: the
    // request goes the plain way).
    enum class Works { Unknown, Yes, No };
    Works m_countDigit = Works::Unknown;
    Works m_severalPids = Works::Unknown;
    std::map<QByteArray, int> m_frames;
    int m_silentInARow = 0;
};
