#include "core/vehicle/Elm327Vehicle.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/settings/AppSettings.h"
#include "core/units/BatteryVoltage.h"
#include "core/vehicle/AdapterWait.h"
#include "core/vehicle/ObdAnswer.h"
#include "core/vehicle/ResponseCount.h"
#include "core/vehicle/SerialTransport.h"
#include "core/vehicle/TcpTransport.h"

#include <algorithm>

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

// Whether the reply holds a line of text: an adapter met at a wrong line speed sends bytes of no
// meaning, which say nothing about what answers.
bool heardText(const ElmReply &reply)
{
    return std::any_of(reply.lines.begin(), reply.lines.end(), [](const QString &line) {
        return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F;
        });
    });
}

QString identificationIn(const ElmReply &reply)
{
    for (const QString &line : reply.lines)
        if (line.startsWith(QLatin1String("ELM327")))
            return line.simplified();
    return {};
}

// How often a request is asked again while a unit says it is busy.
constexpr int kBusyRepeats = 3;

// The most PIDs one request may carry on CAN.
constexpr int kPidsPerCanRequest = 6;

} // namespace

Elm327Vehicle::Elm327Vehicle(int baudRate, ElmTimeouts timeouts) : m_baudRate(baudRate), m_timeouts(timeouts)
{
}

Elm327Vehicle::Elm327Vehicle(ElmTcpTarget target, ElmTimeouts timeouts)
    : m_baudRate(0), m_timeouts(timeouts), m_tcp(std::move(target))
{
}

ElmReply Elm327Vehicle::command(const QByteArray &text, int timeoutMs, Heard *heard, const ElmPort::Patience &patience)
{
    const ElmExchange exchange =
        m_port.exchange(text, timeoutMs, m_timeouts.drainMs > 0 ? m_timeouts.drainMs : m_timeouts.replyMs, patience);
    if (heard != nullptr)
        *heard = {exchange.sent, exchange.answered, !exchange.text.isEmpty() || !exchange.unasked.isEmpty()};
    ElmReply reply = ParseElmReply(exchange.text, text, m_headers);
    // An adapter that reset itself between two commands says so unasked; its answer since then
    // came with the settings it lost.
    const QByteArray unasked = exchange.unasked.toUpper();
    if (!text.startsWith("AT") && (unasked.contains("LV RESET") || unasked.contains("ELM327"))) {
        reply.status = ElmStatus::AdapterReset;
        reply.failure = unasked.contains("LV RESET") ? QStringLiteral("LV RESET") : QStringLiteral("ELM327");
    }
    return reply;
}

ElmReply Elm327Vehicle::query(const QByteArray &text)
{
    ElmReply reply = queryOnce(text);
    // "Busy, repeat the request": asked again after a short pause, a few times at most.
    for (int repeat = 0; repeat < kBusyRepeats && AnyNegativeAnswer(reply, kBusyRepeatRequest) && !m_port.lost();
         ++repeat) {
        AdapterWait::pause(m_timeouts.busyPauseMs);
        reply = queryOnce(text);
    }
    return reply;
}

