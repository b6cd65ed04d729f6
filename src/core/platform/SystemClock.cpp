#include "core/platform/SystemClock.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

SystemClock::SystemClock()
{
    m_elapsed.start();
}

void SystemClock::pause(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::uint32_t SystemClock::tickCount()
{
    return static_cast<std::uint32_t>(m_elapsed.elapsed());
}

QDateTime SystemClock::localNow()
{
    return QDateTime::currentDateTime();
}

void SystemClock::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SystemClock::processEventsWithoutInput()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
