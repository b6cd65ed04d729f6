#include "gui/measure/DynoTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/measure/DynoRun.h"
#include "core/measure/NumberParsing.h"
#include "core/platform/Clock.h"
#include "core/platform/LocaleFacts.h"
#include "core/platform/Tones.h"
#include "gui/measure/ChartSeries.h"
#include "gui/measure/DynoTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

#include <qcustomplot.h>

namespace {

// A result shows from its first digit; one that reached the integer range is no measurement
// and shows the over-range mark instead of digits that look plausible.
void showResult(QLineEdit *field, int value)
{
    const bool overRange = value == std::numeric_limits<int>::max() || value == std::numeric_limits<int>::min();
    field->setText(overRange ? QStringLiteral("####") : QString::number(value));
    field->setCursorPosition(0);
}

constexpr int kSignalHz = 1000;
constexpr int kStartBeepMs = 200;
constexpr int kEndBeepMs = 1000;
constexpr int kSamplePauseMs = 200;
// Room above the highest value, so that the maxima's markers stay inside the chart.
constexpr double kValueHeadroom = 1.1;

const QColor kPowerColour(0xFF, 0x00, 0x00);
const QColor kTorqueColour(0x00, 0xFF, 0x00);

} // namespace

DynoTab::DynoTab(TabContext &context, DynoTabPage &page)
    : QObject(&page),
      DynoPowerLine(std::make_unique<ChartSeries>(*page.ChartDyno, ChartSeries::Kind::Line)),
      DynoPowerPeak(std::make_unique<ChartSeries>(*page.ChartDyno, ChartSeries::Kind::Points)),
      DynoTorqueLine(std::make_unique<ChartSeries>(*page.ChartDyno, ChartSeries::Kind::Line)),
      DynoTorquePeak(std::make_unique<ChartSeries>(*page.ChartDyno, ChartSeries::Kind::Points)),
      m_context(context),
      m_page(page)
{
    for (QLineEdit *edit : {m_page.EditDyno_B, m_page.EditDyno_H, m_page.EditDyno_h1})
        connect(edit, &QLineEdit::textChanged, this, &DynoTab::EditDyno_FChange);
    connect(m_page.ButtonDynoReset, &QPushButton::clicked, this, &DynoTab::ButtonDynoResetClick);
    connect(m_page.ButtonStartDyno, &QPushButton::clicked, this, &DynoTab::ButtonStartDynoClick);
}

DynoTab::~DynoTab() = default;

std::array<ChartSeries *, 4> DynoTab::allSeries() const
{
    return {DynoPowerLine.get(), DynoPowerPeak.get(), DynoTorqueLine.get(), DynoTorquePeak.get()};
}

QString DynoTab::general(double value) const
{
    return GeneralFormat(value, m_context.platform.locale.decimalSeparator());
}

void DynoTab::EditDyno_FChange()
{
    m_page.EditDyno_F->setText(
        general(ComputeFrontalArea(m_page.EditDyno_H->text(), m_page.EditDyno_h1->text(), m_page.EditDyno_B->text())));
}

void DynoTab::ButtonDynoResetClick()
{
    SetDynoDefaults();
}

void DynoTab::SetDynoDefaults()
{
    using D = DynoDefaultValues;
    const std::pair<QLineEdit *, double> defaults[] = {
        {m_page.EditDyno_f1, D::f},         {m_page.EditDyno_eta, D::eta},     {m_page.EditDyno_delta, D::delta},
        {m_page.EditDyno_G, D::G},          {m_page.EditDyno_i_epsilon, D::i}, {m_page.EditDyno_Cx, D::Cx},
        {m_page.EditDyno_r_stat, D::rStat}, {m_page.EditDyno_F, D::F},         {m_page.EditDyno_B, D::B},
        {m_page.EditDyno_H, D::H},          {m_page.EditDyno_h1, D::h1},
    };
    for (const auto &[edit, value] : defaults)
        edit->setText(general(value));
    clearResults();
    clearSeries();
}

std::optional<DynoParameters> DynoTab::validateParameters()
{
    EditDyno_FChange();
    const std::array<QString, 8> texts{m_page.EditDyno_G->text(),   m_page.EditDyno_i_epsilon->text(),
                                       m_page.EditDyno_Cx->text(),  m_page.EditDyno_r_stat->text(),
                                       m_page.EditDyno_F->text(),   m_page.EditDyno_f1->text(),
                                       m_page.EditDyno_eta->text(), m_page.EditDyno_delta->text()};
    const auto result = ValidateDynoParameters(texts, m_context.platform.locale.decimalSeparator());
    if (const auto *parameters = std::get_if<DynoParameters>(&result))
        return *parameters;
    const std::uint16_t message =
        std::get<DynoParameterError>(result) == DynoParameterError::NotANumber ? DErrNum : DErrParam;
    m_context.platform.dialogs.message(LoadMessage(message), MessageIcon::Error, MessageButtons::Ok);
    return std::nullopt;
}

