#include "core/vehicle/ElmPort.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <unistd.h>

QString ElmPort::systemLocation(const QString &portName)
{
    return portName.startsWith(u'/') ? portName : QStringLiteral("/dev/") + portName;
}

PortOpening ElmPort::open(const QString &portName, int baudRate)
{
    close();
    m_port.setPortName(portName);
    m_port.setBaudRate(baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.open(QIODevice::ReadWrite)) {
        m_error.clear();
        m_port.clear();
        return PortOpening::Opened;
    }
    m_error = m_port.errorString();
    const QSerialPort::SerialPortError error = m_port.error();
    const QString path = systemLocation(portName);
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(path))
        return PortOpening::Missing;
    if (error == QSerialPort::PermissionError) {
        // The device refuses us although its rights let us in: another program holds it.
        const QByteArray native = path.toLocal8Bit();
        return ::access(native.constData(), R_OK | W_OK) == 0 ? PortOpening::Busy : PortOpening::Denied;
    }
    return PortOpening::Failed;
}

void ElmPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

ElmExchange ElmPort::exchange(const QByteArray &command, int timeoutMs)
{
    ElmExchange result;
    if (!m_port.isOpen())
        return result;
    QElapsedTimer elapsed;
    elapsed.start();

    m_port.clearError();
    m_port.readAll(); // late answers and noise of earlier commands
    m_port.write(command + '\r');
    if (!m_port.waitForBytesWritten(timeoutMs) && m_port.bytesToWrite() > 0) {
        if (m_port.error() == QSerialPort::ResourceError)
            close();
        return result;
    }

    QByteArray &text = result.text;
    for (;;) {
        text += m_port.readAll();
        // A prompt with nothing before it is a late one of an earlier command.
        qsizetype prompt = text.indexOf('>');
        while (prompt >= 0 && text.left(prompt).trimmed().isEmpty()) {
            text.remove(0, prompt + 1);
            prompt = text.indexOf('>');
        }
        if (prompt >= 0) {
            text.truncate(prompt);
            result.answered = true;
            return result;
        }
        const qint64 left = timeoutMs - elapsed.elapsed();
        if (left <= 0)
            return result;
        m_port.clearError();
        if (!m_port.waitForReadyRead(int(left)) && m_port.error() != QSerialPort::TimeoutError) {
            // The line failed underneath (an adapter pulled out): nothing more will come.
            close();
            return result;
        }
    }
}
