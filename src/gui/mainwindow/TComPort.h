#pragma once

#include <QObject>

struct AppSettings;

// The serial port of the main window, as the window names it: the port the settings choose ("COM1"
// until they name another), kept nowhere but in the settings, and the notifications bound to it
// after the port is opened and closed. It opens no line itself: an adapter's serial line is opened
// and driven by the vehicle link (SerialTransport under ElmPort), on the port named here.
class TComPort final : public QObject {
    Q_OBJECT
public:
    explicit TComPort(AppSettings &settings, QObject *parent = nullptr);

    // The name as the operator gave it ("/dev/ttyUSB0" stays a path).
    QString portName() const;
    void setPortName(const QString &name);

Q_SIGNALS:
    void AfterOpen();
    void AfterClose();

private:
    AppSettings &m_settings;
};
