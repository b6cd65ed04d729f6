#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One result of an on-board monitor test (service 06), as a unit reports it. On CAN a result
// belongs to a monitor and carries a unit-and-scaling ID for its value and its two limits; the
// older protocols (ISO 9141-2, ISO 14230-4, SAE J1850) report a test of a component with one
// limit, a minimum or a maximum, in raw numbers whose meaning the manufacturer gives.
struct MonitorTestRecord {
    std::uint8_t monitor = 0; // the monitor ID on CAN; 0 on the older protocols
    std::uint8_t test = 0;
    std::optional<std::uint8_t> scaling; // CAN only
    std::optional<std::uint8_t> component; // older protocols only, without the limit bit
    std::int32_t value = 0; // as the bytes carry it: signed for the signed scalings
    std::optional<std::int32_t> minimum;
    std::optional<std::int32_t> maximum;

    // The test passes when its value lies within its limits (min <= value <= max).
    bool passed() const;
    bool operator==(const MonitorTestRecord &) const = default;
};

// The IDs a support bitmap of base announces, in order: bit 7 of its first byte is base + 1, bit 0
// of its last base + 32, which is the next bitmap's ID.
std::vector<std::uint8_t> AnnouncedIds(std::uint8_t base, const std::array<std::uint8_t, 4> &bitmap);

// The bitmap of an answer to "06 base": "46 base A B C D" on CAN; the older protocols put the four
// bytes at the end of their message, one filler byte before them or none. Nothing when the answer
// is about another ID or has another length.
std::optional<std::array<std::uint8_t, 4>> SupportBitmap(const QByteArray &answer, std::uint8_t base, bool can);

// The results of a CAN answer to "06 monitor": "46", then nine bytes a result (monitor, test,
// scaling ID, value, minimum, maximum, the last three two bytes each, high byte first). Nothing
// when the answer does not split into results of that monitor.
std::optional<std::vector<MonitorTestRecord>> CanTestRecords(const QByteArray &answer, std::uint8_t monitor);

// The result in one message of an older protocol's answer to "06 test": "46 test component value
// limit", value and limit two bytes each, unsigned; bit 7 of the component byte set makes the
// limit a minimum, clear a maximum. Nothing when the message has another length or test.
std::optional<MonitorTestRecord> LegacyTestRecord(const QByteArray &answer, std::uint8_t test);
