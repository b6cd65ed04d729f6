#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class StringGrid;

// The "Sterowniki" tab: the control units that answered, the identity, calibrations and in-use
// performance tracking of the one chosen in the list, the permanent codes of every unit and the
// battery voltage. Layout only; UnitsTab fills it.
class UnitsTabPage : public QWidget {
    Q_OBJECT
public:
    explicit UnitsTabPage(QWidget *parent = nullptr);

    enum CalibrationColumn : int { CalibrationIdColumn, CvnColumn, CalibrationColumnCount };
    enum InUseColumn : int {
        MonitorColumn,
        CompletionsColumn,
        ConditionsColumn,
        RatioColumn,
        NoteColumn,
        InUseColumnCount
    };
    enum PermanentColumn : int { UnitColumn, CodeColumn, DescriptionColumn, PermanentColumnCount };

    QGroupBox *GroupBoxUnitList = nullptr;
    QListWidget *ListBoxUnits = nullptr;
    QGroupBox *GroupBoxBattery = nullptr;
    QLabel *LabelBatteryVoltage = nullptr;
    QPushButton *ButtonBatteryRefresh = nullptr;
    QPushButton *ButtonUnitsRead = nullptr;

    QGroupBox *GroupBoxUnit = nullptr;
    QLabel *LabelUnitName = nullptr;
    QLineEdit *EditUnitName = nullptr;
    QLabel *LabelUnitAddress = nullptr;
    QLineEdit *EditUnitAddress = nullptr;
    QLabel *LabelInfoTypes = nullptr;
    QLineEdit *EditInfoTypes = nullptr;
    QGroupBox *GroupBoxCalibrations = nullptr;
    StringGrid *StringGridCalibrations = nullptr;
    QGroupBox *GroupBoxInUse = nullptr;
    QLabel *LabelInUseCounters = nullptr;
    StringGrid *StringGridInUse = nullptr;
    QGroupBox *GroupBoxPermanent = nullptr;
    StringGrid *StringGridPermanent = nullptr;
};