ElmReply Elm327Vehicle::queryOnce(const QByteArray &text)
{
    m_failure.clear();
    // While the time runs out, a unit that said "response pending" since the last look, or a bus
    // initialisation under way, earns more time, up to the limit.
    int pendingSeen = 0;
    bool initSeen = false;
    int granted = 0;
    const ElmPort::Patience patience = [&](const QByteArray &received) {
        const ElmReply sofar = ParseElmReply(received, text, m_headers);
        const auto pending = int(std::count_if(sofar.messages.begin(), sofar.messages.end(), [](const ElmMessage &m) {
            return IsNegativeAnswer(m, kResponsePending);
        }));
        const bool init = received.contains("BUS INIT") && !received.contains("ERROR") && !initSeen;
        const bool more = pending > pendingSeen || init;
        pendingSeen = pending;
        initSeen = initSeen || init;
        const int room = m_timeouts.pendingLimitMs - m_timeouts.replyMs - granted;
        if (!more || room <= 0)
            return 0;
        const int extra = std::min(m_timeouts.pendingMs, room);
        granted += extra;
        return extra;
    };
    Heard heard;
    ElmReply reply = command(text, m_timeouts.replyMs, &heard, patience);
    if (reply.status == ElmStatus::AdapterReset) {
        // A voltage dip (cranking) resets the adapter: its settings are gone and it looks for
        // the protocol again, so it is set up anew and asked once more, with time to search.
        if (m_debugLog)
            m_debugLog(QStringLiteral("Adapter reset itself (%1): set up again, %2 sent once more")
                           .arg(reply.failure, QString::fromLatin1(text)));
        setUp();
        reply = command(text, m_timeouts.searchMs, &heard, patience);
    }
    if (reply.status == ElmStatus::Empty && !heard.answered)
        m_failure = LoadMessage(SNoReplyInTime);
    // Nothing at all, request after request, while the line stays open: the adapter is gone.
    m_silentInARow = heard.sent && !heard.anything ? m_silentInARow + 1 : 0;
    if (m_silentInARow >= kSilentRequests && !m_port.lost()) {
        note(QStringLiteral("Adapter answered nothing to %1 requests in a row: taken as gone").arg(m_silentInARow));
        m_port.giveUp();
    }
    return reply;
}

void Elm327Vehicle::note(const QString &line) const
{
    if (m_debugLog)
        m_debugLog(line);
}

void Elm327Vehicle::announce(std::uint16_t message, const QString &argument) const
{
    if (!m_stepStarted)
        return;
    const QString line = LoadMessage(message);
    m_stepStarted(argument.isNull() ? line : line.arg(argument));
}

ElmReply Elm327Vehicle::countedQuery(const QByteArray &text)
{
    // The count digit counts frames, not units: a one-unit answer to several PIDs spans several
    // frames, and a count too small cuts it. So each request goes out once the plain way, and
    // afterwards with the number of frames its plain answer took.
    const auto known = m_frames.find(text);
    if (m_headers == ElmHeaders::Legacy || m_countDigit == Works::No || known == m_frames.end() || known->second == 0) {
        ElmReply reply = query(text);
        if (m_headers != ElmHeaders::Legacy && known == m_frames.end()) {
            const int frames = ResponseFrames(reply, text);
            if (frames > 0)
                m_frames[text] = frames <= 0xF ? frames : 0;
        }
        return reply;
    }
    const int count = known->second;
    ElmReply reply = query(text + QByteArray::number(count, 16).toUpper());
    if (m_port.lost())
        return reply;
    if (AnswersRequest(reply, text)) {
        m_countDigit = Works::Yes;
        return reply;
    }
    if (reply.status == ElmStatus::Empty && reply.lines.isEmpty())
        return reply; // nothing came: asking once more would only wait again
    // The fast answer failed: the request is asked the plain way, so no value is lost.
    ElmReply plain = query(text);
    if (!AnswersRequest(plain, text))
        return plain;
    const bool digitRefused = reply.status == ElmStatus::UnknownCommand || reply.status == ElmStatus::NoData;
    if (m_countDigit == Works::Unknown && digitRefused) {
        // An adapter older than the digit says "?"; a clone may take it for data and the car
        // answers something else. The digit is not used again on this connection.
        m_countDigit = Works::No;
        note(QStringLiteral("Adapter does not take the response count (%1 answered %2): plain requests from now on")
                 .arg(QString::fromLatin1(text), reply.lines.join(u' ')));
        return plain;
    }
    // The count did not fit this request (its answer changed shape): it is counted anew from the
    // plain answer, and one that fits no better goes the plain way from now on.
    const int frames = ResponseFrames(plain, text);
    known->second = frames == count || frames > 0xF ? 0 : frames;
    note(QStringLiteral("Counted answer to %1 failed (%2): asked plainly, %3")
             .arg(QString::fromLatin1(text), reply.lines.join(u' '),
                  known->second == 0 ? QStringLiteral("without the count from now on")
                                     : QStringLiteral("counted %1 from now on").arg(known->second)));
    return plain;
}

