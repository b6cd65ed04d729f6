#include "core/units/VehicleInfo.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/text/HexByte.h"

#include <map>

namespace {

constexpr std::uint8_t kInfoAnswer = 0x49;
constexpr int kLegacyDataBytes = 4; // in each numbered message of the older protocols

bool answersInfoType(const QByteArray &answer, std::uint8_t infoType)
{
    return answer.size() >= 2 && static_cast<std::uint8_t>(answer[0]) == kInfoAnswer
           && static_cast<std::uint8_t>(answer[1]) == infoType;
}

QString broken(const QByteArray &answer)
{
    return LoadMessage(SAnswerBroken).arg(QString::fromLatin1(answer.toHex(' ').toUpper()));
}

void say(QString *why, const QString &text)
{
    if (why != nullptr)
        *why = text;
}

} // namespace

std::uint8_t MessageCountInfoType(std::uint8_t infoType)
{
    const bool counted = infoType >= InfoType::kVin && infoType <= InfoType::kName && infoType % 2 == 0;
    return counted ? std::uint8_t(infoType - 1) : 0;
}

std::optional<std::uint32_t> SupportedInfoTypes(const std::vector<QByteArray> &answers)
{
    // CAN answers "49 00 A B C D"; the older protocols put a message number before the bitmap.
    for (const QByteArray &answer : answers) {
        if (!answersInfoType(answer, InfoType::kSupported) || answer.size() < 6)
            continue;
        const QByteArray bitmap = answer.size() >= 7 ? answer.mid(3, 4) : answer.mid(2, 4);
        std::uint32_t bits = 0;
        for (const char byte : bitmap)
            bits = (bits << 8) | static_cast<std::uint8_t>(byte);
        return bits;
    }
    return std::nullopt;
}

bool SupportsInfoType(std::uint32_t bitmap, std::uint8_t infoType)
{
    return infoType >= 1 && infoType <= 0x20 && ((bitmap >> (32 - infoType)) & 1) != 0;
}

QString InfoTypeList(std::uint32_t bitmap)
{
    QStringList types;
    for (int type = 1; type <= 0x20; ++type)
        if (SupportsInfoType(bitmap, std::uint8_t(type)))
            types << HexByte(std::uint8_t(type));
    return types.join(u' ');
}

std::optional<int> AnnouncedMessages(const std::vector<QByteArray> &answers, std::uint8_t countInfoType)
{
    for (const QByteArray &answer : answers)
        if (answersInfoType(answer, countInfoType) && answer.size() >= 3)
            return static_cast<std::uint8_t>(answer[2]);
    return std::nullopt;
}

std::optional<QByteArray> InfoTypeItems(const std::vector<QByteArray> &answers, std::uint8_t infoType, bool can,
                                        int itemSize, std::optional<int> announced, QString *why)
{
    if (can) {
        for (const QByteArray &answer : answers) {
            if (!answersInfoType(answer, infoType))
                continue;
            const qsizetype size = answer.size() >= 3 ? qsizetype(static_cast<std::uint8_t>(answer[2])) * itemSize : 0;
            if (answer.size() < 3 || answer.size() < 3 + size) {
                say(why, broken(answer));
                return std::nullopt;
            }
            return answer.mid(3, size);
        }
        say(why, LoadMessage(SNoUnitAnswered));
        return std::nullopt;
    }
    // Message numbers start at 1; the same number twice is the same message.
    std::map<int, QByteArray> messages;
    for (const QByteArray &answer : answers) {
        if (!answersInfoType(answer, infoType))
            continue;
        if (answer.size() < 3 + kLegacyDataBytes) {
            say(why, broken(answer));
            return std::nullopt;
        }
        messages[static_cast<std::uint8_t>(answer[2])] = answer.mid(3, kLegacyDataBytes);
    }
    if (messages.empty()) {
        say(why, LoadMessage(SNoUnitAnswered));
        return std::nullopt;
    }
    QByteArray items;
    int expected = 1;
    for (const auto &[number, data] : messages) {
        if (number != expected++) {
            say(why, broken(data));
            return std::nullopt;
        }
        items += data;
    }
    if (announced && int(messages.size()) != *announced) {
        say(why, broken(messages.rbegin()->second));
        return std::nullopt;
    }
    return items.left(items.size() / itemSize * itemSize);
}

QString InfoText(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes) {
        if (byte == '\0')
            continue;
        text += byte >= 0x20 && byte < 0x7F ? QChar(char16_t(byte)) : QChar(u'?');
    }
    return text.trimmed();
}

QStringList InfoTexts(const QByteArray &items, int size)
{
    QStringList texts;
    for (qsizetype at = 0; at + size <= items.size(); at += size)
        texts << InfoText(items.mid(at, size));
    return texts;
}

QStringList CvnTexts(const QByteArray &items)
{
    QStringList texts;
    for (qsizetype at = 0; at + 4 <= items.size(); at += 4)
        texts << QString::fromLatin1(items.mid(at, 4).toHex().toUpper());
    return texts;
}

std::vector<int> Counters(const QByteArray &items)
{
    std::vector<int> counters;
    for (qsizetype at = 0; at + 2 <= items.size(); at += 2)
        counters.push_back(static_cast<std::uint8_t>(items[at]) << 8 | static_cast<std::uint8_t>(items[at + 1]));
    return counters;
}
