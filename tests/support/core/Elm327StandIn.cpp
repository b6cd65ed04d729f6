#include "support/core/Elm327StandIn.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray compact(const QByteArray &text)
{
    QByteArray out;
    for (const char c : text)
        if (c != ' ')
            out.append(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);
    return out;
}

bool isObdRequest(const QByteArray &command)
{
    if (command.isEmpty() || command.size() % 2 != 0)
        return false;
    for (const char c : command)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

QByteArray protocolName(int protocol)
{
    switch (protocol) {
    case 6: return "ISO 15765-4 (CAN 11/500)";
    case 7: return "ISO 15765-4 (CAN 29/500)";
    case 3: return "ISO 9141-2";
    case 5: return "ISO 14230-4 (KWP FAST)";
    case 1: return "SAE J1850 PWM";
    default: return "AUTOMATIC";
    }
}

// The engine's on-board monitor tests (service 06), in the layout of the protocol: on CAN two
// oxygen sensors, whose first is slow to switch (its code P0133 is stored), the catalyst, the EVAP
// small leak and the misfire counts of four cylinders, which misfire at random (P0300); on the older
// protocols two tests of components with one limit each.
void addMonitorTests(Elm327StandIn::Unit &engine, bool can)
{
    auto &a = engine.answers;
    if (!can) {
        a["0600"] = {bytes("460000C0000000")};
        a["0601"] = {bytes("46011101C20190"), bytes("46018200300010")};
        a["0602"] = {bytes("46020100050010")};
        return;
    }
    a["0600"] = {bytes("4600C0000001")}; // 01, 02 and the next bitmap
    a["0620"] = {bytes("462080000021")}; // 21, 3B and the next
    a["0640"] = {bytes("464000000001")};
    a["0660"] = {bytes("466000000001")};
    a["0680"] = {bytes("468000000001")};
    a["06A0"] = {bytes("46A0F8000000")}; // A1-A5
    a["0601"] = {bytes("46"
                       "01010A0E6A0E6A0E6A" // rich to lean threshold, 0.45 V
                       "01051001C200000190" // rich to lean switch time 450 ms, at most 400
                       "010610005800000190"
                       "01070B005000000190")};
    a["0602"] = {bytes("4602070B005000000190")}; // lowest voltage 0.080 V
    a["0621"] = {bytes("46218120004000000080")}; // switch ratio 0.25, at most 0.50
    a["063B"] = {bytes("463BC9FEFF38FC180000")}; // pressure -50 Pa, between -250 and 0
    a["06A1"] = {bytes("46A10B2400090000FFFFA10C24000C0000FFFF")};
    a["06A2"] = {bytes("46A20B2400020000FFFFA20C2400030000FFFF")};
    a["06A3"] = {bytes("46A30B2400000000FFFFA30C2400000000FFFF")};
    a["06A4"] = {bytes("46A40B2400040000FFFFA40C2400060000FFFF")};
    a["06A5"] = {bytes("46A50B2400030000FFFFA50C2400030000FFFF")};
}

// The answers of an InfoType of vehicle information (09) holding count items: on CAN one answer
// with the count after the InfoType; on the older protocols numbered messages of four bytes, and
// the message count under the InfoType before it.
void vehicleInformation(std::map<QByteArray, QList<QByteArray>> &answers, bool can, std::uint8_t infoType, int count,
                        const QByteArray &items)
{
    const QByteArray request = "09" + QByteArray::number(infoType, 16).toUpper().rightJustified(2, '0');
    const QByteArray prefix = QByteArray("\x49", 1) + char(infoType);
    if (can) {
        answers[request] = {prefix + char(count) + items};
        return;
    }
    QList<QByteArray> messages;
    for (qsizetype at = 0; at < items.size(); at += 4)
        messages << prefix + char(at / 4 + 1) + items.mid(at, 4).leftJustified(4, '\0');
    answers[request] = messages;
    const QByteArray countRequest = "09" + QByteArray::number(infoType - 1, 16).toUpper().rightJustified(2, '0');
    answers[countRequest] = {QByteArray("\x49", 1) + char(infoType - 1) + char(messages.size())};
}

QByteArray counters(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values)
        bytes.append(char(value >> 8)).append(char(value & 0xFF));
    return bytes;
}

} // namespace

Elm327StandIn::Script Elm327StandIn::DefaultScript()
{
    return ScriptFor(6);
}

