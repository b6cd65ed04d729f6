#include "gui/logview/LogViewerWindow.h"

#include "core/livedata/SensorTable.h"
#include "core/logview/SensorLogReader.h"
#include "core/measure/PlotRules.h"
#include "core/platform/WholeFileWrite.h"
#include "gui/logview/ChartExport.h"
#include "gui/logview/LogChart.h"
#include "gui/logview/LogProblemText.h"
#include "gui/logview/LogTableColumns.h"
#include "gui/logview/LogTableModel.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/WindowPlacement.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <qcustomplot.h>

namespace {

// Parameters shown when a log is opened.
constexpr int kInitialTraces = 3;

} // namespace

LogViewerWindow *LogViewerWindow::open(Platform &platform, const QString &path, QWidget *parent)
{
    LogReadResult result = ReadSensorLogFile(path);
    const QString fileName = QFileInfo(path).fileName();
    if (result.refused()) {
        platform.dialogs.message(tr("Nie można wyświetlić logu %1.").arg(fileName) + u'\n' + LogProblemText::of(result),
                                 MessageIcon::Error, MessageButtons::Ok);
        return nullptr;
    }
    const LogProblem problem = result.problem;
    const qint64 lastLine = result.data.lineOfRow(result.data.rowCount() - 1);
    auto *window = new LogViewerWindow(platform, path, std::move(result.data), parent);
    CentreOver(*window, parent);
    window->show();
    if (problem != LogProblem::None)
        platform.dialogs.message(tr("Log %1 wczytano tylko w części.").arg(fileName) + u'\n'
                                     + LogProblemText::of(result) + u'\n'
                                     + tr("Pokazano dane do wiersza %1.").arg(lastLine),
                                 MessageIcon::Warning, MessageButtons::Ok);
    return window;
}

LogViewerWindow::LogViewerWindow(Platform &platform, const QString &path, SensorLogData data, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_path(path), m_data(std::move(data))
{
    setObjectName(QStringLiteral("LogViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString fileName = QFileInfo(path).fileName();
    setWindowTitle(tr("Log czujników - %1").arg(fileName));
    resize(960, 700);
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("LogViewerPage"));
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);
    QString span;
    if (m_data.rowCount() > 0)
        span = tr(", od %1 do %2")
                   .arg(LogTableModel::timeText(m_data.times.front()), LogTableModel::timeText(m_data.times.back()));
    LabelPlik = new QLabel(tr("Plik: %1, wiersze danych: %2").arg(fileName).arg(m_data.rowCount()) + span, this);
    LabelPlik->setObjectName(QStringLiteral("LabelPlik"));
    layout->addWidget(LabelPlik);

    buildParameters();
    layout->addWidget(GroupBoxParametry);

    SplitterLog = new QSplitter(Qt::Vertical, this);
    SplitterLog->setObjectName(QStringLiteral("SplitterLog"));
    ChartLog = new QCustomPlot(SplitterLog);
    ChartLog->setObjectName(QStringLiteral("ChartLog"));
    ChartLog->setAccessibleName(tr("Wykres logu"));
    setHint(ChartLog, tr("Kółko myszy (klawisze + i -) powiększa czas, przeciąganie (strzałki) go przesuwa, dwuklik "
                         "(Home) pokazuje cały log; kliknięcie pokazuje wiersz w tabeli."));
    ChartLog->setAccessibleDescription(ChartLog->toolTip());
    ChartLog->setMinimumHeight(200);
    m_chart = new LogChart(*ChartLog, m_data);

    TableLog = new QTableView(SplitterLog);
    TableLog->setObjectName(QStringLiteral("TableLog"));
    TableLog->setAccessibleName(tr("Wiersze logu"));
    setHint(TableLog, tr("Wartości zapisane w logu, wiersz po wierszu."));
    TableLog->setAccessibleDescription(TableLog->toolTip());
    m_model = new LogTableModel(path, m_data, TableLog);
    TableLog->setModel(m_model);
    TableLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableLog->setSelectionMode(QAbstractItemView::SingleSelection);
    TableLog->setWordWrap(false);
    // Fixed row heights: the table never measures its (possibly millions of) rows.
    TableLog->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableLog->verticalHeader()->setDefaultSectionSize(TableLog->fontMetrics().height() + 6);
    TableLog->verticalHeader()->hide();
    TableLog->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    new LogTableColumns(*TableLog);
    SplitterLog->addWidget(ChartLog);
    SplitterLog->addWidget(TableLog);
    SplitterLog->setStretchFactor(0, 3);
    SplitterLog->setStretchFactor(1, 2);
    SplitterLog->setSizes({400, 220});
    layout->addWidget(SplitterLog, 1);

    connect(m_chart, &LogChart::cursorMoved, this, &LogViewerWindow::showCursorAt);
    connect(m_chart, &LogChart::clicked, this, [this](double time) {
        const qsizetype row = rowAt(time);
        if (row >= 0) {
            TableLog->selectRow(int(row));
            TableLog->scrollTo(m_model->index(int(row), 0), QAbstractItemView::PositionAtCenter);
        }
    });
    connect(TableLog->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    rowChosen(current.row());
            });
    connect(ButtonCalosc, &QPushButton::clicked, m_chart, &LogChart::showWholeLog);
    connect(ButtonEksport, &QPushButton::clicked, this, &LogViewerWindow::ButtonEksportClick);

    // The first few parameters that have a number to show.
    int shown = 0;
    for (qsizetype column = 0; column < m_data.pids.size() && shown < kInitialTraces; ++column) {
        if (!IsUnplottablePid(m_data.pids[column]))
            chooseParameter(shown++, m_data.pids[column]);
    }
}