void DynoTab::ButtonStartDynoClick()
{
    if (m_context.state.DynoRunning) {
        cancel();
        return;
    }
    if (const std::optional<DynoParameters> parameters = validateParameters())
        run(*parameters);
}

void DynoTab::run(const DynoParameters &parameters)
{
    MainState &state = m_context.state;
    Clock &clock = m_context.platform.clock;

    state.DynoRunning = true;
    for (ChartSeries *series : allSeries()) {
        series->attach();
        series->clear();
    }
    DynoPowerLine->setColour(kPowerColour);
    DynoPowerPeak->setColour(kPowerColour);
    DynoTorqueLine->setColour(kTorqueColour);
    DynoTorquePeak->setColour(kTorqueColour);
    DynoPowerPeak->setTriangleMarker();
    DynoTorquePeak->setTriangleMarker();
    repaint();

    setParameterFieldsEnabled(false);
    showRunDisplay(true);
    m_page.ButtonStartDyno->setText(LoadMessage(SStopAccel));

    DynoSampler sampler(DynoCoefficients::of(parameters));
    m_context.platform.tones.beep(kSignalHz, kStartBeepMs);

    DynoSample sample;
    do {
        const std::uint32_t tick = clock.tickCount();
        clock.pause(kSamplePauseMs);
        sample = sampler.next(tick);
        if (sample.computed) {
            showResult(m_page.EditDyno_Moc, sampler.Pmax());
            showResult(m_page.EditDyno_Moc_RPM, sampler.nPmax());
            showResult(m_page.EditDyno_Moment, sampler.Tmax());
            showResult(m_page.EditDyno_Moment_RPM, sampler.nTmax());
            m_page.LabelRPM->setText(QString::number(sample.nAvg));
            DynoPowerLine->append(sample.nAvg, sample.P);
            DynoTorqueLine->append(sample.nAvg, sample.T);
            repaint();
        }
        clock.processEvents();
        if (!state.DynoRunning)
            return;
    } while (sample.rising);

    DynoPowerPeak->append(sampler.nPmax(), sampler.Pmax());
    DynoTorquePeak->append(sampler.nTmax(), sampler.Tmax());
    repaint();
    m_context.platform.tones.beep(kSignalHz, kEndBeepMs);
    clock.processEvents();

    state.DynoRunning = false;
    m_page.ButtonStartDyno->setText(LoadMessage(SStartAccel));
    setParameterFieldsEnabled(true);
    showRunDisplay(false);
}

void DynoTab::cancel()
{
    m_context.state.DynoRunning = false;
    m_page.ButtonStartDyno->setText(LoadMessage(SStartAccel));
    setParameterFieldsEnabled(true);
    clearResults();
    showRunDisplay(false);
}

void DynoTab::ResetDynoTab()
{
    clearSeries();
    clearResults();
    m_page.LabelRPM->hide();
    m_page.LabelRPMCap->hide();
}

void DynoTab::setParameterFieldsEnabled(bool enabled)
{
    for (QLineEdit *edit :
         {m_page.EditDyno_G, m_page.EditDyno_i_epsilon, m_page.EditDyno_Cx, m_page.EditDyno_r_stat, m_page.EditDyno_B,
          m_page.EditDyno_H, m_page.EditDyno_h1, m_page.EditDyno_f1, m_page.EditDyno_eta, m_page.EditDyno_delta})
        edit->setEnabled(enabled);
}

void DynoTab::showRunDisplay(bool running)
{
    m_page.LabelRPM->setVisible(running);
    m_page.LabelRPMCap->setVisible(running);
    m_page.ButtonDynoReset->setVisible(!running);
}

void DynoTab::clearResults()
{
    for (QLineEdit *edit :
         {m_page.EditDyno_Moment, m_page.EditDyno_Moment_RPM, m_page.EditDyno_Moc, m_page.EditDyno_Moc_RPM})
        edit->clear();
}

void DynoTab::clearSeries()
{
    for (ChartSeries *series : allSeries())
        series->clear();
    m_page.ChartDyno->replot();
}

void DynoTab::repaint()
{
    // Both axes start at 0; their far ends follow the curves.
    QCustomPlot *chart = m_page.ChartDyno;
    if (DynoPowerLine->count() + DynoTorqueLine->count() > 0) {
        chart->rescaleAxes(true);
        chart->xAxis->setRange(0, std::max(chart->xAxis->range().upper, 1.0));
        chart->yAxis->setRange(0, std::max(chart->yAxis->range().upper * kValueHeadroom, 1.0));
    }
    chart->replot();
}
