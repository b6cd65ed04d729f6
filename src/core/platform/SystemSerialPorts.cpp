#include "core/platform/SystemSerialPorts.h"

#include <QDir>
#include <QSerialPortInfo>

#include <algorithm>
#include <utility>

namespace {

// A device name as its kind and its number: ttyUSB2 comes before ttyUSB10.
std::pair<QString, qulonglong> kindAndNumber(const QString &name)
{
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit())
        --digits;
    return {name.left(digits), name.mid(digits).toULongLong()};
}

} // namespace

SystemSerialPorts::SystemSerialPorts(QString devices, bool withSystemPorts)
    : m_devices(std::move(devices)), m_withSystemPorts(withSystemPorts)
{
}

QStringList SystemSerialPorts::names()
{
    QStringList result;
    if (m_withSystemPorts)
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
            result << info.portName();
    const QStringList patterns{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("rfcomm*")};
    result << QDir(m_devices).entryList(patterns, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    std::sort(result.begin(), result.end(), [](const QString &a, const QString &b) {
        return std::pair(kindAndNumber(a), a) < std::pair(kindAndNumber(b), b);
    });
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}
