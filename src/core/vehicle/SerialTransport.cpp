#include "core/vehicle/SerialTransport.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QFileInfo>

#include <unistd.h>

SerialTransport::SerialTransport(const QString &portName, int baudRate) : m_portName(portName), m_baudRate(baudRate)
{
}

QString SerialTransport::systemLocation(const QString &portName)
{
    return portName.startsWith(u'/') ? portName : QStringLiteral("/dev/") + portName;
}

LinkStep SerialTransport::open(int /*connectMs*/)
{
    m_port.setPortName(m_portName);
    m_port.setBaudRate(m_baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.open(QIODevice::ReadWrite)) {
        m_port.clear();
        return {};
    }
    const QSerialPort::SerialPortError error = m_port.error();
    const QString path = systemLocation(m_portName);
    auto failed = [this](std::uint16_t message) { return LinkStep{false, LoadMessage(message).arg(m_portName)}; };
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(path))
        return failed(SPortMissing);
    if (error == QSerialPort::PermissionError) {
        // The device refuses us although its rights let us in: another program holds it.
        const QByteArray native = path.toLocal8Bit();
        return failed(::access(native.constData(), R_OK | W_OK) == 0 ? SPortBusy : SPortDenied);
    }
    return {false, LoadMessage(SPortFailed).arg(m_portName, m_port.errorString())};
}

void SerialTransport::close()
{
    if (m_port.isOpen())
        m_port.close();
}

void SerialTransport::setOnFailure(std::function<void()> failed)
{
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [failed = std::move(failed)](QSerialPort::SerialPortError error) {
                         // The device went away or stopped answering the system: nothing more will come.
                         if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError
                             || error == QSerialPort::WriteError)
                             failed();
                     });
}

bool SerialTransport::setSpeed(int baudRate)
{
    m_baudRate = baudRate;
    return m_port.setBaudRate(baudRate);
}

void SerialTransport::flush()
{
    // The first flush writes the command; the second ends the write there, so that the port does
    // not wake the event loop for "writable" afterwards only to find nothing left to write.
    m_port.flush();
    m_port.flush();
}
