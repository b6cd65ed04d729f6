#pragma once

#include "core/faults/DtcOrigin.h"
#include "core/faults/Readiness.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// The mode of a parameter query: the vehicle's current data or the freeze frame.
enum PidMode : std::uint8_t { CurrentData = 0, FreezeFrame = 1 };

// The most data bytes one PID's answer carries: the engine run times of the emission control
// devices (PIDs 0x89 and 0x8A) take 41. An answer that carries more is kept up to here.
inline constexpr int kMaxPidBytes = 41;

// The answer to one parameter query: a success flag and the data bytes A, B, C, D, ... (A first),
// count of them carried by the answer (the simulated vehicle's answers carry four). The caller
// uses as many bytes, from A on, as it asked for; after a failure they mean nothing.
struct PidReply {
    bool ok = false;
    std::array<std::uint8_t, kMaxPidBytes> bytes{};
    int count = 0;
};

// One PID of current data asked for among others, with the number of its data bytes.
struct PidRequest {
    std::uint8_t pid = 0;
    int byteCount = 1;
};

// The monitor status of the vehicle (mode 01, PID 0x01): the MIL word (bit 7 is the lamp,
// kMilNoAnswer when the vehicle did not answer), the number of stored codes and the readiness
// bytes B, C and D. Meaningful only when ok.
struct MonitorStatus {
    bool ok = false;
    std::uint16_t milStatusWord = kMilNoAnswer;
    int storedCodeCount = 0;
    ReadinessBytes readiness;
};

// One step of making the connection. A step that fails carries the log line saying why; a step
// that succeeds may carry the line that announces it (the interface found).
struct LinkStep {
    bool ok = true;
    QString line;
};

// What the report names of the connection: the interface, the answering module and the protocol,
// and what the report prints after the protocol's name (the simulated link's bus; an adapter
// describes its protocol fully in its name).
struct LinkIdentity {
    QString interfaceName;
    QString moduleAddress;
    QString protocol;
    QString protocolNote;
};

// What a link tells the window on its own, between the window's requests: lines for the debug
// log, a chance to repaint during a long wait, that the link died underneath (called inside
// the read that found out), and, while the connection is made, the line that says what the link
// is doing now (a line speed tried, the reset, the protocol search), until the step's own line.
struct LinkEvents {
    std::function<void(const QString &)> debugLine;
    std::function<void()> pump;
    std::function<void()> lost;
    std::function<void(const QString &)> stepStarted;
};

// One unit's answer to a request of a diagnostic service: its address and name ("$7E8h"), its
// positive answers (bytes from the service byte, 0x40 + the service, on; a CAN answer spread over
// several frames joined, an older protocol's numbered messages each one answer, in the order they
// came) and, when it refused the request, the reason code of its negative answer (7F service
// code). A unit known from the connection that stayed silent has neither.
struct UnitServiceAnswer {
    std::uint32_t unit = 0;
    QString name;
    std::vector<QByteArray> answers;
    std::optional<std::uint8_t> refusal;
};

// What the units answered to one request of a service that the workstation decodes itself (on-board
// monitor tests 06, vehicle information 09, permanent codes 0A). ok: the request was read, every unit
// that answered is listed, each unit known from the connection too (silent when it said nothing);
// otherwise failure says why, in the operator's language (empty when the link has no such
// services). can: the answer came over CAN, whose layouts of these services differ from the older
// protocols'.
struct ServiceAnswers {
    bool ok = false;
    bool can = true;
    std::vector<UnitServiceAnswer> units;
    QString failure;
};

// The vehicle as the workstation reaches it: making the connection, one query per parameter
// (PID), and the fault memory, readiness and identification of the vehicle. Raw fault codes are
// the two code bytes as four upper-case hexadecimal digits ("0103").
class VehicleLink {
public:
    virtual ~VehicleLink() = default;