int Elm327Vehicle::PidsPerRequest() const
{
    if (m_headers == ElmHeaders::Legacy || m_severalPids == Works::No || m_port.lost())
        return 1;
    // While unknown, two PIDs try whether the car answers such requests whole.
    return m_severalPids == Works::Yes ? kPidsPerCanRequest : 2;
}

std::vector<PidReply> Elm327Vehicle::QueryPids(const std::vector<PidRequest> &pids)
{
    std::vector<PidReply> replies(pids.size());
    std::size_t at = 0;
    while (at < pids.size()) {
        // A PID is asked for at most once a request, and one of unknown length alone.
        std::vector<PidRequest> together{pids[at]};
        const auto room = std::size_t(PidsPerRequest());
        const auto fits = [&](const PidRequest &next) {
            return next.byteCount >= 1 && together.front().byteCount >= 1
                   && std::none_of(together.begin(), together.end(),
                                   [&](const PidRequest &earlier) { return earlier.pid == next.pid; });
        };
        while (at + together.size() < pids.size() && together.size() < room && fits(pids[at + together.size()]))
            together.push_back(pids[at + together.size()]);
        if (together.size() == 1) {
            replies[at] = QueryPid(together[0].pid, CurrentData, together[0].byteCount);
        } else {
            std::vector<PidReply> part(together.size());
            queryTogether(together, part);
            std::copy(part.begin(), part.end(), replies.begin() + std::ptrdiff_t(at));
        }
        at += together.size();
    }
    return replies;
}

void Elm327Vehicle::queryTogether(const std::vector<PidRequest> &pids, std::vector<PidReply> &replies)
{
    QByteArray text = "01";
    for (const PidRequest &request : pids)
        text += hexByte(request.pid);
    const ElmReply reply = countedQuery(text);
    if (ElmFailed(reply.status) && reply.status != ElmStatus::NoData && !m_port.lost()) {
        // The request failed as a whole (an error line, a broken frame): nothing is known of its
        // PIDs, so each is read alone this time.
        for (std::size_t i = 0; i < pids.size(); ++i)
            replies[i] = QueryPid(pids[i].pid, CurrentData, pids[i].byteCount);
        return;
    }
    const auto values = MultiPidBytes(reply, m_headers, pids, &m_failure);
    if (!values) {
        // An answer that does not split into the PIDs asked for: the car's lengths differ from
        // the standard ones, and only requests of one PID can be read safely.
        m_severalPids = Works::No;
        note(QStringLiteral("Car's answer to several PIDs does not split (%1 answered %2): one PID a request from "
                            "now on")
                 .arg(QString::fromLatin1(text), reply.lines.join(u' ')));
        for (std::size_t i = 0; i < pids.size(); ++i)
            replies[i] = QueryPid(pids[i].pid, CurrentData, pids[i].byteCount);
        return;
    }
    bool together = false;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        if ((*values)[i]) {
            replies[i] = *(*values)[i];
            together = true;
        }
    }
    if (m_severalPids != Works::Unknown || m_port.lost())
        return;
    // Not yet known whether the car answers such requests whole: what it left out is asked for
    // alone. When a PID answers alone that did not answer together, the car answers only part
    // (or none) of such requests, and each PID is asked for alone from now on.
    bool alone = false;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        if ((*values)[i])
            continue;
        replies[i] = QueryPid(pids[i].pid, CurrentData, pids[i].byteCount);
        alone = alone || replies[i].ok;
    }
    if (alone) {
        m_severalPids = Works::No;
        note(QStringLiteral("Car does not answer several PIDs in one request (%1 answered %2): one PID a request "
                            "from now on")
                 .arg(QString::fromLatin1(text), reply.lines.join(u' ')));
    } else if (together) {
        m_severalPids = Works::Yes;
    }
}

