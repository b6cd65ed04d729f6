#include "core/monitortests/MonitorTestRecord.h"

#include "core/monitortests/UnitScaling.h"

namespace {

constexpr std::uint8_t kPositiveAnswer = 0x46;
constexpr int kCanRecordSize = 9;
constexpr int kLegacyRecordSize = 7;
constexpr std::uint8_t kMinimumLimit = 0x80; // the limit bit of an older protocol's component byte

std::uint8_t byteAt(const QByteArray &bytes, qsizetype at)
{
    return static_cast<std::uint8_t>(bytes[at]);
}

bool answers(const QByteArray &answer, std::uint8_t id)
{
    return answer.size() >= 2 && byteAt(answer, 0) == kPositiveAnswer && byteAt(answer, 1) == id;
}

} // namespace

bool MonitorTestRecord::passed() const
{
    return (!minimum || *minimum <= value) && (!maximum || value <= *maximum);
}

std::vector<std::uint8_t> AnnouncedIds(std::uint8_t base, const std::array<std::uint8_t, 4> &bitmap)
{
    std::vector<std::uint8_t> ids;
    for (int bit = 0; bit < 32; ++bit)
        if (bitmap[std::size_t(bit / 8)] & (0x80 >> (bit % 8)))
            ids.push_back(static_cast<std::uint8_t>(base + bit + 1));
    return ids;
}

std::optional<std::array<std::uint8_t, 4>> SupportBitmap(const QByteArray &answer, std::uint8_t base, bool can)
{
    const bool fits = can ? answer.size() == 6 : answer.size() == 6 || answer.size() == 7;
    if (!fits || !answers(answer, base))
        return std::nullopt;
    const qsizetype first = answer.size() - 4;
    return std::array<std::uint8_t, 4>{byteAt(answer, first), byteAt(answer, first + 1), byteAt(answer, first + 2),
                                       byteAt(answer, first + 3)};
}

std::optional<std::vector<MonitorTestRecord>> CanTestRecords(const QByteArray &answer, std::uint8_t monitor)
{
    if (answer.size() < 1 + kCanRecordSize || (answer.size() - 1) % kCanRecordSize != 0 || !answers(answer, monitor))
        return std::nullopt;
    std::vector<MonitorTestRecord> records;
    for (qsizetype at = 1; at < answer.size(); at += kCanRecordSize) {
        if (byteAt(answer, at) != monitor)
            return std::nullopt;
        MonitorTestRecord record;
        record.monitor = monitor;
        record.test = byteAt(answer, at + 1);
        const std::uint8_t scaling = byteAt(answer, at + 2);
        record.scaling = scaling;
        record.value = ScaledRaw(scaling, byteAt(answer, at + 3), byteAt(answer, at + 4));
        record.minimum = ScaledRaw(scaling, byteAt(answer, at + 5), byteAt(answer, at + 6));
        record.maximum = ScaledRaw(scaling, byteAt(answer, at + 7), byteAt(answer, at + 8));
        records.push_back(record);
    }
    return records;
}

std::optional<MonitorTestRecord> LegacyTestRecord(const QByteArray &answer, std::uint8_t test)
{
    if (answer.size() != kLegacyRecordSize || !answers(answer, test))
        return std::nullopt;
    MonitorTestRecord record;
    record.test = test;
    const std::uint8_t component = byteAt(answer, 2);
    record.component = static_cast<std::uint8_t>(component & ~kMinimumLimit);
    record.value = byteAt(answer, 3) << 8 | byteAt(answer, 4);
    const std::int32_t limit = byteAt(answer, 5) << 8 | byteAt(answer, 6);
    if (component & kMinimumLimit)
        record.minimum = limit;
    else
        record.maximum = limit;
    return record;
}
