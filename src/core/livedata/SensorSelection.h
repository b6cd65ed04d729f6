#pragma once

#include <array>
#include <cstdint>

class VehicleLink;

// Per-PID state of the live data: which PIDs the operator wants read, which the vehicle is
// taken to support, and how many reads of each have failed in a row. Indexed by PID number;
// only 0x00-0x4E are used, a PID above that is ignored by setters and reads as 0.
struct SensorSelection {
    static constexpr int kSize = 83;
    // After this many failed reads in a row a PID is taken as unsupported.
    static constexpr std::uint8_t ReadFailureLimit = 3;

    std::array<std::uint8_t, kSize> Selected{};
    std::array<std::uint8_t, kSize> Supported{};
    std::array<std::uint8_t, kSize> FailCount{};

    // All PIDs supported but the seven that are never listed; PIDs 03, 04, 05, 06, 0C, 0D, 0E,
    // 10 and 11 selected.
    SensorSelection();

    bool IsSelected(std::uint8_t pid) const;
    void SetSelected(std::uint8_t pid, bool value);
    void SelectAll();
    void DeselectAll();
    void InvertSelection();
    bool IsSupported(std::uint8_t pid) const;
    void SetSupported(std::uint8_t pid, bool value);

    // markAll: every PID supported again. Then all failure counts return to 0 and the seven fixed
    // PIDs (support bitmaps, monitor status, freeze-frame DTC, OBD standard) are unsupported.
    void ClearUndisplayablePids(bool markAll);
};

// Reads the three support bitmaps (PIDs 0x00, 0x20, 0x40) into Supported; a failed read marks
// its range unsupported. Ends with ClearUndisplayablePids(false).
void DetectSupportedPids(SensorSelection &selection, VehicleLink &link);
