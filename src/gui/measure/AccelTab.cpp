#include "gui/measure/AccelTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/Clock.h"
#include "core/platform/Tones.h"
#include "gui/measure/AccelTabPage.h"
#include "gui/measure/ChartSeries.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <qcustomplot.h>

namespace {

constexpr int kSignalHz = 1000;
constexpr int kSlowDownSteps = 20;
constexpr int kSlowDownStepMs = 200;
constexpr int kShortBeepMs = 100;
constexpr int kShortBeepGapMs = 100;
constexpr int kPromptMs = 2000;
constexpr int kStartBeepMs = 200;
constexpr int kMeasureStepMs = 150;
constexpr int kEndBeepMs = 1000;

QString kmh(int speed)
{
    return QString::number(speed) + QStringLiteral(" km/h");
}

} // namespace

AccelTab::AccelTab(TabContext &context, AccelTabPage &page)
    : QObject(&page),
      AccelSeries(std::make_unique<ChartSeries>(*page.ChartAccel, ChartSeries::Kind::Line)),
      m_context(context),
      m_page(page)
{
    for (QRadioButton *button :
         {m_page.RadioButtonSpd1, m_page.RadioButtonSpd2, m_page.RadioButtonSpd3, m_page.RadioButtonSpd4})
        connect(button, &QRadioButton::clicked, this, &AccelTab::RadioButtonSpdClick);
    connect(m_page.ButtonAccelStart, &QPushButton::clicked, this, &AccelTab::ButtonAccelStartClick);
}

AccelTab::~AccelTab() = default;

void AccelTab::RadioButtonSpdClick()
{
    const bool typed = m_page.RadioButtonSpd4->isChecked();
    m_page.MaskEditVpocz->setEnabled(typed);
    m_page.MaskEditVkonc->setEnabled(typed);
}

void AccelTab::hideRunLabels()
{
    for (QLabel *label : {m_page.LabelMsg, m_page.LabelMsg2, m_page.LabelSpeed, m_page.LabelTime})
        label->hide();
}

void AccelTab::hideResultLabels()
{
    m_page.LabelSpeedResult1->hide();
    m_page.LabelSpeedResult2->hide();
}

void AccelTab::ResetAccelTab()
{
    hideRunLabels();
    hideResultLabels();
    AccelSeries->clear();
    m_page.ChartAccel->replot();
}

void AccelTab::ButtonAccelStartClick()
{
    if (m_context.state.AccelRunning) {
        cancel();
        return;
    }
    // A cancelled test whose handler has not yet returned (it notices the cancel only after its
    // first measurement step) still drives the labels; a new test waits until it has.
    if (m_test.inside())
        return;
    if (const std::optional<SpeedRange> range = chosenRange())
        m_test.run([&] { run(*range); });
}

std::optional<SpeedRange> AccelTab::chosenRange()
{
    if (m_page.RadioButtonSpd1->isChecked())
        return SpeedRange{0, 100};
    if (m_page.RadioButtonSpd2->isChecked())
        return SpeedRange{60, 100};
    if (m_page.RadioButtonSpd3->isChecked())
        return SpeedRange{80, 120};
    if (!m_page.RadioButtonSpd4->isChecked())
        return std::nullopt;

    const SpeedRange typed{TypedSpeed(m_page.MaskEditVpocz->text()), TypedSpeed(m_page.MaskEditVkonc->text())};
    switch (CheckTypedRange(typed)) {
    case SpeedRangeError::EndZero:
        m_context.platform.dialogs.message(LoadMessage(SErrSpd0), MessageIcon::Warning, MessageButtons::Ok);
        return std::nullopt;
    case SpeedRangeError::StartNotBelowEnd:
        m_context.platform.dialogs.message(LoadMessage(SErrSpd1), MessageIcon::Information, MessageButtons::Ok);
        return std::nullopt;
    case SpeedRangeError::None: break;
    }
    return typed;
}

