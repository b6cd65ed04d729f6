#pragma once

#include "core/livedata/SensorLog.h"
#include "core/livedata/SensorPassPlan.h"
#include "core/state/ReentryGuard.h"

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <vector>

class SensorCheckColumn;
class SensorGridCursor;
class SensorsTabPage;
struct TabContext;

// The behaviour of the "Czujniki" tab: the check-box column of the sensor grid, the selection
// buttons, the live acquisition loop started and stopped by one button, and the sensor log.
class SensorsTab final : public QObject {
    Q_OBJECT
public:
    SensorsTab(TabContext &context, SensorsTabPage &page);
    ~SensorsTab() override;

    void ButtonStartClick();
    void ButtonLogToFileClick();
    void ButtonSelectAllClick();
    void ButtonDeselectAllClick();
    void ButtonInvertClick();
    void ButtonResetSupportedClick();

    // Shows pid in a data row: its number, description and unit; the row's check box stands for it.
    void showRowPid(int row, std::uint8_t pid);
    // The PID a data row shows, 0 for none.
    std::uint8_t rowPid(int row) const;

    // The selection state of the PID shown in a grid row.
    bool GetCheckState(int row) const;
    void SetCheckState(int column, int row, bool state);
    struct CheckBoxHit {
        bool hit = false;
        int column = -1;
        int row = -1;
    };
    // Whether a point of the grid's viewport lies in the check box of a data row's first cell.
    CheckBoxHit PtInCheckBox(QPoint point) const;
    void StringGridSensorsMouseDown(QPoint point);
    // Space in the grid: toggles the box of the current row, where the row shows one.
    void StringGridSensorsSpace();

    void ResetSensorGrid();
    void CloseSensorLog();

    const SensorLog &log() const { return m_log; }
    // The painter of the check-box column, which knows what each row's box shows on screen.
    const SensorCheckColumn &checkColumn() const { return *m_checkColumn; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runPass();
    void pump();
    bool forceMode() const;
    // Empties the columns first..last of a data row; the row shows no PID afterwards when they
    // include the PID's.
    void clearRow(int row, int first, int last);
    // Brings the grid on screen up to date with the selection: the cells whose texts changed
    // are repainted by the grid already; here the check boxes whose state changed are.
    void invalidateGrid();
    void openSensorLog();
    void setSelectionControlsEnabled(bool enabled);
    void endLogLine();
    // Tells screen readers that the box of a data row changed.
    void announceCheckState(int column, int row);

    TabContext &m_context;
    SensorsTabPage &m_page;
    SensorLog m_log;
    QObject *m_grid = nullptr;
    QObject *m_gridViewport = nullptr;
    SensorGridCursor *m_cursor = nullptr;
    SensorCheckColumn *m_checkColumn = nullptr;
    // Gives the grid lastRow data rows: more when a car announces PIDs past 0x4E, back to the
    // usual number afterwards.
    void fitRows(int lastRow);

    // The PID each data row shows (index: the row), 0 for none; the grid shows the same as text.
    std::vector<std::uint8_t> m_rowPids = std::vector<std::uint8_t>(SensorPassPlan::kLastRow + 1);
    ReentryGuard m_loop; // one of the live loops counted in BusyCount
};
