#pragma once

#include "core/vehicle/ElmTransport.h"

#include <QSerialPort>

// A serial port with the workshop's line settings (8 data bits, no parity, one stop bit, no flow
// control): a USB adapter, a Bluetooth one through its rfcomm device, a virtual port.
class SerialTransport final : public ElmTransport {
public:
    SerialTransport(const QString &portName, int baudRate);

    // The system path of a port name ("ttyUSB0" is "/dev/ttyUSB0"; a path stays as it is).
    static QString systemLocation(const QString &portName);

    LinkStep open(int connectMs) override;
    void close() override;
    QIODevice &device() override { return m_port; }
    void setOnFailure(std::function<void()> failed) override;
    void flush() override;
    bool hasSpeed() const override { return true; }
    bool setSpeed(int baudRate) override;

private:
    QSerialPort m_port;
    QString m_portName;
    int m_baudRate;
};