void AccelTab::run(const SpeedRange &range)
{
    MainState &state = m_context.state;
    Clock &clock = m_context.platform.clock;
    Tones &tones = m_context.platform.tones;

    state.AccelRunning = true;
    showSpeedAxis(range);
    setRadioButtonsEnabled(false);
    hideResultLabels();
    AccelSeries->attach();
    AccelSeries->setColour(QColor(0xFF, 0x00, 0x00));
    AccelSeries->clear();
    m_page.ChartAccel->replot();
    m_page.ButtonAccelStart->setText(LoadMessage(SStopAccel));

    // Slowing down below the start speed, or to a stop.
    m_page.LabelMsg->setText(range.start > 0 ? LoadMessage(SSlowCar) + QStringLiteral(" ") + kmh(range.start)
                                             : LoadMessage(SStopCar) + QStringLiteral(" !!!"));
    m_page.LabelMsg->show();
    m_page.LabelMsg2->show();
    for (int speed = range.start + kSlowDownSteps; speed > range.start; --speed) {
        clock.pause(kSlowDownStepMs);
        m_page.LabelMsg2->setText(kmh(speed));
        pump();
        if (!state.AccelRunning)
            return;
    }

    // Ready: three short beeps, the prompt to accelerate, the start signal.
    for (int beep = 0; beep < 3; ++beep) {
        tones.beep(kSignalHz, kShortBeepMs);
        clock.pause(kShortBeepGapMs);
    }
    m_page.LabelMsg2->hide();
    m_page.LabelMsg->setText(LoadMessage(SStartCar) + QStringLiteral(" ") + kmh(range.end));
    pump();
    clock.pause(kPromptMs);

    int speed = range.start;
    m_page.LabelMsg->hide();
    m_page.LabelSpeed->show();
    m_page.LabelTime->show();
    pump();
    const std::uint32_t t0 = clock.tickCount();
    tones.beep(kSignalHz, kStartBeepMs);

    // Measuring: the speed rises step by step; each step shows the time at its beginning.
    std::uint32_t stepTick = t0;
    int speedBefore = speed;
    while (speed < range.end) {
        stepTick = clock.tickCount();
        speedBefore = speed;
        speed = NextAccelSpeed(speed);
        clock.pause(kMeasureStepMs);
        m_page.LabelSpeed->setText(kmh(speed));
        appendSpeed(speed);
        m_page.LabelTime->setText(AccelTimeText(stepTick - t0));
        pump();
        if (!state.AccelRunning)
            return;
    }

    const std::uint32_t now = clock.tickCount();
    const QString result = AccelTimeText(AccelCrossingElapsed(t0, stepTick, now, range.end, speedBefore, speed));
    tones.beep(kSignalHz, kEndBeepMs);
    m_page.LabelTime->hide();
    m_page.LabelSpeed->hide();
    m_page.LabelSpeedResult1->setText(QString::number(range.start) + QStringLiteral(" - ") + kmh(range.end));
    m_page.LabelSpeedResult1->show();
    m_page.LabelSpeedResult2->setText(result);
    m_page.LabelSpeedResult2->show();
    pump();

    state.AccelRunning = false;
    m_page.ButtonAccelStart->setText(LoadMessage(SStartAccel));
    hideRunLabels();
    setRadioButtonsEnabled(true);
}

void AccelTab::cancel()
{
    m_context.state.AccelRunning = false;
    m_page.ButtonAccelStart->setText(LoadMessage(SStartAccel));
    hideRunLabels();
    hideResultLabels();
    setRadioButtonsEnabled(true);
}

void AccelTab::setRadioButtonsEnabled(bool enabled)
{
    for (QRadioButton *button :
         {m_page.RadioButtonSpd1, m_page.RadioButtonSpd2, m_page.RadioButtonSpd3, m_page.RadioButtonSpd4})
        button->setEnabled(enabled);
}

void AccelTab::showSpeedAxis(const SpeedRange &range)
{
    m_page.ChartAccel->yAxis->setRange(range.start, range.end);
}

void AccelTab::appendSpeed(int speed)
{
    QCustomPlot *chart = m_page.ChartAccel;
    const int index = AccelSeries->count();
    AccelSeries->append(index, speed);
    // The speed axis stays fixed; the steps fill the width whatever their number.
    chart->xAxis->setRange(0, std::max(index, 1));
    chart->replot();
}

void AccelTab::pump()
{
    m_context.platform.clock.processEvents();
}
