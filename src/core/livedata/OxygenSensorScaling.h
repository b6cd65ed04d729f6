#pragma once

#include <cstdint>

// The spans a car may give its wide-range oxygen sensors in PID 0x4F: the largest equivalence
// ratio (byte A), voltage in V (B) and current in mA (C) that the words of PIDs 0x24-0x2B and
// 0x34-0x3B stand for. A span of 0, and every span of a car that gives none, leaves the
// standard one: a ratio of 2, 8 V and 128 mA.
struct OxygenSensorScaling {
    std::uint8_t ratio = 0;
    std::uint8_t voltage = 0;
    std::uint8_t current = 0;
};