LogViewerWindow::~LogViewerWindow() = default;

void LogViewerWindow::buildParameters()
{
    GroupBoxParametry = new QGroupBox(tr("  Parametry na wykresie  "), this);
    GroupBoxParametry->setObjectName(QStringLiteral("GroupBoxParametry"));
    auto *grid = new QGridLayout(GroupBoxParametry);

    // Every list offers the log's parameters in header order, status texts left out.
    QStringList entries{tr("(brak)")};
    m_listColumns = {-1};
    for (qsizetype column = 0; column < m_data.pids.size(); ++column) {
        const std::uint8_t pid = m_data.pids[column];
        if (IsUnplottablePid(pid))
            continue;
        entries << LivePidDescription(pid);
        m_listColumns << int(column);
    }

    const QString colourNames[kTraceCount] = {tr("purpurowy"), tr("czerwony"), tr("zielony"), tr("żółty"),
                                              tr("błękitny")};
    for (int k = 0; k < kTraceCount; ++k) {
        const QString number = QString::number(k + 1);
        LabelParametr[k] = new QLabel(tr("Parametr %1:").arg(k + 1), GroupBoxParametry);
        LabelParametr[k]->setObjectName(QStringLiteral("LabelParametr") + number);

        ShapeLog[k] = new QFrame(GroupBoxParametry);
        ShapeLog[k]->setObjectName(QStringLiteral("ShapeLog") + number);
        ShapeLog[k]->setFixedSize(40, 5);
        ShapeLog[k]->setAutoFillBackground(true);
        QPalette palette = ShapeLog[k]->palette();
        palette.setColor(QPalette::Window, LogChart::traceColour(k));
        ShapeLog[k]->setPalette(palette);
        ShapeLog[k]->setAccessibleName(colourNames[k]);

        ComboBoxLog[k] = new QComboBox(GroupBoxParametry);
        ComboBoxLog[k]->setObjectName(QStringLiteral("ComboBoxLog") + number);
        ComboBoxLog[k]->addItems(entries);
        ComboBoxLog[k]->setMinimumContentsLength(40);
        ComboBoxLog[k]->setAccessibleName(tr("Parametr %1").arg(k + 1));
        LabelParametr[k]->setBuddy(ComboBoxLog[k]);

        LabelWartosc[k] = new QLabel(GroupBoxParametry);
        LabelWartosc[k]->setObjectName(QStringLiteral("LabelWartosc") + number);
        LabelWartosc[k]->setMinimumWidth(160);
        LabelWartosc[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);

        grid->addWidget(LabelParametr[k], k, 0);
        grid->addWidget(ShapeLog[k], k, 1);
        grid->addWidget(ComboBoxLog[k], k, 2);
        grid->addWidget(LabelWartosc[k], k, 3);
        connect(ComboBoxLog[k], &QComboBox::currentIndexChanged, this, [this, k] { parameterChosen(k); });
    }
    grid->setColumnStretch(3, 1);

    LabelCzas = new QLabel(tr("Czas: -"), GroupBoxParametry);
    LabelCzas->setObjectName(QStringLiteral("LabelCzas"));
    LabelCzas->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelCzas->setMinimumWidth(
        LabelCzas->fontMetrics().horizontalAdvance(QStringLiteral("Czas: 2026-12-07 23:59:59.999")) + 8);
    ButtonCalosc = new QPushButton(tr("Cały log"), GroupBoxParametry);
    ButtonCalosc->setObjectName(QStringLiteral("ButtonCalosc"));
    setHint(ButtonCalosc, tr("Pokazuje na wykresie cały czas zapisu."));
    ButtonEksport = new QPushButton(tr("Eksportuj wykres"), GroupBoxParametry);
    ButtonEksport->setObjectName(QStringLiteral("ButtonEksport"));
    setHint(ButtonEksport, tr("Zapisuje wykres w pliku PNG lub PDF."));
    grid->addWidget(LabelCzas, 0, 4);
    grid->addWidget(ButtonCalosc, 3, 4);
    grid->addWidget(ButtonEksport, 4, 4);

    LabelPozaSkala = new QLabel(GroupBoxParametry);
    LabelPozaSkala->setObjectName(QStringLiteral("LabelPozaSkala"));
    LabelPozaSkala->setWordWrap(true);
    LabelPozaSkala->hide();
    grid->addWidget(LabelPozaSkala, kTraceCount, 0, 1, 5);
}

