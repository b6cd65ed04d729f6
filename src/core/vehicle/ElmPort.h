#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include <functional>

// How opening a serial port ended.
enum class PortOpening { Opened, Missing, Busy, Denied, Failed };

// What came back for one command: answered when the adapter's prompt ('>') arrived in time;
// text holds what was received before it (or before the time ran out); unasked what arrived
// before the command went out (a late answer, a banner after the adapter reset itself).
struct ElmExchange {
    bool answered = false;
    QByteArray text;
    QByteArray unasked;
};

// The serial line to an ELM327-compatible adapter: opening with the workshop's port settings
// (8 data bits, no parity, one stop bit, no flow control) and one blocking command/answer
// exchange at a time, bounded by its timeout. A port that fails underneath (an adapter pulled
// out) is closed, and every exchange after that fails at once.
class ElmPort {
public:
    // The system path of a port name ("ttyUSB0" is "/dev/ttyUSB0"; a path stays as it is).
    static QString systemLocation(const QString &portName);

    PortOpening open(const QString &portName, int baudRate);
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    // The system's error text of the last failed opening.
    QString errorText() const { return m_error; }

    // Sends command and a carriage return after taking whatever arrived unasked, then reads
    // until the prompt. After a command whose prompt never came, the adapter may still be busy
    // with it: its prompt is waited for first, for drainMs at most, so that a late answer is
    // never read as this command's. Never blocks longer than drainMs + timeoutMs in all.
    ElmExchange exchange(const QByteArray &command, int timeoutMs, int drainMs = 0);

    // Reads on for the reply of an exchange that timed out while the adapter was still busy
    // (searching for the protocol), for ms at most, calling pump between short waits.
    void keepReading(ElmExchange &exchange, int ms, const std::function<void()> &pump);

    // Whether the port failed underneath since it was opened (the adapter pulled out).
    bool lost() const { return m_lost; }
    // Called once when the port fails underneath.
    void setOnLost(std::function<void()> onLost) { m_onLost = std::move(onLost); }

private:
    void fail();
    void readReply(ElmExchange &result, qint64 ms, const std::function<void()> &pump = {});
    // Reads into text until a prompt is in it or ms have passed; false when the port failed.
    bool readUntilPrompt(QByteArray &text, qint64 ms);

    QSerialPort m_port;
    QString m_error;
    bool m_owesPrompt = false;
    bool m_lost = false;
    std::function<void()> m_onLost;
};
