#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class StringGrid;

// The "Testy monitorów" tab: the results of the tests the car's units run on themselves, with
// their limits, and the misfire counts cylinder by cylinder. Layout only; MonitorTestsTab fills it.
class MonitorTestsTabPage : public QWidget {
    Q_OBJECT
public:
    explicit MonitorTestsTabPage(QWidget *parent = nullptr);

    // The columns of the results: the unit (shown when several units report), the monitor, the
    // test, the value, its limits, their unit and whether the test passed.
    enum Column : int {
        UnitColumn,
        MonitorColumn,
        TestColumn,
        ValueColumn,
        MinimumColumn,
        MaximumColumn,
        MeasureColumn,
        ResultColumn,
        ColumnCount
    };
    // The rows of the misfire counts, below the row of the cylinders.
    enum MisfireRow : int { CylinderRow, AverageRow, LastCycleRow, MisfireRowCount };

    QGroupBox *GroupBoxMonitorTests = nullptr;
    StringGrid *StringGridMonitorTests = nullptr;
    QLabel *LabelMonitorTestsNote = nullptr; // what the car kept back, or how its protocol reports
    QGroupBox *GroupBoxMisfire = nullptr;
    StringGrid *StringGridMisfire = nullptr;
    QPushButton *ButtonMonitorTestsRead = nullptr;
};
