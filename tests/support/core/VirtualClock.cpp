#include "support/core/VirtualClock.h"

void VirtualClock::pause(int ms)
{
    if (m_pauseObserver)
        m_pauseObserver(m_now, ms);
    m_pauses.push_back(ms);
    m_now += ms;
}

void VirtualClock::processEvents()
{
    ++m_pumps;
    while (!m_actions.empty() && m_actions.begin()->first <= m_now) {
        auto action = std::move(m_actions.begin()->second);
        m_actions.erase(m_actions.begin());
        action();
    }
}

void VirtualClock::at(qint64 ms, std::function<void()> action)
{
    m_actions.emplace(ms, std::move(action));
}
