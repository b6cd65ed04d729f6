#include "gui/mainwindow/TComPort.h"

#include "core/settings/AppSettings.h"

TComPort::TComPort(AppSettings &settings, QObject *parent) : QObject(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("ComPort"));
}

QString TComPort::portName() const
{
    return m_settings.Port;
}

void TComPort::setPortName(const QString &name)
{
    m_settings.Port = name;
}