Elm327StandIn::Script Elm327StandIn::ScriptFor(int protocol)
{
    const bool can = protocol == 6 || protocol == 7;
    Unit engine;
    engine.address = protocol == 6 ? 0x7E8 : protocol == 7 ? 0x18DAF110 : 0x10;
    auto &a = engine.answers;
    // Supported: 01 03 04 05 06 0C 0D 0E 0F 10 11 1C 20; 21 of the second range; none above.
    a["0100"] = {bytes("4100BC1F8011")};
    a["0120"] = {bytes("412080000000")};
    a["0101"] = {bytes("410183076504")};
    a["011C"] = {bytes("411C03")};
    a["0103"] = {bytes("41030200")};
    a["0104"] = {bytes("410480")};
    a["0105"] = {bytes("41057B")};
    a["0106"] = {bytes("410680")};
    a["010C"] = {bytes("410C1AF8")};
    a["010D"] = {bytes("410D32")};
    a["010E"] = {bytes("410E90")};
    a["010F"] = {bytes("410F46")};
    a["0110"] = {bytes("411001F4")};
    a["0111"] = {bytes("411133")};
    a["0121"] = {bytes("41210010")};
    a["020200"] = {bytes("4202000133")};
    a["020300"] = {bytes("4203000200")};
    a["020400"] = {bytes("42040099")};
    a["020500"] = {bytes("4205005A")};
    a["020C00"] = {bytes("420C000FA0")};
    a["020D00"] = {bytes("420D0028")};
    a["04"] = {bytes("44")};
    const QByteArray vin = "WDB2030461A123456";
    if (can) {
        a["03"] = {bytes("4303013303000171")};
        a["07"] = {bytes("47010420")};
        a["0902"] = {bytes("490201") + vin};
    } else {
        // Three codes a message, padded with 0000; the VIN in five numbered pieces of four.
        a["03"] = {bytes("43013303000171")};
        a["07"] = {bytes("47042000000000")};
        const QByteArray padded = QByteArray(3, '\0') + vin;
        QList<QByteArray> pieces;
        for (int i = 0; i < 5; ++i)
            pieces << bytes("4902") + char(i + 1) + padded.mid(i * 4, 4);
        a["0902"] = pieces;
    }
    addMonitorTests(engine, can);

    // Its identity: name, two calibrations with their numbers, the in-use counters of a petrol
    // engine (the evaporative system seldom tested) and one permanent code.
    a["0900"] = {can ? bytes("490055400000") : bytes("490001FFC00000")};
    vehicleInformation(a, can, 0x0A, 1, QByteArray("ECM\0-EngineControl\0\0", 20));
    vehicleInformation(a, can, 0x04, 2, QByteArray("KVD11B0204\0\0\0\0\0\0KVD11B0205ABC\0\0\0", 32));
    vehicleInformation(a, can, 0x06, 2, bytes("1A2B3C4D00C0FFEE"));
    vehicleInformation(a, can, 0x08, 16,
                       counters({512, 2044, 120, 480, 118, 478, 130, 470, 128, 469, 60, 450, 0, 0, 9, 400}));
    a["0A"] = {can ? bytes("4A010420") : bytes("4A042000000000")};

    // The gearbox holds no codes, says so, and clears; it has a name and a calibration, and knows
    // no permanent codes.
    Unit gearbox;
    gearbox.address = protocol == 6 ? 0x7E9 : protocol == 7 ? 0x18DAF118 : 0x18;
    gearbox.answers["0100"] = {bytes("410080000001")};
    gearbox.answers["0101"] = {bytes("410100000000")};
    gearbox.answers["03"] = {can ? bytes("4300") : bytes("43000000000000")};
    gearbox.answers["07"] = {can ? bytes("4700") : bytes("47000000000000")};
    gearbox.answers["04"] = {bytes("44")};
    if (can)
        gearbox.answers["0600"] = {bytes("7F0612")}; // no monitor tests of its own
    gearbox.answers["0900"] = {can ? bytes("490014400000") : bytes("4900013CC00000")};
    vehicleInformation(gearbox.answers, can, 0x0A, 1, QByteArray("TCM\0-TransmissionCtl", 20));
    vehicleInformation(gearbox.answers, can, 0x04, 1, QByteArray("TCM5HP19-0815\0\0\0", 16));
    vehicleInformation(gearbox.answers, can, 0x06, 1, bytes("DEADBEEF"));
    gearbox.answers["0A"] = {bytes("7F0A11")};

    Script script;
    script.protocol = protocol;
    script.units = {gearbox, engine}; // the engine answers second: its answer must still count
    return script;
}