std::vector<std::uint32_t> Elm327Vehicle::requiredUnits() const
{
    return m_units;
}

LinkStep Elm327Vehicle::OpenPort(const QString &portName)
{
    m_portName = portName;
    if (m_tcp) {
        // A connection that is not refused may take its whole time to fail.
        announce(SStepConnect, m_tcp->host + u':' + QString::number(m_tcp->port));
        return m_port.open(std::make_unique<TcpTransport>(m_tcp->host, m_tcp->port), m_timeouts.connectMs);
    }
    const int speed = m_baudRate == kAutoBaudRate ? kProbedBaudRates.front() : m_baudRate;
    return m_port.open(std::make_unique<SerialTransport>(portName, speed), m_timeouts.connectMs);
}

int Elm327Vehicle::findSpeed()
{
    // At a wrong speed an adapter hears noise and answers noise, or nothing: the speed is the one
    // at which an identification request comes back as text with the prompt after it.
    for (const int speed : kProbedBaudRates) {
        if (!m_port.setSpeed(speed))
            continue;
        announce(SStepSpeed, QString::number(speed));
        // Bytes the adapter took in at the speed before may spoil the first request ("?"): it
        // is asked once more. A bare carriage return would repeat its last command instead.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const ElmExchange answer = m_port.probe("ATI", m_timeouts.probeMs);
            const QByteArray said = answer.text.trimmed();
            const bool text = std::all_of(said.begin(), said.end(),
                                          [](char c) { return c == '\r' || c == '\n' || (c >= ' ' && c < 0x7F); });
            if (!answer.answered || !text || said.isEmpty())
                break;
            if (!said.endsWith('?'))
                return speed;
        }
        if (m_port.lost())
            break;
    }
    return 0;
}

LinkStep Elm327Vehicle::DetectInterface()
{
    QString speedLine;
    if (!m_tcp && m_baudRate == kAutoBaudRate) {
        const int speed = findSpeed();
        if (speed == 0) {
            QStringList speeds;
            for (const int rate : kProbedBaudRates)
                speeds << QString::number(rate);
            return failed(SBaudNotFound, speeds.join(QStringLiteral(", ")));
        }
        speedLine = LoadMessage(SBaudFound).arg(speed) + u'\n';
    }
    // The reset answers with the adapter's identification; a clone that keeps quiet after a reset
    // is asked once more.
    announce(SStepReset);
    Heard said;
    ElmReply reply = command("ATZ", m_timeouts.resetMs, &said);
    bool heard = said.answered || heardText(reply);
    QString identification = identificationIn(reply);
    if (identification.isEmpty()) {
        reply = command("ATI", m_timeouts.replyMs, &said);
        heard = heard || said.answered || heardText(reply);
        identification = identificationIn(reply);
    }
    if (identification.isEmpty() && !heard && m_tcp) {
        // A TCP link has no line speed to get wrong: it is the address or the port that may be.
        return {false, LoadMessage(SIfaceNoAnswerAt).arg(m_tcp->host, QString::number(m_tcp->port))};
    }
    if (identification.isEmpty())
        return failed(heard ? SIfaceUnknown : SIfaceNoAnswer);
    // "ELM327 v1.5" is written as the adapter writes it; lower-case letters came through upper-case.
    identification.replace(QLatin1String(" V"), QLatin1String(" v"));
    m_identity.interfaceName = identification;
    return {true, speedLine + LoadMessage(SDetectedIface).arg(identification)};
}

const char *Elm327Vehicle::setUp(bool *silent)
{
    // A clone that does not know the blanks setting is still usable: the replies are read
    // either way.
    static const char *const kCommands[] = {"ATE0", "ATL0", "ATS1", "ATH1"};
    for (const char *text : kCommands) {
        Heard heard;
        const ElmReply reply = command(text, m_timeouts.replyMs, &heard);
        if (reply.status == ElmStatus::Ok)
            continue;
        if (qstrcmp(text, "ATS1") == 0 && reply.status == ElmStatus::UnknownCommand)
            continue;
        if (silent != nullptr)
            *silent = !heard.anything;
        return text;
    }
    // Adaptive timing: the adapter waits for further units about as long as the car takes to
    // answer rather than its whole timeout. An adapter without it ("?") answers as before.
    command("ATAT1", m_timeouts.replyMs);
    return nullptr;
}

