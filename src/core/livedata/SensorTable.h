#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The fixed vocabulary of mode 01/02 parameters: a Polish description and a unit per PID 0x00-0x4E,
// UTF-8; a language module translates them in the context "SensorTable".
inline constexpr std::uint8_t kLastPid = 0x4E;

// The support bitmaps: each tells which of the 32 PIDs after it the vehicle answers.
inline constexpr std::array<std::uint8_t, 3> kSupportBitmapPids{0x00, 0x20, 0x40};
bool IsSupportBitmapPid(int pid);

// The monitor status (0x01 since the codes were cleared, 0x41 this drive cycle): bit fields of
// the lamp and readiness, no value of their own.
bool IsMonitorStatusPid(int pid);

// The PIDs with a value of their own, in the order the sensor grid and the sensor log show them:
// 0x03 to 0x4E but the support bitmaps and the monitor status. They are the PIDs the table
// describes.
bool IsLivePid(int pid);

struct SensorTableEntry {
    const char *description;
    const char *unit;
};

// The description of pid; the empty text above 0x4E.
QString PidDescription(std::uint8_t pid);

// The unit of pid; the empty text above 0x4E.
QString PidUnit(std::uint8_t pid);
