// On-board monitor test answers (service 06): the first input byte chooses CAN or an older
// protocol, the rest feeds the answers of a car, request by request. Each answer is a byte of
// unit count, then per unit a flag byte (bit 0 a refusal, bit 1 silence), a length and that many
// bytes; the read follows the bitmaps it gets and lists every result the way the tab does.
#include "core/monitortests/MisfireCounts.h"
#include "core/monitortests/MonitorTestTexts.h"
#include "core/monitortests/ReadMonitorTests.h"
#include "core/vehicle/FixedDataVehicle.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMostRequests = 9 + 255; // every bitmap and every ID they can announce

class FuzzedVehicle final : public FixedDataVehicle {
public:
    FuzzedVehicle(const std::uint8_t *data, std::size_t size, bool can) : m_data(data), m_size(size), m_can(can) {}

    PidReply QueryPid(std::uint8_t, PidMode, int) override
    {
        std::abort(); // the read asks for no live values
    }

    ServiceAnswers QueryService(const QByteArray &request) override
    {
        if (request.size() != 2 || request[0] != '\x06' || ++m_requests > kMostRequests)
            std::abort(); // one service-06 request an ID, each asked once
        ServiceAnswers answers;
        answers.ok = true;
        answers.can = m_can;
        const int units = next() % 4;
        for (int unit = 0; unit < units; ++unit) {
            UnitServiceAnswer answer;
            answer.unit = 0x7E8 + std::uint32_t(unit);
            answer.name = QStringLiteral("$%1h").arg(answer.unit, 0, 16);
            const std::uint8_t flags = next();
            const int length = next();
            QByteArray bytes;
            for (int at = 0; at < length && m_at < m_size; ++at)
                bytes += char(next());
            if (flags & 1)
                answer.refusal = std::uint8_t(length);
            else if ((flags & 2) == 0)
                answer.answers.push_back(bytes);
            answers.units.push_back(answer);
        }
        return answers;
    }

private:
    std::uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_can;
    int m_requests = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    FuzzedVehicle vehicle(data + 1, size - 1, (data[0] & 1) != 0);
    const MonitorTestsRead read = ReadMonitorTests(vehicle);
    for (const UnitMonitorTests &unit : read.units) {
        for (const MonitorTestRecord &record : unit.records) {
            if (record.scaling.has_value() != read.can)
                std::abort(); // a result of one layout only
            const MonitorTestTexts texts = TextsOf(record, u',');
            if (texts.value.isEmpty() || (!record.scaling && texts.unit.isEmpty()))
                std::abort(); // every result shows its value, a raw one says so
        }
        (void)MisfireCounts(unit.records);
    }
    return 0;
}
