#include "core/vehicle/ObdAnswer.h"

#include <algorithm>
#include <map>

std::uint32_t EngineUnitAddress(ElmHeaders headers)
{
    switch (headers) {
    case ElmHeaders::Can11:
        return 0x7E8;
    case ElmHeaders::Can29:
        return 0x18DAF110;
    case ElmHeaders::Legacy:
        break;
    }
    return 0x10;
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

std::optional<std::array<std::uint8_t, 4>> PidBytes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                                     std::uint8_t pid)
{
    QByteArray prefix;
    prefix.append(char(0x40 | service)).append(char(pid));
    const qsizetype skip = service == 0x02 ? 3 : 2; // the freeze frame number follows the PID
    for (const QByteArray &answer : EngineAnswers(reply, headers, prefix)) {
        if (answer.size() <= skip)
            continue;
        std::array<std::uint8_t, 4> bytes{};
        for (qsizetype i = 0; i < 4 && skip + i < answer.size(); ++i)
            bytes[std::size_t(i)] = static_cast<std::uint8_t>(answer[skip + i]);
        return bytes;
    }
    return std::nullopt;
}

std::optional<QStringList> DtcCodes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service)
{
    if (reply.status == ElmStatus::NoData)
        return QStringList();
    const std::vector<QByteArray> answers = EngineAnswers(reply, headers, QByteArray(1, char(0x40 | service)));
    if (answers.empty())
        return std::nullopt;
    const qsizetype skip = headers == ElmHeaders::Legacy ? 1 : 2;
    QStringList codes;
    for (const QByteArray &answer : answers) {
        for (qsizetype i = skip; i + 1 < answer.size(); i += 2) {
            const QString code = QString::fromLatin1(answer.mid(i, 2).toHex().toUpper());
            if (code != QLatin1String("0000"))
                codes << code;
        }
    }
    return codes;
}

std::optional<QString> VinText(const ElmReply &reply, ElmHeaders headers)
{
    const std::vector<QByteArray> answers = EngineAnswers(reply, headers, QByteArray("\x49\x02", 2));
    if (answers.empty())
        return std::nullopt;
    // Each answer carries a number (the count of items on CAN, the piece number otherwise)
    // before its characters; pieces are put in order of their number.
    std::map<int, QByteArray> pieces;
    for (const QByteArray &answer : answers)
        if (answer.size() > 3)
            pieces[static_cast<std::uint8_t>(answer[2])] += answer.mid(3);
    QString vin;
    for (const auto &piece : pieces)
        for (const char c : piece.second)
            if (c > 0x20 && c < 0x7F)
                vin.append(QChar::fromLatin1(c));
    if (vin.isEmpty())
        return std::nullopt;
    return vin.right(17);
}
