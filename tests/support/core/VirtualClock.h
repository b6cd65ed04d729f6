#pragma once

#include "core/platform/Clock.h"

#include <functional>
#include <map>
#include <vector>

// A clock for tests: a pause returns at once and moves time on; pumping messages runs the
// scripted actions that are due, and a pump without input (the scripted actions being the
// operator's) runs none. Nothing ever waits in real time.
class VirtualClock final : public Clock {
public:
    void pause(int ms) override;
    std::uint32_t tickCount() override { return static_cast<std::uint32_t>(m_now); }
    QDateTime localNow() override { return m_start.addMSecs(m_now); }
    void processEvents() override;
    void processEventsWithoutInput() override {}

    // Runs action at the first message pump at or after virtual time ms.
    void at(qint64 ms, std::function<void()> action);
    // Called at the start of every pause with the time before it and its length.
    void onPause(std::function<void(qint64 now, int ms)> observer) { m_pauseObserver = std::move(observer); }

    void advance(qint64 ms) { m_now += ms; }

    qint64 now() const { return m_now; }
    int pumps() const { return m_pumps; }
    const std::vector<int> &pauses() const { return m_pauses; }

private:
    qint64 m_now = 0;
    int m_pumps = 0;
    std::vector<int> m_pauses;
    std::multimap<qint64, std::function<void()>> m_actions;
    std::function<void(qint64, int)> m_pauseObserver;
    QDateTime m_start = QDateTime(QDate(2026, 12, 7), QTime(13, 45, 1));
};