void LogViewerWindow::showOffScaleNote()
{
    QStringList names;
    for (int k = 0; k < kTraceCount; ++k)
        if (const auto column = m_chart->traceColumn(k); column && m_chart->offScale(k))
            names << LivePidDescription(m_data.pids[*column]);
    LabelPozaSkala->setText(
        tr("Wartości daleko poza zakresem czujnika nie mieszczą się na osi (są w tabeli): %1").arg(names.join(u", ")));
    LabelPozaSkala->setVisible(!names.isEmpty());
}

bool LogViewerWindow::chooseParameter(int trace, std::uint8_t pid)
{
    const qsizetype column = m_data.pids.indexOf(pid);
    const qsizetype entry = m_listColumns.indexOf(int(column));
    if (column < 0 || entry < 0)
        return false;
    ComboBoxLog.at(std::size_t(trace))->setCurrentIndex(int(entry));
    return true;
}

void LogViewerWindow::parameterChosen(int trace)
{
    const int column = m_listColumns.value(ComboBoxLog[std::size_t(trace)]->currentIndex(), -1);
    if (column < 0) {
        m_chart->setTrace(trace, std::nullopt, QString());
    } else {
        m_chart->setTrace(trace, column, LivePidUnit(m_data.pids[column]));
    }
    showOffScaleNote();
    if (const auto cursor = m_chart->cursor())
        showCursorAt(*cursor);
    else
        LabelWartosc[std::size_t(trace)]->clear();
}