Elm327StandIn::Script Elm327StandIn::RecentCarScript()
{
    Script script = DefaultScript();
    auto &a = script.units[1].answers;
    a["0120"] = {bytes("412080000001")}; // 0x21 and the next bitmap
    a["0140"] = {bytes("414000028015")}; // 0x4F 0x51 0x5C 0x5E, next
    a["0160"] = {bytes("4160E8000011")}; // 0x61 0x62 0x63 0x65 0x7C, next
    a["0180"] = {bytes("418000040001")}; // 0x8E, next
    a["01A0"] = {bytes("41A004000000")}; // 0xA6
    a["014F"] = {bytes("414F02088019")};
    a["0151"] = {bytes("415104")};
    a["015C"] = {bytes("415C7B")};
    a["015E"] = {bytes("415E0064")};
    a["0161"] = {bytes("416196")};
    a["0162"] = {bytes("41628C")};
    a["0163"] = {bytes("4163015E")};
    a["0165"] = {bytes("41650100")};
    a["017C"] = {bytes("417C030FA00DAC00000000")};
    a["018E"] = {bytes("418E87")};
    a["01A6"] = {bytes("41A6001E8480")};
    return script;
}

Elm327StandIn::Elm327StandIn(Script script) : m_script(std::move(script))
{
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    m_portName = QString::fromLocal8Bit(name);
    m_thread = std::thread([this] { run(); });
}

Elm327StandIn::Elm327StandIn(Script script, Serving serving) : m_script(std::move(script))
{
    if (serving == Serving::PseudoTerminal)
        throw std::logic_error("use the constructor of one argument");
    listen();
    m_thread = std::thread([this] { run(); });
}

Elm327StandIn::~Elm327StandIn()
{
    m_stop = true;
    m_thread.join();
    unplug();
}

void Elm327StandIn::unplug()
{
    std::lock_guard lock(m_mutex);
    for (int *fd : {&m_master, &m_slave, &m_listener}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

std::vector<QByteArray> Elm327StandIn::commands() const
{
    std::lock_guard lock(m_mutex);
    return m_commands;
}

void Elm327StandIn::run()
{
    while (!m_stop) {
        if (acceptClient())
            continue;
        int fd;
        {
            std::lock_guard lock(m_mutex);
            fd = m_master;
        }
        if (fd < 0)
            return;
        {
            std::lock_guard lock(m_mutex);
            sendDue();
        }
        pollfd wanted{fd, POLLIN, 0};
        if (waitForInput(wanted) <= 0 || !(wanted.revents & POLLIN))
            continue;
        char buffer[256];
        std::lock_guard lock(m_mutex);
        if (m_master < 0)
            return;
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0)
            clientGone();
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\r') {
                handle(m_pending);
                m_pending.clear();
            } else if (buffer[i] != '\n') {
                m_pending.append(buffer[i]);
            }
        }
    }
}

void Elm327StandIn::handle(const QByteArray &raw)
{
    const QByteArray command = compact(raw);
    m_commands.push_back(command);
    if (m_script.silent || command.isEmpty() || answersNoise())
        return;
    QByteArray out;
    if (m_echo)
        out += raw + '\r';
    out += m_script.noise;
    bool prompt = true;
    const QByteArray end = m_script.lineFeedsOnly ? "\n" : m_linefeeds ? "\r\n" : "\r";
    const bool searching = m_script.searching && !m_searched && isObdRequest(command);
    QList<QByteArray> lines = answerAt(command, &prompt);
    int afterMs = 0;
    if (const auto late = m_script.lateMs.find(command); late != m_script.lateMs.end())
        afterMs = late->second;
    if (searching && m_script.searchMs > 0 && !lines.isEmpty()) {
        // "SEARCHING..." at once, the answer when the protocol is found.
        send(out + lines.takeFirst() + end, 0);
        out.clear();
        afterMs += m_script.searchMs;
    }
    // What comes at once before an answer that takes its time: the bus being initialised, or
    // each unit saying that its answer is pending.
    QByteArray first;
    if (const auto init = m_script.busInitMs.find(command); init != m_script.busInitMs.end() && isObdRequest(command)) {
        first += "BUS INIT: ...";
        lines.prepend("OK");
        afterMs += init->second;
    }
    if (const auto pending = m_script.pendingMs.find(command);
        pending != m_script.pendingMs.end() && isObdRequest(command)) {
        for (const QByteArray &text :
             eachUnitSays(command, QByteArray("\x7F", 1) + QByteArray::fromHex(command.left(2)) + '\x78'))
            first += text + end;
        afterMs += pending->second;
    }
    if (!first.isEmpty()) {
        send(out + first, 0);
        out.clear();
    }
    for (const QByteArray &text : lines)
        out += text + end;
    out += end;
    if (prompt)
        out += '>';
    if (const auto stall = m_script.stallMs.find(command); stall != m_script.stallMs.end()) {
        const qsizetype noise = out.indexOf('>') + 1;
        send(out.left(noise), 0);
        out.remove(0, noise);
        afterMs += stall->second;
    }
    sendModelled(raw, out, afterMs);
}

