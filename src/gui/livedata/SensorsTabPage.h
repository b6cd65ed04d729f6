#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class StringGrid;

// The "Czujniki" tab: the live sensor grid with its check-box column and, below it, the
// start, logging, selection and detection controls. Layout only; the live-data handlers
// drive it.
class SensorsTabPage : public QWidget {
    Q_OBJECT
public:
    explicit SensorsTabPage(QWidget *parent = nullptr);

    // The columns of StringGridSensors: the check box, the mark of the PID being read, the PID,
    // its description and unit, and its value.
    enum Column : int {
        CheckColumn,
        ReadingColumn,
        PidColumn,
        DescriptionColumn,
        UnitColumn,
        ValueColumn,
        ColumnCount
    };

    QGroupBox *GroupBoxSensors = nullptr;
    StringGrid *StringGridSensors = nullptr;
    QPushButton *ButtonStart = nullptr;
    QPushButton *ButtonLogToFile = nullptr;
    QPushButton *ButtonSelectAll = nullptr;
    QPushButton *ButtonDeselectAll = nullptr;
    QPushButton *ButtonInvert = nullptr;
    QCheckBox *CheckBoxForceMode = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *ButtonResetSupported = nullptr;
};
