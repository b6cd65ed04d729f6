#include "gui/units/UnitsTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/LocaleFacts.h"
#include "core/units/BatteryVoltage.h"
#include "core/units/UnitTexts.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/units/UnitsTabPage.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/StringGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

void setRows(StringGrid *grid, int rows)
{
    grid->setRowCount(0); // every cell empty again
    grid->setRowCount(rows);
}

// A monitor that stands out is written in bold red, and says so in its last column.
void markLow(StringGrid *grid, int row)
{
    for (int column = 0; column < grid->columnCount(); ++column) {
        QTableWidgetItem *cell = grid->item(row - 1, column);
        if (cell == nullptr)
            continue;
        cell->setForeground(Qt::red);
        QFont font = grid->font();
        font.setBold(true);
        cell->setFont(font);
    }
}

} // namespace

UnitsTab::UnitsTab(TabContext &context, UnitsTabPage &page) : QObject(&page), m_context(context), m_page(page)
{
    StringGrid *calibrations = m_page.StringGridCalibrations;
    calibrations->setCells(UnitsTabPage::CalibrationIdColumn, 0, tr("Identyfikator kalibracji (CAL ID)"));
    calibrations->setCells(UnitsTabPage::CvnColumn, 0, tr("CVN"));
    StringGrid *inUse = m_page.StringGridInUse;
    inUse->setCells(UnitsTabPage::MonitorColumn, 0, LoadMessage(SIptMonitor));
    inUse->setCells(UnitsTabPage::CompletionsColumn, 0, LoadMessage(SIptCompletions));
    inUse->setCells(UnitsTabPage::ConditionsColumn, 0, LoadMessage(SIptConditions));
    inUse->setCells(UnitsTabPage::RatioColumn, 0, LoadMessage(SIptRatio));
    inUse->setCells(UnitsTabPage::NoteColumn, 0, tr("Ocena"));
    StringGrid *permanent = m_page.StringGridPermanent;
    permanent->setCells(UnitsTabPage::UnitColumn, 0, tr("Sterownik"));
    permanent->setCells(UnitsTabPage::CodeColumn, 0, LoadMessage(SErrCode));
    permanent->setCells(UnitsTabPage::DescriptionColumn, 0, LoadMessage(SDesc));

    connect(m_page.ButtonUnitsRead, &QPushButton::clicked, this, &UnitsTab::ButtonUnitsReadClick);
    connect(m_page.ButtonBatteryRefresh, &QPushButton::clicked, this, &UnitsTab::ButtonBatteryRefreshClick);
    connect(m_page.ListBoxUnits, &QListWidget::currentRowChanged, this, &UnitsTab::showUnit);
}

