#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Wykresy" tab: one chart of up to five live traces and, below it, a row of controls per
// trace (on/off box, colour bar, parameter list, value, unit) with the history length, refresh
// rate and start button beside them. Layout only; the plot handlers drive it.
class PlotTabPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTraceCount = 5;

    explicit PlotTabPage(QWidget *parent = nullptr);

    // The colour of trace k (0 .. 4): fuchsia, red, lime, yellow, aqua.
    static QColor traceColour(int k);

    QGroupBox *GroupBox1 = nullptr;
    QCustomPlot *Chart1 = nullptr;

    QGroupBox *GroupBoxPlot = nullptr;
    std::array<QCheckBox *, kTraceCount> CBP{};
    std::array<QFrame *, kTraceCount> ShapePlot{};
    std::array<QComboBox *, kTraceCount> ComboBoxPlot{};
    std::array<QLineEdit *, kTraceCount> EditPlot{};
    std::array<QLabel *, kTraceCount> LabelPlot{};

    QLabel *Label12 = nullptr;
    QComboBox *ComboBoxSerSize = nullptr;
    QLabel *Label13 = nullptr;
    QComboBox *ComboBoxFreq = nullptr;
    QPushButton *ButtonPlotStart = nullptr;
};
