#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct SensorSelection;

// What a pass of the live sensor loop does with a PID: reads it, lists it without a value (for
// the operator to select) or leaves it out.
enum class SensorPassRole { None, Read, Listed };

// The rule of the pass: a live PID is read when selected and listed when not, each only while the
// vehicle is taken to support it or, in force mode, always; past 0x4E only once the car announced
// it (force mode shows those that failed since).
SensorPassRole SensorPassRoleOf(const SensorSelection &selection, int pid, bool forceMode);

// The rows one pass of the live sensor loop shows, from row 1: the PIDs it reads in ascending
// order, a blank separator row when it read any, the PIDs it lists in ascending order, and empty
// rows after them. The loop pumps messages between its reads, so the selection or force mode may
// change in the middle of a pass: each PID's role is taken when the pass comes to it.
class SensorPassPlan {
public:
    // The data rows of the sensor grid; the live PIDs up to 0x4E and a separator always fit.
    static constexpr int kLastRow = 79;

    explicit SensorPassPlan(const SensorSelection &selection);

    // The last row the pass may fill: kLastRow, and one more for each PID past 0x4E the car
    // announced.
    int lastRow() const { return m_lastRow; }

    // Every PID the pass reads, as the selection stands now: what it may ask for together.
    std::vector<std::uint8_t> reads(bool forceMode) const;

    // The next PID to read, on the next row; nullopt when none is left.
    std::optional<std::uint8_t> nextRead(bool forceMode);
    // Ends the reads: true, with the separator on the next row, when the pass read anything.
    bool endReads();
    // The next PID to list, on the next row; nullopt when none is left.
    std::optional<std::uint8_t> nextListed(bool forceMode);

    // The row of the PID or separator given last; 0 before the first.
    int row() const { return m_row; }
    int listedCount() const { return m_listed; }

private:
    std::optional<std::uint8_t> next(SensorPassRole role, bool forceMode);

    const SensorSelection &m_selection;
    int m_lastRow;
    int m_pid = 0; // the PID the current phase came to last
    int m_row = 0;
    int m_reads = 0;
    int m_listed = 0;
};
