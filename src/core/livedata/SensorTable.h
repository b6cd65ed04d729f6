#pragma once

#include <QString>

#include <cstdint>

// The fixed vocabulary of mode 01/02 parameters: a Polish description and a unit per PID 0x00-0x4E,
// UTF-8; a language module translates them in the context "SensorTable".
inline constexpr std::uint8_t kLastPid = 0x4E;

struct SensorTableEntry {
    const char *description;
    const char *unit;
};

// The description of pid; the empty text above 0x4E.
QString PidDescription(std::uint8_t pid);

// The unit of pid; the empty text above 0x4E.
QString PidUnit(std::uint8_t pid);
