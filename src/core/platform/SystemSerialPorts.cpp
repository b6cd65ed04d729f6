#include "core/platform/SystemSerialPorts.h"

#include <QSerialPortInfo>

QStringList SystemSerialPorts::names()
{
    QStringList result;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        result << info.portName();
    return result;
}
