#pragma once

#include "core/platform/SystemClock.h"

// The real clock without its pauses: the vehicle's and the handlers' waiting is not what a
// benchmark measures, so pauses return at once.
class NoPauseClock final : public Clock {
public:
    void pause(int) override {}
    std::uint32_t tickCount() override { return m_clock.tickCount(); }
    QDateTime localNow() override { return m_clock.localNow(); }
    void processEvents() override { m_clock.processEvents(); }
    void processEventsWithoutInput() override { m_clock.processEventsWithoutInput(); }

private:
    SystemClock m_clock;
};
