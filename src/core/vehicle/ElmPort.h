#pragma once

#include "core/vehicle/ElmTransport.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// What came back for one command: answered when the adapter's prompt ('>') arrived in time;
// text holds what was received before it (or before the time ran out); unasked what arrived
// before the command went out (a late answer, a banner after the adapter reset itself).
struct ElmExchange {
    bool sent = false; // the command went out
    bool answered = false;
    QByteArray text;
    QByteArray unasked;
};

// The ELM327 line protocol over a transport (serial port or TCP): one command/answer exchange at
// a time, bounded by its timeout. While it waits, the window goes on painting and the operator's
// input waits (AdapterWait); an exchange asked for while another one is under way (by a timer
// during its wait or its pump) fails at once without sending anything. A line that fails underneath (an adapter pulled
// out, a dropped connection) is closed, and every exchange after that fails at once.
class ElmPort {
public:
    ElmPort();
    ~ElmPort();
    ElmPort(const ElmPort &) = delete;
    ElmPort &operator=(const ElmPort &) = delete;

    // The system path of a port name ("ttyUSB0" is "/dev/ttyUSB0"; a path stays as it is).
    static QString systemLocation(const QString &portName);

    // Opens the line; a failure carries the log line that says why.
    LinkStep open(std::unique_ptr<ElmTransport> transport, int connectMs);
    void close();
    bool isOpen() const;
    // Whether the line has a speed to be found, and setting it (see ElmTransport).
    bool hasSpeed() const;
    bool setSpeed(int baudRate);

    // How much longer to wait for the prompt once the time has run out, given what came so far
    // (a car that said it needs more time); 0 ends the wait.
    using Patience = std::function<int(const QByteArray &received)>;

    // Sends command and a carriage return after taking whatever arrived unasked, then reads
    // until the prompt: a '>' after which nothing follows (one inside the text is noise on the
    // line, and stays in it). After a command whose prompt never came, the adapter may still be
    // busy with it: its prompt is waited for first, for drainMs at most, so that a late answer is
    // never read as this command's. Never blocks longer than drainMs + timeoutMs in all, and what
    // patience grants.
    ElmExchange exchange(const QByteArray &command, int timeoutMs, int drainMs = 0, const Patience &patience = {});
    // One exchange that owes nothing to the commands before it (the search for the line speed,
    // where what came before was sent at another speed).
    ElmExchange probe(const QByteArray &command, int timeoutMs);

    // Reads on for the reply of an exchange that timed out while the adapter was still busy
    // (searching for the protocol), for ms at most, calling pump between short waits.
    void keepReading(ElmExchange &exchange, int ms, const std::function<void()> &pump);

    // Whether the line failed underneath since it was opened (the adapter pulled out).
    bool lost() const { return m_lost; }
    // Takes the line as failed: an adapter that no longer answers anything, although its line
    // stays open (a hung Wi-Fi adapter, a serial adapter without power behind its USB bridge).
    void giveUp() { fail(); }
    // Called once when the line fails underneath.
    void setOnLost(std::function<void()> onLost) { m_onLost = std::move(onLost); }

private:
    void fail();
    void readReply(ElmExchange &result, qint64 ms, const std::function<void()> &pump = {},
                   const Patience &patience = {});
    // Whether text ends in the adapter's prompt; a '>' right after data is waited on briefly, as
    // noise is followed by the rest of its line at once.
    bool endsInPrompt(const QByteArray &text);
    // Reads into text until a prompt is in it or ms have passed; false when the line failed.
    bool readUntilPrompt(QByteArray &text, qint64 ms);
    // Waits for bytes to read for ms at most; false when the line failed meanwhile.
    bool waitForData(qint64 ms);

    std::unique_ptr<ElmTransport> m_transport;
    bool m_owesPrompt = false;
    bool m_lost = false;
    bool m_busy = false; // an exchange is under way (its pump may run the program's timers)
    std::function<void()> m_onLost;
};
