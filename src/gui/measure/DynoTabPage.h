#pragma once

#include <QWidget>

class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Hamownia" tab: the power and torque chart, the maxima found by a run, and the vehicle
// parameters with the reset and start buttons. Layout only; the edits are filled with their
// defaults and the run is driven by the dyno handlers.
class DynoTabPage : public QWidget {
    Q_OBJECT
public:
    explicit DynoTabPage(QWidget *parent = nullptr);

    QGroupBox *GroupBox4 = nullptr;
    QCustomPlot *ChartDyno = nullptr;

    QGroupBox *GroupBox8 = nullptr;
    QLabel *LabelDynoMoment = nullptr;
    QLineEdit *EditDyno_Moment = nullptr;
    QLabel *LabelDynoMomentAt = nullptr;
    QLineEdit *EditDyno_Moment_RPM = nullptr;
    QLabel *LabelDynoMomentRpmUnit = nullptr;
    QLabel *LabelDynoMoc = nullptr;
    QLineEdit *EditDyno_Moc = nullptr;
    QLabel *LabelDynoMocAt = nullptr;
    QLineEdit *EditDyno_Moc_RPM = nullptr;
    QLabel *LabelDynoMocRpmUnit = nullptr;

    QGroupBox *GroupBox5 = nullptr;

    // Each parameter: caption, symbol, edit and, where it has one, unit. Symbols and units
    // named RTF… are rich text with sub- or superscripts.
    QGroupBox *GroupBox6 = nullptr;
    QLabel *LabelDyno_G = nullptr;
    QLabel *LabelSymbolG = nullptr;
    QLineEdit *EditDyno_G = nullptr;
    QLabel *LabelUnitG = nullptr;
    QLabel *LabelDyno_i_epsilon = nullptr;
    QLabel *RTFLabelIEpsilon = nullptr;
    QLineEdit *EditDyno_i_epsilon = nullptr;
    QLabel *LabelDyno_Cx = nullptr;
    QLabel *RTFLabelCx = nullptr;
    QLineEdit *EditDyno_Cx = nullptr;
    QLabel *LabelDyno_r_stat = nullptr;
    QLabel *RTFLabelRStat = nullptr;
    QLineEdit *EditDyno_r_stat = nullptr;
    QLabel *LabelUnitRStat = nullptr;
    QLabel *LabelDyno_F = nullptr;
    QLabel *LabelSymbolF = nullptr;
    QLineEdit *EditDyno_F = nullptr;
    QLabel *RTFLabelM2 = nullptr;
    QLabel *LabelDyno_B = nullptr;
    QLabel *LabelSymbolB = nullptr;
    QLineEdit *EditDyno_B = nullptr;
    QLabel *LabelUnitB = nullptr;
    QLabel *LabelDyno_H = nullptr;
    QLabel *LabelSymbolH = nullptr;
    QLineEdit *EditDyno_H = nullptr;
    QLabel *LabelUnitH = nullptr;
    QLabel *LabelDyno_h1 = nullptr;
    QLabel *LabelSymbolH1 = nullptr;
    QLineEdit *EditDyno_h1 = nullptr;
    QLabel *LabelUnitH1 = nullptr;

    QGroupBox *GroupBox7 = nullptr;
    QLabel *LabelDyno_f1 = nullptr;
    QLabel *LabelSymbolF1 = nullptr;
    QLineEdit *EditDyno_f1 = nullptr;
    QLabel *LabelDyno_eta = nullptr;
    QLabel *RTFLabelEtaM = nullptr;
    QLineEdit *EditDyno_eta = nullptr;
    QLabel *LabelDyno_delta = nullptr;
    QLabel *RTFLabelDelta = nullptr;
    QLineEdit *EditDyno_delta = nullptr;

    // The live engine speed takes the place of the reset button during a run.
    QPushButton *ButtonDynoReset = nullptr;
    QLabel *LabelRPM = nullptr;
    QLabel *LabelRPMCap = nullptr;
    QPushButton *ButtonStartDyno = nullptr;
};
