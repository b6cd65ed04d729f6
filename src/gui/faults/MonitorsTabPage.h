#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class StringGrid;

// The "Monitory" tab: readiness of the continuous and the non-continuous monitors. Layout
// only; the monitor handlers fill and empty the status columns.
class MonitorsTabPage : public QWidget {
    Q_OBJECT
public:
    explicit MonitorsTabPage(QWidget *parent = nullptr);

    // The columns of both monitor grids: the monitor's name, its status and whether it is active.
    enum Column : int { MonitorColumn, StatusColumn, ActiveColumn, ColumnCount };

    QGroupBox *GroupBoxMonitors = nullptr;
    // The box named "NonCont" frames the continuous monitors and the one named "Cont" the
    // non-continuous ones; the names are kept as the layout has them.
    QGroupBox *GroupBoxMonitorNonCont = nullptr;
    StringGrid *StringGridMonitorCont = nullptr;
    QGroupBox *GroupBoxMonitorCont = nullptr;
    StringGrid *StringGridMonitorNonCont = nullptr;
    QPushButton *ButtonMonitorRead = nullptr;
};
