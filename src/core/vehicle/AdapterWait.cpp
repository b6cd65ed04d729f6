#include "core/vehicle/AdapterWait.h"

#include <QIODevice>

void AdapterWait::forData(QIODevice &device, int ms)
{
    if (device.bytesAvailable() > 0 || !device.isOpen())
        return;
    QEventLoop loop;
    QObject::connect(&device, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&device, &QIODevice::aboutToClose, &loop, &QEventLoop::quit);
    run(loop, ms);
}

void AdapterWait::run(QEventLoop &loop, int ms)
{
    if (ms <= 0)
        return;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    ++s_depth;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    --s_depth;
}
