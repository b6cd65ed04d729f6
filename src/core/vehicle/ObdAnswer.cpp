#include "core/vehicle/ObdAnswer.h"

#include "core/catalogue/MessageCatalogue.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kNegativeAnswer = 0x7F;
constexpr std::uint8_t kAnswerPending = 0x78;
constexpr std::uint8_t kConditionsNotCorrect = 0x22;

void say(QString *why, const QString &text)
{
    if (why != nullptr && why->isEmpty())
        *why = text;
}

QString broken(const QByteArray &answer)
{
    return LoadMessage(SAnswerBroken).arg(QString::fromLatin1(answer.toHex(' ').toUpper()));
}

// Why the adapter's reply failed as a whole, in words for the operator.
QString replyFailure(const ElmReply &reply)
{
    if (reply.status == ElmStatus::Broken)
        return LoadMessage(SAnswerBroken).arg(reply.failure);
    return reply.failure.isEmpty() ? ElmStatusText(reply.status) : reply.failure;
}

// A successful reply holding the data bytes of one PID, as many as fit.
PidReply dataOf(const QByteArray &data)
{
    PidReply reply;
    reply.ok = true;
    reply.count = int(std::min<qsizetype>(data.size(), kMaxPidBytes));
    for (int i = 0; i < reply.count; ++i)
        reply.bytes[std::size_t(i)] = static_cast<std::uint8_t>(data[i]);
    return reply;
}

} // namespace

std::uint32_t EngineUnitAddress(ElmHeaders headers)
{
    switch (headers) {
    case ElmHeaders::Can11: return 0x7E8;
    case ElmHeaders::Can29: return 0x18DAF110;
    case ElmHeaders::Legacy: break;
    }
    return 0x10;
}

QString UnitName(std::uint32_t unit, ElmHeaders headers)
{
    const int digits = headers == ElmHeaders::Can11 ? 3 : headers == ElmHeaders::Can29 ? 8 : 2;
    return u'$' + QString::number(unit, 16).rightJustified(digits, u'0').toUpper() + u'h';
}

std::vector<QByteArray> EngineAnswers(const ElmReply &reply, ElmHeaders headers, const QByteArray &prefix,
                                      std::uint32_t *unit)
{
    std::optional<std::uint32_t> chosen;
    for (const ElmMessage &message : reply.messages) {
        if (!message.bytes.startsWith(prefix))
            continue;
        if (message.source == EngineUnitAddress(headers)) {
            chosen = message.source;
            break;
        }
        if (!chosen || message.source < *chosen)
            chosen = message.source;
    }
    std::vector<QByteArray> answers;
    if (!chosen)
        return answers;
    for (const ElmMessage &message : reply.messages)
        if (message.source == *chosen && message.bytes.startsWith(prefix))
            answers.push_back(message.bytes);
    if (unit != nullptr)
        *unit = *chosen;
    return answers;
}

std::optional<std::map<std::uint32_t, std::vector<QByteArray>>> UnitAnswers(const ElmReply &reply, ElmHeaders headers,
                                                                            std::uint8_t service,
                                                                            const std::vector<std::uint32_t> &required,
                                                                            QString *why)
{
    if (ElmFailed(reply.status)) {
        say(why, replyFailure(reply));
        return std::nullopt;
    }
    std::map<std::uint32_t, std::vector<QByteArray>> answers;
    std::map<std::uint32_t, QByteArray> refusals;
    for (const ElmMessage &message : reply.messages) {
        const QByteArray &bytes = message.bytes;
        if (static_cast<std::uint8_t>(bytes[0]) == (0x40 | service))
            answers[message.source].push_back(bytes);
        else if (bytes.size() >= 3 && static_cast<std::uint8_t>(bytes[0]) == kNegativeAnswer
                 && static_cast<std::uint8_t>(bytes[1]) == service)
            refusals[message.source] = bytes;
    }
    // "Answer pending" only holds a unit's place until its answer comes.
    for (const auto &[unit, refusal] : refusals) {
        const auto code = static_cast<std::uint8_t>(refusal[2]);
        if (code == kAnswerPending && answers.count(unit) != 0)
            continue;
        QString text = QString::fromLatin1(refusal.left(3).toHex(' ').toUpper());
        if (code == kConditionsNotCorrect)
            text += QStringLiteral(": ") + LoadMessage(SRefusedConditions);
        say(why, LoadMessage(SUnitRefused).arg(UnitName(unit, headers), text));
        return std::nullopt;
    }
    for (const std::uint32_t unit : required) {
        if (answers.count(unit) == 0) {
            say(why, LoadMessage(SUnitSilent).arg(UnitName(unit, headers)));
            return std::nullopt;
        }
    }
    if (answers.empty()) {
        say(why, LoadMessage(SNoUnitAnswered));
        return std::nullopt;
    }
    return answers;
}

