#pragma once

#include "core/livedata/OxygenSensorScaling.h"

#include <array>
#include <cstdint>

class VehicleLink;

// Per-PID state of the live data: which PIDs the operator wants read, which the vehicle is
// taken to support, and how many reads of each have failed in a row. Indexed by PID number.
// The PIDs 0x00-0x4E are always used; a PID past 0x4E only while the car announces it (see
// announced), otherwise it is ignored by the setters and reads as 0.
struct SensorSelection {
    static constexpr int kSize = 256;
    // After this many failed reads in a row a PID is taken as unsupported.
    static constexpr std::uint8_t ReadFailureLimit = 3;

    std::array<std::uint8_t, kSize> Selected{};
    std::array<std::uint8_t, kSize> Supported{};
    std::array<std::uint8_t, kSize> FailCount{};
    // The live PIDs past 0x4E that the car announced at the last detection; none but from a car
    // whose support bitmaps are its own.
    std::array<std::uint8_t, kSize> announced{};
    // What the car gave in PID 0x4F at the last detection.
    OxygenSensorScaling scaling;

    // All PIDs supported but the seven that are never listed; PIDs 03, 04, 05, 06, 0C, 0D, 0E,
    // 10 and 11 selected.
    SensorSelection();

    // Whether the record holds the PID: up to 0x4E, or announced.
    bool isUsed(std::uint8_t pid) const;
    bool isAnnounced(std::uint8_t pid) const { return announced[pid] != 0; }

    bool IsSelected(std::uint8_t pid) const;
    void SetSelected(std::uint8_t pid, bool value);
    // The bulk operations cover the PIDs the record holds.
    void SelectAll();
    void DeselectAll();
    void InvertSelection();
    bool IsSupported(std::uint8_t pid) const;
    void SetSupported(std::uint8_t pid, bool value);

    // markAll: every PID up to 0x4E supported again, and every announced one. Then all failure
    // counts return to 0 and the seven fixed PIDs (support bitmaps, monitor status, freeze-frame
    // DTC, OBD standard) are unsupported.
    void ClearUndisplayablePids(bool markAll);
};

// Reads the three support bitmaps (PIDs 0x00, 0x20, 0x40) into Supported; a failed read marks
// its range unsupported. From a car whose bitmaps are its own, the bitmaps after 0x40 follow as
// far as the last bit of each announces the next (0x60, 0x80, ... 0xE0), the live PIDs past 0x4E
// they name become announced and supported, and PID 0x4F, when announced, is read for the
// scaling. Ends with ClearUndisplayablePids(false).
void DetectSupportedPids(SensorSelection &selection, VehicleLink &link);
