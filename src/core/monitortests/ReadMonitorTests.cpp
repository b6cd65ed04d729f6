#include "core/monitortests/ReadMonitorTests.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/monitortests/MonitorNames.h"
#include "core/vehicle/VehicleLink.h"

#include <map>
#include <set>

namespace {

constexpr std::uint8_t kService = 0x06;
constexpr std::uint8_t kLastBitmap = 0xE0;
constexpr std::uint8_t kBitmapStep = 0x20;

struct UnitState {
    UnitMonitorTests tests;
    std::set<std::uint8_t> announced;
    bool wantsNextBitmap = false;
};

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// What a unit did instead of answering a request: refused it, answered what cannot be read, or
// kept quiet.
QString whyNoAnswer(const UnitServiceAnswer &answer, const QByteArray &rejected)
{
    if (answer.refusal) {
        const QByteArray negative = QByteArray::fromHex("7F") + char(kService) + char(*answer.refusal);
        return LoadMessage(SUnitRefused).arg(answer.name, hexText(negative));
    }
    if (!rejected.isEmpty())
        return LoadMessage(SAnswerBroken).arg(hexText(rejected));
    return LoadMessage(SUnitSilent).arg(answer.name);
}

class Reading {
public:
    explicit Reading(VehicleLink &vehicle) : m_vehicle(vehicle) {}

    MonitorTestsRead run()
    {
        if (!readBitmaps() || !readResults())
            return m_result;
        for (auto &[address, state] : m_units) {
            if (state.tests.records.empty() && state.tests.problems.isEmpty())
                state.tests.problems << LoadMessage(SUnitNoMonitorTests).arg(state.tests.name);
            m_result.units.push_back(std::move(state.tests));
        }
        m_result.ok = true;
        return m_result;
    }

private:
    // One request; false (with the link's reason) when it could not be read.
    bool ask(std::uint8_t id, ServiceAnswers *answers)
    {
        *answers = m_vehicle.QueryService(QByteArray(1, char(kService)) + char(id));
        if (!answers->ok)
            m_result.failure = answers->failure;
        return answers->ok;
    }

    UnitState &unit(const UnitServiceAnswer &answer)
    {
        UnitState &state = m_units[answer.unit];
        state.tests.unit = answer.unit;
        state.tests.name = answer.name;
        return state;
    }

    bool readBitmaps()
    {
        for (int base = 0; base <= kLastBitmap; base += kBitmapStep) {
            ServiceAnswers answers;
            if (!ask(std::uint8_t(base), &answers))
                return false;
            if (base == 0)
                m_result.can = answers.can;
            bool more = false;
            for (const UnitServiceAnswer &answer : answers.units) {
                // A unit is asked for the bitmaps it announced and no others.
                if (base != 0 && (m_units.count(answer.unit) == 0 || !m_units[answer.unit].wantsNextBitmap))
                    continue;
                UnitState &state = unit(answer);
                state.wantsNextBitmap = false;
                std::optional<std::array<std::uint8_t, 4>> bitmap;
                QByteArray rejected;
                for (const QByteArray &bytes : answer.answers) {
                    bitmap = SupportBitmap(bytes, std::uint8_t(base), m_result.can);
                    if (bitmap)
                        break;
                    rejected = bytes;
                }
                if (!bitmap) {
                    state.tests.problems << whyNoAnswer(answer, rejected);
                    continue;
                }
                for (const std::uint8_t id : AnnouncedIds(std::uint8_t(base), *bitmap)) {
                    if (!IsSupportBitmapId(id))
                        state.announced.insert(id);
                    else
                        state.wantsNextBitmap = more = true;
                }
            }
            if (!more)
                break;
        }
        return true;
    }

    bool readResults()
    {
        std::set<std::uint8_t> wanted;
        for (const auto &[address, state] : m_units)
            wanted.insert(state.announced.begin(), state.announced.end());
        for (const std::uint8_t id : wanted) {
            ServiceAnswers answers;
            if (!ask(id, &answers))
                return false;
            for (const UnitServiceAnswer &answer : answers.units) {
                if (m_units.count(answer.unit) == 0 || m_units[answer.unit].announced.count(id) == 0)
                    continue;
                take(unit(answer), answer, id);
            }
        }
        return true;
    }

    void take(UnitState &state, const UnitServiceAnswer &answer, std::uint8_t id)
    {
        QByteArray rejected;
        bool any = false;
        for (const QByteArray &bytes : answer.answers) {
            if (m_result.can) {
                if (const auto records = CanTestRecords(bytes, id)) {
                    state.tests.records.insert(state.tests.records.end(), records->begin(), records->end());
                    any = true;
                    continue;
                }
            } else if (const auto record = LegacyTestRecord(bytes, id)) {
                state.tests.records.push_back(*record);
                any = true;
                continue;
            }
            rejected = bytes;
        }
        if (!any || !rejected.isEmpty()) {
            const QString what = m_result.can ? MonitorName(id) : TestNumber(id);
            state.tests.problems << what + QStringLiteral(": ") + whyNoAnswer(answer, rejected);
        }
    }

    VehicleLink &m_vehicle;
    MonitorTestsRead m_result;
    std::map<std::uint32_t, UnitState> m_units;
};

} // namespace

MonitorTestsRead ReadMonitorTests(VehicleLink &vehicle)
{
    return Reading(vehicle).run();
}
