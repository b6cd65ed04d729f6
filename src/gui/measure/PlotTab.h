#pragma once

#include "core/state/ReentryGuard.h"

#include <QList>
#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

class ChartSeries;
class PlotTabPage;
class QTimer;
struct TabContext;

// The behaviour of the "Wykresy" tab: up to five PIDs read in a loop inside the start button's
// handler, their newest values written into the last point of their traces, and the timer
// scrolling the traces by one point per tick.
class PlotTab final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTraces = 5;

    PlotTab(TabContext &context, PlotTabPage &page);
    ~PlotTab() override;

    void ButtonPlotStartClick();
    void TimerTimer();

    // The PIDs of the list entries of the current run.
    const QList<std::uint8_t> &plotPidMap() const { return m_plotPidMap; }

    // The five traces on Chart1, shown only while a run is active.
    std::array<std::unique_ptr<ChartSeries>, kTraces> PlotSeries;
    // The one timer of the window: it scrolls the traces, only while a run is active.
    QTimer *Timer = nullptr;

private:
    void start();
    void stop();
    void readPass();
    void fillParameterLists();
    void setRunControlsEnabled(bool running);
    void repaint();

    TabContext &m_context;
    PlotTabPage &m_page;
    QList<std::uint8_t> m_plotPidMap;
    ReentryGuard m_loop;
};
