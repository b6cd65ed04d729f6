#include "gui/livedata/SensorsTab.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/PassPidReads.h"
#include "core/livedata/SensorPassPlan.h"
#include "core/livedata/SensorTable.h"
#include "core/platform/Clock.h"
#include "core/text/HexByte.h"
#include "gui/livedata/SensorCheckCell.h"
#include "gui/livedata/SensorCheckColumn.h"
#include "gui/livedata/SensorGridCell.h"
#include "gui/livedata/SensorGridCursor.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/StringGrid.h"

#include <QAccessible>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace {

using Page = SensorsTabPage;

constexpr int kIdlePauseMs = 100;

} // namespace

SensorsTab::SensorsTab(TabContext &context, SensorsTabPage &page)
    : QObject(&page), m_context(context), m_page(page), m_loop(&context.state.BusyCount)
{
    StringGrid *grid = m_page.StringGridSensors;
    // The check-box column and the reading mark have no header.
    grid->setCells(Page::PidColumn, 0, LoadMessage(SPID));
    grid->setCells(Page::DescriptionColumn, 0, LoadMessage(SSensor));
    grid->setCells(Page::UnitColumn, 0, LoadMessage(SMeasure));
    grid->setCells(Page::ValueColumn, 0, LoadMessage(SValue));
    // The cursor's filter, installed after the tab's, sees each key before the tab takes Space.
    m_grid = grid;
    m_grid->installEventFilter(this);
    m_gridViewport = grid->viewport();
    m_gridViewport->installEventFilter(this);
    m_cursor = new SensorGridCursor(*grid);
    grid->setItemDelegate(new SensorGridCell(*m_cursor, grid));
    m_checkColumn = new SensorCheckColumn([this](int row) { return GetCheckState(row); },
                                          [this](int row) { return rowPid(row) > 0; }, *m_cursor, grid);
    grid->setItemDelegateForColumn(Page::CheckColumn, m_checkColumn);
    for (int row = 1; row < grid->rowCountWithHeader(); ++row)
        grid->setItem(row - 1, Page::CheckColumn, new SensorCheckCell(*this, row));

    connect(m_page.ButtonStart, &QPushButton::clicked, this, &SensorsTab::ButtonStartClick);
    connect(m_page.ButtonLogToFile, &QPushButton::clicked, this, &SensorsTab::ButtonLogToFileClick);
    connect(m_page.ButtonSelectAll, &QPushButton::clicked, this, &SensorsTab::ButtonSelectAllClick);
    connect(m_page.ButtonDeselectAll, &QPushButton::clicked, this, &SensorsTab::ButtonDeselectAllClick);
    connect(m_page.ButtonInvert, &QPushButton::clicked, this, &SensorsTab::ButtonInvertClick);
    connect(m_page.ButtonResetSupported, &QPushButton::clicked, this, &SensorsTab::ButtonResetSupportedClick);
}

SensorsTab::~SensorsTab()
{
    m_log.close();
}

bool SensorsTab::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: while the page is torn down its grid must not be touched.
    // Every press toggles, also the second one of a quick double click, which Qt delivers as a
    // double-click event instead of a press.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched == m_gridViewport) {
        StringGridSensorsMouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
        return false;
    }
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            StringGridSensorsSpace();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::uint8_t SensorsTab::rowPid(int row) const
{
    return row >= 1 && row < int(m_rowPids.size()) ? m_rowPids[std::size_t(row)] : 0;
}

void SensorsTab::showRowPid(int row, std::uint8_t pid)
{
    StringGrid *grid = m_page.StringGridSensors;
    grid->setCells(Page::PidColumn, row, HexByte(std::uint8_t(pid)));
    grid->setCells(Page::DescriptionColumn, row, LivePidDescription(pid));
    grid->setCells(Page::UnitColumn, row, LivePidUnit(pid));
    if (row >= 1 && row < int(m_rowPids.size()))
        m_rowPids[std::size_t(row)] = pid;
}

void SensorsTab::clearRow(int row, int first, int last)
{
    for (int column = first; column <= last; ++column)
        m_page.StringGridSensors->setCells(column, row, QString());
    if (first <= Page::PidColumn && Page::PidColumn <= last && row >= 1 && row < int(m_rowPids.size()))
        m_rowPids[std::size_t(row)] = 0;
}

bool SensorsTab::GetCheckState(int row) const
{
    return m_context.state.Selection.IsSelected(rowPid(row));
}

