#include "core/vehicle/ElmPort.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <unistd.h>

#include <algorithm>

namespace {

// How often a long wait lets the window repaint.
constexpr qint64 kPumpSliceMs = 50;

} // namespace

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
    m_owesPrompt = false;
    m_lost = false;
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

void ElmPort::fail()
{
    close();
    if (!m_lost) {
        m_lost = true;
        if (m_onLost)
            m_onLost();
    }
}

bool ElmPort::readUntilPrompt(QByteArray &text, qint64 ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        text += m_port.readAll();
        if (text.contains('>'))
            return true;
        const qint64 left = ms - elapsed.elapsed();
        if (left <= 0)
            return true;
        m_port.clearError();
        if (!m_port.waitForReadyRead(int(left)) && m_port.error() != QSerialPort::TimeoutError) {
            // The line failed underneath (an adapter pulled out): nothing more will come.
            fail();
            return false;
        }
    }
}

ElmExchange ElmPort::exchange(const QByteArray &command, int timeoutMs, int drainMs)
{
    ElmExchange result;
    if (!m_port.isOpen())
        return result;

    m_port.clearError();
    result.unasked = m_port.readAll(); // late answers and noise of earlier commands
    if (m_owesPrompt && !result.unasked.contains('>') && !readUntilPrompt(result.unasked, drainMs))
        return result;
    m_owesPrompt = false;

    m_port.write(command + '\r');
    if (!m_port.waitForBytesWritten(timeoutMs) && m_port.bytesToWrite() > 0) {
        if (m_port.error() == QSerialPort::ResourceError)
            fail();
        return result;
    }

    readReply(result, timeoutMs);
    return result;
}

void ElmPort::readReply(ElmExchange &result, qint64 ms, const std::function<void()> &pump)
{
    QElapsedTimer elapsed;
    elapsed.start();
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
            m_owesPrompt = false;
            return;
        }
        const qint64 left = ms - elapsed.elapsed();
        if (left <= 0) {
            m_owesPrompt = true;
            return;
        }
        if (pump)
            pump();
        m_port.clearError();
        const int slice = pump ? int(std::min<qint64>(left, kPumpSliceMs)) : int(left);
        if (!m_port.waitForReadyRead(slice) && m_port.error() != QSerialPort::TimeoutError) {
            // The line failed underneath (an adapter pulled out): nothing more will come.
            fail();
            return;
        }
    }
}

void ElmPort::keepReading(ElmExchange &exchange, int ms, const std::function<void()> &pump)
{
    if (m_port.isOpen() && !exchange.answered)
        readReply(exchange, ms, pump);
}
