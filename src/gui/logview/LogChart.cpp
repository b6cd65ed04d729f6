#include "gui/logview/LogChart.h"

#include "core/logview/Envelope.h"
#include "gui/measure/ChartStyle.h"

#include <qcustomplot.h>

namespace {

constexpr std::array<QRgb, LogChart::kTraceCount> kColours{0xFF00FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x00FFFF};
// The shortest visible range: a few rows of a fast log.
constexpr double kShortestRange = 0.5;

} // namespace

QColor LogChart::traceColour(int trace)
{
    return QColor(kColours.at(std::size_t(trace)));
}

LogChart::LogChart(QCustomPlot &chart, const SensorLogData &data) : QObject(&chart), m_chart(chart), m_data(data)
{
    makeBlackChart(&m_chart);
    m_chart.setNotAntialiasedElements(QCP::aeAll);
    m_chart.setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);
    m_chart.setMouseTracking(true);

    // Times are seconds of the wall clock the log was written on, shown as such.
    QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
    ticker->setDateTimeSpec(Qt::UTC);
    m_chart.xAxis->setTicker(ticker);

    QCPAxisRect *rect = m_chart.axisRect();
    const QColor gridColour(0x40, 0x40, 0x40);
    for (int trace = 0; trace < kTraceCount; ++trace) {
        // Traces 1, 3 and 5 on the left, 2 and 4 on the right.
        const QCPAxis::AxisType side = trace % 2 == 0 ? QCPAxis::atLeft : QCPAxis::atRight;
        QCPAxis *axis = nullptr;
        if (trace < 2)
            axis = trace == 0 ? m_chart.yAxis : m_chart.yAxis2;
        else
            axis = rect->addAxis(side);
        const QColor colour = traceColour(trace);
        axis->setBasePen(QPen(colour));
        axis->setTickPen(QPen(colour));
        axis->setSubTickPen(QPen(colour));
        axis->setTickLabelColor(colour);
        axis->setLabelColor(colour);
        axis->grid()->setVisible(trace == 0);
        axis->grid()->setPen(QPen(gridColour, 0, Qt::DotLine));
        axis->setVisible(false);
        m_axes[std::size_t(trace)] = axis;

        QCPGraph *graph = m_chart.addGraph(m_chart.xAxis, axis);
        graph->setPen(QPen(colour));
        graph->setAdaptiveSampling(false); // the envelope is already a few points a pixel
        graph->setVisible(false);
        m_graphs[std::size_t(trace)] = graph;
    }

    m_chart.addLayer(QStringLiteral("cursor"), nullptr, QCustomPlot::limAbove);
    m_cursorLayer = m_chart.layer(QStringLiteral("cursor"));
    m_cursorLayer->setMode(QCPLayer::lmBuffered);
    m_cursorLine = new QCPItemStraightLine(&m_chart);
    m_cursorLine->setLayer(m_cursorLayer);
    m_cursorLine->setPen(QPen(Qt::white, 1, Qt::DashLine));
    m_cursorLine->setClipToAxisRect(true);
    m_cursorLine->setVisible(false);

    rect->setRangeDrag(Qt::Horizontal);
    rect->setRangeZoom(Qt::Horizontal);
    rect->setRangeDragAxes(m_chart.xAxis, nullptr);
    rect->setRangeZoomAxes(m_chart.xAxis, nullptr);
    m_chart.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);

    connect(m_chart.xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this, &LogChart::rangeChanged);
    // Every repaint (an interaction, a resize, a change of traces) draws the envelope for the
    // range and width it is about to show, when those changed.
    connect(&m_chart, &QCustomPlot::beforeReplot, this, &LogChart::refill);
    connect(&m_chart, &QCustomPlot::mouseMove, this, [this](QMouseEvent *event) {
        if (m_data.rowCount() == 0)
            return;
        const double time = timeAt(int(event->position().x()));
        setCursor(time);
        emit cursorMoved(time);
    });
    connect(&m_chart, &QCustomPlot::mousePress, this, [this](QMouseEvent *event) {
        if (m_data.rowCount() > 0 && event->button() == Qt::LeftButton)
            emit clicked(timeAt(int(event->position().x())));
    });
    connect(&m_chart, &QCustomPlot::mouseDoubleClick, this, [this](QMouseEvent *) { showWholeLog(); });
    m_chart.setFocusPolicy(Qt::StrongFocus);
    m_chart.installEventFilter(this);

    showWholeLog();
}

