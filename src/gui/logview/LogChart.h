#pragma once

#include "core/logview/SensorLogData.h"

#include <qcustomplot.h>

#include <QColor>
#include <QObject>

#include <array>
#include <optional>

// The chart of a log: up to five columns against time, each on a value axis of its own (scaled to
// the column's whole range and titled with its unit) in its own colour. The mouse wheel zooms the
// time axis and dragging pans it; each change of the visible range draws the columns again as an
// envelope for the chart's width, so a repaint costs the same at any zoom. A cursor line follows
// the pointer.
class LogChart final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTraceCount = 5;
    static QColor traceColour(int trace);

    LogChart(QCustomPlot &chart, const SensorLogData &data);

    // Shows column (an index into the log's PIDs) as trace, or hides the trace (nullopt).
    void setTrace(int trace, std::optional<int> column, const QString &unit);
    std::optional<int> traceColumn(int trace) const { return m_columns.at(std::size_t(trace)); }
    // Whether the trace's column holds numbers left off its axis (see ColumnRange), drawn at the
    // axis's edge.
    bool offScale(int trace) const { return m_offScale.at(std::size_t(trace)); }
    QCPGraph &graph(int trace) { return *m_graphs.at(std::size_t(trace)); }
    QCPAxis &valueAxis(int trace) { return *m_axes.at(std::size_t(trace)); }

    // The visible time range, clamped to the log's span.
    void setTimeRange(double from, double to);
    void showWholeLog();
    // Draws the traces for the visible range and repaints the chart now.
    void redraw();

    // Moves the cursor line to time and repaints only the cursor's layer.
    void setCursor(double time);
    std::optional<double> cursor() const { return m_cursor; }
    // The time under a pixel column of the chart.
    double timeAt(int pixelX) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void cursorMoved(double time);
    void clicked(double time);

private:
    void rangeChanged();
    void refill();
    void updateTimeFormat();

    QCustomPlot &m_chart;
    const SensorLogData &m_data;
    std::array<QCPGraph *, kTraceCount> m_graphs{};
    std::array<QCPAxis *, kTraceCount> m_axes{};
    std::array<std::optional<int>, kTraceCount> m_columns{};
    std::array<bool, kTraceCount> m_offScale{};
    QCPItemStraightLine *m_cursorLine = nullptr;
    QCPLayer *m_cursorLayer = nullptr;
    std::optional<double> m_cursor;
    bool m_clamping = false;
    QCPRange m_filledRange;
    int m_filledWidth = -1;
};
