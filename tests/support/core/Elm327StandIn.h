#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

struct pollfd;

// An ELM327-compatible adapter with a vehicle behind it, on a pseudo-terminal: the program opens
// portName() as it would open /dev/ttyUSB0. It knows the AT commands the workstation uses (reset,
// identification, echo, line feeds, blanks, headers, protocol) and answers OBD requests from a
// script of control units, framed as the adapter frames them on CAN (11 or 29 bit), on
// ISO 9141-2, ISO 14230-4 or SAE J1850 (header bytes and check byte), with or without headers and
// blanks. A thread of its own answers at once. It can also serve as a Wi-Fi adapter does, on a TCP
// port of 127.0.0.1 (one connection at a time, the next accepted when it closes), and can answer
// only at one line speed, as a real adapter does: at any other it answers noise.
class Elm327StandIn {
public:
    // A control unit: its address (CAN identifier, or source byte on ISO 9141-2) and its answers,
    // each request (as hexadecimal text, "010C") with the messages it answers ("41 0C 1A F8").
    struct Unit {
        std::uint32_t address = 0x7E8;
        std::map<QByteArray, QList<QByteArray>> answers;
    };

    // What the adapter makes of the response count digit ("010C1"): an ELM327 before v1.3 says
    // "?"; one adapter answers as without it, after its wait for further units; a clone takes it
    // for data and the car answers "NO DATA"; a good adapter answers as soon as that many frames
    // have come (a first frame and each consecutive frame count one each), and no more.
    enum class CountDigit { Refused, Ignored, Garbled, Accepted };
    // What the car makes of several PIDs in one request ("010C0D05", CAN only, up to six): one PID
    // a request ("NO DATA"), only the first PID answered, or each unit's PIDs in one answer.
    enum class SeveralPids { None, FirstOnly, Whole };
    // The time a CAN car and the adapter take, modelled: the serial line at baud (ten bits a
    // byte, both ways), the car's answer after carMs, and then the adapter's wait of waitMs for
    // further units unless the count digit was met (twice as long with adaptive timing off).
    // Off (no delay at all) while baud is 0.
    struct Timing {
        int baud = 0;
        int carMs = 20;
        int waitMs = 100;
        // When set, every answer instead comes this long after its request, whatever it is.
        int answerUs = 0;
    };
    // What went over the line since the adapter started, and the time the model gave it.
    struct Traffic {
        long long bytes = 0;
        long long modelledUs = 0;
        int requests = 0;
    };

    struct Script {
        QByteArray identification = "ELM327 v1.5";
        int protocol = 6; // 6 CAN 11/500, 7 CAN 29/500, 3 ISO 9141-2, 5 ISO 14230-4, 1 J1850 PWM
        bool searching = true; // "SEARCHING..." before the first answer after a reset
        bool blanks = true; // blanks between the bytes after a reset (ATS1)
        bool keepsEcho = false; // a clone that answers "OK" to ATE0 and goes on echoing
        bool silent = false; // answers nothing at all
        bool losesPrompt = false; // no '>' after the answers to OBD requests
        bool okToEverything = false; // a clone that answers "OK" to every AT command it does not need
        QByteArray noise; // stray bytes sent before every answer
        QByteArray battery = "12.6V"; // the answer to ATRV
        QByteArray resetsOn; // a request that makes the adapter reset itself once ("LV RESET")
        int searchMs = 0; // how long the protocol search takes after "SEARCHING..."
        std::map<QByteArray, int> lateMs; // requests answered only this long after they came
        // Requests each answering unit first answers "response pending" (7F xx 78) to, and then,
        // this long after, its answer.
        std::map<QByteArray, int> pendingMs;
        // Requests the units answer "busy, repeat" (7F xx 21) to this many times before answering.
        std::map<QByteArray, int> busyTimes;
        // Requests before whose answer the adapter initialises the bus again ("BUS INIT: ...")
        // for this long.
        std::map<QByteArray, int> busInitMs;
        bool lineFeedsOnly = false; // ends its lines with a line feed alone
        // Requests whose answer stops after its first '>' (noise on the line) for this long.
        std::map<QByteArray, int> stallMs;
        std::set<QByteArray> unknown; // commands answered with "?"
        std::map<QByteArray, QByteArray> fixed; // command -> literal answer lines ("\r" between)
        std::vector<Unit> units; // answering in this order
        CountDigit countDigit = CountDigit::Refused;
        SeveralPids severalPids = SeveralPids::None;
        Timing timing;
        int baudRate = 0; // the only line speed it understands (0: any)
    };

