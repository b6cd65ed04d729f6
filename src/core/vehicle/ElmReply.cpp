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

// The lines of a reply: a carriage return ends a line, and so does a line feed alone (some
// Wi-Fi bridges and clones send nothing else); CR LF leaves an empty line, which is passed over.
QList<QByteArray> linesOf(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            lines << text.mid(start, at - start);
            start = at + 1;
        }
    }
    lines << text.mid(start);
    return lines;
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
    if (line.startsWith("LV RESET"))
        return ElmStatus::AdapterReset;
    if (line.startsWith("BUS ERROR") || line.startsWith("BUS BUSY") || line.startsWith("FB ERROR")
        || line.contains("DATA ERROR") || line.startsWith("BUFFER FULL") || line.startsWith("ERR")
        || line.contains("RX ERROR"))
        return ElmStatus::BusError;
    return std::nullopt;
}

// The check byte of SAE J1850 (CRC-8, polynomial 0x1D, start 0xFF, inverted).
std::uint8_t j1850Crc(QByteArrayView bytes)
{
    std::uint8_t crc = 0xFF;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) != 0 ? std::uint8_t((crc << 1) ^ 0x1D) : std::uint8_t(crc << 1);
    }
    return std::uint8_t(~crc);
}

// The check byte of ISO 9141-2 and ISO 14230-4: the sum of the bytes before it.
std::uint8_t isoSum(QByteArrayView bytes)
{
    std::uint8_t sum = 0;
    for (const char c : bytes)
        sum = std::uint8_t(sum + static_cast<std::uint8_t>(c));
    return sum;
}

// A line of the older protocols: three header bytes, at least one data byte and a check byte
// that fits them. An ISO 14230 format byte that states a length must state the right one.
bool legacyLineFits(const QByteArray &bytes)
{
    if (bytes.size() < 5)
        return false;
    const QByteArrayView covered(bytes.constData(), bytes.size() - 1);
    const auto check = static_cast<std::uint8_t>(bytes.back());
    if (check != isoSum(covered) && check != j1850Crc(covered))
        return false;
    const auto format = static_cast<std::uint8_t>(bytes[0]);
    const int stated = format & 0x3F;
    return (format & 0x80) == 0 || stated == 0 || stated == bytes.size() - 4;
}

QByteArray bytesOf(const QByteArray &hex)
{
    return QByteArray::fromHex(hex);
}

// Joins CAN frames into answers per unit: single frames stand alone, a first frame opens an
// answer of the length it states, and consecutive frames in sequence fill it. A frame that
// breaks these rules, or an answer left unfinished, makes the reply broken.
class CanJoiner {
public:
    explicit CanJoiner(std::vector<ElmMessage> &out) : m_out(out) {}

    // False when the frame cannot be part of a whole answer.
    bool frame(std::uint32_t source, const QByteArray &data)
    {
        if (data.isEmpty())
            return false;
        const auto pci = static_cast<std::uint8_t>(data[0]);
        switch (pci >> 4) {
        case 0: {
            const int length = pci & 0x0F;
            if (length == 0 || length > data.size() - 1 || m_open.count(source) != 0)
                return false;
            m_out.push_back({source, data.mid(1, length)});
            return true;
        }
        case 1: {
            if (data.size() < 2 || m_open.count(source) != 0)
                return false;
            const int length = ((pci & 0x0F) << 8) | static_cast<std::uint8_t>(data[1]);
            if (length < 7)
                return false;
            m_open[source] = {length, 1, data.mid(2)};
            finishIfComplete(source);
            return true;
        }
        case 2: {
            const auto it = m_open.find(source);
            if (it == m_open.end() || (pci & 0x0F) != (it->second.next & 0x0F))
                return false;
            it->second.next += 1;
            it->second.bytes.append(data.mid(1));
            finishIfComplete(source);
            return true;
        }
        case 3: return true; // flow control carries no answer
        default: return false;
        }
    }