    // One PID, whose answer must carry byteCount data bytes; byteCount 0 takes as many as the
    // answer carries (a PID whose length the workstation does not know).
    virtual PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) = 0;

    // Several PIDs of current data, the replies in the order asked. A link that can ask the
    // vehicle for several in one request does so, at most PidsPerRequest() at a time; otherwise
    // they are read one by one, in order, exactly as separate QueryPid calls. A PID of unknown
    // length is asked for alone, as its answer cannot be told from the next PID's.
    virtual std::vector<PidReply> QueryPids(const std::vector<PidRequest> &pids)
    {
        std::vector<PidReply> replies;
        replies.reserve(pids.size());
        for (const PidRequest &request : pids)
            replies.push_back(QueryPid(request.pid, CurrentData, request.byteCount));
        return replies;
    }
    // How many PIDs one request of QueryPids may carry now; 1 when the link reads them singly.
    virtual int PidsPerRequest() const { return 1; }

    // The connection, in the order of the connection log: the port, the interface, its set-up
    // and the first answer of the vehicle. After a failed step the caller calls Close().
    virtual LinkStep OpenPort(const QString &portName) = 0;
    virtual LinkStep DetectInterface() = 0;
    virtual LinkStep ConfigureInterface() = 0;
    virtual LinkStep ContactVehicle() = 0;
    virtual LinkIdentity Identity() const = 0;
    virtual void Close() = 0;

    virtual MonitorStatus ReadMonitorStatus() = 0;
    // PID 0x1C, byte A.
    virtual std::optional<std::uint8_t> ReadObdStandard() = 0;
    virtual std::optional<QString> ReadVin() = 0;
    virtual std::optional<QStringList> ReadStoredCodes() = 0;
    virtual std::optional<QStringList> ReadPendingCodes() = 0;
    // Clears the codes, the freeze frame and the monitor results; false when refused.
    virtual bool ClearCodes() = 0;
    // The code that stored freeze frame 0 ("0000": no freeze frame stored).
    virtual std::optional<QString> ReadFreezeFrameCode() = 0;

    // One request of a diagnostic service as its bytes ("09 02", "0A", "06 00"), answered unit by
    // unit; a link without such services answers that it failed, with no reason.
    virtual ServiceAnswers QueryService(const QByteArray & /*request*/) { return {}; }

    // The voltage at the diagnostic socket (the car's battery) as the adapter measures it, in
    // volts; nothing when the link has no such measure or it could not be read.
    virtual std::optional<double> ReadBatteryVoltage() { return std::nullopt; }

    // Whether the vehicle says it supports a PID of current data (its support bitmap); a link
    // that cannot tell says no.
    virtual bool SupportsPid(std::uint8_t /*pid*/) { return false; }

    // Whether the support bitmaps the link answers are the car's own announcement, so that the
    // bitmaps after 0x40 are followed as far as the car announces them and the PIDs past 0x4E it
    // names are shown. The simulated vehicle's bitmaps are pseudo-random bytes: no.
    virtual bool CarAnnouncesSupport() const { return false; }

    // Where the link reports what happens on its own; a link without such events ignores them.
    virtual void SetEvents(LinkEvents /*events*/) {}

    // Where the fault codes of this link come from, which decides how they are described; a link
    // is the simulated vehicle unless it says it reaches a real car.
    virtual DtcOrigin CodeOrigin() const { return DtcOrigin::SimulatedVehicle; }

    // Why the last read or clearing that failed did so, in the operator's language ("CAN ERROR",
    // "sterownik $7E9h nie odpowiedział"); empty when the link cannot tell.
    virtual QString LastFailure() const { return {}; }

    // The fault memory as the inspection report lists it. A real vehicle has one fault memory,
    // so these are the two reads above; the simulated vehicle keeps a report memory of its own.
    virtual std::optional<QStringList> ReadReportStoredCodes() { return ReadStoredCodes(); }
    virtual std::optional<QStringList> ReadReportPendingCodes() { return ReadPendingCodes(); }
};