std::optional<PidReply> PidBytes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service, std::uint8_t pid,
                                 int byteCount, QString *why)
{
    if (ElmFailed(reply.status)) {
        say(why, replyFailure(reply));
        return std::nullopt;
    }
    QByteArray prefix;
    prefix.append(char(0x40 | service)).append(char(pid));
    const qsizetype skip = service == 0x02 ? 3 : 2; // the freeze frame number follows the PID
    const qsizetype needed = std::clamp(byteCount, 1, kMaxPidBytes);
    const std::vector<QByteArray> answers = EngineAnswers(reply, headers, prefix);
    if (answers.empty()) {
        say(why, LoadMessage(SNoUnitAnswered));
        return std::nullopt;
    }
    const QByteArray &answer = answers.front();
    // Only frame 0 is asked for: an answer about another frame is not the one asked for.
    if (answer.size() < skip + needed || (service == 0x02 && answer[2] != 0)) {
        say(why, broken(answer));
        return std::nullopt;
    }
    return dataOf(answer.mid(skip));
}

namespace {

// One unit's answer to a request for several PIDs, split PID by PID (data bytes by the PID's
// index in pids); nothing when it does not split into PIDs asked for, each at most once.
std::optional<std::map<std::size_t, QByteArray>> splitAnswer(const QByteArray &answer,
                                                             const std::vector<PidRequest> &pids)
{
    std::map<std::size_t, QByteArray> parts;
    qsizetype at = 1; // after the service byte
    while (at < answer.size()) {
        const auto pid = static_cast<std::uint8_t>(answer[at]);
        std::size_t index = 0;
        while (index < pids.size() && (pids[index].pid != pid || parts.count(index) != 0))
            ++index;
        if (index == pids.size())
            return std::nullopt;
        const qsizetype length = std::clamp(pids[index].byteCount, 1, kMaxPidBytes);
        if (at + 1 + length > answer.size())
            return std::nullopt;
        parts[index] = answer.mid(at + 1, length);
        at += 1 + length;
    }
    return parts;
}

} // namespace

std::optional<std::vector<std::optional<PidReply>>> MultiPidBytes(const ElmReply &reply, ElmHeaders headers,
                                                                  const std::vector<PidRequest> &pids, QString *why)
{
    std::vector<std::optional<PidReply>> values(pids.size());
    if (ElmFailed(reply.status)) {
        say(why, replyFailure(reply));
        return values;
    }
    // Each PID's bytes and the unit they came from.
    std::vector<std::optional<std::uint32_t>> from(pids.size());
    std::vector<std::uint32_t> seen;
    for (const ElmMessage &message : reply.messages) {
        if (message.bytes.isEmpty() || static_cast<std::uint8_t>(message.bytes[0]) != 0x41
            || std::find(seen.begin(), seen.end(), message.source) != seen.end())
            continue;
        seen.push_back(message.source);
        const auto parts = splitAnswer(message.bytes, pids);
        if (!parts) {
            say(why, broken(message.bytes));
            return std::nullopt;
        }
        for (const auto &[index, data] : *parts) {
            const std::optional<std::uint32_t> earlier = from[index];
            const bool better = !earlier
                                || (*earlier != EngineUnitAddress(headers)
                                    && (message.source == EngineUnitAddress(headers) || message.source < *earlier));
            if (!better)
                continue;
            from[index] = message.source;
            values[index] = dataOf(data);
        }
    }
    if (std::find(values.begin(), values.end(), std::nullopt) != values.end())
        say(why, LoadMessage(SNoUnitAnswered));
    return values;
}

std::optional<QStringList> CodesOfAnswer(const QByteArray &answer, bool can)
{
    qsizetype end = answer.size();
    if (can) {
        const int count = answer.size() > 1 ? static_cast<std::uint8_t>(answer[1]) : -1;
        end = 2 + 2 * qsizetype(count);
        if (count < 0 || answer.size() < end)
            return std::nullopt;
    } else if ((answer.size() - 1) % 2 != 0) {
        return std::nullopt;
    }
    QStringList codes;
    for (qsizetype i = can ? 2 : 1; i + 1 < end; i += 2) {
        const QString code = QString::fromLatin1(answer.mid(i, 2).toHex().toUpper());
        if (code != QLatin1String("0000"))
            codes << code;
    }
    return codes;
}

std::optional<QStringList> DtcCodes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                    const std::vector<std::uint32_t> &required, QString *why)
{
    const auto answers = UnitAnswers(reply, headers, service, required, why);
    if (!answers)
        return std::nullopt;
    QStringList codes;
    for (const auto &[unit, messages] : *answers) {
        for (const QByteArray &answer : messages) {
            const std::optional<QStringList> found = CodesOfAnswer(answer, headers != ElmHeaders::Legacy);
            if (!found) {
                say(why, broken(answer));
                return std::nullopt;
            }
            for (const QString &code : *found)
                if (!codes.contains(code))
                    codes << code;
        }
    }
    return codes;
}