void LogChart::setTrace(int trace, std::optional<int> column, const QString &unit)
{
    const auto index = std::size_t(trace);
    m_columns.at(index) = column;
    QCPAxis *axis = m_axes[index];
    QCPGraph *graph = m_graphs[index];
    graph->setVisible(column.has_value());
    axis->setVisible(column.has_value());
    m_filledWidth = -1;
    m_offScale.at(index) = false;
    if (!column) {
        graph->data()->clear();
        redraw();
        return;
    }
    axis->setLabel(unit);
    const ValueRange range = ColumnRange(m_data.columns.at(std::size_t(*column)));
    m_offScale[index] = range.offScale > 0;
    double lower = range.any ? range.lower : 0;
    double upper = range.any ? range.upper : 1;
    if (upper - lower < 1e-9) {
        lower -= 1;
        upper += 1;
    }
    const double margin = (upper - lower) * 0.05;
    axis->setRange(lower - margin, upper + margin);
    redraw();
}

void LogChart::showWholeLog()
{
    if (m_data.rowCount() == 0) {
        m_chart.xAxis->setRange(0, 1);
        return;
    }
    const double first = m_data.times.front();
    const double last = std::max(m_data.times.back(), first + kShortestRange);
    setTimeRange(first, last);
}

void LogChart::setTimeRange(double from, double to)
{
    m_chart.xAxis->setRange(from, to);
    redraw();
}

void LogChart::rangeChanged()
{
    if (m_clamping || m_data.rowCount() == 0)
        return;
    // The range never leaves the log and never grows shorter than a few rows.
    const double first = m_data.times.front();
    const double last = std::max(m_data.times.back(), first + kShortestRange);
    QCPRange range = m_chart.xAxis->range();
    double size = std::clamp(range.size(), kShortestRange, last - first);
    double lower = std::clamp(range.lower, first, last - size);
    m_clamping = true;
    m_chart.xAxis->setRange(lower, lower + size);
    m_clamping = false;
    updateTimeFormat();
}

void LogChart::updateTimeFormat()
{
    auto ticker = m_chart.xAxis->ticker().dynamicCast<QCPAxisTickerDateTime>();
    if (!ticker)
        return;
    const double size = m_chart.xAxis->range().size();
    if (size > 2 * 86400)
        ticker->setDateTimeFormat(QStringLiteral("dd.MM\nHH:mm"));
    else if (size > 120)
        ticker->setDateTimeFormat(QStringLiteral("HH:mm"));
    else if (size > 10)
        ticker->setDateTimeFormat(QStringLiteral("HH:mm:ss"));
    else
        ticker->setDateTimeFormat(QStringLiteral("HH:mm:ss.zzz"));
}

void LogChart::refill()
{
    const QCPRange range = m_chart.xAxis->range();
    const int pixels = std::max(1, m_chart.axisRect()->width());
    if (range == m_filledRange && pixels == m_filledWidth)
        return;
    m_filledRange = range;
    m_filledWidth = pixels;
    for (int trace = 0; trace < kTraceCount; ++trace) {
        const auto &column = m_columns[std::size_t(trace)];
        if (!column)
            continue;
        EnvelopePoints points =
            BuildEnvelope(m_data.times, m_data.columns.at(std::size_t(*column)), range.lower, range.upper, pixels);
        if (m_offScale[std::size_t(trace)]) {
            // Drawn at the edge of the axis (a gap stays a gap), never at a distance no painter
            // can reach.
            const QCPRange shown = m_axes[std::size_t(trace)]->range();
            for (double &y : points.y)
                y = std::clamp(y, shown.lower - shown.size(), shown.upper + shown.size());
        }
        m_graphs[std::size_t(trace)]->setData(points.x, points.y, true);
    }
}

void LogChart::redraw()
{
    updateTimeFormat();
    m_chart.replot(QCustomPlot::rpImmediateRefresh);
}

void LogChart::setCursor(double time)
{
    m_cursor = time;
    m_cursorLine->point1->setCoords(time, 0);
    m_cursorLine->point2->setCoords(time, 1);
    m_cursorLine->setVisible(true);
    m_cursorLayer->replot();
}

bool LogChart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_chart || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // The keyboard does what the mouse does: arrows pan by a tenth, + and - zoom, Home shows all.
    const QCPRange range = m_chart.xAxis->range();
    const double centre = range.center();
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left: setTimeRange(range.lower - range.size() / 10, range.upper - range.size() / 10); return true;
    case Qt::Key_Right: setTimeRange(range.lower + range.size() / 10, range.upper + range.size() / 10); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: setTimeRange(centre - range.size() / 4, centre + range.size() / 4); return true;
    case Qt::Key_Minus: setTimeRange(centre - range.size(), centre + range.size()); return true;
    case Qt::Key_Home: showWholeLog(); return true;
    default: return QObject::eventFilter(watched, event);
    }
}

double LogChart::timeAt(int pixelX) const
{
    return m_chart.xAxis->pixelToCoord(pixelX);
}
