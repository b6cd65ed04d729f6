#pragma once

#include <QString>

#include <cstdint>

// The names of what the on-board monitor tests (service 06) report. On CAN each result belongs
// to a monitor (a monitor ID: one oxygen sensor, one catalyst bank, the misfire of one cylinder)
// and is one of its tests (a test ID); the standard names the monitors and the tests 01-0C, the
// manufacturers the tests from 80 on.

// The monitor's name ("Katalizator Bank 1"), or its number ("Monitor $E3") where the standard
// gives it none.
QString MonitorName(std::uint8_t monitor);

// The name of a monitor's test: the standard's for the oxygen sensors' tests 01-0A and the misfire
// counts 0B-0C, "Test producenta $91" from 80 on, and "Test $0D" for any other number (one the
// standard keeps free, or one it names only for another kind of monitor).
QString TestName(std::uint8_t monitor, std::uint8_t test);

// A test by its number alone ("Test $01"), as the older protocols' tests are known: their
// meaning is the manufacturer's.
QString TestNumber(std::uint8_t test);

// The IDs 00, 20, 40, ... E0 ask which of the next 32 IDs the unit supports, rather than for
// results.
constexpr bool IsSupportBitmapId(std::uint8_t id)
{
    return id % 0x20 == 0;
}
