#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The fixed vocabulary of mode 01/02 parameters: a Polish description and a unit per PID 0x00-0x4E,
// UTF-8; a language module translates them in the context "SensorTable".
inline constexpr std::uint8_t kLastPid = 0x4E;

// The support bitmaps read from every vehicle: each tells which of the 32 PIDs after it the
// vehicle answers. A car that announces them goes on at 0x60, 0x80, ... 0xE0.
inline constexpr std::array<std::uint8_t, 3> kSupportBitmapPids{0x00, 0x20, 0x40};
// Any support bitmap, 0x00 to 0xE0.
bool IsSupportBitmapPid(int pid);

// The monitor status (0x01 since the codes were cleared, 0x41 this drive cycle): bit fields of
// the lamp and readiness, no value of their own.
bool IsMonitorStatusPid(int pid);

// The PIDs with a value of their own, in the order the sensor grid and the sensor log show them:
// 0x03 to 0xFF but the support bitmaps and the monitor status. Up to 0x4E they are the PIDs the
// table describes; past it those a car may announce (ExtendedPidTable).
bool IsLivePid(int pid);

struct SensorTableEntry {
    const char *description;
    const char *unit;
};

// The description of pid; the empty text above 0x4E.
QString PidDescription(std::uint8_t pid);

// The unit of pid; the empty text above 0x4E.
QString PidUnit(std::uint8_t pid);

// The description and unit of any live PID as a row shows them: the table's up to 0x4E, the
// extended table's after it.
QString LivePidDescription(std::uint8_t pid);
QString LivePidUnit(std::uint8_t pid);