void SensorsTab::SetCheckState(int column, int row, bool state)
{
    if (m_context.state.SensorLogActive)
        return;
    m_context.state.Selection.SetSelected(rowPid(row), state);
    StringGrid *grid = m_page.StringGridSensors;
    if (row >= 1) {
        grid->viewport()->update(grid->visualRect(grid->model()->index(row - 1, column)));
        announceCheckState(column, row);
    }
}

void SensorsTab::announceCheckState(int column, int row)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(m_page.StringGridSensors);
    QAccessibleTableInterface *cells = table != nullptr ? table->tableInterface() : nullptr;
    QAccessibleInterface *cell = cells != nullptr ? cells->cellAt(row - 1, column) : nullptr;
    if (cell == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

SensorsTab::CheckBoxHit SensorsTab::PtInCheckBox(QPoint point) const
{
    StringGrid *grid = m_page.StringGridSensors;
    const QModelIndex index = grid->indexAt(point);
    if (!index.isValid())
        return {};
    CheckBoxHit hit;
    hit.column = index.column();
    hit.row = index.row() + 1;
    const int gridLine = grid->showGrid() ? 1 : 0;
    const QRect box = SensorCheckColumn::boxRect(grid->visualRect(index).adjusted(0, 0, -gridLine, -gridLine), grid);
    hit.hit = box.contains(point) && hit.column == Page::CheckColumn && hit.row >= 1;
    return hit;
}

void SensorsTab::StringGridSensorsMouseDown(QPoint point)
{
    const CheckBoxHit hit = PtInCheckBox(point);
    if (hit.hit && rowPid(hit.row) > 0)
        SetCheckState(hit.column, hit.row, !GetCheckState(hit.row));
}

void SensorsTab::StringGridSensorsSpace()
{
    const QModelIndex current = m_page.StringGridSensors->currentIndex();
    const int row = current.row() + 1;
    if (current.isValid() && rowPid(row) > 0)
        SetCheckState(Page::CheckColumn, row, !GetCheckState(row));
}

void SensorsTab::ButtonSelectAllClick()
{
    m_context.state.Selection.SelectAll();
}

void SensorsTab::ButtonDeselectAllClick()
{
    m_context.state.Selection.DeselectAll();
}

void SensorsTab::ButtonInvertClick()
{
    m_context.state.Selection.InvertSelection();
}

void SensorsTab::ButtonResetSupportedClick()
{
    m_context.state.Selection.ClearUndisplayablePids(true);
}

void SensorsTab::ResetSensorGrid()
{
    fitRows(SensorPassPlan::kLastRow);
    m_page.StringGridSensors->clearDataRows(Page::CheckColumn, Page::ValueColumn);
    std::fill(m_rowPids.begin(), m_rowPids.end(), 0);
}

void SensorsTab::fitRows(int lastRow)
{
    StringGrid *grid = m_page.StringGridSensors;
    if (grid->rowCount() == lastRow)
        return;
    grid->setRowCount(lastRow);
    m_rowPids.resize(std::size_t(lastRow) + 1);
}

void SensorsTab::pump()
{
    m_context.platform.clock.processEvents();
}

bool SensorsTab::forceMode() const
{
    return m_page.CheckBoxForceMode->isChecked();
}

void SensorsTab::ButtonStartClick()
{
    MainState &state = m_context.state;
    if (state.SensorsRunning) {
        if (state.SensorLogActive)
            CloseSensorLog();
        m_page.ButtonStart->setText(LoadMessage(SStart));
        m_page.ButtonLogToFile->setEnabled(false);
        state.SensorsRunning = false;
        state.SensorLogActive = false;
        return;
    }

    m_page.ButtonStart->setText(LoadMessage(SStop));
    m_page.ButtonLogToFile->setEnabled(true);
    state.SensorsRunning = true;
    // The loop of an earlier start that is still inside its pass simply goes on.
    m_loop.run([&] {
        DetectSupportedPids(state.Selection, *state.Vehicle);
        while (state.SensorsRunning && state.Connected)
            runPass();

        // Whatever ended the loop (Stop, a change of tab, the connection), nothing is read any
        // more: logging ends with it and cannot be started until the next Start.
        if (state.SensorLogActive)
            CloseSensorLog();
        m_page.ButtonLogToFile->setEnabled(false);
        m_page.ButtonStart->setText(LoadMessage(SStart));
    });
}

void SensorsTab::runPass()
{
    MainState &state = m_context.state;
    SensorSelection &selection = state.Selection;
    StringGrid *grid = m_page.StringGridSensors;
    auto stillRunning = [&state] { return state.SensorsRunning && state.Connected; };

    if (state.SensorLogActive)
        m_log.beginLine(m_context.platform.clock.localNow());

    // The PIDs this pass is about to read, so that the link can ask for several at once; each
    // is still shown, logged and counted in its turn.
    SensorPassPlan plan(selection);
    fitRows(plan.lastRow());
    PassPidReads reads(m_context.pidReader.link, plan.reads(forceMode()));
    const PidQuery query = reads.query();

    while (const std::optional<std::uint8_t> pid = plan.nextRead(forceMode())) {
        const int row = plan.row();
        grid->setCells(Page::ReadingColumn, row, QStringLiteral("****"));
        pump();
        const QString value = FormatPidValue(m_context.pidReader, selection, *pid, CurrentData, query);
        showRowPid(row, *pid);
        grid->setCells(Page::ValueColumn, row, value);
        grid->setCells(Page::ReadingColumn, row, QString());
        pump();
        if (state.SensorLogActive)
            m_log.addValue(*pid, value);
        if (!stillRunning())
            break;
    }
    if (state.SensorLogActive)
        endLogLine();

    if (plan.endReads())
        clearRow(plan.row(), Page::PidColumn, Page::ValueColumn);
    else
        m_context.platform.clock.pause(kIdlePauseMs);

    while (const std::optional<std::uint8_t> pid = plan.nextListed(forceMode())) {
        const int row = plan.row();
        if (rowPid(row) != *pid)
            showRowPid(row, *pid);
        grid->setCells(Page::ValueColumn, row, QString());
    }
    invalidateGrid();
    pump();
    if (plan.listedCount() == 0)
        m_context.platform.clock.pause(kIdlePauseMs);

    for (int row = stillRunning() ? plan.row() + 1 : 1; row <= plan.lastRow(); ++row)
        clearRow(row, Page::CheckColumn, Page::ValueColumn);
    pump();
    invalidateGrid();
}

void SensorsTab::invalidateGrid()
{
    StringGrid *grid = m_page.StringGridSensors;
    for (int row = 1; row < grid->rowCountWithHeader(); ++row)
        if (m_checkColumn->outdated(row))
            grid->viewport()->update(grid->visualRect(grid->model()->index(row - 1, Page::CheckColumn)));
}

void SensorsTab::endLogLine()
{
    if (m_log.endLine())
        return;
    // A line that did not reach the file ends logging, with one message, rather than losing
    // the rest of the run unnoticed.
    CloseSensorLog();
    m_context.platform.dialogs.message(LoadMessage(SFileError), MessageIcon::Error, MessageButtons::Ok);
}

void SensorsTab::setSelectionControlsEnabled(bool enabled)
{
    m_page.ButtonSelectAll->setEnabled(enabled);
    m_page.ButtonDeselectAll->setEnabled(enabled);
    m_page.ButtonInvert->setEnabled(enabled);
    m_page.CheckBoxForceMode->setEnabled(enabled);
    m_page.ButtonResetSupported->setEnabled(enabled);
}

void SensorsTab::ButtonLogToFileClick()
{
    if (m_context.state.SensorLogActive)
        CloseSensorLog();
    else
        openSensorLog();
}

void SensorsTab::openSensorLog()
{
    MainState &state = m_context.state;
    state.SensorLogActive = true;
    setSelectionControlsEnabled(false);
    m_page.CheckBoxForceMode->setChecked(false);
    m_page.ButtonLogToFile->setText(LoadMessage(SLogToFileStop));

    // With force mode off, the PIDs read from now on are the selected, supported ones.
    const std::vector<std::uint8_t> reads = SensorPassPlan(state.Selection).reads(false);
    const QList<std::uint8_t> pids(reads.begin(), reads.end());

    const QString path = SensorLog::newPath(state.Settings.LogDirectory, m_context.platform.clock.localNow());
    const bool opened = m_log.create(m_context.platform.logFiles, path, pids);
    if (!opened) {
        // Nothing could be written: logging does not pretend to run.
        CloseSensorLog();
        m_context.platform.dialogs.message(LoadMessage(SFileError), MessageIcon::Error, MessageButtons::Ok);
    }
}

void SensorsTab::CloseSensorLog()
{
    m_context.state.SensorLogActive = false;
    setSelectionControlsEnabled(true);
    m_page.ButtonLogToFile->setText(LoadMessage(SLogToFileStart));
    m_log.close();
}
