#pragma once

#include <array>
#include <cstdint>

// The mode of a parameter query: the vehicle's current data or the freeze frame.
enum PidMode : std::uint8_t { CurrentData = 0, FreezeFrame = 1 };

// The answer to one parameter query: a success flag and the data bytes A, B, C, D (A first).
// The caller uses as many bytes, from A on, as it asked for; after a failure they mean nothing.
struct PidReply {
    bool ok = false;
    std::array<std::uint8_t, 4> bytes{};
};

// The vehicle as the workstation reaches it: one query operation for one parameter (PID).
class VehicleLink {
public:
    virtual ~VehicleLink() = default;
    virtual PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) = 0;
};
