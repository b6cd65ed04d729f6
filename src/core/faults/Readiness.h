#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Readiness of the on-board diagnostic monitors, from bytes B, C and D of the monitor status
// (mode 01, PID 0x01): byte B holds the support bits of the three continuous monitors in bits
// 0-2 and their status bits in bits 4-6; byte C holds the support bits of the eight
// non-continuous monitors and byte D their status bits at the same positions. A set status bit
// means the monitor's test has not completed yet.
struct ReadinessBytes {
    std::uint8_t b = 0;
    std::uint8_t c = 0;
    std::uint8_t d = 0;
};

// What the simulated vehicle answers.
inline constexpr ReadinessBytes kSimulatedReadinessBytes{0x46, 0xAA, 0xA0};

struct MonitorState {
    bool supported = false;
    bool complete = false; // meaningful only when supported

    bool operator==(const MonitorState &) const = default;
};

struct Readiness {
    // Misfire, fuel system, components.
    std::array<MonitorState, 3> continuous;
    // Spark ignition: catalyst, heated catalyst, EVAP, secondary air, air conditioning, oxygen
    // sensors, oxygen sensor heaters, EGR. Compression ignition (byte B bit 3): NMHC catalyst,
    // NOx/SCR aftertreatment, (none), boost pressure, (none), exhaust gas sensor, particulate
    // filter, EGR/VVT.
    std::array<MonitorState, 8> nonContinuous;
    bool compressionIgnition = false;
};

// The one readiness rule, shared by the monitors tab and the report. A status bit of a monitor
// whose support bit is clear is ignored; so are the bits that name no monitor of a
// compression-ignition engine.
Readiness DecodeReadiness(ReadinessBytes bytes);

// The names of the eight non-continuous monitors for the kind of engine (message ids; 0 where a
// bit names no monitor), and their short labels on the report.
std::array<std::uint16_t, 8> NonContinuousMonitorNames(bool compressionIgnition);
std::array<const char *, 8> ReportNonContinuousLabels(bool compressionIgnition);

// The monitors tab: column "Status" ("Zakończony", "Niezakończony", or "-" when unsupported)
// and column "Aktywny" ("TAK" / "NIE").
QString MonitorStatusText(MonitorState state);
QString MonitorActiveText(MonitorState state);

// The report: "Brak" when unsupported, otherwise "Zakończony" / "Niezakończony".
QString ReportMonitorText(MonitorState state);

// The MIL word of the identification: bit 7 is the lamp; kMilNoAnswer means the vehicle did
// not answer.
inline constexpr std::uint16_t kMilNoAnswer = 0xFFFF;
inline constexpr std::uint16_t kSimulatedMilStatusWord = 0x0082;

// Whether the lamp is lit; nothing when the word is kMilNoAnswer.
std::optional<bool> MilLit(std::uint16_t milStatusWord);
