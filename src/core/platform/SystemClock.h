#pragma once

#include "core/platform/Clock.h"

#include <QElapsedTimer>

// The real clock: thread sleep, a monotonic timer and the application's event queue.
class SystemClock final : public Clock {
public:
    SystemClock();

    void pause(int ms) override;
    std::uint32_t tickCount() override;
    QDateTime localNow() override;
    void processEvents() override;
    void processEventsWithoutInput() override;

private:
    QElapsedTimer m_elapsed;
};