void UnitsTab::ButtonUnitsReadClick()
{
    const BusyCursor busy(m_page.ButtonUnitsRead);
    ControlUnitsReading reading = ReadControlUnits(*m_context.state.Vehicle);
    ResetUnitsTab();
    if (!reading.ok) {
        m_context.platform.dialogs.message(tr("Nie udało się odczytać danych sterowników.") + QStringLiteral("\r\n")
                                               + reading.failure,
                                           MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    m_reading = std::move(reading);
    m_page.LabelBatteryVoltage->setText(
        BatteryVoltageText(m_reading.batteryVolts, m_context.platform.locale.decimalSeparator()));
    for (const ControlUnit &unit : m_reading.units)
        m_page.ListBoxUnits->addItem(UnitTitle(unit));
    showPermanentCodes();
    if (!m_reading.units.empty())
        m_page.ListBoxUnits->setCurrentRow(0);
}

void UnitsTab::ButtonBatteryRefreshClick()
{
    const BusyCursor busy(m_page.ButtonBatteryRefresh);
    m_reading.batteryVolts = m_context.state.Vehicle->ReadBatteryVoltage();
    m_page.LabelBatteryVoltage->setText(
        BatteryVoltageText(m_reading.batteryVolts, m_context.platform.locale.decimalSeparator()));
}

void UnitsTab::showUnit(int row)
{
    clearUnit();
    if (row < 0 || row >= int(m_reading.units.size()))
        return;
    const ControlUnit &unit = m_reading.units[std::size_t(row)];
    m_page.EditUnitName->setText(UnitNameText(unit));
    m_page.EditUnitAddress->setText(unit.addressText);
    m_page.EditInfoTypes->setText(InfoTypesText(unit));

    const std::vector<CalibrationRow> calibrations = CalibrationRows(unit);
    StringGrid *calibrationGrid = m_page.StringGridCalibrations;
    setRows(calibrationGrid, int(calibrations.size()));
    for (std::size_t i = 0; i < calibrations.size(); ++i) {
        calibrationGrid->setCells(UnitsTabPage::CalibrationIdColumn, int(i) + 1, calibrations[i].id);
        calibrationGrid->setCells(UnitsTabPage::CvnColumn, int(i) + 1, calibrations[i].cvn);
    }

    m_page.LabelInUseCounters->setText(InUseCountersText(unit));
    const std::vector<InUseRow> monitors = InUseRows(unit, m_context.platform.locale.decimalSeparator());
    StringGrid *inUse = m_page.StringGridInUse;
    setRows(inUse, int(monitors.size()));
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const int gridRow = int(i) + 1;
        const InUseRow &monitor = monitors[i];
        inUse->setCells(UnitsTabPage::MonitorColumn, gridRow, monitor.monitor);
        inUse->setCells(UnitsTabPage::CompletionsColumn, gridRow, monitor.completions);
        inUse->setCells(UnitsTabPage::ConditionsColumn, gridRow, monitor.conditions);
        inUse->setCells(UnitsTabPage::RatioColumn, gridRow, monitor.ratio);
        inUse->setCells(UnitsTabPage::NoteColumn, gridRow, monitor.note);
        if (!monitor.note.isEmpty())
            markLow(inUse, gridRow);
    }
}

void UnitsTab::showPermanentCodes()
{
    struct Line {
        QString unit;
        PermanentCodeRow row;
    };
    std::vector<Line> lines;
    for (const ControlUnit &unit : m_reading.units)
        for (const PermanentCodeRow &row : PermanentCodeRows(m_reading, unit, m_context.state.Vehicle->CodeOrigin()))
            lines.push_back({unit.addressText, row});
    StringGrid *grid = m_page.StringGridPermanent;
    setRows(grid, int(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        grid->setCells(UnitsTabPage::UnitColumn, int(i) + 1, lines[i].unit);
        grid->setCells(UnitsTabPage::CodeColumn, int(i) + 1, lines[i].row.code);
        grid->setCells(UnitsTabPage::DescriptionColumn, int(i) + 1, lines[i].row.description);
    }
}

void UnitsTab::clearUnit()
{
    for (QLineEdit *edit : {m_page.EditUnitName, m_page.EditUnitAddress, m_page.EditInfoTypes})
        edit->clear();
    m_page.LabelInUseCounters->clear();
    setRows(m_page.StringGridCalibrations, 0);
    setRows(m_page.StringGridInUse, 0);
}

void UnitsTab::ResetUnitsTab()
{
    m_reading = {};
    {
        const QSignalBlocker quiet(m_page.ListBoxUnits);
        m_page.ListBoxUnits->clear();
    }
    clearUnit();
    setRows(m_page.StringGridPermanent, 0);
    ShowConnectionBattery();
}

void UnitsTab::ShowConnectionBattery()
{
    const std::optional<double> &volts = m_context.state.BatteryVolts;
    if (volts)
        m_page.LabelBatteryVoltage->setText(BatteryVoltageText(volts, m_context.platform.locale.decimalSeparator()));
    else
        m_page.LabelBatteryVoltage->clear();
}