    bool allFinished() const { return m_open.empty(); }

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

bool IsElmProtocolNumber(const QString &describeProtocolNumber)
{
    QString number = describeProtocolNumber.trimmed().toUpper();
    if (number.startsWith(u'A') && number.size() > 1)
        number.remove(0, 1);
    return number.size() == 1 && QStringLiteral("123456789ABC").contains(number[0]);
}

std::optional<ElmHeaders> ElmHeadersFromLines(QByteArrayView received)
{
    for (const QByteArray &line : linesOf(QByteArray(received.data(), received.size()).toUpper())) {
        const QByteArray hex = withoutBlanks(line.trimmed());
        if (hex.size() < 8 || !allHex(hex))
            continue;
        if (hex.size() % 2 == 1)
            return ElmHeaders::Can11;
        return hex.startsWith("18DA") && hex.size() >= 12 ? ElmHeaders::Can29 : ElmHeaders::Legacy;
    }
    return std::nullopt;
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
    const bool vehicleRequest = !echo.startsWith("AT");
    ElmReply reply;
    std::optional<ElmStatus> failure;
    QByteArray failureLine;
    auto fail = [&](ElmStatus status, const QByteArray &line) {
        if (!failure || (*failure == ElmStatus::Broken && status != ElmStatus::Broken)) {
            failure = status;
            failureLine = line;
        }
    };
    bool ok = false;
    bool echoSeen = false;
    std::vector<std::pair<QByteArray, QByteArray>> dataLines; // compact hex, line as received

    for (QByteArray line : linesOf(text)) {
        line = line.trimmed();
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
                fail(ElmStatus::BusInitError, "BUS INIT: ...ERROR");
            continue; // "BUS INIT: ...OK" comes before the answer itself
        }
        reply.lines << QString::fromLatin1(line);
        // A '>' inside a line is noise on the line, not the prompt: nothing in the line counts.
        if (line.contains('>')) {
            fail(ElmStatus::Broken, line);
            continue;
        }
        if (const std::optional<ElmStatus> status = statusOfLine(line)) {
            fail(*status, line);
            continue;
        }
        if (vehicleRequest && line.startsWith("ELM327")) {
            fail(ElmStatus::AdapterReset, line);
            continue;
        }
        if (line == "OK") {
            ok = true;
            continue;
        }
        if (allHex(compact))
            dataLines.emplace_back(compact, line);
    }

    // A hex line shorter than any header is a plain text answer ("A6" of ATDPN); a longer one
    // is a frame and must fit its format.
    const qsizetype headerDigits = headers == ElmHeaders::Can11 ? 3 : headers == ElmHeaders::Can29 ? 8 : 6;
    CanJoiner joiner(reply.messages);
    for (const auto &[hex, received] : dataLines) {
        if (hex.size() <= headerDigits)
            continue;
        bool fits = false;
        switch (headers) {
        case ElmHeaders::Can11:
            fits = hex.size() % 2 == 1 && joiner.frame(hex.left(3).toUInt(nullptr, 16), bytesOf(hex.mid(3)));
            break;
        case ElmHeaders::Can29:
            fits = hex.size() % 2 == 0 && joiner.frame(hex.left(8).toUInt(nullptr, 16), bytesOf(hex.mid(8)));
            break;
        case ElmHeaders::Legacy: {
            const QByteArray bytes = bytesOf(hex);
            fits = hex.size() % 2 == 0 && legacyLineFits(bytes);
            if (fits)
                reply.messages.push_back({static_cast<std::uint8_t>(bytes[2]), bytes.mid(3, bytes.size() - 4)});
            break;
        }
        }
        if (!fits)
            fail(ElmStatus::Broken, received);
    }
    if (!joiner.allFinished() && !dataLines.empty())
        fail(ElmStatus::Broken, dataLines.back().second);

    if (failure) {
        reply.status = *failure;
        reply.failure = QString::fromLatin1(failureLine);
    } else if (!reply.messages.empty()) {
        reply.status = ElmStatus::Data;
    } else if (ok) {
        reply.status = ElmStatus::Ok;
    } else if (!reply.lines.isEmpty()) {
        reply.status = ElmStatus::Text;
    }
    return reply;
}

bool ElmFailed(ElmStatus status)
{
    switch (status) {
    case ElmStatus::Data:
    case ElmStatus::Ok:
    case ElmStatus::Text:
    case ElmStatus::Empty: return false;
    default: return true;
    }
}

QString ElmStatusText(ElmStatus status)
{
    switch (status) {
    case ElmStatus::NoData: return QStringLiteral("NO DATA");
    case ElmStatus::UnableToConnect: return QStringLiteral("UNABLE TO CONNECT");
    case ElmStatus::BusInitError: return QStringLiteral("BUS INIT: ...ERROR");
    case ElmStatus::CanError: return QStringLiteral("CAN ERROR");
    case ElmStatus::Stopped: return QStringLiteral("STOPPED");
    case ElmStatus::UnknownCommand: return QStringLiteral("?");
    case ElmStatus::BusError: return QStringLiteral("BUS ERROR");
    case ElmStatus::AdapterReset: return QStringLiteral("LV RESET");
    case ElmStatus::Broken:
    case ElmStatus::Data:
    case ElmStatus::Ok:
    case ElmStatus::Text:
    case ElmStatus::Empty: break;
    }
    return {};
}
