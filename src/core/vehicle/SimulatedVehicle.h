#pragma once

#include "core/vehicle/FixedDataVehicle.h"
#include "core/vehicle/SimRandom.h"

class Clock;

// The vehicle of this workstation: every query succeeds after a 100 ms pause and answers with
// four bytes from the shared generator, whatever the PID, mode and byte count. The connection
// never fails, and the fault memory, readiness and identification are fixed (FixedDataVehicle);
// none of these pause. The services that only the newer tabs ask for answer the fixed data of
// SimulatedServiceData after the same pause.
class SimulatedVehicle final : public FixedDataVehicle {
public:
    static constexpr int kQueryPauseMs = 100;

    explicit SimulatedVehicle(Clock &clock, SimRandom &random = SimRandom::forThisThread());

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override;
    ServiceAnswers QueryService(const QByteArray &request) override;
    std::optional<double> ReadBatteryVoltage() override;

private:
    Clock &m_clock;
    SimRandom &m_random;
};