qsizetype LogViewerWindow::rowAt(double time) const
{
    const auto after = std::upper_bound(m_data.times.begin(), m_data.times.end(), time);
    return qsizetype(after - m_data.times.begin()) - 1;
}

void LogViewerWindow::showCursorAt(double time)
{
    m_chart->setCursor(time);
    const qsizetype row = rowAt(time);
    LabelCzas->setText(tr("Czas: %1").arg(LogTableModel::timeText(time)));
    for (int k = 0; k < kTraceCount; ++k) {
        QLabel *label = LabelWartosc[std::size_t(k)];
        const auto column = m_chart->traceColumn(k);
        if (!column || row < 0) {
            label->clear();
            continue;
        }
        const QString unit = LivePidUnit(m_data.pids[*column]);
        const QString value = m_model->valueText(row, *column);
        label->setText(value.isEmpty() || unit.isEmpty() ? value : value + u' ' + unit);
    }
}

void LogViewerWindow::rowChosen(qsizetype row)
{
    const double time = m_data.times.at(std::size_t(row));
    const QCPRange range = ChartLog->xAxis->range();
    if (!range.contains(time))
        m_chart->setTimeRange(time - range.size() / 2, time + range.size() / 2);
    showCursorAt(time);
}

void LogViewerWindow::ButtonEksportClick()
{
    const QFileInfo log(m_path);
    const QString suggested = log.dir().filePath(log.completeBaseName() + QStringLiteral(".png"));
    const std::optional<QString> chosen =
        m_platform.dialogs.chooseFileToSave(tr("Eksportuj wykres"), suggested,
                                            tr("Obraz PNG (*.png);;Dokument PDF (*.pdf)"));
    if (!chosen)
        return;
    exportChart(*chosen);
}

void LogViewerWindow::exportChart(const QString &target)
{
    // Drawn in memory, then written beside the target and renamed once whole: a full disk or a
    // program killed part way leaves the earlier export as it was.
    const bool pdf = target.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    const ChartLegend legend = exportLegend();
    const QByteArray bytes = pdf ? ChartPdf(*ChartLog, ChartLog->width(), ChartLog->height(), legend)
                                 : ChartPng(*ChartLog, ChartLog->width(), ChartLog->height(), legend);
    if (bytes.isEmpty() || WriteWholeFile(m_platform.logFiles, target, bytes, true) != WholeFileWrite::Written)
        m_platform.dialogs.message(
            tr("Nie można zapisać wykresu w pliku %1 - sprawdź, czy na dysku jest miejsce i czy katalog istnieje.")
                .arg(QDir::toNativeSeparators(target)),
            MessageIcon::Error, MessageButtons::Ok);
}

ChartLegend LogViewerWindow::exportLegend() const
{
    ChartLegend legend;
    QString title = tr("Log czujników - %1").arg(QFileInfo(m_path).fileName());
    if (m_data.rowCount() > 0) {
        const double first = m_data.times.front();
        const double last = m_data.times.back();
        title += tr(", od %1 do %2").arg(LogTableModel::timeText(first), LogTableModel::timeText(last));
        // A zoomed chart says which part of the log it shows.
        const QCPRange shown = ChartLog->xAxis->range();
        if (shown.lower > first + 1e-3 || shown.upper < last - 1e-3)
            legend.title << title
                         << tr("Na wykresie od %1 do %2")
                                .arg(LogTableModel::timeText(shown.lower), LogTableModel::timeText(shown.upper));
        else
            legend.title << title;
    } else {
        legend.title << title;
    }
    for (int k = 0; k < kTraceCount; ++k) {
        const auto column = m_chart->traceColumn(k);
        if (!column)
            continue;
        const std::uint8_t pid = m_data.pids[*column];
        const QString unit = PidUnit(pid);
        legend.entries.push_back(
            {LogChart::traceColour(k),
             unit.isEmpty() ? PidDescription(pid) : QStringLiteral("%1 [%2]").arg(PidDescription(pid), unit)});
    }
    return legend;
}
