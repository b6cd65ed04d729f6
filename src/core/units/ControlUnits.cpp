#include "core/units/ControlUnits.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/units/VehicleInfo.h"
#include "core/vehicle/ObdAnswer.h"
#include "core/vehicle/VehicleLink.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

constexpr std::uint8_t kVehicleInformation = 0x09;
constexpr std::uint8_t kPermanentCodes = 0x0A;
constexpr int kNameBytes = 20;
constexpr int kCalibrationIdBytes = 16;
constexpr int kCvnBytes = 4;
constexpr int kCounterBytes = 2;

// Negative answers that say the unit does not know the request, as opposed to failing it.
bool unknownRequest(std::uint8_t code)
{
    return code == 0x11 || code == 0x12 || code == 0x31;
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

template <class T>
void failed(UnitItem<T> &item, const QString &why)
{
    item.state = ItemState::Failed;
    item.failure = why;
}

// What one unit answered to a request; when it gave no answer to decode, its item is marked as
// the unit's silence or refusal says.
template <class T>
const UnitServiceAnswer *answerOf(const ServiceAnswers &answers, const ControlUnit &unit, std::uint8_t service,
                                  UnitItem<T> &item)
{
    if (!answers.ok) {
        failed(item, answers.failure);
        return nullptr;
    }
    const auto found = std::find_if(answers.units.begin(), answers.units.end(),
                                    [&](const UnitServiceAnswer &answer) { return answer.unit == unit.address; });
    if (found == answers.units.end() || (found->answers.empty() && !found->refusal)) {
        failed(item, LoadMessage(SUnitSilent).arg(unit.addressText));
        return nullptr;
    }
    if (!found->answers.empty())
        return &*found;
    if (unknownRequest(*found->refusal)) {
        item.state = ItemState::NotSupported;
    } else {
        const QByteArray refusal{"\x7F", 1};
        failed(item, LoadMessage(SUnitRefused)
                         .arg(unit.addressText, hexBytes(refusal + char(service) + char(*found->refusal))));
    }
    return nullptr;
}

template <class T>
using ItemOf = std::function<UnitItem<T> *(ControlUnit &)>;

class UnitsReader {
public:
    explicit UnitsReader(VehicleLink &link) : m_link(link) {}

    ControlUnitsReading read();

private:
    ServiceAnswers ask(std::uint8_t service, std::optional<std::uint8_t> infoType = std::nullopt)
    {
        QByteArray request(1, char(service));
        if (infoType)
            request += char(*infoType);
        return m_link.QueryService(request);
    }
    ControlUnit &unitAt(const UnitServiceAnswer &answer);
    void readSupported(const ServiceAnswers &answers);
    bool anySupports(std::uint8_t infoType) const;
    // The item of infoType of every unit whose itemOf names one (the others are left alone): asked
    // for when some unit supports it, decoded from its data items, or not supported.
    template <class T>
    void readInfoType(std::uint8_t infoType, int itemSize, const ItemOf<T> &itemOf,
                      const std::function<T(const QByteArray &)> &decode);
    void readInUse();
    void readPermanentCodes();

    VehicleLink &m_link;
    bool m_can = true;
    std::map<std::uint32_t, ControlUnit> m_units;
};

ControlUnit &UnitsReader::unitAt(const UnitServiceAnswer &answer)
{
    ControlUnit &unit = m_units[answer.unit];
    unit.address = answer.unit;
    unit.addressText = answer.name;
    return unit;
}

void UnitsReader::readSupported(const ServiceAnswers &answers)
{
    for (const UnitServiceAnswer &answer : answers.units) {
        ControlUnit &unit = unitAt(answer);
        if (answerOf(answers, unit, kVehicleInformation, unit.infoTypes) == nullptr)
            continue;
        if (const std::optional<std::uint32_t> bitmap = SupportedInfoTypes(answer.answers)) {
            unit.infoTypes.state = ItemState::Read;
            unit.infoTypes.value = *bitmap;
        } else {
            failed(unit.infoTypes, LoadMessage(SAnswerBroken).arg(hexBytes(answer.answers.front())));
        }
    }
}

bool UnitsReader::anySupports(std::uint8_t infoType) const
{
    return std::any_of(m_units.begin(), m_units.end(), [&](const auto &entry) {
        return entry.second.infoTypes.read() && SupportsInfoType(entry.second.infoTypes.value, infoType);
    });
}

template <class T>
void UnitsReader::readInfoType(std::uint8_t infoType, int itemSize, const ItemOf<T> &itemOf,
                               const std::function<T(const QByteArray &)> &decode)
{
    ServiceAnswers counts;
    ServiceAnswers answers;
    if (anySupports(infoType)) {
        // The older protocols tell first how many messages the answer takes.
        const std::uint8_t countType = MessageCountInfoType(infoType);
        if (!m_can && countType != 0 && anySupports(countType))
            counts = ask(kVehicleInformation, countType);
        answers = ask(kVehicleInformation, infoType);
    }
    for (auto &[address, unit] : m_units) {
        UnitItem<T> *item = unit.infoTypes.read() ? itemOf(unit) : nullptr;
        if (item == nullptr)
            continue;
        if (!SupportsInfoType(unit.infoTypes.value, infoType)) {
            item->state = ItemState::NotSupported;
            continue;
        }
        const UnitServiceAnswer *answer = answerOf(answers, unit, kVehicleInformation, *item);
        if (answer == nullptr)
            continue;
        std::optional<int> announced;
        for (const UnitServiceAnswer &count : counts.units)
            if (count.unit == address)
                announced = AnnouncedMessages(count.answers, MessageCountInfoType(infoType));
        QString why;
        const std::optional<QByteArray> items =
            InfoTypeItems(answer->answers, infoType, m_can, itemSize, announced, &why);
        if (!items) {
            failed(*item, why);
            continue;
        }
        item->state = ItemState::Read;
        item->value = decode(*items);
    }
}

void UnitsReader::readInUse()
{
    // A unit tracks the monitors of its engine's kind: spark ignition (08), or compression (0B).
    auto compression = [](const ControlUnit &unit) {
        return SupportsInfoType(unit.infoTypes.value, InfoType::kInUseCompression)
               && !SupportsInfoType(unit.infoTypes.value, InfoType::kInUseSpark);
    };
    readInfoType<InUseTracking>(
        InfoType::kInUseSpark, kCounterBytes,
        [&](ControlUnit &unit) { return compression(unit) ? nullptr : &unit.inUse; },
        [](const QByteArray &items) { return InUseOf(Counters(items), false); });
    readInfoType<InUseTracking>(
        InfoType::kInUseCompression, kCounterBytes,
        [&](ControlUnit &unit) { return compression(unit) ? &unit.inUse : nullptr; },
        [](const QByteArray &items) { return InUseOf(Counters(items), true); });
}

void UnitsReader::readPermanentCodes()
{
    const ServiceAnswers answers = ask(kPermanentCodes);
    if (answers.ok)
        for (const UnitServiceAnswer &answer : answers.units)
            unitAt(answer);
    for (auto &[address, unit] : m_units) {
        UnitItem<QStringList> &item = unit.permanentCodes;
        const UnitServiceAnswer *answer = answerOf(answers, unit, kPermanentCodes, item);
        if (answer == nullptr)
            continue;
        item.state = ItemState::Read;
        for (const QByteArray &message : answer->answers) {
            const std::optional<QStringList> codes = CodesOfAnswer(message, m_can);
            if (!codes) {
                failed(item, LoadMessage(SAnswerBroken).arg(hexBytes(message)));
                item.value.clear();
                break;
            }
            for (const QString &code : *codes)
                if (!item.value.contains(code))
                    item.value << code;
        }
    }
}

ControlUnitsReading UnitsReader::read()
{
    ControlUnitsReading reading;
    const ServiceAnswers supported = ask(kVehicleInformation, InfoType::kSupported);
    if (!supported.ok) {
        reading.failure = supported.failure;
        return reading;
    }
    m_can = supported.can;
    readSupported(supported);
    readInfoType<QString>(
        InfoType::kName, kNameBytes, [](ControlUnit &unit) { return &unit.name; },
        [](const QByteArray &items) { return InfoText(items.left(kNameBytes)); });
    readInfoType<QStringList>(
        InfoType::kCalibrationIds, kCalibrationIdBytes, [](ControlUnit &unit) { return &unit.calibrationIds; },
        [](const QByteArray &items) { return InfoTexts(items, kCalibrationIdBytes); });
    readInfoType<QStringList>(
        InfoType::kCvns, kCvnBytes, [](ControlUnit &unit) { return &unit.cvns; }, &CvnTexts);
    readInUse();
    readPermanentCodes();
    reading.batteryVolts = m_link.ReadBatteryVoltage();
    reading.ok = true;
    for (auto &[address, unit] : m_units) {
        // What service 09 did not answer at all holds for each of its items.
        if (unit.infoTypes.state == ItemState::Failed && unit.infoTypes.failure.isEmpty())
            unit.infoTypes.failure = LoadMessage(SUnitSilent).arg(unit.addressText);
        if (!unit.infoTypes.read()) {
            for (UnitItem<QStringList> *item : {&unit.calibrationIds, &unit.cvns}) {
                item->state = unit.infoTypes.state;
                item->failure = unit.infoTypes.failure;
            }
            unit.name.state = unit.inUse.state = unit.infoTypes.state;
            unit.name.failure = unit.inUse.failure = unit.infoTypes.failure;
        }
        reading.units.push_back(unit);
    }
    return reading;
}

} // namespace

bool ControlUnitsReading::permanentCodesNotSupported() const
{
    return !units.empty() && std::all_of(units.begin(), units.end(), [](const ControlUnit &unit) {
        return unit.permanentCodes.state == ItemState::NotSupported;
    });
}

ControlUnitsReading ReadControlUnits(VehicleLink &link)
{
    return UnitsReader(link).read();
}
