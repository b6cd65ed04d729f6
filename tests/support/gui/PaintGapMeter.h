#pragma once

#include "core/platform/Clock.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

// Watches the paints of one window (the window or any control in it) and keeps the longest time
// between two of them, as the clock counts it: how long the window stood frozen.
class PaintGapMeter final : public QObject {
public:
    PaintGapMeter(QWidget &window, Clock &clock) : m_window(window), m_clock(clock) { qApp->installEventFilter(this); }
    ~PaintGapMeter() override { qApp->removeEventFilter(this); }

    // Counts from now on: the first paint after this ends the first gap.
    void restart()
    {
        m_last = m_clock.tickCount();
        m_longest = 0;
        m_paints = 0;
    }
    // The longest gap so far, counting the time since the last paint as one too.
    std::uint32_t longestGapMs() const { return std::max(m_longest, m_clock.tickCount() - m_last); }
    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            const std::uint32_t now = m_clock.tickCount();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
            ++m_paints;
        }
        return false;
    }

private:
    QWidget &m_window;
    Clock &m_clock;
    std::uint32_t m_last = 0;
    std::uint32_t m_longest = 0;
    int m_paints = 0;
};