    // Where the program reaches it.
    enum class Serving { PseudoTerminal, Tcp };

    // The vehicle of the full session: an engine unit (7E8) and a gearbox unit (7E9) on CAN, each
    // with its vehicle information (09) and permanent codes (0A).
    static Script DefaultScript();
    // The same data for the given protocol (CAN 29 bit, ISO 9141-2).
    static Script ScriptFor(int protocol);
    // The vehicle of the full session as a recent car: its engine unit also announces PIDs past
    // 0x4E in the bitmaps 0x40 to 0xA0 (0x4F, fuel type, oil temperature, fuel rate, torque, the
    // particulate filter, engine friction, odometer, and 0x65, which the workstation shows raw).
    static Script RecentCarScript();

    explicit Elm327StandIn(Script script = DefaultScript());
    Elm327StandIn(Script script, Serving serving);
    ~Elm327StandIn();
    Elm327StandIn(const Elm327StandIn &) = delete;
    Elm327StandIn &operator=(const Elm327StandIn &) = delete;

    QString portName() const { return m_portName; }
    // The TCP port it listens on, on 127.0.0.1 (Serving::Tcp).
    quint16 tcpPort() const { return m_tcpPort; }
    // The line speed the program has set on the pseudo-terminal (0: none known).
    int lineSpeed() const;

    // Changes the script while the adapter runs.
    template <class F>
    void edit(F change)
    {
        std::lock_guard lock(m_mutex);
        change(m_script);
    }

    // Pulls the adapter out: the line goes dead for the program.
    void unplug();
    // The commands received so far, without blanks, upper-case.
    std::vector<QByteArray> commands() const;
    Traffic traffic() const;

private:
    void run();
    void handle(const QByteArray &raw);
    QList<QByteArray> answerAt(const QByteArray &command, bool *prompt);
    void send(const QByteArray &out, int afterMs);
    void sendDue();
    QList<QByteArray> obdAnswer(const QByteArray &request);
    QList<QByteArray> framed(std::uint32_t address, const QByteArray &message) const;
    // The lines of the units that answer request, each answering with message instead.
    QList<QByteArray> eachUnitSays(const QByteArray &request, const QByteArray &message) const;
    QByteArray line(const QByteArray &bytes) const;
    // Serving on TCP: listening, taking the next connection, noticing its end.
    void listen();
    bool acceptClient();
    void clientGone();
    // What the adapter answers a command sent at a line speed it does not understand.
    bool answersNoise();

    // A request to the vehicle as the adapter reads it: the request without the count digit
    // (0: none), and whether the answer came from the car (and met the count) for the timing.
    struct Request {
        QByteArray text;
        int count = 0;
        bool garbled = false;
    };
    std::optional<Request> readRequest(const QByteArray &command) const;
    QList<QByteArray> requestAnswer(const Request &request);
    QByteArray severalPidsAnswer(const Unit &unit, const QByteArray &request) const;
    void sendModelled(const QByteArray &raw, const QByteArray &out, int afterMs);
    // Waits for the program's bytes, at most until the next held answer is due.
    int waitForInput(pollfd &wanted);

    int m_master = -1;
    int m_slave = -1;
    int m_listener = -1;
    quint16 m_tcpPort = 0;
    QString m_portName;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    Script m_script;
    std::vector<QByteArray> m_commands;
    QByteArray m_pending;
    // Adapter settings, as ATZ leaves them.
    bool m_echo = true;
    bool m_linefeeds = false;
    bool m_spaces = true;
    bool m_headers = false;
    bool m_searched = false;
    bool m_hasReset = false;
    int m_adaptiveTiming = 1;
    bool m_carAnswered = false;
    bool m_countMet = false;
    Traffic m_traffic;
    // Output held back to be sent later, by the time it is due.
    std::multimap<std::chrono::steady_clock::time_point, QByteArray> m_held;
};
