#include "gui/measure/PlotTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/PassPidReads.h"
#include "core/livedata/SensorTable.h"
#include "core/measure/PlotRules.h"
#include "core/platform/Clock.h"
#include "gui/measure/ChartSeries.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <qcustomplot.h>

namespace {

// A pass that reads nothing (no trace both on and chosen) waits this long, so the loop does not
// spin while the operator chooses.
constexpr int kIdlePauseMs = 20;

} // namespace

PlotTab::PlotTab(TabContext &context, PlotTabPage &page) : QObject(&page), m_context(context), m_page(page)
{
    for (auto &trace : PlotSeries)
        trace = std::make_unique<ChartSeries>(*m_page.Chart1, ChartSeries::Kind::Line);
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    connect(m_page.ButtonPlotStart, &QPushButton::clicked, this, &PlotTab::ButtonPlotStartClick);
    connect(Timer, &QTimer::timeout, this, &PlotTab::TimerTimer);
    // The history length and the scroll rate start at their first choices, 50 points and 100 ms.
    m_page.ComboBoxFreq->setCurrentIndex(0);
    m_page.ComboBoxSerSize->setCurrentIndex(0);
}

PlotTab::~PlotTab() = default;

void PlotTab::ButtonPlotStartClick()
{
    MainState &state = m_context.state;
    if (state.PlotRunning) {
        stop();
        return;
    }
    start();
    // A loop stopped and started again within one pump goes on with the new run.
    m_loop.run([&] {
        while (state.PlotRunning && state.Connected)
            readPass();
    });
}

void PlotTab::start()
{
    MainState &state = m_context.state;
    for (const auto &trace : PlotSeries)
        trace->attach();
    state.PlotRunning = true;
    m_page.ButtonPlotStart->setText(LoadMessage(SStop));
    setRunControlsEnabled(true);

    DetectSupportedPids(state.Selection, *state.Vehicle);
    fillParameterLists();

    state.PlotSampleCount = PlotSampleCountOf(m_page.ComboBoxSerSize->currentText());
    for (int k = 0; k < kTraces; ++k) {
        ChartSeries *trace = PlotSeries[k].get();
        trace->clear();
        trace->setColour(PlotTabPage::traceColour(k));
        for (int index = 0; index <= state.PlotSampleCount; ++index)
            trace->append(index, 0);
    }
    repaint();

    Timer->setInterval(PlotIntervalOf(m_page.ComboBoxFreq->currentText()));
    Timer->start();
}

void PlotTab::fillParameterLists()
{
    m_plotPidMap = PlotPidMap(m_context.state.Selection);
    QStringList descriptions;
    for (std::uint8_t pid : m_plotPidMap)
        descriptions << LivePidDescription(pid);
    for (QComboBox *list : m_page.ComboBoxPlot) {
        list->clear();
        list->addItems(descriptions);
        list->setCurrentIndex(-1);
    }
}

void PlotTab::readPass()
{
    MainState &state = m_context.state;
    const int newest = state.PlotSampleCount;

    for (int k = 0; k < kTraces; ++k)
        PlotSeries[k]->setColour(m_page.CBP[k]->isChecked() ? PlotTabPage::traceColour(k) : QColor(Qt::black));

    std::array<std::uint8_t, kTraces> pids{};
    for (int k = 0; k < kTraces; ++k) {
        const int entry = m_page.ComboBoxPlot[k]->currentIndex();
        pids[k] = entry >= 0 && entry < m_plotPidMap.size() ? m_plotPidMap[entry] : 0;
    }

    // The PIDs of the traces shown, asked of the link together where it can.
    std::vector<std::uint8_t> plan;
    for (int k = 0; k < kTraces; ++k)
        if (m_page.CBP[k]->isChecked())
            plan.push_back(pids[k]);
    PassPidReads reads(m_context.pidReader.link, plan);
    const PidQuery query = reads.query();

    std::array<QString, kTraces> texts;
    bool queried = false;
    for (int k = 0; k < kTraces; ++k) {
        if (!m_page.CBP[k]->isChecked()) {
            texts[k] = QStringLiteral("0");
            continue;
        }
        texts[k] = FormatPidValue(m_context.pidReader, state.Selection, pids[k], CurrentData, query);
        queried = queried || pids[k] != 0;
    }

    for (int k = 0; k < kTraces; ++k)
        m_page.LabelPlot[k]->setText(LivePidUnit(pids[k]));
    for (int k = 0; k < kTraces; ++k)
        m_page.EditPlot[k]->setText(texts[k]);
    for (int k = 0; k < kTraces; ++k)
        if (newest < PlotSeries[k]->count())
            PlotSeries[k]->setY(newest, PlottedValue(texts[k]));

    m_context.platform.clock.processEvents();
    if (!queried && state.PlotRunning)
        m_context.platform.clock.pause(kIdlePauseMs);
}

void PlotTab::TimerTimer()
{
    const int newest = m_context.state.PlotSampleCount;
    for (const auto &trace : PlotSeries)
        if (newest < trace->count())
            trace->shiftLeft(newest);
    repaint();
}

void PlotTab::stop()
{
    MainState &state = m_context.state;
    Timer->stop();
    state.PlotRunning = false;
    m_page.ButtonPlotStart->setText(LoadMessage(SStart));
    setRunControlsEnabled(false);
    for (const auto &trace : PlotSeries)
        trace->detach();
    repaint();
    for (QComboBox *list : m_page.ComboBoxPlot)
        list->clear();
    for (int k = 0; k < kTraces; ++k) {
        m_page.LabelPlot[k]->clear();
        m_page.EditPlot[k]->clear();
    }
    m_page.ComboBoxFreq->setEnabled(true);
    m_page.ComboBoxFreq->setCurrentIndex(0);
    m_page.ComboBoxSerSize->setEnabled(true);
    m_page.ComboBoxSerSize->setCurrentIndex(0);
}

void PlotTab::setRunControlsEnabled(bool running)
{
    for (int k = 0; k < kTraces; ++k) {
        m_page.ComboBoxPlot[k]->setEnabled(running);
        m_page.CBP[k]->setEnabled(running);
    }
    m_page.ComboBoxFreq->setEnabled(!running);
    m_page.ComboBoxSerSize->setEnabled(!running);
}

void PlotTab::repaint()
{
    QCustomPlot *chart = m_page.Chart1;
    chart->rescaleAxes(true);
    chart->replot();
}
