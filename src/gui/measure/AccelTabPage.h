#pragma once

#include <QWidget>

class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Przyspieszenie" tab: the speed chart, the large prompt and result labels, the choice of
// the speed range and the start button. Layout only; the acceleration handlers drive it.
class AccelTabPage : public QWidget {
    Q_OBJECT
public:
    explicit AccelTabPage(QWidget *parent = nullptr);

    QGroupBox *GroupBox2 = nullptr;
    QCustomPlot *ChartAccel = nullptr;

    // The six labels lie over one another; each phase of a test shows its own.
    QGroupBox *GroupBox3 = nullptr;
    QLabel *LabelMsg = nullptr;
    QLabel *LabelMsg2 = nullptr;
    QLabel *LabelSpeed = nullptr;
    QLabel *LabelTime = nullptr;
    QLabel *LabelSpeedResult1 = nullptr;
    QLabel *LabelSpeedResult2 = nullptr;

    QGroupBox *RadioGroupAccel = nullptr;
    QRadioButton *RadioButtonSpd1 = nullptr;
    QRadioButton *RadioButtonSpd2 = nullptr;
    QRadioButton *RadioButtonSpd3 = nullptr;
    QRadioButton *RadioButtonSpd4 = nullptr;
    QLineEdit *MaskEditVpocz = nullptr;
    QLineEdit *MaskEditVkonc = nullptr;

    QPushButton *ButtonAccelStart = nullptr;
};
