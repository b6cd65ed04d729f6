#pragma once

#include "core/vehicle/SimRandom.h"
#include "core/vehicle/VehicleLink.h"

class Clock;

// The vehicle of this workstation: every query succeeds after a 100 ms pause and answers with
// four bytes from the shared generator, whatever the PID, mode and byte count.
class SimulatedVehicle final : public VehicleLink {
public:
    static constexpr int kQueryPauseMs = 100;

    explicit SimulatedVehicle(Clock &clock, SimRandom &random = SimRandom::forThisThread());

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override;

private:
    Clock &m_clock;
    SimRandom &m_random;
};