LinkStep Elm327Vehicle::ConfigureInterface()
{
    // The reply settings, then the automatic protocol search. An adapter that answers a command
    // nothing at all has not refused it: it has stopped answering.
    announce(SStepSetUp);
    bool silent = false;
    const char *refused = setUp(&silent);
    if (refused == nullptr) {
        Heard heard;
        const ElmReply reply = command("ATSP0", m_timeouts.replyMs, &heard);
        if (reply.status != ElmStatus::Ok) {
            refused = "ATSP0";
            silent = !heard.anything;
        }
    }
    if (refused != nullptr)
        return failed(silent ? SIfaceStopped : SIfaceConfigFailed, QString::fromLatin1(refused));
    return {};
}

LinkStep Elm327Vehicle::ContactVehicle()
{
    // What an earlier connection found out about its adapter and car holds no more.
    m_countDigit = Works::Unknown;
    m_severalPids = Works::Unknown;
    m_frames.clear();
    m_silentInARow = 0;
    // The first query makes the adapter search for the protocol ("SEARCHING..."), which takes
    // longer than an ordinary answer.
    announce(SStepSearch, QString::number((m_timeouts.searchLimitMs + 999) / 1000));
    ElmExchange first = m_port.exchange("0100", m_timeouts.searchMs);
    if (!first.answered && first.text.contains("SEARCHING"))
        m_port.keepReading(first, m_timeouts.searchLimitMs - m_timeouts.searchMs, m_pump);
    ElmReply reply = ParseElmReply(first.text, "0100", m_headers);
    if (!first.answered && reply.lines.isEmpty())
        return failed(SVehNoAnswer, LoadMessage(SNoReplyInTime));
    // Until the adapter names the protocol it found, the header format of the lines is unknown:
    // here only its refusals count.
    if (ElmFailed(reply.status) && reply.status != ElmStatus::Broken) {
        const QString why = ElmStatusText(reply.status);
        return failed(SVehNoAnswer, why.isEmpty() ? LoadMessage(SNoReplyInTime) : why);
    }

    // A clone may answer "OK" here: then the lines themselves tell the header format.
    const ElmReply protocolNumber = command("ATDPN", m_timeouts.replyMs);
    if (!protocolNumber.lines.isEmpty() && IsElmProtocolNumber(protocolNumber.lines.first()))
        m_headers = ElmHeadersForProtocol(protocolNumber.lines.first());
    else if (const std::optional<ElmHeaders> shape = ElmHeadersFromLines(first.text))
        m_headers = *shape;
    reply = ParseElmReply(first.text, "0100", m_headers);
    std::uint32_t unit = 0;
    if (ElmFailed(reply.status) || EngineAnswers(reply, m_headers, QByteArray("\x41\x00", 2), &unit).empty())
        return failed(SVehNoAnswer, reply.lines.join(u' '));
    m_units.clear();
    m_statusUnits.clear();
    for (const ElmMessage &message : reply.messages) {
        if (!message.bytes.startsWith(QByteArray("\x41\x00", 2)))
            continue;
        m_units.push_back(message.source);
        // Bit 7 of byte A: the unit has the monitor status (PID 01).
        if (message.bytes.size() > 2 && (static_cast<std::uint8_t>(message.bytes[2]) & 0x80) != 0)
            m_statusUnits.push_back(message.source);
    }
    for (std::vector<std::uint32_t> *units : {&m_units, &m_statusUnits}) {
        std::sort(units->begin(), units->end());
        units->erase(std::unique(units->begin(), units->end()), units->end());
    }

    // "$7E8h" on CAN 11, the source byte otherwise ("$10h").
    m_identity.moduleAddress =
        m_headers == ElmHeaders::Can29 ? UnitName(unit & 0xFF, ElmHeaders::Legacy) : UnitName(unit, m_headers);
    const ElmReply protocol = command("ATDP", m_timeouts.replyMs);
    QString name = protocol.status == ElmStatus::Text ? protocol.lines.first() : QString();
    if (name.startsWith(QLatin1String("AUTO, ")))
        name.remove(0, 6);
    m_identity.protocol = name;
    return {};
}

