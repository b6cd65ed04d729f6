#pragma once

#include <QObject>
#include <QSerialPort>

// The serial port of the workstation: its name and line settings. The workstation talks to the
// simulated vehicle and never opens the port; open() and close() exist for a real interface and
// announce themselves through AfterOpen and AfterClose.
class TComPort final : public QObject {
    Q_OBJECT
public:
    explicit TComPort(QObject *parent = nullptr);

    // The name as the operator gave it ("/dev/ttyUSB0" stays a path).
    QString portName() const { return m_name; }
    void setPortName(const QString &name)
    {
        m_name = name;
        m_port.setPortName(name);
    }

    const QSerialPort &port() const { return m_port; }

    // Line settings that only take effect on an open port.
    bool DtrEnabled = false;
    bool RtsEnabled = true;
    int ReadIntervalTimeout = 0;
    int ReadTotalTimeoutConstant = 3000;

    bool open();
    void close();

Q_SIGNALS:
    void AfterOpen();
    void AfterClose();

private:
    QSerialPort m_port;
    QString m_name;
};
