#include "gui/mainwindow/TComPort.h"

TComPort::TComPort(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ComPort"));
    setPortName(QStringLiteral("COM1"));
    m_port.setBaudRate(QSerialPort::Baud57600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

bool TComPort::open()
{
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.setDataTerminalReady(DtrEnabled);
    m_port.setRequestToSend(RtsEnabled);
    Q_EMIT AfterOpen();
    return true;
}

void TComPort::close()
{
    if (!m_port.isOpen())
        return;
    m_port.close();
    Q_EMIT AfterClose();
}