void Elm327StandIn::send(const QByteArray &out, int afterMs)
{
    if (afterMs <= 0 && m_held.empty()) {
        ::write(m_master, out.constData(), size_t(out.size()));
        return;
    }
    // One command at a time: what comes after a held answer waits for it.
    auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(afterMs);
    if (!m_held.empty())
        due = std::max(due, std::prev(m_held.end())->first);
    m_held.emplace(due, out);
    sendDue();
}

void Elm327StandIn::sendDue()
{
    const auto now = std::chrono::steady_clock::now();
    while (!m_held.empty() && m_held.begin()->first <= now && m_master >= 0) {
        ::write(m_master, m_held.begin()->second.constData(), size_t(m_held.begin()->second.size()));
        m_held.erase(m_held.begin());
    }
}

QList<QByteArray> Elm327StandIn::answerAt(const QByteArray &command, bool *prompt)
{
    if (const auto fixed = m_script.fixed.find(command); fixed != m_script.fixed.end())
        return fixed->second.split('\r');
    if (m_script.unknown.count(command) != 0)
        return {"?"};
    if (m_script.okToEverything && command.startsWith("AT") && command != "ATZ" && command != "ATI"
        && !command.startsWith("ATE") && !command.startsWith("ATH")) {
        if (command.startsWith("ATS") && command.size() == 4)
            m_spaces = command.endsWith('1');
        return {"OK"};
    }
    if (command == "ATZ") {
        m_echo = true;
        m_linefeeds = false;
        m_spaces = m_script.blanks;
        m_headers = false;
        m_searched = false;
        m_adaptiveTiming = 1;
        return {"", m_script.identification};
    }
    if (command == "ATI")
        return {m_script.identification};
    if (command == "ATE0" || command == "ATE1") {
        if (!m_script.keepsEcho)
            m_echo = command.endsWith('1');
        return {"OK"};
    }
    if (command == "ATL0" || command == "ATL1") {
        m_linefeeds = command.endsWith('1');
        return {"OK"};
    }
    if (command == "ATS0" || command == "ATS1") {
        m_spaces = command.endsWith('1');
        return {"OK"};
    }
    if (command == "ATH0" || command == "ATH1") {
        m_headers = command.endsWith('1');
        return {"OK"};
    }
    if (command == "ATAT0" || command == "ATAT1" || command == "ATAT2") {
        m_adaptiveTiming = command.back() - '0';
        return {"OK"};
    }
    if (command.startsWith("ATSP")) {
        m_searched = false;
        return {"OK"};
    }
    if (command == "ATDPN")
        return {"A" + QByteArray::number(m_script.protocol, 16).toUpper()};
    if (command == "ATDP")
        return {"AUTO, " + protocolName(m_script.protocol)};
    if (command == "ATRV")
        return {m_script.battery};
    const std::optional<Request> request = readRequest(command);
    if (!request)
        return {"?"};
    *prompt = !m_script.losesPrompt;
    if (!m_hasReset && !m_script.resetsOn.isEmpty() && command == m_script.resetsOn) {
        // A voltage dip: the adapter starts afresh, with its settings as after ATZ.
        m_hasReset = true;
        answerAt("ATZ", prompt);
        *prompt = true;
        return {"LV RESET", "", m_script.identification};
    }
    QList<QByteArray> lines;
    if (m_script.searching && !m_searched)
        lines << "SEARCHING...";
    m_searched = true;
    if (auto busy = m_script.busyTimes.find(command); busy != m_script.busyTimes.end() && busy->second > 0) {
        --busy->second;
        return lines << eachUnitSays(command, QByteArray("\x7F", 1) + QByteArray::fromHex(command.left(2)) + '\x21');
    }
    lines << requestAnswer(*request);
    return lines;
}

