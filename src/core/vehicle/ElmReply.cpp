#include "core/vehicle/ElmReply.h"

#include <map>
#include <optional>

namespace {

QByteArray withoutBlanks(QByteArrayView text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t')
            compact.append(c);
    return compact;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool allHex(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text)
        if (!isHex(c))
            return false;
    return true;
}

std::optional<ElmStatus> statusOfLine(const QByteArray &line)
{
    if (line == "NO DATA")
        return ElmStatus::NoData;
    if (line.startsWith("UNABLE TO CONNECT"))
        return ElmStatus::UnableToConnect;
    if (line.contains("CAN ERROR"))
        return ElmStatus::CanError;
    if (line == "STOPPED")
        return ElmStatus::Stopped;
    if (line == "?")
        return ElmStatus::UnknownCommand;
    if (line.startsWith("BUS ERROR") || line.startsWith("BUS BUSY") || line.startsWith("FB ERROR")
        || line.contains("DATA ERROR") || line.startsWith("BUFFER FULL") || line.startsWith("ERR")
        || line.startsWith("<RX ERROR") || line.startsWith("LV RESET"))
        return ElmStatus::BusError;
    return std::nullopt;
}

QByteArray bytesOf(const QByteArray &hex)
{
    return QByteArray::fromHex(hex);
}

// Joins CAN frames into answers per unit: single frames stand alone, a first frame opens an
// answer of the length it states, and consecutive frames in sequence fill it.
class CanJoiner {
public:
    explicit CanJoiner(std::vector<ElmMessage> &out) : m_out(out) {}

    void frame(std::uint32_t source, const QByteArray &data)
    {
        if (data.isEmpty())
            return;
        const auto pci = static_cast<std::uint8_t>(data[0]);
        switch (pci >> 4) {
        case 0: {
            const int length = pci & 0x0F;
            if (length > 0)
                m_out.push_back({source, data.mid(1, length)});
            break;
        }
        case 1: {
            if (data.size() < 2)
                return;
            const int length = ((pci & 0x0F) << 8) | static_cast<std::uint8_t>(data[1]);
            m_open[source] = {length, 1, data.mid(2)};
            finishIfComplete(source);
            break;
        }
        case 2: {
            const auto it = m_open.find(source);
            if (it == m_open.end())
                return;
            if ((pci & 0x0F) != (it->second.next & 0x0F)) {
                m_open.erase(it); // a frame was lost: the answer cannot be trusted
                return;
            }
            it->second.next += 1;
            it->second.bytes.append(data.mid(1));
            finishIfComplete(source);
            break;
        }
        default:
            break; // flow control and anything newer carry no answer
        }
    }

private:
    struct Open {
        int length;
        int next;
        QByteArray bytes;
    };

    void finishIfComplete(std::uint32_t source)
    {
        const auto it = m_open.find(source);
        if (it->second.bytes.size() < it->second.length)
            return;
        m_out.push_back({source, it->second.bytes.left(it->second.length)});
        m_open.erase(it);
    }

    std::vector<ElmMessage> &m_out;
    std::map<std::uint32_t, Open> m_open;
};

} // namespace

ElmHeaders ElmHeadersForProtocol(const QString &describeProtocolNumber)
{
    QString number = describeProtocolNumber.trimmed().toUpper();
    if (number.startsWith(u'A') && number.size() > 1)
        number.remove(0, 1);
    if (number == QLatin1String("6") || number == QLatin1String("8") || number == QLatin1String("B"))
        return ElmHeaders::Can11;
    if (number == QLatin1String("7") || number == QLatin1String("9") || number == QLatin1String("A")
        || number == QLatin1String("C"))
        return ElmHeaders::Can29;
    return ElmHeaders::Legacy;
}

ElmReply ParseElmReply(QByteArrayView received, QByteArrayView command, ElmHeaders headers)
{
    // Printable text and line ends only: adapters send NULs after a reset and noise on a
    // disturbed line.
    QByteArray text;
    text.reserve(received.size());
    for (const char c : received)
        if ((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n')
            text.append(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);

    const QByteArray echo = withoutBlanks(command).toUpper();
    ElmReply reply;
    std::optional<ElmStatus> failure;
    bool ok = false;
    bool echoSeen = false;
    std::vector<QByteArray> dataLines;

    for (QByteArray line : text.split('\r')) {
        line = line.replace('\n', ' ').trimmed();
        if (line.isEmpty())
            continue;
        const QByteArray compact = withoutBlanks(line);
        if (!echoSeen && !echo.isEmpty() && compact == echo) {
            echoSeen = true;
            continue;
        }
        if (line.startsWith("SEARCHING"))
            continue;
        if (line.startsWith("BUS INIT")) {
            if (line.contains("ERROR"))
                failure = ElmStatus::BusInitError;
            continue; // "BUS INIT: ...OK" comes before the answer itself
        }
        reply.lines << QString::fromLatin1(line);
        if (const std::optional<ElmStatus> status = statusOfLine(line)) {
            failure = status;
            continue;
        }
        if (line == "OK") {
            ok = true;
            continue;
        }
        if (allHex(compact))
            dataLines.push_back(compact);
    }

    CanJoiner joiner(reply.messages);
    for (const QByteArray &hex : dataLines) {
        switch (headers) {
        case ElmHeaders::Can11:
            if (hex.size() % 2 == 1 && hex.size() >= 5)
                joiner.frame(hex.left(3).toUInt(nullptr, 16), bytesOf(hex.mid(3)));
            break;
        case ElmHeaders::Can29:
            if (hex.size() % 2 == 0 && hex.size() >= 10)
                joiner.frame(hex.left(8).toUInt(nullptr, 16), bytesOf(hex.mid(8)));
            break;
        case ElmHeaders::Legacy:
            // Three header bytes, at least one data byte, the check byte.
            if (hex.size() % 2 == 0 && hex.size() >= 10) {
                const QByteArray bytes = bytesOf(hex);
                reply.messages.push_back({static_cast<std::uint8_t>(bytes[2]), bytes.mid(3, bytes.size() - 4)});
            }
            break;
        }
    }

    if (!reply.messages.empty())
        reply.status = ElmStatus::Data;
    else if (failure)
        reply.status = *failure;
    else if (ok)
        reply.status = ElmStatus::Ok;
    else if (!reply.lines.isEmpty())
        reply.status = ElmStatus::Text;
    return reply;
}

QString ElmStatusText(ElmStatus status)
{
    switch (status) {
    case ElmStatus::NoData:
        return QStringLiteral("NO DATA");
    case ElmStatus::UnableToConnect:
        return QStringLiteral("UNABLE TO CONNECT");
    case ElmStatus::BusInitError:
        return QStringLiteral("BUS INIT: ...ERROR");
    case ElmStatus::CanError:
        return QStringLiteral("CAN ERROR");
    case ElmStatus::Stopped:
        return QStringLiteral("STOPPED");
    case ElmStatus::UnknownCommand:
        return QStringLiteral("?");
    case ElmStatus::BusError:
        return QStringLiteral("BUS ERROR");
    case ElmStatus::Data:
    case ElmStatus::Ok:
    case ElmStatus::Text:
    case ElmStatus::Empty:
        break;
    }
    return {};
}
