#include "gui/monitortests/MonitorTestsTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/monitortests/MisfireCounts.h"
#include "core/monitortests/MonitorTestTexts.h"
#include "core/monitortests/ReadMonitorTests.h"
#include "core/platform/LocaleFacts.h"
#include "gui/monitortests/MonitorTestsTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/StringGrid.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

using Page = MonitorTestsTabPage;

constexpr int kResultRows = 13;
constexpr int kCylinderWidth = 44;

// A test out of its limits is written in red, besides saying so.
QColor outOfRangeColour()
{
    return QColor(0xB0, 0x00, 0x00);
}

// Column 0 of the misfire counts: what each row counts.
void nameMisfireRows(StringGrid *grid)
{
    grid->setColumnCount(1);
    grid->setCells(0, Page::CylinderRow, MonitorTestsTab::tr("Cylinder"));
    grid->setCells(0, Page::AverageRow, MonitorTestsTab::tr("Średnio (10 cykli)"));
    grid->setCells(0, Page::LastCycleRow, MonitorTestsTab::tr("Ostatni cykl"));
}

} // namespace

MonitorTestsTab::MonitorTestsTab(TabContext &context, MonitorTestsTabPage &page)
    : QObject(&page), m_context(context), m_page(page)
{
    const QString headers[Page::ColumnCount] = {tr("Sterownik"), tr("Monitor"), tr("Test"),      tr("Wartość"),
                                                tr("Min."),      tr("Maks."),   tr("Jednostka"), tr("Wynik")};
    for (int column = 0; column < Page::ColumnCount; ++column)
        m_page.StringGridMonitorTests->setCells(column, 0, headers[column]);
    ResetMonitorTestsTab();
    connect(m_page.ButtonMonitorTestsRead, &QPushButton::clicked, this, &MonitorTestsTab::ButtonMonitorTestsReadClick);
}

void MonitorTestsTab::ButtonMonitorTestsReadClick()
{
    const BusyCursor busy(m_page.ButtonMonitorTestsRead);
    m_page.ButtonMonitorTestsRead->setEnabled(false);
    const MonitorTestsRead read = ReadMonitorTests(*m_context.state.Vehicle);
    m_page.ButtonMonitorTestsRead->setEnabled(true);
    if (!read.ok) {
        // Nothing of a read that failed is shown, and the operator is told why.
        ResetMonitorTestsTab();
        m_context.platform.dialogs.message(LoadMessage(SMonTestsReadFailed)
                                               + (read.failure.isEmpty() ? QString()
                                                                         : QStringLiteral("\r\n") + read.failure),
                                           MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    showResults(read);
    showMisfires(read);
}

void MonitorTestsTab::ResetMonitorTestsTab()
{
    StringGrid *grid = m_page.StringGridMonitorTests;
    grid->setRowCount(kResultRows);
    grid->clearDataRows(0, Page::ColumnCount - 1);
    grid->setColumnHidden(Page::UnitColumn, true);
    m_page.LabelMonitorTestsNote->clear();
    nameMisfireRows(m_page.StringGridMisfire);
}

void MonitorTestsTab::showResults(const MonitorTestsRead &read)
{
    StringGrid *grid = m_page.StringGridMonitorTests;
    int count = 0;
    int reporting = 0;
    QStringList notes;
    for (const UnitMonitorTests &unit : read.units) {
        count += int(unit.records.size());
        reporting += unit.records.empty() ? 0 : 1;
        notes << unit.problems;
    }
    grid->setRowCount(std::max(kResultRows, count));
    grid->clearDataRows(0, Page::ColumnCount - 1);
    // The unit is named where more than one unit reports.
    grid->setColumnHidden(Page::UnitColumn, reporting < 2);

    int row = 1;
    const QChar separator = m_context.platform.locale.decimalSeparator();
    for (const UnitMonitorTests &unit : read.units) {
        for (const MonitorTestRecord &record : unit.records) {
            const MonitorTestTexts texts = TextsOf(record, separator);
            const QString cells[Page::ColumnCount] = {unit.name,     texts.monitor, texts.test, texts.value,
                                                      texts.minimum, texts.maximum, texts.unit, texts.result};
            for (int column = 0; column < Page::ColumnCount; ++column)
                grid->setCells(column, row, cells[column]);
            QTableWidgetItem *result = grid->item(row - 1, Page::ResultColumn);
            result->setData(Qt::ForegroundRole, record.passed() ? QVariant() : QVariant(outOfRangeColour()));
            ++row;
        }
    }

    if (count == 0)
        notes.prepend(LoadMessage(SMonTestsNone));
    else if (!read.can)
        notes.prepend(LoadMessage(SMonTestsLegacy));
    m_page.LabelMonitorTestsNote->setText(notes.join(QStringLiteral("\n")));
}

void MonitorTestsTab::showMisfires(const MonitorTestsRead &read)
{
    StringGrid *grid = m_page.StringGridMisfire;
    nameMisfireRows(grid);
    // The engine's counts: those of the first unit that counts misfires.
    std::vector<MisfireColumn> columns;
    for (const UnitMonitorTests &unit : read.units) {
        columns = MisfireCounts(unit.records);
        if (!columns.empty())
            break;
    }
    grid->setColumnCount(1 + int(columns.size()));
    const QChar separator = m_context.platform.locale.decimalSeparator();
    auto count = [separator](const std::optional<MonitorTestRecord> &record) {
        return record ? NumberText(*record, record->value, separator) : QStringLiteral("-");
    };
    int at = 1;
    for (const MisfireColumn &column : columns) {
        grid->setHorizontalHeaderItem(at, new QTableWidgetItem);
        grid->setColumnWidth(at, kCylinderWidth);
        grid->setCells(at, Page::CylinderRow, column.cylinder == 0 ? tr("Razem") : QString::number(column.cylinder));
        grid->setCells(at, Page::AverageRow, count(column.average));
        grid->setCells(at, Page::LastCycleRow, count(column.lastCycle));
        ++at;
    }
}