MonitorStatus CombinedMonitorStatus(const ElmReply &reply, ElmHeaders headers,
                                    const std::vector<std::uint32_t> &required, QString *why)
{
    MonitorStatus status;
    const auto answers = UnitAnswers(reply, headers, 0x01, required, why);
    if (!answers)
        return status;
    bool lit = false;
    int count = 0;
    std::uint8_t b = 0, c = 0, d = 0;
    bool any = false;
    for (const auto &[unit, messages] : *answers) {
        for (const QByteArray &answer : messages) {
            if (answer.size() < 2 || static_cast<std::uint8_t>(answer[1]) != 0x01)
                continue;
            if (answer.size() < 6) {
                say(why, broken(answer));
                return status;
            }
            any = true;
            const auto ua = static_cast<std::uint8_t>(answer[2]);
            const auto ub = static_cast<std::uint8_t>(answer[3]);
            const auto uc = static_cast<std::uint8_t>(answer[4]);
            const auto ud = static_cast<std::uint8_t>(answer[5]);
            lit = lit || (ua & 0x80) != 0;
            count += ua & 0x7F;
            // Continuous monitors: support in bits 0-2, "not complete" in bits 4-6 where supported.
            b |= ub & 0x0F;
            b |= ub & ((ub & 0x07) << 4);
            c |= uc;
            d |= ud & uc;
            break; // one status a unit
        }
    }
    if (!any) {
        say(why, LoadMessage(SNoUnitAnswered));
        return status;
    }
    status.ok = true;
    status.storedCodeCount = count;
    status.milStatusWord = std::uint16_t((lit ? 0x80 : 0x00) | std::min(count, 0x7F));
    status.readiness = {b, c, d};
    return status;
}

bool ClearConfirmed(const ElmReply &reply, ElmHeaders headers, const std::vector<std::uint32_t> &required, QString *why)
{
    return UnitAnswers(reply, headers, 0x04, required, why).has_value();
}

std::optional<QString> VinText(const ElmReply &reply, ElmHeaders headers, QString *why)
{
    if (ElmFailed(reply.status)) {
        say(why, replyFailure(reply));
        return std::nullopt;
    }
    const std::vector<QByteArray> answers = EngineAnswers(reply, headers, QByteArray("\x49\x02", 2));
    if (answers.empty()) {
        say(why, LoadMessage(SNoUnitAnswered));
        return std::nullopt;
    }
    // Each answer carries a number (the count of items on CAN, the piece number otherwise)
    // before its characters. The older protocols' pieces must run 1, 2, 3... without a gap.
    QByteArray text;
    if (headers == ElmHeaders::Legacy) {
        std::map<int, QByteArray> pieces;
        for (const QByteArray &answer : answers)
            if (answer.size() > 3)
                pieces[static_cast<std::uint8_t>(answer[2])] = answer.mid(3);
        int expected = 1;
        for (const auto &[number, piece] : pieces) {
            if (number != expected++) {
                say(why, broken(piece));
                return std::nullopt;
            }
            text += piece;
        }
    } else {
        text = answers.front().mid(3);
    }
    // Padding with NULs before or after the characters is not part of the VIN.
    while (text.startsWith('\0'))
        text.remove(0, 1);
    while (text.endsWith('\0'))
        text.chop(1);
    const bool fits = text.size() == 17 && std::all_of(text.begin(), text.end(), [](char ch) {
                          return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z');
                      });
    if (!fits) {
        say(why, broken(answers.front()));
        return std::nullopt;
    }
    return QString::fromLatin1(text);
}

ServiceAnswers ServiceAnswersOf(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                const std::vector<std::uint32_t> &known)
{
    ServiceAnswers result;
    result.can = headers != ElmHeaders::Legacy;
    if (ElmFailed(reply.status) && reply.status != ElmStatus::NoData) {
        result.failure = replyFailure(reply);
        return result;
    }
    std::map<std::uint32_t, UnitServiceAnswer> units;
    for (const std::uint32_t unit : known)
        units[unit].unit = unit;
    for (const ElmMessage &message : reply.messages) {
        const QByteArray &bytes = message.bytes;
        if (bytes.isEmpty())
            continue;
        const auto first = static_cast<std::uint8_t>(bytes[0]);
        if (first == (0x40 | service)) {
            units[message.source].answers.push_back(bytes);
        } else if (bytes.size() >= 3 && first == kNegativeAnswer && static_cast<std::uint8_t>(bytes[1]) == service) {
            UnitServiceAnswer &unit = units[message.source];
            if (const auto code = static_cast<std::uint8_t>(bytes[2]); code != kAnswerPending)
                unit.refusal = code;
        }
    }
    for (auto &[address, unit] : units) {
        unit.unit = address;
        unit.name = UnitName(address, headers);
        result.units.push_back(std::move(unit));
    }
    result.ok = true;
    return result;
}
