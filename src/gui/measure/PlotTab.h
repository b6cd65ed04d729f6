#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <cstdint>

class ChartSeries;
class PlotTabPage;
class QTimer;
struct TabContext;

// The behaviour of the "Wykresy" tab: up to five PIDs read in a loop inside the start button's
// handler, their newest values written into the last point of their traces, and the main
// window's timer scrolling the traces by one point per tick.
class PlotTab final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTraces = 5;
    using Traces = std::array<ChartSeries *, kTraces>;

    // traces and timer belong to the main window and outlive the tab.
    PlotTab(TabContext &context, PlotTabPage &page, const Traces &traces, QTimer &timer);

    void ButtonPlotStartClick();
    void TimerTimer();

    // The PIDs of the list entries of the current run.
    const QList<std::uint8_t> &plotPidMap() const { return m_plotPidMap; }

private:
    void start();
    void stop();
    void readPass();
    void fillParameterLists();
    void setRunControlsEnabled(bool running);
    void repaint();

    TabContext &m_context;
    PlotTabPage &m_page;
    Traces m_traces;
    QTimer &m_timer;
    QList<std::uint8_t> m_plotPidMap;
    bool m_loopActive = false;
};