void Elm327Vehicle::Close()
{
    m_port.close();
}

std::optional<PidReply> Elm327Vehicle::pid(std::uint8_t service, std::uint8_t number, int byteCount)
{
    QByteArray text = hexByte(service) + hexByte(number);
    if (service == 0x02)
        text += "00"; // freeze frame 0
    const ElmReply reply = countedQuery(text);
    return PidBytes(reply, m_headers, service, number, byteCount, &m_failure);
}

PidReply Elm327Vehicle::QueryPid(std::uint8_t number, PidMode mode, int byteCount)
{
    return pid(mode == FreezeFrame ? 0x02 : 0x01, number, byteCount).value_or(PidReply{});
}

bool Elm327Vehicle::SupportsPid(std::uint8_t number)
{
    if (number == 0)
        return true;
    // Bitmap 0x00 covers PIDs 0x01-0x20, 0x20 the next 32, and so on; PID base+1 is bit 31.
    const int base = (number - 1) / 0x20 * 0x20;
    const auto bitmap = pid(0x01, std::uint8_t(base), 4);
    if (!bitmap)
        return false;
    const int bit = number - base - 1;
    return (bitmap->bytes[std::size_t(bit / 8)] >> (7 - bit % 8)) & 1;
}

MonitorStatus Elm327Vehicle::ReadMonitorStatus()
{
    const ElmReply reply = query("0101");
    return CombinedMonitorStatus(reply, m_headers, m_statusUnits, &m_failure);
}

std::optional<std::uint8_t> Elm327Vehicle::ReadObdStandard()
{
    if (const auto bytes = pid(0x01, 0x1C, 1))
        return bytes->bytes[0];
    return std::nullopt;
}

std::optional<QString> Elm327Vehicle::ReadVin()
{
    const ElmReply reply = countedQuery("0902");
    return VinText(reply, m_headers, &m_failure);
}

std::optional<QStringList> Elm327Vehicle::ReadStoredCodes()
{
    const ElmReply reply = query("03");
    return DtcCodes(reply, m_headers, 0x03, requiredUnits(), &m_failure);
}

std::optional<QStringList> Elm327Vehicle::ReadPendingCodes()
{
    const ElmReply reply = query("07");
    return DtcCodes(reply, m_headers, 0x07, requiredUnits(), &m_failure);
}

bool Elm327Vehicle::ClearCodes()
{
    const ElmReply reply = query("04");
    return ClearConfirmed(reply, m_headers, requiredUnits(), &m_failure);
}

ServiceAnswers Elm327Vehicle::QueryService(const QByteArray &request)
{
    if (request.isEmpty())
        return {};
    const ElmReply reply = query(request.toHex().toUpper());
    ServiceAnswers answers = ServiceAnswersOf(reply, m_headers, static_cast<std::uint8_t>(request[0]), m_units);
    if (!answers.ok && m_failure.isEmpty())
        m_failure = answers.failure;
    return answers;
}

std::optional<double> Elm327Vehicle::ReadBatteryVoltage()
{
    const ElmReply reply = command("ATRV", m_timeouts.replyMs);
    for (const QString &line : reply.lines)
        if (const std::optional<double> volts = BatteryVoltageIn(line))
            return volts;
    return std::nullopt;
}

std::optional<QString> Elm327Vehicle::ReadFreezeFrameCode()
{
    if (const auto bytes = pid(0x02, 0x02, 2))
        return QString::fromLatin1(hexByte(bytes->bytes[0]) + hexByte(bytes->bytes[1]));
    return std::nullopt;
}
