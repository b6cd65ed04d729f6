#pragma once

#include "core/catalogue/MessageCatalogue.h"
#include "core/vehicle/SimulatedVehicleData.h"
#include "core/vehicle/VehicleLink.h"

#include "core/platform/Clock.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

// A vehicle for tests: answers each query with the next scripted reply, or with `fallback`
// when the script has run out, and records what was asked. With a clock each query takes
// 100 ms on it, as the vehicle's does; onQuery(n) runs before the n-th answer (1-based).
// The connection, fault memory, readiness and identification answer the simulated vehicle's
// fixed data unless a test changes them, without pausing.
class ScriptedVehicle final : public VehicleLink {
public:
    struct Query {
        std::uint8_t pid;
        PidMode mode;
        int byteCount;
    };

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override
    {
        queries.push_back({pid, mode, byteCount});
        if (onQuery)
            onQuery(int(queries.size()));
        if (clock != nullptr)
            clock->pause(100);
        if (failing && failing(pid))
            return {};
        if (replies.empty())
            return fallback;
        const PidReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    void answer(std::uint8_t a, std::uint8_t b = 0, std::uint8_t c = 0, std::uint8_t d = 0)
    {
        replies.push_back({true, {a, b, c, d}, 4});
    }
    // An answer of any length, as a car gives for a PID past 0x4E.
    void answerBytes(std::initializer_list<std::uint8_t> bytes)
    {
        PidReply reply{true, {}, int(bytes.size())};
        std::copy(bytes.begin(), bytes.end(), reply.bytes.begin());
        replies.push_back(reply);
    }
    void fail() { replies.push_back({false, {}}); }

    LinkStep OpenPort(const QString &) override { return step(1, {}); }
    LinkStep DetectInterface() override { return step(2, LoadMessage(SDetectedQL40)); }
    LinkStep ConfigureInterface() override { return step(3, {}); }
    LinkStep ContactVehicle() override { return step(4, {}); }
    LinkIdentity Identity() const override { return SimulatedVehicleData::Identity(); }
    void Close() override { ++closes; }

    MonitorStatus ReadMonitorStatus() override { return status; }
    std::optional<std::uint8_t> ReadObdStandard() override { return obdStandard; }
    std::optional<QString> ReadVin() override { return vin; }
    std::optional<QStringList> ReadStoredCodes() override { return storedCodes; }
    std::optional<QStringList> ReadPendingCodes() override { return pendingCodes; }
    bool ClearCodes() override
    {
        ++clears;
        return clearAccepted;
    }
    std::optional<QString> ReadFreezeFrameCode() override { return freezeFrameCode; }
    DtcOrigin CodeOrigin() const override { return origin; }
    bool CarAnnouncesSupport() const override { return announcesSupport; }
    std::optional<double> ReadBatteryVoltage() override { return batteryVolts; }
    ServiceAnswers QueryService(const QByteArray &request) override
    {
        serviceRequests.push_back(request);
        if (clock != nullptr)
            clock->pause(100);
        const auto found = services.find(request);
        return found != services.end() ? found->second : ServiceAnswers{};
    }

    Clock *clock = nullptr;
    // The connection step that fails with the line "step <n> failed": 1 opening the port,
    // 2 detecting the interface, 3 configuring it, 4 contacting the vehicle; 0 none.
    int failingStep = 0;
    std::function<void(int)> onQuery;
    std::function<bool(std::uint8_t)> failing; // PIDs whose reads fail
    std::deque<PidReply> replies;
    PidReply fallback{true, {0, 0, 0, 0}, 4};
    std::vector<Query> queries;
    // The answers to service requests by their bytes; any other request fails without a reason.
    std::map<QByteArray, ServiceAnswers> services;
    std::vector<QByteArray> serviceRequests;
    std::optional<double> batteryVolts; // none: the link has no such measure

    MonitorStatus status = SimulatedVehicleData::Status();
    std::optional<std::uint8_t> obdStandard = SimulatedVehicleData::kObdStandard;
    std::optional<QString> vin = SimulatedVehicleData::kVin;
    std::optional<QStringList> storedCodes = SimulatedVehicleData::StoredCodes();
    std::optional<QStringList> pendingCodes = SimulatedVehicleData::PendingCodes();
    std::optional<QString> freezeFrameCode = SimulatedVehicleData::kFreezeFrameCode;
    DtcOrigin origin = DtcOrigin::SimulatedVehicle; // RealVehicle: it plays a car behind an adapter
    bool announcesSupport = false; // its support bitmaps are a car's: the chain past 0x40 is read
    bool clearAccepted = true;
    int clears = 0;
    int closes = 0;

private:
    LinkStep step(int n, const QString &line) const
    {
        if (n == failingStep)
            return {false, QStringLiteral("step %1 failed").arg(n)};
        return {true, line};
    }
};
