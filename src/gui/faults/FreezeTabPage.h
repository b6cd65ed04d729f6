#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class StringGrid;

// The "Zamrożone ramki" tab: the code that froze the frame, its description and the grid of
// the parameters stored with it. Layout only; the freeze-frame handlers fill and empty it.
class FreezeTabPage : public QWidget {
    Q_OBJECT
public:
    explicit FreezeTabPage(QWidget *parent = nullptr);

    // The columns of StringGridFreezeParams.
    enum Column : int { PidColumn, DescriptionColumn, UnitColumn, ValueColumn, ColumnCount };

    QGroupBox *GroupBoxFreezeFrame = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *LabeledEditDTCCode = nullptr;
    QLineEdit *LabeledEditDTCDesc = nullptr;
    QPushButton *ButtonFreezeRead = nullptr;

    QGroupBox *GroupBoxFreezeParam = nullptr;
    StringGrid *StringGridFreezeParams = nullptr;
};
