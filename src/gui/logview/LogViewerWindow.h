#pragma once

#include "core/logview/SensorLogData.h"

#include <QMainWindow>

#include <array>
#include <memory>

struct ChartLegend;
class LogChart;
class LogTableModel;
class QComboBox;
class QCustomPlot;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTableView;
struct Platform;

// A recorded sensor log in a window of its own, opened over the main window: up to five of its
// parameters on a chart against time, a cursor line that reads out every shown value and the time
// under the pointer, the rows in a table below, and the chart's export to PNG or PDF with a
// legend. Esc and Ctrl+W close it.
class LogViewerWindow final : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kTraceCount = 5;

    // Reads the log at path and shows it in a new window (deleted when closed). A log that cannot
    // be shown is refused with a message saying why and where; one read only in part is shown
    // with a message saying where reading stopped. nullptr when refused.
    static LogViewerWindow *open(Platform &platform, const QString &path, QWidget *parent);

    LogViewerWindow(Platform &platform, const QString &path, SensorLogData data, QWidget *parent = nullptr);
    ~LogViewerWindow() override;

    LogChart &chart() { return *m_chart; }
    const SensorLogData &data() const { return m_data; }
    // Shows the parameter of pid as trace (0..4); false when the log does not hold it.
    bool chooseParameter(int trace, std::uint8_t pid);
    // Moves the cursor to time and reads out the values of the row shown there.
    void showCursorAt(double time);
    void ButtonEksportClick();
    // What the exported chart says beside the plot: the log, its span and the shown parameters.
    ChartLegend exportLegend() const;

    QLabel *LabelPlik = nullptr;
    QGroupBox *GroupBoxParametry = nullptr;
    std::array<QFrame *, kTraceCount> ShapeLog{};
    std::array<QLabel *, kTraceCount> LabelParametr{};
    std::array<QComboBox *, kTraceCount> ComboBoxLog{};
    std::array<QLabel *, kTraceCount> LabelWartosc{};
    QLabel *LabelCzas = nullptr;
    QLabel *LabelPozaSkala = nullptr;
    QPushButton *ButtonCalosc = nullptr;
    QPushButton *ButtonEksport = nullptr;
    QSplitter *SplitterLog = nullptr;
    QCustomPlot *ChartLog = nullptr;
    QTableView *TableLog = nullptr;

private:
    void buildParameters();
    void exportChart(const QString &target);
    void parameterChosen(int trace);
    void showOffScaleNote();
    void rowChosen(qsizetype row);
    // The last row at or before time; -1 before the first.
    qsizetype rowAt(double time) const;

    Platform &m_platform;
    QString m_path;
    SensorLogData m_data;
    // Entry i of every parameter list: the column it shows (-1 for none).
    QList<int> m_listColumns;
    LogChart *m_chart = nullptr;
    LogTableModel *m_model = nullptr;
};
