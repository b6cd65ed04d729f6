#include "core/vehicle/Elm327Vehicle.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/vehicle/ObdAnswer.h"

namespace {

QByteArray hexByte(std::uint8_t value)
{
    return QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
}

LinkStep failed(std::uint16_t message, const QString &argument = QString())
{
    QString line = LoadMessage(message);
    if (!argument.isNull())
        line = line.arg(argument);
    return {false, line};
}

QString identificationIn(const ElmReply &reply)
{
    for (const QString &line : reply.lines)
        if (line.startsWith(QLatin1String("ELM327")))
            return line.simplified();
    return {};
}

} // namespace

Elm327Vehicle::Elm327Vehicle(int baudRate, ElmTimeouts timeouts) : m_baudRate(baudRate), m_timeouts(timeouts)
{
}

ElmReply Elm327Vehicle::command(const QByteArray &text, int timeoutMs, bool *answered)
{
    const ElmExchange exchange = m_port.exchange(text, timeoutMs);
    if (answered != nullptr)
        *answered = exchange.answered;
    return ParseElmReply(exchange.text, text, m_headers);
}

LinkStep Elm327Vehicle::OpenPort(const QString &portName)
{
    m_portName = portName;
    switch (m_port.open(portName, m_baudRate)) {
    case PortOpening::Opened:
        return {};
    case PortOpening::Missing:
        return failed(SPortMissing, portName);
    case PortOpening::Busy:
        return failed(SPortBusy, portName);
    case PortOpening::Denied:
        return failed(SPortDenied, portName);
    case PortOpening::Failed:
        break;
    }
    return {false, LoadMessage(SPortFailed).arg(portName, m_port.errorText())};
}

LinkStep Elm327Vehicle::DetectInterface()
{
    // The reset answers with the adapter's identification; a clone that keeps quiet after a reset
    // is asked once more.
    bool answered = false;
    ElmReply reply = command("ATZ", m_timeouts.resetMs, &answered);
    bool heard = answered || !reply.lines.isEmpty();
    QString identification = identificationIn(reply);
    if (identification.isEmpty()) {
        reply = command("ATI", m_timeouts.replyMs, &answered);
        heard = heard || answered || !reply.lines.isEmpty();
        identification = identificationIn(reply);
    }
    if (identification.isEmpty())
        return failed(heard ? SIfaceUnknown : SIfaceNoAnswer);
    // "ELM327 v1.5" is written as the adapter writes it; lower-case letters came through upper-case.
    identification.replace(QLatin1String(" V"), QLatin1String(" v"));
    m_identity.interfaceName = identification;
    return {true, LoadMessage(SDetectedIface).arg(identification)};
}

LinkStep Elm327Vehicle::ConfigureInterface()
{
    // Echo off, no line feeds, blanks between bytes, headers on, automatic protocol. A clone
    // that does not know the blanks setting is still usable: the replies are read either way.
    static const char *const kCommands[] = {"ATE0", "ATL0", "ATS1", "ATH1", "ATSP0"};
    for (const char *text : kCommands) {
        const ElmReply reply = query(text);
        if (reply.status == ElmStatus::Ok)
            continue;
        if (qstrcmp(text, "ATS1") == 0 && reply.status == ElmStatus::UnknownCommand)
            continue;
        return failed(SIfaceConfigFailed, QString::fromLatin1(text));
    }
    return {};
}

LinkStep Elm327Vehicle::ContactVehicle()
{
    // The first query makes the adapter search for the protocol ("SEARCHING..."), which takes
    // longer than an ordinary answer.
    const ElmExchange first = m_port.exchange("0100", m_timeouts.searchMs);
    ElmReply reply = ParseElmReply(first.text, "0100", m_headers);
    if (!first.answered && reply.lines.isEmpty())
        return failed(SVehNoAnswer, LoadMessage(SNoReplyInTime));
    // Until the adapter names the protocol it found, the header format of the lines is unknown:
    // here only its refusals count.
    if (reply.status != ElmStatus::Data && reply.status != ElmStatus::Text) {
        const QString why = ElmStatusText(reply.status);
        return failed(SVehNoAnswer, why.isEmpty() ? LoadMessage(SNoReplyInTime) : why);
    }

    const ElmReply protocolNumber = query("ATDPN");
    if (!protocolNumber.lines.isEmpty())
        m_headers = ElmHeadersForProtocol(protocolNumber.lines.first());
    reply = ParseElmReply(first.text, "0100", m_headers);
    std::uint32_t unit = 0;
    if (EngineAnswers(reply, m_headers, QByteArray("\x41\x00", 2), &unit).empty())
        return failed(SVehNoAnswer, reply.lines.join(u' '));

    const int digits = m_headers == ElmHeaders::Can11 ? 3 : 2;
    const std::uint32_t address = m_headers == ElmHeaders::Can29 ? (unit & 0xFF) : unit;
    m_identity.moduleAddress =
        u'$' + QString::number(address, 16).rightJustified(digits, u'0').toUpper() + u'h'; // "$7E8h", "$10h"
    const ElmReply protocol = query("ATDP");
    QString name = protocol.lines.isEmpty() ? QString() : protocol.lines.first();
    if (name.startsWith(QLatin1String("AUTO, ")))
        name.remove(0, 6);
    m_identity.protocol = name;
    return {};
}

void Elm327Vehicle::Close()
{
    m_port.close();
}

std::optional<std::array<std::uint8_t, 4>> Elm327Vehicle::pid(std::uint8_t service, std::uint8_t number)
{
    QByteArray text = hexByte(service) + hexByte(number);
    if (service == 0x02)
        text += "00"; // freeze frame 0
    return PidBytes(query(text), m_headers, service, number);
}

PidReply Elm327Vehicle::QueryPid(std::uint8_t number, PidMode mode, int /*byteCount*/)
{
    PidReply reply;
    if (const auto bytes = pid(mode == FreezeFrame ? 0x02 : 0x01, number)) {
        reply.ok = true;
        reply.bytes = *bytes;
    }
    return reply;
}

MonitorStatus Elm327Vehicle::ReadMonitorStatus()
{
    MonitorStatus status;
    if (const auto bytes = pid(0x01, 0x01)) {
        status.ok = true;
        status.milStatusWord = (*bytes)[0];
        status.storedCodeCount = (*bytes)[0] & 0x7F;
        status.readiness = {(*bytes)[1], (*bytes)[2], (*bytes)[3]};
    }
    return status;
}

std::optional<std::uint8_t> Elm327Vehicle::ReadObdStandard()
{
    if (const auto bytes = pid(0x01, 0x1C))
        return (*bytes)[0];
    return std::nullopt;
}

std::optional<QString> Elm327Vehicle::ReadVin()
{
    return VinText(query("0902"), m_headers);
}

std::optional<QStringList> Elm327Vehicle::ReadStoredCodes()
{
    return DtcCodes(query("03"), m_headers, 0x03);
}

std::optional<QStringList> Elm327Vehicle::ReadPendingCodes()
{
    return DtcCodes(query("07"), m_headers, 0x07);
}

bool Elm327Vehicle::ClearCodes()
{
    return !EngineAnswers(query("04"), m_headers, QByteArray(1, char(0x44))).empty();
}

std::optional<QString> Elm327Vehicle::ReadFreezeFrameCode()
{
    if (const auto bytes = pid(0x02, 0x02))
        return QString::fromLatin1((hexByte((*bytes)[0]) + hexByte((*bytes)[1])));
    return std::nullopt;
}