QList<QByteArray> Elm327StandIn::eachUnitSays(const QByteArray &request, const QByteArray &message) const
{
    QList<QByteArray> lines;
    for (const Unit &unit : m_script.units)
        if (unit.answers.count(request) != 0)
            lines << framed(unit.address, message);
    return lines;
}

QList<QByteArray> Elm327StandIn::obdAnswer(const QByteArray &request)
{
    QList<QByteArray> lines;
    for (const Unit &unit : m_script.units) {
        const auto found = unit.answers.find(request);
        if (found == unit.answers.end())
            continue;
        for (const QByteArray &message : found->second)
            lines << framed(unit.address, message);
    }
    if (lines.isEmpty())
        lines << "NO DATA";
    return lines;
}

QList<QByteArray> Elm327StandIn::framed(std::uint32_t address, const QByteArray &message) const
{
    const int protocol = m_script.protocol;
    QList<QByteArray> lines;
    if (protocol != 6 && protocol != 7) {
        // Three header bytes (priority or format, target, source), the message and a check byte:
        // on ISO 9141-2 and ISO 14230-4 the sum of the bytes, on SAE J1850 their CRC-8.
        const bool j1850 = protocol == 1 || protocol == 2;
        const QByteArray header = protocol == 4 || protocol == 5 ? QByteArray(1, char(0x80 | message.size())) + '\xF1'
                                  : protocol == 1                ? bytes("416B")
                                                                 : bytes("486B");
        const QByteArray frame = header + char(address) + message;
        std::uint8_t check = 0;
        if (j1850) {
            std::uint8_t crc = 0xFF;
            for (const char c : frame) {
                crc ^= std::uint8_t(c);
                for (int bit = 0; bit < 8; ++bit)
                    crc = (crc & 0x80) ? std::uint8_t((crc << 1) ^ 0x1D) : std::uint8_t(crc << 1);
            }
            check = std::uint8_t(~crc);
        } else {
            for (const char c : frame)
                check = std::uint8_t(check + std::uint8_t(c));
        }
        lines << line(m_headers ? frame + char(check) : message);
        return lines;
    }
    const QByteArray header = protocol == 6 ? QByteArray::number(address, 16).toUpper()
                                            : QByteArray::number(address, 16).toUpper().rightJustified(8, '0');
    auto withHeader = [&](const QByteArray &data) {
        QByteArray text = line(data);
        if (!m_headers)
            return text;
        if (protocol == 7) // "18 DA F1 10" with blanks, as the adapter groups the identifier
            return line(QByteArray::fromHex(header) + data);
        return header + (m_spaces ? " " : "") + text;
    };
    if (message.size() <= 7) {
        QByteArray frame = char(message.size()) + message;
        if (m_headers)
            frame = frame.leftJustified(8, '\0'); // padding, which the length byte excludes
        lines << withHeader(frame);
        return lines;
    }
    if (!m_headers)
        lines << QByteArray::number(message.size(), 16).toUpper().rightJustified(3, '0');
    QByteArray first;
    first.append(char(0x10 | (message.size() >> 8))).append(char(message.size() & 0xFF)).append(message.left(6));
    lines << (m_headers ? withHeader(first) : "0: " + line(message.left(6)));
    int sequence = 1;
    for (qsizetype at = 6; at < message.size(); at += 7, ++sequence) {
        const QByteArray piece = message.mid(at, 7);
        if (m_headers)
            lines << withHeader((char(0x20 | (sequence & 0x0F)) + piece).leftJustified(8, '\0'));
        else
            lines << QByteArray::number(sequence & 0x0F, 16).toUpper() + ": " + line(piece);
    }
    return lines;
}

QByteArray Elm327StandIn::line(const QByteArray &data) const
{
    return data.toHex(m_spaces ? ' ' : '\0').toUpper();
}
