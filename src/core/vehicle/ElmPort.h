#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// How opening a serial port ended.
enum class PortOpening { Opened, Missing, Busy, Denied, Failed };

// What came back for one command: answered when the adapter's prompt ('>') arrived in time;
// text holds what was received before it (or before the time ran out).
struct ElmExchange {
    bool answered = false;
    QByteArray text;
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

    // Sends command and a carriage return after dropping whatever arrived unasked, then reads
    // until the prompt. Never blocks longer than timeoutMs in all.
    ElmExchange exchange(const QByteArray &command, int timeoutMs);

private:
    QSerialPort m_port;
    QString m_error;
};
